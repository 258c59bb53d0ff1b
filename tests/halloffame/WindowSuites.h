#pragma once
// The suites of halloffame_window_tests; window_main.cpp runs the one named on the command
// line, or all.
#include <QObject>

namespace tessaron {

class HallOfFameWindow : public QObject {
    Q_OBJECT
private slots:
    void EmptyListShowsHeadersOnlyAndClosesWithOne();
    void RowsShowEntriesInRankColours();
    void GermanWindowShowsGermanTextsAndTitle();
    void SelectionKeptForTheRunIsShownAgain();
    void ClickOnARowSelectsIt();
    void DoubleClickOnTheHeaderWithoutSelectionKeepsTheWindowOpen();
    void NewEntryIsOnLightCyanWithFocusOnNewGame();
    void ButtonsGiveTheirChoices();
    void ButtonsGiveTheirChoices_data();
    void EnterPressesTheFocusedButton();
    void EnterPressesTheFocusedButton_data();
};

class HallOfFameWindowsFlow : public QObject {
    Q_OBJECT
private slots:
    void WinAgainstTheClockEntersTheNameAndShowsTheNewEntry();
    void OwnBetterEntryIsShownOnLightGreyAfterTheMessage();
    void FileMenuShowsTheListWithTheSelectionKept();
};

class PlayerDialog : public QObject {
    Q_OBJECT
private slots:
    void FirstUseOffersNNFullySelected();
    void BlankNameCannotBeConfirmed();
    void EnterConfirmsTheTrimmedNameAndOffersItNextTime();
    void ConfirmingNNRemovesTheStoredName();
    void EnterPressesTheFocusedButtonElseOk();
    void EnterPressesTheFocusedButtonElseOk_data();
    void FourLineMessageGrowsTheDialogByTheLabel();
};

class MessageDialog : public QObject {
    Q_OBJECT
private slots:
    void FourLineMessageGrowsTheDialogByTheLabel();
    void OkCloses();
};

} // namespace tessaron
