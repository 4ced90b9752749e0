// Self-painting child panes, optionally following their parent's size.
#include "zapp/pane.h"

#include <commctrl.h>

namespace {
const char kPaneClass[] = "zPaneClass";
}

zPane::zPane(zWindow* parent, const zSizeWithParent& sizer) : sizer_(sizer) {
  parent_ = parent;
  init(parent ? parent->hwnd() : nullptr, RECT{0, 0, 0, 0}, true);
}

zPane::zPane(HWND parent, const zSizeWithParent& sizer) : sizer_(sizer) {
  parent_ = zWindow::fromHandle(parent);
  init(parent, RECT{0, 0, 0, 0}, true);
}

zPane::zPane(zWindow* parent, const RECT& rect) {
  parent_ = parent;
  init(parent ? parent->hwnd() : nullptr, rect, false);
}

zPane::zPane(HWND parent, const RECT& rect) {
  parent_ = zWindow::fromHandle(parent);
  init(parent, rect, false);
}

void zPane::init(HWND parent, const RECT& r, bool follow) {
  parentWnd_ = parent;
  if (!parent) return;
  registerClass(kPaneClass, CS_HREDRAW | CS_VREDRAW, nullptr);
  RECT place = r;
  if (follow) {
    RECT pc;
    GetClientRect(parent, &pc);
    place = sizer_.place(pc);
  }
  if (!createWindowIn(0, kPaneClass, "", WS_CHILD | WS_CLIPSIBLINGS, place.left, place.top,
                      place.right - place.left, place.bottom - place.top, parent))
    return;
  follow_ = follow;
  watching_ = SetWindowSubclass(parent, parentSubclass, reinterpret_cast<UINT_PTR>(this),
                                reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}

zPane::~zPane() {
  if (watching_ && parentWnd_ && IsWindow(parentWnd_))
    RemoveWindowSubclass(parentWnd_, parentSubclass, reinterpret_cast<UINT_PTR>(this));
  watching_ = false;
  // zWindow's destructor destroys a window still there.
}

void zPane::onDestroyed() {
  // The window tree owns the pane: it goes with its window.
  delete this;
}

void zPane::fitToParent() {
  if (!follow_ || !hwnd_ || !parentWnd_) return;
  RECT pc;
  GetClientRect(parentWnd_, &pc);
  RECT r = sizer_.place(pc);
  MoveWindow(hwnd_, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

LRESULT CALLBACK zPane::parentSubclass(HWND h, UINT m, WPARAM w, LPARAM l, UINT_PTR id,
                                       DWORD_PTR ref) {
  zPane* pane = reinterpret_cast<zPane*>(ref);
  switch (m) {
    case WM_SIZE:
      pane->fitToParent();
      break;
    case WM_SETTEXT:
    case WM_ENABLE: {
      // A control may repaint itself at once on these, over the pane (it
      // does not clip its children) without invalidating it: repaint the
      // pane afterwards.
      LRESULT r = DefSubclassProc(h, m, w, l);
      if (pane->hwnd_) InvalidateRect(pane->hwnd_, nullptr, TRUE);
      return r;
    }
    case WM_NCDESTROY:
      pane->watching_ = false;
      RemoveWindowSubclass(h, parentSubclass, id);
      break;
    default:
      break;
  }
  return DefSubclassProc(h, m, w, l);
}

void zPane::draw(HDC, const RECT&) {}

void zPane::onSize() {}

void zPane::redrawNow() {
  if (!hwnd_) return;
  HDC dc = GetDC(hwnd_);
  if (!dc) return;
  RECT c = clientRect();
  draw(dc, c);
  ReleaseDC(hwnd_, dc);
}

LRESULT zPane::handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd_, &ps);
      RECT c = clientRect();
      draw(dc, c);
      EndPaint(hwnd_, &ps);
      return 0;
    }
    case WM_SIZE:
      onSize();
      return 0;
    default:
      break;
  }
  return defaultHandle(msg, wp, lp);
}
