#pragma once

#include <functional>
#include <string>

// Starts the program a command line names, with what follows as its argument, and does not
// wait for it. "explorer.exe" with an address stands for the desktop's URL opener. Returns a
// value above 31 when the program started, else a small error number; nobody is told either way.
unsigned WinExec(const char* commandLine, unsigned showCommand);

// While set, WinExec hands its command line and show command to the hook instead of starting
// anything. For tests.
void SetWinExecHookForTesting(std::function<unsigned(const std::string&, unsigned)> hook);
