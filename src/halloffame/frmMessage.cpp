#include "halloffame/frmMessage.h"

#include "halloffame/PromptLabel.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessaron {

namespace {
constexpr std::int16_t TextMessageOk = 420;
}

frmMessage::frmMessage(QWidget* owner, const Locale& texts, const std::string& caption) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmMessage"));
    setWindowTitle(QString::fromStdString(caption));

    lblPrompt = CreatePromptLabel(this, "lblPrompt");
    cmdOK = new QPushButton(QString::fromStdString(texts.LoadLocaleString(TextMessageOk)), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(lblPrompt);
    layout->addSpacing(8);
    layout->addLayout(buttons);
}

void frmMessage::SetMessage(const std::string& message) { SetPromptText(lblPrompt, QString::fromStdString(message)); }

void frmMessage::ShowMessage(QWidget* owner, const std::string& message, const Locale& texts, ErrorReport& errors,
                             const std::string& caption)
{
    Guarded(errors, "frmMessage", "ShowMessage", [&] {
        frmMessage dialog(owner, texts, caption);
        dialog.SetMessage(message);
        dialog.exec();
    });
}

} // namespace tessaron
