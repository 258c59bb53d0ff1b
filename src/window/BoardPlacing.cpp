// The board fitted to the window: every control takes its place from the one scale, and the
// pictures are drawn at the resolution that the scale and the screen call for.
#include "window/frmBoard.h"

#include "window/BoardLabel.h"
#include "window/BoardSurface.h"
#include "window/CommandButton.h"
#include "window/TilePicture.h"

#include <QLabel>

namespace tessaron {

namespace {
// Where each language's win banner lies on the board, in board units.
const std::array<QRectF, resources::LanguageCount> BannerPlaces{
    QRectF(43, 166, resources::WonBannerWidth[0], resources::WonBannerHeight[0]),
    QRectF(12, 170, resources::WonBannerWidth[1], resources::WonBannerHeight[1])};
} // namespace

void frmBoard::PlaceControls()
{
    // Every control moves: one repaint of the whole board afterwards, instead of a dirty
    // region grown by two rectangles per control.
    surface_->setUpdatesEnabled(false);
    scale_.Fit(surface_->size());
    const int pictureScale = scale_.PictureScale(surface_->devicePixelRatioF());
    if (pictureScale != pictureScale_) {
        pictureScale_ = pictureScale;
        ShowPicturesAtScale();
    }
    for (std::int32_t tile = 1; tile <= geometry_.PositionCount(); ++tile) {
        const PixelPlace& place = geometry_.Place(tile);
        imgTile_[tile]->setGeometry(
            scale_.Map(QRectF(place.Left, place.Top, resources::TileFaceWidth, resources::TileFaceHeight)));
    }
    for (CommandButton* button : {cmdRedoNextMove_, cmdRemoveTiles_, cmdRemoveTile_, cmdUndoLastMove_}) button->Place();
    for (BoardLabel* label : {lblGameOrigin_, lblTimeGone_, lblNoMovePossible_, lblTileCount_}) label->Place();
    for (int language = 0; language < resources::LanguageCount; ++language)
        imgGameWon_[language]->setGeometry(scale_.Map(BannerPlaces[language]));
    surface_->setUpdatesEnabled(true);
}

void frmBoard::ShowPicturesAtScale()
{
    surface_->SetBackground(pictures_.Background(pictureScale_));
    // In the order of resources::ButtonIcons.
    const std::array<CommandButton*, 4> buttons{cmdRedoNextMove_, cmdRemoveTiles_, cmdRemoveTile_, cmdUndoLastMove_};
    for (std::size_t index = 0; index < buttons.size(); ++index) {
        const resources::ButtonIcon icon = resources::ButtonIcons[index];
        using Look = resources::ButtonLook;
        buttons[index]->SetIcons(pictures_.ButtonIcon(icon, Look::Normal, pictureScale_),
                                 pictures_.ButtonIcon(icon, Look::Pressed, pictureScale_),
                                 pictures_.ButtonIcon(icon, Look::Disabled, pictureScale_));
    }
    // Only what has been shown before: a start-up decodes nothing it does not draw.
    for (std::int32_t tile = 1; tile <= TileCount; ++tile)
        if (shownFaces_[tile] != 0)
            imgTile_[tile]->SetPicture(pictures_.Face(shownFaces_[tile], imgTile_[tile]->Bright(), pictureScale_));
    for (int language = 0; language < resources::LanguageCount; ++language)
        if (!imgGameWon_[language]->pixmap().isNull())
            imgGameWon_[language]->setPixmap(pictures_.WonBanner(language, pictureScale_));
}

} // namespace tessaron
