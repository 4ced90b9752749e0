// Application object, message loop and module-qualified resource ids.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

class zWindow;
class zAppFrame;
class zDialogFrame;

// A resource id qualified by the file name of the module that holds it.
// An empty name means the program's own resources (GetModuleHandle(NULL)).
// The module is looked up with GetModuleHandleA and, when it is not loaded
// yet, loaded with LoadLibraryA; a module loaded that way stays loaded until
// the process ends (its resources may be in use by windows at any time).
class zResId {
public:
  zResId(int id, const char* moduleFileName = "");
  zResId(int id, const std::string& moduleFileName);

  int id() const { return id_; }
  const std::string& moduleName() const { return module_; }
  // MAKEINTRESOURCEA(id), for the resource functions.
  LPCSTR name() const { return MAKEINTRESOURCEA(id_); }
  // The module handle, or nullptr when the module cannot be found or loaded
  // (GetLastError tells why).
  HMODULE module() const;

private:
  int id_;
  std::string module_;
};

// The application object. Exactly one exists; the program entry constructs it
// with its HINSTANCE before any window is made.
class zApp {
public:
  explicit zApp(HINSTANCE instance);
  ~zApp();
  zApp(const zApp&) = delete;
  zApp& operator=(const zApp&) = delete;

  // The one application object, or nullptr before it is made.
  static zApp* instance();
  HINSTANCE hinstance() const { return instance_; }

  // Registers the 3-D control classes "zCheckBox3dClass", "zRadioBtn3dClass",
  // "zStatTxt3dClass", "zGroupBox3dClass", "zBmpBtnClass" and "zPanel3dClass"
  // as global superclasses of BUTTON / STATIC, so that dialog templates of any
  // module may name them. Safe to call more than once. False when a class
  // could not be registered.
  static bool registerControlClasses();

  // Runs the message loop until WM_QUIT and returns its exit code. Keyboard
  // messages of a registered dialog (modeless or modal) go through
  // IsDialogMessage; those of a zAppFrame's window tree through the frame's
  // accelerators (F1 among them). Closed dialogs (zDialogFrame::closeLater)
  // are destroyed between messages.
  int go();
  // Posts WM_QUIT with this exit code.
  void quit(int code);

  // For tests and busy steps: processes messages (as go() does) until cond()
  // holds or timeoutMs has passed, waiting in MsgWaitForMultipleObjectsEx
  // with the remaining time (no fixed sleeps). cond() is checked before the
  // first wait and after each message. Returns cond()'s last
  // value. A WM_QUIT met on the way is posted again and ends the pump (false).
  bool pumpUntil(std::function<bool()> cond, unsigned timeoutMs);
  // Processes every message already queued (including those its handlers
  // post before the queue runs dry), without waiting. Bounded (a few
  // thousand messages) so that a timer firing faster than its handler runs
  // cannot keep it busy forever.
  void pumpPending();

  // --- used by the layer itself -------------------------------------------
  // Dispatches one message with dialog and accelerator routing.
  void dispatch(MSG& msg);
  // Dialogs whose keyboard messages go through IsDialogMessage.
  void addDialog(HWND dlg);
  void removeDialog(HWND dlg);
  // Frames whose accelerators the loop translates.
  void addFrame(zAppFrame* frame);
  void removeFrame(zAppFrame* frame);
  // Objects waiting to be destroyed by the loop (see zDialogFrame::closeLater).
  void deferClose(zDialogFrame* dlg);
  void cancelClose(zDialogFrame* dlg);
  // Destroys the deferred objects, but only when no handler of this layer is
  // running (nesting depth 0), so no object dies under its own handler.
  void flushClosed();

  // Nesting depth of the layer's window, dialog and timer procedures.
  static int handlerDepth();
  struct HandlerScope {
    HandlerScope();
    ~HandlerScope();
  };

private:
  struct Impl;
  HINSTANCE instance_;
  Impl* impl_;
};
