// A GUI-subsystem program that does what the command line does on Windows: it attaches to the
// console of whoever started it and prints its messages there, on the standard output through
// the C stream and through the descriptor (as a download to "-" does), and on the error stream,
// then ends with status 6, which its caller must get.
#include "app/ConsoleAttach.h"

#include <cstdio>
#include <cstring>
#include <io.h>

int main()
{
    const bool attached = ConsoleAttach::toParentConsole();
    std::printf("console-probe: stdout %s\n", attached ? "reaches the caller" : "lost");
    std::fflush(stdout);
    const char direct[] = "console-probe: descriptor 1\n";
    const bool written = _write(1, direct, unsigned(std::strlen(direct))) > 0;
    std::fprintf(stderr, "console-probe: stderr\n");
    return attached && written ? 6 : 1;
}
