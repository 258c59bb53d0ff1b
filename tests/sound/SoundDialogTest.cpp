// The sound settings dialog, driven through its real widgets offscreen: what a player
// sees (colours, enabled buttons) and what a Save writes to the settings store.
#include "SoundTestBench.h"
#include "doubles/EnterKey.h"
#include "doubles/FakeFileDialog.h"
#include "sound/SharedSoundPlayer.h"
#include "sound/frmSound.h"

#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace tessaron {
namespace {

const QColor Blue(0, 0, 255);
const QColor Red(255, 0, 0);

struct DialogBench {
    SoundTestBench Sound;
    FakeFileDialog Files;
    // Its player is created on first use, so the settings a test stores after this count.
    SharedSoundPlayer Shared{Sound.Media, Sound.Settings, Sound.Texts, Sound.Report.Errors, Sound.ProgramFolder()};

    std::optional<std::string> Stored(const std::string& key) const { return Sound.Store.Read("Sound", key); }

    // Runs action while the dialog is on screen, then cancels a dialog left open, so a failed
    // check never hangs the test. Returns whether the action ran at all.
    [[nodiscard]] bool WhileShown(const std::function<void(frmSound&)>& action)
    {
        bool ran = false;
        frmSound dialog(Shared, Sound.Texts, Sound.Report.Errors, Files);
        QTimer::singleShot(0, &dialog, [&] {
            ran = dialog.isVisible();
            action(dialog);
            if (dialog.isVisible())
                dialog.reject();
        });
        dialog.Display(nullptr);
        return ran;
    }
};

template <class Widget> Widget* Find(const QWidget& dialog, const char* name, int index = -1)
{
    const QString full = QString::fromLatin1(name) + (index < 0 ? QString() : QString::number(index));
    if (auto* widget = dialog.findChild<Widget*>(full))
        return widget;
    qFatal("no control %s", qPrintable(full));
}

QColor TextColour(const QWidget* widget) { return widget->palette().color(QPalette::WindowText); }

void Type(QLineEdit* field, const QString& text)
{
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

} // namespace

class SoundDialog : public QObject {
    Q_OBJECT

private slots:
    // Typing, undo, the file dialog, clearing and the built-in choice each mark their row:
    // red for a path that does not exist, which disables Save and play, blue for any other
    // change. A toggled check box allows Save despite a red row, which is saved as no sound;
    // a row or option equal to its default removes its key.
    void EditsMarkTheirRowAndEnterInAFieldSaves()
    {
        DialogBench bench;
        bench.Sound.BuiltinSound("Sound00.wav");
        const std::string builtin = bench.Sound.BuiltinSound("Sound04.mid");
        const std::string saved = bench.Sound.UserSound("saved.wav");
        const std::string other = bench.Sound.UserSound("other.rmi");
        bench.Sound.Choose(1, saved);
        bench.Sound.Choose(4, bench.Sound.UserSound("mine.mp3"));
        bench.Sound.Choose(5, bench.Sound.UserSound("lost.mid"));
        bench.Sound.Store.Write("Sound", "SoundActiveGame", "yes"); // anything but "0" is on
        QVERIFY(bench.WhileShown([&](frmSound& dialog) {
            // Another row's valid change alone would allow Save.
            Type(Find<QLineEdit>(dialog, "txtSound", 7), QString::fromStdString(saved));
            QVERIFY(Find<QPushButton>(dialog, "cmdSave")->isEnabled());

            Type(Find<QLineEdit>(dialog, "txtSound", 1), QString::fromStdString(saved) + "x.wav");
            QCOMPARE(TextColour(Find<QLabel>(dialog, "lblSound", 1)), Red);
            QVERIFY(!Find<QPushButton>(dialog, "cmdSave")->isEnabled());
            QVERIFY(!Find<QPushButton>(dialog, "cmdSoundPlay", 1)->isEnabled());
            QVERIFY(Find<QPushButton>(dialog, "cmdSoundRestore", 1)->isEnabled());

            // Undo puts the saved file back: normal colour, Save follows the other row again.
            QTest::mouseClick(Find<QPushButton>(dialog, "cmdSoundRestore", 1), Qt::LeftButton);
            QCOMPARE(TextColour(Find<QLabel>(dialog, "lblSound", 1)), TextColour(Find<QLabel>(dialog, "lblSound", 2)));
            QVERIFY(Find<QPushButton>(dialog, "cmdSave")->isEnabled());

            // The file dialog is titled by the row's label and starts at its file; cancelled,
            // it leaves the field alone.
            QTest::mouseClick(Find<QPushButton>(dialog, "cmdSoundSelect", 1), Qt::LeftButton);
            QCOMPARE(bench.Files.Requests.size(), std::size_t(1));
            const FileDialogRequest& request = bench.Files.Requests[0];
            QCOMPARE(request.Title, std::string("Tile selected:"));
            QCOMPARE(request.Filter, std::string("Sound files (*.mid;*.mp3;*.rmi;*.wav)|*.mid;*.mp3;*.rmi;*.wav"));
            QCOMPARE(request.InitialFileName, saved);
            QVERIFY(request.FileMustExist && request.PathMustExist && !request.Save);
            QCOMPARE(Find<QLineEdit>(dialog, "txtSound", 1)->text(), QString::fromStdString(saved));
            bench.Files.Choice = FileDialogChoice{other, "other.rmi"};
            QTest::mouseClick(Find<QPushButton>(dialog, "cmdSoundSelect", 1), Qt::LeftButton);
            QCOMPARE(TextColour(Find<QLabel>(dialog, "lblSound", 1)), Blue);

            // No sound is a valid choice too.
            Type(Find<QLineEdit>(dialog, "txtSound", 0), QString());
            QCOMPARE(TextColour(Find<QLabel>(dialog, "lblSound", 0)), Blue);
            auto* useBuiltin = Find<QPushButton>(dialog, "cmdSoundBuiltin", 4);
            QTest::mouseClick(useBuiltin, Qt::LeftButton);
            QVERIFY(!useBuiltin->isEnabled());
            QCOMPARE(TextColour(Find<QLabel>(dialog, "lblSound", 4)), Blue);

            Type(Find<QLineEdit>(dialog, "txtSound", 5), "no such file.mid");
            QVERIFY(!Find<QPushButton>(dialog, "cmdSave")->isEnabled());
            auto* tileGroup = Find<QCheckBox>(dialog, "chkSoundActiveTile");
            QTest::mouseClick(tileGroup, Qt::LeftButton, {}, QPoint(5, tileGroup->height() / 2));
            QCOMPARE(TextColour(tileGroup), Blue);
            QTest::keyClick(Find<QLineEdit>(dialog, "txtSound", 0), Qt::Key_Return);
            QVERIFY(!dialog.isVisible());
        }));
        QCOMPARE(bench.Stored("FilePath0"), std::optional<std::string>("-"));
        QCOMPARE(bench.Stored("FilePath1"), std::optional<std::string>(other));
        QVERIFY(!bench.Stored("FilePath4"));
        QCOMPARE(bench.Stored("FilePath5"), std::optional<std::string>("-"));
        QCOMPARE(bench.Stored("FilePath7"), std::optional<std::string>(saved));
        QCOMPARE(bench.Stored("SoundActiveTile"), std::optional<std::string>("0"));
        QVERIFY(!bench.Stored("SoundActiveGame"));
        QVERIFY(!bench.Shared.Player().SoundActiveTile());
        QCOMPARE(bench.Sound.MakePlayer()->FilePathes()[4], builtin);
        QVERIFY(bench.Sound.Report.Box.Boxes.empty());
    }

    void EnterPressesTheFocusedButtonElseSave_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("pressed");
        for (const char* button : {"cmdSoundSelect3", "cmdSoundRestore2", "cmdSoundBuiltin1", "cmdSoundPlay0",
                                   "cmdSoundStop", "cmdCancel", "cmdSave"})
            QTest::newRow(button) << button << button;
        QTest::newRow("text field") << "txtSound2" << "cmdSave";
        QTest::newRow("check box") << "chkUsePlaySound" << "cmdSave";
    }

    // Rows 0 and 1 have a built-in sound, row 1 is switched off, row 2 has the player's own
    // file and row 3's has vanished. Until something changes Save stays disabled, and Enter
    // with it; then Enter presses the focused button, or Save from any other control. Only
    // Save stores anything, the fast-start box too, and only the rows that changed: the
    // vanished file stays stored.
    void EnterPressesTheFocusedButtonElseSave()
    {
        QFETCH(QString, focus);
        QFETCH(QString, pressed);
        DialogBench bench;
        bench.Sound.BuiltinSound("Sound00.wav");
        bench.Sound.BuiltinSound("Sound01.wav");
        const std::string vanished = (bench.Sound.Folder.Path() / "gone.mid").string();
        bench.Sound.Choose(1, "-");
        const std::string mine = bench.Sound.UserSound("mine.mp3");
        bench.Sound.Choose(2, mine);
        bench.Sound.Choose(3, vanished);
        QStringList acted;
        QVERIFY(!bench.Shared.Created());
        QVERIFY(bench.WhileShown([&](frmSound& dialog) {
            QVERIFY(bench.Shared.Player().DialogDisplayed());
            QVERIFY(!Find<QPushButton>(dialog, "cmdSave")->isEnabled());
            const QColor normal = TextColour(Find<QLabel>(dialog, "lblSound", 0));
            for (int n = 0; n < SoundCount; ++n) {
                QCOMPARE(TextColour(Find<QLabel>(dialog, "lblSound", n)), normal);
                // Play is offered exactly for the rows whose saved file exists.
                QCOMPARE(Find<QPushButton>(dialog, "cmdSoundPlay", n)->isEnabled(), n == 0 || n == 2);
                QVERIFY(!Find<QPushButton>(dialog, "cmdSoundRestore", n)->isEnabled());
            }
            QCOMPARE(Find<QLineEdit>(dialog, "txtSound", 3)->text(), QString());
            // An empty field offers the built-in sound where there is one.
            QVERIFY(Find<QPushButton>(dialog, "cmdSoundBuiltin", 1)->isEnabled());
            QVERIFY(!Find<QPushButton>(dialog, "cmdSoundBuiltin", 3)->isEnabled());
            QTest::keyClick(&dialog, Qt::Key_Return);
            QVERIFY(dialog.isVisible());

            // The unsaved fast-start box decides test playbacks; a fast start would be accepted.
            auto* fastStart = Find<QCheckBox>(dialog, "chkUsePlaySound");
            QVERIFY(fastStart->isChecked());
            fastStart->click();
            auto* stop = Find<QPushButton>(dialog, "cmdSoundStop");
            QTest::mouseClick(Find<QPushButton>(dialog, "cmdSoundPlay", 0), Qt::LeftButton);
            QCOMPARE(bench.Sound.Media.Calls.back(), std::string("Play 1"));
            QTest::mouseClick(stop, Qt::LeftButton);
            QVERIFY(!stop->isEnabled() && !bench.Sound.Media.Audible);

            // Every kind of button enabled: Stop after a play, undo and Save after an edit.
            QTest::mouseClick(Find<QPushButton>(dialog, "cmdSoundPlay", 0), Qt::LeftButton);
            Type(Find<QLineEdit>(dialog, "txtSound", 2), QString());
            acted = ButtonsPressedByEnterOn(dialog, dialog.findChild<QWidget*>(focus));
        }));
        QCOMPARE(acted, QStringList{pressed});
        QVERIFY(!bench.Shared.Player().DialogDisplayed());
        QVERIFY(!bench.Sound.Media.Audible); // closing the dialog stops its test playback
        QCOMPARE(bench.Stored("UsePlaySound").has_value(), pressed == "cmdSave");
        QCOMPARE(bench.Stored("FilePath2"), std::optional<std::string>(pressed == "cmdSave" ? "-" : mine));
        QCOMPARE(bench.Stored("FilePath3"), std::optional<std::string>(vanished));
        QVERIFY(bench.Sound.Report.Box.Boxes.empty());
    }

    void EachLanguageTitlesTheFramesAndNamesTheControls()
    {
        for (const std::int32_t language : {0, 1}) {
            DialogBench bench;
            bench.Sound.Texts.SaveLocale(language);
            frmSound dialog(bench.Shared, bench.Sound.Texts, bench.Sound.Report.Errors, bench.Files);
            for (const auto& [box, frame] : {std::pair{"chkSoundActiveTile", 0}, std::pair{"chkSoundActiveGame", 1}}) {
                const QRect title = Find<QCheckBox>(dialog, box)->geometry();
                const QRect border = Find<QGroupBox>(dialog, "fraSound", frame)->geometry();
                QVERIFY(title.top() < border.top() && title.bottom() > border.top()); // on the frame's top line
                QVERIFY(border.contains(title.left(), border.top()) && border.contains(title.right(), border.top()));
            }
            for (const char* name : {"chkSoundActiveTile", "chkSoundActiveGame", "chkUsePlaySound"}) {
                const QCheckBox* box = Find<QCheckBox>(dialog, name);
                QVERIFY2(box->width() >= box->sizeHint().width(), name);
            }
            // A picture or "..." is all a button shows, so a screen reader names it by its row.
            QCOMPARE(Find<QCheckBox>(dialog, "chkSoundActiveTile")->text(),
                     QString(language == 0 ? "Tile selection and movement" : "Spielsteinauswahl und -bewegung"));
            const QString row = language == 0 ? "Tile selected:" : "Stein ausgewählt:";
            const QString play = language == 0 ? "Play sound" : "Datei abspielen";
            const auto name = [](QWidget* control) {
                return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
            };
            QCOMPARE(name(Find<QPushButton>(dialog, "cmdSoundPlay", 1)), row + ' ' + play);
            QCOMPARE(name(Find<QLineEdit>(dialog, "txtSound", 1)), row);
        }
    }
};

} // namespace tessaron

QTEST_MAIN(tessaron::SoundDialog)
#include "SoundDialogTest.moc"
