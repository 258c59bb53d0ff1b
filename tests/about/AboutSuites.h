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
    void ShowsTheTextsOfTheLanguage();
    void VersionLabelHasRevisionOnlyAboveZero();
    void LongTitleWidensTheWindowWithTheDesignMargins();
    void LinksOpenTheirCaptionsAndFailuresAreReported();
    void LinksOpenFromTheKeyboard();
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
