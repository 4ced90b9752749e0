// Writes query plan files (.QPF): realistic statements with well-formed plans
// of every node type, in either byte order, and the damaged variants that
// tests need. Kept apart from the viewer's own reading code on purpose: the
// layout of each node type is written down here a second time, so that a
// mistake on one side shows up as a difference.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace qpfw {

using Bytes = std::vector<uint8_t>;

enum class ByteOrder { Little, Big };

constexpr uint16_t kVersion = 3101;

// Builds one plan. Integers are kept little-endian with their positions
// noted, so that bytes() can write either byte order.
class PlanBuilder {
public:
    PlanBuilder(); // word 0 and 60 empty root slots (244 bytes)

    // Appends a zero-filled node of the type's size (types 1..11; any other
    // type gets 8 bytes) and returns its offset.
    uint32_t node(uint32_t type);
    // Sets the uint32 at node + fieldOffset.
    void field(uint32_t node, uint32_t fieldOffset, uint32_t value);
    // Type 3: the table name in bytes 8..127 (not an integer; never swapped).
    void name(uint32_t node, const std::string& text);
    // Appends an array of (first, second) uint32 pairs; returns its offset.
    uint32_t array(const std::vector<std::pair<uint32_t, uint32_t>>& entries);
    // Fills the next free root slot.
    void root(uint32_t offset);
    // Sets root slot `index` (0..59) to any value.
    void rootSlot(uint32_t index, uint32_t value);
    // Appends `n` zero bytes that are not integers.
    void pad(uint32_t n);
    // Cuts the plan to `n` bytes (a damaged plan).
    void truncate(uint32_t n);

    uint32_t size() const { return static_cast<uint32_t>(bytes_.size()); }
    // The plan in the given byte order; word 0 holds the plan's length
    // unless set with setWord0.
    Bytes bytes(ByteOrder order) const;
    void setWord0(uint32_t value) { word0_ = value; word0Set_ = true; }

private:
    void put32(uint32_t at, uint32_t value);
    void markInt(uint32_t at);

    Bytes bytes_;
    std::vector<uint32_t> ints_;
    uint32_t nextRoot_ = 0;
    uint32_t word0_ = 0;
    bool word0Set_ = false;
};

// Byte size of a node of `type` as this writer lays it out.
uint32_t nodeSize(uint32_t type);

// A realistic SQL statement, varied by seed (CRLF line breaks, no NUL).
std::string sampleStatement(uint32_t seed);
// A realistic plan that holds every node type 1..11, varied by seed.
PlanBuilder samplePlan(uint32_t seed);

// Damaged plans: links that loop back; links, a node and an array that lie
// outside the plan; a plan cut inside its root table.
PlanBuilder loopingPlan();
PlanBuilder outsidePlan();
PlanBuilder cutRootTablePlan();

Bytes fileHeader(ByteOrder order, uint16_t version = kVersion, bool magicOk = true);
// One plan record: "QRY" NUL, P, S, the statement (S bytes), the plan (P bytes).
Bytes record(ByteOrder order, const std::string& statement, const Bytes& plan, bool magicOk = true);

struct FileOptions {
    ByteOrder order = ByteOrder::Little;
    uint16_t version = kVersion;
    uint32_t plans = 5;
    uint32_t seed = 1;
    bool statementNul = true;   // the statement's S bytes end with a NUL
    int32_t wrongMagicAt = -1;  // index of a record whose magic is wrong
    enum class Cut { None, Header, Statement, Plan } cutLast = Cut::None;
};

Bytes buildFile(const FileOptions& opts);

// A file of a dozen plans for showing the viewer.
Bytes demoFile();

bool writeFile(const std::string& path, const Bytes& bytes);

} // namespace qpfw
