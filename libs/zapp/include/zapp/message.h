// Message boxes and the cursor, both through the seams (zapp/seams.h).
#pragma once

#include "zapp/window.h"

#include <windows.h>

#include <string>

// A modal message box, shown by the constructor.
class zMessage {
public:
  zMessage(zWindow* owner, const std::string& text, const std::string& caption,
           UINT flags = MB_OK | MB_ICONINFORMATION);
  // The answer: IDOK, IDYES, IDNO, IDCANCEL, ... (0 when the box failed).
  int result() const { return result_; }

  static int show(HWND owner, const std::string& text, const std::string& caption,
                  UINT flags = MB_OK | MB_ICONINFORMATION);

private:
  int result_;
};

// The mouse cursor during busy steps.
class zCursor {
public:
  static constexpr int kArrow = 32512;      // IDC_ARROW
  static constexpr int kHourglass = 32514;  // IDC_WAIT
  static void hourglass();
  static void arrow();
  // A standard cursor by its IDC_ number.
  static void set(int cursorId);
};
