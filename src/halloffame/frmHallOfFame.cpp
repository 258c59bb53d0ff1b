#include "halloffame/frmHallOfFame.h"

#include "ResourceNames.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>
#include <algorithm>

namespace tessaron {

namespace {

constexpr std::int16_t TextClose = 300;
constexpr std::int16_t TextNewGame = 301;
constexpr std::int16_t TextChallenge = 302;
constexpr std::int16_t TextHeaderName = 310;
constexpr std::int16_t TextHeaderRank = 311;
constexpr std::int16_t TextHeaderRecord = 312;
constexpr std::int16_t TextHeaderStamp = 313;
constexpr std::int16_t TextHallOfFame = 837;

// A reader meets the entries as a list: each row an item, the new entry (the row filled
// with the highlight colour) selected.
class EntryAccessible final : public QAccessibleWidget {
public:
    explicit EntryAccessible(QWidget* row) : QAccessibleWidget(row, QAccessible::ListItem) {}
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.selectable = true;
        state.selected = widget()->autoFillBackground();
        return state;
    }
};

QAccessibleInterface* EntryListFactory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || !widget->parentWidget() || widget->window()->objectName() != QLatin1String(HallOfFameObject)) return nullptr;
    if (widget->objectName() == QLatin1String("picList")) return new QAccessibleWidget(widget, QAccessible::List);
    if (widget->objectName().startsWith(QLatin1String("picItem")) && widget->objectName() != QLatin1String("picItem0"))
        return new EntryAccessible(widget);
    return nullptr;
}

// Column places inside a row, in pixels.
struct Column {
    int Left;
    int Width;
};
constexpr Column RankColumn{8, 44};
constexpr Column PlayerColumn{56, 176};
constexpr Column ResultColumn{236, 80};
constexpr Column StampColumn{320, 136};
constexpr int ListWidth = 464;
constexpr int SelectionBorder = 2;

QColor ToQColor(RgbColour colour) { return QColor(colour.Red, colour.Green, colour.Blue); }

QLabel* CreateCell(QWidget* row, Column column, int height, const QString& name)
{
    auto* label = new QLabel(row);
    label->setObjectName(name);
    label->setGeometry(column.Left, 0, column.Width, height);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The row handles clicks, so a click anywhere on it selects it.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}
} // namespace

frmHallOfFame::frmHallOfFame(HallOfFame& hallOfFame, const Locale& texts, SoundService& sound, ErrorReport& errors,
                             const std::string& caption, QWidget* owner)
    : QDialog(owner), hallOfFame_(hallOfFame), texts_(texts), sound_(sound), errors_(errors)
{
    setObjectName(QString::fromLatin1(HallOfFameObject));
    setWindowTitle(QString::fromStdString(caption));
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&EntryListFactory);
        return true;
    }();
    (void)factoryInstalled;

    imgHallOfFame = new QLabel(this);
    imgHallOfFame->setObjectName(QStringLiteral("imgHallOfFame"));
    imgHallOfFame->setAlignment(Qt::AlignCenter);

    picList = new QWidget(this);
    picList->setObjectName(QStringLiteral("picList"));
    BuildRows();

    cmdClose = new QPushButton(this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdNewGame = new QPushButton(this);
    cmdNewGame->setObjectName(QStringLiteral("cmdNewGame"));
    cmdReplayGame = new QPushButton(this);
    cmdReplayGame->setObjectName(QStringLiteral("cmdReplayGame"));
    cmdReplayGame->setEnabled(false);
    connect(cmdClose, &QPushButton::clicked, this, [this] { Choose(HallOfFameClosed); });
    connect(cmdNewGame, &QPushButton::clicked, this, [this] { Choose(HallOfFameNewGame); });
    connect(cmdReplayGame, &QPushButton::clicked, this, [this] { Choose(HallOfFameChallenge); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdReplayGame);
    buttons->addWidget(cmdNewGame);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(imgHallOfFame, 0, Qt::AlignHCenter);
    layout->addWidget(picList);
    layout->addLayout(buttons);

    SetupLocale();
}

void frmHallOfFame::BuildRows()
{
    const int rowHeight = std::max(22, fontMetrics().height() + 8);
    picList->setFixedSize(ListWidth, (HallOfFameCapacity + 1) * rowHeight + 2 * SelectionBorder);
    for (std::int32_t i = 0; i <= HallOfFameCapacity; ++i) {
        QFrame* row = BuildRow(i, rowHeight);
        row->setGeometry(0, SelectionBorder + i * rowHeight, ListWidth, rowHeight);
        row->installEventFilter(this);
        picItem[i] = row;
    }

    shpSelection = new QFrame(picList);
    shpSelection->setObjectName(QStringLiteral("shpSelection"));
    shpSelection->setFrameStyle(QFrame::Box | QFrame::Plain);
    shpSelection->setLineWidth(SelectionBorder);
    shpSelection->setAttribute(Qt::WA_TransparentForMouseEvents);
    shpSelection->hide();

    QFont headerFont = font();
    headerFont.setBold(true);
    for (QLabel* header : {lblRanking[0], lblPlayer[0], lblResult[0], lblStamp[0]}) header->setFont(headerFont);
}

QFrame* frmHallOfFame::BuildRow(std::int32_t index, int height)
{
    auto* row = new QFrame(picList);
    row->setObjectName(QStringLiteral("picItem%1").arg(index));
    lblRanking[index] = CreateCell(row, RankColumn, height, QStringLiteral("lblRanking%1").arg(index));
    lblPlayer[index] = CreateCell(row, PlayerColumn, height, QStringLiteral("lblPlayer%1").arg(index));
    lblResult[index] = CreateCell(row, ResultColumn, height, QStringLiteral("lblResult%1").arg(index));
    lblStamp[index] = CreateCell(row, StampColumn, height, QStringLiteral("lblStamp%1").arg(index));
    if (index == 0) return row;

    lblRanking[index]->setText(QStringLiteral("%1.").arg(index));
    QPalette rankColours = row->palette();
    rankColours.setColor(QPalette::WindowText, ToQColor(RankColour(index)));
    for (QLabel* cell : {lblRanking[index], lblPlayer[index], lblResult[index], lblStamp[index]})
        cell->setPalette(rankColours);
    row->setFocusPolicy(Qt::StrongFocus);
    row->hide();
    return row;
}

void frmHallOfFame::SetupLocale()
{
    Guarded(errors_, HallOfFameObject, "SetupLocale", [&] {
        // Drawn at the resolution of the screen; the "@2x" name sets the pixel ratio.
        const int scale = resources::PictureScaleFor(devicePixelRatioF());
        const QPixmap title(
            QString::fromStdString(resources::ScaledPath(resources::HallOfFameTitlePath(texts_.GetLocale()), scale)));
        imgHallOfFame->setPixmap(title);
        imgHallOfFame->setVisible(!title.isNull());
        auto text = [&](std::int16_t number) { return QString::fromStdString(texts_.LoadLocaleString(number)); };
        // A reader names the dialog and its heading picture by what the picture shows.
        setAccessibleName(text(TextHallOfFame));
        imgHallOfFame->setAccessibleName(text(TextHallOfFame));
        cmdClose->setText(text(TextClose));
        cmdNewGame->setText(text(TextNewGame));
        cmdReplayGame->setText(text(TextChallenge));
        lblPlayer[0]->setText(text(TextHeaderName));
        lblRanking[0]->setText(text(TextHeaderRank));
        lblResult[0]->setText(text(TextHeaderRecord));
        lblStamp[0]->setText(text(TextHeaderStamp));
    });
}

void frmHallOfFame::Prepare(std::int32_t highlightIndex, RgbColour highlight, bool initialFocusNewGame)
{
    const HallOfFameList& list = hallOfFame_.List();
    const std::int32_t count = list.Count();
    for (std::int32_t i = 1; i <= HallOfFameCapacity; ++i) {
        QFrame* row = picItem[i];
        row->setVisible(i <= count);
        row->setAutoFillBackground(i == highlightIndex);
        if (i == highlightIndex) {
            QPalette background = row->palette();
            background.setColor(QPalette::Window, ToQColor(highlight));
            row->setPalette(background);
        }
        if (i > count) continue;
        const HallOfFameEntry& entry = list.Entry(i);
        const QString player = QString::fromStdString(entry.Player);
        // A long name is shortened in the middle to its column. The row takes the mouse for
        // its cells, so the row shows the whole name as its tool tip.
        lblPlayer[i]->setText(
            lblPlayer[i]->fontMetrics().elidedText(player, Qt::ElideMiddle, lblPlayer[i]->width()));
        row->setToolTip(lblPlayer[i]->text() == player ? QString() : player);
        lblResult[i]->setText(QString::fromStdString(hallOfFame_.FormatTimeGone(entry.Result)));
        lblStamp[i]->setText(QString::fromStdString(hallOfFame_.FormatStamp(entry.Stamp)));
        // A row takes the focus, so a screen reader reads it as one line of its cells.
        const QStringList cells{player, lblResult[i]->text(), lblStamp[i]->text()};
        row->setAccessibleName(lblRanking[i]->text() + QLatin1Char(' ') + cells.join(QStringLiteral(", ")));
    }
    shpSelection->hide();
    cmdReplayGame->setEnabled(false);
    cmdReplayGame->setDefault(false);
    dialogResult_ = HallOfFameClosed;
    initialFocusNewGame_ = initialFocusNewGame;
}

std::int32_t frmHallOfFame::ShowAsDialog(std::int32_t highlightIndex, RgbColour highlight, bool initialFocusNewGame)
{
    const bool shown = Guarded(errors_, HallOfFameObject, "ShowAsDialog", [&] {
        Prepare(highlightIndex, highlight, initialFocusNewGame);
        exec();
    });
    sound_.SoundStop();
    return shown ? hallOfFame_.AcceptChoice(dialogResult_) : HallOfFameNotShown;
}

void frmHallOfFame::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Guarded(errors_, HallOfFameObject, "Form_Activate", [&] {
        if (hallOfFame_.SelectedIndex() > 0) SelectGame(hallOfFame_.SelectedIndex());
        // The focus goes to a button, not to a row, so opening the window never selects
        // an entry by itself.
        if (initialFocusNewGame_)
            cmdNewGame->setFocus();
        else
            cmdClose->setFocus();
    });
}

void frmHallOfFame::SelectGame(std::int32_t index)
{
    Guarded(errors_, HallOfFameObject, "SelectGame", [&] {
        if (index < 1 || index > HallOfFameCapacity || picItem[index]->isHidden()) return;
        if (!hallOfFame_.Select(index)) return;
        const QRect row = picItem[index]->geometry();
        shpSelection->setGeometry(row.adjusted(0, -SelectionBorder, 0, SelectionBorder));
        shpSelection->show();
        shpSelection->raise();
        cmdReplayGame->setEnabled(true);
        cmdReplayGame->setDefault(true);
    });
}

void frmHallOfFame::ClickReplayGame()
{
    // A disabled challenge button is not pressed: there is no entry to challenge.
    Guarded(errors_, HallOfFameObject, "ClickReplayGame", [&] { cmdReplayGame->click(); });
}

void frmHallOfFame::Choose(std::int32_t choice)
{
    dialogResult_ = choice;
    accept();
}

std::int32_t frmHallOfFame::RowIndexOf(QObject* object) const
{
    const auto found = std::find(picItem.begin(), picItem.end(), object);
    return found == picItem.end() ? -1 : static_cast<std::int32_t>(found - picItem.begin());
}

bool frmHallOfFame::eventFilter(QObject* watched, QEvent* event)
{
    const std::int32_t index = RowIndexOf(watched);
    if (index < 0) return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::MouseButtonPress:
        SelectGame(index);
        break;
    case QEvent::MouseButtonDblClick:
        SelectGame(index);
        ClickReplayGame();
        return true;
    case QEvent::KeyPress: {
        // Up and Down move the selection through the rows shown.
        const int key = static_cast<QKeyEvent*>(event)->key();
        const std::int32_t next = key == Qt::Key_Up ? index - 1 : key == Qt::Key_Down ? index + 1 : 0;
        if (next >= 1 && next <= HallOfFameCapacity && !picItem[next]->isHidden()) {
            picItem[next]->setFocus(Qt::OtherFocusReason);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tessaron
