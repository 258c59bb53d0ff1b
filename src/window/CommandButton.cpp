#include "window/CommandButton.h"

#include <QPainter>

namespace tessaron {

CommandButton::CommandButton(QWidget* parent) : QPushButton(parent)
{
    setFixedSize(24, 24);
    // The board keeps the keyboard: Enter presses the default button, not the focused one.
    setFocusPolicy(Qt::NoFocus);
}

void CommandButton::SetIcons(const QPixmap& normal, const QPixmap& pressed, const QPixmap& disabled)
{
    normal_ = normal;
    pressed_ = pressed;
    disabled_ = disabled;
    update();
}

void CommandButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);  // the frame, without caption or icon
    const QPixmap& icon = !isEnabled() ? disabled_ : isDown() ? pressed_ : normal_;
    if (icon.isNull()) return;
    QPainter painter(this);
    const QSize size = icon.deviceIndependentSize().toSize();
    painter.drawPixmap((width() - size.width()) / 2, (height() - size.height()) / 2, icon);
}

} // namespace tessaron
