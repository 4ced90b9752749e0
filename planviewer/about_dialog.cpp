// About dialog 202: the program's icon, name and version.
#include "resource.h"
#include "viewer_app.h"
#include "viewer_state.h"

namespace {

INT_PTR CALLBACK aboutProc(HWND dlg, UINT msg, WPARAM wp, LPARAM)
{
    switch (msg) {
    case WM_INITDIALOG:
        CentreDialog(dlg);
        return TRUE;
    case WM_COMMAND:
        if (EndOnOkOrCancel(dlg, wp)) return TRUE;
        break;
    }
    return FALSE;
}

} // namespace

void RunAboutDialog(HWND owner)
{
    DialogBoxParamA(g_viewer.instance, MAKEINTRESOURCEA(IDD_ABOUT), owner, aboutProc, 0);
}
