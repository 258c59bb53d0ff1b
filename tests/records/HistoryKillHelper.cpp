// Plays into a history until it is killed: keeps three finished games, starts a fourth,
// says "playing" on stdout and waits. The history test kills it with SIGKILL there.
#include "records/SqliteGameHistory.h"

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

struct PrintedTrouble final : tessaron::HistoryTrouble {
    void HistoryUnavailable(const tessaron::HistoryFault& fault) override
    {
        std::printf("trouble %d %s\n", int(fault.Kind), fault.Detail.c_str());
        std::fflush(stdout);
    }
};

} // namespace

int main(int argc, char** argv)
{
    using namespace tessaron;
    if (argc != 2) return 2;
    PrintedTrouble trouble;
    SqliteGameHistory history(argv[1], trouble);
    for (std::int32_t number = 1; number <= 4; ++number) {
        GameRow game;
        game.Started = "2026010112000" + std::to_string(number);
        game.LayoutKey = "classic";
        game.Number = number;
        const std::int64_t id = history.StartGame(game);
        if (number == 4) break;
        game.Outcome = number == 2 ? GameOutcome::Stuck : GameOutcome::Won;
        game.Moves = 72;
        game.TimeMs = 60000 * number;
        history.FinishGame(id, game);
    }
    std::printf("playing\n");
    std::fflush(stdout);
    for (;;) std::this_thread::sleep_for(std::chrono::seconds(1));
}
