#include "board/DailyDeal.h"
#include "doubles/MemoryGameHistory.h"
#include "records/HistoryStatistics.h"
#include "records/SqliteGameHistory.h"
#include "shell/StringTable.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace tessaron {
namespace {

GameRow Game(std::string layout, std::int32_t number, GameOutcome outcome, std::int64_t timeMs,
             std::optional<DealBand> band = std::nullopt, std::optional<std::int32_t> daily = std::nullopt,
             std::int32_t moves = 1)
{
    GameRow game;
    game.Moves = moves;
    game.Started = "20260102030405";
    game.LayoutKey = std::move(layout);
    game.Number = number;
    game.Outcome = outcome;
    game.TimeMs = timeMs;
    game.Band = band;
    game.DailyDay = daily;
    return game;
}

// Played, won, streaks and times per layout and band; a game in progress, or left before a
// move, is not counted; the days of the deal of the day; the last won times, oldest first.
TEST(HistoryStatistics, SummaryCountsEndedGamesStreaksTimesAndDays)
{
    using enum GameOutcome;
    const std::vector<GameRow> games{
        Game("classic", 0, Won, 300000, DealBand::Easy),
        Game("classic", 5, Won, 200000, DealBand::Easy, 100),
        Game("classic", 6, Stuck, 50000, DealBand::Hard, 101),
        Game("open-plain", 7, Won, 0),  // time not known
        Game("classic", 8, Won, 100000, DealBand::Easy, 101),
        Game("classic", 9, Won, 400000, DealBand::Hard, 102),
        Game("classic", 10, Abandoned, 0, std::nullopt, 104),
        Game("classic", 13, Abandoned, 0, DealBand::Hard, 103, 0),  // left untouched: no loss
        Game("classic", 11, Won, 500000),
        Game("classic", 12, Playing, 0, DealBand::Easy, 105),
    };
    const HistorySummary summary = SummarizeHistory(games, 105, 3);
    const GameStatistics all{8, 6, 0.75, 1, 3, 100000, 300000};
    EXPECT_EQ(summary.All, all);
    ASSERT_EQ(summary.PerLayout.size(), 2u);
    EXPECT_EQ(summary.PerLayout.at("open-plain"), (GameStatistics{1, 1, 1.0, 1, 1, 0, 0}));
    EXPECT_EQ(summary.PerLayout.at("classic").Played, 7);
    EXPECT_EQ(summary.PerBand[0], (GameStatistics{3, 3, 1.0, 3, 3, 100000, 200000}));
    EXPECT_EQ(summary.PerBand[2], (GameStatistics{2, 1, 0.5, 1, 1, 400000, 400000}));
    EXPECT_EQ(summary.PerBand[3], GameStatistics{});
    EXPECT_EQ(summary.DailyDaysPlayed, (std::vector<std::int32_t>{100, 101, 102, 104}));
    EXPECT_EQ(summary.DailyDaysWon, (std::vector<std::int32_t>{100, 101, 102}));
    EXPECT_EQ(summary.DailyCurrentStreak, 0);  // 103 and 104 passed without a win
    EXPECT_EQ(summary.DailyBestStreak, 3);
    EXPECT_EQ(summary.LastWonTimesMs, (std::vector<std::int64_t>{100000, 400000, 500000}));
    EXPECT_EQ(SummarizeHistory({}, 0).All, GameStatistics{});
}

// As a later version would leave the file: its schema number above this build's.
void MarkAsNewerVersion(const QString& path)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("newer"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version = %1").arg(SqliteGameHistory::SchemaVersion + 1));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("newer"));
}

class SqliteHistory : public ::testing::Test {
protected:
    std::string PathOf(const char* name) const { return QDir(folder.path()).filePath(name).toStdString(); }

    QTemporaryDir folder;
    RecordingHistoryTrouble trouble;
};

// The real store and the test double keep the same rows for the same play; every field
// survives a new start; a game left playing reads as abandoned then; Reset forgets all.
TEST_F(SqliteHistory, KeepsWhatTheDoubleKeepsAcrossStarts)
{
    const std::string path = PathOf("sub/history.sqlite");  // the folder is made
    MemoryGameHistory memory;
    std::vector<GameRow> kept;
    {
        SqliteGameHistory history(path, trouble);
        ASSERT_TRUE(history.Available());
        for (GameHistory* store : std::initializer_list<GameHistory*>{&history, &memory}) {
            GameRow first = Game("classic", 2147483647, GameOutcome::Won, 1, DealBand::Expert, -3);
            first.Started = "19991231235959";
            const std::int64_t id = store->StartGame(first);
            first = Game("x", 0, GameOutcome::Stuck, 86400000123);
            first.Moves = 70;
            first.Undos = 3;
            first.Hints = 2;
            first.Shuffles = 1;
            first.PeekUsed = first.ClockOn = true;
            EXPECT_TRUE(store->FinishGame(id, first));
            EXPECT_FALSE(store->FinishGame(id + 9, first));  // no such game: nothing written
            store->StartGame(Game("open-plain", 0, GameOutcome::Won, 5));  // taken as playing
        }
        kept = history.Games();
        EXPECT_EQ(kept, memory.Games());
    }
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[0].LayoutKey, "classic");  // FinishGame keeps what it does not write
    EXPECT_EQ(kept[0].TimeMs, 86400000123);
    EXPECT_EQ(kept[1].Outcome, GameOutcome::Playing);

    SqliteGameHistory reopened(path, trouble);
    kept[1].Outcome = GameOutcome::Abandoned;
    EXPECT_EQ(reopened.Games(), kept);
    reopened.Reset();
    EXPECT_TRUE(reopened.Games().empty());
    EXPECT_TRUE(SqliteGameHistory(path, trouble).Games().empty());
    EXPECT_TRUE(trouble.Faults.empty());
}

// A file that is not a history, a folder in its place, or a history of a newer version is
// reported once with what went wrong, left exactly as it was, and the game goes on: every
// call answers as an empty history.
TEST_F(SqliteHistory, UnusableFileIsReportedOnceAndLeftAlone)
{
    struct Case {
        const char* Name;
        std::function<void(const QString&)> Make;
        HistoryFaultKind Kind;
    };
    const auto writeBytes = [](const QByteArray& bytes) {
        return [bytes](const QString& path) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        };
    };
    QByteArray damaged = QByteArray("SQLite format 3").append('\0');
    damaged.append(QByteArray(4080, '\x5A'));
    QByteArray cutOff;
    {
        const QString path = QString::fromStdString(PathOf("whole.sqlite"));
        SqliteGameHistory(path.toStdString(), trouble).StartGame(Game("classic", 1, GameOutcome::Won, 1));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        cutOff = file.readAll();
        cutOff.replace(100, 4000, QByteArray(4000, '\x7F'));  // the schema page overwritten
    }
    const Case cases[] = {
        {"text.sqlite", writeBytes("These are not the games you are looking for.\n"), HistoryFaultKind::Damaged},
        {"damaged.sqlite", writeBytes(damaged), HistoryFaultKind::Damaged},
        {"overwritten.sqlite", writeBytes(cutOff), HistoryFaultKind::Damaged},
        {"folder.sqlite", [](const QString& path) { QDir().mkpath(path); }, HistoryFaultKind::CannotOpen},
        {"newer.sqlite",
         [](const QString& path) {
             RecordingHistoryTrouble none;
             SqliteGameHistory(path.toStdString(), none);
             MarkAsNewerVersion(path);
         },
         HistoryFaultKind::NewerVersion},
    };
    for (const Case& c : cases) {
        const QString path = QString::fromStdString(PathOf(c.Name));
        c.Make(path);
        QFile before(path);
        const QByteArray bytes = before.open(QIODevice::ReadOnly) ? before.readAll() : QByteArray();
        before.close();
        trouble.Faults.clear();
        {
            SqliteGameHistory history(path.toStdString(), trouble);
            EXPECT_FALSE(history.Available()) << c.Name;
            EXPECT_EQ(history.StartGame(Game("classic", 1, GameOutcome::Won, 1)), 0) << c.Name;
            history.FinishGame(1, Game("classic", 1, GameOutcome::Won, 1));
            EXPECT_TRUE(history.Games().empty()) << c.Name;
            history.Reset();
        }
        ASSERT_EQ(trouble.Faults.size(), 1u) << c.Name;
        EXPECT_EQ(trouble.Faults[0].Kind, c.Kind) << c.Name << ": " << trouble.Faults[0].Detail;
        EXPECT_NE(HistoryFaultText(trouble.Faults[0], GermanStringBase).find(path.toStdString()), std::string::npos);
        QFile after(path);
        EXPECT_EQ(after.open(QIODevice::ReadOnly) ? after.readAll() : QByteArray(), bytes) << c.Name;
    }
}

// A game in progress when the program is killed is all that is lost: the games before it
// are there, and it reads as abandoned.
TEST_F(SqliteHistory, SurvivesTheProgramBeingKilledDuringAGame)
{
    const std::string path = PathOf("killed.sqlite");
    QProcess helper;
    helper.start(QStringLiteral(HISTORY_KILL_HELPER), {QString::fromStdString(path)});
    ASSERT_TRUE(helper.waitForStarted(60000));
    QByteArray said;
    while (!said.contains("playing\n") && helper.waitForReadyRead(120000)) said += helper.readAllStandardOutput();
    ASSERT_EQ(said, "playing\n");
    helper.kill();  // SIGKILL
    ASSERT_TRUE(helper.waitForFinished(60000));
    EXPECT_EQ(helper.exitStatus(), QProcess::CrashExit);

    SqliteGameHistory history(path, trouble);
    const std::vector<GameRow> games = history.Games();
    ASSERT_EQ(games.size(), 4u);
    const GameOutcome outcomes[] = {GameOutcome::Won, GameOutcome::Stuck, GameOutcome::Won, GameOutcome::Abandoned};
    for (std::size_t i = 0; i < games.size(); ++i) {
        EXPECT_EQ(games[i].Number, std::int32_t(i + 1));
        EXPECT_EQ(games[i].Outcome, outcomes[i]) << i;
    }
    EXPECT_EQ(games[2].TimeMs, 180000);
    EXPECT_TRUE(trouble.Faults.empty());
}

} // namespace
} // namespace tessaron
