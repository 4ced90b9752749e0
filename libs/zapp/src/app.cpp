// Application object, message loop and module-qualified resource ids.
#include "zapp/app.h"

#include "zapp/dialog.h"
#include "zapp/frame.h"

#include <algorithm>
#include <set>
#include <vector>

namespace {

zApp* g_app = nullptr;
int g_depth = 0;

// Messages handled per pumpPending call at most.
constexpr int kPumpBound = 5000;
// Time bound of one pumpPending call.
constexpr DWORD kPumpTimeBoundMs = 2000;

// The 3-D control classes: superclasses that forward to the system class.
struct SuperClass {
  const char* name;
  const char* base;
  WNDPROC baseProc;
};
SuperClass g_superClasses[] = {
    {"zCheckBox3dClass", "BUTTON", nullptr}, {"zRadioBtn3dClass", "BUTTON", nullptr},
    {"zStatTxt3dClass", "STATIC", nullptr},  {"zGroupBox3dClass", "BUTTON", nullptr},
    {"zBmpBtnClass", "BUTTON", nullptr},     {"zPanel3dClass", "STATIC", nullptr},
};

template <int N>
LRESULT CALLBACK superProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  return CallWindowProcA(g_superClasses[N].baseProc, h, m, w, l);
}
WNDPROC g_superProcs[] = {superProc<0>, superProc<1>, superProc<2>,
                          superProc<3>, superProc<4>, superProc<5>};

}  // namespace

// ---------------------------------------------------------------------------
zResId::zResId(int id, const char* moduleFileName)
    : id_(id), module_(moduleFileName ? moduleFileName : "") {}

zResId::zResId(int id, const std::string& moduleFileName) : id_(id), module_(moduleFileName) {}

HMODULE zResId::module() const {
  if (module_.empty()) return GetModuleHandleA(nullptr);
  HMODULE h = GetModuleHandleA(module_.c_str());
  if (!h) h = LoadLibraryA(module_.c_str());
  return h;
}

// ---------------------------------------------------------------------------
struct zApp::Impl {
  std::set<HWND> dialogs;
  std::vector<zAppFrame*> frames;
  std::vector<zDialogFrame*> closing;
};

zApp::zApp(HINSTANCE instance)
    : instance_(instance ? instance : GetModuleHandleA(nullptr)), impl_(new Impl) {
  if (!g_app) g_app = this;
}

zApp::~zApp() {
  if (g_depth == 0) flushClosed();
  if (g_app == this) g_app = nullptr;
  delete impl_;
}

zApp* zApp::instance() { return g_app; }

int zApp::handlerDepth() { return g_depth; }
zApp::HandlerScope::HandlerScope() { ++g_depth; }
zApp::HandlerScope::~HandlerScope() { --g_depth; }

bool zApp::registerControlClasses() {
  bool ok = true;
  HINSTANCE self = GetModuleHandleA(nullptr);
  for (int i = 0; i < int(sizeof g_superClasses / sizeof g_superClasses[0]); ++i) {
    SuperClass& sc = g_superClasses[i];
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(self, sc.name, &existing)) continue;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExA(nullptr, sc.base, &wc)) {
      ok = false;
      continue;
    }
    sc.baseProc = wc.lpfnWndProc;
    wc.lpfnWndProc = g_superProcs[i];
    wc.hInstance = self;
    wc.lpszClassName = sc.name;
    // Global, so that templates of other modules (the resource library)
    // find the class whatever instance their dialog is created with.
    wc.style |= CS_GLOBALCLASS;
    if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) ok = false;
  }
  return ok;
}

void zApp::dispatch(MSG& msg) {
  HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  if (root) {
    bool isDialog = impl_->dialogs.count(root) != 0;
    // F1 in a dialog is the dialog's help request; the system's own F1
    // handling differs between platforms, so route it here.
    if (isDialog && msg.message == WM_KEYDOWN && msg.wParam == VK_F1) {
      HELPINFO hi{};
      hi.cbSize = sizeof hi;
      hi.iContextType = HELPINFO_WINDOW;
      hi.iCtrlId = GetDlgCtrlID(msg.hwnd);
      hi.hItemHandle = msg.hwnd;
      hi.dwContextId = GetWindowContextHelpId(msg.hwnd);
      GetCursorPos(&hi.MousePos);
      SendMessageA(root, WM_HELP, 0, reinterpret_cast<LPARAM>(&hi));
      return;
    }
    for (zAppFrame* f : impl_->frames) {
      if (f->hwnd() == root && f->accelerators() &&
          TranslateAcceleratorA(root, f->accelerators(), &msg))
        return;
    }
    if (isDialog && IsDialogMessageA(root, &msg)) return;
  }
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

int zApp::go() {
  flushClosed();
  MSG msg;
  for (;;) {
    BOOL r = GetMessageA(&msg, nullptr, 0, 0);
    if (r == 0) break;
    if (r == -1) return -1;
    dispatch(msg);
    flushClosed();
  }
  flushClosed();
  return int(msg.wParam);
}

void zApp::quit(int code) { PostQuitMessage(code); }

bool zApp::pumpUntil(std::function<bool()> cond, unsigned timeoutMs) {
  const DWORD start = GetTickCount();
  MSG msg;
  for (;;) {
    if (cond()) return true;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        PostQuitMessage(int(msg.wParam));
        return cond();
      }
      dispatch(msg);
      flushClosed();
      if (cond()) return true;
      if (GetTickCount() - start >= timeoutMs) break;
    }
    DWORD elapsed = GetTickCount() - start;
    if (elapsed >= timeoutMs) return cond();
    MsgWaitForMultipleObjectsEx(0, nullptr, timeoutMs - elapsed, QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
  }
}

void zApp::pumpPending() {
  const DWORD start = GetTickCount();
  MSG msg;
  for (int n = 0; n < kPumpBound && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++n) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(int(msg.wParam));
      break;
    }
    dispatch(msg);
    flushClosed();
    if (GetTickCount() - start >= kPumpTimeBoundMs) break;
  }
  flushClosed();
}

void zApp::addDialog(HWND dlg) { impl_->dialogs.insert(dlg); }
void zApp::removeDialog(HWND dlg) { impl_->dialogs.erase(dlg); }

void zApp::addFrame(zAppFrame* frame) {
  if (std::find(impl_->frames.begin(), impl_->frames.end(), frame) == impl_->frames.end())
    impl_->frames.push_back(frame);
}

void zApp::removeFrame(zAppFrame* frame) {
  auto& v = impl_->frames;
  v.erase(std::remove(v.begin(), v.end(), frame), v.end());
}

void zApp::deferClose(zDialogFrame* dlg) {
  auto& v = impl_->closing;
  if (std::find(v.begin(), v.end(), dlg) == v.end()) v.push_back(dlg);
}

void zApp::cancelClose(zDialogFrame* dlg) {
  auto& v = impl_->closing;
  v.erase(std::remove(v.begin(), v.end(), dlg), v.end());
}

void zApp::flushClosed() {
  if (g_depth != 0) return;
  auto& v = impl_->closing;
  // One at a time: a destructor may close or delete another dialog.
  while (!v.empty()) {
    zDialogFrame* d = v.front();
    v.erase(v.begin());
    d->destroyNow();
  }
}
