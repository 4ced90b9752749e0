#include "viewer_app.h"

#include <commdlg.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "core/memory_services.h"
#include "core/viewer_rules.h"
#include "loader.h"
#include "prismdsp.h"
#include "registry.h"
#include "resource.h"
#include "viewer_seam.h"
#include "viewer_state.h"

ViewerState g_viewer;

namespace {

constexpr UINT_PTR kWatchTimer = 1;
constexpr int kDisplayMode = 2;

void loadFixedString(UINT id, char* buffer, int size)
{
    if (LoadStringA(g_viewer.instance, id, buffer, size) <= 0) buffer[0] = '\0';
}

void startWatchTimer(HWND hwnd)
{
    char text[250] = {};
    const bool read = RegReadPath(kSettingsKey, kViewerOptions, "RefreshTime", nullptr, text, sizeof text) > 0;
    g_viewer.timerPeriod = qpf::refreshPeriodMs(read, text, USER_TIMER_MINIMUM);
    SetTimer(hwnd, kWatchTimer, g_viewer.timerPeriod, nullptr);
}

void navigate(qpf::NavCommand command)
{
    g_viewer.currentIndex = qpf::navigate(command, g_viewer.currentIndex, g_viewer.planCount);
    ShowCurrentPlan();
}

void openFile(HWND hwnd)
{
    // The filter's label and pattern pairs are separated by NULs and end in
    // two; the zero-filled buffer gives the last one.
    char filter[256] = {};
    LoadStringA(g_viewer.instance, IDS_OPEN_FILTER, filter, sizeof filter - 1);
    char title[128] = {};
    loadFixedString(IDS_OPEN_TITLE, title, sizeof title);
    char fileTitle[qpf::kMaxPathChars] = {};

    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = hwnd;
    ofn.lpstrFilter = filter;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = g_viewer.currentPath;
    ofn.nMaxFile = qpf::kMaxPathChars;
    ofn.lpstrFileTitle = fileTitle;
    ofn.nMaxFileTitle = sizeof fileTitle;
    ofn.lpstrTitle = title;
    ofn.lpstrDefExt = "QPF";
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    // A dialog that fails (a chosen path too long for the buffer) leaves the
    // size it needed in the buffer's first bytes, so the path is put back.
    char before[sizeof g_viewer.currentPath];
    std::memcpy(before, g_viewer.currentPath, sizeof before);
    if (!ViewerOpenDialog(&ofn)) {
        std::memcpy(g_viewer.currentPath, before, sizeof before);
        return;
    }
    LoadPlanFile(g_viewer.currentPath);
}

void gotoPlan(HWND hwnd)
{
    uint32_t number = 0;
    bool valid = false;
    if (RunGotoDialog(hwnd, &number, &valid))
        g_viewer.currentIndex = qpf::gotoPlan(valid, number, g_viewer.currentIndex, g_viewer.planCount);
    ShowCurrentPlan();
}

bool onCommand(HWND hwnd, WORD id)
{
    switch (id) {
    case IDM_ABOUT: RunAboutDialog(hwnd); return true;
    case IDM_OPEN: openFile(hwnd); return true;
    case IDM_FIRST: navigate(qpf::NavCommand::First); return true;
    case IDM_LAST: navigate(qpf::NavCommand::Last); return true;
    case IDM_NEXT: navigate(qpf::NavCommand::Next); return true;
    case IDM_PREV: navigate(qpf::NavCommand::Prev); return true;
    case IDM_GOTO: gotoPlan(hwnd); return true;
    case IDM_REFRESH:
        if (g_viewer.currentPath[0]) LoadPlanFile(g_viewer.currentPath);
        return true;
    case IDM_STATEMENT:
        if (g_viewer.statement && g_viewer.statement[0])
            RunStatementDialog(hwnd);
        else
            ViewerBeep(0xFFFFFFFFu);
        return true;
    case IDM_DELETEFILE:
        if (g_viewer.currentPath[0]) FileDelete(g_viewer.currentPath);
        return true;
    case IDM_EXIT: DestroyWindow(hwnd); return true;
    default: return false;
    }
}

void freeWorkBuffers()
{
    qpf::FreeMemory(g_viewer.plan);
    qpf::FreeMemory(g_viewer.statement);
    qpf::FreeMemory(g_viewer.planOffsets);
    g_viewer.plan = nullptr;
    g_viewer.statement = nullptr;
    g_viewer.planOffsets = nullptr;
}

// Start-up failures after the window exists end with exit code 1.
bool failAfterWindow(int* exitCode)
{
    DestroyWindow(g_viewer.mainWindow);
    freeWorkBuffers();
    qpf::FreeMemory(g_viewer.poolHolder);
    g_viewer.poolHolder = nullptr;
    qpf::MemoryShutdown();
    UnregisterClassA(g_viewer.className, g_viewer.instance);
    *exitCode = 1;
    return false;
}

} // namespace

LRESULT CALLBACK ViewerWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_CREATE:
        startWatchTimer(hwnd);
        return 0;
    case WM_DESTROY:
        KillTimer(hwnd, kWatchTimer);
        PostQuitMessage(0);
        return 0;
    case WM_SIZE:
        if (g_viewer.textArea) MoveWindow(g_viewer.textArea, 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
        return 0;
    case WM_COMMAND:
        if (onCommand(hwnd, LOWORD(wp))) return 0;
        break;
    case WM_TIMER:
        if (wp == kWatchTimer) {
            RunChangeWatch();
            return 0;
        }
        break;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

void ShowCurrentPlan()
{
    if (!g_viewer.heldFile || g_viewer.currentIndex >= g_viewer.planCount) return;
    if (!ReadPlan(g_viewer.currentIndex)) return;
    SetWindowTextA(g_viewer.textArea, reinterpret_cast<const char*>(g_viewer.statement));
    rcSpyDisplay(g_viewer.displayHandle, g_viewer.plan, 0);
    char title[400];
    std::snprintf(title, sizeof title, g_viewer.planTitleFormat, g_viewer.appTitle,
                  g_viewer.currentIndex + 1, static_cast<int>(g_viewer.planCount));
    SetWindowTextA(g_viewer.mainWindow, title);
}

bool EndOnOkOrCancel(HWND dialog, WPARAM command)
{
    const WORD id = LOWORD(command);
    if (id != IDOK && id != IDCANCEL) return false;
    EndDialog(dialog, id);
    return true;
}

void CentreDialog(HWND dialog)
{
    HWND owner = GetWindow(dialog, GW_OWNER);
    RECT o = {}, d = {};
    if (!owner || !GetWindowRect(owner, &o) || !GetWindowRect(dialog, &d)) return;
    HDC screen = GetDC(nullptr);
    const int screenW = GetDeviceCaps(screen, HORZRES);
    const int screenH = GetDeviceCaps(screen, VERTRES);
    ReleaseDC(nullptr, screen);
    const qpf::Rect placed = qpf::centreOver({o.left, o.top, o.right - o.left, o.bottom - o.top},
                                             {d.left, d.top, d.right - d.left, d.bottom - d.top},
                                             screenW, screenH);
    SetWindowPos(dialog, nullptr, placed.left, placed.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool ViewerStart(HINSTANCE instance, HINSTANCE previous, const char* commandLine, int show,
                 int* exitCode)
{
    g_viewer = ViewerState();
    g_viewer.instance = instance;
    *exitCode = 0;

    // 1. Memory services.
    if (!qpf::MemoryStartup()) return false;

    // 2. Strings and the window class.
    loadFixedString(IDS_CLASS_NAME, g_viewer.className, sizeof g_viewer.className);
    loadFixedString(IDS_APP_TITLE, g_viewer.appTitle, sizeof g_viewer.appTitle);
    loadFixedString(IDS_PLAN_TITLE, g_viewer.planTitleFormat, sizeof g_viewer.planTitleFormat);
    if (!previous) {
        WNDCLASSA wc = {};
        wc.style = CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = ViewerWindowProc;
        wc.hInstance = instance;
        wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_SKYGLASS));
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszMenuName = MAKEINTRESOURCEA(IDR_MAINMENU);
        wc.lpszClassName = g_viewer.className;
        if (!RegisterClassA(&wc)) {
            qpf::MemoryShutdown();
            return false;
        }
    }

    // 3. The main window (its creation starts the change-watch timer) and
    //    the text area.
    g_viewer.mainWindow = CreateWindowA(g_viewer.className, g_viewer.appTitle, WS_OVERLAPPEDWINDOW, 0, 0,
                                        400, 300, nullptr, nullptr, instance, nullptr);
    if (!g_viewer.mainWindow) {
        UnregisterClassA(g_viewer.className, instance);
        qpf::MemoryShutdown();
        return false;
    }
    g_viewer.textArea = CreateWindowA("EDIT", "",
                                      WS_CHILD | WS_BORDER | ES_MULTILINE | ES_READONLY | ES_NOHIDESEL, 0,
                                      0, 400, 300, g_viewer.mainWindow, nullptr, instance, nullptr);
    SendMessageA(g_viewer.textArea, EM_LIMITTEXT, 0, 0); // statements run up to 65535 bytes
    ShowWindow(g_viewer.textArea, SW_SHOW);
    ShowWindow(g_viewer.mainWindow, show);
    RECT desktop = {};
    GetWindowRect(GetDesktopWindow(), &desktop);
    MoveWindow(g_viewer.mainWindow, 5, 0, (desktop.right - desktop.left) / 3, 300, TRUE);

    // 4. The pool holder of the file layer and the work buffers.
    g_viewer.poolHolder = static_cast<PoolHolder*>(qpf::AllocZero(sizeof(PoolHolder)));
    if (!g_viewer.poolHolder) return failAfterWindow(exitCode);
    g_viewer.plan = static_cast<uint8_t*>(qpf::AllocZero(qpf::kWorkBufferSize));
    g_viewer.statement = static_cast<uint8_t*>(qpf::AllocZero(qpf::kWorkBufferSize));
    g_viewer.planOffsets = static_cast<uint32_t*>(qpf::AllocZero(sizeof(uint32_t) * qpf::kMaxPlans));
    if (!g_viewer.plan || !g_viewer.statement || !g_viewer.planOffsets) return failAfterWindow(exitCode);

    // 5. The display library and the keys.
    rcSpyCreate(&g_viewer.displayHandle, g_viewer.appTitle, kDisplayMode);
    g_viewer.accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS));

    // 6. The file named on the command line, else the default file.
    const std::string named = qpf::trimBlanks(commandLine ? commandLine : "");
    if (!named.empty()) {
        LoadPlanFile(named.c_str());
    } else {
        char defaultFile[256] = {};
        if (RegReadPath(kSettingsKey, kViewerOptions, "DefaultFile", nullptr, defaultFile, sizeof defaultFile) > 0)
            LoadPlanFile(defaultFile);
    }

    // 7. Automatic reload.
    char reload[16] = {};
    RegReadPath(kSettingsKey, kReloadOptions, "AutoReload", "", reload, sizeof reload);
    g_viewer.autoReload = reload[0] == '1';
    return true;
}

bool ViewerTranslateAccelerator(MSG* msg)
{
    return g_viewer.accelerators && g_viewer.mainWindow &&
           TranslateAcceleratorA(g_viewer.mainWindow, g_viewer.accelerators, msg);
}

int ViewerRunLoop()
{
    MSG msg = {};
    for (;;) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) break;
        if (!ViewerTranslateAccelerator(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return static_cast<int>(msg.wParam);
}

void ViewerFinish()
{
    rcSpyDestroy(g_viewer.displayHandle);
    g_viewer.displayHandle = nullptr;
    ReleaseHeldFile();
    if (g_viewer.poolHolder) {
        qpf::PoolDestroy(*g_viewer.poolHolder);
        qpf::FreeMemory(g_viewer.poolHolder);
        g_viewer.poolHolder = nullptr;
    }
    qpf::MemoryShutdown();
    freeWorkBuffers();
    if (g_viewer.mainWindow && IsWindow(g_viewer.mainWindow)) DestroyWindow(g_viewer.mainWindow);
    g_viewer.mainWindow = nullptr;
    g_viewer.textArea = nullptr;
    // So that a later start in the same process can register it again.
    UnregisterClassA(g_viewer.className, g_viewer.instance);
}
