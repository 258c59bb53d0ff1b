#include "AboutSuites.h"

#include "about/frmAbout.h"
#include "shell/Locale.h"
#include "shell/Registry.h"
#include "shell/StringTable.h"
#include "doubles/DoubleServices.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>
#include <utility>

namespace tessaron {

namespace {

constexpr int English = 0;
constexpr int German = 1;
// Right of Close at design: a window 424 wide with Close ending at 408.
constexpr int DesignMargin = 16;

struct AboutFixture : DoubleServices {
    explicit AboutFixture(int language = English) : DoubleServices(1)
    {
        Texts.LocaleIndex = language;
        Texts.SetLocale();
    }
    std::unique_ptr<frmAbout> Load() { return std::make_unique<frmAbout>(Texts, Report.Errors, Links, Program); }
};

QLabel* Label(const frmAbout& about, const char* name)
{
    auto* label = about.findChild<QLabel*>(QString::fromLatin1(name));
    if (!label) qFatal("no label %s", name);
    return label;
}

QPushButton* CloseButton(const frmAbout& about) { return about.findChild<QPushButton*>("cmdClose"); }

std::string Caption(const frmAbout& about, const char* name) { return Label(about, name)->text().toStdString(); }

int RightEdge(const QWidget* widget) { return widget->x() + widget->width(); }

} // namespace

// The revision shows only above zero.
void AboutDialog::ShowsTheTextsOfTheLanguageAndTheVersion()
{
    AboutFixture german(German);
    german.Program.VersionMajor = 1;
    german.Program.VersionMinor = 0;
    german.Program.VersionRevision = 0;
    const auto about = german.Load();
    QCOMPARE(Caption(*about, "lblDescription"), std::string("Das klassische chinesische Solitärspiel"));
    QCOMPARE(Caption(*about, "lblTitle"), std::string("Tessaron"));
    QCOMPARE(Caption(*about, "lblVersion"), std::string("Version 1.0"));
    QCOMPARE(CloseButton(*about)->text().toStdString(), std::string(*ResourceString(2048 + 100)));
    QCOMPARE(Caption(*AboutFixture(English).Load(), "lblLicensing"), std::string(*ResourceString(1024 + 116)));
    QVERIFY(german.Report.Box.Boxes.empty());
}

// A long title widens the window: the version ends where Close ends, one design margin
// right of the title, and the margin right of Close and the height stay the design's.
void AboutDialog::LongTitleWidensTheWindowWithTheDesignMargins()
{
    AboutFixture fixture;
    const int designWidth = fixture.Load()->width();
    fixture.Program.Title = "Tessaron Tessaron Tessaron Tessaron Tessaron Tessaron";
    const auto about = fixture.Load();

    const QLabel* title = Label(*about, "lblTitle");
    const QLabel* version = Label(*about, "lblVersion");
    QVERIFY(about->width() > designWidth);
    QCOMPARE(version->x() - RightEdge(title), DesignMargin);
    QCOMPARE(RightEdge(version), RightEdge(CloseButton(*about)));
    QCOMPARE(about->width() - RightEdge(CloseButton(*about)), DesignMargin);
    QCOMPARE(about->Separator(0).x2(), RightEdge(version) - 1);
    QCOMPARE(about->height(), 287);
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

// The home page opens its caption, the mail link gets a subject with the version; a result
// of 32 or below is a failure reported with its code and the system's text.
void AboutDialog::LinksOpenTheirCaptionsAndFailuresAreReported()
{
    AboutFixture fixture;
    fixture.Program.VersionMajor = 1;
    fixture.Program.VersionMinor = 0;
    fixture.Program.VersionRevision = 9;
    fixture.Links.SystemTexts[2] = "The link does not name anything that can be opened.";
    const auto about = fixture.Load();
    about->show();
    QCOMPARE(Caption(*about, "lblVersion"), std::string("Version 1.0.9"));
    const std::string address = Caption(*about, "lblEmail");
    QVERIFY(address.starts_with("mailto:"));
    QCOMPARE(Label(*about, "lblEmail")->cursor().shape(), Qt::PointingHandCursor);

    fixture.Links.Result = 33;
    QTest::mouseClick(Label(*about, "lblHomepage"), Qt::LeftButton);
    QTest::mouseClick(Label(*about, "lblEmail"), Qt::LeftButton);
    QCOMPARE(fixture.Links.Links,
             (std::vector<std::string>{Caption(*about, "lblHomepage"),
                                       address + "?subject=Tessaron%201.0.9"}));
    QVERIFY(fixture.Report.Box.Boxes.empty());

    fixture.Links.Result = 32;
    QTest::mouseClick(Label(*about, "lblHomepage"), Qt::LeftButton);
    fixture.Links.Result = 2;
    QTest::mouseClick(Label(*about, "lblEmail"), Qt::LeftButton);
    QCOMPARE(fixture.Report.Titles(), (std::vector<std::string>{"frmAbout.StartApplication", "frmAbout.StartApplication"}));
    QCOMPARE(fixture.Report.Box.Boxes[0].Text, std::string("'ShellExecute' failed:\n\nError 32\n\n"));
    QCOMPARE(fixture.Report.Box.Boxes[1].Text,
             std::string("'ShellExecute' failed:\n\nError 2\n\nThe link does not name anything that can be opened."));
    QCOMPARE(fixture.Report.Ended.Count, 0);
    QVERIFY(about->isVisible());
}

void AboutDialog::EnterAndEscapeCloseTheModalWindow_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

// Shown modal over its owner with the focus on Close; Activate returns once a key closed it.
void AboutDialog::EnterAndEscapeCloseTheModalWindow()
{
    QFETCH(int, key);
    AboutFixture fixture;
    QWidget owner;
    owner.resize(580, 474);
    owner.show();
    frmAbout about(fixture.Texts, fixture.Report.Errors, fixture.Links, fixture.Program);

    bool sawModal = false;
    QWidget* focus = nullptr;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        sawModal = modal == &about && about.parentWidget() == &owner;
        focus = about.focusWidget();
        if (modal) QTest::keyClick(focus ? focus : modal, static_cast<Qt::Key>(key));
    });
    // Should the key not close it, this ends the modal display so the test fails instead of hanging.
    QTimer::singleShot(5000, &about, [&] { about.done(QDialog::Rejected); });
    about.Activate(&owner);

    QVERIFY(sawModal);
    QCOMPARE(focus, static_cast<QWidget*>(CloseButton(about)));
    QVERIFY(!about.isVisible());
    QVERIFY(fixture.Links.Links.empty());
    QVERIFY(fixture.Report.Box.Boxes.empty());
}

} // namespace tessaron
