// The gauge controls, checked on the pixels GDI draws: each case lists the
// colour runs along one row or column of a 200 x 20 gauge.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "record/core/gauge_geometry.h"
#include "record/peak_bar_graph.h"
#include "record/static_with_color.h"
#include "support/pane_pixels.h"
#include "zapp/testing.h"
#include "zapp/zapp.h"

namespace {

constexpr COLORREF kUntouched = RGB(1, 2, 3);

char letter(COLORREF c)
{
    if (c == RGB(64, 64, 64)) return 'S';      // shadow
    if (c == RGB(192, 192, 192)) return 'E';   // frame edge
    if (c == RGB(255, 255, 255)) return 'W';   // white inside
    if (c == RGB(0, 129, 0)) return 'C';       // current bar
    if (c == RGB(0, 0, 255)) return 'P';       // peak tick
    if (c == RGB(255, 0, 0)) return 'L';       // limit tick
    if (c == kUntouched) return 'X';
    return '?';
}

// "S0 E1 S2-3 W4 ..." along a row (vertical false) or a column.
std::string runs(const PanePicture& p, bool vertical, int index)
{
    const int n = vertical ? p.h : p.w;
    std::string out;
    int start = 0;
    for (int i = 1; i <= n; ++i) {
        const auto colourAt = [&](int k) { return vertical ? p.at(index, k) : p.at(k, index); };
        if (i < n && colourAt(i) == colourAt(start)) continue;
        if (!out.empty()) out += ' ';
        out += letter(colourAt(start));
        out += std::to_string(start);
        if (i - 1 > start) out += "-" + std::to_string(i - 1);
        start = i;
    }
    return out;
}

// A 200 x 20 control to lay gauges over.
class GaugeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        zapp::testing::app();
        host = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 50, 50, 200, 20, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(host, nullptr);
    }
    void TearDown() override
    {
        DestroyWindow(host);  // the panes go with it
        zapp::testing::pumpPending();
    }
    PeakBarGraph* newGauge()
    {
        PeakBarGraph* g = new PeakBarGraph(host, gauge::kCurrentColour, gauge::kPeakColour,
                                           gauge::kLimitColour);
        g->show();
        return g;
    }
    HWND host = nullptr;
};

} // namespace

TEST_F(GaugeTest, PeakBarGraphPixels)
{
    struct Case {
        const char* what;
        bool setValues;
        uint32_t current, peak, limit;
        bool vertical;
        int index;
        const char* want;
    } cases[] = {
        {"30 % bar and 50 % peak, middle row", true, 30, 50, 100, false, 10,
         "S0 E1 S2-3 W4 C5-56 W57-96 P97-98 W99-195 L196-197 E198 X199"},
        {"the bar's column", true, 30, 50, 100, true, 30, "S0 E1 S2-3 W4 C5-16 W17 E18 X19"},
        {"the peak tick's column", true, 30, 50, 100, true, 97, "S0 E1 S2-3 P4-17 E18 X19"},
        {"the limit tick's column", true, 30, 50, 100, true, 197, "S0 E1 S2-3 L4-17 E18 X19"},
        {"the right edge", true, 30, 50, 100, true, 198, "S0 E1-18 X19"},
        {"the last column is not drawn", true, 30, 50, 100, true, 199, "S0 X1-19"},
        {"the outer shadow", true, 30, 50, 100, true, 0, "S0-19"},
        {"the top rows", true, 30, 50, 100, false, 2, "S0 E1 S2-197 E198 X199"},
        {"row 1", true, 30, 50, 100, false, 1, "S0 E1-198 X199"},
        {"the bottom edge", true, 30, 50, 100, false, 18, "S0 E1-198 X199"},
        {"no data, middle row", false, 0, 0, 0, false, 10,
         "S0 E1 S2-3 W4 C5 P6 W7-195 L196-197 E198 X199"},
        {"no data: the thin peak line", false, 0, 0, 0, true, 6, "S0 E1 S2-3 W4 P5-16 W17 E18 X19"},
        {"at the limit", true, 100, 100, 100, false, 10,
         "S0 E1 S2-3 W4 C5-193 P194-195 L196-197 E198 X199"},
        {"at the limit: the peak tick's column", true, 100, 100, 100, true, 194,
         "S0 E1 S2-3 P4-17 E18 X19"},
        {"4 % still draws one column of bar", true, 4, 4, 100, false, 10,
         "S0 E1 S2-3 W4 C5 P6 W7-195 L196-197 E198 X199"},
        {"4 %: a full peak tick at 5-6", true, 4, 4, 100, true, 6, "S0 E1 S2-3 P4-17 E18 X19"},
        {"4 %: the bar covers the peak tick", true, 4, 4, 100, true, 5,
         "S0 E1 S2-3 P4 C5-16 P17 E18 X19"},
        {"values beyond 32 bits of percentage", true, 3000000000u, 4000000000u, 4000000000u,
         false, 10, "S0 E1 S2-3 W4 C5-146 W147-193 P194-195 L196-197 E198 X199"},
    };
    for (const Case& c : cases) {
        PeakBarGraph* g = newGauge();
        if (c.setValues) g->setValues(c.current, c.peak, c.limit);
        const PanePicture p = drawnPicture(*g, 200, 20, kUntouched);
        EXPECT_EQ(runs(p, c.vertical, c.index), c.want) << c.what;
        g->hide();
        DestroyWindow(g->hwnd());
    }
}

TEST_F(GaugeTest, PicturesThatMustMatch)
{
    struct Case {
        const char* what;
        bool aData;
        uint32_t a[3];
        bool bData;
        uint32_t b[3];
    } cases[] = {
        {"limit 0 draws the no-data picture", true, {70, 90, 0}, false, {0, 0, 0}},
        {"above the limit draws as at the limit", true, {900, 1000, 100}, true, {100, 100, 100}},
        {"far above the limit does not wrap", true, {4294967295u, 4294967295u, 1}, true,
         {100, 100, 100}},
    };
    for (const Case& c : cases) {
        PeakBarGraph* a = newGauge();
        PeakBarGraph* b = newGauge();
        if (c.aData) a->setValues(c.a[0], c.a[1], c.a[2]);
        if (c.bData) b->setValues(c.b[0], c.b[1], c.b[2]);
        const PanePicture pa = drawnPicture(*a, 200, 20, kUntouched);
        const PanePicture pb = drawnPicture(*b, 200, 20, kUntouched);
        EXPECT_TRUE(pa == pb) << c.what << "\n  middle row " << runs(pa, false, 10) << "\n  vs "
                              << runs(pb, false, 10);
        DestroyWindow(a->hwnd());
        DestroyWindow(b->hwnd());
    }
}

TEST_F(GaugeTest, SetValuesDrawsAtOnceAndFollowsTheParent)
{
    PeakBarGraph* g = newGauge();
    EXPECT_TRUE(g->noData());
    const RECT c = g->clientRect();
    EXPECT_EQ(c.right, 200) << "fills its control";
    EXPECT_EQ(c.bottom, 20);
    zapp::testing::pumpPending();
    g->setValues(30, 50, 100);
    EXPECT_FALSE(g->noData());
    RECT update;
    EXPECT_FALSE(GetUpdateRect(g->hwnd(), &update, FALSE)) << "drawn directly, not invalidated";

    SetWindowPos(host, nullptr, 0, 0, 300, 24, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT after = g->clientRect();
    EXPECT_EQ(after.right, 300) << "follows its control's size";
    EXPECT_EQ(after.bottom, 24);
}

TEST_F(GaugeTest, StaticWithColorText)
{
    HWND label = CreateWindowExA(0, "STATIC", "Peak", WS_CHILD | WS_VISIBLE | SS_RIGHT, 0, 0, 80,
                                 16, host, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(label, nullptr);
    SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    StaticWithColor* s = new StaticWithColor(label, gauge::kPeakColour);
    EXPECT_TRUE(s->isVisible()) << "shows itself";
    const RECT c = s->clientRect();
    EXPECT_EQ(c.right, 80);
    EXPECT_EQ(c.bottom, 16);

    const PanePicture p = drawnPicture(*s, 80, 16, kUntouched);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(p.at(79, 15), face) << "the whole area is filled";
    EXPECT_EQ(p.at(79, 0), face);
    HDC dc = GetDC(label);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SIZE ext;
    GetTextExtentPoint32A(dc, "Peak", 4, &ext);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    int inColour = 0, leftmost = 80, strays = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 80; ++x) {
            const COLORREF v = p.at(x, y);
            if (v == face) continue;
            if (x >= ext.cx || y >= ext.cy) ++strays;
            if (v == gauge::kPeakColour) {
                ++inColour;
                if (x < leftmost) leftmost = x;
            }
        }
    }
    EXPECT_GT(inColour, 10) << "the text is drawn in the pane's colour";
    EXPECT_LT(leftmost, 3) << "from the left, whatever the static's alignment";
    EXPECT_EQ(strays, 0) << "nothing outside the text cell";

    // A size change asks for a full repaint.
    zapp::testing::pumpPending();
    SetWindowPos(label, nullptr, 0, 0, 100, 18, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT update;
    ASSERT_TRUE(GetUpdateRect(s->hwnd(), &update, FALSE));
    EXPECT_EQ(update.left, 0);
    EXPECT_EQ(update.top, 0);
    EXPECT_EQ(update.right, 100);
    EXPECT_EQ(update.bottom, 18);
}
