#include "preferences/frmPreferences.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstdint>

namespace tessaron {
namespace {

// Text numbers (string number less 1024).
constexpr std::int16_t PreferencesCaption = 1001;
constexpr std::int16_t PreferencesMoves = 1002;
constexpr std::int16_t PreferencesGame = 1003;
constexpr std::int16_t PreferencesSave = 1009;
constexpr std::int16_t PreferencesCancel = 1010;
constexpr std::int16_t PreferencesDescription = 1023;

struct PreferenceTexts {
    std::int16_t Label;
    std::int16_t Tip;  // 0: the label says it all
};
// In the order of Preference; the clock and the warning keep their menu items' texts.
constexpr std::array<PreferenceTexts, PreferenceCount> PreferenceTextNumbers{
    PreferenceTexts{1004, 1018}, {1005, 1019}, {1006, 1020}, {1007, 1021}, {1008, 1022}, {253, 0}, {754, 0},
    {645, 647},  {646, 648}};

constexpr std::array<const char*, PreferenceCount> PreferenceBoxNames{
    "chkPairOnSecondClick", "chkClickMovesSelection", "chkEnterNeverPeeks", "chkKeepProgress",
    "chkPauseWhenHidden",   "chkTimingActive",        "chkWarnLost",        "chkShowFreePairs",
    "chkShowMatches"};

const QColor PreferenceChangedColor(0, 0, 255);

QPushButton* MakePreferencesButton(QWidget* parent, const char* name)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    // Enter on a focused button presses it; elsewhere Enter presses Save, the default.
    button->setAutoDefault(true);
    return button;
}

} // namespace

frmPreferences::frmPreferences(Locale& texts, ErrorReport& errors, QWidget* parent)
    : QDialog(parent), texts_(texts), errors_(errors)
{
    setObjectName(QString::fromLatin1(PreferencesObject));
    CreateControls();
    SetupLocale();
    normalForeColor_ = Box(Preference::PairOnSecondClick)->palette().color(QPalette::WindowText);
}

frmPreferences::frmPreferences(const Services& services, QWidget* parent)
    : frmPreferences(services.Texts, services.Errors, parent)
{
}

// One owner places every control: the first five choices in "Moves" and "Game" by what
// they change, then the clock, the warning and the two helpers, then Save and Cancel.
void frmPreferences::CreateControls()
{
    fraMoves_ = new QGroupBox(this);
    fraMoves_->setObjectName(QStringLiteral("fraMoves"));
    fraGame_ = new QGroupBox(this);
    fraGame_->setObjectName(QStringLiteral("fraGame"));
    auto* moves = new QVBoxLayout(fraMoves_);
    auto* game = new QVBoxLayout(fraGame_);
    for (std::size_t n = 0; n < PreferenceCount; ++n) {
        const bool inMoves = Preference(n) == Preference::PairOnSecondClick ||
                             Preference(n) == Preference::ClickMovesSelection ||
                             Preference(n) == Preference::EnterNeverPeeks;
        auto* box = new QCheckBox(inMoves ? fraMoves_ : fraGame_);
        box->setObjectName(QString::fromLatin1(PreferenceBoxNames[n]));
        (inMoves ? moves : game)->addWidget(box);
        connect(box, &QCheckBox::toggled, this, &frmPreferences::chkPreference_Click);
        chkPreference_[n] = box;
    }
    cmdSave_ = MakePreferencesButton(this, "cmdSave");
    cmdSave_->setDefault(true);
    cmdCancel_ = MakePreferencesButton(this, "cmdCancel");
    connect(cmdSave_, &QPushButton::clicked, this, &frmPreferences::cmdSave_Click);
    connect(cmdCancel_, &QPushButton::clicked, this, &frmPreferences::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCancel_);
    buttons->addWidget(cmdSave_);
    auto* window = new QVBoxLayout(this);
    window->addWidget(fraMoves_);
    window->addWidget(fraGame_);
    window->addLayout(buttons);
    window->setSizeConstraint(QLayout::SetFixedSize);
}

void frmPreferences::SetupLocale()
{
    Guarded(errors_, PreferencesObject, "SetupLocale", [&] {
        const auto text = [this](std::int16_t number) { return QString::fromStdString(texts_.LoadLocaleString(number)); };
        setWindowTitle(text(PreferencesCaption));
        setAccessibleDescription(text(PreferencesDescription));
        fraMoves_->setTitle(text(PreferencesMoves));
        fraGame_->setTitle(text(PreferencesGame));
        for (std::size_t n = 0; n < PreferenceCount; ++n) {
            QCheckBox* box = chkPreference_[n];
            box->setText(text(PreferenceTextNumbers[n].Label));
            box->setAccessibleName(box->text());
            // The tip is read as the box's description too, so a screen reader says it.
            const QString tip = PreferenceTextNumbers[n].Tip ? text(PreferenceTextNumbers[n].Tip) : QString();
            box->setToolTip(tip);
            box->setAccessibleDescription(tip);
        }
        cmdSave_->setText(text(PreferencesSave));
        cmdCancel_->setText(text(PreferencesCancel));
    });
}

void frmPreferences::ShowValues(const PreferenceValues& saved)
{
    saved_ = saved;
    for (std::size_t n = 0; n < PreferenceCount; ++n) {
        const QSignalBlocker quiet(chkPreference_[n]);
        chkPreference_[n]->setChecked(saved.On[n]);
    }
    // A box already showing its value sends no toggle; colour every box either way.
    chkPreference_Click();
}

PreferenceValues frmPreferences::Chosen() const
{
    PreferenceValues chosen;
    for (std::size_t n = 0; n < PreferenceCount; ++n) chosen.On[n] = chkPreference_[n]->isChecked();
    return chosen;
}

void frmPreferences::chkPreference_Click()
{
    Guarded(errors_, PreferencesObject, "chkPreference_Click", [&] {
        const PreferenceValues chosen = Chosen();
        for (std::size_t n = 0; n < PreferenceCount; ++n) {
            QPalette palette = chkPreference_[n]->palette();
            palette.setColor(QPalette::WindowText, chosen.On[n] != saved_.On[n] ? PreferenceChangedColor : normalForeColor_);
            chkPreference_[n]->setPalette(palette);
        }
        cmdSave_->setEnabled(chosen != saved_);
    });
}

bool frmPreferences::ShowAsDialog(QWidget* owner, Preferences& preferences)
{
    bool saved = false;
    Guarded(errors_, PreferencesObject, "ShowAsDialog", [&] {
        ShowValues(preferences.Values());
        if (owner) {
            setParent(owner, windowFlags());
            adjustSize();
            move(owner->mapToGlobal(owner->rect().center()) - QPoint(width() / 2, height() / 2));
        }
        chkPreference_.front()->setFocus();
        if (exec() == QDialog::Accepted) saved = preferences.Save(Chosen());
    });
    hide();
    return saved;
}

void frmPreferences::cmdSave_Click()
{
    // Enter on a box presses the default button even while it is disabled; nothing to save then.
    if (cmdSave_->isEnabled()) accept();
}

} // namespace tessaron
