#pragma once
// The real windows the board opens: the hall of fame (one object for the run, created on
// first use), the sound settings dialog and the about dialog.
#include "shell/Services.h"
#include "window/BoardCompanions.h"

#include <memory>

namespace tessaron {

class HallOfFameWindows;
class SharedSoundPlayer;

class GameCompanions final : public BoardCompanions {
public:
    GameCompanions(const Services& services, SharedSoundPlayer& sound);
    ~GameCompanions() override;

    std::int32_t InsertGame(QWidget* owner, double gameTime, const TileArray& tileFaces,
                            const TileArray& removedTiles, double gameTimeNow) override;
    std::int32_t ShowHallOfFame(QWidget* owner) override;
    std::string SelectedGameOrigin() override;
    std::string SelectedGameTiles() override;
    void UseLayout(const Layout& layout) override;
    bool ChooseLayout(QWidget* owner, const LayoutCatalog& catalog, LayoutChoice& choice) override;
    void ShowSoundDialog(QWidget* owner) override;
    void ShowAboutDialog(QWidget* owner) override;
    bool ShowPreferences(QWidget* owner, Preferences& preferences, bool timingChangeable) override;
    void ShowMessage(QWidget* owner, const std::string& message) override;

private:
    HallOfFameWindows& HallOfFame();

    const Services& services_;
    SharedSoundPlayer& sound_;
    std::unique_ptr<HallOfFameWindows> hallOfFame_;
};

} // namespace tessaron
