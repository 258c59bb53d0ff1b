#pragma once
// The one mapping from board units to the pixels of the board window: a uniform factor that
// fits the board's extent (the classic layout's is the 580 x 474 board of a first start; a
// wide layout's is wide) into the window, and the offset that centres it there. Every
// control asks it where it lies and how large it is.
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>

namespace tessaron {

class BoardScale {
public:
    static constexpr int BoardWidth = 580;
    static constexpr int BoardHeight = 474;
    static QSize BoardSize() { return {BoardWidth, BoardHeight}; }

    // The rectangle of board units the board covers: the layout's tiles with their margins.
    // Takes effect at the next Fit.
    void SetExtent(const QRectF& extent) { extent_ = extent; }
    const QRectF& Extent() const { return extent_; }
    // Fits the board into an area of this size, keeping its shape; the rest is margin.
    void Fit(const QSize& area);

    // Window pixels per board unit.
    qreal Factor() const { return factor_; }
    // Where the board lies in the area.
    QRect Board() const { return Map(extent_); }
    QPoint Map(const QPointF& units) const;
    // Both corners are rounded, so pictures that meet in units meet in pixels.
    QRect Map(const QRectF& units) const;
    qreal Length(qreal units) const { return units * factor_; }
    // The resolution of the carried pictures that draws crisply at this scale on a screen
    // with this device pixel ratio (1 to 3).
    int PictureScale(qreal devicePixelRatio) const;

private:
    QRectF extent_{0, 0, BoardWidth, BoardHeight};
    qreal factor_ = 1.0;
    QPoint offset_;
};

} // namespace tessaron
