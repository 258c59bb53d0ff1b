// Runs the suite named as the first argument (HallOfFameWindow, ...), or every suite.
#include "WindowSuites.h"

#include <QApplication>
#include <QTest>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    using namespace tessaron;
    const std::vector<std::pair<QString, std::function<std::unique_ptr<QObject>()>>> suites{
        {"HallOfFameWindow", [] { return std::make_unique<HallOfFameWindow>(); }},
        {"HallOfFameWindowsFlow", [] { return std::make_unique<HallOfFameWindowsFlow>(); }},
        {"PlayerDialog", [] { return std::make_unique<PlayerDialog>(); }},
        {"MessageDialog", [] { return std::make_unique<MessageDialog>(); }},
    };

    QStringList arguments = QApplication::arguments();
    QString only;
    if (arguments.size() > 1 && !arguments.at(1).startsWith('-')) only = arguments.takeAt(1);

    int failures = 0;
    bool ran = false;
    for (const auto& [name, make] : suites) {
        if (!only.isEmpty() && name != only) continue;
        ran = true;
        const std::unique_ptr<QObject> suite = make();
        failures += QTest::qExec(suite.get(), arguments);
    }
    return ran ? failures : 1;
}
