// Tests of the simulated engine's core: every request against the scenario
// files, the paging and grow-and-retry protocols, failure injection, the
// call log, the demo clock, and odd input from a caller.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "builtin_scenario.h"
#include "records.h"
#include "simulator.h"

using namespace gantry::sim;
using json = nlohmann::json;

namespace {

std::string scenarioPath(const std::string& name)
{
    return std::string(GANTRY_SCENARIO_DIR) + "/" + name;
}

std::string readFile(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

json scenarioJson(const std::string& name)
{
    return json::parse(readFile(scenarioPath(name)));
}

void load(Simulator& s, const std::string& name)
{
    ASSERT_EQ(s.loadScenarioFile(scenarioPath(name)), 0) << s.lastError();
}

void loadJson(Simulator& s, const json& j)
{
    ASSERT_EQ(s.loadScenarioText(j.dump()), 0) << s.lastError();
}

// A reply buffer with a guard area after the capacity the caller offers.
struct Reply {
    static constexpr size_t kGuard = 64;
    explicit Reply(size_t cap) : cap(cap), buf(cap + kGuard, 0xCD) {}
    uint8_t* data() { return buf.data(); }
    bool guardIntact() const
    {
        for (size_t i = cap; i < buf.size(); ++i)
            if (buf[i] != 0xCD) return false;
        return true;
    }
    bool untouched() const
    {
        for (uint8_t b : buf)
            if (b != 0xCD) return false;
        return true;
    }
    Reader reader() const { return Reader(buf.data(), cap); }
    size_t cap;
    std::vector<uint8_t> buf;
};

Bytes listKey(uint32_t position)
{
    Bytes b;
    Writer w(b);
    w.u32(position);
    w.u32(0);
    return b;
}

Bytes fileHandlesKey(uint32_t fileId, const std::string& path, uint32_t position)
{
    Bytes b;
    Writer w(b);
    w.u32(static_cast<uint32_t>(path.size() + 17));
    w.u32(fileId);
    w.u32(position);
    w.u32(0);
    w.cstr(path);
    return b;
}

// The ClientKey of a request-11 entry: connection number, then the ClientId.
Bytes keyOfClientEntry(const Reader& e)
{
    Bytes k;
    Writer w(k);
    w.u32(e.u32(20));
    w.bytes(e.at(4), 16);
    return k;
}

std::string textAt(const Reader& r, size_t off)
{
    std::string s;
    while (r.has(off, 1) && *r.at(off)) s += static_cast<char>(*r.at(off++));
    return s;
}

// Follows the paged-list protocol the way a caller must: position -1 first,
// then the continuation key while 4107 comes. Returns each entry's bytes and
// the statuses seen.
struct PagedResult {
    std::vector<Bytes> entries;
    std::vector<uint16_t> statuses;
    uint32_t needed = 0;
};

PagedResult fetchPaged(Simulator& s, uint16_t code, uint16_t selector,
                       const std::function<Bytes(uint32_t)>& key, uint32_t cap = 8000)
{
    PagedResult r;
    uint32_t position = 0xFFFFFFFF;
    for (int guard = 0; guard < 100; ++guard) {
        Bytes k = key(position);
        Reply out(cap);
        uint16_t st = s.getInfo(-1, selector, code, static_cast<uint32_t>(k.size()), k.data(), cap, out.data());
        r.statuses.push_back(st);
        EXPECT_TRUE(out.guardIntact()) << "code " << code << " wrote past its capacity";
        if (st != 0 && st != 4107) return r;
        Reader h = out.reader();
        r.needed = h.u32(0);
        uint32_t count = h.u32(4);
        size_t at = 20;
        for (uint32_t i = 0; i < count; ++i) {
            uint32_t len = h.u32(at);
            EXPECT_GE(len, 5u) << "entry length";
            if (!h.has(at, len) || len < 5) return r;
            r.entries.emplace_back(h.at(at), h.at(at) + len);
            at += len;
        }
        if (st == 0) return r;
        position = h.u32(16);
    }
    ADD_FAILURE() << "paging did not end";
    return r;
}

}  // namespace

// ------------------------------------------------------------------ scenarios

TEST(Scenarios, EveryFileLoadsAndTheBuiltInIsTheDemo)
{
    const char* files[] = {"demo.json", "server.json", "workstation.json", "no_engine.json",
                           "comm_7_0_199.json", "comm_7_0_200.json", "record_6_99.json",
                           "utils_refused.json", "start_fails.json", "comm_7_89.json",
                           "conn_mgr_off.json"};
    for (const char* f : files) {
        Simulator s;
        EXPECT_EQ(s.loadScenarioFile(scenarioPath(f)), 0) << f << ": " << s.lastError();
    }
    EXPECT_EQ(std::string(builtinScenarioText()), readFile(scenarioPath("demo.json")))
        << "the compiled-in scenario is scenarios/demo.json";
    Simulator s;
    EXPECT_EQ(s.loadScenarioText(builtinScenarioText()), 0) << s.lastError();
    EXPECT_TRUE(s.scenario().demo.enabled) << "the demo moves";
}

TEST(Scenarios, BadTextIsReportedAndThePreviousScenarioStays)
{
    struct Case {
        const char* text;
        const char* mentions;
    } cases[] = {
        {"{", "parse"},
        {R"({"nmae": "x"})", "nmae"},
        {R"({"local": {"components": {"ten": {}}}})", "component"},
        {R"({"local": {"components": {"10": "gone"}}})", "absent"},
        {R"({"local": {"usage": {"row1": {"current": -1}}}})", "row1.current"},
        {R"({"local": {"files": [{"path": "x", "handles": [{"client": "nobody"}]}]}})", "nobody"},
        {R"({"failures": [{"op": "getInfos"}]})", "getInfos"},
        {R"({"local": {"sessions": [{"name": "0123456789012345678901234567890"}]}})", "name"},
    };
    for (const Case& c : cases) {
        Simulator s;
        load(s, "server.json");
        EXPECT_EQ(s.loadScenarioText(c.text), kScenarioError) << c.text;
        EXPECT_NE(s.lastError().find(c.mentions), std::string::npos)
            << c.text << " gave: " << s.lastError();
        EXPECT_EQ(s.scenario().name, "server") << "previous scenario kept after " << c.text;
    }
    Simulator s;
    EXPECT_EQ(s.loadScenarioFile(scenarioPath("no-such-file.json")), kScenarioError);
    EXPECT_NE(s.lastError().find("no-such-file"), std::string::npos) << s.lastError();
}

TEST(Scenarios, AFailedStartScenarioLeavesAnEmptyEngineAndFailsTheStart)
{
    Simulator s;
    s.setLoadFailure("broken.json: parse error");
    EXPECT_EQ(s.start(), kScenarioError);
    Reply out(20);
    EXPECT_EQ(s.getVersion(-1, 0, 0, 20, out.data()), kNotPresent);
    EXPECT_EQ(s.lastError(), "broken.json: parse error");
    load(s, "server.json");
    EXPECT_EQ(s.start(), 0) << "a good scenario clears the failure";
}

// ------------------------------------------------------------------ versions

TEST(Versions, EachScenarioAnswersPerComponent)
{
    struct Case {
        const char* file;
        uint16_t component;
        uint16_t status;
        uint32_t kind, major, minor, build;
    } cases[] = {
        {"demo.json", 0, 0, 1, 1, 6, 41},
        {"demo.json", 10, 0, 2, 7, 94, 212},
        {"demo.json", 2, 4083, 0, 0, 0, 0},
        {"demo.json", 5, 0, 2, 7, 90, 180},
        {"demo.json", 1, 4083, 0, 0, 0, 0},
        {"demo.json", 4, 0, 1, 4, 10, 215},
        {"demo.json", 6, 0, 1, 4, 10, 215},
        {"demo.json", 3, 4083, 0, 0, 0, 0},
        {"demo.json", 99, 4083, 0, 0, 0, 0},
        {"workstation.json", 10, 4080, 0, 0, 0, 0},
        {"workstation.json", 2, 0, 2, 7, 51, 204},
        {"workstation.json", 5, 4083, 0, 0, 0, 0},
        {"workstation.json", 1, 0, 2, 7, 51, 204},
        {"workstation.json", 6, 4083, 0, 0, 0, 0},
        {"workstation.json", 3, 0, 1, 4, 10, 210},
        {"no_engine.json", 0, 0, 1, 1, 6, 41},
        {"no_engine.json", 10, 4083, 0, 0, 0, 0},
        {"no_engine.json", 2, 4083, 0, 0, 0, 0},
        {"no_engine.json", 5, 4083, 0, 0, 0, 0},
        {"no_engine.json", 1, 4083, 0, 0, 0, 0},
        {"no_engine.json", 6, 4083, 0, 0, 0, 0},
        {"comm_7_0_199.json", 10, 0, 2, 7, 0, 199},
        {"comm_7_0_200.json", 10, 0, 2, 7, 0, 200},
        {"record_6_99.json", 5, 0, 2, 6, 99, 0},
        {"utils_refused.json", 0, 65535, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        Simulator s;
        load(s, c.file);
        Reply out(20);
        uint16_t st = s.getVersion(-1, c.component, 0, 20, out.data());
        EXPECT_EQ(st, c.status) << c.file << " component " << c.component;
        EXPECT_TRUE(out.guardIntact());
        if (st != 0) {
            EXPECT_TRUE(out.untouched()) << c.file << " component " << c.component << " wrote on failure";
            continue;
        }
        Reader r = out.reader();
        EXPECT_EQ(r.u32(0), c.kind) << c.file << " component " << c.component;
        EXPECT_EQ(r.u32(4), c.major) << c.file << " component " << c.component;
        EXPECT_EQ(r.u32(8), c.minor) << c.file << " component " << c.component;
        EXPECT_EQ(r.u32(12), c.build) << c.file << " component " << c.component;
    }
}

TEST(Versions, SmallCapacityUnknownHandleAndNullBuffer)
{
    Simulator s;
    load(s, "server.json");
    Reply out(19);
    EXPECT_EQ(s.getVersion(-1, 10, 0, 19, out.data()), kBufferTooSmall);
    EXPECT_TRUE(out.untouched());
    EXPECT_EQ(s.getVersion(42, 10, 0, 20, out.data()), kInvalidHandle);
    EXPECT_EQ(s.getVersion(-1, 10, 0, 20, nullptr), kInvalidInput);
}

// ------------------------------------------------------------------ routing

TEST(Routing, SelectorsComponentsAndCodes)
{
    struct Case {
        const char* file;
        uint16_t selector, code;
        uint32_t cap;
        uint16_t status;
    } cases[] = {
        {"server.json", 5, 15, 68, 0},
        {"server.json", 1, 15, 68, 4083},       // workstation record engine absent
        {"server.json", 10, 15, 68, 4050},      // not a record-engine selector
        {"server.json", 5, 77, 68, 4050},       // no such request
        {"workstation.json", 5, 15, 68, 4083},
        {"workstation.json", 1, 15, 68, 0},
        {"workstation.json", 1, 1808, 12, 0},
        {"workstation.json", 10, 9, 100, 4083},
        {"workstation.json", 2, 9, 100, 0},
        {"workstation.json", 3, 1, 32, 0},
        {"workstation.json", 6, 1, 32, 4083},
        {"workstation.json", 1, 5302, 2, 4083},  // no connection manager
        {"no_engine.json", 5, 15, 68, 4083},
        {"no_engine.json", 1, 15, 68, 4083},
        {"no_engine.json", 4, 1, 100, 4083},
        {"no_engine.json", 1, 5302, 2, 4083},
        {"no_engine.json", 6, 8, 1000, 4083},
        {"server.json", 5, 5302, 2, 0},
        {"server.json", 25, 5302, 2, 0},
        {"server.json", 6, 5302, 2, 4050},
        {"comm_7_89.json", 10, 9, 92, 0},
        {"conn_mgr_off.json", 5, 5302, 2, 0},
    };
    for (const Case& c : cases) {
        Simulator s;
        load(s, c.file);
        Reply out(c.cap);
        Bytes in(8, 0);
        EXPECT_EQ(s.getInfo(-1, c.selector, c.code, 8, in.data(), c.cap, out.data()), c.status)
            << c.file << " selector " << c.selector << " code " << c.code;
        EXPECT_TRUE(out.guardIntact());
    }
}

// ------------------------------------------------------------------ requests 15, 1808

TEST(Usage, RecordFieldsAndFiguresCountedFromTheLists)
{
    Simulator s;
    load(s, "server.json");
    Reply out(68);
    ASSERT_EQ(s.getInfo(-1, 5, 15, 0, nullptr, 68, out.data()), 0);
    Reader r = out.reader();
    struct Field {
        size_t offset;
        uint32_t value;
        const char* what;
    } fields[] = {
        {0, 6, "row 1 peak"},     {4, 10, "row 2 peak"},     {8, 5, "row 3 peak"},
        {12, 3, "row 4 peak"},    {16, 4, "row 5 peak"},     {20, 4, "row 1 current (files)"},
        {24, 7, "row 2 current (handles)"}, {28, 2, "row 3 current"}, {32, 1, "row 4 current"},
        {36, 4, "row 5 current (clients)"}, {40, 100, "row 1 max"}, {44, 300, "row 2 max"},
        {48, 32, "row 4 max"},    {52, 40, "row 5 max"},     {56, 1, "row 7 current"},
        {60, 2, "row 7 peak"},    {64, 8, "row 7 max"},
    };
    for (const Field& f : fields) EXPECT_EQ(r.u32(f.offset), f.value) << f.what;

    Reply extra(12);
    ASSERT_EQ(s.getInfo(-1, 5, 1808, 0, nullptr, 12, extra.data()), 0);
    EXPECT_EQ(extra.reader().u32(0), 7u);
    EXPECT_EQ(extra.reader().u32(4), 12u);
    EXPECT_EQ(extra.reader().u32(8), 128u);

    Reply small(67);
    EXPECT_EQ(s.getInfo(-1, 5, 15, 0, nullptr, 67, small.data()), kBufferTooSmall);
    EXPECT_TRUE(small.untouched());
}

TEST(Usage, NoMaximumMarksPerRow)
{
    Simulator s;
    ASSERT_EQ(s.loadScenarioText(R"({"local": {"components": {"5": {"kind": 2, "major": 7}},
        "usage": {"row1": {"current": 4294967295, "peak": 4294967295, "max": "none"},
                  "row6": {"current": 1, "max": "none"}}}})"), 0) << s.lastError();
    Reply out(68), extra(12);
    ASSERT_EQ(s.getInfo(-1, 5, 15, 0, nullptr, 68, out.data()), 0);
    EXPECT_EQ(out.reader().u32(20), 0xFFFFFFFFu);
    EXPECT_EQ(out.reader().u32(40), 0u) << "row 1 none is 0";
    ASSERT_EQ(s.getInfo(-1, 5, 1808, 0, nullptr, 12, extra.data()), 0);
    EXPECT_EQ(extra.reader().u32(8), 0xFFFFFFFFu) << "row 6 none is 0xFFFFFFFF";
}

// ------------------------------------------------------------------ paged lists

TEST(PagedLists, PageSizesForceContinuationAndEveryEntryArrives)
{
    struct Case {
        const char* list;      // pageSizes key
        uint16_t code;
        uint32_t pageSize;
        size_t expected;
        std::vector<uint16_t> statuses;
    } cases[] = {
        {"files", 12, 0, 4, {0}},
        {"files", 12, 1, 4, {4107, 4107, 4107, 0}},
        {"files", 12, 3, 4, {4107, 0}},
        {"files", 12, 4, 4, {0}},
        {"clients", 11, 2, 4, {4107, 0}},
        {"fileHandles", 14, 2, 3, {4107, 0}},
        {"clientHandles", 13, 1, 2, {4107, 0}},
    };
    for (const Case& c : cases) {
        json j = scenarioJson("server.json");
        j["local"]["pageSizes"][c.list] = c.pageSize;
        Simulator s;
        loadJson(s, j);
        std::function<Bytes(uint32_t)> key = listKey;
        if (c.code == 14) key = [](uint32_t p) { return fileHandlesKey(101, "D:\\DATA\\SALES\\ORDERS.DAT", p); };
        if (c.code == 13) {
            PagedResult clients = fetchPaged(s, 11, 5, listKey);
            ASSERT_FALSE(clients.entries.empty());
            Bytes ck = keyOfClientEntry(Reader(clients.entries[0]));   // rdbx:ACCTSRV01
            key = [ck](uint32_t p) {
                Bytes k = ck;
                Writer w(k);
                w.u32(p);
                w.u32(0);
                return k;
            };
        }
        PagedResult r = fetchPaged(s, c.code, 5, key);
        EXPECT_EQ(r.statuses, c.statuses) << c.list << " page " << c.pageSize;
        EXPECT_EQ(r.entries.size(), c.expected) << c.list << " page " << c.pageSize;
        EXPECT_EQ(r.needed, c.expected) << c.list << " needed count";
    }
}

TEST(PagedLists, EntriesCarryTheirFieldsInEngineOrder)
{
    Simulator s;
    load(s, "server.json");
    PagedResult files = fetchPaged(s, 12, 5, listKey);
    ASSERT_EQ(files.entries.size(), 4u);
    Reader f(files.entries[0]);
    EXPECT_EQ(f.u32(4), 101u);
    EXPECT_EQ(f.u16(16), 4096);
    EXPECT_EQ(*f.at(19), 'Y');
    EXPECT_EQ(*f.at(20), 'N');
    EXPECT_EQ(*f.at(22), 'Y');
    EXPECT_EQ(textAt(f, 25), "D:\\DATA\\SALES\\ORDERS.DAT");
    EXPECT_EQ(f.size(), 25 + std::strlen("D:\\DATA\\SALES\\ORDERS.DAT") + 1);
    EXPECT_EQ(textAt(Reader(files.entries[3]), 25), "D:\\DATA\\HR\\STAFF.DAT");

    PagedResult clients = fetchPaged(s, 11, 5, listKey);
    ASSERT_EQ(clients.entries.size(), 4u);
    Reader c(clients.entries[1]);
    EXPECT_EQ(c.u16(18), 3882) << "shown id";
    EXPECT_EQ(c.u32(20), 2u) << "connection";
    EXPECT_EQ(c.u32(28), 9310u);
    EXPECT_EQ(c.u32(48), 2u);
    EXPECT_EQ(static_cast<int32_t>(c.u32(52)), 3);
    EXPECT_EQ(static_cast<int32_t>(c.u32(60)), 77);
    EXPECT_EQ(static_cast<int16_t>(c.u16(64)), 19);
    EXPECT_EQ(textAt(c, 68), "rdbx:WEBSHOP");
    EXPECT_TRUE(std::memcmp(clients.entries[1].data() + 4, clients.entries[2].data() + 4, 16) == 0)
        << "two connections of one client share the ClientId";

    PagedResult handles = fetchPaged(s, 14, 5, [](uint32_t p) {
        return fileHandlesKey(101, "D:\\DATA\\SALES\\ORDERS.DAT", p);
    });
    ASSERT_EQ(handles.entries.size(), 3u);
    Reader h(handles.entries[2]);
    EXPECT_EQ(h.u32(8), 3u) << "holder's connection";
    EXPECT_TRUE(std::memcmp(h.at(12), clients.entries[2].data() + 4, 16) == 0) << "holder's ClientId";
    EXPECT_EQ(h.u16(26), 3882);
    EXPECT_EQ(static_cast<int32_t>(h.u32(32)), -2);
    EXPECT_EQ(static_cast<int16_t>(h.u16(36)), 19);
    EXPECT_EQ(static_cast<int8_t>(*h.at(38)), -1);
    EXPECT_EQ(*h.at(39), 'n');
    EXPECT_EQ(*h.at(40), 0);
    EXPECT_EQ(textAt(h, 41), "rdbx:WEBSHOP");

    Bytes mariaKey = keyOfClientEntry(Reader(clients.entries[3]));
    PagedResult mine = fetchPaged(s, 13, 5, [&](uint32_t p) {
        Bytes k = mariaKey;
        Writer w(k);
        w.u32(p);
        w.u32(0);
        return k;
    });
    ASSERT_EQ(mine.entries.size(), 2u);
    Reader m(mine.entries[0]);
    EXPECT_EQ(static_cast<int16_t>(m.u16(8)), 1019);
    EXPECT_EQ(static_cast<int8_t>(*m.at(10)), -5);
    EXPECT_EQ(*m.at(11), 's');
    EXPECT_EQ(textAt(m, 13), "D:\\DATA\\SALES\\CUSTOMER.DAT");
    EXPECT_EQ(textAt(Reader(mine.entries[1]), 13), "D:\\DATA\\HR\\STAFF.DAT");
}

TEST(PagedLists, TooSmallACapacityAnswers4086WithTheNeededCount)
{
    Simulator s;
    load(s, "server.json");
    const size_t first = 25 + std::strlen("D:\\DATA\\SALES\\ORDERS.DAT") + 1;
    struct Case {
        uint32_t cap;
        size_t written;   // header bytes expected
    } cases[] = {{0, 0}, {3, 0}, {8, 8}, {19, 16}, {20, 20}, {static_cast<uint32_t>(20 + first), 20},
                 {200, 20}};
    Bytes key = listKey(0xFFFFFFFF);
    for (const Case& c : cases) {
        Reply out(c.cap);
        EXPECT_EQ(s.getInfo(-1, 5, 12, 8, key.data(), c.cap, c.cap ? out.data() : nullptr), kBufferTooSmall)
            << "capacity " << c.cap;
        EXPECT_TRUE(out.guardIntact()) << "capacity " << c.cap;
        for (size_t i = c.written; i < c.cap; ++i)
            ASSERT_EQ(out.buf[i], 0xCD) << "capacity " << c.cap << " byte " << i;
        if (c.written >= 4) {
            EXPECT_EQ(out.reader().u32(0), 4u) << "needed count, capacity " << c.cap;
        }
        if (c.written >= 8) {
            EXPECT_EQ(out.reader().u32(4), 0u) << "no entries, capacity " << c.cap;
        }
    }
    // Room for the whole list: 0.
    Reply out(2000);
    EXPECT_EQ(s.getInfo(-1, 5, 12, 8, key.data(), 2000, out.data()), 0);
}

TEST(PagedLists, KeysThatDoNotNameAListEntry)
{
    Simulator s;
    load(s, "server.json");
    const std::string path = "D:\\DATA\\SALES\\ORDERS.DAT";
    Bytes good = fileHandlesKey(101, path, 0xFFFFFFFF);
    Bytes longL = good;
    Writer(longL).patch32(0, static_cast<uint32_t>(good.size() + 1));
    Bytes noNul = good;
    noNul.back() = 'X';
    Bytes clientKey28(28, 0);
    struct Case {
        const char* what;
        uint16_t code;
        Bytes key;
        uint16_t status;
    } cases[] = {
        {"file handles", 14, good, 0},
        {"unknown file id", 14, fileHandlesKey(999, path, 0xFFFFFFFF), kFileUnknown},
        {"id of another path", 14, fileHandlesKey(101, "D:\\DATA\\SALES\\orders.dat", 0xFFFFFFFF), kFileUnknown},
        {"length beyond the key", 14, longL, kInvalidInput},
        {"path without NUL", 14, noNul, kInvalidInput},
        {"short key", 14, Bytes(16, 0), kInvalidInput},
        {"unknown client", 13, clientKey28, kClientUnknown},
        {"short client key", 13, Bytes(27, 0), kInvalidInput},
        {"short list key", 12, Bytes(7, 0), kInvalidInput},
        {"position past the end", 12, listKey(50), 0},
    };
    for (const Case& c : cases) {
        Reply out(4000);
        EXPECT_EQ(s.getInfo(-1, 5, c.code, static_cast<uint32_t>(c.key.size()), c.key.data(), 4000, out.data()),
                  c.status)
            << c.what;
    }
}

// ------------------------------------------------------------------ request 16, DBUSetInfo 10

TEST(Clients, InfoByKeyAndDisconnect)
{
    Simulator s;
    load(s, "server.json");
    PagedResult clients = fetchPaged(s, 11, 5, listKey);
    ASSERT_EQ(clients.entries.size(), 4u);
    Bytes acct = keyOfClientEntry(Reader(clients.entries[0]));

    Reply info(334);
    ASSERT_EQ(s.getInfo(-1, 5, 16, 20, acct.data(), 334, info.data()), 0);
    EXPECT_EQ(info.reader().u16(30), 1);
    EXPECT_EQ(textAt(info.reader(), 54), "ACCTSRV01 (192.168.1.10)");
    Reply small(333);
    EXPECT_EQ(s.getInfo(-1, 5, 16, 20, acct.data(), 333, small.data()), kBufferTooSmall);
    EXPECT_TRUE(small.untouched());
    Bytes other = acct;
    other[0] ^= 0x40;
    EXPECT_EQ(s.getInfo(-1, 5, 16, 20, other.data(), 334, info.data()), kClientUnknown);
    EXPECT_EQ(s.getInfo(-1, 5, 16, 19, acct.data(), 334, info.data()), kInvalidInput);

    // Disconnecting the web shop's ClientId ends both of its connections and
    // their handles; files keep their other handles.
    const uint8_t* shopId = clients.entries[1].data() + 4;
    ASSERT_EQ(s.setInfo(-1, 5, 10, 16, shopId), 0);
    EXPECT_EQ(s.setInfo(-1, 5, 10, 16, shopId), kClientUnknown) << "already gone";
    EXPECT_EQ(fetchPaged(s, 11, 5, listKey).entries.size(), 2u);
    EXPECT_EQ(fetchPaged(s, 12, 5, listKey).entries.size(), 4u);
    Reply usage(68);
    ASSERT_EQ(s.getInfo(-1, 5, 15, 0, nullptr, 68, usage.data()), 0);
    EXPECT_EQ(usage.reader().u32(24), 4u) << "handles left";
    EXPECT_EQ(usage.reader().u32(36), 2u) << "clients left";
    EXPECT_EQ(usage.reader().u32(16), 4u) << "peak stays";

    // The accounting server held the only handle on the journal: it closes.
    ASSERT_EQ(s.setInfo(-1, 5, 10, 16, clients.entries[0].data() + 4), 0);
    PagedResult files = fetchPaged(s, 12, 5, listKey);
    ASSERT_EQ(files.entries.size(), 2u);
    EXPECT_EQ(textAt(Reader(files.entries[0]), 25), "D:\\DATA\\SALES\\CUSTOMER.DAT");
    EXPECT_EQ(s.setInfo(-1, 5, 10, 15, shopId), kInvalidInput);
    EXPECT_EQ(s.setInfo(-1, 5, 10, 16, nullptr), kInvalidInput);
}

// ------------------------------------------------------------------ communications statistics

TEST(CommStats, LayoutFollowsTheCapacity)
{
    Simulator s;
    load(s, "server.json");
    struct Case {
        uint16_t selector, code;
        uint32_t cap;
        uint16_t status;
        uint32_t total, countAt, count, firstType, firstCount;
    } cases[] = {
        {10, 9, 100, 0, 184220, 48, 3, 1, 152300},
        {10, 9, 120, 0, 184220, 48, 3, 1, 152300},
        {10, 9, 92, 0, 184220, 40, 3, 1, 152300},
        {10, 9, 99, 0, 184220, 40, 3, 1, 152300},
        {10, 9, 91, 4086, 0, 0, 0, 0, 0},
        {2, 9, 100, 4083, 0, 0, 0, 0, 0},
        {4, 1, 100, 0, 60451, 48, 2, 1, 52274},
        {4, 1, 92, 0, 60451, 40, 2, 1, 52274},
    };
    for (const Case& c : cases) {
        Reply out(c.cap);
        uint16_t st = s.getInfo(-1, c.selector, c.code, 0, nullptr, c.cap, out.data());
        EXPECT_EQ(st, c.status) << "selector " << c.selector << " cap " << c.cap;
        EXPECT_TRUE(out.guardIntact());
        if (st) continue;
        Reader r = out.reader();
        size_t size = c.countAt == 48 ? 100 : 92;
        for (size_t i = size; i < c.cap; ++i) ASSERT_EQ(out.buf[i], 0xCD) << "cap " << c.cap << " byte " << i;
        EXPECT_EQ(r.u32(0), c.total);
        EXPECT_EQ(r.u32(c.countAt), c.count);
        EXPECT_EQ(r.u32(c.countAt + 4), c.firstType);
        EXPECT_EQ(r.u32(c.countAt + 8), c.firstCount);
        if (c.countAt == 48 && c.selector == 10) {
            EXPECT_EQ(r.u32(40), 10322u) << "counter X";
            EXPECT_EQ(r.u32(44), 141u) << "counter Y";
        }
        EXPECT_EQ(r.u32(16), c.selector == 10 ? 5u : 4u) << "gauge 1 current";
    }
}

TEST(CommStats, ReportedCountMayExceedTheThreeSlots)
{
    Simulator s;
    ASSERT_EQ(s.loadScenarioText(R"({"local": {"components": {"10": {"kind": 2, "major": 7, "minor": 90}},
        "commStats": {"protocolCount": 5, "protocols": [{"type": 1}, {"type": 2}, {"type": 7}, {"type": 9}]}}})"),
              0) << s.lastError();
    Reply out(100);
    ASSERT_EQ(s.getInfo(-1, 10, 9, 0, nullptr, 100, out.data()), 0);
    EXPECT_EQ(out.reader().u32(48), 5u);
    EXPECT_EQ(out.reader().u32(52 + 32), 7u) << "third slot";
}

// ------------------------------------------------------------------ SQL resource usage

TEST(SqlUsage, SixteenBitFiguresAndSessionCount)
{
    Simulator s;
    load(s, "server.json");
    Reply out(32);
    ASSERT_EQ(s.getInfo(-1, 6, 1, 0, nullptr, 32, out.data()), 0);
    Reader r = out.reader();
    uint16_t expect[] = {4, 9, 64, 12, 20, 65535, 3, 5, 100, 3, 5};
    for (size_t i = 0; i < 11; ++i) EXPECT_EQ(r.u16(2 * i), expect[i]) << "offset " << 2 * i;
    EXPECT_EQ(r.u32(28), 88231u);
    Reply small(31);
    EXPECT_EQ(s.getInfo(-1, 6, 1, 0, nullptr, 31, small.data()), kBufferTooSmall);
    EXPECT_TRUE(small.untouched());
}

// ------------------------------------------------------------------ SQL sessions

TEST(Sessions, ListDetailsCursorsAndEnding)
{
    Simulator s;
    load(s, "server.json");
    // Grow and retry: the needed size comes in the first four bytes.
    Reply small(100);
    ASSERT_EQ(s.getInfo(-1, 6, 8, 0, nullptr, 100, small.data()), kBufferTooSmall);
    uint32_t needed = small.reader().u32(0);
    for (size_t i = 4; i < 100; ++i) ASSERT_EQ(small.buf[i], 0xCD) << "only the size is written";
    Reply tiny(3);
    EXPECT_EQ(s.getInfo(-1, 6, 8, 0, nullptr, 3, tiny.data()), kBufferTooSmall);
    EXPECT_TRUE(tiny.untouched());

    Reply list(needed);
    ASSERT_EQ(s.getInfo(-1, 6, 8, 0, nullptr, needed, list.data()), 0);
    Reader l = list.reader();
    ASSERT_EQ(l.u16(0), 3);
    size_t at = 2;
    std::vector<Bytes> keys;
    std::vector<std::string> names;
    for (int i = 0; i < 3; ++i) {
        uint16_t len = l.u16(at);
        ASSERT_TRUE(l.has(at, len)) << "entry " << i;
        keys.emplace_back(l.at(at + 2), l.at(at + 2) + 9);
        names.push_back(textAt(l, at + 11));
        at += len;
    }
    EXPECT_EQ(at, needed) << "entries fill the reply";
    EXPECT_EQ(names, (std::vector<std::string>{"ACCOUNTING", "WEBSHOP-1", "webshop-2"}));
    // First entry: session id, time, flags, kind, both texts.
    EXPECT_EQ(l.u16(4), 17);
    EXPECT_EQ(static_cast<int8_t>(*l.at(2 + 5)), 12);
    EXPECT_EQ(static_cast<int8_t>(*l.at(2 + 9)), 41);
    EXPECT_EQ(l.u16(2 + 42), 1) << "flag A";
    EXPECT_EQ(l.u16(2 + 50), 0) << "kind";
    uint16_t l1 = l.u16(2 + 52);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(l.at(2 + 54)), l1), "C:\\APPS\\LEDGER\\LEDGER.EXE");
    uint16_t l2 = l.u16(2 + 54 + l1);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(l.at(2 + 56 + l1)), l2), "maria");

    // Details of the first session, with its two cursors.
    Reply detail(1036);
    ASSERT_EQ(s.getInfo(-1, 6, 3, 9, keys[0].data(), 1036, detail.data()), 0);
    Reader d = detail.reader();
    EXPECT_EQ(*d.at(2), 2) << "last call group";
    EXPECT_EQ(*d.at(3), 5) << "last call index";
    EXPECT_EQ(d.u32(4), 15230u);
    EXPECT_TRUE(d.equals(12, "\x00\x00\xC0\xA8\x01\x2B", 6)) << "node";
    EXPECT_EQ(*d.at(24), 1) << "state";
    ASSERT_EQ(d.u16(25), 2) << "cursor count";
    size_t c0 = 27, c1 = c0 + d.u16(c0);
    EXPECT_EQ(d.u16(c0 + 4), 1) << "cursor id";
    EXPECT_EQ(d.u16(c0 + 6), 22) << "identifying block: count word and name";
    EXPECT_EQ(textAt(d, c0 + 8), "CUR_JOURNAL");
    EXPECT_EQ(*d.at(c1 + 8), 0) << "second cursor has no name";

    // Cursor details by CursorKey, passed with length 200.
    auto cursorKey = [&](size_t entry) {
        Bytes k(200, 0xEE);
        std::memcpy(k.data(), keys[0].data(), 9);
        std::memcpy(k.data() + 9, d.at(entry + 4), 2);
        uint16_t m = d.u16(entry + 6);
        std::memcpy(k.data() + 11, d.at(entry + 6), m);
        return k;
    };
    Bytes k0 = cursorKey(c0);
    Reply cur(1200);
    ASSERT_EQ(s.getInfo(-1, 6, 4, 200, k0.data(), 1200, cur.data()), 0);
    Reader cr = cur.reader();
    EXPECT_EQ(*cr.at(2), 1);
    EXPECT_EQ(*cr.at(3), 0);
    ASSERT_EQ(cr.u16(4), 2) << "names";
    EXPECT_EQ(textAt(cr, 8), "JOURNAL");
    EXPECT_EQ(textAt(cr, 6 + cr.u16(6) + 2), "ACCOUNTS");
    Bytes kBad = k0;
    kBad[13] ^= 1;   // the name inside the identifying block
    EXPECT_EQ(s.getInfo(-1, 6, 4, 200, kBad.data(), 1200, cur.data()), kNotAvailable);
    Bytes kNoCursor = k0;
    kNoCursor[9] = 99;
    EXPECT_EQ(s.getInfo(-1, 6, 4, 200, kNoCursor.data(), 1200, cur.data()), kNotAvailable);
    Bytes kHugeM = k0;
    Writer(kHugeM).patch16(11, 500);
    EXPECT_EQ(s.getInfo(-1, 6, 4, 200, kHugeM.data(), 1200, cur.data()), kInvalidInput);
    EXPECT_EQ(s.getInfo(-1, 6, 4, 12, k0.data(), 1200, cur.data()), kInvalidInput);

    // Ending a session: gone from the list, 265 for it afterwards.
    ASSERT_EQ(s.setInfo(-1, 6, 1, 9, keys[1].data()), 0);
    EXPECT_EQ(s.setInfo(-1, 6, 1, 9, keys[1].data()), kSessionUnknown);
    EXPECT_EQ(s.getInfo(-1, 6, 3, 9, keys[1].data(), 1036, detail.data()), kSessionUnknown);
    EXPECT_EQ(s.setInfo(-1, 6, 1, 8, keys[0].data()), kInvalidInput);
    ASSERT_EQ(s.getInfo(-1, 6, 8, 0, nullptr, needed, list.data()), 0);
    EXPECT_EQ(list.reader().u16(0), 2);
    Reply usage(32);
    ASSERT_EQ(s.getInfo(-1, 6, 1, 0, nullptr, 32, usage.data()), 0);
    EXPECT_EQ(usage.reader().u16(12), 2) << "resource 3 counts the sessions";
}

TEST(Sessions, NeededSizeBeyondSixteenBits)
{
    json j = scenarioJson("server.json");
    json sessions = json::array();
    for (int i = 0; i < 300; ++i)
        sessions.push_back({{"id", i + 1}, {"name", "S" + std::to_string(i)}, {"firstText", std::string(200, 'x')}});
    j["local"]["sessions"] = sessions;
    Simulator s;
    loadJson(s, j);
    Reply out(65535);
    ASSERT_EQ(s.getInfo(-1, 6, 8, 0, nullptr, 65535, out.data()), kBufferTooSmall);
    EXPECT_GT(out.reader().u32(0), 65535u);
    EXPECT_TRUE(out.guardIntact());
}

// ------------------------------------------------------------------ connection manager

TEST(ConnectionManager, ChunksByPositionAndCapacity)
{
    struct Case {
        uint32_t pageSize, cap;
        std::vector<uint16_t> statuses;
        std::vector<uint16_t> counts;
    } cases[] = {
        {0, 2000, {0}, {3}},
        {2, 2000, {4107, 0}, {2, 1}},
        {0, 484, {4107, 4107, 0}, {1, 1, 1}},
        {0, 963, {4107, 0}, {1, 2}},   // 963 holds one entry; the rest comes with the caller's own retry at 2000
        {0, 483, {4086}, {0}},
    };
    for (const Case& c : cases) {
        json j = scenarioJson("server.json");
        j["local"]["pageSizes"]["connections"] = c.pageSize;
        Simulator s;
        loadJson(s, j);
        std::vector<uint16_t> statuses, counts;
        int32_t position = -1;
        uint32_t cap = c.cap;
        for (int guard = 0; guard < 10; ++guard) {
            Bytes in;
            Writer(in).i32(position);
            Writer(in).u32(0);
            Reply out(cap);
            uint16_t st = s.getInfo(-1, 5, 5300, 8, in.data(), cap, out.data());
            EXPECT_TRUE(out.guardIntact());
            statuses.push_back(st);
            counts.push_back(out.reader().u16(2) == 0xCDCD ? 0 : out.reader().u16(2));
            if (st != 4107) break;
            EXPECT_EQ(out.reader().u16(0), 3) << "total";
            position += position == -1 ? 1 + out.reader().u16(2) : out.reader().u16(2);
            if (cap == 963) cap = 2000;
        }
        EXPECT_EQ(statuses, c.statuses) << "page " << c.pageSize << " cap " << c.cap;
        EXPECT_EQ(counts, c.counts) << "page " << c.pageSize << " cap " << c.cap;
    }
}

TEST(ConnectionManager, EntryLayoutDisconnectAndWord)
{
    Simulator s;
    load(s, "server.json");
    Bytes in;
    Writer(in).i32(-1);
    Writer(in).u32(0);
    Reply out(2000);
    ASSERT_EQ(s.getInfo(-1, 5, 5300, 8, in.data(), 2000, out.data()), 0);
    Reader r = out.reader();
    ASSERT_EQ(r.u16(2), 3);
    size_t e = 4 + 2 * 480;   // third entry
    EXPECT_EQ(textAt(r, e + 0), "webshop");
    EXPECT_EQ(textAt(r, e + 65), "WEBSHOP");
    EXPECT_EQ(textAt(r, e + 98), "D:\\DATA\\SALES\\SALES.DDF");
    EXPECT_EQ(textAt(r, e + 354), "w3svc");
    EXPECT_EQ(textAt(r, e + 395), "webshop-2");
    EXPECT_EQ(r.u16(e + 460), 7);
    EXPECT_EQ(static_cast<int32_t>(r.u32(e + 464)), -1);
    EXPECT_EQ(r.u32(e + 472), 1003u);
    EXPECT_EQ(r.u32(e + 476), 70003u);

    auto block = [](uint16_t count, uint32_t id1, uint32_t id2) {
        Bytes b;
        Writer w(b);
        w.u16(count);
        w.zeros(6);
        w.u32(id1);
        w.u32(id2);
        return b;
    };
    Bytes second = block(1, 1002, 70002);
    EXPECT_EQ(s.setInfo(-1, 5, 5301, 16, second.data()), 0);
    EXPECT_EQ(s.setInfo(-1, 5, 5301, 16, second.data()), kClientUnknown);
    Bytes none = block(0, 1001, 70001);
    EXPECT_EQ(s.setInfo(-1, 5, 5301, 16, none.data()), kInvalidInput);
    EXPECT_EQ(s.setInfo(-1, 5, 5301, 15, second.data()), kInvalidInput);
    ASSERT_EQ(s.getInfo(-1, 5, 5300, 8, in.data(), 2000, out.data()), 0);
    EXPECT_EQ(out.reader().u16(2), 2);
    EXPECT_EQ(textAt(out.reader(), 4 + 480 + 395), "webshop-2");

    // Request 5302 reads and writes one buffer.
    uint8_t word[2] = {0xAA, 0xBB};
    ASSERT_EQ(s.getInfo(-1, 5, 5302, 2, word, 2, word), 0);
    EXPECT_EQ(word[0] | (word[1] << 8), 0);
    json j = scenarioJson("server.json");
    j["local"]["connectionManager"]["word5302"] = 1;
    loadJson(s, j);
    ASSERT_EQ(s.getInfo(-1, 5, 5302, 2, word, 2, word), 0);
    EXPECT_EQ(word[0] | (word[1] << 8), 1);
    EXPECT_EQ(s.getInfo(-1, 5, 5302, 2, word, 1, word), kBufferTooSmall);
}

// ------------------------------------------------------------------ remote servers

TEST(Servers, LoginChecksAndTheRemoteEngine)
{
    struct Case {
        const char *server, *user, *password;
        uint16_t status;
    } cases[] = {
        {"ATLAS", "admin", "secret", 0},
        {"atlas", "ADMIN", "secret", 0},
        {"ATLAS", "admin", "Secret", kLoginFailed},
        {"ATLAS", "bob", "secret", kLoginFailed},
        {"ATLAS", "admin", "", kLoginFailed},
        {"NOSUCH", "admin", "secret", kServerUnknown},
        {"", "admin", "secret", kServerUnknown},
        {"VEGA", "admin", "secret", 4063},
    };
    for (const Case& c : cases) {
        Simulator s;
        load(s, "server.json");
        int32_t h = 12345;
        EXPECT_EQ(s.connect(c.server, c.user, c.password, &h), c.status)
            << c.server << "/" << c.user << "/" << c.password;
        EXPECT_EQ(h == 12345, c.status != 0) << "handle set only on success";
    }

    Simulator s;
    load(s, "server.json");
    int32_t h = 0;
    EXPECT_EQ(s.connect(nullptr, "admin", "secret", &h), kInvalidInput);
    EXPECT_EQ(s.connect("ATLAS", "admin", "secret", nullptr), kInvalidInput);
    ASSERT_EQ(s.connect("ATLAS", "admin", "secret", &h), 0);
    EXPECT_NE(h, -1);
    Reply v(20);
    ASSERT_EQ(s.getVersion(h, 10, 0, 20, v.data()), 0);
    EXPECT_EQ(v.reader().u32(8), 90u) << "the server's own components";
    PagedResult files;
    {
        Bytes key = listKey(0xFFFFFFFF);
        Reply out(2000);
        ASSERT_EQ(s.getInfo(h, 5, 12, 8, key.data(), 2000, out.data()), 0);
        EXPECT_EQ(out.reader().u32(4), 2u);
        EXPECT_EQ(textAt(out.reader(), 20 + 25), "F:\\PAYROLL\\EMPLOYEE.DAT");
    }
    int32_t h2 = 0;
    ASSERT_EQ(s.connect("ATLAS", "admin", "secret", &h2), 0);
    EXPECT_NE(h2, h) << "every connection has its own handle";
    int32_t copy = h;
    ASSERT_EQ(s.disconnect(&copy), 0);
    EXPECT_EQ(s.disconnect(&copy), kInvalidHandle);
    EXPECT_EQ(s.getVersion(h, 10, 0, 20, v.data()), kInvalidHandle);
    EXPECT_EQ(s.getInfo(h, 5, 15, 0, nullptr, 68, v.data()), kInvalidHandle);
    EXPECT_EQ(s.disconnect(nullptr), kInvalidInput);
    ASSERT_EQ(s.stop(), 0);
    EXPECT_EQ(s.connectionCount(), 0u) << "stopping ends the connections";
}

// ------------------------------------------------------------------ failures, start

TEST(Failures, OnceAlwaysSkipAndSelector)
{
    Simulator s;
    load(s, "server.json");
    auto usage = [&](uint16_t sel = 5) {
        Reply out(68);
        return s.getInfo(-1, sel, 15, 0, nullptr, 68, out.data());
    };
    Failure once;
    once.op = Op::GetInfo;
    once.code = 15;
    once.status = 4083;
    once.times = 1;
    s.addFailure(once);
    EXPECT_EQ(usage(), 4083);
    EXPECT_EQ(usage(), 0) << "once";

    Failure always = once;
    always.times = 0;
    always.status = 2;
    always.skip = 1;
    s.addFailure(always);
    EXPECT_EQ(usage(), 0) << "skipped";
    EXPECT_EQ(usage(), 2);
    EXPECT_EQ(usage(), 2) << "always";
    s.clearFailures();
    EXPECT_EQ(usage(), 0);

    Failure sel = once;
    sel.selector = 1;
    s.addFailure(sel);
    EXPECT_EQ(usage(5), 0) << "other selector";
    EXPECT_EQ(usage(1), 4083);

    Failure ver;
    ver.op = Op::GetVersion;
    ver.code = 10;
    ver.status = 65535;
    s.addFailure(ver);
    Reply v(20);
    EXPECT_EQ(s.getVersion(-1, 5, 0, 20, v.data()), 0);
    EXPECT_EQ(s.getVersion(-1, 10, 0, 20, v.data()), 65535);
    EXPECT_TRUE(v.untouched() == false) << "component 5 wrote its record";

    Failure set;
    set.op = Op::SetInfo;
    set.code = 10;
    set.status = 4069;
    s.addFailure(set);
    Bytes id(16, 0);
    EXPECT_EQ(s.setInfo(-1, 5, 10, 16, id.data()), 4069);
}

TEST(Failures, InjectedBufferTooSmallStillTellsTheNeed)
{
    Simulator s;
    load(s, "server.json");
    Failure f;
    f.op = Op::GetInfo;
    f.status = 4086;
    f.times = 1;
    f.code = 12;
    s.addFailure(f);
    Bytes key = listKey(0xFFFFFFFF);
    Reply out(4000);
    ASSERT_EQ(s.getInfo(-1, 5, 12, 8, key.data(), 4000, out.data()), 4086);
    EXPECT_EQ(out.reader().u32(0), 4u) << "needed count";
    EXPECT_EQ(out.reader().u32(4), 0u);
    f.code = 8;
    s.addFailure(f);
    Reply list(4000);
    ASSERT_EQ(s.getInfo(-1, 6, 8, 0, nullptr, 4000, list.data()), 4086);
    uint32_t need = list.reader().u32(0);
    EXPECT_GT(need, 2u);
    EXPECT_EQ(s.getInfo(-1, 6, 8, 0, nullptr, need, list.data()), 0);
}

TEST(Failures, FromTheScenarioAndTheStartStatus)
{
    Simulator s;
    ASSERT_EQ(s.loadScenarioText(R"({"startStatus": 0, "local": {"components": {"5": {"kind": 2, "major": 7}}},
        "failures": [{"op": "getInfo", "code": 1808, "status": 4083, "mode": "once"},
                     {"op": "stop", "status": 7}]})"), 0) << s.lastError();
    Reply out(12);
    EXPECT_EQ(s.getInfo(-1, 5, 1808, 0, nullptr, 12, out.data()), 4083);
    EXPECT_EQ(s.getInfo(-1, 5, 1808, 0, nullptr, 12, out.data()), 0);
    EXPECT_EQ(s.start(), 0);
    EXPECT_TRUE(s.started());
    EXPECT_EQ(s.stop(), 7);

    load(s, "start_fails.json");
    EXPECT_EQ(s.start(), 8010);
}

// ------------------------------------------------------------------ call log

TEST(CallLog, CountsAndLastArguments)
{
    Simulator s;
    load(s, "server.json");
    Reply out(100);
    Bytes key = listKey(0xFFFFFFFF);
    s.getInfo(-1, 5, 15, 0, nullptr, 68, out.data());
    s.getInfo(-1, 5, 15, 0, nullptr, 68, out.data());
    s.getInfo(-1, 5, 12, 8, key.data(), 100, out.data());
    s.getVersion(-1, 10, 0, 20, out.data());
    int32_t h;
    s.connect("ATLAS", "admin", "wrong", &h);
    struct Case {
        Op op;
        int32_t code;
        uint32_t count;
    } cases[] = {{Op::GetInfo, 15, 2}, {Op::GetInfo, 12, 1}, {Op::GetInfo, -1, 3},
                 {Op::GetVersion, 10, 1}, {Op::Connect, -1, 1}, {Op::SetInfo, -1, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(s.callCount(c.op, c.code), c.count) << "op " << static_cast<int>(c.op) << " code " << c.code;
    const auto& log = s.callLog();
    ASSERT_EQ(log.size(), 5u);
    const CallRecord& list = log[2];
    EXPECT_EQ(list.handle, -1);
    EXPECT_EQ(list.selector, 5);
    EXPECT_EQ(list.code, 12);
    EXPECT_EQ(list.inLen, 8u);
    EXPECT_EQ(list.outCap, 100u);
    EXPECT_EQ(list.status, 4086);
    EXPECT_EQ(list.input, key);
    EXPECT_EQ(log[3].code, 10) << "GetVersion logs the component as its code";
    EXPECT_EQ(std::string(log[4].input.begin(), log[4].input.end()), "ATLAS");
    EXPECT_EQ(log[4].status, kLoginFailed);

    for (int i = 0; i < 600; ++i) s.getInfo(-1, 5, 15, 0, nullptr, 68, out.data());
    EXPECT_EQ(s.callLog().size(), Simulator::kLogCapacity);
    EXPECT_EQ(s.callCount(Op::GetInfo, 15), 602u) << "counts are not limited by the log";
    s.clearCallLog();
    EXPECT_EQ(s.callLog().size(), 0u);
    EXPECT_EQ(s.callCount(Op::GetInfo, -1), 0u);
}

// ------------------------------------------------------------------ demo

TEST(Demo, FiguresMoveWithTheClockWithinTheirMaxima)
{
    json j = scenarioJson("demo.json");
    j["demo"]["realTime"] = false;
    Simulator a, b;
    loadJson(a, j);
    loadJson(b, j);
    auto usage = [](Simulator& s) {
        Reply out(68);
        EXPECT_EQ(s.getInfo(-1, 5, 15, 0, nullptr, 68, out.data()), 0);
        return Bytes(out.buf.begin(), out.buf.begin() + 68);
    };
    auto comm = [](Simulator& s) {
        Reply out(100);
        EXPECT_EQ(s.getInfo(-1, 10, 9, 0, nullptr, 100, out.data()), 0);
        return Reader(out.buf.data(), 100).u32(0);
    };
    Bytes start = usage(a);
    uint32_t total0 = comm(a);
    EXPECT_EQ(usage(a), start) << "no time, no movement";
    bool moved = false;
    uint32_t lastTotal = total0;
    for (int step = 0; step < 200; ++step) {
        a.advanceClock(1000);
        b.advanceClock(1000);
        Bytes now = usage(a);
        EXPECT_EQ(now, usage(b)) << "same seed, same figures";
        Reader r(now);
        moved |= now != start;
        // Row 4: current <= max, current <= peak; row 7 likewise.
        EXPECT_LE(r.u32(32), r.u32(48));
        EXPECT_LE(r.u32(32), r.u32(12));
        EXPECT_LE(r.u32(56), r.u32(64));
        EXPECT_LE(r.u32(56), r.u32(60));
        EXPECT_EQ(r.u32(20), 12u) << "files are counted, not walked";
        uint32_t total = comm(a);
        EXPECT_GE(total, lastTotal) << "cumulative figures only grow";
        lastTotal = total;
        Reply sql(32);
        ASSERT_EQ(a.getInfo(-1, 6, 1, 0, nullptr, 32, sql.data()), 0);
        EXPECT_LE(sql.reader().u16(0), sql.reader().u16(4)) << "SQL resource 1 within its maximum";
        EXPECT_NE(sql.reader().u16(18), 0xFFFF) << "resource 4 never reaches the no-maximum mark";
    }
    EXPECT_TRUE(moved);
    EXPECT_GT(lastTotal, total0);

    j["demo"]["enabled"] = false;
    Simulator still;
    loadJson(still, j);
    Bytes fixed = usage(still);
    still.advanceClock(60000);
    EXPECT_EQ(usage(still), fixed) << "demo off: figures stay";
}

// ------------------------------------------------------------------ odd input

TEST(OddInput, NoReplyWritesPastItsCapacity)
{
    Simulator s;
    load(s, "server.json");
    struct Req {
        uint16_t selector, code;
    } reqs[] = {{6, 1}, {4, 1}, {6, 3}, {6, 4}, {6, 8}, {10, 9}, {5, 11}, {5, 12}, {5, 13},
                {5, 14}, {5, 15}, {5, 16}, {5, 1808}, {5, 5300}, {5, 5302}, {5, 999}};
    uint64_t seed = 12345;
    auto next = [&]() {
        seed = seed * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<uint32_t>(seed >> 33);
    };
    const uint32_t caps[] = {0, 1, 2, 3, 4, 8, 11, 12, 19, 20, 21, 31, 32, 67, 68, 91, 92, 99, 100,
                             333, 334, 483, 484, 1035, 1036, 1199, 2000};
    for (const Req& r : reqs) {
        for (uint32_t cap : caps) {
            for (int trial = 0; trial < 6; ++trial) {
                // Random keys of random lengths, and now and then a real-looking one.
                Bytes in(next() % 48);
                for (uint8_t& b : in) b = static_cast<uint8_t>(next());
                if (trial == 0 && in.size() >= 8) std::memset(in.data(), 0xFF, 4);
                Reply out(cap);
                s.getInfo(-1, r.selector, r.code, static_cast<uint32_t>(in.size()),
                          in.empty() ? nullptr : in.data(), cap, cap ? out.data() : nullptr);
                ASSERT_TRUE(out.guardIntact()) << "code " << r.code << " capacity " << cap;
            }
        }
    }
    uint8_t buf[8];
    EXPECT_EQ(s.getInfo(-1, 5, 15, 0, nullptr, 68, nullptr), kInvalidInput) << "no buffer";
    EXPECT_EQ(s.getInfo(-1, 5, 12, 8, nullptr, 8, buf), kInvalidInput) << "no input";
    EXPECT_EQ(s.getInfo(-1, 5, 15, 0, nullptr, 0, nullptr), kBufferTooSmall) << "capacity 0";
    EXPECT_EQ(s.setInfo(-1, 6, 1, 4, nullptr), kInvalidInput);
}
