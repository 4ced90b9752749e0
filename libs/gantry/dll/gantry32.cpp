// gantry32.dll: the utilities library's seven operations and the simulator's
// test controls, each a thin call into the portable simulator under one lock.
#include <windows.h>

#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <type_traits>

#include "builtin_scenario.h"
#include "gantry_api.h"
#include "gantry_sim.h"
#include "simulator.h"

using gantry::sim::Op;
using gantry::sim::Simulator;

namespace {

HMODULE g_module = nullptr;
std::mutex g_lock;
std::unique_ptr<Simulator> g_sim;

std::string environmentValue(const char* name)
{
    char buf[1024];
    DWORD n = GetEnvironmentVariableA(name, buf, sizeof buf);
    if (n == 0 || n >= sizeof buf) return std::string();
    return std::string(buf, n);
}

std::string besideModule(const char* fileName)
{
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(g_module, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return std::string();
    std::string dir(path, n);
    size_t cut = dir.find_last_of("\\/");
    dir.resize(cut == std::string::npos ? 0 : cut + 1);
    return dir + fileName;
}

void loadStartScenario(Simulator& s)
{
    std::string path = environmentValue("VIGIL_SCENARIO");
    if (path.empty()) {
        std::string beside = besideModule("gantry32.json");
        if (!beside.empty() && GetFileAttributesA(beside.c_str()) != INVALID_FILE_ATTRIBUTES)
            path = beside;
    }
    if (path.empty()) {
        s.loadScenarioText(gantry::sim::builtinScenarioText());
        return;
    }
    if (s.loadScenarioFile(path) != 0) {
        std::string why = s.lastError();
        OutputDebugStringA(("gantry32: " + why + "\n").c_str());
        s.setLoadFailure(why);
    }
}

// The simulator, created with its start scenario on the first call. The
// caller holds g_lock.
Simulator& sim()
{
    if (!g_sim) {
        g_sim = std::make_unique<Simulator>();
        loadStartScenario(*g_sim);
    }
    return *g_sim;
}

uint32_t copyText(const std::string& text, char* buffer, uint32_t cap)
{
    if (buffer && cap) {
        size_t n = text.size() < cap - 1 ? text.size() : cap - 1;
        std::memcpy(buffer, text.data(), n);
        buffer[n] = '\0';
    }
    return static_cast<uint32_t>(text.size());
}

void fillRecord(const gantry::sim::CallRecord& c, SimCallRecord* out)
{
    std::memset(out, 0, sizeof *out);
    out->op = static_cast<uint32_t>(c.op);
    out->handle = c.handle;
    out->selector = c.selector;
    out->code = c.code;
    out->inLen = c.inLen;
    out->outCap = c.outCap;
    out->status = c.status;
    out->inputBytes = static_cast<uint32_t>(c.input.size());
    if (!c.input.empty()) std::memcpy(out->input, c.input.data(), c.input.size());
}

}  // namespace

#define GANTRY_EXPORT extern "C" __declspec(dllexport)

GANTRY_EXPORT unsigned short GANTRY_CALL DBUGetInfo(int32_t handle, unsigned short selector,
                                                    unsigned short code, uint32_t inLen, void* in,
                                                    uint32_t outCap, void* out)
{
    std::lock_guard<std::mutex> g(g_lock);
    return sim().getInfo(handle, selector, code, inLen, in, outCap, out);
}

GANTRY_EXPORT unsigned short GANTRY_CALL DBUSetInfo(int32_t handle, unsigned short selector,
                                                    unsigned short code, uint32_t inLen, void* in)
{
    std::lock_guard<std::mutex> g(g_lock);
    return sim().setInfo(handle, selector, code, inLen, in);
}

GANTRY_EXPORT unsigned short GANTRY_CALL DBUGetVersion(int32_t handle, unsigned short component,
                                                       unsigned short reserved, uint32_t cap,
                                                       void* out)
{
    std::lock_guard<std::mutex> g(g_lock);
    return sim().getVersion(handle, component, reserved, cap, out);
}

GANTRY_EXPORT unsigned short GANTRY_CALL DBUConnect(const char* server, const char* user,
                                                    const char* password, int32_t* handle)
{
    std::lock_guard<std::mutex> g(g_lock);
    return sim().connect(server, user, password, handle);
}

GANTRY_EXPORT unsigned short GANTRY_CALL DBUDisconnect(int32_t* handle)
{
    std::lock_guard<std::mutex> g(g_lock);
    return sim().disconnect(handle);
}

GANTRY_EXPORT unsigned short GANTRY_CALL DBUStart(void*)
{
    std::lock_guard<std::mutex> g(g_lock);
    return sim().start();
}

GANTRY_EXPORT unsigned short GANTRY_CALL DBUStop(void*)
{
    std::lock_guard<std::mutex> g(g_lock);
    return sim().stop();
}

// ---- test controls

GANTRY_EXPORT unsigned short GANTRY_CALL SimLoadScenarioText(const char* json)
{
    if (!json) return GANTRY_STATUS_INVALID_INPUT;
    std::lock_guard<std::mutex> g(g_lock);
    return sim().loadScenarioText(json);
}

GANTRY_EXPORT unsigned short GANTRY_CALL SimLoadScenarioFile(const char* path)
{
    if (!path) return GANTRY_STATUS_INVALID_INPUT;
    std::lock_guard<std::mutex> g(g_lock);
    return sim().loadScenarioFile(path);
}

GANTRY_EXPORT uint32_t GANTRY_CALL SimGetLastError(char* buffer, uint32_t cap)
{
    std::lock_guard<std::mutex> g(g_lock);
    return copyText(sim().lastError(), buffer, cap);
}

GANTRY_EXPORT uint32_t GANTRY_CALL SimGetScenarioName(char* buffer, uint32_t cap)
{
    std::lock_guard<std::mutex> g(g_lock);
    return copyText(sim().scenario().name, buffer, cap);
}

GANTRY_EXPORT unsigned short GANTRY_CALL SimFailRequestEx(uint32_t op, int32_t code,
                                                          int32_t selector, unsigned short status,
                                                          uint32_t times, uint32_t skip)
{
    if (op >= gantry::sim::kOpCount) return GANTRY_STATUS_INVALID_INPUT;
    gantry::sim::Failure f;
    f.op = static_cast<Op>(op);
    f.code = code;
    f.selector = selector;
    f.status = status;
    f.times = times;
    f.skip = skip;
    std::lock_guard<std::mutex> g(g_lock);
    sim().addFailure(f);
    return 0;
}

GANTRY_EXPORT unsigned short GANTRY_CALL SimFailRequest(uint32_t op, int32_t code,
                                                        unsigned short status, uint32_t times)
{
    return SimFailRequestEx(op, code, -1, status, times, 0);
}

GANTRY_EXPORT void GANTRY_CALL SimClearFailures(void)
{
    std::lock_guard<std::mutex> g(g_lock);
    sim().clearFailures();
}

GANTRY_EXPORT uint32_t GANTRY_CALL SimCallCount(uint32_t op, int32_t code)
{
    if (op >= gantry::sim::kOpCount) return 0;
    std::lock_guard<std::mutex> g(g_lock);
    return sim().callCount(static_cast<Op>(op), code);
}

GANTRY_EXPORT uint32_t GANTRY_CALL SimCallLogSize(void)
{
    std::lock_guard<std::mutex> g(g_lock);
    return static_cast<uint32_t>(sim().callLog().size());
}

GANTRY_EXPORT unsigned short GANTRY_CALL SimGetCall(uint32_t index, SimCallRecord* out)
{
    std::lock_guard<std::mutex> g(g_lock);
    const auto& log = sim().callLog();
    if (!out || index >= log.size()) return 1;
    fillRecord(log[index], out);
    return 0;
}

GANTRY_EXPORT unsigned short GANTRY_CALL SimLastCall(SimCallRecord* out)
{
    std::lock_guard<std::mutex> g(g_lock);
    const auto& log = sim().callLog();
    if (!out || log.empty()) return 1;
    fillRecord(log.back(), out);
    return 0;
}

GANTRY_EXPORT void GANTRY_CALL SimClearCallLog(void)
{
    std::lock_guard<std::mutex> g(g_lock);
    sim().clearCallLog();
}

GANTRY_EXPORT void GANTRY_CALL SimAdvanceClock(uint32_t ms)
{
    std::lock_guard<std::mutex> g(g_lock);
    sim().advanceClock(ms);
}

// The exports and the published pointer types must not drift apart.
static_assert(std::is_same_v<decltype(&DBUGetInfo), DBUGetInfoProc>);
static_assert(std::is_same_v<decltype(&DBUSetInfo), DBUSetInfoProc>);
static_assert(std::is_same_v<decltype(&DBUGetVersion), DBUGetVersionProc>);
static_assert(std::is_same_v<decltype(&DBUConnect), DBUConnectProc>);
static_assert(std::is_same_v<decltype(&DBUDisconnect), DBUDisconnectProc>);
static_assert(std::is_same_v<decltype(&DBUStart), DBUStartProc>);
static_assert(std::is_same_v<decltype(&DBUStop), DBUStopProc>);
static_assert(std::is_same_v<decltype(&SimLoadScenarioText), SimLoadScenarioTextProc>);
static_assert(std::is_same_v<decltype(&SimLoadScenarioFile), SimLoadScenarioFileProc>);
static_assert(std::is_same_v<decltype(&SimGetLastError), SimGetLastErrorProc>);
static_assert(std::is_same_v<decltype(&SimGetScenarioName), SimGetScenarioNameProc>);
static_assert(std::is_same_v<decltype(&SimFailRequest), SimFailRequestProc>);
static_assert(std::is_same_v<decltype(&SimFailRequestEx), SimFailRequestExProc>);
static_assert(std::is_same_v<decltype(&SimClearFailures), SimClearFailuresProc>);
static_assert(std::is_same_v<decltype(&SimCallCount), SimCallCountProc>);
static_assert(std::is_same_v<decltype(&SimCallLogSize), SimCallLogSizeProc>);
static_assert(std::is_same_v<decltype(&SimGetCall), SimGetCallProc>);
static_assert(std::is_same_v<decltype(&SimLastCall), SimLastCallProc>);
static_assert(std::is_same_v<decltype(&SimClearCallLog), SimClearCallLogProc>);
static_assert(std::is_same_v<decltype(&SimAdvanceClock), SimAdvanceClockProc>);

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}
