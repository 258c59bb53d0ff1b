#include "about/frmAbout.h"

#include "ResourceNames.h"
#include "about/AboutTexts.h"
#include "about/LinkAccessible.h"
#include "shell/TextTools.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace tessaron {

namespace {

// The design is drawn in twips; at the usual 96 dots per inch a pixel is 15 twips.
constexpr int Px(int twips) { return twips / 15; }

constexpr int DesignWidth = Px(6360);
constexpr int DesignHeight = Px(4305);
constexpr int IconSize = Px(480);
constexpr int TextLeft = Px(960);
constexpr int SeparatorRight = Px(6105);
constexpr std::array<int, 2> SeparatorTop{Px(1320), Px(2715)};
// The right edge of Close at design; the version label's text ends there too.
constexpr int DesignRightEdge = Px(4980 + 1140);

// Text numbers (string number less 1024).
constexpr std::int16_t TextClose = 100;
constexpr std::int16_t TextCopyright = 110;
constexpr std::int16_t TextDescription = 111;
constexpr std::int16_t TextEmail = 112;
constexpr std::array<std::int16_t, 2> TextInfo{113, 114};
constexpr std::int16_t TextHomepage = 115;
constexpr std::int16_t TextLicensing = 116;
constexpr std::int16_t TextVersion = 117;
constexpr std::int16_t TextPlatformFailure = 190;

const QColor LinkColor(0, 0, 255);

QLabel* MakeLabel(QWidget* parent, const char* name, int leftTwips, int topTwips)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->move(Px(leftTwips), Px(topTwips));
    return label;
}

void MakeLink(QLabel* label, QObject* filter)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, LinkColor);
    label->setPalette(palette);
    label->setCursor(Qt::PointingHandCursor);
    // Reachable with Tab and opened with Space or Enter, like a button.
    label->setFocusPolicy(Qt::StrongFocus);
    label->installEventFilter(filter);
    ExposeAsLink(label);
}

// The label's width follows its text; its left edge stays.
void SetCaption(QLabel* label, const std::string& text)
{
    label->setText(QString::fromStdString(text));
    label->adjustSize();
}

Extent HorizontalExtent(const QWidget* widget) { return {widget->x(), widget->width()}; }

} // namespace

frmAbout::frmAbout(Locale& texts, ErrorReport& errors, LinkOpener& links, const ProgramInfo& program,
                   QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      texts_(texts),
      errors_(errors),
      links_(links),
      program_(program)
{
    setObjectName(QString::fromLatin1(AboutObject));
    CreateControls();
    SetupLocale();
    ResizeForm();
}

frmAbout::frmAbout(const Services& services, QWidget* parent)
    : frmAbout(services.Texts, services.Errors, services.Links, services.Program, parent)
{
}

void frmAbout::CreateControls()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9.75);
    setFont(font);
    setFixedSize(DesignWidth, DesignHeight);

    picTitle_ = MakeLabel(this, "picTitle", 240, 240);
    picTitle_->resize(IconSize, IconSize);
    const int scale = resources::PictureScaleFor(devicePixelRatioF());
    QPixmap icon(QString::fromStdString(resources::ScaledPath(resources::ProgramIconPath(IconSize), scale)));
    if (icon.isNull()) icon = QApplication::windowIcon().pixmap(IconSize, IconSize);
    picTitle_->setPixmap(icon);

    lblTitle_ = MakeLabel(this, "lblTitle", 960, 345);
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPointSize(12);
    titleFont.setBold(true);
    lblTitle_->setFont(titleFont);

    lblVersion_ = MakeLabel(this, "lblVersion", 6015, 375);
    lblVersion_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblDescription_ = MakeLabel(this, "lblDescription", 960, 840);
    lblCopyright_ = MakeLabel(this, "lblCopyright", 960, 1575);
    lblHomepage_ = MakeLabel(this, "lblHomepage", 960, 1935);
    lblEmail_ = MakeLabel(this, "lblEmail", 960, 2235);
    lblInfo_[0] = MakeLabel(this, "lblInfo0", 960, 2970);
    lblInfo_[1] = MakeLabel(this, "lblInfo1", 960, 3210);
    lblLicensing_ = MakeLabel(this, "lblLicensing", 960, 3750);
    MakeLink(lblHomepage_, this);
    MakeLink(lblEmail_, this);

    for (std::size_t i = 0; i < linSeparator_.size(); ++i) {
        linSeparator_[i] = QLine(TextLeft, SeparatorTop[i], SeparatorRight, SeparatorTop[i]);
    }

    cmdClose_ = new QPushButton(this);
    cmdClose_->setObjectName(QStringLiteral("cmdClose"));
    cmdClose_->setGeometry(Px(4980), Px(3690), Px(1140), Px(375));
    // Enter presses the default button; Escape arrives through reject().
    cmdClose_->setDefault(true);
    cmdClose_->setFocus();
    connect(cmdClose_, &QPushButton::clicked, this, &frmAbout::cmdClose_Click);
}

void frmAbout::Activate(QWidget* owner)
{
    Guarded(errors_, AboutObject, "Activate", [&] {
        if (owner) {
            setParent(owner, windowFlags());
            const QPoint ownerCentre = owner->mapToGlobal(owner->rect().center());
            move(ownerCentre - QPoint(width() / 2, height() / 2));
        }
        exec();
    });
}

std::string frmAbout::VersionString()
{
    std::string version;
    Guarded(errors_, AboutObject, "VersionString (Get)", [&] {
        version = FormatVersionString(program_.VersionMajor, program_.VersionMinor, program_.VersionRevision);
    });
    return version;
}

void frmAbout::SetupLocale()
{
    Guarded(errors_, AboutObject, "SetupLocale", [&] {
        const std::string version = VersionString();
        cmdClose_->setText(QString::fromStdString(texts_.LoadLocaleString(TextClose)));
        SetCaption(lblCopyright_, texts_.LoadLocaleString(TextCopyright));
        SetCaption(lblDescription_, texts_.LoadLocaleString(TextDescription));
        SetCaption(lblEmail_, texts_.LoadLocaleString(TextEmail));
        SetCaption(lblInfo_[0], texts_.LoadLocaleString(TextInfo[0]));
        SetCaption(lblInfo_[1], texts_.LoadLocaleString(TextInfo[1]));
        SetCaption(lblHomepage_, texts_.LoadLocaleString(TextHomepage));
        SetCaption(lblLicensing_, texts_.LoadLocaleString(TextLicensing));
        SetCaption(lblTitle_, program_.Title);
        setAccessibleName(QString::fromStdString(program_.Title));
        SetCaption(lblVersion_, ReplaceSubString(texts_.LoadLocaleString(TextVersion), "^0", version));
        // The version is right-aligned: it grows to the left, so a longer version text
        // never runs out of the window.
        lblVersion_->move(DesignRightEdge - lblVersion_->width(), lblVersion_->y());
    });
}

AboutLayout frmAbout::CurrentLayout() const
{
    AboutLayout layout;
    layout.OuterWidth = frameGeometry().width();
    layout.InnerWidth = width();
    layout.Title = HorizontalExtent(lblTitle_);
    layout.Version = HorizontalExtent(lblVersion_);
    layout.OwnLines = {HorizontalExtent(lblDescription_), HorizontalExtent(lblCopyright_),
                       HorizontalExtent(lblEmail_),       HorizontalExtent(lblHomepage_),
                       HorizontalExtent(lblInfo_[0]),     HorizontalExtent(lblInfo_[1])};
    layout.Licensing = HorizontalExtent(lblLicensing_);
    layout.Close = HorizontalExtent(cmdClose_);
    layout.SeparatorEnds = {linSeparator_[0].x2(), linSeparator_[1].x2()};
    return layout;
}

void frmAbout::ApplyLayout(const AboutLayout& layout)
{
    // The window has no frame, so its outer and inner widths change alike.
    setFixedWidth(layout.InnerWidth);
    lblVersion_->move(layout.Version.Left, lblVersion_->y());
    for (std::size_t i = 0; i < linSeparator_.size(); ++i) {
        linSeparator_[i].setP2(QPoint(layout.SeparatorEnds[i], linSeparator_[i].y2()));
    }
    cmdClose_->move(layout.Close.Left, cmdClose_->y());
}

void frmAbout::ResizeForm()
{
    Guarded(errors_, AboutObject, "ResizeForm", [&] {
        const AboutLayout layout = CurrentLayout();
        const int shift = ResizeShift(layout);
        if (shift == 0) return;
        ApplyLayout(ShiftRightEdge(layout, shift));
    });
}

void frmAbout::StartApplication(const std::string& application)
{
    Guarded(errors_, AboutObject, "StartApplication", [&] {
        const std::int32_t result = links_.StartApplication(application);
        if (result <= 32) ErrorMessageWindowsAPI("StartApplication", "ShellExecute", result);
    });
}

void frmAbout::ErrorMessageWindowsAPI(const std::string& procedureName, const std::string& functionName,
                                      std::int32_t code)
{
    Guarded(errors_, AboutObject, "ErrorMessageWindowsAPI", [&] {
        const std::string message = PlatformFailureMessage(texts_.LoadLocaleString(TextPlatformFailure),
                                                           functionName, code, GetSystemMessageText(code));
        errors_.ErrorMessage(message, procedureName, AboutObject);
    });
}

std::string frmAbout::GetSystemMessageText(std::int32_t code)
{
    std::string text;
    Guarded(errors_, AboutObject, "GetSystemMessageText", [&] { text = links_.SystemMessageText(code); });
    return text;
}

void frmAbout::cmdClose_Click()
{
    Guarded(errors_, AboutObject, "cmdClose_Click", [&] { QDialog::accept(); });
}

void frmAbout::reject() { cmdClose_Click(); }

void frmAbout::lblHomepage_Click() { StartApplication(lblHomepage_->text().toStdString()); }

void frmAbout::lblEmail_Click()
{
    StartApplication(MailLinkWithSubject(lblEmail_->text().toStdString(), program_.Title, VersionString()));
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lblHomepage_ || watched == lblEmail_) {
        auto* link = static_cast<QLabel*>(watched);
        // A label draws no focus frame: the focused link is underlined instead.
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
            QFont font = link->font();
            font.setUnderline(event->type() == QEvent::FocusIn);
            link->setFont(font);
        }
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
                if (watched == lblHomepage_) lblHomepage_Click();
                else lblEmail_Click();
                return true;
            }
        }
    }
    if (event->type() == QEvent::MouseButtonRelease && (watched == lblHomepage_ || watched == lblEmail_)) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* label = static_cast<QLabel*>(watched);
        if (mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint())) {
            if (watched == lblHomepage_) lblHomepage_Click();
            else lblEmail_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmAbout::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    // Without a title bar the window needs an edge of its own to stand out from what is behind.
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    // Each separator is a white line with a shadow above it, so it reads as an etched rule.
    for (const QLine& line : linSeparator_) {
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawLine(line.translated(0, -1));
        painter.setPen(Qt::white);
        painter.drawLine(line);
    }
}

} // namespace tessaron
