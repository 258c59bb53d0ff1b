// Runs the suite named as the first argument (AboutDialog, ...), or every suite.
#include "AboutSuites.h"
#include "doubles/QtSuiteRunner.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    using namespace tessaron;
    return RunQtSuites({
        QtSuite<AboutLayoutRule>("AboutLayoutRule"),
        QtSuite<AboutDialog>("AboutDialog"),
        QtSuite<LinkOpenerTest>("LinkOpener"),
    });
}
