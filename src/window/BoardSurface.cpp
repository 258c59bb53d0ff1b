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
    setMinimumSize(BoardScale::BoardSize());
    // Every pixel is painted; nothing behind needs drawing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardSurface::SetBackground(const QPixmap& background)
{
    background_ = background;
    update();
}

QSize BoardSurface::sizeHint() const { return BoardScale::BoardSize(); }

void BoardSurface::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect board = scale_.Board();
    if (board != rect()) painter.fillRect(rect(), QColor::fromRgb(resources::BackgroundEdgeRgb));
    if (background_.isNull()) {
        painter.fillRect(board, QColor(0, 64, 32));
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(board, background_);
}

void BoardSurface::mousePressEvent(QMouseEvent*) { clicked_(); }

void BoardSurface::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    resized_();
}

} // namespace tessaron
