#include "WindowSuites.h"

#include "HallOfFameTestKit.h"
#include "ModalDriver.h"
#include "halloffame/HallOfFameWindows.h"
#include "halloffame/frmHallOfFame.h"
#include "halloffame/frmMessage.h"
#include "halloffame/frmPlayer.h"
#include "doubles/FakeMultimedia.h"
#include "sound/SharedSoundPlayer.h"
#include "window/BoardBench.h"
#include "window/GameCompanions.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace tessaron {

namespace {

using namespace testkit;

const double SolvedAt = DateSerial(2004, 3, 5) + TimeSerial(7, 8, 9);

// The board's view of the hall of fame, over the real dialogs.
struct FlowBench {
    void Open()
    {
        windows = std::make_unique<HallOfFameWindows>(services.Settings, services.Texts, services.Sound,
                                                      services.Report.Errors, SecondsText, "Tessaron");
    }

    HallOfFameServices services;
    QWidget board;
    std::unique_ptr<HallOfFameWindows> windows;
};

template <class Widget = QWidget>
Widget* Child(QWidget& parent, const QString& name)
{
    return parent.findChild<Widget*>(name);
}

// What the hall of fame window showed before it was closed.
struct WindowSeen {
    int HighlightedRow = 0;
    QColor Highlight;
    bool FrameShown = false;
    bool ChallengeEnabled = false;
    QWidget* Focus = nullptr;
    QPushButton* NewGame = nullptr;
};

void CloseHallOfFameNoting(WindowSeen& seen)
{
    WhenShown<frmHallOfFame>([&seen](frmHallOfFame& window) {
        for (int i = 1; i <= HallOfFameCapacity; ++i) {
            auto* row = Child<QFrame>(window, QStringLiteral("picItem%1").arg(i));
            if (row->autoFillBackground()) {
                seen.HighlightedRow = i;
                seen.Highlight = row->palette().color(QPalette::Window);
            }
        }
        seen.FrameShown = Child(window, QStringLiteral("shpSelection"))->isVisible();
        seen.ChallengeEnabled = Child(window, QStringLiteral("cmdReplayGame"))->isEnabled();
        seen.Focus = window.focusWidget();
        seen.NewGame = Child<QPushButton>(window, QStringLiteral("cmdNewGame"));
        Child<QPushButton>(window, QStringLiteral("cmdClose"))->click();
    });
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

void HallOfFameWindowsFlow::WinAgainstTheClockEntersTheNameAndShowsTheNewEntry()
{
    FlowBench bench;
    bench.Open();
    WindowSeen seen;
    EnterName("Anna");
    CloseHallOfFameNoting(seen);

    const std::int32_t choice =
        bench.windows->InsertGame(&bench.board, Seconds(95), Deal(0), MovesDownward(), SolvedAt);

    QCOMPARE(choice, int(HallOfFameClosed));
    QCOMPARE(seen.HighlightedRow, 1);
    QCOMPARE(seen.Highlight, QColor(192, 255, 255));
    QVERIFY(seen.FrameShown);
    QVERIFY(seen.ChallengeEnabled);
    QCOMPARE(seen.Focus, seen.NewGame);
    // What the board shows as the deal's origin after Close.
    QCOMPARE(bench.windows->SelectedGameOrigin(), std::string("Anna 03/05/2004 07:08 (95s)"));
    QCOMPARE(bench.services.Settings.LoadRegistryString("HallOfFame\\01", "Player", ""), std::string("Anna"));
    QCOMPARE(bench.services.Sound.Calls, (std::vector<std::int32_t>{SoundHallOfFame, RecordingSound::Stop}));
}

void HallOfFameWindowsFlow::OwnBetterEntryIsShownOnLightGreyAfterTheMessage()
{
    FlowBench bench;
    bench.services.SeedEntry(1, "Ben", 10, Deal(1));
    bench.services.SeedEntry(2, "Ben", 20, Deal(2));
    bench.services.SeedEntry(3, "Carl", 30, Deal(3));
    bench.services.SeedEntry(4, "Anna", 40, Deal(2));
    bench.Open();
    QString message;
    WindowSeen seen;
    EnterName("Anna");
    WhenShown<frmMessage>([&message](frmMessage& dialog) {
        message = Child<QLabel>(dialog, QStringLiteral("lblPrompt"))->text();
        Child<QPushButton>(dialog, QStringLiteral("cmdOK"))->click();
    });
    CloseHallOfFameNoting(seen);

    const std::int32_t choice =
        bench.windows->InsertGame(&bench.board, Seconds(45), Deal(2), MovesDownward(), SolvedAt);

    QCOMPARE(choice, int(HallOfFameClosed));
    QVERIFY(message.contains(QStringLiteral("position #4 in the Hall of Fame (40s)")));
    QCOMPARE(seen.HighlightedRow, 4);
    QCOMPARE(seen.Highlight, QColor(224, 224, 224));
    QVERIFY(seen.FrameShown);
    QVERIFY(seen.Focus != seen.NewGame);
    QCOMPARE(bench.windows->SelectedGameOrigin(), std::string("Anna 03/05/2004 07:08 (40s)"));
}

// A real board won against the clock through the real companions: the name dialog, the
// hall of fame window, and a double click on another entry that replays its deal.
void HallOfFameWindowsFlow::BoardWonAgainstTheClockReplaysTheChallengedDeal()
{
    BoardBench bench;
    FakeMultimedia media;
    SharedSoundPlayer player(media, bench.Settings, bench.Texts, bench.Report.Errors, bench.Program.ProgramFolder);
    GameCompanions companions(bench.Wiring, player);
    const TileArray challenged = GenerateDeal(bench.Geometry, bench.Report.Errors, 99).Faces;
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
    bool listShown = false;
    EnterName("Anna");
    WhenShown<frmHallOfFame>([&listShown](frmHallOfFame& window) {
        listShown = true;
        QTest::mouseDClick(Child(window, QStringLiteral("picItem1")), Qt::LeftButton);
    });
    bench.Time.AdvanceSeconds(2);
    bench.MovePair(1);

    QVERIFY(listShown);
    QCOMPARE(bench.Settings.LoadRegistryString("HallOfFame\\02", "Player", ""), std::string("Anna"));
    QCOMPARE(bench.Settings.LoadRegistryString("HallOfFame\\02", "Result", ""), std::string("000222"));
    QCOMPARE(bench.Board->Model().TileFaces(), challenged);
    QCOMPARE(bench.VisibleTiles(), 144);
    QVERIFY(bench.Text("lblGameOrigin").startsWith(QStringLiteral("Ben 03/05/2004 07:08")));
    QVERIFY(!bench.Label("imgGameWon_0")->isVisible());
    QVERIFY(bench.Report.Box.Boxes.empty());
}

} // namespace tessaron
