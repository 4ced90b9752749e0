// gantry32.dll through its exports, loaded at run time the way the monitor
// binds it: the seven operations, the test controls, and how the library
// chooses its start scenario.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "gantry_api.h"
#include "gantry_sim.h"

namespace {

std::string exeDir()
{
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path, n);
    return s.substr(0, s.find_last_of("\\/") + 1);
}

std::string scenario(const char* name) { return exeDir() + "scenarios\\" + name; }

uint32_t u32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24); }

// The library with every export resolved. Unloading it resets its state, so
// each test starts from the start scenario.
class Gantry : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The start scenario is chosen at the first call, not at load.
        SetEnvironmentVariableA("VIGIL_SCENARIO", nullptr);
        ASSERT_TRUE(open("gantry32.dll"));
    }
    void TearDown() override { close(); }

    bool open(const std::string& path)
    {
        module_ = LoadLibraryA(path.c_str());
        if (!module_) return false;
        bind(getInfo, "DBUGetInfo");
        bind(setInfo, "DBUSetInfo");
        bind(getVersion, "DBUGetVersion");
        bind(connect, "DBUConnect");
        bind(disconnect, "DBUDisconnect");
        bind(start, "DBUStart");
        bind(stop, "DBUStop");
        bind(loadText, "SimLoadScenarioText");
        bind(loadFile, "SimLoadScenarioFile");
        bind(lastError, "SimGetLastError");
        bind(scenarioName, "SimGetScenarioName");
        bind(failRequest, "SimFailRequest");
        bind(failRequestEx, "SimFailRequestEx");
        bind(clearFailures, "SimClearFailures");
        bind(callCount, "SimCallCount");
        bind(callLogSize, "SimCallLogSize");
        bind(getCall, "SimGetCall");
        bind(lastCall, "SimLastCall");
        bind(clearCallLog, "SimClearCallLog");
        bind(advanceClock, "SimAdvanceClock");
        return true;
    }
    void close()
    {
        if (module_) FreeLibrary(module_);
        module_ = nullptr;
    }
    template <class F>
    void bind(F& f, const char* name)
    {
        f = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
        EXPECT_NE(reinterpret_cast<void*>(f), nullptr) << "export " << name;
    }
    std::string name()
    {
        char buf[64];
        scenarioName(buf, sizeof buf);
        return buf;
    }

    HMODULE module_ = nullptr;
    DBUGetInfoProc getInfo = nullptr;
    DBUSetInfoProc setInfo = nullptr;
    DBUGetVersionProc getVersion = nullptr;
    DBUConnectProc connect = nullptr;
    DBUDisconnectProc disconnect = nullptr;
    DBUStartProc start = nullptr;
    DBUStopProc stop = nullptr;
    SimLoadScenarioTextProc loadText = nullptr;
    SimLoadScenarioFileProc loadFile = nullptr;
    SimGetLastErrorProc lastError = nullptr;
    SimGetScenarioNameProc scenarioName = nullptr;
    SimFailRequestProc failRequest = nullptr;
    SimFailRequestExProc failRequestEx = nullptr;
    SimClearFailuresProc clearFailures = nullptr;
    SimCallCountProc callCount = nullptr;
    SimCallLogSizeProc callLogSize = nullptr;
    SimGetCallProc getCall = nullptr;
    SimLastCallProc lastCall = nullptr;
    SimClearCallLogProc clearCallLog = nullptr;
    SimAdvanceClockProc advanceClock = nullptr;
};

}  // namespace

TEST_F(Gantry, VersionsAfterLoadingEachScenario)
{
    struct Case {
        const char* file;
        unsigned short component;
        unsigned short status;
        uint32_t kind, major, minor, build;
    } cases[] = {
        {"server.json", 0, 0, 1, 1, 6, 41},
        {"server.json", 10, 0, 2, 7, 94, 212},
        {"server.json", 5, 0, 2, 7, 90, 180},
        {"server.json", 6, 0, 1, 4, 10, 215},
        {"workstation.json", 10, 4080, 0, 0, 0, 0},
        {"workstation.json", 5, 4083, 0, 0, 0, 0},
        {"workstation.json", 2, 0, 2, 7, 51, 204},
        {"workstation.json", 1, 0, 2, 7, 51, 204},
        {"no_engine.json", 5, 4083, 0, 0, 0, 0},
        {"comm_7_0_199.json", 10, 0, 2, 7, 0, 199},
        {"record_6_99.json", 5, 0, 2, 6, 99, 0},
        {"utils_refused.json", 0, 65535, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(loadFile(scenario(c.file).c_str()), 0) << c.file;
        GantryVersionRecord v{};
        unsigned short st = getVersion(-1, c.component, 0, sizeof v, &v);
        EXPECT_EQ(st, c.status) << c.file << " component " << c.component;
        if (st) continue;
        EXPECT_EQ(v.kind, c.kind) << c.file << " component " << c.component;
        EXPECT_EQ(v.major, c.major) << c.file << " component " << c.component;
        EXPECT_EQ(v.minor, c.minor) << c.file << " component " << c.component;
        EXPECT_EQ(v.build, c.build) << c.file << " component " << c.component;
    }
}

TEST_F(Gantry, StartsWithTheBuiltInDemoWhenNothingIsNamed)
{
    EXPECT_EQ(name(), "demo");
    EXPECT_EQ(start(nullptr), 0);
    GantryVersionRecord v{};
    ASSERT_EQ(getVersion(-1, GANTRY_COMPONENT_COMM_SERVER, 0, sizeof v, &v), 0);
    EXPECT_EQ(v.major, 7u);
    EXPECT_GE(v.minor, 90u);
    EXPECT_EQ(stop(nullptr), 0);
}

TEST_F(Gantry, TheEnvironmentNamesTheStartScenario)
{
    close();
    SetEnvironmentVariableA("VIGIL_SCENARIO", scenario("workstation.json").c_str());
    ASSERT_TRUE(open("gantry32.dll"));
    EXPECT_EQ(name(), "workstation");

    close();
    SetEnvironmentVariableA("VIGIL_SCENARIO", scenario("no-such.json").c_str());
    ASSERT_TRUE(open("gantry32.dll"));
    EXPECT_EQ(start(nullptr), GANTRY_STATUS_SCENARIO_ERROR) << "a named scenario that cannot be read fails the start";
    char why[512];
    lastError(why, sizeof why);
    EXPECT_NE(std::strstr(why, "no-such.json"), nullptr) << why;
    SetEnvironmentVariableA("VIGIL_SCENARIO", nullptr);
}

TEST_F(Gantry, AScenarioFileBesideTheLibraryIsUsed)
{
    close();
    char tmp[MAX_PATH];
    GetTempPathA(MAX_PATH, tmp);
    std::string dir = std::string(tmp) + "gantry_beside_" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(dir.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA((exeDir() + "gantry32.dll").c_str(), (dir + "gantry32.dll").c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(scenario("no_engine.json").c_str(), (dir + "gantry32.json").c_str(), FALSE));
    ASSERT_TRUE(open(dir + "gantry32.dll"));
    EXPECT_EQ(name(), "no_engine");
    close();
    DeleteFileA((dir + "gantry32.dll").c_str());
    DeleteFileA((dir + "gantry32.json").c_str());
    RemoveDirectoryA(dir.c_str());
}

TEST_F(Gantry, RequestsThroughTheExports)
{
    ASSERT_EQ(loadFile(scenario("server.json").c_str()), 0);
    clearCallLog();

    // Request 15 with the 16-bit arguments in their 32-bit slots.
    uint8_t usage[68];
    ASSERT_EQ(getInfo(-1, 5, GANTRY_REQ_RESOURCE_USAGE, 0, nullptr, sizeof usage, usage), 0);
    EXPECT_EQ(u32(usage + 20), 4u) << "open files";

    // Paged list of files, one entry a reply.
    ASSERT_EQ(loadText(R"({"name": "paged", "local": {"components": {"5": {"kind": 2, "major": 7}},
        "pageSizes": {"files": 1},
        "clients": [{"tag": "a", "name": "A"}],
        "files": [{"path": "C:\\ONE.DAT", "handles": [{"client": "a"}]},
                  {"path": "C:\\TWO.DAT", "handles": [{"client": "a"}]}]}})"), 0);
    uint8_t key[8] = {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0};
    uint8_t reply[400];
    ASSERT_EQ(getInfo(-1, 5, GANTRY_REQ_FILES, 8, key, sizeof reply, reply), GANTRY_STATUS_MORE_FOLLOWS);
    EXPECT_EQ(u32(reply), 2u) << "needed count";
    EXPECT_EQ(u32(reply + 4), 1u);
    std::memcpy(key, reply + 16, 4);
    ASSERT_EQ(getInfo(-1, 5, GANTRY_REQ_FILES, 8, key, sizeof reply, reply), 0);
    EXPECT_STREQ(reinterpret_cast<char*>(reply + 20 + 25), "C:\\TWO.DAT");

    SimCallRecord last{};
    ASSERT_EQ(lastCall(&last), 0);
    EXPECT_EQ(last.op, static_cast<uint32_t>(SIM_OP_GETINFO));
    EXPECT_EQ(last.handle, -1);
    EXPECT_EQ(last.selector, 5u);
    EXPECT_EQ(last.code, 12u);
    EXPECT_EQ(last.inLen, 8u);
    EXPECT_EQ(last.outCap, sizeof reply);
    EXPECT_EQ(last.inputBytes, 8u);
    EXPECT_EQ(u32(last.input), 1u) << "the continuation key was sent";
    EXPECT_EQ(callCount(SIM_OP_GETINFO, 12), 2u);
    EXPECT_EQ(callCount(SIM_OP_GETINFO, -1), 3u);
    SimCallRecord first{};
    ASSERT_EQ(getCall(0, &first), 0);
    EXPECT_EQ(first.code, 15u);
    EXPECT_EQ(getCall(callLogSize(), &first), 1) << "past the end";
}

TEST_F(Gantry, FailuresConnectionsAndTheClock)
{
    ASSERT_EQ(loadFile(scenario("server.json").c_str()), 0);
    EXPECT_EQ(failRequest(SIM_OP_START, -1, 8010, 1), 0);
    EXPECT_EQ(start(nullptr), 8010);
    EXPECT_EQ(start(nullptr), 0) << "once";
    EXPECT_EQ(failRequest(99, -1, 1, 1), GANTRY_STATUS_INVALID_INPUT);

    EXPECT_EQ(failRequestEx(SIM_OP_GETINFO, 1808, 5, 4083, 0, 1), 0);
    uint8_t extra[12];
    EXPECT_EQ(getInfo(-1, 5, 1808, 0, nullptr, 12, extra), 0) << "skipped";
    EXPECT_EQ(getInfo(-1, 5, 1808, 0, nullptr, 12, extra), 4083);
    EXPECT_EQ(getInfo(-1, 5, 1808, 0, nullptr, 12, extra), 4083) << "always";
    clearFailures();
    EXPECT_EQ(getInfo(-1, 5, 1808, 0, nullptr, 12, extra), 0);

    int32_t h = 0;
    EXPECT_EQ(connect("ATLAS", "admin", "wrong", &h), GANTRY_STATUS_LOGIN_FAILED);
    EXPECT_EQ(connect("NOWHERE", "admin", "secret", &h), GANTRY_STATUS_SERVER_UNKNOWN);
    ASSERT_EQ(connect("ATLAS", "admin", "secret", &h), 0);
    GantryVersionRecord v{};
    ASSERT_EQ(getVersion(h, 10, 0, sizeof v, &v), 0);
    EXPECT_EQ(v.build, 200u);
    EXPECT_EQ(disconnect(&h), 0);
    EXPECT_EQ(getVersion(h, 10, 0, sizeof v, &v), GANTRY_STATUS_INVALID_HANDLE);

    // With the demo on and the wall clock off, only the test moves time.
    ASSERT_EQ(loadText(R"({"name": "clock", "demo": {"enabled": true, "realTime": false},
        "local": {"components": {"5": {"kind": 2, "major": 7}},
                  "usage": {"row4": {"current": 50, "peak": 50, "max": 100}}}})"), 0);
    uint8_t a[68], b[68];
    ASSERT_EQ(getInfo(-1, 5, 15, 0, nullptr, 68, a), 0);
    ASSERT_EQ(getInfo(-1, 5, 15, 0, nullptr, 68, b), 0);
    EXPECT_EQ(std::memcmp(a, b, 68), 0);
    bool moved = false;
    for (int i = 0; i < 20 && !moved; ++i) {
        advanceClock(1000);
        ASSERT_EQ(getInfo(-1, 5, 15, 0, nullptr, 68, b), 0);
        moved = std::memcmp(a, b, 68) != 0;
        EXPECT_LE(u32(b + 32), 100u) << "row 4 within its maximum";
    }
    EXPECT_TRUE(moved);
}
