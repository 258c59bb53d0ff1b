#include "window/BoardScale.h"

#include "ResourceNames.h"

#include <algorithm>
#include <cmath>

namespace tessaron {

void BoardScale::Fit(const QSize& area)
{
    factor_ = std::min(area.width() / qreal(BoardWidth), area.height() / qreal(BoardHeight));
    if (!(factor_ > 0)) factor_ = 1.0;
    // Whole-pixel margins keep a board at 100 % on the pixel grid.
    offset_ = QPoint(int(std::floor((area.width() - BoardWidth * factor_) / 2)),
                     int(std::floor((area.height() - BoardHeight * factor_) / 2)));
}

QPoint BoardScale::Map(const QPointF& units) const
{
    return offset_ + QPoint(int(std::lround(units.x() * factor_)), int(std::lround(units.y() * factor_)));
}

QRect BoardScale::Map(const QRectF& units) const
{
    const QPoint topLeft = Map(units.topLeft());
    const QPoint bottomRight = Map(units.bottomRight());
    return {topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y())};
}

int BoardScale::PictureScale(qreal devicePixelRatio) const
{
    return resources::PictureScaleFor(factor_ * devicePixelRatio);
}

} // namespace tessaron
