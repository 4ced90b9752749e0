#include "simulator.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <sstream>

#include "records.h"

namespace gantry::sim {

// What a request answers before the caller's capacity is applied.
struct Simulator::Answer {
    enum Kind { StatusOnly, Fixed, Sized, Paged, Chunked };
    Kind kind = StatusOnly;
    uint16_t status = 0;
    Bytes bytes;                 // Fixed, Sized
    std::vector<Bytes> entries;  // Paged, Chunked: the whole list
    uint32_t start = 0;          // first entry of this reply
    uint32_t position = 0;       // the position the caller asked for
    uint32_t pageSize = 0;       // 0 = as many as fit

    static Answer status_(uint16_t s)
    {
        Answer a;
        a.status = s;
        return a;
    }
    static Answer fixed(Bytes b)
    {
        Answer a;
        a.kind = Fixed;
        a.bytes = std::move(b);
        return a;
    }
    static Answer sized(Bytes b)
    {
        Answer a;
        a.kind = Sized;
        a.bytes = std::move(b);
        return a;
    }
};

namespace {

bool equalsNoCase(const std::string& a, const char* b)
{
    size_t n = std::strlen(b);
    if (a.size() != n) return false;
    for (size_t i = 0; i < n; ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool isRecordSelector(uint16_t s) { return s == 5 || s == 1; }
bool isSqlSelector(uint16_t s) { return s == 6 || s == 3; }
bool isCommSelector(uint16_t s) { return s == 10 || s == 2; }
bool isKindSelector(uint16_t s) { return s == 1 || s == 5 || s == 25; }

// A component serves requests unless it is reported as not present; one whose
// version is refused still runs.
bool served(const Engine& e, uint16_t component)
{
    auto it = e.components.find(component);
    if (it == e.components.end()) return false;
    return it->second.status == 0 || it->second.status == 65535;
}

size_t handleCount(const Engine& e)
{
    size_t n = 0;
    for (const File& f : e.files) n += f.handles.size();
    return n;
}

// List positions: -1 asks for the start, anything else is an entry index.
uint32_t startIndex(uint32_t position, size_t count)
{
    if (position == 0xFFFFFFFFu) return 0;
    return position > count ? static_cast<uint32_t>(count) : position;
}

void copyOut(void* out, const void* src, size_t n)
{
    if (n) std::memcpy(out, src, n);
}

uint16_t deliverPaged(const std::vector<Bytes>& entries, uint32_t start, uint32_t position,
                      uint32_t pageSize, uint32_t cap, uint8_t* out, bool tooSmall)
{
    const size_t n = entries.size();
    size_t want = n - start;
    if (pageSize && want > pageSize) want = pageSize;
    size_t used = kListHeaderSize, fit = 0;
    while (fit < want && used + entries[start + fit].size() <= cap) {
        used += entries[start + fit].size();
        ++fit;
    }
    Bytes header;
    Writer w(header);
    w.u32(static_cast<uint32_t>(n));
    bool ok = !tooSmall && cap >= kListHeaderSize && fit == want;
    w.u32(ok ? static_cast<uint32_t>(fit) : 0);
    w.u32(position);
    w.u32(0);
    w.u32(static_cast<uint32_t>(start + (ok ? fit : 0)));
    if (!ok) {
        // The needed count tells the caller how much room to make.
        copyOut(out, header.data(), std::min<size_t>(cap, kListHeaderSize) / 4 * 4);
        return kBufferTooSmall;
    }
    copyOut(out, header.data(), header.size());
    size_t at = header.size();
    for (size_t i = 0; i < fit; ++i) {
        copyOut(out + at, entries[start + i].data(), entries[start + i].size());
        at += entries[start + i].size();
    }
    return start + fit < n ? kMoreFollows : kOk;
}

uint16_t deliverChunk(const std::vector<Bytes>& entries, uint32_t start, uint32_t pageSize,
                      uint32_t cap, uint8_t* out, bool tooSmall)
{
    const size_t total = entries.size();
    Bytes header;
    Writer w(header);
    w.u16(static_cast<uint16_t>(total));
    if (tooSmall || cap < kConnHeaderSize + kConnEntrySize) {
        w.u16(0);
        if (cap >= kConnHeaderSize) copyOut(out, header.data(), header.size());
        return kBufferTooSmall;
    }
    size_t n = std::min<size_t>(total - start, (cap - kConnHeaderSize) / kConnEntrySize);
    if (pageSize && n > pageSize) n = pageSize;
    w.u16(static_cast<uint16_t>(n));
    copyOut(out, header.data(), header.size());
    for (size_t i = 0; i < n; ++i)
        copyOut(out + kConnHeaderSize + i * kConnEntrySize, entries[start + i].data(),
                kConnEntrySize);
    return start + n < total ? kMoreFollows : kOk;
}

}  // namespace

Simulator::Simulator()
{
    loadedAt_ = std::chrono::steady_clock::now();
}

// ---------------------------------------------------------------- scenario

uint16_t Simulator::loadScenarioText(std::string_view json)
{
    Scenario s;
    std::string err;
    if (!parseScenario(json, s, err)) {
        lastError_ = err;
        return kScenarioError;
    }
    loadScenario(s);
    return kOk;
}

uint16_t Simulator::loadScenarioFile(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    if (!f) {
        lastError_ = "cannot read the scenario file " + path;
        return kScenarioError;
    }
    std::ostringstream text;
    text << f.rdbuf();
    uint16_t st = loadScenarioText(text.str());
    if (st) lastError_ = path + ": " + lastError_;
    return st;
}

void Simulator::loadScenario(const Scenario& s)
{
    scenario_ = s;
    engines_.clear();
    engines_.push_back(s.local);
    for (const Server& srv : s.servers) engines_.push_back(srv.engine);
    for (Server& srv : scenario_.servers) srv.engine = Engine{};
    scenario_.local = Engine{};
    connections_.clear();
    nextHandle_ = 1;
    failures_ = s.failures;
    loadFailed_ = false;
    lastError_.clear();

    // Figures the scenario left to the engine start from its lists.
    for (Engine& e : engines_) {
        const size_t counts[3] = {e.files.size(), handleCount(e), e.clients.size()};
        const int rows[3] = {0, 1, 4};
        for (int k = 0; k < 3; ++k) {
            Level& l = e.usage.rows[rows[k]];
            if (l.derivedCurrent) l.current = static_cast<uint32_t>(counts[k]);
            if (l.derivedPeak) l.peak = std::max(l.peak, l.current);
        }
        Level& r3 = e.sqlUsage.res[2];
        if (r3.derivedCurrent) r3.current = static_cast<uint32_t>(std::min<size_t>(e.sessions.size(), 0xFFFE));
        if (r3.derivedPeak) r3.peak = std::max(r3.peak, r3.current);
    }

    manualMs_ = 0;
    stepsDone_ = 0;
    loadedAt_ = std::chrono::steady_clock::now();
    rng_ = s.demo.seed * 0x9E3779B97F4A7C15ull + 1;
    buildWalkers();
}

void Simulator::setLoadFailure(const std::string& error)
{
    loadScenario(Scenario{});
    loadFailed_ = true;
    lastError_ = error;
}

// ---------------------------------------------------------------- bookkeeping

CallRecord& Simulator::logCall(Op op, int32_t handle, uint16_t selector, uint16_t code,
                               uint32_t inLen, const void* in, uint32_t outCap)
{
    if (log_.size() == kLogCapacity) log_.pop_front();
    CallRecord r;
    r.op = op;
    r.handle = handle;
    r.selector = selector;
    r.code = code;
    r.inLen = inLen;
    r.outCap = outCap;
    if (in && inLen) {
        const uint8_t* p = static_cast<const uint8_t*>(in);
        r.input.assign(p, p + std::min<size_t>(inLen, kLogInputBytes));
    }
    log_.push_back(std::move(r));
    ++counts_[{static_cast<uint32_t>(op), code}];
    return log_.back();
}

uint32_t Simulator::callCount(Op op, int32_t code) const
{
    uint32_t n = 0;
    for (const auto& [key, count] : counts_)
        if (key.first == static_cast<uint32_t>(op) && (code < 0 || key.second == code)) n += count;
    return n;
}

void Simulator::clearCallLog()
{
    log_.clear();
    counts_.clear();
}

bool Simulator::takeFailure(Op op, int32_t code, int32_t selector, uint16_t& status)
{
    for (auto it = failures_.begin(); it != failures_.end(); ++it) {
        Failure& f = *it;
        if (f.op != op) continue;
        if (f.code != -1 && f.code != code) continue;
        if (f.selector != -1 && f.selector != selector) continue;
        if (f.skip) {
            --f.skip;
            continue;
        }
        status = f.status;
        if (f.times && --f.times == 0) failures_.erase(it);
        return true;
    }
    return false;
}

Engine* Simulator::engineFor(int32_t handle)
{
    if (handle == -1) return &engines_[0];
    auto it = connections_.find(handle);
    return it == connections_.end() ? nullptr : &engines_[it->second];
}

ResourceUsage Simulator::effectiveUsage(const Engine& e) const
{
    ResourceUsage u = e.usage;
    const size_t counts[3] = {e.files.size(), handleCount(e), e.clients.size()};
    const int rows[3] = {0, 1, 4};
    for (int k = 0; k < 3; ++k) {
        Level& l = u.rows[rows[k]];
        if (l.derivedCurrent) l.current = static_cast<uint32_t>(counts[k]);
        if (l.derivedPeak) l.peak = std::max(l.peak, l.current);
    }
    return u;
}

SqlUsage Simulator::effectiveSqlUsage(const Engine& e) const
{
    SqlUsage s = e.sqlUsage;
    Level& r3 = s.res[2];
    if (r3.derivedCurrent) r3.current = static_cast<uint32_t>(std::min<size_t>(e.sessions.size(), 0xFFFE));
    if (r3.derivedPeak) r3.peak = std::max(r3.peak, r3.current);
    return s;
}

// ---------------------------------------------------------------- demo

uint64_t Simulator::clockMs() const
{
    uint64_t ms = manualMs_;
    if (scenario_.demo.enabled && scenario_.demo.realTime)
        ms += static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                        std::chrono::steady_clock::now() - loadedAt_)
                                        .count());
    return ms;
}

uint64_t Simulator::nextRandom()
{
    // splitmix64: small, and the same sequence on every platform.
    uint64_t z = (rng_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

void Simulator::buildWalkers()
{
    levelWalkers_.clear();
    counterWalkers_.clear();
    // A level moves below its maximum, or around where it started when it has
    // none; it never reaches the record's no-maximum mark.
    auto level = [&](Level& l, uint32_t none, uint32_t width) {
        uint32_t hi;
        if (l.max != none && l.max != 0) {
            hi = l.max;
        } else {
            uint64_t h = static_cast<uint64_t>(std::max(l.peak, l.current)) * 2 + 10;
            hi = static_cast<uint32_t>(std::min<uint64_t>(h, width));
        }
        if (hi >= none && none) hi = none - 1;
        levelWalkers_.push_back({&l, hi, std::min(l.current, hi)});
    };
    auto counter = [&](uint32_t& v, uint32_t rate) { counterWalkers_.push_back({&v, rate}); };
    for (Engine& e : engines_) {
        for (int r = 0; r < 7; ++r) {
            Level& l = e.usage.rows[r];
            if (l.derivedCurrent) continue;
            level(l, r == 5 ? 0xFFFFFFFFu : 0u, 0xFFFFFFFEu);
        }
        for (CommStats* c : {&e.comm, &e.sqlComm}) {
            level(c->gauge1, 0, 0xFFFFFFFEu);
            level(c->gauge2, 0, 0xFFFFFFFEu);
            counter(c->total, 40);
            counter(c->counterX, 12);
            counter(c->counterY, 6);
            for (ProtocolEntry& p : c->protocols) counter(p.count, 20);
        }
        for (Level& l : e.sqlUsage.res)
            if (!l.derivedCurrent) level(l, 0xFFFF, 0xFFFE);
        level(e.sqlUsage.res4, 0xFFFF, 0xFFFE);
        counter(e.sqlUsage.figure28, 25);
    }
}

void Simulator::demoStep()
{
    for (LevelWalker& w : levelWalkers_) {
        Level& l = *w.level;
        int64_t spread = std::max<int64_t>(1, w.hi / 16);
        int64_t delta = static_cast<int64_t>(nextRandom() % static_cast<uint64_t>(2 * spread + 1)) - spread;
        // Drift back toward where the figure started, so it wanders but stays plausible.
        delta += (static_cast<int64_t>(w.home) - static_cast<int64_t>(l.current)) / 8;
        int64_t v = std::clamp<int64_t>(static_cast<int64_t>(l.current) + delta, 0, w.hi);
        l.current = static_cast<uint32_t>(v);
        if (l.current > l.peak) l.peak = l.current;
    }
    for (CounterWalker& c : counterWalkers_)
        *c.value += static_cast<uint32_t>(nextRandom() % (c.rate + 1));
}

void Simulator::syncDemo()
{
    if (!scenario_.demo.enabled) return;
    uint64_t target = clockMs() / scenario_.demo.stepMs;
    if (target <= stepsDone_) return;
    // After a long pause only the latest steps are walked.
    uint64_t n = std::min<uint64_t>(target - stepsDone_, 1000);
    for (uint64_t i = 0; i < n; ++i) demoStep();
    stepsDone_ = target;
}

// ---------------------------------------------------------------- DBUGetInfo

uint16_t Simulator::getInfo(int32_t handle, uint16_t selector, uint16_t code, uint32_t inLen,
                            const void* in, uint32_t outCap, void* out)
{
    logCall(Op::GetInfo, handle, selector, code, inLen, in, outCap);
    uint16_t st = getInfoImpl(handle, selector, code, inLen, in, outCap, out);
    log_.back().status = st;
    return st;
}

uint16_t Simulator::getInfoImpl(int32_t handle, uint16_t selector, uint16_t code, uint32_t inLen,
                                const void* in, uint32_t outCap, void* out)
{
    if ((inLen && !in) || inLen > kMaxInput || (outCap && !out)) return kInvalidInput;
    // The input is copied first: request 5302 passes one buffer as input and output.
    Bytes input;
    if (inLen) input.assign(static_cast<const uint8_t*>(in), static_cast<const uint8_t*>(in) + inLen);
    syncDemo();

    uint16_t injected = 0;
    bool failed = takeFailure(Op::GetInfo, code, selector, injected);
    if (failed && injected != kBufferTooSmall) return injected;
    Engine* e = engineFor(handle);
    if (!e) return failed ? injected : kInvalidHandle;

    Answer a = answerGetInfo(*e, selector, code, input, outCap);
    uint8_t* o = static_cast<uint8_t*>(out);
    switch (a.kind) {
    case Answer::StatusOnly:
        return failed ? injected : a.status;
    case Answer::Fixed:
        if (failed || outCap < a.bytes.size()) return kBufferTooSmall;
        copyOut(o, a.bytes.data(), a.bytes.size());
        return kOk;
    case Answer::Sized:
        if (failed || outCap < a.bytes.size()) {
            // The size needed travels in the first four bytes.
            if (outCap >= 4) {
                Bytes need;
                Writer(need).u32(static_cast<uint32_t>(a.bytes.size()));
                copyOut(o, need.data(), 4);
            }
            return kBufferTooSmall;
        }
        copyOut(o, a.bytes.data(), a.bytes.size());
        return kOk;
    case Answer::Paged:
        return deliverPaged(a.entries, a.start, a.position, a.pageSize, outCap, o, failed);
    case Answer::Chunked:
        return deliverChunk(a.entries, a.start, a.pageSize, outCap, o, failed);
    }
    return kInvalidRequest;
}

Simulator::Answer Simulator::answerGetInfo(Engine& e, uint16_t sel, uint16_t code,
                                           const Bytes& in, uint32_t outCap)
{
    using A = Answer;
    Reader key(in);
    auto paged = [](std::vector<Bytes> entries, uint32_t position, uint32_t pageSize) {
        A a;
        a.kind = A::Paged;
        a.position = position;
        a.start = startIndex(position, entries.size());
        a.pageSize = pageSize;
        a.entries = std::move(entries);
        return a;
    };
    auto comm = [&](const CommStats& c) {
        return A::fixed(commRecord(c, outCap >= kCommExtendedSize));
    };
    auto findClient = [&](size_t at) -> int {
        if (!key.has(at, 20)) return -1;
        for (size_t i = 0; i < e.clients.size(); ++i)
            if (key.equals(at, clientKey(e.clients[i]).data(), 20)) return static_cast<int>(i);
        return -1;
    };
    auto findSession = [&]() -> Session* {
        for (Session& s : e.sessions)
            if (key.equals(0, sessionKey(s).data(), kSessionKeySize)) return &s;
        return nullptr;
    };

    switch (code) {
    case 1:   // SQL resource usage, or the SQL side's communications statistics
        if (isSqlSelector(sel)) {
            if (!served(e, sel)) return A::status_(kNotPresent);
            return A::fixed(sqlUsageRecord(effectiveSqlUsage(e)));
        }
        if (sel == 4) {
            if (!served(e, 4)) return A::status_(kNotPresent);
            return comm(e.sqlComm);
        }
        return A::status_(kInvalidRequest);

    case 3:
    case 4:
    case 8: {
        if (!isSqlSelector(sel)) return A::status_(kInvalidRequest);
        if (!served(e, sel)) return A::status_(kNotPresent);
        if (code == 8) return A::sized(sessionList(e.sessions));
        if (in.size() < kSessionKeySize) return A::status_(kInvalidInput);
        Session* s = findSession();
        if (!s) return A::status_(kSessionUnknown);
        if (code == 3) {
            if (s->detailStatus) return A::status_(s->detailStatus);
            return A::sized(sessionDetail(*s));
        }
        // Cursor key: session key, cursor id, then the cursor's identifying block.
        if (in.size() < kSessionKeySize + 4) return A::status_(kInvalidInput);
        uint16_t cursorId = key.u16(9);
        uint16_t m = key.u16(11);
        if (!key.has(11, m)) return A::status_(kInvalidInput);
        for (const Cursor& c : s->cursors) {
            if (c.id != cursorId) continue;
            Bytes block = cursorBlock(c);
            if (block.size() != m || !key.equals(11, block.data(), block.size()))
                return A::status_(kNotAvailable);
            if (c.detailStatus) return A::status_(c.detailStatus);
            return A::sized(cursorDetail(c));
        }
        return A::status_(kNotAvailable);
    }

    case 9:
        if (!isCommSelector(sel)) return A::status_(kInvalidRequest);
        if (!served(e, sel)) return A::status_(kNotPresent);
        return comm(e.comm);

    case 11:
    case 12:
    case 13:
    case 14:
    case 15:
    case 16:
    case 1808:
        break;   // record engine, below

    case 5300:
    case 5302: {
        if (!isKindSelector(sel)) return A::status_(kInvalidRequest);
        if (!e.connMgr.present) return A::status_(kNotPresent);
        if (code == 5302) {
            Bytes b;
            Writer(b).u16(e.connMgr.word5302);
            return A::fixed(std::move(b));
        }
        if (in.size() < 8) return A::status_(kInvalidInput);
        int32_t position = static_cast<int32_t>(key.u32(0));
        if (position < -1) return A::status_(kInvalidInput);
        A a;
        a.kind = A::Chunked;
        for (const Connection& c : e.connMgr.connections) a.entries.push_back(connectionEntry(c));
        a.start = startIndex(static_cast<uint32_t>(position), a.entries.size());
        a.pageSize = e.pages.connections;
        return a;
    }

    default:
        return A::status_(kInvalidRequest);
    }

    if (!isRecordSelector(sel)) return A::status_(kInvalidRequest);
    if (!served(e, sel)) return A::status_(kNotPresent);
    switch (code) {
    case 15:
        return A::fixed(usageRecord(effectiveUsage(e)));
    case 1808:
        return A::fixed(extraUsageRecord(effectiveUsage(e)));
    case 16: {
        int c = findClient(0);
        if (c < 0) return A::status_(in.size() < 20 ? kInvalidInput : kClientUnknown);
        if (e.clients[c].info.status) return A::status_(e.clients[c].info.status);
        return A::fixed(clientInfoRecord(e.clients[c]));
    }
    case 11: {
        if (in.size() < 8) return A::status_(kInvalidInput);
        std::vector<Bytes> entries;
        for (const Client& c : e.clients) entries.push_back(clientEntry(c));
        return paged(std::move(entries), key.u32(0), e.pages.clients);
    }
    case 12: {
        if (in.size() < 8) return A::status_(kInvalidInput);
        std::vector<Bytes> entries;
        for (const File& f : e.files) entries.push_back(fileEntry(f));
        return paged(std::move(entries), key.u32(0), e.pages.files);
    }
    case 13: {
        if (in.size() < 28) return A::status_(kInvalidInput);
        int c = findClient(0);
        if (c < 0) return A::status_(kClientUnknown);
        std::vector<Bytes> entries;
        for (const File& f : e.files)
            for (const FileHandle& h : f.handles)
                if (h.client == static_cast<size_t>(c)) entries.push_back(clientHandleEntry(h, f));
        return paged(std::move(entries), key.u32(20), e.pages.clientHandles);
    }
    case 14: {
        // Key: total length, file id, position, 0, the file's path and its NUL.
        const uint32_t len = key.u32(0);
        if (in.size() < 17 || len < 17 || len > in.size()) return A::status_(kInvalidInput);
        const uint8_t* path = key.at(16);
        const void* nul = std::memchr(path, 0, len - 16);
        if (!nul) return A::status_(kInvalidInput);
        std::string p(reinterpret_cast<const char*>(path),
                      static_cast<size_t>(static_cast<const uint8_t*>(nul) - path));
        uint32_t id = key.u32(4);
        for (const File& f : e.files) {
            if (f.id != id || f.path != p) continue;
            std::vector<Bytes> entries;
            for (const FileHandle& h : f.handles) entries.push_back(fileHandleEntry(h, e.clients[h.client]));
            return paged(std::move(entries), key.u32(8), e.pages.fileHandles);
        }
        return A::status_(kFileUnknown);
    }
    }
    return A::status_(kInvalidRequest);
}

// ---------------------------------------------------------------- DBUSetInfo

uint16_t Simulator::setInfo(int32_t handle, uint16_t selector, uint16_t code, uint32_t inLen,
                            const void* in)
{
    logCall(Op::SetInfo, handle, selector, code, inLen, in, 0);
    uint16_t st = setInfoImpl(handle, selector, code, inLen, in);
    log_.back().status = st;
    return st;
}

uint16_t Simulator::setInfoImpl(int32_t handle, uint16_t selector, uint16_t code, uint32_t inLen,
                                const void* in)
{
    if ((inLen && !in) || inLen > kMaxInput) return kInvalidInput;
    Bytes input;
    if (inLen) input.assign(static_cast<const uint8_t*>(in), static_cast<const uint8_t*>(in) + inLen);
    uint16_t injected = 0;
    if (takeFailure(Op::SetInfo, code, selector, injected)) return injected;
    Engine* e = engineFor(handle);
    if (!e) return kInvalidHandle;
    Reader key(input);

    switch (code) {
    case 1: {   // end a SQL session
        if (!isSqlSelector(selector)) return kInvalidRequest;
        if (!served(*e, selector)) return kNotPresent;
        if (input.size() < kSessionKeySize) return kInvalidInput;
        for (auto it = e->sessions.begin(); it != e->sessions.end(); ++it)
            if (key.equals(0, sessionKey(*it).data(), kSessionKeySize)) {
                e->sessions.erase(it);
                return kOk;
            }
        return kSessionUnknown;
    }
    case 10:   // disconnect a record-engine client
        if (!isRecordSelector(selector)) return kInvalidRequest;
        if (!served(*e, selector)) return kNotPresent;
        return disconnectClient(*e, input);
    case 5301: {   // end connection-manager connections
        if (!isKindSelector(selector)) return kInvalidRequest;
        if (!e->connMgr.present) return kNotPresent;
        if (input.size() < 16 || key.u16(0) != 1) return kInvalidInput;
        uint32_t id1 = key.u32(8), id2 = key.u32(12);
        auto& list = e->connMgr.connections;
        for (auto it = list.begin(); it != list.end(); ++it)
            if (it->id1 == id1 && it->id2 == id2) {
                list.erase(it);
                return kOk;
            }
        return kClientUnknown;
    }
    }
    return kInvalidRequest;
}

// Every connection of the client goes, with the handles it held; a file whose
// last handle went is closed.
uint16_t Simulator::disconnectClient(Engine& e, const Bytes& in)
{
    if (in.size() < 16) return kInvalidInput;
    std::vector<bool> gone(e.clients.size(), false);
    bool any = false;
    for (size_t i = 0; i < e.clients.size(); ++i)
        if (std::memcmp(clientId(e.clients[i]).data(), in.data(), 16) == 0) gone[i] = any = true;
    if (!any) return kClientUnknown;

    std::vector<size_t> newIndex(e.clients.size(), 0);
    std::vector<Client> kept;
    for (size_t i = 0; i < e.clients.size(); ++i) {
        if (gone[i]) continue;
        newIndex[i] = kept.size();
        kept.push_back(std::move(e.clients[i]));
    }
    e.clients = std::move(kept);

    std::vector<File> files;
    for (File& f : e.files) {
        bool hadHandles = !f.handles.empty();
        std::vector<FileHandle> handles;
        for (FileHandle& h : f.handles) {
            if (gone[h.client]) continue;
            h.client = newIndex[h.client];
            handles.push_back(std::move(h));
        }
        f.handles = std::move(handles);
        if (hadHandles && f.handles.empty()) continue;
        files.push_back(std::move(f));
    }
    e.files = std::move(files);
    return kOk;
}

// ---------------------------------------------------------------- versions, connections

uint16_t Simulator::getVersion(int32_t handle, uint16_t component, uint16_t reserved, uint32_t cap,
                               void* out)
{
    // Logged with the component as the code and the reserved word as the selector.
    logCall(Op::GetVersion, handle, reserved, component, 0, nullptr, cap);
    uint16_t st = [&]() -> uint16_t {
        if (cap && !out) return kInvalidInput;
        uint16_t injected = 0;
        if (takeFailure(Op::GetVersion, component, component, injected)) return injected;
        Engine* e = engineFor(handle);
        if (!e) return kInvalidHandle;
        auto it = e->components.find(component);
        if (it == e->components.end()) return kNotPresent;
        if (it->second.status) return it->second.status;
        if (cap < kVersionRecordSize) return kBufferTooSmall;
        Bytes rec = versionRecord(it->second);
        copyOut(out, rec.data(), rec.size());
        return kOk;
    }();
    log_.back().status = st;
    return st;
}

uint16_t Simulator::connect(const char* server, const char* user, const char* password,
                            int32_t* handle)
{
    size_t nameLen = server ? std::strlen(server) : 0;
    logCall(Op::Connect, 0, 0, 0, static_cast<uint32_t>(nameLen), server, 0);
    uint16_t st = [&]() -> uint16_t {
        if (!server || !user || !password || !handle) return kInvalidInput;
        uint16_t injected = 0;
        if (takeFailure(Op::Connect, 0, -1, injected)) return injected;
        for (size_t i = 0; i < scenario_.servers.size(); ++i) {
            const Server& s = scenario_.servers[i];
            if (!equalsNoCase(s.name, server)) continue;
            if (!equalsNoCase(s.user, user) || s.password != password) return kLoginFailed;
            if (s.connectStatus) return s.connectStatus;
            int32_t h = nextHandle_++;
            if (nextHandle_ <= 0) nextHandle_ = 1;
            connections_[h] = i + 1;
            *handle = h;
            return kOk;
        }
        return kServerUnknown;
    }();
    log_.back().status = st;
    return st;
}

uint16_t Simulator::disconnect(int32_t* handle)
{
    logCall(Op::Disconnect, handle ? *handle : 0, 0, 0, 0, nullptr, 0);
    uint16_t st = [&]() -> uint16_t {
        if (!handle) return kInvalidInput;
        uint16_t injected = 0;
        if (takeFailure(Op::Disconnect, 0, -1, injected)) return injected;
        return connections_.erase(*handle) ? kOk : kInvalidHandle;
    }();
    log_.back().status = st;
    return st;
}

uint16_t Simulator::start()
{
    logCall(Op::Start, 0, 0, 0, 0, nullptr, 0);
    uint16_t st = [&]() -> uint16_t {
        uint16_t injected = 0;
        if (takeFailure(Op::Start, 0, -1, injected)) return injected;
        if (loadFailed_) return kScenarioError;
        if (scenario_.startStatus) return scenario_.startStatus;
        started_ = true;
        return kOk;
    }();
    log_.back().status = st;
    return st;
}

uint16_t Simulator::stop()
{
    logCall(Op::Stop, 0, 0, 0, 0, nullptr, 0);
    uint16_t st = [&]() -> uint16_t {
        uint16_t injected = 0;
        if (takeFailure(Op::Stop, 0, -1, injected)) return injected;
        if (scenario_.stopStatus) return scenario_.stopStatus;
        // Stopping ends the remote connections.
        started_ = false;
        connections_.clear();
        return kOk;
    }();
    log_.back().status = st;
    return st;
}

}  // namespace gantry::sim
