#include "board/GameCreator.h"
#include "play/KnownDeals.h"
#include "solver/SolverChecks.h"
#include "StandardBoard.h"
#include "shell/Failure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

namespace tessaron {
namespace {

// Everything the generator tells its observer, in order: 'S' a step (its level), 'H' an
// emptied board, 'D' a drawn tile (its position).
struct RecordingObserver final : GameCreateObserver {
    void ShowStep(std::int32_t level) override { Events.emplace_back('S', level); }
    void HideTiles() override { Events.emplace_back('H', 0); }
    void DrawPlacedTile(std::int32_t tile) override { Events.emplace_back('D', tile); }

    std::vector<std::pair<char, std::int32_t>> Events;
};

class DealGenerator : public ::testing::Test {
protected:
    StandardBoard board;
    SeededRandomSource random{20261206};
    GameCreator creator{board.Geometry, random, board.Report.Errors};
    TileArray faces{};
    SilentProgress silent;
};

// 2,000 seeded deals: each face as often as the set has it, and the pairs, taken off in
// reverse insertion order, free and matching every time.
TEST_F(DealGenerator, EveryDealIsCompleteAndClearsInReverseInsertionOrder)
{
    int retried = 0;
    for (int deal = 0; deal < 2000; ++deal) {
        creator.GameCreate(faces, silent, false);
        std::array<int, FaceCount + 1> perFace{};
        for (std::int32_t tile = 1; tile <= TileCount; ++tile) ++perFace.at(faces[tile]);
        for (std::int32_t face = 1; face <= FaceCount; ++face)
            ASSERT_EQ(perFace[face], face <= LastOrdinaryFace ? 4 : 1) << "deal " << deal << " face " << face;
        const TileArray& order = creator.InsertionOrder();
        std::vector<SolverMove> pairs;
        for (std::int32_t k = TileCount - 1; k >= 1; k -= 2) pairs.push_back({order[k], order[k + 1]});
        ASSERT_EQ(solverchecks::ReplayFault(board.Geometry, faces, AllPresent(), pairs), "") << "deal " << deal;
        if (creator.LastAttemptCount() > 1) ++retried;
    }
    EXPECT_GT(retried, 0) << "the run never exercised a repeated placement";
    EXPECT_TRUE(board.Report.Box.Boxes.empty());
}

// Show mode empties the board per attempt and draws exactly the placed tiles of the last one,
// from the table up; without it nothing is drawn. (The progress window checks the steps.)
TEST_F(DealGenerator, ShowModeEmptiesTheBoardPerAttemptAndDrawsEveryPlacedTile)
{
    int attempts = 0;
    for (int deal = 0; deal < 40; ++deal) {
        const bool show = deal % 4 != 0;
        RecordingObserver observer;
        creator.GameCreate(faces, observer, show);
        attempts += creator.LastAttemptCount();
        int hides = 0;
        std::vector<std::int32_t> drawnSinceHide;
        for (std::size_t i = 0; i < observer.Events.size(); ++i) {
            const auto& [what, value] = observer.Events[i];
            if (what == 'H') {
                ++hides;
                drawnSinceHide.clear();
                ASSERT_LT(i + 1, observer.Events.size());
                EXPECT_EQ(observer.Events[i + 1], std::make_pair('S', 2))
                    << "the board empties before the attempt is reported";
            } else if (what == 'D') {
                if (drawnSinceHide.empty()) {
                    EXPECT_EQ(board.Geometry.Location(value).Layer, 0) << "an attempt starts on the table";
                }
                drawnSinceHide.push_back(value);
            }
        }
        EXPECT_EQ(hides, show ? creator.LastAttemptCount() : 0);
        const TileArray& order = creator.InsertionOrder();
        EXPECT_EQ(drawnSinceHide, show ? std::vector<std::int32_t>(order.begin() + 1, order.end())
                                       : std::vector<std::int32_t>{});
    }
    EXPECT_GT(attempts, 40) << "no build here needed a second attempt";
}

// Pins the deals of one seed: a change to the draws or the placement order changes them.
TEST_F(DealGenerator, SeededDealsArePinned)
{
    std::vector<std::string> records;
    std::vector<std::int32_t> attempts;
    for (int deal = 0; deal < 3; ++deal) {
        creator.GameCreate(faces, silent, false);
        std::string record;  // the game record form: face + 32
        for (std::int32_t tile = 1; tile <= TileCount; ++tile) record += char(faces[tile] + 32);
        records.push_back(record);
        attempts.push_back(creator.LastAttemptCount());
    }
    EXPECT_EQ(records, (std::vector<std::string>{
                           R"deal(70B,2&5"$0%#'9%*..!1)%@1+J=$2,9")?5/<6+?"16<<H+&7,8/C.?$/'808;)3AE-4(*B2,.7-D(;6#(;5%79>>#*5=@A-@G4B>$*926A:F!:4'(3=-@I!1/'"BA!3:<=;>8?4:3&+0&#))deal",
                           R"deal(.",2*,8@8:9"1A><I3;?;<!%(:?/(&$2AE'",=1@9=35(A?)$71##6;)0-6B,JG%+*5/B07(F/'5B/94!=%"B4&6+3:52D+:H&'-)0?>C*&2!84'>93-$71<@6*%.#.;<+!4.#A@)8$->=70)deal",
                           R"deal(*-$1+-*-?-(,9B'*A!#4)F+@'2945$%"6,69(=087+23?;)?/@"&)/$@"DGH;81<?=0=:+.I%A=7*535%(&A#2<4369B&18>A@/E(5B,:>&<;0J/>..2C6>!8!#13'4$%:#0<).!:";7,B'7)deal",
                       }));
    EXPECT_EQ(attempts, (std::vector<std::int32_t>{3, 7, 1}));
}

struct FailingObserver final : GameCreateObserver {
    int PlacementReports = 0;
    std::int32_t LastStep = 99;
    void ShowStep(std::int32_t level) override
    {
        LastStep = level;
        if (level == 3 && ++PlacementReports == 50) Fail(ErrInvalidCall);
    }
};

// A build that fails on the way, or on a board without positions, is reported and leaves
// the old deal.
TEST_F(DealGenerator, FailedBuildsAreReportedAndLeaveTheOldDeal)
{
    creator.GameCreate(faces, silent, false);
    const TileArray oldDeal = faces;

    FailingObserver failing;
    creator.GameCreate(faces, failing, false);
    EXPECT_EQ(faces, oldDeal);
    EXPECT_EQ(failing.LastStep, -1) << "the progress is told that the build has ended";

    BoardGeometry empty(board.Report.Errors);
    GameCreator onEmpty(empty, random, board.Report.Errors);
    onEmpty.GameCreate(faces, silent, false);
    EXPECT_EQ(faces, oldDeal);
    EXPECT_EQ(board.Report.Titles(), (std::vector<std::string>{"frmBoard.GameCreate", "frmBoard.GameCreate"}));
}

// Hands out a fixed list of values (the last one repeats) and counts the draws.
struct ScriptedRandomSource final : RandomSource {
    explicit ScriptedRandomSource(const std::vector<double>& values) : Values(values) {}
    double NextUniform() override
    {
        ++Draws;
        return Values[std::min(Draws, Values.size()) - 1];
    }

    const std::vector<double>& Values;
    std::size_t Draws = 0;
};

// Up to 100 redraws avoid the excluded value; after that it steps one up, wrapping to lower.
// A draw of 1.0 still gives the top of the range.
TEST(FindRandomLong, ScriptedDrawsGiveTheDocumentedValues)
{
    struct Case {
        std::vector<double> Draws;
        std::int32_t Range, Lower, Excluded, Expected;
        std::size_t DrawsTaken;
    };
    for (const Case& c : {Case{{0.0}, 1, 7, 7, 7, 101}, Case{{0.1, 0.1, 0.5, 0.9}, 3, 5, 5, 6, 3},
                          Case{{0.99}, 3, 5, 7, 5, 101}, Case{{0.0}, 3, 5, 5, 6, 101},
                          Case{{1.0}, 3, 5, 5, 7, 1}}) {
        ScriptedRandomSource random(c.Draws);
        EXPECT_EQ(FindRandomLong(random, c.Range, c.Lower, c.Excluded), c.Expected) << c.Excluded;
        EXPECT_EQ(random.Draws, c.DrawsTaken) << c.Excluded;
    }
}

} // namespace
} // namespace tessaron
