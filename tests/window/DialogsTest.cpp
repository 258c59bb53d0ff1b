// The windows beside the board: the progress window of a deal build, and the real message
// box and file dialog offscreen with their language following the game's.
#include "BoardBench.h"

#include "board/GameCreator.h"
#include "halloffame/ModalDriver.h"
#include "shell/Locale.h"
#include "shell/QtMessageBox.h"
#include "shell/QtPlatformTexts.h"
#include "shell/frmGame.h"
#include "window/QtFileDialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace tessaron {

namespace {

// A caption as read: without its mnemonic marks and the shortcut a menu item appends.
QString Caption(QString text) { return text.remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0); }
QString Caption(const QAbstractButton* button) { return button ? Caption(button->text()) : QString(); }
QString Caption(const QAction* item) { return item ? Caption(item->text()) : QString(); }

// A progress window whose Cancel only counts the ends of the program.
struct ProgressBench : BoardBench {
    QString Count(int step) const
    {
        return Window->findChild<QLabel*>(QStringLiteral("lblCount_%1").arg(step))->text();
    }
    int Ends = 0;
    QPointer<frmGame> Window = new frmGame(Texts, Report.Errors, nullptr, [this] { ++Ends; });
};

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void ProgressCountsTheStepsOfARealBuildAndClosesASecondAfterIt()
    {
        ProgressBench bench;
        SeededRandomSource random(3);
        GameCreator creator(bench.Geometry, random, bench.Report.Errors);
        TileArray faces{};
        creator.GameCreate(faces, *bench.Window, false);

        QVERIFY(bench.Window->isVisible());
        QCOMPARE(bench.Count(0), QString("1"));
        QCOMPARE(bench.Count(1), QString("72"));
        QCOMPARE(bench.Count(2), QString::number(creator.LastAttemptCount()));
        QCOMPARE(bench.Count(3), QString("144"));
        QVERIFY(!bench.Window->findChild<QPushButton*>("cmdCancel")->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(bench.Window.isNull(), 3000);  // closed and gone
        QCOMPARE(bench.Ends, 0);
    }

    // While it counts, a click on Cancel and Enter on the focused Cancel each end the program.
    // Deleting the window while the build still reports to it would crash the build, so a
    // close is ignored until the build is over. An earlier step starting again blanks the
    // later counts; a step that does not exist is reported and the window goes on.
    void CancelEndsTheProgramAndACloseWhileBuildingIsIgnored()
    {
        ProgressBench bench;
        bench.Window->ShowStep(0);
        auto* cancel = bench.Window->findChild<QPushButton*>("cmdCancel");
        QTest::mouseClick(cancel, Qt::LeftButton);
        cancel->setFocus();
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) QTest::keyClick(cancel, key);
        QCOMPARE(bench.Ends, 3);

        bench.Window->ShowStep(3);
        QVERIFY(!bench.Window->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!bench.Window.isNull());
        QVERIFY(bench.Window->isVisible());
        bench.Window->ShowStep(3);
        QCOMPARE(bench.Count(3), QString("2"));
        bench.Window->ShowStep(1);
        QCOMPARE(bench.Count(3), QString());
        QCOMPARE(bench.Window->StepCount(3), 0);
        bench.Window->ShowStep(4);
        QCOMPARE(bench.Report.Titles(), std::vector<std::string>{"frmGame.ShowStep"});
        bench.Window->ShowStep(-1);
        QVERIFY(bench.Window->close());
        QTRY_VERIFY_WITH_TIMEOUT(bench.Window.isNull(), 3000);
        QCOMPARE(bench.Ends, 3);
    }

    // Cancel during a build the board started ends the program at once, without saving.
    void CancelDuringTheBoardsBuildEndsTheProgramWithoutSaving()
    {
        BoardBench bench;
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        bench.MovePair(72);
        const std::size_t writesBefore = bench.Store.Log.size();
        int endsAtCancel = -1;
        std::size_t writesAtCancel = 0;
        QTimer watcher;  // runs inside the build, where the progress window lets events through
        connect(&watcher, &QTimer::timeout, [&] {
            auto* progress = bench.Board->findChild<frmGame*>();
            if (endsAtCancel >= 0 || !progress || !progress->isVisible()) return;
            QTest::mouseClick(progress->findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
            endsAtCancel = bench.ProgramEnds;
            writesAtCancel = bench.Store.Log.size();
        });
        watcher.start(0);
        bench.Key(Qt::Key_N, Qt::ControlModifier);
        watcher.stop();
        QCOMPARE(endsAtCancel, 1);
        QCOMPARE(writesAtCancel, writesBefore);
    }

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
        const QString title = "frmBoard.GameFileSave";
        const QString text = "Visual Basic Error 75 (Path/File access error)";
        auto describe = [](QMessageBox::Icon icon, Buttons buttons, const QString& title, const QString& text) {
            return QStringLiteral("%1 %2 %3: %4").arg(int(icon)).arg(buttons.toInt()).arg(title, text);
        };
        QtMessageBox messageBox;
        for (const Case& c : cases) {
            QString shown;
            bool leftByAnswer = false;
            testkit::WhenShown<QMessageBox>([&](QMessageBox& box) {
                shown = describe(box.icon(), box.standardButtons(), box.windowTitle(), box.text());
                c.Answer(box);
                leftByAnswer = !box.isVisible();
            });
            if (c.OkOnly) {
                messageBox.ShowCriticalOk(title.toStdString(), text.toStdString());  // answers nothing
            } else {
                const MessageBoxAnswer answer = messageBox.ShowCriticalOkCancel(title.toStdString(), text.toStdString());
                QVERIFY2(answer == c.Expected, c.Way);
            }
            QVERIFY2(leftByAnswer, c.Way);
            const Buttons buttons = c.OkOnly ? Buttons(QMessageBox::Ok) : Buttons(QMessageBox::Ok | QMessageBox::Cancel);
            QCOMPARE(shown, describe(QMessageBox::Critical, buttons, title, text));
        }
    }

    // A choice: Enter presses the first answer (the default), a click the answer clicked, and
    // Cancel, Escape or closing answer -1.
    void ChoiceAnswersTheButtonPressed()
    {
        const std::pair<std::function<void(QMessageBox&)>, int> cases[] = {
            {[](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); }, 0},
            {[](QMessageBox& box) {
                 for (QAbstractButton* button : box.buttons())
                     if (button->text() == "Take back 2 moves") button->click();
             },
             1},
            {[](QMessageBox& box) { box.button(QMessageBox::Cancel)->click(); }, -1},
            {[](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); }, -1},
            {[](QMessageBox& box) { box.close(); }, -1},
        };
        QtMessageBox messageBox;
        for (const auto& [answer, expected] : cases) {
            QStringList shown;
            testkit::WhenShown<QMessageBox>([&](QMessageBox& box) {
                for (const QAbstractButton* button : box.buttons()) shown << button->text();
                answer(box);
            });
            QCOMPARE(messageBox.AskChoice("Demo", "Lost", {"Shuffle", "Take back 2 moves"}), expected);
            shown.sort();
            QCOMPARE(shown, (QStringList{"Cancel", "Shuffle", "Take back 2 moves"}));
        }
    }

    // Qt's own dialogs and menus speak the game's language, switched the way the language
    // menu switches it, and back.
    void QtsOwnTextsFollowTheGameLanguage()
    {
        const std::tuple<std::int32_t, const char*, const char*, const char*, const char*> cases[] = {
            {1, "Öffnen", "Abbrechen", "Dateiname:", "Rückgängig"},
            {0, "Open", "Cancel", "File name:", "Undo"},
        };
        DoubleServices services(1);
        QtPlatformTexts platformTexts;
        Locale texts{services.Settings, services.Report.Errors, services.System, &platformTexts};
        QtFileDialog fileDialog;
        QtMessageBox messageBox;
        for (const auto& [language, openText, cancelText, fileNameText, undoText] : cases) {
            texts.SaveLocale(language);
            // The file type descriptions of the file dialog follow the default locale.
            QCOMPARE(QLocale().language(), language == 1 ? QLocale::German : QLocale::English);

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
            QCOMPARE(open, QString(openText));
            QCOMPARE(cancel, QString(cancelText));
            QCOMPARE(fileName, QString(fileNameText));

            QString ok, boxCancel;
            testkit::WhenShown<QMessageBox>([&](QMessageBox& box) {
                ok = Caption(box.button(QMessageBox::Ok));
                boxCancel = Caption(box.button(QMessageBox::Cancel));
            });
            messageBox.ShowCriticalOkCancel("frmBoard.GameFileLoad", "x");
            QCOMPARE(ok, QString("OK"));
            QCOMPARE(boxCancel, QString(cancelText));

            QLineEdit field;
            const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
            QCOMPARE(Caption(menu->actions().value(0)), QString(undoText));
        }
    }

    // The dialog opens in the folder of the file it is given (which Qt then remembers), and
    // without one, or when its folder is gone, in the player's documents (the home folder
    // when there are none), never where Qt or the working directory last was.
    void FileDialogOpensAtItsFileElseInThePlayersDocuments()
    {
        QTemporaryDir folder;
        QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (!QDir(documents).exists()) documents = QDir::homePath();
        const QString previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
        const std::pair<QString, QString> cases[] = {
            {folder.filePath("Puzzle.tsg"), folder.path()},
            {QString(), documents},
            {folder.filePath("gone/Puzzle.tsg"), documents},
        };
        QtFileDialog fileDialog;
        for (const auto& [file, expected] : cases) {
            QString shown;
            testkit::WhenShown<QFileDialog>([&](QFileDialog& dialog) { shown = dialog.directory().absolutePath(); });
            FileDialogRequest request;
            request.InitialFileName = file.toStdString();
            QVERIFY(!fileDialog.Show(nullptr, request));
            QCOMPARE(shown, QDir(expected).absolutePath());
        }
        QDir::setCurrent(previous);
    }

    // The patterns show once, in Qt's form, whether or not the description shows them.
    void FileDialogFilterTakesQtsForm()
    {
        const std::pair<const char*, const char*> cases[] = {
            {"Tessaron game files (*.tsg)|*.tsg", "Tessaron game files (*.tsg)"},
            {"Sound files (*.mid;*.mp3;*.rmi;*.wav)|*.mid;*.mp3;*.rmi;*.wav", "Sound files (*.mid *.mp3 *.rmi *.wav)"},
            {"Sounds|*.wav;*.mid|All (*.*)|*.*", "Sounds (*.wav *.mid);;All (*.*)"},
        };
        for (const auto& [filter, shown] : cases)
            QCOMPARE(QString::fromStdString(QtFileDialogFilter(filter)), QString(shown));
    }
};

} // namespace tessaron

int RunDialogsTests(int argc, char** argv)
{
    tessaron::DialogsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "DialogsTest.moc"
