// Base of every window wrapper: an HWND and the common operations on it.
#pragma once

#include <windows.h>

#include <string>

// A window wrapper. Two kinds of object share this base:
//  - windows this layer creates (frames, panes, status line, dialogs): their
//    messages reach the virtual handle() through one static window procedure;
//    the C++ object is found from the HWND (a window property);
//  - attached windows (control wrappers): an existing HWND, not owned, not
//    subclassed; the wrapper only calls the window functions on it.
// Deleting the object of a created window destroys the window (its messages
// no longer reach the object from that moment on).
class zWindow {
public:
  zWindow();
  // Attaches to an existing window, not owned.
  explicit zWindow(HWND attached);
  virtual ~zWindow();
  zWindow(const zWindow&) = delete;
  zWindow& operator=(const zWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  bool exists() const { return hwnd_ != nullptr && IsWindow(hwnd_); }

  void show(int how = SW_SHOW);
  void hide();
  bool isVisible() const;
  void setText(const std::string& text);
  std::string getText() const;
  void enable(bool on);
  bool isEnabled() const;
  void setFocus();
  // The window rectangle: screen coordinates for a top-level window, the
  // parent's client coordinates for a child window. moveTo takes the same
  // kind of rectangle (left, top, right, bottom) and repaints.
  RECT getRect() const;
  void moveTo(const RECT& r);
  // The client rectangle; always starts at (0,0).
  RECT clientRect() const;
  // Repaint request (InvalidateRect of the whole client area).
  void invalidate(bool erase = true);

  // The wrapper of the parent given at construction (nullptr when none or
  // when the window was attached without one).
  zWindow* parent() const { return parent_; }
  HWND parentHwnd() const { return parent_ ? parent_->hwnd() : nullptr; }

  BOOL post(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const;
  LRESULT send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const;

  // The message handler of created windows. The default calls DefWindowProc
  // (zDialogFrame overrides it with its dialog procedure semantics).
  virtual LRESULT handle(UINT msg, WPARAM wp, LPARAM lp);

  // The layer's object of a window it created, or nullptr.
  static zWindow* fromHandle(HWND hwnd);

protected:
  // Registers a window class of this layer (once; later calls are no-ops)
  // with the shared window procedure. bg may be nullptr.
  static bool registerClass(const char* className, UINT classStyle, HBRUSH bg,
                            HCURSOR cursor = nullptr);
  // Creates a window of a class registered with registerClass; its messages
  // reach handle() from WM_NCCREATE on. False with GetLastError on failure.
  bool createWindow(DWORD exStyle, const char* className, const std::string& title,
                    DWORD style, int x, int y, int w, int h, zWindow* parent,
                    HMENU menu = nullptr);
  // The same with a parent given only as a window handle (parent() stays as
  // set by the derived class).
  bool createWindowIn(DWORD exStyle, const char* className, const std::string& title,
                      DWORD style, int x, int y, int w, int h, HWND parent,
                      HMENU menu = nullptr);
  // DefWindowProc, for overrides of handle().
  LRESULT defaultHandle(UINT msg, WPARAM wp, LPARAM lp);
  // Called after WM_NCDESTROY, when the HWND is gone; panes and closed
  // dialogs delete themselves here. The default does nothing.
  virtual void onDestroyed();

  // Binding of an HWND to this object (the static procedures use it).
  void bind(HWND hwnd);
  void unbind();

  HWND hwnd_ = nullptr;
  zWindow* parent_ = nullptr;
  bool owned_ = false;  // created by this layer: destroyed with the object

  friend struct zWindowProcs;
};
