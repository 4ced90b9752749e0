// keyhh.exe started as the monitor starts it: its window shows the title of
// the requested topic, or says what it could not find.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

#include "helpcore.h"

namespace {

const DWORD kWaitMs = 15000;

std::string binDir() {
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string p = program;
    return p.substr(0, p.find_last_of('\\'));
}

// <build>\Docs\doderezi.chm, the copy the build makes.
std::string docsFile() { return binDir().substr(0, binDir().find_last_of('\\')) + "\\Docs\\doderezi.chm"; }

std::string topicTitle(uint32_t mapId) {
    std::ifstream in(docsFile(), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::vector<keyhh::Topic> topics = keyhh::parseHelpFile(text.str());
    const keyhh::Topic* t = keyhh::findTopic(topics, mapId);
    return t ? t->title : "(no topic " + std::to_string(mapId) + ")";
}

std::string narrow(const wchar_t* w) {
    char buffer[1024] = {};
    WideCharToMultiByte(CP_ACP, 0, w, -1, buffer, sizeof buffer, nullptr, nullptr);
    return buffer;
}

struct Search {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK findViewer(HWND hwnd, LPARAM lp) {
    Search* s = reinterpret_cast<Search*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    wchar_t cls[64] = {};
    GetClassNameW(hwnd, cls, 64);
    if (pid == s->pid && IsWindowVisible(hwnd) && std::wstring(cls) == L"KeyhhViewer") {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// One started viewer; it is closed (or, if it hangs, ended) at the end.
class Viewer {
public:
    explicit Viewer(const std::string& arguments) {
        std::string line = "keyhh " + arguments;
        std::string exe = binDir() + "\\keyhh.exe";
        std::string cwd = binDir();
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        started_ = CreateProcessA(exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, cwd.c_str(), &si,
                                  &pi_) != 0;
    }
    ~Viewer() {
        if (!started_) return;
        if (WaitForSingleObject(pi_.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(pi_.hProcess, 1);
        CloseHandle(pi_.hThread);
        CloseHandle(pi_.hProcess);
    }
    bool started() const { return started_; }

    // The viewer's main window once it is shown; null if it did not come up
    // in time or the process ended first.
    HWND window() {
        DWORD start = GetTickCount();
        while (GetTickCount() - start < kWaitMs) {
            Search s = {pi_.dwProcessId, nullptr};
            EnumWindows(findViewer, reinterpret_cast<LPARAM>(&s));
            if (s.found) return s.found;
            if (WaitForSingleObject(pi_.hProcess, 20) == WAIT_OBJECT_0) return nullptr;
        }
        return nullptr;
    }

    // Closes the window as the user does; true when the process then ends
    // with exit code 0.
    bool close(HWND hwnd) {
        PostMessageW(hwnd, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(pi_.hProcess, kWaitMs) != WAIT_OBJECT_0) return false;
        DWORD code = 1;
        GetExitCodeProcess(pi_.hProcess, &code);
        return code == 0;
    }

private:
    bool started_ = false;
    PROCESS_INFORMATION pi_ = {};
};

std::string windowText(HWND hwnd) {
    wchar_t buffer[1024] = {};
    GetWindowTextW(hwnd, buffer, 1024);
    return narrow(buffer);
}

std::string bodyText(HWND viewer) {
    HWND edit = FindWindowExW(viewer, nullptr, L"Edit", nullptr);
    if (!edit) return std::string();
    static wchar_t buffer[8192];
    buffer[0] = 0;
    DWORD_PTR result = 0;
    SendMessageTimeoutW(edit, WM_GETTEXT, 8192, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, kWaitMs,
                        &result);
    return narrow(buffer);
}

TEST(KeyhhViewer, ShowsTheRequestedTopic) {
    const std::string file = "\"" + docsFile() + ">$global_kilnhelp\"";
    const struct { std::string args; std::string title; const char* inBody; } cases[] = {
        {"-kiln -#mapid 181012 " + file, topicTitle(181012) + " - Monitor Help", "peak"},
        {"-kiln -#mapid 181011 " + file, topicTitle(181011) + " - Monitor Help", "Refresh interval"},
        // No install directory known: the viewer finds Docs above its bin.
        {"-kiln -#mapid 181021", topicTitle(181021) + " - Monitor Help", "Connect to Server"},
        {"-kiln -#mapid 999999 " + file, "Topic not found - Monitor Help", "999999"},
        {"-kiln -#mapid 181021 \"C:\\no such dir\\doderezi.chm>$global_kilnhelp\"",
         "Help file not found - Monitor Help", "no such dir"},
        {"-kiln -#mapid nonsense", "Help request not understood - Monitor Help", "-#mapid"},
    };
    for (const auto& c : cases) {
        Viewer v(c.args);
        ASSERT_TRUE(v.started()) << "keyhh " << c.args << ": CreateProcess error " << GetLastError();
        HWND hwnd = v.window();
        ASSERT_NE(nullptr, hwnd) << "keyhh " << c.args << ": no viewer window";
        EXPECT_EQ(c.title, windowText(hwnd)) << "keyhh " << c.args;
        std::string body = bodyText(hwnd);
        EXPECT_NE(std::string::npos, body.find(c.inBody))
            << "keyhh " << c.args << ": text does not mention \"" << c.inBody << "\": " << body;
        EXPECT_TRUE(v.close(hwnd)) << "keyhh " << c.args << ": did not end after WM_CLOSE";
    }
}

}  // namespace
