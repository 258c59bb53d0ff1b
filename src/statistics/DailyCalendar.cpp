#include "statistics/DailyCalendar.h"

#include "board/DailyDeal.h"
#include "statistics/StatisticsTexts.h"

#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tessaron {
namespace {

constexpr int Weeks = 6;
const QColor WonColour(120, 200, 120);
const QColor PlayedColour(240, 200, 110);

bool Holds(const std::vector<std::int32_t>& days, std::int32_t day)
{
    return std::binary_search(days.begin(), days.end(), day);
}

QString Swatch(const QColor& colour)
{
    return QStringLiteral("<span style=\"background-color:%1\">&nbsp;&nbsp;&nbsp;&nbsp;</span>").arg(colour.name());
}

} // namespace

DailyCalendar::DailyCalendar(const Locale& texts, QWidget* parent) : QWidget(parent), texts_(texts)
{
    cmdPrevious_ = new QToolButton(this);
    cmdPrevious_->setObjectName(QStringLiteral("cmdPreviousMonth"));
    cmdPrevious_->setArrowType(Qt::LeftArrow);
    cmdNext_ = new QToolButton(this);
    cmdNext_->setObjectName(QStringLiteral("cmdNextMonth"));
    cmdNext_->setArrowType(Qt::RightArrow);
    for (QToolButton* button : {cmdPrevious_, cmdNext_}) button->setFocusPolicy(Qt::StrongFocus);
    connect(cmdPrevious_, &QToolButton::clicked, this, [this] { TurnMonth(-1); });
    connect(cmdNext_, &QToolButton::clicked, this, [this] { TurnMonth(1); });
    lblMonth_ = new QLabel(this);
    lblMonth_->setObjectName(QStringLiteral("lblMonth"));
    lblMonth_->setAlignment(Qt::AlignCenter);

    tblDays_ = new QTableWidget(Weeks, 7, this);
    tblDays_->setObjectName(QStringLiteral("tblDailyDeals"));
    tblDays_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblDays_->setTabKeyNavigation(false);  // Tab leaves the month; the arrows move inside it
    tblDays_->setSelectionMode(QAbstractItemView::SingleSelection);
    tblDays_->verticalHeader()->hide();
    tblDays_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblDays_->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblDays_->setMinimumSize(300, 200);
    lblLegend_ = new QLabel(this);
    lblLegend_->setObjectName(QStringLiteral("lblDailyLegend"));

    auto* title = new QHBoxLayout;
    title->addWidget(cmdPrevious_);
    title->addWidget(lblMonth_, 1);
    title->addWidget(cmdNext_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(title);
    layout->addWidget(tblDays_, 1);
    layout->addWidget(lblLegend_);
}

void DailyCalendar::SetDays(std::vector<std::int32_t> played, std::vector<std::int32_t> won, std::int32_t year,
                            std::int32_t month)
{
    played_ = std::move(played);
    won_ = std::move(won);
    year_ = year;
    month_ = month;
    ShowMonth();
}

void DailyCalendar::TurnMonth(int by)
{
    const std::int32_t months = year_ * 12 + (month_ - 1) + by;
    year_ = months / 12;
    month_ = months % 12 + 1;
    ShowMonth();
}

void DailyCalendar::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown)
        TurnMonth(event->key() == Qt::Key_PageUp ? -1 : 1);
    else
        QWidget::keyPressEvent(event);
}

void DailyCalendar::ShowMonth()
{
    const QLocale language = GameQtLocale(texts_);
    const QString monthName = language.standaloneMonthName(month_) + QLatin1Char(' ') + QString::number(year_);
    lblMonth_->setText(QStringLiteral("<b>%1</b>").arg(monthName.toHtmlEscaped()));
    lblMonth_->setAccessibleName(monthName);
    cmdPrevious_->setAccessibleName(LocaleText(texts_, StatisticsText::PreviousMonth));
    cmdPrevious_->setToolTip(cmdPrevious_->accessibleName());
    cmdNext_->setAccessibleName(LocaleText(texts_, StatisticsText::NextMonth));
    cmdNext_->setToolTip(cmdNext_->accessibleName());
    tblDays_->setAccessibleName(LocaleText(texts_, StatisticsText::CalendarName).replace(QStringLiteral("^0"), monthName));
    QStringList weekdays;
    for (int day = 1; day <= 7; ++day) weekdays << language.dayName(day, QLocale::ShortFormat);
    tblDays_->setHorizontalHeaderLabels(weekdays);
    const QString wonText = LocaleText(texts_, StatisticsText::DayWon);
    const QString playedText = LocaleText(texts_, StatisticsText::DayPlayed);
    lblLegend_->setText(Swatch(WonColour) + QLatin1Char(' ') + wonText.toHtmlEscaped() + QStringLiteral("&nbsp;&nbsp; ") +
                        Swatch(PlayedColour) + QLatin1Char(' ') + playedText.toHtmlEscaped());
    lblLegend_->setAccessibleName(wonText + QStringLiteral(", ") + playedText);

    tblDays_->clearContents();
    const std::int32_t first = CalendarDay(year_, month_, 1).value_or(0);
    const int offset = ((first + 3) % 7 + 7) % 7;  // 1 January 1970 was a Thursday; weeks start on Monday
    for (std::int32_t day = 1; day <= 31; ++day) {
        const auto calendarDay = CalendarDay(year_, month_, day);
        if (!calendarDay) break;
        auto* cell = new QTableWidgetItem(QString::number(day));
        cell->setTextAlignment(Qt::AlignCenter);
        QString spoken = language.toString(QDate(year_, month_, day), QLocale::LongFormat);
        if (Holds(won_, *calendarDay)) {
            cell->setBackground(WonColour);
            cell->setForeground(Qt::black);
            spoken += QStringLiteral(": ") + wonText;
        } else if (Holds(played_, *calendarDay)) {
            cell->setBackground(PlayedColour);
            cell->setForeground(Qt::black);
            spoken += QStringLiteral(": ") + playedText;
        }
        cell->setData(Qt::AccessibleTextRole, spoken);
        cell->setToolTip(spoken);
        tblDays_->setItem((offset + day - 1) / 7, (offset + day - 1) % 7, cell);
    }
}

} // namespace tessaron
