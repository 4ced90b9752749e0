// Scenario parsing. The reader is strict: an unknown key is an error, so a
// misspelt setting in a test scenario is reported instead of being ignored.
// Keys beginning with "_" are comments.
#include "scenario.h"

#include <nlohmann/json.hpp>

#include <cctype>
#include <limits>
#include <set>

namespace gantry::sim {
namespace {

using json = nlohmann::json;

struct ParseError {
    std::string message;
};

[[noreturn]] void fail(const std::string& path, const std::string& what)
{
    throw ParseError{path + ": " + what};
}

// One JSON object being read; remembers which keys were used.
class Obj {
public:
    Obj(const json& j, std::string path) : j_(j), path_(std::move(path))
    {
        if (!j_.is_object()) fail(path_, "expected an object");
    }

    const std::string& path() const { return path_; }
    std::string at(const std::string& key) const { return path_ + "." + key; }

    const json* get(const std::string& key)
    {
        auto it = j_.find(key);
        if (it == j_.end()) return nullptr;
        used_.insert(key);
        return &*it;
    }
    bool has(const std::string& key) const { return j_.contains(key); }

    int64_t integer(const std::string& key, int64_t def, int64_t lo, int64_t hi)
    {
        const json* v = get(key);
        if (!v) return def;
        return integerValue(*v, at(key), lo, hi);
    }
    uint32_t u32(const std::string& key, uint32_t def = 0)
    {
        return static_cast<uint32_t>(integer(key, def, 0, 0xFFFFFFFFLL));
    }
    uint16_t u16(const std::string& key, uint16_t def = 0)
    {
        return static_cast<uint16_t>(integer(key, def, 0, 0xFFFF));
    }
    uint8_t u8(const std::string& key, uint8_t def = 0)
    {
        return static_cast<uint8_t>(integer(key, def, 0, 0xFF));
    }
    int32_t i32(const std::string& key, int32_t def = 0)
    {
        return static_cast<int32_t>(integer(key, def, INT32_MIN, INT32_MAX));
    }
    int16_t i16(const std::string& key, int16_t def = 0)
    {
        return static_cast<int16_t>(integer(key, def, INT16_MIN, INT16_MAX));
    }
    int8_t i8(const std::string& key, int8_t def = 0)
    {
        return static_cast<int8_t>(integer(key, def, INT8_MIN, INT8_MAX));
    }
    bool boolean(const std::string& key, bool def)
    {
        const json* v = get(key);
        if (!v) return def;
        if (!v->is_boolean()) fail(at(key), "expected true or false");
        return v->get<bool>();
    }
    std::string text(const std::string& key, const std::string& def = std::string(),
                     size_t maxLen = kMaxText)
    {
        const json* v = get(key);
        if (!v) return def;
        return textValue(*v, at(key), maxLen);
    }
    char character(const std::string& key, char def)
    {
        const json* v = get(key);
        if (!v) return def;
        if (!v->is_string()) fail(at(key), "expected a text of one character");
        std::string s = v->get<std::string>();
        if (s.size() > 1) fail(at(key), "expected a text of one character");
        return s.empty() ? '\0' : s[0];
    }
    // A figure that may also be "none": the record's no-maximum value.
    uint32_t maximum(const std::string& key, uint32_t def, uint32_t none, uint32_t hi)
    {
        const json* v = get(key);
        if (!v) return def;
        if (v->is_string() && v->get<std::string>() == "none") return none;
        return static_cast<uint32_t>(integerValue(*v, at(key), 0, hi));
    }
    template <size_t N>
    void hexBytes(const std::string& key, std::array<uint8_t, N>& out)
    {
        const json* v = get(key);
        if (!v) return;
        std::vector<uint8_t> b = hexValue(*v, at(key));
        if (b.size() != N) fail(at(key), "expected " + std::to_string(N) + " bytes in hex");
        for (size_t i = 0; i < N; ++i) out[i] = b[i];
    }
    std::vector<uint8_t> hexBytes(const std::string& key)
    {
        const json* v = get(key);
        return v ? hexValue(*v, at(key)) : std::vector<uint8_t>();
    }
    const json* array(const std::string& key)
    {
        const json* v = get(key);
        if (v && !v->is_array()) fail(at(key), "expected an array");
        return v;
    }

    // Every key must have been read (comments start with "_").
    void done() const
    {
        for (auto it = j_.begin(); it != j_.end(); ++it) {
            const std::string& k = it.key();
            if (!k.empty() && k[0] == '_') continue;
            if (!used_.count(k)) fail(path_, "unknown key \"" + k + "\"");
        }
    }

    static int64_t integerValue(const json& v, const std::string& path, int64_t lo, int64_t hi)
    {
        int64_t n = 0;
        if (v.is_number_unsigned()) {
            uint64_t u = v.get<uint64_t>();
            if (u > static_cast<uint64_t>(std::numeric_limits<int64_t>::max()))
                fail(path, "number out of range");
            n = static_cast<int64_t>(u);
        } else if (v.is_number_integer()) {
            n = v.get<int64_t>();
        } else {
            fail(path, "expected a whole number");
        }
        if (n < lo || n > hi)
            fail(path, "number " + std::to_string(n) + " outside " + std::to_string(lo) + ".." +
                           std::to_string(hi));
        return n;
    }
    static std::string textValue(const json& v, const std::string& path, size_t maxLen)
    {
        if (!v.is_string()) fail(path, "expected a text");
        std::string s = v.get<std::string>();
        if (s.find('\0') != std::string::npos) fail(path, "text holds a NUL");
        if (s.size() > maxLen)
            fail(path, "text longer than " + std::to_string(maxLen) + " bytes");
        return s;
    }
    static std::vector<uint8_t> hexValue(const json& v, const std::string& path)
    {
        if (!v.is_string()) fail(path, "expected hex digits");
        std::string s = v.get<std::string>();
        std::string digits;
        for (char c : s)
            if (c != ' ') digits += c;
        if (digits.size() % 2) fail(path, "odd number of hex digits");
        std::vector<uint8_t> out;
        for (size_t i = 0; i < digits.size(); i += 2) {
            int hi = hexDigit(digits[i]), lo = hexDigit(digits[i + 1]);
            if (hi < 0 || lo < 0) fail(path, "not a hex digit");
            out.push_back(static_cast<uint8_t>(hi * 16 + lo));
        }
        return out;
    }

private:
    static int hexDigit(char c)
    {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    }

    const json& j_;
    std::string path_;
    std::set<std::string> used_;
};

template <class F>
void eachElement(const json* arr, const std::string& path, F f)
{
    if (!arr) return;
    for (size_t i = 0; i < arr->size(); ++i) f((*arr)[i], path + "[" + std::to_string(i) + "]", i);
}

VersionAnswer parseComponent(const json& v, const std::string& path)
{
    VersionAnswer a;
    if (v.is_string()) {
        std::string s = v.get<std::string>();
        if (s == "absent") a.status = 4083;
        else if (s == "notInstalled") a.status = 4080;
        else if (s == "refused") a.status = 65535;
        else fail(path, "expected \"absent\", \"notInstalled\", \"refused\" or a record");
        return a;
    }
    if (v.is_number()) {
        a.status = static_cast<uint16_t>(Obj::integerValue(v, path, 0, 0xFFFF));
        if (a.status == 0) fail(path, "status 0 needs a version record");
        return a;
    }
    Obj o(v, path);
    a.status = o.u16("status", 0);
    a.kind = o.u32("kind");
    a.major = o.u32("major");
    a.minor = o.u32("minor");
    a.build = o.u32("build");
    a.reserved = o.u32("reserved");
    o.done();
    return a;
}

// current / peak / max; `none` is the no-maximum value, `hi` the widest value.
Level parseLevel(const json& v, const std::string& path, uint32_t none, uint32_t hi,
                 bool hasMax, bool derivable)
{
    Obj o(v, path);
    Level l;
    l.derivedCurrent = derivable && !o.has("current");
    l.derivedPeak = derivable && !o.has("peak");
    l.current = static_cast<uint32_t>(o.integer("current", 0, 0, hi));
    l.peak = static_cast<uint32_t>(o.integer("peak", l.current, 0, hi));
    if (hasMax) l.max = o.maximum("max", none, none, hi);
    o.done();
    return l;
}

void parseUsage(const json& v, const std::string& path, ResourceUsage& u)
{
    Obj o(v, path);
    for (int r = 0; r < 7; ++r) {
        std::string key = "row" + std::to_string(r + 1);
        // Rows 1, 2 and 5 count the open files, handles and clients.
        bool derivable = r == 0 || r == 1 || r == 4;
        uint32_t none = r == 5 ? 0xFFFFFFFFu : 0u;
        const json* row = o.get(key);
        if (row) {
            u.rows[r] = parseLevel(*row, o.at(key), none, 0xFFFFFFFFu, r != 2, derivable);
        } else {
            u.rows[r] = Level{};
            u.rows[r].max = none;
            u.rows[r].derivedCurrent = u.rows[r].derivedPeak = derivable;
        }
    }
    o.done();
}

void parseComm(const json& v, const std::string& path, CommStats& c)
{
    Obj o(v, path);
    c.total = o.u32("total");
    if (const json* r = o.array("reserved")) {
        if (r->size() != 3) fail(o.at("reserved"), "expected three numbers");
        for (size_t i = 0; i < 3; ++i)
            c.reserved[i] = static_cast<uint32_t>(
                Obj::integerValue((*r)[i], o.at("reserved"), 0, 0xFFFFFFFFLL));
    }
    if (const json* g = o.get("gauge1")) c.gauge1 = parseLevel(*g, o.at("gauge1"), 0, 0xFFFFFFFFu, true, false);
    if (const json* g = o.get("gauge2")) c.gauge2 = parseLevel(*g, o.at("gauge2"), 0, 0xFFFFFFFFu, true, false);
    c.counterX = o.u32("counterX");
    c.counterY = o.u32("counterY");
    c.protocolCountSet = o.has("protocolCount");
    c.protocolCount = o.u32("protocolCount");
    eachElement(o.array("protocols"), o.at("protocols"), [&](const json& e, const std::string& p, size_t) {
        Obj pe(e, p);
        ProtocolEntry s;
        s.type = pe.u32("type");
        s.count = pe.u32("count");
        s.figure8 = pe.u32("figure8");
        s.figure12 = pe.u32("figure12");
        pe.done();
        c.protocols.push_back(s);
    });
    o.done();
}

void parseSqlUsage(const json& v, const std::string& path, SqlUsage& s)
{
    Obj o(v, path);
    for (int r = 0; r < 3; ++r) {
        std::string key = "res" + std::to_string(r + 1);
        const json* e = o.get(key);
        // Resource 3 counts the sessions; its peak sizes the session list.
        if (e) {
            s.res[r] = parseLevel(*e, o.at(key), 0xFFFF, 0xFFFF, true, r == 2);
        } else {
            s.res[r] = Level{};
            s.res[r].max = 0xFFFF;
            s.res[r].derivedCurrent = s.res[r].derivedPeak = r == 2;
        }
    }
    if (const json* e = o.get("res4")) s.res4 = parseLevel(*e, o.at("res4"), 0, 0xFFFF, false, false);
    o.hexBytes("reserved22", s.reserved22);
    s.figure28 = o.u32("figure28");
    o.done();
}

void parseSessions(const json* arr, const std::string& path, std::vector<Session>& out)
{
    eachElement(arr, path, [&](const json& e, const std::string& p, size_t i) {
        Obj o(e, p);
        Session s;
        s.id = o.u16("id", static_cast<uint16_t>(i + 1));
        if (const json* st = o.array("stamp")) {
            if (st->size() != 2) fail(o.at("stamp"), "expected [first byte, last byte]");
            s.stamp4 = static_cast<uint8_t>(Obj::integerValue((*st)[0], o.at("stamp"), 0, 255));
            s.stamp10 = static_cast<uint8_t>(Obj::integerValue((*st)[1], o.at("stamp"), 0, 255));
        } else {
            s.stamp4 = static_cast<uint8_t>(0x40 + (s.id & 0x3F));
            s.stamp10 = static_cast<uint8_t>(s.id >> 8);
        }
        if (const json* t = o.array("time")) {
            if (t->size() != 5) fail(o.at("time"), "expected [month, day, hour, minute, second]");
            for (size_t k = 0; k < 5; ++k)
                s.time[k] = static_cast<int8_t>(Obj::integerValue((*t)[k], o.at("time"), -128, 127));
        }
        s.name = o.text("name", "", 30);
        s.flagA = o.u16("flagA");
        s.flagB = o.u16("flagB");
        s.flagC = o.u16("flagC");
        s.word48 = o.u16("word48");
        s.kind = o.u16("kind");
        s.firstText = o.text("firstText", "", 4000);
        s.secondText = o.text("secondText", "", 4000);
        if (const json* d = o.get("detail")) {
            Obj dd(*d, o.at("detail"));
            s.detailStatus = dd.u16("status");
            s.detailWord0 = dd.u16("word0");
            if (const json* lc = dd.array("lastCall")) {
                if (lc->size() != 2) fail(dd.at("lastCall"), "expected [group, index]");
                s.callGroup = static_cast<uint8_t>(Obj::integerValue((*lc)[0], dd.at("lastCall"), 0, 255));
                s.callIndex = static_cast<uint8_t>(Obj::integerValue((*lc)[1], dd.at("lastCall"), 0, 255));
            }
            s.counter = dd.u32("counter");
            dd.hexBytes("network", s.network);
            dd.hexBytes("node", s.node);
            dd.hexBytes("reserved18", s.reserved18);
            s.state = dd.u8("state");
            dd.done();
        }
        eachElement(o.array("cursors"), o.at("cursors"), [&](const json& ce, const std::string& cp, size_t ci) {
            Obj c(ce, cp);
            Cursor cs;
            cs.id = c.u16("id", static_cast<uint16_t>(ci + 1));
            cs.word2 = c.u16("word2");
            cs.name = c.text("name", "", 20);
            cs.extra = c.hexBytes("extra");
            if (cs.extra.size() > 160) fail(c.at("extra"), "at most 160 bytes");
            if (const json* d = c.get("detail")) {
                Obj dd(*d, c.at("detail"));
                cs.detailStatus = dd.u16("status");
                cs.detailWord0 = dd.u16("word0");
                cs.byte2 = dd.u8("byte2");
                cs.byte3 = dd.u8("byte3");
                eachElement(dd.array("names"), dd.at("names"), [&](const json& n, const std::string& np, size_t) {
                    cs.names.push_back(Obj::textValue(n, np, 255));
                });
                dd.done();
            }
            c.done();
            s.cursors.push_back(std::move(cs));
        });
        if (s.cursors.size() > 1000) fail(o.at("cursors"), "at most 1000 cursors");
        o.done();
        out.push_back(std::move(s));
    });
}

void parseConnMgr(const json& v, const std::string& path, ConnectionManager& cm)
{
    Obj o(v, path);
    cm.present = true;
    cm.word5302 = o.u16("word5302");
    eachElement(o.array("connections"), o.at("connections"), [&](const json& e, const std::string& p, size_t i) {
        Obj c(e, p);
        Connection s;
        s.text0 = c.text("text0", "", 64);
        s.text65 = c.text("text65", "", 32);
        s.text98 = c.text("text98", "", 255);
        s.text354 = c.text("text354", "", 40);
        s.name = c.text("name", "", 64);
        s.state = c.u16("state");
        s.word462 = c.u16("word462");
        s.value464 = c.i32("value464");
        s.value468 = c.i32("value468");
        s.id1 = static_cast<uint32_t>(i + 1);
        s.id2 = static_cast<uint32_t>(0x5000 + i);
        if (const json* id = c.array("id")) {
            if (id->size() != 2) fail(c.at("id"), "expected [first half, second half]");
            s.id1 = static_cast<uint32_t>(Obj::integerValue((*id)[0], c.at("id"), 0, 0xFFFFFFFFLL));
            s.id2 = static_cast<uint32_t>(Obj::integerValue((*id)[1], c.at("id"), 0, 0xFFFFFFFFLL));
        }
        c.done();
        cm.connections.push_back(std::move(s));
    });
    if (cm.connections.size() > 10000) fail(o.at("connections"), "at most 10000 connections");
    o.done();
}

size_t resolveClient(const json& ref, const std::string& path, const std::vector<Client>& clients)
{
    if (ref.is_number()) {
        int64_t i = Obj::integerValue(ref, path, 0, static_cast<int64_t>(clients.size()) - 1);
        return static_cast<size_t>(i);
    }
    if (!ref.is_string()) fail(path, "expected a client index, tag or name");
    std::string s = ref.get<std::string>();
    for (size_t i = 0; i < clients.size(); ++i)
        if (!clients[i].tag.empty() && clients[i].tag == s) return i;
    for (size_t i = 0; i < clients.size(); ++i)
        if (clients[i].name == s) return i;
    fail(path, "no client \"" + s + "\"");
}

void parseEngine(const json& v, const std::string& path, Engine& e)
{
    Obj o(v, path);
    if (const json* comps = o.get("components")) {
        if (!comps->is_object()) fail(o.at("components"), "expected an object");
        for (auto it = comps->begin(); it != comps->end(); ++it) {
            const std::string& k = it.key();
            if (!k.empty() && k[0] == '_') continue;
            std::string p = o.at("components") + "." + k;
            if (k.empty() || k.size() > 5 ||
                k.find_first_not_of("0123456789") != std::string::npos || std::stol(k) > 65535)
                fail(p, "a component is named by its number");
            e.components[static_cast<uint16_t>(std::stol(k))] = parseComponent(it.value(), p);
        }
    }
    if (const json* pg = o.get("pageSizes")) {
        Obj p(*pg, o.at("pageSizes"));
        e.pages.files = p.u32("files");
        e.pages.fileHandles = p.u32("fileHandles");
        e.pages.clients = p.u32("clients");
        e.pages.clientHandles = p.u32("clientHandles");
        e.pages.connections = p.u32("connections");
        p.done();
    }
    if (const json* u = o.get("usage")) {
        parseUsage(*u, o.at("usage"), e.usage);
    } else {
        parseUsage(json::object(), o.at("usage"), e.usage);
    }

    eachElement(o.array("clients"), o.at("clients"), [&](const json& c, const std::string& p, size_t i) {
        Obj co(c, p);
        Client s;
        s.tag = co.text("tag", "", 255);
        s.name = co.text("name");
        s.id = {0x0A, 0x00, 0x00, static_cast<uint8_t>(11 + i), 0, 0, 0, 0,
                static_cast<uint8_t>(i + 1), static_cast<uint8_t>((i + 1) >> 8), 0, 0};
        co.hexBytes("id", s.id);
        s.idWord12 = co.u16("idWord12");
        s.idWord14 = co.u16("idWord14", static_cast<uint16_t>(100 + i));
        s.connection = co.u32("connection", static_cast<uint32_t>(i + 1));
        s.value24 = co.u32("value24");
        if (const json* f = co.array("figures")) {
            if (f->size() != 6) fail(co.at("figures"), "expected six numbers (offsets 28 to 48)");
            for (size_t k = 0; k < 6; ++k)
                s.figures[k] = static_cast<uint32_t>(
                    Obj::integerValue((*f)[k], co.at("figures"), 0, 0xFFFFFFFFLL));
        }
        s.value52 = co.i32("value52");
        s.value56 = co.u32("value56");
        s.value60 = co.i32("value60", -1);
        s.code64 = co.i16("code64");
        s.value66 = co.u16("value66");
        if (const json* inf = co.get("info")) {
            Obj io(*inf, co.at("info"));
            s.info.status = io.u16("status");
            s.info.state30 = io.u16("state30");
            s.info.text54 = io.text("text54", "", 279);
            io.done();
        }
        co.done();
        e.clients.push_back(std::move(s));
    });

    eachElement(o.array("files"), o.at("files"), [&](const json& f, const std::string& p, size_t i) {
        Obj fo(f, p);
        File s;
        s.id = fo.u32("id", static_cast<uint32_t>(0x100 + i));
        s.path = fo.text("path");
        s.value8 = fo.u32("value8");
        s.value12 = fo.u32("value12");
        s.value16 = fo.u16("value16");
        s.byte18 = fo.u8("byte18");
        s.flag19 = fo.character("flag19", 'N');
        s.flag20 = fo.character("flag20", 'N');
        s.flag22 = fo.character("flag22", 'N');
        eachElement(fo.array("handles"), fo.at("handles"), [&](const json& h, const std::string& hp, size_t) {
            Obj ho(h, hp);
            FileHandle hs;
            const json* ref = ho.get("client");
            if (!ref) fail(hp, "a handle names its client");
            hs.client = resolveClient(*ref, ho.at("client"), e.clients);
            hs.holder = ho.text("holder", e.clients[hs.client].name);
            hs.value4 = ho.u32("value4");
            hs.value32 = ho.i32("value32", -1);
            hs.code = ho.i16("code");
            hs.openMode = ho.i8("openMode");
            hs.lock = ho.character("lock", 'N');
            hs.state = ho.u8("state");
            ho.done();
            s.handles.push_back(std::move(hs));
        });
        fo.done();
        e.files.push_back(std::move(s));
    });

    if (const json* c = o.get("commStats")) parseComm(*c, o.at("commStats"), e.comm);
    if (const json* c = o.get("sqlCommStats")) parseComm(*c, o.at("sqlCommStats"), e.sqlComm);
    if (const json* s = o.get("sqlUsage")) {
        parseSqlUsage(*s, o.at("sqlUsage"), e.sqlUsage);
    } else {
        parseSqlUsage(json::object(), o.at("sqlUsage"), e.sqlUsage);
    }
    parseSessions(o.array("sessions"), o.at("sessions"), e.sessions);
    if (e.sessions.size() > 10000) fail(o.at("sessions"), "at most 10000 sessions");
    if (const json* cm = o.get("connectionManager")) parseConnMgr(*cm, o.at("connectionManager"), e.connMgr);
    o.done();
}

Failure parseFailure(const json& v, const std::string& path)
{
    Obj o(v, path);
    Failure f;
    std::string op = o.text("op");
    if (!parseOpName(op, f.op)) fail(o.at("op"), "unknown operation \"" + op + "\"");
    f.code = static_cast<int32_t>(o.integer("code", -1, -1, 0xFFFF));
    f.selector = static_cast<int32_t>(o.integer("selector", -1, -1, 0xFFFF));
    f.status = o.u16("status");
    std::string mode = o.text("mode", "always");
    if (mode == "always") f.times = 0;
    else if (mode == "once") f.times = 1;
    else fail(o.at("mode"), "expected \"once\" or \"always\"");
    f.skip = o.u32("skip");
    o.done();
    return f;
}

}  // namespace

bool parseOpName(std::string_view name, Op& op)
{
    static const char* const names[kOpCount] = {"getInfo", "setInfo", "getVersion", "connect",
                                                "disconnect", "start", "stop"};
    for (uint32_t i = 0; i < kOpCount; ++i)
        if (name == names[i]) {
            op = static_cast<Op>(i);
            return true;
        }
    return false;
}

bool parseScenario(std::string_view text, Scenario& out, std::string& error)
{
    try {
        json root = json::parse(text.begin(), text.end());
        Obj o(root, "scenario");
        Scenario s;
        s.name = o.text("name");
        o.text("description", "", 100000);
        s.startStatus = o.u16("startStatus");
        s.stopStatus = o.u16("stopStatus");
        if (const json* d = o.get("demo")) {
            Obj dd(*d, o.at("demo"));
            s.demo.enabled = dd.boolean("enabled", false);
            s.demo.realTime = dd.boolean("realTime", true);
            s.demo.stepMs = static_cast<uint32_t>(dd.integer("stepMs", 1000, 1, 3600000));
            s.demo.seed = dd.u32("seed", 1);
            dd.done();
        }
        if (const json* l = o.get("local")) parseEngine(*l, o.at("local"), s.local);
        else parseEngine(json::object(), o.at("local"), s.local);
        eachElement(o.array("servers"), o.at("servers"), [&](const json& v, const std::string& p, size_t) {
            Obj so(v, p);
            Server srv;
            srv.name = so.text("name", "", 255);
            if (srv.name.empty()) fail(p, "a server needs a name");
            srv.user = so.text("user", "", 255);
            srv.password = so.text("password", "", 255);
            srv.connectStatus = so.u16("connectStatus");
            if (const json* e = so.get("engine")) parseEngine(*e, so.at("engine"), srv.engine);
            else parseEngine(json::object(), so.at("engine"), srv.engine);
            so.done();
            s.servers.push_back(std::move(srv));
        });
        eachElement(o.array("failures"), o.at("failures"), [&](const json& v, const std::string& p, size_t) {
            s.failures.push_back(parseFailure(v, p));
        });
        o.done();
        out = std::move(s);
        return true;
    } catch (const ParseError& e) {
        error = e.message;
    } catch (const nlohmann::json::exception& e) {
        error = std::string("scenario: ") + e.what();
    }
    return false;
}

}  // namespace gantry::sim
