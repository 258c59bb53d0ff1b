#pragma once
// The statistics window (File › Statistics…): played, won, win rate, streaks and times over
// all games, per layout and per difficulty, the calendar of the deals of the day with its
// streak, and the chart of the last solving times; Reset forgets the history after a
// question. It only reads the history through GameHistory and works out nothing itself
// (SummarizeHistory does). Made for one opening:
// `frmStatistics(services, history, catalog).ShowAsDialog(this);`.
#include "board/LayoutCatalog.h"
#include "records/GameHistory.h"
#include "records/HistoryStatistics.h"
#include "shell/Services.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QTableWidget;

namespace tessaron {

class DailyCalendar;
class SolvingTimeChart;

inline constexpr const char* StatisticsObject = "frmStatistics";

class frmStatistics : public QDialog {
    Q_OBJECT

public:
    frmStatistics(Locale& texts, ErrorReport& errors, MessageBoxService& messageBox, const Clock& clock,
                  GameHistory& history, const LayoutCatalog& catalog, QWidget* parent = nullptr);
    frmStatistics(const Services& services, GameHistory& history, const LayoutCatalog& catalog,
                  QWidget* parent = nullptr);

    // Reads the history and shows it modally over owner until Close or Escape.
    void ShowAsDialog(QWidget* owner);
    // Reads the history again and shows what it holds now.
    void Refresh();

    const HistorySummary& Summary() const { return summary_; }
    QTableWidget* LayoutTable() const { return tblLayouts_; }
    QTableWidget* BandTable() const { return tblBands_; }
    DailyCalendar* Calendar() const { return calDaily_; }
    SolvingTimeChart* Chart() const { return picChart_; }

private:
    void CreateControls();
    void SetupLocale();
    void FillRow(QTableWidget* table, int row, const QString& name, const GameStatistics& figures);
    // Over the owner, as large as the figures ask where the screen has room.
    void PlaceOver(const QWidget& owner);
    void cmdReset_Click();

    Locale& texts_;
    ErrorReport& errors_;
    MessageBoxService& messageBox_;
    const Clock& clock_;
    GameHistory& history_;
    const LayoutCatalog& catalog_;
    HistorySummary summary_;
    std::int32_t played_ = 0;  // rows kept, whatever their outcome

    QGroupBox* fraLayouts_ = nullptr;
    QGroupBox* fraBands_ = nullptr;
    QGroupBox* fraDaily_ = nullptr;
    QGroupBox* fraChart_ = nullptr;
    QScrollArea* scrFigures_ = nullptr;
    QTableWidget* tblLayouts_ = nullptr;
    QTableWidget* tblBands_ = nullptr;
    DailyCalendar* calDaily_ = nullptr;
    QLabel* lblDailyStreak_ = nullptr;
    SolvingTimeChart* picChart_ = nullptr;
    QLabel* lblHistoryMissing_ = nullptr;
    QPushButton* cmdReset_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
};

} // namespace tessaron
