#pragma once
// What InsertGame needs from the windows: the name request, a message, and the hall of
// fame window itself. The game shows modal dialogs over the board; tests script answers.
#include "halloffame/HallOfFameChoice.h"

#include <cstdint>
#include <string>

namespace tessaron {

struct RgbColour {
    std::int32_t Red = 0;
    std::int32_t Green = 0;
    std::int32_t Blue = 0;
    friend bool operator==(const RgbColour&, const RgbColour&) = default;
};

// The background of a row just entered, and of the player's own better entry that kept
// a slower time out.
constexpr RgbColour NewEntryHighlight{192, 255, 255};
constexpr RgbColour OwnEntryHighlight{224, 224, 224};

// The text colour of a row by its rank: orange, grey, brown, then blue.
constexpr RgbColour RankColour(std::int32_t rank)
{
    switch (rank) {
    case 1: return {255, 128, 0};
    case 2: return {128, 128, 128};
    case 3: return {128, 64, 0};
    default: return {0, 0, 255};
    }
}

class HallOfFameDialogs {
public:
    virtual ~HallOfFameDialogs() = default;
    // The confirmed name, trimmed; "" when the player cancelled.
    virtual std::string RequestPlayerName(const std::string& message) = 0;
    virtual void ShowMessage(const std::string& message) = 0;
    // Shows the list with row highlightIndex (0 none) on highlight; returns a HallOfFameChoice.
    virtual std::int32_t ShowAsDialog(std::int32_t highlightIndex, RgbColour highlight,
                                      bool initialFocusNewGame) = 0;
};

} // namespace tessaron
