#pragma once
// The board window benchmarks, registered by the window benchmark's main against one board.
#include <string>

namespace tessaron {

struct BoardWindowBench;

// The benchmarks are named "NewGame", "TileClick", ... offscreen, and carry the platform's
// name ("NewGame_xcb") on any other.
std::string BenchmarkName(const char* name);

void RegisterNewGameBenchmarks(BoardWindowBench& bench);
void RegisterTileClickBenchmarks(BoardWindowBench& bench);
void RegisterResizeBenchmarks(BoardWindowBench& bench);

} // namespace tessaron
