// Every carried picture comes at 1, 2 and 3 device pixels per unit, and the larger ones are
// drawn at their resolution, not blown up from the small one.
#include "ArtTestSupport.h"
#include "ResourceNames.h"

#include <QSize>
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace tessaron::resources {
namespace {

using testing::LoadCarried;

struct Carried {
    std::string Path;
    QSize Units;
};

std::vector<Carried> EveryPicture()
{
    std::vector<Carried> pictures;
    for (bool bright : {false, true})
        for (int face = 1; face <= TileFaceCount; ++face)
            pictures.push_back({TileFacePath(bright, face), QSize(TileFaceWidth, TileFaceHeight)});
    pictures.push_back({BackgroundPath(), QSize(BackgroundWidth, BackgroundHeight)});
    for (int language = 0; language < LanguageCount; ++language) {
        pictures.push_back({WonBannerPath(language), QSize(WonBannerWidth[language], WonBannerHeight[language])});
        pictures.push_back({HallOfFameTitlePath(language), QSize(HallOfFameTitleWidth, HallOfFameTitleHeight)});
    }
    for (ButtonIcon icon : ButtonIcons)
        for (ButtonLook look : ButtonLooks)
            pictures.push_back({ButtonIconPath(icon, look), QSize(ButtonIconSize, ButtonIconSize)});
    for (int size : ProgramIconSizes) pictures.push_back({ProgramIconPath(size), QSize(size, size)});
    return pictures;
}

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

// Share of the scale x scale blocks whose pixels are not all alike: a picture enlarged
// pixel by pixel has none.
double DetailedBlocks(const QImage& picture, int scale)
{
    int detailed = 0;
    int blocks = 0;
    for (int top = 0; top + scale <= picture.height(); top += scale) {
        for (int left = 0; left + scale <= picture.width(); left += scale) {
            ++blocks;
            const QRgb first = picture.pixel(left, top);
            bool alike = true;
            for (int y = top; y < top + scale && alike; ++y)
                for (int x = left; x < left + scale && alike; ++x) alike = picture.pixel(x, y) == first;
            detailed += alike ? 0 : 1;
        }
    }
    return double(detailed) / blocks;
}

// Each scale has the size multiplied. Against both ways of enlarging the 1x picture, the
// larger ones differ clearly from a smooth enlargement and, unlike one pixel by pixel,
// carry detail inside their blocks.
TEST(PictureScales, EveryPictureComesAtEachScaleDrawnAtItsResolution)
{
    for (const Carried& picture : EveryPicture()) {
        const QImage single = LoadCarried(picture.Path);
        for (int scale : PictureScales) {
            const std::string path = ScaledPath(picture.Path, scale);
            const QImage drawn = LoadCarried(path);
            ASSERT_FALSE(drawn.isNull()) << path;
            EXPECT_EQ(drawn.size(), picture.Units * scale) << path;
            if (scale == 1 || drawn.size() != picture.Units * scale) continue;
            const QImage smooth =
                single.scaled(drawn.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_ARGB32);
            EXPECT_GT(MeanDifference(drawn, smooth), 0.5) << path;
            EXPECT_GT(DetailedBlocks(drawn, scale), 0.05) << path;
        }
    }
}

} // namespace
} // namespace tessaron::resources
