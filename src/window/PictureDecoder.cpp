#include "window/PictureDecoder.h"

#include <QThreadPool>

#include <utility>

namespace tessaron {

PictureDecoder::PictureDecoder(std::function<void(DecodedPictures, int)> decoded, QThreadPool* workers,
                               QObject* parent)
    : QObject(parent), decoded_(std::move(decoded)), workers_(workers)
{
    if (!workers_) {
        ownWorkers_ = std::make_unique<QThreadPool>();
        // One worker: a second resolution asked for meanwhile waits behind the first.
        ownWorkers_->setMaxThreadCount(1);
        workers_ = ownWorkers_.get();
    }
}

PictureDecoder::~PictureDecoder()
{
    std::unique_lock lock(runningLock_);
    runningDone_.wait(lock, [this] { return running_ == 0; });
}

void PictureDecoder::Decode(std::vector<std::string> paths, int scale)
{
    if (scale == decoding_) return;
    decoding_ = scale;
    {
        std::lock_guard lock(runningLock_);
        ++running_;
    }
    workers_->start([this, paths = std::move(paths), scale] {
        DecodedPictures decoded = DecodePictures(paths, scale);
        // Queued to this object, which outlives the task: the destructor waits for it, and
        // the event loop drops the answer once the object is gone.
        QMetaObject::invokeMethod(
            this,
            [this, scale, decoded = std::move(decoded)]() mutable {
                if (decoding_ == scale) decoding_ = 0;
                decoded_(std::move(decoded), scale);
            },
            Qt::QueuedConnection);
        std::lock_guard lock(runningLock_);
        --running_;
        runningDone_.notify_all();
    });
}

} // namespace tessaron
