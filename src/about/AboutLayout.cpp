#include "about/AboutLayout.h"

namespace tessaron {

int ResizeShift(const AboutLayout& layout)
{
    const int closeRight = layout.Close.Right();
    const int margin = layout.InnerWidth - closeRight;

    int needed = layout.Title.Right() + margin + layout.Version.Width;
    for (const Extent& line : layout.OwnLines) {
        if (line.Right() > needed) needed = line.Right();
    }
    const int bottomLine = layout.Licensing.Right() + margin + layout.Close.Width;
    if (bottomLine > needed) needed = bottomLine;

    return needed - closeRight;
}

AboutLayout ShiftRightEdge(const AboutLayout& layout, int shift)
{
    AboutLayout shifted = layout;
    shifted.OuterWidth += shift;
    shifted.InnerWidth += shift;
    shifted.Version.Left += shift;
    for (int& end : shifted.SeparatorEnds) end += shift;
    shifted.Close.Left += shift;
    return shifted;
}

} // namespace tessaron
