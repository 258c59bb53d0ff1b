#pragma once
// The dialog of Game › New numbered game…: asks for a deal number from 1 to 2147483647. A text
// that is not one is refused as it is typed: the reason shows in red below the field, in
// full, and OK stays disabled; nothing is ever wrapped or cut to fit the range. Made for one
// opening: `frmDealNumber(services).Ask(this)`.
#include "shell/Services.h"

#include <QDialog>

#include <cstdint>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tessaron {

inline constexpr const char* DealNumberObject = "frmDealNumber";

class frmDealNumber : public QDialog {
    Q_OBJECT

public:
    frmDealNumber(Locale& texts, ErrorReport& errors, QWidget* parent = nullptr);
    explicit frmDealNumber(const Services& services, QWidget* parent = nullptr);

    // Shows the dialog modally over owner; the number chosen, or nothing on Cancel or Escape.
    std::optional<std::int32_t> Ask(QWidget* owner);

    QLineEdit* NumberField() const { return txtNumber_; }
    QLabel* FaultLabel() const { return lblFault_; }
    QPushButton* OkButton() const { return cmdOk_; }

private:
    void txtNumber_Change();
    void cmdOk_Click();

    Locale& texts_;
    ErrorReport& errors_;
    QLabel* lblPrompt_ = nullptr;
    QLineEdit* txtNumber_ = nullptr;
    QLabel* lblFault_ = nullptr;
    QPushButton* cmdOk_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    std::int32_t number_ = 0;
};

} // namespace tessaron
