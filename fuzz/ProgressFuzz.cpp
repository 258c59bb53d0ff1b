// The kept progress decoder over any pair of texts, on one fixed deal: a text it accepts is
// a position the rules allow, encodes back to the same text, and the move model puts it on
// the board; a text the move model is handed that the rules refuse changes nothing.
// Input: the progress text, a newline, the time text, and optionally a newline and the
// shuffles text.
#include "FuzzSupport.h"
#include "board/GameCreator.h"
#include "board/Play.h"
#include "board/RandomSource.h"
#include "doubles/FixedSystemLocale.h"
#include "doubles/RecordingMessageBox.h"
#include "doubles/RecordingSound.h"
#include "records/GameRecord.h"
#include "records/ProgressRecord.h"
#include "shell/Registry.h"

using namespace tessaron;

namespace {

struct NoProgress final : GameCreateObserver {
    void ShowStep(std::int32_t) override {}
};
struct SilentView final : PlayView {
    void DrawTile(std::int32_t, std::int32_t, bool, bool) override {}
    void ShowTileCount(std::int32_t) override {}
    void ShowGameOrigin(OriginKind, const std::string&) override {}
    void ShowNoMovePossible(bool) override {}
    void ShowGameWon(bool) override {}
};
struct StillClock final : PlayClock {
    void TimerSetup() override {}
    void TimerStart() override {}
    void TimerStop() override {}
    void TimerReset() override {}
    void UpdateGameTime() override {}
    bool TimingActive() const override { return false; }
    double GameTime() const override { return 0; }
    double GameTimeNow() const override { return 0; }
};
struct NoHallOfFame final : HallOfFameGate {
    std::int32_t InsertGame(double, const TileArray&, const TileArray&, double) override { return 0; }
    std::string SelectedGameOrigin() override { return {}; }
    std::string SelectedGameTiles() override { return {}; }
};
struct NoDeals final : DealBuilder {
    void BuildDeal(TileArray&) override {}
};

struct Fixture {
    Fixture()
    {
        geometry.CreateTileRelations(BoardLayout, 36.0f, 52.0f);
        SeededRandomSource random(11);
        GameCreator creator(geometry, random, report.Errors);
        NoProgress progress;
        creator.GameCreate(faces, progress, false);
    }
    RecordingErrorReport report;
    BoardGeometry geometry{report.Errors};
    TileArray faces{};
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Fixture fixture;
    const std::string input = fuzz::InputText(data, size);
    const std::size_t split = input.find('\n');
    const std::string progressText = input.substr(0, split);
    const std::string rest = split == std::string::npos ? std::string() : input.substr(split + 1);
    const std::size_t split2 = rest.find('\n');
    const std::string timeText = rest.substr(0, split2);
    const std::string shufflesText = split2 == std::string::npos ? std::string() : rest.substr(split2 + 1);

    const std::optional<GameProgress> decoded =
        DecodeProgress(progressText, timeText, fixture.geometry, fixture.faces, shufflesText);

    MemorySettingsStore store;
    FixedSystemLocale system;
    Registry settings(store, fixture.report.Errors, system);
    settings.SaveRegistryString("Board", "Game", ConvertTilesToString(fixture.faces, fixture.report.Errors), "");
    SilentView view;
    StillClock clock;
    RecordingSound sound;
    NoHallOfFame hallOfFame;
    NoDeals deals;
    Play play(PlayWiring{fixture.geometry, view, clock, sound, hallOfFame, deals, settings, fixture.report.Errors});
    play.ResumeSavedGame();

    if (!decoded) {
        // Whatever the text says, handed over as it parses, the board stays full.
        FUZZ_CHECK(play.RemovedCount() == 0);
        return 0;
    }
    FUZZ_CHECK(EncodeProgress(*decoded) == progressText);
    FUZZ_CHECK(EncodeProgressTime(decoded->GameTime) == timeText);
    FUZZ_CHECK(EncodeProgressShuffles(*decoded) == shufflesText);
    FUZZ_CHECK(play.RestoreProgress(*decoded));
    GameProgress taken = play.Progress();
    taken.GameTime = decoded->GameTime;
    FUZZ_CHECK(taken == *decoded);
    std::int32_t inPlay = 0;
    for (std::int32_t tile = 1; tile <= TileCount; ++tile) inPlay += play.IsPresent(tile) ? 1 : 0;
    FUZZ_CHECK(inPlay == TileCount - decoded->RemovedCount);
    FUZZ_CHECK(fixture.report.Box.Boxes.empty());
    return 0;
}
