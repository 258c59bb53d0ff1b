#pragma once
// The real board window offscreen, wired to the platform doubles (settings in memory,
// recorded sounds and boxes, a clock and tick moved by hand), and a counter of the paint
// events its tile pictures receive, so a benchmark can tell that the board was drawn.
#include "doubles/DoubleServices.h"
#include "doubles/ManualTimer.h"
#include "doubles/RecordingCompanions.h"
#include "shell/frmGame.h"
#include "window/TilePicture.h"
#include "window/frmBoard.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>

#include <chrono>
#include <memory>

namespace tessaron {

// Counts paint events of tile pictures (all of them, and those of one watched tile) and of
// the progress window's controls.
class TilePaintCounter final : public QObject {
public:
    TilePaintCounter() { qApp->installEventFilter(this); }
    ~TilePaintCounter() override { qApp->removeEventFilter(this); }

    void Reset(const QObject* watched = nullptr)
    {
        Watched = watched;
        AllTiles = 0;
        WatchedTile = 0;
        ProgressWindow = 0;
    }

    const QObject* Watched = nullptr;
    int AllTiles = 0;
    int WatchedTile = 0;
    int ProgressWindow = 0;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() != QEvent::Paint) return false;
        if (qobject_cast<TilePicture*>(object)) {
            ++AllTiles;
            if (object == Watched) ++WatchedTile;
        } else if (auto* widget = qobject_cast<QWidget*>(object); widget && qobject_cast<frmGame*>(widget->window())) {
            ++ProgressWindow;
        }
        return false;
    }
};

struct BoardWindowBench : DoubleServices {
    BoardWindowBench() : DoubleServices(2026) {}

    // Creates and shows the board and runs the event loop until its first deal is drawn.
    bool Open()
    {
        Board = std::make_unique<frmBoard>(Wiring, Companions, BoardOptions{&Timer, [this] { ++ProgramEnds; }});
        Board->show();
        QElapsedTimer waited;
        waited.start();
        while (!Board->Model().DealExists() && waited.elapsed() < 5000) QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        CloseProgressWindows();
        return Board->Model().DealExists();
    }

    // The progress window of a build closes itself a second later; a player's next command
    // usually comes after that, so benchmarks close it between two measurements.
    static void CloseProgressWindows()
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* progress = qobject_cast<frmGame*>(window)) progress->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Sizes the window so the board is shown at percent of its first-start size, and runs
    // the event loop until it is drawn so.
    void ShowBoardAt(int percent)
    {
        QWidget* surface = Board->centralWidget();
        const QSize board(580 * percent / 100, 474 * percent / 100);
        Board->resize(Board->size() - surface->size() + board);
        QCoreApplication::processEvents();
    }

    QAction* Action(const char* name) const { return Board->findChild<QAction*>(QString::fromLatin1(name)); }
    TilePicture* Tile(std::int32_t tile) const
    {
        return Board->findChild<TilePicture*>(QStringLiteral("imgTile_%1").arg(tile));
    }

    RecordingCompanions Companions;
    ManualTimer Timer;
    int ProgramEnds = 0;
    TilePaintCounter Paints;
    std::unique_ptr<frmBoard> Board;
};

inline double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace tessaron
