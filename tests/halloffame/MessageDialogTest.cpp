#include "WindowSuites.h"

#include "HallOfFameTestKit.h"
#include "ModalDriver.h"
#include "halloffame/frmMessage.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace tessaron {

void MessageDialog::FourLineMessageGrowsTheDialogByTheLabel()
{
    testkit::HallOfFameServices services;
    frmMessage oneLine(nullptr, services.Texts, "Tessaron");
    frmMessage fourLines(nullptr, services.Texts, "Tessaron");
    oneLine.SetMessage("One line");
    fourLines.SetMessage("First line\nSecond line\nThird line\nFourth line");
    oneLine.show();
    fourLines.show();

    auto* shortLabel = oneLine.findChild<QLabel*>(QStringLiteral("lblPrompt"));
    auto* tallLabel = fourLines.findChild<QLabel*>(QStringLiteral("lblPrompt"));
    const int labelGrowth = tallLabel->height() - shortLabel->height();
    QVERIFY(labelGrowth >= 3 * shortLabel->fontMetrics().lineSpacing());
    if (qEnvironmentVariableIsSet("TESSARON_SAVE_PICTURES")) fourLines.grab().save(QStringLiteral("message-dialog.png"));
    QCOMPARE(fourLines.height() - oneLine.height(), labelGrowth);
    auto* ok = fourLines.findChild<QPushButton*>(QStringLiteral("cmdOK"));
    QVERIFY(ok->geometry().top() > tallLabel->geometry().bottom());
    QCOMPARE(ok->text(), QStringLiteral("OK"));
}

void MessageDialog::OkCloses()
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
