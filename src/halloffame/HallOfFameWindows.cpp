#include "halloffame/HallOfFameWindows.h"

#include "halloffame/frmHallOfFame.h"
#include "halloffame/frmMessage.h"
#include "halloffame/frmPlayer.h"

#include "board/LayoutCatalog.h"
#include "shell/TextTools.h"

#include <utility>

namespace tessaron {

namespace {

constexpr std::int16_t TextHallOfFameOfLayout = 992;  // "Hall of Fame - ^0"

} // namespace

// The dialogs of one InsertGame or one File-menu showing, modal over the board.
class HallOfFameWindows::OwnedDialogs final : public HallOfFameDialogs {
public:
    OwnedDialogs(HallOfFameWindows& windows, QWidget* owner) : windows_(windows), owner_(owner) {}

    std::string RequestPlayerName(const std::string& message) override
    {
        return frmPlayer::RequestPlayerName(owner_, message, windows_.settings_, windows_.texts_, windows_.errors_,
                                            windows_.caption_);
    }

    void ShowMessage(const std::string& message) override
    {
        frmMessage::ShowMessage(owner_, message, windows_.texts_, windows_.errors_, windows_.caption_);
    }

    std::int32_t ShowAsDialog(std::int32_t highlightIndex, RgbColour highlight, bool initialFocusNewGame) override
    {
        frmHallOfFame window(windows_.hallOfFame_, windows_.texts_, windows_.sound_, windows_.errors_,
                             windows_.WindowCaption(), owner_);
        return window.ShowAsDialog(highlightIndex, highlight, initialFocusNewGame);
    }

private:
    HallOfFameWindows& windows_;
    QWidget* owner_;
};

HallOfFameWindows::HallOfFameWindows(Registry& settings, Locale& texts, SoundService& sound, ErrorReport& errors,
                                     TimeGoneFormatter formatTimeGone, std::string caption)
    : settings_(settings), texts_(texts), sound_(sound), errors_(errors), caption_(std::move(caption)),
      hallOfFame_(settings, texts, sound, errors, std::move(formatTimeGone))
{
}

void HallOfFameWindows::UseLayout(const Layout& layout)
{
    hallOfFame_.UseLayout(layout.Key);
    const bool classic = layout.Key == ClassicLayoutKey;
    layoutEnglishName_ = classic ? std::string() : layout.EnglishName;
    layoutGermanName_ = classic ? std::string() : layout.GermanName;
}

std::string HallOfFameWindows::WindowCaption() const
{
    if (layoutEnglishName_.empty()) return caption_;
    const std::string& name = texts_.GetLocale() == 1 ? layoutGermanName_ : layoutEnglishName_;
    return caption_ + " - " + ReplaceSubString(texts_.LoadLocaleString(TextHallOfFameOfLayout), "^0", name);
}

std::int32_t HallOfFameWindows::InsertGame(QWidget* owner, double result, const TileArray& tiles,
                                           const TileArray& moves, double stamp)
{
    OwnedDialogs dialogs(*this, owner);
    return hallOfFame_.InsertGame(dialogs, result, tiles, moves, stamp);
}

std::int32_t HallOfFameWindows::ShowAsDialog(QWidget* owner)
{
    OwnedDialogs dialogs(*this, owner);
    return dialogs.ShowAsDialog(0, RgbColour{}, false);
}

} // namespace tessaron
