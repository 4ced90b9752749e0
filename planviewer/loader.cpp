#include "loader.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "core/qpf_scan.h"
#include "core/viewer_rules.h"
#include "resource.h"
#include "viewer_seam.h"
#include "viewer_state.h"

namespace {

// The held file as a source of bytes for the portable scan.
class HeldFileSource : public qpf::PlanSource {
public:
    explicit HeldFileSource(FileHandleRecord* file) : file_(file) {}
    bool seekTo(uint32_t offset) override
    {
        return FileSeek(file_, static_cast<int32_t>(offset), FILE_BEGIN) == kFileOk;
    }
    bool read(void* dst, uint32_t count, uint32_t* got) override
    {
        const uint16_t status = FileRead(file_, count, dst, got);
        return status == kFileOk || status == kFileShortRead;
    }

private:
    FileHandleRecord* file_;
};

qpf::WorkBuffers workBuffers()
{
    return {g_viewer.statement, g_viewer.plan, g_viewer.planOffsets};
}

// The wait cursor for as long as a load runs, and the guard the change
// watch looks at.
struct LoadScope {
    HCURSOR previous;
    LoadScope() : previous(SetCursor(LoadCursor(nullptr, IDC_WAIT))) { g_viewer.loadRunning = true; }
    ~LoadScope()
    {
        g_viewer.loadRunning = false;
        SetCursor(previous);
    }
};

void loadError(HWND owner, const std::string& text)
{
    ViewerMessageBox(owner, text.c_str(), nullptr, MB_OK | MB_ICONERROR);
}

template <typename... Args>
std::string format(unsigned id, Args... args)
{
    const std::string pattern = ViewerString(id);
    const int n = std::snprintf(nullptr, 0, pattern.c_str(), args...);
    if (n <= 0) return pattern;
    std::vector<char> out(static_cast<size_t>(n) + 1);
    std::snprintf(out.data(), out.size(), pattern.c_str(), args...);
    return out.data();
}

} // namespace

std::string ViewerString(unsigned id)
{
    char buf[512] = {};
    const int n = LoadStringA(g_viewer.instance, id, buf, sizeof buf);
    return std::string(buf, n > 0 ? static_cast<size_t>(n) : 0);
}

void ReleaseHeldFile()
{
    if (g_viewer.heldFile) FileClose(g_viewer.heldFile, false);
    g_viewer.heldFile = nullptr;
}

void LoadPlanFile(const char* pathArg)
{
    // The argument may be the current path itself, which this load rewrites.
    const std::string given = pathArg ? pathArg : "";
    LoadScope scope;
    const HWND main = g_viewer.mainWindow;

    g_viewer.planCount = 0;
    g_viewer.byteSwapped = false;
    ReleaseHeldFile();

    const std::string path = qpf::stripQuotes(given);
    if (path.size() > qpf::kMaxPathChars) {
        loadError(main, ViewerString(IDS_OPEN_FAILED));
        return;
    }
    if (!FileExists(path.c_str())) {
        loadError(main, format(IDS_FILE_NOT_FOUND, path.c_str()));
        return;
    }
    FileHandleRecord* file = nullptr;
    if (FileOpen(g_viewer.poolHolder, &file, path.c_str(), kModeRead) != kFileOk) {
        loadError(main, ViewerString(IDS_OPEN_FAILED));
        return;
    }

    HeldFileSource source(file);
    const qpf::ScanResult scan = qpf::scanPlanFile(source, workBuffers());
    if (scan.outcome == qpf::ScanOutcome::NotQpf) {
        loadError(main, ViewerString(IDS_NOT_QPF));
        FileClose(file, false);
        return;
    }
    if (scan.outcome == qpf::ScanOutcome::BadVersion) {
        loadError(GetActiveWindow(), format(IDS_BAD_VERSION, static_cast<int>(qpf::kSupportedVersion),
                                            g_viewer.className, static_cast<int>(scan.fileVersion)));
        FileClose(file, false);
        return;
    }
    g_viewer.heldFile = file;
    g_viewer.byteSwapped = scan.byteSwapped;
    g_viewer.planCount = scan.planCount;
    if (scan.notice == qpf::ScanNotice::InvalidFormat) loadError(main, ViewerString(IDS_INVALID_FORMAT));
    if (scan.notice == qpf::ScanNotice::PlanLimit) loadError(main, ViewerString(IDS_PLAN_LIMIT));

    uint32_t size = 0;
    if (FileQuery(g_viewer.heldFile, &size, kQuerySize) != kFileOk) size = 0;
    g_viewer.recordedSize = size;

    SetWindowTextA(main, format(IDS_PLANS_LOADED, static_cast<int>(g_viewer.planCount)).c_str());
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(IDM_LAST, 0), 0);
    std::memcpy(g_viewer.currentPath, path.c_str(), path.size() + 1);
}

bool ReadPlan(uint16_t k)
{
    if (!g_viewer.heldFile || k >= g_viewer.planCount) return false;
    HeldFileSource source(g_viewer.heldFile);
    return qpf::readPlanRecord(source, g_viewer.planOffsets[k], g_viewer.byteSwapped, workBuffers())
        .complete;
}

void RunChangeWatch()
{
    if (g_viewer.watchRunning || g_viewer.loadRunning || !g_viewer.heldFile) return;
    g_viewer.watchRunning = true;
    uint32_t size = 0;
    if (FileQuery(g_viewer.heldFile, &size, kQuerySize) != kFileOk) size = 0;
    if (size != g_viewer.recordedSize) {
        bool reload = g_viewer.autoReload;
        if (!reload) {
            const std::string question = ViewerString(IDS_FILE_CHANGED);
            reload = ViewerMessageBox(g_viewer.mainWindow, question.c_str(), g_viewer.appTitle,
                                      MB_YESNO | MB_ICONINFORMATION) == IDYES;
        }
        // No leaves the recorded size as it was, so the next tick asks again.
        if (reload && g_viewer.currentPath[0]) LoadPlanFile(g_viewer.currentPath);
    }
    g_viewer.watchRunning = false;
}
