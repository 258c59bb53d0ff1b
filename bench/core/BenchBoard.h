#pragma once
// The built-in board for benchmarks, with an error report whose box nobody answers.
#include "board/BoardGeometry.h"
#include "board/GameCreator.h"
#include "board/RandomSource.h"
#include "shell/ErrorReport.h"
#include "shell/MessageBoxService.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

namespace tessaron {

class SilentMessageBox final : public MessageBoxService {
public:
    void Beep() override {}
    MessageBoxAnswer ShowCriticalOkCancel(const std::string&, const std::string&) override { return MessageBoxAnswer::Ok; }
    void ShowCriticalOk(const std::string&, const std::string&) override {}
};

struct SilentObserver final : GameCreateObserver {
    void ShowStep(std::int32_t) override {}
};

// Builds deals from seed 1 for as long as the benchmark runs, counting the mean placement
// attempts per deal.
inline void MeasureDealBuilding(benchmark::State& state, const BoardGeometry& geometry, ErrorReport& errors)
{
    SeededRandomSource random(1);
    GameCreator creator(geometry, random, errors);
    SilentObserver observer;
    TileArray faces{};
    std::int64_t attempts = 0;
    for (auto _ : state) {
        creator.GameCreate(faces, observer, false);
        benchmark::DoNotOptimize(faces);
        attempts += creator.LastAttemptCount();
    }
    state.counters["attempts/deal"] = benchmark::Counter(double(attempts), benchmark::Counter::kAvgIterations);
}

struct BenchBoard {
    BenchBoard() { Geometry.CreateTileRelations(BoardLayout, 36.0f, 52.0f); }
    BenchBoard(const BenchBoard&) = delete;
    BenchBoard& operator=(const BenchBoard&) = delete;

    SilentMessageBox Box;
    ErrorReport Errors{Box, [] {}, [] {}};
    BoardGeometry Geometry{Errors};

    // The deal the generator builds from this seed.
    TileArray SeededDeal(std::uint64_t seed)
    {
        SeededRandomSource random(seed);
        GameCreator creator(Geometry, random, Errors);
        SilentObserver observer;
        TileArray faces{};
        creator.GameCreate(faces, observer, false);
        return faces;
    }
};

inline TilePresence FullBoard()
{
    TilePresence present{};
    present.fill(true);
    present[0] = false;
    return present;
}

} // namespace tessaron
