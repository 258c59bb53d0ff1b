// The band thresholds of each built-in layout, written by the survey
// `TESSARON_LAYOUT_BANDS=1,1000 core_bench` (docs/difficulty.md): for each layout the
// quartiles of the company's levels over its numbered deals 1 to 1,000. The classic layout keeps
// the thresholds it was first calibrated with on its deals 1 to 4,000.
#include "board/DealDifficulty.h"

#include <algorithm>
#include <array>

namespace tessaron {

namespace {

struct LayoutThresholds {
    std::string_view Key;
    BandThresholds Thresholds;
};

// Easy from, Medium from, Hard from, each as {wins, tiles removed} of the 512 players.
constexpr std::array LayoutTable{
    LayoutThresholds{"classic", ClassicBandThresholds},
    LayoutThresholds{"step-pyramid", {{8, 0}, {1, 36460}, {0, 33660}}},
    LayoutThresholds{"sun-pyramid", {{16, 0}, {2, 0}, {0, 22606}}},
    LayoutThresholds{"twin-peaks", {{2, 0}, {0, 28632}, {0, 19958}}},
    LayoutThresholds{"diamond", {{106, 0}, {53, 0}, {17, 0}}},
    LayoutThresholds{"stone-bridge", {{0, 27342}, {0, 22036}, {0, 16872}}},
    LayoutThresholds{"twin-bridges", {{0, 44754}, {0, 41800}, {0, 39740}}},
    LayoutThresholds{"swallowtail", {{267, 0}, {176, 0}, {94, 0}}},
    LayoutThresholds{"goldfish", {{48, 0}, {18, 0}, {5, 0}}},
    LayoutThresholds{"sitting-cat", {{286, 0}, {208, 0}, {113, 0}}},
    LayoutThresholds{"fiddler-crab", {{30, 0}, {8, 0}, {2, 0}}},
    LayoutThresholds{"garden-snail", {{100, 0}, {49, 0}, {21, 0}}},
    LayoutThresholds{"capital-h", {{52, 0}, {16, 0}, {4, 0}}},
    LayoutThresholds{"capital-x", {{364, 0}, {279, 0}, {190, 0}}},
    LayoutThresholds{"initials", {{424, 0}, {348, 0}, {252, 0}}},
    LayoutThresholds{"stone-ring", {{317, 0}, {236, 0}, {152, 0}}},
    LayoutThresholds{"two-rings", {{37, 0}, {12, 0}, {3, 0}}},
    LayoutThresholds{"moon-gate", {{66, 0}, {26, 0}, {9, 0}}},
    LayoutThresholds{"long-wall", {{0, 17696}, {0, 15844}, {0, 14256}}},
    LayoutThresholds{"open-plain", {{10, 0}, {2, 0}, {0, 17986}}},
    LayoutThresholds{"lighthouse", {{347, 0}, {265, 0}, {175, 0}}},
    LayoutThresholds{"column", {{402, 0}, {317, 0}, {229, 0}}},
    LayoutThresholds{"brickwork", {{97, 0}, {37, 0}, {11, 0}}},
    LayoutThresholds{"honeycomb", {{192, 0}, {111, 0}, {47, 0}}},
    LayoutThresholds{"staircase", {{71, 0}, {27, 0}, {7, 0}}},
    LayoutThresholds{"hourglass", {{177, 0}, {99, 0}, {43, 0}}},
    LayoutThresholds{"crossroads", {{43, 0}, {15, 0}, {4, 0}}},
    LayoutThresholds{"windmill", {{339, 0}, {251, 0}, {167, 0}}},
    LayoutThresholds{"arrowhead", {{48, 0}, {17, 0}, {4, 0}}},
    LayoutThresholds{"sailboat", {{214, 0}, {138, 0}, {67, 0}}},
};

} // namespace

BandThresholds LayoutBandThresholds(std::string_view layoutKey)
{
    const auto found = std::find_if(LayoutTable.begin(), LayoutTable.end(),
                                    [&](const LayoutThresholds& entry) { return entry.Key == layoutKey; });
    return found == LayoutTable.end() ? ClassicBandThresholds : found->Thresholds;
}

} // namespace tessaron
