// The seams: message boxes, cursor, process launching, modal dialogs.
#include "zapp/seams.h"

#include "zapp/dialog.h"

#include <utility>
#include <vector>

namespace zapp {
namespace {
MessageBoxHook g_boxHook;
CursorHook g_cursorHook;
LaunchHook g_launchHook;
ModalHook g_modalHook;
}  // namespace

MessageBoxHook setMessageBoxHook(MessageBoxHook hook) {
  std::swap(g_boxHook, hook);
  return hook;
}

int messageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) {
  if (g_boxHook) return g_boxHook(MessageBoxCall{owner, text, caption, flags});
  return MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}

CursorHook setCursorHook(CursorHook hook) {
  std::swap(g_cursorHook, hook);
  return hook;
}

void setCursor(int cursorId) {
  if (g_cursorHook) {
    g_cursorHook(cursorId);
    return;
  }
  SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(cursorId)));
}

LaunchHook setLaunchHook(LaunchHook hook) {
  std::swap(g_launchHook, hook);
  return hook;
}

LaunchResult launchProcess(const std::string& commandLine, const std::string& workingDir) {
  if (g_launchHook) return g_launchHook(LaunchCall{commandLine, workingDir});
  // CreateProcessA may write into the command line: give it a copy.
  std::vector<char> cmd(commandLine.begin(), commandLine.end());
  cmd.push_back('\0');
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      workingDir.empty() ? nullptr : workingDir.c_str(), &si, &pi))
    return LaunchResult{false, GetLastError()};
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return LaunchResult{true, 0};
}

ModalHook setModalHook(ModalHook hook) {
  std::swap(g_modalHook, hook);
  return hook;
}

void runModalHook(zDialogFrame& dlg) {
  if (g_modalHook) {
    // A copy: the hook may replace itself.
    ModalHook hook = g_modalHook;
    hook(dlg);
  }
}

// ---------------------------------------------------------------------------
SeamRecorder::SeamRecorder() {
  prevBox_ = setMessageBoxHook([this](const MessageBoxCall& call) {
    boxes.push_back(call);
    if (onBox) onBox(call);
    if (boxAnswers.empty()) return defaultAnswer(call.flags);
    int a = boxAnswers.front();
    boxAnswers.pop_front();
    return a;
  });
  prevCursor_ = setCursorHook([this](int id) { cursors.push_back(id); });
  prevLaunch_ = setLaunchHook([this](const LaunchCall& call) {
    launches.push_back(call);
    if (launchAnswers.empty()) return LaunchResult{true, 0};
    LaunchResult r = launchAnswers.front();
    launchAnswers.pop_front();
    return r;
  });
  prevModal_ = setModalHook([this](zDialogFrame& dlg) {
    modalTemplates.push_back(dlg.dialogTemplate().id());
    if (modalScripts.empty()) {
      dlg.endModal(IDCANCEL);
      return;
    }
    auto script = std::move(modalScripts.front());
    modalScripts.pop_front();
    script(dlg);
  });
}

SeamRecorder::~SeamRecorder() {
  setMessageBoxHook(std::move(prevBox_));
  setCursorHook(std::move(prevCursor_));
  setLaunchHook(std::move(prevLaunch_));
  setModalHook(std::move(prevModal_));
}

int SeamRecorder::defaultAnswer(UINT flags) {
  switch (flags & MB_TYPEMASK) {
    case MB_OK: return IDOK;
    case MB_OKCANCEL: return IDCANCEL;
    case MB_ABORTRETRYIGNORE: return IDABORT;
    case MB_YESNOCANCEL: return IDCANCEL;
    case MB_YESNO: return IDNO;
    case MB_RETRYCANCEL: return IDCANCEL;
    case 6 /* MB_CANCELTRYCONTINUE */: return IDCANCEL;
    default: return IDOK;
  }
}

}  // namespace zapp
