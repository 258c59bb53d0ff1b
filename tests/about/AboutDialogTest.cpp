#include "AboutSuites.h"

#include "about/frmAbout.h"
#include "shell/Locale.h"
#include "shell/Registry.h"
#include "shell/StringTable.h"
#include "doubles/FixedSystemLocale.h"
#include "doubles/MemorySettingsStore.h"
#include "doubles/RecordingLinkOpener.h"
#include "doubles/RecordingMessageBox.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <utility>

namespace tessaron {

namespace {

constexpr int English = 0;
constexpr int German = 1;
// Right of Close at design: a window 424 wide with Close ending at 408.
constexpr int DesignMargin = 16;

struct AboutFixture {
    explicit AboutFixture(int language = English)
    {
        Texts.LocaleIndex = language;
        Texts.SetLocale();
    }

    std::unique_ptr<frmAbout> Load() { return std::make_unique<frmAbout>(Texts, Report.Errors, Links, Program); }

    MemorySettingsStore Store;
    FixedSystemLocale System;
    RecordingErrorReport Report;
    Registry Settings{Store, Report.Errors, System};
    Locale Texts{Settings, Report.Errors, System};
    RecordingLinkOpener Links;
    ProgramInfo Program;
};

QLabel* Label(const frmAbout& about, const char* name)
{
    auto* label = about.findChild<QLabel*>(QString::fromLatin1(name));
    if (!label) qFatal("no label %s", name);
    return label;
}

QPushButton* CloseButton(const frmAbout& about) { return about.findChild<QPushButton*>("cmdClose"); }

std::string Caption(const frmAbout& about, const char* name) { return Label(about, name)->text().toStdString(); }

std::string TableText(int id) { return std::string(ResourceString(id).value_or("<missing>")); }

int RightEdge(const QWidget* widget) { return widget->x() + widget->width(); }

// The end of the longest line, measured on the window's own controls.
int LongestLineEnd(const frmAbout& about, int margin)
{
    int end = RightEdge(Label(about, "lblTitle")) + margin + Label(about, "lblVersion")->width();
    for (const char* name : {"lblDescription", "lblCopyright", "lblEmail", "lblHomepage", "lblInfo0", "lblInfo1"}) {
        end = std::max(end, RightEdge(Label(about, name)));
    }
    return std::max(end, RightEdge(Label(about, "lblLicensing")) + margin + CloseButton(about)->width());
}

} // namespace

void AboutDialog::ShowsTheTextsOfTheLanguage()
{
    const std::pair<const char*, int> labels[] = {{"lblCopyright", 110}, {"lblDescription", 111}, {"lblEmail", 112},
                                                  {"lblInfo0", 113},     {"lblInfo1", 114},       {"lblHomepage", 115},
                                                  {"lblLicensing", 116}};
    for (const int language : {English, German}) {
        AboutFixture fixture(language);
        const auto about = fixture.Load();
        const int base = language == English ? 1024 : 2048;
        for (const auto& [name, text] : labels) QCOMPARE(Caption(*about, name), TableText(base + text));
        QCOMPARE(CloseButton(*about)->text().toStdString(), TableText(base + 100));
        QCOMPARE(Caption(*about, "lblTitle"), std::string("Tessaron"));
        QVERIFY(fixture.Report.Box.Boxes.empty());
    }
    AboutFixture german(German);
    QCOMPARE(Caption(*german.Load(), "lblDescription"), std::string("Das klassische chinesische Solitärspiel"));
}

void AboutDialog::VersionLabelHasRevisionOnlyAboveZero()
{
    AboutFixture fixture;
    fixture.Program.VersionMajor = 1;
    fixture.Program.VersionMinor = 0;
    fixture.Program.VersionRevision = 0;
    QCOMPARE(Caption(*fixture.Load(), "lblVersion"), std::string("Version 1.0"));
    fixture.Program.VersionRevision = 9;
    const auto about = fixture.Load();
    QCOMPARE(Caption(*about, "lblVersion"), std::string("Version 1.0.9"));
    QCOMPARE(about->VersionString(), std::string("1.0.9"));
}

void AboutDialog::LoadedWindowEndsCloseAtTheLongestLine_data()
{
    QTest::addColumn<int>("language");
    QTest::newRow("English") << English;
    QTest::newRow("German") << German;
}

// After loading, whatever the language's texts: Close ends where the longest line ends,
// the margin right of it is the design's, and the version and separators end with it.
void AboutDialog::LoadedWindowEndsCloseAtTheLongestLine()
{
    QFETCH(int, language);
    AboutFixture fixture(language);
    const auto about = fixture.Load();
    const QPushButton* close = CloseButton(*about);

    const int needed = LongestLineEnd(*about, DesignMargin);
    QCOMPARE(RightEdge(close), needed);
    QCOMPARE(about->width() - RightEdge(close), DesignMargin);
    QCOMPARE(about->width(), 424 + needed - 408);
    QCOMPARE(RightEdge(Label(*about, "lblVersion")), needed);
    QCOMPARE(about->Separator(0).x2(), needed - 1);
    QCOMPARE(about->Separator(1).x2(), needed - 1);
    QCOMPARE(about->height(), 287);
}

void AboutDialog::LongTitleWidensTheWindowByItself()
{
    AboutFixture fixture;
    fixture.Program.Title = "Tessaron Tessaron Tessaron Tessaron Tessaron Tessaron";
    const auto about = fixture.Load();

    const QLabel* title = Label(*about, "lblTitle");
    const QLabel* version = Label(*about, "lblVersion");
    const int titleLine = RightEdge(title) + DesignMargin + version->width();
    QCOMPARE(RightEdge(CloseButton(*about)), titleLine);
    QCOMPARE(LongestLineEnd(*about, DesignMargin), titleLine);
    QVERIFY(about->width() > 424);
    QCOMPARE(version->x() - RightEdge(title), DesignMargin);
}

void AboutDialog::LinksAreBlueWithHandCursorAndIconShown()
{
    AboutFixture fixture;
    const auto about = fixture.Load();
    for (const char* name : {"lblHomepage", "lblEmail"}) {
        const QLabel* link = Label(*about, name);
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    }
    QVERIFY(about->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(Label(*about, "picTitle")->pixmap().size(), QSize(32, 32));
}

void AboutDialog::HomePageClickOpensTheCaption()
{
    AboutFixture fixture;
    const auto about = fixture.Load();
    QTest::mouseClick(Label(*about, "lblHomepage"), Qt::LeftButton);
    QCOMPARE(fixture.Links.Links, std::vector<std::string>{Caption(*about, "lblHomepage")});
    QVERIFY(fixture.Report.Box.Boxes.empty());
}

// Tab reaches each link, the focused one is underlined, and Space or Enter opens it.
void AboutDialog::LinksOpenFromTheKeyboard()
{
    AboutFixture fixture;
    const auto about = fixture.Load();
    about->show();
    QVERIFY(QTest::qWaitForWindowExposed(about.get()));
    for (const auto& [name, key] : {std::pair{"lblHomepage", Qt::Key_Space}, std::pair{"lblEmail", Qt::Key_Return}}) {
        QLabel* link = Label(*about, name);
        for (int tab = 0; tab < 4 && about->focusWidget() != link; ++tab) QTest::keyClick(about->focusWidget(), Qt::Key_Tab);
        QCOMPARE(about->focusWidget(), static_cast<QWidget*>(link));
        QVERIFY(link->font().underline());
        fixture.Links.Links.clear();
        QTest::keyClick(link, key);
        QCOMPARE(fixture.Links.Links.size(), std::size_t(1));
        QVERIFY(about->isVisible());
    }
    QTest::keyClick(about->focusWidget(), Qt::Key_Tab);
    QVERIFY(!Label(*about, "lblEmail")->font().underline());
}

void AboutDialog::MailClickAddsSubjectWithVersion()
{
    AboutFixture fixture;
    fixture.Program.VersionRevision = 9;
    const auto about = fixture.Load();
    const std::string address = Caption(*about, "lblEmail");
    QVERIFY(address.starts_with("mailto:"));

    QTest::mouseClick(Label(*about, "lblEmail"), Qt::LeftButton);
    QCOMPARE(fixture.Links.Links,
             std::vector<std::string>{address + "?subject=Tessaron%20" + std::to_string(fixture.Program.VersionMajor) +
                                      "." + std::to_string(fixture.Program.VersionMinor) + ".9"});
}

void AboutDialog::FailedLinkReportsShellExecuteWithCodeAndText()
{
    AboutFixture fixture;
    fixture.Links.SystemTexts[2] = "The link does not name anything that can be opened.";
    const auto about = fixture.Load();
    about->show();

    // 32 is still a failure, 33 is the first success.
    fixture.Links.Result = 33;
    QTest::mouseClick(Label(*about, "lblHomepage"), Qt::LeftButton);
    QVERIFY(fixture.Report.Box.Boxes.empty());
    fixture.Links.Result = 32;
    QTest::mouseClick(Label(*about, "lblHomepage"), Qt::LeftButton);
    QCOMPARE(fixture.Report.Box.Boxes.size(), std::size_t{1});
    QCOMPARE(fixture.Report.Box.Boxes.back().Text, std::string("'ShellExecute' failed:\n\nError 32\n\n"));

    fixture.Links.Result = 2;
    QTest::mouseClick(Label(*about, "lblEmail"), Qt::LeftButton);
    QCOMPARE(fixture.Report.Box.Boxes.size(), std::size_t{2});
    const auto& report = fixture.Report.Box.Boxes.back();
    QCOMPARE(report.Title, std::string("frmAbout.StartApplication"));
    QCOMPARE(report.Text,
             std::string("'ShellExecute' failed:\n\nError 2\n\nThe link does not name anything that can be opened."));
    QCOMPARE(report.BoxKind, RecordingMessageBox::Kind::CriticalOkCancel);
    QCOMPARE(fixture.Report.Box.Beeps, 2);
    QCOMPARE(fixture.Report.Ended.Count, 0);
    QVERIFY(about->isVisible());
}

void AboutDialog::EnterAndEscapeClose_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void AboutDialog::EnterAndEscapeClose()
{
    QFETCH(int, key);
    AboutFixture fixture;
    const auto about = fixture.Load();
    about->show();
    QVERIFY(QTest::qWaitForWindowExposed(about.get()));
    QWidget* focus = about->focusWidget();
    QCOMPARE(focus, static_cast<QWidget*>(CloseButton(*about)));

    QTest::keyClick(focus, static_cast<Qt::Key>(key));
    QVERIFY(!about->isVisible());
    QVERIFY(fixture.Links.Links.empty());
}

void AboutDialog::ActivateReturnsWhenClosed()
{
    AboutFixture fixture;
    QWidget owner;
    owner.resize(580, 474);
    owner.show();
    frmAbout about(fixture.Texts, fixture.Report.Errors, fixture.Links, fixture.Program);

    bool sawModal = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        sawModal = modal == &about && about.parentWidget() == &owner;
        if (modal) QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal, Qt::Key_Escape);
    });
    // Should Escape not close it, this ends the modal display so the test fails instead of hanging.
    QTimer::singleShot(5000, &about, [&] { about.done(QDialog::Rejected); });
    about.Activate(&owner);

    QVERIFY(sawModal);
    QVERIFY(!about.isVisible());
    QVERIFY(fixture.Report.Box.Boxes.empty());
}

} // namespace tessaron
