// Engine detection. The communications component decides the record side's
// extended statistics, the record engine the selectors and commands
// 2501-2504, the SQL engine sqlEngineId and commands 2507-2509, and the
// engine-kind check the connection manager (2525).
#include "engine/engine_probe.h"

#include <memory>
#include <string>

#include "engine/request_services.h"
#include "shell/app_main_msg.h"
#include "shell/shell_services.h"
#include "vigilkit_ids.h"

namespace {

constexpr uint16_t kNotInstalled = 4080;

enum class Outcome { Success, Silent, Refused, Failed };

struct ProbeResult {
    Outcome outcome = Outcome::Silent;
    uint16_t status = 0;
};

ProbeResult outcomeOf(int result, uint16_t status)
{
    switch (result) {
    case 0: return {Outcome::Success, status};
    case 4: return {Outcome::Silent, status};
    case 3: return {Outcome::Refused, status};
    default: return {Outcome::Failed, status};
    }
}

bool absent(int result, uint16_t status) { return result == 4 || status == kNotInstalled; }

VersionRecord requirement(uint32_t kind, uint32_t major, uint32_t minor)
{
    VersionRecord r;
    r.kind = kind;
    r.major = major;
    r.minor = minor;
    return r;
}

bool atLeast(const VersionRecord& v, uint32_t major, uint32_t minor, uint32_t build)
{
    if (v.major != major) return v.major > major;
    if (v.minor != minor) return v.minor > minor;
    return v.build >= build;
}

// One box through the invisible message frame; `owner` may be null.
void report(void* owner, int refusedId, int failedId, const ProbeResult& r)
{
    std::string text;
    if (r.outcome == Outcome::Refused) {
        text = loadStringCopy(refusedId);
    } else if (r.outcome == Outcome::Failed) {
        text = loadStringCopy(failedId) + statusText(r.status);
    } else {
        return;
    }
    const std::string caption = loadStringCopy(IDS_MESSAGE_CAPTION);
    std::unique_ptr<zWindow> parent;
    if (owner) parent.reset(new zWindow(static_cast<HWND>(owner)));
    appMainMsg::show(parent.get(), text, caption, MB_OK | MB_ICONINFORMATION);
}

// Checks `primary`, and `fallback` when the first is not there; the second
// check then decides. Sets *usedFallback accordingly.
ProbeResult probeWithFallback(int32_t handle, uint16_t primary, uint16_t fallback,
                              bool allowFallback, const VersionRecord& need,
                              VersionRecord* record, bool* usedFallback)
{
    uint16_t status = 0;
    int result = checkComponentVersion(handle, primary, 0, &status, &need, record);
    *usedFallback = false;
    if (allowFallback && absent(result, status)) {
        *usedFallback = true;
        result = checkComponentVersion(handle, fallback, 0, &status, &need, record);
        return outcomeOf(result, status);
    }
    return outcomeOf(result, status);
}

void enableCommands(ProbeHost& host, const int* ids, int count, bool on)
{
    for (int i = 0; i < count; ++i) host.enableCommand(ids[i], on);
}

void probeSqlEngine(int32_t handle, EngineState& state, ProbeHost& host)
{
    // The SQL communications component only decides the SQL-side extended
    // statistics; its absence is no failure.
    state.extendedCommStatsSql = false;
    VersionRecord comm;
    uint16_t status = 0;
    const VersionRecord need = requirement(1, 4, 0);
    int result = checkComponentVersion(handle, 4, 0, &status, &need, &comm);
    if (result == 0) {
        state.extendedCommStatsSql = atLeast(comm, 4, 0, 200);
    } else if (!absent(result, status)) {
        report(nullptr, IDS_SQL_COMM_VERSION_REFUSED, IDS_SQL_COMM_PROBE_FAILED,
               outcomeOf(result, status));
    }

    VersionRecord engine;
    bool fellBack = false;
    ProbeResult sql = probeWithFallback(handle, 6, 3, true, need, &engine, &fellBack);
    state.sqlEngineId = fellBack ? 3 : 6;
    state.sqlEngineAvailable = sql.outcome == Outcome::Success;
    if (!state.sqlEngineAvailable) report(nullptr, IDS_SQL_VERSION_REFUSED, IDS_SQL_PROBE_FAILED, sql);
    static const int sqlCommands[] = {IDM_SQL_SESSIONS, IDM_SQL_RESOURCE_USAGE, IDM_SQL_COMM_STATS};
    enableCommands(host, sqlCommands, 3, state.sqlEngineAvailable);
}

} // namespace

void runEngineProbe(int32_t handle, EngineState& state, ProbeHost& host)
{
    state.extendedCommStatsRecord = true;
    state.versionRefused = false;
    state.commVersionMajor = 0;
    state.commVersionMinor = 0;

    // Communications component: 10, else 2 when 10 is not there.
    VersionRecord comm;
    const VersionRecord commNeed = requirement(2, 6, 30);
    state.commEngineId = 10;
    uint16_t status = 0;
    int result = checkComponentVersion(handle, 10, 0, &status, &commNeed, &comm);
    bool commFailed = false;
    if (absent(result, status)) {
        state.commEngineId = 2;
        result = checkComponentVersion(handle, 2, 0, &status, &commNeed, &comm);
        ProbeResult second = outcomeOf(result, status);
        commFailed = second.outcome != Outcome::Success;
        if (second.outcome == Outcome::Refused) state.versionRefused = true;
        report(host.probeMessageOwner(), IDS_COMM_VERSION_REFUSED, IDS_COMM_PROBE_FAILED, second);
    }
    if (!commFailed) {
        state.commVersionMajor = static_cast<uint16_t>(comm.major);
        state.commVersionMinor = static_cast<uint16_t>(comm.minor);
        if (!atLeast(comm, 7, 0, 200)) state.extendedCommStatsRecord = false;
    }

    // Record engine: 5, else 1 when 5 is not there and the communications
    // probe did not fail.
    state.recordEngineAvailable = true;
    state.recordEngineId = 5;
    state.commEngineId = 10;
    VersionRecord record;
    const VersionRecord recordNeed = requirement(2, 7, 0);
    result = checkComponentVersion(handle, 5, 0, &status, &recordNeed, &record);
    if (absent(result, status) && !commFailed) {
        state.recordEngineId = 1;
        state.commEngineId = 2;
        result = checkComponentVersion(handle, 1, 0, &status, &recordNeed, &record);
    }
    ProbeResult rec = outcomeOf(result, status);
    if (rec.outcome == Outcome::Refused) state.versionRefused = true;
    report(nullptr, IDS_RECORD_VERSION_REFUSED, IDS_RECORD_PROBE_FAILED, rec);
    static const int recordCommands[] = {IDM_ACTIVE_FILES, IDM_ACTIVE_USERS, IDM_RESOURCE_USAGE,
                                         IDM_COMM_STATS};
    if (rec.outcome == Outcome::Success) {
        // The version comes again from the communications record as its
        // probe left it.
        state.commVersionMajor = static_cast<uint16_t>(comm.major);
        state.commVersionMinor = static_cast<uint16_t>(comm.minor);
    } else {
        state.recordEngineAvailable = false;
    }
    enableCommands(host, recordCommands, 4, rec.outcome == Outcome::Success);

    probeSqlEngine(handle, state, host);
}

void runEngineKindCheck(int32_t handle, EngineState& state, ProbeHost& host)
{
    state.engineKind = 1;
    uint16_t kind = 0;
    if (queryEngineKind(handle, &kind) == 0) state.engineKind = kind;

    uint8_t word[2] = {0, 0};
    const uint16_t status = query5302(handle, state.engineKind, word, sizeof word);
    state.connMgrAvailable = status == 0 && word[0] == 0 && word[1] == 0;
    host.enableCommand(IDM_SQL_CONN_MGR, state.connMgrAvailable);
}
