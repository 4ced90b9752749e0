// Program entry of the monitor: makes the application object and hands it to
// the entry routine.
#include <windows.h>

#include "shell/entry.h"
#include "zapp/app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    zApp app(instance);
    return vigilkitEntry(app, StartupEnv::real());
}
