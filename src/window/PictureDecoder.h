#pragma once
// Decodes the board's pictures of a new resolution on a worker, so a resize never waits for
// PNG decoding on the window's thread. The answer comes back on the owner's thread, through
// the event loop; an answer still under way when the decoder is destroyed is dropped.
#include "window/BoardPictures.h"

#include <QObject>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class QThreadPool;

namespace tessaron {

class PictureDecoder final : public QObject {
    Q_OBJECT
public:
    // decoded receives the pictures and the scale they were asked for. workers: the pool to
    // decode on; null gives one worker of the decoder's own.
    PictureDecoder(std::function<void(DecodedPictures, int)> decoded, QThreadPool* workers, QObject* parent = nullptr);
    // Waits for its decodes under way; their answers are not delivered.
    ~PictureDecoder() override;

    // Starts decoding unless this scale is already being decoded.
    void Decode(std::vector<std::string> paths, int scale);

private:
    std::function<void(DecodedPictures, int)> decoded_;
    std::unique_ptr<QThreadPool> ownWorkers_;
    QThreadPool* workers_;
    int decoding_ = 0;
    std::mutex runningLock_;
    std::condition_variable runningDone_;
    int running_ = 0;
};

} // namespace tessaron
