// prismdsp.dll: presents query plans in a window of its own, beside the
// caller's, as a tree of the plan's roots and nodes.
#include "prismdsp.h"

#include <commctrl.h>

#include <new>
#include <string>
#include <vector>

#include "plan_outline.h"

namespace {

const char kClassName[] = "PrismPlanDisplay";
HINSTANCE g_module = nullptr;

struct Display {
    HWND frame = nullptr;
    HWND tree = nullptr;
};

LRESULT CALLBACK frameProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_SIZE: {
        HWND tree = GetWindow(hwnd, GW_CHILD);
        if (tree) MoveWindow(tree, 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
        return 0;
    }
    case WM_CLOSE:
        // Closing only hides the display; the next plan shows it again.
        ShowWindow(hwnd, SW_HIDE);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

bool registerClass()
{
    WNDCLASSA wc = {};
    if (GetClassInfoA(g_module, kClassName, &wc)) return true;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = frameProc;
    wc.hInstance = g_module;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kClassName;
    return RegisterClassA(&wc) != 0;
}

void fillTree(HWND tree, const std::vector<prism::OutlineLine>& lines)
{
    SendMessageA(tree, WM_SETREDRAW, FALSE, 0);
    SendMessageA(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    // parents[d] is the last item inserted at depth d.
    std::vector<HTREEITEM> parents;
    for (const prism::OutlineLine& line : lines) {
        const size_t depth = line.depth <= parents.size() ? line.depth : parents.size();
        TVINSERTSTRUCTA ins = {};
        ins.hParent = depth == 0 ? TVI_ROOT : parents[depth - 1];
        ins.hInsertAfter = TVI_LAST;
        ins.item.mask = TVIF_TEXT | TVIF_STATE;
        ins.item.state = TVIS_EXPANDED;
        ins.item.stateMask = TVIS_EXPANDED;
        ins.item.pszText = const_cast<char*>(line.text.c_str());
        HTREEITEM item = reinterpret_cast<HTREEITEM>(
            SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&ins)));
        parents.resize(depth);
        parents.push_back(item);
    }
    SendMessageA(tree, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(tree, nullptr, TRUE);
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

extern "C" int WINAPI rcSpyCreate(void** display, const char* title, int mode)
{
    if (!display) return -1;
    *display = nullptr;
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    if (!registerClass()) return -1;

    Display* d = new (std::nothrow) Display;
    if (!d) return -1;
    // Beside the caller's window, which sits at the left third of the screen.
    const int screenW = GetSystemMetrics(SM_CXSCREEN);
    const int screenH = GetSystemMetrics(SM_CYSCREEN);
    std::string caption = std::string(title ? title : "Query Plan") + " - Plan";
    d->frame = CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, caption.c_str(), WS_OVERLAPPEDWINDOW,
                               screenW / 3 + 10, 0, screenW / 2, screenH * 2 / 3, nullptr, nullptr,
                               g_module, nullptr);
    if (!d->frame) {
        delete d;
        return -1;
    }
    RECT client = {};
    GetClientRect(d->frame, &client);
    d->tree = CreateWindowExA(0, WC_TREEVIEWA, "",
                              WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT |
                                  TVS_SHOWSELALWAYS,
                              0, 0, client.right, client.bottom, d->frame, nullptr, g_module, nullptr);
    // Mode 2 shows the (empty) display at once; other modes with the first plan.
    if (mode == 2) ShowWindow(d->frame, SW_SHOWNOACTIVATE);
    *display = d;
    return 0;
}

extern "C" int WINAPI rcSpyDisplay(void* display, const void* plan, int length)
{
    Display* d = static_cast<Display*>(display);
    if (!d || !plan || length < 0) return -1;
    fillTree(d->tree, prism::buildOutline(static_cast<const uint8_t*>(plan), static_cast<uint32_t>(length)));
    if (!IsWindowVisible(d->frame)) ShowWindow(d->frame, SW_SHOWNOACTIVATE);
    return 0;
}

extern "C" int WINAPI rcSpyDestroy(void* display)
{
    Display* d = static_cast<Display*>(display);
    if (!d) return -1;
    if (d->frame) DestroyWindow(d->frame);
    delete d;
    return 0;
}
