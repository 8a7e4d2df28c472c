#pragma once

// The command line's messages and exit status reach the console it was started from. On
// Windows a program built for the window (the GUI subsystem) gets no console of its own: this
// attaches it to its parent's console (cmd, PowerShell) and points the standard streams that
// were not redirected there. Elsewhere, and where a console is there already, it does nothing.
// Free of Qt, so that it can be checked on its own.
namespace ConsoleAttach {

// True when the messages reach the caller: a console, or streams it redirected to a file or
// a pipe (cmd /c with its output in files, a service).
bool toParentConsole();

} // namespace ConsoleAttach
