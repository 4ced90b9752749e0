// Dialog frames from templates of any module; modeless and modal.
#include "zapp/dialog.h"

#include "zapp/seams.h"

INT_PTR CALLBACK zappDialogProc(HWND h, UINT m, WPARAM w, LPARAM l);  // window.cpp

zDialogFrame::zDialogFrame(zWindow* parent, const zResId& dialogTemplate)
    : template_(dialogTemplate) {
  parent_ = parent;
}

zDialogFrame::~zDialogFrame() {
  if (zApp* app = zApp::instance()) app->cancelClose(this);
  if (hwnd_) {
    HWND h = hwnd_;
    if (zApp* app = zApp::instance()) app->removeDialog(h);
    unbind();
    DestroyWindow(h);
  }
  for (auto& b : brushes_) DeleteObject(b.second);
}

bool zDialogFrame::build(bool modal) {
  if (hwnd_) return true;
  lastError_ = 0;
  HMODULE mod = template_.module();
  if (!mod) {
    lastError_ = GetLastError() ? GetLastError() : ERROR_MOD_NOT_FOUND;
    return false;
  }
  HRSRC res = FindResourceA(mod, template_.name(), MAKEINTRESOURCEA(5) /* RT_DIALOG */);
  HGLOBAL mem = res ? LoadResource(mod, res) : nullptr;
  const void* tmpl = mem ? LockResource(mem) : nullptr;
  if (!tmpl) {
    lastError_ = GetLastError() ? GetLastError() : ERROR_RESOURCE_NAME_NOT_FOUND;
    return false;
  }
  modal_ = modal;
  ended_ = false;
  endCode_ = IDCANCEL;
  closing_ = false;
  SetLastError(0);
  HWND h = CreateDialogIndirectParamA(mod, static_cast<LPCDLGTEMPLATEA>(tmpl), parentHwnd(),
                                      zappDialogProc, reinterpret_cast<LPARAM>(this));
  if (!h) {
    lastError_ = GetLastError() ? GetLastError() : ERROR_INVALID_WINDOW_HANDLE;
    hwnd_ = nullptr;
    return false;
  }
  if (zApp* app = zApp::instance()) app->addDialog(h);
  return true;
}

bool zDialogFrame::create() { return build(false); }

int zDialogFrame::runModal() {
  if (hwnd_) {
    // Built by create() and configured by the caller: run it modally now.
    if (zApp* app = zApp::instance()) app->cancelClose(this);
    modal_ = true;
    ended_ = false;
    endCode_ = IDCANCEL;
    closing_ = false;
    deleteOnDestroy_ = false;
  } else if (!build(true)) {
    return -1;
  }
  HWND owner = parentHwnd() ? GetAncestor(parentHwnd(), GA_ROOT) : nullptr;
  bool reenable = owner && IsWindowEnabled(owner);
  if (owner) EnableWindow(owner, FALSE);
  ShowWindow(hwnd_, SW_SHOW);
  zapp::runModalHook(*this);
  MSG msg;
  while (!ended_ && hwnd_) {
    BOOL r = GetMessageA(&msg, nullptr, 0, 0);
    if (r == 0) {
      // Leave the quit request for the outer loop.
      PostQuitMessage(int(msg.wParam));
      break;
    }
    if (r == -1) break;
    if (zApp* app = zApp::instance()) {
      app->dispatch(msg);
      app->flushClosed();
    } else {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  // The owner first, so that activation returns to it.
  if (reenable) EnableWindow(owner, TRUE);
  if (hwnd_) DestroyWindow(hwnd_);
  int code = endCode_;
  modal_ = false;
  return code;
}

void zDialogFrame::endModal(int code) {
  if (!modal_ || ended_) return;
  endCode_ = code;
  ended_ = true;
  if (hwnd_) PostMessageA(hwnd_, WM_NULL, 0, 0);  // wakes the modal loop
}

void zDialogFrame::closeLater() {
  if (modal_) {
    endModal(IDCANCEL);
    return;
  }
  if (closing_) return;
  closing_ = true;
  deleteOnDestroy_ = true;
  if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
  if (zApp* app = zApp::instance()) {
    app->deferClose(this);
    if (hwnd_) PostMessageA(hwnd_, WM_NULL, 0, 0);  // wakes the loop
  }
}

void zDialogFrame::destroyNow() {
  if (zApp* app = zApp::instance()) app->cancelClose(this);
  if (hwnd_ && IsWindow(hwnd_)) {
    deleteOnDestroy_ = true;
    DestroyWindow(hwnd_);  // onDestroyed deletes the object
    return;
  }
  delete this;
}

void zDialogFrame::onDestroyed() {
  if (deleteOnDestroy_) delete this;
}

HBRUSH zDialogFrame::brushFor(COLORREF c) {
  auto it = brushes_.find(c);
  if (it != brushes_.end()) return it->second;
  HBRUSH b = CreateSolidBrush(c);
  brushes_[c] = b;
  return b;
}

void zDialogFrame::setBackground(COLORREF colour) {
  hasBackground_ = true;
  background_ = colour;
  if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void zDialogFrame::setControlBackground(int controlId, COLORREF colour) {
  controlColours_[controlId] = colour;
  if (HWND c = control(controlId)) InvalidateRect(c, nullptr, TRUE);
}

HWND zDialogFrame::control(int id) const { return hwnd_ ? GetDlgItem(hwnd_, id) : nullptr; }

bool zDialogFrame::OnInit() { return true; }

bool zDialogFrame::OnCommand(int id, int, HWND) {
  if (modal_ && (id == IDOK || id == IDCANCEL)) {
    endModal(id);
    return true;
  }
  if (!modal_ && id == IDCANCEL) {
    closeLater();
    return true;
  }
  return false;
}

bool zDialogFrame::OnHelp() { return false; }

LRESULT zDialogFrame::OnMessage(UINT, WPARAM, LPARAM) { return FALSE; }

LRESULT zDialogFrame::handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG:
      return OnInit() ? TRUE : FALSE;
    case WM_COMMAND:
      return OnCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp)) ? TRUE : FALSE;
    case WM_HELP:
      if (OnHelp()) {
        SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, TRUE);
        return TRUE;
      }
      break;
    case WM_CTLCOLORDLG:
      if (hasBackground_) return reinterpret_cast<LRESULT>(brushFor(background_));
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      auto it = controlColours_.find(GetDlgCtrlID(reinterpret_cast<HWND>(lp)));
      if (it != controlColours_.end()) {
        SetBkColor(reinterpret_cast<HDC>(wp), it->second);
        return reinterpret_cast<LRESULT>(brushFor(it->second));
      }
      break;
    }
    default:
      break;
  }
  return OnMessage(msg, wp, lp);
}
