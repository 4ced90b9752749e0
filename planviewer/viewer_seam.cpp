#include "viewer_seam.h"

namespace {

ViewerMessageBoxHook g_messageBox = nullptr;
ViewerBeepHook g_beep = nullptr;
ViewerOpenDialogHook g_openDialog = nullptr;

} // namespace

int ViewerMessageBox(HWND owner, const char* text, const char* caption, UINT type)
{
    if (g_messageBox) return g_messageBox(owner, text, caption, type);
    return MessageBoxA(owner, text, caption, type);
}

void ViewerBeep(UINT type)
{
    if (g_beep) {
        g_beep(type);
        return;
    }
    MessageBeep(type);
}

BOOL ViewerOpenDialog(OPENFILENAMEA* ofn)
{
    if (g_openDialog) return g_openDialog(ofn);
    return GetOpenFileNameA(ofn);
}

void SetViewerMessageBoxHook(ViewerMessageBoxHook hook) { g_messageBox = hook; }
void SetViewerBeepHook(ViewerBeepHook hook) { g_beep = hook; }
void SetViewerOpenDialogHook(ViewerOpenDialogHook hook) { g_openDialog = hook; }
