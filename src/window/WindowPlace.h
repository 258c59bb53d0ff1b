#pragma once
// The rule for the board's stored place: it is taken only when the window stays at least
// partly on the desktop, the union of all screens. A screen left of or above the main one
// has negative coordinates, so the lower bound is the desktop's own edge, not 0.
namespace tessaron {

// One axis, all in the same unit: the window's stored edge, its length, and the start and
// length of the desktop along that axis.
bool EdgeKeepsWindowOnDesktop(double edge, double windowLength, double desktopStart, double desktopLength);

} // namespace tessaron
