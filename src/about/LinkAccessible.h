#pragma once
// A label that opens a link on a click or on Space or Enter is a link to a screen reader
// too: role link, named by its text, with a press action that opens it.
class QLabel;

namespace tessaron {

// The label keeps its look and keys; its owner opens the link as for Space.
void ExposeAsLink(QLabel* label);

} // namespace tessaron
