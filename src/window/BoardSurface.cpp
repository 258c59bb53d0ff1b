#include "window/BoardSurface.h"

#include "ResourceNames.h"
#include "window/BoardScale.h"

#include <QPainter>

#include <array>

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
    {
        QPainter painter(this);
        Paint(painter);
    }
    emit Painted();
}

void BoardSurface::Paint(QPainter& painter) const
{
    const QRect board = scale_.Board();
    if (board != rect()) PaintMargins(painter, board);
    if (background_.isNull()) {
        painter.fillRect(board, QColor(0, 64, 32));
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (scale_.Extent().size() == QSizeF(resources::BackgroundWidth, resources::BackgroundHeight))
        painter.drawPixmap(board, background_);
    else
        PaintStretched(painter, board);
}

void BoardSurface::PaintStretched(QPainter& painter, const QRect& board) const
{
    // A layout of another shape: the picture's frame and corners keep their proportions at
    // the board's scale, and only what lies between them stretches.
    const qreal edgeUnits = 40;
    const qreal source = edgeUnits * background_.width() / resources::BackgroundWidth;
    const qreal target = scale_.Length(edgeUnits);
    const std::array<qreal, 4> sourceX{0, source, background_.width() - source, qreal(background_.width())};
    const std::array<qreal, 4> sourceY{0, source, background_.height() - source, qreal(background_.height())};
    const std::array<qreal, 4> targetX{qreal(board.left()), board.left() + target, board.right() + 1 - target,
                                       board.right() + 1.0};
    const std::array<qreal, 4> targetY{qreal(board.top()), board.top() + target, board.bottom() + 1 - target,
                                       board.bottom() + 1.0};
    for (std::size_t column = 0; column < 3; ++column)
        for (std::size_t row = 0; row < 3; ++row)
            painter.drawPixmap(QRectF(QPointF(targetX[column], targetY[row]), QPointF(targetX[column + 1], targetY[row + 1])),
                               background_,
                               QRectF(QPointF(sourceX[column], sourceY[row]), QPointF(sourceX[column + 1], sourceY[row + 1])));
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
