// The resource usage dialog against scenarios of the simulated engine:
// figures, hidden and shown gauges, the requests it sends, and how it closes
// when a request fails.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "engine/utils_binding.h"
#include "record/peak_bar_graph.h"
#include "record/res_usage_dlg.h"
#include "record/static_with_color.h"
#include "shell/main_window.h"
#include "shell/shell_services.h"
#include "support/sim_control.h"
#include "vigilkit_ids.h"
#include "zapp/testing.h"
#include "zapp/zapp.h"

using zapp::testing::controlText;
using zapp::testing::pumpUntil;

namespace {

// A server engine whose figures test every rule of the rows: maximum 0 and
// "none", the largest unsigned values, row 7 with maximum 0.
const char kFigures[] = R"({"local": {
  "components": {"0": {"kind": 1, "major": 1},
                 "10": {"kind": 2, "major": 7, "minor": 90, "build": 300},
                 "5": {"kind": 2, "major": 7, "minor": 50}},
  "usage": {
    "row1": {"current": 10, "peak": 20, "max": 0},
    "row2": {"current": 4294967295, "peak": 4294967295, "max": 500},
    "row3": {"current": 7, "peak": 12},
    "row4": {"current": 3, "peak": 9, "max": 64},
    "row5": {"current": 5, "peak": 9, "max": 0},
    "row6": {"current": 18, "peak": 40, "max": "none"},
    "row7": {"current": 2, "peak": 6, "max": 0}}}})";

// The same engine with every maximum set; row 6 with maximum 0.
const char kAllLimits[] = R"({"local": {
  "components": {"0": {"kind": 1, "major": 1},
                 "10": {"kind": 2, "major": 7, "minor": 90, "build": 300},
                 "5": {"kind": 2, "major": 7, "minor": 50}},
  "usage": {
    "row1": {"current": 10, "peak": 20, "max": 200},
    "row2": {"current": 30, "peak": 31, "max": 500},
    "row3": {"current": 7, "peak": 12},
    "row4": {"current": 3, "peak": 9, "max": 64},
    "row5": {"current": 5, "peak": 9, "max": 50},
    "row6": {"current": 18, "peak": 40, "max": 0},
    "row7": {"current": 2, "peak": 6, "max": 16}}}})";

// Only the workstation engine answers: selector 1.
const char kWorkstation[] = R"({"local": {
  "components": {"0": {"kind": 1, "major": 1}, "10": "absent", "5": "absent",
                 "2": {"kind": 2, "major": 7, "minor": 0, "build": 200},
                 "1": {"kind": 2, "major": 7, "minor": 0}},
  "usage": {"row1": {"current": 1, "peak": 2, "max": 3}}}})";

// Figures that move only when the test moves the clock.
const char kMoving[] = R"({"demo": {"enabled": true, "realTime": false, "stepMs": 1000, "seed": 7},
  "local": {
  "components": {"0": {"kind": 1, "major": 1},
                 "10": {"kind": 2, "major": 7, "minor": 90, "build": 300},
                 "5": {"kind": 2, "major": 7, "minor": 50}},
  "usage": {
    "row1": {"current": 100, "peak": 150, "max": 1000},
    "row2": {"current": 200, "peak": 300, "max": 5000},
    "row3": {"current": 70, "peak": 120},
    "row4": {"current": 30, "peak": 90, "max": 640},
    "row5": {"current": 50, "peak": 90, "max": 500},
    "row6": {"current": 180, "peak": 400, "max": 2560},
    "row7": {"current": 20, "peak": 60, "max": 160}}}})";

struct Row {
    int current, peak, maximum, group;  // group 0: row 3
};
const Row kRows[7] = {
    {IDC_RU_ROW1_CURRENT, IDC_RU_ROW1_PEAK, IDC_RU_ROW1_MAX, IDC_RU_ROW1_GAUGE},
    {IDC_RU_ROW2_CURRENT, IDC_RU_ROW2_PEAK, IDC_RU_ROW2_MAX, IDC_RU_ROW2_GAUGE},
    {IDC_RU_ROW3_CURRENT, IDC_RU_ROW3_PEAK, IDC_RU_ROW3_MAX, 0},
    {IDC_RU_ROW4_CURRENT, IDC_RU_ROW4_PEAK, IDC_RU_ROW4_MAX, IDC_RU_ROW4_GAUGE},
    {IDC_RU_ROW5_CURRENT, IDC_RU_ROW5_PEAK, IDC_RU_ROW5_MAX, IDC_RU_ROW5_GAUGE},
    {IDC_RU_ROW6_CURRENT, IDC_RU_ROW6_PEAK, IDC_RU_ROW6_MAX, IDC_RU_ROW6_GAUGE},
    {IDC_RU_ROW7_CURRENT, IDC_RU_ROW7_PEAK, IDC_RU_ROW7_MAX, IDC_RU_ROW7_GAUGE},
};

bool styleVisible(HWND h) { return h && (GetWindowLongA(h, GWL_STYLE) & WS_VISIBLE) != 0; }

class ResUsageTest : public ::testing::Test {
protected:
    void start(const char* scenario)
    {
        zapp::testing::app();
        sim.load(scenario);
        DBUStart(nullptr);
        main = new TMainWindow(nullptr, "");
        main->quitAction = [] {};
        seams.boxes.clear();
        sim.clearCallLog();
    }
    void TearDown() override
    {
        delete main;
        zapp::testing::pumpPending();
    }
    TVelResUsageDlg* open()
    {
        zapp::testing::sendCommand(main->hwnd(), IDM_RESOURCE_USAGE);
        return static_cast<TVelResUsageDlg*>(main->dialog(MonitorKind::ResourceUsage));
    }
    std::string none() { return loadStringCopy(IDS_NO_MAXIMUM); }

    SimControl sim;
    zapp::SeamRecorder seams;
    TMainWindow* main = nullptr;
};

} // namespace

TEST_F(ResUsageTest, FiguresAndHiddenGauges)
{
    start(kFigures);
    TVelResUsageDlg* dlg = open();
    ASSERT_NE(dlg, nullptr) << "opened";
    EXPECT_TRUE(seams.boxes.empty());
    HWND h = dlg->hwnd();
    EXPECT_TRUE(zapp::testing::isChecked(h, IDC_RU_AUTO_REFRESH));

    struct Want {
        const char *current, *peak, *maximum;  // nullptr maximum: string 3083
        bool gauge;
    } want[7] = {
        {"10", "20", nullptr, false},
        {"4294967295", "4294967295", "500", true},
        {"7", "12", nullptr, false},
        {"3", "9", "64", true},
        {"5", "9", nullptr, false},
        {"18", "40", nullptr, false},
        {"2", "6", "0", true},
    };
    for (int i = 0; i < 7; ++i) {
        const Row& r = kRows[i];
        const std::string row = "row " + std::to_string(i + 1);
        EXPECT_EQ(controlText(h, r.current), want[i].current) << row << " current";
        EXPECT_EQ(controlText(h, r.peak), want[i].peak) << row << " peak";
        EXPECT_EQ(controlText(h, r.maximum), want[i].maximum ? want[i].maximum : none())
            << row << " maximum";
        if (!r.group) {
            EXPECT_EQ(dlg->gauge(i + 1), nullptr) << row << " has no gauge";
            continue;
        }
        PeakBarGraph* g = dlg->gauge(i + 1);
        ASSERT_NE(g, nullptr) << row;
        EXPECT_EQ(styleVisible(dlg->control(r.group)), want[i].gauge) << row << " group box";
        EXPECT_EQ(styleVisible(g->hwnd()), want[i].gauge) << row << " gauge";
        EXPECT_EQ(GetParent(g->hwnd()), dlg->control(r.group)) << row << " laid over its group";
    }
    PeakBarGraph* g2 = dlg->gauge(2);
    EXPECT_FALSE(g2->noData());
    EXPECT_EQ(g2->current(), 4294967295u);
    EXPECT_EQ(g2->limit(), 500u);
    PeakBarGraph* g7 = dlg->gauge(7);
    EXPECT_FALSE(g7->noData()) << "row 7 is always set";
    EXPECT_EQ(g7->limit(), 0u);

    // The legend over its three statics, in the gauges' colours.
    const struct {
        int id;
        COLORREF colour;
    } legend[3] = {{IDC_RU_LEGEND_CURRENT, RGB(0, 129, 0)},
                   {IDC_RU_LEGEND_PEAK, RGB(0, 0, 255)},
                   {IDC_RU_LEGEND_MAX, RGB(255, 0, 0)}};
    for (int i = 0; i < 3; ++i) {
        ASSERT_NE(dlg->legend(i), nullptr);
        EXPECT_EQ(GetParent(dlg->legend(i)->hwnd()), dlg->control(legend[i].id)) << "legend " << i;
        EXPECT_EQ(dlg->legend(i)->colour(), legend[i].colour) << "legend " << i;
    }

    // A hidden gauge comes back when its maximum is set again; row 6 with
    // maximum 0 is a gauge with limit 0.
    sim.load(kAllLimits);
    ASSERT_TRUE(zapp::testing::clickButton(h, IDC_RU_REFRESH));
    for (int i : {0, 4, 5}) {
        EXPECT_TRUE(styleVisible(dlg->control(kRows[i].group))) << "row " << i + 1 << " back";
        EXPECT_TRUE(styleVisible(dlg->gauge(i + 1)->hwnd())) << "row " << i + 1 << " back";
    }
    EXPECT_EQ(controlText(h, IDC_RU_ROW6_MAX), "0");
    EXPECT_EQ(dlg->gauge(6)->limit(), 0u);
    EXPECT_EQ(controlText(h, IDC_RU_ROW1_MAX), "200");
}

TEST_F(ResUsageTest, RequestsUseTheSelectorOfTheMoment)
{
    static const struct {
        const char* what;
        const char* scenario;
        uint32_t selector;
    } cases[] = {{"server engine", kFigures, 5}, {"workstation engine", kWorkstation, 1}};
    for (const auto& c : cases) {
        start(c.scenario);
        TVelResUsageDlg* dlg = open();
        ASSERT_NE(dlg, nullptr) << c.what;
        EXPECT_EQ(sim.callCount(SimOp::GetInfo, 15), 1u) << c.what;
        EXPECT_EQ(sim.callCount(SimOp::GetInfo, 1808), 1u) << c.what;
        const SimCallRecord last = sim.lastCall();
        EXPECT_EQ(last.code, 1808u) << c.what << ": 1808 after 15";
        EXPECT_EQ(last.selector, c.selector) << c.what;
        EXPECT_EQ(last.handle, -1) << c.what;
        EXPECT_EQ(last.inLen, 0u) << c.what;
        EXPECT_EQ(last.outCap, 12u) << c.what;
        delete main;
        main = nullptr;
        zapp::testing::pumpPending();
    }
}

TEST_F(ResUsageTest, FirstRefreshFailures)
{
    static const struct {
        const char* what;
        int32_t code;
        uint16_t status;
        int message;  // 0: the status text in a warning box
    } cases[] = {
        {"15 answers 4083", 15, 4083, IDS_RECORD_ENGINE_MISSING},
        {"1808 answers 4083", 1808, 4083, IDS_RECORD_ENGINE_MISSING},
        {"1808 fails after 15", 1808, 4050, 0},
        {"15 fails", 15, 4050, 0},
    };
    for (const auto& c : cases) {
        start(kFigures);
        sim.fail(SimOp::GetInfo, c.code, c.status);
        bool enabledDuring = true;
        seams.onBox = [&](const zapp::MessageBoxCall&) { enabledDuring = main->refreshEnabled; };
        TVelResUsageDlg* dlg = open();
        EXPECT_EQ(dlg, nullptr) << c.what << ": not adopted";
        EXPECT_FALSE(main->isOpen(MonitorKind::ResourceUsage)) << c.what;
        EXPECT_TRUE(zapp::testing::menuItem(main->menu(), IDM_RESOURCE_USAGE).enabled) << c.what;
        ASSERT_EQ(seams.boxes.size(), 1u) << c.what;
        const zapp::MessageBoxCall& box = seams.boxes[0];
        EXPECT_EQ(box.caption, loadStringCopy(IDS_MAIN_TITLE)) << c.what;
        if (c.message) {
            EXPECT_EQ(box.text, loadStringCopy(c.message)) << c.what;
            EXPECT_EQ(box.flags & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION)) << c.what;
        } else {
            EXPECT_EQ(box.text, statusText(c.status)) << c.what;
            EXPECT_EQ(box.flags & MB_ICONMASK, static_cast<UINT>(MB_ICONWARNING)) << c.what;
        }
        EXPECT_FALSE(enabledDuring) << c.what << ": ticks paused while the box is up";
        EXPECT_TRUE(main->refreshEnabled) << c.what;
        EXPECT_EQ(sim.callCount(SimOp::GetInfo, 1808), c.code == 15 ? 0u : 1u)
            << c.what << ": 1808 only after a good 15";
        seams.onBox = nullptr;
        delete main;
        main = nullptr;
        zapp::testing::pumpPending();
        sim.clearFailures();
    }
}

TEST_F(ResUsageTest, FailedTimerRefreshClosesTheDialog)
{
    start(kFigures);
    ASSERT_NE(open(), nullptr);
    ASSERT_TRUE(main->isOpen(MonitorKind::ResourceUsage));
    sim.fail(SimOp::GetInfo, 1808, 4050);
    main->refreshTick();
    ASSERT_EQ(seams.boxes.size(), 1u);
    EXPECT_EQ(seams.boxes[0].text, statusText(4050));
    EXPECT_TRUE(pumpUntil([&] { return main->dialog(MonitorKind::ResourceUsage) == nullptr; }))
        << "the dialog closes itself";
    EXPECT_FALSE(main->isOpen(MonitorKind::ResourceUsage));
    EXPECT_FALSE(main->windowMenuPresent());
    EXPECT_TRUE(zapp::testing::menuItem(main->menu(), IDM_RESOURCE_USAGE).enabled);
}

TEST_F(ResUsageTest, FiguresMoveOnTheTimer)
{
    start(kMoving);
    TVelResUsageDlg* dlg = open();
    ASSERT_NE(dlg, nullptr);
    HWND h = dlg->hwnd();
    auto texts = [&] {
        std::string s;
        for (const Row& r : kRows) s += controlText(h, r.current) + "/" + controlText(h, r.peak) + " ";
        return s;
    };
    const std::string before = texts();
    sim.advanceClock(10000);
    main->refreshTick();
    EXPECT_NE(texts(), before) << "the demo figures move between ticks";
    for (int i : {0, 1, 3, 4, 5, 6}) {
        PeakBarGraph* g = dlg->gauge(i + 1);
        EXPECT_LE(g->current(), g->limit()) << "row " << i + 1 << " within its maximum";
    }

    // With automatic refresh off, ticks leave the figures alone.
    ASSERT_TRUE(zapp::testing::clickButton(h, IDC_RU_AUTO_REFRESH));
    EXPECT_EQ(main->autoRefresh(MonitorKind::ResourceUsage), 0);
    const std::string frozen = texts();
    sim.clearCallLog();
    sim.advanceClock(10000);
    main->refreshTick();
    EXPECT_EQ(sim.callCount(SimOp::GetInfo, 15), 0u);
    EXPECT_EQ(texts(), frozen);
}
