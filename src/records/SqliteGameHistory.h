#pragma once
// The history kept in a SQLite file through Qt SQL. Every write is a transaction in WAL
// mode, so a killed program loses at most the game in progress (its row stays as Playing
// and reads as abandoned at the next start). A file that cannot be opened, is damaged or
// written by a newer version is reported once and left exactly as it is.
#include "records/GameHistory.h"

#include <QString>

namespace tessaron {

class SqliteGameHistory final : public GameHistory {
public:
    // path: the database file; its folder is made if missing. Opens at once.
    SqliteGameHistory(const std::string& path, HistoryTrouble& trouble);
    ~SqliteGameHistory() override;
    SqliteGameHistory(const SqliteGameHistory&) = delete;
    SqliteGameHistory& operator=(const SqliteGameHistory&) = delete;

    std::int64_t StartGame(const GameRow& game) override;
    bool FinishGame(std::int64_t id, const GameRow& game) override;
    std::vector<GameRow> Games() override;
    void Reset() override;
    bool Available() const override { return available_; }

    // The schema this build writes, kept in the file's user_version.
    static constexpr int SchemaVersion = 1;

private:
    bool Open();
    // Runs statements as one transaction; on failure reports it and gives up the history.
    template <class Work>
    bool Transaction(Work&& work);
    void GiveUp(HistoryFaultKind kind, const QString& detail);

    std::string path_;
    HistoryTrouble& trouble_;
    QString connection_;
    bool available_ = false;
    bool reported_ = false;
};

} // namespace tessaron
