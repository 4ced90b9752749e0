// Load benchmark of the viewer (a program, not a test):
//   skyglass_bench [plans] [runs]
// Writes a file of `plans` (default 16000) realistic plan records, then times
// one plain sequential read of the file, LoadPlanFile on it and ReadPlan of
// every plan, each `runs` times (default 5), and prints the best and median
// times with the ratio of load to plain read. The goal: the load within 3x.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/memory_services.h"
#include "loader.h"
#include "qpf_writer.h"
#include "viewer_seam.h"
#include "viewer_state.h"

namespace {

int g_boxes = 0;

int countBox(HWND, const char*, const char*, UINT)
{
    ++g_boxes;
    return IDOK;
}

double now()
{
    static LARGE_INTEGER freq = {};
    if (!freq.QuadPart) QueryPerformanceFrequency(&freq);
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / static_cast<double>(freq.QuadPart);
}

// Reads the whole file front to back in 64 KB pieces; returns the bytes read.
uint64_t plainRead(const std::string& path)
{
    static std::vector<char> buf(64 * 1024);
    OFSTRUCT info = {};
    const HFILE h = OpenFile(path.c_str(), &info, OF_READ);
    if (h == HFILE_ERROR) return 0;
    uint64_t total = 0;
    for (;;) {
        const UINT got = _lread(h, buf.data(), static_cast<UINT>(buf.size()));
        if (got == static_cast<UINT>(HFILE_ERROR) || got == 0) break;
        total += got;
    }
    _lclose(h);
    return total;
}

struct Times {
    std::vector<double> v;
    double best() const { return *std::min_element(v.begin(), v.end()); }
    double median() const
    {
        std::vector<double> s = v;
        std::sort(s.begin(), s.end());
        return s[s.size() / 2];
    }
};

} // namespace

int main(int argc, char** argv)
{
    const uint32_t plans = argc > 1 ? static_cast<uint32_t>(std::strtoul(argv[1], nullptr, 10)) : 16000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    if (plans == 0 || runs <= 0) {
        std::fprintf(stderr, "usage: skyglass_bench [plans] [runs]\n");
        return 2;
    }

    qpfw::FileOptions opts;
    opts.plans = plans;
    const qpfw::Bytes bytes = qpfw::buildFile(opts);
    char dir[MAX_PATH] = {};
    GetTempPathA(sizeof dir, dir);
    const std::string path = std::string(dir) + "skyglass-bench.qpf";
    if (!qpfw::writeFile(path, bytes)) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return 1;
    }

    // The viewer's state as start-up leaves it, without a window.
    g_viewer.instance = GetModuleHandleA(nullptr);
    if (!qpf::MemoryStartup()) return 1;
    g_viewer.poolHolder = static_cast<PoolHolder*>(qpf::AllocZero(sizeof(PoolHolder)));
    g_viewer.plan = static_cast<uint8_t*>(qpf::AllocZero(qpf::kWorkBufferSize));
    g_viewer.statement = static_cast<uint8_t*>(qpf::AllocZero(qpf::kWorkBufferSize));
    g_viewer.planOffsets = static_cast<uint32_t*>(qpf::AllocZero(sizeof(uint32_t) * qpf::kMaxPlans));
    SetViewerMessageBoxHook(countBox);

    plainRead(path); // the file comes from the cache in every timed run
    Times plain, load, read;
    uint32_t readOk = 0;
    for (int r = 0; r < runs; ++r) {
        double t0 = now();
        const uint64_t n = plainRead(path);
        plain.v.push_back(now() - t0);
        if (n != bytes.size()) std::fprintf(stderr, "plain read got %llu bytes\n", static_cast<unsigned long long>(n));

        t0 = now();
        LoadPlanFile(path.c_str());
        load.v.push_back(now() - t0);

        t0 = now();
        readOk = 0;
        for (uint16_t k = 0; k < g_viewer.planCount; ++k) readOk += ReadPlan(k) ? 1 : 0;
        read.v.push_back(now() - t0);
    }

    std::printf("file: %u plans, %llu bytes (%.1f MB)\n", plans, static_cast<unsigned long long>(bytes.size()),
                bytes.size() / 1048576.0);
    std::printf("loaded: %u plans, %u read back, %d messages\n", g_viewer.planCount, readOk, g_boxes);
    std::printf("runs: %d (best / median, ms)\n", runs);
    std::printf("  plain sequential read  %9.2f / %9.2f\n", plain.best() * 1e3, plain.median() * 1e3);
    std::printf("  LoadPlanFile           %9.2f / %9.2f\n", load.best() * 1e3, load.median() * 1e3);
    std::printf("  ReadPlan, every plan   %9.2f / %9.2f\n", read.best() * 1e3, read.median() * 1e3);
    const double ratio = load.median() / plain.median();
    std::printf("load / plain read: %.2fx (goal: within 3x) %s\n", ratio, ratio <= 3.0 ? "ok" : "OVER");

    ReleaseHeldFile();
    qpf::PoolDestroy(*g_viewer.poolHolder);
    qpf::FreeMemory(g_viewer.poolHolder);
    qpf::MemoryShutdown();
    qpf::FreeMemory(g_viewer.plan);
    qpf::FreeMemory(g_viewer.statement);
    qpf::FreeMemory(g_viewer.planOffsets);
    DeleteFileA(path.c_str());
    return 0;
}
