// The start-up checks: each failing check shows its one box and nothing after
// it runs.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "shell/entry.h"
#include "shell/shell_services.h"
#include "support/sim_control.h"
#include "vigilkit_ids.h"
#include "zapp/seams.h"
#include "zapp/testing.h"

namespace {

// A UI-strings library version function whose answer the test sets.
unsigned long fakeUiVersion[4];
int fakeUiResult;
int __stdcall fakeGetUiVersion(unsigned long* v)
{
    for (int i = 0; i < 4; ++i) v[i] = fakeUiVersion[i];
    return fakeUiResult;
}

struct EnvProbe {
    std::vector<std::string> loaded;
    int freed = 0;
    int created = 0;
};

// The real libraries, with the UI-strings version function replaced and
// every call recorded.
StartupEnv recordingEnv(EnvProbe& probe, bool uiLoadable = true, bool uiExport = true)
{
    StartupEnv env = StartupEnv::real();
    env.loadLibrary = [&probe, uiLoadable](const char* name) -> HMODULE {
        probe.loaded.push_back(name);
        return uiLoadable ? LoadLibraryA(name) : nullptr;
    };
    env.getProc = [uiExport](HMODULE, const char* name) -> FARPROC {
        if (!uiExport || std::string(name) != "getUIDLLVersion") return nullptr;
        return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(fakeGetUiVersion));
    };
    env.freeLibrary = [&probe](HMODULE m) {
        ++probe.freed;
        FreeLibrary(m);
    };
    env.createMainWindow = [&probe]() -> zWindow* {
        ++probe.created;
        return nullptr;
    };
    return env;
}

void setUiVersion(unsigned long a, unsigned long b, unsigned long c, unsigned long d,
                  int result = 0)
{
    fakeUiVersion[0] = a;
    fakeUiVersion[1] = b;
    fakeUiVersion[2] = c;
    fakeUiVersion[3] = d;
    fakeUiResult = result;
}

class Startup : public ::testing::Test {
protected:
    void SetUp() override
    {
        setUiVersion(1, 7, 0, 0);
        SetEnvironmentVariableA("VIGIL_RESDLL_VERSION", nullptr);
        sim.load(R"({"local": {"components": {"0": {"kind": 1, "major": 1}}}})");
    }
    void TearDown() override { SetEnvironmentVariableA("VIGIL_RESDLL_VERSION", nullptr); }

    SimControl sim;
    zapp::SeamRecorder seams;
};

} // namespace

TEST_F(Startup, ResourceLibraryVersion)
{
    static const struct { const char* version; bool ok; } cases[] = {
        {"1.10.30", true}, {"1.11.0", true}, {"1.10.29", false}, {"0.12.0", false}, {"5.9.99", false},
    };
    for (const auto& t : cases) {
        seams.boxes.clear();
        EnvProbe probe;
        SetEnvironmentVariableA("VIGIL_RESDLL_VERSION", t.version);
        const int failed = runStartupChecks(recordingEnv(probe));
        if (t.ok) {
            EXPECT_EQ(failed, 0) << t.version;
            EXPECT_TRUE(seams.boxes.empty()) << t.version;
            continue;
        }
        EXPECT_EQ(failed, 2) << t.version;
        ASSERT_EQ(seams.boxes.size(), 1u) << t.version;
        EXPECT_EQ(seams.boxes[0].text,
                  "Incorrect version of the Monitor resource DLL: VIGILKIT.DLL loaded. Monitor "
                  "cannot continue.\n\nEnsure that you have the correct version of the Monitor "
                  "resource DLL in your path.");
        EXPECT_EQ(seams.boxes[0].caption, "Orvanel Software Monitor Utility");
        EXPECT_TRUE(seams.boxes[0].flags & MB_ICONINFORMATION);
        EXPECT_TRUE(probe.loaded.empty()) << t.version << ": the UI-strings library was loaded after the failure";
    }
}

TEST_F(Startup, UiStringsLibrary)
{
    static const struct {
        const char* what;
        bool loadable, hasExport;
        unsigned long v[4];
        int result;
        int box;  // string id of the box, 0 for none
    } cases[] = {
        {"1.7.0.0 passes", true, true, {1, 7, 0, 0}, 0, 0},
        {"1.7.3.1 passes", true, true, {1, 7, 3, 1}, 0, 0},
        {"2.7.0.0 refused", true, true, {2, 7, 0, 0}, 0, IDS_UISTRINGS_WRONG_VERSION},
        {"1.6.9.9 refused", true, true, {1, 6, 9, 9}, 0, IDS_UISTRINGS_WRONG_VERSION},
        {"call fails", true, true, {1, 7, 0, 0}, 1, IDS_UISTRINGS_WRONG_VERSION},
        {"no export", true, false, {1, 7, 0, 0}, 0, IDS_UISTRINGS_WRONG_VERSION},
        {"not loadable", false, true, {1, 7, 0, 0}, 0, IDS_UISTRINGS_NOT_LOADED},
    };
    for (const auto& t : cases) {
        seams.boxes.clear();
        sim.clearCallLog();
        setUiVersion(t.v[0], t.v[1], t.v[2], t.v[3], t.result);
        EnvProbe probe;
        const int failed = runStartupChecks(recordingEnv(probe, t.loadable, t.hasExport));
        ASSERT_EQ(probe.loaded.size(), 1u) << t.what;
        EXPECT_EQ(probe.loaded[0], "lexicord") << t.what;
        EXPECT_EQ(probe.freed, t.loadable ? 1 : 0) << t.what << ": freed whenever it was loaded";
        if (!t.box) {
            EXPECT_EQ(failed, 0) << t.what;
            EXPECT_TRUE(seams.boxes.empty()) << t.what;
            continue;
        }
        EXPECT_EQ(failed, 3) << t.what;
        ASSERT_EQ(seams.boxes.size(), 1u) << t.what;
        EXPECT_EQ(seams.boxes[0].text, loadStringCopy(t.box)) << t.what;
        EXPECT_EQ(seams.boxes[0].caption, loadStringCopy(IDS_MESSAGE_CAPTION)) << t.what;
        EXPECT_EQ(sim.callCount(SimOp::Start), 0u) << t.what << ": the utilities were started after the failure";
    }
}

TEST_F(Startup, UtilitiesStartAndVersion)
{
    static const struct {
        const char* what;
        const char* scenario;
        int failedCheck;
        int boxId;          // 0: the status text alone
        uint16_t status;    // the status whose text the box carries, 0 for none
    } cases[] = {
        {"start fails", R"({"startStatus": 4061})", 4, 0, 4061},
        {"library version refused (65535)", R"({"local": {"components": {"0": "refused"}}})", 5,
         IDS_UTILS_VERSION_REFUSED, 0},
        {"library of another kind", R"({"local": {"components": {"0": {"kind": 2, "major": 3}}}})", 5,
         IDS_UTILS_VERSION_REFUSED, 0},
        {"library version unreadable", R"({"local": {"components": {"0": 4051}}})", 5,
         IDS_UTILS_VERSION_FAILED, 4051},
        {"library version accepted", R"({"local": {"components": {"0": {"kind": 1, "major": 1}}}})", 0, 0, 0},
    };
    for (const auto& t : cases) {
        sim.load(t.scenario);
        seams.boxes.clear();
        EnvProbe probe;
        EXPECT_EQ(runStartupChecks(recordingEnv(probe)), t.failedCheck) << t.what;
        if (t.failedCheck == 0) {
            EXPECT_TRUE(seams.boxes.empty()) << t.what;
            continue;
        }
        ASSERT_EQ(seams.boxes.size(), 1u) << t.what;
        std::string expected = t.boxId ? loadStringCopy(t.boxId) : std::string();
        if (t.status) expected += statusText(t.status);
        EXPECT_EQ(seams.boxes[0].text, expected) << t.what;
        EXPECT_EQ(seams.boxes[0].caption, loadStringCopy(IDS_MESSAGE_CAPTION)) << t.what;
        if (t.failedCheck == 4) {
            EXPECT_EQ(sim.callCount(SimOp::GetVersion), 0u) << t.what << ": version asked after a failed start";
        }
        EXPECT_EQ(sim.callCount(SimOp::Stop), 0u) << t.what << ": a failed start-up does not stop the library";
    }
}

TEST_F(Startup, NoMainWindowAfterAFailedCheck)
{
    EnvProbe probe;
    SetEnvironmentVariableA("VIGIL_RESDLL_VERSION", "1.9.99");
    EXPECT_EQ(vigilkitEntry(zapp::testing::app(), recordingEnv(probe)), 1);
    EXPECT_EQ(probe.created, 0);
}
