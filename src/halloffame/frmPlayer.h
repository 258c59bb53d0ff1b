#pragma once
// Asks for the player's name under a message about the place a solved game earns. It
// offers the name confirmed last, fully selected, and grows with its message.
#include "shell/ErrorReport.h"
#include "shell/Locale.h"
#include "shell/Registry.h"

#include <QDialog>
#include <string>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tessaron {

class frmPlayer : public QDialog {
    Q_OBJECT
public:
    frmPlayer(QWidget* owner, const Locale& texts, const std::string& caption);

    void Prepare(const std::string& message, const std::string& offeredName);
    bool PlayerConfirmed() const { return playerConfirmed_; }
    // The name in the box without leading and trailing blanks.
    std::string EnteredName() const;

    // Creates the dialog, shows it modally over owner and unloads it. Returns the confirmed
    // name, trimmed, and remembers it under "General"/"Player" ("N.N." is the default and
    // is not stored); "" when the player cancelled or on a failure.
    static std::string RequestPlayerName(QWidget* owner, const std::string& message, Registry& settings,
                                         const Locale& texts, ErrorReport& errors, const std::string& caption);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void txtPlayer_Change();
    void cmdOK_Click();

    QLabel* lblPromptMessage;  // the caller's message
    QGroupBox* fraPlayer;
    QLabel* lblPromptName;     // "Please enter your name:"
    QLineEdit* txtPlayer;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    bool playerConfirmed_ = false;
};

} // namespace tessaron
