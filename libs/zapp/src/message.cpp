// Message boxes and the cursor, through the seams.
#include "zapp/message.h"

#include "zapp/seams.h"

zMessage::zMessage(zWindow* owner, const std::string& text, const std::string& caption,
                   UINT flags)
    : result_(show(owner ? owner->hwnd() : nullptr, text, caption, flags)) {}

int zMessage::show(HWND owner, const std::string& text, const std::string& caption,
                   UINT flags) {
  return zapp::messageBox(owner, text, caption, flags);
}

void zCursor::hourglass() { set(kHourglass); }
void zCursor::arrow() { set(kArrow); }
void zCursor::set(int cursorId) { zapp::setCursor(cursorId); }
