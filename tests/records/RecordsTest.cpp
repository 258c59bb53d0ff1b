#include "board/LayoutCatalog.h"
#include "records/DateTimeText.h"
#include "records/GameFile.h"
#include "records/GameRecord.h"

#include "ValidDeal.h"
#include "doubles/RecordingMessageBox.h"
#include "shell/FormatPatterns.h"

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
        ASSERT_EQ(text[0], char(deal[1] + 32));  // the stored form: face + 32
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

// A classic game stays the 156-byte file byte for byte; another layout's key goes between
// signature and record, where a reader of the classic form alone sees no valid deal. Each
// form reads back with its key and length; a damaged key, the classic key spelt out, or a
// key whose record is cut short is refused as damaged, and a layout this game lacks is
// named in the refusal.
TEST(GameFile, EachLayoutReadsBackWithItsKeyAndClassicStaysTheOldFile)
{
    RecordingErrorReport report;
    const TileArray deal = ValidDeal(5);
    const std::string classic = EncodeGameFile(deal, ClassicLayoutKey, report.Errors);
    EXPECT_EQ(classic, EncodeGameFile(deal, report.Errors));
    EXPECT_EQ(classic, std::string(GameFileSignature) + ConvertTilesToString(deal, report.Errors));
    const std::string ring = EncodeGameFile(deal, "stone-ring", report.Errors);
    EXPECT_EQ(ring, "TessaronGame{stone-ring}" + classic.substr(12));
    const std::string longest = EncodeGameFile(deal, std::string(LayoutKeyLimit, 'k'), report.Errors);
    EXPECT_EQ(longest.size(), GameFileLimit);
    EXPECT_EQ(EncodeGameFile(deal, "Stone Ring", report.Errors), "");

    const LayoutCatalog catalog;
    for (const auto& [bytes, key] : {std::pair{classic, "classic"}, {ring, "stone-ring"}, {longest, ""}}) {
        const GameFileReading reading = ReadGameFile(bytes + "}left over");
        const auto* read = std::get_if<GameFileDeal>(&reading);
        ASSERT_TRUE(read) << bytes;
        EXPECT_EQ(read->Faces, deal);
        EXPECT_EQ(read->Length, bytes.size());
        EXPECT_EQ(GameFileRefusalText(reading, catalog), *key ? 0 : 989) << bytes;
    }
    TileArray faces = ValidDeal(6);
    EXPECT_FALSE(DecodeGameFile(ring, faces));  // the classic reader: no valid deal at byte 12
    EXPECT_EQ(faces, ValidDeal(6));

    const std::string record = classic.substr(12);
    for (const std::string& damaged :
         {"TessaronGame{" + record, "TessaronGame{}" + record, "TessaronGame{Ring}" + record,
          "TessaronGame{classic}" + record, "TessaronGame{" + std::string(33, 'k') + "}" + record,
          ring.substr(0, ring.size() - 1), "TessaronGame{stone-ring}" + classic}) {
        const GameFileReading reading = ReadGameFile(damaged);
        ASSERT_TRUE(std::holds_alternative<GameFileFault>(reading)) << damaged;
        EXPECT_EQ(std::get<GameFileFault>(reading), GameFileFault::DamagedLayoutKey) << damaged;
        EXPECT_EQ(GameFileRefusalText(reading, catalog), 988);
    }
    EXPECT_EQ(GameFileRefusalText(ReadGameFile("tessaronGame" + record), catalog), 283);
}

TEST(DateTimeText, TimesRoundTripZeroIsTheEmptyTextAndDamagedTextIsReported)
{
    RecordingErrorReport report;
    EXPECT_EQ(ConvertTimeToString(TimeSerial(25, 2, 3)), "010203");  // only the time of day is kept
    EXPECT_DOUBLE_EQ(ConvertTimeToDate("010203", report.Errors), TimeSerial(1, 2, 3));
    EXPECT_EQ(ConvertTimeToString(0), "");
    EXPECT_EQ(ConvertDateTimeToString(0), "");
    EXPECT_EQ(ConvertTimeToDate("", report.Errors), 0);
    EXPECT_EQ(ConvertDateTimeToDate("", report.Errors), 0);
    EXPECT_TRUE(report.Box.Boxes.empty());
    // Text with letters or too short is reported and reads as zero.
    EXPECT_EQ(ConvertTimeToDate("01x203", report.Errors), 0);
    EXPECT_EQ(ConvertTimeToDate("0102", report.Errors), 0);
    EXPECT_EQ(ConvertDateTimeToDate("2004O305070809", report.Errors), 0);
    EXPECT_EQ(report.Titles(), (std::vector<std::string>{"modSubMain.ConvertTimeToDate",
                                                         "modSubMain.ConvertTimeToDate",
                                                         "modSubMain.ConvertDateTimeToDate"}));
    EXPECT_EQ(report.Box.Boxes[0].Text, "VB Error 13 (Type mismatch)");
}

} // namespace
} // namespace tessaron
