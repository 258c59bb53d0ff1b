#pragma once
// The board's background: the felt picture where the scale puts the board, and in any margin
// a window of another shape leaves, the same felt woven on from the picture's edge. A click
// on it (or on a label or banner above it) is reported; so is a new size, which places the
// board again.
#include <QPixmap>
#include <QWidget>

#include <functional>

namespace tessaron {

class BoardScale;

class BoardSurface final : public QWidget {
    Q_OBJECT
public:
    BoardSurface(const BoardScale& scale, std::function<void()> clicked, std::function<void()> resized,
                 QWidget* parent);

    // felt: the repeating square of the margins, of the background's resolution.
    void SetBackground(const QPixmap& background, const QPixmap& felt);
    // A first start shows the board (the extent of its layout) at 100 %.
    QSize sizeHint() const override;

signals:
    // After each paint: what waits for the board to be on screen goes on then.
    void Painted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Paint(QPainter& painter) const;
    void PaintMargins(QPainter& painter, const QRect& board) const;
    void PaintStretched(QPainter& painter, const QRect& board) const;

    const BoardScale& scale_;
    QPixmap background_;
    QPixmap felt_;
    std::function<void()> clicked_;
    std::function<void()> resized_;
};

} // namespace tessaron
