#include "window/TilePicture.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

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

void TilePicture::SetBright(bool bright)
{
    if (bright == bright_) return;
    bright_ = bright;
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void TilePicture::SetFocusRing(bool shown)
{
    if (shown == focusRing_) return;
    focusRing_ = shown;
    update();
}

void TilePicture::paintEvent(QPaintEvent*)
{
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
    if (!focusRing_) return;
    // Around the face plate (right of the 4-pixel side, above the bottom edge), which no
    // neighbour covers: a dark band outside a bright one shows on ivory and on warm faces.
    const QRectF face(width() * 4.0 / PictureWidth, 0, width() * 36.0 / PictureWidth, height() * 52.0 / PictureHeight);
    const qreal dark = std::max(2.0, width() * 2.0 / PictureWidth);
    const qreal bright = dark * 1.5;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(20, 20, 20), dark, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(face.adjusted(dark / 2, dark / 2, -dark / 2, -dark / 2));
    const qreal inset = dark + bright / 2;
    painter.setPen(QPen(QColor(0, 170, 255), bright, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(face.adjusted(inset, inset, -inset, -inset));
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
