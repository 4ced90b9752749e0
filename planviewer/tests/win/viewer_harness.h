// Drives the real viewer in-process for the GUI tests: starts it, pumps its
// messages until a condition holds (bounded), answers its message boxes and
// dialogs, and reads its window and the display's tree back.
#pragma once
#include <windows.h>
#include <commdlg.h>

#include <functional>
#include <string>
#include <vector>

#include "qpf_writer.h"

struct RecordedBox {
    HWND owner;
    std::string text;
    std::string caption; // "(none)" when no caption was given
    UINT type;
};

struct TreeLine {
    int depth;
    std::string text;
};

class ViewerSession {
public:
    ViewerSession();
    ~ViewerSession();

    // Starts the viewer as WinMain would, with this command line.
    bool start(const std::string& commandLine = "");
    // Ends it by the Exit command and finishes; returns the exit code.
    int stop();
    bool running() const { return running_; }

    // Pumps messages until `done` holds or `ms` pass; false on timeout.
    bool pumpUntil(const std::function<bool()>& done, DWORD ms = 5000);
    // Pumps until no message is waiting.
    void pumpIdle();
    // Sends a command to the main window and pumps until idle.
    void command(WORD id);
    // One change-watch tick.
    void tick();
    // A key with Ctrl (or Alt) held, through the accelerator table.
    void key(UINT vk, bool ctrl, bool alt);

    std::string title() const;
    std::string text() const;
    std::vector<TreeLine> displayTree() const;

    // Message boxes and beeps since the start, and what to answer boxes.
    std::vector<RecordedBox> boxes;
    int beeps = 0;
    int answer = IDOK;
    std::function<void(const RecordedBox&)> onBox;
    // The open-file dialog's answer: empty path = Cancel.
    std::string openAnswer;
    // Fail as the platform's dialog does when the chosen path does not fit:
    // the size it needed in the buffer's first two bytes, and FALSE.
    bool openTooLong = false;
    // The dialog's settings as the viewer gave them (its texts copied out,
    // since they live on the viewer's stack).
    OPENFILENAMEA lastOpen = {};
    std::string lastOpenFilter;
    std::string lastOpenTitle;
    std::string lastOpenDefExt;

    // Acts on the next modal dialog the viewer opens (from within its loop).
    void onNextDialog(std::function<void(HWND)> action);

    bool quitSeen = false;
    int quitCode = -1;

private:
    bool running_ = false;
};

// Temporary files of a test, removed at the end.
class TempFiles {
public:
    ~TempFiles();
    std::string write(const std::string& name, const qpfw::Bytes& bytes);
    std::string path(const std::string& name);
    void append(const std::string& path, const qpfw::Bytes& bytes);

private:
    std::vector<std::string> made_;
};

// The viewer's registry settings under HKCU\Software\ODBC\odbc.ini.
void setViewerSetting(const char* subkey, const char* name, const char* value);
void clearViewerSettings();

// Another record, for growing a file.
qpfw::Bytes extraRecord(uint32_t seed);
