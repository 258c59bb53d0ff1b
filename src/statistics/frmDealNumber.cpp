#include "statistics/frmDealNumber.h"

#include "board/DealNumber.h"
#include "statistics/StatisticsTexts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessaron {

frmDealNumber::frmDealNumber(Locale& texts, ErrorReport& errors, QWidget* parent)
    : QDialog(parent), texts_(texts), errors_(errors)
{
    setObjectName(QString::fromLatin1(DealNumberObject));
    lblPrompt_ = new QLabel(this);
    txtNumber_ = new QLineEdit(this);
    txtNumber_->setObjectName(QStringLiteral("txtNumber"));
    lblPrompt_->setBuddy(txtNumber_);
    lblFault_ = new QLabel(this);
    lblFault_->setObjectName(QStringLiteral("lblFault"));
    lblFault_->setWordWrap(true);
    lblFault_->setMinimumWidth(360);
    QPalette red = lblFault_->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    lblFault_->setPalette(red);
    lblFault_->hide();
    cmdOk_ = new QPushButton(this);
    cmdOk_->setObjectName(QStringLiteral("cmdOk"));
    cmdCancel_ = new QPushButton(this);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    for (QPushButton* button : {cmdOk_, cmdCancel_}) button->setAutoDefault(true);
    cmdOk_->setDefault(true);
    connect(txtNumber_, &QLineEdit::textChanged, this, &frmDealNumber::txtNumber_Change);
    connect(cmdOk_, &QPushButton::clicked, this, &frmDealNumber::cmdOk_Click);
    connect(cmdCancel_, &QPushButton::clicked, this, &frmDealNumber::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk_);
    buttons->addWidget(cmdCancel_);
    auto* window = new QVBoxLayout(this);
    window->addWidget(lblPrompt_);
    window->addWidget(txtNumber_);
    window->addWidget(lblFault_);
    window->addLayout(buttons);

    const auto text = [this](std::int16_t number) { return LocaleText(texts_, number); };
    setWindowTitle(text(StatisticsText::DealNumberCaption));
    lblPrompt_->setText(text(StatisticsText::DealNumberPrompt));
    txtNumber_->setAccessibleName(QString(lblPrompt_->text()).remove(QLatin1Char('&')));
    cmdOk_->setText(text(StatisticsText::DealNumberOk));
    cmdCancel_->setText(text(StatisticsText::DealNumberCancel));
    txtNumber_Change();
}

frmDealNumber::frmDealNumber(const Services& services, QWidget* parent)
    : frmDealNumber(services.Texts, services.Errors, parent)
{
}

void frmDealNumber::txtNumber_Change()
{
    Guarded(errors_, DealNumberObject, "txtNumber_Change", [&] {
        const std::string typed = txtNumber_->text().toStdString();
        const DealNumberReading reading = ParseDealNumber(typed);
        number_ = reading.Fault == DealNumberFault::None ? reading.Number : 0;
        // An empty field is not yet a mistake: OK waits for a number without scolding.
        const bool refused = reading.Fault != DealNumberFault::None && reading.Fault != DealNumberFault::Missing;
        const QString fault =
            refused ? QString::fromStdString(DealNumberFaultText(reading.Fault, typed, texts_.LocaleStringBase)) : QString();
        lblFault_->setText(fault);
        lblFault_->setVisible(refused);
        // A screen reader hears the reason with the field.
        txtNumber_->setAccessibleDescription(fault);
        cmdOk_->setEnabled(number_ != 0);
        adjustSize();
    });
}

void frmDealNumber::cmdOk_Click()
{
    // Enter in the field presses the default button even while it is disabled.
    if (cmdOk_->isEnabled()) accept();
}

std::optional<std::int32_t> frmDealNumber::Ask(QWidget* owner)
{
    std::optional<std::int32_t> chosen;
    Guarded(errors_, DealNumberObject, "Ask", [&] {
        if (owner) {
            setParent(owner, windowFlags());
            adjustSize();
            move(owner->mapToGlobal(owner->rect().center()) - QPoint(width() / 2, height() / 2));
        }
        txtNumber_->setFocus();
        if (exec() == QDialog::Accepted && number_ != 0) chosen = number_;
    });
    hide();
    return chosen;
}

} // namespace tessaron
