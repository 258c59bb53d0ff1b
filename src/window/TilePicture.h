#pragma once
// One tile picture of the board: shows its face filling the place the board gives it, and
// reports clicks and double clicks with its position.
#include <QPixmap>
#include <QWidget>

#include <cstdint>

namespace tessaron {

class TilePicture final : public QWidget {
    Q_OBJECT
public:
    TilePicture(std::int32_t tile, QWidget* parent);

    std::int32_t Tile() const { return tile_; }
    void SetPicture(const QPixmap& picture);
    const QPixmap& Picture() const { return picture_; }
    // Which look is shown (for the tests and the screen reader); set with the picture.
    bool Bright() const { return bright_; }
    // A screen reader hears the change as the tile's selected state.
    void SetBright(bool bright);
    // The keyboard focus: a ring drawn over either look.
    bool FocusRing() const { return focusRing_; }
    void SetFocusRing(bool shown);
    // The "Highlight matches" helper: a green tint and frame on the face plate, over either
    // look and inside the focus ring when both show, so the three can be told apart.
    bool MatchMark() const { return matchMark_; }
    void SetMatchMark(bool shown);

signals:
    void Clicked(std::int32_t tile);
    void DoubleClicked(std::int32_t tile);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // The second press of a double click arrives here only, never as a second click.
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    std::int32_t tile_;
    QPixmap picture_;
    bool bright_ = false;
    bool focusRing_ = false;
    bool matchMark_ = false;
};

} // namespace tessaron
