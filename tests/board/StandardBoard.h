#pragma once
// The built-in layout with 36 x 52 pixel steps, as the board window builds it, wired to an
// error report that records instead of ending the test.
#include "board/BoardGeometry.h"
#include "doubles/RecordingMessageBox.h"

namespace tessaron {

struct StandardBoard {
    StandardBoard() { Geometry.CreateTileRelations(BoardLayout, 36.0f, 52.0f); }
    StandardBoard(const StandardBoard&) = delete;
    StandardBoard& operator=(const StandardBoard&) = delete;

    RecordingErrorReport Report;
    BoardGeometry Geometry{Report.Errors};
};

inline TilePresence AllPresent()
{
    TilePresence present{};
    present.fill(true);
    present[0] = false;
    return present;
}

} // namespace tessaron
