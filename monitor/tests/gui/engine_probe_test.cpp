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
    void enableCommand(int id, bool on) override { commands[id] = on; }
    void* probeMessageOwner() override { return nullptr; }
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
    } cases[] = {
        {"record engine 6.99 refused", R"("10": {"kind": 2, "major": 7, "minor": 0}, "5": {"kind": 2, "major": 6, "minor": 99})",
         IDS_RECORD_VERSION_REFUSED, 0, true, false},
        {"record engine refuses with 65535", R"("10": {"kind": 2, "major": 7, "minor": 0}, "5": "refused")",
         IDS_RECORD_VERSION_REFUSED, 0, true, false},
        {"record engine answers another status", R"("10": {"kind": 2, "major": 7, "minor": 0}, "5": 4060)",
         IDS_RECORD_PROBE_FAILED, 4060, false, false},
        {"communications 2 refused after 10 absent", R"("10": "absent", "2": {"kind": 2, "major": 6, "minor": 29}, "5": {"kind": 2, "major": 7})",
         IDS_COMM_VERSION_REFUSED, 0, true, true},
        {"communications 2 fails after 10 not installed", R"("10": "notInstalled", "2": 4060, "5": {"kind": 2, "major": 7})",
         IDS_COMM_PROBE_FAILED, 4060, false, true},
        {"communications 10 refused counts as success", R"("10": {"kind": 2, "major": 5}, "5": {"kind": 2, "major": 7})",
         0, 0, false, true},
    };
    for (const auto& t : cases) {
        std::string scenario = std::string(R"({"local": {"components": {"0": {"kind": 1, "major": 1}, )") +
                               t.components + "}}}";
        probe(scenario.c_str());
        EXPECT_EQ(state.versionRefused, t.refused) << t.what;
        EXPECT_EQ(state.recordEngineAvailable, t.recordAvailable) << t.what;
        expectCommands(recordCommands, 4, t.recordAvailable, t.what);
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
    }
}
