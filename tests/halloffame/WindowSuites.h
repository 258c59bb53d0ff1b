#pragma once
// The suites of halloffame_window_tests; window_main.cpp runs the one named on the command
// line, or all.
#include <QObject>

namespace tessaron {

class HallOfFameWindow : public QObject {
    Q_OBJECT
private slots:
    void RowsShowEntriesInRankColoursAndTheLanguage();
    void SelectionFollowsClicksAndKeys();
    void EnterPressesTheFocusedButton();
    void EnterPressesTheFocusedButton_data();
};

class HallOfFameWindowsFlow : public QObject {
    Q_OBJECT
private slots:
    void BoardWonAgainstTheClockReplaysTheChallengedDeal();
};

class PlayerDialog : public QObject {
    Q_OBJECT
private slots:
    void BlankNameCannotBeConfirmed();
    void ConfirmedNameIsTrimmedAndOfferedNextTime();
    void EnterPressesTheFocusedButtonElseOk();
    void EnterPressesTheFocusedButtonElseOk_data();
    void FourLineMessageGrowsTheDialogByTheLabel();
};

class MessageDialog : public QObject {
    Q_OBJECT
private slots:
    void EnterClosesItWithTheMessageShown();
};

} // namespace tessaron
