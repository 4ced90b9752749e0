// The main window: construction, opening and tracking the monitor dialogs,
// the Window menu, the refresh tick, reportStatus and shutdown. The dialogs
// here are stand-ins that log their refreshes and their end, built on the
// real monitor dialog frame.
#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "engine/utils_binding.h"
#include "shell/main_window.h"
#include "shell/shell_services.h"
#include "vigilkit_ids.h"
#include "zapp/testing.h"
#include "zapp/zapp.h"

using zapp::testing::menuBarTexts;
using zapp::testing::menuItem;
using zapp::testing::popupIds;
using zapp::testing::pumpUntil;

namespace {

const char* kindName(MonitorKind k)
{
    static const char* const names[] = {"files",  "users",       "usage",   "comm",
                                        "sessions", "sqlusage", "sqlcomm", "connmgr"};
    return names[static_cast<int>(k)];
}

// A monitor dialog on the resource usage template that logs what happens to
// it; its first refresh fails when asked to.
class StandInDlg : public TMonitorDlg {
public:
    StandInDlg(TMainWindow& main, MonitorKind kind, bool failFirst, std::vector<std::string>& log,
               int templateId = IDD_RESUSAGE)
        : TMonitorDlg(main, kind, {IDC_RU_REFRESH, IDC_RU_HELP, IDC_RU_AUTO_REFRESH}, templateId),
          log_(log), fail_(failFirst)
    {
        if (!createFrame()) {
            closeDialog();
            return;
        }
        Refresh();
    }
    ~StandInDlg() override { log_.push_back(std::string("gone ") + kindName(kind())); }

    void Refresh() override
    {
        log_.push_back(std::string("refresh ") + kindName(kind()));
        if (fail_) {
            fail_ = false;
            failAndClose();
        }
    }

private:
    std::vector<std::string>& log_;
    bool fail_;
};

constexpr int kMissingTemplate = 2799;

class StandInMainWindow : public TMainWindow {
public:
    StandInMainWindow(std::vector<std::string>& log) : TMainWindow(nullptr, ""), log_(log)
    {
        quitAction = [this] { ++quits; };
    }
    std::set<MonitorKind> failing;
    std::set<MonitorKind> noTemplate;
    int quits = 0;

protected:
    TMonitorDlg* createMonitorDialog(MonitorKind kind) override
    {
        return new StandInDlg(*this, kind, failing.count(kind) != 0, log_,
                              noTemplate.count(kind) ? kMissingTemplate : IDD_RESUSAGE);
    }

private:
    std::vector<std::string>& log_;
};

bool hasEntry(const std::vector<std::string>& log, const std::string& entry)
{
    for (const auto& e : log)
        if (e == entry) return true;
    return false;
}

std::string join(const std::vector<std::string>& v)
{
    std::string s;
    for (const auto& e : v) s += (s.empty() ? "" : ", ") + e;
    return s;
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        zapp::testing::app();
        DBUStart(nullptr);
        main = new StandInMainWindow(log);
        zapp::testing::pumpPending();
        seams.boxes.clear();
    }
    void TearDown() override
    {
        delete main;
        zapp::testing::pumpPending();
    }

    void open(int command) { zapp::testing::sendCommand(main->hwnd(), command); }
    HWND dialogWindow(MonitorKind k) { return main->dialog(k) ? main->dialog(k)->hwnd() : nullptr; }
    bool windowMenuShown()
    {
        const std::string text = loadStringCopy(IDS_WINDOW_MENU);
        for (const auto& t : menuBarTexts(main->menu()))
            if (t == text) return true;
        return false;
    }
    bool enabled(int id) { return menuItem(main->menu(), id).enabled; }
    // Closes a dialog with its Close button and waits until it is gone.
    void closeWithButton(MonitorKind k)
    {
        HWND dlg = dialogWindow(k);
        ASSERT_NE(dlg, nullptr) << kindName(k);
        ASSERT_TRUE(zapp::testing::clickButton(dlg, IDC_DLG_CLOSE)) << kindName(k);
        EXPECT_TRUE(pumpUntil([&] { return main->dialog(k) == nullptr; })) << kindName(k);
    }

    zapp::SeamRecorder seams;
    std::vector<std::string> log;
    StandInMainWindow* main = nullptr;
};

} // namespace

TEST_F(MainWindowTest, Construction)
{
    char cls[64] = {0};
    GetClassNameA(main->hwnd(), cls, sizeof cls);
    EXPECT_STREQ(cls, "vigilkit") << "scripts find the program by its class";
    EXPECT_EQ(main->getText(), loadStringCopy(IDS_MAIN_TITLE));
    EXPECT_TRUE(main->isVisible());
    EXPECT_NE(main->send(WM_GETICON, ICON_BIG, 0), 0) << "icon 2800 in the title bar";
    EXPECT_FALSE(enabled(IDM_DISCONNECT)) << "local at start";
    EXPECT_TRUE(enabled(IDM_CONNECT));
    EXPECT_TRUE(enabled(IDM_HELP));
    EXPECT_FALSE(windowMenuShown()) << "no dialog open";
    EXPECT_TRUE(main->refreshEnabled);
    EXPECT_EQ(main->connectionHandle, -1);
    EXPECT_EQ(main->refreshInterval, 4);

    zStatusLineEZ* status = main->statusLine();
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(status->isVisible());
    EXPECT_EQ(status->paneText(2), loadStringCopy(IDS_LOCAL)) << "second pane while local";
    const RECT pane2 = status->paneRect(2);
    EXPECT_EQ(pane2.right - pane2.left, 150);

    // Menu-help texts in pane 1.
    static const struct {
        int menuId, stringId;
    } help[] = {{2506, 2506}, {2503, 2503}, {2600, 2518}, {2601, 2519}, {2602, 2516},
                {2603, 2517}, {2604, 2521}, {2605, 2520}, {2606, 2522}, {2525, 2525},
                {2607, 0}};
    for (const auto& h : help) {
        status->menuSelect(h.menuId, MF_HILITE, main->menu());
        const std::string want = h.stringId ? loadStringCopy(h.stringId) : "";
        EXPECT_EQ(status->paneText(1), want) << "menu id " << h.menuId;
    }
}

TEST_F(MainWindowTest, HelpCommandF1AndDialogHelp)
{
    open(IDM_HELP);
    zapp::testing::pressF1(main->hwnd());
    open(IDM_RESOURCE_USAGE);
    ASSERT_NE(dialogWindow(MonitorKind::ResourceUsage), nullptr);
    zapp::testing::clickButton(dialogWindow(MonitorKind::ResourceUsage), IDC_RU_HELP);
    ASSERT_EQ(seams.launches.size(), 3u);
    const char* topics[] = {"-#mapid 181021", "-#mapid 181021", "-#mapid 181012"};
    for (size_t i = 0; i < 3; ++i)
        EXPECT_NE(seams.launches[i].commandLine.find(topics[i]), std::string::npos)
            << "launch " << i << ": " << seams.launches[i].commandLine;
}

TEST_F(MainWindowTest, FailedFirstFetchLeavesNothingBehind)
{
    main->failing.insert(MonitorKind::ResourceUsage);
    const bool connectBefore = enabled(IDM_CONNECT);
    const bool disconnectBefore = enabled(IDM_DISCONNECT);
    open(IDM_RESOURCE_USAGE);
    EXPECT_EQ(main->dialog(MonitorKind::ResourceUsage), nullptr) << "not adopted";
    EXPECT_FALSE(main->isOpen(MonitorKind::ResourceUsage));
    EXPECT_TRUE(enabled(IDM_RESOURCE_USAGE)) << "its command stays enabled";
    EXPECT_FALSE(windowMenuShown());
    EXPECT_EQ(enabled(IDM_CONNECT), connectBefore);
    EXPECT_EQ(enabled(IDM_DISCONNECT), disconnectBefore);
    EXPECT_TRUE(hasEntry(log, "gone usage"))
        << "the dialog that failed is destroyed at once, not left to a loop that may never "
           "run again: "
        << join(log);

    // And the kind opens normally next time.
    main->failing.clear();
    open(IDM_RESOURCE_USAGE);
    EXPECT_TRUE(main->isOpen(MonitorKind::ResourceUsage));
    EXPECT_FALSE(enabled(IDM_RESOURCE_USAGE));
}

TEST_F(MainWindowTest, MissingTemplateIsReported)
{
    main->noTemplate.insert(MonitorKind::ActiveUsers);
    open(IDM_ACTIVE_USERS);
    EXPECT_EQ(main->dialog(MonitorKind::ActiveUsers), nullptr);
    EXPECT_FALSE(main->isOpen(MonitorKind::ActiveUsers));
    EXPECT_TRUE(enabled(IDM_ACTIVE_USERS));
    ASSERT_EQ(seams.boxes.size(), 1u);
    EXPECT_NE(seams.boxes[0].text.find("2799"), std::string::npos) << seams.boxes[0].text;
    EXPECT_EQ(seams.boxes[0].caption, loadStringCopy(IDS_MAIN_TITLE));
    EXPECT_FALSE(hasEntry(log, "refresh users")) << "no refresh without a dialog";
    EXPECT_TRUE(hasEntry(log, "gone users")) << "destroyed at once: " << join(log);
}

TEST_F(MainWindowTest, WindowMenuFollowsOpenDialogs)
{
    open(IDM_RESOURCE_USAGE);
    open(IDM_ACTIVE_FILES);
    ASSERT_TRUE(main->isOpen(MonitorKind::ResourceUsage));
    ASSERT_TRUE(main->isOpen(MonitorKind::ActiveFiles));
    EXPECT_TRUE(IsWindowVisible(dialogWindow(MonitorKind::ResourceUsage)));
    EXPECT_TRUE(windowMenuShown());
    EXPECT_EQ(menuBarTexts(main->menu()).at(VIGILKIT_WINDOW_MENU_POS),
              loadStringCopy(IDS_WINDOW_MENU));
    EXPECT_EQ(popupIds(main->menu(), VIGILKIT_WINDOW_MENU_POS),
              (std::vector<int>{IDM_WINDOW_ACTIVE_FILES, IDM_WINDOW_RESOURCE_USAGE}))
        << "table order";
    EXPECT_EQ(menuItem(main->menu(), IDM_WINDOW_RESOURCE_USAGE).text,
              loadStringCopy(IDS_TITLE_RESOURCE_USAGE));
    EXPECT_FALSE(enabled(IDM_RESOURCE_USAGE));
    EXPECT_FALSE(enabled(IDM_ACTIVE_FILES));
    EXPECT_FALSE(enabled(IDM_CONNECT)) << "grayed while a dialog is open";
    EXPECT_FALSE(enabled(IDM_DISCONNECT));

    // The caption of the frame.
    const std::string caption = loadStringCopy(IDS_TITLE_RESOURCE_USAGE) + " " +
                                std::string(30, ' ') + " " + loadStringCopy(IDS_CAPTION_SERVER) +
                                " " + loadStringCopy(IDS_LOCAL);
    EXPECT_EQ(zapp::testing::text(dialogWindow(MonitorKind::ResourceUsage)), caption);

    // Window-menu command: the dialog gets the focus.
    open(IDM_WINDOW_RESOURCE_USAGE);
    EXPECT_EQ(GetActiveWindow(), dialogWindow(MonitorKind::ResourceUsage));
    open(IDM_WINDOW_ACTIVE_FILES);
    EXPECT_EQ(GetActiveWindow(), dialogWindow(MonitorKind::ActiveFiles));

    closeWithButton(MonitorKind::ResourceUsage);
    EXPECT_FALSE(main->isOpen(MonitorKind::ResourceUsage));
    EXPECT_EQ(popupIds(main->menu(), VIGILKIT_WINDOW_MENU_POS),
              (std::vector<int>{IDM_WINDOW_ACTIVE_FILES}))
        << "rebuilt with the other alone";
    EXPECT_TRUE(enabled(IDM_RESOURCE_USAGE));
    EXPECT_FALSE(enabled(IDM_ACTIVE_FILES)) << "only its own command comes back";
    EXPECT_FALSE(enabled(IDM_CONNECT));

    closeWithButton(MonitorKind::ActiveFiles);
    EXPECT_FALSE(windowMenuShown()) << "the last one gone";
    EXPECT_FALSE(main->windowMenuPresent());
    EXPECT_TRUE(enabled(IDM_CONNECT)) << "local: Connect comes back";
    EXPECT_FALSE(enabled(IDM_DISCONNECT));
    EXPECT_TRUE(enabled(IDM_ACTIVE_FILES));
}

TEST_F(MainWindowTest, TickRefreshesAutoRefreshDialogsInFixedOrder)
{
    for (int command : {IDM_SQL_CONN_MGR, IDM_ACTIVE_FILES, IDM_COMM_STATS, IDM_RESOURCE_USAGE})
        open(command);
    HWND comm = dialogWindow(MonitorKind::CommStatsRecord);
    ASSERT_NE(comm, nullptr);
    EXPECT_TRUE(zapp::testing::isChecked(comm, IDC_RU_AUTO_REFRESH)) << "starts from the flag";
    // The user turns automatic refresh off for one of them.
    ASSERT_TRUE(zapp::testing::clickButton(comm, IDC_RU_AUTO_REFRESH));
    EXPECT_EQ(main->autoRefresh(MonitorKind::CommStatsRecord), 0);

    log.clear();
    main->refreshTick();
    EXPECT_EQ(join(log), "refresh usage, refresh files, refresh connmgr");

    log.clear();
    ASSERT_TRUE(zapp::testing::clickButton(comm, IDC_RU_REFRESH));
    EXPECT_EQ(join(log), "refresh comm") << "its Refresh button still works";

    // The timer runs the tick by itself.
    main->refreshInterval = 1;
    main->restartTimer();
    log.clear();
    EXPECT_TRUE(pumpUntil([&] { return hasEntry(log, "refresh usage"); }, 5000));
    EXPECT_FALSE(hasEntry(log, "refresh comm"));
}

TEST_F(MainWindowTest, NoRefreshWhileReportStatusBoxIsUp)
{
    open(IDM_RESOURCE_USAGE);
    bool enabledDuring = true;
    size_t refreshedDuring = 0;
    seams.onBox = [&](const zapp::MessageBoxCall&) {
        enabledDuring = main->refreshEnabled;
        const size_t before = log.size();
        main->refreshTick();
        refreshedDuring = log.size() - before;
    };
    main->reportStatus(4050);
    ASSERT_EQ(seams.boxes.size(), 1u);
    const zapp::MessageBoxCall& box = seams.boxes[0];
    EXPECT_EQ(box.text, statusText(4050));
    EXPECT_EQ(box.caption, loadStringCopy(IDS_MAIN_TITLE));
    EXPECT_EQ(box.owner, main->hwnd());
    EXPECT_EQ(box.flags & MB_ICONMASK, static_cast<UINT>(MB_ICONWARNING));
    EXPECT_FALSE(enabledDuring);
    EXPECT_EQ(refreshedDuring, 0u) << "a tick while the box is up refreshes nothing";
    EXPECT_TRUE(main->refreshEnabled) << "ticks run again afterwards";

    seams.onBox = nullptr;
    log.clear();
    main->refreshTick();
    EXPECT_EQ(join(log), "refresh usage");
}

TEST_F(MainWindowTest, ShutdownOrder)
{
    for (int command : {IDM_SQL_CONN_MGR, IDM_ACTIVE_FILES, IDM_RESOURCE_USAGE}) open(command);
    const MonitorKind kinds[] = {MonitorKind::SqlConnMgr, MonitorKind::ActiveFiles,
                                 MonitorKind::ResourceUsage};
    // Put them at three places to see each rectangle recorded.
    RECT before[3];
    for (int i = 0; i < 3; ++i) {
        TMonitorDlg* dlg = main->dialog(kinds[i]);
        ASSERT_NE(dlg, nullptr);
        SetWindowPos(dlg->hwnd(), nullptr, 10 + 40 * i, 20 + 30 * i, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        before[i] = dlg->getRect();
    }
    ShowWindow(main->hwnd(), SW_MAXIMIZE);
    log.clear();

    main->shutdown();

    EXPECT_FALSE(IsZoomed(main->hwnd())) << "restored to its normal state first";
    EXPECT_TRUE(main->closingDown());
    EXPECT_EQ(join(log), "gone usage, gone files, gone connmgr") << "closed in the fixed order";
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(main->dialog(kinds[i]), nullptr) << kindName(kinds[i]);
        EXPECT_TRUE(main->isOpen(kinds[i])) << kindName(kinds[i]) << ": open flag kept for the layout";
        const RECT r = main->recordedRect(kinds[i]);
        EXPECT_TRUE(EqualRect(&r, &before[i])) << kindName(kinds[i]) << " rect recorded";
        EXPECT_TRUE(enabled(kindInfo(kinds[i]).command)) << kindName(kinds[i]);
    }
    const RECT mainRect = main->getRect();
    const RECT recorded = main->recordedMainRect();
    EXPECT_TRUE(EqualRect(&recorded, &mainRect)) << "main window rectangle, normal state";
    EXPECT_FALSE(utilsLibraryLoaded()) << "DBUStop unloaded the utilities library";
    EXPECT_EQ(main->quits, 1);

    // A close request after shutdown does nothing more.
    main->send(WM_CLOSE);
    EXPECT_EQ(main->quits, 1);
    EXPECT_TRUE(IsWindow(main->hwnd())) << "the entry routine deletes the window";
}

TEST_F(MainWindowTest, CentreWindow)
{
    open(IDM_RESOURCE_USAGE);
    TMonitorDlg* dlg = main->dialog(MonitorKind::ResourceUsage);
    ASSERT_NE(dlg, nullptr);
    const int sw = GetSystemMetrics(SM_CXSCREEN);
    const int sh = GetSystemMetrics(SM_CYSCREEN);
    const RECT r = dlg->getRect();
    const int w = r.right - r.left, h = r.bottom - r.top;
    EXPECT_EQ(r.left, (sw - w) / 2) << "monitor dialogs are centred on the screen";
    EXPECT_EQ(r.top, (sh - h) / 2);

    // Over the parent near the right and bottom edges: kept on the screen.
    SetWindowPos(main->hwnd(), nullptr, sw - 150, sh - 120, 400, 300,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    TMainWindow::centreWindow(*dlg, true);
    const RECT c = dlg->getRect();
    EXPECT_EQ(c.right, sw) << "moved left to stay on the screen";
    EXPECT_EQ(c.bottom, sh) << "moved up to stay on the screen";
    EXPECT_EQ(c.right - c.left, w) << "size kept";
}
