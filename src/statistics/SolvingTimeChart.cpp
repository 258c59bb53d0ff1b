#include "statistics/SolvingTimeChart.h"

#include "statistics/StatisticsTexts.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <numeric>

namespace tessaron {
namespace {

// The grid step in ms: the smallest of these that needs at most four lines to pass top.
std::int64_t GridStep(std::int64_t top)
{
    for (const std::int64_t minutes : {1, 2, 5, 10, 15, 30, 60, 120, 300, 600})
        if (top <= minutes * 60000 * 4) return minutes * 60000;
    return (top / 4 / 3600000 + 1) * 3600000;
}

} // namespace

SolvingTimeChart::SolvingTimeChart(const Locale& texts, QWidget* parent) : QWidget(parent), texts_(texts)
{
    setObjectName(QStringLiteral("picSolvingTimes"));
    // Reached by Tab, so a screen reader reads its name and the summary.
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SolvingTimeChart::SetTimes(std::vector<std::int64_t> timesMs)
{
    times_ = std::move(timesMs);
    setAccessibleName(LocaleText(texts_, StatisticsText::ChartTitle));
    setAccessibleDescription(Summary());
    update();
}

QString SolvingTimeChart::Summary() const
{
    if (times_.empty()) return LocaleText(texts_, StatisticsText::ChartEmpty);
    const auto [fastest, slowest] = std::minmax_element(times_.begin(), times_.end());
    const std::int64_t average = std::accumulate(times_.begin(), times_.end(), std::int64_t{0}) / std::int64_t(times_.size());
    return LocaleText(texts_, StatisticsText::ChartSummary)
        .replace(QStringLiteral("^0"), QString::number(times_.size()))
        .replace(QStringLiteral("^1"), StatisticsTimeText(*fastest, texts_))
        .replace(QStringLiteral("^2"), StatisticsTimeText(*slowest, texts_))
        .replace(QStringLiteral("^3"), StatisticsTimeText(average, texts_))
        .replace(QStringLiteral("^4"), StatisticsTimeText(times_.back(), texts_));
}

void SolvingTimeChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& colours = palette();
    painter.fillRect(rect(), colours.color(QPalette::Base));
    if (hasFocus()) {
        painter.setPen(QPen(colours.color(QPalette::Highlight), 2));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
    const QFontMetrics metrics(font());
    if (times_.empty()) {
        painter.setPen(colours.color(QPalette::Text));
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, Summary());
        return;
    }

    const std::int64_t slowest = *std::max_element(times_.begin(), times_.end());
    const std::int64_t step = GridStep(slowest);
    const std::int64_t top = (slowest / step + 1) * step;
    const int labelWidth = metrics.horizontalAdvance(StatisticsTimeText(top, texts_)) + 8;
    const QRectF plot(labelWidth + 4, metrics.height() / 2 + 4, width() - labelWidth - 12,
                      height() - metrics.height() - 12);
    const auto yOf = [&](std::int64_t ms) { return plot.bottom() - plot.height() * double(ms) / double(top); };

    // The grid with its times on the left.
    painter.setFont(font());
    for (std::int64_t line = 0; line <= top; line += step) {
        const double y = yOf(line);
        painter.setPen(QPen(colours.color(QPalette::Mid), 1, line ? Qt::DotLine : Qt::SolidLine));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(colours.color(QPalette::Text));
        painter.drawText(QRectF(0, y - metrics.height() / 2.0, labelWidth, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, line ? StatisticsTimeText(line, texts_) : QStringLiteral("0:00"));
    }

    // One bar per game; the latest in the highlight colour.
    const double slot = plot.width() / double(times_.size());
    const double gap = std::min(6.0, slot * 0.25);
    for (std::size_t i = 0; i < times_.size(); ++i) {
        const QRectF bar(plot.left() + slot * double(i) + gap / 2, yOf(times_[i]), slot - gap,
                         plot.bottom() - yOf(times_[i]));
        const bool latest = i + 1 == times_.size();
        painter.fillRect(bar, latest ? colours.color(QPalette::Highlight) : QColor(70, 130, 180));
    }

    // The average as a dashed line across.
    const std::int64_t average = std::accumulate(times_.begin(), times_.end(), std::int64_t{0}) / std::int64_t(times_.size());
    painter.setPen(QPen(QColor(200, 60, 40), 2, Qt::DashLine));
    painter.drawLine(QPointF(plot.left(), yOf(average)), QPointF(plot.right(), yOf(average)));
}

} // namespace tessaron
