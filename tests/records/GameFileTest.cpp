#include "records/GameFile.h"

#include "ValidDeal.h"
#include "doubles/RecordingMessageBox.h"

#include <gtest/gtest.h>

namespace tessaron {
namespace {

TEST(GameFile, SavedDealLoadsBackIgnoringTrailingBytesAndARejectedFileChangesNothing)
{
    RecordingErrorReport report;
    const TileArray deal = ValidDeal(3);
    const std::string bytes = EncodeGameFile(deal, report.Errors);
    const TileArray before = ValidDeal(4);
    ASSERT_EQ(bytes.size(), GameFileSize);
    TileArray faces = before;
    ASSERT_TRUE(DecodeGameFile(bytes + "left over from a longer file", faces));
    EXPECT_EQ(faces, deal);

    std::string lowerCase = bytes;
    lowerCase[0] = 't';
    std::string fifthCopy = bytes;
    fifthCopy[12 + fifthCopy.substr(12).find_first_not_of('!')] = '!';
    for (const std::string& file : {lowerCase, bytes.substr(0, 155), fifthCopy, std::string()}) {
        faces = before;
        EXPECT_FALSE(DecodeGameFile(file, faces));
        EXPECT_EQ(faces, before);
    }
}

} // namespace
} // namespace tessaron
