// The hall of fame's windows and dialogs, offscreen.
#include "HallOfFameTestKit.h"
#include "ModalDriver.h"
#include "doubles/EnterKey.h"
#include "doubles/FakeMultimedia.h"
#include "halloffame/frmHallOfFame.h"
#include "halloffame/frmMessage.h"
#include "halloffame/frmPlayer.h"
#include "sound/SharedSoundPlayer.h"
#include "window/BoardBench.h"
#include "board/LayoutCatalog.h"
#include "window/BoardLayouts.h"
#include "window/GameCompanions.h"

#include <QAccessible>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QPushButton>
#include <QTest>

namespace tessaron {

class HallOfFameWindows : public QObject {
    Q_OBJECT
private slots:
    void RowsShowEntriesInRankColoursAndTheSelection();
    void EnterPressesTheFocusedButton();
    void EnterPressesTheFocusedButton_data();
    void BoardWonAgainstTheClockReplaysTheChallengedDeal();
    void BoardShowsTheListOfItsLayoutAndChallengesOnIt();
    void PlayerNameIsTrimmedAndOfferedNextTime();
    void PlayerDialogEnterPressesTheFocusedButtonElseOk();
    void PlayerDialogEnterPressesTheFocusedButtonElseOk_data();
    void FourLineMessageGrowsThePlayerDialogByTheLabel();
    void MessageDialogShowsTheMessageAndEnterClosesIt();
};

namespace {

using namespace testkit;

// A list of count entries, "Player<i>" in 10 * i seconds, and the window over it.
struct WindowBench {
    // firstPlayer, when given, is the name of the first entry.
    explicit WindowBench(int count, int language = 0, const std::string& firstPlayer = {})
    {
        services.Texts.LocaleIndex = language;
        services.Texts.SetLocale();
        services.SeedPlayers(count);
        if (!firstPlayer.empty()) services.SeedEntry(1, firstPlayer, 10, ValidDeal(1));
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

std::string Request(HallOfFameServices& services)
{
    return frmPlayer::RequestPlayerName(nullptr, "You made it!", services.Settings, services.Texts,
                                        services.Report.Errors, "Tessaron");
}

QLineEdit* NameBox(QDialog& dialog) { return dialog.findChild<QLineEdit*>(QStringLiteral("txtPlayer")); }
QPushButton* Ok(QDialog& dialog) { return dialog.findChild<QPushButton*>(QStringLiteral("cmdOK")); }

} // namespace

// Rows beyond the list stay hidden. Without a selection there is nothing to challenge, and a
// double click on the header row does nothing.
void HallOfFameWindows::RowsShowEntriesInRankColoursAndTheSelection()
{
    WindowBench bench(5);
    QVERIFY(bench.Show());
    QVERIFY(bench.Row(5)->isVisible());
    QVERIFY(!bench.Row(6)->isVisible());
    QVERIFY(!bench.Find("cmdReplayGame")->isEnabled());
    QTest::mouseDClick(bench.Row(0), Qt::LeftButton);
    QVERIFY(bench.window->isVisible());
    QCOMPARE(bench.window->DialogResult(), int(HallOfFameClosed));
    QCOMPARE(bench.hallOfFame->SelectedIndex(), 0);
    QCOMPARE(bench.Find<QLabel>("lblStamp0")->text(), QStringLiteral("Date & Time"));
    QCOMPARE(bench.Find<QLabel>("lblRanking3")->text(), QStringLiteral("3."));
    QCOMPARE(bench.Find<QLabel>("lblPlayer3")->text(), QStringLiteral("Player3"));
    QCOMPARE(bench.Find<QLabel>("lblResult3")->text(), QStringLiteral("30s"));
    QCOMPARE(bench.Find<QLabel>("lblStamp3")->text(), QStringLiteral("03/05/2004 07:08"));
    QCOMPARE(QAccessible::queryAccessibleInterface(bench.Row(3))->text(QAccessible::Name),
             QStringLiteral("3. Player3, 30s, 03/05/2004 07:08"));
    // A reader meets a named dialog and its entries as items of a list.
    QCOMPARE(QAccessible::queryAccessibleInterface(bench.window.get())->text(QAccessible::Name), QStringLiteral("Hall of Fame"));
    QCOMPARE(QAccessible::queryAccessibleInterface(bench.Row(3))->role(), QAccessible::ListItem);
    QCOMPARE(QAccessible::queryAccessibleInterface(bench.Row(3))->parent()->role(), QAccessible::List);
    QVERIFY(!QAccessible::queryAccessibleInterface(bench.Row(3))->state().selected);
    QCOMPARE(bench.Find("lblPlayer1")->palette().color(QPalette::WindowText), QColor(255, 128, 0));
    QCOMPARE(bench.Find("lblPlayer5")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QVERIFY(!bench.Find("shpSelection")->isVisible());

    // The selection of an earlier showing is framed again with the focus on Close; a click or
    // an arrow key moves it, Enter challenges it.
    WindowBench selected(4);
    QVERIFY(selected.hallOfFame->Select(2));
    QVERIFY(selected.Show());
    QWidget* frame = selected.Find("shpSelection");
    QVERIFY(frame->isVisible());
    QVERIFY(frame->geometry().contains(selected.Row(2)->geometry()));
    QVERIFY(selected.Find("cmdReplayGame")->isEnabled());
    QCOMPARE(selected.window->focusWidget(), selected.Find("cmdClose"));

    QTest::mouseClick(selected.Row(4), Qt::LeftButton, {}, QPoint(300, 5));
    QCOMPARE(selected.hallOfFame->SelectedIndex(), 4);
    QVERIFY(frame->geometry().contains(selected.Row(4)->geometry()));
    QTest::keyClick(selected.Row(4), Qt::Key_Up);
    QCOMPARE(selected.hallOfFame->SelectedGameOrigin(), std::string("Player3 03/05/2004 07:08 (30s)"));
    QTest::keyClick(selected.Row(3), Qt::Key_Return);
    QCOMPARE(selected.window->DialogResult(), int(HallOfFameChallenge));

    // A name too long for its column is shortened in the middle; the row shows the whole name
    // as its tool tip and reads it whole.
    const QString longName = QStringLiteral("Maximiliane Konstanze Wolfgangine von Hohenzollern-Sigmaringen");
    WindowBench named(2, 0, longName.toStdString());
    QVERIFY(named.Show());
    QLabel* cell = named.Find<QLabel>("lblPlayer1");
    QVERIFY2(cell->text().contains(QChar(0x2026)), qPrintable(cell->text()));
    QVERIFY(cell->text().startsWith(QStringLiteral("Max")) && cell->text().endsWith(QStringLiteral("ringen")));
    QVERIFY(cell->fontMetrics().horizontalAdvance(cell->text()) <= cell->width());
    QCOMPARE(named.Row(1)->toolTip(), longName);
    QVERIFY(QAccessible::queryAccessibleInterface(named.Row(1))->text(QAccessible::Name).contains(longName));
    QCOMPARE(named.Row(2)->toolTip(), QString());

    WindowBench german(1, 1);
    QVERIFY(german.Show());
    QCOMPARE(german.Find<QPushButton>("cmdReplayGame")->text(), QStringLiteral("&Herausfordern"));
    QCOMPARE(german.Find<QLabel>("lblRanking0")->text(), QStringLiteral("Rang"));
    QCOMPARE(german.Find<QLabel>("lblStamp1")->text(), QStringLiteral("05.03.2004 07:08"));
    const QImage germanTitle = german.Find<QLabel>("imgHallOfFame")->pixmap().toImage();
    QVERIFY(!germanTitle.isNull());
    QVERIFY(germanTitle != bench.Find<QLabel>("imgHallOfFame")->pixmap().toImage());
}

void HallOfFameWindows::EnterPressesTheFocusedButton_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("choice");
    QTest::newRow("close") << "cmdClose" << int(HallOfFameClosed);
    QTest::newRow("new game") << "cmdNewGame" << int(HallOfFameNewGame);
    QTest::newRow("challenge") << "cmdReplayGame" << int(HallOfFameChallenge);
}

// Tab to a button and Enter: that button acts and gives its choice, whichever is the default.
void HallOfFameWindows::EnterPressesTheFocusedButton()
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

// A real board won against the clock through the real companions: the name dialog (over a
// board whose commands already show it cleared), the hall of fame window with the new entry
// on light cyan and the focus on New game, and a double click on another entry that replays
// its deal.
void HallOfFameWindows::BoardWonAgainstTheClockReplaysTheChallengedDeal()
{
    BoardBench bench;
    FakeMultimedia media;
    SharedSoundPlayer player(media, bench.Settings, bench.Texts, bench.Report.Errors, bench.Program.ProgramFolder);
    GameCompanions companions(bench.Wiring, player);
    // Another seed than the board's own generator (99), so a new deal cannot pass for the replay.
    const TileArray challenged = GenerateDeal(bench.Geometry, bench.Report.Errors, 98).Faces;
    bench.Store.Write("HallOfFame\\01", "Player", "Ben");
    bench.Store.Write("HallOfFame\\01", "Result", "000010");
    bench.Store.Write("HallOfFame\\01", "Tiles", ConvertTilesToString(challenged, bench.Report.Errors));
    bench.Store.Write("HallOfFame\\01", "Stamp", "20040305070809");
    bench.Store.Write("Board", "TimingActive", "1");
    bench.StoreGame(bench.Deal.Faces);
    QVERIFY(bench.Open(&companions));

    for (int k = 72; k >= 2; --k) {
        bench.Time.AdvanceSeconds(2);
        bench.MovePair(k);
    }
    QColor newEntry;
    bool focusOnNewGame = false;
    QStringList enabledUnderName;
    WhenShown<frmPlayer>([&](frmPlayer& dialog) {
        for (const char* command : {"cmdRemoveTiles", "mnuGameRemoveTiles", "cmdRemoveTile", "cmdUndoLastMove"})
            if (auto* control = bench.Board->findChild<QObject*>(command); control->property("enabled").toBool())
                enabledUnderName << command;
        QTest::keyClicks(NameBox(dialog), QStringLiteral("Anna"));
        QTest::keyClick(NameBox(dialog), Qt::Key_Return);
    });
    WhenShown<frmHallOfFame>([&](frmHallOfFame& window) {
        newEntry = window.findChild<QWidget*>(QStringLiteral("picItem2"))->palette().color(QPalette::Window);
        focusOnNewGame = window.focusWidget() == window.findChild<QWidget*>(QStringLiteral("cmdNewGame"));
        QTest::mouseDClick(window.findChild<QWidget*>(QStringLiteral("picItem1")), Qt::LeftButton);
    });
    bench.Time.AdvanceSeconds(2);
    bench.MovePair(1);

    QCOMPARE(enabledUnderName, QStringList{"cmdUndoLastMove"});
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

// Each layout has a list of its own: the board's hall of fame shows the list of the layout in
// use, named in its title, and an entry challenged there is dealt on that layout.
void HallOfFameWindows::BoardShowsTheListOfItsLayoutAndChallengesOnIt()
{
    BoardBench bench;
    FakeMultimedia media;
    SharedSoundPlayer player(media, bench.Settings, bench.Texts, bench.Report.Errors, bench.Program.ProgramFolder);
    GameCompanions companions(bench.Wiring, player);
    BoardGeometry ring(bench.Report.Errors);
    ring.CreateTileRelations(LayoutCatalog().Find("stone-ring")->Places, 36.0f, 52.0f);
    const TileArray ringDeal = GenerateDeal(ring, bench.Report.Errors, 98).Faces;
    const auto storeEntry = [&bench](const std::string& section, const char* name, const TileArray& deal) {
        bench.Store.Write(section, "Player", name);
        bench.Store.Write(section, "Result", "000010");
        bench.Store.Write(section, "Tiles", ConvertTilesToString(deal, bench.Report.Errors));
        bench.Store.Write(section, "Stamp", "20040305070809");
    };
    storeEntry("HallOfFame\\01", "Ben", bench.Deal.Faces);
    storeEntry("HallOfFame-stone-ring\\01", "Anna", ringDeal);

    struct Shown {
        QString Player;
        QString Title;
    };
    const auto showHallOfFame = [&bench](bool challenge) {
        Shown shown;
        WhenShown<frmHallOfFame>([&](frmHallOfFame& window) {
            shown = {window.findChild<QLabel*>(QStringLiteral("lblPlayer1"))->text(), window.windowTitle()};
            if (challenge)
                QTest::mouseDClick(window.findChild<QWidget*>(QStringLiteral("picItem1")), Qt::LeftButton);
            else
                QTest::keyClick(&window, Qt::Key_Escape);
        });
        bench.Action("mnuFileShowHallOfFame")->trigger();
        return shown;
    };

    bench.StartLayout = "stone-ring";
    QVERIFY(bench.Open(&companions));
    const Shown ringList = showHallOfFame(true);
    QCOMPARE(ringList.Player, QStringLiteral("Anna"));
    QVERIFY2(ringList.Title.contains(QStringLiteral("Stone Ring")), qPrintable(ringList.Title));
    QCOMPARE(bench.Board->Layouts().Current().Key, std::string("stone-ring"));
    QCOMPARE(bench.Board->Model().TileFaces(), ringDeal);
    QCOMPARE(bench.VisibleTiles(), 144);
    bench.Close();

    bench.StartLayout = std::string(ClassicLayoutKey);
    QVERIFY(bench.Open(&companions));
    const Shown classicList = showHallOfFame(false);
    QCOMPARE(classicList.Player, QStringLiteral("Ben"));
    QVERIFY(!classicList.Title.contains(QStringLiteral("Stone Ring")));
}

// The typed name replaces the offer, which is therefore fully selected; it is trimmed, stored
// and offered next time. A blank name cannot be confirmed, and confirming N.N. removes the
// stored name again.
void HallOfFameWindows::PlayerNameIsTrimmedAndOfferedNextTime()
{
    HallOfFameServices services;
    WhenShown<frmPlayer>([](frmPlayer& dialog) {
        QTest::keyClicks(NameBox(dialog), "  Anna Berg  ");
        QTest::keyClick(NameBox(dialog), Qt::Key_Enter);
    });
    QCOMPARE(Request(services), std::string("Anna Berg"));
    QCOMPARE(services.Settings.LoadRegistryString("General", "Player", ""), std::string("Anna Berg"));
    WhenShown<frmPlayer>([](frmPlayer& dialog) {  // a name typed and then cancelled is not kept
        QTest::keyClicks(NameBox(dialog), "Bob");
        QTest::keyClick(NameBox(dialog), Qt::Key_Escape);
    });
    QCOMPARE(Request(services), std::string());

    QString offeredNextTime;
    bool okEnabledForBlanks = true;
    bool openAfterEnter = false;
    WhenShown<frmPlayer>([&](frmPlayer& dialog) {
        offeredNextTime = NameBox(dialog)->selectedText();
        QTest::keyClicks(NameBox(dialog), "   ");
        okEnabledForBlanks = Ok(dialog)->isEnabled();
        QTest::keyClick(NameBox(dialog), Qt::Key_Return);
        openAfterEnter = dialog.isVisible();
        NameBox(dialog)->clear();
        QTest::keyClicks(NameBox(dialog), "N.N.");
        QTest::mouseClick(Ok(dialog), Qt::LeftButton);
    });
    QCOMPARE(Request(services), std::string("N.N."));
    QCOMPARE(offeredNextTime, QStringLiteral("Anna Berg"));
    QVERIFY(!okEnabledForBlanks);
    QVERIFY(openAfterEnter);
    QVERIFY(!services.Store.Read("General", "Player").has_value());
}

void HallOfFameWindows::PlayerDialogEnterPressesTheFocusedButtonElseOk_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<QString>("name");
    QTest::newRow("name field") << "txtPlayer" << "cmdOK" << "N.N.";
    QTest::newRow("OK") << "cmdOK" << "cmdOK" << "N.N.";
    QTest::newRow("Cancel") << "cmdCancel" << "cmdCancel" << "";
}

void HallOfFameWindows::PlayerDialogEnterPressesTheFocusedButtonElseOk()
{
    QFETCH(QString, focus);
    QFETCH(QString, pressed);
    QFETCH(QString, name);
    HallOfFameServices services;
    QStringList acted;
    WhenShown<frmPlayer>([&](frmPlayer& dialog) {
        acted = ButtonsPressedByEnterOn(dialog, dialog.findChild<QWidget*>(focus));
    });
    QCOMPARE(QString::fromStdString(Request(services)), name);
    QCOMPARE(acted, QStringList{pressed});
    QCOMPARE(services.Store.Count(), std::size_t{0});  // N.N. is offered, never stored
}

void HallOfFameWindows::FourLineMessageGrowsThePlayerDialogByTheLabel()
{
    HallOfFameServices services;
    frmPlayer oneLine(nullptr, services.Texts, "Tessaron");
    frmPlayer fourLines(nullptr, services.Texts, "Tessaron");
    oneLine.Prepare("One line", "N.N.");
    fourLines.Prepare("First line\nSecond line\nThird line\nFourth line", "N.N.");
    oneLine.show();
    fourLines.show();

    auto* shortLabel = oneLine.findChild<QLabel*>(QStringLiteral("lblPrompt0"));
    auto* tallLabel = fourLines.findChild<QLabel*>(QStringLiteral("lblPrompt0"));
    const int labelGrowth = tallLabel->height() - shortLabel->height();
    QVERIFY(labelGrowth >= 3 * shortLabel->fontMetrics().lineSpacing());
    QCOMPARE(fourLines.height() - oneLine.height(), labelGrowth);
    QCOMPARE(fourLines.width(), oneLine.width());
    auto* frame = fourLines.findChild<QGroupBox*>(QStringLiteral("fraPlayer"));
    QVERIFY(frame->geometry().top() > tallLabel->geometry().bottom());
}

// The message dialog is shown modal with the message; Enter presses OK.
void HallOfFameWindows::MessageDialogShowsTheMessageAndEnterClosesIt()
{
    HallOfFameServices services;
    QString shownText;
    WhenShown<frmMessage>([&](frmMessage& dialog) {
        shownText = dialog.findChild<QLabel*>(QStringLiteral("lblPrompt"))->text();
        QTest::keyClick(&dialog, Qt::Key_Return);
    });

    frmMessage::ShowMessage(nullptr, "Sorry.", services.Texts, services.Report.Errors, "Tessaron");

    QCOMPARE(shownText, QStringLiteral("Sorry."));
}

} // namespace tessaron

QTEST_MAIN(tessaron::HallOfFameWindows)
#include "HallOfFameWindowsTest.moc"
