#pragma once
// Every control on the board and its place at the board's scale: the surface, 144 tile
// pictures, four corner buttons, seven labels and the two win banners. It is the one owner
// that creates them and lists them with their places, so placing the board at a new size
// moves them all; it draws the pictures at the resolution the scale and the screen call
// for, decoding a new resolution off the window's thread and drawing the old one scaled
// meanwhile.
#include "board/TileTypes.h"
#include "window/BoardPictures.h"
#include "window/BoardPlaces.h"
#include "window/BoardScale.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QLabel;
class QThreadPool;
class QWidget;

namespace tessaron {

class BoardGeometry;
class BoardLabel;
class BoardSurface;
class CommandButton;
class PictureDecoder;
class TilePicture;

class BoardWidgets {
public:
    // pressed: a click on the board's background; workers: where pictures of a new
    // resolution are decoded (null gives a worker of its own).
    BoardWidgets(QWidget* window, std::function<void()> pressed, QThreadPool* workers);
    ~BoardWidgets();

    // A control made elsewhere on the surface, placed here with all the others.
    void AddControl(QWidget* control, const QRectF& units) { places_.Add(control, units); }
    // The tile pictures take their places once the layout is built, and the board's extent
    // (the scale's, from the tiles) and the buttons, labels and banners at its corners and
    // centre follow them. Placed in the window at the next PlaceControls.
    void PlaceTiles(const BoardGeometry& geometry);
    // From now on a new resolution is decoded off the window's thread (before the window is
    // first shown there is nothing to draw meanwhile).
    void WindowShown() { windowShown_ = true; }
    bool WasShown() const { return windowShown_; }
    // Every control at the scale that fits the surface's size.
    void PlaceControls();

    // The one way a tile is drawn: its face (0 none) in the bright look when selected.
    void DrawTile(std::int32_t tile, std::int32_t face, bool selected, bool visible);
    // The banner of this language shown (-1 none).
    void ShowGameWon(int language);
    void SetGameWonName(const QString& name);
    // A deal being built in show mode starts from an empty table.
    void HideTiles();

    BoardSurface* Surface() const { return surface_; }
    TilePicture* Tile(std::int32_t tile) const { return imgTile_.at(tile); }
    CommandButton* RedoNextMove() const { return cmdRedoNextMove_; }
    CommandButton* RemoveTiles() const { return cmdRemoveTiles_; }
    CommandButton* RemoveTile() const { return cmdRemoveTile_; }
    CommandButton* UndoLastMove() const { return cmdUndoLastMove_; }
    BoardLabel* GameOrigin() const { return lblGameOrigin_; }
    BoardLabel* TimeGone() const { return lblTimeGone_; }
    BoardLabel* NoMovePossible() const { return lblNoMovePossible_; }
    BoardLabel* GameLost() const { return lblGameLost_; }
    // Says the game is in peek mode, in the dead-end text's place.
    BoardLabel* PeekMode() const { return lblPeekMode_; }
    // Says the game is paused, in the same place.
    BoardLabel* Paused() const { return lblPaused_; }
    BoardLabel* TilesLeft() const { return lblTileCount_; }

    const BoardPlaces& Places() const { return places_; }
    const BoardPictures& Pictures() const { return pictures_; }
    const BoardScale& Scale() const { return scale_; }
    // The resolution of the pictures shown (1..3; 0 before the first placing), and the one
    // the size calls for; they differ while a new resolution is being decoded.
    int PictureScaleShown() const { return pictureScale_; }
    int PictureScaleWanted() const { return wantedPictureScale_; }

private:
    void CreateButtons();
    void CreateLabels();
    void CreateBanners();
    void PlaceCorners(const QRect& extent);
    // The resource paths of every picture on the board now.
    std::vector<std::string> PicturesShown() const;
    void PicturesDecoded(DecodedPictures decoded, int scale);
    void ShowPicturesAtScale(int scale);

    BoardScale scale_;
    BoardPlaces places_{scale_};
    BoardPictures pictures_;
    std::unique_ptr<PictureDecoder> decoder_;
    int pictureScale_ = 0;
    int wantedPictureScale_ = 0;
    bool windowShown_ = false;
    // The face each picture was last drawn with, to draw it again at another resolution.
    std::array<std::int32_t, TileCount + 1> shownFaces_{};

    BoardSurface* surface_ = nullptr;
    std::array<TilePicture*, TileCount + 1> imgTile_{};
    CommandButton* cmdRedoNextMove_ = nullptr;
    CommandButton* cmdRemoveTiles_ = nullptr;
    CommandButton* cmdRemoveTile_ = nullptr;
    CommandButton* cmdUndoLastMove_ = nullptr;
    BoardLabel* lblGameOrigin_ = nullptr;
    BoardLabel* lblTimeGone_ = nullptr;
    BoardLabel* lblNoMovePossible_ = nullptr;
    BoardLabel* lblGameLost_ = nullptr;
    BoardLabel* lblPeekMode_ = nullptr;
    BoardLabel* lblPaused_ = nullptr;
    BoardLabel* lblTileCount_ = nullptr;
    std::array<QLabel*, 2> imgGameWon_{};
};

} // namespace tessaron
