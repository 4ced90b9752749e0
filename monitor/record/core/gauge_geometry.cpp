#include "record/core/gauge_geometry.h"

namespace gauge {

int16_t percentage(uint32_t value, uint32_t limit, bool noData)
{
    if (noData || limit == 0) return 1;
    // value x 100 overflows 32 bits above 42,949,672; and a quotient above
    // 100 would only ever mean "full", so it is kept there rather than
    // wrapping through a 16-bit number into a negative percentage.
    const uint64_t p = static_cast<uint64_t>(value) * 100u / limit;
    return static_cast<int16_t>(p > 100 ? 100 : p);
}

int32_t position(int16_t percent, int32_t width)
{
    const int32_t w = static_cast<int16_t>(width);
    return static_cast<int32_t>(percent) * w / 100;
}

std::vector<Step> peakBarSteps(int32_t width, int32_t height, bool noData, uint32_t current,
                               uint32_t peak, uint32_t limit, Colour currentColour,
                               Colour peakColour, Colour limitColour)
{
    const int32_t W = static_cast<int16_t>(width);
    const int32_t H = height;
    std::vector<Step> s;
    s.reserve(11);
    auto line = [&](Colour pen, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
        s.push_back({Step::Line, pen, false, 0, x0, y0, x1, y1});
    };
    auto outline = [&](Colour pen, int32_t l, int32_t t, int32_t r, int32_t b) {
        s.push_back({Step::Rectangle, pen, false, 0, l, t, r, b});
    };

    // Sunken white frame.
    s.push_back({Step::Rectangle, kFrameEdge, true, kFrameFill, 1, 1, W - 1, H - 1});
    line(kShadow, 0, 0, 0, H);
    line(kShadow, 0, 0, W, 0);
    line(kShadow, 2, 2, 2, H - 2);
    line(kShadow, 2, 2, W - 2, 2);
    line(kShadow, 3, 3, 3, H - 2);
    line(kShadow, 3, 3, W - 2, 3);

    // The limit is always the right end.
    outline(limitColour, W - 4, 4, W - 2, H - 2);

    const int32_t x = position(percentage(peak, limit, noData), W);
    if (x >= W)
        outline(peakColour, W - 6, 4, W - 4, H - 2);
    else if (x <= 7)
        outline(peakColour, 6, 5, 7, H - 3);
    else
        outline(peakColour, x - 3, 4, x - 1, H - 2);

    // The bar comes last and covers the peak tick where they meet.
    const int32_t c = position(percentage(current, limit, noData), W);
    int32_t right;
    if (c >= W)
        right = W - 6;
    else if (c <= 8)
        right = 6;
    else
        right = c - 3;
    s.push_back({Step::Rectangle, currentColour, true, currentColour, 5, 5, right, H - 3});
    return s;
}

} // namespace gauge
