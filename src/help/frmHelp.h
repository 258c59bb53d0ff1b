#pragma once
// How to play (? › How to play…, F1): the rules, the keys and what each preference does,
// in the game's language. A window of its own beside the board, not modal, so the player
// can read while playing; the board window keeps one and calls SetupLocale when the
// language is switched. The text is read-only and reachable by Tab, so a screen reader
// reads it line by line.
#include "shell/ErrorReport.h"
#include "shell/Locale.h"

#include <QDialog>
#include <QString>

class QPushButton;
class QTextBrowser;

namespace tessaron {

inline constexpr const char* HelpObject = "frmHelp";

class frmHelp : public QDialog {
    Q_OBJECT

public:
    frmHelp(Locale& texts, ErrorReport& errors, QWidget* parent = nullptr);

    // Shows the window over owner (or brings it to the front) with the focus on the text.
    void Display(QWidget* owner);
    // Sets the title and the text in the current language.
    void SetupLocale();

    QTextBrowser* Text() const { return txtHelp_; }

    // The help text of the language (0 English, 1 German), its "{n}" marks filled with the
    // texts of the menus and the preferences, so it names them exactly as they appear.
    static QString HelpText(const Locale& texts);

private:
    Locale& texts_;
    ErrorReport& errors_;
    QTextBrowser* txtHelp_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
};

} // namespace tessaron
