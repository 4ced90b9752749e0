// The monitor's entry routine: the start-up checks of its three outside
// libraries, then the main window and the message loop.
#pragma once
#include <functional>
#include <windows.h>

class zApp;
class zWindow;

// What the start-up checks call; the defaults are the real libraries. Tests
// replace single members to play a library of another version or one that
// lacks an export.
struct StartupEnv {
    std::function<void(unsigned long version[3])> resourceLibraryVersion;
    std::function<HMODULE(const char* name)> loadLibrary;
    std::function<FARPROC(HMODULE module, const char* name)> getProc;
    std::function<void(HMODULE module)> freeLibrary;
    std::function<zWindow*()> createMainWindow;

    static StartupEnv real();
};

// Runs checks 1-5 in order; 0 when all passed, else the number of the check
// that failed after its one box has been shown.
int runStartupChecks(const StartupEnv& env);

// The whole entry routine: checks, main window, message loop, deletion.
// Returns the application's exit code (1 when a check failed).
int vigilkitEntry(zApp& app, const StartupEnv& env);
