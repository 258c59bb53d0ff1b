// The player's preferences: how they are stored, the dialog that changes them (driven
// through its real widgets offscreen) and the help window that explains them.
#include "doubles/DoubleServices.h"
#include "doubles/EnterKey.h"
#include "help/frmHelp.h"
#include "preferences/frmPreferences.h"

#include <QAccessible>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <functional>

namespace tessaron {
namespace {

// A store that refuses to change one key, as a registry value without rights would.
class OneKeyRefused final : public SettingsStore {
public:
    std::optional<std::string> Read(const std::string& s, const std::string& k) const override { return inner.Read(s, k); }
    void Write(const std::string& s, const std::string& k, const std::string& v) override
    {
        if (k == Refused) Fail(ErrPathFileAccess);
        inner.Write(s, k, v);
    }
    void Remove(const std::string& s, const std::string& k) override
    {
        if (k == Refused) Fail(ErrPathFileAccess);
        inner.Remove(s, k);
    }
    void RemoveSection(const std::string& s) override { inner.RemoveSection(s); }
    void RemoveAll() override { inner.RemoveAll(); }
    MemorySettingsStore inner;
    std::string Refused;
};

struct Bench {
    Bench() { Texts.SetLocale(); }
    RecordingErrorReport Report;
    OneKeyRefused Store;
    FixedSystemLocale System;
    Registry Settings{Store, Report.Errors, System};
    Locale Texts{Settings, Report.Errors, System};
    Preferences Prefs{Settings};

    std::optional<std::string> Stored(Preference p) const { return Store.inner.Read("Board", PreferenceKey(p)); }

    // Runs action while the dialog is on screen, then cancels a dialog left open, so a failed
    // check never hangs the test. Returns what ShowAsDialog returned.
    bool WhileShown(const std::function<void(frmPreferences&)>& action)
    {
        frmPreferences dialog(Texts, Report.Errors);
        QTimer::singleShot(0, &dialog, [&] {
            QVERIFY(dialog.isVisible());
            action(dialog);
            if (dialog.isVisible()) dialog.reject();
        });
        return dialog.ShowAsDialog(nullptr, Prefs);
    }
};

QColor TextColour(const QWidget* widget) { return widget->palette().color(QPalette::WindowText); }

} // namespace

class PreferencesTest : public QObject {
    Q_OBJECT

private slots:
    // Absent is the classic game; the clock and the warning keep their existing rules.
    void StoredValuesFollowEachKeysRuleAndEachWriteStandsAlone()
    {
        Bench bench;
        bench.Prefs.Load();
        PreferenceValues expected;
        expected[Preference::WarnLost] = true;
        QVERIFY(bench.Prefs.Values() == expected);
        QVERIFY(bench.Prefs.MoveOptions() == PlayOptions{});

        PreferenceValues flipped;
        for (bool& on : flipped.On) on = true;
        flipped[Preference::WarnLost] = false;
        QVERIFY(bench.Prefs.Save(flipped));
        for (Preference p : {Preference::PairOnSecondClick, Preference::ClickMovesSelection,
                             Preference::EnterNeverPeeks, Preference::KeepProgress, Preference::PauseWhenHidden,
                             Preference::TimingActive})
            QCOMPARE(bench.Stored(p), std::optional<std::string>("1"));
        QCOMPARE(bench.Stored(Preference::WarnLost), std::optional<std::string>("0"));
        QVERIFY(bench.Prefs.MoveOptions() == (PlayOptions{true, true}));
        QVERIFY(!bench.Prefs.Save(flipped));  // nothing changed

        // Back to all classic, with the write of one key refused: it alone keeps its value
        // and is reported; the others are stored as absent (the clock as its default).
        bench.Store.Refused = "WarnLost";
        bench.Store.inner.Write("Board", "WarnLost", "0");
        QVERIFY(bench.Prefs.Save(expected));
        QCOMPARE(bench.Store.inner.Count(), std::size_t(1));
        QVERIFY(!bench.Prefs.IsOn(Preference::WarnLost));
        QVERIFY(!bench.Prefs.IsOn(Preference::KeepProgress));
        QCOMPARE(bench.Report.Box.Boxes.size(), std::size_t(1));
    }

    // Changed boxes blue, Save enabled only while something differs; Save stores, Escape
    // and Cancel drop the change.
    void ChangedBoxesShowBlueAndOnlySaveStoresThem()
    {
        for (const char* ending : {"cmdSave", "cmdCancel", "Escape"}) {
            Bench bench;
            bench.Prefs.Load();
            const bool saved = bench.WhileShown([&](frmPreferences& dialog) {
                QCheckBox* pair = dialog.Box(Preference::PairOnSecondClick);
                QPushButton* save = dialog.findChild<QPushButton*>("cmdSave");
                const QColor normal = TextColour(pair);
                QVERIFY(!save->isEnabled());
                QTest::keyClick(pair, Qt::Key_Space);
                QCOMPARE(TextColour(pair), QColor(0, 0, 255));
                QVERIFY(save->isEnabled());
                QTest::keyClick(pair, Qt::Key_Space);
                QCOMPARE(TextColour(pair), normal);
                QVERIFY(!save->isEnabled());
                dialog.Box(Preference::WarnLost)->click();
                if (QString(ending) == "Escape")
                    QTest::keyClick(&dialog, Qt::Key_Escape);
                else
                    QCOMPARE(ButtonsPressedByEnterOn(dialog, dialog.findChild<QWidget*>(ending)), QStringList{ending});
            });
            QCOMPARE(saved, QString(ending) == "cmdSave");
            QCOMPARE(bench.Stored(Preference::WarnLost).has_value(), saved);
            QCOMPARE(bench.Prefs.IsOn(Preference::WarnLost), !saved);
        }
    }

    // Every box reachable by Tab and named for a screen reader, in the game's language.
    void EachLanguageNamesEveryControl()
    {
        for (const std::int32_t language : {0, 1}) {
            Bench bench;
            bench.Texts.SaveLocale(language);
            frmPreferences dialog(bench.Texts, bench.Report.Errors);
            QCOMPARE(dialog.windowTitle(), QString(language == 0 ? "Tessaron Preferences" : "Tessaron-Voreinstellungen"));
            QCOMPARE(dialog.Box(Preference::KeepProgress)->text(),
                     QString(language == 0 ? "Keep the game's progress when closing" : "Spielstand beim Beenden behalten"));
            QCOMPARE(dialog.Box(Preference::TimingActive)->text(),
                     QString(language == 0 ? "Play against the clock" : "Spiel gegen die Uhr"));
            QCOMPARE(dialog.findChild<QPushButton*>("cmdCancel")->text(), QString(language == 0 ? "Cancel" : "Abbrechen"));
            for (std::size_t n = 0; n < PreferenceCount; ++n) {
                QCheckBox* box = dialog.Box(Preference(n));
                QVERIFY(box->focusPolicy() & Qt::TabFocus);
                QCOMPARE(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name), box->text());
            }
            QVERIFY(bench.Report.Box.Boxes.empty());
        }
    }

    // The help names every preference as the dialog does, in the language of the game, and
    // follows a switch.
    void HelpShowsTheGamesLanguageAndNamesEveryPreference()
    {
        Bench bench;
        frmHelp help(bench.Texts, bench.Report.Errors);
        help.Display(nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        QCOMPARE(help.focusWidget(), help.Text());
        for (const std::int32_t language : {0, 1}) {
            bench.Texts.SaveLocale(language);
            help.SetupLocale();
            QVERIFY(help.windowTitle().contains(language == 0 ? "How to play" : "Spielanleitung"));
            const QString text = help.Text()->toPlainText();
            QVERIFY(text.contains(language == 0 ? "Free tiles" : "Freie Steine"));
            QVERIFY(!text.contains('{'));
            frmPreferences dialog(bench.Texts, bench.Report.Errors);
            for (std::size_t n = 0; n < PreferenceCount; ++n)
                QVERIFY2(text.contains(dialog.Box(Preference(n))->text()), qPrintable(dialog.Box(Preference(n))->text()));
        }
        QVERIFY(bench.Report.Box.Boxes.empty());
    }
};

} // namespace tessaron

QTEST_MAIN(tessaron::PreferencesTest)
#include "PreferencesTest.moc"
