#include "shell/wait_dlg.h"

#include <cstdio>

#include "shell/shell_services.h"
#include "vigilkit_ids.h"

namespace {

// The dialog names its resource library itself, as the library's base name
// and file-name format give it.
std::string waitLibraryName()
{
    char name[32];
    std::snprintf(name, sizeof name, VIGILKIT_MODULE_FORMAT, VIGILKIT_MODULE_BASE);
    return name;
}

} // namespace

TWaitDlg::TWaitDlg(zWindow* parent) : zDialogFrame(parent, zResId(IDD_WAIT, waitLibraryName()))
{
    built_ = create();
    if (!built_) return;
    setCaption(loadStringCopy(IDS_WAIT_CAPTION));
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    setBackground(face);
    setControlBackground(IDC_WAIT_TEXT, face);
}

bool TWaitDlg::OnCommand(int, int, HWND)
{
    // Not even Escape closes it: the check it waits for ends it.
    return true;
}
