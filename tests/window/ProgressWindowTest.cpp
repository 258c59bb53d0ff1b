// The progress window of a deal build, driven by the real generator and by the board.
#include "BoardBench.h"
#include "board/BoardGeometry.h"
#include "board/GameCreator.h"
#include "shell/frmGame.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace tessaron {

class ProgressWindowTest : public QObject {
    Q_OBJECT

    static QString Count(QWidget* window, int step)
    {
        return window->findChild<QLabel*>(QStringLiteral("lblCount_%1").arg(step))->text();
    }

private slots:
    void CountsTheStepsOfARealBuildAndClosesASecondAfterIt()
    {
        DoubleServices bench(1);
        int ends = 0;
        BoardGeometry geometry(bench.Report.Errors);
        geometry.CreateTileRelations(BoardLayout, 36.0f, 52.0f);
        SeededRandomSource random(3);
        GameCreator creator(geometry, random, bench.Report.Errors);
        QPointer<frmGame> window = new frmGame(bench.Texts, bench.Report.Errors, nullptr, [&ends] { ++ends; });
        TileArray faces{};
        creator.GameCreate(faces, *window, false);

        QVERIFY(window->isVisible());
        QCOMPARE(Count(window, 0), QString("1"));
        QCOMPARE(Count(window, 1), QString("72"));
        QCOMPARE(Count(window, 2), QString::number(creator.LastAttemptCount()));
        QCOMPARE(Count(window, 3), QString("144"));
        QVERIFY(!window->findChild<QPushButton*>("cmdCancel")->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), 3000);  // closed and gone
        QCOMPARE(ends, 0);
    }

    // Deleting the window while the build still reports to it would crash the build, so a
    // close is ignored until the build is over. An earlier step starting again blanks the
    // later counts; a step that does not exist is reported and the window goes on.
    void CloseWhileBuildingIsIgnoredAndLaterStepsStartAgain()
    {
        DoubleServices bench(1);
        int ends = 0;
        QPointer<frmGame> window = new frmGame(bench.Texts, bench.Report.Errors, nullptr, [&ends] { ++ends; });
        window->ShowStep(0);
        window->ShowStep(3);
        QVERIFY(!window->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window.isNull());
        QVERIFY(window->isVisible());
        window->ShowStep(3);
        QCOMPARE(Count(window, 3), QString("2"));
        window->ShowStep(1);
        QCOMPARE(Count(window, 3), QString());
        QCOMPARE(window->StepCount(3), 0);
        window->ShowStep(4);
        QCOMPARE(bench.Report.Titles(), std::vector<std::string>{"frmGame.ShowStep"});
        window->ShowStep(-1);
        QVERIFY(window->close());
        QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), 3000);
        QCOMPARE(ends, 0);
    }

    // A click on Cancel and Enter on the focused Cancel each end the program.
    void CancelByClickOrEnterEndsTheProgram()
    {
        DoubleServices bench(1);
        int ends = 0;
        QPointer<frmGame> window = new frmGame(bench.Texts, bench.Report.Errors, nullptr, [&ends] { ++ends; });
        window->ShowStep(0);
        auto* cancel = window->findChild<QPushButton*>("cmdCancel");
        QTest::mouseClick(cancel, Qt::LeftButton);
        cancel->setFocus();
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) QTest::keyClick(cancel, key);
        QCOMPARE(ends, 3);
        delete window;
    }

    // Cancel during a build the board started ends the program at once, without saving.
    void CancelDuringTheBoardsBuildEndsTheProgramWithoutSaving()
    {
        BoardBench bench;
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        bench.MovePair(72);
        const std::size_t writesBefore = bench.Store.Log.size();
        int endsAtCancel = -1;
        std::size_t writesAtCancel = 0;
        QTimer watcher;  // runs inside the build, where the progress window lets events through
        connect(&watcher, &QTimer::timeout, [&] {
            auto* progress = bench.Board->findChild<frmGame*>();
            if (endsAtCancel >= 0 || !progress || !progress->isVisible()) return;
            QTest::mouseClick(progress->findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
            endsAtCancel = bench.ProgramEnds;
            writesAtCancel = bench.Store.Log.size();
        });
        watcher.start(0);
        bench.Key(Qt::Key_N, Qt::ControlModifier);
        watcher.stop();
        QCOMPARE(endsAtCancel, 1);
        QCOMPARE(writesAtCancel, writesBefore);
    }
};

} // namespace tessaron

int RunProgressWindowTests(int argc, char** argv)
{
    tessaron::ProgressWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ProgressWindowTest.moc"
