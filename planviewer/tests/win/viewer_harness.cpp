#include "viewer_harness.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>

#include "viewer_app.h"
#include "viewer_seam.h"
#include "viewer_state.h"

namespace {

ViewerSession* g_session = nullptr;

int recordBox(HWND owner, const char* text, const char* caption, UINT type)
{
    RecordedBox box{owner, text ? text : "", caption ? caption : "(none)", type};
    g_session->boxes.push_back(box);
    if (g_session->onBox) g_session->onBox(box);
    return g_session->answer;
}

void recordBeep(UINT) { ++g_session->beeps; }

BOOL answerOpen(OPENFILENAMEA* ofn)
{
    g_session->lastOpen = *ofn;
    // The filter is pairs of NUL-terminated texts ending in an empty one.
    std::string filter;
    for (const char* p = ofn->lpstrFilter; p && *p; p += std::strlen(p) + 1) filter += std::string(p) + "|";
    g_session->lastOpenFilter = filter;
    g_session->lastOpenTitle = ofn->lpstrTitle ? ofn->lpstrTitle : "";
    g_session->lastOpenDefExt = ofn->lpstrDefExt ? ofn->lpstrDefExt : "";
    if (g_session->openTooLong) {
        ofn->lpstrFile[0] = '\x2C';
        ofn->lpstrFile[1] = '\x01';
        return FALSE;
    }
    if (g_session->openAnswer.empty()) return FALSE;
    std::snprintf(ofn->lpstrFile, ofn->nMaxFile, "%s", g_session->openAnswer.c_str());
    return TRUE;
}

std::function<void(HWND)> g_dialogAction;

BOOL CALLBACK findDialog(HWND hwnd, LPARAM lp)
{
    char cls[32] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (std::strcmp(cls, "#32770") == 0 && IsWindowVisible(hwnd)) {
        *reinterpret_cast<HWND*>(lp) = hwnd;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK dialogTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND dlg = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findDialog, reinterpret_cast<LPARAM>(&dlg));
    if (!dlg || !g_dialogAction) return;
    KillTimer(nullptr, id);
    auto action = std::move(g_dialogAction);
    g_dialogAction = nullptr;
    action(dlg);
}

HWND findDisplayTree()
{
    HWND frame = FindWindowA("PrismPlanDisplay", nullptr);
    return frame ? GetWindow(frame, GW_CHILD) : nullptr;
}

void walkTree(HWND tree, HTREEITEM item, int depth, std::vector<TreeLine>& out)
{
    for (; item; item = reinterpret_cast<HTREEITEM>(
                     SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)))) {
        char text[512] = {};
        TVITEMA tv = {};
        tv.mask = TVIF_TEXT;
        tv.hItem = item;
        tv.pszText = text;
        tv.cchTextMax = sizeof text;
        SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
        out.push_back({depth, text});
        HTREEITEM child = reinterpret_cast<HTREEITEM>(
            SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item)));
        walkTree(tree, child, depth + 1, out);
    }
}

std::string windowText(HWND h)
{
    if (!h) return "";
    const int n = GetWindowTextLengthA(h);
    std::string s(static_cast<size_t>(n) + 1, '\0');
    GetWindowTextA(h, &s[0], n + 1);
    s.resize(static_cast<size_t>(n));
    return s;
}

} // namespace

ViewerSession::ViewerSession()
{
    g_session = this;
    SetViewerMessageBoxHook(recordBox);
    SetViewerBeepHook(recordBeep);
    SetViewerOpenDialogHook(answerOpen);
}

ViewerSession::~ViewerSession()
{
    if (running_) stop();
    SetViewerMessageBoxHook(nullptr);
    SetViewerBeepHook(nullptr);
    SetViewerOpenDialogHook(nullptr);
    g_session = nullptr;
}

bool ViewerSession::start(const std::string& commandLine)
{
    int exitCode = 0;
    quitSeen = false;
    quitCode = -1;
    running_ = ViewerStart(GetModuleHandleA(nullptr), nullptr, commandLine.c_str(), SW_SHOWNORMAL, &exitCode);
    return running_;
}

int ViewerSession::stop()
{
    if (!running_) return -1;
    if (IsWindow(g_viewer.mainWindow)) PostMessageA(g_viewer.mainWindow, WM_COMMAND, 203, 0);
    pumpUntil([this] { return quitSeen; });
    ViewerFinish();
    running_ = false;
    return quitCode;
}

bool ViewerSession::pumpUntil(const std::function<bool()>& done, DWORD ms)
{
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                quitSeen = true;
                quitCode = static_cast<int>(msg.wParam);
                continue;
            }
            if (!ViewerTranslateAccelerator(&msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
        if (done()) return true;
        if (GetTickCount() - start > ms) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void ViewerSession::pumpIdle()
{
    pumpUntil([] {
        MSG msg;
        return !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
    });
}

void ViewerSession::command(WORD id)
{
    PostMessageA(g_viewer.mainWindow, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    pumpIdle();
}

void ViewerSession::tick()
{
    SendMessageA(g_viewer.mainWindow, WM_TIMER, 1, 0);
    pumpIdle();
}

void ViewerSession::key(UINT vk, bool ctrl, bool alt)
{
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = ctrl ? 0x80 : 0;
    keys[VK_MENU] = alt ? 0x80 : 0;
    SetKeyboardState(keys);
    SetFocus(g_viewer.textArea);
    // Alt combinations arrive as system keys.
    PostMessageA(g_viewer.textArea, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, alt ? 0x20000001 : 1);
    pumpIdle();
    keys[VK_CONTROL] = 0;
    keys[VK_MENU] = 0;
    SetKeyboardState(keys);
}

std::string ViewerSession::title() const { return windowText(g_viewer.mainWindow); }

std::string ViewerSession::text() const { return windowText(g_viewer.textArea); }

std::vector<TreeLine> ViewerSession::displayTree() const
{
    std::vector<TreeLine> out;
    HWND tree = findDisplayTree();
    if (!tree) return out;
    HTREEITEM root = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    walkTree(tree, root, 0, out);
    return out;
}

void ViewerSession::onNextDialog(std::function<void(HWND)> action)
{
    g_dialogAction = std::move(action);
    SetTimer(nullptr, 0, 20, dialogTimer);
}

TempFiles::~TempFiles()
{
    for (const std::string& p : made_) DeleteFileA(p.c_str());
}

std::string TempFiles::path(const std::string& name)
{
    char dir[MAX_PATH] = {};
    GetTempPathA(sizeof dir, dir);
    std::string p = std::string(dir) + "skyglass-" + std::to_string(GetCurrentProcessId()) + "-" + name;
    made_.push_back(p);
    return p;
}

std::string TempFiles::write(const std::string& name, const qpfw::Bytes& bytes)
{
    const std::string p = path(name);
    qpfw::writeFile(p, bytes);
    return p;
}

void TempFiles::append(const std::string& p, const qpfw::Bytes& bytes)
{
    FILE* f = std::fopen(p.c_str(), "ab");
    if (!f) return;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

void setViewerSetting(const char* subkey, const char* name, const char* value)
{
    const std::string key = std::string("Software\\ODBC\\odbc.ini\\") + subkey;
    HKEY h = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &h, nullptr) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExA(h, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                   static_cast<DWORD>(std::strlen(value) + 1));
    RegCloseKey(h);
}

void clearViewerSettings()
{
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\ODBC\\odbc.ini\\DODOvez Options");
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\ODBC\\odbc.ini\\Vuzorev Options");
}

qpfw::Bytes extraRecord(uint32_t seed)
{
    std::string statement = qpfw::sampleStatement(seed);
    statement.push_back('\0');
    return qpfw::record(qpfw::ByteOrder::Little, statement, qpfw::samplePlan(seed).bytes(qpfw::ByteOrder::Little));
}
