#include "records.h"

namespace gantry::sim {

Bytes clientId(const Client& c)
{
    Bytes b;
    Writer w(b);
    w.bytes(c.id.data(), c.id.size());
    w.u16(c.idWord12);
    w.u16(c.idWord14);
    return b;
}

Bytes clientKey(const Client& c)
{
    Bytes b;
    Writer w(b);
    w.u32(c.connection);
    Bytes id = clientId(c);
    w.bytes(id.data(), id.size());
    return b;
}

Bytes usageRecord(const ResourceUsage& u)
{
    const auto& r = u.rows;
    Bytes b;
    Writer w(b);
    for (int i : {0, 1, 2, 3, 4}) w.u32(r[i].peak);
    for (int i : {0, 1, 2, 3, 4}) w.u32(r[i].current);
    for (int i : {0, 1, 3, 4}) w.u32(r[i].max);
    w.u32(r[6].current);
    w.u32(r[6].peak);
    w.u32(r[6].max);
    return b;
}

Bytes extraUsageRecord(const ResourceUsage& u)
{
    Bytes b;
    Writer w(b);
    w.u32(u.rows[5].current);
    w.u32(u.rows[5].peak);
    w.u32(u.rows[5].max);
    return b;
}

Bytes fileEntry(const File& f)
{
    Bytes b;
    Writer w(b);
    w.u32(0);
    w.u32(f.id);
    w.u32(f.value8);
    w.u32(f.value12);
    w.u16(f.value16);
    w.u8(f.byte18);
    w.ch(f.flag19);
    w.ch(f.flag20);
    w.u8(0);
    w.ch(f.flag22);
    w.zeros(2);
    w.cstr(f.path);
    w.patch32(0, static_cast<uint32_t>(b.size()));
    return b;
}

Bytes fileHandleEntry(const FileHandle& h, const Client& holder)
{
    Bytes b;
    Writer w(b);
    w.u32(0);
    w.u32(h.value4);
    Bytes key = clientKey(holder);
    w.bytes(key.data(), key.size());
    w.u32(0);
    w.i32(h.value32);
    w.i16(h.code);
    w.i8(h.openMode);
    w.ch(h.lock);
    w.u8(h.state);
    w.cstr(h.holder);
    w.patch32(0, static_cast<uint32_t>(b.size()));
    return b;
}

Bytes clientEntry(const Client& c)
{
    Bytes b;
    Writer w(b);
    w.u32(0);
    Bytes id = clientId(c);
    w.bytes(id.data(), id.size());
    w.u32(c.connection);
    w.u32(c.value24);
    for (uint32_t f : c.figures) w.u32(f);
    w.i32(c.value52);
    w.u32(c.value56);
    w.i32(c.value60);
    w.i16(c.code64);
    w.u16(c.value66);
    w.cstr(c.name);
    w.patch32(0, static_cast<uint32_t>(b.size()));
    return b;
}

Bytes clientHandleEntry(const FileHandle& h, const File& f)
{
    Bytes b;
    Writer w(b);
    w.u32(0);
    w.u32(f.id);
    w.i16(h.code);
    w.i8(h.openMode);
    w.ch(h.lock);
    w.u8(h.state);
    w.cstr(f.path);
    w.patch32(0, static_cast<uint32_t>(b.size()));
    return b;
}

Bytes clientInfoRecord(const Client& c)
{
    Bytes b;
    Writer w(b);
    Bytes key = clientKey(c);
    w.bytes(key.data(), key.size());
    w.zeros(10);
    w.u16(c.info.state30);
    w.zeros(22);
    w.field(c.info.text54, kClientInfoSize - 54);
    return b;
}

Bytes commRecord(const CommStats& c, bool extended)
{
    Bytes b;
    Writer w(b);
    w.u32(c.total);
    for (uint32_t r : c.reserved) w.u32(r);
    for (const Level* g : {&c.gauge1, &c.gauge2}) {
        w.u32(g->current);
        w.u32(g->peak);
        w.u32(g->max);
    }
    if (extended) {
        w.u32(c.counterX);
        w.u32(c.counterY);
    }
    w.u32(c.protocolCountSet ? c.protocolCount : static_cast<uint32_t>(c.protocols.size()));
    for (size_t i = 0; i < 3; ++i) {
        if (i < c.protocols.size()) {
            const ProtocolEntry& p = c.protocols[i];
            w.u32(p.type);
            w.u32(p.count);
            w.u32(p.figure8);
            w.u32(p.figure12);
        } else {
            w.zeros(16);
        }
    }
    return b;
}

Bytes sqlUsageRecord(const SqlUsage& s)
{
    Bytes b;
    Writer w(b);
    for (const Level& r : s.res) {
        w.u16(static_cast<uint16_t>(r.current));
        w.u16(static_cast<uint16_t>(r.peak));
        w.u16(static_cast<uint16_t>(r.max));
    }
    w.u16(static_cast<uint16_t>(s.res4.current));
    w.u16(static_cast<uint16_t>(s.res4.peak));
    w.bytes(s.reserved22.data(), s.reserved22.size());
    w.u32(s.figure28);
    return b;
}

Bytes sessionKey(const Session& s)
{
    Bytes b;
    Writer w(b);
    w.u16(s.id);
    w.u8(s.stamp4);
    for (int8_t t : s.time) w.i8(t);
    w.u8(s.stamp10);
    return b;
}

namespace {

void sessionEntryInto(Writer& w, Bytes& b, const Session& s)
{
    size_t start = b.size();
    w.u16(0);
    Bytes key = sessionKey(s);
    w.bytes(key.data(), key.size());
    w.field(s.name, 31);
    w.u16(s.flagA);
    w.u16(s.flagB);
    w.u16(s.flagC);
    w.u16(s.word48);
    w.u16(s.kind);
    w.u16(static_cast<uint16_t>(s.firstText.size()));
    w.bytes(s.firstText.data(), s.firstText.size());
    w.u16(static_cast<uint16_t>(s.secondText.size()));
    w.bytes(s.secondText.data(), s.secondText.size());
    w.patch16(start, static_cast<uint16_t>(b.size() - start));
}

}  // namespace

Bytes sessionList(const std::vector<Session>& sessions)
{
    Bytes b;
    Writer w(b);
    w.u16(static_cast<uint16_t>(sessions.size()));
    for (const Session& s : sessions) sessionEntryInto(w, b, s);
    return b;
}

Bytes cursorBlock(const Cursor& c)
{
    Bytes b;
    Writer w(b);
    w.u16(static_cast<uint16_t>(2 + kCursorNameSize + c.extra.size()));
    w.field(c.name, kCursorNameSize + 1);
    b.pop_back();   // a 20-byte name fills its field without a NUL
    w.bytes(c.extra.data(), c.extra.size());
    return b;
}

Bytes sessionDetail(const Session& s)
{
    Bytes b;
    Writer w(b);
    w.u16(s.detailWord0);
    w.u8(s.callGroup);
    w.u8(s.callIndex);
    w.u32(s.counter);
    w.bytes(s.network.data(), s.network.size());
    w.bytes(s.node.data(), s.node.size());
    w.bytes(s.reserved18.data(), s.reserved18.size());
    w.u8(s.state);
    w.u16(static_cast<uint16_t>(s.cursors.size()));
    for (const Cursor& c : s.cursors) {
        size_t start = b.size();
        w.u16(0);
        w.u16(c.word2);
        w.u16(c.id);
        Bytes block = cursorBlock(c);
        w.bytes(block.data(), block.size());
        w.patch16(start, static_cast<uint16_t>(b.size() - start));
    }
    return b;
}

Bytes cursorDetail(const Cursor& c)
{
    Bytes b;
    Writer w(b);
    w.u16(c.detailWord0);
    w.u8(c.byte2);
    w.u8(c.byte3);
    w.u16(static_cast<uint16_t>(c.names.size()));
    for (const std::string& n : c.names) {
        w.u16(static_cast<uint16_t>(2 + n.size() + 1));
        w.cstr(n);
    }
    return b;
}

Bytes connectionEntry(const Connection& c)
{
    Bytes b;
    Writer w(b);
    w.field(c.text0, 65);
    w.field(c.text65, 33);
    w.field(c.text98, 256);
    w.field(c.text354, 41);
    w.field(c.name, 65);
    w.u16(c.state);
    w.u16(c.word462);
    w.i32(c.value464);
    w.i32(c.value468);
    w.u32(c.id1);
    w.u32(c.id2);
    return b;
}

Bytes versionRecord(const VersionAnswer& v)
{
    Bytes b;
    Writer w(b);
    w.u32(v.kind);
    w.u32(v.major);
    w.u32(v.minor);
    w.u32(v.build);
    w.u32(v.reserved);
    return b;
}

}  // namespace gantry::sim
