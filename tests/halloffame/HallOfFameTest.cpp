#include "HallOfFameTestKit.h"

#include "shell/QtSettingsStore.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <random>
#include <set>

namespace tessaron {
namespace {

using namespace testkit;

const double SolvedAt = DateSerial(2004, 3, 5) + TimeSerial(7, 8, 9);

// Every outcome of a won game. A time good for the list enters at its place, shown selected on
// light cyan; only the sections from there to the list's end, or to the deal's old place, are
// rewritten. An equal time ranks behind; a deal listed faster by another player is warned of
// and still enters; a deal listed slower moves up and leaves its old place. The player's own
// better entry keeps the slower time out and is shown on light grey; a name differing in case
// is another player's. A cancelled name request stops the sound, a failed one is reported.
// Nothing enters, and no window shows, for a time not better than the tenth, of 0 or below
// (stored, it would empty slot 01 and with it the whole list) or of a day or more (which cannot
// be stored as it is).
TEST(HallOfFameInsert, WonGameEntersWhereItsTimeRanksUnlessTheListHasABetterOne)
{
    HallOfFameServices services;
    struct Case {
        const char* What;
        bool EmptyList = false;
        bool OwnEntryAtFour = false;  // "Anna" with deal 2 in 40 s
        const char* Name = "Anna";
        bool RequestFails = false;
        double Seconds = 0;
        unsigned Deal = 50;
        const char* Request = nullptr;  // a part of the name request; none when null
        std::vector<std::int32_t> Sounds = {};
        const char* Message = nullptr;
        int Shown = 0;  // the place shown selected in the window; no window when 0
        const char* Players = "Player1 Player2 Player3 Player4 Player5 Player6 Player7 Player8 Player9 Player10";
        std::pair<int, int> Written = {1, 0};  // the sections rewritten, first and last
    };
    const char* const AtFive = "Player1 Player2 Player3 Player4 Anna Player5 Player6 Player7 Player8 Player9";
    const Case cases[] = {
        {.What = "equal time", .Seconds = 40, .Request = "will put you into position #5 ",
         .Sounds = {SoundHallOfFame}, .Shown = 5, .Players = AtFive, .Written = {5, 10}},
        {.What = "listed faster by another", .Seconds = 45, .Deal = 2,
         .Request = "is good for position #5 in the Hall of Fame. However, as the game is already in the list, "
                    "you'll be granted the entry only if you've not done it earlier with a better time.",
         .Sounds = {SoundGameWon, SoundHallOfFame}, .Shown = 5, .Players = AtFive, .Written = {5, 10}},
        {.What = "listed slower", .Seconds = 15, .Deal = 6, .Request = "will put you into position #2 ",
         .Sounds = {SoundHallOfFame}, .Shown = 2,
         .Players = "Player1 Anna Player2 Player3 Player4 Player5 Player7 Player8 Player9 Player10",
         .Written = {2, 6}},
        {.What = "own better entry", .OwnEntryAtFour = true, .Seconds = 45, .Deal = 2,
         .Request = "is good for position #5 ", .Sounds = {SoundGameWon},
         .Message = "Sorry, your current result for this game is not better than the time recorded for you at "
                    "position #4 in the Hall of Fame (40s).",
         .Shown = 4, .Players = "Player1 Player2 Player3 Anna Player5 Player6 Player7 Player8 Player9 Player10"},
        {.What = "another player's better entry", .OwnEntryAtFour = true, .Name = "anna", .Seconds = 45, .Deal = 2,
         .Request = "is good for position #5 ", .Sounds = {SoundGameWon, SoundHallOfFame}, .Shown = 5,
         .Players = "Player1 Player2 Player3 Anna anna Player5 Player6 Player7 Player8 Player9", .Written = {5, 10}},
        {.What = "cancelled name", .Name = "", .Seconds = 15, .Request = "position #2 ",
         .Sounds = {SoundHallOfFame, RecordingSound::Stop}},
        {.What = "failed name request", .RequestFails = true, .Seconds = 15, .Request = "position #2 ",
         .Sounds = {SoundHallOfFame}},
        {.What = "as slow as the tenth", .Seconds = 100},
        {.What = "far slower", .Seconds = 3000},
        {.What = "below 0", .Seconds = -3590},
        {.What = "0", .Seconds = 0},
        {.What = "a day and more", .Seconds = 86405},
        {.What = "first game", .EmptyList = true, .Seconds = 95,
         .Request = "The time you needed to solve this game will put you into position #1 in the Hall of Fame!",
         .Sounds = {SoundHallOfFame}, .Shown = 1, .Players = "Anna", .Written = {1, 10}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        services.Store.RemoveAll();
        if (!c.EmptyList) services.SeedPlayers(HallOfFameCapacity);
        if (c.OwnEntryAtFour) services.SeedEntry(4, "Anna", 40, ValidDeal(2));
        auto hallOfFame = services.MakeHallOfFame();
        services.Store.Log.clear();
        services.Sound.Clear();
        services.Report.Box.Boxes.clear();
        ScriptedDialogs dialogs;
        dialogs.Name = c.Name;
        if (c.RequestFails) dialogs.NameRequestFailure = Failure(ErrInvalidCall, "Invalid procedure call or argument");
        dialogs.Choice = HallOfFameChallenge;

        EXPECT_EQ(hallOfFame->InsertGame(dialogs, c.Seconds / 86400, ValidDeal(c.Deal), MovesDownward(), SolvedAt),
                  c.Shown ? HallOfFameChallenge : HallOfFameNotShown);

        ASSERT_EQ(dialogs.NameRequests.size(), c.Request ? 1u : 0u);
        if (c.Request) {
            EXPECT_NE(dialogs.NameRequests[0].find(c.Request), std::string::npos) << dialogs.NameRequests[0];
        }
        EXPECT_EQ(services.Sound.Calls, c.Sounds);
        EXPECT_EQ(dialogs.Messages, c.Message ? std::vector<std::string>{c.Message} : std::vector<std::string>{});
        EXPECT_EQ(services.Report.Titles(), c.RequestFails ? std::vector<std::string>{"frmHallOfFame.InsertGame"}
                                                           : std::vector<std::string>{});
        ASSERT_EQ(dialogs.Windows.size(), c.Shown ? 1u : 0u);
        if (c.Shown) {
            EXPECT_EQ(dialogs.Windows[0].HighlightIndex, c.Shown);
            EXPECT_EQ(dialogs.Windows[0].Highlight, (c.Message ? RgbColour{224, 224, 224} : RgbColour{192, 255, 255}));
            EXPECT_EQ(dialogs.Windows[0].InitialFocusNewGame, !c.Message);
            EXPECT_EQ(hallOfFame->List().Entry(c.Shown).Tiles, services.ConvertDeal(ValidDeal(c.Deal)));
        }
        EXPECT_EQ(hallOfFame->SelectedIndex(), c.Shown);
        std::string players;
        for (int i = 1; i <= hallOfFame->List().Count(); ++i)
            players += (i > 1 ? " " : "") + hallOfFame->List().Entry(i).Player;
        EXPECT_EQ(players, c.Players);
        std::set<std::string> written;
        std::set<std::string> expected;
        for (const auto& operation : services.Store.Log) written.insert(operation.Section);
        for (int i = c.Written.first; i <= c.Written.second; ++i) expected.insert(HallOfFameList::SectionName(i));
        EXPECT_EQ(written, expected);
        if (c.Message) {
            // Closing the window gives the board the origin of the entry it was shown.
            EXPECT_EQ(hallOfFame->SelectedGameOrigin(), "Anna 03/05/2004 07:08 (40s)");
        }
    }
    EXPECT_EQ(services.Settings.LoadRegistryString("HallOfFame\\01", "Result", ""), "000135");
    EXPECT_EQ(services.Settings.LoadRegistryString("HallOfFame\\01", "Stamp", ""), "20040305070809");
}

TEST(HallOfFameInsert, ChallengeNeedsASelectedEntry)
{
    HallOfFameServices services;
    services.SeedPlayers(HallOfFameCapacity);
    auto hallOfFame = services.MakeHallOfFame();
    EXPECT_EQ(hallOfFame->AcceptChoice(HallOfFameChallenge), HallOfFameClosed);
    EXPECT_EQ(hallOfFame->SelectedGameTiles(), "");
    ASSERT_TRUE(hallOfFame->Select(3));
    EXPECT_FALSE(hallOfFame->Select(11));
    EXPECT_EQ(hallOfFame->AcceptChoice(HallOfFameChallenge), HallOfFameChallenge);
    EXPECT_EQ(hallOfFame->SelectedGameTiles(), services.ConvertDeal(ValidDeal(3)));
}

// Whatever games are entered, the list stays ranked and the store always holds exactly the
// list in effect: a fresh load gives the same entries.
TEST(HallOfFameInsert, StoreAlwaysMatchesTheListAfterAnyInsertions)
{
    HallOfFameServices services;
    auto hallOfFame = services.MakeHallOfFame();
    ScriptedDialogs dialogs;
    std::mt19937 random(12345);
    const std::vector<std::string> players{"Anna", "Ben", "anna"};
    for (int game = 0; game < 150; ++game) {
        dialogs.Name = players[random() % 3];
        hallOfFame->InsertGame(dialogs, Seconds(20 + static_cast<int>(random() % 200)), ValidDeal(random() % 6),
                               MovesDownward(), SolvedAt);

        const HallOfFameList& list = hallOfFame->List();
        auto reloaded = services.MakeHallOfFame();
        ASSERT_EQ(reloaded->List().Count(), list.Count()) << game;
        for (int i = 1; i <= list.Count(); ++i) {
            const HallOfFameEntry& stored = reloaded->List().Entry(i);
            if (i > 1) {
                ASSERT_LE(list.Entry(i - 1).Result, list.Entry(i).Result);
            }
            ASSERT_EQ(stored.Player, list.Entry(i).Player) << game << " " << i;
            ASSERT_EQ(stored.Tiles, list.Entry(i).Tiles);
            ASSERT_EQ(stored.Moves, list.Entry(i).Moves);
            ASSERT_NEAR(stored.Result, list.Entry(i).Result, Seconds(1) / 100);
        }
    }
    EXPECT_EQ(hallOfFame->List().Count(), HallOfFameCapacity);
}

// The list ends at the first slot without a time. A negative time or a whole day cannot be
// written back as it was read: taking it into the list would make the next save drop every
// entry behind it without a word, so it ends the list too. Saving removes the slots behind.
TEST(HallOfFameStorage, ListEndsAtTheFirstSlotWithoutATimeThatCanBeStoredAgain)
{
    for (const char* damaged : {"000000", "-10000", "240000"}) {
        HallOfFameServices services;
        services.SeedPlayers(4);
        services.Settings.SaveRegistryString("HallOfFame\\03", "Result", damaged, "");
        HallOfFameList list(services.Settings, services.Report.Errors);
        list.LoadList();
        ASSERT_EQ(list.Count(), 2) << damaged;
        EXPECT_EQ(list.FindPositionForTiles(services.ConvertDeal(ValidDeal(4))), 0);
        EXPECT_EQ(list.FindPositionForResult(Seconds(500)), 3);  // the slot behind is free
        EXPECT_NEAR(list.Entry(2).Stamp, SolvedAt, Seconds(1) / 100);

        list.SaveList(1, 0);
        EXPECT_EQ(services.Store.Count(), 10u) << damaged;  // five values for each entry
    }
}

// The classic layout keeps the sections it always had; every other layout has a list of its
// own that the classic one never sees, also in the real store's file, where removing one
// list's slot leaves the other's alone. Coming back to a layout reads its list again.
TEST(HallOfFameStorage, EachLayoutKeepsItsOwnListAndTheClassicOneItsKeys)
{
    EXPECT_EQ(HallOfFameList::SectionName(1), "HallOfFame\\01");
    EXPECT_EQ(HallOfFameList::SectionName(10), "HallOfFame\\10");
    EXPECT_EQ(HallOfFameList::SectionName(7, "stone-ring"), "HallOfFame-stone-ring\\07");

    HallOfFameServices services;
    services.SeedPlayers(3);
    const auto hallOfFame = services.MakeHallOfFame();
    ASSERT_EQ(hallOfFame->List().Count(), 3);
    ASSERT_TRUE(hallOfFame->Select(2));
    hallOfFame->UseLayout("stone-ring");
    EXPECT_EQ(hallOfFame->List().Count(), 0);
    EXPECT_EQ(hallOfFame->SelectedIndex(), 0);  // the selection was one of the old list's

    ScriptedDialogs dialogs;
    services.Store.Log.clear();
    hallOfFame->InsertGame(dialogs, Seconds(50), ValidDeal(9), MovesDownward(), SolvedAt);
    ASSERT_EQ(hallOfFame->List().Count(), 1);
    ASSERT_FALSE(services.Store.Log.empty());
    for (const auto& operation : services.Store.Log)
        EXPECT_TRUE(operation.Section.starts_with("HallOfFame-stone-ring\\")) << operation.Section;

    hallOfFame->UseLayout(ClassicLayoutKey);
    EXPECT_EQ(hallOfFame->List().Count(), 3);
    EXPECT_EQ(hallOfFame->List().FindPositionForTiles(services.ConvertDeal(ValidDeal(9))), 0);
    hallOfFame->UseLayout("stone-ring");
    EXPECT_EQ(hallOfFame->List().Entry(1).Player, "Anna");

    QTemporaryDir folder;
    QtSettingsStore file(folder.filePath("Tessaron.ini").toStdString());
    file.Write("HallOfFame-stone-ring\\01", "Player", "Anna");
    file.Write("HallOfFame\\01", "Player", "Ben");
    file.RemoveSection("HallOfFame\\01");
    QtSettingsStore reread(folder.filePath("Tessaron.ini").toStdString());
    EXPECT_EQ(reread.Read("HallOfFame-stone-ring\\01", "Player"), "Anna");
    EXPECT_EQ(reread.Read("HallOfFame\\01", "Player"), std::nullopt);
}

} // namespace
} // namespace tessaron
