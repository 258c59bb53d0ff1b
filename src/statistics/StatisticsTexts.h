#pragma once
// The texts of the statistics window and the deal number dialog (text numbers 600 to 635),
// and the one way they show a time and a share.
#include "shell/Locale.h"

#include <QLocale>
#include <QString>

#include <cstdint>

namespace tessaron {

namespace StatisticsText {
// Menu items of the board window.
constexpr std::int16_t MenuStatistics = 600;      // "Statistics..."
constexpr std::int16_t MenuNumberedGame = 601;    // "New numbered game..."
constexpr std::int16_t MenuDealOfTheDay = 602;    // "Deal of the day", also the calendar's frame
constexpr std::int16_t MenuGameByDifficulty = 603;  // "New game by difficulty" (items: DealBandName)
// The statistics window.
constexpr std::int16_t Caption = 604;
constexpr std::int16_t Description = 605;
constexpr std::int16_t ByLayout = 606;
constexpr std::int16_t ByDifficulty = 607;
constexpr std::int16_t AllGames = 608;
constexpr std::int16_t Played = 609;  // then Won, Win rate, Current streak, Best streak, Best time, Average time
constexpr std::int16_t Percent = 616;
constexpr std::int16_t NoTime = 617;
constexpr std::int16_t DailyStreak = 618;
constexpr std::int16_t PreviousMonth = 619;
constexpr std::int16_t NextMonth = 620;
constexpr std::int16_t DayWon = 621;
constexpr std::int16_t DayPlayed = 622;
constexpr std::int16_t CalendarName = 623;
constexpr std::int16_t ChartTitle = 624;
constexpr std::int16_t ChartEmpty = 625;
constexpr std::int16_t ChartSummary = 626;
constexpr std::int16_t Reset = 627;
constexpr std::int16_t Close = 628;
constexpr std::int16_t ResetTitle = 629;
constexpr std::int16_t ResetQuestion = 630;
constexpr std::int16_t ResetQuestionOne = 957;  // with a single game kept
constexpr std::int16_t HistoryMissing = 631;
// The deal number dialog.
constexpr std::int16_t DealNumberCaption = 632;
constexpr std::int16_t DealNumberPrompt = 633;
constexpr std::int16_t DealNumberOk = 634;
constexpr std::int16_t DealNumberCancel = 635;
} // namespace StatisticsText

inline QString LocaleText(const Locale& texts, std::int16_t number)
{
    return QString::fromStdString(texts.LoadLocaleString(number));
}

// The Qt locale of the game's language, for month and day names.
QLocale GameQtLocale(const Locale& texts);

// An elapsed time: "4:05", from an hour on "1:04:05"; "–" for 0 (no time known).
QString StatisticsTimeText(std::int64_t ms, const Locale& texts);
// A share 0..1 as a whole percentage in the language's form ("57%", "57 %").
QString StatisticsPercentText(double share, const Locale& texts);

} // namespace tessaron
