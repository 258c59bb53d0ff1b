#pragma once
// A small drawing of a layout for the chooser: every tile as a block seen from the front,
// upper layers shifted up and to the left as the board draws them, on a transparent ground.
#include "board/Layout.h"

#include <QImage>
#include <QSize>

namespace tessaron {

// The layout fitted into size (device-independent pixels) at devicePixelRatio, centred.
QImage DrawLayoutPreview(const Layout& layout, QSize size, qreal devicePixelRatio);

} // namespace tessaron
