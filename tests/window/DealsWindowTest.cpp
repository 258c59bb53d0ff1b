// The board window's numbered deals, the deal of the day, games of a difficulty, the
// command line's deal, the history's rows and the statistics window.
#include "BoardBench.h"
#include "doubles/MemoryGameHistory.h"
#include "halloffame/ModalDriver.h"

#include "board/DailyDeal.h"
#include "board/DealDifficulty.h"
#include "board/LayoutCatalog.h"
#include "layouts/PlayerLayoutFolder.h"
#include "records/SqliteGameHistory.h"
#include "shell/StringTable.h"
#include "statistics/frmDealNumber.h"
#include "statistics/frmStatistics.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>

namespace tessaron {

namespace {

// Deal 12345 of the classic layout as every version builds it (tests/board pins it too).
constexpr const char* Deal12345 =
    "A?'.J579-?03--3/,9%,7A:.6F,7,*6<&4'&3#=00\"<%#G(I)B5(>@:+=8H/!\";2/+<9!A8&31296(\"*+>'(=&@8B1.4:.\"6+$*CAB14#)2!$7E@/*='>$-$D)!8@;:%5#)<;5%>2;B104??";

TileArray Record(const std::string& text)
{
    TileArray faces{};
    ConvertTilesFromString(faces, text);
    return faces;
}

// A board whose history is kept in memory and read back by the test.
struct DealsBench : BoardBench {
    DealsBench()
    {
        OpenHistory = [this](HistoryTrouble&) -> std::unique_ptr<GameHistory> {
            // As the store does at its opening: a game still playing was cut off.
            for (GameRow& row : History.Rows)
                if (row.Outcome == GameOutcome::Playing) row.Outcome = GameOutcome::Abandoned;
            ++Opened;
            struct Shared final : GameHistory {
                explicit Shared(MemoryGameHistory& rows) : Rows(rows) {}
                std::int64_t StartGame(const GameRow& game) override { return Rows.StartGame(game); }
                bool FinishGame(std::int64_t id, const GameRow& game) override { return Rows.FinishGame(id, game); }
                std::vector<GameRow> Games() override { return Rows.Games(); }
                void Reset() override { Rows.Reset(); }
                bool Available() const override { return Rows.Available(); }
                MemoryGameHistory& Rows;
            };
            return std::make_unique<Shared>(History);
        };
    }
    const DealIdentity& Identity() const { return Board->Deals().Identity(); }
    MemoryGameHistory History;
    int Opened = 0;
};

} // namespace

class DealsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QuietResizeWarnings(); }

    // The dialog refuses a number out of range in full and starts nothing; 12345 deals the
    // pinned deal under "Deal 12345 · Medium" in English and German, and the number and its
    // band go with the saved deal into the next start and into its history row.
    void NumberedGameShowsItsNumberInBothLanguagesAndIsKept()
    {
        DealsBench bench;
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        bool refused = false;
        testkit::WhenShown<frmDealNumber>([&refused](frmDealNumber& dialog) {
            dialog.NumberField()->setText(QStringLiteral("2147483648"));
            refused = !dialog.OkButton()->isEnabled() && dialog.FaultLabel()->text().contains("2147483648");
        });
        bench.Action("mnuGameNewNumbered")->trigger();
        QVERIFY(refused);
        QCOMPARE(bench.Board->Model().DealtFaces(), bench.Deal.Faces);

        testkit::WhenShown<frmDealNumber>([](frmDealNumber& dialog) {
            dialog.NumberField()->setText(QStringLiteral("12345"));
            dialog.OkButton()->click();
        });
        bench.Action("mnuGameNewNumbered")->trigger();
        QCOMPARE(bench.Board->Model().DealtFaces(), Record(Deal12345));
        QCOMPARE(bench.Text("lblGameOrigin"), QString("Deal 12345 · Medium"));
        bench.Action("mnuOptionLocaleSelect_1")->trigger();
        QCOMPARE(bench.Text("lblGameOrigin"), QString("Spiel Nr. 12345 · Mittel"));
        bench.Action("mnuOptionLocaleSelect_0")->trigger();
        QCOMPARE(bench.Text("lblGameOrigin"), QString("Deal 12345 · Medium"));
        bench.Close();
        QCOMPARE(bench.Store.Read("Board", "GameNumber"), std::optional<std::string>("12345"));

        QVERIFY(bench.Open());
        QCOMPARE(bench.Board->Model().DealtFaces(), Record(Deal12345));
        QCOMPARE(bench.Text("lblGameOrigin"), QString("Deal 12345 · Medium"));
        QCOMPARE(bench.Identity().Number, 12345);
        const std::vector<GameRow>& rows = bench.History.Rows;
        QTRY_COMPARE(rows.size(), std::size_t(3));  // the resumed deal, 12345, 12345 resumed
        QCOMPARE(rows[0].Number, 0);
        QCOMPARE(rows[0].Outcome, GameOutcome::Abandoned);
        QCOMPARE(rows[1].Number, 12345);
        QCOMPARE(rows[1].Outcome, GameOutcome::Abandoned);
        QCOMPARE(rows[2].Number, 12345);
        QCOMPARE(rows[2].LayoutKey, std::string("classic"));

        // A plain new game has no number, and leaves no number beside the saved deal.
        bench.Action("mnuFileNewGame")->trigger();
        QCOMPARE(bench.Text("lblGameOrigin"), QString("New game"));
        QCOMPARE(bench.Identity().Number, 0);
        bench.Close();
        QCOMPARE(bench.Store.Read("Board", "GameNumber"), std::nullopt);
        QCOMPARE(bench.Store.Read("Board", "GameOrigin"), std::nullopt);
    }

    // The number of the deal of the day follows from the local date of the clock, its day
    // goes into the history.
    void DealOfTheDayFollowsTheLocalDate()
    {
        DealsBench bench;
        QVERIFY(bench.Open());
        QTRY_COMPARE(bench.History.Rows.size(), std::size_t(1));
        const struct {
            int Year, Month, Day;
            double Moment;  // late in that day
        } dates[] = {{2004, 3, 5, 38051.99}, {1999, 12, 31, 36525.999}, {2026, 1, 1, 46023.5}};
        for (const auto& date : dates) {
            bench.Time.Moment = date.Moment;
            bench.Action("mnuGameDealOfTheDay")->trigger();
            const std::int32_t number = *DailyDealNumber(date.Year, date.Month, date.Day);
            QCOMPARE(bench.Identity().Number, number);
            // Rated like every numbered deal: the band beside the number and in the history.
            QVERIFY(bench.Identity().Band);
            QCOMPARE(bench.Text("lblGameOrigin"),
                     QString("Deal %1 · %2").arg(number).arg(QString::fromUtf8(DealBandName(*bench.Identity().Band, EnglishStringBase).data())));
            QCOMPARE(bench.History.Rows.back().Band, bench.Identity().Band);
            QCOMPARE(bench.History.Rows.back().DailyDay, CalendarDay(date.Year, date.Month, date.Day));
            QCOMPARE(bench.History.Rows.back().Number, number);
        }
    }

    // A game of a band is a numbered deal that rates in that band, and shows both.
    void GameOfABandRatesInThatBand()
    {
        DealsBench bench;
        QVERIFY(bench.Open());
        QTRY_COMPARE(bench.History.Rows.size(), std::size_t(1));
        const struct {
            const char* Item;
            DealBand Band;
            const char* English;
            const char* German;
        } cases[] = {{"mnuGameDifficulty_0", DealBand::Easy, "Easy", "Leicht"},
                     {"mnuGameDifficulty_3", DealBand::Expert, "Expert", "Experte"}};
        for (const auto& c : cases) {
            bench.Action("mnuOptionLocaleSelect_0")->trigger();
            bench.Action(c.Item)->trigger();
            QCOMPARE(bench.Identity().Band, std::optional<DealBand>(c.Band));
            QCOMPARE(RateDeal(bench.Geometry, ClassicLayoutKey, bench.Board->Model().DealtFaces()).Band, c.Band);
            const std::int32_t number = bench.Identity().Number;
            QVERIFY(number >= FirstDealNumber);
            QCOMPARE(bench.Text("lblGameOrigin"), QString("Deal %1 · %2").arg(number).arg(c.English));
            bench.Action("mnuOptionLocaleSelect_1")->trigger();
            QCOMPARE(bench.Text("lblGameOrigin"), QString("Spiel Nr. %1 · %2").arg(number).arg(c.German));
            QCOMPARE(bench.History.Rows.back().Band, std::optional<DealBand>(c.Band));
        }
        QVERIFY(bench.Companions.Messages.empty());
    }

    // Every game is a row from its start: a won game with its moves, undos and the clock's
    // time (a pause left out), a game left at a dead end stuck, one left in play (a new game,
    // closing) abandoned.
    void HistoryRowsFollowEachGameToItsEnd()
    {
        DealsBench bench;
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        std::vector<GameRow>& rows = bench.History.Rows;
        // The history is opened once the first deal is on the screen.
        QTRY_COMPARE(rows.size(), std::size_t(1));
        QCOMPARE(rows[0].Outcome, GameOutcome::Playing);
        bench.Action("mnuOptionTimingActive")->trigger();
        bench.MovePair(72);
        bench.Press("cmdUndoLastMove");
        bench.Press("cmdRedoNextMove");
        bench.Action("mnuGamePause")->trigger();
        bench.Time.AdvanceSeconds(30);
        bench.Action("mnuGamePause")->trigger();
        bench.Time.AdvanceSeconds(90);
        for (int k = 71; k >= 1; --k) bench.MovePair(k);
        QVERIFY(bench.Board->Model().GameWon());
        QCOMPARE(rows[0].Outcome, GameOutcome::Won);
        QCOMPARE(rows[0].Moves, 73);  // the redone pair was taken off twice
        QCOMPARE(rows[0].Undos, 1);
        QCOMPARE(rows[0].TimeMs, std::int64_t(90000));
        QCOMPARE(rows[0].ClockOn, true);
        QCOMPARE(rows[0].PeekUsed, false);
        QCOMPARE(bench.Companions.Inserts.size(), std::size_t(1));

        // A dead end reached and left stays stuck.
        bench.Close();
        bench.StoreGame(DeadEndDeal(1));
        QVERIFY(bench.Open());
        QTRY_COMPARE(rows.size(), std::size_t(2));
        bench.Move(88, 114);
        QVERIFY(bench.Board->Model().NoMovePossible());
        QCOMPARE(rows.back().Outcome, GameOutcome::Stuck);
        bench.Action("mnuFileNewGame")->trigger();
        QCOMPARE(rows[1].Outcome, GameOutcome::Stuck);
        QCOMPARE(rows[1].Moves, 1);

        // The new game is left by closing the window mid-game.
        QCOMPARE(rows.size(), std::size_t(3));
        QCOMPARE(rows[2].Outcome, GameOutcome::Playing);
        bench.Close();
        QCOMPARE(rows[2].Outcome, GameOutcome::Abandoned);
    }

    // With "KeepProgress" a game closed mid-game keeps its row open: restored at the next start
    // it goes on in that row (its time from the kept time, a pause left out) and counts once,
    // in a row of its own when the store no longer has it; not restored, its row is abandoned
    // with what it had.
    void KeptGameGoesOnInItsRow()
    {
        const struct {
            bool Restored;
            bool NewStore;  // the history file replaced between the runs
        } cases[] = {{true, false}, {false, false}, {true, true}};
        for (const auto& c : cases) {
            DealsBench bench;
            bench.Settings.SaveRegistryString("Board", "KeepProgress", "1", "");
            bench.StoreGame(bench.Deal.Faces);
            QVERIFY(bench.Open());
            std::vector<GameRow>& rows = bench.History.Rows;
            QTRY_COMPARE(rows.size(), std::size_t(1));
            bench.MovePair(72);
            bench.Time.AdvanceSeconds(40);
            bench.MovePair(71);
            bench.Close();
            QCOMPARE(rows[0].Outcome, GameOutcome::Playing);
            if (!c.Restored) bench.Settings.SaveRegistryString("Board", "KeepProgress", "", "");
            if (c.NewStore) rows.clear();
            bench.Time.AdvanceSeconds(3600);
            QVERIFY(bench.Open());
            QTRY_COMPARE(bench.Opened, 2);
            QCOMPARE(rows.size(), std::size_t(c.Restored ? 1 : 2));
            QCOMPARE(rows[0].Outcome, c.Restored ? GameOutcome::Playing : GameOutcome::Abandoned);
            QCOMPARE(rows[0].Moves, 2);
            QCOMPARE(rows[0].TimeMs, std::int64_t(40000));
            if (!c.Restored) continue;
            bench.Action("mnuGamePause")->trigger();
            bench.Time.AdvanceSeconds(30);
            bench.Action("mnuGamePause")->trigger();
            bench.Time.AdvanceSeconds(20);
            for (int k = 70; k >= 1; --k) bench.MovePair(k);
            QVERIFY(bench.Board->Model().GameWon());
            QCOMPARE(rows.size(), std::size_t(1));
            QCOMPARE(rows[0].Outcome, GameOutcome::Won);
            QCOMPARE(rows[0].Moves, 72);
            QCOMPARE(rows[0].TimeMs, std::int64_t(60000));
        }
    }

    // A damaged history file is said once; the game plays on without keeping rows, the file
    // is left as it was, and the statistics say there is no history.
    void DamagedHistoryIsReportedOnceAndPlayGoesOn()
    {
        QTemporaryDir folder;
        const QString path = QDir(folder.path()).filePath(QStringLiteral("history.sqlite"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(8192, 'x'));
        file.close();
        BoardBench bench;
        bench.OpenHistory = [path](HistoryTrouble& trouble) -> std::unique_ptr<GameHistory> {
            return std::make_unique<SqliteGameHistory>(path.toStdString(), trouble);
        };
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        QTRY_COMPARE(bench.Companions.Messages.size(), std::size_t(1));
        QVERIFY(bench.Companions.Messages[0].find("damaged") != std::string::npos);
        bench.MovePair(72);
        bench.Action("mnuFileNewGame")->trigger();
        bench.Action("mnuGameDealOfTheDay")->trigger();
        QVERIFY(bench.Board->Model().DealExists());
        QCOMPARE(bench.Board->Model().RemovedCount(), 0);
        QCOMPARE(bench.Companions.Messages.size(), std::size_t(1));
        bench.Close();
        QCOMPARE(bench.Companions.Messages.size(), std::size_t(1));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray(8192, 'x'));
    }

    // "--deal N" and "--daily" start their deal instead of the saved one; a bad number is
    // refused in the player's language and the saved deal resumes.
    void CommandLineDealReachesTheWindow()
    {
        const struct {
            std::vector<std::string> Arguments;
            int Base;
            std::int32_t Number;  // 0: refused
            const char* Message;
        } cases[] = {
            {{"--deal", "12345"}, 1024, 12345, nullptr},
            {{"--daily"}, 1024, *DailyDealNumber(2004, 3, 5), nullptr},
            {{"--deal", "2147483648"}, 1024, 0, "2147483648 is not a deal number: deal numbers run from 1 to 2147483647."},
            {{"--deal", "12x"}, 2048, 0, "„12x“ ist keine Spielnummer"},
        };
        for (const auto& c : cases) {
            DealsBench bench;
            bench.StoreGame(bench.Deal.Faces);
            bench.StartDeal = ParseDealStartOptions(c.Arguments, c.Base);
            QVERIFY(bench.Open());
            QCOMPARE(bench.Identity().Number, c.Number);
            if (c.Number == 12345) QCOMPARE(bench.Board->Model().DealtFaces(), Record(Deal12345));
            if (c.Number == 0) {
                QCOMPARE(bench.Board->Model().DealtFaces(), bench.Deal.Faces);
                QCOMPARE(bench.Companions.Messages.size(), std::size_t(1));
                QVERIFY2(bench.Companions.Messages[0].find(c.Message) != std::string::npos,
                         bench.Companions.Messages[0].c_str());
            }
            QTRY_COMPARE(bench.History.Rows.size(), std::size_t(1));
        }
    }

    // File › Statistics… shows the games kept: the one left for a new game is played (the
    // one still on the board is not counted yet), and one won on a player's own layout,
    // named as the board names it.
    void StatisticsOpenFromTheMenu()
    {
        QStandardPaths::setTestModeEnabled(true);
        const QString folder = PlayerLayoutFolder();
        QVERIFY(QDir().mkpath(folder));
        std::string mine;
        for (const BuiltInLayoutText& builtIn : BuiltInLayoutTexts())
            if (builtIn.FileName == "open-plain.layout") mine = builtIn.Text;
        mine.replace(mine.find("key open-plain"), 14, "key my-plain");
        mine.replace(mine.find("name-en Open Plain"), 18, "name-en My Plain");
        QFile file(QDir(folder).filePath("my-plain.layout"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(mine.data(), qint64(mine.size()));
        file.close();

        DealsBench bench;
        GameRow won;
        won.LayoutKey = "my-plain";
        bench.History.StartGame(won);
        bench.History.Rows.back().Outcome = GameOutcome::Won;
        QVERIFY(bench.Open());
        bench.Action("mnuFileNewGame")->trigger();
        GameStatistics shown;
        QStringList layouts;
        testkit::WhenShown<frmStatistics>([&](frmStatistics& window) {
            shown = window.Summary().All;
            for (int row = 0; row < window.LayoutTable()->rowCount(); ++row)
                layouts << window.LayoutTable()->verticalHeaderItem(row)->text();
            window.close();
        });
        bench.Action("mnuFileStatistics")->trigger();
        QDir(folder).removeRecursively();
        QStandardPaths::setTestModeEnabled(false);
        QCOMPARE(shown.Played, 1);  // the first deal, left untouched for New game, was not played
        QCOMPARE(shown.Won, 1);
        QCOMPARE(layouts, (QStringList{"All games", "My Plain"}));
    }
};

} // namespace tessaron

int RunDealsWindowTests(int argc, char** argv)
{
    tessaron::DealsWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "DealsWindowTest.moc"
