#include "ArtTestSupport.h"
#include "ResourceNames.h"

#include <gtest/gtest.h>

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

// Mean of one colour channel over the face plate (right of the left edge, above the
// bottom edge), with symbols included: a tint of the whole plate moves it a lot.
double MeanChannel(const QImage& tile, int (*channel)(QRgb))
{
    double sum = 0;
    int count = 0;
    for (int y = 2; y < TileFaceHeight - TileEdge - 2; ++y)
        for (int x = TileEdge + 2; x < TileFaceWidth - 2; ++x, ++count)
            sum += channel(tile.pixel(x, y));
    return sum / count;
}

TEST(TileFacePictures, EveryFaceIsCarriedInBothLooksAtTileSize)
{
    for (bool bright : {false, true}) {
        for (int face = 1; face <= TileFaceCount; ++face) {
            const QImage tile = LoadCarried(TileFacePath(bright, face));
            ASSERT_FALSE(tile.isNull()) << TileFacePath(bright, face);
            EXPECT_EQ(tile.width(), TileFaceWidth) << TileFacePath(bright, face);
            EXPECT_EQ(tile.height(), TileFaceHeight) << TileFacePath(bright, face);
        }
    }
}

TEST(TileFacePictures, FacesAreDistinctWithinEachLook)
{
    for (bool bright : {false, true}) {
        const std::vector<QImage> faces = LoadLook(bright);
        for (int a = 0; a < TileFaceCount; ++a)
            for (int b = a + 1; b < TileFaceCount; ++b)
                EXPECT_NE(faces[a], faces[b]) << "faces " << a + 1 << " and " << b + 1 << (bright ? " bright" : " dark");
    }
}

// A selected tile must stand out at a glance: the whole plate turns warm, not just a line.
TEST(TileFacePictures, SelectedLookTintsTheWholeFaceWarm)
{
    const std::vector<QImage> dark = LoadLook(false);
    const std::vector<QImage> bright = LoadLook(true);
    for (int face = 0; face < TileFaceCount; ++face) {
        EXPECT_NE(dark[face], bright[face]) << "face " << face + 1;
        const double blueDrop = MeanChannel(dark[face], qBlue) - MeanChannel(bright[face], qBlue);
        EXPECT_GT(blueDrop, 40) << "face " << face + 1;
        EXPECT_GT(MeanChannel(bright[face], qRed), MeanChannel(bright[face], qBlue) + 60) << "face " << face + 1;
    }
}

// The plate sits at the top right; the 4-pixel edge shows on the left and at the bottom, so
// the top-left and bottom-right corners stay open and the board behind shows through.
TEST(TileFacePictures, EdgeRunsAlongTheLeftAndBottomSides)
{
    for (bool bright : {false, true}) {
        for (int face = 1; face <= TileFaceCount; ++face) {
            const QImage tile = LoadCarried(TileFacePath(bright, face));
            const auto alpha = [&](int x, int y) { return qAlpha(tile.pixel(x, y)); };
            EXPECT_EQ(alpha(0, 0), 0);
            EXPECT_EQ(alpha(TileFaceWidth - 1, TileFaceHeight - 1), 0);
            EXPECT_EQ(alpha(0, TileFaceHeight / 2), 255);                      // left edge
            EXPECT_EQ(alpha(TileFaceWidth / 2, TileFaceHeight - 1), 255);      // bottom edge
            EXPECT_EQ(alpha(TileFaceWidth - 1, TileFaceHeight / 2), 255);      // plate's right side
            EXPECT_EQ(alpha(TileFaceWidth / 2, 0), 255);                       // plate's top
        }
    }
}

} // namespace
} // namespace tessaron::resources
