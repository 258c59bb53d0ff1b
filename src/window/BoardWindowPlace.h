#pragma once
// The board window's place and size on the screen: stored under "Board" in twips when the
// window closes, taken again at the next start where they still fit the screen, and never
// larger than the desktop's free area.
class QWidget;

namespace tessaron {

class ErrorReport;
class Registry;

// The stored size when it fits, then the stored place when it keeps the window on the
// desktop; no place stored (a first start) leaves the place to the window system.
void FormLocationLoad(QWidget& window, Registry& settings, ErrorReport& errors);
void FormLocationSave(const QWidget& window, Registry& settings, ErrorReport& errors);
// Shrinks the window, frame included, to the screen's free area (not below its least size).
void FitToScreen(QWidget& window);
// Moves the window, frame included, into its screen's free area where it reaches outside it.
void KeepOnScreen(QWidget& window);

} // namespace tessaron
