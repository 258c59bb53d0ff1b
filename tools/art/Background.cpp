// The board background: dark green felt, lighter where the tiles lie and the plain felt of
// the margins all along its edge, so a window of another shape continues it without a seam;
// and the felt square the margins are woven of.
#include "ArtKit.h"
#include "Pictures.h"

#include "board/BoardGeometry.h"

#include <QRadialGradient>

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace tessaron::art {

namespace {

// Soft noise: a fixed-seed field, box-blurred so it reads as cloth rather than static. With
// wrap, the blur reaches round the edges, so the field repeats without a seam.
std::vector<int> FeltNoise(int width, int height, bool wrap)
{
    NoiseSource noise(0x7e55a201u);
    std::vector<int> field(std::size_t(width) * height);
    for (int& value : field)
        value = noise.Jitter(24);
    const auto at = [&](int x, int y) {
        if (wrap) return field[std::size_t((y + height) % height) * width + std::size_t((x + width) % width)];
        return field[std::size_t(std::clamp(y, 0, height - 1)) * width + std::size_t(std::clamp(x, 0, width - 1))];
    };
    std::vector<int> soft(field.size());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int sum = 0;
            int count = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -2; dx <= 2; ++dx) {
                    sum += at(x + dx, y + dy);
                    ++count;
                }
            }
            // Mostly soft grain, a little fine grain on top.
            soft[std::size_t(y) * width + x] = sum / count + at(x, y) / 8;
        }
    }
    return soft;
}

// The grain is woven per device pixel: finer threads on a finer screen.
void WeaveGrain(QImage& picture, bool wrap)
{
    const int pixelsWide = picture.width();
    const int pixelsHigh = picture.height();
    const std::vector<int> noise = FeltNoise(pixelsWide, pixelsHigh, wrap);
    for (int y = 0; y < pixelsHigh; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < pixelsWide; ++x) {
            const int grain = noise[std::size_t(y) * pixelsWide + x] / 3;
            const QRgb pixel = line[x];
            line[x] = qRgb(std::clamp(qRed(pixel) + grain, 0, 255), std::clamp(qGreen(pixel) + grain, 0, 255),
                           std::clamp(qBlue(pixel) + grain, 0, 255));
        }
    }
}

// Every tile picture of the layout, united, in board units.
QRectF LayoutBounds()
{
    const BoardGeometry& geometry = LayoutGeometry();
    QRectF bounds;
    for (std::int32_t position = 1; position <= geometry.PositionCount(); ++position) {
        const PixelPlace& place = geometry.Place(position);
        bounds |= QRectF(place.Left, place.Top, resources::TileFaceWidth, resources::TileFaceHeight);
    }
    return bounds;
}

// A quiet gold frame around every tile of the layout, clear of the strips along the top
// and the bottom where the labels and buttons stand (24 units each).
QRectF FrameLine()
{
    const QRectF tiles = LayoutBounds();
    const QRectF frame(tiles.left() - 4.5, 24.5, tiles.width() + 9, resources::BackgroundHeight - 2 * 24.5 - 1);
    // Half the line's width inside: the line itself must not touch a tile either.
    if (!frame.adjusted(0.5, 0.5, -0.5, -0.5).contains(tiles))
        throw std::runtime_error("the board's frame line does not clear the tiles of the layout");
    return frame;
}

} // namespace

QImage BackgroundPicture(int scale)
{
    const int width = resources::BackgroundWidth;
    const int height = resources::BackgroundHeight;
    QImage picture = NewPicture(width, height, scale);
    {
        QPainter painter;
        BeginPainting(painter, picture);
        // An oval pool of light under the tiles that has faded to the plain felt before it
        // reaches any edge, and before the label strips: the labels stand on the darkest felt.
        QRadialGradient light(QPointF(0, 0), 1.0);
        light.setColorAt(0.0, QColor(40, 104, 78));
        light.setColorAt(0.5, QColor(30, 84, 62));
        light.setColorAt(0.9, QColor::fromRgb(resources::BackgroundEdgeRgb));
        light.setColorAt(1.0, QColor::fromRgb(resources::BackgroundEdgeRgb));
        QBrush pool(light);
        pool.setTransform(QTransform::fromScale(width / 2.0 + 10, height / 2.0) *
                          QTransform::fromTranslate(width / 2.0, height / 2.0));
        painter.fillRect(QRect(0, 0, width, height), pool);
        painter.setPen(QPen(QColor(200, 170, 90, 70), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(FrameLine(), 6, 6);
        painter.end();
    }
    WeaveGrain(picture, false);
    return picture;
}

QImage FeltPicture(int scale)
{
    QImage picture = NewPicture(resources::FeltSize, resources::FeltSize, scale);
    picture.fill(QColor::fromRgb(resources::BackgroundEdgeRgb));
    WeaveGrain(picture, true);
    return picture;
}

} // namespace tessaron::art
