// The solver over any set of tiles in play on a valid deal: the deal comes from a seed in
// the input, the tiles in play either straight from input bits (also tiles hanging over
// lifted ones) or from random legal play. It never crashes, never answers Winnable without
// a sequence that clears the board under the game's rules, and on small boards it agrees
// with an exhaustive search.
#include "FuzzSupport.h"
#include "board/GameCreator.h"
#include "board/Solver.h"
#include "doubles/RecordingMessageBox.h"
#include "solver/SolverChecks.h"

#include <chrono>
#include <cstring>
#include <memory>
#include <random>

using namespace tessaron;

namespace {

struct SilentObserver final : GameCreateObserver {
    void ShowStep(std::int32_t) override {}
};

// Small enough for the exhaustive search to stay quick.
constexpr std::int32_t ExhaustiveTiles = 16;

struct Board {
    Board() { Geometry.CreateTileRelations(BoardLayout, 36.0f, 52.0f); }
    RecordingErrorReport Report;
    BoardGeometry Geometry{Report.Errors};
};

} // namespace

// Input: 8 bytes of deal seed, 1 byte of mode, then the bits of the tiles in play (bit n-1
// for position n; missing bits are 0). Mode bit 0 set: play (mode / 2) random legal moves
// from the full board instead, drawn from the seed.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Board* board = new Board;
    if (size < 9) return 0;
    std::uint64_t seed = 0;
    std::memcpy(&seed, data, sizeof seed);
    const std::uint8_t mode = data[8];
    data += 9;
    size -= 9;

    SeededRandomSource random(seed);
    GameCreator creator(board->Geometry, random, board->Report.Errors);
    SilentObserver observer;
    TileArray faces{};
    creator.GameCreate(faces, observer, false);
    FUZZ_CHECK(board->Report.Box.Boxes.empty());

    TilePresence present{};
    if (mode & 1) {
        present.fill(true);
        present[0] = false;
        std::mt19937_64 play(seed);
        solverchecks::PlayRandomly(board->Geometry, faces, present, mode / 2, play);
    } else {
        for (std::int32_t tile = 1; tile <= TileCount; ++tile) {
            const std::size_t bit = std::size_t(tile - 1);
            present[tile] = bit / 8 < size && ((data[bit / 8] >> (bit % 8)) & 1) != 0;
        }
    }

    const SolverAnswer answer = SolvePosition(board->Geometry, faces, present, {std::chrono::milliseconds(200), nullptr});
    if (answer.Verdict == SolverVerdict::Winnable)
        FUZZ_CHECK(solverchecks::ReplayFault(board->Geometry, faces, present, answer.Moves).empty());
    if (answer.Verdict != SolverVerdict::Undecided && solverchecks::TilesInPlay(present) <= ExhaustiveTiles) {
        solverchecks::ExhaustiveSearch exhaustive(board->Geometry, faces);
        TilePresence copy = present;
        FUZZ_CHECK(exhaustive.CanClear(copy) == (answer.Verdict == SolverVerdict::Winnable));
    }
    return 0;
}
