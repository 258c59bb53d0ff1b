// Clicks on tiles and buttons go to the model; what the model reports is drawn here.
#include "window/frmBoard.h"

#include "shell/FormatPatterns.h"
#include "shell/frmGame.h"
#include "window/BoardAccessibility.h"
#include "window/BoardLabel.h"
#include "window/BoardSurface.h"
#include "window/CommandButton.h"
#include "window/TilePicture.h"

#include <QLabel>
#include <QPointer>

namespace tessaron {

namespace {

// The progress of a build goes to the progress window; in show mode the board shows the
// table emptied and every tile as it is placed.
class BuildProgress final : public GameCreateObserver {
public:
    BuildProgress(GameCreateObserver& progress, std::function<void()> hideTiles,
                  std::function<void(std::int32_t)> drawPlacedTile)
        : progress_(progress), hideTiles_(std::move(hideTiles)), drawPlacedTile_(std::move(drawPlacedTile))
    {
    }
    void ShowStep(std::int32_t level) override { progress_.ShowStep(level); }
    void HideTiles() override { hideTiles_(); }
    void DrawPlacedTile(std::int32_t tile) override { drawPlacedTile_(tile); }

private:
    GameCreateObserver& progress_;
    std::function<void()> hideTiles_;
    std::function<void(std::int32_t)> drawPlacedTile_;
};
} // namespace

void frmBoard::Forward(const std::function<void()>& operation, bool announce)
{
    // While a deal is built the board waits; only the progress window's Cancel acts.
    if (building_) return;
    const BoardMoment before = speech_->Moment();
    operation();
    EnableCommands();
    if (announce)
        speech_->AnnounceChange(before, lblNoMovePossible_->isVisible() ? lblNoMovePossible_->text() : QString(),
                                lblGameOrigin_->text() + QStringLiteral(", ") + lblTileCount_->text());
}

void frmBoard::SelectByPlayer(std::int32_t tile)
{
    bool accepted = true;
    Forward([this, tile, &accepted] { accepted = play_->SelectTile(tile); });
    if (!accepted && !building_) speech_->AnnounceRefused(tile);
}

void frmBoard::imgTile_Click(std::int32_t tile)
{
    clickedTile_ = tile;
    // A mouse player never sees the ring; the keyboard carries on from the clicked tile.
    SetKeyboardFocus(FocusTiles()[tile] ? tile : focusTile_, false);
    SelectByPlayer(tile);
}

void frmBoard::imgTile_DblClick(std::int32_t tile)
{
    if (building_ || !play_->IsPresent(tile)) return;
    // The second press confirms only the tile its first click has just selected: the second
    // of a pair, or the tile to lift in peek mode. Anywhere else it is a click of its own,
    // such as a quick click on the tile a move has just uncovered a few pixels away.
    const bool peek = play_->PeekMode();
    const std::int32_t confirmed = peek ? play_->SelectedTile1() : play_->SelectedTile2();
    if (tile == clickedTile_ && tile == confirmed)
        ClickCommandButton(peek ? cmdRemoveTile_ : cmdRemoveTiles_);
    else
        imgTile_Click(tile);
}

void frmBoard::cmdRemoveTiles_Click()
{
    Forward([this] { play_->DoMove(); });
}

void frmBoard::cmdRemoveTile_Click()
{
    Forward([this] { play_->Peek(); });
}

void frmBoard::cmdUndoLastMove_Click()
{
    Forward([this] { play_->UndoLastMove(); });
}

void frmBoard::cmdRedoNextMove_Click()
{
    Forward([this] { play_->RedoNextMove(); });
}

void frmBoard::DrawTile(std::int32_t tile, std::int32_t face, bool selected, bool visible)
{
    Guarded(services_.Errors, BoardObject, "DrawTile", [&] {
        TilePicture* picture = imgTile_.at(tile);
        shownFaces_.at(tile) = face;
        picture->SetPicture(pictures_.Face(face, selected, pictureScale_));
        picture->SetBright(selected);
        picture->setVisible(visible);
    });
}

void frmBoard::ShowTileCount(std::int32_t tilesLeft)
{
    Guarded(services_.Errors, BoardObject, "UpdateTileCount", [&] {
        lblTileCount_->SetCaption(QString::fromStdString(FormatNumber(tilesLeft, tileCountFormat_)));
    });
}

void frmBoard::ShowGameOrigin(OriginKind kind, const std::string& origin)
{
    const std::string& text = kind == OriginKind::Origin      ? origin
                              : kind == OriginKind::SavedGame ? savedGameText_
                                                              : newGameText_;
    lblGameOrigin_->SetCaption(QString::fromStdString(text));
}

void frmBoard::ShowNoMovePossible(bool shown) { lblNoMovePossible_->setVisible(shown); }

void frmBoard::ShowGameWon(bool shown)
{
    // Only the banner of the current language is ever shown.
    for (int language = 0; language < 2; ++language) {
        const bool showBanner = shown && language == services_.Texts.GetLocale();
        if (showBanner && imgGameWon_[language]->pixmap().isNull())
            imgGameWon_[language]->setPixmap(pictures_.WonBanner(language, pictureScale_));
        imgGameWon_[language]->setVisible(showBanner);
    }
}

void frmBoard::ShowTimeGone(const std::string& text)
{
    lblTimeGone_->SetCaption(QString::fromStdString(text));
    lblTimeGone_->repaint();
}

std::int32_t frmBoard::InsertGame(double gameTime, const TileArray& tileFaces, const TileArray& removedTiles,
                                  double gameTimeNow)
{
    // The dialogs of the hall of fame open in the middle of the winning move: the commands
    // show the cleared board while they are up.
    EnableCommands();
    return companions_.InsertGame(this, gameTime, tileFaces, removedTiles, gameTimeNow);
}

std::string frmBoard::SelectedGameOrigin() { return companions_.SelectedGameOrigin(); }

std::string frmBoard::SelectedGameTiles() { return companions_.SelectedGameTiles(); }

void frmBoard::BuildDeal(TileArray& faces)
{
    const bool wasActive = isActiveWindow();
    building_ = true;
    EnableCommands();  // nothing to hint at while the deal is half built
    // The progress window closes itself a second after the build and is deleted then.
    QPointer<frmGame> progress = new frmGame(services_.Texts, services_.Errors, this, options_.EndProgram);
    BuildProgress observer(
        *progress,
        [this] {
            for (std::int32_t tile = TileCount; tile >= 1; --tile) imgTile_[tile]->hide();
            surface_->repaint();
        },
        [this, &faces](std::int32_t tile) { DrawTile(tile, faces[tile], false, true); });
    creator_.GameCreate(faces, observer, gameCreateShow_);
    building_ = false;
    // The keyboard belongs to the board again as soon as the deal is there.
    if (wasActive) activateWindow();
}

} // namespace tessaron
