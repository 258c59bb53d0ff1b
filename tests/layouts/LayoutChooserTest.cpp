// Choosing a layout: the chooser dialog driven through its real widgets offscreen, the stored
// choice and the random pick, and the player's layout files read from a folder.
#include "board/PlayerLayouts.h"
#include "doubles/DoubleServices.h"
#include "doubles/EnterKey.h"
#include "layouts/LayoutChoice.h"
#include "layouts/PlayerLayoutFolder.h"
#include "layouts/frmLayouts.h"
#include "shell/StringTable.h"

#include <QAccessible>
#include <QCheckBox>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <random>
#include <set>

namespace tessaron {
namespace {

struct Bench {
    DoubleServices Services{1};
    LayoutCatalog Catalog;

    // Runs action while the dialog is on screen, then cancels a dialog left open, so a failed
    // check never hangs the test.
    std::optional<LayoutChoice> WhileShown(std::string_view current, bool newLayoutEveryGame,
                                           const std::function<void(frmLayouts&)>& action)
    {
        frmLayouts dialog(Catalog, Services.Texts);
        QTimer::singleShot(0, &dialog, [&] {
            QVERIFY(dialog.isVisible());
            action(dialog);
            if (dialog.isVisible()) dialog.reject();
        });
        return dialog.ShowAsDialog(nullptr, current, newLayoutEveryGame);
    }
};

std::string BuiltInText(std::string_view fileName)
{
    for (const BuiltInLayoutText& builtIn : BuiltInLayoutTexts())
        if (builtIn.FileName == fileName) return std::string(builtIn.Text);
    return {};
}

void WriteFile(const QTemporaryDir& folder, const QString& name, const std::string& bytes)
{
    QFile file(folder.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes.data(), qint64(bytes.size())), qint64(bytes.size()));
}

} // namespace

class LayoutChooserTest : public QObject {
    Q_OBJECT

private slots:
    // The arrow keys walk the previews from the current layout; Enter in the list plays the
    // focused one. Enter on a focused button presses that button: Cancel answers nothing,
    // Play answers the preview with the option as Space left it.
    void KeyboardChoosesALayoutAndEnterPressesTheFocusedButton()
    {
        Bench bench;
        const std::vector<Layout>& layouts = bench.Catalog.Layouts();
        QVERIFY(layouts.size() > 3);
        auto choice = bench.WhileShown(layouts[1].Key, false, [](frmLayouts& dialog) {
            QCOMPARE(dialog.focusWidget(), dialog.List());
            QTest::keyClick(dialog.List(), Qt::Key_Right);
            QTest::keyClick(dialog.List(), Qt::Key_Return);
        });
        QVERIFY(choice);
        QCOMPARE(choice->Key, layouts[2].Key);
        QVERIFY(!choice->NewLayoutEveryGame);

        QStringList pressed;
        choice = bench.WhileShown(layouts[2].Key, false, [&](frmLayouts& dialog) {
            pressed = ButtonsPressedByEnterOn(dialog, dialog.findChild<QPushButton*>("cmdCancel"));
        });
        QCOMPARE(pressed, QStringList{"cmdCancel"});
        QVERIFY(!choice);

        choice = bench.WhileShown(layouts[3].Key, true, [&](frmLayouts& dialog) {
            auto* box = dialog.findChild<QCheckBox*>("chkNewLayoutEveryGame");
            QVERIFY(box->isChecked());
            ButtonsPressedByEnterOn(dialog, box, Qt::Key_Tab);
            QTest::keyClick(box, Qt::Key_Space);
            pressed = ButtonsPressedByEnterOn(dialog, dialog.findChild<QPushButton*>("cmdPlay"));
        });
        QCOMPARE(pressed, QStringList{"cmdPlay"});
        QVERIFY(choice);
        QCOMPARE(choice->Key, layouts[3].Key);
        QVERIFY(!choice->NewLayoutEveryGame);
    }

    // A double click plays the preview it lands on; one on the ground between previews
    // confirms nothing and leaves the dialog open.
    void DoubleClickPlaysOnlyThePreviewItLandsOn()
    {
        Bench bench;
        bool stayedOpen = false;
        auto choice = bench.WhileShown(ClassicLayoutKey, false, [&](frmLayouts& dialog) {
            QListWidget* list = dialog.List();
            QPoint ground(-1, -1);
            for (int y = 2; y < list->viewport()->height() && ground.x() < 0; y += 3)
                for (int x = 2; x < list->viewport()->width() && ground.x() < 0; x += 3)
                    if (!list->indexAt(QPoint(x, y)).isValid()) ground = QPoint(x, y);
            QVERIFY(ground.x() >= 0);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, ground);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, ground);
            stayedOpen = dialog.isVisible();
            const QPoint at = list->visualItemRect(list->item(4)).center();
            // As a player gives it: the first click of the two selects, the second confirms.
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        });
        QVERIFY(stayedOpen);
        QVERIFY(choice);
        QCOMPARE(choice->Key, bench.Catalog.Layouts()[4].Key);
    }

    // Every preview shows its layout's name in the game's language; a screen reader hears
    // the name with the tile count, and the dialog's own texts follow the language too.
    void PreviewsAreNamedInBothLanguages()
    {
        Bench bench;
        QStringList titles;
        for (const std::int32_t locale : {0, 1}) {
            bench.Services.Texts.SaveLocale(locale);
            bench.WhileShown(ClassicLayoutKey, false, [&](frmLayouts& dialog) {
                titles << dialog.windowTitle();
                QAccessibleInterface* list = QAccessible::queryAccessibleInterface(dialog.List());
                QVERIFY(list);
                QCOMPARE(list->text(QAccessible::Name), locale ? QString("Aufstellungen") : QString("Layouts"));
                const std::vector<Layout>& layouts = bench.Catalog.Layouts();
                QCOMPARE(dialog.List()->count(), int(layouts.size()));
                for (int row = 0; row < dialog.List()->count(); ++row) {
                    const Layout& layout = layouts[std::size_t(row)];
                    const QString name = QString::fromStdString(locale ? layout.GermanName : layout.EnglishName);
                    QCOMPARE(dialog.List()->item(row)->text(), name);
                    QAccessibleInterface* preview = list->child(row);
                    QVERIFY(preview);
                    QCOMPARE(preview->text(QAccessible::Name), name + (locale ? ", 144 Steine" : ", 144 tiles"));
                }
                QCOMPARE(dialog.findChild<QCheckBox*>("chkNewLayoutEveryGame")->text(),
                         locale ? QString("Jedes neue Spiel auf einer neuen Aufstellung")
                                : QString("A new layout for every new game"));
            });
        }
        QCOMPARE(titles, (QStringList{"Tessaron - Choose a layout", "Tessaron - Aufstellung wählen"}));
    }

    // Absent means the classic layout and storing it removes the value; a stored key this
    // game lacks gives nothing, so a saved game is not resumed on other places. The option is
    // "1" only while on. With it a new game never repeats the layout and reaches every other.
    void StoredChoiceAndTheRandomPick()
    {
        Bench bench;
        Registry& settings = bench.Services.Settings;
        QCOMPARE(StoredLayout(settings, bench.Catalog), &bench.Catalog.Classic());
        SaveStoredLayout(settings, "stone-ring");
        QCOMPARE(StoredLayout(settings, bench.Catalog)->Key, std::string("stone-ring"));
        SaveStoredLayout(settings, "gone-away");
        QVERIFY(!StoredLayout(settings, bench.Catalog));
        SaveStoredLayout(settings, ClassicLayoutKey);
        QVERIFY(!bench.Services.Store.Read("Board", "Layout"));

        SaveNewLayoutEveryGame(settings, true);
        QCOMPARE(bench.Services.Store.Read("Board", "NewLayoutEveryGame"), std::optional<std::string>("1"));
        QVERIFY(LoadNewLayoutEveryGame(settings));
        SaveNewLayoutEveryGame(settings, false);
        QVERIFY(!bench.Services.Store.Read("Board", "NewLayoutEveryGame"));

        const Layout& current = *bench.Catalog.Find("stone-ring");
        QCOMPARE(&NewGameLayout(bench.Catalog, current, false, bench.Services.Random), &current);
        std::set<std::string> picked;
        for (int draw = 0; draw < 2000; ++draw)
            picked.insert(NewGameLayout(bench.Catalog, current, true, bench.Services.Random).Key);
        QCOMPARE(picked.size(), bench.Catalog.Layouts().size() - 1);
        QVERIFY(!picked.contains(current.Key));
    }

    // Every "*.layout" file of the folder is read in name order and nothing else; a sound one
    // joins the catalog, each refused one gives a message that names the file and the line,
    // in the game's language, and leaves the catalog as it was. No file stops the others.
    void PlayerLayoutFilesJoinOrAreRefusedByNameAndLine()
    {
        QTemporaryDir folder;
        std::string mine = BuiltInText("open-plain.layout");
        QVERIFY(mine.find("key open-plain") != std::string::npos);
        mine.replace(mine.find("key open-plain"), 14, "key my-plain");
        WriteFile(folder, "a-mine.layout", mine);
        WriteFile(folder, "b-broken.layout", "tessaron-layout 1\n# mine\ntile 1 2\n");
        WriteFile(folder, "c-huge.layout", "tessaron-layout 1\n" + std::string(LayoutTextLimit, '#'));
        std::mt19937 noise(7);
        std::string garbage;
        for (int i = 0; i < 3000; ++i) garbage += char(noise());
        WriteFile(folder, "d-garbage.layout", garbage);
        WriteFile(folder, "e-twice.layout", mine);
        WriteFile(folder, "notes.txt", mine);
        QVERIFY(QDir(folder.path()).mkdir("f-folder.layout"));

        const std::vector<PlayerLayoutFile> files = ReadPlayerLayoutFiles(folder.path());
        std::vector<std::string> names;
        for (const PlayerLayoutFile& file : files) names.push_back(file.FileName);
        QCOMPARE(names, (std::vector<std::string>{"a-mine.layout", "b-broken.layout", "c-huge.layout",
                                                  "d-garbage.layout", "e-twice.layout"}));
        QCOMPARE(files[2].Bytes->size(), LayoutTextLimit + 1);  // read no further than needed
        QVERIFY(ReadPlayerLayoutFiles(folder.filePath("none")).empty());

        LayoutCatalog catalog;
        const std::size_t builtIn = catalog.Layouts().size();
        std::vector<PlayerLayoutFile> withUnreadable = files;
        withUnreadable.push_back({"g-locked.layout", std::nullopt});
        const std::vector<std::string> messages = AddPlayerLayouts(catalog, withUnreadable, EnglishStringBase);
        QCOMPARE(catalog.Layouts().size(), builtIn + 1);
        QCOMPARE(catalog.Layouts().back().Key, std::string("my-plain"));
        QCOMPARE(messages.size(), std::size_t(5));
        QCOMPARE(messages[0], std::string("b-broken.layout, line 3: this line is not understood"));
        QCOMPARE(messages[1], std::string("c-huge.layout, line 1: the text is larger than 65536 bytes"));
        QVERIFY(messages[2].starts_with("d-garbage.layout, line "));
        QVERIFY(messages[3].starts_with("e-twice.layout, line ") &&
                messages[3].ends_with(": a layout with this key is there already"));
        QCOMPARE(messages[4], std::string("g-locked.layout: the file cannot be read."));
        QCOMPARE(PlayerLayoutsRefusedText(messages, "/data/layouts", EnglishStringBase),
                 "These layouts in /data/layouts were not added:\n\n" + messages[0] + "\n" + messages[1] + "\n" +
                     messages[2] + "\n" + messages[3] + "\n" + messages[4]);
        QCOMPARE(PlayerLayoutsRefusedText({}, "/data/layouts", EnglishStringBase), std::string());

        LayoutCatalog german;
        QCOMPARE(AddPlayerLayouts(german, {files[1]}, GermanStringBase),
                 std::vector<std::string>{"b-broken.layout, Zeile 3: diese Zeile ist unverständlich"});
    }
};

} // namespace tessaron

QTEST_MAIN(tessaron::LayoutChooserTest)
#include "LayoutChooserTest.moc"
