#include "window/TilePicture.h"

#include <QMouseEvent>
#include <QPainter>

namespace tessaron {

TilePicture::TilePicture(std::int32_t tile, QWidget* parent) : QWidget(parent), tile_(tile)
{
    setObjectName(QStringLiteral("imgTile_%1").arg(tile));
    hide();
}

void TilePicture::SetPicture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

void TilePicture::paintEvent(QPaintEvent*)
{
    if (picture_.isNull()) return;
    QPainter painter(this);
    // The board places and sizes the picture; a picture of the matching resolution fills it
    // pixel for pixel, any other is scaled down smoothly.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture_);
}

void TilePicture::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    emit Clicked(tile_);
}

void TilePicture::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    emit DoubleClicked(tile_);
}

} // namespace tessaron
