#include "WindowSuites.h"

#include "HallOfFameTestKit.h"
#include "ModalDriver.h"
#include "doubles/EnterKey.h"
#include "halloffame/frmHallOfFame.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace tessaron {

namespace {

using namespace testkit;

// A list of count entries, "Player<i>" in 10 * i seconds, and the window over it.
struct WindowBench {
    explicit WindowBench(int count, int language = 0)
    {
        services.Texts.LocaleIndex = language;
        services.Texts.SetLocale();
        for (int i = 1; i <= count; ++i) services.SeedEntry(i, "Player" + std::to_string(i), 10 * i, Deal(i));
        hallOfFame = services.MakeHallOfFame();
        window = std::make_unique<frmHallOfFame>(*hallOfFame, services.Texts, services.Sound,
                                                 services.Report.Errors, "Tessaron", nullptr);
    }

    template <class Widget = QWidget>
    Widget* Find(const char* name) const
    {
        return window->findChild<Widget*>(QString::fromLatin1(name));
    }
    QFrame* Row(int index) const { return window->findChild<QFrame*>(QStringLiteral("picItem%1").arg(index)); }
    QPushButton* Button(const char* name) const { return Find<QPushButton>(name); }

    // Shows the window without waiting, as ShowAsDialog does after Prepare.
    bool Show()
    {
        window->Prepare(0, {}, false);
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }

    HallOfFameServices services;
    std::unique_ptr<HallOfFame> hallOfFame;
    std::unique_ptr<frmHallOfFame> window;
};

QColor TextColour(QWidget* widget) { return widget->palette().color(QPalette::WindowText); }

} // namespace

// Rows beyond the list stay hidden; without a selection there is nothing to challenge.
void HallOfFameWindow::RowsShowEntriesInRankColoursAndTheLanguage()
{
    WindowBench bench(5);
    QVERIFY(bench.Show());
    QVERIFY(bench.Row(5)->isVisible());
    QVERIFY(!bench.Row(6)->isVisible());
    QVERIFY(!bench.Button("cmdReplayGame")->isEnabled());
    QCOMPARE(bench.Find<QLabel>("lblStamp0")->text(), QStringLiteral("Date & Time"));
    QCOMPARE(bench.Find<QLabel>("lblRanking3")->text(), QStringLiteral("3."));
    QCOMPARE(bench.Find<QLabel>("lblPlayer3")->text(), QStringLiteral("Player3"));
    QCOMPARE(bench.Find<QLabel>("lblResult3")->text(), QStringLiteral("30s"));
    QCOMPARE(bench.Find<QLabel>("lblStamp3")->text(), QStringLiteral("03/05/2004 07:08"));
    QCOMPARE(TextColour(bench.Find("lblPlayer1")), QColor(255, 128, 0));
    QCOMPARE(TextColour(bench.Find("lblPlayer5")), QColor(0, 0, 255));
    QVERIFY(!bench.Find("shpSelection")->isVisible());

    WindowBench german(1, 1);
    QVERIFY(german.Show());
    QCOMPARE(german.Button("cmdReplayGame")->text(), QStringLiteral("&Herausfordern"));
    QCOMPARE(german.Find<QLabel>("lblRanking0")->text(), QStringLiteral("Rang"));
    QCOMPARE(german.Find<QLabel>("lblStamp1")->text(), QStringLiteral("05.03.2004 07:08"));
    const QImage germanTitle = german.Find<QLabel>("imgHallOfFame")->pixmap().toImage();
    QVERIFY(!germanTitle.isNull());
    QVERIFY(germanTitle != bench.Find<QLabel>("imgHallOfFame")->pixmap().toImage());
}

// Without a selection a double click on the header row does nothing. The selection of an
// earlier showing is framed again with the focus on Close; a click or an arrow key moves
// it, Enter challenges it.
void HallOfFameWindow::SelectionFollowsClicksAndKeys()
{
    WindowBench unselected(4);
    QVERIFY(unselected.Show());
    QTest::mouseDClick(unselected.Row(0), Qt::LeftButton);
    QVERIFY(unselected.window->isVisible());
    QCOMPARE(unselected.window->DialogResult(), int(HallOfFameClosed));
    QCOMPARE(unselected.hallOfFame->SelectedIndex(), 0);

    WindowBench bench(4);
    QVERIFY(bench.hallOfFame->Select(2));
    QVERIFY(bench.Show());
    QWidget* frame = bench.Find("shpSelection");
    QVERIFY(frame->isVisible());
    QVERIFY(frame->geometry().contains(bench.Row(2)->geometry()));
    QVERIFY(bench.Button("cmdReplayGame")->isEnabled());
    QCOMPARE(bench.window->focusWidget(), bench.Button("cmdClose"));

    QTest::mouseClick(bench.Row(4), Qt::LeftButton, {}, QPoint(300, 5));
    QCOMPARE(bench.hallOfFame->SelectedIndex(), 4);
    QVERIFY(frame->geometry().contains(bench.Row(4)->geometry()));
    QTest::keyClick(bench.Row(4), Qt::Key_Up);
    QCOMPARE(bench.hallOfFame->SelectedGameOrigin(), std::string("Player3 03/05/2004 07:08 (30s)"));
    bench.Row(3)->setFocus();
    QTest::keyClick(bench.Row(3), Qt::Key_Return);
    QCOMPARE(bench.window->DialogResult(), int(HallOfFameChallenge));
}

void HallOfFameWindow::EnterPressesTheFocusedButton_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("choice");
    QTest::newRow("close") << "cmdClose" << int(HallOfFameClosed);
    QTest::newRow("new game") << "cmdNewGame" << int(HallOfFameNewGame);
    QTest::newRow("challenge") << "cmdReplayGame" << int(HallOfFameChallenge);
}

// Tab to a button and Enter: that button acts and gives its choice, whichever is the default.
void HallOfFameWindow::EnterPressesTheFocusedButton()
{
    QFETCH(QString, button);
    QFETCH(int, choice);
    WindowBench bench(4);
    QVERIFY(bench.hallOfFame->Select(1));
    QStringList acted;
    WhenShown<frmHallOfFame>([&](frmHallOfFame& window) {
        acted = ButtonsPressedByEnterOn(window, window.findChild<QWidget*>(button));
    });

    QCOMPARE(bench.window->ShowAsDialog(0, {}, false), choice);
    QCOMPARE(acted, QStringList{button});
    // Any sound still playing stops when the window goes.
    QCOMPARE(bench.services.Sound.Calls, std::vector<std::int32_t>{RecordingSound::Stop});
}

} // namespace tessaron
