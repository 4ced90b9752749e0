// zWindow and the two static procedures that forward to the C++ objects.
#include "zapp/window.h"

#include "zapp/app.h"
#include "zapp/dialog.h"

#include <vector>

namespace {
// The window property that holds the C++ object of a window of this layer.
const char kObjectProp[] = "zApp.object";
}  // namespace

// The shared window and dialog procedures (friends of the classes).
struct zWindowProcs {
  static LRESULT CALLBACK wndProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    zWindow* self;
    if (m == WM_NCCREATE) {
      self = static_cast<zWindow*>(reinterpret_cast<CREATESTRUCTA*>(l)->lpCreateParams);
      if (self) self->bind(h);
    } else {
      self = zWindow::fromHandle(h);
    }
    if (!self) return DefWindowProcA(h, m, w, l);
    zApp::HandlerScope scope;
    LRESULT r = self->handle(m, w, l);
    if (m == WM_NCDESTROY) {
      self->unbind();
      self->onDestroyed();  // may delete self
    }
    return r;
  }

  static INT_PTR CALLBACK dlgProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    zDialogFrame* self;
    if (m == WM_INITDIALOG) {
      self = reinterpret_cast<zDialogFrame*>(l);
      if (self) self->bind(h);
    } else {
      self = static_cast<zDialogFrame*>(zWindow::fromHandle(h));
    }
    if (!self) return FALSE;
    zApp::HandlerScope scope;
    LRESULT r = self->handle(m, w, l);
    if (m == WM_NCDESTROY) {
      if (zApp* app = zApp::instance()) app->removeDialog(h);
      self->unbind();
      self->onDestroyed();  // may delete self
    }
    return r;
  }
};

INT_PTR CALLBACK zappDialogProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  return zWindowProcs::dlgProc(h, m, w, l);
}

zWindow::zWindow() = default;

zWindow::zWindow(HWND attached) : hwnd_(attached) {}

zWindow::~zWindow() {
  if (owned_ && hwnd_) {
    HWND h = hwnd_;
    unbind();
    DestroyWindow(h);
  }
}

void zWindow::bind(HWND hwnd) {
  hwnd_ = hwnd;
  owned_ = true;
  SetPropA(hwnd, kObjectProp, this);
}

void zWindow::unbind() {
  if (hwnd_) RemovePropA(hwnd_, kObjectProp);
  hwnd_ = nullptr;
}

zWindow* zWindow::fromHandle(HWND hwnd) {
  if (!hwnd) return nullptr;
  return static_cast<zWindow*>(GetPropA(hwnd, kObjectProp));
}

void zWindow::show(int how) {
  if (hwnd_) ShowWindow(hwnd_, how);
}

void zWindow::hide() {
  if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
}

bool zWindow::isVisible() const { return hwnd_ && IsWindowVisible(hwnd_); }

void zWindow::setText(const std::string& text) {
  if (hwnd_) SetWindowTextA(hwnd_, text.c_str());
}

std::string zWindow::getText() const {
  if (!hwnd_) return std::string();
  int n = GetWindowTextLengthA(hwnd_);
  if (n <= 0) return std::string();
  std::vector<char> buf(size_t(n) + 1);
  int got = GetWindowTextA(hwnd_, buf.data(), n + 1);
  return std::string(buf.data(), size_t(got > 0 ? got : 0));
}

void zWindow::enable(bool on) {
  if (hwnd_) EnableWindow(hwnd_, on ? TRUE : FALSE);
}

bool zWindow::isEnabled() const { return hwnd_ && IsWindowEnabled(hwnd_); }

void zWindow::setFocus() {
  if (hwnd_) SetFocus(hwnd_);
}

RECT zWindow::getRect() const {
  RECT r{0, 0, 0, 0};
  if (!hwnd_) return r;
  GetWindowRect(hwnd_, &r);
  if (GetWindowLongPtrA(hwnd_, GWL_STYLE) & WS_CHILD) {
    HWND p = GetParent(hwnd_);
    if (p) MapWindowPoints(nullptr, p, reinterpret_cast<POINT*>(&r), 2);
  }
  return r;
}

void zWindow::moveTo(const RECT& r) {
  if (hwnd_) MoveWindow(hwnd_, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

RECT zWindow::clientRect() const {
  RECT r{0, 0, 0, 0};
  if (hwnd_) GetClientRect(hwnd_, &r);
  return r;
}

void zWindow::invalidate(bool erase) {
  if (hwnd_) InvalidateRect(hwnd_, nullptr, erase ? TRUE : FALSE);
}

BOOL zWindow::post(UINT msg, WPARAM wp, LPARAM lp) const {
  return hwnd_ ? PostMessageA(hwnd_, msg, wp, lp) : FALSE;
}

LRESULT zWindow::send(UINT msg, WPARAM wp, LPARAM lp) const {
  return hwnd_ ? SendMessageA(hwnd_, msg, wp, lp) : 0;
}

LRESULT zWindow::handle(UINT msg, WPARAM wp, LPARAM lp) { return defaultHandle(msg, wp, lp); }

LRESULT zWindow::defaultHandle(UINT msg, WPARAM wp, LPARAM lp) {
  return hwnd_ ? DefWindowProcA(hwnd_, msg, wp, lp) : 0;
}

void zWindow::onDestroyed() {}

bool zWindow::registerClass(const char* className, UINT classStyle, HBRUSH bg, HCURSOR cursor) {
  HINSTANCE self = GetModuleHandleA(nullptr);
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExA(self, className, &wc)) return true;
  wc = WNDCLASSEXA{};
  wc.cbSize = sizeof wc;
  wc.style = classStyle;
  wc.lpfnWndProc = zWindowProcs::wndProc;
  wc.hInstance = self;
  wc.hCursor = cursor ? cursor : LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
  wc.hbrBackground = bg;
  wc.lpszClassName = className;
  return RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool zWindow::createWindow(DWORD exStyle, const char* className, const std::string& title,
                           DWORD style, int x, int y, int w, int h, zWindow* parent,
                           HMENU menu) {
  parent_ = parent;
  return createWindowIn(exStyle, className, title, style, x, y, w, h,
                        parent ? parent->hwnd() : nullptr, menu);
}

bool zWindow::createWindowIn(DWORD exStyle, const char* className, const std::string& title,
                             DWORD style, int x, int y, int w, int h, HWND parent,
                             HMENU menu) {
  HWND hwnd = CreateWindowExA(exStyle, className, title.c_str(), style, x, y, w, h, parent,
                              menu, GetModuleHandleA(nullptr), this);
  if (!hwnd) {
    DWORD e = GetLastError();
    hwnd_ = nullptr;
    SetLastError(e ? e : ERROR_INVALID_WINDOW_HANDLE);
    return false;
  }
  // WM_NCCREATE bound it already; a failing WM_CREATE destroys it again.
  return hwnd_ == hwnd;
}
