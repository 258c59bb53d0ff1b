// Game files and the game in progress survive failures: a save that cannot be completed
// leaves the previous file as it was, and a load that fails leaves the game as it was.
#include "RobustnessSuites.h"
#include "window/BoardBench.h"

#include "records/GameFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace tessaron {

namespace {

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Makes a file or folder unwritable for the test's lifetime. Permission bits do not stop
// root, so there the file system's immutable flag is set as well, where it is supported.
class WriteLock {
public:
    explicit WriteLock(QString path) : path_(std::move(path)), permissions_(QFile::permissions(path_))
    {
        QFile::setPermissions(path_, permissions_ & ~(QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup | QFile::WriteOther));
        if (::geteuid() == 0) immutable_ = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path_}) == 0;
    }
    ~WriteLock()
    {
        if (immutable_) QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), path_});
        QFile::setPermissions(path_, permissions_);
    }
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;
    bool Holds() const { return ::geteuid() != 0 || immutable_; }

private:
    QString path_;
    QFile::Permissions permissions_;
    bool immutable_ = false;
};

QByteArray GameFileOf(const TileArray& faces, BoardBench& bench)
{
    const std::string bytes = EncodeGameFile(faces, bench.Report.Errors);
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

void Save(BoardBench& bench, const QString& path)
{
    bench.FileDialog.Choice = FileDialogChoice{path.toStdString(), QFileInfo(path).fileName().toStdString()};
    bench.Action("mnuFileSaveGame")->trigger();
}

void Load(BoardBench& bench, const QString& path)
{
    bench.FileDialog.Choice = FileDialogChoice{path.toStdString(), QFileInfo(path).fileName().toStdString()};
    bench.Action("mnuFileLoadGame")->trigger();
}

// Everything of the game in progress a failed load must leave alone.
struct GameSnapshot {
    explicit GameSnapshot(const BoardBench& bench)
    {
        const Play& play = bench.Board->Model();
        Faces = play.TileFaces();
        Removed = play.RemovedTiles();
        Counts = {play.RemovedCount(), play.RemovedCountMax(), play.SelectedTile1(), play.SelectedTile2()};
        Peek = play.PeekMode();
        Origin = bench.Text("lblGameOrigin");
        TileCount = bench.Text("lblTileCount");
        TimeGone = bench.Text("lblTimeGone");
        ClockStart = bench.Board->GameClockState().GameTimeStart();
        ClockRuns = bench.Timer.IsActive();
        Visible = bench.VisibleTiles();
    }
    bool operator==(const GameSnapshot&) const = default;

    TileArray Faces{};
    TileArray Removed{};
    std::array<std::int32_t, 4> Counts{};
    bool Peek = false;
    QString Origin, TileCount, TimeGone;
    double ClockStart = 0;
    bool ClockRuns = false;
    int Visible = 0;
};

} // namespace

class GameFileSafetyTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QuietOffscreenWarnings(); }

    void SaveKeepsTheBytesAfterTheGameAndLeavesNoTemporaryFile()
    {
        BoardBench bench;
        QVERIFY(bench.Open());
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Longer.tsg"));
        const QByteArray tail(50, 'z');
        WriteBytes(path, GameFileOf(DeadEndDeal(1), bench) + tail);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);

        Save(bench, path);
        QVERIFY(bench.Report.Box.Boxes.empty());
        QCOMPARE(ReadBytes(path), GameFileOf(bench.Board->Model().TileFaces(), bench) + tail);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Longer.tsg"});
        // The replacement keeps the old file's permissions.
        QCOMPARE(QFile::permissions(path) & 0xF0FF, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    }

    void FailedSaveLeavesThePreviousFileUnchanged_data()
    {
        QTest::addColumn<bool>("lockFolder");
        QTest::addColumn<QString>("report");
        QTest::newRow("read-only folder") << true << "frmBoard.GameFileSave";
        // Refused before writing, with the reason in the game's language.
        QTest::newRow("read-only file") << false << "Save Tessaron game";
    }

    void FailedSaveLeavesThePreviousFileUnchanged()
    {
        QFETCH(bool, lockFolder);
        QFETCH(QString, report);
        BoardBench bench;
        QVERIFY(bench.Open());
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Previous.tsg"));
        const QByteArray previous = GameFileOf(DeadEndDeal(2), bench) + QByteArray("tail");
        WriteBytes(path, previous);
        {
            WriteLock lock(lockFolder ? folder.path() : path);
            if (!lock.Holds()) QSKIP("cannot make a file unwritable for this user here");
            Save(bench, path);
            QCOMPARE(bench.Report.Titles(), std::vector<std::string>{report.toStdString()});
            if (!lockFolder)
                QCOMPARE(bench.Report.Box.Boxes.back().Text,
                         "'" + path.toStdString() + "' is write-protected.\nThe game was not saved; please choose another file.");
            QCOMPARE(ReadBytes(path), previous);
            if (lockFolder) {
                // A new file that the folder refuses is an access error, not a missing file.
                Save(bench, folder.filePath(QStringLiteral("New.tsg")));
                QVERIFY(bench.Report.Box.Boxes.back().Text.find("Error 75") != std::string::npos);
            }
            QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Previous.tsg"});
        }
        // Still a readable game file: it loads.
        bench.Report.Box.Boxes.clear();
        Load(bench, path);
        QVERIFY(bench.Report.Box.Boxes.empty());
        QCOMPARE(bench.Board->Model().TileFaces(), DeadEndDeal(2));
    }

    // Which contents are refused is the game file's own test; here each way of failing once.
    void FailedLoadLeavesTheGameInProgress_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");  // null: no such file
        QTest::addColumn<QString>("report");
        QTest::newRow("removed after it was chosen") << "Gone.tsg" << QByteArray() << "frmBoard.GameFileLoad";
        QTest::newRow("a folder") << "Folder.tsg" << QByteArray() << "frmBoard.GameFileLoad";
        QTest::newRow("wrong signature") << "Wrong.tsg" << QByteArray(156, 'T') << "Load Tessaron game";
    }

    void FailedLoadLeavesTheGameInProgress()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, report);
        BoardBench bench;
        QVERIFY(bench.Open());
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        if (name == "Folder.tsg") QVERIFY(QDir(folder.path()).mkdir(name));
        if (!bytes.isNull()) WriteBytes(path, bytes);

        // A game under way: a loaded deal, a move, the clock running, a tile selected.
        const QString start = folder.filePath(QStringLiteral("Start.tsg"));
        WriteBytes(start, GameFileOf(bench.Deal.Faces, bench));
        Load(bench, start);
        bench.Action("mnuOptionTimingActive")->trigger();
        bench.MovePair(72);
        bench.Time.AdvanceSeconds(42);
        bench.Timer.Tick();
        bench.Click(bench.Deal.Pair(71).first);
        const GameSnapshot before(bench);
        QCOMPARE(before.Counts[0], 2);
        QVERIFY(before.ClockRuns);
        QVERIFY(before.Counts[2] != 0);

        Load(bench, path);
        QCOMPARE(bench.Report.Titles(), std::vector<std::string>{report.toStdString()});
        QVERIFY(GameSnapshot(bench) == before);
        if (report == "Load Tessaron game") {
            QCOMPARE(bench.Report.Box.Boxes[0].Text, "'" + path.toStdString() + "' is not a valid Tessaron game file.");
        }
    }
};

int RunGameFileSafetyTests(int argc, char** argv)
{
    GameFileSafetyTest test;
    return QTest::qExec(&test, argc, argv);
}

} // namespace tessaron

#include "GameFileSafetyTest.moc"
