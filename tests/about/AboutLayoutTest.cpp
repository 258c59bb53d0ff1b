#include "AboutSuites.h"

#include "about/AboutLayout.h"

#include <QTest>

#include <algorithm>
#include <random>

namespace tessaron {

namespace {

// The design layout in pixels: Close at 332..408 in a window 424 wide (margin 16), the
// version label ending where Close ends, the separators ending on Close's last pixel.
AboutLayout DesignLayout()
{
    AboutLayout layout;
    layout.OuterWidth = 426;  // a frame of one pixel each side, to see both widths move
    layout.InnerWidth = 424;
    layout.Title = {64, 70};
    layout.Version = {348, 60};
    layout.OwnLines = {Extent{64, 200}, Extent{64, 180}, Extent{64, 160},
                       Extent{64, 150}, Extent{64, 210}, Extent{64, 220}};
    layout.Licensing = {64, 50};
    layout.Close = {332, 76};
    layout.SeparatorEnds = {407, 407};
    return layout;
}

int Margin(const AboutLayout& layout) { return layout.InnerWidth - layout.Close.Right(); }

// The end of the longest line, each of the two shared lines counting one margin between its items.
int LongestLineEnd(const AboutLayout& layout)
{
    const int margin = Margin(layout);
    int end = std::max(layout.Title.Right() + margin + layout.Version.Width,
                       layout.Licensing.Right() + margin + layout.Close.Width);
    for (const Extent& line : layout.OwnLines) end = std::max(end, line.Right());
    return end;
}

void VerifyMovedAlong(const AboutLayout& before, const AboutLayout& after, int shift)
{
    QCOMPARE(after.OuterWidth, before.OuterWidth + shift);
    QCOMPARE(after.InnerWidth, before.InnerWidth + shift);
    QCOMPARE(after.Version.Left, before.Version.Left + shift);
    QCOMPARE(after.SeparatorEnds[0], before.SeparatorEnds[0] + shift);
    QCOMPARE(after.SeparatorEnds[1], before.SeparatorEnds[1] + shift);
    QCOMPARE(after.Close.Left, before.Close.Left + shift);
    // Nothing on the left moves, nothing changes its width.
    QCOMPARE(after.Title.Left, before.Title.Left);
    QCOMPARE(after.Licensing.Left, before.Licensing.Left);
    QCOMPARE(after.Version.Width, before.Version.Width);
    QCOMPARE(after.Close.Width, before.Close.Width);
}

} // namespace

void AboutLayoutRule::LineBeyondCloseWidensByTheOverhang()
{
    AboutLayout layout = DesignLayout();
    layout.OwnLines[3] = {64, 381};  // the home page ends at 445, 37 beyond Close

    const int shift = ResizeShift(layout);
    QCOMPARE(shift, 37);
    const AboutLayout resized = ShiftRightEdge(layout, shift);
    VerifyMovedAlong(layout, resized, 37);
    QCOMPARE(resized.Close.Right(), 445);
    QCOMPARE(Margin(resized), 16);
}

void AboutLayoutRule::TitleLineDecidesAlone()
{
    AboutLayout layout = DesignLayout();
    layout.OwnLines[5] = {64, 330};  // a long credit line, ending at 394
    layout.Title = {64, 300};        // 364 + margin 16 + version 60 = 440

    const int shift = ResizeShift(layout);
    QCOMPARE(shift, 440 - 408);
    const AboutLayout resized = ShiftRightEdge(layout, shift);
    VerifyMovedAlong(layout, resized, shift);
    QCOMPARE(resized.Close.Right(), 440);
    // The version still ends where Close ends, exactly one margin right of the title.
    QCOMPARE(resized.Version.Right(), resized.Close.Right());
    QCOMPARE(resized.Version.Left - resized.Title.Right(), 16);
}

void AboutLayoutRule::ShortLinesNarrowKeepingTheRightMargin()
{
    AboutLayout layout = DesignLayout();  // the longest line ends at 284

    const int shift = ResizeShift(layout);
    QCOMPARE(shift, 284 - 408);
    const AboutLayout resized = ShiftRightEdge(layout, shift);
    VerifyMovedAlong(layout, resized, shift);
    QCOMPARE(resized.Close.Right(), 284);
    QCOMPARE(Margin(resized), 16);
    QVERIFY(resized.InnerWidth < layout.InnerWidth);
}

// Whatever the texts, Close ends at the end of the longest line, the margin stays, and a
// second pass finds nothing left to do.
void AboutLayoutRule::CloseAlwaysEndsAtTheLongestLine()
{
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> width(1, 700);
    for (int round = 0; round < 500; ++round) {
        AboutLayout layout = DesignLayout();
        layout.Title.Width = width(random);
        layout.Version.Width = width(random);
        for (Extent& line : layout.OwnLines) line.Width = width(random);
        layout.Licensing.Width = width(random);

        const AboutLayout resized = ShiftRightEdge(layout, ResizeShift(layout));
        QCOMPARE(resized.Close.Right(), LongestLineEnd(layout));
        QCOMPARE(Margin(resized), Margin(layout));
        QCOMPARE(ResizeShift(resized), 0);
    }
}

} // namespace tessaron
