// Starts the real game again and again and measures the time from starting its process to
// the first paint of the board with its deal, and its resident memory at that moment:
// offscreen, and on an X server (Xvfb) started once for all runs. The game marks its first
// paint on standard error when TESSARON_FIRST_PAINT_MARK is set; each run gets an empty
// settings folder, so every start builds a new deal, and is killed after the measurement,
// so nothing is saved. The audio goes to SDL's dummy driver unless SDL_AUDIODRIVER is set.
// StartupOffscreenWithHistory starts with a history of 10,000 games in the data folder, which
// the others start without: the start with a history must be no slower.
#include "ChildProcess.h"
#include "PlayedGames.h"
#include "records/SqliteGameHistory.h"

#include <benchmark/benchmark.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <tuple>

#include <sys/stat.h>
#include <unistd.h>

namespace tessaron {

namespace {

constexpr int StartupRuns = 15;
constexpr auto MarkTimeout = std::chrono::seconds(20);
const std::string FirstPaintMark = "tessaron: first board paint";

struct StartupBench {
    std::filesystem::path Root;
    std::unique_ptr<ChildProcess> Xvfb;
    std::string Display;  // ":N" once Xvfb runs

    ~StartupBench()
    {
        if (Xvfb) Xvfb->Kill(SIGTERM);
        std::error_code ignored;
        if (!Root.empty()) std::filesystem::remove_all(Root, ignored);
    }

    // A fresh, private folder for the game's settings and its instance lock.
    bool MakeRoot()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tessaron-startup-XXXXXX").string();
        if (!mkdtemp(pattern.data())) return false;
        Root = pattern;
        return true;
    }

    bool StartXvfb(std::string& failure)
    {
        if (Xvfb) return !Display.empty();
        Xvfb = std::make_unique<ChildProcess>("Xvfb",
                                              std::vector<std::string>{"-displayfd", "3", "-screen", "0", "1280x1024x24",
                                                                       "-nolisten", "tcp"},
                                              std::map<std::string, std::string>{}, 3);
        const std::optional<std::string> number = Xvfb->Started() ? Xvfb->ReadLine(std::chrono::seconds(10)) : std::nullopt;
        if (!number || number->empty()) {
            failure = "Xvfb did not start (is it installed?)";
            return false;
        }
        Display = ":" + *number;
        return true;
    }

    // A history file of 10,000 games kept one by one as the game does, made once.
    std::filesystem::path FullHistory()
    {
        const std::filesystem::path file = Root / "history.sqlite";
        if (std::filesystem::exists(file)) return file;
        struct Trouble final : HistoryTrouble {
            void HistoryUnavailable(const HistoryFault& fault) override { Failed = fault.Detail.empty() ? "?" : fault.Detail; }
            std::string Failed;
        } trouble;
        {
            SqliteGameHistory history(file.string(), trouble);
            for (std::int32_t i = 0; i < HistoryGames; ++i)
                history.FinishGame(history.StartGame(PlayedGame(i)), PlayedGame(i));
        }
        return trouble.Failed.empty() ? file : std::filesystem::path();
    }

    std::map<std::string, std::string> GameEnvironment(const std::string& platform, int run, bool withHistory = false)
    {
        const std::filesystem::path folder = Root / (std::string(withHistory ? "history" : "run") + std::to_string(run));
        std::filesystem::create_directories(folder / "config");
        std::filesystem::create_directories(folder / "runtime");
        // The game's data folder (its history) is the run's own, empty or holding the history.
        std::filesystem::create_directories(folder / "data" / "Tessaron");
        if (withHistory)
            std::filesystem::copy_file(FullHistory(), folder / "data" / "Tessaron" / "history.sqlite");
        chmod((folder / "runtime").c_str(), 0700);
        const char* audio = std::getenv("SDL_AUDIODRIVER");
        return {{"QT_QPA_PLATFORM", platform},
                {"DISPLAY", platform == "xcb" ? Display : ""},
                {"WAYLAND_DISPLAY", ""},
                {"XDG_CONFIG_HOME", (folder / "config").string()},
                {"XDG_DATA_HOME", (folder / "data").string()},
                {"XDG_RUNTIME_DIR", (folder / "runtime").string()},
                {"SDL_AUDIODRIVER", audio && *audio ? audio : "dummy"},
                {"TESSARON_FIRST_PAINT_MARK", "1"}};
    }
};

struct Launch {
    double Seconds = 0;
    long ResidentKilobytes = 0;
    double CpuSeconds = 0;  // the game's own processor time, without the X server's
};

std::optional<Launch> LaunchGame(const std::map<std::string, std::string>& environment, std::string& failure)
{
    const auto start = std::chrono::steady_clock::now();
    ChildProcess game(TESSARON_GAME_PATH, {}, environment);
    if (!game.Started()) {
        failure = "the game did not start";
        return std::nullopt;
    }
    if (!game.WaitForLine(FirstPaintMark, MarkTimeout)) {
        failure = "the game marked no first paint";
        return std::nullopt;
    }
    Launch launch;
    launch.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const std::optional<long> resident = game.ResidentKilobytes();
    if (!resident) {
        failure = "the resident memory could not be read";
        return std::nullopt;
    }
    launch.ResidentKilobytes = *resident;
    game.Kill();
    launch.CpuSeconds = game.CpuSeconds();
    return launch;
}

// One repetition is one start; the first start of a platform is a warm-up that fills the
// file caches and is not counted.
void Startup(benchmark::State& state, StartupBench& bench, const std::string& platform, int& runs, bool withHistory)
{
    std::string failure;
    if (platform == "xcb" && !bench.StartXvfb(failure)) {
        state.SkipWithError(failure.c_str());
        return;
    }
    if (withHistory && bench.FullHistory().empty()) {
        state.SkipWithError("the history could not be made");
        return;
    }
    if (runs == 0 && !LaunchGame(bench.GameEnvironment(platform, runs++, withHistory), failure)) {
        state.SkipWithError(failure.c_str());
        return;
    }
    for (auto _ : state) {
        const std::optional<Launch> launch = LaunchGame(bench.GameEnvironment(platform, runs++, withHistory), failure);
        if (!launch) {
            state.SkipWithError(failure.c_str());
            break;
        }
        state.SetIterationTime(launch->Seconds);
        state.counters["rss_MB"] = double(launch->ResidentKilobytes) / 1024.0;
        // The time on a busy machine includes waiting for the processor; this does not.
        state.counters["game_cpu_ms"] = launch->CpuSeconds * 1e3;
    }
}

} // namespace
} // namespace tessaron

int main(int argc, char** argv)
{
    using namespace tessaron;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    StartupBench bench;
    if (!bench.MakeRoot()) return 1;
    int offscreenRuns = 0;
    int historyRuns = 0;
    int xvfbRuns = 0;
    for (auto [name, platform, runs, withHistory] :
         {std::tuple{"StartupOffscreen", "offscreen", &offscreenRuns, false},
          std::tuple{"StartupOffscreenWithHistory", "offscreen", &historyRuns, true},
          std::tuple{"StartupXvfb", "xcb", &xvfbRuns, false}}) {
        benchmark::RegisterBenchmark(name, [&bench, platform = std::string(platform), runs, withHistory](benchmark::State& state) {
            Startup(state, bench, platform, *runs, withHistory);
        })
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1)
            ->Repetitions(StartupRuns)
            ->ReportAggregatesOnly(true);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
