#include "about/QtLinkOpener.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace tessaron {

std::int32_t QtLinkOpener::StartApplication(const std::string& link)
{
    const QString text = QString::fromStdString(link).trimmed();
    // Keep the link as written: its "%20" must reach the handler still encoded.
    QUrl url(text, QUrl::TolerantMode);
    if (url.isRelative()) url = QUrl::fromUserInput(text);
    if (text.isEmpty() || !url.isValid() || url.scheme().isEmpty()) return ErrorFileNotFound;
    return QDesktopServices::openUrl(url) ? Opened : ErrorNoAssociation;
}

std::string QtLinkOpener::SystemMessageText(std::int32_t code)
{
    switch (code) {
    case ErrorFileNotFound:
        return "The link does not name anything that can be opened.";
    case ErrorNoAssociation:
        return "No application is set up to open this kind of link.";
    default:
        return {};
    }
}

} // namespace tessaron
