#pragma once
// What the solver's answers are checked against: a replay through the game's own rules, an
// exhaustive search that is obviously right, and positions reached by random legal play.
// Shared by the solver tests, the fuzz target and the benchmark.
#include "board/BoardGeometry.h"
#include "board/Rules.h"
#include "board/Solver.h"

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace tessaron::solverchecks {

inline std::int32_t TilesInPlay(const TilePresence& present)
{
    return std::int32_t(std::count(present.begin() + 1, present.end(), true));
}

// Empty when the moves, made one by one under the game's rules, clear the board; else the
// first fault.
inline std::string ReplayFault(const BoardGeometry& geometry, const TileArray& faces, TilePresence present,
                               const std::vector<SolverMove>& moves)
{
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const auto [first, second] = moves[i];
        const std::string at = " at move " + std::to_string(i + 1);
        if (first < 1 || first > TileCount || second < 1 || second > TileCount || first == second)
            return "not two positions" + at;
        if (!present[first] || !present[second]) return "a tile not in play" + at;
        if (TileIsLocked(geometry, present, first) || TileIsLocked(geometry, present, second))
            return "a locked tile" + at;
        if (TilesAreNotMatching(faces, first, second)) return "tiles that do not match" + at;
        present[first] = false;
        present[second] = false;
    }
    return TilesInPlay(present) == 0 ? std::string() : "tiles left after the last move";
}

// The free matching pairs, every one of them, in position order.
inline std::vector<std::pair<std::int32_t, std::int32_t>> LegalMoves(const BoardGeometry& geometry,
                                                                     const TileArray& faces,
                                                                     const TilePresence& present)
{
    std::vector<std::int32_t> freeTiles;
    for (std::int32_t tile = 1; tile <= TileCount; ++tile)
        if (present[tile] && !TileIsLocked(geometry, present, tile)) freeTiles.push_back(tile);
    std::vector<std::pair<std::int32_t, std::int32_t>> moves;
    for (std::size_t i = 0; i < freeTiles.size(); ++i)
        for (std::size_t j = i + 1; j < freeTiles.size(); ++j)
            if (!TilesAreNotMatching(faces, freeTiles[i], freeTiles[j])) moves.emplace_back(freeTiles[i], freeTiles[j]);
    return moves;
}

// Plays up to moveCount random legal moves (fewer when stuck); returns how many were made.
inline int PlayRandomly(const BoardGeometry& geometry, const TileArray& faces, TilePresence& present,
                        int moveCount, std::mt19937_64& random)
{
    for (int made = 0; made < moveCount; ++made) {
        const auto moves = LegalMoves(geometry, faces, present);
        if (moves.empty()) return made;
        const auto [first, second] = moves[random() % moves.size()];
        present[first] = false;
        present[second] = false;
    }
    return moveCount;
}

// Tries every legal move from every position, remembering the positions it has shown
// lost. Meant for small boards only.
class ExhaustiveSearch {
public:
    ExhaustiveSearch(const BoardGeometry& geometry, const TileArray& faces) : geometry_(geometry), faces_(faces) {}

    bool CanClear(TilePresence& present)
    {
        if (TilesInPlay(present) == 0) return true;
        if (lost_.contains(present)) return false;
        for (const auto& [first, second] : LegalMoves(geometry_, faces_, present)) {
            present[first] = false;
            present[second] = false;
            const bool cleared = CanClear(present);
            present[first] = true;
            present[second] = true;
            if (cleared) return true;
        }
        lost_.insert(present);
        return false;
    }

private:
    const BoardGeometry& geometry_;
    const TileArray& faces_;
    std::set<TilePresence> lost_;
};

} // namespace tessaron::solverchecks
