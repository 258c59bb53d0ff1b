#include "sound/frmSound.h"

#include "sound/SoundFiles.h"

#include <QCheckBox>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <optional>
#include <utility>

namespace tessaron {
namespace {

// Text numbers (string number less 1024).
constexpr std::int16_t TextCaption = 500;
constexpr std::int16_t TextActiveGame = 510;
constexpr std::int16_t TextActiveTile = 511;
constexpr std::int16_t TextUsePlaySound = 512;
constexpr std::int16_t TextCancel = 520;
constexpr std::int16_t TextSave = 521;
constexpr std::int16_t TextBuiltinTip = 522;
constexpr std::int16_t TextPlayTip = 523;
constexpr std::int16_t TextRestoreTip = 524;
constexpr std::int16_t TextSelectTip = 525;
constexpr std::int16_t TextStopTip = 526;
constexpr std::int16_t TextSoundFiles = 591;

const QColor ChangedColor(0, 0, 255);
const QColor InvalidColor(255, 0, 0);

QString ToQString(const std::string& text) { return QString::fromStdString(text); }

} // namespace

frmSound::frmSound(SharedSoundPlayer& sound, Locale& texts, ErrorReport& errors, FileDialogService& fileDialog,
                   QWidget* parent)
    : QDialog(parent), sound_(sound), texts_(texts), errors_(errors), fileDialog_(fileDialog),
      controls_(CreateSoundDialogControls(*this))
{
    setObjectName(QString::fromLatin1(SoundObject));
    ConnectControls();
    SetupLocale();
    NormalForeColor = controls_.Rows[0].lblSound->palette().color(QPalette::WindowText);
}

frmSound::frmSound(SharedSoundPlayer& sound, const Services& services, QWidget* parent)
    : frmSound(sound, services.Texts, services.Errors, services.FileDialog, parent)
{
}

void frmSound::ConnectControls()
{
    for (int n = 0; n < SoundCount; ++n) {
        const SoundRowControls& row = controls_.Rows[std::size_t(n)];
        connect(row.txtSound, &QLineEdit::textChanged, this, [this, n] { txtSound_Change(n); });
        row.txtSound->installEventFilter(this);
        connect(row.cmdSoundSelect, &QPushButton::clicked, this, [this, n] { cmdSoundSelect_Click(n); });
        connect(row.cmdSoundRestore, &QPushButton::clicked, this, [this, n] { cmdSoundRestore_Click(n); });
        connect(row.cmdSoundBuiltin, &QPushButton::clicked, this, [this, n] { cmdSoundBuiltin_Click(n); });
        connect(row.cmdSoundPlay, &QPushButton::clicked, this, [this, n] { cmdSoundPlay_Click(n); });
    }
    connect(controls_.chkSoundActiveGame, &QCheckBox::toggled, this,
            [this] { CheckBoxClick(BoxActiveGame, Player().SoundActiveGame()); });
    connect(controls_.chkSoundActiveTile, &QCheckBox::toggled, this,
            [this] { CheckBoxClick(BoxActiveTile, Player().SoundActiveTile()); });
    connect(controls_.chkUsePlaySound, &QCheckBox::toggled, this, [this](bool ticked) {
        // Test playbacks follow the box at once, saved or not.
        Player().SetDialogUsePlaySound(ticked);
        CheckBoxClick(BoxUsePlaySound, Player().UsePlaySound());
    });
    connect(controls_.cmdSoundStop, &QPushButton::clicked, this, &frmSound::cmdSoundStop_Click);
    connect(controls_.cmdSave, &QPushButton::clicked, this, &frmSound::cmdSave_Click);
    connect(controls_.cmdCancel, &QPushButton::clicked, this, &frmSound::cmdCancel_Click);
}

void frmSound::Display(QWidget* Parent)
{
    Guarded(errors_, SoundObject, "Display", [&] {
        ShowFilePathes();
        ShowOptions();
        Player().SetDialogDisplayed(true);
        Player().SetDialogUsePlaySound(controls_.chkUsePlaySound->isChecked());
        if (Parent) {
            setParent(Parent, windowFlags());
            move(Parent->mapToGlobal(Parent->rect().center()) - QPoint(width() / 2, height() / 2));
        }
        exec();
    });
    // Whatever happened above, the player must not keep following this dialog's box.
    Player().SetDialogDisplayed(false);
    hide();
    Player().SoundStop();
}

void frmSound::SetupLocale()
{
    Guarded(errors_, SoundObject, "SetupLocale", [&] {
        const auto text = [this](std::int16_t number) { return ToQString(texts_.LoadLocaleString(number)); };
        setWindowTitle(text(TextCaption));
        SetupLocaleCheckBox(controls_.chkSoundActiveGame, TextActiveGame);
        SetupLocaleCheckBox(controls_.chkSoundActiveTile, TextActiveTile);
        SetupLocaleCheckBox(controls_.chkUsePlaySound, TextUsePlaySound);
        controls_.cmdCancel->setText(text(TextCancel));
        controls_.cmdSave->setText(text(TextSave));
        for (int n = 0; n < SoundCount; ++n) {
            const SoundRowControls& row = controls_.Rows[std::size_t(n)];
            const QString label = text(SoundLabelTextNumber(n));
            // The buttons show a picture or "..." alone: a screen reader names each by its
            // row and its tip ("Tile selected: Play sound"); the field is named by its label.
            const std::pair<QPushButton*, std::int16_t> tipped[] = {{row.cmdSoundBuiltin, TextBuiltinTip},
                                                                    {row.cmdSoundPlay, TextPlayTip},
                                                                    {row.cmdSoundRestore, TextRestoreTip},
                                                                    {row.cmdSoundSelect, TextSelectTip}};
            for (const auto& [button, tip] : tipped) {
                button->setToolTip(text(tip));
                button->setAccessibleName(label + QLatin1Char(' ') + text(tip));
            }
            row.lblSound->setText(label);
            row.lblSound->setBuddy(row.txtSound);
            row.lblSound->resize(row.lblSound->sizeHint().width(), row.lblSound->height());
        }
        controls_.cmdSoundStop->setToolTip(text(TextStopTip));
        controls_.cmdSoundStop->setAccessibleName(text(TextStopTip));
    });
}

void frmSound::SetupLocaleCheckBox(QCheckBox* box, std::int16_t textNumber)
{
    Guarded(errors_, SoundObject, "SetupLocaleCheckBox", [&] {
        const QString caption = ToQString(texts_.LoadLocaleString(textNumber));
        box->setText(caption);
        // The box alone, widened by a blank and the caption in the window's font; never
        // narrower than the style needs to show the whole caption.
        const int width = CheckBoxIndicatorWidth(*box) + QFontMetrics(font()).horizontalAdvance(QLatin1Char(' ') + caption);
        box->resize(std::max(width, box->sizeHint().width()), box->height());
    });
}

void frmSound::ShowFilePathes()
{
    Guarded(errors_, SoundObject, "ShowFilePathes", [&] {
        for (int n = 0; n < SoundCount; ++n) {
            QLineEdit* field = controls_.Rows[std::size_t(n)].txtSound;
            // Set while disabled: the row shows its state, Save is decided once at the end.
            field->setEnabled(false);
            field->setText(ToQString(Player().FilePathes()[std::size_t(n)]));
            txtSound_Change(n); // setText is silent when the text is already there
            field->setEnabled(true);
        }
    });
}

void frmSound::ShowOptions()
{
    Guarded(errors_, SoundObject, "ShowOptions", [&] {
        SoundPlayer& player = Player();
        controls_.chkSoundActiveGame->setChecked(player.SoundActiveGame());
        controls_.chkSoundActiveTile->setChecked(player.SoundActiveTile());
        controls_.chkUsePlaySound->setChecked(player.UsePlaySound());
        // A box already showing its value sends no toggle; colour every box either way.
        CheckBoxClick(BoxActiveGame, player.SoundActiveGame());
        CheckBoxClick(BoxActiveTile, player.SoundActiveTile());
        CheckBoxClick(BoxUsePlaySound, player.UsePlaySound());
    });
}

void frmSound::SaveFilePathes()
{
    Guarded(errors_, SoundObject, "SaveFilePathes", [&] {
        SoundFilePathes fields;
        for (int n = 0; n < SoundCount; ++n)
            fields[std::size_t(n)] = controls_.Rows[std::size_t(n)].txtSound->text().toStdString();
        Player().SaveFilePathes(fields);
    });
}

void frmSound::SaveOptions()
{
    Guarded(errors_, SoundObject, "SaveOptions", [&] {
        Player().SaveOptions(controls_.chkSoundActiveGame->isChecked(), controls_.chkSoundActiveTile->isChecked(),
                             controls_.chkUsePlaySound->isChecked());
    });
}

bool frmSound::EnableSave()
{
    bool enable = false;
    Guarded(errors_, SoundObject, "EnableSave", [&] { enable = tessaron::EnableSave(checkBoxMarks_, labelMarks_); });
    return enable;
}

void frmSound::CheckBoxClick(CheckBoxIndex box, bool savedValue)
{
    Guarded(errors_, SoundObject, "CheckBoxClick", [&] {
        QCheckBox* const boxes[] = {controls_.chkSoundActiveGame, controls_.chkSoundActiveTile,
                                    controls_.chkUsePlaySound};
        const SettingMark mark = CheckBoxMark(boxes[box]->isChecked(), savedValue);
        checkBoxMarks_[std::size_t(box)] = mark;
        ShowMark(boxes[box], mark);
        controls_.cmdSave->setEnabled(EnableSave());
    });
}

void frmSound::ShowMark(QWidget* widget, SettingMark mark)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, mark == SettingMark::Changed   ? ChangedColor
                                           : mark == SettingMark::Invalid ? InvalidColor
                                                                          : NormalForeColor);
    widget->setPalette(palette);
}

void frmSound::txtSound_Change(int index)
{
    Guarded(errors_, SoundObject, "txtSound_Change", [&] {
        const std::size_t n = std::size_t(index);
        const SoundRowControls& row = controls_.Rows.at(n);
        const bool fieldEnabled = row.txtSound->isEnabled();
        const SoundRowState state = EvaluateSoundRow(row.txtSound->text().toStdString(), Player().FilePathes()[n],
                                                     Player().FilePathDefaults()[n]);
        labelMarks_[n] = state.Label;
        ShowMark(row.lblSound, state.Label);
        row.cmdSoundBuiltin->setEnabled(state.BuiltinEnabled);
        row.cmdSoundPlay->setEnabled(state.PlayEnabled);
        row.cmdSoundRestore->setEnabled(state.RestoreEnabled);
        if (fieldEnabled)
            controls_.cmdSave->setEnabled(EnableSave());
    });
}

void frmSound::txtSound_GotFocus(int index)
{
    Guarded(errors_, SoundObject, "txtSound_GotFocus", [&] {
        Player().SoundStop();
        // After a click the field places its cursor once the focus has arrived, so the
        // whole text is selected a moment later.
        QLineEdit* field = controls_.Rows.at(std::size_t(index)).txtSound;
        QTimer::singleShot(0, field, [field] { field->selectAll(); });
    });
}

bool frmSound::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        for (int n = 0; n < SoundCount; ++n) {
            if (watched == controls_.Rows[std::size_t(n)].txtSound)
                txtSound_GotFocus(n);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmSound::cmdSoundSelect_Click(int index)
{
    Guarded(errors_, SoundObject, "cmdSoundSelect_Click", [&] {
        Player().SoundStop();
        const SoundRowControls& row = controls_.Rows.at(std::size_t(index));
        const FileDialogRequest request = SoundFileRequest(
            row.lblSound->text().toStdString(), texts_.LoadLocaleString(TextSoundFiles), row.txtSound->text().toStdString());
        // A cancelled dialog leaves the field as it was, without a message.
        if (const std::optional<FileDialogChoice> choice = fileDialog_.Show(this, request))
            row.txtSound->setText(ToQString(choice->FileName));
    });
}

void frmSound::cmdSoundRestore_Click(int index)
{
    Guarded(errors_, SoundObject, "cmdSoundRestore_Click", [&] {
        controls_.Rows.at(std::size_t(index)).txtSound->setText(ToQString(Player().FilePathes()[std::size_t(index)]));
    });
}

void frmSound::cmdSoundBuiltin_Click(int index)
{
    Guarded(errors_, SoundObject, "cmdSoundBuiltin_Click", [&] {
        controls_.Rows.at(std::size_t(index)).txtSound->setText(ToQString(Player().FilePathDefaults()[std::size_t(index)]));
    });
}

void frmSound::cmdSoundPlay_Click(int index)
{
    Guarded(errors_, SoundObject, "cmdSoundPlay_Click", [&] {
        const std::string path = VerifySoundFilePath(controls_.Rows.at(std::size_t(index)).txtSound->text().toStdString());
        Player().SoundStartFilePath(path);
        controls_.cmdSoundStop->setEnabled(true);
    });
}

void frmSound::cmdSoundStop_Click()
{
    Player().SoundStop();
    // It stays enabled when a sound ends by itself: nothing reports that end.
    controls_.cmdSoundStop->setEnabled(false);
}

void frmSound::cmdSave_Click()
{
    Guarded(errors_, SoundObject, "cmdSave_Click", [&] {
        SaveFilePathes();
        SaveOptions();
        accept();
    });
}

void frmSound::cmdCancel_Click()
{
    Guarded(errors_, SoundObject, "cmdCancel_Click", [&] { QDialog::reject(); });
}

void frmSound::reject() { cmdCancel_Click(); }

} // namespace tessaron
