#pragma once
// The real board window wired to doubles: a settings store in memory, recorded sounds and
// message boxes, a clock and a tick moved by hand, a scripted file dialog and companions.
// Tests click the real widgets and read what a player would see.
#include "board/BoardGeometry.h"
#include "doubles/DoubleServices.h"
#include "doubles/ManualTimer.h"
#include "doubles/RecordingCompanions.h"
#include "play/KnownDeals.h"
#include "records/GameRecord.h"
#include "window/TilePicture.h"
#include "window/frmBoard.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>

namespace tessaron {

struct BoardBench : DoubleServices {
    explicit BoardBench(std::uint64_t seed = 5) : DoubleServices(99)
    {
        Geometry.CreateTileRelations(BoardLayout, 36.0f, 52.0f);
        Deal = GenerateDeal(Geometry, Report.Errors, seed);
    }

    // The deal the board resumes when it opens.
    void StoreGame(const TileArray& faces) { Store.Write("Board", "Game", ConvertTilesToString(faces, Report.Errors)); }

    // Creates and shows the board (with the recording companions unless others are given)
    // and waits for its first deal; true when it came.
    bool Open(BoardCompanions* companions = nullptr)
    {
        BoardOptions options;
        options.Timer = &Timer;
        options.EndProgram = [this] { ++ProgramEnds; };
        options.Solver = Solver;
        options.PictureWorkers = PictureWorkers;
        options.StartDeal = StartDeal;
        options.OpenHistory = OpenHistory;
        options.StartLayout = StartLayout;
        options.DemoTimer = &DemoTimer;
        Board = std::make_unique<frmBoard>(Wiring, companions ? *companions : Companions, std::move(options));
        Board->show();
        if (!QTest::qWaitFor([this] { return Board->Model().DealExists(); }, 5000)) return false;
        Board->activateWindow();
        return QTest::qWaitForWindowActive(Board.get());
    }
    // Closes the board the orderly way and forgets it, as at the end of a run.
    void Close()
    {
        Board->close();
        Board.reset();
    }

    TilePicture* Tile(std::int32_t tile) const { return Board->findChild<TilePicture*>(QStringLiteral("imgTile_%1").arg(tile)); }
    QPushButton* Button(const char* name) const { return Board->findChild<QPushButton*>(QString::fromLatin1(name)); }
    QAction* Action(const char* name) const { return Board->findChild<QAction*>(QString::fromLatin1(name)); }
    QLabel* Label(const char* name) const { return Board->findChild<QLabel*>(QString::fromLatin1(name)); }
    QString Text(const char* name) const { return Label(name)->text(); }
    // Some notification the board showed for a screen reader holds text.
    bool Spoken(const QString& text) const
    {
        const QList<QLabel*> labels = Board->findChildren<QLabel*>();
        return std::any_of(labels.begin(), labels.end(), [&](const QLabel* label) { return label->text().contains(text); });
    }

    void Click(std::int32_t tile) { QTest::mouseClick(Tile(tile), Qt::LeftButton, {}, QPoint(20, 28)); }
    // As the window system delivers it: a click, then the double click and its release.
    void DoubleClick(std::int32_t tile)
    {
        Click(tile);
        QTest::mouseDClick(Tile(tile), Qt::LeftButton, {}, QPoint(20, 28));
        QTest::mouseRelease(Tile(tile), Qt::LeftButton, {}, QPoint(20, 28));
    }
    void Press(const char* button) { QTest::mouseClick(Button(button), Qt::LeftButton); }
    // The event loop runs between two keys of a player (a new deal hands the keyboard back
    // to the board through it).
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QCoreApplication::processEvents();
        QTest::keyClick(Board.get(), key, modifiers);
    }
    void Move(std::int32_t first, std::int32_t second)
    {
        Click(first);
        Click(second);
        Press("cmdRemoveTiles");
    }
    void MovePair(int k) { Move(Deal.Pair(k).first, Deal.Pair(k).second); }

    int VisibleTiles() const
    {
        int count = 0;
        for (std::int32_t tile = 1; tile <= TileCount; ++tile) count += Tile(tile)->isVisible() ? 1 : 0;
        return count;
    }

    BoardGeometry Geometry{Report.Errors};
    RecordingCompanions Companions;
    ManualTimer Timer;
    // The demo's step, fired by hand.
    ManualTimer DemoTimer;
    // Null: the board's own worker thread.
    PositionSolver* Solver = nullptr;
    // Null: the board's own picture decoder.
    QThreadPool* PictureWorkers = nullptr;
    // "--layout KEY" at the next Open.
    std::optional<std::string> StartLayout;
    // The command line's deal, and the history the board opens (null: none).
    std::variant<DealStartRequest, std::string> StartDeal;
    HistoryOpener OpenHistory;
    int ProgramEnds = 0;
    KnownDeal Deal;
    std::unique_ptr<frmBoard> Board;
};

// The offscreen platform warns at every window resize. QtTest installs its own message
// handler when a test class starts, so call this from initTestCase to filter in front of it.
inline void QuietResizeWarnings()
{
    static QtMessageHandler next = nullptr;
    next = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (!message.contains(QLatin1String("propagateSizeHints")) && next) next(type, context, message);
    });
}

} // namespace tessaron
