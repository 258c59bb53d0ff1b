#pragma once
// A small corner button that shows one of three 16 x 16 icons: normal, pressed, disabled.
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
