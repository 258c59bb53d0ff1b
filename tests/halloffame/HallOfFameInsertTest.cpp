#include "HallOfFameTestKit.h"

#include <gtest/gtest.h>

#include <set>

namespace tessaron {
namespace {

using namespace testkit;

const double SolvedAt = DateSerial(2004, 3, 5) + TimeSerial(7, 8, 9);

class HallOfFameInsert : public ::testing::Test {
protected:
    // Place i holds "Player<i>" with deal i in 10 * i seconds.
    void SeedFullList()
    {
        for (int i = 1; i <= HallOfFameCapacity; ++i)
            services.SeedEntry(i, "Player" + std::to_string(i), 10 * i, Deal(i));
    }

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

    static std::set<std::string> Sections(int first, int last)
    {
        std::set<std::string> sections;
        for (int i = first; i <= last; ++i) sections.insert(HallOfFameList::SectionName(i));
        return sections;
    }

    static std::string PlayerAt(const HallOfFame& hallOfFame, int index)
    {
        return hallOfFame.List().Entry(index).Player;
    }

    HallOfFameServices services;
    ScriptedDialogs dialogs;
};

// The new entry is shown on light cyan with the focus on New game; the window's choice is returned.
TEST_F(HallOfFameInsert, FirstGameOnAnEmptyListTakesPlaceOne)
{
    auto hallOfFame = Open();
    dialogs.Choice = HallOfFameNewGame;

    EXPECT_EQ(Insert(*hallOfFame, 95, Deal(0)), HallOfFameNewGame);

    EXPECT_EQ(dialogs.NameRequests, std::vector<std::string>{"The time you needed to solve this game will put you "
                                                             "into position #1 in the Hall of Fame!"});
    EXPECT_EQ(services.Sound.Calls, std::vector<std::int32_t>{SoundHallOfFame});
    ASSERT_EQ(dialogs.Windows.size(), 1u);
    EXPECT_EQ(dialogs.Windows[0].HighlightIndex, 1);
    EXPECT_EQ(dialogs.Windows[0].Highlight, (RgbColour{192, 255, 255}));
    EXPECT_TRUE(dialogs.Windows[0].InitialFocusNewGame);
    EXPECT_EQ(services.Settings.LoadRegistryString("HallOfFame\\01", "Result", ""), "000135");
    EXPECT_EQ(services.Settings.LoadRegistryString("HallOfFame\\01", "Stamp", ""), "20040305070809");
}

// A time not better than the tenth stays out. So does one of 0 or below, which would be stored
// as an empty slot 01 so that the next start found no list at all, and one of a day or more,
// which cannot be stored as it is.
TEST_F(HallOfFameInsert, TimeNotBetterThanTheTenthOrThatCannotBeStoredEntersNothing)
{
    SeedFullList();
    auto hallOfFame = Open();

    for (double result : {Seconds(100), Seconds(3000), -Seconds(3590), 0.0, 1.0 + Seconds(5)})
        EXPECT_EQ(hallOfFame->InsertGame(dialogs, result, Deal(50), MovesDownward(), SolvedAt), HallOfFameNotShown)
            << result;

    EXPECT_TRUE(dialogs.NameRequests.empty());
    EXPECT_TRUE(dialogs.Windows.empty());
    EXPECT_TRUE(services.Sound.Events.empty());
    EXPECT_TRUE(services.Memory.Log.empty());
    auto reloaded = services.MakeHallOfFame();
    ASSERT_EQ(reloaded->List().Count(), HallOfFameCapacity);
    for (int i = 1; i <= HallOfFameCapacity; ++i) EXPECT_EQ(reloaded->List().Entry(i).Player, "Player" + std::to_string(i));
}

// An equal time ranks behind the listed one; a deal listed faster by another player still
// enters lower, after a warning and the won sound. Either way the old tenth drops out.
TEST_F(HallOfFameInsert, EqualTimeOrADealListedFasterByAnotherEntersBehind)
{
    struct Case {
        TileArray Deal;
        const char* Request;
        std::vector<std::int32_t> Sounds;
    };
    for (const Case& c : {Case{Deal(50), "will put you into position #5 ", {SoundHallOfFame}},
                          Case{Deal(2), "is good for position #5 in the Hall of Fame. However, as the game is "
                                        "already in the list, you'll be granted the entry only if you've not done it "
                                        "earlier with a better time.", {SoundGameWon, SoundHallOfFame}}}) {
        services.Memory.RemoveAll();
        SeedFullList();
        auto hallOfFame = Open();
        dialogs.NameRequests.clear();
        services.Sound.Clear();

        Insert(*hallOfFame, c.Deal == Deal(50) ? 40 : 45, c.Deal);

        EXPECT_NE(dialogs.NameRequests.at(0).find(c.Request), std::string::npos) << dialogs.NameRequests.at(0);
        EXPECT_EQ(services.Sound.Calls, c.Sounds);
        EXPECT_EQ(PlayerAt(*hallOfFame, 4), "Player4");
        EXPECT_EQ(PlayerAt(*hallOfFame, 5), "Anna");
        EXPECT_EQ(PlayerAt(*hallOfFame, 10), "Player9");
        EXPECT_EQ(SectionsWritten(), Sections(5, 10));
    }
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(HallOfFameInsert, FasterTimeForADealListedAtSixReplacesItsOldEntry)
{
    SeedFullList();
    auto hallOfFame = Open();

    Insert(*hallOfFame, 15, Deal(6));

    EXPECT_NE(dialogs.NameRequests.at(0).find("will put you into position #2 "), std::string::npos);
    EXPECT_EQ(services.Sound.Calls, std::vector<std::int32_t>{SoundHallOfFame});
    const std::vector<std::string> expected{"Player1", "Anna",    "Player2", "Player3", "Player4",
                                            "Player5", "Player7", "Player8", "Player9", "Player10"};
    for (int i = 1; i <= HallOfFameCapacity; ++i) EXPECT_EQ(PlayerAt(*hallOfFame, i), expected[i - 1]) << i;
    // The deal stays listed once, with the new time.
    EXPECT_EQ(hallOfFame->List().FindPositionForTiles(services.ConvertDeal(Deal(6))), 2);
    EXPECT_EQ(SectionsWritten(), Sections(2, 6));
    EXPECT_EQ(services.Settings.LoadRegistryString("HallOfFame\\06", "Player", ""), "Player5");
    EXPECT_EQ(hallOfFame->SelectedIndex(), 2);
}

TEST_F(HallOfFameInsert, OwnBetterEntryKeepsTheSlowerTimeOutAndIsShownSelected)
{
    SeedFullList();
    services.SeedEntry(4, "Anna", 40, Deal(2));
    auto hallOfFame = Open();
    dialogs.Choice = HallOfFameChallenge;

    EXPECT_EQ(Insert(*hallOfFame, 45, Deal(2)), HallOfFameChallenge);

    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0], "Sorry, your current result for this game is not better than the time recorded "
                                   "for you at position #4 in the Hall of Fame (40s).");
    ASSERT_EQ(dialogs.Windows.size(), 1u);
    EXPECT_EQ(dialogs.Windows[0].HighlightIndex, 4);
    EXPECT_EQ(dialogs.Windows[0].Highlight, (RgbColour{224, 224, 224}));
    EXPECT_FALSE(dialogs.Windows[0].InitialFocusNewGame);
    EXPECT_EQ(services.Sound.Calls, std::vector<std::int32_t>{SoundGameWon});
    EXPECT_TRUE(services.Memory.Log.empty());
    EXPECT_EQ(PlayerAt(*hallOfFame, 5), "Player5");
    // Closing the window gives the board the origin of the entry it was shown.
    EXPECT_EQ(hallOfFame->SelectedIndex(), 4);
    EXPECT_EQ(hallOfFame->SelectedGameOrigin(), "Anna 03/05/2004 07:08 (40s)");

    // A name differing in case belongs to another player.
    dialogs.Name = "anna";
    Insert(*hallOfFame, 45, Deal(2));
    EXPECT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(PlayerAt(*hallOfFame, 5), "anna");
}

// A cancelled name request stops the sound; a failure is reported. Neither enters anything.
TEST_F(HallOfFameInsert, CancelledOrFailedNameRequestChangesNothing)
{
    SeedFullList();
    for (const bool fails : {false, true}) {
        auto hallOfFame = Open();
        services.Sound.Clear();
        dialogs.Name = "";
        if (fails) dialogs.NameRequestFailure = Failure(ErrInvalidCall, "Invalid procedure call or argument");

        EXPECT_EQ(Insert(*hallOfFame, 15, Deal(50)), HallOfFameNotShown);

        EXPECT_EQ(services.Report.Titles(),
                  fails ? std::vector<std::string>{"frmHallOfFame.InsertGame"} : std::vector<std::string>{});
        if (!fails) {
            EXPECT_EQ(services.Sound.Calls, (std::vector<std::int32_t>{SoundHallOfFame, RecordingSound::Stop}));
        }
        EXPECT_TRUE(dialogs.Windows.empty());
        EXPECT_TRUE(services.Memory.Log.empty());
        EXPECT_EQ(PlayerAt(*hallOfFame, 2), "Player2");
        EXPECT_EQ(hallOfFame->SelectedIndex(), 0);
    }
}

TEST_F(HallOfFameInsert, ChallengeNeedsASelectedEntry)
{
    SeedFullList();
    auto hallOfFame = Open();
    EXPECT_EQ(hallOfFame->AcceptChoice(HallOfFameChallenge), HallOfFameClosed);
    EXPECT_EQ(hallOfFame->SelectedGameTiles(), "");
    ASSERT_TRUE(hallOfFame->Select(3));
    EXPECT_FALSE(hallOfFame->Select(11));
    EXPECT_EQ(hallOfFame->AcceptChoice(HallOfFameChallenge), HallOfFameChallenge);
    EXPECT_EQ(hallOfFame->SelectedGameTiles(), services.ConvertDeal(Deal(3)));
}

// Whatever games are entered, the list stays ranked and the store always holds exactly the
// list in effect: a fresh load gives the same entries.
TEST_F(HallOfFameInsert, StoreAlwaysMatchesTheListAfterAnyInsertions)
{
    auto hallOfFame = Open();
    std::uint32_t seed = 12345;
    auto next = [&](std::uint32_t range) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % range;
    };
    const std::vector<std::string> players{"Anna", "Ben", "anna"};
    for (int game = 0; game < 150; ++game) {
        dialogs.Name = players[next(3)];
        Insert(*hallOfFame, 20 + static_cast<int>(next(200)), Deal(static_cast<int>(next(6))));

        const HallOfFameList& list = hallOfFame->List();
        for (int i = 2; i <= list.Count(); ++i) ASSERT_LE(list.Entry(i - 1).Result, list.Entry(i).Result);
        auto reloaded = services.MakeHallOfFame();
        ASSERT_EQ(reloaded->List().Count(), list.Count()) << game;
        for (int i = 1; i <= list.Count(); ++i) {
            const HallOfFameEntry& stored = reloaded->List().Entry(i);
            ASSERT_EQ(stored.Player, list.Entry(i).Player) << game << " " << i;
            ASSERT_EQ(stored.Tiles, list.Entry(i).Tiles);
            ASSERT_EQ(stored.Moves, list.Entry(i).Moves);
            ASSERT_NEAR(stored.Result, list.Entry(i).Result, Seconds(1) / 100);
        }
    }
    EXPECT_EQ(hallOfFame->List().Count(), HallOfFameCapacity);
}

} // namespace
} // namespace tessaron
