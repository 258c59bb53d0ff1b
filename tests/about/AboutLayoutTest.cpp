#include "AboutSuites.h"

#include "about/AboutLayout.h"

#include <QTest>

namespace tessaron {

namespace {

// The design layout in pixels: Close at 332..408 in a window 424 wide (margin 16), the
// version label ending where Close ends, the separators ending on Close's last pixel; the
// longest line (a credit line) ends at 284.
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

} // namespace

void AboutLayoutRule::LongestLineDecidesWhereCloseEnds_data()
{
    QTest::addColumn<int>("line");  // the own line made longer, -1 for the title
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("shift");
    QTest::newRow("home page beyond Close") << 3 << 381 << 37;        // ends at 445
    QTest::newRow("title with version") << -1 << 300 << 32;           // 364 + 16 + 60 = 440
    QTest::newRow("short lines narrow the window") << 0 << 1 << -124;  // the credit line at 284
}

void AboutLayoutRule::LongestLineDecidesWhereCloseEnds()
{
    QFETCH(int, line);
    QFETCH(int, width);
    QFETCH(int, shift);
    AboutLayout layout = DesignLayout();
    (line < 0 ? layout.Title : layout.OwnLines[std::size_t(line)]).Width = width;

    QCOMPARE(ResizeShift(layout), shift);
    const AboutLayout resized = ShiftRightEdge(layout, shift);
    QCOMPARE(resized.OuterWidth, 426 + shift);
    QCOMPARE(resized.InnerWidth, 424 + shift);
    QCOMPARE(resized.Close.Left, 332 + shift);
    QCOMPARE(resized.Version.Left, 348 + shift);
    QCOMPARE(resized.SeparatorEnds, (std::array<int, 2>{407 + shift, 407 + shift}));
    // Nothing on the left moves, nothing changes its width, and a second pass does nothing.
    QCOMPARE(resized.Title.Left, 64);
    QCOMPARE(resized.Licensing.Left, 64);
    QCOMPARE(resized.Close.Width, 76);
    QCOMPARE(ResizeShift(resized), 0);
}

} // namespace tessaron
