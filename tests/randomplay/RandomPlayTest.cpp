// Thousands of short games of random actions on the real board window, each with its own
// random mix of the player's preferences; after every action the board must still be
// consistent. TESSARON_RANDOMPLAY_SEED and TESSARON_RANDOMPLAY_GAMES choose other runs
// (TESSARON_RANDOMPLAY_FIRST_GAME replays one game of a run).
#include "randomplay/BoardInvariants.h"
#include "randomplay/RandomPlayer.h"

#include <QTemporaryDir>

#include <cstdlib>
#include <functional>

namespace tessaron {

namespace {

std::uint64_t EnvironmentNumber(const char* name, std::uint64_t fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? std::strtoull(value, nullptr, 10) : fallback;
}

std::string Joined(const std::vector<std::string>& items)
{
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : " | ") + item;
    return text;
}
} // namespace

class RandomPlayTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QuietResizeWarnings(); }

    // The checks see what a broken window would show (so a quiet run means something).
    void CheckerSeesABrokenBoard()
    {
        BoardBench bench;
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        bench.MovePair(72);
        ShownState expected{142, false, {}};
        expected.Chosen[Preference::ShowFreePairs] = expected.Chosen[Preference::ShowMatches] = true;
        bench.Companions.PreferencesChosen = expected.Chosen;
        bench.Action("mnuOptionPreferences")->trigger();
        const std::int32_t shown = bench.Deal.Pair(71).first;
        const std::int32_t match = bench.Deal.Pair(71).second;
        bench.Click(shown);
        const BoardControls controls(bench);
        const auto check = [&] { return QString::fromStdString(CheckBoardInvariants(bench, controls, expected)); };
        QCOMPARE(check(), QString());
        // A tile in play showing another face's picture or hidden, a command, a text or a mark
        // out of step.
        std::int32_t other = 1;
        while (bench.Deal.Faces[other] == bench.Deal.Faces[shown]) ++other;
        const QPixmap shownPicture = controls.Tiles[shown]->Picture();
        const QPixmap otherPicture = controls.Tiles[other]->Picture();
        const QString countText = controls.TileCountLabel->text();
        const std::function<void(bool)> faults[] = {
            [&](bool on) { controls.Tiles[shown]->SetPicture(on ? otherPicture : shownPicture); },
            [&](bool on) { controls.Tiles[shown]->setVisible(!on); },
            [&](bool on) { controls.Redo->setEnabled(on); },
            [&](bool on) { controls.Action("mnuOptionTimingActive")->setEnabled(on); },
            [&](bool on) { controls.TileCountLabel->setText(on ? QString(countText).replace("142", "144") : countText); },
            [&](bool on) { controls.TileCountLabel->setText(on ? countText.section(", ", 0, 0) : countText); },
            [&](bool on) { controls.Tiles[match]->SetMatchMark(!on); },
            [&](bool on) { controls.Tiles[other]->SetMatchMark(on); },
            [&](bool on) { controls.GameWon[0]->setVisible(on); },
            [&](bool on) { controls.NoMovePossible->setVisible(on); },
        };
        for (std::size_t fault = 0; fault < std::size(faults); ++fault) {
            faults[fault](true);
            QVERIFY2(!check().isEmpty(), std::to_string(fault).c_str());
            faults[fault](false);
            QCOMPARE(check(), QString());
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
        RandomPlayer player(bench, folder.path());

        std::uint64_t actions = 0;
        bool reachedWin = false;
        bool reachedDeadEnd = false;
        for (std::uint64_t game = firstGame; game < firstGame + games; ++game) {
            // Each game has its own generator, so a failing game can be replayed alone.
            Random random(seed * 1000003u + game);
            const bool solving = random() % 6 == 0;
            const int length = solving ? 150 : 20 + int(random() % 21);
            player.StartGame(random, solving);
            std::vector<std::string> log;
            for (int action = 0; action <= length; ++action, ++actions) {
                log.push_back(action == 0 ? "start of the game" : player.Act(random, solving));
                std::string broken = player.Failure;
                if (broken.empty())
                    broken = CheckBoardInvariants(bench, *player.Controls, player.Shown);
                if (broken.empty() && bench.Report.Titles() != player.ExpectedBoxes)
                    broken = "message boxes [" + Joined(bench.Report.Titles()) + "], expected ["
                        + Joined(player.ExpectedBoxes) + "]";
                if (broken.empty() && (bench.Report.Ended.Count != 0 || bench.ProgramEnds != 0))
                    broken = "the program would have ended";
                if (!broken.empty()) {
                    const std::string failure = "seed " + std::to_string(seed) + ", game " + std::to_string(game)
                        + ", preferences " + player.Mix + ", action " + std::to_string(action) + ": " + broken
                        + "\nlast actions: " + Joined({log.size() > 12 ? log.end() - 12 : log.begin(), log.end()});
                    QFAIL(failure.c_str());
                }
                bench.Report.Box.Boxes.clear();
                player.ExpectedBoxes.clear();
                reachedWin = reachedWin || bench.Board->Model().GameWon();
                reachedDeadEnd = reachedDeadEnd || player.Controls->NoMovePossible->isVisible();
            }
        }
        qInfo() << "seed" << seed << "games" << firstGame << "to" << firstGame + games << "actions" << actions;
        // The runs reach the endings too, or the random play misses half the game.
        if (games >= 200) {
            QVERIFY(reachedWin);
            QVERIFY(reachedDeadEnd);
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
