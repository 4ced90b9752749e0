#include "shell/main_window.h"

#include <cstdio>

#include "engine/engine_probe.h"
#include "engine/utils_binding.h"
#include "monitor_ids.h"
#include "record/res_usage_dlg.h"
#include "shell/about_dlg.h"
#include "shell/core/window_geometry.h"
#include "shell/shell_services.h"
#include "shell/wait_dlg.h"
#include "vigilkit_ids.h"

namespace {

constexpr size_t kTextLimit = 100;

std::string loadLimited(int id) { return loadStringCopy(id).substr(0, kTextLimit); }

// Menu id -> string id of the status line's menu-help texts.
const struct {
    int menuId, stringId;
} kMenuHelp[] = {
    {IDM_SETTINGS, IDS_MH_SETTINGS},
    {IDM_ACTIVE_FILES, IDS_MH_ACTIVE_FILES},
    {IDM_ACTIVE_USERS, IDS_MH_ACTIVE_USERS},
    {IDM_RESOURCE_USAGE, IDS_MH_RESOURCE_USAGE},
    {IDM_COMM_STATS, IDS_MH_COMM_STATS},
    {IDM_SQL_SESSIONS, IDS_MH_SQL_SESSIONS},
    {IDM_SQL_RESOURCE_USAGE, IDS_MH_SQL_RESOURCE_USAGE},
    {IDM_SQL_COMM_STATS, IDS_MH_SQL_COMM_STATS},
    {IDM_HELP, IDS_MH_HELP},
    {IDM_ABOUT, IDS_MH_ABOUT},
    {IDM_EXIT, IDS_MH_EXIT},
    {IDM_WINDOW_RESOURCE_USAGE, IDS_MH_WINDOW_RESOURCE_USAGE},
    {IDM_WINDOW_COMM_STATS, IDS_MH_WINDOW_COMM_STATS},
    {IDM_WINDOW_ACTIVE_FILES, IDS_MH_WINDOW_ACTIVE_FILES},
    {IDM_WINDOW_ACTIVE_USERS, IDS_MH_WINDOW_ACTIVE_USERS},
    {IDM_WINDOW_SQL_RESOURCE_USAGE, IDS_MH_WINDOW_SQL_RESOURCE_USAGE},
    {IDM_WINDOW_SQL_SESSIONS, IDS_MH_WINDOW_SQL_SESSIONS},
    {IDM_WINDOW_SQL_COMM_STATS, IDS_MH_WINDOW_SQL_COMM_STATS},
    {IDM_CONNECT, IDS_MH_CONNECT},
    {IDM_DISCONNECT, IDS_MH_DISCONNECT},
    {IDM_SQL_CONN_MGR, IDS_MH_SQL_CONN_MGR},
};

// The fixed order of timer refreshes and of closing at shutdown.
const MonitorKind kRefreshOrder[kMonitorKindCount] = {
    MonitorKind::ResourceUsage, MonitorKind::CommStatsRecord, MonitorKind::ActiveFiles,
    MonitorKind::ActiveUsers,   MonitorKind::SqlResUsage,     MonitorKind::SqlSessions,
    MonitorKind::CommStatsSql,  MonitorKind::SqlConnMgr,
};

// Settings key version.
constexpr int kSettingsVersionMajor = 10;
constexpr int kSettingsVersionMinor = 30;

} // namespace

TMainWindow::TMainWindow(zWindow* parent, const std::string& title)
    : zAppFrame(parent, title, kWindowClass)
{
    quitAction = [] {
        if (zApp* app = zApp::instance())
            app->quit(0);
        else
            PostQuitMessage(0);
    };

    // 1. Title and the texts kept for the life of the window.
    setStringOwner(hwnd());
    loadTexts();
    setText(title_);

    // 2. Icon and menu bar.
    setIcon(zResId(IDI_VIGILKIT));
    setMenu(zResId(IDR_MAIN_MENU, resourceLibrary_));

    // 3. Commands arrive in command(), F1 in onHelpKey().
    zAppFrame::enableCommand(IDM_DISCONNECT, false);

    // 4. Nothing open, nothing connected (the members start that way).
    saveSettings = true;
    restoreLayout = true;
    connectionHandle = -1;
    engine.commVersionMajor = engine.commVersionMinor = 0;

    // 5. Status line.
    createStatusLine();

    // 6. Which engine answers, and of which kind.
    runEngineChecks();

    // 7. Settings and the refresh timer.
    refreshEnabled = true;
    loadSettings();
    restartTimer();

    // 8. Layout, or just the window.
    if (restoreLayout)
        restoreSavedLayout();
    else
        show();

    // 9.
    zAppFrame::enableCommand(IDM_HELP, true);
    rebuildWindowMenu();
}

TMainWindow::~TMainWindow()
{
    closing_ = true;
    saveSettingsAndLayout();
    if (about_) about_->endModal(IDCANCEL);
    for (MonitorKind k : kRefreshOrder) {
        if (TMonitorDlg* dlg = dialogs_[index(k)]) dlg->destroyNow();
    }
    delete timer_;
    timer_ = nullptr;
    delete status_;
    status_ = nullptr;
    setStringOwner(nullptr);
}

void TMainWindow::loadTexts()
{
    title_ = loadLimited(IDS_MAIN_TITLE);
    aboutCaption_ = loadLimited(IDS_ABOUT_CAPTION);
    aboutLine1_ = loadLimited(IDS_ABOUT_LINE1);
    aboutLine2_ = loadLimited(IDS_ABOUT_LINE2);
    keyPart1_ = loadLimited(IDS_REG_KEY_COMPANY);
    keyPart2_ = loadLimited(IDS_REG_KEY_PRODUCT);
    trueWord_ = loadLimited(IDS_TRUE_WORD);
    falseWord_ = loadLimited(IDS_FALSE_WORD);
    resourceLibrary_ = resourceLibraryName();
    char key[512];
    std::snprintf(key, sizeof key, "Software\\%s\\%s\\Version %d.%d\\Settings", keyPart1_.c_str(),
                  keyPart2_.c_str(), kSettingsVersionMajor, kSettingsVersionMinor);
    settingsKeyPath_ = key;
}

void TMainWindow::createStatusLine()
{
    status_ = new zStatusLineEZ(this);
    for (const auto& m : kMenuHelp) status_->setMenuHelp(m.menuId, loadStringCopy(m.stringId));
    status_->setPaneText(2, loadStringCopy(IDS_LOCAL));
    status_->show();
}

void TMainWindow::runEngineChecks()
{
    runEngineProbe(connectionHandle, engine, *this);
    if (engine.versionRefused) return;
    TWaitDlg* wait = new TWaitDlg(this);
    if (wait->built()) {
        centreWindow(*wait, false);
        wait->show();
        UpdateWindow(wait->hwnd());
    }
    runEngineKindCheck(connectionHandle, engine, *this);
    wait->destroyNow();
}

// Until settings are stored, every start uses the defaults: a 4-second
// interval and every flag on.
void TMainWindow::loadSettings()
{
    refreshInterval = 4;
    saveSettings = true;
    restoreLayout = true;
    for (uint8_t& f : autoRefresh_) f = 1;
    sessionFilter = 1;
}

void TMainWindow::saveSettingsAndLayout() {}

// No layout is stored yet, so there is nothing to reopen.
void TMainWindow::restoreSavedLayout() { show(); }

void TMainWindow::restartTimer()
{
    delete timer_;
    // The interval is a signed 16-bit number of seconds; anything below one
    // second would make the ticks run into each other.
    int seconds = static_cast<int16_t>(refreshInterval);
    if (seconds < 1) seconds = 1;
    timer_ = new zTimer(this, static_cast<unsigned>(seconds) * 1000u, [this] { refreshTick(); });
}

void TMainWindow::enableCommand(int commandId, bool enabled)
{
    zAppFrame::enableCommand(commandId, enabled);
}

bool TMainWindow::command(int id)
{
    MonitorKind kind;
    if (kindForCommand(id, &kind)) {
        openDialog(kind);
        return true;
    }
    if (id >= IDM_WINDOW_FIRST && id <= IDM_WINDOW_LAST) {
        bringForward(id);
        return true;
    }
    switch (id) {
    case IDM_HELP:
        showHelp(kHelpMapId);
        return true;
    case IDM_ABOUT:
        showAbout();
        return true;
    case IDM_EXIT:
        shutdown();
        return true;
    default:
        return false;
    }
}

void TMainWindow::onHelpKey() { showHelp(kHelpMapId); }

bool TMainWindow::closeRequest()
{
    // The entry routine deletes the window once the loop has ended.
    shutdown();
    return false;
}

TMonitorDlg* TMainWindow::createMonitorDialog(MonitorKind kind)
{
    switch (kind) {
    case MonitorKind::ResourceUsage:
        return new TVelResUsageDlg(*this);
    default:
        return nullptr;
    }
}

void TMainWindow::openDialog(MonitorKind kind)
{
    const int i = index(kind);
    if (dialogs_[i] || closing_) return;
    TMonitorDlg* dlg = createMonitorDialog(kind);
    if (!dlg) return;
    dialogs_[i] = dlg;
    if (!dlg->IsValid()) {
        // It has closed itself already; destroy it now rather than leave it
        // to the loop, which might only run once this window is gone.
        dialogs_[i] = nullptr;
        dlg->destroyNow();
        return;
    }
    open_[i] = 1;
    centreWindow(*dlg, false);
    zAppFrame::enableCommand(kindInfo(kind).command, false);
    dlg->show();
    rebuildWindowMenu();
}

void TMainWindow::dialogDestroyed(TMonitorDlg* dlg)
{
    const int i = index(dlg->kind());
    // A dialog that failed to open was never adopted: nothing to undo.
    if (dialogs_[i] != dlg) return;
    dialogs_[i] = nullptr;
    zAppFrame::enableCommand(kindInfo(dlg->kind()).command, true);
    if (closing_) return;
    open_[i] = 0;
    rebuildWindowMenu();
}

void TMainWindow::rebuildWindowMenu()
{
    HMENU bar = menu();
    if (!bar) return;
    if (windowMenuPresent_) DeleteMenu(bar, VIGILKIT_WINDOW_MENU_POS, MF_BYPOSITION);
    HMENU popup = CreatePopupMenu();
    int entries = 0;
    for (const MonitorKindInfo& k : kMonitorKinds) {
        if (!open_[index(k.kind)]) continue;
        AppendMenuA(popup, MF_STRING, static_cast<UINT_PTR>(k.windowMenuId),
                    loadString(k.titleString));
        ++entries;
    }
    if (entries > 0) {
        InsertMenuA(bar, VIGILKIT_WINDOW_MENU_POS, MF_BYPOSITION | MF_POPUP | MF_STRING,
                    reinterpret_cast<UINT_PTR>(popup), loadString(IDS_WINDOW_MENU));
        windowMenuPresent_ = true;
        // The server must not change under an open dialog.
        zAppFrame::enableCommand(IDM_CONNECT, false);
        zAppFrame::enableCommand(IDM_DISCONNECT, false);
    } else {
        DestroyMenu(popup);
        windowMenuPresent_ = false;
        zAppFrame::enableCommand(remoteConnected ? IDM_DISCONNECT : IDM_CONNECT, true);
    }
    redrawMenuBar();
}

void TMainWindow::bringForward(int windowMenuId)
{
    MonitorKind kind;
    if (!kindForWindowMenuId(windowMenuId, &kind)) return;
    TMonitorDlg* dlg = dialogs_[index(kind)];
    if (!dlg || !dlg->exists()) return;
    dlg->setFocus();
}

void TMainWindow::refreshTick()
{
    if (!refreshEnabled) return;
    for (MonitorKind k : kRefreshOrder) {
        const int i = index(k);
        TMonitorDlg* dlg = dialogs_[i];
        if (!open_[i] || !autoRefresh_[i] || !dlg || dlg->closing()) continue;
        dlg->Refresh();
    }
}

void TMainWindow::reportStatus(uint16_t status)
{
    RefreshPause pause(*this);
    zMessage box(this, statusText(status), title_, MB_OK | MB_ICONWARNING);
}

int TMainWindow::messagePaused(const std::string& text, UINT flags)
{
    RefreshPause pause(*this);
    zMessage box(this, text, title_, flags);
    return box.result();
}

void TMainWindow::centreWindow(zWindow& window, bool overParent)
{
    if (!window.exists()) return;
    RECT r;
    GetWindowRect(window.hwnd(), &r);
    HWND parent = window.parentHwnd();
    if (!parent) parent = GetWindow(window.hwnd(), GW_OWNER);
    RECT pr;
    const bool haveParent = overParent && parent && GetWindowRect(parent, &pr);
    const WinRect parentRect = {pr.left, pr.top, pr.right, pr.bottom};
    const WinPoint at = centredPosition({r.left, r.top, r.right, r.bottom},
                                        haveParent ? &parentRect : nullptr,
                                        GetSystemMetrics(SM_CXSCREEN),
                                        GetSystemMetrics(SM_CYSCREEN));
    SetWindowPos(window.hwnd(), nullptr, at.x, at.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TMainWindow::showAbout()
{
    TAboutDlg dlg(*this);
    about_ = &dlg;
    dlg.run();
    about_ = nullptr;
}

void TMainWindow::shutdown()
{
    if (closing_) return;
    // 1. Normal state, so that the rectangle recorded is the one to restore.
    if (IsIconic(hwnd()) || IsZoomed(hwnd())) ShowWindow(hwnd(), SW_RESTORE);
    closing_ = true;

    // 2. Rectangles. A dialog already on its way out (its refresh failed) no
    //    longer counts as open.
    GetWindowRect(hwnd(), &mainRect_);
    for (int i = 0; i < kMonitorKindCount; ++i) {
        TMonitorDlg* dlg = dialogs_[i];
        if (open_[i] && (!dlg || dlg->closing())) open_[i] = 0;
        if (restoreLayout && open_[i] && dlg) dialogRects_[i] = dlg->getRect();
    }

    // 3. A remote connection would be ended here (server connections).

    // 4. The dialogs, in the fixed order; their open flags stay set.
    if (about_) about_->endModal(IDCANCEL);
    for (MonitorKind k : kRefreshOrder) {
        if (TMonitorDlg* dlg = dialogs_[index(k)]) dlg->destroyNow();
    }

    // 5, 6.
    DBUStop(nullptr);
    if (quitAction) quitAction();
}
