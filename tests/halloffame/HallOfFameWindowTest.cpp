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
    bool Show(std::int32_t highlight = 0, RgbColour colour = {}, bool focusNewGame = false)
    {
        window->Prepare(highlight, colour, focusNewGame);
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }

    HallOfFameServices services;
    std::unique_ptr<HallOfFame> hallOfFame;
    std::unique_ptr<frmHallOfFame> window;
};

QColor TextColour(QWidget* widget) { return widget->palette().color(QPalette::WindowText); }

template <class Widget = QWidget>
Widget* Child(QWidget& parent, const QString& name)
{
    return parent.findChild<Widget*>(name);
}

} // namespace

void HallOfFameWindow::EmptyListShowsHeadersOnlyAndClosesWithOne()
{
    WindowBench bench(0);
    QStringList headers;
    int rowsShown = -1;
    bool challengeEnabled = true;
    WhenShown<frmHallOfFame>([&](frmHallOfFame& window) {
        for (const char* name : {"lblRanking0", "lblPlayer0", "lblResult0", "lblStamp0"})
            headers << Child<QLabel>(window, QString::fromLatin1(name))->text();
        rowsShown = 0;
        for (int i = 1; i <= HallOfFameCapacity; ++i)
            if (Child(window, QStringLiteral("picItem%1").arg(i))->isVisible()) ++rowsShown;
        challengeEnabled = Child(window, QStringLiteral("cmdReplayGame"))->isEnabled();
        Child<QPushButton>(window, QStringLiteral("cmdClose"))->click();
    });

    QCOMPARE(bench.window->ShowAsDialog(0, {}, false), int(HallOfFameClosed));

    QCOMPARE(headers, (QStringList{"Rank", "Name", "Record", "Date & Time"}));
    QCOMPARE(rowsShown, 0);
    QVERIFY(!challengeEnabled);
    // Any sound still playing stops when the window goes.
    QCOMPARE(bench.services.Sound.Events, std::vector<std::int32_t>{RecordingSound::Stop});
}

void HallOfFameWindow::RowsShowEntriesInRankColours()
{
    WindowBench bench(5);
    QVERIFY(bench.Show());

    QVERIFY(bench.Row(5)->isVisible());
    QVERIFY(!bench.Row(6)->isVisible());
    QCOMPARE(bench.Find<QLabel>("lblRanking3")->text(), QStringLiteral("3."));
    QCOMPARE(bench.Find<QLabel>("lblPlayer3")->text(), QStringLiteral("Player3"));
    QCOMPARE(bench.Find<QLabel>("lblResult3")->text(), QStringLiteral("30s"));
    QCOMPARE(bench.Find<QLabel>("lblStamp3")->text(), QStringLiteral("03/05/2004 07:08"));
    QCOMPARE(TextColour(bench.Find("lblPlayer1")), QColor(255, 128, 0));
    QCOMPARE(TextColour(bench.Find("lblStamp2")), QColor(128, 128, 128));
    QCOMPARE(TextColour(bench.Find("lblResult3")), QColor(128, 64, 0));
    QCOMPARE(TextColour(bench.Find("lblRanking4")), QColor(0, 0, 255));
    QCOMPARE(TextColour(bench.Find("lblPlayer5")), QColor(0, 0, 255));
    QVERIFY(!bench.Find("shpSelection")->isVisible());
}

void HallOfFameWindow::GermanWindowShowsGermanTextsAndTitle()
{
    WindowBench english(1, 0);
    WindowBench german(1, 1);
    QVERIFY(german.Show());

    QCOMPARE(german.Button("cmdClose")->text(), QStringLiteral("S&chliessen"));
    QCOMPARE(german.Button("cmdReplayGame")->text(), QStringLiteral("&Herausfordern"));
    QCOMPARE(german.Find<QLabel>("lblRanking0")->text(), QStringLiteral("Rang"));
    QCOMPARE(german.Find<QLabel>("lblStamp1")->text(), QStringLiteral("05.03.2004 07:08"));
    const QPixmap germanTitle = german.Find<QLabel>("imgHallOfFame")->pixmap();
    const QPixmap englishTitle = english.Find<QLabel>("imgHallOfFame")->pixmap();
    QVERIFY(!germanTitle.isNull());
    QVERIFY(german.Find("imgHallOfFame")->isVisible());
    QVERIFY(germanTitle.toImage() != englishTitle.toImage());
}

void HallOfFameWindow::SelectionKeptForTheRunIsShownAgain()
{
    WindowBench bench(4);
    QVERIFY(bench.hallOfFame->Select(2));  // chosen at an earlier showing
    QVERIFY(bench.Show());

    QWidget* frame = bench.Find("shpSelection");
    QVERIFY(frame->isVisible());
    const QRect row = bench.Row(2)->geometry();
    QVERIFY(frame->geometry().contains(row));
    QCOMPARE(frame->geometry().top(), row.top() - 2);
    QVERIFY(bench.Button("cmdReplayGame")->isEnabled());
    // Opened from the File menu, the focus is on Close, not on a row.
    QCOMPARE(bench.window->focusWidget(), bench.Button("cmdClose"));
    QCOMPARE(bench.hallOfFame->SelectedIndex(), 2);

    // From the list, Enter challenges the selected entry.
    bench.Row(2)->setFocus();
    QTest::keyClick(bench.Row(2), Qt::Key_Return);
    QCOMPARE(bench.window->DialogResult(), int(HallOfFameChallenge));
}

void HallOfFameWindow::ClickOnARowSelectsIt()
{
    WindowBench bench(4);
    QVERIFY(bench.Show());

    QTest::mouseClick(bench.Row(3), Qt::LeftButton, {}, QPoint(300, 5));
    QCOMPARE(bench.hallOfFame->SelectedIndex(), 3);
    QVERIFY(bench.Find("shpSelection")->isVisible());
    QVERIFY(bench.Button("cmdReplayGame")->isEnabled());

    QTest::keyClick(bench.Row(3), Qt::Key_Up);
    QCOMPARE(bench.hallOfFame->SelectedIndex(), 2);
    QCOMPARE(bench.hallOfFame->SelectedGameOrigin(), std::string("Player2 03/05/2004 07:08 (20s)"));
}

void HallOfFameWindow::DoubleClickOnTheHeaderWithoutSelectionKeepsTheWindowOpen()
{
    WindowBench bench(4);
    QVERIFY(bench.Show());

    QTest::mouseDClick(bench.Row(0), Qt::LeftButton);

    QVERIFY(bench.window->isVisible());
    QCOMPARE(bench.window->DialogResult(), int(HallOfFameClosed));
    QCOMPARE(bench.hallOfFame->SelectedIndex(), 0);
}

void HallOfFameWindow::NewEntryIsOnLightCyanWithFocusOnNewGame()
{
    WindowBench bench(5);
    QVERIFY(bench.hallOfFame->Select(3));
    QVERIFY(bench.Show(3, NewEntryHighlight, true));

    QVERIFY(bench.Row(3)->autoFillBackground());
    QCOMPARE(bench.Row(3)->palette().color(QPalette::Window), QColor(192, 255, 255));
    QVERIFY(!bench.Row(2)->autoFillBackground());
    QVERIFY(bench.Find("shpSelection")->isVisible());
    QCOMPARE(bench.window->focusWidget(), bench.Button("cmdNewGame"));
    const QImage picture = bench.window->grab().toImage();
    const QPoint insideRow = bench.Row(3)->mapTo(bench.window.get(), QPoint(4, bench.Row(3)->height() / 2));
    QCOMPARE(picture.pixelColor(insideRow * picture.devicePixelRatio()), QColor(192, 255, 255));
    if (qEnvironmentVariableIsSet("TESSARON_SAVE_PICTURES")) picture.save(QStringLiteral("halloffame-window.png"));
}

void HallOfFameWindow::ButtonsGiveTheirChoices_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("choice");
    QTest::newRow("close") << "cmdClose" << int(HallOfFameClosed);
    QTest::newRow("new game") << "cmdNewGame" << int(HallOfFameNewGame);
    QTest::newRow("challenge") << "cmdReplayGame" << int(HallOfFameChallenge);
}

void HallOfFameWindow::ButtonsGiveTheirChoices()
{
    QFETCH(QString, button);
    QFETCH(int, choice);
    WindowBench bench(4);
    QVERIFY(bench.hallOfFame->Select(1));
    WhenShown<frmHallOfFame>([button](frmHallOfFame& window) {
        QTest::mouseClick(Child(window, button), Qt::LeftButton);
    });

    QCOMPARE(bench.window->ShowAsDialog(0, {}, false), choice);
}

} // namespace tessaron

namespace tessaron {

void HallOfFameWindow::EnterPressesTheFocusedButton_data() { ButtonsGiveTheirChoices_data(); }

// Tab to a button and Enter: that button acts, whichever is the default.
void HallOfFameWindow::EnterPressesTheFocusedButton()
{
    QFETCH(QString, button);
    QFETCH(int, choice);
    WindowBench bench(4);
    QVERIFY(bench.hallOfFame->Select(1));
    QStringList acted;
    WhenShown<frmHallOfFame>([&](frmHallOfFame& window) {
        acted = ButtonsPressedByEnterOn(window, Child(window, button));
    });

    QCOMPARE(bench.window->ShowAsDialog(0, {}, false), choice);
    QCOMPARE(acted, QStringList{button});
}

} // namespace tessaron
