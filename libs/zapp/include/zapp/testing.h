// Helpers for GUI tests: pumping, reading controls back, operating controls
// the way a user would, and reading menu states. In-process only (the
// program's windows live in the test's own process).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class zApp;

namespace zapp {
namespace testing {

// The process's zApp, made on first use (with GetModuleHandle(NULL)) when the
// test did not make one.
zApp& app();

// zApp::pumpUntil / pumpPending of app(). Default bound 5 s.
bool pumpUntil(std::function<bool()> cond, unsigned timeoutMs = 5000);
void pumpPending();

// --- reading controls back ---------------------------------------------------
std::string text(HWND wnd);
std::string controlText(HWND dlg, int id);
bool exists(HWND dlg, int id);
bool isChecked(HWND dlg, int id);
bool isEnabled(HWND dlg, int id);
bool isVisible(HWND dlg, int id);
std::vector<std::string> listItems(HWND dlg, int id);
int listSelection(HWND dlg, int id);
int listHorizontalExtent(HWND dlg, int id);

// --- operating controls --------------------------------------------------------
// Clicks a button as a user would: nothing (false) when it is missing,
// disabled or hidden; an automatic check box toggles first; then the dialog
// receives WM_COMMAND(id, BN_CLICKED).
bool clickButton(HWND dlg, int id);
// Selects row i of a list box and notifies the dialog (LBN_SELCHANGE), as a
// user's click does. False when the list or the row is missing.
bool selectListItem(HWND dlg, int id, int i);
// Types a text into an edit (WM_SETTEXT; the edit sends EN_CHANGE).
void setEditText(HWND dlg, int id, const std::string& text);
// A menu or accelerator command to a window (WM_COMMAND, lParam 0), sent.
void sendCommand(HWND wnd, int id);
// F1 pressed while wnd has the focus: a WM_KEYDOWN VK_F1 posted to wnd and
// pumped through the loop's routing.
void pressF1(HWND wnd);

// --- menus ------------------------------------------------------------------------
struct MenuItemState {
  bool found = false;
  bool enabled = false;  // neither MF_GRAYED nor MF_DISABLED
  bool checked = false;
  std::string text;
};
// A command item anywhere in the menu, by id.
MenuItemState menuItem(HMENU menu, int id);
// The texts of the entries at the top level of a menu bar (popups included).
std::vector<std::string> menuBarTexts(HMENU menu);
// The command ids of a popup at a top-level position (empty when none).
std::vector<int> popupIds(HMENU menu, int position);

// Top-level visible windows of this thread whose title equals title.
HWND findTopWindow(const std::string& title);

}  // namespace testing
}  // namespace zapp
