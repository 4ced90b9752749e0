#include "shell/app_main_msg.h"

#include "zapp/seams.h"

appMainMsg::appMainMsg(zWindow* parent, const std::string& text, const std::string& caption,
                       unsigned flags)
    : zFrameWin(parent, std::string(), WS_POPUP, WS_EX_TOOLWINDOW)
{
    // The box is owned by the parent when there is one, so it stays in front
    // of the main window; otherwise by the invisible frame itself.
    HWND owner = parent ? parent->hwnd() : hwnd();
    result_ = zapp::messageBox(owner, text, caption, flags);
    hide();
}

int appMainMsg::show(zWindow* parent, const std::string& text, const std::string& caption,
                     unsigned flags)
{
    appMainMsg* box = new appMainMsg(parent, text, caption, flags);
    const int answer = box->result();
    delete box;
    return answer;
}
