// The three suits: bamboo sticks, circles and characters, laid out as on real tiles so a
// player counts them at a glance.
#include "ArtKit.h"
#include "TileArt.h"

#include <QPainterPath>

#include <array>
#include <vector>

namespace tessaron::art {

namespace {

const QColor Green(16, 132, 64);
const QColor Blue(28, 78, 168);
const QColor Red(204, 36, 36);
const QColor Ink(24, 28, 70);
const QColor Ivory(255, 252, 240);

struct Stick {
    qreal X;
    qreal Y;
    qreal Length;
    QColor Colour;
    qreal Angle = 0;
};

void DrawStick(QPainter& painter, const Stick& stick)
{
    painter.save();
    painter.translate(stick.X, stick.Y);
    painter.rotate(stick.Angle);
    const qreal width = 4.6;
    const qreal half = stick.Length / 2;
    painter.setPen(QPen(stick.Colour.darker(170), 0.8));
    painter.setBrush(stick.Colour);
    painter.drawRoundedRect(QRectF(-width / 2, -half, width, stick.Length), 1.6, 1.6);
    painter.setPen(QPen(stick.Colour.lighter(165), 1.0));
    painter.drawLine(QPointF(-0.7, -half + 1.6), QPointF(-0.7, half - 1.6));
    // The joints: a band in the middle and one near each end.
    painter.setPen(QPen(stick.Colour.darker(190), 1.1));
    const qreal joint = half - 2.2;
    for (qreal y : {-joint, 0.0, joint})
        painter.drawLine(QPointF(-width / 2 - 0.4, y), QPointF(width / 2 + 0.4, y));
    painter.restore();
}

// The one of bamboo is a bird on a twig.
void DrawBird(QPainter& painter)
{
    painter.save();
    // Tail feathers fanning down to the left.
    const std::array<QPointF, 3> tips{QPointF(8, 47), QPointF(14, 49), QPointF(20, 49)};
    const std::array<QColor, 3> tailColours{Blue, Green, Blue};
    for (int i = 0; i < 3; ++i) {
        QPainterPath feather;
        feather.moveTo(22, 30);
        feather.quadTo(QPointF(12 + 4 * i, 36), tips[i]);
        feather.quadTo(QPointF(18 + 3 * i, 38), QPointF(25, 31));
        painter.setPen(QPen(tailColours[i].darker(150), 0.7));
        painter.setBrush(tailColours[i]);
        painter.drawPath(feather);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Red);
        painter.drawEllipse(tips[i] + QPointF(i == 0 ? 1.6 : 0.6, -2.2), 1.4, 1.4);
    }
    // Body.
    QPainterPath body;
    body.moveTo(20, 33);
    body.cubicTo(QPointF(14, 24), QPointF(20, 14), QPointF(28, 16));
    body.cubicTo(QPointF(35, 19), QPointF(33, 31), QPointF(20, 33));
    painter.setPen(QPen(Green.darker(170), 0.8));
    painter.setBrush(Green);
    painter.drawPath(body);
    // Wing.
    QPainterPath wing;
    wing.moveTo(21, 29);
    wing.cubicTo(QPointF(20, 22), QPointF(26, 19), QPointF(30, 22));
    wing.cubicTo(QPointF(28, 27), QPointF(25, 29), QPointF(21, 29));
    painter.setBrush(Blue);
    painter.setPen(QPen(Blue.darker(160), 0.6));
    painter.drawPath(wing);
    // Head, eye, beak and crest.
    painter.setPen(QPen(Red.darker(160), 0.7));
    painter.setBrush(Red);
    painter.drawEllipse(QPointF(29.5, 11), 4.6, 4.4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ivory);
    painter.drawEllipse(QPointF(31, 10.2), 1.5, 1.5);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(31.3, 10.2), 0.8, 0.8);
    QPainterPath beak;
    beak.moveTo(33.4, 10.4);
    beak.lineTo(38, 12.6);
    beak.lineTo(33.2, 13.4);
    beak.closeSubpath();
    painter.setBrush(QColor(236, 170, 20));
    painter.drawPath(beak);
    painter.setPen(QPen(Red, 1.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(28, 6.8), QPointF(26, 3.5));
    painter.drawLine(QPointF(29.5, 6.6), QPointF(29.5, 3));
    // Legs on a twig.
    painter.setPen(QPen(QColor(120, 72, 30), 1.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(26, 31), QPointF(27, 38));
    painter.drawLine(QPointF(29, 30), QPointF(31, 38));
    painter.setPen(QPen(QColor(120, 72, 30), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(22, 39), QPointF(37, 37));
    painter.restore();
}

std::vector<Stick> BambooLayout(int count)
{
    const qreal tall = 20;   // two rows
    const qreal short_ = 13; // three rows
    switch (count) {
    case 2: return {{22, 14, tall, Blue}, {22, 38, tall, Green}};
    case 3: return {{22, 14, tall, Blue}, {16, 38, tall, Green}, {28, 38, tall, Green}};
    case 4:
        return {{16, 14, tall, Blue}, {28, 14, tall, Green},
                {16, 38, tall, Green}, {28, 38, tall, Blue}};
    case 5:
        return {{13, 14, tall, Green}, {31, 14, tall, Blue}, {22, 26, tall, Red},
                {13, 38, tall, Blue}, {31, 38, tall, Green}};
    case 6:
        return {{13, 14, tall, Green}, {22, 14, tall, Green}, {31, 14, tall, Green},
                {13, 38, tall, Blue}, {22, 38, tall, Blue}, {31, 38, tall, Blue}};
    case 7:
        return {{22, 10, short_, Red},
                {13, 26, short_, Green}, {22, 26, short_, Blue}, {31, 26, short_, Green},
                {13, 42, short_, Green}, {22, 42, short_, Blue}, {31, 42, short_, Green}};
    case 8:
        // The inner pairs lean apart, as on real tiles, but never touch: every stick counts.
        return {{10, 14, tall, Green}, {17, 14, tall, Green, 10}, {27, 14, tall, Green, -10},
                {34, 14, tall, Green},
                {10, 38, tall, Blue}, {17, 38, tall, Blue, -10}, {27, 38, tall, Blue, 10},
                {34, 38, tall, Blue}};
    case 9:
        return {{13, 10, short_, Green}, {22, 10, short_, Red}, {31, 10, short_, Blue},
                {13, 26, short_, Green}, {22, 26, short_, Red}, {31, 26, short_, Blue},
                {13, 42, short_, Green}, {22, 42, short_, Red}, {31, 42, short_, Blue}};
    default: return {};
    }
}

struct Coin {
    qreal X;
    qreal Y;
    qreal Radius;
    QColor Colour;
};

void DrawCoin(QPainter& painter, const Coin& coin, const QColor& ground)
{
    const QPointF centre(coin.X, coin.Y);
    painter.save();
    painter.setPen(QPen(coin.Colour.darker(160), 0.8));
    painter.setBrush(coin.Colour);
    painter.drawEllipse(centre, coin.Radius, coin.Radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ground);
    painter.drawEllipse(centre, coin.Radius * 0.62, coin.Radius * 0.62);
    painter.setBrush(coin.Colour);
    painter.drawEllipse(centre, coin.Radius * 0.34, coin.Radius * 0.34);
    painter.restore();
}

// The one of circles is a large ornamented medallion.
void DrawMedallion(QPainter& painter, const QColor& ground)
{
    const QPointF centre = FaceCentre();
    painter.save();
    painter.setPen(QPen(Green.darker(160), 0.8));
    painter.setBrush(Green);
    painter.drawEllipse(centre, 15, 15);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ground);
    painter.drawEllipse(centre, 12.4, 12.4);
    painter.setBrush(Blue);
    painter.drawEllipse(centre, 10.6, 10.6);
    painter.setBrush(ground);
    for (int i = 0; i < 8; ++i) {
        painter.save();
        painter.translate(centre);
        painter.rotate(45.0 * i);
        painter.drawEllipse(QPointF(0, -7.4), 1.9, 1.9);
        painter.restore();
    }
    painter.setBrush(Red);
    painter.drawEllipse(centre, 4.8, 4.8);
    painter.setBrush(ground);
    painter.drawEllipse(centre, 1.9, 1.9);
    painter.restore();
}

std::vector<Coin> CircleLayout(int count)
{
    switch (count) {
    case 2: return {{22, 14, 9.5, Green}, {22, 38, 9.5, Blue}};
    case 3: return {{13, 11, 7.5, Blue}, {22, 26, 7.5, Red}, {31, 41, 7.5, Green}};
    case 4:
        return {{15, 14, 7, Blue}, {29, 14, 7, Green}, {15, 38, 7, Green}, {29, 38, 7, Blue}};
    case 5:
        return {{13.5, 11.5, 6.5, Blue}, {30.5, 11.5, 6.5, Green}, {22, 26, 6.5, Red},
                {13.5, 40.5, 6.5, Green}, {30.5, 40.5, 6.5, Blue}};
    case 6:
        return {{16, 10, 5.8, Green}, {28, 10, 5.8, Green}, {16, 26, 5.8, Red},
                {28, 26, 5.8, Red}, {16, 42, 5.8, Red}, {28, 42, 5.8, Red}};
    case 7:
        return {{11.5, 7.5, 4.6, Green}, {22, 11, 4.6, Green}, {32.5, 14.5, 4.6, Green},
                {16, 29, 5.8, Red}, {28, 29, 5.8, Red}, {16, 42, 5.8, Red}, {28, 42, 5.8, Red}};
    case 8:
        return {{16, 8, 5.6, Blue}, {28, 8, 5.6, Blue}, {16, 20, 5.6, Blue}, {28, 20, 5.6, Blue},
                {16, 32, 5.6, Blue}, {28, 32, 5.6, Blue}, {16, 44, 5.6, Blue}, {28, 44, 5.6, Blue}};
    case 9:
        return {{12, 10, 5, Blue}, {22, 10, 5, Blue}, {32, 10, 5, Blue},
                {12, 26, 5, Red}, {22, 26, 5, Red}, {32, 26, 5, Red},
                {12, 42, 5, Green}, {22, 42, 5, Green}, {32, 42, 5, Green}};
    default: return {};
    }
}

} // namespace

void DrawBambooFace(QPainter& painter, int count)
{
    if (count == 1) {
        DrawBird(painter);
        return;
    }
    for (const Stick& stick : BambooLayout(count))
        DrawStick(painter, stick);
}

void DrawCircleFace(QPainter& painter, int count, const QColor& ground)
{
    if (count == 1) {
        DrawMedallion(painter, ground);
        return;
    }
    for (const Coin& coin : CircleLayout(count))
        DrawCoin(painter, coin, ground);
}

void DrawCharacterFace(QPainter& painter, int count)
{
    static const QString numerals = QStringLiteral("一二三四五六七八九");
    const QString numeral = numerals.mid(count - 1, 1);
    // "One" is a single stroke; keep it from growing to the full width.
    const qreal numeralSize = count == 1 ? 16 : 19;
    DrawGlyph(painter, numeral, GlyphFont(numeralSize), QPointF(22, 12.5), Ink, 0.5);
    DrawGlyph(painter, QStringLiteral("萬"), GlyphFont(26), QPointF(22, 36.5), Red, 0.5);
}

} // namespace tessaron::art
