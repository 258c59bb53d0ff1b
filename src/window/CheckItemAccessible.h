#pragma once
// A checkable menu item is a check box to a screen reader: Qt 6.4 shows it as a plain menu
// item, checked or not, so an unchecked option sounds like a command. Installed once; every
// checkable item of a menu created after it is shown this way.

namespace tessaron {

void InstallCheckItemAccessibility();

} // namespace tessaron
