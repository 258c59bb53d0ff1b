// Dragons and winds: one large glyph each; the white dragon is a blue frame, and each
// wind carries its Latin initial in the corner as well.
#include "ArtKit.h"
#include "TileArt.h"

namespace tessaron::art {

void DrawDragonFace(QPainter& painter, int dragon)
{
    switch (dragon) {
    case 0:
        DrawGlyph(painter, QStringLiteral("中"), GlyphFont(34), FaceCentre(), QColor(206, 24, 24), 1.0);
        break;
    case 1:
        DrawGlyph(painter, QStringLiteral("發"), GlyphFont(31), FaceCentre(), QColor(8, 124, 56), 0.6);
        break;
    default: {
        painter.save();
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(30, 70, 170), 2.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(QRectF(9.5, 6.5, 25, 39));
        painter.setPen(QPen(QColor(30, 70, 170), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(QRectF(13, 10, 18, 32));
        painter.restore();
        break;
    }
    }
}

void DrawWindFace(QPainter& painter, int wind)
{
    static const QString glyphs = QStringLiteral("北東南西");
    static const QString initials = QStringLiteral("NESW");
    const QColor ink(20, 24, 60);
    DrawGlyph(painter, glyphs.mid(wind, 1), GlyphFont(28), QPointF(22.5, 29), ink, 0.8);
    DrawGlyph(painter, initials.mid(wind, 1), LatinFont(8.5), QPointF(10, 7), QColor(200, 30, 30));
}

} // namespace tessaron::art
