// Helpers for GUI tests.
#include "zapp/testing.h"

#include "zapp/app.h"

#include <memory>
#include <vector>

namespace zapp {
namespace testing {

zApp& app() {
  static std::unique_ptr<zApp> own;
  if (zApp* a = zApp::instance()) return *a;
  own.reset(new zApp(GetModuleHandleA(nullptr)));
  return *own;
}

bool pumpUntil(std::function<bool()> cond, unsigned timeoutMs) {
  return app().pumpUntil(std::move(cond), timeoutMs);
}

void pumpPending() { app().pumpPending(); }

std::string text(HWND wnd) {
  if (!wnd) return std::string();
  int n = GetWindowTextLengthA(wnd);
  if (n <= 0) return std::string();
  std::vector<char> buf(size_t(n) + 1);
  int got = GetWindowTextA(wnd, buf.data(), n + 1);
  return std::string(buf.data(), size_t(got > 0 ? got : 0));
}

std::string controlText(HWND dlg, int id) { return text(GetDlgItem(dlg, id)); }

bool exists(HWND dlg, int id) { return GetDlgItem(dlg, id) != nullptr; }

bool isChecked(HWND dlg, int id) {
  HWND c = GetDlgItem(dlg, id);
  return c && SendMessageA(c, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool isEnabled(HWND dlg, int id) {
  HWND c = GetDlgItem(dlg, id);
  return c && IsWindowEnabled(c);
}

bool isVisible(HWND dlg, int id) {
  HWND c = GetDlgItem(dlg, id);
  return c && (GetWindowLongPtrA(c, GWL_STYLE) & WS_VISIBLE);
}

std::vector<std::string> listItems(HWND dlg, int id) {
  std::vector<std::string> out;
  HWND c = GetDlgItem(dlg, id);
  if (!c) return out;
  LRESULT n = SendMessageA(c, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < n; ++i) {
    LRESULT len = SendMessageA(c, LB_GETTEXTLEN, WPARAM(i), 0);
    std::vector<char> buf(size_t(len > 0 ? len : 0) + 1, '\0');
    LRESULT got = SendMessageA(c, LB_GETTEXT, WPARAM(i), reinterpret_cast<LPARAM>(buf.data()));
    out.emplace_back(buf.data(), size_t(got > 0 ? got : 0));
  }
  return out;
}

int listSelection(HWND dlg, int id) {
  HWND c = GetDlgItem(dlg, id);
  if (!c) return -1;
  LRESULT r = SendMessageA(c, LB_GETCURSEL, 0, 0);
  return r < 0 ? -1 : int(r);
}

int listHorizontalExtent(HWND dlg, int id) {
  HWND c = GetDlgItem(dlg, id);
  return c ? int(SendMessageA(c, LB_GETHORIZONTALEXTENT, 0, 0)) : 0;
}

bool clickButton(HWND dlg, int id) {
  HWND c = GetDlgItem(dlg, id);
  if (!c || !IsWindowEnabled(c) || !(GetWindowLongPtrA(c, GWL_STYLE) & WS_VISIBLE)) return false;
  LONG_PTR type = GetWindowLongPtrA(c, GWL_STYLE) & BS_TYPEMASK;
  if (type == BS_AUTOCHECKBOX) {
    LRESULT s = SendMessageA(c, BM_GETCHECK, 0, 0);
    SendMessageA(c, BM_SETCHECK, s == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED, 0);
  } else if (type == BS_AUTORADIOBUTTON) {
    SendMessageA(c, BM_SETCHECK, BST_CHECKED, 0);
  } else if (type == BS_AUTO3STATE) {
    LRESULT s = SendMessageA(c, BM_GETCHECK, 0, 0);
    SendMessageA(c, BM_SETCHECK, s == BST_UNCHECKED ? BST_CHECKED
                                 : s == BST_CHECKED ? BST_INDETERMINATE : BST_UNCHECKED, 0);
  }
  SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(c));
  return true;
}

bool selectListItem(HWND dlg, int id, int i) {
  HWND c = GetDlgItem(dlg, id);
  if (!c || i < 0 || i >= int(SendMessageA(c, LB_GETCOUNT, 0, 0))) return false;
  SendMessageA(c, LB_SETCURSEL, WPARAM(i), 0);
  SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(c));
  return true;
}

void setEditText(HWND dlg, int id, const std::string& s) { SetDlgItemTextA(dlg, id, s.c_str()); }

void sendCommand(HWND wnd, int id) { SendMessageA(wnd, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

void pressF1(HWND wnd) {
  PostMessageA(wnd, WM_KEYDOWN, VK_F1, 0x003B0001);
  pumpPending();
}

MenuItemState menuItem(HMENU menu, int id) {
  MenuItemState st;
  if (!menu) return st;
  UINT s = GetMenuState(menu, UINT(id), MF_BYCOMMAND);
  if (s == UINT(-1)) return st;
  st.found = true;
  st.enabled = (s & (MF_GRAYED | MF_DISABLED)) == 0;
  st.checked = (s & MF_CHECKED) != 0;
  char buf[256] = "";
  GetMenuStringA(menu, UINT(id), buf, sizeof buf, MF_BYCOMMAND);
  st.text = buf;
  return st;
}

std::vector<std::string> menuBarTexts(HMENU menu) {
  std::vector<std::string> out;
  int n = menu ? GetMenuItemCount(menu) : 0;
  for (int i = 0; i < n; ++i) {
    char buf[256] = "";
    GetMenuStringA(menu, UINT(i), buf, sizeof buf, MF_BYPOSITION);
    out.emplace_back(buf);
  }
  return out;
}

std::vector<int> popupIds(HMENU menu, int position) {
  std::vector<int> out;
  HMENU sub = menu ? GetSubMenu(menu, position) : nullptr;
  int n = sub ? GetMenuItemCount(sub) : 0;
  for (int i = 0; i < n; ++i) out.push_back(int(GetMenuItemID(sub, i)));
  return out;
}

namespace {
struct FindTop {
  const std::string* title;
  HWND found;
};
BOOL CALLBACK findTopProc(HWND h, LPARAM l) {
  auto* f = reinterpret_cast<FindTop*>(l);
  if (IsWindowVisible(h) && text(h) == *f->title) {
    f->found = h;
    return FALSE;
  }
  return TRUE;
}
}  // namespace

HWND findTopWindow(const std::string& title) {
  FindTop f{&title, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), findTopProc, reinterpret_cast<LPARAM>(&f));
  return f.found;
}

}  // namespace testing
}  // namespace zapp
