#include "window/TilePicture.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

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

void TilePicture::SetMatchMark(bool shown)
{
    if (shown == matchMark_) return;
    matchMark_ = shown;
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
    if (!focusRing_ && !matchMark_) return;
    // Around the face plate (right of the side, above the bottom edge; 36 x 52 of the
    // 40 x 56 picture), which no neighbour covers: a dark band outside a bright one shows
    // on ivory and on warm faces. Sizes follow the picture, so every scale draws alike.
    const qreal unitX = width() / 40.0;
    const qreal unitY = height() / 56.0;
    const QRectF face(4 * unitX, 0, 36 * unitX, 52 * unitY);
    const qreal dark = std::max(2.0, 2 * unitX);
    const qreal bright = dark * 1.5;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    if (matchMark_) {
        // A green tint and frame on the plate; inside the ring's bands when both show.
        const qreal inset = focusRing_ ? dark + bright : 0;
        const QRectF plate = face.adjusted(inset, inset, -inset, -inset);
        painter.fillRect(plate, QColor(40, 200, 80, 60));
        const qreal band = bright;
        painter.setPen(QPen(QColor(0, 140, 50), band, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(plate.adjusted(band / 2, band / 2, -band / 2, -band / 2));
    }
    if (!focusRing_) return;
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
