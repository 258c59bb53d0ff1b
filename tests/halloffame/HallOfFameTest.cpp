#include "HallOfFameTestKit.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace tessaron {
namespace {

using namespace testkit;

const double SolvedAt = DateSerial(2004, 3, 5) + TimeSerial(7, 8, 9);
const char* const FullList = "Player1 Player2 Player3 Player4 Player5 Player6 Player7 Player8 Player9 Player10";

class HallOfFameInsert : public ::testing::Test {
protected:
    std::unique_ptr<HallOfFame> Open()
    {
        auto hallOfFame = services.MakeHallOfFame();
        services.Memory.Log.clear();
        return hallOfFame;
    }

    std::int32_t Insert(HallOfFame& hallOfFame, int seconds, const TileArray& deal)
    {
        return hallOfFame.InsertGame(dialogs, Seconds(seconds), deal, MovesDownward(), SolvedAt);
    }

    std::set<std::string> SectionsWritten() const
    {
        std::set<std::string> sections;
        for (const auto& operation : services.Memory.Log) sections.insert(operation.Section);
        return sections;
    }

    static std::string Players(const HallOfFame& hallOfFame)
    {
        std::string players;
        for (int i = 1; i <= hallOfFame.List().Count(); ++i)
            players += (i > 1 ? " " : "") + hallOfFame.List().Entry(i).Player;
        return players;
    }

    HallOfFameServices services;
    ScriptedDialogs dialogs;
};

// A time good for the list enters at its place, shown selected, and the window's choice is
// returned; only the sections from that place to the list's end, or to the deal's old place,
// are rewritten. An equal time ranks behind; a deal listed faster by another player is warned
// of and still enters; a deal listed slower moves up and leaves its old place.
TEST_F(HallOfFameInsert, TimeGoodForTheListEntersAtItsPlace)
{
    struct Case {
        bool FullList;
        int Seconds;
        unsigned Deal;
        const char* Request;
        std::vector<std::int32_t> Sounds;
        int Place;
        int LastSectionWritten;
        const char* Players;
    };
    const char* const AtFive = "Player1 Player2 Player3 Player4 Anna Player5 Player6 Player7 Player8 Player9";
    const Case cases[] = {
        {true, 40, 50, "will put you into position #5 ", {SoundHallOfFame}, 5, 10, AtFive},
        {true, 45, 2,
         "is good for position #5 in the Hall of Fame. However, as the game is already in the list, you'll be "
         "granted the entry only if you've not done it earlier with a better time.",
         {SoundGameWon, SoundHallOfFame}, 5, 10, AtFive},
        {true, 15, 6, "will put you into position #2 ", {SoundHallOfFame}, 2, 6,
         "Player1 Anna Player2 Player3 Player4 Player5 Player7 Player8 Player9 Player10"},
        {false, 95, 50, "The time you needed to solve this game will put you into position #1 in the Hall of Fame!",
         {SoundHallOfFame}, 1, 10, "Anna"},
    };
    for (const Case& c : cases) {
        services.Memory.RemoveAll();
        if (c.FullList) services.SeedPlayers(HallOfFameCapacity);
        auto hallOfFame = Open();
        dialogs.NameRequests.clear();
        dialogs.Windows.clear();
        services.Sound.Clear();
        dialogs.Choice = HallOfFameNewGame;

        EXPECT_EQ(Insert(*hallOfFame, c.Seconds, ValidDeal(c.Deal)), HallOfFameNewGame);

        EXPECT_NE(dialogs.NameRequests.at(0).find(c.Request), std::string::npos) << dialogs.NameRequests.at(0);
        EXPECT_EQ(services.Sound.Calls, c.Sounds);
        ASSERT_EQ(dialogs.Windows.size(), 1u);
        EXPECT_EQ(dialogs.Windows[0].HighlightIndex, c.Place);
        EXPECT_EQ(hallOfFame->SelectedIndex(), c.Place);
        EXPECT_EQ(Players(*hallOfFame), c.Players);
        EXPECT_EQ(hallOfFame->List().Entry(c.Place).Tiles, services.ConvertDeal(ValidDeal(c.Deal)));
        std::set<std::string> sections;
        for (int i = c.Place; i <= c.LastSectionWritten; ++i) sections.insert(HallOfFameList::SectionName(i));
        EXPECT_EQ(SectionsWritten(), sections);
    }
    EXPECT_TRUE(dialogs.Messages.empty());
    EXPECT_EQ(services.Settings.LoadRegistryString("HallOfFame\\01", "Result", ""), "000135");
    EXPECT_EQ(services.Settings.LoadRegistryString("HallOfFame\\01", "Stamp", ""), "20040305070809");
}

// A time not better than the tenth stays out. So does one of 0 or below, which would be stored
// as an empty slot 01 so that the next start found no list at all, and one of a day or more,
// which cannot be stored as it is.
TEST_F(HallOfFameInsert, TimeNotBetterThanTheTenthOrThatCannotBeStoredEntersNothing)
{
    services.SeedPlayers(HallOfFameCapacity);
    auto hallOfFame = Open();

    for (double result : {Seconds(100), Seconds(3000), -Seconds(3590), 0.0, 1.0 + Seconds(5)})
        EXPECT_EQ(hallOfFame->InsertGame(dialogs, result, ValidDeal(50), MovesDownward(), SolvedAt),
                  HallOfFameNotShown)
            << result;

    EXPECT_TRUE(dialogs.NameRequests.empty());
    EXPECT_TRUE(dialogs.Windows.empty());
    EXPECT_TRUE(services.Sound.Events.empty());
    EXPECT_TRUE(services.Memory.Log.empty());
    EXPECT_EQ(Players(*services.MakeHallOfFame()), FullList);
}

// The player's own entry with a better time keeps the slower one out: a message, the entry
// shown selected on light grey, and Close gives the board its origin. A name differing in
// case belongs to another player.
TEST_F(HallOfFameInsert, OwnBetterEntryKeepsTheSlowerTimeOutAndIsShownSelected)
{
    services.SeedPlayers(HallOfFameCapacity);
    services.SeedEntry(4, "Anna", 40, ValidDeal(2));
    auto hallOfFame = Open();
    dialogs.Choice = HallOfFameChallenge;

    EXPECT_EQ(Insert(*hallOfFame, 45, ValidDeal(2)), HallOfFameChallenge);

    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"Sorry, your current result for this game is not better "
                                                         "than the time recorded for you at position #4 in the Hall "
                                                         "of Fame (40s)."});
    ASSERT_EQ(dialogs.Windows.size(), 1u);
    EXPECT_EQ(dialogs.Windows[0].HighlightIndex, 4);
    EXPECT_EQ(dialogs.Windows[0].Highlight, (RgbColour{224, 224, 224}));
    EXPECT_FALSE(dialogs.Windows[0].InitialFocusNewGame);
    EXPECT_EQ(services.Sound.Calls, std::vector<std::int32_t>{SoundGameWon});
    EXPECT_TRUE(services.Memory.Log.empty());
    EXPECT_EQ(hallOfFame->SelectedIndex(), 4);
    EXPECT_EQ(hallOfFame->SelectedGameOrigin(), "Anna 03/05/2004 07:08 (40s)");

    dialogs.Name = "anna";
    Insert(*hallOfFame, 45, ValidDeal(2));
    EXPECT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(Players(*hallOfFame), "Player1 Player2 Player3 Anna anna Player5 Player6 Player7 Player8 Player9");
}

// A cancelled name request stops the sound; a failure is reported. Neither enters anything.
TEST_F(HallOfFameInsert, CancelledOrFailedNameRequestChangesNothing)
{
    services.SeedPlayers(HallOfFameCapacity);
    for (const bool fails : {false, true}) {
        auto hallOfFame = Open();
        services.Sound.Clear();
        dialogs.Name = "";
        if (fails) dialogs.NameRequestFailure = Failure(ErrInvalidCall, "Invalid procedure call or argument");

        EXPECT_EQ(Insert(*hallOfFame, 15, ValidDeal(50)), HallOfFameNotShown);

        EXPECT_EQ(services.Report.Titles(),
                  fails ? std::vector<std::string>{"frmHallOfFame.InsertGame"} : std::vector<std::string>{});
        if (!fails) {
            EXPECT_EQ(services.Sound.Calls, (std::vector<std::int32_t>{SoundHallOfFame, RecordingSound::Stop}));
        }
        EXPECT_TRUE(dialogs.Windows.empty());
        EXPECT_TRUE(services.Memory.Log.empty());
        EXPECT_EQ(Players(*hallOfFame), FullList);
        EXPECT_EQ(hallOfFame->SelectedIndex(), 0);
    }
}

TEST_F(HallOfFameInsert, ChallengeNeedsASelectedEntry)
{
    services.SeedPlayers(HallOfFameCapacity);
    auto hallOfFame = Open();
    EXPECT_EQ(hallOfFame->AcceptChoice(HallOfFameChallenge), HallOfFameClosed);
    EXPECT_EQ(hallOfFame->SelectedGameTiles(), "");
    ASSERT_TRUE(hallOfFame->Select(3));
    EXPECT_FALSE(hallOfFame->Select(11));
    EXPECT_EQ(hallOfFame->AcceptChoice(HallOfFameChallenge), HallOfFameChallenge);
    EXPECT_EQ(hallOfFame->SelectedGameTiles(), services.ConvertDeal(ValidDeal(3)));
}

// Whatever games are entered, the list stays ranked and the store always holds exactly the
// list in effect: a fresh load gives the same entries.
TEST_F(HallOfFameInsert, StoreAlwaysMatchesTheListAfterAnyInsertions)
{
    auto hallOfFame = Open();
    std::mt19937 random(12345);
    const std::vector<std::string> players{"Anna", "Ben", "anna"};
    for (int game = 0; game < 150; ++game) {
        dialogs.Name = players[random() % 3];
        Insert(*hallOfFame, 20 + static_cast<int>(random() % 200), ValidDeal(random() % 6));

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
        EXPECT_EQ(services.Memory.Count(), 10u) << damaged;  // five values for each entry
    }
}

} // namespace
} // namespace tessaron
