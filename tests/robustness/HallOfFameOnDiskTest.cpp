// A hall of fame entry is on disk the moment it is added: a game process killed while its
// hall of fame window would be opening loses nothing.
#include "RobustnessSuites.h"

#include "board/BoardGeometry.h"
#include "doubles/RecordingMessageBox.h"
#include "play/KnownDeals.h"
#include "records/GameRecord.h"
#include "shell/QtSettingsStore.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace tessaron {

class HallOfFameOnDiskTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QuietOffscreenWarnings(); }

    void EntrySurvivesAProcessKilledRightAfterIt()
    {
        QTemporaryDir folder;
        const QString ini = folder.filePath(QStringLiteral("Tessaron.ini"));
        QProcess game;
        game.start(QStringLiteral(TESSARON_HALL_OF_FAME_WRITER), {ini});
        QVERIFY(game.waitForStarted(10000));
        QVERIFY(QTest::qWaitFor([&game] { return game.canReadLine() || game.state() == QProcess::NotRunning; }, 20000));
        QCOMPARE(game.readLine().trimmed(), QByteArray("ENTERED"));
        game.kill();  // SIGKILL: no destructor, no flush at exit
        QVERIFY(game.waitForFinished(10000));
        QCOMPARE(game.exitStatus(), QProcess::CrashExit);

        RecordingErrorReport report;
        BoardGeometry geometry(report.Errors);
        geometry.CreateTileRelations(BoardLayout, 36.0f, 52.0f);
        const KnownDeal deal = GenerateDeal(geometry, report.Errors, 7);
        TileArray moves{};
        for (std::int32_t k = 1; k <= TileCount; ++k) moves[k] = deal.InsertionOrder[TileCount + 1 - k];
        QtSettingsStore store(ini.toStdString());
        QCOMPARE(store.Read("HallOfFame\\01", "Player"), std::optional<std::string>("Killed Player"));
        QCOMPARE(store.Read("HallOfFame\\01", "Result"), std::optional<std::string>("000300"));
        QCOMPARE(store.Read("HallOfFame\\01", "Stamp"), std::optional<std::string>("20261206000000"));
        QCOMPARE(store.Read("HallOfFame\\01", "Tiles"), std::optional<std::string>(ConvertTilesToString(deal.Faces, report.Errors)));
        QCOMPARE(store.Read("HallOfFame\\01", "Moves"), std::optional<std::string>(ConvertTilesToString(moves, report.Errors)));
    }
};

int RunHallOfFameOnDiskTests(int argc, char** argv)
{
    HallOfFameOnDiskTest test;
    return QTest::qExec(&test, argc, argv);
}

} // namespace tessaron

#include "HallOfFameOnDiskTest.moc"
