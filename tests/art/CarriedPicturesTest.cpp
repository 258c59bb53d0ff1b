// The carried pictures: present under their resource names, at their sizes and at each of
// the three resolutions, telling the faces and looks apart.
#include "ResourceNames.h"
#include "board/StandardBoard.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace tessaron::resources {
namespace {

QImage LoadCarried(const std::string& resourcePath)
{
    return QImage(QString::fromStdString(resourcePath)).convertToFormat(QImage::Format_ARGB32);
}

struct Carried {
    std::string Path;
    QSize Units;
};

// Mean difference per channel between two pictures of one size.
double MeanDifference(const QImage& a, const QImage& b)
{
    long long sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* left = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* right = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            sum += std::abs(qRed(left[x]) - qRed(right[x])) + std::abs(qGreen(left[x]) - qGreen(right[x])) +
                   std::abs(qBlue(left[x]) - qBlue(right[x])) + std::abs(qAlpha(left[x]) - qAlpha(right[x]));
    }
    return double(sum) / (4.0 * a.width() * a.height());
}

// Each scale has the size multiplied, and the larger ones differ clearly from both ways
// of enlarging the 1x picture, smooth and pixel by pixel. No two pictures are alike:
// every face, look and title tells itself apart.
TEST(CarriedPictures, EveryPictureIsItsOwnAndComesAtEachScaleDrawnAtItsResolution)
{
    std::vector<Carried> pictures;
    for (bool bright : {false, true})
        for (int face = 1; face <= TileFaceCount; ++face)
            pictures.push_back({TileFacePath(bright, face), QSize(TileFaceWidth, TileFaceHeight)});
    pictures.push_back({BackgroundPath(), QSize(BackgroundWidth, BackgroundHeight)});
    pictures.push_back({FeltPath(), QSize(FeltSize, FeltSize)});
    for (int language = 0; language < LanguageCount; ++language) {
        pictures.push_back({WonBannerPath(language), QSize(WonBannerWidth[language], WonBannerHeight[language])});
        pictures.push_back({HallOfFameTitlePath(language), QSize(HallOfFameTitleWidth, HallOfFameTitleHeight)});
    }
    for (ButtonIcon icon : ButtonIcons)
        for (ButtonLook look : ButtonLooks)
            pictures.push_back({ButtonIconPath(icon, look), QSize(ButtonIconSize, ButtonIconSize)});
    for (int size : ProgramIconSizes) pictures.push_back({ProgramIconPath(size), QSize(size, size)});

    std::vector<QImage> singles;
    for (const Carried& picture : pictures) {
        singles.push_back(LoadCarried(picture.Path));
        for (int scale : PictureScales) {
            const std::string path = ScaledPath(picture.Path, scale);
            const QImage drawn = LoadCarried(path);
            ASSERT_FALSE(drawn.isNull()) << path;
            EXPECT_EQ(drawn.size(), picture.Units * scale) << path;
            if (scale == 1 || drawn.size() != picture.Units * scale) continue;
            for (const auto mode : {Qt::FastTransformation, Qt::SmoothTransformation}) {
                const QImage enlarged = singles.back().scaled(drawn.size(), Qt::IgnoreAspectRatio, mode);
                EXPECT_GT(MeanDifference(drawn, enlarged.convertToFormat(QImage::Format_ARGB32)), 0.5) << path << mode;
            }
        }
    }
    for (std::size_t a = 0; a < singles.size(); ++a)
        for (std::size_t b = a + 1; b < singles.size(); ++b)
            EXPECT_NE(singles[a], singles[b]) << pictures[a].Path << " and " << pictures[b].Path;
    // A desktop entry asks for these sizes.
    EXPECT_TRUE(std::ranges::includes(ProgramIconSizes, std::array{16, 22, 24, 32, 48, 64, 128, 256}));
}

double Luminance(QRgb colour)
{
    const auto linear = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) + 0.0722 * linear(qBlue(colour));
}

// The labels stand straight on the background: even its lightest pixel under a label
// leaves the label colours a readable contrast (4.5:1, the usual bar for small text).
TEST(CarriedPictures, BackgroundIsOpaqueAndTheLabelColoursStandOutOnIt)
{
    const QImage background = LoadCarried(BackgroundPath());
    EXPECT_EQ(background, background.convertToFormat(QImage::Format_RGB32).convertToFormat(QImage::Format_ARGB32));
    double lightest = 0;
    for (const QRect& strip : {QRect(24, 1, 532, 23), QRect(24, 450, 532, 24)})
        for (int y = strip.top(); y <= strip.bottom(); ++y)
            for (int x = strip.left(); x <= strip.right(); ++x)
                lightest = std::max(lightest, Luminance(background.pixel(x, y)));
    for (QRgb colour : {qRgb(255, 255, 192), qRgb(255, 224, 192), qRgb(255, 128, 255)})
        EXPECT_GE((Luminance(colour) + 0.05) / (lightest + 0.05), 4.5) << QColor(colour).name().toStdString();
}

// The gold frame line of the background goes round the whole layout: no pixel of it lies
// under a tile, the lone tiles at the left and right ends included, at any resolution.
TEST(CarriedPictures, BackgroundFrameLineRunsOutsideEveryTileOfTheLayout)
{
    const StandardBoard board;
    for (int scale : PictureScales) {
        const QImage background = LoadCarried(ScaledPath(BackgroundPath(), scale));
        // The felt is green with a little red; the line's gold lifts the red well above it.
        const auto isLine = [&](int x, int y) { return qRed(background.pixel(x, y)) >= 55; };
        int linePixels = 0;
        for (int y = 0; y < background.height(); ++y)
            for (int x = 0; x < background.width(); ++x) linePixels += isLine(x, y) ? 1 : 0;
        EXPECT_GT(linePixels, 3 * (BackgroundWidth + BackgroundHeight) * scale / 2) << "scale " << scale;
        for (std::int32_t tile = 1; tile <= board.Geometry.PositionCount(); ++tile) {
            const PixelPlace& place = board.Geometry.Place(tile);
            const QRect covered(place.Left * scale, place.Top * scale, TileFaceWidth * scale, TileFaceHeight * scale);
            int under = 0;
            for (int y = covered.top(); y <= covered.bottom(); ++y)
                for (int x = covered.left(); x <= covered.right(); ++x) under += isLine(x, y) ? 1 : 0;
            EXPECT_EQ(under, 0) << "tile " << tile << " at scale " << scale;
        }
    }
}

// A selected tile must stand out at a glance: of the plate's ivory ground (in the normal
// look) the selected look turns the whole warm, not just a line; symbols keep their colours.
// The plate sits at the top right; the edge shows on the left and at the bottom, so the
// top-left and bottom-right corners stay open and the board behind shows through.
TEST(CarriedPictures, TileFacesAreOpenAtTwoCornersAndTheSelectedLookTintsTheGroundWarm)
{
    const int plateArea = (TileFaceWidth - TileEdge - 4) * (TileFaceHeight - TileEdge - 4);
    for (int face = 1; face <= TileFaceCount; ++face) {
        const QImage dark = LoadCarried(TileFacePath(false, face));
        const QImage bright = LoadCarried(TileFacePath(true, face));
        for (const QImage* tile : {&dark, &bright}) {
            const auto alpha = [&](int x, int y) { return qAlpha(tile->pixel(x, y)); };
            EXPECT_EQ(alpha(0, 0) + alpha(TileFaceWidth - 1, TileFaceHeight - 1), 0) << "corners of face " << face;
            EXPECT_EQ(alpha(0, TileFaceHeight / 2) + alpha(TileFaceWidth / 2, TileFaceHeight - 1) +
                          alpha(TileFaceWidth - 1, TileFaceHeight / 2) + alpha(TileFaceWidth / 2, 0), 4 * 255)
                << "edges and plate of face " << face;
        }
        int ground = 0;
        int warm = 0;
        for (int y = 2; y < TileFaceHeight - TileEdge - 2; ++y) {
            for (int x = TileEdge + 2; x < TileFaceWidth - 2; ++x) {
                const QRgb before = dark.pixel(x, y);
                if (std::min({qRed(before), qGreen(before), qBlue(before)}) < 200 || qRed(before) - qBlue(before) >= 40)
                    continue;
                ++ground;
                warm += qRed(bright.pixel(x, y)) - qBlue(bright.pixel(x, y)) >= 60 ? 1 : 0;
            }
        }
        EXPECT_GT(ground, plateArea / 4) << "face " << face;
        EXPECT_GE(warm, ground * 95 / 100) << "face " << face;
    }
}

} // namespace
} // namespace tessaron::resources
