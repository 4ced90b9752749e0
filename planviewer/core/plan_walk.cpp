#include "core/plan_walk.h"

#include <bitset>
#include <vector>

#include "core/byte_order.h"
#include "core/qpf_format.h"

namespace qpf {

namespace {

constexpr NodeLayout kLayouts[kMaxNodeType] = {
    // size, count, fields,            child, next, array count, array offset
    {16, 3, {4, 8, 12, 0}, 8, 12, 0, 0},      // 1
    {20, 4, {4, 8, 12, 16}, 0, 16, 0, 0},     // 2
    {140, 4, {4, 128, 132, 136}, 0, 0, 0, 0}, // 3: bytes 8..127 are not integers; ends the chain
    {8, 1, {4, 0, 0, 0}, 0, 4, 0, 0},         // 4
    {16, 3, {4, 8, 12, 0}, 0, 8, 0, 0},       // 5
    {12, 2, {4, 8, 0, 0}, 4, 8, 0, 0},        // 6
    {8, 1, {4, 0, 0, 0}, 0, 4, 0, 0},         // 7
    {8, 1, {4, 0, 0, 0}, 0, 4, 0, 0},         // 8
    {20, 4, {4, 8, 12, 16}, 0, 16, 8, 12},    // 9: (field 8) entries of 8 bytes at field 12
    {8, 1, {4, 0, 0, 0}, 0, 4, 0, 0},         // 10
    {16, 3, {4, 8, 12, 0}, 0, 8, 0, 0},       // 11
};

// One walk over one plan. When `writable` is set each integer is reversed
// in place just before it is read.
class Walker {
public:
    Walker(const uint8_t* data, uint8_t* writable, uint32_t length, PlanVisitor* visitor)
        : reader_(data, length > kMaxPlanLength ? kMaxPlanLength : length),
          writable_(writable), length_(static_cast<uint32_t>(reader_.end())), visitor_(visitor)
    {
    }

    void run()
    {
        const uint32_t rootSlots =
            length_ >= kRootTableEnd ? kRootCount
                                     : (length_ >= kRootTableOffset ? (length_ - kRootTableOffset) / 4 : 0);
        uint32_t word0 = 0;
        if (length_ >= 4) word0 = take32(0);
        uint32_t roots[kRootCount] = {};
        for (uint32_t i = 0; i < rootSlots; ++i) roots[i] = take32(kRootTableOffset + 4 * i);
        // Nodes never share bytes with the root table.
        claim(0, length_ < kRootTableEnd ? length_ : kRootTableEnd);

        uint32_t used = 0;
        while (used < rootSlots && roots[used] != 0) ++used;
        if (visitor_) visitor_->onHeader(word0, used);
        for (uint32_t i = 0; i < used; ++i) {
            if (visitor_) visitor_->onRoot(i, roots[i]);
            walkChain(roots[i], 1);
        }
        if (rootSlots < kRootCount && used == rootSlots) stop(WalkStop::RootTableCut, length_, 0, 0);
    }

private:
    struct Pending {
        uint32_t offset;
        uint32_t depth;
    };

    bool isFree(uint32_t from, uint32_t to) const
    {
        for (uint32_t i = from; i < to; ++i)
            if (claimed_[i]) return false;
        return true;
    }
    void claim(uint32_t from, uint32_t to)
    {
        for (uint32_t i = from; i < to; ++i) claimed_[i] = true;
    }
    // Reads the integer at offset, reversing it first when converting.
    uint32_t take32(uint32_t offset)
    {
        if (writable_) reverse4(writable_ + offset);
        return reader_.le32(offset);
    }
    void stop(WalkStop why, uint32_t at, uint32_t detail, uint32_t depth)
    {
        if (visitor_) visitor_->onStop(why, at, detail, depth);
    }

    // Walks the chain starting at `start`, child chains first (depth first),
    // with an explicit stack so that a deep plan cannot exhaust the stack.
    void walkChain(uint32_t start, uint32_t depth)
    {
        std::vector<Pending> pending;
        pending.push_back({start, depth});
        while (!pending.empty()) {
            Pending at = pending.back();
            pending.pop_back();
            while (at.offset != 0) {
                uint32_t next = 0;
                uint32_t child = 0;
                if (!walkNode(at, &next, &child)) break;
                if (child != 0) {
                    if (next != 0) pending.push_back({next, at.depth});
                    at = {child, at.depth + 1};
                } else {
                    at.offset = next;
                }
            }
        }
    }

    // Converts and reports one node; false when its chain ends at it.
    bool walkNode(const Pending& at, uint32_t* next, uint32_t* child)
    {
        const uint32_t o = at.offset;
        if (!reader_.fits(o, 4)) {
            stop(WalkStop::LinkOutside, o, 0, at.depth);
            return false;
        }
        if (!isFree(o, o + 4)) {
            stop(WalkStop::AlreadyWalked, o, 0, at.depth);
            return false;
        }
        claim(o, o + 4);
        const uint32_t type = take32(o);
        const NodeLayout* layout = nodeLayout(type);
        if (!layout) {
            stop(WalkStop::UnknownType, o, type, at.depth);
            return false;
        }
        if (!reader_.fits(o, layout->size)) {
            stop(WalkStop::NodeOutside, o, type, at.depth);
            return false;
        }
        if (!isFree(o + 4, o + layout->size)) {
            stop(WalkStop::AlreadyWalked, o, type, at.depth);
            return false;
        }
        claim(o + 4, o + layout->size);

        PlanNodeView view;
        view.offset = o;
        view.type = type;
        view.layout = layout;
        view.bytes = reader_.at(o);
        for (uint32_t i = 0; i < layout->fieldCount; ++i) view.values[i] = take32(o + layout->fields[i]);
        if (visitor_) visitor_->onNode(view, at.depth);

        if (layout->arrayCountField != 0 && !walkArray(view, at.depth)) return false;
        *next = layout->nextField ? fieldValue(view, layout->nextField) : 0;
        *child = layout->childField ? fieldValue(view, layout->childField) : 0;
        return true;
    }

    bool walkArray(const PlanNodeView& node, uint32_t depth)
    {
        const uint32_t count = fieldValue(node, node.layout->arrayCountField);
        const uint32_t offset = fieldValue(node, node.layout->arrayOffsetField);
        if (count == 0) return true;
        const uint64_t bytes = static_cast<uint64_t>(count) * 8;
        if (!reader_.fits(offset, bytes)) {
            stop(WalkStop::ArrayOutside, offset, count, depth + 1);
            return false;
        }
        const uint32_t end = offset + static_cast<uint32_t>(bytes);
        if (!isFree(offset, end)) {
            stop(WalkStop::ArrayOverlap, offset, count, depth + 1);
            return false;
        }
        claim(offset, end);
        for (uint32_t i = 0; i < count; ++i) {
            const uint32_t first = take32(offset + 8 * i);
            const uint32_t second = take32(offset + 8 * i + 4);
            if (visitor_) visitor_->onArrayEntry(i, first, second, depth + 1);
        }
        return true;
    }

    static uint32_t fieldValue(const PlanNodeView& node, uint32_t fieldOffset)
    {
        for (uint32_t i = 0; i < node.layout->fieldCount; ++i)
            if (node.layout->fields[i] == fieldOffset) return node.values[i];
        return 0;
    }

    BoundedReader reader_;
    uint8_t* writable_;
    uint32_t length_;
    PlanVisitor* visitor_;
    std::bitset<kMaxPlanLength + 1> claimed_;
};

} // namespace

const NodeLayout* nodeLayout(uint32_t type)
{
    if (type < 1 || type > kMaxNodeType) return nullptr;
    return &kLayouts[type - 1];
}

void walkPlan(const uint8_t* plan, uint32_t length, PlanVisitor& visitor)
{
    Walker(plan, nullptr, length, &visitor).run();
}

void ConvertPlanByteOrder(uint8_t* plan, uint32_t length, PlanVisitor* visitor)
{
    Walker(plan, plan, length, visitor).run();
}

} // namespace qpf
