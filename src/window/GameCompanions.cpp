#include "window/GameCompanions.h"

#include "about/frmAbout.h"
#include "halloffame/frmMessage.h"
#include "halloffame/HallOfFameWindows.h"
#include "layouts/frmLayouts.h"
#include "preferences/frmPreferences.h"
#include "sound/SharedSoundPlayer.h"
#include "sound/frmSound.h"
#include "window/TimeGone.h"

#include <QCheckBox>

namespace tessaron {

GameCompanions::GameCompanions(const Services& services, SharedSoundPlayer& sound)
    : services_(services), sound_(sound)
{
}

GameCompanions::~GameCompanions() = default;

HallOfFameWindows& GameCompanions::HallOfFame()
{
    // The list is read from the store once, when the board first needs it.
    if (!hallOfFame_) {
        Locale& texts = services_.Texts;
        hallOfFame_ = std::make_unique<HallOfFameWindows>(
            services_.Settings, texts, services_.Sound, services_.Errors,
            [&texts](double timeGone) { return FormatTimeGone(timeGone, texts); }, services_.Program.Title);
    }
    return *hallOfFame_;
}

std::int32_t GameCompanions::InsertGame(QWidget* owner, double gameTime, const TileArray& tileFaces,
                                        const TileArray& removedTiles, double gameTimeNow)
{
    return HallOfFame().InsertGame(owner, gameTime, tileFaces, removedTiles, gameTimeNow);
}

std::int32_t GameCompanions::ShowHallOfFame(QWidget* owner) { return HallOfFame().ShowAsDialog(owner); }

std::string GameCompanions::SelectedGameOrigin()
{
    return hallOfFame_ ? hallOfFame_->SelectedGameOrigin() : std::string();
}

std::string GameCompanions::SelectedGameTiles()
{
    return hallOfFame_ ? hallOfFame_->SelectedGameTiles() : std::string();
}

void GameCompanions::UseLayout(const Layout& layout) { HallOfFame().UseLayout(layout); }

bool GameCompanions::ChooseLayout(QWidget* owner, const LayoutCatalog& catalog, LayoutChoice& choice)
{
    const std::optional<LayoutChoice> chosen =
        frmLayouts(catalog, services_.Texts).ShowAsDialog(owner, choice.Key, choice.NewLayoutEveryGame);
    if (chosen) choice = *chosen;
    return chosen.has_value();
}

void GameCompanions::ShowSoundDialog(QWidget* owner) { frmSound(sound_, services_).Display(owner); }

void GameCompanions::ShowAboutDialog(QWidget* owner) { frmAbout(services_).Activate(owner); }

bool GameCompanions::ShowPreferences(QWidget* owner, Preferences& preferences, bool timingChangeable)
{
    frmPreferences dialog(services_);
    dialog.Box(Preference::TimingActive)->setEnabled(timingChangeable);
    return dialog.ShowAsDialog(owner, preferences);
}

void GameCompanions::ShowMessage(QWidget* owner, const std::string& message)
{
    frmMessage::ShowMessage(owner, message, services_.Texts, services_.Errors, services_.Program.Title);
}

} // namespace tessaron
