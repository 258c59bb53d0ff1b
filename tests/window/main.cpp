// Runs every window test class; the process fails when any of them fails.
#include <QApplication>

int RunBoardPlayTests(int argc, char** argv);
int RunBoardGameTests(int argc, char** argv);
int RunBoardKeyboardTests(int argc, char** argv);
int RunHintTests(int argc, char** argv);
int RunProgressWindowTests(int argc, char** argv);
int RunBoardMenusTests(int argc, char** argv);
int RunPlatformDialogsTests(int argc, char** argv);

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    int failures = 0;
    failures += RunBoardPlayTests(argc, argv);
    failures += RunBoardGameTests(argc, argv);
    failures += RunBoardKeyboardTests(argc, argv);
    failures += RunHintTests(argc, argv);
    failures += RunProgressWindowTests(argc, argv);
    failures += RunBoardMenusTests(argc, argv);
    failures += RunPlatformDialogsTests(argc, argv);
    return failures == 0 ? 0 : 1;
}
