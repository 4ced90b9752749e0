#include <gtest/gtest.h>

#include "shell/core/window_geometry.h"

TEST(WindowGeometry, CentredPosition)
{
    const WinRect mainNormal{100, 100, 700, 500};
    const WinRect mainRightEdge{800, 200, 1200, 500};   // partly off a 1024 screen
    const WinRect mainBottomEdge{200, 600, 600, 900};   // partly off a 768 screen
    const WinRect mainOffLeft{-300, -200, 100, 100};
    const WinRect mainSlightlyLarger{0, 0, 402, 302};
    struct Case {
        const char* what;
        WinRect window;
        const WinRect* parent;
        int32_t wantX, wantY;
    } cases[] = {
        {"on the screen", {0, 0, 300, 200}, nullptr, 362, 284},
        {"odd halves truncate", {0, 0, 301, 201}, nullptr, 361, 283},
        {"larger than the screen", {0, 0, 1100, 800}, nullptr, 0, 0},
        {"over the parent", {0, 0, 200, 100}, &mainNormal, 300, 250},
        {"parent at the right edge: moved left", {0, 0, 300, 200}, &mainRightEdge, 724, 250},
        {"parent at the bottom edge: moved up", {0, 0, 300, 200}, &mainBottomEdge, 250, 568},
        {"parent off the top left: clamped to 0", {0, 0, 300, 200}, &mainOffLeft, 0, 0},
        {"coordinate 1 stays", {0, 0, 400, 300}, &mainSlightlyLarger, 1, 1},
    };
    for (const Case& c : cases) {
        const WinPoint p = centredPosition(c.window, c.parent, 1024, 768);
        EXPECT_EQ(c.wantX, p.x) << c.what;
        EXPECT_EQ(c.wantY, p.y) << c.what;
    }
}
