// The single-instance rule, on real lock files and with the real game started twice.
#include "shell/InstanceLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tessaron {
namespace {

// Only a lock held by a running instance says "already running"; every other lock error
// lets the game start.
TEST(InstanceLock, OnlyALockHeldByARunningInstanceStopsTheStart)
{
    enum Place { HeldByARunningInstance, FolderInItsPlace, ForeignFileInItsPlace, NoFolderForIt };
    for (const Place place : {HeldByARunningInstance, FolderInItsPlace, ForeignFileInItsPlace, NoFolderForIt}) {
        QTemporaryDir temporary;
        const QDir folder(temporary.path());
        QLockFile holder(folder.filePath("tessaron.lock"));
        QFile foreign(folder.filePath(place == NoFolderForIt ? "NotAFolder" : "tessaron.lock"));
        if (place == HeldByARunningInstance) {
            EXPECT_TRUE(holder.tryLock(0));
        } else if (place == FolderInItsPlace) {
            EXPECT_TRUE(folder.mkdir("tessaron.lock"));
        } else {
            EXPECT_TRUE(foreign.open(QIODevice::WriteOnly));
            foreign.close();
        }
        QLockFile lock(folder.filePath(place == NoFolderForIt ? "NotAFolder/tessaron.lock" : "tessaron.lock"));
        lock.setStaleLockTime(0);
        EXPECT_EQ(AnotherInstanceRuns(lock), place == HeldByARunningInstance) << place;
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
    for (const QString kind : {"config", "data", "cache"})
        environment.insert("XDG_" + kind.toUpper() + "_HOME", home.filePath(kind));
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
