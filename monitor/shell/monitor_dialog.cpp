#include "shell/monitor_dialog.h"

#include <cstdio>

#include "shell/main_window.h"
#include "shell/shell_services.h"
#include "vigilkit_ids.h"

const MonitorKindInfo kMonitorKinds[kMonitorKindCount] = {
    {MonitorKind::ActiveFiles, IDM_ACTIVE_FILES, IDD_ACTIVE_FILES, IDS_TITLE_ACTIVE_FILES,
     IDM_WINDOW_ACTIVE_FILES, 181014, IDS_REG_FILES_AUTO},
    {MonitorKind::ActiveUsers, IDM_ACTIVE_USERS, IDD_ACTIVE_USERS, IDS_TITLE_ACTIVE_USERS,
     IDM_WINDOW_ACTIVE_USERS, 181015, IDS_REG_USERS_AUTO},
    {MonitorKind::ResourceUsage, IDM_RESOURCE_USAGE, IDD_RESUSAGE, IDS_TITLE_RESOURCE_USAGE,
     IDM_WINDOW_RESOURCE_USAGE, 181012, IDS_REG_RESUSAGE_AUTO},
    {MonitorKind::CommStatsRecord, IDM_COMM_STATS, IDD_COMMSTATS, IDS_TITLE_COMM_STATS,
     IDM_WINDOW_COMM_STATS, 181013, IDS_REG_COMMSTATS_AUTO},
    {MonitorKind::SqlSessions, IDM_SQL_SESSIONS, IDD_SQL_SESSIONS, IDS_TITLE_SQL_SESSIONS,
     IDM_WINDOW_SQL_SESSIONS, 181018, IDS_REG_SQL_SESSIONS_AUTO},
    {MonitorKind::SqlResUsage, IDM_SQL_RESOURCE_USAGE, IDD_SQL_RESUSAGE,
     IDS_TITLE_SQL_RESOURCE_USAGE, IDM_WINDOW_SQL_RESOURCE_USAGE, 181016,
     IDS_REG_SQL_RESUSAGE_AUTO},
    {MonitorKind::CommStatsSql, IDM_SQL_COMM_STATS, IDD_COMMSTATS, IDS_TITLE_SQL_COMM_STATS,
     IDM_WINDOW_SQL_COMM_STATS, 181017, IDS_REG_SQL_COMMSTATS_AUTO},
    {MonitorKind::SqlConnMgr, IDM_SQL_CONN_MGR, IDD_SQL_CONNMGR, IDS_TITLE_SQL_CONN_MGR,
     IDM_WINDOW_SQL_CONN_MGR, 181024, IDS_REG_CONNMGR_AUTO},
};

const MonitorKindInfo& kindInfo(MonitorKind kind)
{
    for (const MonitorKindInfo& k : kMonitorKinds)
        if (k.kind == kind) return k;
    return kMonitorKinds[0];
}

bool kindForCommand(int command, MonitorKind* kind)
{
    for (const MonitorKindInfo& k : kMonitorKinds) {
        if (k.command == command) {
            *kind = k.kind;
            return true;
        }
    }
    return false;
}

bool kindForWindowMenuId(int id, MonitorKind* kind)
{
    for (const MonitorKindInfo& k : kMonitorKinds) {
        if (k.windowMenuId == id) {
            *kind = k.kind;
            return true;
        }
    }
    return false;
}

TMonitorDlg::TMonitorDlg(TMainWindow& main, MonitorKind kind, const MonitorFrameIds& ids,
                         int templateId)
    : zDialogFrame(&main, zResId(templateId ? templateId : kindInfo(kind).templateId,
                                 resourceLibraryName())),
      main_(main), kind_(kind), ids_(ids)
{
}

TMonitorDlg::~TMonitorDlg() { main_.dialogDestroyed(this); }

std::string TMonitorDlg::frameCaption(TMainWindow& main, MonitorKind kind)
{
    const std::string title = loadStringCopy(kindInfo(kind).titleString);
    const std::string server = loadStringCopy(IDS_CAPTION_SERVER);
    const std::string where =
        main.remoteConnected ? main.serverName : loadStringCopy(IDS_LOCAL);
    return title + " " + std::string(30, ' ') + " " + server + " " + where;
}

bool TMonitorDlg::createFrame()
{
    if (!create()) {
        // A resource library without the template: say so rather than let
        // the menu command do nothing. Like the string loader's fallback,
        // this text cannot come from the library that failed.
        valid_ = 0;
        char text[128];
        std::snprintf(text, sizeof text, "Unable to create dialog with ID = %d (error %lu)",
                      dialogTemplate().id(), static_cast<unsigned long>(lastError()));
        main_.messagePaused(text);
        return false;
    }
    setCaption(frameCaption(main_, kind_));
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    setBackground(face);
    zCheckBox autoRefresh(this, ids_.autoRefresh);
    autoRefresh.setBackground(face);
    autoRefresh.check(main_.autoRefresh(kind_) != 0);
    return true;
}

void TMonitorDlg::closeDialog()
{
    closeLater();
    // Without a window of its own nothing would wake the loop to delete it.
    if (!hwnd()) main_.post(WM_NULL);
}

void TMonitorDlg::failAndClose()
{
    valid_ = 0;
    closeDialog();
}

bool TMonitorDlg::OnDialogCommand(int, int, HWND) { return false; }

bool TMonitorDlg::OnCommand(int id, int notifyCode, HWND ctl)
{
    if (id == IDC_DLG_CLOSE) {
        closeDialog();
        return true;
    }
    if (id == ids_.refresh) {
        Refresh();
        return true;
    }
    if (id == ids_.help) {
        showHelp(kindInfo(kind_).helpMapId);
        return true;
    }
    if (id == ids_.autoRefresh) {
        main_.autoRefresh(kind_) = zCheckBox(this, id).checked() ? 1 : 0;
        return true;
    }
    return OnDialogCommand(id, notifyCode, ctl);
}

bool TMonitorDlg::OnHelp()
{
    showHelp(kindInfo(kind_).helpMapId);
    return true;
}
