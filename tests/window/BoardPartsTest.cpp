// The board window's parts on their own, without a board window: the clock's wiring, the
// commands table and its enabled states, and the placing of every control.
#include "board/BoardGeometry.h"
#include "doubles/DoubleServices.h"
#include "doubles/ManualTimer.h"
#include "window/BoardClock.h"
#include "window/BoardCommands.h"
#include "window/BoardWidgets.h"
#include "window/BoardLabel.h"
#include "window/BoardSurface.h"

#include <QAction>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>

#include <set>
#include <string>

namespace tessaron {

class BoardPartsTest : public QObject {
    Q_OBJECT
private slots:
    void ClockShowsTimeGoneOnItsTick()
    {
        DoubleServices services(1);
        services.Settings.SaveRegistryString("Board", "TimingActive", "1", "0");
        ManualTimer timer;
        std::string shown = "unchanged";
        BoardClock clock(services.Time, &timer, services.Texts, services.Report.Errors,
                         [&shown](const std::string& text) { shown = text; });
        QVERIFY(!clock.OwnTimer());
        clock.Game().LoadTimingActive(services.Settings);
        clock.Game().TimerSetup();
        QCOMPARE(shown, std::string());
        services.Time.AdvanceSeconds(65);
        QVERIFY(timer.Tick());
        QVERIFY(!shown.empty());
        QCOMPARE(shown, clock.Game().TimeGoneText());

        // Without a timer passed in the clock runs on a real one of its own.
        BoardClock real(services.Time, nullptr, services.Texts, services.Report.Errors, [](const std::string&) {});
        QVERIFY(real.OwnTimer());
        real.Game().LoadTimingActive(services.Settings);
        real.Game().TimerSetup();
        QVERIFY(real.OwnTimer()->IsActive());
    }

    void CommandsTableIsWhole()
    {
        DoubleServices services(1);
        std::set<std::string> names;
        std::set<int> keys;
        for (const CommandRow& row : BoardCommandRows()) {
            QVERIFY2(names.insert(row.Name).second, row.Name);
            for (int key : {row.Key, row.MoreKeys[0], row.MoreKeys[1]})
                QVERIFY2(key == 0 || keys.insert(key).second, row.Name);
            QVERIFY2(!row.Button || row.Available, row.Name);  // a button is never enabled for good
            QVERIFY2(row.Text != 0 || row.Caption, row.Name);
        }
        for (int language : {0, 1}) {
            services.Texts.SaveLocale(language);
            for (const CommandRow& row : BoardCommandRows())
                for (std::int16_t text : {row.Text, row.Tip})
                    QVERIFY2(text == 0 || !services.Texts.LoadLocaleString(text).empty(), row.Name);
            for (const MenuRow& menu : BoardMenuRows())
                QVERIFY2(menu.Caption || !services.Texts.LoadLocaleString(menu.Text).empty(), menu.Name);
        }
    }

    void CommandsFollowTheirAvailability()
    {
        QMainWindow window;
        QWidget buttons;
        for (const CommandRow& row : BoardCommandRows())
            if (row.Button) (new QPushButton(&buttons))->setObjectName(QString::fromLatin1(row.Button));
        BoardCommands commands(window, buttons);
        int moves = 0;
        QObject::connect(buttons.findChild<QPushButton*>("cmdRemoveTiles"), &QPushButton::clicked, [&] { ++moves; });
        commands.EnableCommands(CommandAvailability{.DoMove = true});
        for (const CommandRow& row : BoardCommandRows()) {
            const bool on = !row.Available || row.Available == &CommandAvailability::DoMove;
            QVERIFY2(commands.Item(row.Name)->isEnabled() == on, row.Name);
            if (row.Button) QVERIFY2(buttons.findChild<QPushButton*>(row.Button)->isEnabled() == on, row.Name);
        }
        // Enter presses the default button; a menu item presses its button only while enabled.
        window.findChild<QAction*>("DefaultButtonKey")->trigger();
        commands.Item("mnuGameRemoveTiles")->trigger();
        QCOMPARE(moves, 2);
        commands.EnableCommands(CommandAvailability{});
        window.findChild<QAction*>("DefaultButtonKey")->trigger();
        commands.Item("mnuGameRemoveTiles")->trigger();
        QCOMPARE(moves, 2);
    }

    void EveryControlIsPlacedAtTheScale()
    {
        DoubleServices services(1);
        BoardGeometry geometry(services.Report.Errors);
        geometry.CreateTileRelations(BoardLayout, 36.0f, 52.0f);
        QWidget window;
        BoardWidgets controls(&window, [] {}, nullptr);
        controls.PlaceTiles(geometry);
        const QList<QWidget*> children = controls.Surface()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        QCOMPARE(children.size(), TileCount + 13);
        for (QWidget* child : children) QVERIFY2(controls.Places().Contains(child), qPrintable(child->objectName()));
        // At twice the size every control, shown or hidden, lies at twice its place.
        controls.Surface()->resize(2 * BoardScale::BoardSize());
        controls.PlaceControls();
        QCOMPARE(controls.Scale().Factor(), 2.0);
        for (QWidget* child : children) QVERIFY2(controls.Scale().Board().contains(child->geometry()), qPrintable(child->objectName()));
        QCOMPARE(controls.GameLost()->geometry().top(), 2 * 450);
        QCOMPARE(controls.GameLost()->font().pointSizeF(), 24.0);
    }
};

} // namespace tessaron

int RunBoardPartsTests(int argc, char** argv)
{
    tessaron::BoardPartsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "BoardPartsTest.moc"
