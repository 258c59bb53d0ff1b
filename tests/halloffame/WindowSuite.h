#pragma once
// The hall of fame's windows and dialogs, run offscreen as one suite.
#include <QObject>

namespace tessaron {

class HallOfFameWindows : public QObject {
    Q_OBJECT
private slots:
    void RowsShowEntriesInRankColoursAndTheSelection();
    void EnterPressesTheFocusedButton();
    void EnterPressesTheFocusedButton_data();
    void BoardWonAgainstTheClockReplaysTheChallengedDeal();
    void PlayerNameIsTrimmedAndOfferedNextTime();
    void PlayerDialogEnterPressesTheFocusedButtonElseOk();
    void PlayerDialogEnterPressesTheFocusedButtonElseOk_data();
    void FourLineMessageGrowsThePlayerDialogByTheLabel();
    void MessageDialogShowsTheMessageAndEnterClosesIt();
};

} // namespace tessaron
