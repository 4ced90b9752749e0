// Engine detection against scenarios of the simulated engine.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>

#include "engine/engine_probe.h"
#include "shell/shell_services.h"
#include "support/sim_control.h"
#include "vigilkit_ids.h"
#include "zapp/seams.h"

namespace {

struct RecordingHost : ProbeHost {
    std::map<int, bool> commands;
    HWND owner = nullptr;
    void enableCommand(int id, bool on) override { commands[id] = on; }
    void* probeMessageOwner() override { return owner; }
    bool enabled(int id) const
    {
        auto it = commands.find(id);
        return it != commands.end() && it->second;
    }
    bool touched(int id) const { return commands.count(id) != 0; }
};

const char kServerEngine[] = R"({"local": {"components": {
    "0": {"kind": 1, "major": 1},
    "10": {"kind": 2, "major": 7, "minor": 90, "build": 12},
    "5": {"kind": 2, "major": 7, "minor": 50},
    "4": {"kind": 1, "major": 4, "minor": 0, "build": 200},
    "6": {"kind": 1, "major": 4, "minor": 10}},
  "connectionManager": {"word5302": 0}}})";

const char kWorkstationOnly[] = R"({"local": {"components": {
    "0": {"kind": 1, "major": 1},
    "10": "absent", "5": "absent",
    "2": {"kind": 2, "major": 7, "minor": 0, "build": 200},
    "1": {"kind": 2, "major": 7, "minor": 0},
    "4": "absent", "6": "absent",
    "3": {"kind": 1, "major": 4, "minor": 0}}}})";

const char kNoEngine[] = R"({"local": {"components": {"0": {"kind": 1, "major": 1}}}})";

int recordCommands[] = {IDM_ACTIVE_FILES, IDM_ACTIVE_USERS, IDM_RESOURCE_USAGE, IDM_COMM_STATS};
int sqlCommands[] = {IDM_SQL_SESSIONS, IDM_SQL_RESOURCE_USAGE, IDM_SQL_COMM_STATS};

class EngineProbe : public ::testing::Test {
protected:
    void probe(const char* scenario)
    {
        sim.load(scenario);
        seams.boxes.clear();
        state = EngineState();
        host = RecordingHost();
        runEngineProbe(-1, state, host);
    }
    void expectCommands(const int* ids, int n, bool on, const char* what)
    {
        for (int i = 0; i < n; ++i) {
            EXPECT_TRUE(host.touched(ids[i])) << what << ": command " << ids[i] << " left alone";
            EXPECT_EQ(host.enabled(ids[i]), on) << what << ": command " << ids[i];
        }
    }
    std::string refusedText(int id) { return loadStringCopy(id); }

    SimControl sim;
    zapp::SeamRecorder seams;
    EngineState state;
    RecordingHost host;
};

} // namespace

TEST_F(EngineProbe, ServerEngine)
{
    probe(kServerEngine);
    EXPECT_TRUE(seams.boxes.empty());
    EXPECT_EQ(state.commEngineId, 10);
    EXPECT_EQ(state.recordEngineId, 5);
    EXPECT_EQ(state.sqlEngineId, 6);
    EXPECT_EQ(state.commVersionMajor, 7);
    EXPECT_EQ(state.commVersionMinor, 90);
    EXPECT_TRUE(state.recordEngineAvailable);
    EXPECT_TRUE(state.sqlEngineAvailable);
    EXPECT_TRUE(state.extendedCommStatsRecord);
    EXPECT_TRUE(state.extendedCommStatsSql);
    EXPECT_FALSE(state.versionRefused);
    expectCommands(recordCommands, 4, true, "server engine");
    expectCommands(sqlCommands, 3, true, "server engine");
}

TEST_F(EngineProbe, WorkstationEngineOnly)
{
    probe(kWorkstationOnly);
    EXPECT_TRUE(seams.boxes.empty()) << (seams.boxes.empty() ? "" : seams.boxes[0].text);
    EXPECT_EQ(state.commEngineId, 2);
    EXPECT_EQ(state.recordEngineId, 1);
    EXPECT_EQ(state.sqlEngineId, 3);
    EXPECT_TRUE(state.recordEngineAvailable);
    EXPECT_FALSE(state.extendedCommStatsSql) << "component 4 is absent";
    expectCommands(recordCommands, 4, true, "workstation engine");
    expectCommands(sqlCommands, 3, true, "workstation engine");
}

TEST_F(EngineProbe, NoEngineAtAll)
{
    probe(kNoEngine);
    EXPECT_TRUE(seams.boxes.empty()) << "no message when nothing runs";
    EXPECT_FALSE(state.recordEngineAvailable);
    EXPECT_FALSE(state.sqlEngineAvailable);
    EXPECT_FALSE(state.versionRefused);
    EXPECT_EQ(state.recordEngineId, 5) << "no fall-back from 5 to 1 after the communications probe failed";
    expectCommands(recordCommands, 4, false, "no engine");
    expectCommands(sqlCommands, 3, false, "no engine");
    runEngineKindCheck(-1, state, host);
    EXPECT_EQ(state.engineKind, 1);
    EXPECT_FALSE(state.connMgrAvailable);
    EXPECT_TRUE(host.touched(IDM_SQL_CONN_MGR));
    EXPECT_FALSE(host.enabled(IDM_SQL_CONN_MGR));
}

TEST_F(EngineProbe, CommunicationsVersionDecidesExtendedStatistics)
{
    static const struct { int major, minor, build; bool extended; } cases[] = {
        {7, 0, 199, false}, {7, 0, 200, true}, {6, 99, 999, false}, {7, 1, 0, true}, {8, 0, 0, true},
    };
    for (const auto& t : cases) {
        char scenario[512];
        std::snprintf(scenario, sizeof scenario,
                      R"({"local": {"components": {"0": {"kind": 1, "major": 1},
                         "10": {"kind": 2, "major": %d, "minor": %d, "build": %d},
                         "5": {"kind": 2, "major": 7, "minor": 0}}}})",
                      t.major, t.minor, t.build);
        probe(scenario);
        EXPECT_EQ(state.extendedCommStatsRecord, t.extended)
            << "communications " << t.major << "." << t.minor << "." << t.build;
    }
}

TEST_F(EngineProbe, FailuresAndTheirMessages)
{
    static const struct {
        const char* what;
        const char* components;
        int boxId;            // 0: no box
        uint16_t status;      // status text after the box's string, 0 for none
        bool refused;
        bool recordAvailable;
        uint16_t recordId;    // recordEngineId after the probe
        uint16_t commMajor, commMinor;
    } cases[] = {
        {"record engine 6.99 refused", R"("10": {"kind": 2, "major": 7, "minor": 0}, "5": {"kind": 2, "major": 6, "minor": 99})",
         IDS_RECORD_VERSION_REFUSED, 0, true, false, 5, 7, 0},
        {"record engine refuses with 65535", R"("10": {"kind": 2, "major": 7, "minor": 0}, "5": "refused")",
         IDS_RECORD_VERSION_REFUSED, 0, true, false, 5, 7, 0},
        {"record engine answers another status", R"("10": {"kind": 2, "major": 7, "minor": 0}, "5": 4060)",
         IDS_RECORD_PROBE_FAILED, 4060, false, false, 5, 7, 0},
        {"record engine 1 refused after 5 not installed", R"("10": {"kind": 2, "major": 7, "minor": 3}, "5": "notInstalled", "1": {"kind": 2, "major": 6})",
         IDS_RECORD_VERSION_REFUSED, 0, true, false, 1, 7, 3},
        // The version comes again from the refused communications record.
        {"communications 2 refused after 10 absent", R"("10": "absent", "2": {"kind": 2, "major": 6, "minor": 29}, "5": {"kind": 2, "major": 7})",
         IDS_COMM_VERSION_REFUSED, 0, true, true, 5, 6, 29},
        {"communications 2 fails after 10 not installed", R"("10": "notInstalled", "2": 4060, "5": {"kind": 2, "major": 7})",
         IDS_COMM_PROBE_FAILED, 4060, false, true, 5, 0, 0},
        {"communications 10 refused counts as success", R"("10": {"kind": 2, "major": 5, "minor": 4}, "5": {"kind": 2, "major": 7})",
         0, 0, false, true, 5, 5, 4},
        {"communications absent on both: no fall-back to record engine 1", R"("10": "absent", "2": "absent", "5": "absent", "1": {"kind": 2, "major": 7})",
         0, 0, false, false, 5, 0, 0},
        {"communications refused: no fall-back to record engine 1", R"("10": "absent", "2": {"kind": 2, "major": 6}, "5": "absent", "1": {"kind": 2, "major": 7})",
         IDS_COMM_VERSION_REFUSED, 0, true, false, 5, 0, 0},
    };
    for (const auto& t : cases) {
        std::string scenario = std::string(R"({"local": {"components": {"0": {"kind": 1, "major": 1}, )") +
                               t.components + "}}}";
        probe(scenario.c_str());
        EXPECT_EQ(state.versionRefused, t.refused) << t.what;
        EXPECT_EQ(state.recordEngineAvailable, t.recordAvailable) << t.what;
        expectCommands(recordCommands, 4, t.recordAvailable, t.what);
        EXPECT_EQ(state.recordEngineId, t.recordId) << t.what;
        EXPECT_EQ(state.commEngineId, t.recordId == 5 ? 10 : 2) << t.what << ": follows the record engine";
        EXPECT_EQ(state.commVersionMajor, t.commMajor) << t.what;
        EXPECT_EQ(state.commVersionMinor, t.commMinor) << t.what;
        if (!t.boxId) {
            EXPECT_TRUE(seams.boxes.empty()) << t.what;
            continue;
        }
        ASSERT_EQ(seams.boxes.size(), 1u) << t.what << ": one box per failing step";
        std::string expected = loadStringCopy(t.boxId);
        if (t.status) expected += statusText(t.status);
        EXPECT_EQ(seams.boxes[0].text, expected) << t.what;
        EXPECT_EQ(seams.boxes[0].caption, loadStringCopy(IDS_MESSAGE_CAPTION)) << t.what;
        EXPECT_TRUE(seams.boxes[0].flags & MB_ICONINFORMATION) << t.what;
    }
}

TEST_F(EngineProbe, EngineKindAndConnectionManager)
{
    static const struct {
        const char* what;
        const char* local;
        uint16_t kind;
        bool connMgr;
    } cases[] = {
        {"server engine 7.x", R"("components": {"5": {"kind": 2, "major": 7}}, "connectionManager": {"word5302": 0})", 5, true},
        {"server engine 10.x", R"("components": {"5": {"kind": 2, "major": 10}}, "connectionManager": {"word5302": 0})", 25, true},
        {"workstation engine", R"("components": {"1": {"kind": 2, "major": 7}}, "connectionManager": {"word5302": 0})", 1, true},
        {"word 1 grays the manager", R"("components": {"5": {"kind": 2, "major": 7}}, "connectionManager": {"word5302": 1})", 5, false},
        {"no manager", R"("components": {"5": {"kind": 2, "major": 7}})", 5, false},
        {"kind query fails on both", R"("components": {}, "connectionManager": {"word5302": 0})", 1, true},
    };
    for (const auto& t : cases) {
        sim.load((std::string(R"({"local": {)") + t.local + "}}").c_str());
        state = EngineState();
        state.engineKind = 99;
        host = RecordingHost();
        runEngineKindCheck(-1, state, host);
        EXPECT_EQ(state.engineKind, t.kind) << t.what;
        EXPECT_EQ(state.connMgrAvailable, t.connMgr) << t.what;
        EXPECT_EQ(host.enabled(IDM_SQL_CONN_MGR), t.connMgr) << t.what;
        const SimCallRecord last = sim.lastCall();
        EXPECT_EQ(last.code, 5302u) << t.what;
        EXPECT_EQ(last.selector, t.kind) << t.what << ": 5302 goes to the engine kind";
        EXPECT_EQ(last.inLen, 2u) << t.what;
        EXPECT_EQ(last.outCap, 2u) << t.what;
    }
}

TEST_F(EngineProbe, MessageOwners)
{
    // Communications messages belong to the main window, record-engine and
    // SQL messages to none.
    HWND mainWindow = CreateWindowExA(0, "STATIC", "main", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                      nullptr, nullptr);
    ASSERT_NE(mainWindow, nullptr);
    static const struct { const char* what; const char* components; int boxId; bool ownedByMain; } cases[] = {
        {"communications refused", R"("10": "absent", "2": {"kind": 2, "major": 6}, "5": {"kind": 2, "major": 7})",
         IDS_COMM_VERSION_REFUSED, true},
        {"record engine refused", R"("10": {"kind": 2, "major": 7}, "5": {"kind": 2, "major": 6})",
         IDS_RECORD_VERSION_REFUSED, false},
        {"SQL engine refused", R"("10": {"kind": 2, "major": 7}, "5": {"kind": 2, "major": 7}, "6": {"kind": 1, "major": 3})",
         IDS_SQL_VERSION_REFUSED, false},
    };
    for (const auto& t : cases) {
        sim.load((std::string(R"({"local": {"components": {"0": {"kind": 1, "major": 1}, )") + t.components + "}}}").c_str());
        seams.boxes.clear();
        state = EngineState();
        host = RecordingHost();
        host.owner = mainWindow;
        runEngineProbe(-1, state, host);
        ASSERT_EQ(seams.boxes.size(), 1u) << t.what;
        EXPECT_EQ(seams.boxes[0].text, loadStringCopy(t.boxId)) << t.what;
        EXPECT_EQ(seams.boxes[0].owner == mainWindow, t.ownedByMain) << t.what << ": owner " << seams.boxes[0].owner;
    }
    DestroyWindow(mainWindow);
}

TEST_F(EngineProbe, SqlEngine)
{
    static const struct {
        const char* what;
        const char* components;  // besides a sound communications component and record engine
        int boxId;               // 0: no box
        uint16_t status;         // status text after the box's string, 0 for none
        uint16_t sqlId;
        bool available, extended;
    } cases[] = {
        {"server engine", R"("4": {"kind": 1, "major": 4, "build": 200}, "6": {"kind": 1, "major": 4})", 0, 0, 6, true, true},
        {"SQL communications 4.0.199", R"("4": {"kind": 1, "major": 4, "build": 199}, "6": {"kind": 1, "major": 4})", 0, 0, 6, true, false},
        {"workstation engine", R"("4": "absent", "6": "absent", "3": {"kind": 1, "major": 4, "minor": 2})", 0, 0, 3, true, false},
        {"6 not installed falls back to 3", R"("6": "notInstalled", "3": {"kind": 1, "major": 4})", 0, 0, 3, true, false},
        {"no SQL engine", R"("4": "absent", "6": "absent", "3": "absent")", 0, 0, 3, false, false},
        {"SQL engine 3.9 refused", R"("6": {"kind": 1, "major": 3, "minor": 9})", IDS_SQL_VERSION_REFUSED, 0, 6, false, false},
        {"SQL engine of another kind", R"("6": {"kind": 2, "major": 4})", IDS_SQL_VERSION_REFUSED, 0, 6, false, false},
        {"SQL engine 3 refuses with 65535", R"("6": "absent", "3": "refused")", IDS_SQL_VERSION_REFUSED, 0, 3, false, false},
        {"SQL engine answers another status", R"("6": 4060)", IDS_SQL_PROBE_FAILED, 4060, 6, false, false},
        {"SQL communications refused", R"("4": {"kind": 1, "major": 3}, "6": {"kind": 1, "major": 4})",
         IDS_SQL_COMM_VERSION_REFUSED, 0, 6, true, false},
        {"SQL communications answers another status", R"("4": 4060, "6": {"kind": 1, "major": 4})",
         IDS_SQL_COMM_PROBE_FAILED, 4060, 6, true, false},
        {"SQL communications not installed", R"("4": "notInstalled", "6": {"kind": 1, "major": 4})", 0, 0, 6, true, false},
    };
    for (const auto& t : cases) {
        probe((std::string(R"({"local": {"components": {"0": {"kind": 1, "major": 1},
            "10": {"kind": 2, "major": 7}, "5": {"kind": 2, "major": 7}, )") + t.components + "}}}").c_str());
        EXPECT_EQ(state.sqlEngineId, t.sqlId) << t.what;
        EXPECT_EQ(state.sqlEngineAvailable, t.available) << t.what;
        EXPECT_EQ(state.extendedCommStatsSql, t.extended) << t.what;
        EXPECT_FALSE(state.versionRefused) << t.what << ": an SQL refusal leaves the engine-kind check to run";
        EXPECT_TRUE(state.recordEngineAvailable) << t.what;
        expectCommands(sqlCommands, 3, t.available, t.what);
        if (!t.boxId) {
            EXPECT_TRUE(seams.boxes.empty()) << t.what << ": " << (seams.boxes.empty() ? "" : seams.boxes[0].text);
            continue;
        }
        ASSERT_EQ(seams.boxes.size(), 1u) << t.what;
        std::string expected = loadStringCopy(t.boxId);
        if (t.status) expected += statusText(t.status);
        EXPECT_EQ(seams.boxes[0].text, expected) << t.what;
        EXPECT_EQ(seams.boxes[0].caption, loadStringCopy(IDS_MESSAGE_CAPTION)) << t.what;
        EXPECT_TRUE(seams.boxes[0].flags & MB_ICONINFORMATION) << t.what;
    }
}
