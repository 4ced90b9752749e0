// SQL statement dialog 207: the current statement in a larger, scrolling
// edit. Changes made in it are not kept.
#include "loader.h"
#include "resource.h"
#include "viewer_app.h"
#include "viewer_state.h"

namespace {

INT_PTR CALLBACK statementProc(HWND dlg, UINT msg, WPARAM wp, LPARAM)
{
    switch (msg) {
    case WM_INITDIALOG: {
        CentreDialog(dlg);
        SetWindowTextA(dlg, ViewerString(IDS_STATEMENT_CAPTION).c_str());
        HWND edit = GetDlgItem(dlg, IDC_STATEMENT_TEXT);
        SendMessageA(edit, EM_LIMITTEXT, 0, 0);
        SetWindowTextA(edit, reinterpret_cast<const char*>(g_viewer.statement));
        return TRUE;
    }
    case WM_COMMAND:
        if (EndOnOkOrCancel(dlg, wp)) return TRUE;
        break;
    }
    return FALSE;
}

} // namespace

void RunStatementDialog(HWND owner)
{
    DialogBoxParamA(g_viewer.instance, MAKEINTRESOURCEA(IDD_STATEMENT), owner, statementProc, 0);
}
