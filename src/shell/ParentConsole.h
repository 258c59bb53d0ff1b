#pragma once
// The printing options write to the console the program was started from. A Windows GUI
// program has none of its own: there it attaches to its parent's console, if there is one,
// and points the standard streams at it. Elsewhere the streams are the terminal already.
namespace tessaron {

void UseParentConsole();

} // namespace tessaron
