#include "help/frmHelp.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <cstdint>

namespace tessaron {
namespace {

constexpr std::int16_t HelpCaption = 1012;
constexpr std::int16_t HelpClose = 1013;

} // namespace

frmHelp::frmHelp(Locale& texts, ErrorReport& errors, QWidget* parent)
    : QDialog(parent), texts_(texts), errors_(errors)
{
    setObjectName(QString::fromLatin1(HelpObject));
    setModal(false);
    txtHelp_ = new QTextBrowser(this);
    txtHelp_->setObjectName(QStringLiteral("txtHelp"));
    txtHelp_->setOpenLinks(false);
    // Tab leaves the text for Close instead of moving between links.
    txtHelp_->setTabChangesFocus(true);
    txtHelp_->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    cmdClose_ = new QPushButton(this);
    cmdClose_->setObjectName(QStringLiteral("cmdClose"));
    cmdClose_->setAutoDefault(true);
    connect(cmdClose_, &QPushButton::clicked, this, &QDialog::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdClose_);
    auto* window = new QVBoxLayout(this);
    window->addWidget(txtHelp_);
    window->addLayout(buttons);
    resize(640, 560);
    SetupLocale();
}

QString frmHelp::HelpText(const Locale& texts)
{
    QFile file(texts.GetLocale() == 1 ? QStringLiteral(":/help/how-to-play-de.html")
                                      : QStringLiteral(":/help/how-to-play-en.html"));
    if (!file.open(QIODevice::ReadOnly)) Fail(ErrFileNotFound);
    const QString pattern = QString::fromUtf8(file.readAll());
    static const QRegularExpression mark(QStringLiteral("\\{(\\d+)\\}"));
    QString text;
    qsizetype done = 0;
    for (auto it = mark.globalMatch(pattern); it.hasNext();) {
        const QRegularExpressionMatch found = it.next();
        QString name = QString::fromStdString(texts.LoadLocaleString(std::int16_t(found.captured(1).toInt())));
        // Named inside a sentence: no accelerator mark, no "..." of a menu item.
        name.remove(QLatin1Char('&'));
        if (name.endsWith(QStringLiteral("..."))) name.chop(3);
        text += pattern.mid(done, found.capturedStart() - done) + name.toHtmlEscaped();
        done = found.capturedEnd();
    }
    return text + pattern.mid(done);
}

void frmHelp::SetupLocale()
{
    Guarded(errors_, HelpObject, "SetupLocale", [&] {
        const QString title = QString::fromStdString(texts_.LoadLocaleString(HelpCaption));
        setWindowTitle(title);
        txtHelp_->setAccessibleName(title);
        txtHelp_->setHtml(HelpText(texts_));
        cmdClose_->setText(QString::fromStdString(texts_.LoadLocaleString(HelpClose)));
    });
}

void frmHelp::Display(QWidget* owner)
{
    Guarded(errors_, HelpObject, "Display", [&] {
        if (owner && parentWidget() != owner) setParent(owner, windowFlags());
        show();
        raise();
        activateWindow();
        txtHelp_->setFocus();
    });
}

} // namespace tessaron
