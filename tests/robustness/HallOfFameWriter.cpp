// A game process cut short: it enters one solved game in the hall of fame through the real
// settings store at the given file, answers the name request, and when the hall of fame
// window would open says "ENTERED" and waits to be killed.
#include "board/BoardGeometry.h"
#include "doubles/FixedSystemLocale.h"
#include "doubles/RecordingMessageBox.h"
#include "doubles/RecordingSound.h"
#include "halloffame/HallOfFame.h"
#include "halloffame/HallOfFameDialogs.h"
#include "play/KnownDeals.h"
#include "shell/FormatPatterns.h"
#include "shell/Locale.h"
#include "shell/QtSettingsStore.h"
#include "shell/Registry.h"

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

class WaitingDialogs final : public tessaron::HallOfFameDialogs {
public:
    std::string RequestPlayerName(const std::string&) override { return "Killed Player"; }
    void ShowMessage(const std::string&) override {}
    std::int32_t ShowAsDialog(std::int32_t, tessaron::RgbColour, bool) override
    {
        std::puts("ENTERED");
        std::fflush(stdout);
        for (;;) std::this_thread::sleep_for(std::chrono::seconds(1));
    }
};

} // namespace

int main(int argc, char** argv)
{
    using namespace tessaron;
    if (argc != 2) return 2;
    RecordingErrorReport report;
    QtSettingsStore store(argv[1]);
    FixedSystemLocale system;
    Registry settings(store, report.Errors, system);
    Locale texts(settings, report.Errors, system);
    texts.SetLocale();
    RecordingSound sound;
    BoardGeometry geometry(report.Errors);
    geometry.CreateTileRelations(BoardLayout, 36.0f, 52.0f);
    const KnownDeal deal = GenerateDeal(geometry, report.Errors, 7);
    TileArray moves{};
    for (std::int32_t k = 1; k <= TileCount; ++k) moves[k] = deal.InsertionOrder[TileCount + 1 - k];
    HallOfFame hallOfFame(settings, texts, sound, report.Errors, [](double) { return std::string("3m"); });
    WaitingDialogs dialogs;
    hallOfFame.InsertGame(dialogs, TimeSerial(0, 3, 0), deal.Faces, moves, DateSerial(2026, 12, 6));
    return 1;  // the window was never reached
}
