#pragma once
// The suites of halloffame_window_tests; window_main.cpp runs the one named on the command
// line, or all.
#include <QObject>

namespace tessaron {

class HallOfFameWindow : public QObject {
    Q_OBJECT
private slots:
    void RowsShowEntriesInRankColoursAndTheSelection();
    void EnterPressesTheFocusedButton();
    void EnterPressesTheFocusedButton_data();
    void BoardWonAgainstTheClockReplaysTheChallengedDeal();
};

class PlayerDialog : public QObject {
    Q_OBJECT
private slots:
    void ConfirmedNameIsTrimmedAndOfferedNextTime();
    void EnterPressesTheFocusedButtonElseOk();
    void EnterPressesTheFocusedButtonElseOk_data();
    void FourLineMessageGrowsTheDialogByTheLabel();
    void MessageDialogShowsTheMessageAndEnterClosesIt();
};

} // namespace tessaron
