#include "window/BoardView.h"

#include "shell/FormatPatterns.h"
#include "shell/Locale.h"
#include "window/BoardWidgets.h"
#include "window/BoardLabel.h"
#include "window/TilePicture.h"

#include <algorithm>

namespace tessaron {

BoardView::BoardView(BoardWidgets& controls, const Locale& texts, ErrorReport& errors)
    : controls_(controls), texts_(texts), errors_(errors), helpers_(texts)
{
}

void BoardView::SetupLocale()
{
    controls_.NoMovePossible()->SetCaption(QString::fromStdString(texts_.LoadLocaleString(210)));
    controls_.PeekMode()->SetCaption(QString::fromStdString(texts_.LoadLocaleString(1016)));
    controls_.Paused()->SetCaption(QString::fromStdString(texts_.LoadLocaleString(1015)));
    controls_.SetGameWonName(QString::fromStdString(texts_.LoadLocaleString(825)));
    tileCountFormat_ = texts_.LoadLocaleString(290);
    newGameText_ = texts_.LoadLocaleString(291);
    savedGameText_ = texts_.LoadLocaleString(292);
}

void BoardView::ShowTextsAgain(const Play& play)
{
    // The game is untouched; only its texts follow the tiles off the board now, peeked
    // ones included.
    ShowGameOrigin(play.OriginLabel(), play.GameOrigin());
    ShowGameWon(play.RemovedCount() == TileCount);
    if (play.DealExists()) ShowTileCount(TileCount - play.RemovedCount());
}

void BoardView::DrawTile(std::int32_t tile, std::int32_t face, bool selected, bool visible)
{
    Guarded(errors_, BoardObject, "DrawTile", [&] { controls_.DrawTile(tile, face, selected, visible); });
}

void BoardView::ShowTileCount(std::int32_t tilesLeft)
{
    Guarded(errors_, BoardObject, "UpdateTileCount", [&] {
        tilesLeft_ = tilesLeft;
        QString line = QString::fromStdString(FormatNumber(tilesLeft, tileCountFormat_));
        if (!freePairs_.isEmpty()) line += QStringLiteral(", ") + freePairs_;
        controls_.TilesLeft()->SetCaption(line);
    });
}

void BoardView::ShowHelpers(const Play& play)
{
    Guarded(errors_, BoardObject, "ShowHelpers", [&] {
        const QString freePairs = helpers_.FreePairsText(play);
        if (freePairs != freePairs_) {
            freePairs_ = freePairs;
            if (play.DealExists()) ShowTileCount(tilesLeft_);
        }
        const std::vector<std::int32_t> marked = helpers_.MarkedTiles(play);
        for (std::int32_t tile = 1; tile <= TileCount; ++tile)
            controls_.Tile(tile)->SetMatchMark(std::find(marked.begin(), marked.end(), tile) != marked.end());
    });
}

void BoardView::ShowGameOrigin(OriginKind kind, const std::string& origin)
{
    const std::string& text = kind == OriginKind::Origin      ? origin
                              : kind == OriginKind::SavedGame ? savedGameText_
                                                              : newGameText_;
    controls_.GameOrigin()->SetCaption(QString::fromStdString(text));
}

void BoardView::ShowNoMovePossible(bool shown) { controls_.NoMovePossible()->setVisible(shown); }

// Only the banner of the current language is ever shown.
void BoardView::ShowGameWon(bool shown) { controls_.ShowGameWon(shown ? texts_.GetLocale() : -1); }

void BoardView::ShowTimeGone(const std::string& text)
{
    controls_.TimeGone()->SetCaption(QString::fromStdString(text));
    controls_.TimeGone()->repaint();
}

} // namespace tessaron
