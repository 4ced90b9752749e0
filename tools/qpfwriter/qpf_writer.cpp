#include "qpf_writer.h"

#include <cstdio>
#include <cstring>

namespace qpfw {

namespace {

constexpr uint32_t kRootSlots = 60;
constexpr uint32_t kPlanHeader = 4 + 4 * kRootSlots;

// Per type: byte size and the offsets of its uint32 fields (the type at 0
// not included). Type 3 keeps bytes 8..127 for its table name.
struct TypeInfo {
    uint32_t size;
    std::vector<uint32_t> fields;
    uint32_t next; // offset of the next link, 0: the chain ends at this type
};

const TypeInfo& typeInfo(uint32_t type)
{
    static const TypeInfo unknown{8, {4}, 0};
    static const TypeInfo info[11] = {
        {16, {4, 8, 12}, 12},          // 1 join: method, inner chain, next
        {20, {4, 8, 12, 16}, 16},      // 2 restriction: column, operator, selectivity, next
        {140, {4, 128, 132, 136}, 0},  // 3 table: id, name, rows, pages, flags
        {8, {4}, 4},                   // 4 projection
        {16, {4, 8, 12}, 8},           // 5 sort: keys, next, direction
        {12, {4, 8}, 8},               // 6 group: members chain, next
        {8, {4}, 4},                   // 7 distinct
        {8, {4}, 4},                   // 8 aggregate
        {20, {4, 8, 12, 16}, 16},      // 9 index: id, key count, key array, next
        {8, {4}, 4},                   // 10 union
        {16, {4, 8, 12}, 8},           // 11 temporary: rows, next, bytes
    };
    return type >= 1 && type <= 11 ? info[type - 1] : unknown;
}

void put16(Bytes& b, uint16_t v, ByteOrder order)
{
    if (order == ByteOrder::Big) {
        b.push_back(static_cast<uint8_t>(v >> 8));
        b.push_back(static_cast<uint8_t>(v));
    } else {
        b.push_back(static_cast<uint8_t>(v));
        b.push_back(static_cast<uint8_t>(v >> 8));
    }
}

void setNext(PlanBuilder& p, uint32_t node, uint32_t type, uint32_t target)
{
    p.field(node, typeInfo(type).next, target);
}

// Deterministic small generator, so that every seed gives the same file.
struct Mix {
    uint32_t state;
    explicit Mix(uint32_t seed) : state(seed * 2654435761u + 0x9E3779B9u) {}
    uint32_t next()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
    uint32_t below(uint32_t n) { return (next() >> 8) % n; }
};

const char* const kTables[] = {"CUSTOMERS", "ORDERS", "ORDER_LINES", "PRODUCTS", "SUPPLIERS",
                               "INVOICES", "PAYMENTS", "WAREHOUSES", "SHIPMENTS", "EMPLOYEES"};

} // namespace

uint32_t nodeSize(uint32_t type) { return typeInfo(type).size; }

PlanBuilder::PlanBuilder() : bytes_(kPlanHeader, 0)
{
    for (uint32_t at = 0; at < kPlanHeader; at += 4) markInt(at);
}

void PlanBuilder::markInt(uint32_t at) { ints_.push_back(at); }

void PlanBuilder::put32(uint32_t at, uint32_t value)
{
    if (at + 4 > bytes_.size()) return;
    for (int i = 0; i < 4; ++i) bytes_[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t PlanBuilder::node(uint32_t type)
{
    const TypeInfo& info = typeInfo(type);
    const uint32_t at = size();
    bytes_.resize(bytes_.size() + info.size, 0);
    markInt(at);
    put32(at, type);
    for (uint32_t f : info.fields) markInt(at + f);
    return at;
}

void PlanBuilder::field(uint32_t node, uint32_t fieldOffset, uint32_t value)
{
    put32(node + fieldOffset, value);
}

void PlanBuilder::name(uint32_t node, const std::string& text)
{
    const size_t n = text.size() < 119 ? text.size() : 119;
    if (node + 8 + 120 > bytes_.size()) return;
    std::memcpy(&bytes_[node + 8], text.data(), n);
}

uint32_t PlanBuilder::array(const std::vector<std::pair<uint32_t, uint32_t>>& entries)
{
    const uint32_t at = size();
    bytes_.resize(bytes_.size() + 8 * entries.size(), 0);
    for (size_t i = 0; i < entries.size(); ++i) {
        const uint32_t e = at + static_cast<uint32_t>(8 * i);
        markInt(e);
        markInt(e + 4);
        put32(e, entries[i].first);
        put32(e + 4, entries[i].second);
    }
    return at;
}

void PlanBuilder::root(uint32_t offset)
{
    if (nextRoot_ < kRootSlots) rootSlot(nextRoot_++, offset);
}

void PlanBuilder::rootSlot(uint32_t index, uint32_t value)
{
    if (index < kRootSlots) put32(4 + 4 * index, value);
}

void PlanBuilder::pad(uint32_t n) { bytes_.resize(bytes_.size() + n, 0); }

void PlanBuilder::truncate(uint32_t n)
{
    if (n < bytes_.size()) bytes_.resize(n);
}

Bytes PlanBuilder::bytes(ByteOrder order) const
{
    Bytes out = bytes_;
    const uint32_t word0 = word0Set_ ? word0_ : size();
    for (int i = 0; i < 4 && static_cast<size_t>(i) < out.size(); ++i)
        out[i] = static_cast<uint8_t>(word0 >> (8 * i));
    if (order == ByteOrder::Big) {
        for (uint32_t at : ints_) {
            if (at + 4 > out.size()) continue;
            std::swap(out[at], out[at + 3]);
            std::swap(out[at + 1], out[at + 2]);
        }
    }
    return out;
}

std::string sampleStatement(uint32_t seed)
{
    Mix mix(seed);
    const uint32_t year = 2019 + mix.below(8);
    const uint32_t month = 1 + mix.below(12);
    const uint32_t amount = 100 * (1 + mix.below(250));
    const uint32_t region = 1 + mix.below(40);
    char date[16];
    std::snprintf(date, sizeof date, "%04u-%02u-01", year, month);
    char buf[1024];
    switch (seed % 12) {
    case 0:
        std::snprintf(buf, sizeof buf,
                      "SELECT c.CustomerName, SUM(l.Quantity * l.UnitPrice) AS Total\r\n"
                      "FROM Customers c\r\n"
                      "  JOIN Orders o ON o.CustomerId = c.CustomerId\r\n"
                      "  JOIN OrderLines l ON l.OrderId = o.OrderId\r\n"
                      "WHERE o.OrderDate >= '%s'\r\n"
                      "GROUP BY c.CustomerName\r\n"
                      "ORDER BY Total DESC",
                      date);
        break;
    case 1:
        std::snprintf(buf, sizeof buf,
                      "SELECT p.ProductId, p.Description, p.UnitsInStock\r\n"
                      "FROM Products p\r\n"
                      "WHERE p.UnitsInStock < %u AND p.Discontinued = 0\r\n"
                      "ORDER BY p.UnitsInStock",
                      amount / 10);
        break;
    case 2:
        std::snprintf(buf, sizeof buf,
                      "UPDATE Invoices\r\n"
                      "SET Status = 'OVERDUE'\r\n"
                      "WHERE DueDate < '%s' AND PaidAmount < TotalAmount",
                      date);
        break;
    case 3:
        std::snprintf(buf, sizeof buf,
                      "SELECT s.SupplierName, COUNT(*) AS Products, AVG(p.UnitPrice) AS AvgPrice\r\n"
                      "FROM Suppliers s\r\n"
                      "  JOIN Products p ON p.SupplierId = s.SupplierId\r\n"
                      "GROUP BY s.SupplierName\r\n"
                      "HAVING COUNT(*) > %u",
                      1 + mix.below(20));
        break;
    case 4:
        std::snprintf(buf, sizeof buf,
                      "DELETE FROM Shipments\r\n"
                      "WHERE Delivered = 1 AND ShipDate < '%s'",
                      date);
        break;
    case 5:
        std::snprintf(buf, sizeof buf,
                      "SELECT e.LastName, e.FirstName, w.WarehouseName\r\n"
                      "FROM Employees e\r\n"
                      "  LEFT OUTER JOIN Warehouses w ON w.ManagerId = e.EmployeeId\r\n"
                      "WHERE e.RegionId = %u\r\n"
                      "ORDER BY e.LastName, e.FirstName",
                      region);
        break;
    case 6:
        std::snprintf(buf, sizeof buf,
                      "INSERT INTO OrderArchive (OrderId, CustomerId, OrderDate, Total)\r\n"
                      "SELECT o.OrderId, o.CustomerId, o.OrderDate, SUM(l.Quantity * l.UnitPrice)\r\n"
                      "FROM Orders o JOIN OrderLines l ON l.OrderId = o.OrderId\r\n"
                      "WHERE o.OrderDate < '%s'\r\n"
                      "GROUP BY o.OrderId, o.CustomerId, o.OrderDate",
                      date);
        break;
    case 7:
        std::snprintf(buf, sizeof buf,
                      "SELECT DISTINCT c.City, c.Country\r\n"
                      "FROM Customers c\r\n"
                      "WHERE EXISTS (SELECT * FROM Orders o\r\n"
                      "              WHERE o.CustomerId = c.CustomerId AND o.Freight > %u)",
                      amount / 100);
        break;
    case 8:
        std::snprintf(buf, sizeof buf,
                      "SELECT i.InvoiceId, i.TotalAmount, p.PaidOn, p.Amount\r\n"
                      "FROM Invoices i\r\n"
                      "  JOIN Payments p ON p.InvoiceId = i.InvoiceId\r\n"
                      "WHERE i.TotalAmount > %u\r\n"
                      "UNION\r\n"
                      "SELECT i.InvoiceId, i.TotalAmount, NULL, 0\r\n"
                      "FROM Invoices i\r\n"
                      "WHERE NOT EXISTS (SELECT * FROM Payments p WHERE p.InvoiceId = i.InvoiceId)",
                      amount);
        break;
    case 9:
        std::snprintf(buf, sizeof buf,
                      "SELECT w.WarehouseName, p.Description, SUM(s.Quantity) AS Shipped\r\n"
                      "FROM Warehouses w\r\n"
                      "  JOIN Shipments s ON s.WarehouseId = w.WarehouseId\r\n"
                      "  JOIN Products p ON p.ProductId = s.ProductId\r\n"
                      "WHERE s.ShipDate BETWEEN '%s' AND '%04u-12-31'\r\n"
                      "GROUP BY w.WarehouseName, p.Description\r\n"
                      "ORDER BY Shipped DESC",
                      date, year);
        break;
    case 10:
        std::snprintf(buf, sizeof buf,
                      "UPDATE Products\r\n"
                      "SET UnitPrice = UnitPrice * 1.05\r\n"
                      "WHERE SupplierId IN (SELECT SupplierId FROM Suppliers WHERE RegionId = %u)",
                      region);
        break;
    default:
        std::snprintf(buf, sizeof buf,
                      "SELECT COUNT(*) FROM Orders o\r\n"
                      "WHERE o.CustomerId = %u AND o.OrderDate >= '%s'",
                      1000 + mix.below(9000), date);
        break;
    }
    return buf;
}

PlanBuilder samplePlan(uint32_t seed)
{
    Mix mix(seed + 77);
    PlanBuilder p;
    auto table = [&](uint32_t id) {
        const uint32_t t = p.node(3);
        p.field(t, 4, id);
        p.name(t, kTables[id % 10]);
        p.field(t, 128, 100 + mix.below(2000000));
        p.field(t, 132, 1 + mix.below(50000));
        p.field(t, 136, mix.below(4));
        return t;
    };

    // Root 1, the query body: projection, aggregate, distinct, then joins,
    // a sort and a grouping step whose members end in a union.
    const uint32_t proj = p.node(4);
    const uint32_t agg = p.node(8);
    const uint32_t dist = p.node(7);
    setNext(p, proj, 4, agg);
    setNext(p, agg, 8, dist);
    uint32_t prev = dist, prevType = 7;
    const uint32_t joins = 1 + mix.below(6);
    for (uint32_t j = 0; j < joins; ++j) {
        const uint32_t join = p.node(1);
        p.field(join, 4, 1 + mix.below(3));
        setNext(p, prev, prevType, join);
        const uint32_t r = p.node(2);
        p.field(r, 4, 1 + mix.below(24));
        p.field(r, 8, 1 + mix.below(6));
        p.field(r, 12, mix.below(1000));
        const uint32_t ix = p.node(9);
        p.field(ix, 4, 1 + mix.below(16));
        std::vector<std::pair<uint32_t, uint32_t>> keys;
        const uint32_t keyCount = 1 + mix.below(4);
        for (uint32_t k = 0; k < keyCount; ++k) keys.emplace_back(1 + mix.below(24), mix.below(2));
        const uint32_t arr = p.array(keys);
        p.field(ix, 8, keyCount);
        p.field(ix, 12, arr);
        const uint32_t t = table(j + mix.below(10));
        p.field(join, 8, r);
        setNext(p, r, 2, ix);
        setNext(p, ix, 9, t);
        prev = join;
        prevType = 1;
    }
    const uint32_t sort = p.node(5);
    p.field(sort, 4, 1 + mix.below(3));
    p.field(sort, 12, mix.below(2));
    setNext(p, prev, prevType, sort);
    const uint32_t grp = p.node(6);
    setNext(p, sort, 5, grp);
    const uint32_t tmp = p.node(11);
    p.field(tmp, 4, 10 + mix.below(100000));
    p.field(tmp, 12, 4096 * (1 + mix.below(64)));
    const uint32_t uni = p.node(10);
    const uint32_t t2 = table(mix.below(10));
    p.field(grp, 4, tmp);
    p.field(grp, 8, 0); // the grouping step ends the body
    setNext(p, tmp, 11, uni);
    setNext(p, uni, 10, t2);
    p.root(proj);

    // Root 2, a subquery: a restriction over one table.
    const uint32_t r2 = p.node(2);
    p.field(r2, 4, 1 + mix.below(24));
    p.field(r2, 8, 1 + mix.below(6));
    p.field(r2, 12, mix.below(1000));
    const uint32_t t3 = table(mix.below(10));
    setNext(p, r2, 2, t3);
    p.root(r2);
    return p;
}

PlanBuilder loopingPlan()
{
    PlanBuilder p;
    // A chain of three nodes whose last links back to the first, and a
    // join whose inner chain points back at the join itself.
    const uint32_t a = p.node(4);
    const uint32_t b = p.node(7);
    const uint32_t c = p.node(5);
    setNext(p, a, 4, b);
    setNext(p, b, 7, c);
    setNext(p, c, 5, a);
    const uint32_t j = p.node(1);
    p.field(j, 8, j);
    p.field(j, 12, a);
    p.root(a);
    p.root(j);
    p.root(a); // a second root on the same chain
    return p;
}

PlanBuilder outsidePlan()
{
    PlanBuilder p;
    // Root 1: a restriction whose next link points far past the end.
    const uint32_t r = p.node(2);
    p.field(r, 16, 60000);
    p.root(r);
    // Root 2: an index node whose key array runs past the end.
    const uint32_t ix = p.node(9);
    p.field(ix, 8, 0x20000000); // count × 8 overflows 32 bits
    p.field(ix, 12, ix);
    p.root(ix);
    // Root 3: a table node that starts 20 bytes before the end.
    p.pad(8);
    const uint32_t t = p.node(3);
    p.root(t);
    // Root 4: a link into the middle of the root table.
    p.root(8);
    p.truncate(t + 20);
    return p;
}

PlanBuilder cutRootTablePlan()
{
    PlanBuilder p;
    p.rootSlot(0, 300);
    for (uint32_t i = 1; i < 60; ++i) p.rootSlot(i, 9999);
    p.truncate(100);
    return p;
}

Bytes fileHeader(ByteOrder order, uint16_t version, bool magicOk)
{
    Bytes b = {'S', 'P', static_cast<uint8_t>(magicOk ? 'Y' : 'X'), 0};
    put16(b, version, order);
    b.push_back(order == ByteOrder::Big ? 0 : 1);
    b.push_back(0);
    return b;
}

Bytes record(ByteOrder order, const std::string& statement, const Bytes& plan, bool magicOk)
{
    Bytes b = {'Q', 'R', static_cast<uint8_t>(magicOk ? 'Y' : 'X'), 0};
    put16(b, static_cast<uint16_t>(plan.size()), order);
    put16(b, static_cast<uint16_t>(statement.size()), order);
    b.insert(b.end(), statement.begin(), statement.end());
    b.insert(b.end(), plan.begin(), plan.end());
    return b;
}

Bytes buildFile(const FileOptions& opts)
{
    Bytes file = fileHeader(opts.order, opts.version);
    for (uint32_t i = 0; i < opts.plans; ++i) {
        std::string statement = sampleStatement(opts.seed + i);
        if (opts.statementNul) statement.push_back('\0');
        const Bytes plan = samplePlan(opts.seed + i).bytes(opts.order);
        Bytes rec = record(opts.order, statement, plan, static_cast<int32_t>(i) != opts.wrongMagicAt);
        if (i + 1 == opts.plans) {
            switch (opts.cutLast) {
            case FileOptions::Cut::None: break;
            case FileOptions::Cut::Header: rec.resize(5); break;
            case FileOptions::Cut::Statement: rec.resize(8 + statement.size() / 2); break;
            case FileOptions::Cut::Plan: rec.resize(rec.size() - 10); break;
            }
        }
        file.insert(file.end(), rec.begin(), rec.end());
    }
    return file;
}

Bytes demoFile()
{
    FileOptions opts;
    opts.plans = 12;
    opts.seed = 12; // seeds 12..23 run through all twelve kinds of statement
    return buildFile(opts);
}

bool writeFile(const std::string& path, const Bytes& bytes)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

} // namespace qpfw
