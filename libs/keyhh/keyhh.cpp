// keyhh: the monitor's help viewer. Started with a map id and our help file
// (see helpcore.h), it shows that topic's title and text in one window.
// Escape or the close box ends it.
#include <windows.h>

#include <string>
#include <vector>

#include "helpcore.h"

namespace {

const char kClassName[] = "KeyhhViewer";
const char kTitleSuffix[] = " - Monitor Help";
const DWORD kMaxHelpFile = 1024 * 1024;

enum { IDC_HEADING = 101, IDC_TEXT = 102 };

struct Page {
    std::string title;
    std::string text;  // lines joined with CR LF, as the edit control wants
};

// Whole file into `out`; false when it cannot be opened or is too large.
bool readFile(const std::string& path, std::string& out) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size;
    bool ok = GetFileSizeEx(f, &size) && size.QuadPart <= kMaxHelpFile;
    if (ok) {
        out.resize(static_cast<size_t>(size.QuadPart));
        DWORD got = 0;
        ok = out.empty() || (ReadFile(f, &out[0], static_cast<DWORD>(out.size()), &got, nullptr) &&
                             got == out.size());
    }
    CloseHandle(f);
    return ok;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string out;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i) out += "\r\n";
        out += lines[i];
    }
    return out;
}

Page buildPage(const keyhh::HelpRequest& req, const std::string& programPath) {
    if (!req.error.empty())
        return {"Help request not understood",
                "The help viewer could not read its command line: " + req.error +
                    ".\r\n\r\nUsage: keyhh [-kiln] [-#mapid <id>] [\"<help file>[><window>]\"]"};

    std::vector<std::string> candidates =
        req.helpFile.empty() ? keyhh::helpFileCandidates(programPath) : std::vector<std::string>{req.helpFile};
    std::string path, content;
    for (const std::string& c : candidates) {
        if (readFile(c, content)) {
            path = c;
            break;
        }
    }
    if (path.empty()) {
        std::string text = "The help file could not be opened. Looked for:";
        for (const std::string& c : candidates) text += "\r\n    " + c;
        return {"Help file not found", text};
    }

    std::vector<keyhh::Topic> topics = keyhh::parseHelpFile(content);
    const keyhh::Topic* topic = nullptr;
    if (req.hasMapId)
        topic = keyhh::findTopic(topics, req.mapId);
    else if (!topics.empty())
        topic = &topics.front();  // no map id: the file's first topic
    if (!topic) {
        std::string text = "Topic not found.\r\n\r\nThe help file " + path + " has no topic";
        if (req.hasMapId) text += " with map id " + std::to_string(req.mapId);
        return {"Topic not found", text + "."};
    }
    return {topic->title.empty() ? std::string("Help") : topic->title, joinLines(topic->lines)};
}

Page g_page;
HFONT g_headingFont = nullptr;
HFONT g_textFont = nullptr;

void layout(HWND hwnd) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    const int margin = 10, headingHeight = 28;
    MoveWindow(GetDlgItem(hwnd, IDC_HEADING), margin, margin, rc.right - 2 * margin, headingHeight, TRUE);
    int top = margin + headingHeight + 6;
    MoveWindow(GetDlgItem(hwnd, IDC_TEXT), margin, top, rc.right - 2 * margin, rc.bottom - top - margin, TRUE);
}

LRESULT CALLBACK viewerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CREATE: {
        HINSTANCE inst = reinterpret_cast<CREATESTRUCTA*>(lp)->hInstance;
        g_headingFont = CreateFontA(-20, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0,
                                    "MS Shell Dlg");
        g_textFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        HWND heading = CreateWindowExA(0, "STATIC", g_page.title.c_str(), WS_CHILD | WS_VISIBLE | SS_NOPREFIX,
                                       0, 0, 0, 0, hwnd, reinterpret_cast<HMENU>(IDC_HEADING), inst, nullptr);
        HWND text = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", g_page.text.c_str(),
                                    WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY |
                                        ES_AUTOVSCROLL,
                                    0, 0, 0, 0, hwnd, reinterpret_cast<HMENU>(IDC_TEXT), inst, nullptr);
        if (!heading || !text) return -1;
        SendMessageA(heading, WM_SETFONT, reinterpret_cast<WPARAM>(g_headingFont), FALSE);
        SendMessageA(text, WM_SETFONT, reinterpret_cast<WPARAM>(g_textFont), FALSE);
        layout(hwnd);
        return 0;
    }
    case WM_SIZE:
        layout(hwnd);
        return 0;
    case WM_SETFOCUS:
        SetFocus(GetDlgItem(hwnd, IDC_TEXT));
        return 0;
    case WM_CTLCOLORSTATIC:
        // The read-only text reads better on white, like a help page.
        if (reinterpret_cast<HWND>(lp) == GetDlgItem(hwnd, IDC_TEXT)) {
            SetBkColor(reinterpret_cast<HDC>(wp), RGB(255, 255, 255));
            return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
        }
        break;
    case WM_DESTROY:
        if (g_headingFont) DeleteObject(g_headingFont);
        g_headingFont = nullptr;
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE inst, HINSTANCE, LPSTR, int show) {
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    keyhh::HelpRequest req = keyhh::parseHelpCommandLine(GetCommandLineA(), true);
    g_page = buildPage(req, program);

    WNDCLASSA wc = {};
    wc.lpfnWndProc = viewerProc;
    wc.hInstance = inst;
    wc.hIcon = LoadIconA(nullptr, IDI_QUESTION);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    if (!RegisterClassA(&wc)) return 1;

    std::string caption = g_page.title + kTitleSuffix;
    HWND hwnd = CreateWindowExA(0, kClassName, caption.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, 560, 420, nullptr, nullptr, inst, nullptr);
    if (!hwnd) return 1;
    ShowWindow(hwnd, show);
    UpdateWindow(hwnd);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
            PostMessageA(hwnd, WM_CLOSE, 0, 0);
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
