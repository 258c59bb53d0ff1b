#pragma once
// The bar chart of the solving times of the last won games, oldest on the left, drawn with
// QPainter. A screen reader gets the same figures as its description (Summary()).
#include "shell/Locale.h"

#include <QWidget>

#include <cstdint>
#include <vector>

namespace tessaron {

class SolvingTimeChart : public QWidget {
    Q_OBJECT

public:
    SolvingTimeChart(const Locale& texts, QWidget* parent = nullptr);

    // Times in ms, oldest first; refreshes the picture and the description.
    void SetTimes(std::vector<std::int64_t> timesMs);
    // "The last 12 won games: fastest 2:10, slowest 9:40, average 4:05; the latest 3:55."
    QString Summary() const;

    QSize sizeHint() const override { return {560, 200}; }
    QSize minimumSizeHint() const override { return {280, 140}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Locale& texts_;
    std::vector<std::int64_t> times_;
};

} // namespace tessaron
