#pragma once
// The message label of the player and message dialogs: a fixed width, the text wraps, and
// the label is exactly as tall as its text, at least one line. The dialogs lay themselves
// out at a fixed size, so they grow by the label's change in height.
#include <QLabel>

namespace tessaron {

constexpr int PromptWidth = 340;

QLabel* CreatePromptLabel(QWidget* parent, const char* objectName);
void SetPromptText(QLabel* label, const QString& text);

} // namespace tessaron
