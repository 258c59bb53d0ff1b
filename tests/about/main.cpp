// Runs the suite named as the first argument (AboutDialog, ...), or every suite.
#include "AboutSuites.h"

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
        {"AboutLayoutRule", [] { return std::make_unique<AboutLayoutRule>(); }},
        {"AboutDialog", [] { return std::make_unique<AboutDialog>(); }},
        {"LinkOpener", [] { return std::make_unique<LinkOpenerTest>(); }},
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
