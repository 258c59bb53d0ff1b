#pragma once
// The hall of fame window: the ranked rows of the list, a frame around the selected row,
// and the choice to close, start a new game or challenge the selected entry's time. It is
// created for each showing; the list and the selection live in HallOfFame for the run.
#include "halloffame/HallOfFame.h"
#include "shell/ErrorReport.h"
#include "shell/Locale.h"
#include "sound/SoundService.h"

#include <QDialog>
#include <array>
#include <cstdint>
#include <string>

class QFrame;
class QLabel;
class QPushButton;

namespace tessaron {

class frmHallOfFame : public QDialog {
    Q_OBJECT
public:
    frmHallOfFame(HallOfFame& hallOfFame, const Locale& texts, SoundService& sound, ErrorReport& errors,
                  const std::string& caption, QWidget* owner);

    // Fills the rows in effect, row highlightIndex (0 none) on highlight, and makes the
    // choice "closed" until a button says otherwise.
    void Prepare(std::int32_t highlightIndex, RgbColour highlight, bool initialFocusNewGame);
    // Prepare, show modally over the owner, stop any sound; returns the HallOfFameChoice,
    // 0 after a failure.
    std::int32_t ShowAsDialog(std::int32_t highlightIndex, RgbColour highlight, bool initialFocusNewGame);

    // Selects the row index when it shows an entry; the header (0) selects nothing.
    void SelectGame(std::int32_t index);
    // A double click on a row: challenge, as far as an entry is selected.
    void ClickReplayGame();

    std::int32_t DialogResult() const { return dialogResult_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void SetupLocale();
    void BuildRows();
    QFrame* BuildRow(std::int32_t index, int height);
    std::int32_t RowIndexOf(QObject* object) const;
    void Choose(std::int32_t choice);

    HallOfFame& hallOfFame_;
    const Locale& texts_;
    SoundService& sound_;
    ErrorReport& errors_;
    std::int32_t dialogResult_ = HallOfFameClosed;
    bool initialFocusNewGame_ = false;

    QLabel* imgHallOfFame;
    QWidget* picList;
    std::array<QFrame*, HallOfFameCapacity + 1> picItem{};  // 0 is the header row
    std::array<QLabel*, HallOfFameCapacity + 1> lblRanking{};
    std::array<QLabel*, HallOfFameCapacity + 1> lblPlayer{};
    std::array<QLabel*, HallOfFameCapacity + 1> lblResult{};
    std::array<QLabel*, HallOfFameCapacity + 1> lblStamp{};
    QFrame* shpSelection;
    QPushButton* cmdClose;
    QPushButton* cmdNewGame;
    QPushButton* cmdReplayGame;
};

} // namespace tessaron
