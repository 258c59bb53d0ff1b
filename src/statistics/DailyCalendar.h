#pragma once
// The deals of the day as a month calendar: days won and days played but not won are marked,
// the buttons (or Page Up / Page Down) turn the month. Each day cell tells a screen reader
// its date and how it went; the marks are colours with a legend for the eye.
#include "shell/Locale.h"

#include <QWidget>

#include <cstdint>
#include <vector>

class QLabel;
class QTableWidget;
class QToolButton;

namespace tessaron {

class DailyCalendar : public QWidget {
    Q_OBJECT

public:
    DailyCalendar(const Locale& texts, QWidget* parent = nullptr);

    // Days as CalendarDay values, ascending; shows the month of today.
    void SetDays(std::vector<std::int32_t> played, std::vector<std::int32_t> won, std::int32_t year, std::int32_t month);
    void TurnMonth(int by);

    std::int32_t Year() const { return year_; }
    std::int32_t Month() const { return month_; }
    QTableWidget* Days() const { return tblDays_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowMonth();

    const Locale& texts_;
    std::vector<std::int32_t> played_, won_;
    std::int32_t year_ = 2000, month_ = 1;
    QToolButton* cmdPrevious_ = nullptr;
    QToolButton* cmdNext_ = nullptr;
    QLabel* lblMonth_ = nullptr;
    QTableWidget* tblDays_ = nullptr;
    QLabel* lblLegend_ = nullptr;
};

} // namespace tessaron
