#pragma once
// The board of a read layout with 36 x 52 pixel steps, as the board window builds it, wired
// to an error report that records instead of ending the test.
#include "board/BoardGeometry.h"
#include "board/Layout.h"
#include "doubles/RecordingMessageBox.h"

namespace tessaron {

struct LayoutBoard {
    explicit LayoutBoard(const Layout& layout) { Geometry.CreateTileRelations(layout.Places, 36.0f, 52.0f); }
    LayoutBoard(const LayoutBoard&) = delete;
    LayoutBoard& operator=(const LayoutBoard&) = delete;

    RecordingErrorReport Report;
    BoardGeometry Geometry{Report.Errors};
};

} // namespace tessaron
