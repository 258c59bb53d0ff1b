#include "board/DailyDeal.h"
#include "board/DealDifficulty.h"
#include "board/DealNumber.h"
#include "board/LayoutCatalog.h"
#include "records/GameRecord.h"
#include "shell/DealOptions.h"
#include "shell/StringTable.h"
#include "LayoutBoard.h"
#include "StandardBoard.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace tessaron {
namespace {

struct SilentBuild final : GameCreateObserver {
    void ShowStep(std::int32_t) override {}
};

const LayoutCatalog& Catalog()
{
    static const LayoutCatalog catalog;
    return catalog;
}

// A number and a layout key must give this deal, and this rating, on every machine and in
// every later version: players share and replay deals by number. A change to the generator,
// the builder's use of its draws, the seed or the simulated players shows here.
TEST(NumberedDeals, RecordsAndBandsArePinned)
{
    struct Case {
        std::string_view Layout;
        std::int32_t Number;
        std::string_view Record;
        std::int32_t Wins;
        DealBand Band;
    };
    const Case cases[] = {
        {"classic", 1, R"deal(<5:B-%@;,7/(?B74$.!"(*+J0.");=*:<I0?1%?A#33-FB6,!&@$#%'/25;(+60A9&4#'>0EC$61!=!&1#$6-78(392>@->+A")1/):,*<98+8>D%'84AH.3';=:9G,)5</2="*7@24&.B?5)deal", 25, DealBand::Hard},
        {"classic", 12345, R"deal(A?'.J579-?03--3/,9%,7A:.6F,7,*6<&4'&3#=00"<%#G(I)B5(>@:+=8H/!";2/+<9!A8&31296("*+>'(=&@8B1.4:."6+$*CAB14#)2!$7E@/*='>$-$D)!8@;:%5#)<;5%>2;B104??)deal", 61, DealBand::Medium},
        {"classic", 2147483647, R"deal(.#'0'+&@.;/%6(;@'&*)<5*+=J!6*$.05!5"/?A;243#*->I8:4GD,;---+)A%9>,776#5)4("(4137:1$%.+@'/BB2">8<9,9E0C7618&!$BB$=&@322"!#3,?801==?::(F9>A?%HA<</))deal", 72, DealBand::Medium},
        {"open-plain", 7, R"deal(&13@&?'>4+,(#%$980;.I)1,B2/=B!4/.-'H28(*-.!:*>8!>=GF5J9()7,23"7?4A95"7<3"'+66;?=!%()*92%"D$C/5$:3@)1+>#B#5:.E*A,=?06@<&;+&%A/A:-#$B<47'-108<@60;)deal", 1, DealBand::Hard},
    };
    SilentBuild silent;
    for (const Case& c : cases) {
        const Layout* layout = Catalog().Find(c.Layout);
        ASSERT_NE(layout, nullptr) << c.Layout;
        LayoutBoard board(*layout);
        TileArray faces{};
        CreateNumberedDeal(board.Geometry, layout->Key, c.Number, faces, silent, false, board.Report.Errors);
        EXPECT_EQ(ConvertTilesToString(faces, board.Report.Errors), c.Record) << c.Layout << " " << c.Number;
        const DealRating rating = RateDeal(board.Geometry, c.Layout, faces);
        EXPECT_EQ(rating.Wins, c.Wins) << c.Layout << " " << c.Number;
        EXPECT_EQ(rating.Band, c.Band) << c.Layout << " " << c.Number;
    }
    // The window builds the classic board from its built-in text: the same deal.
    StandardBoard standard;
    TileArray faces{};
    CreateNumberedDeal(standard.Geometry, ClassicLayoutKey, 1, faces, silent, false, standard.Report.Errors);
    EXPECT_EQ(ConvertTilesToString(faces, standard.Report.Errors), cases[0].Record);
}

// What a player types, in the dialog or on the command line: only a plain whole number in
// range is taken; nothing is wrapped, truncated or read in part.
TEST(NumberedDeals, NumbersAreReadWholeOrRefused)
{
    struct Case {
        std::string_view Text;
        std::int32_t Number;
        DealNumberFault Fault;
    };
    using enum DealNumberFault;
    for (const Case& c : {Case{"1", 1, None}, Case{"2147483647", 2147483647, None}, Case{" 42\t", 42, None},
                          Case{"007", 7, None}, Case{"0", 0, OutOfRange}, Case{"2147483648", 0, OutOfRange},
                          Case{"4294967297", 0, OutOfRange}, Case{"99999999999999999999999", 0, OutOfRange},
                          Case{"-1", 0, NotANumber}, Case{"+5", 0, NotANumber}, Case{"12abc", 0, NotANumber},
                          Case{"1 2", 0, NotANumber}, Case{"1e3", 0, NotANumber}, Case{"\xEF\xBC\x91", 0, NotANumber},
                          Case{"", 0, Missing}, Case{"   ", 0, Missing}}) {
        const DealNumberReading reading = ParseDealNumber(c.Text);
        EXPECT_EQ(reading.Number, c.Number) << c.Text;
        EXPECT_EQ(reading.Fault, c.Fault) << c.Text;
    }
    for (int base : {EnglishStringBase, GermanStringBase}) {
        EXPECT_NE(DealNumberFaultText(NotANumber, "12abc", base).find("12abc"), std::string::npos);
        EXPECT_NE(DealNumberFaultText(OutOfRange, "0", base).find("2147483647"), std::string::npos);
    }
    EXPECT_EQ(DealOriginText(12345, EnglishStringBase), "Deal 12345");
}

// The deal of the day is a fixed function of the date: pinned across a year's turn, a leap
// day and dates before 2000 and 1970; dates that do not exist have no deal; no two days of
// a century share one.
TEST(DailyDeals, NumbersFollowTheDateAlone)
{
    struct Case {
        std::int32_t Year, Month, Day;
        std::optional<std::int32_t> Number;
    };
    for (const Case& c : {Case{1999, 12, 31, 663627608}, Case{2000, 1, 1, 1614333984},
                          Case{2024, 2, 29, 1379493355}, Case{1970, 1, 1, 20260102},
                          Case{1969, 12, 31, 1217037373}, Case{2023, 2, 29, std::nullopt},
                          Case{2024, 4, 31, std::nullopt}, Case{2024, 13, 1, std::nullopt},
                          Case{2024, 0, 10, std::nullopt}, Case{2024, 1, 0, std::nullopt}})
        EXPECT_EQ(DailyDealNumber(c.Year, c.Month, c.Day), c.Number) << c.Year << "-" << c.Month << "-" << c.Day;

    // The calendar's own boundaries: 2000 is a leap year, 1900 is not.
    EXPECT_EQ(*CalendarDay(2000, 3, 1) - *CalendarDay(2000, 2, 28), 2);
    EXPECT_EQ(*CalendarDay(1900, 3, 1) - *CalendarDay(1900, 2, 28), 1);
    EXPECT_EQ(*CalendarDay(2000, 1, 1) - *CalendarDay(1999, 12, 31), 1);

    std::set<std::int32_t> numbers;
    for (std::int32_t day = *CalendarDay(2000, 1, 1); day <= *CalendarDay(2099, 12, 31); ++day) numbers.insert(day);
    std::set<std::int32_t> dealNumbers;
    for (std::int32_t year = 2000; year < 2100; ++year)
        for (std::int32_t month = 1; month <= 12; ++month)
            for (std::int32_t day = 1; day <= 31; ++day)
                if (const auto number = DailyDealNumber(year, month, day)) {
                    ASSERT_GE(*number, FirstDealNumber);
                    dealNumbers.insert(*number);
                }
    EXPECT_EQ(dealNumbers.size(), numbers.size());
}

// A streak of days lives until a whole day passes without a win.
TEST(DailyDeals, StreaksCountConsecutiveDaysWon)
{
    struct Case {
        std::vector<std::int32_t> DaysWon;
        std::int32_t Today, Current, Best;
    };
    for (const Case& c : {Case{{}, 100, 0, 0}, Case{{100}, 100, 1, 1}, Case{{99}, 100, 1, 1}, Case{{98}, 100, 0, 1},
                          Case{{97, 98, 99, 96}, 100, 4, 4}, Case{{100, 99, 99, 97, 96, 95, 94}, 100, 2, 4},
                          Case{{-2, -1, 0, 1}, 1, 4, 4}, Case{{10, 11, 20}, 100, 0, 2}}) {
        EXPECT_EQ(CurrentDayStreak(c.DaysWon, c.Today), c.Current) << c.Today;
        EXPECT_EQ(BestDayStreak(c.DaysWon), c.Best) << c.Today;
    }
}

// The thresholds split the classic layout's numbered deals into four bands of about a quarter
// each (here deals the calibration never saw), and a random player with other draws than the
// rating's wins Easy deals far more often than Expert ones.
TEST(DifficultyBands, BandsHoldAQuarterEachAndMatchIndependentPlay)
{
    StandardBoard board;
    SilentBuild silent;
    std::array<std::int32_t, DealBandCount> deals{}, independentWins{};
    constexpr std::int32_t Deals = 200;
    for (std::int32_t number = 500001; number < 500001 + Deals; ++number) {
        TileArray faces{};
        CreateNumberedDeal(board.Geometry, ClassicLayoutKey, number, faces, silent, false, board.Report.Errors);
        const std::size_t band = std::size_t(RateDeal(board.Geometry, ClassicLayoutKey, faces).Band);
        ++deals[band];
        independentWins[band] += RandomPlayerWinCount(board.Geometry, faces, 128, 0xABCDEF00ULL + number);
    }
    for (std::size_t band = 0; band < deals.size(); ++band) {
        EXPECT_GE(deals[band], Deals * 15 / 100) << DealBandKey(DealBand(band));
        EXPECT_LE(deals[band], Deals * 35 / 100) << DealBandKey(DealBand(band));
    }
    const double easyRate = double(independentWins[0]) / deals[0];
    const double expertRate = double(independentWins[3]) / deals[3];
    EXPECT_GE(easyRate, 3 * expertRate);
}

// Each built-in layout has thresholds of its own, so its bands hold about a quarter of its
// deals each (here deals its calibration never saw); a player's layout is rated like the
// classic one.
TEST(DifficultyBands, EveryBuiltInLayoutHasItsOwnQuarters)
{
    SilentBuild silent;
    constexpr std::int32_t Deals = 40;
    EXPECT_EQ(LayoutBandThresholds("a-players-own"), ClassicBandThresholds);
    for (const Layout& layout : Catalog().Layouts()) {
        LayoutBoard board(layout);
        std::array<std::int32_t, DealBandCount> deals{};
        for (std::int32_t number = 700001; number < 700001 + Deals; ++number) {
            TileArray faces{};
            CreateNumberedDeal(board.Geometry, layout.Key, number, faces, silent, false, board.Report.Errors);
            ++deals[std::size_t(RateDeal(board.Geometry, layout.Key, faces).Band)];
        }
        for (std::size_t band = 0; band < deals.size(); ++band) {
            EXPECT_GE(deals[band], 3) << layout.Key << " " << DealBandKey(DealBand(band));
            EXPECT_LE(deals[band], 19) << layout.Key << " " << DealBandKey(DealBand(band));
        }
    }
}

// A deal of a band is the first number from the start that has it (2147483647 is followed
// by 1), rebuilt from its number alike; a search that runs out of tries finds nothing.
TEST(DifficultyBands, SearchTakesTheFirstNumberOfTheBand)
{
    StandardBoard board;
    const auto found = FindDealOfBand(board.Geometry, ClassicLayoutKey, DealBand::Hard, LastDealNumber,
                                      board.Report.Errors);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->Number, 1);  // 2147483647 is Medium, 1 is Hard
    EXPECT_EQ(found->Tries, 2);
    EXPECT_EQ(found->Rating.Band, DealBand::Hard);
    for (DealBand band : {DealBand::Easy, DealBand::Medium, DealBand::Hard, DealBand::Expert}) {
        const auto deal = FindDealOfBand(board.Geometry, ClassicLayoutKey, band, 777, board.Report.Errors);
        ASSERT_TRUE(deal.has_value()) << DealBandKey(band);
        TileArray faces{};
        SilentBuild silent;
        CreateNumberedDeal(board.Geometry, ClassicLayoutKey, deal->Number, faces, silent, false, board.Report.Errors);
        EXPECT_EQ(faces, deal->Faces);
        EXPECT_EQ(RateDeal(board.Geometry, ClassicLayoutKey, faces).Band, band);
        EXPECT_EQ(DealBandFromKey(DealBandKey(band)), band);
    }
    EXPECT_FALSE(FindDealOfBand(board.Geometry, ClassicLayoutKey, DealBand::Easy, LastDealNumber,
                                board.Report.Errors, 1));
    EXPECT_EQ(BandSearchFailedText(DealBand::Easy, 200, EnglishStringBase).find("No deal of the difficulty Easy"), 0u);
    EXPECT_TRUE(board.Report.Box.Boxes.empty());
}

// The options that start the window with a deal: read, or refused with the reason.
TEST(NumberedDeals, StartOptionsAreReadOrRefused)
{
    using Kind = DealStartRequest::Kind;
    using Args = std::vector<std::string>;
    EXPECT_EQ(std::get<DealStartRequest>(ParseDealStartOptions(Args{"-GameCreateShow"})), DealStartRequest{});
    EXPECT_EQ(std::get<DealStartRequest>(ParseDealStartOptions(Args{"--deal", "77", "--layout", "diamond"})),
              (DealStartRequest{Kind::Numbered, 77, "diamond"}));
    EXPECT_EQ(std::get<DealStartRequest>(ParseDealStartOptions(Args{"--daily"})), (DealStartRequest{Kind::Daily, 0, ""}));
    for (const Args& refused : {Args{"--deal", "0"}, Args{"--deal"}, Args{"--deal", "5x"}, Args{"--deal", "1", "--daily"},
                                Args{"--daily", "--layout"}})
        EXPECT_FALSE(std::get<std::string>(ParseDealStartOptions(refused)).empty()) << refused.size();
}

} // namespace
} // namespace tessaron
