// The 16 x 16 icons of the four corner buttons. Pressed shrinks the symbol towards the
// lower right and darkens it; disabled is a faded grey.
#include "ArtKit.h"
#include "Pictures.h"

#include <QPainterPath>

namespace tessaron::art {

namespace {

using resources::ButtonIcon;
using resources::ButtonLook;

// A curved arrow over the top, pointing right (redo) or left (undo, mirrored).
void DrawTurnArrow(QPainter& painter, bool mirrored)
{
    painter.save();
    if (mirrored) {
        painter.translate(16, 0);
        painter.scale(-1, 1);
    }
    const QColor blue(30, 96, 210);
    QPainterPath arc;
    arc.moveTo(3, 13);
    arc.cubicTo(QPointF(1, 6), QPointF(6, 3), QPointF(11, 5.5));
    painter.setPen(QPen(blue.darker(150), 4.2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(arc);
    painter.setPen(QPen(blue.lighter(125), 2.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(arc);
    QPainterPath head;
    head.moveTo(15, 8.5);
    head.lineTo(8.5, 10.5);
    head.lineTo(10, 1.5);
    head.closeSubpath();
    painter.setPen(QPen(blue.darker(150), 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(blue.lighter(125));
    painter.drawPath(head);
    painter.restore();
}

void DrawTinyTile(QPainter& painter, const QRectF& face)
{
    painter.setPen(QPen(QColor(10, 60, 40), 0.8));
    painter.setBrush(QColor(28, 120, 84));
    painter.drawRoundedRect(face.translated(-1.6, 1.6), 1.4, 1.4);
    painter.setPen(QPen(QColor(120, 110, 80), 0.8));
    painter.setBrush(QColor(255, 250, 232));
    painter.drawRoundedRect(face, 1.4, 1.4);
}

// Do move: a pair of tiles with a check mark.
void DrawPairTaken(QPainter& painter)
{
    DrawTinyTile(painter, QRectF(2.5, 1.5, 6, 9));
    DrawTinyTile(painter, QRectF(8.5, 1.5, 6, 9));
    painter.setPen(QPen(QColor(10, 90, 20), 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath check;
    check.moveTo(3, 10);
    check.lineTo(7, 14);
    check.lineTo(14.5, 5);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(check);
    painter.setPen(QPen(QColor(60, 200, 60), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(check);
}

// Peek: one tile lifted off its shadow, with an arrow up.
void DrawTileLifted(QPainter& painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawEllipse(QPointF(10, 14), 4.5, 1.5);
    DrawTinyTile(painter, QRectF(7.5, 0.5, 7, 10));
    const QColor orange(232, 120, 10);
    QPainterPath arrow;
    arrow.moveTo(3.5, 1);
    arrow.lineTo(7, 6);
    arrow.lineTo(5, 6);
    arrow.lineTo(5, 14);
    arrow.lineTo(2, 14);
    arrow.lineTo(2, 6);
    arrow.lineTo(0, 6);
    arrow.closeSubpath();
    painter.setPen(QPen(orange.darker(160), 0.8, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(orange);
    painter.drawPath(arrow);
}

void DrawSymbol(QPainter& painter, ButtonIcon icon)
{
    switch (icon) {
    case ButtonIcon::RedoNextMove: DrawTurnArrow(painter, false); break;
    case ButtonIcon::UndoLastMove: DrawTurnArrow(painter, true); break;
    case ButtonIcon::RemoveTiles: DrawPairTaken(painter); break;
    case ButtonIcon::RemoveTile: DrawTileLifted(painter); break;
    }
}

} // namespace

QImage ButtonIconPicture(ButtonIcon icon, ButtonLook look, int scale)
{
    const int size = resources::ButtonIconSize;
    QImage picture = NewPicture(size, size, scale);
    QPainter painter;
    BeginPainting(painter, picture);
    if (look == ButtonLook::Pressed) {
        // Shrink a little around the centre and move down-right, as if pushed in.
        painter.translate(8.8, 8.8);
        painter.scale(0.92, 0.92);
        painter.translate(-8, -8);
    }
    DrawSymbol(painter, icon);
    painter.end();

    // The picture is premultiplied: colour channels never exceed alpha.
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = line[x];
            const int alpha = qAlpha(pixel);
            if (look == ButtonLook::Pressed) {
                line[x] = qRgba(qRed(pixel) * 4 / 5, qGreen(pixel) * 4 / 5, qBlue(pixel) * 4 / 5, alpha);
            } else if (look == ButtonLook::Disabled) {
                const int grey = (qRed(pixel) * 11 + qGreen(pixel) * 16 + qBlue(pixel) * 5) / 32;
                const int faded = alpha * 45 / 100;
                const int value = alpha ? grey * faded / alpha : 0;
                const int lifted = value + (faded - value) / 3;
                line[x] = qRgba(lifted, lifted, lifted, faded);
            }
        }
    }
    return picture;
}

} // namespace tessaron::art
