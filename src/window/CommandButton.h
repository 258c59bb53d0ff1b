#pragma once
// A small corner button that shows one of three icons of 16 x 16 board units: normal,
// pressed, disabled. It lies on a 24 x 24 square of the board (placed by BoardPlaces), and
// its icon keeps that share of whatever size it is given.
#include <QPixmap>
#include <QPushButton>

namespace tessaron {

class CommandButton final : public QPushButton {
    Q_OBJECT
public:
    explicit CommandButton(QWidget* parent);
    void SetIcons(const QPixmap& normal, const QPixmap& pressed, const QPixmap& disabled);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap normal_;
    QPixmap pressed_;
    QPixmap disabled_;
};

} // namespace tessaron
