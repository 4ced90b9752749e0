#include "shell/about_dlg.h"

#include "monitor_ids.h"
#include "shell/icon_pane.h"
#include "shell/main_window.h"

namespace {
constexpr int kIconPaneSize = 60;
}

TAboutDlg::TAboutDlg(TMainWindow& main) : zDialogFrame(&main, zResId(IDD_ABOUT)), main_(main) {}

bool TAboutDlg::OnInit()
{
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    setBackground(face);
    for (int id : {IDC_ABOUT_LINE1, IDC_ABOUT_LINE2, IDC_ABOUT_COPYRIGHT, IDC_ABOUT_VERSION})
        setControlBackground(id, face);
    TMainWindow::centreWindow(*this, true);

    setCaption(main_.aboutCaption());
    SetDlgItemTextA(hwnd(), IDC_ABOUT_LINE1, main_.aboutLine1().c_str());
    SetDlgItemTextA(hwnd(), IDC_ABOUT_LINE2, main_.aboutLine2().c_str());

    // The template's icon control only marks where the pane goes.
    HWND placeholder = control(IDC_ABOUT_ICON);
    RECT at = {0, 0, 0, 0};
    if (placeholder) {
        GetWindowRect(placeholder, &at);
        MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&at), 2);
        ShowWindow(placeholder, SW_HIDE);
    }
    const RECT pane = {at.left, at.top, at.left + kIconPaneSize, at.top + kIconPaneSize};
    icon_ = new QelIconPane(this, pane, IDI_VIGILKIT, iconModule_);
    icon_->show();
    return true;
}
