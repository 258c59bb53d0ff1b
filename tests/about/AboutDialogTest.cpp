// The about box: its width rule, texts, links and keys, and the desktop's link opener.
#include "about/AboutLayout.h"
#include "about/QtLinkOpener.h"
#include "about/frmAbout.h"
#include "doubles/DoubleServices.h"
#include "shell/StringTable.h"

#include <QAccessible>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <memory>
#include <tuple>

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

// The design layout in pixels: Close at 332..408 in a window 424 wide (margin 16), the
// version label ending where Close ends, the separators ending on Close's last pixel; the
// longest line (a credit line) ends at 284.
AboutLayout DesignLayout()
{
    AboutLayout layout;
    layout.OuterWidth = 426;  // a frame of one pixel each side, to see both widths move
    layout.InnerWidth = 424;
    layout.Title = {64, 70};
    layout.Version = {348, 60};
    layout.OwnLines = {Extent{64, 200}, Extent{64, 180}, Extent{64, 160},
                       Extent{64, 150}, Extent{64, 210}, Extent{64, 220}};
    layout.Licensing = {64, 50};
    layout.Close = {332, 76};
    layout.SeparatorEnds = {407, 407};
    return layout;
}

// Stands in for the desktop's mail program.
class MailHandler : public QObject {
    Q_OBJECT
public slots:
    void Open(const QUrl& url) { Received.append(url); }

public:
    QList<QUrl> Received;
};

} // namespace

class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void LongestLineDecidesWhereCloseEnds_data()
    {
        QTest::addColumn<int>("line");  // the own line made longer, -1 for the title
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("shift");
        QTest::newRow("home page beyond Close") << 3 << 381 << 37;        // ends at 445
        QTest::newRow("title with version") << -1 << 300 << 32;           // 364 + 16 + 60 = 440
        QTest::newRow("short lines narrow the window") << 0 << 1 << -124;  // the credit line at 284
    }

    void LongestLineDecidesWhereCloseEnds()
    {
        QFETCH(int, line);
        QFETCH(int, width);
        QFETCH(int, shift);
        AboutLayout layout = DesignLayout();
        (line < 0 ? layout.Title : layout.OwnLines[std::size_t(line)]).Width = width;

        QCOMPARE(ResizeShift(layout), shift);
        const AboutLayout resized = ShiftRightEdge(layout, shift);
        QCOMPARE(resized.OuterWidth, 426 + shift);
        QCOMPARE(resized.InnerWidth, 424 + shift);
        QCOMPARE(resized.Close.Left, 332 + shift);
        QCOMPARE(resized.Version.Left, 348 + shift);
        QCOMPARE(resized.SeparatorEnds, (std::array<int, 2>{407 + shift, 407 + shift}));
        // Nothing on the left moves, nothing changes its width, and a second pass does nothing.
        QCOMPARE(resized.Title.Left, 64);
        QCOMPARE(resized.Licensing.Left, 64);
        QCOMPARE(resized.Close.Width, 76);
        QCOMPARE(ResizeShift(resized), 0);
    }

    // The revision shows only above zero. A long title widens the window: the version ends
    // where Close ends, one design margin right of the title, and the margin right of Close
    // and the height stay the design's.
    void ShowsTheTextsOfTheLanguageAndALongTitleWidensTheWindow()
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

        german.Program.Title = "Tessaron Tessaron Tessaron Tessaron Tessaron Tessaron";
        const auto wide = german.Load();
        const QLabel* title = Label(*wide, "lblTitle");
        const QLabel* version = Label(*wide, "lblVersion");
        QVERIFY(wide->width() > about->width());
        QCOMPARE(version->x() - RightEdge(title), DesignMargin);
        QCOMPARE(RightEdge(version), RightEdge(CloseButton(*wide)));
        QCOMPARE(wide->width() - RightEdge(CloseButton(*wide)), DesignMargin);
        QCOMPARE(wide->Separator(0).x2(), RightEdge(version) - 1);
        QCOMPARE(wide->height(), 287);
        QVERIFY(german.Report.Box.Boxes.empty());
    }

    // Tab reaches each link, the focused one underlined, and Space or Enter opens it: the home
    // page its caption, the mail link with the version as its subject. A click opens a link
    // too; a result of 32 or below is a failure reported with its code and the system's text,
    // and the dialog stays open.
    void LinksOpenByKeyOrClickAndFailuresAreReported()
    {
        AboutFixture fixture;
        fixture.Program.VersionMajor = 1;
        fixture.Program.VersionMinor = 0;
        fixture.Program.VersionRevision = 9;
        fixture.Links.SystemTexts[2] = "The link does not name anything that can be opened.";
        const auto about = fixture.Load();
        about->show();
        QVERIFY(QTest::qWaitForWindowExposed(about.get()));
        QCOMPARE(Caption(*about, "lblVersion"), std::string("Version 1.0.9"));
        const std::string address = Caption(*about, "lblEmail");
        QVERIFY(address.starts_with("mailto:"));
        QCOMPARE(Label(*about, "lblEmail")->cursor().shape(), Qt::PointingHandCursor);

        fixture.Links.Result = 33;
        const std::tuple<const char*, Qt::Key, std::string> links[] = {
            {"lblHomepage", Qt::Key_Space, Caption(*about, "lblHomepage")},
            {"lblEmail", Qt::Key_Return, address + "?subject=Tessaron%201.0.9"}};
        for (const auto& [name, key, opened] : links) {
            QLabel* link = Label(*about, name);
            for (int tab = 0; tab < 4 && about->focusWidget() != link; ++tab)
                QTest::keyClick(about->focusWidget(), Qt::Key_Tab);
            QCOMPARE(about->focusWidget(), static_cast<QWidget*>(link));
            QVERIFY(link->font().underline());
            fixture.Links.Links.clear();
            QTest::keyClick(link, key);
            QCOMPARE(fixture.Links.Links, std::vector<std::string>{opened});
            // A screen reader sees a link by its text and opens it with its first action.
            QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(link);
            QCOMPARE(reader->role(), QAccessible::Link);
            QCOMPARE(reader->text(QAccessible::Name), link->text());
            QCOMPARE(reader->actionInterface()->actionNames().value(0), QAccessibleActionInterface::pressAction());
            fixture.Links.Links.clear();
            reader->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QCOMPARE(fixture.Links.Links, std::vector<std::string>{opened});
        }
        QTest::keyClick(about->focusWidget(), Qt::Key_Tab);
        QVERIFY(!Label(*about, "lblEmail")->font().underline());
        QVERIFY(fixture.Report.Box.Boxes.empty());

        fixture.Links.Result = 32;
        QTest::mouseClick(Label(*about, "lblHomepage"), Qt::LeftButton);
        fixture.Links.Result = 2;
        QTest::mouseClick(Label(*about, "lblEmail"), Qt::LeftButton);
        QCOMPARE(fixture.Links.Links.size(), std::size_t(3));
        QCOMPARE(fixture.Report.Titles(), (std::vector<std::string>{"frmAbout.StartApplication", "frmAbout.StartApplication"}));
        QCOMPARE(fixture.Report.Box.Boxes[0].Text, std::string("'ShellExecute' failed:\n\nError 32\n\n"));
        QCOMPARE(fixture.Report.Box.Boxes[1].Text,
                 std::string("'ShellExecute' failed:\n\nError 2\n\nThe link does not name anything that can be opened."));
        QCOMPARE(fixture.Report.Ended.Count, 0);
        QVERIFY(about->isVisible());
    }

    void EnterAndEscapeCloseTheModalWindow_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }

    // Shown modal over its owner with the focus on Close; Activate returns once a key closed it.
    void EnterAndEscapeCloseTheModalWindow()
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

    // The mail link reaches the desktop with its subject still encoded, and success is above
    // 32; an empty link fails, and each failure has a text of the system.
    void LinkOpenerHandsTheLinkOnUnchangedAndAnEmptyOneFails()
    {
        MailHandler handler;
        QDesktopServices::setUrlHandler("mailto", &handler, "Open");
        QtLinkOpener opener;
        const std::int32_t result = opener.StartApplication("mailto:someone@example.org?subject=Tessaron%201.0.9");
        QDesktopServices::unsetUrlHandler("mailto");
        QVERIFY(result > 32);
        QCOMPARE(handler.Received.size(), 1);
        QCOMPARE(handler.Received.at(0).toString(QUrl::FullyEncoded),
                 QString("mailto:someone@example.org?subject=Tessaron%201.0.9"));

        QCOMPARE(opener.StartApplication("   "), QtLinkOpener::ErrorFileNotFound);
        for (const std::int32_t code : {QtLinkOpener::ErrorFileNotFound, QtLinkOpener::ErrorNoAssociation})
            QVERIFY(!opener.SystemMessageText(code).empty());
        QCOMPARE(opener.SystemMessageText(QtLinkOpener::Opened), std::string());
    }
};

} // namespace tessaron

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    tessaron::AboutTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "AboutDialogTest.moc"
