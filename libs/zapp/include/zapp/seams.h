// The seams between the program and the user's desktop: message boxes, the
// cursor, process launching, and modal dialogs. Each is one hook; an empty
// hook means the platform default. Tests install hooks (usually through
// zapp::SeamRecorder) to record the calls and answer them.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

class zDialogFrame;

namespace zapp {

// --- message boxes ---------------------------------------------------------
struct MessageBoxCall {
  HWND owner;
  std::string text;
  std::string caption;
  UINT flags;  // MB_* flags as passed
};
using MessageBoxHook = std::function<int(const MessageBoxCall&)>;
// Installs a hook (empty: MessageBoxA); returns the previous one.
MessageBoxHook setMessageBoxHook(MessageBoxHook hook);
// Every message box of the program goes through here.
int messageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags);

// --- cursor -----------------------------------------------------------------
using CursorHook = std::function<void(int cursorId)>;
// Installs a hook (empty: SetCursor(LoadCursor(NULL, id))); returns the
// previous one.
CursorHook setCursorHook(CursorHook hook);
// Sets a standard cursor by its IDC_ number (32512 arrow, 32514 hourglass).
void setCursor(int cursorId);

// --- process launching -------------------------------------------------------
struct LaunchCall {
  std::string commandLine;
  std::string workingDir;  // empty: the caller's current directory
};
struct LaunchResult {
  bool ok;
  DWORD error;  // GetLastError when !ok
};
using LaunchHook = std::function<LaunchResult(const LaunchCall&)>;
// Installs a hook (empty: CreateProcessA with default security, no handle
// inheritance, no creation flags, the caller's environment; the process and
// thread handles are closed at once, nothing waits for the process); returns
// the previous one.
LaunchHook setLaunchHook(LaunchHook hook);
LaunchResult launchProcess(const std::string& commandLine, const std::string& workingDir);

// --- modal dialogs -----------------------------------------------------------
// Called by zDialogFrame::runModal once the modal dialog is initialised and
// shown, just before its loop runs; the hook may operate the dialog and end
// it (endModal), or leave it running. Empty: nothing.
using ModalHook = std::function<void(zDialogFrame&)>;
ModalHook setModalHook(ModalHook hook);
void runModalHook(zDialogFrame& dlg);

// --- recorder for tests --------------------------------------------------------
// Installs all four hooks for its lifetime and restores the previous ones at
// destruction. Records every call; answers message boxes and launches from
// queues, then with defaults:
//  - message boxes: the declining answer of the buttons in the flags: OK box
//    IDOK, OK/Cancel IDCANCEL, Yes/No IDNO, Yes/No/Cancel IDCANCEL,
//    Retry/Cancel IDCANCEL, Abort/Retry/Ignore IDABORT;
//  - launches: success;
//  - modal dialogs: the next script of modalScripts runs with the dialog; with
//    no script left the dialog is ended with IDCANCEL (so no test hangs).
// onBox, when set, runs for each box before its answer is taken (for looking
// at the program's state while "the box is up", or pumping messages).
class SeamRecorder {
public:
  SeamRecorder();
  ~SeamRecorder();
  SeamRecorder(const SeamRecorder&) = delete;
  SeamRecorder& operator=(const SeamRecorder&) = delete;

  std::vector<MessageBoxCall> boxes;
  std::deque<int> boxAnswers;
  std::function<void(const MessageBoxCall&)> onBox;

  std::vector<int> cursors;

  std::vector<LaunchCall> launches;
  std::deque<LaunchResult> launchAnswers;

  std::vector<int> modalTemplates;  // template ids of the modal dialogs run
  std::deque<std::function<void(zDialogFrame&)>> modalScripts;

  // The declining answer for a box's flags (see above).
  static int defaultAnswer(UINT flags);
  // The last cursor set, or 0 when none.
  int lastCursor() const { return cursors.empty() ? 0 : cursors.back(); }

private:
  MessageBoxHook prevBox_;
  CursorHook prevCursor_;
  LaunchHook prevLaunch_;
  ModalHook prevModal_;
};

}  // namespace zapp
