// TMainWindow: the monitor's frame window. Owns the menu bar, the status
// line, the refresh timer and the monitor dialogs (at most one per kind),
// and holds what every dialog reads at each request: the connection handle,
// the engine selectors and the automatic-refresh flags.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "engine/engine_state.h"
#include "shell/monitor_dialog.h"
#include "zapp/zapp.h"

class TAboutDlg;

class TMainWindow : public zAppFrame, public ProbeHost {
public:
    // Window class of the main window (scripts find the program by it).
    static constexpr const char* kWindowClass = "vigilkit";
    static constexpr int kHelpMapId = 181021;

    // Runs the whole construction: menu, status line, engine probe and
    // engine-kind check, timer; shows the window.
    TMainWindow(zWindow* parent, const std::string& title);
    // Saves the settings, destroys what is left of the dialogs, the timer and
    // the status line.
    ~TMainWindow() override;

    // --- read by the dialogs at each request ---------------------------------
    EngineState engine;
    int32_t connectionHandle = -1;  // -1 while the local engine is watched
    bool remoteConnected = false;
    std::string serverName;         // of the remote server, while connected
    // While clear, timer ticks refresh nothing (a message box is up).
    bool refreshEnabled = false;
    uint16_t refreshInterval = 4;   // seconds
    bool saveSettings = true;
    bool restoreLayout = true;
    uint8_t sessionFilter = 0;      // the SQL sessions dialog's filter flag

    uint8_t& autoRefresh(MonitorKind kind) { return autoRefresh_[index(kind)]; }
    bool isOpen(MonitorKind kind) const { return open_[index(kind)] != 0; }
    TMonitorDlg* dialog(MonitorKind kind) const { return dialogs_[index(kind)]; }
    bool closingDown() const { return closing_; }
    bool windowMenuPresent() const { return windowMenuPresent_; }

    const std::string& title() const { return title_; }
    const std::string& aboutCaption() const { return aboutCaption_; }
    const std::string& aboutLine1() const { return aboutLine1_; }
    const std::string& aboutLine2() const { return aboutLine2_; }
    const std::string& settingsKeyPath() const { return settingsKeyPath_; }
    const std::string& trueWord() const { return trueWord_; }
    const std::string& falseWord() const { return falseWord_; }
    // Rectangles recorded at shutdown (saved with the layout).
    const RECT& recordedMainRect() const { return mainRect_; }
    const RECT& recordedRect(MonitorKind kind) const { return dialogRects_[index(kind)]; }

    // --- services ------------------------------------------------------------
    // The status text in a warning box (caption: the title); ticks pause
    // while it is up.
    void reportStatus(uint16_t status);
    // An information box owned by the main window with the title as caption,
    // ticks paused meanwhile; returns the answer.
    int messagePaused(const std::string& text, UINT flags = MB_OK | MB_ICONINFORMATION);
    // Keeps the window's size. overParent: centred over its parent (the main
    // window) and kept on the screen; else centred on the screen.
    static void centreWindow(zWindow& window, bool overParent);
    // Rebuilds the Window menu from the open flags and sets Connect and
    // Disconnect to fit.
    void rebuildWindowMenu();
    // Opens the dialog of a kind as its menu command does.
    void openDialog(MonitorKind kind);
    // What a monitor dialog's destructor tells the main window.
    void dialogDestroyed(TMonitorDlg* dlg);
    // One refresh tick (the timer runs it).
    void refreshTick();
    // Recreates the timer with refreshInterval.
    void restartTimer();
    // Exit command and close request.
    void shutdown();
    // What shutdown does last; the default posts the quit message.
    std::function<void()> quitAction;

    // Pauses timer refreshes for its lifetime (while a box is up) and puts
    // the previous state back afterwards, so nested boxes stay paused.
    class RefreshPause {
    public:
        explicit RefreshPause(TMainWindow& main) : main_(main), was_(main.refreshEnabled)
        {
            main_.refreshEnabled = false;
        }
        ~RefreshPause() { main_.refreshEnabled = was_; }
        RefreshPause(const RefreshPause&) = delete;
        RefreshPause& operator=(const RefreshPause&) = delete;

    private:
        TMainWindow& main_;
        bool was_;
    };

    // ProbeHost
    void enableCommand(int commandId, bool enabled) override;
    void* probeMessageOwner() override { return hwnd(); }

protected:
    bool command(int id) override;
    void onHelpKey() override;
    bool closeRequest() override;

    // Makes the dialog of a kind; nullptr for a kind not built into this
    // program. Tests put dialogs of their own here.
    virtual TMonitorDlg* createMonitorDialog(MonitorKind kind);

private:
    static int index(MonitorKind k) { return static_cast<int>(k); }
    void loadTexts();
    void createStatusLine();
    void runEngineChecks();
    void loadSettings();
    void saveSettingsAndLayout();
    void restoreSavedLayout();
    void showAbout();
    void bringForward(int windowMenuId);

    std::string title_, aboutCaption_, aboutLine1_, aboutLine2_;
    std::string keyPart1_, keyPart2_, trueWord_, falseWord_;
    std::string resourceLibrary_, settingsKeyPath_;

    TMonitorDlg* dialogs_[kMonitorKindCount] = {};
    uint8_t open_[kMonitorKindCount] = {};
    uint8_t autoRefresh_[kMonitorKindCount] = {};
    TAboutDlg* about_ = nullptr;

    bool windowMenuPresent_ = false;
    bool closing_ = false;
    RECT mainRect_ = {};
    RECT dialogRects_[kMonitorKindCount] = {};

    zTimer* timer_ = nullptr;
    zStatusLineEZ* status_ = nullptr;
};
