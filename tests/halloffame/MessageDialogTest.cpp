#include "WindowSuites.h"

#include "HallOfFameTestKit.h"
#include "ModalDriver.h"
#include "halloffame/frmMessage.h"

#include <QLabel>
#include <QTest>

namespace tessaron {

// Shown modal with the message; Enter presses OK. (Its prompt label grows like the name
// dialog's, from the same helper.)
void MessageDialog::EnterClosesItWithTheMessageShown()
{
    testkit::HallOfFameServices services;
    QString shownText;
    testkit::WhenShown<frmMessage>([&](frmMessage& dialog) {
        shownText = dialog.findChild<QLabel*>(QStringLiteral("lblPrompt"))->text();
        QTest::keyClick(&dialog, Qt::Key_Return);
    });

    frmMessage::ShowMessage(nullptr, "Sorry.", services.Texts, services.Report.Errors, "Tessaron");

    QCOMPARE(shownText, QStringLiteral("Sorry."));
}

} // namespace tessaron
