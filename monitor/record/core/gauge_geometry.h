// What the gauge controls draw, as data: the peak bar graph's frame, limit
// tick, peak tick and current bar in client coordinates of the pane, and the
// percentage and position rules behind them. The Win32 controls replay the
// list with GDI; tests read it without a window.
#pragma once
#include <cstdint>
#include <vector>

namespace gauge {

// A colour as the platform stores it: 0x00BBGGRR.
using Colour = uint32_t;
constexpr Colour rgb(uint8_t r, uint8_t g, uint8_t b)
{
    return static_cast<Colour>(r) | (static_cast<Colour>(g) << 8) | (static_cast<Colour>(b) << 16);
}

constexpr Colour kCurrentColour = rgb(0, 129, 0);
constexpr Colour kPeakColour = rgb(0, 0, 255);
constexpr Colour kLimitColour = rgb(255, 0, 0);
constexpr Colour kFrameFill = rgb(255, 255, 255);
constexpr Colour kFrameEdge = rgb(192, 192, 192);
constexpr Colour kShadow = rgb(64, 64, 64);

// One drawing step. Rectangles and lines follow the GDI rules: right and
// bottom are excluded, a line excludes its end point. A rectangle with
// ownBrush false is drawn with whatever brush the display holds (the caller's
// default); the pen is always one pixel wide and solid.
struct Step {
    enum Kind { Rectangle, Line } kind;
    Colour pen;
    bool ownBrush;
    Colour brush;  // when ownBrush
    int32_t left, top, right, bottom;  // a line runs (left,top) to (right,bottom)
};

// Percentage of `value` against `limit`: 1 without data or without a limit.
// Computed in 64 bits and kept within 0..100, so a value above the limit
// reads as the limit and large values neither overflow nor wrap.
int16_t percentage(uint32_t value, uint32_t limit, bool noData);

// Column of a percentage on a gauge `width` pixels wide (truncated toward 0).
int32_t position(int16_t percent, int32_t width);

// Everything the peak bar graph draws on a client area of width x height, in
// drawing order.
std::vector<Step> peakBarSteps(int32_t width, int32_t height, bool noData, uint32_t current,
                               uint32_t peak, uint32_t limit, Colour currentColour,
                               Colour peakColour, Colour limitColour);

} // namespace gauge
