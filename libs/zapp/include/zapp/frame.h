// Frame windows, the two-pane status line and the timer.
#pragma once

#include "zapp/app.h"
#include "zapp/window.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

class zStatusLineEZ;

// A plain top-level frame window, created hidden. The start-up message box
// owner (an invisible frame that owns one message box) is one of these.
class zFrameWin : public zWindow {
public:
  zFrameWin(zWindow* parent, const std::string& title,
            DWORD style = WS_OVERLAPPEDWINDOW, DWORD exStyle = 0,
            const char* className = "zFrameWinClass");
  ~zFrameWin() override;
  // False when the window could not be created; lastError() tells why.
  bool created() const { return hwnd_ != nullptr; }
  DWORD lastError() const { return lastError_; }

protected:
  // For derived frames that create their window themselves.
  struct NoCreate {};
  explicit zFrameWin(NoCreate) {}
  DWORD lastError_ = 0;
};

// The application's main window: overlapped, with caption, system menu,
// sizing border, minimise and maximise boxes; created hidden.
// WM_COMMAND from a menu or accelerator goes to command(); the F1 key (an
// accelerator of this frame, routed by zApp::go) to onHelpKey(); WM_CLOSE
// to closeRequest(); menu highlighting to the status line's pane 1.
class zAppFrame : public zFrameWin {
public:
  // Command id the F1 accelerator sends; onHelpKey() receives it.
  static constexpr int kHelpKeyCommand = 0xE146;

  zAppFrame(zWindow* parent, const std::string& title,
            const char* className = "zAppFrameClass");
  ~zAppFrame() override;

  // Big and small window icon from an icon resource. False when not found.
  bool setIcon(const zResId& icon);
  // Menu bar loaded from a menu resource of any module; replaces (and
  // destroys) the previous one. False when the menu cannot be loaded.
  bool setMenu(const zResId& menu);
  HMENU menu() const;
  // Redraws the menu bar after changes made to menu() directly.
  void redrawMenuBar();
  // Enables or grays (disables) a command anywhere in the menu, by id.
  void enableCommand(int id, bool on);
  // True when the command exists in the menu and is neither grayed nor
  // disabled.
  bool isCommandEnabled(int id) const;

  // An extra accelerator of this frame (F1 is there from the start).
  // fVirt as in ACCEL (FVIRTKEY, FCONTROL, ...).
  void addAccelerator(BYTE fVirt, WORD key, int commandId);
  HACCEL accelerators() const { return accel_; }

  // The status line, when one was made for this frame.
  zStatusLineEZ* statusLine() const { return status_; }

  LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;

  // Public so that tests may call them directly; derived frames override.
  // A menu or accelerator command. Return true when handled.
  virtual bool command(int id);
  // F1 pressed in this frame's window tree. Default: nothing.
  virtual void onHelpKey();
  // WM_CLOSE: return true to let the frame be destroyed, false to keep it
  // (for instance when the owner runs its own shutdown). Default: true.
  virtual bool closeRequest();
  // WM_SIZE of the frame, after the status line was laid out.
  virtual void onSize(int width, int height);

private:
  friend class zStatusLineEZ;
  void rebuildAccelerators();
  std::vector<ACCEL> accelList_;
  HACCEL accel_ = nullptr;
  zStatusLineEZ* status_ = nullptr;
};

// Status line at the bottom of a zAppFrame with two panes:
//  pane 1 fills the width left of pane 2 and shows the menu-help text of the
//         highlighted menu entry (empty for entries without text and when the
//         menu closes);
//  pane 2 has a fixed width (150 pixels).
// Panes are numbered 1 and 2; other numbers are ignored. It follows the
// frame's size. It is created hidden: show() it.
class zStatusLineEZ : public zWindow {
public:
  static constexpr int kPane2Width = 150;

  explicit zStatusLineEZ(zAppFrame* frame);
  ~zStatusLineEZ() override;

  void setPaneText(int pane, const std::string& text);
  std::string paneText(int pane) const;
  // The pane's rectangle in the status line's client coordinates.
  RECT paneRect(int pane) const;

  // Menu-help table: menu id -> text shown in pane 1 while it is highlighted.
  void setMenuHelp(int menuId, const std::string& text);
  void clearMenuHelp();

  // Called by the frame: WM_MENUSELECT and WM_SIZE.
  void menuSelect(UINT itemId, UINT flags, HMENU menu);
  void layout();
  // Height in pixels.
  int height() const;

  LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;

private:
  friend class zAppFrame;
  void paint(HDC dc);
  zAppFrame* frame_;
  std::string text_[2];
  std::map<int, std::string> help_;
};

// A repeating timer on the owner window; tick runs on the GUI thread from
// the message loop (also from nested loops such as a message box's).
// The destructor stops it.
class zTimer {
public:
  // ms 0 is raised to the system's minimum interval. owner may be nullptr.
  zTimer(zWindow* owner, unsigned ms, std::function<void()> tick);
  ~zTimer();
  zTimer(const zTimer&) = delete;
  zTimer& operator=(const zTimer&) = delete;

  void setInterval(unsigned ms);
  unsigned interval() const { return ms_; }
  bool running() const { return id_ != 0; }
  void stop();

private:
  static void CALLBACK timerProc(HWND, UINT, UINT_PTR, DWORD);
  void start();
  HWND owner_;
  unsigned ms_;
  std::function<void()> tick_;
  UINT_PTR id_ = 0;
};
