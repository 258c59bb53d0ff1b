#pragma once
// A main for a QtTest executable that holds several suites: it runs the suite named as the
// first argument, or every suite, so CTest can register each suite as a test of its own.
#include <QApplication>
#include <QStringList>
#include <QTest>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace tessaron {

using QtSuiteList = std::vector<std::pair<QString, std::function<std::unique_ptr<QObject>()>>>;

template <class Suite>
std::pair<QString, std::function<std::unique_ptr<QObject>()>> QtSuite(const char* name)
{
    return {QString::fromLatin1(name), [] { return std::make_unique<Suite>(); }};
}

// Needs a QApplication. Returns the number of failed test functions; 1 for an unknown name.
inline int RunQtSuites(const QtSuiteList& suites)
{
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

} // namespace tessaron
