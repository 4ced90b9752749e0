// skyglass: the query plan viewer.
#include <windows.h>

#include "viewer_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    int exitCode = 0;
    if (!ViewerStart(instance, previous, commandLine, show, &exitCode)) return exitCode;
    exitCode = ViewerRunLoop();
    ViewerFinish();
    return exitCode;
}
