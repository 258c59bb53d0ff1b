#include "AboutSuites.h"

#include "about/AboutTexts.h"

#include <QTest>

namespace tessaron {

void AboutTextsTest::VersionHasTwoPartsWithoutRevision()
{
    QCOMPARE(FormatVersionString(1, 0, 0), std::string("1.0"));
    QCOMPARE(FormatVersionString(2, 13, 0), std::string("2.13"));
}

void AboutTextsTest::VersionHasThreePartsWithRevision()
{
    QCOMPARE(FormatVersionString(1, 0, 9), std::string("1.0.9"));
    QCOMPARE(FormatVersionString(1, 2, 10), std::string("1.2.10"));
}

void AboutTextsTest::MailSubjectEncodesOnlyTheBlank()
{
    QCOMPARE(MailLinkWithSubject("mailto:someone@example.org", "Tessaron", "1.0.9"),
             std::string("mailto:someone@example.org?subject=Tessaron%201.0.9"));
    // A title with characters a URL would encode goes out as it is.
    QCOMPARE(MailLinkWithSubject("mailto:a@b", "Tile & Co", "1.0"), std::string("mailto:a@b?subject=Tile & Co%201.0"));
}

void AboutTextsTest::PlatformFailureFillsEveryPlaceholder()
{
    QCOMPARE(PlatformFailureMessage("'^0' failed:\n\nError ^1\n\n^2", "ShellExecute", 31, "No handler."),
             std::string("'ShellExecute' failed:\n\nError 31\n\nNo handler."));
    // A system text that happens to hold a placeholder is not filled again.
    QCOMPARE(PlatformFailureMessage("^0 ^1 ^2", "f", 2, "^0"), std::string("f 2 ^0"));
}

} // namespace tessaron
