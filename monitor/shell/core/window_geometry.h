// Where centreWindow puts a window: the arithmetic without the window calls.
#pragma once
#include <cstdint>

struct WinRect {
    int32_t left, top, right, bottom;
    int32_t width() const { return right - left; }
    int32_t height() const { return bottom - top; }
};

struct WinPoint {
    int32_t x, y;
};

// New top-left corner of `window` (its size is kept). With a parent, centred
// over the parent and then moved left or up so that its right and bottom
// edges stay on a screen of screenWidth x screenHeight; without one, centred
// on the screen. Coordinates below 1 become 0.
WinPoint centredPosition(const WinRect& window, const WinRect* parent, int32_t screenWidth,
                         int32_t screenHeight);
