#include "records/SqliteGameHistory.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>

namespace tessaron {

namespace {

constexpr auto Driver = "QSQLITE";

// "file is not a database", "database disk image is malformed" and the like.
bool IsDamage(const QSqlError& error)
{
    const QString code = error.nativeErrorCode();
    return code == QLatin1String("26") || code == QLatin1String("11");  // SQLITE_NOTADB, SQLITE_CORRUPT
}

const char* const CreateTable =
    "CREATE TABLE IF NOT EXISTS games ("
    " id INTEGER PRIMARY KEY,"
    " started TEXT NOT NULL,"
    " layout TEXT NOT NULL,"
    " number INTEGER NOT NULL,"
    " band INTEGER,"           // DealBand, NULL when not rated
    " daily INTEGER,"          // CalendarDay of a deal of the day, else NULL
    " outcome INTEGER NOT NULL,"
    " time_ms INTEGER NOT NULL,"
    " moves INTEGER NOT NULL, undos INTEGER NOT NULL, hints INTEGER NOT NULL, shuffles INTEGER NOT NULL,"
    " peek INTEGER NOT NULL, clock INTEGER NOT NULL)";

QVariant Optional(const auto& value)
{
    return value ? QVariant(qlonglong(*value)) : QVariant(QMetaType(QMetaType::LongLong));
}

} // namespace

SqliteGameHistory::SqliteGameHistory(const std::string& path, HistoryTrouble& trouble)
    : path_(path), trouble_(trouble)
{
    static std::atomic<int> opened{0};
    connection_ = QStringLiteral("tessaron-history-%1").arg(++opened);
    available_ = Open();
}

SqliteGameHistory::~SqliteGameHistory()
{
    if (QSqlDatabase::contains(connection_)) {
        QSqlDatabase::database(connection_, false).close();
        QSqlDatabase::removeDatabase(connection_);
    }
}

void SqliteGameHistory::GiveUp(HistoryFaultKind kind, const QString& detail)
{
    available_ = false;
    if (QSqlDatabase::contains(connection_)) QSqlDatabase::database(connection_, false).close();
    if (reported_) return;
    reported_ = true;
    trouble_.HistoryUnavailable({kind, path_, detail.toStdString()});
}

bool SqliteGameHistory::Open()
{
    const QString path = QString::fromStdString(path_);
    if (!QSqlDatabase::isDriverAvailable(QLatin1String(Driver))) {
        GiveUp(HistoryFaultKind::CannotOpen, QStringLiteral("Qt's SQLite driver is not installed"));
        return false;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSqlDatabase db = QSqlDatabase::addDatabase(QLatin1String(Driver), connection_);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open()) {
        GiveUp(HistoryFaultKind::CannotOpen, db.lastError().text());
        return false;
    }
    QSqlQuery query(db);
    // A damaged file fails here or in the check; it is never written to.
    if (!query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next() ||
        query.value(0).toString() != QLatin1String("ok")) {
        const QSqlError error = query.lastError();
        const bool damaged = error.type() == QSqlError::NoError || IsDamage(error);
        GiveUp(damaged ? HistoryFaultKind::Damaged : HistoryFaultKind::CannotOpen,
               error.type() == QSqlError::NoError ? query.value(0).toString() : error.text());
        return false;
    }
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        GiveUp(HistoryFaultKind::CannotOpen, query.lastError().text());
        return false;
    }
    if (query.value(0).toInt() > SchemaVersion) {
        GiveUp(HistoryFaultKind::NewerVersion, {});
        return false;
    }
    // WAL with NORMAL syncing: a commit survives the program being killed at any moment.
    if (!query.exec(QStringLiteral("PRAGMA journal_mode=WAL")) ||
        !query.exec(QStringLiteral("PRAGMA synchronous=NORMAL"))) {
        GiveUp(HistoryFaultKind::CannotOpen, query.lastError().text());
        return false;
    }
    available_ = true;
    return Transaction([](QSqlQuery& q) {
        return q.exec(QLatin1String(CreateTable)) &&
               q.exec(QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion)) &&
               // Games cut off by a killed program.
               q.exec(QStringLiteral("UPDATE games SET outcome = %1 WHERE outcome = %2")
                          .arg(int(GameOutcome::Abandoned))
                          .arg(int(GameOutcome::Playing)));
    });
}

template <class Work>
bool SqliteGameHistory::Transaction(Work&& work)
{
    if (!available_) return false;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery query(db);
    if (!db.transaction()) {
        GiveUp(IsDamage(db.lastError()) ? HistoryFaultKind::Damaged : HistoryFaultKind::WriteFailed,
               db.lastError().text());
        return false;
    }
    if (work(query) && db.commit()) return true;
    const QSqlError error = query.lastError().type() != QSqlError::NoError ? query.lastError() : db.lastError();
    db.rollback();
    GiveUp(IsDamage(error) ? HistoryFaultKind::Damaged : HistoryFaultKind::WriteFailed, error.text());
    return false;
}

std::int64_t SqliteGameHistory::StartGame(const GameRow& game)
{
    std::int64_t id = 0;
    Transaction([&](QSqlQuery& q) {
        q.prepare(QStringLiteral("INSERT INTO games (started, layout, number, band, daily, outcome, time_ms, moves,"
                                 " undos, hints, shuffles, peek, clock) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)"));
        for (const QVariant& value :
             {QVariant(QString::fromStdString(game.Started)), QVariant(QString::fromStdString(game.LayoutKey)),
              QVariant(game.Number), Optional(game.Band), Optional(game.DailyDay),
              QVariant(int(GameOutcome::Playing)), QVariant(qlonglong(game.TimeMs)), QVariant(game.Moves),
              QVariant(game.Undos), QVariant(game.Hints), QVariant(game.Shuffles), QVariant(int(game.PeekUsed)),
              QVariant(int(game.ClockOn))})
            q.addBindValue(value);
        if (!q.exec()) return false;
        id = q.lastInsertId().toLongLong();
        return true;
    });
    return available_ ? id : 0;
}

bool SqliteGameHistory::FinishGame(std::int64_t id, const GameRow& game)
{
    if (id <= 0) return false;
    bool written = false;
    Transaction([&](QSqlQuery& q) {
        q.prepare(QStringLiteral("UPDATE games SET outcome = ?, time_ms = ?, moves = ?, undos = ?, hints = ?,"
                                 " shuffles = ?, peek = ?, clock = ? WHERE id = ?"));
        for (const QVariant& value :
             {QVariant(int(game.Outcome)), QVariant(qlonglong(game.TimeMs)), QVariant(game.Moves),
              QVariant(game.Undos), QVariant(game.Hints), QVariant(game.Shuffles), QVariant(int(game.PeekUsed)),
              QVariant(int(game.ClockOn)), QVariant(qlonglong(id))})
            q.addBindValue(value);
        if (!q.exec()) return false;
        written = q.numRowsAffected() > 0;
        return true;
    });
    return available_ && written;
}

std::vector<GameRow> SqliteGameHistory::Games()
{
    std::vector<GameRow> games;
    if (!available_) return games;
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT id, started, layout, number, band, daily, outcome, time_ms, moves, undos,"
                               " hints, shuffles, peek, clock FROM games ORDER BY id"))) {
        GiveUp(IsDamage(q.lastError()) ? HistoryFaultKind::Damaged : HistoryFaultKind::CannotOpen,
               q.lastError().text());
        return games;
    }
    while (q.next()) {
        GameRow& row = games.emplace_back();
        row.Id = q.value(0).toLongLong();
        row.Started = q.value(1).toString().toStdString();
        row.LayoutKey = q.value(2).toString().toStdString();
        row.Number = q.value(3).toInt();
        const int band = q.value(4).isNull() ? -1 : q.value(4).toInt();
        if (band >= 0 && band < DealBandCount) row.Band = DealBand(band);
        if (!q.value(5).isNull()) row.DailyDay = q.value(5).toInt();
        const int outcome = q.value(6).toInt();
        row.Outcome = outcome >= 0 && outcome <= int(GameOutcome::Abandoned) ? GameOutcome(outcome)
                                                                              : GameOutcome::Abandoned;
        row.TimeMs = q.value(7).toLongLong();
        row.Moves = q.value(8).toInt();
        row.Undos = q.value(9).toInt();
        row.Hints = q.value(10).toInt();
        row.Shuffles = q.value(11).toInt();
        row.PeekUsed = q.value(12).toInt() != 0;
        row.ClockOn = q.value(13).toInt() != 0;
    }
    return games;
}

void SqliteGameHistory::Reset()
{
    Transaction([](QSqlQuery& q) { return q.exec(QStringLiteral("DELETE FROM games")); });
}

} // namespace tessaron
