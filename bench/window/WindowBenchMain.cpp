// Opens the real board window offscreen once and runs the window benchmarks against it.
#include "BoardWindowBench.h"
#include "WindowBenches.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <cstdio>

namespace tessaron {

std::string BenchmarkName(const char* name)
{
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen")) return name;
    return std::string(name) + '_' + platform.toStdString();
}

} // namespace tessaron

namespace {
// The offscreen platform warns at every window it shows that it keeps no size hints.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("propagateSizeHints"))) return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}
} // namespace

int main(int argc, char** argv)
{
    // Offscreen unless the caller chose a platform (e.g. xcb under Xvfb).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietMessages);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

    tessaron::BoardWindowBench bench;
    if (!bench.Open()) {
        std::fprintf(stderr, "The board window built no deal.\n");
        return 1;
    }
    tessaron::RegisterNewGameBenchmarks(bench);
    tessaron::RegisterTileClickBenchmarks(bench);
    tessaron::RegisterResizeBenchmarks(bench);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
