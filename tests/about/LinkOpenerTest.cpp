#include "AboutSuites.h"

#include "about/QtLinkOpener.h"

#include <QDesktopServices>
#include <QTest>
#include <QUrl>

namespace tessaron {

namespace {

// Stands in for the desktop's mail program.
class MailHandler : public QObject {
    Q_OBJECT
public slots:
    void Open(const QUrl& url) { Received.append(url); }

public:
    QList<QUrl> Received;
};

} // namespace

// The mail link reaches the desktop with its subject still encoded, and success is above 32.
void LinkOpenerTest::LinkReachesItsHandlerUnchanged()
{
    MailHandler handler;
    QDesktopServices::setUrlHandler("mailto", &handler, "Open");
    QtLinkOpener opener;
    const std::int32_t result = opener.StartApplication("mailto:someone@example.org?subject=Tessaron%201.0.9");
    QDesktopServices::unsetUrlHandler("mailto");

    QVERIFY(result > 32);
    QCOMPARE(handler.Received.size(), 1);
    QCOMPARE(handler.Received.at(0).toString(QUrl::FullyEncoded),
             QString("mailto:someone@example.org?subject=Tessaron%201.0.9"));
}

// Every failure code is 32 or below and has a text of the system; success has none.
void LinkOpenerTest::EmptyLinkFailsWithASystemText()
{
    QtLinkOpener opener;
    QCOMPARE(opener.StartApplication("   "), QtLinkOpener::ErrorFileNotFound);
    for (const std::int32_t code : {QtLinkOpener::ErrorFileNotFound, QtLinkOpener::ErrorNoAssociation}) {
        QVERIFY(code <= 32);
        QVERIFY(!opener.SystemMessageText(code).empty());
    }
    QCOMPARE(opener.SystemMessageText(QtLinkOpener::Opened), std::string());
}

} // namespace tessaron

#include "LinkOpenerTest.moc"
