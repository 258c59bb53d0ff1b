#pragma once
// The QtTest classes of this folder, run one after another by main.cpp.
#include <QtGlobal>
#include <QString>

namespace tessaron {
// The offscreen platform warns at every window resize; QtTest installs its own message
// handler when a class starts, so the filter goes in front of it then.
inline void QuietOffscreenWarnings()
{
    static QtMessageHandler next = nullptr;
    next = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (!message.contains(QLatin1String("propagateSizeHints")) && next) next(type, context, message);
    });
}

int RunGameFileSafetyTests(int argc, char** argv);
int RunDamagedSettingsTests(int argc, char** argv);
int RunHallOfFameOnDiskTests(int argc, char** argv);
} // namespace tessaron
