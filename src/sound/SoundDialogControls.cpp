#include "sound/SoundDialogControls.h"

#include "sound/SoundButtonIcons.h"

#include <QCheckBox>
#include <QDialog>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPushButton>
#include <QStyle>

#include <string>

namespace tessaron {
namespace {

// The design is measured in twips; at the usual 96 dots per inch a pixel is 15 twips.
constexpr int Px(int twips) { return twips / 15; }

constexpr int ClientWidth = Px(8550);
constexpr int ClientHeight = Px(6120);
struct FrameDesign {
    int Left, Top, Width, Height, FirstRow;
};
constexpr std::array<FrameDesign, 2> Frames{FrameDesign{90, 90, 8370, 2250, 0}, FrameDesign{90, 2430, 8370, 3150, 4}};
constexpr int RowTop = 420;      // of the first row, from its frame's top
constexpr int RowPitch = 450;
constexpr int LabelLeft = 135;   // row positions from the frame's left
constexpr int FieldLeft = 1935;
constexpr int FieldWidth = 4695;
constexpr int SelectLeft = 6750;
constexpr int RestoreLeft = 7125;
constexpr int BuiltinLeft = 7500;
constexpr int PlayLeft = 7935;
constexpr int ButtonWidth = 315;
constexpr int ButtonHeight = 360;
constexpr int BottomTop = 5670;

// Comic Sans MS where installed, else its free look-alike, else the default font.
QFont WindowFont()
{
    QFont font;
    const QStringList families = QFontDatabase::families();
    for (const QString& family : {QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")}) {
        if (families.contains(family)) {
            font.setFamily(family);
            break;
        }
    }
    font.setPointSizeF(9.75);
    return font;
}

QFont PathFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(9.75);
    return font;
}

QString IndexedName(const char* name, int index) { return QString::fromLatin1(name) + QString::number(index); }

QPushButton* MakeButton(QDialog& dialog, const QString& name, int left, int top, int width)
{
    auto* button = new QPushButton(&dialog);
    button->setObjectName(name);
    button->setGeometry(Px(left), Px(top), Px(width), Px(ButtonHeight));
    // Enter on a focused button presses it; elsewhere Enter presses Save, the default.
    button->setAutoDefault(true);
    return button;
}

QPushButton* MakePictureButton(QDialog& dialog, const QString& name, int left, int top, SoundButtonPicture picture)
{
    QPushButton* button = MakeButton(dialog, name, left, top, ButtonWidth);
    button->setIcon(SoundButtonIcon(picture));
    button->setIconSize(QSize(16, 16));
    button->setEnabled(false);
    return button;
}

// The check box sits on the frame's top edge as its title; the frame's line starts half
// a caption lower, like a titled frame's.
QCheckBox* MakeFrameTitle(QDialog& dialog, const char* name, QGroupBox* frame)
{
    auto* box = new QCheckBox(&dialog);
    box->setObjectName(QString::fromLatin1(name));
    box->setAutoFillBackground(true);
    const int height = box->sizeHint().height();
    box->setGeometry(frame->x() + Px(120), frame->y() - height / 2, CheckBoxIndicatorWidth(*box), height);
    box->raise();
    return box;
}

void MakeRow(QDialog& dialog, SoundRowControls& row, int index, const FrameDesign& frame)
{
    const int top = frame.Top + RowTop + RowPitch * (index - frame.FirstRow);
    const int left = frame.Left;

    row.lblSound = new QLabel(&dialog);
    row.lblSound->setObjectName(IndexedName("lblSound", index));
    row.lblSound->setTextFormat(Qt::PlainText);
    row.lblSound->setGeometry(Px(left + LabelLeft), Px(top), Px(FieldLeft - LabelLeft), Px(ButtonHeight));
    row.lblSound->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    row.txtSound = new QLineEdit(&dialog);
    row.txtSound->setObjectName(IndexedName("txtSound", index));
    row.txtSound->setFont(PathFont());
    row.txtSound->setGeometry(Px(left + FieldLeft), Px(top), Px(FieldWidth), Px(ButtonHeight));
    row.txtSound->setEnabled(false);

    row.cmdSoundSelect = MakeButton(dialog, IndexedName("cmdSoundSelect", index), left + SelectLeft, top, ButtonWidth);
    row.cmdSoundSelect->setText(QStringLiteral("..."));
    row.cmdSoundRestore = MakePictureButton(dialog, IndexedName("cmdSoundRestore", index), left + RestoreLeft, top,
                                            SoundButtonPicture::Undo);
    row.cmdSoundBuiltin = MakePictureButton(dialog, IndexedName("cmdSoundBuiltin", index), left + BuiltinLeft, top,
                                            SoundButtonPicture::Default);
    row.cmdSoundPlay = MakePictureButton(dialog, IndexedName("cmdSoundPlay", index), left + PlayLeft, top,
                                         SoundButtonPicture::Play);
}

} // namespace

int CheckBoxIndicatorWidth(const QCheckBox& box)
{
    const QStyle* style = box.style();
    return style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &box) +
           style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &box);
}

SoundDialogControls CreateSoundDialogControls(QDialog& dialog)
{
    dialog.setFont(WindowFont());
    dialog.setFixedSize(ClientWidth, ClientHeight);

    SoundDialogControls controls;
    for (std::size_t f = 0; f < Frames.size(); ++f) {
        const FrameDesign& design = Frames[f];
        // The line of a titled frame runs through the middle of its title.
        const int titleHalf = Px(120);
        auto* frame = new QGroupBox(&dialog);
        frame->setObjectName(IndexedName("fraSound", int(f)));
        frame->setGeometry(Px(design.Left), Px(design.Top) + titleHalf, Px(design.Width), Px(design.Height) - titleHalf);
        controls.fraSound[f] = frame;
    }
    controls.chkSoundActiveTile = MakeFrameTitle(dialog, "chkSoundActiveTile", controls.fraSound[0]);
    controls.chkSoundActiveGame = MakeFrameTitle(dialog, "chkSoundActiveGame", controls.fraSound[1]);

    for (int n = 0; n < SoundCount; ++n)
        MakeRow(dialog, controls.Rows[std::size_t(n)], n, Frames[n < Frames[1].FirstRow ? 0 : 1]);

    controls.cmdCancel = MakeButton(dialog, QStringLiteral("cmdCancel"), 90, BottomTop, 1845);
    controls.cmdSoundStop =
        MakePictureButton(dialog, QStringLiteral("cmdSoundStop"), 2025, BottomTop, SoundButtonPicture::Stop);
    controls.chkUsePlaySound = new QCheckBox(&dialog);
    controls.chkUsePlaySound->setObjectName(QStringLiteral("chkUsePlaySound"));
    controls.chkUsePlaySound->setGeometry(Px(2775), Px(BottomTop), CheckBoxIndicatorWidth(*controls.chkUsePlaySound),
                                          Px(ButtonHeight));
    controls.cmdSave = MakeButton(dialog, QStringLiteral("cmdSave"), 6615, BottomTop, 1845);
    controls.cmdSave->setDefault(true);
    controls.cmdSave->setEnabled(false);

    // Tab walks each group from its title through its rows, then along the bottom line.
    QList<QWidget*> order{controls.chkSoundActiveTile};
    for (int n = 0; n < SoundCount; ++n) {
        if (n == Frames[1].FirstRow)
            order.append(controls.chkSoundActiveGame);
        const SoundRowControls& row = controls.Rows[std::size_t(n)];
        order.append({row.txtSound, row.cmdSoundSelect, row.cmdSoundRestore, row.cmdSoundBuiltin, row.cmdSoundPlay});
    }
    order.append({controls.cmdCancel, controls.cmdSoundStop, controls.chkUsePlaySound, controls.cmdSave});
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    return controls;
}

} // namespace tessaron
