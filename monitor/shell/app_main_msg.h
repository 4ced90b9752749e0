// An invisible frame that owns one message box: the start-up checks and the
// engine probe report through it, before or outside any main window.
#pragma once
#include <string>

#include "zapp/frame.h"

class appMainMsg : public zFrameWin {
public:
    // Shows the modal box at once, then hides the frame; delete it afterwards.
    appMainMsg(zWindow* parent, const std::string& text, const std::string& caption,
               unsigned flags);
    int result() const { return result_; }

    // Creates, shows and deletes one; returns the box's answer.
    static int show(zWindow* parent, const std::string& text, const std::string& caption,
                    unsigned flags);

private:
    int result_ = 0;
};
