#pragma once
// The controls of the sound settings dialog and where they sit: two framed groups titled
// by their check boxes (rows 0 to 3 for the tile events, 4 to 9 for the game events), one
// row per event, and the bottom line with Cancel, stop, the fast-start box and Save.
// Object names follow the controls ("txtSound4", "cmdSave") so tests can find them.
#include "sound/SoundPlayer.h"

#include <array>

class QCheckBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tessaron {

struct SoundRowControls {
    QLabel* lblSound = nullptr;
    QLineEdit* txtSound = nullptr;
    QPushButton* cmdSoundSelect = nullptr;
    QPushButton* cmdSoundRestore = nullptr;
    QPushButton* cmdSoundBuiltin = nullptr;
    QPushButton* cmdSoundPlay = nullptr;
};

struct SoundDialogControls {
    std::array<QGroupBox*, 2> fraSound{};
    QCheckBox* chkSoundActiveTile = nullptr;
    QCheckBox* chkSoundActiveGame = nullptr;
    std::array<SoundRowControls, SoundCount> Rows{};
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdSoundStop = nullptr;
    QCheckBox* chkUsePlaySound = nullptr;
    QPushButton* cmdSave = nullptr;
};

// Creates the controls inside dialog, in their initial state (path fields, undo, default,
// play, stop and Save disabled), and gives the dialog its fixed size and fonts.
SoundDialogControls CreateSoundDialogControls(QDialog& dialog);

// The width of a check box without its caption, in the current style.
int CheckBoxIndicatorWidth(const QCheckBox& box);

} // namespace tessaron
