// Hint and the lost-game warning through the real board window: the threaded solver where
// only the outcome matters, the immediate one where a test must know that nothing was searched.
#include "BoardBench.h"
#include "LostGames.h"

#include "board/Rules.h"
#include "doubles/ImmediatePositionSolver.h"

#include <QTest>

namespace tessaron {

namespace {

// Gives up on every search the player does not wait for; a patient one finds the pair given.
class ImpatientSolver final : public PositionSolver {
public:
    void Solve(quint64 generation, const PositionQuestion& question) override
    {
        Patience.push_back(question.Patient);
        PositionAnswer answer;
        if (question.Patient) answer = {SolverVerdict::Winnable, {{Found.first, Found.second}}};
        emit Answered(generation, answer);
    }
    void Cancel() override {}
    std::pair<std::int32_t, std::int32_t> Found;
    std::vector<bool> Patience;
};

// Holds each search until the test answers it, as a slow worker would.
class HeldSolver final : public PositionSolver {
public:
    void Solve(quint64 generation, const PositionQuestion&) override { Asked = generation; }
    void Cancel() override { ++Cancels; }
    void Answer(PositionAnswer answer) { emit Answered(Asked, answer); }
    quint64 Asked = 0;
    int Cancels = 0;
};

int SelectedCount(const Play& play) { return (play.SelectedTile1() != 0) + (play.SelectedTile2() != 0); }
} // namespace

class HintTest : public QObject {
    Q_OBJECT

private slots:
    // Hint and Enter alone win the game; with the clock on the hint resets it for good, so the
    // win stays out of the hall of fame.
    void HintsAloneWinAGameThatStaysOutOfTheHallOfFame()
    {
        BoardBench bench(SolvedQuickly);
        bench.Store.Write("Board", "TimingActive", "1");
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        bench.Time.AdvanceSeconds(3);
        for (int move = 1; move <= 72; ++move) {
            bench.Key(Qt::Key_H, Qt::ControlModifier);
            QTRY_COMPARE_WITH_TIMEOUT(SelectedCount(bench.Board->Model()), 2, 20000);
            QVERIFY(bench.Button("cmdRemoveTiles")->isDefault());
            bench.Key(Qt::Key_Return);
            QCOMPARE(bench.VisibleTiles(), 144 - 2 * move);
        }
        QVERIFY(bench.Companions.Inserts.empty());
        QCOMPARE(bench.Sound.Events.back(), SoundGameWon);
        QCOMPARE(bench.Text("lblTimeGone"), QString());
        QVERIFY(!bench.Action("mnuGameHint")->isEnabled());
    }

    // The losing move, one more move (still lost): two undos are the fewest back to a game
    // that can be won, and the warning stays until then. Warning and message follow the language.
    void LostPositionIsWarnedAndHintCountsTheUndosBack()
    {
        BoardBench bench(SolvedQuickly);
        bench.StoreGame(StackedPairDeal(bench.Deal.Faces));
        QVERIFY(bench.Open());
        bench.Move(88, 114);
        QTRY_VERIFY_WITH_TIMEOUT(bench.Label("lblGameLost")->isVisible(), 20000);
        QCOMPARE(bench.Text("lblGameLost"), QString("This game can no longer be won"));
        QVERIFY(!bench.Label("lblNoMovePossible")->isVisible());
        const auto [a, b] = FreePair(bench.Board->Model(), bench.Geometry);
        bench.Move(a, b);
        QVERIFY(bench.Label("lblGameLost")->isVisible());  // a move never makes a lost game winnable

        const std::pair<const char*, const char*> messages[] = {
            {"mnuOptionLocaleSelect_0",
             "This game can no longer be won. Undo 2 moves to get back to a game that can be won."},
            {"mnuOptionLocaleSelect_1",
             "Dieses Spiel ist nicht mehr zu gewinnen. Nehmen Sie 2 Züge zurück, um wieder ein gewinnbares Spiel "
             "zu haben."}};
        for (const auto& [language, message] : messages) {
            bench.Action(language)->trigger();
            const std::size_t before = bench.Companions.Messages.size();
            bench.Key(Qt::Key_H, Qt::ControlModifier);
            QTRY_COMPARE_WITH_TIMEOUT(bench.Companions.Messages.size(), before + 1, 20000);
            QCOMPARE(QString::fromStdString(bench.Companions.Messages.back()), QString::fromUtf8(message));
        }
        QCOMPARE(bench.Text("lblGameLost"), QString("Dieses Spiel ist nicht mehr zu gewinnen"));
        QCOMPARE(SelectedCount(bench.Board->Model()), 0);

        bench.Press("cmdUndoLastMove");
        QTRY_VERIFY_WITH_TIMEOUT(bench.Label("lblGameLost")->isVisible(), 20000);
        bench.Press("cmdUndoLastMove");
        QVERIFY(!bench.Label("lblGameLost")->isVisible());
        bench.Key(Qt::Key_H, Qt::ControlModifier);
        QTRY_COMPARE_WITH_TIMEOUT(SelectedCount(bench.Board->Model()), 2, 20000);
        QVERIFY(!bench.Label("lblGameLost")->isVisible());
        QCOMPARE(bench.Companions.Messages.size(), std::size_t(2));
    }

    // A hint costs the clock only once it is shown: one dropped because the player moved
    // first leaves the clock running. Closing the window cancels the search, and its answer,
    // late, shows nothing.
    void HintCostsWhenShownAndItsAnswerAfterCloseShowsNothing()
    {
        BoardBench bench(SolvedQuickly);
        HeldSolver solver;
        bench.Solver = &solver;
        bench.Store.Write("Board", "TimingActive", "1");
        bench.Store.Write("Board", "WarnLost", "0");  // only hints search
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        bench.MovePair(72);
        bench.Key(Qt::Key_H, Qt::ControlModifier);
        bench.MovePair(71);
        solver.Answer({SolverVerdict::Winnable, {{bench.Deal.Pair(71).first, bench.Deal.Pair(71).second}}});
        QVERIFY(!bench.Board->Model().HintUsed());
        QVERIFY(bench.Timer.IsActive());

        bench.Key(Qt::Key_H, Qt::ControlModifier);
        solver.Answer({SolverVerdict::Winnable, {{bench.Deal.Pair(70).first, bench.Deal.Pair(70).second}}});
        QCOMPARE(SelectedCount(bench.Board->Model()), 2);
        QVERIFY(bench.Board->Model().HintUsed());
        QVERIFY(!bench.Timer.IsActive());

        bench.Key(Qt::Key_Z, Qt::ControlModifier);
        bench.Key(Qt::Key_H, Qt::ControlModifier);
        const int cancels = solver.Cancels;
        bench.Board->close();
        QCOMPARE(solver.Cancels, cancels + 1);
        solver.Answer({SolverVerdict::Undecided, {}});
        QVERIFY(bench.Companions.Messages.empty());
    }

    void HintSearchesLongerWhenTheWarningsSearchGaveUp()
    {
        BoardBench bench(SolvedQuickly);
        ImpatientSolver solver;
        solver.Found = bench.Deal.Pair(72);  // the last pair placed can always be taken first
        bench.Solver = &solver;
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        bench.Key(Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(solver.Patience, (std::vector<bool>{false, true}));
        QVERIFY(bench.Tile(bench.Deal.Pair(72).first)->Bright());
        QVERIFY(bench.Tile(bench.Deal.Pair(72).second)->Bright());
        QVERIFY(bench.Companions.Messages.empty());
    }

    // On a board lost from the start, at a dead end (which keeps its own text until undo, and
    // where Hint says whether an undo helps) and in peek mode Hint offers no pair. The
    // warning's option, off, is stored and no position is searched; on again, the stored
    // value goes (it is the default) and the current position is searched at once.
    void DeadEndPeekAndALostStartOfferNoPairAndTheWarningOptionIsObeyed()
    {
        BoardBench bench(SolvedQuickly);
        ImmediatePositionSolver solver(bench.Geometry);
        bench.Solver = &solver;
        bench.StoreGame(DeadEndDeal(2));
        QVERIFY(bench.Open());
        QVERIFY(bench.Label("lblGameLost")->isVisible());
        bench.Key(Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(SelectedCount(bench.Board->Model()), 0);
        QCOMPARE(bench.Companions.Messages.back(), std::string("This game cannot be won, not even from its first move."));

        QVERIFY(bench.Action("mnuOptionWarnLost")->isChecked());
        bench.Action("mnuOptionWarnLost")->trigger();
        QCOMPARE(bench.Store.Values().at({"Board", "WarnLost"}), std::string("0"));
        const int searches = solver.Searches;
        bench.Move(88, 114);
        QCOMPARE(solver.Searches, searches);
        QVERIFY(!bench.Label("lblGameLost")->isVisible());
        bench.Action("mnuOptionWarnLost")->trigger();
        QVERIFY(!bench.Store.Values().count({"Board", "WarnLost"}));
        QVERIFY(bench.Label("lblGameLost")->isVisible());

        bench.Move(89, 101);
        QCOMPARE(bench.Text("lblNoMovePossible"), QString("Bad luck - no further move possible!"));
        QVERIFY(bench.Label("lblNoMovePossible")->isVisible());
        QVERIFY(!bench.Label("lblGameLost")->isVisible());
        bench.Key(Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(bench.Companions.Messages.size(), std::size_t(2));
        QCOMPARE(bench.Companions.Messages.back(), bench.Companions.Messages.front());
        bench.Press("cmdUndoLastMove");
        QVERIFY(!bench.Label("lblNoMovePossible")->isVisible());
        QVERIFY(bench.Action("mnuGameHint")->isEnabled());
        bench.Click(1);
        bench.Key(Qt::Key_P, Qt::ControlModifier);
        QVERIFY(bench.Board->Model().PeekMode());
        QVERIFY(!bench.Action("mnuGameHint")->isEnabled());
        QVERIFY(!bench.Label("lblGameLost")->isVisible());

        bench.Action("mnuOptionWarnLost")->trigger();
        bench.Close();
        QVERIFY(bench.Open());
        QVERIFY(!bench.Action("mnuOptionWarnLost")->isChecked());
    }
};

} // namespace tessaron

int RunHintTests(int argc, char** argv)
{
    tessaron::HintTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "HintTest.moc"
