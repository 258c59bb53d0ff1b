#include "WindowSuite.h"

#include "HallOfFameTestKit.h"
#include "ModalDriver.h"
#include "doubles/EnterKey.h"
#include "halloffame/frmMessage.h"
#include "halloffame/frmPlayer.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace tessaron {

namespace {

using namespace testkit;

std::string Request(HallOfFameServices& services)
{
    return frmPlayer::RequestPlayerName(nullptr, "You made it!", services.Settings, services.Texts,
                                        services.Report.Errors, "Tessaron");
}

QLineEdit* NameBox(QDialog& dialog) { return dialog.findChild<QLineEdit*>(QStringLiteral("txtPlayer")); }
QPushButton* Ok(QDialog& dialog) { return dialog.findChild<QPushButton*>(QStringLiteral("cmdOK")); }

} // namespace

// The typed name replaces the offer, which is therefore fully selected; it is trimmed, stored
// and offered next time. A blank name cannot be confirmed, and confirming N.N. removes the
// stored name again.
void HallOfFameWindows::PlayerNameIsTrimmedAndOfferedNextTime()
{
    HallOfFameServices services;
    WhenShown<frmPlayer>([](frmPlayer& dialog) {
        QTest::keyClicks(NameBox(dialog), "  Anna Berg  ");
        QTest::keyClick(NameBox(dialog), Qt::Key_Enter);
    });
    QCOMPARE(Request(services), std::string("Anna Berg"));
    QCOMPARE(services.Settings.LoadRegistryString("General", "Player", ""), std::string("Anna Berg"));

    QString offeredNextTime;
    bool okEnabledForBlanks = true;
    bool openAfterEnter = false;
    WhenShown<frmPlayer>([&](frmPlayer& dialog) {
        offeredNextTime = NameBox(dialog)->selectedText();
        QTest::keyClicks(NameBox(dialog), "   ");
        okEnabledForBlanks = Ok(dialog)->isEnabled();
        QTest::keyClick(NameBox(dialog), Qt::Key_Return);
        openAfterEnter = dialog.isVisible();
        NameBox(dialog)->clear();
        QTest::keyClicks(NameBox(dialog), "N.N.");
        QTest::mouseClick(Ok(dialog), Qt::LeftButton);
    });
    QCOMPARE(Request(services), std::string("N.N."));
    QCOMPARE(offeredNextTime, QStringLiteral("Anna Berg"));
    QVERIFY(!okEnabledForBlanks);
    QVERIFY(openAfterEnter);
    QVERIFY(!services.Store.Read("General", "Player").has_value());
}

void HallOfFameWindows::PlayerDialogEnterPressesTheFocusedButtonElseOk_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<QString>("name");
    QTest::newRow("name field") << "txtPlayer" << "cmdOK" << "N.N.";
    QTest::newRow("OK") << "cmdOK" << "cmdOK" << "N.N.";
    QTest::newRow("Cancel") << "cmdCancel" << "cmdCancel" << "";
}

void HallOfFameWindows::PlayerDialogEnterPressesTheFocusedButtonElseOk()
{
    QFETCH(QString, focus);
    QFETCH(QString, pressed);
    QFETCH(QString, name);
    HallOfFameServices services;
    QStringList acted;
    WhenShown<frmPlayer>([&](frmPlayer& dialog) {
        acted = ButtonsPressedByEnterOn(dialog, dialog.findChild<QWidget*>(focus));
    });
    QCOMPARE(QString::fromStdString(Request(services)), name);
    QCOMPARE(acted, QStringList{pressed});
    QCOMPARE(services.Store.Count(), std::size_t{0});  // N.N. is offered, never stored
}

void HallOfFameWindows::FourLineMessageGrowsThePlayerDialogByTheLabel()
{
    HallOfFameServices services;
    frmPlayer oneLine(nullptr, services.Texts, "Tessaron");
    frmPlayer fourLines(nullptr, services.Texts, "Tessaron");
    oneLine.Prepare("One line", "N.N.");
    fourLines.Prepare("First line\nSecond line\nThird line\nFourth line", "N.N.");
    oneLine.show();
    fourLines.show();

    auto* shortLabel = oneLine.findChild<QLabel*>(QStringLiteral("lblPrompt0"));
    auto* tallLabel = fourLines.findChild<QLabel*>(QStringLiteral("lblPrompt0"));
    const int labelGrowth = tallLabel->height() - shortLabel->height();
    QVERIFY(labelGrowth >= 3 * shortLabel->fontMetrics().lineSpacing());
    QCOMPARE(fourLines.height() - oneLine.height(), labelGrowth);
    QCOMPARE(fourLines.width(), oneLine.width());
    auto* frame = fourLines.findChild<QGroupBox*>(QStringLiteral("fraPlayer"));
    QVERIFY(frame->geometry().top() > tallLabel->geometry().bottom());
}

// The message dialog is shown modal with the message; Enter presses OK.
void HallOfFameWindows::MessageDialogShowsTheMessageAndEnterClosesIt()
{
    HallOfFameServices services;
    QString shownText;
    WhenShown<frmMessage>([&](frmMessage& dialog) {
        shownText = dialog.findChild<QLabel*>(QStringLiteral("lblPrompt"))->text();
        QTest::keyClick(&dialog, Qt::Key_Return);
    });

    frmMessage::ShowMessage(nullptr, "Sorry.", services.Texts, services.Report.Errors, "Tessaron");

    QCOMPARE(shownText, QStringLiteral("Sorry."));
}

} // namespace tessaron
