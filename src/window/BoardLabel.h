#pragma once
// A transparent text label of the board, sized to its text and kept at its anchor: a left
// edge, a centre or a right edge, at a fixed top. Anchor, height and font size are in board
// units; the scale turns them into pixels.
#include <QLabel>

namespace tessaron {

class BoardScale;

class BoardLabel final : public QLabel {
    Q_OBJECT
public:
    enum class Anchor { Left, Centre, Right };
    BoardLabel(const BoardScale& scale, const QString& name, Anchor anchor, int anchorX, int top,
               const QColor& colour, QWidget* parent);

    // Sets the text and places the label again.
    void SetCaption(const QString& text);
    // The widest the label may grow, in board units; a longer text is shortened in the
    // middle, with the whole text as its tool tip. Its accessible name is always the whole
    // text. Set before the first caption.
    void SetElideWidth(int width);
    // A fixed height (the origin label is 23 units high whatever its text).
    void SetFixedLineHeight(int height);
    // The font at 100 %; the label shows it at the board's scale.
    void SetBoardFont(const QFont& font);
    // A new anchor in board units (the board's extent changed); placed at the next Place.
    void SetAnchor(int anchorX, int top)
    {
        anchorX_ = anchorX;
        top_ = top;
    }
    // Takes its font size and place from the scale again.
    void Place();

private:
    const BoardScale& scale_;
    QFont boardFont_;
    Anchor anchor_;
    int anchorX_;
    int top_;
    int lineHeight_ = 0;
    int elideWidth_ = 0;
    QString caption_;
};

} // namespace tessaron
