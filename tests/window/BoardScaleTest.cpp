// The board at other sizes and on denser screens: the pictures of the matching resolution
// are shown pixel for pixel, a click lands on the tile drawn under it, and the window's size
// comes back at the next start when it still fits the desktop.
#include "BoardBench.h"

#include "ResourceNames.h"
#include <QScreen>
#include <QTest>
#include <QWindow>

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

    void StoredSizeIsRestoredOnlyWhenItFitsTheDesktop()
    {
        const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
        const QSize fitting(std::min(desktop.width() - 10, 760), desktop.height() - 10);
        const struct {
            QSize Stored;
            bool Restored;
        } cases[] = {{fitting, true},
                     {QSize(desktop.width() + 40, desktop.height() - 10), false},
                     {QSize(fitting.width(), desktop.height() + 40), false},
                     {QSize(400, 300), false}};  // smaller than the board
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

} // namespace tessaron

// The first argument names the suite; CTest runs the pixel-ratio one under QT_SCALE_FACTOR=2.
int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QStringList arguments = QApplication::arguments();
    const QString suite = arguments.size() > 1 ? arguments.takeAt(1) : QString();
    if (suite == QLatin1String("BoardScaleTest")) {
        tessaron::BoardScaleTest test;
        return QTest::qExec(&test, arguments);
    }
    if (suite == QLatin1String("BoardPixelRatioTest")) {
        tessaron::BoardPixelRatioTest test;
        return QTest::qExec(&test, arguments);
    }
    return 1;
}

#include "BoardScaleTest.moc"
