// The program icon: one tile with four circles, drawn as vectors at every size so even
// the 16-pixel icon stays crisp.
#include "ArtKit.h"
#include "Pictures.h"

#include <QLinearGradient>

#include <algorithm>

namespace tessaron::art {

QImage ProgramIconPicture(int size, int scale)
{
    QImage picture = NewPicture(size, size, scale);
    QPainter painter;
    BeginPainting(painter, picture);
    painter.scale(size / 64.0, size / 64.0);
    // Thin lines vanish at small sizes; keep them about one device pixel wide.
    const int pixels = size * scale;
    const qreal hairline = std::max(0.8, 64.0 / pixels);

    const QRectF face(15, 2, 42, 54);
    painter.setPen(QPen(QColor(8, 56, 36), hairline));
    painter.setBrush(QColor(28, 128, 88));
    painter.drawRoundedRect(face.translated(-8, 7), 6, 6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(214, 198, 156));
    painter.drawRoundedRect(face.translated(-4, 3.5), 6, 6);
    QLinearGradient light(face.topRight(), face.bottomLeft());
    light.setColorAt(0, QColor(255, 254, 246));
    light.setColorAt(1, QColor(234, 224, 196));
    painter.setBrush(light);
    painter.setPen(QPen(QColor(140, 128, 96), hairline));
    painter.drawRoundedRect(face, 6, 6);

    const QColor red(208, 36, 36);
    const QColor blue(28, 82, 176);
    const struct {
        QPointF Centre;
        QColor Colour;
    } coins[] = {{{26, 15.5}, red}, {{46, 15.5}, blue}, {{26, 42.5}, blue}, {{46, 42.5}, red}};
    for (const auto& coin : coins) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(coin.Colour);
        painter.drawEllipse(coin.Centre, 8.5, 8.5);
        // Rings only where there are pixels enough to show them.
        if (pixels >= 24) {
            painter.setBrush(QColor(255, 252, 240));
            painter.drawEllipse(coin.Centre, 5.2, 5.2);
            painter.setBrush(coin.Colour);
            painter.drawEllipse(coin.Centre, 2.8, 2.8);
        }
    }
    painter.end();
    return picture;
}

} // namespace tessaron::art
