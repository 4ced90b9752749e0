#include "plan_outline.h"

#include <cstdio>

#include "core/byte_order.h"
#include "core/plan_walk.h"

namespace prism {

namespace {

struct FieldName {
    uint32_t offset;
    const char* name;
    bool link;
};

struct TypeName {
    const char* name;
    FieldName fields[4];
};

// What each node type means to the display.
const TypeName kTypeNames[11] = {
    {"Join", {{4, "method", false}, {8, "inner", true}, {12, "next", true}, {0, nullptr, false}}},
    {"Restriction", {{4, "column", false}, {8, "operator", false}, {12, "selectivity", false}, {16, "next", true}}},
    {"Table", {{4, "id", false}, {128, "rows", false}, {132, "pages", false}, {136, "flags", false}}},
    {"Projection", {{4, "next", true}}},
    {"Sort", {{4, "keys", false}, {8, "next", true}, {12, "direction", false}}},
    {"Group", {{4, "members", true}, {8, "next", true}}},
    {"Distinct", {{4, "next", true}}},
    {"Aggregate", {{4, "next", true}}},
    {"Index", {{4, "index", false}, {8, "keys", false}, {12, "key array", true}, {16, "next", true}}},
    {"Union", {{4, "next", true}}},
    {"Temporary", {{4, "rows", false}, {8, "next", true}, {12, "bytes", false}}},
};

std::string printf1(const char* fmt, unsigned long a)
{
    char buf[160];
    std::snprintf(buf, sizeof buf, fmt, a);
    return buf;
}

std::string link(uint32_t v) { return v == 0 ? std::string("-") : printf1("@%lu", v); }

// The table name held in bytes 8..127 of a type-3 node, printable only.
std::string tableName(const uint8_t* node)
{
    std::string s;
    for (uint32_t i = 8; i < 128 && node[i]; ++i) {
        const uint8_t c = node[i];
        s.push_back(c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?');
    }
    return s;
}

class OutlineBuilder : public qpf::PlanVisitor {
public:
    OutlineBuilder(uint32_t length, std::vector<OutlineLine>& out) : length_(length), out_(out) {}

    void onHeader(uint32_t, uint32_t rootCount) override
    {
        add(0, printf1("Plan of %lu bytes", length_) + printf1(", %lu root", rootCount) +
                   (rootCount == 1 ? "" : "s"));
    }
    void onRoot(uint32_t index, uint32_t offset) override
    {
        add(0, printf1("Root %lu", index + 1) + " at " + link(offset));
    }
    void onNode(const qpf::PlanNodeView& node, uint32_t depth) override
    {
        const TypeName& t = kTypeNames[node.type - 1];
        std::string text = std::string(t.name) + " " + link(node.offset);
        std::string details;
        if (node.type == 3) details = "\"" + tableName(node.bytes) + "\"";
        for (uint32_t i = 0; i < node.layout->fieldCount; ++i) {
            const FieldName& f = t.fields[i];
            if (!f.name) continue;
            if (!details.empty()) details += ", ";
            details += std::string(f.name) + " " + (f.link ? link(node.values[i]) : printf1("%lu", node.values[i]));
        }
        if (!details.empty()) text += ": " + details;
        add(depth, text);
    }
    void onArrayEntry(uint32_t index, uint32_t first, uint32_t second, uint32_t depth) override
    {
        add(depth, printf1("Key %lu", index + 1) + printf1(": column %lu", first) +
                       printf1(", flags %lu", second));
    }
    void onStop(qpf::WalkStop why, uint32_t at, uint32_t detail, uint32_t depth) override
    {
        std::string reason;
        switch (why) {
        case qpf::WalkStop::RootTableCut:
            add(0, printf1("Stopped: the plan ends inside its root table (%lu bytes)", length_));
            return;
        case qpf::WalkStop::LinkOutside: reason = "the link points outside the plan"; break;
        case qpf::WalkStop::NodeOutside:
            reason = printf1("the node (type %lu) runs past the end of the plan", detail);
            break;
        case qpf::WalkStop::UnknownType: reason = printf1("unknown node type %lu", detail); break;
        case qpf::WalkStop::AlreadyWalked: reason = "the node was already shown (the links loop or overlap)"; break;
        case qpf::WalkStop::ArrayOutside:
            reason = printf1("the array of %lu entries runs past the end of the plan", detail);
            break;
        case qpf::WalkStop::ArrayOverlap:
            reason = printf1("the array of %lu entries overlaps nodes already shown", detail);
            break;
        }
        add(depth, "Stopped at " + link(at) + ": " + reason + printf1(" (%lu bytes)", length_));
    }

private:
    void add(uint32_t depth, const std::string& text) { out_.push_back({depth, text}); }

    uint32_t length_;
    std::vector<OutlineLine>& out_;
};

} // namespace

uint32_t outlineLength(const uint8_t* plan, uint32_t length)
{
    if (length == 0) length = qpf::BoundedReader(plan, 4).le32(0);
    return length > kMaxPlanBytes ? kMaxPlanBytes : length;
}

std::vector<OutlineLine> buildOutline(const uint8_t* plan, uint32_t length)
{
    std::vector<OutlineLine> lines;
    if (!plan) return lines;
    const uint32_t walked = outlineLength(plan, length);
    OutlineBuilder builder(walked, lines);
    qpf::walkPlan(plan, walked, builder);
    return lines;
}

} // namespace prism
