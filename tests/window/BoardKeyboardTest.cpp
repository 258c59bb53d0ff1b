// The board without a mouse: the focus ring, Space, Escape and Enter through the real
// window, and what a screen reader is told about the tiles.
#include "BoardBench.h"

#include "board/KeyboardFocus.h"

#include <QAccessible>
#include <QImage>
#include <QMenu>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <map>
#include <queue>
#include <random>
#include <vector>

namespace tessaron {

namespace {

constexpr std::array<std::pair<FocusDirection, Qt::Key>, 4> Arrows{{{FocusDirection::Left, Qt::Key_Left},
                                                                     {FocusDirection::Right, Qt::Key_Right},
                                                                     {FocusDirection::Up, Qt::Key_Up},
                                                                     {FocusDirection::Down, Qt::Key_Down}}};

TilePresence Candidates(const BoardBench& bench)
{
    return FocusCandidates(bench.Geometry, bench.Board->Model().Presence());
}

// Presses the shortest arrow sequence that brings the focus to target (searched with the
// same public focus function the board uses); false when the arrows cannot get there.
bool WalkTo(BoardBench& bench, std::int32_t target)
{
    const TilePresence candidates = Candidates(bench);
    const std::int32_t start = bench.Board->KeyboardFocusTile();
    std::map<std::int32_t, std::pair<std::int32_t, Qt::Key>> cameFrom{{start, {0, Qt::Key_unknown}}};
    std::queue<std::int32_t> open;
    open.push(start);
    while (!open.empty() && !cameFrom.count(target)) {
        const std::int32_t tile = open.front();
        open.pop();
        for (const auto& [direction, key] : Arrows) {
            const std::int32_t next = NextFocusTile(bench.Geometry, candidates, tile, direction);
            if (cameFrom.emplace(next, std::pair{tile, key}).second) open.push(next);
        }
    }
    if (!cameFrom.count(target)) return false;
    std::vector<Qt::Key> keys;
    for (std::int32_t tile = target; tile != start; tile = cameFrom[tile].first) keys.push_back(cameFrom[tile].second);
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) bench.Key(*key);
    return bench.Board->KeyboardFocusTile() == target;
}

int TilesWithRing(const BoardBench& bench)
{
    int count = 0;
    for (std::int32_t tile = 1; tile <= TileCount; ++tile) count += bench.Tile(tile)->FocusRing() ? 1 : 0;
    return count;
}

// The offscreen platform has no screen-reader bridge; accessibility is switched on as a
// bridge does when a reader starts, so events reach the update handler.
void SetAccessibilityActive(bool active)
{
    if (QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility())
        platform->setActive(active);
}

// What a screen reader hears, one line per event: its type, the widget and the new value
// (or "selected" for a selection).
QStringList* Heard = nullptr;

QString Line(QAccessible::Event type, QObject* object, const QString& value = {})
{
    return QStringLiteral("%1 %2 %3").arg(int(type)).arg(quintptr(object)).arg(value);
}

void Hear(QAccessibleEvent* event)
{
    QString value;
    if (event->type() == QAccessible::ValueChanged)
        value = static_cast<QAccessibleValueChangeEvent*>(event)->value().toString();
    if (event->type() == QAccessible::StateChanged &&
        static_cast<QAccessibleStateChangeEvent*>(event)->changedStates().selected)
        value = QStringLiteral("selected");
    if (Heard) *Heard << Line(event->type(), event->object(), value);
}

} // namespace

class BoardKeyboardTest : public QObject {
    Q_OBJECT

private slots:
    // The whole deal cleared with arrows, Space and Enter alone.
    void WholeGameWonByKeysOnly()
    {
        BoardBench bench(17);
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        bench.Key(Qt::Key_Down);  // the first arrow shows the ring where the focus is
        QVERIFY(bench.Board->KeyboardFocusShown());
        bench.Sound.Clear();
        for (int k = 72; k >= 1; --k) {
            const auto [first, second] = bench.Deal.Pair(k);
            QVERIFY2(WalkTo(bench, first), qPrintable(QString("pair %1").arg(k)));
            bench.Key(Qt::Key_Space);
            QVERIFY(WalkTo(bench, second));
            bench.Key(Qt::Key_Space);
            bench.Key(Qt::Key_Return);
            QCOMPARE(bench.VisibleTiles(), 2 * (k - 1));
        }
        QVERIFY(bench.Label("imgGameWon_0")->isVisible());
        QCOMPARE(bench.Sound.Events.back(), SoundGameWon);
        QVERIFY(std::find(bench.Sound.Events.begin(), bench.Sound.Events.end(), SoundTileLocked) ==
                bench.Sound.Events.end());
        QCOMPARE(bench.Board->KeyboardFocusTile(), 0);
        QCOMPARE(TilesWithRing(bench), 0);
        QVERIFY(bench.Companions.Inserts.empty());  // the clock is off: no hall of fame
        bench.Key(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!bench.Label("imgGameWon_0")->isVisible());
    }

    // Random keys (arrows, Space, Enter, Escape, undo, redo, restart, peek) and moves made
    // by keys: after each, the focus rests on a present free tile and only it has the ring.
    void FocusNeverRestsOnARemovedOrLockedTile()
    {
        BoardBench bench(23);
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        std::mt19937_64 random(4);
        const std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys{
            {Qt::Key_Left, {}}, {Qt::Key_Right, {}}, {Qt::Key_Up, {}}, {Qt::Key_Down, {}}, {Qt::Key_Space, {}},
            {Qt::Key_Space, {}}, {Qt::Key_Return, {}}, {Qt::Key_Escape, {}}, {Qt::Key_Z, Qt::ControlModifier},
            {Qt::Key_V, Qt::ControlModifier}, {Qt::Key_R, Qt::ControlModifier}, {Qt::Key_P, Qt::ControlModifier}};
        int moves = 0;
        for (int step = 0; step < 600; ++step) {
            if (random() % 5 == 0) {
                // A move by keys: the next pair of the known solution, when it is still free.
                const auto [first, second] = bench.Deal.Pair(72 - bench.Board->Model().RemovedCount() / 2);
                const TilePresence candidates = Candidates(bench);
                if (bench.Board->Model().RemovedCount() % 2 == 0 && candidates[first] && candidates[second]) {
                    bench.Key(Qt::Key_Escape);
                    QVERIFY(WalkTo(bench, first));
                    bench.Key(Qt::Key_Space);
                    QVERIFY(WalkTo(bench, second));
                    bench.Key(Qt::Key_Space);
                    bench.Key(Qt::Key_Return);
                    ++moves;
                }
            } else {
                const auto& [key, modifiers] = keys[random() % keys.size()];
                bench.Key(key, modifiers);
            }
            const std::int32_t focus = bench.Board->KeyboardFocusTile();
            const TilePresence candidates = Candidates(bench);
            const bool anyFree = std::find(candidates.begin() + 1, candidates.end(), true) != candidates.end();
            QVERIFY2(focus == 0 ? !anyFree : candidates[focus], qPrintable(QString("step %1 focus %2").arg(step).arg(focus)));
            QCOMPARE(TilesWithRing(bench), bench.Board->KeyboardFocusShown() && focus != 0 ? 1 : 0);
        }
        QVERIFY(moves > 10);
    }

    // Space acts as a click (event 1 accepted, 0 refused for a free tile that does not match);
    // Escape clears the selection through the model. The focus never reaches a locked tile,
    // so that refusal cannot come from the keyboard.
    void SpaceSelectsLikeAClickAndEscapeClearsTheSelection()
    {
        BoardBench bench;
        bench.StoreGame(ThreeFreeOfOneFace(bench.Deal.Faces));
        QVERIFY(bench.Open());
        bench.Key(Qt::Key_Space);  // without the ring, Space only shows it
        QCOMPARE(bench.Board->Model().SelectedTile1(), 0);
        QVERIFY(bench.Board->KeyboardFocusShown());
        bench.Sound.Clear();
        QVERIFY(WalkTo(bench, 88));
        bench.Key(Qt::Key_Space);
        QVERIFY(WalkTo(bench, 1));
        bench.Key(Qt::Key_Space);  // another face: refused
        QVERIFY(!bench.Tile(1)->Bright());
        QVERIFY(WalkTo(bench, 114));
        bench.Key(Qt::Key_Space);
        QVERIFY(bench.Tile(114)->Bright());
        QVERIFY(bench.Button("cmdRemoveTiles")->isEnabled());
        QCOMPARE(bench.Sound.Events, (std::vector<std::int32_t>{SoundTileSelected, SoundTileLocked, SoundTileSelected}));

        bench.Key(Qt::Key_Escape);
        QCOMPARE(bench.Board->Model().SelectedTile1(), 0);
        QVERIFY(!bench.Tile(114)->Bright());
        QVERIFY(!bench.Button("cmdRemoveTiles")->isEnabled());

        bench.Key(Qt::Key_F10);  // the menus, for the commands without a shortcut
        QTRY_VERIFY(bench.Board->findChild<QMenu*>("mnuFile")->isVisible());
    }

    // The ring shows only once an arrow was pressed, on the normal and the selected look,
    // and a mouse click takes it away.
    void RingIsDrawnOnlyAfterAnArrowKey()
    {
        BoardBench bench;
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        QWidget* surface = bench.Board->centralWidget();
        const QImage untouched = surface->grab().toImage();
        const std::int32_t focus = bench.Board->KeyboardFocusTile();
        QVERIFY(focus != 0);
        bench.Click(focus);
        bench.Click(focus);  // selected and deselected again by the mouse: no ring
        QCOMPARE(surface->grab().toImage(), untouched);

        bench.Key(Qt::Key_Up);
        QCOMPARE(bench.Board->KeyboardFocusTile(), focus);
        const QRect tileArea = bench.Tile(focus)->geometry();
        QVERIFY(surface->grab().toImage().copy(tileArea) != untouched.copy(tileArea));

        bench.Key(Qt::Key_Space);  // the selected look keeps the ring
        TilePicture* picture = bench.Tile(focus);
        QVERIFY(picture->Bright());
        const QImage selectedRinged = picture->grab().toImage();
        picture->SetFocusRing(false);
        QVERIFY(picture->grab().toImage() != selectedRinged);
        picture->SetFocusRing(true);

        bench.Click(focus);  // the mouse deselects it and hides the ring
        QVERIFY(!bench.Board->KeyboardFocusShown());
        QCOMPARE(surface->grab().toImage(), untouched);
    }

    void ScreenReaderReadsTileNamesStatesAndPlacesInBothLanguages()
    {
        BoardBench bench;
        bench.StoreGame(ThreeFreeOfOneFace(bench.Deal.Faces));
        QVERIFY(bench.Open());
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(bench.Board->centralWidget());
        QVERIFY(board);
        auto tile = [&bench](std::int32_t position) { return QAccessible::queryAccessibleInterface(bench.Tile(position)); };
        QVERIFY(board->indexOfChild(tile(88)) >= 0);
        QCOMPARE(tile(88)->parent()->object(), bench.Board->centralWidget());

        // One tile of each kind, by its face: the names a player hears.
        struct Named {
            std::int32_t Face;
            const char* English;
            const char* German;
        };
        const std::vector<Named> names{{3, "Bamboo 3", "Bambus 3"},       {12, "Circle 3", "Kreis 3"},
                                       {27, "Character 9", "Zeichen 9"}, {30, "White dragon", "Weißer Drache"},
                                       {34, "West wind", "Westwind"},    {38, "Plum", "Pflaume"},
                                       {39, "Spring", "Frühling"}};
        auto positionOf = [&bench](std::int32_t face) {
            for (std::int32_t position = 1; position <= TileCount; ++position)
                if (bench.Board->Model().TileFaces()[position] == face) return position;
            return 0;
        };
        auto distinctNames = [&]() {
            QSet<QString> heard;
            for (std::int32_t position = 1; position <= TileCount; ++position)
                heard.insert(tile(position)->text(QAccessible::Name));
            return heard.size();
        };

        for (int language : {0, 1}) {
            bench.Action(language == 0 ? "mnuOptionLocaleSelect_0" : "mnuOptionLocaleSelect_1")->trigger();
            for (const Named& named : names)
                QCOMPARE(tile(positionOf(named.Face))->text(QAccessible::Name),
                         QString::fromUtf8(language == 0 ? named.English : named.German));
            QCOMPARE(distinctNames(), qsizetype(FaceCount));  // every face has a name of its own
            QCOMPARE(tile(1)->text(QAccessible::Description),
                     QString(language == 0 ? "Layer 5, column 7, row 4" : "Ebene 5, Spalte 7, Reihe 4"));
            QCOMPARE(board->text(QAccessible::Name), QString(language == 0 ? "Board" : "Spielfeld"));
            QCOMPARE(QAccessible::queryAccessibleInterface(bench.Label("lblTileCount"))->text(QAccessible::Name),
                     QString(language == 0 ? "144 of 144" : "144 von 144"));
        }
        bench.Action("mnuOptionLocaleSelect_0")->trigger();

        QVERIFY(tile(2)->state().disabled);  // locked under the top tile
        QVERIFY(!tile(88)->state().disabled);
        QVERIFY(!tile(88)->state().selected);
        bench.Click(88);
        QVERIFY(tile(88)->state().selected);
        QVERIFY(!tile(88)->state().focused);  // the mouse player has no focus ring
        bench.Key(Qt::Key_Left);  // the ring shows where the click left the focus
        QCOMPARE(bench.Board->KeyboardFocusTile(), 88);
        QVERIFY(tile(88)->state().focused);
        QCOMPARE(board->focusChild()->object(), bench.Tile(88));
    }

    // A selection raises a state change of the tile, the arrow a focus event, and a move the
    // board's announcement of what happened.
    void SelectionsFocusAndMovesRaiseEvents()
    {
        QStringList heard;
        Heard = &heard;
        QAccessible::installUpdateHandler(&Hear);
        SetAccessibilityActive(true);
        // Switched off again however the test ends, so later tests see the usual platform.
        const std::shared_ptr<void> off(nullptr, [](void*) {
            SetAccessibilityActive(false);
            QAccessible::installUpdateHandler(nullptr);
            Heard = nullptr;
        });
        BoardBench bench;
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        const auto [first, second] = bench.Deal.Pair(72);
        QWidget* surface = bench.Board->centralWidget();

        bench.Key(Qt::Key_Down);  // shows the ring where the focus is
        QVERIFY(heard.contains(Line(QAccessible::Focus, bench.Tile(bench.Board->KeyboardFocusTile()))));
        QVERIFY(WalkTo(bench, first));
        QVERIFY(heard.contains(Line(QAccessible::Focus, bench.Tile(first))));
        bench.Key(Qt::Key_Space);
        QVERIFY(heard.contains(Line(QAccessible::StateChanged, bench.Tile(first), "selected")));
        bench.Click(second);
        bench.Key(Qt::Key_Return);
        QVERIFY(heard.contains(Line(QAccessible::ValueChanged, surface, "Pair removed, 142 of 144")));
        QVERIFY(heard.contains(Line(QAccessible::Alert, surface)));
        QCOMPARE(QAccessible::queryAccessibleInterface(surface)->text(QAccessible::Value),
                 QString("Pair removed, 142 of 144"));
        bench.Action("mnuOptionLocaleSelect_1")->trigger();
        QVERIFY(heard.contains(Line(QAccessible::NameChanged, surface)));
        bench.Key(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(heard.contains(Line(QAccessible::ValueChanged, surface, "Paar zurückgelegt, 144 von 144")));
    }
};

} // namespace tessaron

int RunBoardKeyboardTests(int argc, char** argv)
{
    tessaron::BoardKeyboardTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "BoardKeyboardTest.moc"
