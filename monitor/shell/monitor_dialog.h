// The frame every monitor dialog shares: the table of the eight dialog
// kinds, and TMonitorDlg, the modeless dialog with its caption, Close,
// Refresh, Help and automatic-refresh controls, IsValid and Refresh. A dialog
// kind derives from TMonitorDlg, adds its own controls and its Refresh.
#pragma once
#include <cstdint>

#include "zapp/zapp.h"

class TMainWindow;

enum class MonitorKind : int {
    ActiveFiles,
    ActiveUsers,
    ResourceUsage,
    CommStatsRecord,
    SqlSessions,
    SqlResUsage,
    CommStatsSql,
    SqlConnMgr,
};
constexpr int kMonitorKindCount = 8;

struct MonitorKindInfo {
    MonitorKind kind;
    int command;          // menu command that opens it
    int templateId;       // dialog template of the resource library
    int titleString;      // caption and Window-menu text
    int windowMenuId;     // its entry in the Window menu
    int helpMapId;        // help topic
    int autoRefreshValue; // registry value of its automatic-refresh flag
};

// The kinds in Window-menu order.
extern const MonitorKindInfo kMonitorKinds[kMonitorKindCount];
const MonitorKindInfo& kindInfo(MonitorKind kind);
// The kind opened by a menu command or brought forward by a Window-menu id;
// false when the id is neither.
bool kindForCommand(int command, MonitorKind* kind);
bool kindForWindowMenuId(int id, MonitorKind* kind);

// The dialog-specific control ids of the frame's own controls.
struct MonitorFrameIds {
    int refresh;
    int help;
    int autoRefresh;
};

class TMonitorDlg : public zDialogFrame {
public:
    // Stores the template (the kind's own unless templateId is given); the
    // derived constructor calls createFrame(), adds its controls and ends
    // with Refresh().
    TMonitorDlg(TMainWindow& main, MonitorKind kind, const MonitorFrameIds& ids,
                int templateId = 0);
    // Tells the main window that this dialog is gone.
    ~TMonitorDlg() override;

    MonitorKind kind() const { return kind_; }
    // False once a refresh failed and the dialog closed itself.
    bool IsValid() const { return valid_ != 0; }
    // Fetch and show the figures.
    virtual void Refresh() = 0;

    // Hides the dialog now; the message loop destroys it afterwards.
    void closeDialog();

    // "%s %s %s %s": title, 30 spaces, string 2938, server name or string
    // 3086. Also used again after a connect or disconnect.
    static std::string frameCaption(TMainWindow& main, MonitorKind kind);

protected:
    // Builds the modeless dialog: template, caption, button-face
    // background, automatic-refresh check box from the main window's flag.
    // False (and the dialog invalid) when the template cannot be built.
    bool createFrame();
    // A failed refresh: invalid, closed.
    void failAndClose();

    // Commands of the dialog's own controls (Close, Refresh, Help and the
    // check box are handled by the frame). Return true when handled.
    virtual bool OnDialogCommand(int id, int notifyCode, HWND ctl);

    bool OnCommand(int id, int notifyCode, HWND ctl) override;
    bool OnHelp() override;

    TMainWindow& main_;
    uint8_t valid_ = 1;

private:
    MonitorKind kind_;
    MonitorFrameIds ids_;
};
