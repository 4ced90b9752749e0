// Small driver for scripts and end-to-end tests: finds a top-level window by
// its class name (or a part of its title) and waits for it, posts a command to
// it, or closes it and waits until it is gone. Exit code 0 on success.
//   wincmd wait  <name> <timeout-ms>
//   wincmd post  <name> <command-id>
//   wincmd close <name> <timeout-ms>
//   wincmd text  <name> 0        prints the window's title and its static texts
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct Search {
    const char* name;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND hwnd, LPARAM lp)
{
    Search* s = reinterpret_cast<Search*>(lp);
    char cls[256] = {0};
    char title[512] = {0};
    GetClassNameA(hwnd, cls, sizeof cls);
    GetWindowTextA(hwnd, title, sizeof title);
    if (lstrcmpiA(cls, s->name) == 0 || (title[0] && strstr(title, s->name))) {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND findWindow(const char* name)
{
    Search s = {name, nullptr};
    EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

HWND waitFor(const char* name, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        HWND h = findWindow(name);
        if (h && IsWindowVisible(h)) return h;
        if (GetTickCount() - start > timeoutMs) return nullptr;
        Sleep(50);
    }
}

BOOL CALLBACK printStatic(HWND child, LPARAM)
{
    char cls[64] = {0};
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Static") != 0) return TRUE;
    char text[2048] = {0};
    GetWindowTextA(child, text, sizeof text);
    if (text[0]) std::printf("text: %s\n", text);
    return TRUE;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: wincmd wait|post|close <name> <ms|command-id>\n");
        return 2;
    }
    const char* verb = argv[1];
    const char* name = argv[2];
    const unsigned long arg = std::strtoul(argv[3], nullptr, 10);
    if (std::strcmp(verb, "wait") == 0) {
        if (!waitFor(name, arg)) {
            std::fprintf(stderr, "wincmd: no window '%s'\n", name);
            return 1;
        }
        return 0;
    }
    HWND h = findWindow(name);
    if (!h) {
        std::fprintf(stderr, "wincmd: no window '%s'\n", name);
        return 1;
    }
    if (std::strcmp(verb, "post") == 0) {
        return PostMessageA(h, WM_COMMAND, MAKEWPARAM(arg, 0), 0) ? 0 : 1;
    }
    if (std::strcmp(verb, "text") == 0) {
        char title[512] = {0};
        GetWindowTextA(h, title, sizeof title);
        std::printf("title: %s\n", title);
        EnumChildWindows(h, printStatic, 0);
        return 0;
    }
    if (std::strcmp(verb, "close") == 0) {
        PostMessageA(h, WM_CLOSE, 0, 0);
        const DWORD start = GetTickCount();
        while (IsWindow(h)) {
            if (GetTickCount() - start > arg) return 1;
            Sleep(50);
        }
        return 0;
    }
    std::fprintf(stderr, "wincmd: unknown verb '%s'\n", verb);
    return 2;
}
