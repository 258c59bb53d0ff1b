#pragma once
// The about window: icon, title and version, description, author line, home page and mail
// links, two credit lines, the licence word and Close. It is made for one opening: create
// it, call Activate, let it go, e.g. `frmAbout(services).Activate(this);`.
#include "about/AboutLayout.h"
#include "shell/Services.h"

#include <QDialog>
#include <QLine>

#include <array>
#include <cstdint>
#include <string>

class QLabel;
class QPushButton;

namespace tessaron {

class frmAbout : public QDialog {
    Q_OBJECT

public:
    frmAbout(Locale& texts, ErrorReport& errors, LinkOpener& links, const ProgramInfo& program,
             QWidget* parent = nullptr);
    explicit frmAbout(const Services& services, QWidget* parent = nullptr);

    // Shows the window modally over owner and returns when it is closed.
    void Activate(QWidget* owner);

    // "1.0", or "1.0.9" when the revision is above 0.
    std::string VersionString();
    // Hands a link to the desktop; a failure is reported with the system's text.
    void StartApplication(const std::string& application);
    void ErrorMessageWindowsAPI(const std::string& procedureName, const std::string& functionName,
                                std::int32_t code);
    std::string GetSystemMessageText(std::int32_t code);

    // The separator lines, index 0 below the description, 1 below the links.
    QLine Separator(int index) const { return linSeparator_.at(static_cast<std::size_t>(index)); }

    // Escape and the window system close the window the way Close does.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void CreateControls();
    void SetupLocale();
    void ResizeForm();
    void cmdClose_Click();
    void lblHomepage_Click();
    void lblEmail_Click();

    AboutLayout CurrentLayout() const;
    void ApplyLayout(const AboutLayout& layout);

    Locale& texts_;
    ErrorReport& errors_;
    LinkOpener& links_;
    const ProgramInfo& program_;

    QLabel* picTitle_ = nullptr;
    QLabel* lblTitle_ = nullptr;
    QLabel* lblVersion_ = nullptr;
    QLabel* lblDescription_ = nullptr;
    QLabel* lblCopyright_ = nullptr;
    QLabel* lblHomepage_ = nullptr;
    QLabel* lblEmail_ = nullptr;
    std::array<QLabel*, 2> lblInfo_{};
    QLabel* lblLicensing_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
    std::array<QLine, 2> linSeparator_;
};

} // namespace tessaron
