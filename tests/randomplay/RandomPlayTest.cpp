// Thousands of short games of random actions on the real board window; after every action
// the board must still be consistent. TESSARON_RANDOMPLAY_SEED and TESSARON_RANDOMPLAY_GAMES
// choose other runs (TESSARON_RANDOMPLAY_FIRST_GAME replays one game of a run).
#include "BoardInvariants.h"
#include "RandomPlayer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <functional>
#include <deque>
#include <sstream>

namespace tessaron {

namespace {

std::uint64_t EnvironmentNumber(const char* name, std::uint64_t fallback)
{
    const char* value = std::getenv(name);
    if (!value || !*value) return fallback;
    return std::strtoull(value, nullptr, 10);
}

std::string Joined(const std::vector<std::string>& items)
{
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : " | ") + item;
    return text;
}

} // namespace

// The offscreen platform warns at every window resize; QtTest installs its own message
// handler when a class starts, so the filter goes in front of it then.
void QuietOffscreenWarnings()
{
    static QtMessageHandler next = nullptr;
    next = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (!message.contains(QLatin1String("propagateSizeHints")) && next) next(type, context, message);
    });
}

class RandomPlayTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QuietOffscreenWarnings(); }

    // The checks see what a broken window would show (so a quiet run means something).
    void CheckerSeesABrokenBoard()
    {
        BoardBench bench;
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        bench.MovePair(72);
        QCOMPARE(bench.Board->Model().RemovedCount(), 2);
        const BoardControls controls(bench);
        const InvariantContext context{TileCount - 2};
        QCOMPARE(QString::fromStdString(CheckBoardInvariants(bench, controls, context)), QString());
        // A tile still in play showing the picture of another face.
        const std::int32_t shown = bench.Deal.Pair(71).first;
        std::int32_t other = 1;
        while (bench.Deal.Faces[other] == bench.Deal.Faces[shown]) ++other;
        const QPixmap shownPicture = controls.Tiles[shown]->Picture();
        const std::vector<std::pair<std::function<void()>, std::function<void()>>> faults = {
            {[&] { controls.Tiles[shown]->SetPicture(controls.Tiles[other]->Picture()); },
             [&] { controls.Tiles[shown]->SetPicture(shownPicture); }},
            {[&] { controls.Tiles[bench.Deal.Pair(71).first]->hide(); },
             [&] { controls.Tiles[bench.Deal.Pair(71).first]->show(); }},
            {[&] { controls.Redo->setEnabled(true); }, [&] { controls.Redo->setEnabled(false); }},
            {[&] { controls.Action("mnuOptionTimingActive")->setEnabled(true); },
             [&] { controls.Action("mnuOptionTimingActive")->setEnabled(false); }},
            {[&] { controls.TileCountLabel->setText("144 of 144"); },
             [&] { controls.TileCountLabel->setText("142 of 144"); }},
            {[&] { controls.GameWon[0]->show(); }, [&] { controls.GameWon[0]->hide(); }},
            {[&] { controls.NoMovePossible->show(); }, [&] { controls.NoMovePossible->hide(); }},
        };
        for (std::size_t fault = 0; fault < faults.size(); ++fault) {
            const auto& [breakIt, mendIt] = faults[fault];
            breakIt();
            QVERIFY2(!CheckBoardInvariants(bench, controls, context).empty(), std::to_string(fault).c_str());
            mendIt();
            QCOMPARE(QString::fromStdString(CheckBoardInvariants(bench, controls, context)), QString());
        }
    }

    void RandomGamesKeepTheBoardConsistent()
    {
        const std::uint64_t seed = EnvironmentNumber("TESSARON_RANDOMPLAY_SEED", 20261206);
        const std::uint64_t firstGame = EnvironmentNumber("TESSARON_RANDOMPLAY_FIRST_GAME", 0);
        const std::uint64_t games = EnvironmentNumber("TESSARON_RANDOMPLAY_GAMES", 2000);

        BoardBench bench;
        QVERIFY(bench.Open());
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        RandomPlayer player(bench, folder.path(), 16);
        QVERIFY(bench.Report.Box.Boxes.empty());

        QElapsedTimer elapsed;
        elapsed.start();
        std::uint64_t actions = 0;
        std::uint64_t won = 0;
        std::uint64_t stuck = 0;
        std::deque<std::string> recent;
        for (std::uint64_t game = firstGame; game < firstGame + games; ++game) {
            // Each game has its own generator, so a failing game can be replayed alone.
            std::mt19937_64 random(seed * 1000003u + game);
            const bool solving = random() % 6 == 0;
            const int length = solving ? 150 : 20 + int(random() % 21);
            recent.clear();
            player.StartGame(random, solving);
            bench.Report.Box.Boxes.clear();
            player.ExpectedBoxes.clear();
            bool wasWon = false;
            bool wasStuck = false;
            for (int action = 0; action <= length; ++action) {
                std::string name = "start of the game";
                if (action > 0) name = player.Act(random, solving);
                ++actions;
                recent.push_back(name);
                if (recent.size() > 12) recent.pop_front();

                InvariantContext context;
                context.TilesLeftShown = player.TilesLeftShown;
                context.WonShown = player.WonShown;
                std::string broken = player.Failure;
                if (broken.empty()) broken = CheckBoardInvariants(bench, player.Controls(), context);
                std::vector<std::string> titles = bench.Report.Titles();
                if (broken.empty() && titles != player.ExpectedBoxes)
                    broken = "message boxes [" + Joined(titles) + "], expected [" + Joined(player.ExpectedBoxes) + "]";
                if (broken.empty() && (bench.Report.Ended.Count != 0 || bench.ProgramEnds != 0))
                    broken = "the program would have ended";
                if (!broken.empty()) {
                    std::ostringstream out;
                    out << "seed " << seed << ", game " << game << ", action " << action << " (" << name
                        << "): " << broken << "\nactive window: "
                        << (QApplication::activeWindow() ? QApplication::activeWindow()->objectName().toStdString() : "none")
                        << "\nlast actions: "
                        << Joined(std::vector<std::string>(recent.begin(), recent.end()));
                    QFAIL(out.str().c_str());
                }
                bench.Report.Box.Boxes.clear();
                player.ExpectedBoxes.clear();
                wasWon = wasWon || bench.Board->Model().GameWon();
                wasStuck = wasStuck || player.Controls().NoMovePossible->isVisible();
            }
            won += wasWon ? 1 : 0;
            stuck += wasStuck ? 1 : 0;
        }
        qInfo("seed %llu: %llu games from %llu, %llu actions, %llu won, %llu stuck, %d reactivations, %lld ms",
              static_cast<unsigned long long>(seed), static_cast<unsigned long long>(games),
              static_cast<unsigned long long>(firstGame), static_cast<unsigned long long>(actions),
              static_cast<unsigned long long>(won), static_cast<unsigned long long>(stuck), player.Reactivations,
              static_cast<long long>(elapsed.elapsed()));
        // The runs reach the endings too, or the random play misses half the game.
        if (games >= 200) {
            QVERIFY(won > 0);
            QVERIFY(stuck > 0);
            QVERIFY(!bench.Companions.Inserts.empty());
        }
    }
};

} // namespace tessaron

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    tessaron::RandomPlayTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "RandomPlayTest.moc"
