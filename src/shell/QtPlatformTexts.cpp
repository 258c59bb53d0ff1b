#include "shell/QtPlatformTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>

namespace tessaron {

namespace {

// Qt's translations folder of the installed Qt first; a deployed program (Windows) carries
// them in "translations" beside itself.
bool LoadQtTranslation(QTranslator& translator, const QLocale& language)
{
    const QStringList folders{QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                              QCoreApplication::applicationDirPath() + QStringLiteral("/translations")};
    for (const QString& folder : folders)
        for (const QString& catalog : {QStringLiteral("qtbase"), QStringLiteral("qt")})
            if (translator.load(language, catalog, QStringLiteral("_"), folder)) return true;
    return false;
}

} // namespace

QtPlatformTexts::~QtPlatformTexts()
{
    if (installed_) QCoreApplication::removeTranslator(&translator_);
}

// Without Qt's translations (a missing package) Qt's texts stay English; the game's own
// texts are not affected.
void QtPlatformTexts::UseLanguage(std::int32_t locale)
{
    const QLocale::Language language = locale == 1 ? QLocale::German : QLocale::English;
    // The default locale picks the language of the file type descriptions in the file
    // dialog. A system of the same language keeps its own country's variant.
    const QLocale system = QLocale::system();
    QLocale::setDefault(system.language() == language ? system : QLocale(language));

    if (installed_) {
        QCoreApplication::removeTranslator(&translator_);
        installed_ = false;
    }
    // Qt's texts are English by themselves.
    if (language == QLocale::German && LoadQtTranslation(translator_, QLocale(language)))
        installed_ = QCoreApplication::installTranslator(&translator_);
}

} // namespace tessaron
