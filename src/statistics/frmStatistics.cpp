#include "statistics/frmStatistics.h"

#include "board/DailyDeal.h"
#include "shell/FormatPatterns.h"
#include "statistics/DailyCalendar.h"
#include "statistics/SolvingTimeChart.h"
#include "statistics/StatisticsTexts.h"
#include "window/BoardWindowPlace.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace tessaron {
namespace {

constexpr int FigureColumns = 7;  // played, won, win rate, streaks, times: texts Played.. on

QTableWidget* MakeTable(QWidget* parent, const char* name)
{
    auto* table = new QTableWidget(0, FigureColumns, parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);  // Tab leaves the table; the arrows move inside it
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

// Wide enough for every column, so no figure hides behind a scroll bar; as high as its rows,
// up to ten before it scrolls.
void FitToContents(QTableWidget* table)
{
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    const int frame = 2 * table->frameWidth();
    table->setMinimumWidth(table->verticalHeader()->sizeHint().width() + table->horizontalHeader()->length() + frame +
                           table->verticalScrollBar()->sizeHint().width());
    const int rows = std::min(table->rowCount(), 10);
    int height = table->horizontalHeader()->sizeHint().height() + frame;
    for (int row = 0; row < rows; ++row) height += table->rowHeight(row);
    table->setMinimumHeight(height);
}

QPushButton* MakeButton(QWidget* parent, const char* name)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    // Enter on a focused button presses it.
    button->setAutoDefault(true);
    return button;
}

} // namespace

frmStatistics::frmStatistics(Locale& texts, ErrorReport& errors, MessageBoxService& messageBox, const Clock& clock,
                             GameHistory& history, const LayoutCatalog& catalog, QWidget* parent)
    : QDialog(parent), texts_(texts), errors_(errors), messageBox_(messageBox), clock_(clock), history_(history),
      catalog_(catalog)
{
    setObjectName(QString::fromLatin1(StatisticsObject));
    CreateControls();
    SetupLocale();
}

frmStatistics::frmStatistics(const Services& services, GameHistory& history, const LayoutCatalog& catalog,
                             QWidget* parent)
    : frmStatistics(services.Texts, services.Errors, services.MessageBox, services.Time, history, catalog, parent)
{
}

// One owner places every control: the two tables on the left, the calendar on the right,
// the chart across the bottom, then Reset and Close.
void frmStatistics::CreateControls()
{
    fraLayouts_ = new QGroupBox(this);
    fraBands_ = new QGroupBox(this);
    fraDaily_ = new QGroupBox(this);
    fraChart_ = new QGroupBox(this);
    tblLayouts_ = MakeTable(fraLayouts_, "tblLayouts");
    tblBands_ = MakeTable(fraBands_, "tblBands");
    tblBands_->setRowCount(DealBandCount);
    calDaily_ = new DailyCalendar(texts_, fraDaily_);
    lblDailyStreak_ = new QLabel(fraDaily_);
    lblDailyStreak_->setObjectName(QStringLiteral("lblDailyStreak"));
    lblDailyStreak_->setWordWrap(true);
    picChart_ = new SolvingTimeChart(texts_, fraChart_);
    lblHistoryMissing_ = new QLabel(this);
    lblHistoryMissing_->setObjectName(QStringLiteral("lblHistoryMissing"));
    lblHistoryMissing_->setWordWrap(true);
    cmdReset_ = MakeButton(this, "cmdReset");
    cmdClose_ = MakeButton(this, "cmdClose");
    cmdClose_->setDefault(true);
    connect(cmdReset_, &QPushButton::clicked, this, &frmStatistics::cmdReset_Click);
    connect(cmdClose_, &QPushButton::clicked, this, &frmStatistics::accept);

    (new QVBoxLayout(fraLayouts_))->addWidget(tblLayouts_);
    (new QVBoxLayout(fraBands_))->addWidget(tblBands_);
    auto* daily = new QVBoxLayout(fraDaily_);
    daily->addWidget(calDaily_, 1);
    daily->addWidget(lblDailyStreak_);
    (new QVBoxLayout(fraChart_))->addWidget(picChart_);

    auto* tables = new QVBoxLayout;
    tables->addWidget(fraLayouts_, 1);
    tables->addWidget(fraBands_);
    auto* top = new QHBoxLayout;
    top->addLayout(tables, 1);
    top->addWidget(fraDaily_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblHistoryMissing_, 1);
    buttons->addStretch();
    buttons->addWidget(cmdReset_);
    buttons->addWidget(cmdClose_);
    // The figures scroll on a screen too small for them; the buttons stay in sight.
    auto* body = new QWidget;
    auto* content = new QVBoxLayout(body);
    content->setContentsMargins(0, 0, 0, 0);
    content->addLayout(top, 3);
    content->addWidget(fraChart_, 2);
    scrFigures_ = new QScrollArea(this);
    scrFigures_->setObjectName(QStringLiteral("scrFigures"));
    scrFigures_->setFrameShape(QFrame::NoFrame);
    scrFigures_->setWidgetResizable(true);
    scrFigures_->setFocusPolicy(Qt::NoFocus);  // the tables and the calendar take the keys
    scrFigures_->setWidget(body);
    auto* window = new QVBoxLayout(this);
    window->addWidget(scrFigures_, 1);
    window->addLayout(buttons);
    QWidget* order[] = {tblLayouts_, tblBands_, calDaily_->findChild<QWidget*>(QStringLiteral("cmdPreviousMonth")),
                        calDaily_->findChild<QWidget*>(QStringLiteral("cmdNextMonth")), calDaily_->Days(),
                        picChart_, cmdReset_, cmdClose_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void frmStatistics::SetupLocale()
{
    const auto text = [this](std::int16_t number) { return LocaleText(texts_, number); };
    setWindowTitle(text(StatisticsText::Caption));
    setAccessibleDescription(text(StatisticsText::Description));
    fraLayouts_->setTitle(text(StatisticsText::ByLayout));
    fraBands_->setTitle(text(StatisticsText::ByDifficulty));
    fraDaily_->setTitle(text(StatisticsText::MenuDealOfTheDay));
    fraChart_->setTitle(text(StatisticsText::ChartTitle));
    tblLayouts_->setAccessibleName(text(StatisticsText::ByLayout));
    tblBands_->setAccessibleName(text(StatisticsText::ByDifficulty));
    QStringList headers;
    for (int column = 0; column < FigureColumns; ++column) headers << text(std::int16_t(StatisticsText::Played + column));
    tblLayouts_->setHorizontalHeaderLabels(headers);
    tblBands_->setHorizontalHeaderLabels(headers);
    lblHistoryMissing_->setText(text(StatisticsText::HistoryMissing));
    cmdReset_->setText(text(StatisticsText::Reset));
    cmdClose_->setText(text(StatisticsText::Close));
}

void frmStatistics::FillRow(QTableWidget* table, int row, const QString& name, const GameStatistics& figures)
{
    const QString cells[FigureColumns] = {QString::number(figures.Played),
                                          QString::number(figures.Won),
                                          StatisticsPercentText(figures.WinRate, texts_),
                                          QString::number(figures.CurrentStreak),
                                          QString::number(figures.BestStreak),
                                          StatisticsTimeText(figures.BestTimeMs, texts_),
                                          StatisticsTimeText(figures.AverageTimeMs, texts_)};
    table->setVerticalHeaderItem(row, new QTableWidgetItem(name));
    for (int column = 0; column < FigureColumns; ++column) {
        auto* cell = new QTableWidgetItem(cells[column]);
        cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, column, cell);
    }
}

void frmStatistics::Refresh()
{
    Guarded(errors_, StatisticsObject, "Refresh", [&] {
        SetupLocale();  // the language may have changed since the window was made
        const DateParts now = SplitDate(clock_.Now());
        const std::vector<GameRow> games = history_.Games();
        played_ = std::int32_t(games.size());
        summary_ = SummarizeHistory(games, CalendarDay(now.Year, now.Month, now.Day).value_or(0));

        // All games first, then the layouts in the order the game lists them, then any
        // layout the catalog no longer knows, by its key.
        std::vector<std::pair<QString, const GameStatistics*>> layoutRows{
            {LocaleText(texts_, StatisticsText::AllGames), &summary_.All}};
        const bool german = texts_.GetLocale() == 1;
        for (const Layout& layout : catalog_.Layouts())
            if (const auto found = summary_.PerLayout.find(layout.Key); found != summary_.PerLayout.end())
                layoutRows.emplace_back(QString::fromStdString(german ? layout.GermanName : layout.EnglishName),
                                        &found->second);
        for (const auto& [key, figures] : summary_.PerLayout)
            if (!catalog_.Find(key)) layoutRows.emplace_back(QString::fromStdString(key), &figures);
        tblLayouts_->setRowCount(int(layoutRows.size()));
        for (std::size_t row = 0; row < layoutRows.size(); ++row)
            FillRow(tblLayouts_, int(row), layoutRows[row].first, *layoutRows[row].second);
        for (int band = 0; band < DealBandCount; ++band)
            FillRow(tblBands_, band,
                    QString::fromUtf8(DealBandName(DealBand(band), texts_.LocaleStringBase).data(),
                                      qsizetype(DealBandName(DealBand(band), texts_.LocaleStringBase).size())),
                    summary_.PerBand[std::size_t(band)]);

        FitToContents(tblLayouts_);
        FitToContents(tblBands_);
        calDaily_->SetDays(summary_.DailyDaysPlayed, summary_.DailyDaysWon, now.Year, now.Month);
        lblDailyStreak_->setText(LocaleText(texts_, StatisticsText::DailyStreak)
                                     .replace(QStringLiteral("^0"), QString::number(summary_.DailyCurrentStreak))
                                     .replace(QStringLiteral("^1"), QString::number(summary_.DailyBestStreak)));
        picChart_->SetTimes(summary_.LastWonTimesMs);
        lblHistoryMissing_->setVisible(!history_.Available());
        cmdReset_->setEnabled(history_.Available() && played_ > 0);
    });
}

void frmStatistics::ShowAsDialog(QWidget* owner)
{
    Guarded(errors_, StatisticsObject, "ShowAsDialog", [&] {
        Refresh();
        if (owner) {
            setParent(owner, windowFlags());
            adjustSize();
            move(owner->mapToGlobal(owner->rect().center()) - QPoint(width() / 2, height() / 2));
            // The tables know their widths once shown, and the window manager's frame is known.
            QTimer::singleShot(0, this, [this, owner] { PlaceOver(*owner); });
        }
        cmdClose_->setFocus();
        exec();
    });
    hide();
}

void frmStatistics::PlaceOver(const QWidget& owner)
{
    // Every figure in sight where the screen has room, else no larger than its free area,
    // frame included: the figures scroll, the buttons stay in sight.
    const QSize chrome = sizeHint() - scrFigures_->sizeHint();
    resize(scrFigures_->widget()->sizeHint() + chrome);
    FitToScreen(*this);
    move(owner.mapToGlobal(owner.rect().center()) - QPoint(width() / 2, height() / 2));
    KeepOnScreen(*this);
}

void frmStatistics::cmdReset_Click()
{
    Guarded(errors_, StatisticsObject, "cmdReset_Click", [&] {
        const auto asked = played_ == 1 ? StatisticsText::ResetQuestionOne : StatisticsText::ResetQuestion;
        const std::string question = LocaleText(texts_, asked)
                                         .replace(QStringLiteral("^0"), QString::number(played_))
                                         .toStdString();
        if (messageBox_.AskOkCancel(texts_.LoadLocaleString(StatisticsText::ResetTitle), question) !=
            MessageBoxAnswer::Ok)
            return;
        history_.Reset();
        Refresh();
        cmdClose_->setFocus();  // Reset is disabled now and cannot keep the focus
    });
}

} // namespace tessaron
