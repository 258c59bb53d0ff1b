// The board on other layouts: choosing one, resuming on it, the start option, game files
// that carry a layout, the hall of fame told of each, and clicks that reach the tile drawn
// under them on every layout at 100 % and 200 %.
#include "BoardBench.h"

#include "board/LayoutCatalog.h"
#include "layouts/frmLayouts.h"
#include "records/GameFile.h"
#include "window/BoardLayouts.h"
#include "window/BoardSurface.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace tessaron {

namespace {

std::string LayoutKey(const BoardBench& bench) { return bench.Board->Layouts().Current().Key; }

std::string StoredValue(const BoardBench& bench, const std::string& key)
{
    const auto found = bench.Store.Values().find({"Board", key});
    return found == bench.Store.Values().end() ? std::string() : found->second;
}

void ChooseLayout(BoardBench& bench, const std::string& key, bool newLayoutEveryGame = false)
{
    bench.Companions.LayoutChosen = LayoutChoice{key, newLayoutEveryGame};
    bench.Action("mnuGameLayout")->trigger();
    bench.Companions.LayoutChosen.reset();
}

// The pictures' area in window pixels.
QRect TilesArea(const BoardBench& bench)
{
    QRect area;
    for (std::int32_t tile = 1; tile <= TileCount; ++tile) area |= bench.Tile(tile)->geometry();
    return area;
}

void WriteFile(const QString& path, const std::string& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), qint64(bytes.size()));
}

} // namespace

class BoardLayoutsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QuietResizeWarnings(); }

    // The chooser opens on the layout in use; choosing deals a new game on the chosen one,
    // which the board's tiles, the store and the hall of fame follow, and the next start
    // resumes that game on it. The option picks another layout at each new game.
    void ChoosingALayoutDealsOnItAndTheNextStartResumesIt()
    {
        BoardBench bench;
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        QCOMPARE(LayoutKey(bench), std::string(ClassicLayoutKey));
        QCOMPARE(bench.Companions.LayoutsUsed, std::vector<std::string>{"classic"});
        const QRect classicTiles = TilesArea(bench);

        bench.Companions.LayoutChosen.reset();  // Cancel: nothing changes
        bench.Action("mnuGameLayout")->trigger();
        QCOMPARE(bench.Board->Model().TileFaces(), bench.Deal.Faces);
        ChooseLayout(bench, "long-wall");
        QCOMPARE(bench.Companions.ChooserOpenedOn, (std::vector<std::string>{"classic", "classic"}));
        QCOMPARE(LayoutKey(bench), std::string("long-wall"));
        QCOMPARE(StoredValue(bench, "Layout"), std::string("long-wall"));
        QCOMPARE(bench.Companions.LayoutsUsed.back(), std::string("long-wall"));
        QVERIFY(bench.Board->Model().TileFaces() != bench.Deal.Faces);
        QCOMPARE(bench.VisibleTiles(), 144);
        // A wide board: its tiles lie far wider than high, all of them on the surface.
        const QRect wideTiles = TilesArea(bench);
        QVERIFY(wideTiles.width() > 3 * wideTiles.height());
        QVERIFY(wideTiles != classicTiles);
        QVERIFY(bench.Board->centralWidget()->rect().contains(wideTiles));
        QVERIFY(bench.Board->Layouts().Extent().width() > 2 * BoardScale::BoardWidth);
        const TileArray dealt = bench.Board->Model().TileFaces();

        bench.Close();
        QVERIFY(bench.Open());
        QCOMPARE(LayoutKey(bench), std::string("long-wall"));
        QCOMPARE(bench.Board->Model().TileFaces(), dealt);
        QVERIFY(bench.Board->Model().DealResumed());
        QCOMPARE(TilesArea(bench).size(), wideTiles.size());

        ChooseLayout(bench, "column", true);
        QCOMPARE(StoredValue(bench, "NewLayoutEveryGame"), std::string("1"));
        for (int game = 0; game < 3; ++game) {
            const std::string before = LayoutKey(bench);
            bench.Key(Qt::Key_N, Qt::ControlModifier);
            QVERIFY(LayoutKey(bench) != before);
            QCOMPARE(StoredValue(bench, "Layout"), LayoutKey(bench));
            QCOMPARE(bench.VisibleTiles(), 144);
        }
        // Choosing the classic layout takes its value out of the store.
        ChooseLayout(bench, "classic");
        QCOMPARE(StoredValue(bench, "Layout"), std::string());
        QCOMPARE(bench.Board->Layouts().Extent(), QRectF(0, 0, BoardScale::BoardWidth, BoardScale::BoardHeight));
        const QRect tiles = TilesArea(bench);
        QVERIFY(qAbs(tiles.width() * classicTiles.height() - tiles.height() * classicTiles.width()) <
                2 * classicTiles.width());
    }

    // A tall layout the screen cannot hold at the board's scale gets a smaller one, inside
    // the screen; going back to the classic layout gives back the player's scale.
    void ALayoutTheScreenShrankLeavesTheScaleToTheNext()
    {
        BoardBench bench;
        QVERIFY(bench.Open());
        const int classicWidth = bench.Tile(1)->width();
        const QRect free = bench.Board->screen()->availableGeometry();
        ChooseLayout(bench, "column");
        QTRY_VERIFY(free.contains(bench.Board->frameGeometry()));
        QTRY_VERIFY2(bench.Tile(1)->width() < classicWidth, "the screen holds the column at the classic scale");
        ChooseLayout(bench, "classic");
        QTRY_COMPARE(bench.Tile(1)->width(), classicWidth);
        QVERIFY(free.contains(bench.Board->frameGeometry()));
    }

    // "--layout KEY" deals a new game on that layout instead of resuming the saved one; an
    // unknown key is refused in a message box and the classic layout taken; a stored layout
    // that is gone (a player's file deleted) gives the classic layout and a new deal.
    void StartOptionAndAStoredLayoutThatIsGone()
    {
        BoardBench bench;
        bench.StoreGame(bench.Deal.Faces);
        bench.StartLayout = "column";
        QVERIFY(bench.Open());
        QCOMPARE(LayoutKey(bench), std::string("column"));
        QVERIFY(bench.Board->Model().TileFaces() != bench.Deal.Faces);
        QVERIFY(bench.Report.Box.Boxes.empty());
        bench.Close();

        bench.StoreGame(bench.Deal.Faces);
        bench.StartLayout = "no-such-layout";
        QVERIFY(bench.Open());
        QCOMPARE(LayoutKey(bench), std::string(ClassicLayoutKey));
        QCOMPARE(bench.Report.Box.Boxes.size(), std::size_t(1));
        QCOMPARE(bench.Report.Box.Boxes[0].Text, std::string("Unknown layout: no-such-layout"));
        QVERIFY(bench.Board->Model().TileFaces() != bench.Deal.Faces);
        bench.Close();

        bench.StartLayout.reset();
        bench.Store.Write("Board", "Layout", "taken-away");
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        QCOMPARE(LayoutKey(bench), std::string(ClassicLayoutKey));
        QVERIFY(bench.Board->Model().TileFaces() != bench.Deal.Faces);
        QCOMPARE(bench.VisibleTiles(), 144);
        QCOMPARE(StoredValue(bench, "Layout"), std::string());
    }

    // A game on another layout is saved with its key and loads again on that layout from
    // any other; a classic game stays the 156-byte file; a file of a layout this game lacks
    // is refused by name and changes nothing.
    void GameFilesCarryTheirLayout()
    {
        QTemporaryDir folder;
        BoardBench bench;
        QVERIFY(bench.Open());
        const QString classicPath = folder.filePath("classic.tsg");
        bench.FileDialog.Choice = FileDialogChoice{classicPath.toStdString(), "classic.tsg"};
        bench.Key(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(QFileInfo(classicPath).size(), qint64(GameFileSize));
        const TileArray classicDeal = bench.Board->Model().TileFaces();

        ChooseLayout(bench, "stone-ring");
        const TileArray ringDeal = bench.Board->Model().TileFaces();
        const QString ringPath = folder.filePath("ring.tsg");
        bench.FileDialog.Choice = FileDialogChoice{ringPath.toStdString(), "ring.tsg"};
        bench.Key(Qt::Key_S, Qt::ControlModifier);
        QFile ring(ringPath);
        QVERIFY(ring.open(QIODevice::ReadOnly));
        QVERIFY(ring.readAll().startsWith("TessaronGame{stone-ring}"));

        bench.FileDialog.Choice = FileDialogChoice{classicPath.toStdString(), "classic.tsg"};
        bench.Key(Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(LayoutKey(bench), std::string(ClassicLayoutKey));
        QCOMPARE(bench.Board->Model().TileFaces(), classicDeal);
        bench.FileDialog.Choice = FileDialogChoice{ringPath.toStdString(), "ring.tsg"};
        bench.Key(Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(LayoutKey(bench), std::string("stone-ring"));
        QCOMPARE(bench.Board->Model().TileFaces(), ringDeal);
        QCOMPARE(bench.Text("lblGameOrigin"), QString("ring"));
        QCOMPARE(bench.VisibleTiles(), 144);
        QCOMPARE(bench.Companions.LayoutsUsed,
                 (std::vector<std::string>{"classic", "stone-ring", "classic", "stone-ring"}));

        const QString unknownPath = folder.filePath("unknown.tsg");
        WriteFile(unknownPath, EncodeGameFile(ringDeal, "not-here", bench.Report.Errors));
        bench.FileDialog.Choice = FileDialogChoice{unknownPath.toStdString(), "unknown.tsg"};
        bench.Key(Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(bench.Report.Box.Boxes.size(), std::size_t(1));
        QCOMPARE(bench.Report.Box.Boxes[0].Text, "'" + unknownPath.toStdString() +
                                                     "' is a game on the layout \"not-here\", which this game does not have.");
        QCOMPARE(LayoutKey(bench), std::string("stone-ring"));
        QCOMPARE(bench.Board->Model().TileFaces(), ringDeal);
    }

    // On every layout, at 100 % and 200 %: a click on the drawn centre of a tile's face
    // reaches that tile's picture wherever no tile drawn in front covers it, and selects a
    // free tile.
    void ClickOnTheDrawnCentreSelectsThatTileOnEveryLayout()
    {
        BoardBench bench;
        QVERIFY(bench.Open());
        const LayoutCatalog catalog;
        QWidget* surface = bench.Board->centralWidget();
        for (const Layout& layout : catalog.Layouts()) {
            ChooseLayout(bench, layout.Key);
            QCOMPARE(LayoutKey(bench), layout.Key);
            for (const int factor : {1, 2}) {
                const QSize chrome = bench.Board->size() - surface->size();
                bench.Board->resize(bench.Board->Layouts().Extent().size().toSize() * factor + chrome);
                QTRY_COMPARE_WITH_TIMEOUT(bench.Tile(1)->width(), resources::TileFaceWidth * factor, 5000);
                int freeClicked = 0;
                for (std::int32_t tile = 1; tile <= TileCount; ++tile) {
                    const QRect picture = bench.Tile(tile)->geometry();
                    const QPoint centre = picture.topLeft() + QPoint(22, 26) * factor;
                    bool covered = false;
                    for (std::int32_t front = 1; front < tile; ++front)
                        covered = covered || bench.Tile(front)->geometry().contains(centre);
                    if (covered) continue;
                    QWidget* hit = surface->childAt(centre);
                    QVERIFY2(hit == bench.Tile(tile), qPrintable(QString::fromStdString(layout.Key) +
                                                                 QStringLiteral(" tile %1").arg(tile)));
                    if (bench.Board->Model().IsLocked(tile)) continue;
                    QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(surface, centre));
                    QCOMPARE(bench.Board->Model().SelectedTile1(), tile);
                    QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(surface, centre));
                    QCOMPARE(bench.Board->Model().SelectedTile1(), 0);
                    ++freeClicked;
                }
                QVERIFY(freeClicked > 0);
            }
        }
    }
};

} // namespace tessaron

int RunBoardLayoutsTests(int argc, char** argv)
{
    tessaron::BoardLayoutsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "BoardLayoutsTest.moc"
