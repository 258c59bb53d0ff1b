#pragma once
// The suites of about_tests; main.cpp runs the one named on the command line, or all.
#include <QObject>

namespace tessaron {

class AboutLayoutRule : public QObject {
    Q_OBJECT
private slots:
    void LineBeyondCloseWidensByTheOverhang();
    void TitleLineDecidesAlone();
    void ShortLinesNarrowKeepingTheRightMargin();
    void CloseAlwaysEndsAtTheLongestLine();
};

class AboutDialog : public QObject {
    Q_OBJECT
private slots:
    void ShowsTheTextsOfTheLanguage();
    void VersionLabelHasRevisionOnlyAboveZero();
    void LoadedWindowEndsCloseAtTheLongestLine();
    void LoadedWindowEndsCloseAtTheLongestLine_data();
    void LongTitleWidensTheWindowByItself();
    void LinksAreBlueWithHandCursorAndIconShown();
    void HomePageClickOpensTheCaption();
    void LinksOpenFromTheKeyboard();
    void MailClickAddsSubjectWithVersion();
    void FailedLinkReportsShellExecuteWithCodeAndText();
    void EnterAndEscapeClose();
    void EnterAndEscapeClose_data();
    void ActivateReturnsWhenClosed();
};

class LinkOpenerTest : public QObject {
    Q_OBJECT
private slots:
    void EmptyLinkIsFileNotFound();
    void LinkReachesItsHandlerUnchanged();
    void EveryFailureCodeHasASystemText();
};

} // namespace tessaron
