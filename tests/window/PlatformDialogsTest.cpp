// The real message box and file dialog offscreen: what the player sees of them, and their
// language following the game's.
#include "doubles/FixedSystemLocale.h"
#include "doubles/MemorySettingsStore.h"
#include "doubles/RecordingMessageBox.h"
#include "halloffame/ModalDriver.h"
#include "shell/Locale.h"
#include "shell/QtMessageBox.h"
#include "shell/QtPlatformTexts.h"
#include "shell/Registry.h"
#include "window/QtFileDialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>

namespace tessaron {

namespace {
// A caption as read: without its mnemonic marks and the shortcut a menu item appends.
QString Caption(QString text) { return text.remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0); }
QString Caption(const QAbstractButton* button) { return button ? Caption(button->text()) : QString(); }
QString Caption(const QAction* item) { return item ? Caption(item->text()) : QString(); }
} // namespace

class PlatformDialogsTest : public QObject {
    Q_OBJECT

private slots:
    // The error report's box: critical, OK and Cancel, OK the default; every way out that is
    // not OK counts as Cancel. The OK-only box leaves by Escape too.
    void MessageBoxIsCriticalAndOnlyOkAnswersOk()
    {
        using Buttons = QMessageBox::StandardButtons;
        struct Case {
            const char* Way;
            bool OkOnly;
            std::function<void(QMessageBox&)> Answer;
            MessageBoxAnswer Expected;
        };
        const Case cases[] = {
            {"OK button", false, [](QMessageBox& box) { box.button(QMessageBox::Ok)->click(); }, MessageBoxAnswer::Ok},
            {"Enter", false, [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); }, MessageBoxAnswer::Ok},
            {"Cancel button", false, [](QMessageBox& box) { box.button(QMessageBox::Cancel)->click(); },
             MessageBoxAnswer::Cancel},
            {"Escape", false, [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); }, MessageBoxAnswer::Cancel},
            {"close box", false, [](QMessageBox& box) { box.close(); }, MessageBoxAnswer::Cancel},
            {"OK-only box, Escape", true, [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); },
             MessageBoxAnswer::Ok},
        };
        QtMessageBox messageBox;
        auto describe = [](QMessageBox::Icon icon, Buttons buttons, const QString& title, const QString& text) {
            return QStringLiteral("%1 %2 %3: %4").arg(int(icon)).arg(buttons.toInt()).arg(title, text);
        };
        for (const Case& c : cases) {
            QString shown;
            bool leftByAnswer = false;
            testkit::WhenShown<QMessageBox>([&](QMessageBox& box) {
                shown = describe(box.icon(), box.standardButtons(), box.windowTitle(), box.text());
                c.Answer(box);
                leftByAnswer = !box.isVisible();
            });
            const char* title = c.OkOnly ? "Load Tessaron game" : "frmBoard.GameFileSave";
            const char* text = c.OkOnly ? "'x' is not a valid Tessaron game file." : "Visual Basic Error 75 (Path/File access error)";
            MessageBoxAnswer answer = MessageBoxAnswer::Ok;
            if (c.OkOnly)
                messageBox.ShowCriticalOk(title, text);
            else
                answer = messageBox.ShowCriticalOkCancel(title, text);
            QVERIFY2(leftByAnswer, c.Way);
            QVERIFY2(answer == c.Expected, c.Way);
            const Buttons buttons = c.OkOnly ? Buttons(QMessageBox::Ok) : Buttons(QMessageBox::Ok | QMessageBox::Cancel);
            QCOMPARE(shown, describe(QMessageBox::Critical, buttons, title, text));
        }
    }

    // Qt's own dialogs and menus speak the game's language, switched the way the language
    // menu switches it, and back.
    void QtsOwnTextsFollowTheGameLanguage()
    {
        struct Case {
            std::int32_t Language;
            const char* Open;
            const char* Cancel;
            const char* FileName;
            const char* Undo;
        };
        const Case cases[] = {
            {1, "Öffnen", "Abbrechen", "Dateiname:", "Rückgängig"},
            {0, "Open", "Cancel", "File name:", "Undo"},
        };
        RecordingErrorReport report;
        MemorySettingsStore store;
        FixedSystemLocale system;
        Registry settings{store, report.Errors, system};
        QtPlatformTexts platformTexts;
        Locale texts{settings, report.Errors, system, &platformTexts};
        QtFileDialog fileDialog;
        QtMessageBox messageBox;
        for (const Case& c : cases) {
            texts.SaveLocale(c.Language);
            // The file type descriptions of the file dialog follow the default locale.
            QCOMPARE(QLocale().language(), c.Language == 1 ? QLocale::German : QLocale::English);

            bool ownDialog = false;
            QString open, cancel, fileName;
            testkit::WhenShown<QFileDialog>([&](QFileDialog& dialog) {
                ownDialog = dialog.testOption(QFileDialog::DontUseNativeDialog);
                const auto* buttons = dialog.findChild<QDialogButtonBox*>();
                open = Caption(buttons->button(QDialogButtonBox::Open));
                cancel = Caption(buttons->button(QDialogButtonBox::Cancel));
                fileName = Caption(dialog.labelText(QFileDialog::FileName));
            });
            FileDialogRequest request;
            request.Title = "Load Tessaron game";
            request.Filter = "Tessaron game files (*.tsg)|*.tsg";
            request.FileMustExist = true;
            QVERIFY(!fileDialog.Show(nullptr, request));
            QVERIFY(ownDialog);
            QCOMPARE(open, QString(c.Open));
            QCOMPARE(cancel, QString(c.Cancel));
            QCOMPARE(fileName, QString(c.FileName));

            QString ok, boxCancel;
            testkit::WhenShown<QMessageBox>([&](QMessageBox& box) {
                ok = Caption(box.button(QMessageBox::Ok));
                boxCancel = Caption(box.button(QMessageBox::Cancel));
            });
            messageBox.ShowCriticalOkCancel("frmBoard.GameFileLoad", "x");
            QCOMPARE(ok, QString("OK"));
            QCOMPARE(boxCancel, QString(c.Cancel));

            QLineEdit field;
            const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
            QCOMPARE(Caption(menu->actions().value(0)), QString(c.Undo));
        }
    }
};

} // namespace tessaron

int RunPlatformDialogsTests(int argc, char** argv)
{
    tessaron::PlatformDialogsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "PlatformDialogsTest.moc"
