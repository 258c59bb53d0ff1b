// The single-instance rule, on real lock files and with the real game started twice.
#include "shell/InstanceLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace tessaron {
namespace {

// Only a lock held by a running instance says "already running"; every other lock error
// lets the game start.
TEST(InstanceLock, OnlyALockHeldByARunningInstanceStopsTheStart)
{
    std::unique_ptr<QLockFile> holder;
    // Each case prepares a folder and gives the lock path the game would use there.
    using Setup = std::function<QString(const QDir& folder)>;
    const std::vector<std::pair<const char*, Setup>> cases{
        {"held by a running instance",
         [&holder](const QDir& folder) {
             holder = std::make_unique<QLockFile>(folder.filePath("tessaron.lock"));
             EXPECT_TRUE(holder->tryLock(0));
             return folder.filePath("tessaron.lock");
         }},
        {"folder in its place",
         [](const QDir& folder) {
             EXPECT_TRUE(folder.mkdir("tessaron.lock"));
             return folder.filePath("tessaron.lock");
         }},
        {"foreign file in its place",
         [](const QDir& folder) {
             QFile file(folder.filePath("tessaron.lock"));
             EXPECT_TRUE(file.open(QIODevice::WriteOnly));
             return file.fileName();
         }},
        {"no folder for it",
         [](const QDir& folder) {
             QFile blocker(folder.filePath("NotAFolder"));
             EXPECT_TRUE(blocker.open(QIODevice::WriteOnly));
             return folder.filePath("NotAFolder/tessaron.lock");
         }},
    };
    for (const auto& [name, setup] : cases) {
        QTemporaryDir folder;
        QLockFile lock(setup(QDir(folder.path())));
        lock.setStaleLockTime(0);
        EXPECT_EQ(AnotherInstanceRuns(lock), holder != nullptr) << name;
        holder.reset();
    }
}

#ifdef TESSARON_GAME_PATH
// The real game in two processes over one temporary home: the second ends at once, the
// first plays on.
TEST(SecondInstance, EndsAtOnceWhileTheFirstKeepsRunning)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QString runtime = home.filePath("runtime");
    ASSERT_TRUE(QDir().mkpath(runtime));
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("SDL_AUDIODRIVER", "dummy");
    environment.insert("HOME", home.path());
    environment.insert("XDG_RUNTIME_DIR", runtime);
    environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
    environment.insert("XDG_DATA_HOME", home.filePath("data"));
    environment.insert("XDG_CACHE_HOME", home.filePath("cache"));
    // Under the sanitizers the exit code must tell of the start only, not of leaks at exit.
    const QString sanitizer = environment.value("ASAN_OPTIONS");
    environment.insert("ASAN_OPTIONS", (sanitizer.isEmpty() ? "" : sanitizer + ":") + "detect_leaks=0");
    const QString lockPath = QDir(runtime).filePath("tessaron.lock");

    QProcess first;
    first.setProcessEnvironment(environment);
    first.start(QStringLiteral(TESSARON_GAME_PATH), {});
    ASSERT_TRUE(first.waitForStarted(10000));
    // The lock marks the first instance as running; an early end of it is a failure.
    for (int waited = 0; waited < 200 && !QFileInfo::exists(lockPath); ++waited)
        if (first.waitForFinished(100)) break;
    ASSERT_EQ(first.state(), QProcess::Running) << first.readAllStandardError().toStdString();
    ASSERT_TRUE(QFileInfo::exists(lockPath));

    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(QStringLiteral(TESSARON_GAME_PATH), {});
    const bool secondEnded = second.waitForFinished(20000);
    EXPECT_TRUE(secondEnded);
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_FALSE(first.waitForFinished(300));
    EXPECT_EQ(first.state(), QProcess::Running);

    if (!secondEnded) second.kill();
    first.kill();
    EXPECT_TRUE(first.waitForFinished(10000));
    second.waitForFinished(10000);
}
#endif

} // namespace
} // namespace tessaron
