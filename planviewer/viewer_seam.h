// The viewer's one seam to the user: message boxes, the beep and the open-file
// dialog go through here, so that tests can record and answer them.
#pragma once
#include <windows.h>
#include <commdlg.h>

using ViewerMessageBoxHook = int (*)(HWND owner, const char* text, const char* caption, UINT type);
using ViewerBeepHook = void (*)(UINT type);
// Fills ofn->lpstrFile and answers TRUE for OK, FALSE for Cancel.
using ViewerOpenDialogHook = BOOL (*)(OPENFILENAMEA* ofn);

int ViewerMessageBox(HWND owner, const char* text, const char* caption, UINT type);
void ViewerBeep(UINT type);
BOOL ViewerOpenDialog(OPENFILENAMEA* ofn);

// nullptr restores the platform's own.
void SetViewerMessageBoxHook(ViewerMessageBoxHook hook);
void SetViewerBeepHook(ViewerBeepHook hook);
void SetViewerOpenDialogHook(ViewerOpenDialogHook hook);
