// The node structure of plan data, as far as the viewer needs it to convert a
// big-endian plan, and one walker over it that both the conversion and the
// plan display use, so that both see the same nodes.
//
// The walk is bounded by the plan length: a link, node or array that does not
// lie wholly inside the plan ends its chain, and so does a node whose bytes
// were already walked (links that loop or overlap), so that no byte is ever
// reversed twice and no walk goes on forever. A 0 link ends a chain.
#pragma once
#include <cstdint>

namespace qpf {

constexpr uint32_t kMaxNodeType = 11;
constexpr uint32_t kMaxPlanLength = 65535; // the record's P is 16 bits

// Layout of one node type: its uint32 fields (offsets from the node start),
// where its child chain and next link are (0: none) and, for type 9, where
// the entry count and the array offset are.
struct NodeLayout {
    uint32_t size;          // bytes from the node start to the end of its last field
    uint32_t fieldCount;
    uint32_t fields[4];
    uint32_t childField;    // 0: no child chain
    uint32_t nextField;     // 0: the chain ends after this node
    uint32_t arrayCountField; // 0: no array
    uint32_t arrayOffsetField;
};

// Layout of a type 1..11; nullptr for any other type.
const NodeLayout* nodeLayout(uint32_t type);

struct PlanNodeView {
    uint32_t offset = 0;
    uint32_t type = 0;
    const NodeLayout* layout = nullptr;
    uint32_t values[4] = {0, 0, 0, 0}; // field values, in the order of layout->fields
    const uint8_t* bytes = nullptr;    // the node's first byte (layout->size bytes)
};

enum class WalkStop {
    RootTableCut,  // the plan ends inside its root table
    LinkOutside,   // a root or link points outside the plan
    NodeOutside,   // a node's fields run past the end of the plan
    UnknownType,   // a node type outside 1..11
    AlreadyWalked, // a node overlaps bytes already walked (loop or overlap)
    ArrayOutside,  // a type-9 array runs past the end of the plan
    ArrayOverlap,  // a type-9 array overlaps bytes already walked
};

class PlanVisitor {
public:
    virtual ~PlanVisitor() = default;
    virtual void onHeader(uint32_t /*word0*/, uint32_t /*rootCount*/) {}
    virtual void onRoot(uint32_t /*index*/, uint32_t /*offset*/) {}
    // depth: 1 for the nodes of a root's chain, +1 for each child chain.
    virtual void onNode(const PlanNodeView& /*node*/, uint32_t /*depth*/) {}
    virtual void onArrayEntry(uint32_t /*index*/, uint32_t /*first*/, uint32_t /*second*/,
                              uint32_t /*depth*/) {}
    // at: the offset the walk could not go on at; detail: the node type for
    // UnknownType and NodeOutside, the entry count for the array stops.
    virtual void onStop(WalkStop /*why*/, uint32_t /*at*/, uint32_t /*detail*/,
                        uint32_t /*depth*/) {}
};

// Reads a plan already in little-endian order.
void walkPlan(const uint8_t* plan, uint32_t length, PlanVisitor& visitor);

// Reverses the bytes of every integer of a big-endian plan, in place, so that
// it reads as little-endian. Each integer is reversed before it is used.
void ConvertPlanByteOrder(uint8_t* plan, uint32_t length, PlanVisitor* visitor = nullptr);

} // namespace qpf
