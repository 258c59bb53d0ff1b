#pragma once
// A message with a single OK button, modal over its owner; it grows with its message.
#include "shell/ErrorReport.h"
#include "shell/Locale.h"

#include <QDialog>
#include <string>

class QLabel;
class QPushButton;

namespace tessaron {

class frmMessage : public QDialog {
    Q_OBJECT
public:
    frmMessage(QWidget* owner, const Locale& texts, const std::string& caption);

    void SetMessage(const std::string& message);

    // Creates the dialog, shows message modally over owner and unloads it.
    static void ShowMessage(QWidget* owner, const std::string& message, const Locale& texts,
                            ErrorReport& errors, const std::string& caption);

private:
    QLabel* lblPrompt;
    QPushButton* cmdOK;
};

} // namespace tessaron
