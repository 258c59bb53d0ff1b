#include "window/TilePicture.h"

#include <QMouseEvent>
#include <QPainter>

namespace tessaron {

namespace {
constexpr int PictureWidth = 40;
constexpr int PictureHeight = 56;
}

TilePicture::TilePicture(std::int32_t tile, QWidget* parent) : QWidget(parent), tile_(tile)
{
    setObjectName(QStringLiteral("imgTile_%1").arg(tile));
    setFixedSize(PictureWidth, PictureHeight);
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
    painter.drawPixmap(0, 0, picture_);
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
