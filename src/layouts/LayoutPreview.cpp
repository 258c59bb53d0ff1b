#include "layouts/LayoutPreview.h"

#include <QPainter>

#include <algorithm>

namespace tessaron {

namespace {

// The board's proportions: a half-tile unit is 18 x 26, a layer lifts a tile 4 x 4.
constexpr qreal UnitWidth = 18;
constexpr qreal UnitHeight = 26;
constexpr qreal LayerLift = 4;
constexpr qreal Margin = 4;

} // namespace

QImage DrawLayoutPreview(const Layout& layout, QSize size, qreal devicePixelRatio)
{
    QImage image(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    if (layout.Places.empty() || size.isEmpty()) return image;

    const qreal lift = LayerLift * (layout.LayerCount() - 1);
    const qreal boardWidth = layout.Width() * UnitWidth + lift;
    const qreal boardHeight = layout.Height() * UnitHeight + lift;
    const qreal scale =
        std::min((size.width() - 2 * Margin) / boardWidth, (size.height() - 2 * Margin) / boardHeight);
    const qreal left = (size.width() - boardWidth * scale) / 2 + lift * scale;
    const qreal top = (size.height() - boardHeight * scale) / 2 + lift * scale;

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor edge(96, 84, 64);
    // A smaller position is drawn in front: paint from the last position to the first.
    for (auto place = layout.Places.rbegin(); place != layout.Places.rend(); ++place) {
        const QRectF face((place->X * UnitWidth - place->Layer * LayerLift) * scale + left,
                          (place->Y * UnitHeight - place->Layer * LayerLift) * scale + top,
                          2 * UnitWidth * scale, 2 * UnitHeight * scale);
        // Upper layers lighter, so the height reads at a glance.
        const int light = std::min(255, 200 + 12 * place->Layer);
        painter.setPen(QPen(edge, std::max<qreal>(0.8, scale)));
        painter.setBrush(QColor(light, light - 8, light - 28));
        painter.drawRoundedRect(face.adjusted(0, 0, -0.5, -0.5), 2 * scale, 2 * scale);
    }
    return image;
}

} // namespace tessaron
