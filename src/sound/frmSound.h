#pragma once
// The sound settings dialog: a file for each of the ten events, the two group switches
// and the fast start of ".wav" files. It edits the program's one sound object, which
// keeps the settings; the dialog only shows them and hands back what the user saves.
// Made for one opening: `frmSound(sound, services).Display(this);`.
#include "shell/ErrorReport.h"
#include "shell/Locale.h"
#include "shell/PlatformServices.h"
#include "shell/Services.h"
#include "sound/SharedSoundPlayer.h"
#include "sound/SoundDialogControls.h"
#include "sound/SoundDialogRules.h"

#include <QColor>
#include <QDialog>

#include <array>
#include <cstdint>

namespace tessaron {

class frmSound : public QDialog {
    Q_OBJECT

public:
    frmSound(SharedSoundPlayer& sound, Locale& texts, ErrorReport& errors, FileDialogService& fileDialog,
             QWidget* parent = nullptr);
    frmSound(SharedSoundPlayer& sound, const Services& services, QWidget* parent = nullptr);

    // Fills the controls from the sound object, shows the dialog modally over Parent and
    // returns when it is closed; Save has then stored the changes, Cancel dropped them.
    // Stops the sound last started before returning.
    void Display(QWidget* Parent);

    // Escape and the window's close box act like Cancel.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum CheckBoxIndex { BoxActiveGame, BoxActiveTile, BoxUsePlaySound };

    SoundPlayer& Player() { return sound_.Player(); }
    void ConnectControls();
    void SetupLocale();
    void SetupLocaleCheckBox(QCheckBox* box, std::int16_t textNumber);
    void ShowFilePathes();
    void ShowOptions();
    void SaveFilePathes();
    void SaveOptions();
    bool EnableSave();
    void CheckBoxClick(CheckBoxIndex box, bool savedValue);
    void ShowMark(QWidget* widget, SettingMark mark);

    void txtSound_Change(int index);
    void txtSound_GotFocus(int index);
    void cmdSoundSelect_Click(int index);
    void cmdSoundRestore_Click(int index);
    void cmdSoundBuiltin_Click(int index);
    void cmdSoundPlay_Click(int index);
    void cmdSoundStop_Click();
    void cmdSave_Click();
    void cmdCancel_Click();

    SharedSoundPlayer& sound_;
    Locale& texts_;
    ErrorReport& errors_;
    FileDialogService& fileDialog_;
    SoundDialogControls controls_;
    QColor NormalForeColor;
    std::array<SettingMark, SoundCount> labelMarks_{};
    std::array<SettingMark, 3> checkBoxMarks_{};
};

} // namespace tessaron
