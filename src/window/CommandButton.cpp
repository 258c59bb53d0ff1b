#include "window/CommandButton.h"

#include <QPainter>

#include <cmath>

namespace tessaron {

namespace {
constexpr qreal ButtonSide = 24;
constexpr qreal IconSide = 16;
}

CommandButton::CommandButton(QWidget* parent) : QPushButton(parent)
{
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
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const int side = int(std::lround(width() * IconSide / ButtonSide));
    painter.drawPixmap(QRect((width() - side) / 2, (height() - side) / 2, side, side), icon);
}

} // namespace tessaron
