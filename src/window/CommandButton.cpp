#include "window/CommandButton.h"

#include "window/BoardScale.h"

#include <QPainter>

#include <cmath>

namespace tessaron {

namespace {
constexpr qreal ButtonSide = 24;
constexpr qreal IconSide = 16;
}

CommandButton::CommandButton(const BoardScale& scale, int left, int top, QWidget* parent)
    : QPushButton(parent), scale_(scale), corner_(left, top)
{
    // The board keeps the keyboard: Enter presses the default button, not the focused one.
    setFocusPolicy(Qt::NoFocus);
    Place();
}

void CommandButton::Place() { setGeometry(scale_.Map(QRectF(corner_, QSizeF(ButtonSide, ButtonSide)))); }

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
    const int side = int(std::lround(scale_.Length(IconSide)));
    painter.drawPixmap(QRect((width() - side) / 2, (height() - side) / 2, side, side), icon);
}

} // namespace tessaron
