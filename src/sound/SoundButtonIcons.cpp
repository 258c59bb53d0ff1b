#include "sound/SoundButtonIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tessaron {
namespace {

constexpr int Size = 16;

void DrawUndo(QPainter& painter, const QColor& colour)
{
    // A hooked arrow turning back to the left.
    QPainterPath hook;
    hook.moveTo(4.5, 6.5);
    hook.lineTo(10, 6.5);
    hook.cubicTo(15, 6.5, 15, 13.5, 10, 13.5);
    hook.lineTo(7, 13.5);
    painter.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(hook);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(QPolygonF({QPointF(1, 6.5), QPointF(6, 2), QPointF(6, 11)}));
}

void DrawDefault(QPainter& painter, const QColor& colour)
{
    // A small house: the sound the game brings along.
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(QPolygonF({QPointF(8, 1.5), QPointF(15, 8), QPointF(1, 8)}));
    painter.drawRect(QRectF(3.5, 8, 9, 6.5));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(7, 10.5, 2.5, 4));
}

void DrawPlay(QPainter& painter, const QColor& colour)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(QPolygonF({QPointF(4, 2), QPointF(14, 8), QPointF(4, 14)}));
}

void DrawStop(QPainter& painter, const QColor& colour)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(3, 3, 10, 10), 1.5, 1.5);
}

QPixmap Draw(SoundButtonPicture picture, bool enabled)
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor grey(160, 160, 160);
    switch (picture) {
    case SoundButtonPicture::Undo: DrawUndo(painter, enabled ? QColor(40, 90, 170) : grey); break;
    case SoundButtonPicture::Default: DrawDefault(painter, enabled ? QColor(150, 95, 40) : grey); break;
    case SoundButtonPicture::Play: DrawPlay(painter, enabled ? QColor(30, 140, 60) : grey); break;
    case SoundButtonPicture::Stop: DrawStop(painter, enabled ? QColor(180, 40, 40) : grey); break;
    }
    return pixmap;
}

} // namespace

QIcon SoundButtonIcon(SoundButtonPicture picture)
{
    QIcon icon;
    icon.addPixmap(Draw(picture, true), QIcon::Normal);
    icon.addPixmap(Draw(picture, false), QIcon::Disabled);
    return icon;
}

} // namespace tessaron
