#include <gtest/gtest.h>

#include "record/core/gauge_geometry.h"

using namespace gauge;

TEST(GaugeGeometry, Percentage)
{
    struct Case {
        uint32_t value, limit;
        bool noData;
        int16_t want;
        const char* what;
    } cases[] = {
        {50, 100, true, 1, "no data"},
        {50, 0, false, 1, "limit 0"},
        {0, 100, false, 0, "zero"},
        {30, 100, false, 30, "30 %"},
        {99, 100, false, 99, "just below"},
        {100, 100, false, 100, "at the limit"},
        {250, 100, false, 100, "above the limit reads as the limit"},
        {42949673, 42949673, false, 100, "first value whose x100 overflows 32 bits"},
        {4294967295u, 4294967295u, false, 100, "largest value at its limit"},
        {2147483648u, 4294967295u, false, 50, "half of the largest limit"},
        {4294967295u, 1, false, 100, "far above: no wrap to negative"},
        {1000, 3, false, 100, "quotient above 32767 does not wrap"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.want, percentage(c.value, c.limit, c.noData))
            << c.what << ": value " << c.value << " limit " << c.limit;
}

TEST(GaugeGeometry, Position)
{
    struct Case {
        int16_t p;
        int32_t w, want;
    } cases[] = {{30, 200, 60}, {50, 200, 100}, {4, 200, 8}, {1, 200, 2},
                 {1, 799, 7}, {1, 800, 8}, {100, 57, 57}, {33, 57, 18}};
    for (const Case& c : cases)
        EXPECT_EQ(c.want, position(c.p, c.w)) << c.p << " % of " << c.w;
}

namespace {

// Steps 0-7 are the frame, its six shadow lines and the limit tick; then
// come the peak tick and the bar.
Step peakOf(const std::vector<Step>& s) { return s.at(8); }
Step barOf(const std::vector<Step>& s) { return s.at(9); }

} // namespace

TEST(GaugeGeometry, StepsInOrder)
{
    const auto s = peakBarSteps(200, 20, false, 30, 50, 100, kCurrentColour, kPeakColour,
                                kLimitColour);
    ASSERT_EQ(10u, s.size());
    const Step frame = s[0];
    EXPECT_EQ(Step::Rectangle, frame.kind);
    EXPECT_TRUE(frame.ownBrush);
    EXPECT_EQ(kFrameFill, frame.brush);
    EXPECT_EQ(kFrameEdge, frame.pen);
    EXPECT_EQ(1, frame.left);
    EXPECT_EQ(1, frame.top);
    EXPECT_EQ(199, frame.right);
    EXPECT_EQ(19, frame.bottom);
    const int32_t lines[6][4] = {{0, 0, 0, 20}, {0, 0, 200, 0}, {2, 2, 2, 18},
                                 {2, 2, 198, 2}, {3, 3, 3, 18}, {3, 3, 198, 3}};
    for (int i = 0; i < 6; ++i) {
        const Step& l = s[1 + i];
        EXPECT_EQ(Step::Line, l.kind) << "step " << 1 + i;
        EXPECT_EQ(kShadow, l.pen) << "step " << 1 + i;
        EXPECT_EQ(lines[i][0], l.left) << "step " << 1 + i;
        EXPECT_EQ(lines[i][1], l.top) << "step " << 1 + i;
        EXPECT_EQ(lines[i][2], l.right) << "step " << 1 + i;
        EXPECT_EQ(lines[i][3], l.bottom) << "step " << 1 + i;
    }
    const Step limit = s[7];
    EXPECT_EQ(kLimitColour, limit.pen);
    EXPECT_FALSE(limit.ownBrush);
    EXPECT_EQ(196, limit.left);
    EXPECT_EQ(198, limit.right);
    EXPECT_EQ(4, limit.top);
    EXPECT_EQ(18, limit.bottom);
    EXPECT_EQ(kPeakColour, peakOf(s).pen);
    EXPECT_EQ(kCurrentColour, barOf(s).pen);
    EXPECT_TRUE(barOf(s).ownBrush);
    EXPECT_EQ(kCurrentColour, barOf(s).brush);
}

TEST(GaugeGeometry, PeakAndBarCases)
{
    struct Case {
        const char* what;
        int32_t w;
        bool noData;
        uint32_t current, peak, limit;
        int32_t peakL, peakT, peakR, peakB;  // bottoms for H = 20
        int32_t barR;
    } cases[] = {
        {"30 % bar, 50 % peak", 200, false, 30, 50, 100, 97, 4, 99, 18, 57},
        {"no data", 200, true, 0, 0, 0, 6, 5, 7, 17, 6},
        {"limit 0 like no data", 200, false, 70, 90, 0, 6, 5, 7, 17, 6},
        {"at the limit", 200, false, 100, 100, 100, 194, 4, 196, 18, 194},
        {"above the limit", 200, false, 900, 1000, 100, 194, 4, 196, 18, 194},
        {"4 % still one pixel", 200, false, 4, 4, 100, 5, 4, 7, 18, 6},
        {"5 % bar", 200, false, 5, 5, 100, 7, 4, 9, 18, 7},
        {"peak at column 7 is the thin line", 200, false, 0, 3, 100, 6, 5, 7, 17, 6},
        {"no data on a wide gauge", 800, true, 0, 0, 0, 5, 4, 7, 18, 6},
        {"huge values in 64 bits", 200, false, 3000000000u, 4000000000u, 4000000000u, 194, 4,
         196, 18, 147},
    };
    for (const Case& c : cases) {
        const auto s = peakBarSteps(c.w, 20, c.noData, c.current, c.peak, c.limit,
                                    kCurrentColour, kPeakColour, kLimitColour);
        const Step p = peakOf(s);
        EXPECT_EQ(c.peakL, p.left) << c.what;
        EXPECT_EQ(c.peakT, p.top) << c.what;
        EXPECT_EQ(c.peakR, p.right) << c.what;
        EXPECT_EQ(c.peakB, p.bottom) << c.what;
        const Step b = barOf(s);
        EXPECT_EQ(5, b.left) << c.what;
        EXPECT_EQ(5, b.top) << c.what;
        EXPECT_EQ(c.barR, b.right) << c.what;
        EXPECT_EQ(17, b.bottom) << c.what;
    }
}
