#pragma once
// The preferences dialog (Option › Preferences…): the seven choices of how the game
// behaves, in two frames. Like the sound dialog, a box that differs from the saved value
// shows blue and Save is enabled only while one does. Made for one opening:
// `frmPreferences(services).ShowAsDialog(this, preferences);`. Escape and the window's
// close box act like Cancel.
#include "preferences/Preferences.h"
#include "shell/Services.h"

#include <QColor>
#include <QDialog>

#include <array>

class QCheckBox;
class QGroupBox;
class QPushButton;

namespace tessaron {

inline constexpr const char* PreferencesObject = "frmPreferences";

class frmPreferences : public QDialog {
    Q_OBJECT

public:
    frmPreferences(Locale& texts, ErrorReport& errors, QWidget* parent = nullptr);
    explicit frmPreferences(const Services& services, QWidget* parent = nullptr);

    // Shows the held values modally over owner; Save stores the changed ones. True when a
    // value was changed in the store (the caller then applies preferences again).
    bool ShowAsDialog(QWidget* owner, Preferences& preferences);

    QCheckBox* Box(Preference preference) const { return chkPreference_.at(std::size_t(preference)); }

private:
    void CreateControls();
    void SetupLocale();
    void ShowValues(const PreferenceValues& saved);
    PreferenceValues Chosen() const;
    void chkPreference_Click();
    void cmdSave_Click();

    Locale& texts_;
    ErrorReport& errors_;
    std::array<QCheckBox*, PreferenceCount> chkPreference_{};
    QGroupBox* fraMoves_ = nullptr;
    QGroupBox* fraGame_ = nullptr;
    QPushButton* cmdSave_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    QColor normalForeColor_;
    PreferenceValues saved_;
};

} // namespace tessaron
