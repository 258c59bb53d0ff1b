#include "ArtTestSupport.h"
#include "ResourceNames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace tessaron::resources {
namespace {

using testing::LoadCarried;

std::vector<QImage> LoadLook(bool bright)
{
    std::vector<QImage> faces;
    for (int face = 1; face <= TileFaceCount; ++face)
        faces.push_back(LoadCarried(TileFacePath(bright, face)));
    return faces;
}

// Share of the plate's ivory ground (in the normal look) that the selected look turns warm.
// Symbols keep their colours; the ground is what makes a selected tile stand out.
struct GroundTint {
    int Ground = 0;
    int Warm = 0;
};

GroundTint MeasureGroundTint(const QImage& dark, const QImage& bright)
{
    GroundTint tint;
    for (int y = 2; y < TileFaceHeight - TileEdge - 2; ++y) {
        for (int x = TileEdge + 2; x < TileFaceWidth - 2; ++x) {
            const QRgb before = dark.pixel(x, y);
            const bool ivory = std::min({qRed(before), qGreen(before), qBlue(before)}) >= 200 &&
                               qRed(before) - qBlue(before) < 40;
            if (!ivory) continue;
            ++tint.Ground;
            const QRgb after = bright.pixel(x, y);
            if (qRed(after) - qBlue(after) >= 60) ++tint.Warm;
        }
    }
    return tint;
}

// Sizes are checked with the scaled copies. Within each look the faces differ, and a
// selected tile must stand out at a glance: the whole ground turns warm, not just a line.
// The plate sits at the top right; the edge shows on the left and at the bottom, so the
// top-left and bottom-right corners stay open and the board behind shows through.
TEST(TileFacePictures, FacesAreDistinctOpenAtTwoCornersAndTheSelectedLookTintsTheGroundWarm)
{
    const std::vector<QImage> dark = LoadLook(false);
    const std::vector<QImage> bright = LoadLook(true);
    const int plateArea = (TileFaceWidth - TileEdge - 4) * (TileFaceHeight - TileEdge - 4);
    for (int face = 0; face < TileFaceCount; ++face) {
        for (int other = face + 1; other < TileFaceCount; ++other) {
            EXPECT_NE(dark[face], dark[other]) << "faces " << face + 1 << " and " << other + 1;
            EXPECT_NE(bright[face], bright[other]) << "faces " << face + 1 << " and " << other + 1;
        }
        for (const QImage* tile : {&dark[face], &bright[face]}) {
            const auto alpha = [&](int x, int y) { return qAlpha(tile->pixel(x, y)); };
            EXPECT_EQ(alpha(0, 0) + alpha(TileFaceWidth - 1, TileFaceHeight - 1), 0) << "face " << face + 1;
            EXPECT_EQ(alpha(0, TileFaceHeight / 2), 255) << "left edge of face " << face + 1;
            EXPECT_EQ(alpha(TileFaceWidth / 2, TileFaceHeight - 1), 255) << "bottom edge of face " << face + 1;
            EXPECT_EQ(alpha(TileFaceWidth - 1, TileFaceHeight / 2) + alpha(TileFaceWidth / 2, 0), 510)
                << "plate of face " << face + 1;
        }
        const GroundTint tint = MeasureGroundTint(dark[face], bright[face]);
        EXPECT_GT(tint.Ground, plateArea / 4) << "face " << face + 1;
        EXPECT_GE(tint.Warm, tint.Ground * 95 / 100) << "face " << face + 1;
    }
}

} // namespace
} // namespace tessaron::resources
