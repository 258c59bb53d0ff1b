#pragma once
// The suites of about_tests; main.cpp runs the one named on the command line, or all.
#include <QObject>

namespace tessaron {

class AboutLayoutRule : public QObject {
    Q_OBJECT
private slots:
    void LongestLineDecidesWhereCloseEnds();
    void LongestLineDecidesWhereCloseEnds_data();
};

class AboutDialog : public QObject {
    Q_OBJECT
private slots:
    void ShowsTheTextsOfTheLanguageAndTheVersion();
    void LongTitleWidensTheWindowWithTheDesignMargins();
    void LinksOpenTheirCaptionsAndFailuresAreReported();
    void LinksOpenFromTheKeyboard();
    void EnterAndEscapeCloseTheModalWindow();
    void EnterAndEscapeCloseTheModalWindow_data();
};

class LinkOpenerTest : public QObject {
    Q_OBJECT
private slots:
    void LinkReachesItsHandlerUnchanged();
    void EmptyLinkFailsWithASystemText();
};

} // namespace tessaron
