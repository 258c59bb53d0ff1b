#include "halloffame/frmPlayer.h"

#include "halloffame/PromptLabel.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace tessaron {

namespace {
constexpr std::int16_t TextCancel = 400;
constexpr std::int16_t TextOk = 401;
constexpr std::int16_t TextEnterName = 410;
const char* const DefaultPlayer = "N.N.";

QString LocaleText(const Locale& texts, std::int16_t number)
{
    return QString::fromStdString(texts.LoadLocaleString(number));
}
} // namespace

frmPlayer::frmPlayer(QWidget* owner, const Locale& texts, const std::string& caption) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmPlayer"));
    setWindowTitle(QString::fromStdString(caption));

    lblPromptMessage = CreatePromptLabel(this, "lblPrompt0");
    fraPlayer = new QGroupBox(this);
    fraPlayer->setObjectName(QStringLiteral("fraPlayer"));
    lblPromptName = new QLabel(LocaleText(texts, TextEnterName), fraPlayer);
    lblPromptName->setObjectName(QStringLiteral("lblPrompt1"));
    txtPlayer = new QLineEdit(fraPlayer);
    txtPlayer->setObjectName(QStringLiteral("txtPlayer"));
    lblPromptName->setBuddy(txtPlayer);
    cmdOK = new QPushButton(LocaleText(texts, TextOk), fraPlayer);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel = new QPushButton(LocaleText(texts, TextCancel), fraPlayer);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    // Enter on a focused button presses that button; in the name field it presses OK, and
    // only while a name can be confirmed.

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* frameLayout = new QVBoxLayout(fraPlayer);
    frameLayout->addWidget(lblPromptName);
    frameLayout->addWidget(txtPlayer);
    frameLayout->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(lblPromptMessage);
    layout->addWidget(fraPlayer);

    connect(txtPlayer, &QLineEdit::textChanged, this, &frmPlayer::txtPlayer_Change);
    connect(cmdOK, &QPushButton::clicked, this, &frmPlayer::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    txtPlayer->installEventFilter(this);
    txtPlayer_Change();
}

void frmPlayer::Prepare(const std::string& message, const std::string& offeredName)
{
    SetPromptText(lblPromptMessage, QString::fromStdString(message));
    txtPlayer->setText(QString::fromStdString(offeredName));
    txtPlayer->selectAll();
    txtPlayer->setFocus();
    playerConfirmed_ = false;
}

std::string frmPlayer::EnteredName() const { return txtPlayer->text().trimmed().toStdString(); }

void frmPlayer::txtPlayer_Change()
{
    const bool nameGiven = !txtPlayer->text().trimmed().isEmpty();
    cmdOK->setEnabled(nameGiven);
    cmdOK->setDefault(nameGiven);
}

void frmPlayer::cmdOK_Click()
{
    playerConfirmed_ = true;
    accept();
}

bool frmPlayer::eventFilter(QObject* watched, QEvent* event)
{
    // Typing replaces the offered name. A click that gave the focus places the cursor
    // afterwards, so the selection is made once that click is handled.
    if (watched == txtPlayer && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, txtPlayer, &QLineEdit::selectAll);
    return QDialog::eventFilter(watched, event);
}

std::string frmPlayer::RequestPlayerName(QWidget* owner, const std::string& message, Registry& settings,
                                         const Locale& texts, ErrorReport& errors, const std::string& caption)
{
    std::string name;
    Guarded(errors, "frmPlayer", "RequestPlayerName", [&] {
        frmPlayer dialog(owner, texts, caption);
        dialog.Prepare(message, settings.LoadRegistryString("General", "Player", DefaultPlayer));
        dialog.exec();
        if (!dialog.PlayerConfirmed()) return;
        const std::string confirmed = dialog.EnteredName();
        settings.SaveRegistryString("General", "Player", confirmed, DefaultPlayer);
        name = confirmed;
    });
    return name;
}

} // namespace tessaron
