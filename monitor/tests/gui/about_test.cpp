// The About box, the icon pane and the wait dialog.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <vector>

#include "engine/utils_binding.h"
#include "monitor_ids.h"
#include "shell/about_dlg.h"
#include "shell/icon_pane.h"
#include "shell/main_window.h"
#include "shell/shell_services.h"
#include "shell/wait_dlg.h"
#include "support/pane_pixels.h"
#include "support/sim_control.h"
#include "vigilkit_ids.h"
#include "zapp/testing.h"
#include "zapp/zapp.h"

namespace {

// Dialog windows created on this thread while a hook is set.
std::vector<HWND> g_dialogsMade;
LRESULT CALLBACK recordDialogs(int code, WPARAM wp, LPARAM lp)
{
    if (code == HCBT_CREATEWND) {
        char cls[16] = {0};
        GetClassNameA(reinterpret_cast<HWND>(wp), cls, sizeof cls);
        if (lstrcmpA(cls, "#32770") == 0) g_dialogsMade.push_back(reinterpret_cast<HWND>(wp));
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

class AboutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        zapp::testing::app();
        DBUStart(nullptr);
        main = new TMainWindow(nullptr, "");
    }
    void TearDown() override
    {
        delete main;
        zapp::testing::pumpPending();
    }
    zapp::SeamRecorder seams;
    TMainWindow* main = nullptr;
};

} // namespace

TEST_F(AboutTest, TextsIconAndPlacementAtTheRightEdge)
{
    const int sw = GetSystemMetrics(SM_CXSCREEN);
    const int sh = GetSystemMetrics(SM_CYSCREEN);
    // The main window mostly off the right edge of the screen.
    SetWindowPos(main->hwnd(), nullptr, sw - 120, 100, 500, 400, SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT mainRect = main->getRect();

    RECT box = {};
    std::string caption, line1, line2, copyright;
    bool placeholderVisible = true;
    RECT pane = {}, placeholder = {};
    PanePicture pixels;
    seams.modalScripts.push_back([&](zDialogFrame& d) {
        HWND h = d.hwnd();
        box = d.getRect();
        caption = zapp::testing::text(h);
        line1 = zapp::testing::controlText(h, IDC_ABOUT_LINE1);
        line2 = zapp::testing::controlText(h, IDC_ABOUT_LINE2);
        copyright = zapp::testing::controlText(h, IDC_ABOUT_COPYRIGHT);
        placeholderVisible = zapp::testing::isVisible(h, IDC_ABOUT_ICON);
        GetWindowRect(d.control(IDC_ABOUT_ICON), &placeholder);
        TAboutDlg* about = dynamic_cast<TAboutDlg*>(&d);
        if (about && about->iconPane()) {
            GetWindowRect(about->iconPane()->hwnd(), &pane);
            pixels = drawnPicture(*about->iconPane(), 60, 60, RGB(1, 2, 3));
        }
        d.endModal(IDOK);
    });
    zapp::testing::sendCommand(main->hwnd(), IDM_ABOUT);
    ASSERT_EQ(seams.modalTemplates, std::vector<int>{IDD_ABOUT});

    EXPECT_EQ(caption, loadStringCopy(IDS_ABOUT_CAPTION));
    EXPECT_EQ(line1, loadStringCopy(IDS_ABOUT_LINE1));
    EXPECT_EQ(line2, loadStringCopy(IDS_ABOUT_LINE2));
    EXPECT_FALSE(copyright.empty()) << "2003 keeps the template's text";

    EXPECT_EQ(box.right, sw) << "centred over the main window, then moved left onto the screen";
    EXPECT_GE(box.left, 0);
    EXPECT_LE(box.bottom, sh);
    const int mainMidY = (mainRect.top + mainRect.bottom) / 2;
    EXPECT_LE(std::abs((box.top + box.bottom) / 2 - mainMidY), 1) << "centred over the main window";

    EXPECT_FALSE(placeholderVisible) << "the placeholder icon is hidden";
    EXPECT_EQ(pane.right - pane.left, 60);
    EXPECT_EQ(pane.bottom - pane.top, 60);
    EXPECT_EQ(pane.left, placeholder.left) << "the pane sits where the placeholder was";
    EXPECT_EQ(pane.top, placeholder.top);
    ASSERT_EQ(pixels.px.size(), 3600u);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(pixels.at(59, 59), face) << "outside the icon: the button face";
    int iconPixels = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) iconPixels += pixels.at(x, y) != face;
    EXPECT_GT(iconPixels, 100) << "the icon is drawn at the top-left corner";
}

TEST_F(AboutTest, WaitDialog)
{
    TWaitDlg* wait = new TWaitDlg(main);
    ASSERT_TRUE(wait->built());
    EXPECT_EQ(wait->getText(), loadStringCopy(IDS_WAIT_CAPTION));
    EXPECT_FALSE(zapp::testing::controlText(wait->hwnd(), IDC_WAIT_TEXT).empty());
    EXPECT_FALSE(wait->isVisible()) << "the main window shows it";
    wait->show();
    // Escape does not close it.
    wait->send(WM_COMMAND, IDCANCEL, 0);
    zapp::testing::pumpPending();
    EXPECT_TRUE(wait->isVisible());
    wait->destroyNow();
}

TEST(WaitDialogAtStart, ShownOnlyWithoutVersionRefusal)
{
    static const struct {
        const char* what;
        const char* scenario;
        size_t dialogs;
        uint32_t kindChecks;
    } cases[] = {
        {"usable engine: wait dialog during the engine-kind check",
         R"({"local": {"components": {"0": {"kind": 1, "major": 1},
             "10": {"kind": 2, "major": 7, "minor": 90}, "5": {"kind": 2, "major": 7, "minor": 50}},
             "connectionManager": {"word5302": 0}}})",
         1, 1},
        {"record engine 6.99 refused: no wait dialog, no engine-kind check",
         R"({"local": {"components": {"0": {"kind": 1, "major": 1},
             "10": {"kind": 2, "major": 7, "minor": 90}, "5": {"kind": 2, "major": 6, "minor": 99}}}})",
         0, 0},
    };
    zapp::testing::app();
    SimControl sim;
    zapp::SeamRecorder seams;
    for (const auto& c : cases) {
        sim.load(c.scenario);
        DBUStart(nullptr);
        g_dialogsMade.clear();
        HHOOK hook = SetWindowsHookExA(WH_CBT, recordDialogs, nullptr, GetCurrentThreadId());
        TMainWindow* main = new TMainWindow(nullptr, "");
        UnhookWindowsHookEx(hook);
        EXPECT_EQ(g_dialogsMade.size(), c.dialogs) << c.what;
        for (HWND h : g_dialogsMade) EXPECT_FALSE(IsWindow(h)) << c.what << ": deleted after the check";
        EXPECT_EQ(sim.callCount(SimOp::GetInfo, 5302), c.kindChecks) << c.what;
        EXPECT_EQ(main->engine.versionRefused, c.dialogs == 0) << c.what;
        delete main;
        zapp::testing::pumpPending();
    }
}
