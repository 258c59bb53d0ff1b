// The statistics window over a history double and the deal number dialog, driven through
// their real widgets offscreen, in both languages.
#include "board/DailyDeal.h"
#include "board/DealNumber.h"
#include "doubles/DoubleServices.h"
#include "doubles/EnterKey.h"
#include "doubles/MemoryGameHistory.h"
#include "statistics/DailyCalendar.h"
#include "statistics/SolvingTimeChart.h"
#include "statistics/frmDealNumber.h"
#include "statistics/frmStatistics.h"

#include <QLabel>
#include <QScopeGuard>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <QTimer>

namespace tessaron {
namespace {

const LayoutCatalog& Catalog()
{
    static const LayoutCatalog catalog;
    return catalog;
}

GameRow Game(const char* layout, GameOutcome outcome, std::int64_t timeMs, std::optional<DealBand> band = {},
             std::optional<std::int32_t> dailyDay = {})
{
    GameRow row;
    row.Started = "20040301120000";
    row.LayoutKey = layout;
    row.Band = band;
    row.DailyDay = dailyDay;
    row.Outcome = outcome;
    row.TimeMs = timeMs;
    return row;
}

struct Bench {
    explicit Bench(std::int32_t language)
    {
        if (language) Services.Texts.SaveLocale(language);
        // The clock stands on 5 March 2004: the 3rd and 4th were won, the 5th is stuck.
        const std::int32_t today = *CalendarDay(2004, 3, 5);
        for (const GameRow& game : {Game("classic", GameOutcome::Won, 185000, DealBand::Easy, today - 2),
                                    Game("diamond", GameOutcome::Stuck, 60000, DealBand::Hard),
                                    Game("classic", GameOutcome::Won, 3725000, DealBand::Easy, today - 1),
                                    Game("classic", GameOutcome::Stuck, 0, {}, today)})
            History.FinishGame(History.StartGame(game), game);
    }
    DoubleServices Services{1};
    MemoryGameHistory History;
    frmStatistics Window{Services.Wiring, History, Catalog()};
};

QString Cell(const QTableWidget* table, int row, int column) { return table->item(row, column)->text(); }

} // namespace

class StatisticsTest : public QObject {
    Q_OBJECT

private slots:
    // What the history holds, in each language: the tables, the calendar, the streak and the
    // chart's text alternative; every control reached by Tab carries a name.
    void ShowsTheHistoryInEachLanguage()
    {
        struct Case {
            std::int32_t Language;
            QString AllGames, Played, Rate, Easy, DayWon, DayPlayed, Streak, Summary;
        };
        const Case cases[] = {
            {0, "All games", "Played", "50%", "Easy", "won", "played, not won", "Streak: 2 days in a row won (best 2)",
             "The last 2 won games: fastest 3:05, slowest 1:02:05, average 32:35; the latest 1:02:05."},
            {1, "Alle Spiele", "Gespielt", "50 %", "Leicht", "gewonnen", "gespielt, nicht gewonnen",
             "Serie: 2 Tage in Folge gewonnen (beste 2)",
             "Die letzten 2 gewonnenen Spiele: schnellstes 3:05, langsamstes 1:02:05, Durchschnitt 32:35; das letzte 1:02:05."},
        };
        for (const Case& c : cases) {
            Bench bench(c.Language);
            bench.Window.show();
            bench.Window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&bench.Window));
            bench.Window.Refresh();
            const QTableWidget* layouts = bench.Window.LayoutTable();
            QCOMPARE(layouts->rowCount(), 3);  // all, classic, diamond
            QCOMPARE(layouts->verticalHeaderItem(0)->text(), c.AllGames);
            QCOMPARE(layouts->horizontalHeaderItem(0)->text(), c.Played);
            QCOMPARE(QStringList({Cell(layouts, 0, 0), Cell(layouts, 0, 1), Cell(layouts, 0, 2), Cell(layouts, 0, 5)}),
                     QStringList({"4", "2", c.Rate, "3:05"}));
            QCOMPARE(Cell(layouts, 1, 1), QStringLiteral("2"));  // classic: both wins
            QCOMPARE(bench.Window.BandTable()->verticalHeaderItem(0)->text(), c.Easy);
            QCOMPARE(Cell(bench.Window.BandTable(), 0, 6), QStringLiteral("32:35"));
            QCOMPARE(Cell(bench.Window.BandTable(), 1, 6), QStringLiteral("–"));  // no Medium game

            // 1 March 2004 is a Monday: the 3rd sits in the first row, third column.
            const QTableWidget* days = bench.Window.Calendar()->Days();
            QVERIFY(days->item(0, 2)->data(Qt::AccessibleTextRole).toString().endsWith(": " + c.DayWon));
            QVERIFY(days->item(0, 4)->data(Qt::AccessibleTextRole).toString().endsWith(": " + c.DayPlayed));
            QVERIFY(!days->item(0, 1)->data(Qt::AccessibleTextRole).toString().contains(':'));
            QCOMPARE(bench.Window.findChild<QLabel*>("lblDailyStreak")->text(), c.Streak);
            QCOMPARE(bench.Window.Chart()->accessibleDescription(), c.Summary);

            bench.Window.Calendar()->TurnMonth(-3);  // back over the year's end
            QCOMPARE(std::pair(bench.Window.Calendar()->Year(), bench.Window.Calendar()->Month()), std::pair(2003, 12));
            QVERIFY(!days->item(0, 0) || !days->item(0, 0)->data(Qt::AccessibleTextRole).toString().contains(':'));

            QSet<QWidget*> reached;
            for (int tab = 0; tab < 20; ++tab) {
                QWidget* focus = QApplication::focusWidget();
                if (focus) reached << focus;
                QTest::keyClick(focus ? focus : &bench.Window, Qt::Key_Tab);
            }
            for (QWidget* control : reached) {
                const auto* button = qobject_cast<QAbstractButton*>(control);
                QVERIFY2(!control->accessibleName().isEmpty() || (button && !button->text().isEmpty()),
                         qPrintable(control->objectName()));
            }
            QVERIFY(reached.contains(bench.Window.Chart()));
            QVERIFY(reached.contains(bench.Window.LayoutTable()));
            QCOMPARE(bench.Services.Report.Box.Boxes.size(), std::size_t(0));
        }
    }

    // Opened over the board on a screen narrower than its German tables: no larger than the
    // screen's free area, frame included, with Close in sight and the figures scrolled.
    void FitsTheScreenItOpensOn()
    {
        QWidget owner;  // outlives the window it becomes the parent of
        Bench bench(1);
        owner.resize(300, 200);
        owner.show();
        const QRect free = owner.screen()->availableGeometry();
        QRect frame;
        bool closeShown = false;
        QTimer::singleShot(300, &bench.Window, [&] {
            frame = bench.Window.frameGeometry();
            const auto* close = bench.Window.findChild<QPushButton*>("cmdClose");
            closeShown = bench.Window.rect().contains(QRect(close->mapTo(&bench.Window, QPoint()), close->size()));
            bench.Window.accept();
        });
        bench.Window.ShowAsDialog(&owner);
        QVERIFY2(free.contains(frame), qPrintable(QStringLiteral("%1x%2 at %3,%4 on %5x%6")
                                                      .arg(frame.width()).arg(frame.height()).arg(frame.x())
                                                      .arg(frame.y()).arg(free.width()).arg(free.height())));
        QVERIFY(closeShown);
        // The German tables alone ask for more than the screen's width here.
        QVERIFY(bench.Window.findChild<QScrollArea*>("scrFigures")->widget()->sizeHint().width() > free.width());
    }

    // Reset asks first, in the game's language; only OK forgets the games. A history that
    // could not be opened says so and offers no Reset.
    void ResetForgetsOnlyAfterOk()
    {
        Bench bench(1);
        bench.Window.show();
        bench.Window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&bench.Window));
        bench.Window.Refresh();
        auto* reset = bench.Window.findChild<QPushButton*>("cmdReset");
        QVERIFY(reset->isEnabled());
        bench.Services.Report.Box.Answers = {MessageBoxAnswer::Cancel, MessageBoxAnswer::Ok};
        reset->click();
        QCOMPARE(bench.History.Rows.size(), std::size_t(4));
        QCOMPARE(ButtonsPressedByEnterOn(bench.Window, reset), QStringList{"cmdReset"});
        QVERIFY(bench.History.Rows.empty());
        const auto& boxes = bench.Services.Report.Box.Boxes;
        QCOMPARE(boxes.size(), std::size_t(2));
        QCOMPARE(boxes[0].BoxKind, RecordingMessageBox::Kind::Question);
        QCOMPARE(QString::fromStdString(boxes[0].Title), QStringLiteral("Statistik zurücksetzen"));
        QVERIFY(QString::fromStdString(boxes[0].Text).startsWith("Alle 4 Spiele"));
        QCOMPARE(Cell(bench.Window.LayoutTable(), 0, 0), QStringLiteral("0"));
        QVERIFY(!reset->isEnabled());
        QVERIFY(bench.Window.findChild<QLabel*>("lblHistoryMissing")->isHidden());

        RecordingHistoryTrouble trouble;
        bench.History.MakeUnavailable(trouble, {});
        bench.Window.Refresh();
        QVERIFY(!bench.Window.findChild<QLabel*>("lblHistoryMissing")->isHidden());
        QVERIFY(!reset->isEnabled());
    }

    // The number is taken whole or refused with its reason in red, in full, OK disabled; Enter
    // then does nothing, Escape gives nothing.
    void DealNumberIsTakenWholeOrRefused()
    {
        struct Case {
            std::int32_t Language;
            const char* Typed;
            Qt::Key Key;
            std::optional<std::int32_t> Chosen;
            DealNumberFault Shown;
        };
        const Case cases[] = {
            {0, " 12345 ", Qt::Key_Return, 12345, DealNumberFault::None},
            {1, "2147483647", Qt::Key_Return, 2147483647, DealNumberFault::None},
            {1, "2147483648", Qt::Key_Return, std::nullopt, DealNumberFault::OutOfRange},
            {0, "12abc", Qt::Key_Return, std::nullopt, DealNumberFault::NotANumber},
            {0, "", Qt::Key_Return, std::nullopt, DealNumberFault::None},
            {0, "77", Qt::Key_Escape, std::nullopt, DealNumberFault::None},
        };
        for (const Case& c : cases) {
            DoubleServices services(1);
            if (c.Language) services.Texts.SaveLocale(c.Language);
            frmDealNumber dialog(services.Wiring);
            QTimer::singleShot(0, &dialog, [&] {
                // A failed check returns early: the dialog must close all the same.
                const auto close = qScopeGuard([&] {
                    if (dialog.isVisible()) dialog.reject();
                });
                QTest::keyClicks(dialog.NumberField(), c.Typed);
                const std::string fault = DealNumberFaultText(c.Shown, c.Typed, services.Texts.LocaleStringBase);
                QCOMPARE(dialog.FaultLabel()->text().toStdString(), fault);
                QCOMPARE(dialog.FaultLabel()->isVisible(), !fault.empty());
                QCOMPARE(dialog.FaultLabel()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
                QVERIFY(dialog.FaultLabel()->sizeHint().width() <= dialog.FaultLabel()->width() || fault.empty());
                QCOMPARE(dialog.OkButton()->isEnabled(), fault.empty() && *c.Typed);
                QTest::keyClick(dialog.NumberField(), c.Key);
            });
            QCOMPARE(dialog.Ask(nullptr), c.Chosen);
        }
    }
};

} // namespace tessaron

QTEST_MAIN(tessaron::StatisticsTest)
#include "StatisticsTest.moc"
