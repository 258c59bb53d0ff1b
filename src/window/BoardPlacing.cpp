// The board fitted to the window: every control takes its place from the one scale, and the
// pictures are drawn at the resolution that the scale and the screen call for. Pictures of a
// resolution not decoded yet come from a worker; meanwhile the ones shown are drawn scaled.
#include "window/frmBoard.h"

#include "window/BoardSurface.h"
#include "window/CommandButton.h"
#include "window/PictureDecoder.h"
#include "window/TilePicture.h"

#include <QLabel>

namespace tessaron {

void frmBoard::PlaceControls()
{
    // Every control moves: one repaint of the whole board afterwards, instead of a dirty
    // region grown by two rectangles per control.
    surface_->setUpdatesEnabled(false);
    scale_.Fit(surface_->size());
    places_.PlaceAll();
    surface_->setUpdatesEnabled(true);
    wantedPictureScale_ = scale_.PictureScale(surface_->devicePixelRatioF());
    if (wantedPictureScale_ == pictureScale_) return;
    const std::vector<std::string> missing = pictures_.Missing(PicturesShown(), wantedPictureScale_);
    // Before the window is first shown there is nothing to draw meanwhile.
    if (missing.empty() || pictureScale_ == 0 || !formActivated_)
        ShowPicturesAtScale(wantedPictureScale_);
    else
        decoder_->Decode(missing, wantedPictureScale_);
}

std::vector<std::string> frmBoard::PicturesShown() const
{
    std::vector<std::string> paths{resources::BackgroundPath(), resources::FeltPath()};
    for (resources::ButtonIcon icon : resources::ButtonIcons)
        for (resources::ButtonLook look : resources::ButtonLooks)
            paths.push_back(resources::ButtonIconPath(icon, look));
    for (std::int32_t tile = 1; tile <= TileCount; ++tile)
        if (shownFaces_[tile] != 0)
            paths.push_back(resources::TileFacePath(imgTile_[tile]->Bright(), shownFaces_[tile]));
    for (int language = 0; language < resources::LanguageCount; ++language)
        if (!imgGameWon_[language]->pixmap().isNull()) paths.push_back(resources::WonBannerPath(language));
    return paths;
}

void frmBoard::PicturesDecoded(DecodedPictures decoded, int scale)
{
    // The window went on to another resolution meanwhile: these would only take memory.
    if (scale != wantedPictureScale_ || scale == pictureScale_) return;
    pictures_.Take(std::move(decoded), scale);
    ShowPicturesAtScale(scale);
}

void frmBoard::ShowPicturesAtScale(int scale)
{
    // The resolution shown before stays, so going back and forth between two sizes decodes
    // nothing again; any other is let go.
    pictures_.KeepOnly({scale, pictureScale_});
    pictureScale_ = scale;
    surface_->SetBackground(pictures_.Background(scale), pictures_.Felt(scale));
    // In the order of resources::ButtonIcons.
    const std::array<CommandButton*, 4> buttons{cmdRedoNextMove_, cmdRemoveTiles_, cmdRemoveTile_, cmdUndoLastMove_};
    for (std::size_t index = 0; index < buttons.size(); ++index) {
        const resources::ButtonIcon icon = resources::ButtonIcons[index];
        using Look = resources::ButtonLook;
        buttons[index]->SetIcons(pictures_.ButtonIcon(icon, Look::Normal, scale),
                                 pictures_.ButtonIcon(icon, Look::Pressed, scale),
                                 pictures_.ButtonIcon(icon, Look::Disabled, scale));
    }
    // Only what has been shown before: a start-up decodes nothing it does not draw.
    for (std::int32_t tile = 1; tile <= TileCount; ++tile)
        if (shownFaces_[tile] != 0)
            imgTile_[tile]->SetPicture(pictures_.Face(shownFaces_[tile], imgTile_[tile]->Bright(), scale));
    for (int language = 0; language < resources::LanguageCount; ++language)
        if (!imgGameWon_[language]->pixmap().isNull())
            imgGameWon_[language]->setPixmap(pictures_.WonBanner(language, scale));
}

} // namespace tessaron
