// Flowers and seasons: a small picture, the glyph and the traditional number. Flowers are
// drawn in red ink, seasons in blue, so the two groups never look alike.
#include "ArtKit.h"
#include "TileArt.h"

#include <QPainterPath>

#include <cmath>

namespace tessaron::art {

namespace {

const QColor FlowerInk(168, 20, 48);
const QColor SeasonInk(22, 62, 156);
const QPointF IconCentre(26, 12);

void DrawPetals(QPainter& painter, int count, qreal distance, qreal length, qreal width,
                const QColor& colour, qreal turn = 0)
{
    painter.save();
    painter.translate(IconCentre);
    painter.setPen(QPen(colour.darker(150), 0.5));
    painter.setBrush(colour);
    for (int i = 0; i < count; ++i) {
        painter.save();
        painter.rotate(turn + 360.0 * i / count);
        painter.drawEllipse(QPointF(0, -distance), width, length);
        painter.restore();
    }
    painter.restore();
}

void DrawLeaf(QPainter& painter, QPointF base, qreal angle, qreal length, qreal width,
              const QColor& colour)
{
    painter.save();
    painter.translate(base);
    painter.rotate(angle);
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.quadTo(QPointF(width, -length / 2), QPointF(0, -length));
    leaf.quadTo(QPointF(-width, -length / 2), QPointF(0, 0));
    painter.setPen(QPen(colour.darker(160), 0.5));
    painter.setBrush(colour);
    painter.drawPath(leaf);
    painter.restore();
}

void DrawCentre(QPainter& painter, qreal radius, const QColor& colour)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(IconCentre, radius, radius);
    painter.restore();
}

void DrawFlowerIcon(QPainter& painter, int flower)
{
    switch (flower) {
    case 0: // bamboo: a stalk with leaves
        painter.save();
        painter.setPen(QPen(QColor(40, 120, 50), 2.0, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(24, 21), QPointF(28, 3));
        painter.restore();
        DrawLeaf(painter, QPointF(26, 12), -60, 9, 2.4, QColor(40, 150, 60));
        DrawLeaf(painter, QPointF(27, 8), 55, 9, 2.4, QColor(40, 150, 60));
        DrawLeaf(painter, QPointF(25, 16), 70, 8, 2.2, QColor(40, 150, 60));
        break;
    case 1: // chrysanthemum: many narrow golden petals
        DrawPetals(painter, 14, 4.6, 3.6, 1.3, QColor(240, 170, 20));
        DrawCentre(painter, 2.6, QColor(190, 90, 10));
        break;
    case 2: // orchid: three long violet petals
        DrawPetals(painter, 3, 4.2, 4.6, 2.4, QColor(150, 70, 190), 0);
        DrawPetals(painter, 3, 3.4, 3.2, 1.6, QColor(200, 140, 230), 60);
        DrawCentre(painter, 1.6, QColor(240, 200, 40));
        break;
    default: // plum: five round pink petals
        DrawPetals(painter, 5, 4.4, 3.6, 3.6, QColor(244, 130, 170));
        DrawCentre(painter, 2.0, QColor(200, 30, 60));
        break;
    }
}

void DrawSeasonIcon(QPainter& painter, int season)
{
    painter.save();
    switch (season) {
    case 0: // spring: a sprout
        painter.setPen(QPen(QColor(60, 140, 40), 1.6, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(26, 21), QPointF(26, 11));
        DrawLeaf(painter, QPointF(26, 13), -55, 9, 3.2, QColor(90, 180, 60));
        DrawLeaf(painter, QPointF(26, 11), 50, 9, 3.2, QColor(90, 180, 60));
        break;
    case 1: { // summer: the sun
        painter.setPen(QPen(QColor(240, 120, 10), 1.4, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 8; ++i) {
            const qreal a = i * M_PI / 4;
            painter.drawLine(IconCentre + QPointF(std::cos(a) * 6, std::sin(a) * 6),
                             IconCentre + QPointF(std::cos(a) * 8.6, std::sin(a) * 8.6));
        }
        painter.setPen(QPen(QColor(220, 100, 0), 0.6));
        painter.setBrush(QColor(255, 190, 30));
        painter.drawEllipse(IconCentre, 4.6, 4.6);
        break;
    }
    case 2: // autumn: a falling leaf with its stem
        DrawLeaf(painter, QPointF(21, 21), 40, 19, 7, QColor(214, 96, 20));
        painter.setPen(QPen(QColor(120, 50, 10), 0.9));
        painter.drawLine(QPointF(21, 21), QPointF(31.5, 8.5));
        break;
    default: { // winter: a snowflake
        painter.translate(IconCentre);
        painter.setPen(QPen(QColor(40, 130, 210), 1.3, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 3; ++i) {
            painter.save();
            painter.rotate(60.0 * i);
            painter.drawLine(QPointF(0, -8), QPointF(0, 8));
            for (qreal end : {-1.0, 1.0}) {
                painter.drawLine(QPointF(0, 5 * end), QPointF(-2.4, 7.4 * end));
                painter.drawLine(QPointF(0, 5 * end), QPointF(2.4, 7.4 * end));
            }
            painter.restore();
        }
        break;
    }
    }
    painter.restore();
}

void DrawNumberAndGlyph(QPainter& painter, int number, const QString& glyph, const QColor& ink)
{
    DrawGlyph(painter, QString::number(number), LatinFont(10), QPointF(10.5, 8), ink);
    DrawGlyph(painter, glyph, GlyphFont(22), QPointF(22, 37), ink, 0.5);
}

} // namespace

void DrawFlowerFace(QPainter& painter, int flower)
{
    // Bamboo, chrysanthemum, orchid, plum carry the numbers 4, 3, 2, 1.
    static const QString glyphs = QStringLiteral("竹菊蘭梅");
    DrawFlowerIcon(painter, flower);
    DrawNumberAndGlyph(painter, 4 - flower, glyphs.mid(flower, 1), FlowerInk);
}

void DrawSeasonFace(QPainter& painter, int season)
{
    static const QString glyphs = QStringLiteral("春夏秋冬");
    DrawSeasonIcon(painter, season);
    DrawNumberAndGlyph(painter, season + 1, glyphs.mid(season, 1), SeasonInk);
}

} // namespace tessaron::art
