// Byte-order conversion and the node walk, on well-formed plans of every node
// type and on plans whose links loop or point outside. The plans sit in
// buffers of exactly their length, so AddressSanitizer catches any read or
// write past the plan.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>
#include <vector>

#include "core/plan_walk.h"
#include "qpf_writer.h"

using qpf::WalkStop;
using qpfw::ByteOrder;
using qpfw::Bytes;

namespace {

struct Recorder : qpf::PlanVisitor {
    std::set<uint32_t> types;
    std::vector<uint32_t> nodes;
    std::vector<WalkStop> stops;
    uint32_t arrayEntries = 0;
    uint32_t roots = 0;
    void onRoot(uint32_t, uint32_t) override { ++roots; }
    void onNode(const qpf::PlanNodeView& n, uint32_t) override
    {
        types.insert(n.type);
        nodes.push_back(n.offset);
    }
    void onArrayEntry(uint32_t, uint32_t, uint32_t, uint32_t) override { ++arrayEntries; }
    void onStop(WalkStop why, uint32_t, uint32_t, uint32_t) override { stops.push_back(why); }
};

// A heap copy of exactly the plan's bytes.
std::unique_ptr<uint8_t[]> exactCopy(const Bytes& b)
{
    std::unique_ptr<uint8_t[]> p(new uint8_t[b.size() ? b.size() : 1]);
    if (!b.empty()) std::memcpy(p.get(), b.data(), b.size());
    return p;
}

} // namespace

TEST(PlanWalk, ConvertedBigEndianPlanEqualsLittleEndianPlan)
{
    for (uint32_t seed = 0; seed < 40; ++seed) {
        const qpfw::PlanBuilder plan = qpfw::samplePlan(seed);
        const Bytes little = plan.bytes(ByteOrder::Little);
        const Bytes big = plan.bytes(ByteOrder::Big);
        ASSERT_NE(little, big) << "seed " << seed;
        auto buf = exactCopy(big);
        Recorder rec;
        qpf::ConvertPlanByteOrder(buf.get(), static_cast<uint32_t>(big.size()), &rec);
        EXPECT_EQ(0, std::memcmp(buf.get(), little.data(), little.size())) << "seed " << seed;
        EXPECT_TRUE(rec.stops.empty()) << "seed " << seed << ": a well-formed plan walks to its ends";
        EXPECT_EQ(11u, rec.types.size()) << "seed " << seed << ": every node type is present";
        EXPECT_EQ(2u, rec.roots) << "seed " << seed;
        EXPECT_GT(rec.arrayEntries, 0u) << "seed " << seed;
    }
}

TEST(PlanWalk, ReadOnlyWalkSeesTheSameNodesAsTheConversion)
{
    const qpfw::PlanBuilder plan = qpfw::samplePlan(5);
    const Bytes little = plan.bytes(ByteOrder::Little);
    Bytes big = plan.bytes(ByteOrder::Big);
    Recorder converted, read;
    qpf::ConvertPlanByteOrder(big.data(), static_cast<uint32_t>(big.size()), &converted);
    qpf::walkPlan(little.data(), static_cast<uint32_t>(little.size()), read);
    EXPECT_EQ(converted.nodes, read.nodes);
}

TEST(PlanWalk, DamagedPlansStayInsideAndStop)
{
    struct Case {
        const char* name;
        qpfw::PlanBuilder plan;
        std::vector<WalkStop> stops;
        size_t nodes;
    } cases[] = {
        {"links that loop", qpfw::loopingPlan(),
         {WalkStop::AlreadyWalked, WalkStop::AlreadyWalked, WalkStop::AlreadyWalked,
          WalkStop::AlreadyWalked},
         4},
        {"links, an array and a node outside", qpfw::outsidePlan(),
         {WalkStop::LinkOutside, WalkStop::ArrayOutside, WalkStop::NodeOutside,
          WalkStop::AlreadyWalked},
         2},
        {"root table cut", qpfw::cutRootTablePlan(),
         std::vector<WalkStop>(24, WalkStop::LinkOutside), 0},
    };
    cases[2].stops.push_back(WalkStop::RootTableCut);
    for (const Case& c : cases) {
        for (ByteOrder order : {ByteOrder::Little, ByteOrder::Big}) {
            const Bytes bytes = c.plan.bytes(order);
            auto buf = exactCopy(bytes);
            Recorder rec;
            if (order == ByteOrder::Big)
                qpf::ConvertPlanByteOrder(buf.get(), static_cast<uint32_t>(bytes.size()), &rec);
            else
                qpf::walkPlan(buf.get(), static_cast<uint32_t>(bytes.size()), rec);
            const char* o = order == ByteOrder::Big ? " (converted)" : " (read)";
            EXPECT_EQ(c.stops, rec.stops) << c.name << o;
            EXPECT_EQ(c.nodes, rec.nodes.size()) << c.name << o;
        }
    }
}

TEST(PlanWalk, LoopingPlanIsReversedOnceOnly)
{
    const qpfw::PlanBuilder plan = qpfw::loopingPlan();
    const Bytes little = plan.bytes(ByteOrder::Little);
    Bytes big = plan.bytes(ByteOrder::Big);
    qpf::ConvertPlanByteOrder(big.data(), static_cast<uint32_t>(big.size()));
    EXPECT_EQ(little, big);
}

TEST(PlanWalk, ShortAndEmptyPlans)
{
    for (uint32_t length : {0u, 1u, 3u, 4u, 7u, 243u}) {
        Bytes bytes(length, 0xAB);
        auto buf = exactCopy(bytes);
        Recorder rec;
        qpf::ConvertPlanByteOrder(buf.get(), length, &rec);
        EXPECT_TRUE(rec.nodes.empty()) << "length " << length;
    }
}
