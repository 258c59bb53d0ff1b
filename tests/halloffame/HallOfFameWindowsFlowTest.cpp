#include "WindowSuites.h"

#include "HallOfFameTestKit.h"
#include "ModalDriver.h"
#include "halloffame/HallOfFameWindows.h"
#include "halloffame/frmHallOfFame.h"
#include "halloffame/frmMessage.h"
#include "halloffame/frmPlayer.h"

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
    QCOMPARE(bench.services.Sound.Events, (std::vector<std::int32_t>{SoundHallOfFame, RecordingSound::Stop}));
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

void HallOfFameWindowsFlow::FileMenuShowsTheListWithTheSelectionKept()
{
    FlowBench bench;
    for (int i = 1; i <= 3; ++i) bench.services.SeedEntry(i, "Player" + std::to_string(i), 10 * i, Deal(i));
    bench.Open();
    QVERIFY(bench.windows->Model().Select(2));
    bool frameShown = false;
    WhenShown<frmHallOfFame>([&frameShown](frmHallOfFame& window) {
        frameShown = Child(window, QStringLiteral("shpSelection"))->isVisible();
        QTest::mouseDClick(Child(window, QStringLiteral("picItem3")), Qt::LeftButton);
    });

    QCOMPARE(bench.windows->ShowAsDialog(&bench.board), int(HallOfFameChallenge));
    QVERIFY(frameShown);
    QCOMPARE(bench.windows->SelectedGameTiles(), bench.services.ConvertDeal(Deal(3)));
    QCOMPARE(bench.windows->SelectedGameOrigin(), std::string("Player3 03/05/2004 07:08 (30s)"));
}

} // namespace tessaron
