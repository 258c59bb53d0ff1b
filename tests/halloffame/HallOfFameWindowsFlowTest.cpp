#include "WindowSuites.h"

#include "ModalDriver.h"
#include "halloffame/frmHallOfFame.h"
#include "halloffame/frmPlayer.h"
#include "doubles/FakeMultimedia.h"
#include "sound/SharedSoundPlayer.h"
#include "window/BoardBench.h"
#include "window/GameCompanions.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace tessaron {

namespace {

using namespace testkit;

template <class Widget = QWidget>
Widget* Child(QWidget& parent, const QString& name)
{
    return parent.findChild<Widget*>(name);
}

void EnterName(const char* name)
{
    WhenShown<frmPlayer>([name](frmPlayer& dialog) {
        auto* box = Child<QLineEdit>(dialog, QStringLiteral("txtPlayer"));
        QTest::keyClicks(box, QString::fromUtf8(name));
        QTest::keyClick(box, Qt::Key_Return);
    });
}

} // namespace

// A real board won against the clock through the real companions: the name dialog, the
// hall of fame window with the new entry on light cyan and the focus on New game, and a
// double click on another entry that replays its deal.
void HallOfFameWindowsFlow::BoardWonAgainstTheClockReplaysTheChallengedDeal()
{
    BoardBench bench;
    FakeMultimedia media;
    SharedSoundPlayer player(media, bench.Settings, bench.Texts, bench.Report.Errors, bench.Program.ProgramFolder);
    GameCompanions companions(bench.Wiring, player);
    // Another seed than the board's own generator (99), so a new deal cannot pass for the replay.
    const TileArray challenged = GenerateDeal(bench.Geometry, bench.Report.Errors, 98).Faces;
    bench.Settings.SaveRegistryString("HallOfFame\\01", "Player", "Ben", "");
    bench.Settings.SaveRegistryString("HallOfFame\\01", "Result", "000010", "");
    bench.Settings.SaveRegistryString("HallOfFame\\01", "Tiles", ConvertTilesToString(challenged, bench.Report.Errors), "");
    bench.Settings.SaveRegistryString("HallOfFame\\01", "Stamp", "20040305070809", "");
    bench.Store.Write("Board", "TimingActive", "1");
    bench.StoreGame(bench.Deal.Faces);
    QVERIFY(bench.Open(&companions));

    for (int k = 72; k >= 2; --k) {
        bench.Time.AdvanceSeconds(2);
        bench.MovePair(k);
    }
    QColor newEntry;
    bool focusOnNewGame = false;
    EnterName("Anna");
    WhenShown<frmHallOfFame>([&](frmHallOfFame& window) {
        newEntry = Child(window, QStringLiteral("picItem2"))->palette().color(QPalette::Window);
        focusOnNewGame = window.focusWidget() == Child(window, QStringLiteral("cmdNewGame"));
        QTest::mouseDClick(Child(window, QStringLiteral("picItem1")), Qt::LeftButton);
    });
    bench.Time.AdvanceSeconds(2);
    bench.MovePair(1);

    QCOMPARE(newEntry, QColor(192, 255, 255));
    QVERIFY(focusOnNewGame);
    QCOMPARE(bench.Settings.LoadRegistryString("HallOfFame\\02", "Player", ""), std::string("Anna"));
    QCOMPARE(bench.Settings.LoadRegistryString("HallOfFame\\02", "Result", ""), std::string("000222"));
    QCOMPARE(bench.Board->Model().TileFaces(), challenged);
    QCOMPARE(bench.VisibleTiles(), 144);
    QVERIFY(bench.Text("lblGameOrigin").startsWith(QStringLiteral("Ben 03/05/2004 07:08")));
    QVERIFY(!bench.Label("imgGameWon_0")->isVisible());
    QVERIFY(bench.Report.Box.Boxes.empty());
}

} // namespace tessaron
