#include "shell/core/window_geometry.h"

namespace {

// One axis: start of a span of `size` centred over [from, from + over),
// kept inside [0, screen).
int32_t centreAxis(int32_t from, int32_t over, int32_t size, int32_t screen, bool keepOnScreen)
{
    // Integer division truncates toward zero, as the halves must.
    int32_t at = from + (over - size) / 2;
    if (keepOnScreen && at + size > screen) at = screen - size;
    if (at < 1) at = 0;
    return at;
}

} // namespace

WinPoint centredPosition(const WinRect& window, const WinRect* parent, int32_t screenWidth,
                         int32_t screenHeight)
{
    const int32_t w = window.width();
    const int32_t h = window.height();
    if (parent) {
        return {centreAxis(parent->left, parent->width(), w, screenWidth, true),
                centreAxis(parent->top, parent->height(), h, screenHeight, true)};
    }
    return {centreAxis(0, screenWidth, w, screenWidth, false),
            centreAxis(0, screenHeight, h, screenHeight, false)};
}
