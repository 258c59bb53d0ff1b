// The board background: dark green felt, lighter where the tiles lie and darker towards
// the edges, where the light label texts stand.
#include "ArtKit.h"
#include "Pictures.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <utility>
#include <vector>

namespace tessaron::art {

namespace {

// Soft noise: a fixed-seed field, box-blurred so it reads as cloth rather than static.
std::vector<int> FeltNoise(int width, int height)
{
    NoiseSource noise(0x7e55a201u);
    std::vector<int> field(std::size_t(width) * height);
    for (int& value : field)
        value = noise.Jitter(24);
    std::vector<int> soft(field.size());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int sum = 0;
            int count = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -2; dx <= 2; ++dx) {
                    const int sx = std::clamp(x + dx, 0, width - 1);
                    const int sy = std::clamp(y + dy, 0, height - 1);
                    sum += field[std::size_t(sy) * width + sx];
                    ++count;
                }
            }
            // Mostly soft grain, a little fine grain on top.
            soft[std::size_t(y) * width + x] = sum / count + field[std::size_t(y) * width + x] / 8;
        }
    }
    return soft;
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
        QRadialGradient light(QPointF(280, 225), 360);
        light.setColorAt(0.0, QColor(40, 104, 78));
        light.setColorAt(0.55, QColor(30, 84, 62));
        light.setColorAt(1.0, QColor::fromRgb(resources::BackgroundEdgeRgb));
        painter.fillRect(picture.rect(), light);
        // Shade the strips along the top and bottom where the labels stand.
        for (const auto& [top, bottom] : {std::pair{0, 30}, std::pair{height, height - 30}}) {
            QLinearGradient shade(0, top, 0, bottom);
            shade.setColorAt(0.0, QColor(0, 0, 0, 110));
            shade.setColorAt(0.75, QColor(0, 0, 0, 60));
            shade.setColorAt(1.0, QColor(0, 0, 0, 0));
            painter.fillRect(QRect(0, std::min(top, bottom), width, 30), shade);
        }
        // A quiet frame a few pixels inside the border.
        painter.setPen(QPen(QColor(200, 170, 90, 70), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(27.5, 27.5, width - 55, height - 55), 6, 6);
        painter.end();
    }
    // The grain is woven per device pixel: finer threads on a finer screen.
    const int pixelsWide = picture.width();
    const int pixelsHigh = picture.height();
    const std::vector<int> noise = FeltNoise(pixelsWide, pixelsHigh);
    for (int y = 0; y < pixelsHigh; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < pixelsWide; ++x) {
            const int grain = noise[std::size_t(y) * pixelsWide + x] / 3;
            const QRgb pixel = line[x];
            line[x] = qRgb(std::clamp(qRed(pixel) + grain, 0, 255),
                           std::clamp(qGreen(pixel) + grain, 0, 255),
                           std::clamp(qBlue(pixel) + grain, 0, 255));
        }
    }
    return picture;
}

} // namespace tessaron::art
