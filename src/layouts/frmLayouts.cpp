#include "layouts/frmLayouts.h"

#include "layouts/LayoutPreview.h"
#include "shell/TextTools.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdint>

namespace tessaron {
namespace {

// Text numbers (string number less 1024).
constexpr std::int16_t LayoutsCaption = 982;
constexpr std::int16_t LayoutsNewLayoutEveryGame = 983;
constexpr std::int16_t LayoutsPlay = 984;
constexpr std::int16_t LayoutsCancel = 985;
constexpr std::int16_t LayoutsPreviewName = 986;
constexpr std::int16_t LayoutsListName = 987;
constexpr std::int16_t LayoutsNewLayoutEveryGameTip = 993;

const QSize PreviewSize(168, 120);
constexpr int KeyRole = Qt::UserRole;

QPushButton* MakeLayoutsButton(QWidget* parent, const char* name)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    // Enter on a focused button presses it; elsewhere Enter presses Play, the default.
    button->setAutoDefault(true);
    return button;
}

} // namespace

frmLayouts::frmLayouts(const LayoutCatalog& catalog, const Locale& texts, QWidget* parent)
    : QDialog(parent), catalog_(catalog), texts_(texts)
{
    setObjectName(QString::fromLatin1(LayoutsObject));
    CreateControls();
    SetupLocale();
}

// One owner places every control: the previews fill the dialog, the option below them,
// Play and Cancel at the bottom right.
void frmLayouts::CreateControls()
{
    lstLayouts_ = new QListWidget(this);
    lstLayouts_->setObjectName(QStringLiteral("lstLayouts"));
    lstLayouts_->setViewMode(QListView::IconMode);
    lstLayouts_->setMovement(QListView::Static);
    lstLayouts_->setResizeMode(QListView::Adjust);
    lstLayouts_->setWrapping(true);
    lstLayouts_->setUniformItemSizes(true);
    lstLayouts_->setWordWrap(true);
    lstLayouts_->setIconSize(PreviewSize);
    lstLayouts_->setGridSize(PreviewSize + QSize(24, 44));
    lstLayouts_->setSelectionMode(QAbstractItemView::SingleSelection);
    const qreal ratio = devicePixelRatioF();
    for (const Layout& layout : catalog_.Layouts()) {
        auto* item = new QListWidgetItem(lstLayouts_);
        item->setIcon(QPixmap::fromImage(DrawLayoutPreview(layout, PreviewSize, ratio)));
        item->setData(KeyRole, QString::fromStdString(layout.Key));
    }
    // Only a double click on a preview plays it; one on the empty ground between them
    // reaches no item and does nothing.
    connect(lstLayouts_, &QListWidget::itemDoubleClicked, this, &frmLayouts::lstLayouts_DoubleClick);

    chkNewLayoutEveryGame_ = new QCheckBox(this);
    chkNewLayoutEveryGame_->setObjectName(QStringLiteral("chkNewLayoutEveryGame"));
    cmdPlay_ = MakeLayoutsButton(this, "cmdPlay");
    cmdPlay_->setDefault(true);
    cmdCancel_ = MakeLayoutsButton(this, "cmdCancel");
    connect(cmdPlay_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdPlay_);
    buttons->addWidget(cmdCancel_);
    auto* column = new QVBoxLayout(this);
    column->addWidget(lstLayouts_, 1);
    column->addWidget(chkNewLayoutEveryGame_);
    column->addLayout(buttons);
    setTabOrder(lstLayouts_, chkNewLayoutEveryGame_);
    setTabOrder(chkNewLayoutEveryGame_, cmdPlay_);
    setTabOrder(cmdPlay_, cmdCancel_);

    // Five previews across and three rows high, never more than most of the screen.
    QSize wanted(5 * lstLayouts_->gridSize().width() + 48, 3 * lstLayouts_->gridSize().height() + 110);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        wanted = wanted.boundedTo(screen->availableGeometry().size() * 0.9);
    resize(wanted);
}

void frmLayouts::SetupLocale()
{
    const auto text = [this](std::int16_t number) { return QString::fromStdString(texts_.LoadLocaleString(number)); };
    setWindowTitle(text(LayoutsCaption));
    lstLayouts_->setAccessibleName(text(LayoutsListName));
    const bool german = texts_.GetLocale() == 1;
    const std::string previewName = texts_.LoadLocaleString(LayoutsPreviewName);
    for (int row = 0; row < lstLayouts_->count(); ++row) {
        QListWidgetItem* item = lstLayouts_->item(row);
        const Layout& layout = catalog_.Layouts().at(std::size_t(row));
        const std::string& name = german ? layout.GermanName : layout.EnglishName;
        // Seen under the preview; spoken and shown as a tip with the tile count.
        const QString spoken = QString::fromStdString(ReplaceSubString(previewName, "^0", name));
        item->setText(QString::fromStdString(name));
        item->setData(Qt::AccessibleTextRole, spoken);
        item->setToolTip(spoken);
    }
    chkNewLayoutEveryGame_->setText(text(LayoutsNewLayoutEveryGame));
    chkNewLayoutEveryGame_->setToolTip(text(LayoutsNewLayoutEveryGameTip));
    chkNewLayoutEveryGame_->setAccessibleDescription(text(LayoutsNewLayoutEveryGameTip));
    cmdPlay_->setText(text(LayoutsPlay));
    cmdCancel_->setText(text(LayoutsCancel));
}

std::optional<LayoutChoice> frmLayouts::ShowAsDialog(QWidget* owner, std::string_view currentKey,
                                                     bool newLayoutEveryGame)
{
    if (owner && owner != parentWidget()) setParent(owner, windowFlags());
    int current = 0;
    for (int row = 0; row < lstLayouts_->count(); ++row)
        if (lstLayouts_->item(row)->data(KeyRole).toString().toStdString() == currentKey) current = row;
    lstLayouts_->setCurrentRow(current);
    // Centred once the dialog is laid out at its size; before, the grid has no rows yet.
    QTimer::singleShot(0, this, [this] {
        if (lstLayouts_->currentItem())
            lstLayouts_->scrollToItem(lstLayouts_->currentItem(), QAbstractItemView::PositionAtCenter);
    });
    lstLayouts_->setFocus();
    chkNewLayoutEveryGame_->setChecked(newLayoutEveryGame);
    setModal(true);
    if (exec() != QDialog::Accepted || !lstLayouts_->currentItem()) return std::nullopt;
    return LayoutChoice{lstLayouts_->currentItem()->data(KeyRole).toString().toStdString(),
                        chkNewLayoutEveryGame_->isChecked()};
}

void frmLayouts::lstLayouts_DoubleClick(QListWidgetItem* item)
{
    lstLayouts_->setCurrentItem(item);
    accept();
}

} // namespace tessaron
