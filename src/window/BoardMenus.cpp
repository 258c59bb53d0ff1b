// The board window's menu bar, its captions in the current language, the enabled states
// of the commands, and the language switch while playing.
#include "window/frmBoard.h"

#include "shell/TextTools.h"
#include "window/BoardAccessibility.h"
#include "window/BoardLabel.h"
#include "window/CommandButton.h"
#include "window/MenuMnemonics.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace tessaron {

namespace {

QAction* MenuItem(QMenu* menu, const char* name, QKeySequence shortcut = {})
{
    QAction* item = menu->addAction(QString());
    item->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty()) item->setShortcut(shortcut);
    return item;
}
} // namespace

void frmBoard::CreateMenus()
{
    mnuFile_ = menuBar()->addMenu(QString());
    mnuFile_->setObjectName(QStringLiteral("mnuFile"));
    mnuFileNewGame_ = MenuItem(mnuFile_, "mnuFileNewGame", QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuFileLoadGame_ = MenuItem(mnuFile_, "mnuFileLoadGame", QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFile_->addSeparator();
    mnuFileSaveGame_ = MenuItem(mnuFile_, "mnuFileSaveGame", QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFile_->addSeparator();
    mnuFileShowHallOfFame_ = MenuItem(mnuFile_, "mnuFileShowHallOfFame");
    mnuFile_->addSeparator();
    mnuFileQuit_ = MenuItem(mnuFile_, "mnuFileQuit", QKeySequence(Qt::CTRL | Qt::Key_Q));

    mnuGame_ = menuBar()->addMenu(QString());
    mnuGame_->setObjectName(QStringLiteral("mnuGame"));
    mnuGameUndoLastMove_ = MenuItem(mnuGame_, "mnuGameUndoLastMove", QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuGameRedoNextMove_ = MenuItem(mnuGame_, "mnuGameRedoNextMove", QKeySequence(Qt::CTRL | Qt::Key_V));
    mnuGame_->addSeparator();
    mnuGameRemoveTiles_ = MenuItem(mnuGame_, "mnuGameRemoveTiles", QKeySequence(Qt::CTRL | Qt::Key_X));
    mnuGame_->addSeparator();
    mnuGameRemoveTile_ = MenuItem(mnuGame_, "mnuGameRemoveTile", QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuGame_->addSeparator();
    mnuGameRestartGame_ = MenuItem(mnuGame_, "mnuGameRestartGame", QKeySequence(Qt::CTRL | Qt::Key_R));

    mnuOption_ = menuBar()->addMenu(QString());
    mnuOption_->setObjectName(QStringLiteral("mnuOption"));
    mnuOptionTimingActive_ = MenuItem(mnuOption_, "mnuOptionTimingActive");
    mnuOptionTimingActive_->setCheckable(true);
    mnuOption_->addSeparator();
    mnuOptionEditSounds_ = MenuItem(mnuOption_, "mnuOptionEditSounds");
    mnuOption_->addSeparator();
    mnuOptionLocale_ = mnuOption_->addMenu(QString());
    mnuOptionLocale_->setObjectName(QStringLiteral("mnuOptionLocale"));
    const std::array<const char*, 2> languages{"English", "Deutsch"};
    for (int index = 0; index < 2; ++index) {
        QAction* item = mnuOptionLocale_->addAction(QString::fromUtf8(languages[index]));
        item->setObjectName(QStringLiteral("mnuOptionLocaleSelect_%1").arg(index));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, index] { mnuOptionLocaleSelect_Click(index); });
        mnuOptionLocaleSelect_[index] = item;
    }

    mnuHelp_ = menuBar()->addMenu(QStringLiteral("?"));
    mnuHelp_->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpAbout_ = MenuItem(mnuHelp_, "mnuHelpAbout");
    CreateHintCommands();

    // Enter presses the default button: Peek with one tile selected, Do move with two.
    defaultButtonKey_ = new QAction(this);
    defaultButtonKey_->setObjectName(QStringLiteral("DefaultButtonKey"));
    defaultButtonKey_->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    addAction(defaultButtonKey_);
    connect(defaultButtonKey_, &QAction::triggered, this, &frmBoard::PressDefaultButton);

    connect(mnuFileNewGame_, &QAction::triggered, this, &frmBoard::mnuFileNewGame_Click);
    connect(mnuFileLoadGame_, &QAction::triggered, this, &frmBoard::mnuFileLoadGame_Click);
    connect(mnuFileSaveGame_, &QAction::triggered, this, &frmBoard::mnuFileSaveGame_Click);
    connect(mnuFileShowHallOfFame_, &QAction::triggered, this, &frmBoard::mnuFileShowHallOfFame_Click);
    connect(mnuFileQuit_, &QAction::triggered, this, &QWidget::close);
    connect(mnuGameUndoLastMove_, &QAction::triggered, this, [this] { ClickCommandButton(cmdUndoLastMove_); });
    connect(mnuGameRedoNextMove_, &QAction::triggered, this, [this] { ClickCommandButton(cmdRedoNextMove_); });
    connect(mnuGameRemoveTiles_, &QAction::triggered, this, [this] { ClickCommandButton(cmdRemoveTiles_); });
    connect(mnuGameRemoveTile_, &QAction::triggered, this, &frmBoard::mnuGameRemoveTile_Click);
    connect(mnuGameRestartGame_, &QAction::triggered, this, &frmBoard::mnuGameRestartGame_Click);
    connect(mnuOptionTimingActive_, &QAction::triggered, this, &frmBoard::mnuOptionTimingActive_Click);
    connect(mnuOptionEditSounds_, &QAction::triggered, this, [this] {
        Guarded(services_.Errors, BoardObject, "mnuOptionEditSounds_Click", [this] { companions_.ShowSoundDialog(this); });
    });
    connect(mnuHelpAbout_, &QAction::triggered, this, [this] {
        Guarded(services_.Errors, BoardObject, "mnuHelpAbout_Click", [this] { companions_.ShowAboutDialog(this); });
    });
}

void frmBoard::SetupLocale()
{
    Guarded(services_.Errors, BoardObject, "SetupLocale", [this] {
        const Locale& texts = services_.Texts;
        auto text = [&texts](int number) { return QString::fromStdString(texts.LoadLocaleString(std::int16_t(number))); };
        cmdRedoNextMove_->setToolTip(text(231));
        cmdRemoveTile_->setToolTip(text(232));
        cmdRemoveTiles_->setToolTip(text(233));
        cmdUndoLastMove_->setToolTip(text(235));
        // Icon buttons have no caption; a screen reader names them by their command.
        for (QPushButton* button : {static_cast<QPushButton*>(cmdRedoNextMove_), static_cast<QPushButton*>(cmdRemoveTile_),
                                    static_cast<QPushButton*>(cmdRemoveTiles_), static_cast<QPushButton*>(cmdUndoLastMove_)})
            button->setAccessibleName(button->toolTip());
        lblNoMovePossible_->SetCaption(text(210));
        for (QLabel* banner : imgGameWon_) banner->setAccessibleName(text(825));
        mnuFile_->setTitle(text(220));
        mnuFileLoadGame_->setText(text(221));
        mnuFileNewGame_->setText(text(222));
        mnuFileQuit_->setText(text(223));
        mnuFileSaveGame_->setText(text(224));
        mnuFileShowHallOfFame_->setText(text(225));
        mnuGame_->setTitle(text(230));
        mnuGameRedoNextMove_->setText(text(231));
        mnuGameRemoveTile_->setText(text(232));
        mnuGameRemoveTiles_->setText(text(233));
        mnuGameRestartGame_->setText(text(234));
        mnuGameUndoLastMove_->setText(text(235));
        mnuHelpAbout_->setText(text(241));
        mnuOption_->setTitle(text(250));
        mnuOptionEditSounds_->setText(text(251));
        mnuOptionLocale_->setTitle(text(252));
        mnuOptionTimingActive_->setText(text(253));

        fileDialogFilter_ = ReplaceSubString("^0 (*.tsg)|*.tsg", "^0", texts.LoadLocaleString(280));
        fileOpenTitle_ = texts.LoadLocaleString(281);
        fileSaveTitle_ = texts.LoadLocaleString(282);
        fileInvalidText_ = texts.LoadLocaleString(283);
        tileCountFormat_ = texts.LoadLocaleString(290);
        newGameText_ = texts.LoadLocaleString(291);
        savedGameText_ = texts.LoadLocaleString(292);
        SetupHintLocale();
        AssignMnemonics(menuBar());
    });
}

void frmBoard::EnableCommands()
{
    Guarded(services_.Errors, BoardObject, "EnableCommands", [this] {
        const CommandAvailability available = play_->AvailableCommands();
        cmdRedoNextMove_->setEnabled(available.Redo);
        cmdRemoveTile_->setEnabled(available.Peek);
        cmdRemoveTile_->setDefault(available.Peek);
        cmdRemoveTiles_->setEnabled(available.DoMove);
        cmdRemoveTiles_->setDefault(available.DoMove);
        cmdUndoLastMove_->setEnabled(available.Undo);
        KeepKeyboardFocus();
        mnuGameRedoNextMove_->setEnabled(available.Redo);
        mnuGameRemoveTile_->setEnabled(available.Peek);
        mnuGameRemoveTiles_->setEnabled(available.DoMove);
        mnuGameRestartGame_->setEnabled(available.Restart);
        mnuGameUndoLastMove_->setEnabled(available.Undo);
        mnuOptionTimingActive_->setEnabled(available.TimingOption);
        mnuGameHint_->setEnabled(available.Hint);
        solver_->PositionMaybeChanged();
    });
}

void frmBoard::ClickCommandButton(QPushButton* button)
{
    if (button->isEnabled()) button->click();
}

void frmBoard::PressDefaultButton()
{
    if (cmdRemoveTiles_->isDefault())
        ClickCommandButton(cmdRemoveTiles_);
    else if (cmdRemoveTile_->isDefault())
        ClickCommandButton(cmdRemoveTile_);
}

void frmBoard::mnuFileNewGame_Click()
{
    Forward([this] { play_->NewGame(); });
}

void frmBoard::mnuFileShowHallOfFame_Click()
{
    Forward([this] {
        Guarded(services_.Errors, BoardObject, "mnuFileShowHallOfFame_Click", [this] {
            switch (companions_.ShowHallOfFame(this)) {
            case HallOfFameNewGame: play_->NewGame(); break;
            case HallOfFameChallenge: play_->ReplaySelectedHallOfFameGame(); break;
            default: break;
            }
        });
    });
}

// The Peek menu command presses the Peek button; the model arms peek mode and resets the
// clock before the first lift, whichever way the button was pressed.
void frmBoard::mnuGameRemoveTile_Click() { ClickCommandButton(cmdRemoveTile_); }

void frmBoard::mnuGameRestartGame_Click()
{
    Forward([this] { play_->RestartGame(); });
}

void frmBoard::mnuOptionTimingActive_Click()
{
    Forward([this] {
        if (play_->AvailableCommands().TimingOption) clock_->ToggleTimingActive(services_.Settings);
        mnuOptionTimingActive_->setChecked(clock_->TimingActive());
    });
}

void frmBoard::mnuOptionLocaleSelect_Click(int index)
{
    Guarded(services_.Errors, BoardObject, "mnuOptionLocaleSelect_Click", [this, index] {
        services_.Texts.SaveLocale(index);
        SetupLocale();
        // The game is untouched; only its texts are written again in the new language. They
        // follow the tiles off the board now, peeked ones included.
        ShowGameOrigin(play_->OriginLabel(), play_->GameOrigin());
        ShowGameWon(play_->RemovedCount() == TileCount);
        if (play_->DealExists()) ShowTileCount(TileCount - play_->RemovedCount());
        clock_->RefreshText();
        speech_->LanguageChanged();
        for (int item = 0; item < 2; ++item)
            mnuOptionLocaleSelect_[item]->setChecked(item == services_.Texts.GetLocale());
        EnableCommands();
    });
}

} // namespace tessaron
