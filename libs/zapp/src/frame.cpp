// Frame windows, the status line and the timer.
#include "zapp/frame.h"

#include <map>
#include <utility>

// ---------------------------------------------------------------------------
zFrameWin::zFrameWin(zWindow* parent, const std::string& title, DWORD style, DWORD exStyle,
                     const char* className) {
  registerClass(className, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  if (!createWindow(exStyle, className, title, style & ~WS_VISIBLE, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent))
    lastError_ = GetLastError();
}

zFrameWin::~zFrameWin() = default;

// ---------------------------------------------------------------------------
zAppFrame::zAppFrame(zWindow* parent, const std::string& title, const char* className)
    : zFrameWin(NoCreate{}) {
  registerClass(className, CS_DBLCLKS, reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1));
  accelList_.push_back(ACCEL{FVIRTKEY, VK_F1, WORD(kHelpKeyCommand)});
  rebuildAccelerators();
  if (!createWindow(0, className, title, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent))
    lastError_ = GetLastError();
  if (zApp* app = zApp::instance()) app->addFrame(this);
}

zAppFrame::~zAppFrame() {
  if (zApp* app = zApp::instance()) app->removeFrame(this);
  if (status_) status_->frame_ = nullptr;
  if (accel_) DestroyAcceleratorTable(accel_);
}

void zAppFrame::rebuildAccelerators() {
  if (accel_) DestroyAcceleratorTable(accel_);
  accel_ = CreateAcceleratorTableA(accelList_.data(), int(accelList_.size()));
}

void zAppFrame::addAccelerator(BYTE fVirt, WORD key, int commandId) {
  accelList_.push_back(ACCEL{fVirt, key, WORD(commandId)});
  rebuildAccelerators();
}

bool zAppFrame::setIcon(const zResId& icon) {
  HMODULE m = icon.module();
  if (!m || !hwnd_) return false;
  HICON big = static_cast<HICON>(LoadImageA(m, icon.name(), IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                            GetSystemMetrics(SM_CYICON), LR_SHARED));
  HICON small = static_cast<HICON>(LoadImageA(m, icon.name(), IMAGE_ICON,
                                              GetSystemMetrics(SM_CXSMICON),
                                              GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  if (!big && !small) return false;
  if (big) send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
  if (small) send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
  return true;
}

bool zAppFrame::setMenu(const zResId& menuRes) {
  HMODULE m = menuRes.module();
  if (!m || !hwnd_) return false;
  HMENU created = LoadMenuA(m, menuRes.name());
  if (!created) return false;
  HMENU old = GetMenu(hwnd_);
  SetMenu(hwnd_, created);
  if (old) DestroyMenu(old);
  DrawMenuBar(hwnd_);
  if (status_) status_->layout();
  return true;
}

HMENU zAppFrame::menu() const { return hwnd_ ? GetMenu(hwnd_) : nullptr; }

void zAppFrame::redrawMenuBar() {
  if (hwnd_) DrawMenuBar(hwnd_);
}

void zAppFrame::enableCommand(int id, bool on) {
  HMENU m = menu();
  if (!m) return;
  EnableMenuItem(m, UINT(id), MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
  // Entries of the menu bar itself only change on screen after a redraw.
  DrawMenuBar(hwnd_);
}

bool zAppFrame::isCommandEnabled(int id) const {
  HMENU m = menu();
  if (!m) return false;
  UINT s = GetMenuState(m, UINT(id), MF_BYCOMMAND);
  if (s == UINT(-1)) return false;
  return (s & (MF_GRAYED | MF_DISABLED)) == 0;
}

bool zAppFrame::command(int) { return false; }
void zAppFrame::onHelpKey() {}
bool zAppFrame::closeRequest() { return true; }
void zAppFrame::onSize(int, int) {}

LRESULT zAppFrame::handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      // Menus (code 0) and accelerators (code 1) carry no control window.
      if (lp == 0) {
        int id = LOWORD(wp);
        if (id == kHelpKeyCommand) {
          onHelpKey();
          return 0;
        }
        if (command(id)) return 0;
      }
      break;
    case WM_CLOSE:
      if (closeRequest() && hwnd_) DestroyWindow(hwnd_);
      return 0;
    case WM_SIZE:
      if (status_) status_->layout();
      onSize(LOWORD(lp), HIWORD(lp));
      return 0;
    case WM_MENUSELECT:
      if (status_) status_->menuSelect(LOWORD(wp), HIWORD(wp), reinterpret_cast<HMENU>(lp));
      break;
    default:
      break;
  }
  return defaultHandle(msg, wp, lp);
}

// ---------------------------------------------------------------------------
namespace {
const char kStatusClass[] = "zStatusLineEZClass";
}

zStatusLineEZ::zStatusLineEZ(zAppFrame* frame) : frame_(frame) {
  registerClass(kStatusClass, CS_HREDRAW | CS_VREDRAW, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  if (!frame || !frame->hwnd()) return;
  createWindow(0, kStatusClass, "", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, frame);
  frame->status_ = this;
  layout();
}

zStatusLineEZ::~zStatusLineEZ() {
  if (frame_ && frame_->status_ == this) frame_->status_ = nullptr;
}

int zStatusLineEZ::height() const {
  HDC dc = GetDC(hwnd_);
  HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(hwnd_, dc);
  return int(tm.tmHeight) + 8;
}

void zStatusLineEZ::layout() {
  if (!hwnd_ || !frame_ || !frame_->hwnd()) return;
  RECT fc;
  GetClientRect(frame_->hwnd(), &fc);
  int h = height();
  MoveWindow(hwnd_, 0, fc.bottom - h, fc.right, h, TRUE);
}

RECT zStatusLineEZ::paneRect(int pane) const {
  RECT c = clientRect();
  int split = c.right - kPane2Width;
  if (split < 0) split = 0;
  if (pane == 1) return RECT{0, 0, split, c.bottom};
  if (pane == 2) return RECT{split, 0, c.right, c.bottom};
  return RECT{0, 0, 0, 0};
}

void zStatusLineEZ::setPaneText(int pane, const std::string& text) {
  if (pane != 1 && pane != 2) return;
  if (text_[pane - 1] == text) return;
  text_[pane - 1] = text;
  if (hwnd_) {
    RECT r = paneRect(pane);
    InvalidateRect(hwnd_, &r, TRUE);
  }
}

std::string zStatusLineEZ::paneText(int pane) const {
  if (pane != 1 && pane != 2) return std::string();
  return text_[pane - 1];
}

void zStatusLineEZ::setMenuHelp(int menuId, const std::string& text) { help_[menuId] = text; }
void zStatusLineEZ::clearMenuHelp() { help_.clear(); }

void zStatusLineEZ::menuSelect(UINT itemId, UINT flags, HMENU menu) {
  // The menu closed, a popup title or a separator is highlighted: no text.
  if ((flags == 0xFFFF && !menu) || (flags & (MF_POPUP | MF_SEPARATOR))) {
    setPaneText(1, std::string());
    return;
  }
  auto it = help_.find(int(itemId));
  setPaneText(1, it != help_.end() ? it->second : std::string());
}

void zStatusLineEZ::paint(HDC dc) {
  HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  for (int pane = 1; pane <= 2; ++pane) {
    RECT r = paneRect(pane);
    if (r.right <= r.left) continue;
    RECT edge{r.left + 1, r.top + 2, r.right - 1, r.bottom};
    DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
    RECT t{edge.left + 4, edge.top + 1, edge.right - 4, edge.bottom - 1};
    const std::string& s = text_[pane - 1];
    DrawTextA(dc, s.c_str(), int(s.size()), &t,
              DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
  }
  SelectObject(dc, oldFont);
}

LRESULT zStatusLineEZ::handle(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    paint(dc);
    EndPaint(hwnd_, &ps);
    return 0;
  }
  return defaultHandle(msg, wp, lp);
}

// ---------------------------------------------------------------------------
namespace {
// Live timers by (owner window, timer id).
std::map<std::pair<HWND, UINT_PTR>, zTimer*>& timers() {
  static std::map<std::pair<HWND, UINT_PTR>, zTimer*> map;
  return map;
}
UINT_PTR g_nextTimerId = 0x5A00;
}  // namespace

zTimer::zTimer(zWindow* owner, unsigned ms, std::function<void()> tick)
    : owner_(owner ? owner->hwnd() : nullptr), ms_(ms), tick_(std::move(tick)) {
  start();
}

zTimer::~zTimer() { stop(); }

void zTimer::start() {
  UINT elapse = ms_ < USER_TIMER_MINIMUM ? USER_TIMER_MINIMUM : ms_;
  if (owner_) {
    UINT_PTR want = id_ ? id_ : g_nextTimerId++;
    if (!SetTimer(owner_, want, elapse, timerProc)) {
      stop();
      return;
    }
    id_ = want;
  } else {
    UINT_PTR got = SetTimer(nullptr, id_, elapse, timerProc);
    if (!got) {
      stop();
      return;
    }
    if (id_ && got != id_) timers().erase({nullptr, id_});
    id_ = got;
  }
  timers()[{owner_, id_}] = this;
}

void zTimer::stop() {
  if (!id_) return;
  KillTimer(owner_, id_);
  timers().erase({owner_, id_});
  id_ = 0;
}

void zTimer::setInterval(unsigned ms) {
  ms_ = ms;
  start();
}

void CALLBACK zTimer::timerProc(HWND hwnd, UINT, UINT_PTR id, DWORD) {
  auto it = timers().find({hwnd, id});
  if (it == timers().end()) return;
  // A copy: the tick may delete or replace this timer.
  std::function<void()> tick = it->second->tick_;
  zApp::HandlerScope scope;
  if (tick) tick();
}
