// The board window's menu bar as the player reads it, in both languages.
#include "BoardBench.h"

#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace tessaron {

namespace {

// One line per entry in display order: a menu (depth 0), its items (1), the items of a
// submenu (2). "-" is a separator; no German text means the same text in both languages.
struct MenuLine {
    int Depth;
    const char* English;
    const char* German = nullptr;
    const char* Shortcut = "";
};

const MenuLine BoardMenuBar[] = {
    {0, "File", "Datei"},
    {1, "New Game", "Neues Spiel", "Ctrl+N"},
    {1, "Load game...", "Spiel laden...", "Ctrl+O"},
    {1, "-"},
    {1, "Save game...", "Spiel speichern...", "Ctrl+S"},
    {1, "-"},
    {1, "Hall of Fame...", "Ruhmeshalle..."},
    {1, "-"},
    {1, "Quit", "Beenden", "Ctrl+Q"},
    {0, "Game", "Spiel"},
    {1, "Undo last move", "Letzten Zug zurücknehmen", "Ctrl+Z"},
    {1, "Redo next move", "Nächsten Zug wiederholen", "Ctrl+V"},
    {1, "-"},
    {1, "Do move (remove tiles)", "Ziehen (Steine entfernen)", "Ctrl+X"},
    {1, "-"},
    {1, "Peek (remove tile)", "Nachschauen (Stein entfernen)", "Ctrl+P"},
    {1, "-"},
    {1, "Restart game", "Spiel wiederholen", "Ctrl+R"},
    {1, "-"},
    {1, "Hint", "Tipp", "Ctrl+H"},
    {0, "Option", "Einstellungen"},
    {1, "Play against the clock", "Spiel gegen die Uhr"},
    {1, "Warn when the game is lost", "Warnen, wenn das Spiel verloren ist"},
    {1, "-"},
    {1, "Sound..."},
    {1, "-"},
    {1, "Language", "Sprache"},
    {2, "English"},
    {2, "Deutsch"},
    {0, "?"},
    {1, "About...", "Über..."},
};

QString Line(int depth, const QString& text, const QString& shortcut)
{
    return QString(depth * 2, QLatin1Char(' ')) + text + (shortcut.isEmpty() ? QString() : QStringLiteral("  ") + shortcut);
}

QStringList Expected(std::int32_t language)
{
    QStringList lines;
    for (const MenuLine& line : BoardMenuBar)
        lines << Line(line.Depth, QString::fromUtf8(language == 1 && line.German ? line.German : line.English),
                      QString::fromLatin1(line.Shortcut));
    return lines;
}

void AddShown(const QList<QAction*>& items, int depth, QStringList& lines)
{
    for (const QAction* item : items) {
        lines << Line(depth, item->isSeparator() ? QStringLiteral("-") : item->text(),
                      item->shortcut().toString(QKeySequence::PortableText));
        if (item->menu()) AddShown(item->menu()->actions(), depth + 1, lines);
    }
}

} // namespace

class BoardMenusTest : public QObject {
    Q_OBJECT

private slots:
    void MenuBarReadsAsTheTableInEachLanguage()
    {
        BoardBench bench;
        QVERIFY(bench.Open());
        for (const std::int32_t language : {1, 0}) {
            bench.Action(language == 1 ? "mnuOptionLocaleSelect_1" : "mnuOptionLocaleSelect_0")->trigger();
            QStringList shown;
            AddShown(bench.Board->menuBar()->actions(), 0, shown);
            QCOMPARE(shown, Expected(language));
        }
    }
};

} // namespace tessaron

int RunBoardMenusTests(int argc, char** argv)
{
    tessaron::BoardMenusTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "BoardMenusTest.moc"
