#include "shell/ParentConsole.h"

#ifdef _WIN32
#include <windows.h>

#include <cstdio>
#include <iostream>
#endif

namespace tessaron {

void UseParentConsole()
{
#ifdef _WIN32
    // Started from Explorer there is no parent console: the output goes nowhere, as before.
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
    FILE* stream = nullptr;
    freopen_s(&stream, "CONOUT$", "w", stdout);
    freopen_s(&stream, "CONOUT$", "w", stderr);
    std::cout.clear();
    std::cerr.clear();
#endif
}

} // namespace tessaron
