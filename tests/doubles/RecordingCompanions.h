#pragma once
// The board's companions as a test sees them: the hall of fame answers as scripted and
// every call is recorded; the sound and about dialogs only count their openings.
#include "board/Layout.h"
#include "layouts/frmLayouts.h"
#include "preferences/Preferences.h"
#include "window/BoardCompanions.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tessaron {

class RecordingCompanions final : public BoardCompanions {
public:
    struct Insert {
        QWidget* Owner;
        double GameTime;
        TileArray TileFaces;
        TileArray RemovedTiles;
        double GameTimeNow;
    };

    std::int32_t InsertGame(QWidget* owner, double gameTime, const TileArray& tileFaces,
                            const TileArray& removedTiles, double gameTimeNow) override
    {
        Inserts.push_back({owner, gameTime, tileFaces, removedTiles, gameTimeNow});
        return InsertAnswer;
    }
    std::int32_t ShowHallOfFame(QWidget* owner) override
    {
        HallOfFameOwners.push_back(owner);
        return HallOfFameAnswer;
    }
    std::string SelectedGameOrigin() override { return Origin; }
    std::string SelectedGameTiles() override { return Tiles; }
    void UseLayout(const Layout& layout) override { LayoutsUsed.push_back(layout.Key); }
    // Answers with LayoutChosen when given (as Play would), else as Cancel.
    bool ChooseLayout(QWidget*, const LayoutCatalog&, LayoutChoice& choice) override
    {
        ChooserOpenedOn.push_back(choice.Key);
        if (LayoutChosen) choice = *LayoutChosen;
        return LayoutChosen.has_value();
    }
    void ShowSoundDialog(QWidget* owner) override { SoundDialogOwners.push_back(owner); }
    void ShowAboutDialog(QWidget* owner) override { AboutDialogOwners.push_back(owner); }
    // Saves the scripted choices (when given) as the dialog's Save would.
    bool ShowPreferences(QWidget* owner, Preferences& preferences, bool timingChangeable) override
    {
        PreferencesOwners.push_back(owner);
        TimingChangeable = timingChangeable;
        return PreferencesChosen && preferences.Save(*PreferencesChosen);
    }
    void ShowMessage(QWidget*, const std::string& message) override { Messages.push_back(message); }

    std::int32_t InsertAnswer = 0;
    std::int32_t HallOfFameAnswer = 1;
    std::string Origin;
    std::string Tiles;
    std::optional<PreferenceValues> PreferencesChosen;
    bool TimingChangeable = false;
    std::optional<LayoutChoice> LayoutChosen;

    std::vector<Insert> Inserts;
    std::vector<QWidget*> HallOfFameOwners;
    std::vector<QWidget*> SoundDialogOwners;
    std::vector<QWidget*> AboutDialogOwners;
    std::vector<QWidget*> PreferencesOwners;
    std::vector<std::string> Messages;
    // The keys of the layouts the hall of fame was told of, and those the chooser opened on.
    std::vector<std::string> LayoutsUsed;
    std::vector<std::string> ChooserOpenedOn;
};

} // namespace tessaron
