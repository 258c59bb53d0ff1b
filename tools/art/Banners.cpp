// The win banners and the hall of fame titles: warm gold lettering with a dark outline,
// the banners on a red ribbon with confetti.
#include "ArtKit.h"
#include "Pictures.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <cmath>

namespace tessaron::art {

namespace {

QLinearGradient GoldFill(qreal top, qreal bottom)
{
    QLinearGradient gold(0, top, 0, bottom);
    gold.setColorAt(0.0, QColor(255, 250, 190));
    gold.setColorAt(0.45, QColor(255, 214, 70));
    gold.setColorAt(1.0, QColor(214, 140, 20));
    return gold;
}

void DrawStar(QPainter& painter, QPointF centre, qreal radius, const QColor& colour)
{
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? radius : radius * 0.45;
        const qreal a = (i * 36.0 - 90.0) * M_PI / 180.0;
        const QPointF point = centre + QPointF(r * std::cos(a), r * std::sin(a));
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    painter.setPen(QPen(colour.darker(170), 1));
    painter.setBrush(colour);
    painter.drawPath(star);
}

void DrawConfetti(QPainter& painter, const QRectF& area, std::uint32_t seed)
{
    static const QColor colours[] = {QColor(255, 214, 70), QColor(120, 220, 255),
                                     QColor(140, 240, 120), QColor(255, 150, 210),
                                     QColor(255, 255, 255)};
    NoiseSource noise(seed);
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 60; ++i) {
        const QPointF place(area.left() + noise.Unit() * area.width(),
                            area.top() + noise.Unit() * area.height());
        painter.save();
        painter.translate(place);
        painter.rotate(noise.Unit() * 180);
        painter.setBrush(colours[noise.Next() % 5]);
        painter.drawRect(QRectF(-3.5, -1.3, 7, 2.6));
        painter.restore();
    }
    painter.restore();
}

} // namespace

QImage WonBanner(int language, int scale)
{
    const int width = resources::WonBannerWidth.at(language);
    const int height = resources::WonBannerHeight.at(language);
    const QString text = language == 1 ? QStringLiteral("Gewonnen!") : QStringLiteral("You won!");
    QImage picture = NewPicture(width, height, scale);
    QPainter painter;
    BeginPainting(painter, picture);

    const QRectF ribbon(6, 6, width - 14, height - 14);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawRoundedRect(ribbon.translated(4, 4), 22, 22);
    QLinearGradient red(0, ribbon.top(), 0, ribbon.bottom());
    red.setColorAt(0, QColor(214, 40, 40));
    red.setColorAt(1, QColor(130, 12, 22));
    painter.setBrush(red);
    painter.setPen(QPen(QColor(240, 190, 70), 4));
    painter.drawRoundedRect(ribbon, 22, 22);
    painter.setPen(QPen(QColor(255, 226, 140, 170), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(ribbon.adjusted(8, 8, -8, -8), 15, 15);

    DrawConfetti(painter, ribbon.adjusted(14, 12, -14, -12), 0xc0ffee00u + language);
    const qreal starY = ribbon.center().y();
    DrawStar(painter, QPointF(ribbon.left() + 34, starY), 17, QColor(255, 214, 70));
    DrawStar(painter, QPointF(ribbon.right() - 34, starY), 17, QColor(255, 214, 70));

    const QPointF centre = ribbon.center();
    const qreal size = 72;
    const QFont font = PlayfulFont(size);
    // A soft dark halo first so the letters stand off the confetti.
    DrawOutlinedText(painter, text, font, centre + QPointF(0, 2), QColor(60, 0, 0, 120),
                     QColor(60, 0, 0, 120), 10);
    DrawOutlinedText(painter, text, font, centre, GoldFill(centre.y() - size / 2, centre.y() + size / 2),
                     QColor(90, 30, 0), 4);
    painter.end();
    return picture;
}

QImage HallOfFameTitle(int language, int scale)
{
    const int width = resources::HallOfFameTitleWidth;
    const int height = resources::HallOfFameTitleHeight;
    const QString text = language == 1 ? QStringLiteral("Ruhmeshalle") : QStringLiteral("Hall of Fame");
    QImage picture = NewPicture(width, height, scale);
    QPainter painter;
    BeginPainting(painter, picture);
    const QPointF centre(width / 2.0, height / 2.0);
    const qreal size = 44;
    DrawOutlinedText(painter, text, PlayfulFont(size), centre,
                     GoldFill(centre.y() - size / 2, centre.y() + size / 2), QColor(90, 40, 0), 3.2);
    for (qreal side : {-1.0, 1.0}) {
        DrawStar(painter, centre + QPointF(side * 172, -6), 11, QColor(255, 204, 50));
        DrawStar(painter, centre + QPointF(side * 188, 12), 6, QColor(255, 204, 50));
    }
    painter.end();
    return picture;
}

} // namespace tessaron::art
