// The outline the display shows: the tree of a well-formed plan, and what it
// shows of a plan it cannot walk to the end.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "plan_outline.h"
#include "qpf_writer.h"

using prism::OutlineLine;
using qpfw::ByteOrder;

namespace {

bool startsWith(const std::string& s, const std::string& p) { return s.compare(0, p.size(), p) == 0; }

const OutlineLine* find(const std::vector<OutlineLine>& lines, const std::string& prefix)
{
    for (const OutlineLine& l : lines)
        if (startsWith(l.text, prefix)) return &l;
    return nullptr;
}

std::string dump(const std::vector<OutlineLine>& lines)
{
    std::string s;
    for (const OutlineLine& l : lines) s += std::string(2 * l.depth, ' ') + l.text + "\n";
    return s;
}

} // namespace

TEST(PlanOutline, WellFormedPlanShowsEveryNodeInItsTree)
{
    const qpfw::Bytes plan = qpfw::samplePlan(3).bytes(ByteOrder::Little);
    const auto lines = prism::buildOutline(plan.data(), 0);
    const std::string all = dump(lines);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ("Plan of " + std::to_string(plan.size()) + " bytes, 2 roots", lines[0].text) << all;
    EXPECT_EQ("Root 1 at @244", lines[1].text) << all;
    EXPECT_TRUE(startsWith(lines[2].text, "Projection @244: next @")) << all;
    EXPECT_EQ(1u, lines[2].depth);
    for (const char* type : {"Join", "Restriction", "Table", "Projection", "Sort", "Group", "Distinct",
                             "Aggregate", "Index", "Union", "Temporary", "Key 1"})
        EXPECT_NE(nullptr, find(lines, type)) << type << " missing in\n" << all;
    EXPECT_EQ(nullptr, find(lines, "Stopped")) << all;

    // A join's inner chain sits one level under the join; an index's keys
    // one level under the index.
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        if (startsWith(lines[i].text, "Join") || startsWith(lines[i].text, "Group")) {
            EXPECT_EQ(lines[i].depth + 1, lines[i + 1].depth) << lines[i].text;
        }
        if (startsWith(lines[i].text, "Index")) {
            EXPECT_TRUE(startsWith(lines[i + 1].text, "Key 1: column ")) << lines[i + 1].text;
        }
    }
    const OutlineLine* table = find(lines, "Table");
    ASSERT_NE(nullptr, table);
    EXPECT_NE(std::string::npos, table->text.find("\"")) << table->text;
}

TEST(PlanOutline, DamagedPlansShowWhereTheWalkStopped)
{
    const struct {
        const char* name;
        qpfw::PlanBuilder plan;
        const char* stop;
    } cases[] = {
        {"loop", qpfw::loopingPlan(), "Stopped at @244: the node was already shown"},
        {"outside", qpfw::outsidePlan(), "Stopped at @60000: the link points outside the plan (312 bytes)"},
        {"array", qpfw::outsidePlan(), "Stopped at @264: the array of 536870912 entries runs past"},
        {"cut node", qpfw::outsidePlan(), "Stopped at @292: the node (type 3) runs past the end"},
        {"root table", qpfw::cutRootTablePlan(), "Stopped: the plan ends inside its root table (100 bytes)"},
    };
    for (const auto& c : cases) {
        const qpfw::Bytes bytes = c.plan.bytes(ByteOrder::Little);
        std::unique_ptr<uint8_t[]> exact(new uint8_t[bytes.size()]);
        std::memcpy(exact.get(), bytes.data(), bytes.size());
        const auto lines = prism::buildOutline(exact.get(), 0);
        EXPECT_NE(nullptr, find(lines, c.stop)) << c.name << ":\n" << dump(lines);
    }
}

TEST(PlanOutline, LengthComesFromTheArgumentOrTheFirstWordKeptToTheLargestPlan)
{
    // A buffer of the largest plan size exactly: a first word claiming more
    // must not take the walk past it.
    std::unique_ptr<uint8_t[]> buf(new uint8_t[prism::kMaxPlanBytes]());
    std::memset(buf.get(), 0xFF, 4);
    EXPECT_EQ(prism::kMaxPlanBytes, prism::outlineLength(buf.get(), 0));
    EXPECT_EQ(300u, prism::outlineLength(buf.get(), 300));
    const auto lines = prism::buildOutline(buf.get(), 0);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ("Plan of 65535 bytes, 0 roots", lines[0].text);
}
