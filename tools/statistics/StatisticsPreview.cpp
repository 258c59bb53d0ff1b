// Shows the statistics window over a made-up history of 60 games in the language given
// (en or de), for the screenshots in docs/ (scripts/make-statistics-shots.sh).
#include "board/DailyDeal.h"
#include "board/LayoutCatalog.h"
#include "records/SqliteGameHistory.h"
#include "shell/FormatPatterns.h"
#include "shell/QtMessageBox.h"
#include "shell/QtSettingsStore.h"
#include "statistics/frmStatistics.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>

namespace {

struct Fatal final : tessaron::HistoryTrouble {
    void HistoryUnavailable(const tessaron::HistoryFault& fault) override
    {
        std::fprintf(stderr, "history unavailable: %s\n", fault.Detail.c_str());
    }
};

struct English final : tessaron::SystemLocale {
    std::uint32_t UserDefaultLCID() const override { return 0x0409; }
    char DecimalSeparator() const override { return '.'; }
};

} // namespace

int main(int argc, char** argv)
{
    using namespace tessaron;
    QApplication application(argc, argv);
    const bool german = argc > 1 && QString::fromLocal8Bit(argv[1]) == QLatin1String("de");

    QtMessageBox box;
    ErrorReport errors(box, [] {}, [] {});
    QTemporaryDir folder;
    QtSettingsStore store(QDir(folder.path()).filePath(QStringLiteral("settings.ini")).toStdString());
    English system;
    Registry settings(store, errors, system);
    Locale texts(settings, errors, system);
    texts.SaveLocale(german ? 1 : 0);
    SystemClock clock;
    Fatal trouble;
    SqliteGameHistory history(QDir(folder.path()).filePath(QStringLiteral("history.sqlite")).toStdString(), trouble);

    const DateParts now = SplitDate(clock.Now());
    const std::int32_t today = *CalendarDay(now.Year, now.Month, now.Day);
    const char* layouts[] = {"classic", "classic", "diamond", "classic", "garden-snail", "moon-gate"};
    for (int i = 0; i < 60; ++i) {
        GameRow game;
        game.Started = "20260101120000";
        game.LayoutKey = layouts[i % 6];
        game.Band = DealBand((i * 7) % DealBandCount);
        // Deals of the day on most of the last days of the month so far.
        if (i % 2 == 0 && i / 2 < now.Day && i % 14 != 6) game.DailyDay = today - (now.Day - 1) + i / 2;
        game.Outcome = (i % 5 == 3 || i % 14 == 4) ? GameOutcome::Stuck : i % 11 == 7 ? GameOutcome::Abandoned : GameOutcome::Won;
        game.TimeMs = 150000 + (i * 104729) % 420000 - i * 1500;
        game.Moves = 72;
        history.FinishGame(history.StartGame(game), game);
    }
    const LayoutCatalog catalog;
    frmStatistics window(texts, errors, box, clock, history, catalog);
    window.Refresh();
    window.adjustSize();
    window.show();
    return application.exec();
}
