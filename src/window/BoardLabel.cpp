#include "window/BoardLabel.h"

namespace tessaron {

BoardLabel::BoardLabel(const QString& name, Anchor anchor, int anchorX, int top, const QColor& colour, QWidget* parent)
    : QLabel(parent), anchor_(anchor), anchorX_(anchorX), top_(top)
{
    setObjectName(name);
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colour);
    setPalette(colours);
    setAlignment(anchor == Anchor::Left ? Qt::AlignLeft | Qt::AlignVCenter
                 : anchor == Anchor::Right ? Qt::AlignRight | Qt::AlignVCenter
                                           : Qt::AlignCenter);
    Place();
}

void BoardLabel::SetCaption(const QString& text)
{
    setText(text);
    Place();
}

void BoardLabel::SetFixedLineHeight(int height)
{
    lineHeight_ = height;
    Place();
}

void BoardLabel::Place()
{
    adjustSize();
    if (lineHeight_ > 0) resize(width(), lineHeight_);
    const int left = anchor_ == Anchor::Left ? anchorX_ : anchor_ == Anchor::Right ? anchorX_ - width() : anchorX_ - width() / 2;
    move(left, top_);
}

} // namespace tessaron
