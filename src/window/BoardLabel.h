#pragma once
// A transparent text label of the board, sized to its text and kept at its anchor: a left
// edge, a centre or a right edge, at a fixed top.
#include <QLabel>

namespace tessaron {

class BoardLabel final : public QLabel {
    Q_OBJECT
public:
    enum class Anchor { Left, Centre, Right };
    BoardLabel(const QString& name, Anchor anchor, int anchorX, int top, const QColor& colour, QWidget* parent);

    // Sets the text and places the label again.
    void SetCaption(const QString& text);
    // A fixed height (the origin label is 23 pixels high whatever its text).
    void SetFixedLineHeight(int height);

private:
    void Place();

    Anchor anchor_;
    int anchorX_;
    int top_;
    int lineHeight_ = 0;
};

} // namespace tessaron
