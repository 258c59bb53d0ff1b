#include "window/WindowPlace.h"

namespace tessaron {

bool EdgeKeepsWindowOnDesktop(double edge, double windowLength, double desktopStart, double desktopLength)
{
    return desktopStart - windowLength < edge && edge < desktopStart + desktopLength;
}

} // namespace tessaron
