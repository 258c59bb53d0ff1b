#include "ArtTestSupport.h"
#include "ResourceNames.h"

#include <QColor>
#include <QRect>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tessaron::resources {
namespace {

using testing::LoadCarried;

double Luminance(QRgb colour)
{
    const auto linear = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) + 0.0722 * linear(qBlue(colour));
}

TEST(CarriedPictures, BackgroundFillsTheClientAreaOpaquely)
{
    const QImage background = LoadCarried(BackgroundPath());
    for (int y = 0; y < background.height(); y += 7)
        for (int x = 0; x < background.width(); x += 7)
            ASSERT_EQ(qAlpha(background.pixel(x, y)), 255) << x << "," << y;
}

// The labels stand straight on the background: even its lightest pixel under a label
// leaves the label colours a readable contrast (4.5:1, the usual bar for small text).
TEST(CarriedPictures, LabelColoursStandOutOnTheBackground)
{
    const QImage background = LoadCarried(BackgroundPath());
    const QRgb labelColours[] = {qRgb(255, 255, 192), qRgb(255, 224, 192), qRgb(255, 128, 255)};
    const QRect labelStrips[] = {QRect(24, 1, 532, 23), QRect(24, 450, 532, 24)};
    double lightest = 0;
    for (const QRect& strip : labelStrips)
        for (int y = strip.top(); y <= strip.bottom(); ++y)
            for (int x = strip.left(); x <= strip.right(); ++x)
                lightest = std::max(lightest, Luminance(background.pixel(x, y)));
    for (QRgb colour : labelColours)
        EXPECT_GE((Luminance(colour) + 0.05) / (lightest + 0.05), 4.5) << QColor(colour).name().toStdString();
}

// Sizes are checked with the scaled copies; here the pictures must also tell things apart.
TEST(CarriedPictures, ButtonLooksAndHallOfFameTitlesAreDistinct)
{
    std::vector<QImage> icons;
    for (ButtonIcon icon : ButtonIcons)
        for (ButtonLook look : ButtonLooks) icons.push_back(LoadCarried(ButtonIconPath(icon, look)));
    for (std::size_t a = 0; a < icons.size(); ++a)
        for (std::size_t b = a + 1; b < icons.size(); ++b) EXPECT_NE(icons[a], icons[b]) << a << " and " << b;
    EXPECT_NE(LoadCarried(HallOfFameTitlePath(0)), LoadCarried(HallOfFameTitlePath(1)));
}

TEST(CarriedPictures, ProgramIconComesInEveryDesktopSize)
{
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        EXPECT_NE(std::find(ProgramIconSizes.begin(), ProgramIconSizes.end(), size), ProgramIconSizes.end()) << size;
}

} // namespace
} // namespace tessaron::resources
