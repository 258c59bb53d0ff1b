#include "records/GameRecord.h"

#include "ValidDeal.h"
#include "doubles/RecordingMessageBox.h"

#include <gtest/gtest.h>

namespace tessaron {
namespace {

TEST(GameRecord, PropertyEveryValidDealSurvivesTheRoundTrip)
{
    RecordingErrorReport report;
    for (unsigned seed = 1; seed <= 200; ++seed) {
        const TileArray deal = ValidDeal(seed);
        const std::string text = ConvertTilesToString(deal, report.Errors);
        ASSERT_EQ(text.size(), 144u);
        ASSERT_EQ(text[0], char(deal[1] + 32));
        ASSERT_TRUE(std::all_of(text.begin(), text.end(), [](char c) { return c >= '!' && c <= 'J'; }));
        TileArray back{};
        ASSERT_TRUE(ConvertTilesFromString(back, text));
        ASSERT_EQ(back, deal);
    }
    EXPECT_TRUE(report.Box.Boxes.empty());
}

TEST(GameRecord, RejectedTextLeavesTheTilesUntouched)
{
    RecordingErrorReport report;
    const TileArray before = ValidDeal(7);
    const std::string good = ConvertTilesToString(ValidDeal(8), report.Errors);
    std::vector<std::string> bad = {good.substr(0, 143), good + "!", std::string(144, '!')};
    for (const char replacement : {' ', 'K', char(0xC3)}) bad.push_back(std::string(1, replacement) + good.substr(1));
    // A fifth copy of any face 1..34 or a second copy of any face 35..42, put in the place
    // of another face so that the length stays 144.
    for (char face = '!'; face <= 'J'; ++face) {
        std::string extra = good;
        extra[extra.find_first_not_of(face)] = face;
        bad.push_back(extra);
    }
    for (const std::string& text : bad) {
        TileArray tiles = before;
        EXPECT_FALSE(ConvertTilesFromString(tiles, text)) << text;
        EXPECT_EQ(tiles, before);
    }
}

TEST(GameRecord, ValueOutsideTheCodeRangeIsReportedAndGivesEmptyText)
{
    for (const std::int32_t value : {-1, 224}) {
        RecordingErrorReport report;
        TileArray tiles = ValidDeal(1);
        tiles[144] = value;
        EXPECT_EQ(ConvertTilesToString(tiles, report.Errors), "");
        EXPECT_EQ(report.Titles(), std::vector<std::string>{"modSubMain.ConvertTilesToString"});
    }
}

} // namespace
} // namespace tessaron
