#include "records/GameFile.h"

#include "ValidDeal.h"
#include "doubles/RecordingMessageBox.h"

#include <gtest/gtest.h>

namespace tessaron {
namespace {

class GameFileTest : public testing::Test {
protected:
    RecordingErrorReport report;
    const TileArray deal = ValidDeal(3);
    const std::string bytes = EncodeGameFile(deal, report.Errors);
    const TileArray before = ValidDeal(4);
};

TEST_F(GameFileTest, SavedDealLoadsBackAndIgnoresTrailingBytes)
{
    ASSERT_EQ(bytes.size(), GameFileSize);
    EXPECT_EQ(bytes.substr(0, 12), "TessaronGame");
    TileArray faces = before;
    ASSERT_TRUE(DecodeGameFile(bytes + "left over from a longer file", faces));
    EXPECT_EQ(faces, deal);
}

TEST_F(GameFileTest, RejectedFileLeavesTheFacesUntouched)
{
    std::string lowerCase = bytes;
    lowerCase[0] = 't';
    std::string fifthCopy = bytes;
    fifthCopy[12 + fifthCopy.substr(12).find_first_not_of('!')] = '!';
    for (const std::string& file : {lowerCase, bytes.substr(0, 155), fifthCopy, std::string()}) {
        TileArray faces = before;
        EXPECT_FALSE(DecodeGameFile(file, faces));
        EXPECT_EQ(faces, before);
    }
}

TEST_F(GameFileTest, DealThatCannotBeEncodedGivesNoBytes)
{
    TileArray broken = deal;
    broken[1] = 300;
    EXPECT_EQ(EncodeGameFile(broken, report.Errors), "");
    EXPECT_EQ(report.Titles(), std::vector<std::string>{"modSubMain.ConvertTilesToString"});
}

} // namespace
} // namespace tessaron
