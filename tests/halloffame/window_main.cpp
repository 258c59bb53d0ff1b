// Runs the suite named as the first argument (HallOfFameWindow, ...), or every suite.
#include "WindowSuites.h"
#include "doubles/QtSuiteRunner.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    using namespace tessaron;
    return RunQtSuites({
        QtSuite<HallOfFameWindow>("HallOfFameWindow"),
        QtSuite<PlayerDialog>("PlayerDialog"),
    });
}
