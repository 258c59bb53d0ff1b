#include "window/BoardCommands.h"

#include "shell/Locale.h"
#include "window/CheckItemAccessible.h"
#include "window/MenuMnemonics.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <cstring>
#include <stdexcept>
#include <string>

namespace tessaron {

namespace {

constexpr int Ctrl(Qt::Key key) { return int(Qt::CTRL) | int(key); }
constexpr int CtrlShift(Qt::Key key) { return int(Qt::CTRL) | int(Qt::SHIFT) | int(key); }

constexpr std::array<MenuRow, BoardMenuCount> MenuRows{{
    {"mnuFile", 220, nullptr, false},
    {"mnuGame", 230, nullptr, false},
    {"mnuOption", 250, nullptr, false},
    {"mnuOptionLocale", 252, nullptr, true},
    {"mnuHelp", 0, "?", false},
    {"mnuGameDifficulty", 603, nullptr, true, BoardMenu::Game},
}};

using A = CommandAvailability;
using M = BoardMenu;
constexpr CommandRow CommandRows[] = {
    {.Name = "mnuFileNewGame", .Menu = M::File, .Text = 222, .Key = Ctrl(Qt::Key_N), .Available = &A::NewDeal},
    {.Name = "mnuFileLoadGame", .Menu = M::File, .Text = 221, .Key = Ctrl(Qt::Key_O), .Available = &A::NewDeal},
    {.Name = "mnuFileSaveGame", .Menu = M::File, .Text = 224, .Key = Ctrl(Qt::Key_S), .SeparatorBefore = true},
    {.Name = "mnuFileShowHallOfFame", .Menu = M::File, .Text = 225, .SeparatorBefore = true,
     .Available = &A::NewDeal},
    {.Name = "mnuFileStatistics", .Menu = M::File, .Text = 600, .Available = &A::NewDeal},
    {.Name = "mnuFileQuit", .Menu = M::File, .Text = 223, .Key = Ctrl(Qt::Key_Q), .SeparatorBefore = true},

    {.Name = "mnuGameUndoLastMove", .Menu = M::Game, .Text = 235, .Key = Ctrl(Qt::Key_Z),
     .Available = &A::Undo, .Button = "cmdUndoLastMove"},
    // Ctrl+Y and Ctrl+Shift+Z redo as in other programs; Ctrl+V stays the one shown.
    {.Name = "mnuGameRedoNextMove", .Menu = M::Game, .Text = 231, .Key = Ctrl(Qt::Key_V),
     .MoreKeys = {Ctrl(Qt::Key_Y), CtrlShift(Qt::Key_Z)}, .Available = &A::Redo, .Button = "cmdRedoNextMove"},
    {.Name = "mnuGameRemoveTiles", .Menu = M::Game, .Text = 233, .Key = Ctrl(Qt::Key_X), .SeparatorBefore = true,
     .Available = &A::DoMove, .Button = "cmdRemoveTiles", .Default = true},
    // The Peek item presses the Peek button; the model arms peek mode and resets the clock
    // before the first lift, whichever way the button was pressed.
    {.Name = "mnuGameRemoveTile", .Menu = M::Game, .Text = 232, .Key = Ctrl(Qt::Key_P), .SeparatorBefore = true,
     .Available = &A::Peek, .Button = "cmdRemoveTile", .Default = true},
    {.Name = "mnuGameRestartGame", .Menu = M::Game, .Text = 234, .Key = Ctrl(Qt::Key_R), .SeparatorBefore = true,
     .Available = &A::Restart},
    // P and the Pause key pause and go on; while paused any other key or a click goes on.
    {.Name = "mnuGamePause", .Menu = M::Game, .Text = 1014, .Key = int(Qt::Key_Pause), .MoreKeys = {int(Qt::Key_P)},
     .SeparatorBefore = true, .Available = &A::Pause},
    {.Name = "mnuGameHint", .Menu = M::Game, .Text = 750, .Key = Ctrl(Qt::Key_H), .SeparatorBefore = true,
     .Tip = 751, .Available = &A::Hint},
    {.Name = "mnuGameShuffle", .Menu = M::Game, .Text = 640, .Key = Ctrl(Qt::Key_F), .Tip = 641,
     .Available = &A::Shuffle},
    {.Name = "mnuGameDemo", .Menu = M::Game, .Text = 654, .Key = Ctrl(Qt::Key_D), .Tip = 655, .Available = &A::Demo},
    // Choosing a layout deals a new game on it.
    {.Name = "mnuGameLayout", .Menu = M::Game, .Text = 981, .SeparatorBefore = true, .Available = &A::NewDeal},
    // Deals with a number: asked for, of the day, or of a difficulty (its items are the bands).
    {.Name = "mnuGameNewNumbered", .Menu = M::Game, .Text = 601, .SeparatorBefore = true, .Available = &A::NewDeal},
    {.Name = "mnuGameDealOfTheDay", .Menu = M::Game, .Text = 602, .Available = &A::NewDeal},
    {.Name = "mnuGameDifficulty_0", .Menu = M::Difficulty, .Text = 970, .Available = &A::NewDeal},
    {.Name = "mnuGameDifficulty_1", .Menu = M::Difficulty, .Text = 971, .Available = &A::NewDeal},
    {.Name = "mnuGameDifficulty_2", .Menu = M::Difficulty, .Text = 972, .Available = &A::NewDeal},
    {.Name = "mnuGameDifficulty_3", .Menu = M::Difficulty, .Text = 973, .Available = &A::NewDeal},

    {.Name = "mnuOptionTimingActive", .Menu = M::Option, .Text = 253, .Checkable = true, .Available = &A::TimingOption},
    {.Name = "mnuOptionWarnLost", .Menu = M::Option, .Text = 754, .Checkable = true},
    {.Name = "mnuOptionFullScreen", .Menu = M::Option, .Text = 1017, .Key = int(Qt::Key_F11), .Checkable = true},
    {.Name = "mnuOptionEditSounds", .Menu = M::Option, .Text = 251, .SeparatorBefore = true},
    {.Name = "mnuOptionPreferences", .Menu = M::Option, .Text = 1000},
    // The first item of a submenu puts the submenu in place, after a separator if it asks.
    {.Name = "mnuOptionLocaleSelect_0", .Menu = M::Locale, .Caption = "English", .SeparatorBefore = true,
     .Checkable = true},
    {.Name = "mnuOptionLocaleSelect_1", .Menu = M::Locale, .Caption = "Deutsch", .Checkable = true},

    {.Name = "mnuHelpHowToPlay", .Menu = M::Help, .Text = 1011, .Key = int(Qt::Key_F1)},
    {.Name = "mnuHelpAbout", .Menu = M::Help, .Text = 241, .SeparatorBefore = true},
};
} // namespace

std::span<const MenuRow> BoardMenuRows() { return MenuRows; }
std::span<const CommandRow> BoardCommandRows() { return CommandRows; }

BoardCommands::BoardCommands(QMainWindow& window, const QWidget& buttonsIn) : bar_(window.menuBar())
{
    InstallCheckItemAccessibility();
    QMenuBar* bar = bar_;
    auto makeMenu = [this](BoardMenu menu, QMenu* created) {
        const MenuRow& row = MenuRows[std::size_t(menu)];
        created->setObjectName(QString::fromLatin1(row.Name));
        if (row.Caption) created->setTitle(QString::fromUtf8(row.Caption));
        menus_[std::size_t(menu)] = created;
    };
    for (std::size_t menu = 0; menu < BoardMenuCount; ++menu)
        if (!MenuRows[menu].Submenu) makeMenu(BoardMenu(menu), bar->addMenu(QString()));

    for (const CommandRow& row : CommandRows) {
        QMenu*& menu = menus_[std::size_t(row.Menu)];
        QMenu* parent = menu ? menu : Menu(MenuRows[std::size_t(row.Menu)].Parent);
        if (row.SeparatorBefore) parent->addSeparator();
        if (!menu) makeMenu(row.Menu, parent->addMenu(QString()));
        QAction* item = menu->addAction(row.Caption ? QString::fromUtf8(row.Caption) : QString());
        item->setObjectName(QString::fromLatin1(row.Name));
        QList<QKeySequence> keys;
        for (int key : {row.Key, row.MoreKeys[0], row.MoreKeys[1]})
            if (key != 0) keys.append(QKeySequence(key));
        item->setShortcuts(keys);
        item->setCheckable(row.Checkable);
        if (row.Tip != 0) menu->setToolTipsVisible(true);
        items_.push_back(item);
        QPushButton* button = nullptr;
        if (row.Button) {
            button = buttonsIn.findChild<QPushButton*>(QString::fromLatin1(row.Button));
            if (!button) throw std::logic_error(std::string("no button ") + row.Button);
            QObject::connect(item, &QAction::triggered, button, [button] {
                if (button->isEnabled()) button->click();
            });
        }
        buttons_.push_back(button);
    }

    // Enter presses the default button: Peek with one tile selected, Do move with two.
    auto* defaultButtonKey = new QAction(&window);
    defaultButtonKey->setObjectName(QStringLiteral("DefaultButtonKey"));
    defaultButtonKey->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    window.addAction(defaultButtonKey);
    QObject::connect(defaultButtonKey, &QAction::triggered, &window, [this] { PressDefaultButton(); });
}

std::size_t BoardCommands::RowOf(const char* name) const
{
    for (std::size_t row = 0; row < std::size(CommandRows); ++row)
        if (std::strcmp(CommandRows[row].Name, name) == 0) return row;
    throw std::logic_error(std::string("no command ") + name);
}

void BoardCommands::On(const char* name, std::function<void()> handler)
{
    QObject::connect(items_[RowOf(name)], &QAction::triggered, items_[RowOf(name)], std::move(handler));
}

QAction* BoardCommands::Item(const char* name) const { return items_[RowOf(name)]; }

void BoardCommands::SetChecked(const char* name, bool checked) { items_[RowOf(name)]->setChecked(checked); }

void BoardCommands::SetupLocale(const Locale& texts)
{
    auto text = [&texts](std::int16_t number) { return QString::fromStdString(texts.LoadLocaleString(number)); };
    for (std::size_t menu = 0; menu < BoardMenuCount; ++menu)
        if (MenuRows[menu].Text != 0) menus_[menu]->setTitle(text(MenuRows[menu].Text));
    for (std::size_t row = 0; row < items_.size(); ++row) {
        const CommandRow& command = CommandRows[row];
        if (command.Text != 0) items_[row]->setText(text(command.Text));
        if (command.Tip != 0) {
            items_[row]->setToolTip(text(command.Tip));
            items_[row]->setStatusTip(text(command.Tip));
        }
        // Icon buttons have no caption; a screen reader names them by their command.
        if (QPushButton* button = buttons_[row]) {
            button->setToolTip(items_[row]->text());
            button->setAccessibleName(button->toolTip());
        }
    }
    AssignMnemonics(bar_);
}

void BoardCommands::EnableCommands(const CommandAvailability& available)
{
    for (std::size_t row = 0; row < items_.size(); ++row) {
        const CommandRow& command = CommandRows[row];
        if (!command.Available) continue;
        const bool on = available.*command.Available;
        items_[row]->setEnabled(on);
        if (QPushButton* button = buttons_[row]) {
            button->setEnabled(on);
            if (command.Default) button->setDefault(on && !(enterNeverPeeks_ && command.Available == &A::Peek));
        }
    }
}

void BoardCommands::PressDefaultButton()
{
    for (std::size_t row = 0; row < items_.size(); ++row) {
        QPushButton* button = buttons_[row];
        if (!button || !CommandRows[row].Default || !button->isDefault()) continue;
        if (button->isEnabled()) button->click();
        return;
    }
}

} // namespace tessaron
