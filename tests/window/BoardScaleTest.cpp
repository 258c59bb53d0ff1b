// The board at other sizes and on denser screens: the pictures of the matching resolution
// are shown pixel for pixel, a click lands on the tile drawn under it, every control lies
// where its board units say, and the window fits the screen's free area.
#include "BoardBench.h"

#include "ResourceNames.h"
#include <QScreen>
#include <QTest>
#include <QScopeGuard>
#include <QSemaphore>
#include <QThreadPool>
#include <QWindow>

#include <cmath>
#include <map>
#include <optional>

namespace tessaron {

namespace {

// A tile's picture in board units: 40 x 56 at its place.
QRectF PictureUnits(const PixelPlace& place)
{
    return {double(place.Left), double(place.Top), double(resources::TileFaceWidth), double(resources::TileFaceHeight)};
}

// A point of the tile's face that no picture in front of it covers (a smaller position lies
// in front), in board units; null when it is hidden entirely. The face is the plate at the
// picture's top right, less the edges of its neighbours in the row and column.
std::optional<QPointF> VisiblePoint(const BoardBench& bench, std::int32_t tile)
{
    const int edge = resources::TileEdge;
    const QRectF face = PictureUnits(bench.Geometry.Place(tile)).adjusted(edge, edge, -edge, -edge);
    for (qreal y = face.top() + 1; y < face.bottom(); y += 2) {
        for (qreal x = face.left() + 1; x < face.right(); x += 2) {
            bool covered = false;
            for (std::int32_t front = 1; front < tile && !covered; ++front)
                covered = bench.Tile(front)->isVisible() && PictureUnits(bench.Geometry.Place(front)).contains(x, y);
            if (!covered) return QPointF(x, y);
        }
    }
    return std::nullopt;
}

// Sizes the window so the board shows at factor times its first size.
void ShowBoardAt(BoardBench& bench, qreal factor)
{
    QWidget* surface = bench.Board->centralWidget();
    const QSize board(int(std::lround(580 * factor)), int(std::lround(474 * factor)));
    bench.Board->resize(bench.Board->size() - surface->size() + board);
    QTRY_COMPARE_WITH_TIMEOUT(surface->size(), board, 10000);
}

// The mean and the spread (standard deviation) of the green of the pixels in band: green
// carries most of the felt's light and grain.
std::pair<double, double> GreenOf(const QImage& image, const QRect& band)
{
    double sum = 0;
    double squares = 0;
    for (int y = band.top(); y <= band.bottom(); ++y) {
        for (int x = band.left(); x <= band.right(); ++x) {
            const double green = qGreen(image.pixel(x, y));
            sum += green;
            squares += green * green;
        }
    }
    const double count = band.width() * band.height();
    const double mean = sum / count;
    return {mean, std::sqrt(std::max(0.0, squares / count - mean * mean))};
}

} // namespace

class BoardScaleTest : public QObject {
    Q_OBJECT

private slots:
    // At twice the size every tile, from the top of the heap to the table, is selected by a
    // click on the place where it is drawn; the clicks go through the window as a player's do.
    void EveryTileIsSelectedByAClickOnItsDrawnPlaceAtDoubleSize()
    {
        BoardBench bench;
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        QWidget* surface = bench.Board->centralWidget();
        bench.Board->resize(bench.Board->size() + surface->size());
        QTRY_COMPARE(surface->size(), QSize(1160, 948));
        QCOMPARE(bench.Tile(1)->size(), QSize(80, 112));

        for (int k = 72; k >= 1; --k) {
            const auto [first, second] = bench.Deal.Pair(k);
            for (std::int32_t tile : {first, second}) {
                const std::optional<QPointF> point = VisiblePoint(bench, tile);
                QVERIFY2(point, qPrintable(QStringLiteral("tile %1 is hidden").arg(tile)));
                const QPoint inWindow = surface->mapTo(bench.Board.get(), (*point * 2).toPoint());
                QTest::mouseClick(bench.Board->windowHandle(), Qt::LeftButton, {}, inWindow);
                QVERIFY2(bench.Tile(tile)->Bright(), qPrintable(QStringLiteral("tile %1").arg(tile)));
            }
            bench.Press("cmdRemoveTiles");
        }
        QCOMPARE(bench.VisibleTiles(), 0);
    }

    // A stored size comes back only when it fits the screen's free area with a frame around
    // it and is not below half the board's first size.
    void StoredSizeIsRestoredOnlyWhenItFitsTheDesktop()
    {
        const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
        // Room for a title bar: the frame is not known before the window is first shown.
        const QSize fitting(std::min(desktop.width() - 60, 760), desktop.height() - 60);
        const struct {
            QSize Stored;
            bool Restored;
        } cases[] = {{fitting, true},
                     {QSize(400, 300), true},  // smaller than the board, larger than its half
                     {QSize(desktop.width() + 40, desktop.height() - 60), false},
                     {QSize(fitting.width(), desktop.height() + 40), false},
                     {QSize(250, 200), false}};  // smaller than half the board
        for (const auto& sample : cases) {
            BoardBench bench;
            const double twips = 15.0;  // at 96 dpi
            QCOMPARE(1440.0 / QGuiApplication::primaryScreen()->logicalDotsPerInchX(), twips);
            bench.Store.Write("Board", "Width", std::to_string(int(sample.Stored.width() * twips)));
            bench.Store.Write("Board", "Height", std::to_string(int(sample.Stored.height() * twips)));
            QVERIFY(bench.Open());
            QCOMPARE(bench.Board->size() == sample.Stored, sample.Restored);
            if (!sample.Restored) QCOMPARE(bench.Board->centralWidget()->size(), QSize(580, 474));
            bench.Close();
            // What the window had is stored again: the size it came back with, or the size it took.
            const float width = bench.Settings.LoadRegistrySingle("Board", "Width", 0);
            QCOMPARE(width == float(sample.Stored.width() * twips), sample.Restored);
        }

        // The player may make the window smaller still: the board shrinks to half, all of it.
        BoardBench bench;
        QVERIFY(bench.Open());
        bench.Board->resize(1, 1);
        QTRY_COMPARE(bench.Board->centralWidget()->height(), 237);
        QCOMPARE(bench.Tile(1)->size(), QSize(20, 28));
        QCOMPARE(bench.Button("cmdUndoLastMove")->size(), QSize(12, 12));
    }

    // Every control of the board is in its one list of places and lies where its board units
    // put it, at 100 % and at 200 %: the labels, shown or hidden, in a font of the scale.
    void EveryControlIsPlacedFromItsBoardUnitsAtOneAndTwoTimes()
    {
        BoardBench bench;
        QVERIFY(bench.Open());
        QWidget* surface = bench.Board->centralWidget();
        const std::map<QString, QRectF> boxes{
            {"cmdRedoNextMove", {0, 0, 24, 24}},       {"cmdRemoveTiles", {556, 0, 24, 24}},
            {"cmdRemoveTile", {0, 450, 24, 24}},       {"cmdUndoLastMove", {556, 450, 24, 24}},
            {"imgGameWon_0", {43, 166, 444, 141}},     {"imgGameWon_1", {12, 170, 533, 133}}};
        enum Anchor { Left, Centre, Right };
        const std::map<QString, std::tuple<Anchor, int, int>> labels{
            {"lblGameOrigin", {Centre, 270, 1}},     {"lblTimeGone", {Left, 29, 450}},
            {"lblNoMovePossible", {Centre, 270, 450}}, {"lblGameLost", {Centre, 270, 450}},
            {"lblTileCount", {Right, 551, 450}},     {"lblPeekMode", {Centre, 270, 450}},
            {"lblPaused", {Centre, 270, 450}}};
        const QList<QWidget*> children = surface->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        // The screen reader's announcers, of no size at every scale.
        const int announcers = int(std::count_if(children.begin(), children.end(), [](const QWidget* child) {
            return child->objectName() == QStringLiteral("BoardAnnouncement");
        }));
        QCOMPARE(announcers, 8);
        QCOMPARE(children.size(), TileCount + int(boxes.size() + labels.size()) + announcers);
        for (int factor : {1, 2}) {
            ShowBoardAt(bench, factor);
            const auto map = [factor](const QRectF& units) {
                return QRect(QPoint(int(units.left() * factor), int(units.top() * factor)),
                             QSize(int(units.width() * factor), int(units.height() * factor)));
            };
            for (QWidget* child : children) {
                const QString name = child->objectName();
                const QByteArray where = (name + QStringLiteral(" at %1x").arg(factor)).toUtf8();
                QVERIFY2(bench.Board->Places().Contains(child), where.constData());
                if (auto* tile = qobject_cast<TilePicture*>(child)) {
                    QCOMPARE(tile->geometry(), map(PictureUnits(bench.Geometry.Place(tile->Tile()))));
                } else if (boxes.contains(name)) {
                    QVERIFY2(child->geometry() == map(boxes.at(name)), where.constData());
                } else if (name == QStringLiteral("BoardAnnouncement")) {
                    QVERIFY2(child->size().isEmpty(), where.constData());
                } else if (labels.contains(name)) {
                    const auto [anchor, x, top] = labels.at(name);
                    const QRect place = child->geometry();
                    const int edge = anchor == Left    ? place.left()
                                     : anchor == Right ? place.right() + 1
                                                       : place.center().x();
                    QVERIFY2(std::abs(edge - x * factor) <= 1 && place.top() == top * factor, where.constData());
                    QVERIFY2(child->font().pointSizeF() == 12.0 * factor, where.constData());
                } else {
                    QFAIL(qPrintable(name + " has no place known to this test"));
                }
            }
        }
    }

    // A long origin ("name date (time)") is shortened in the middle and stays clear of the
    // corner buttons at any size; its tool tip and accessible name are the whole text.
    void LongOriginIsShortenedInTheMiddleClearOfTheCornerButtons()
    {
        BoardBench bench;
        bench.StoreGame(bench.Deal.Faces);
        const QString origin =
            QStringLiteral("Maximiliane Konstanze Wolfgangine von Hohenzollern-Sigmaringen 03/05/2004 07:08 (12m34s)");
        bench.Store.Write("Board", "GameOrigin", origin.toStdString());
        QVERIFY(bench.Open());
        QLabel* label = bench.Label("lblGameOrigin");
        for (qreal factor : {1.0, 0.5, 2.0}) {
            ShowBoardAt(bench, factor);
            QVERIFY2(label->text().contains(QChar(0x2026)), qPrintable(label->text()));
            QVERIFY(label->text().startsWith(QStringLiteral("Maximiliane")));
            QVERIFY(label->text().endsWith(QStringLiteral("(12m34s)")));
            for (const char* corner : {"cmdRedoNextMove", "cmdRemoveTiles"})
                QVERIFY2(!label->geometry().intersects(bench.Button(corner)->geometry()), corner);
            QCOMPARE(label->toolTip(), origin);
            QCOMPARE(label->accessibleName(), origin);
        }
    }

    // In a window of another shape the margins go on with the felt of the board's edge: no
    // step in colour where the picture ends, and the same grain on both sides.
    void MarginsContinueTheFeltWithoutASeam()
    {
        BoardBench bench;
        QVERIFY(bench.Open());
        QWidget* surface = bench.Board->centralWidget();
        const struct {
            QSize Surface;
            QRect Margin;  // 4 pixels on either side of the seam
            QRect Board;
        } cases[] = {{QSize(1000, 474), QRect(206, 40, 4, 394), QRect(210, 40, 4, 394)},
                     {QSize(580, 800), QRect(40, 159, 500, 4), QRect(40, 163, 500, 4)}};
        for (const auto& sample : cases) {
            bench.Board->resize(bench.Board->size() - surface->size() + sample.Surface);
            QTRY_COMPARE(surface->size(), sample.Surface);
            // The surface alone, without the tiles and labels on it.
            QImage drawn(surface->size(), QImage::Format_ARGB32);
            surface->render(&drawn, QPoint(), QRegion(), QWidget::DrawWindowBackground);
            const auto [marginLight, marginGrain] = GreenOf(drawn, sample.Margin);
            const auto [boardLight, boardGrain] = GreenOf(drawn, sample.Board);
            QVERIFY2(std::abs(marginLight - boardLight) < 3,
                     qPrintable(QStringLiteral("green %1 against %2").arg(marginLight).arg(boardLight)));
            QVERIFY2(marginGrain > boardGrain / 2 && marginGrain < boardGrain * 2,
                     qPrintable(QStringLiteral("grain %1 against %2").arg(marginGrain).arg(boardGrain)));
        }
    }

    // The pictures of a new resolution are decoded on a worker: while it is held the board
    // shows the old ones, scaled to the new size; then the new ones. However many sizes the
    // window goes through, the pictures of two resolutions at most are held.
    void NewResolutionIsDecodedOnAWorkerAndOnlyTwoAreHeld()
    {
        BoardBench bench;
        QThreadPool workers;
        workers.setMaxThreadCount(1);
        QSemaphore held;
        workers.start([&held] { held.acquire(); });
        // Released before the board goes, whatever the outcome: it waits for its decodes.
        auto release = qScopeGuard([&held] { held.release(); });
        bench.PictureWorkers = &workers;
        QVERIFY(bench.Open());
        QCOMPARE(bench.Board->PictureScaleShown(), 1);
        ShowBoardAt(bench, 2);
        QCOMPARE(bench.Board->PictureScaleWanted(), 2);
        QCOMPARE(bench.Board->PictureScaleShown(), 1);
        QCOMPARE(bench.Tile(1)->Picture().devicePixelRatio(), 1.0);
        release.dismiss();
        held.release();
        QTRY_COMPARE(bench.Board->PictureScaleShown(), 2);
        QCOMPARE(bench.Tile(1)->Picture().devicePixelRatio(), 2.0);
        for (int factor : {3, 1, 2, 3, 1}) {
            ShowBoardAt(bench, factor);
            QTRY_COMPARE(bench.Board->PictureScaleShown(), factor);
            QCOMPARE(bench.Tile(144)->Picture().devicePixelRatio(), qreal(factor));
            QVERIFY(bench.Board->Pictures().ScalesHeld() <= 2);
        }
    }
};

class BoardPixelRatioTest : public QObject {
    Q_OBJECT

private slots:
    // On a screen scaled by two the board is drawn from the 2x pictures, pixel for pixel.
    void FacesArePixelForPixelTheDoublePicturesOnADoubleScreen()
    {
        BoardBench bench;
        QVERIFY(bench.Open());
        if (bench.Board->devicePixelRatioF() != 2.0) QSKIP("needs QT_SCALE_FACTOR=2");
        QCOMPARE(bench.Board->centralWidget()->size() * 2, QSize(1160, 948));
        bench.Click(1);  // one tile in the selected look too
        const TileArray faces = bench.Board->Model().TileFaces();
        for (std::int32_t tile = 1; tile <= TileCount; ++tile) {
            TilePicture* picture = bench.Tile(tile);
            const QImage shown = picture->grab().toImage().convertToFormat(QImage::Format_ARGB32);
            const QImage expected =
                QImage(QString::fromStdString(
                           resources::ScaledPath(resources::TileFacePath(picture->Bright(), faces[tile]), 2)))
                    .convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(shown.size(), QSize(80, 112));
            QCOMPARE(expected.size(), shown.size());
            int compared = 0;
            for (int y = 0; y < expected.height(); ++y) {
                for (int x = 0; x < expected.width(); ++x) {
                    if (qAlpha(expected.pixel(x, y)) != 255) continue;  // the board shows through
                    ++compared;
                    if (shown.pixel(x, y) != expected.pixel(x, y))
                        QFAIL(qPrintable(QStringLiteral("tile %1 differs at %2,%3").arg(tile).arg(x).arg(y)));
                }
            }
            QVERIFY(compared > 80 * 112 / 2);
        }
    }
};

// On a screen of 640 x 360 logical pixels (1080p at scale factor 3) the window fits the free
// area at its first start and maximised: the bottom row, Peek and Undo are on the screen.
class BoardSmallScreenTest : public QObject {
    Q_OBJECT

private slots:
    void FirstStartAndMaximisedWindowShowTheBottomRowAndButtons()
    {
        BoardBench bench;
        QVERIFY(bench.Open());
        const QRect free = bench.Board->screen()->availableGeometry();
        if (free.height() > 400) QSKIP("needs a small screen: 1080p at QT_SCALE_FACTOR=3");
        for (bool maximised : {false, true}) {
            if (maximised) {
                bench.Board->showMaximized();
                QTRY_VERIFY(bench.Board->windowState() & Qt::WindowMaximized);
            }
            QTRY_VERIFY2(free.contains(bench.Board->frameGeometry()), maximised ? "maximised" : "first start");
            std::vector<QWidget*> reached{bench.Button("cmdRemoveTile"), bench.Button("cmdUndoLastMove")};
            for (std::int32_t tile = 58; tile <= 69; ++tile) reached.push_back(bench.Tile(tile));  // the bottom row
            for (QWidget* control : reached)
                QVERIFY2(free.contains(QRect(control->mapToGlobal(QPoint()), control->size())),
                         qPrintable(control->objectName()));
        }
    }
};

} // namespace tessaron

// The first argument names the suite; CTest runs the pixel-ratio one under QT_SCALE_FACTOR=2
// and the small-screen one under QT_SCALE_FACTOR=3, both on a 1920 x 1080 screen.
int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QStringList arguments = QApplication::arguments();
    const QString suite = arguments.size() > 1 ? arguments.takeAt(1) : QString();
    if (suite == QLatin1String("BoardScaleTest")) {
        tessaron::BoardScaleTest test;
        return QTest::qExec(&test, arguments);
    }
    if (suite == QLatin1String("BoardSmallScreenTest")) {
        tessaron::BoardSmallScreenTest test;
        return QTest::qExec(&test, arguments);
    }
    if (suite == QLatin1String("BoardPixelRatioTest")) {
        tessaron::BoardPixelRatioTest test;
        return QTest::qExec(&test, arguments);
    }
    return 1;
}

#include "BoardScaleTest.moc"
