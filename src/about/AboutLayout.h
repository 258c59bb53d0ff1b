#pragma once
// The about window's width rule, apart from the window so it can be checked exactly.
// All lengths are in the window's own units; only horizontal places matter.
#include <array>

namespace tessaron {

// The horizontal place of one item: its left edge and its width.
struct Extent {
    int Left = 0;
    int Width = 0;
    int Right() const { return Left + Width; }
};

struct AboutLayout {
    int OuterWidth = 0;
    int InnerWidth = 0;
    // The title line: title on the left, version on the right.
    Extent Title;
    Extent Version;
    // The lines of their own: description, author line, mail link, home page and the two
    // credit lines, in this order.
    std::array<Extent, 6> OwnLines{};
    // The bottom line: licence word on the left, Close on the right.
    Extent Licensing;
    Extent Close;
    // The right ends of the two separator lines.
    std::array<int, 2> SeparatorEnds{};
};

// How far the right edge must move so that the Close button ends where the longest line
// ends, keeping the margin right of the Close button; negative when every line is short.
// The title and bottom lines count their two items with that margin between them.
int ResizeShift(const AboutLayout& layout);

// The layout with the window widened (or narrowed) by shift and every item on the right
// edge moved along: the version, the separators' right ends and the Close button.
AboutLayout ShiftRightEdge(const AboutLayout& layout, int shift);

} // namespace tessaron
