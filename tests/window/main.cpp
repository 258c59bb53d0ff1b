// Runs every window test class; the process fails when any of them fails.
#include <QApplication>

int RunBoardWindowTests(int argc, char** argv);
int RunBoardKeyboardTests(int argc, char** argv);
int RunHintTests(int argc, char** argv);
int RunDialogsTests(int argc, char** argv);
int RunBoardPartsTests(int argc, char** argv);
int RunPreferencesTests(int argc, char** argv);
int RunShuffleWindowTests(int argc, char** argv);
int RunDemoTests(int argc, char** argv);
int RunBoardLayoutsTests(int argc, char** argv);
int RunDealsWindowTests(int argc, char** argv);

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    int failures = 0;
    failures += RunBoardWindowTests(argc, argv);
    failures += RunBoardKeyboardTests(argc, argv);
    failures += RunHintTests(argc, argv);
    failures += RunDialogsTests(argc, argv);
    failures += RunBoardPartsTests(argc, argv);
    failures += RunPreferencesTests(argc, argv);
    failures += RunShuffleWindowTests(argc, argv);
    failures += RunDemoTests(argc, argv);
    failures += RunBoardLayoutsTests(argc, argv);
    failures += RunDealsWindowTests(argc, argv);
    return failures == 0 ? 0 : 1;
}
