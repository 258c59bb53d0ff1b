#include "play/KnownDeals.h"

#include <array>
#include <vector>

namespace tessaron {

namespace {
// The free positions of the full board other than 88 and 114.
const std::vector<std::int32_t> FreeAtStart = {1,  6,  9,  10, 13, 14, 17, 18, 21, 22,  27,  28,  33,  34,  39,  40, 45,
                                               46, 51, 52, 57, 58, 69, 70, 77, 78, 87, 115, 124, 125, 132, 133, 144};
} // namespace

TileArray DeadEndDeal(int movesBeforeDeadEnd)
{
    std::array<int, FaceCount + 1> stock{};
    for (std::int32_t face = 1; face <= FaceCount; ++face) stock[face] = face <= LastOrdinaryFace ? 4 : 1;
    TileArray faces{};
    auto put = [&](std::int32_t tile, std::int32_t face) {
        faces[tile] = face;
        --stock[face];
    };

    // Taking 88 off frees 89 and 101, taking 114 off frees 113; taking 89 and 101 off frees
    // 90 and 102. Each matching pair below is the only one free at its turn, and every
    // other tile that is free at some point gets a face of a kind of its own.
    std::vector<std::int32_t> lonely = FreeAtStart;
    lonely.push_back(113);
    std::int32_t firstLonelyFace = 2;
    put(88, 1);
    put(114, 1);
    if (movesBeforeDeadEnd == 1) {
        put(89, 1);  // freed with 101 after the move, of the kind just taken off
        lonely.push_back(101);
    } else {
        put(89, 2);
        put(101, 2);
        put(90, 1);
        put(102, 2);
        firstLonelyFace = 3;
    }
    std::vector<std::int32_t> kinds;
    for (std::int32_t face = firstLonelyFace; face <= LastOrdinaryFace; ++face) kinds.push_back(face);
    kinds.push_back(FirstFlowerFace);
    kinds.push_back(FirstSeasonFace);
    for (std::size_t i = 0; i < lonely.size(); ++i) put(lonely[i], kinds.at(i));

    std::int32_t face = 1;
    for (std::int32_t tile = 1; tile <= TileCount; ++tile) {
        if (faces[tile] != 0) continue;
        while (stock[face] == 0) ++face;
        put(tile, face);
    }
    return faces;
}

TileArray ThreeFreeOfOneFace(TileArray faces)
{
    auto isTarget = [&](std::int32_t tile) { return tile == 88 || tile == 114 || tile == 144; };
    // Swapping faces keeps the deal valid: every face keeps its count.
    auto swapWithFirst = [&](std::int32_t tile, auto wanted) {
        for (std::int32_t other = 2; other <= TileCount; ++other)
            if (!isTarget(other) && wanted(faces[other])) {
                std::swap(faces[tile], faces[other]);
                return;
            }
    };
    if (faces[88] > LastOrdinaryFace) swapWithFirst(88, [](std::int32_t face) { return face <= LastOrdinaryFace; });
    const std::int32_t face = faces[88];
    for (std::int32_t tile : {88, 114, 144})
        if (faces[tile] != face) swapWithFirst(tile, [face](std::int32_t other) { return other == face; });
    if (faces[1] == face) swapWithFirst(1, [face](std::int32_t other) { return other != face; });
    return faces;
}

} // namespace tessaron
