// Runs every robustness test class; the process fails when any of them fails.
#include "RobustnessSuites.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    int failures = 0;
    failures += tessaron::RunGameFileSafetyTests(argc, argv);
    failures += tessaron::RunDamagedSettingsTests(argc, argv);
    failures += tessaron::RunHallOfFameOnDiskTests(argc, argv);
    return failures == 0 ? 0 : 1;
}
