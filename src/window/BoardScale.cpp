#include "window/BoardScale.h"

#include "ResourceNames.h"

#include <algorithm>
#include <cmath>

namespace tessaron {

void BoardScale::Fit(const QSize& area)
{
    factor_ = std::min(area.width() / extent_.width(), area.height() / extent_.height());
    if (!(factor_ > 0)) factor_ = 1.0;
    // Whole-pixel margins keep a board at 100 % on the pixel grid; the extent's corner lies
    // at the margin's end.
    offset_ = QPoint(int(std::floor((area.width() - extent_.width() * factor_) / 2)),
                     int(std::floor((area.height() - extent_.height() * factor_) / 2))) -
              QPoint(int(std::lround(extent_.x() * factor_)), int(std::lround(extent_.y() * factor_)));
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
