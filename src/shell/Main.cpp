// The entry point: one running instance per user, the language, the version wipe of the
// settings, the real services, and the board window.
#include "about/QtLinkOpener.h"
#include "board/RandomSource.h"
#include "records/SqliteGameHistory.h"
#include "shell/Clock.h"
#include "shell/DealOptions.h"
#include "shell/ErrorReport.h"
#include "shell/InstanceLock.h"
#include "shell/LayoutOptions.h"
#include "shell/ParentConsole.h"
#include "shell/Locale.h"
#include "shell/QtMessageBox.h"
#include "shell/QtPlatformTexts.h"
#include "shell/QtSettingsStore.h"
#include "shell/QtSystemLocale.h"
#include "shell/Registry.h"
#include "shell/Services.h"
#include "sound/SdlMultimediaLayer.h"
#include "sound/SharedSoundPlayer.h"
#include "window/GameCompanions.h"
#include "window/QtFileDialog.h"
#include "window/StartOptions.h"
#include "window/TilePicture.h"
#include "window/frmBoard.h"

#include "ResourceNames.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

// The lock that marks a running instance, in the user's own runtime folder. A lock left by
// a crashed run names a process that no longer exists and is taken over; a lock that
// cannot be taken for any other reason lets the game start without it.
QString InstanceLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    QDir().mkpath(folder);
    return QDir(folder).filePath(QStringLiteral("tessaron.lock"));
}

// The window icon in the sizes a title bar and a task switcher show, up to 64 pixels. The
// icon decodes every picture at once (on X11 all of them go to the window too): the 128 and
// 256 pixel ones held ten times the memory of all the smaller ones together, for a picture
// that the desktop entry's installed icons give anyway. On a scaled screen QIcon adds the
// "@2x"/"@3x" picture of each size itself.
QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : tessaron::resources::ProgramIconSizes)
        if (size <= 64)
            icon.addFile(QString::fromStdString(tessaron::resources::ProgramIconPath(size)), QSize(size, size));
    return icon;
}

// For the start-up benchmark (bench/window): with TESSARON_FIRST_PAINT_MARK set, the game
// writes "tessaron: first board paint" to stderr once the board has been painted with its
// deal, and with the value "exit" it then ends at once, saving nothing. Unset, nothing is
// watched.
class FirstPaintMark final : public QObject {
public:
    explicit FirstPaintMark(bool exitAfter) : exitAfter_(exitAfter) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_ && qobject_cast<tessaron::TilePicture*>(watched)) {
            seen_ = true;
            // Runs once this paint pass has ended and been flushed to the screen.
            QTimer::singleShot(0, this, [this] {
                std::fputs("tessaron: first board paint\n", stderr);
                std::fflush(stderr);
                if (exitAfter_) std::_Exit(EXIT_SUCCESS);
            });
        }
        return false;
    }

private:
    bool exitAfter_;
    bool seen_ = false;
};

} // namespace

int main(int argc, char* argv[])
{
    using namespace tessaron;
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
    // The printing options need no display, so they are answered before the application.
    // Only they read the whole catalog here: a plain start is not kept waiting for it.
    const auto printing = [&arguments](const char* option) {
        return std::find(arguments.begin(), arguments.end(), option) != arguments.end();
    };
    if (printing("--list-layouts") || printing("--print-layout") || printing("--print-deal")) {
        UseParentConsole();
        const LayoutCatalog catalog;
        if (const auto exitCode = RunLayoutOption(catalog, arguments, std::cout, std::cerr)) return *exitCode;
        if (const auto exitCode = RunDealOption(catalog, arguments, std::cout, std::cerr)) return *exitCode;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaron"));
    // Lets desktops match the window to its desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tessaron.Tessaron"));
    QApplication::setWindowIcon(ProgramIcon());
    std::unique_ptr<FirstPaintMark> firstPaintMark;
    if (qEnvironmentVariableIsSet("TESSARON_FIRST_PAINT_MARK")) {
        firstPaintMark = std::make_unique<FirstPaintMark>(qEnvironmentVariable("TESSARON_FIRST_PAINT_MARK") == "exit");
        application.installEventFilter(firstPaintMark.get());
    }

    QLockFile instance(InstanceLockPath());
    instance.setStaleLockTime(0);  // only a dead owner makes the lock stale, never its age
    if (AnotherInstanceRuns(instance)) {
        QApplication::beep();
        return EXIT_SUCCESS;
    }

    QtSettingsStore store;
    QtSystemLocale systemLocale;
    QtMessageBox messageBox;
    ErrorReport errors(messageBox, [] {}, [] { std::_Exit(EXIT_FAILURE); });
    Registry settings(store, errors, systemLocale);
    QtPlatformTexts platformTexts;
    Locale texts(settings, errors, systemLocale, &platformTexts);
    texts.LoadLocaleFromRegistry();
    settings.CleanupRegistry();

    SystemClock clock;
    SeededRandomSource random = SeededRandomSource::FromClock();
    QtFileDialog fileDialog;
    QtLinkOpener links;
    ProgramInfo program;
    program.ProgramFolder = QCoreApplication::applicationDirPath().toStdString();
    // The audio layer outlives the player; the player is created on its first use.
    SdlMultimediaLayer media(texts);
    SharedSoundPlayer sound(media, settings, texts, errors, program.ProgramFolder);
    errors.SetStopSound([&sound] { sound.SoundStop(); });
    Services services{settings, texts, errors, messageBox, sound, random, clock, fileDialog, links, program};

    GameCompanions companions(services, sound);
    BoardOptions options;
    options.GameCreateShow = HasGameCreateShowOption(arguments);
    options.StartLayout = LayoutStartOption(arguments);
    options.StartDeal = ParseDealStartOptions(arguments, texts.LocaleStringBase);
    // Opened once the board is on screen, so the first paint does not wait for the file.
    options.OpenHistory = [](HistoryTrouble& trouble) -> std::unique_ptr<GameHistory> {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        return std::make_unique<SqliteGameHistory>(QDir(folder).filePath(QStringLiteral("history.sqlite")).toStdString(),
                                                   trouble);
    };
    frmBoard board(services, companions, std::move(options));
    board.show();
    return application.exec();
}
