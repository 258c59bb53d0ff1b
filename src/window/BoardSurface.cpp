#include "window/BoardSurface.h"

#include "ResourceNames.h"
#include "window/BoardScale.h"

#include <QPainter>

#include <utility>

namespace tessaron {

BoardSurface::BoardSurface(const BoardScale& scale, std::function<void()> clicked, std::function<void()> resized,
                           QWidget* parent)
    : QWidget(parent), scale_(scale), clicked_(std::move(clicked)), resized_(std::move(resized))
{
    setObjectName(QStringLiteral("BoardSurface"));
    // The board may shrink to half its first size; the scale keeps all of it in view.
    setMinimumSize(BoardScale::BoardSize() / 2);
    // Every pixel is painted; nothing behind needs drawing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardSurface::SetBackground(const QPixmap& background, const QPixmap& felt)
{
    background_ = background;
    felt_ = felt;
    update();
}

QSize BoardSurface::sizeHint() const { return scale_.Extent().size().toSize(); }

void BoardSurface::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect board = scale_.Board();
    if (board != rect()) PaintMargins(painter, board);
    if (background_.isNull()) {
        painter.fillRect(board, QColor(0, 64, 32));
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(board, background_);
}

void BoardSurface::PaintMargins(QPainter& painter, const QRect& board) const
{
    painter.save();
    painter.setClipRegion(QRegion(rect()).subtracted(board));
    if (felt_.isNull()) {
        painter.fillRect(rect(), QColor::fromRgb(resources::BackgroundEdgeRgb));
    } else {
        // Woven at the background's scale from the board's corner, so the grain is as fine
        // as the picture's: one picture pixel of either covers the same window pixels.
        QPixmap felt = felt_;
        const qreal pixelsPerUnit = felt.devicePixelRatio();
        felt.setDevicePixelRatio(1);
        QBrush weave(felt);
        const qreal grain = board.width() / (scale_.Extent().width() * pixelsPerUnit);
        weave.setTransform(QTransform::fromScale(grain, grain) * QTransform::fromTranslate(board.x(), board.y()));
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.fillRect(rect(), weave);
    }
    painter.restore();
}

void BoardSurface::mousePressEvent(QMouseEvent*) { clicked_(); }

void BoardSurface::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    resized_();
}

} // namespace tessaron
