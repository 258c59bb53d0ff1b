#pragma once
// The board's commands: the menu bar, its items, the four corner buttons' names and enabled
// states, and Enter for the default button, all from one table. A command is a row: its
// menu, caption, shortcut, what makes it available and the button it presses; the window
// says what each item does (On), and EnableCommands applies the availability to the table.
#include "board/Play.h"

#include <QKeySequence>

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;
class QMenuBar;
class QPushButton;
class QWidget;

namespace tessaron {

class Locale;

enum class BoardMenu { File, Game, Option, Locale, Help, Difficulty };
inline constexpr std::size_t BoardMenuCount = 6;

struct MenuRow {
    const char* Name;
    std::int16_t Text;        // the title's string number; 0: Caption as it stands
    const char* Caption;
    bool Submenu;             // a submenu of Parent, else on the menu bar
    BoardMenu Parent = BoardMenu::Option;
};

struct CommandRow {
    const char* Name;         // the menu item's object name
    BoardMenu Menu;
    std::int16_t Text = 0;    // the caption's string number; 0: Caption as it stands
    const char* Caption = nullptr;
    int Key = 0;              // the shortcut, 0 none
    std::array<int, 2> MoreKeys{};  // further shortcuts the menu does not show, 0 none
    bool SeparatorBefore = false;
    bool Checkable = false;
    std::int16_t Tip = 0;     // tool tip and status tip, 0 none
    // What makes it available; null: always.
    bool CommandAvailability::*Available = nullptr;
    // The corner button the item presses: it has the item's caption as its name and tip,
    // and is enabled with it.
    const char* Button = nullptr;
    // The button is Enter's while enabled (the first such in the table wins).
    bool Default = false;
};

// The menus in the order of BoardMenu, and every item in menu order.
std::span<const MenuRow> BoardMenuRows();
std::span<const CommandRow> BoardCommandRows();

class BoardCommands {
public:
    // Creates the menu bar of window and finds the buttons among buttonsIn's children.
    BoardCommands(QMainWindow& window, const QWidget& buttonsIn);

    // What the item of this name does when chosen (an item that presses a button does what
    // the button does).
    void On(const char* name, std::function<void()> handler);
    QAction* Item(const char* name) const;
    QMenu* Menu(BoardMenu menu) const { return menus_[std::size_t(menu)]; }
    void SetChecked(const char* name, bool checked);

    // Every caption, title, tip and button name in the current language, and the menus'
    // mnemonics for them.
    void SetupLocale(const Locale& texts);
    // The items and buttons enabled as available says, the default button marked.
    void EnableCommands(const CommandAvailability& available);
    // Enter never presses Peek (it stays on its button, menu item and shortcut).
    void SetEnterNeverPeeks(bool on) { enterNeverPeeks_ = on; }

private:
    std::size_t RowOf(const char* name) const;
    void PressDefaultButton();

    QMenuBar* bar_;
    std::array<QMenu*, BoardMenuCount> menus_{};
    std::vector<QAction*> items_;        // by row
    std::vector<QPushButton*> buttons_;  // by row, null where the row has none
    bool enterNeverPeeks_ = false;
};

} // namespace tessaron
