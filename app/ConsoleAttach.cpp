#include "app/ConsoleAttach.h"

#ifdef _WIN32
#include <windows.h>

#include <cstdio>
#include <io.h>

namespace {

bool redirected(DWORD which)
{
    const HANDLE handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

// A stream the caller did not redirect (no handle of its own) is pointed at the console, and
// its descriptor is made the standard one again (0, 1, 2), as the direct writes expect.
void reopen(std::FILE *stream, DWORD which, const char *device, const char *mode, int number)
{
    if (redirected(which) && _fileno(stream) >= 0)
        return;
    if (std::freopen(device, mode, stream) == nullptr)
        return;
    if (_fileno(stream) != number)
        _dup2(_fileno(stream), number);
    setvbuf(stream, nullptr, number == 2 ? _IONBF : _IOLBF, 0);
}

} // namespace

bool ConsoleAttach::toParentConsole()
{
    // A console program (the .com twin) or one started with a console has it already.
    if (GetConsoleWindow() != nullptr)
        return true;
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) {
        // No console to attach to (a service, a script with its output in files): the
        // streams the caller redirected still arrive.
        return redirected(STD_OUTPUT_HANDLE) || redirected(STD_ERROR_HANDLE);
    }
    reopen(stdin, STD_INPUT_HANDLE, "CONIN$", "r", 0);
    reopen(stdout, STD_OUTPUT_HANDLE, "CONOUT$", "w", 1);
    reopen(stderr, STD_ERROR_HANDLE, "CONOUT$", "w", 2);
    return true;
}

#else

bool ConsoleAttach::toParentConsole()
{
    return true;
}

#endif
