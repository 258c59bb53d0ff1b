#include "window/BoardLabel.h"

#include "window/BoardScale.h"

#include <cmath>

namespace tessaron {

BoardLabel::BoardLabel(const BoardScale& scale, const QString& name, Anchor anchor, int anchorX, int top,
                       const QColor& colour, QWidget* parent)
    : QLabel(parent), scale_(scale), boardFont_(font()), anchor_(anchor), anchorX_(anchorX), top_(top)
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
    caption_ = text;
    // A label that may be shortened is read whole; any other is read as it shows.
    if (elideWidth_ > 0) setAccessibleName(text);
    Place();
}

void BoardLabel::SetElideWidth(int width)
{
    elideWidth_ = width;
    Place();
}

void BoardLabel::SetFixedLineHeight(int height)
{
    lineHeight_ = height;
    Place();
}

void BoardLabel::SetBoardFont(const QFont& font)
{
    boardFont_ = font;
    Place();
}

void BoardLabel::Place()
{
    QFont scaled = boardFont_;
    if (boardFont_.pointSizeF() > 0)
        scaled.setPointSizeF(boardFont_.pointSizeF() * scale_.Factor());
    else
        scaled.setPixelSize(int(std::lround(scale_.Length(boardFont_.pixelSize()))));
    if (scaled != font()) setFont(scaled);
    // Shortened for the font at this scale: a text that fits at one size may not at another.
    QString shown = caption_;
    if (elideWidth_ > 0)
        shown = fontMetrics().elidedText(caption_, Qt::ElideMiddle, int(std::floor(scale_.Length(elideWidth_))));
    if (shown != text()) setText(shown);
    const QString tip = shown == caption_ ? QString() : caption_;
    if (tip != toolTip()) setToolTip(tip);
    adjustSize();
    if (lineHeight_ > 0) resize(width(), int(std::lround(scale_.Length(lineHeight_))));
    const QPoint anchor = scale_.Map(QPointF(anchorX_, top_));
    const int left = anchor_ == Anchor::Left    ? anchor.x()
                     : anchor_ == Anchor::Right ? anchor.x() - width()
                                                : anchor.x() - width() / 2;
    move(left, anchor.y());
}

} // namespace tessaron
