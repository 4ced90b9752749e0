// Control wrappers attached to a dialog's controls by id.
#include "zapp/controls.h"

#include <commctrl.h>

#include <cctype>
#include <vector>

zControl::zControl(zDialogFrame* dlg, int id)
    : zWindow(dlg ? dlg->control(id) : nullptr), dlg_(dlg), id_(id) {
  parent_ = dlg;
}

void zControl::setBackground(COLORREF colour) {
  if (dlg_) dlg_->setControlBackground(id_, colour);
}

// ---------------------------------------------------------------------------
void zCheckBox::check(bool on) { send(BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED); }

bool zCheckBox::checked() const { return send(BM_GETCHECK) == BST_CHECKED; }

// ---------------------------------------------------------------------------
namespace {
// A list box fixes its notification style at creation, so a list made
// without LBS_NOTIFY is watched instead: when user input (mouse or keys)
// changes its selection, the dialog gets the LBN_SELCHANGE the list would
// have sent. Programmatic changes (LB_SETCURSEL) notify nothing, as with
// LBS_NOTIFY.
LRESULT CALLBACK selChangeSubclass(HWND h, UINT m, WPARAM w, LPARAM l, UINT_PTR id, DWORD_PTR) {
  switch (m) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_MOUSEWHEEL:
    case WM_KEYDOWN:
    case WM_CHAR: {
      LRESULT before = SendMessageA(h, LB_GETCURSEL, 0, 0);
      LRESULT r = DefSubclassProc(h, m, w, l);
      if (IsWindow(h)) {
        LRESULT after = SendMessageA(h, LB_GETCURSEL, 0, 0);
        if (after != before && after >= 0)
          SendMessageA(GetParent(h), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), LBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(h));
      }
      return r;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(h, selChangeSubclass, id);
      break;
    default:
      break;
  }
  return DefSubclassProc(h, m, w, l);
}
}  // namespace

zListBoxUnsorted::zListBoxUnsorted(zDialogFrame* dlg, int id) : zControl(dlg, id) {
  if (!hwnd_) return;
  if (!(GetWindowLongPtrA(hwnd_, GWL_STYLE) & LBS_NOTIFY))
    SetWindowSubclass(hwnd_, selChangeSubclass, 1, 0);
}

int zListBoxUnsorted::add(const std::string& text) {
  if (!hwnd_) return -1;
  // Insert at the end rather than LB_ADDSTRING, so that the order is ours
  // even should a template give the list LBS_SORT.
  LRESULT r = send(LB_INSERTSTRING, WPARAM(-1), reinterpret_cast<LPARAM>(text.c_str()));
  return r < 0 ? -1 : int(r);
}

void zListBoxUnsorted::clear() { send(LB_RESETCONTENT); }

int zListBoxUnsorted::count() const {
  LRESULT r = send(LB_GETCOUNT);
  return r < 0 ? 0 : int(r);
}

int zListBoxUnsorted::selection() const {
  if (!hwnd_) return -1;
  LRESULT r = send(LB_GETCURSEL);
  return r < 0 ? -1 : int(r);
}

void zListBoxUnsorted::setSelection(int i) {
  if (i < 0 || i >= count()) i = -1;
  send(LB_SETCURSEL, WPARAM(i));
}

std::string zListBoxUnsorted::text(int i) const {
  if (i < 0 || i >= count()) return std::string();
  LRESULT n = send(LB_GETTEXTLEN, WPARAM(i));
  if (n <= 0) return std::string();
  std::vector<char> buf(size_t(n) + 1, '\0');
  LRESULT got = send(LB_GETTEXT, WPARAM(i), reinterpret_cast<LPARAM>(buf.data()));
  return got < 0 ? std::string() : std::string(buf.data(), size_t(got));
}

void zListBoxUnsorted::setHorizontalExtent(int pixels) {
  send(LB_SETHORIZONTALEXTENT, WPARAM(pixels < 0 ? 0 : pixels));
}

void zListBoxUnsorted::deleteItem(int i) {
  if (i >= 0 && i < count()) send(LB_DELETESTRING, WPARAM(i));
}

// ---------------------------------------------------------------------------
void zEditLine::setNumber(unsigned long value) { setText(std::to_string(value)); }

bool zEditLine::number(unsigned long& value) const {
  std::string s = getText();
  size_t b = 0, e = s.size();
  while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
  while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
  if (b == e) return false;
  unsigned long long v = 0;
  for (size_t i = b; i < e; ++i) {
    if (s[i] < '0' || s[i] > '9') return false;
    v = v * 10 + unsigned(s[i] - '0');
    if (v > 0xFFFFFFFFull) return false;
  }
  value = static_cast<unsigned long>(v);
  return true;
}

void zEditLine::limitText(int chars) { send(EM_LIMITTEXT, WPARAM(chars < 0 ? 0 : chars)); }
