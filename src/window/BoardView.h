#pragma once
// What the move model shows on the board: each tile's picture, the tile count, the origin,
// the dead-end text, the win banner and the time gone, in the current language; and what the
// helpers add: the free pairs after the tile count, the marks on the selected tile's matches.
#include "board/Play.h"
#include "window/BoardHelpers.h"

#include <string>

namespace tessaron {

class BoardWidgets;
class Locale;

class BoardView final : public PlayView {
public:
    BoardView(BoardWidgets& controls, const Locale& texts, ErrorReport& errors);

    // The texts of the labels and formats in the current language.
    void SetupLocale();
    // Every text the model last showed, written again in the current language.
    void ShowTextsAgain(const Play& play);

    void DrawTile(std::int32_t tile, std::int32_t face, bool selected, bool visible) override;
    void ShowTileCount(std::int32_t tilesLeft) override;
    void ShowGameOrigin(OriginKind kind, const std::string& origin) override;
    void ShowNoMovePossible(bool shown) override;
    void ShowGameWon(bool shown) override;
    void ShowTimeGone(const std::string& text);

    // The helpers as the preferences have them; shown from the next ShowHelpers on.
    void SetHelpers(bool freePairs, bool matches) { helpers_.Set(freePairs, matches); }
    const BoardHelpers& Helpers() const { return helpers_; }
    // After every change: the count line and the match marks read off the model again.
    void ShowHelpers(const Play& play);

private:
    BoardWidgets& controls_;
    const Locale& texts_;
    ErrorReport& errors_;
    BoardHelpers helpers_;
    std::string tileCountFormat_;
    std::int32_t tilesLeft_ = 0;  // as the model last showed it
    QString freePairs_;  // the helper's text last read, after the tile count
    std::string newGameText_;
    std::string savedGameText_;
};

} // namespace tessaron
