// Goto dialog 206: asks for a plan number.
#include "resource.h"
#include "viewer_app.h"
#include "viewer_state.h"

namespace {

struct GotoAnswer {
    uint32_t number = 0;
    bool valid = false;
};

INT_PTR CALLBACK gotoProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dlg, DWLP_USER, lp);
        CentreDialog(dlg);
        SetFocus(GetDlgItem(dlg, IDC_GOTO_NUMBER));
        return FALSE; // the focus is set
    case WM_COMMAND:
        switch (LOWORD(wp)) {
        case IDOK: {
            GotoAnswer* answer = reinterpret_cast<GotoAnswer*>(GetWindowLongPtrA(dlg, DWLP_USER));
            BOOL translated = FALSE;
            answer->number = GetDlgItemInt(dlg, IDC_GOTO_NUMBER, &translated, FALSE);
            answer->valid = translated != FALSE;
            EndDialog(dlg, IDOK);
            return TRUE;
        }
        case IDCANCEL:
            EndDialog(dlg, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

} // namespace

bool RunGotoDialog(HWND owner, uint32_t* number, bool* valid)
{
    GotoAnswer answer;
    const INT_PTR rc = DialogBoxParamA(g_viewer.instance, MAKEINTRESOURCEA(IDD_GOTO), owner, gotoProc,
                                       reinterpret_cast<LPARAM>(&answer));
    *number = answer.number;
    *valid = answer.valid;
    return rc == IDOK;
}
