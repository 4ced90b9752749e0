// The scenario of the simulated engine: what each engine (the local one and
// every remote server) holds and how it answers. Parsed from JSON; every
// field has a default, so a scenario states only what it cares about.
#pragma once
#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace gantry::sim {

// The library's operations, in the order of its binding table.
enum class Op : uint32_t {
    GetInfo = 0,
    SetInfo = 1,
    GetVersion = 2,
    Connect = 3,
    Disconnect = 4,
    Start = 5,
    Stop = 6,
};
constexpr uint32_t kOpCount = 7;

// How DBUGetVersion answers for one component: a record (status 0) or a bare
// status (4080 or 4083 not present, 65535 refused, anything else).
struct VersionAnswer {
    uint16_t status = 4083;
    uint32_t kind = 0, major = 0, minor = 0, build = 0, reserved = 0;
};

// A current / peak / maximum figure. `derived*` marks values the scenario left
// out and the engine computes from its lists (open files, handles, clients,
// sessions).
struct Level {
    uint32_t current = 0, peak = 0, max = 0;
    bool derivedCurrent = false, derivedPeak = false;
};

// Request 15 rows 1-5 and 7, request 1808 row 6 (index 5). Row 3 (index 2)
// has no maximum on the wire.
struct ResourceUsage {
    std::array<Level, 7> rows{};
};

struct ClientInfo {
    uint16_t status = 0;    // request 16 answers this status when not 0
    uint16_t state30 = 0;   // two-state value at offset 30
    std::string text54;     // text at offset 54
};

// One connection of a client (one entry of request 11).
struct Client {
    std::string tag;                 // how handles refer to it (else by name or index)
    std::string name;                // offset 68
    std::array<uint8_t, 12> id{};    // first 12 bytes of the ClientId
    uint16_t idWord12 = 0;           // ClientId offset 12 (entry offset 16)
    uint16_t idWord14 = 0;           // ClientId offset 14 (entry offset 18), shown
    uint32_t connection = 0;         // entry offset 20; with the ClientId the ClientKey
    uint32_t value24 = 0;
    std::array<uint32_t, 6> figures{};  // entry offsets 28, 32, 36, 40, 44, 48
    int32_t value52 = 0;
    uint32_t value56 = 0;
    int32_t value60 = -1;            // -1 shown as "NA"
    int16_t code64 = 0;
    uint16_t value66 = 0;
    ClientInfo info;
};

// One handle open on a file; held by a client connection.
struct FileHandle {
    size_t client = 0;      // index into the engine's clients
    std::string holder;     // name at offset 41; the client's name when left out
    uint32_t value4 = 0;
    int32_t value32 = -1;   // -1 shown as "NA"
    int16_t code = 0;       // offset 36 (request 14), offset 8 (request 13)
    int8_t openMode = 0;    // offset 38 / 10
    char lock = 'N';        // offset 39 / 11
    uint8_t state = 0;      // offset 40 / 12
};

struct File {
    uint32_t id = 0;        // echoed in the key of request 14
    std::string path;
    uint32_t value8 = 0, value12 = 0;
    uint16_t value16 = 0;
    uint8_t byte18 = 0;
    char flag19 = 'N', flag20 = 'N', flag22 = 'N';
    std::vector<FileHandle> handles;
};

struct ProtocolEntry {
    uint32_t type = 0, count = 0, figure8 = 0, figure12 = 0;
};

// Requests 9 (record side) and 1 with selector 4 (SQL side).
struct CommStats {
    uint32_t total = 0;
    std::array<uint32_t, 3> reserved{};   // offsets 4, 8, 12
    Level gauge1, gauge2;
    uint32_t counterX = 0, counterY = 0;  // extended layout only
    bool protocolCountSet = false;
    uint32_t protocolCount = 0;           // reported count; the entries' number when not set
    std::vector<ProtocolEntry> protocols;  // at most three travel
};

// Request 1 with selector 6 or 3: 16-bit figures, 65535 = no maximum.
struct SqlUsage {
    std::array<Level, 3> res{};   // resources 1-3; resource 3 counts the sessions
    Level res4;                   // current and peak only
    std::array<uint8_t, 6> reserved22{};
    uint32_t figure28 = 0;
};

struct Cursor {
    uint16_t id = 0;
    uint16_t word2 = 0;
    std::string name;                 // 20-byte field
    std::vector<uint8_t> extra;       // identifying block after the name
    uint16_t detailStatus = 0;        // request 4 answers this status when not 0
    uint16_t detailWord0 = 0;
    uint8_t byte2 = 0, byte3 = 0;
    std::vector<std::string> names;
};

struct Session {
    uint16_t id = 0;
    uint8_t stamp4 = 0, stamp10 = 0;            // first and last byte of the time-stamp block
    std::array<int8_t, 5> time{};               // offsets 5-9
    std::string name;                           // at most 30 characters
    uint16_t flagA = 0, flagB = 0, flagC = 0, word48 = 0, kind = 0;
    std::string firstText, secondText;
    // Request 3.
    uint16_t detailStatus = 0;
    uint16_t detailWord0 = 0;
    uint8_t callGroup = 0, callIndex = 0;
    uint32_t counter = 0;
    std::array<uint8_t, 4> network{};
    std::array<uint8_t, 6> node{};
    std::array<uint8_t, 6> reserved18{};
    uint8_t state = 0;
    std::vector<Cursor> cursors;
};

// Request 5300 entry.
struct Connection {
    std::string text0, text65, text98, text354, name;
    uint16_t state = 0, word462 = 0;
    int32_t value464 = 0, value468 = 0;
    uint32_t id1 = 0, id2 = 0;
};

struct ConnectionManager {
    bool present = false;   // requests 5300-5302 answer 4083 without one
    uint16_t word5302 = 0;
    std::vector<Connection> connections;
};

// Entries per reply of each list; 0 = as many as the capacity holds.
struct PageSizes {
    uint32_t files = 0, fileHandles = 0, clients = 0, clientHandles = 0, connections = 0;
};

struct Engine {
    std::map<uint16_t, VersionAnswer> components;   // left out: 4083
    PageSizes pages;
    ResourceUsage usage;
    std::vector<File> files;
    std::vector<Client> clients;
    CommStats comm, sqlComm;
    SqlUsage sqlUsage;
    std::vector<Session> sessions;
    ConnectionManager connMgr;
};

struct Server {
    std::string name, user, password;
    uint16_t connectStatus = 0;   // DBUConnect answers this for a correct login when not 0
    Engine engine;
};

// A status to answer instead of the real reply. code -1 matches every code
// (request code, or component for GetVersion); selector -1 every selector.
struct Failure {
    Op op = Op::GetInfo;
    int32_t code = -1;
    int32_t selector = -1;
    uint16_t status = 0;
    uint32_t times = 1;   // 0 = always
    uint32_t skip = 0;    // matching calls let through first
};

struct DemoSettings {
    bool enabled = false;   // figures move over simulated time
    bool realTime = true;   // simulated time follows the wall clock
    uint32_t stepMs = 1000;
    uint64_t seed = 1;
};

struct Scenario {
    std::string name;
    uint16_t startStatus = 0, stopStatus = 0;
    DemoSettings demo;
    Engine local;
    std::vector<Server> servers;
    std::vector<Failure> failures;
};

// Longest text the engine keeps of a path or a name.
constexpr size_t kMaxText = 1023;

// Parses `text`; on failure returns false with a message naming the place.
bool parseScenario(std::string_view text, Scenario& out, std::string& error);

// Parses an operation name ("getInfo", "setInfo", ...); false when unknown.
bool parseOpName(std::string_view name, Op& op);

}  // namespace gantry::sim
