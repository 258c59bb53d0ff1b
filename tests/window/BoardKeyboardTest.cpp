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

#include <random>

namespace tessaron {

namespace {

constexpr std::array<std::pair<FocusDirection, Qt::Key>, 4> Arrows{{{FocusDirection::Left, Qt::Key_Left},
                                                                     {FocusDirection::Right, Qt::Key_Right},
                                                                     {FocusDirection::Up, Qt::Key_Up},
                                                                     {FocusDirection::Down, Qt::Key_Down}}};

TilePresence Candidates(const BoardBench& bench)
{
    return FocusCandidates(bench.Geometry, bench.Board->Model().Presence(), bench.Board->Model().PeekMode());
}

// Left and Right walk the candidates in reading order, so one of the two reaches any of
// them; false when neither gets there.
bool WalkTo(BoardBench& bench, std::int32_t target)
{
    if (!bench.Board->KeyboardFocusShown()) bench.Key(Qt::Key_Right);  // the first arrow only shows the ring
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Left}) {
        std::int32_t last = 0;
        while (bench.Board->KeyboardFocusTile() != target && bench.Board->KeyboardFocusTile() != last) {
            last = bench.Board->KeyboardFocusTile();
            bench.Key(key);
        }
    }
    return bench.Board->KeyboardFocusTile() == target;
}

// Selects both tiles with the arrows and Space, and makes the move with Enter.
bool MoveByKeys(BoardBench& bench, std::pair<std::int32_t, std::int32_t> pair)
{
    if (!WalkTo(bench, pair.first)) return false;
    bench.Key(Qt::Key_Space);
    if (!WalkTo(bench, pair.second)) return false;
    bench.Key(Qt::Key_Space);
    bench.Key(Qt::Key_Return);
    return true;
}

int TilesWithRing(const BoardBench& bench)
{
    int count = 0;
    for (std::int32_t tile = 1; tile <= TileCount; ++tile) count += bench.Tile(tile)->FocusRing() ? 1 : 0;
    return count;
}

// The focus rests on a tile a click could select (none when there is none), and only a
// shown focus is ringed.
bool FocusRestsOnACandidate(const BoardBench& bench)
{
    const std::int32_t focus = bench.Board->KeyboardFocusTile();
    const TilePresence candidates = Candidates(bench);
    const bool anyFree = std::find(candidates.begin() + 1, candidates.end(), true) != candidates.end();
    const int rings = bench.Board->KeyboardFocusShown() && focus != 0 ? 1 : 0;
    return (focus == 0 ? !anyFree : candidates[focus]) && TilesWithRing(bench) == rings;
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

// What the board's notifications said, in order.
QStringList Said(const QStringList& heard)
{
    QStringList said;
    const QString shown = QStringLiteral("%1 ").arg(int(QAccessible::ObjectShow));
    for (const QString& line : heard)
        if (line.startsWith(shown) && line.section(QLatin1Char(' '), 2) != QString())
            said << line.section(QLatin1Char(' '), 2);
    return said;
}

void Hear(QAccessibleEvent* event)
{
    QString value;
    // A notification shown is spoken with its text.
    if (event->type() == QAccessible::ObjectShow && event->accessibleInterface() &&
        event->accessibleInterface()->role() == QAccessible::Notification)
        value = event->accessibleInterface()->text(QAccessible::Name);
    if (event->type() == QAccessible::StateChanged &&
        static_cast<QAccessibleStateChangeEvent*>(event)->changedStates().selected)
        value = QStringLiteral("selected");
    if (Heard) *Heard << Line(event->type(), event->object(), value);
}

} // namespace

class BoardKeyboardTest : public QObject {
    Q_OBJECT

private slots:
    // Random keys (arrows, Space, Enter, Escape, undo, redo, restart, peek) and moves by keys,
    // then the whole deal won by keys alone. An arrow takes the focus where the focus rules
    // say; after every key the focus rests on a tile a click could select (a free one, in peek
    // mode any in play), the only one ringed.
    void KeysAloneWinAndTheFocusRestsOnlyWhereAClickCouldSelect()
    {
        BoardBench bench(23);
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        std::mt19937_64 random(4);
        const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
            {Qt::Key_Space, {}}, {Qt::Key_Space, {}}, {Qt::Key_Return, {}}, {Qt::Key_Escape, {}},
            {Qt::Key_Z, Qt::ControlModifier}, {Qt::Key_V, Qt::ControlModifier}, {Qt::Key_R, Qt::ControlModifier},
            {Qt::Key_P, Qt::ControlModifier}};
        int moves = 0;
        for (int step = 0; step < 600; ++step) {
            const auto roll = random() % 15;
            const std::int32_t focus = bench.Board->KeyboardFocusTile();
            if (roll < 3) {
                // A move by keys: the next pair of the known solution, when it is still free.
                const auto pair = bench.Deal.Pair(72 - bench.Board->Model().RemovedCount() / 2);
                const TilePresence candidates = FocusCandidates(bench.Geometry, bench.Board->Model().Presence());
                if (bench.Board->Model().RemovedCount() % 2 == 0 && candidates[pair.first] && candidates[pair.second]) {
                    bench.Key(Qt::Key_Escape);
                    QVERIFY(MoveByKeys(bench, pair));
                    ++moves;
                }
            } else if (roll < 8) {
                const auto& [direction, key] = Arrows[random() % Arrows.size()];
                const bool shown = bench.Board->KeyboardFocusShown() && focus != 0;
                const std::int32_t expected =
                    shown ? NextFocusTile(bench.Geometry, Candidates(bench), focus, direction) : focus;
                bench.Key(key);
                QCOMPARE(bench.Board->KeyboardFocusTile(), expected);
            } else {
                const auto& [key, modifiers] = keys[random() % std::size(keys)];
                bench.Key(key, modifiers);
            }
            QVERIFY2(FocusRestsOnACandidate(bench), qPrintable(QString("step %1 focus %2").arg(step).arg(focus)));
        }
        QVERIFY(moves > 10);

        // In peek mode the keys reach a locked tile too, and lift it.
        bench.Key(Qt::Key_R, Qt::ControlModifier);
        bench.Click(1);
        bench.Key(Qt::Key_P, Qt::ControlModifier);
        std::int32_t locked = 2;
        while (!bench.Board->Model().IsPresent(locked) || !bench.Board->Model().IsLocked(locked)) ++locked;
        QVERIFY(WalkTo(bench, locked));
        bench.Key(Qt::Key_Space);
        bench.Key(Qt::Key_Return);
        QVERIFY(!bench.Tile(locked)->isVisible());

        bench.Key(Qt::Key_R, Qt::ControlModifier);
        bench.Sound.Clear();
        for (int k = 72; k >= 1; --k) {
            QVERIFY2(MoveByKeys(bench, bench.Deal.Pair(k)), qPrintable(QString("pair %1").arg(k)));
            QCOMPARE(bench.VisibleTiles(), 2 * (k - 1));
            QVERIFY(FocusRestsOnACandidate(bench));
        }
        QVERIFY(bench.Label("imgGameWon_0")->isVisible());
        QCOMPARE(bench.Sound.Events.back(), SoundGameWon);
        QVERIFY(std::find(bench.Sound.Events.begin(), bench.Sound.Events.end(), SoundTileLocked) ==
                bench.Sound.Events.end());
        QCOMPARE(bench.Board->KeyboardFocusTile(), 0);
        QVERIFY(bench.Companions.Inserts.empty());  // the clock is off: no hall of fame
        bench.Key(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!bench.Label("imgGameWon_0")->isVisible());
    }

    // Space acts as a click: event 1 accepted, 0 refused for a free tile that does not match
    // (the focus never reaches a locked tile, so that refusal cannot come from the keyboard).
    // Escape clears the selection through the model. The reader hears each tile's name,
    // place and state in the game's language, and is told of selections, focus and moves.
    void SpaceSelectsLikeAClickAndTheReaderHearsNamesStatesAndMoves()
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
        bench.StoreGame(ThreeFreeOfOneFace(bench.Deal.Faces));
        QVERIFY(bench.Open());
        QWidget* surface = bench.Board->centralWidget();
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(surface);
        auto tile = [&bench](std::int32_t position) { return QAccessible::queryAccessibleInterface(bench.Tile(position)); };
        QVERIFY(board->indexOfChild(tile(88)) >= 0);
        QCOMPARE(tile(88)->parent()->object(), surface);

        // One tile of each kind, by its face: the names a player hears.
        const std::tuple<std::int32_t, const char*, const char*> names[] = {
            {3, "Bamboo 3", "Bambus 3"}, {12, "Circle 3", "Kreis 3"}, {27, "Character 9", "Zeichen 9"},
            {30, "White dragon", "Weißer Drache"}, {34, "West wind", "Westwind"}, {38, "Plum", "Pflaume"},
            {39, "Spring", "Frühling"}};
        const TileArray& faces = bench.Board->Model().TileFaces();
        for (int language : {1, 0}) {
            bench.Action(language == 0 ? "mnuOptionLocaleSelect_0" : "mnuOptionLocaleSelect_1")->trigger();
            for (const auto& [face, english, german] : names) {
                const auto position = std::find(faces.begin() + 1, faces.end(), face) - faces.begin();
                QCOMPARE(tile(std::int32_t(position))->text(QAccessible::Name),
                         QString::fromUtf8(language == 0 ? english : german));
            }
            QSet<QString> distinct;  // every face has a name of its own
            for (std::int32_t position = 1; position <= TileCount; ++position)
                distinct.insert(tile(position)->text(QAccessible::Name));
            QCOMPARE(distinct.size(), qsizetype(FaceCount));
            QCOMPARE(tile(1)->text(QAccessible::Description),
                     QString(language == 0 ? "Layer 5, column 8, row 5" : "Ebene 5, Spalte 8, Reihe 5"));
            QCOMPARE(board->text(QAccessible::Name), QString(language == 0 ? "Board" : "Spielfeld"));
            QCOMPARE(QAccessible::queryAccessibleInterface(bench.Label("lblTileCount"))->text(QAccessible::Name),
                     QString(language == 0 ? "144 of 144" : "144 von 144"));
        }
        QVERIFY(heard.contains(Line(QAccessible::NameChanged, surface)));
        QVERIFY(tile(2)->state().disabled);  // locked under the top tile
        QVERIFY(!tile(88)->state().disabled);

        bench.Key(Qt::Key_Space);  // without the ring, Space only shows it
        QCOMPARE(bench.Board->Model().SelectedTile1(), 0);
        QVERIFY(bench.Board->KeyboardFocusShown());
        bench.Click(88);
        QVERIFY(tile(88)->state().selected);
        QVERIFY(heard.contains(Line(QAccessible::StateChanged, bench.Tile(88), "selected")));
        QTRY_COMPARE(Said(heard).back(), tile(88)->text(QAccessible::Name) + " selected");
        QVERIFY(!tile(88)->state().focused);  // the mouse player has no focus ring
        bench.Key(Qt::Key_Left);  // the ring shows where the click left the focus
        QCOMPARE(bench.Board->KeyboardFocusTile(), 88);
        QVERIFY(tile(88)->state().focused);
        QCOMPARE(board->focusChild()->object(), bench.Tile(88));
        QVERIFY(heard.contains(Line(QAccessible::Focus, bench.Tile(88))));

        bench.Sound.Clear();
        QVERIFY(WalkTo(bench, 1));
        bench.Key(Qt::Key_Space);  // another face: refused
        QVERIFY(!bench.Tile(1)->Bright());
        QTRY_COMPARE(Said(heard).back(), tile(1)->text(QAccessible::Name) + " cannot be selected");
        QVERIFY(WalkTo(bench, 114));
        bench.Key(Qt::Key_Space);
        QVERIFY(bench.Tile(114)->Bright());
        QVERIFY(bench.Button("cmdRemoveTiles")->isEnabled());
        QCOMPARE(bench.Sound.Events, (std::vector<std::int32_t>{SoundTileLocked, SoundTileSelected}));
        bench.Key(Qt::Key_Escape);
        QCOMPARE(bench.Board->Model().SelectedTile1(), 0);
        QVERIFY(!bench.Tile(114)->Bright());
        QVERIFY(!bench.Button("cmdRemoveTiles")->isEnabled());

        bench.Click(88);
        bench.Click(114);
        bench.Key(Qt::Key_Return);
        QTRY_COMPARE(Said(heard).back(), QString("Pair removed, 142 of 144"));
        QVERIFY(tile(88)->state().disabled && tile(88)->state().invisible);  // off the board
        bench.Action("mnuOptionLocaleSelect_1")->trigger();
        bench.Key(Qt::Key_Z, Qt::ControlModifier);
        QTRY_COMPARE(Said(heard).back(), QString("Paar zurückgelegt, 144 von 144"));
        // The board never claims a value it has no interface for.
        for (const QString& line : heard) QVERIFY(!line.startsWith(QString::number(int(QAccessible::ValueChanged)) + " "));

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
        TilePicture* picture = bench.Tile(focus);
        bench.Key(Qt::Key_Up);
        QCOMPARE(bench.Board->KeyboardFocusTile(), focus);
        QVERIFY(surface->grab().toImage().copy(picture->geometry()) != untouched.copy(picture->geometry()));

        bench.Click(focus);  // selected by the mouse: no ring
        QVERIFY(picture->Bright());
        const QImage selected = picture->grab().toImage();
        bench.Key(Qt::Key_Up);
        QVERIFY(picture->grab().toImage() != selected);

        bench.Click(focus);  // the mouse deselects it and hides the ring
        QVERIFY(!bench.Board->KeyboardFocusShown());
        QCOMPARE(surface->grab().toImage(), untouched);
    }
};

} // namespace tessaron

int RunBoardKeyboardTests(int argc, char** argv)
{
    tessaron::BoardKeyboardTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "BoardKeyboardTest.moc"
