#pragma once
// A small corner button that shows one of three icons of 16 x 16 board units: normal,
// pressed, disabled. It lies on a 24 x 24 square of the board, wherever the scale puts it.
#include <QPixmap>
#include <QPushButton>

namespace tessaron {

class BoardScale;

class CommandButton final : public QPushButton {
    Q_OBJECT
public:
    // left, top in board units.
    CommandButton(const BoardScale& scale, int left, int top, QWidget* parent);
    void SetIcons(const QPixmap& normal, const QPixmap& pressed, const QPixmap& disabled);
    // Takes its place and size from the scale again.
    void Place();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const BoardScale& scale_;
    QPointF corner_;
    QPixmap normal_;
    QPixmap pressed_;
    QPixmap disabled_;
};

} // namespace tessaron
