#pragma once
// A valid deal in a shuffled order: four of each face 1..34, one of each 35..42.
#include "board/TileTypes.h"

#include <algorithm>
#include <random>

namespace tessaron {

inline TileArray ValidDeal(unsigned seed)
{
    TileArray faces{};
    std::int32_t k = 1;
    for (std::int32_t face = 1; face <= FaceCount; ++face)
        for (int copy = 0; copy < (face <= LastOrdinaryFace ? 4 : 1); ++copy) faces[k++] = face;
    std::mt19937 random(seed);
    std::shuffle(faces.begin() + 1, faces.end(), random);
    return faces;
}

} // namespace tessaron
