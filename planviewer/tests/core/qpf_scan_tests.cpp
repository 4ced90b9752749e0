// The scan of a whole file and the reading of one record, over files the
// writer makes, including the damaged ones.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/qpf_scan.h"
#include "qpf_writer.h"
#include "test_sources.h"

using qpf::ScanNotice;
using qpf::ScanOutcome;
using qpfw::ByteOrder;
using qpfw::Bytes;

namespace {

Bytes withPlans(uint32_t plans, ByteOrder order = ByteOrder::Little)
{
    qpfw::FileOptions opts;
    opts.order = order;
    opts.plans = plans;
    return qpfw::buildFile(opts);
}

Bytes rawHeader(uint8_t v0, uint8_t v1, uint8_t order)
{
    return {'S', 'P', 'Y', 0, v0, v1, order, 0};
}

// n records of a minimal plan, for the plan-limit cases.
Bytes smallRecords(uint32_t n)
{
    Bytes file = qpfw::fileHeader(ByteOrder::Little);
    const Bytes plan = qpfw::PlanBuilder().bytes(ByteOrder::Little);
    for (uint32_t i = 0; i < n; ++i) {
        const Bytes rec = qpfw::record(ByteOrder::Little, std::string("S\0", 2), plan);
        file.insert(file.end(), rec.begin(), rec.end());
    }
    return file;
}

struct ScanCase {
    const char* name;
    std::function<Bytes()> make;
    ScanOutcome outcome;
    ScanNotice notice;
    uint16_t plans;
    uint16_t version;
};

} // namespace

TEST(QpfScan, FilesOfEveryKind)
{
    const ScanCase cases[] = {
        {"empty file", [] { return Bytes(); }, ScanOutcome::NotQpf, ScanNotice::None, 0, 0},
        {"shorter than a header", [] { return Bytes{'S', 'P', 'Y', 0, 0x1D}; }, ScanOutcome::NotQpf,
         ScanNotice::None, 0, 0},
        {"wrong file magic", [] { return qpfw::fileHeader(ByteOrder::Little, 3101, false); },
         ScanOutcome::NotQpf, ScanNotice::None, 0, 0},
        {"header only", [] { return qpfw::fileHeader(ByteOrder::Little); }, ScanOutcome::Loaded,
         ScanNotice::None, 0, 3101},
        {"big-endian header 0C 1D", [] { return rawHeader(0x0C, 0x1D, 0); }, ScanOutcome::Loaded,
         ScanNotice::None, 0, 3101},
        {"little-endian header 0C 1D", [] { return rawHeader(0x0C, 0x1D, 1); },
         ScanOutcome::BadVersion, ScanNotice::None, 0, 7436},
        {"any non-zero order byte is little-endian", [] { return rawHeader(0x1D, 0x0C, 0xFF); },
         ScanOutcome::Loaded, ScanNotice::None, 0, 3101},
        {"five plans", [] { return withPlans(5); }, ScanOutcome::Loaded, ScanNotice::None, 5, 3101},
        {"five big-endian plans", [] { return withPlans(5, ByteOrder::Big); }, ScanOutcome::Loaded,
         ScanNotice::None, 5, 3101},
        {"wrong magic in record 2",
         [] {
             qpfw::FileOptions s;
             s.plans = 4;
             s.wrongMagicAt = 1;
             return qpfw::buildFile(s);
         },
         ScanOutcome::Loaded, ScanNotice::InvalidFormat, 1, 3101},
        {"last plan cut short",
         [] {
             qpfw::FileOptions s;
             s.plans = 4;
             s.cutLast = qpfw::FileOptions::Cut::Plan;
             return qpfw::buildFile(s);
         },
         ScanOutcome::Loaded, ScanNotice::None, 3, 3101},
        {"last statement cut short",
         [] {
             qpfw::FileOptions s;
             s.plans = 4;
             s.cutLast = qpfw::FileOptions::Cut::Statement;
             return qpfw::buildFile(s);
         },
         ScanOutcome::Loaded, ScanNotice::None, 3, 3101},
        {"last record header cut short",
         [] {
             qpfw::FileOptions s;
             s.plans = 4;
             s.cutLast = qpfw::FileOptions::Cut::Header;
             return qpfw::buildFile(s);
         },
         ScanOutcome::Loaded, ScanNotice::None, 3, 3101},
        {"exactly 16000 plans", [] { return smallRecords(16000); }, ScanOutcome::Loaded,
         ScanNotice::PlanLimit, 16000, 3101},
        {"16001 plans", [] { return smallRecords(16001); }, ScanOutcome::Loaded,
         ScanNotice::PlanLimit, 16000, 3101},
        {"15999 plans", [] { return smallRecords(15999); }, ScanOutcome::Loaded, ScanNotice::None,
         15999, 3101},
    };
    for (const ScanCase& c : cases) {
        // Whole reads and reads cut to 7 bytes must give the same answer.
        for (uint32_t perRead : {0xFFFFFFFFu, 7u}) {
            TestBuffers buf;
            MemorySource src(c.make(), perRead);
            const qpf::ScanResult r = qpf::scanPlanFile(src, buf.view());
            const std::string what = std::string(c.name) + (perRead == 7 ? " (7-byte reads)" : "");
            EXPECT_EQ(static_cast<int>(c.outcome), static_cast<int>(r.outcome)) << what;
            EXPECT_EQ(static_cast<int>(c.notice), static_cast<int>(r.notice)) << what;
            EXPECT_EQ(c.plans, r.planCount) << what;
            if (c.outcome != ScanOutcome::NotQpf) {
                EXPECT_EQ(c.version, r.fileVersion) << what;
            }
        }
    }
}

TEST(QpfScan, OffsetsPointAtEachRecord)
{
    for (ByteOrder order : {ByteOrder::Little, ByteOrder::Big}) {
        const Bytes file = withPlans(7, order);
        TestBuffers buf;
        MemorySource src(file);
        const qpf::ScanResult r = qpf::scanPlanFile(src, buf.view());
        ASSERT_EQ(7, r.planCount);
        EXPECT_EQ(order == ByteOrder::Big, r.byteSwapped);
        uint32_t expected = 8;
        for (uint32_t k = 0; k < 7; ++k) {
            EXPECT_EQ(expected, buf.offsets[k]) << "record " << k;
            const std::string stmt = qpfw::sampleStatement(1 + k);
            const uint32_t plan = qpfw::samplePlan(1 + k).size();
            expected += 8 + static_cast<uint32_t>(stmt.size() + 1) + plan;
        }
        EXPECT_EQ(file.size(), expected);
    }
}

TEST(QpfScan, ReadPlanRecordGivesStatementAndLittleEndianPlan)
{
    const uint32_t seed = 40;
    const Bytes little = qpfw::samplePlan(seed).bytes(ByteOrder::Little);
    for (ByteOrder order : {ByteOrder::Little, ByteOrder::Big}) {
        qpfw::FileOptions opts;
        opts.order = order;
        opts.plans = 3;
        opts.seed = seed - 2; // record 2 gets the seed above
        const Bytes file = qpfw::buildFile(opts);
        TestBuffers buf;
        MemorySource src(file);
        ASSERT_EQ(3, qpf::scanPlanFile(src, buf.view()).planCount);
        const qpf::PlanRead r = qpf::readPlanRecord(src, buf.offsets[2], order == ByteOrder::Big, buf.view());
        ASSERT_TRUE(r.complete);
        EXPECT_EQ(little.size(), r.planLength);
        EXPECT_EQ(0, std::memcmp(little.data(), buf.plan.data(), little.size()))
            << "the converted plan must equal the little-endian one";
        EXPECT_STREQ(qpfw::sampleStatement(seed).c_str(), reinterpret_cast<char*>(buf.statement.data()));
    }
}

TEST(QpfScan, StatementEndsAfterItsLength)
{
    // Statements without a NUL: a short one read after a long one must not
    // show the long one's tail.
    Bytes file = qpfw::fileHeader(ByteOrder::Little);
    const Bytes plan = qpfw::PlanBuilder().bytes(ByteOrder::Little);
    for (const char* s : {"SELECT * FROM Customers WHERE CustomerId = 1", "SELECT 1"}) {
        const Bytes rec = qpfw::record(ByteOrder::Little, s, plan);
        file.insert(file.end(), rec.begin(), rec.end());
    }
    TestBuffers buf;
    MemorySource src(file);
    ASSERT_EQ(2, qpf::scanPlanFile(src, buf.view()).planCount);
    ASSERT_TRUE(qpf::readPlanRecord(src, buf.offsets[0], false, buf.view()).complete);
    ASSERT_TRUE(qpf::readPlanRecord(src, buf.offsets[1], false, buf.view()).complete);
    EXPECT_STREQ("SELECT 1", reinterpret_cast<char*>(buf.statement.data()));
}

TEST(QpfScan, ReadPlanRecordRefusesChangedOrShortRecords)
{
    const Bytes good = withPlans(2);
    struct Case {
        const char* name;
        uint32_t record;
        std::function<void(Bytes&)> damage;
        uint32_t failAt;
    } cases[] = {
        {"magic no longer matches", 0, [](Bytes& b) { b[8 + 2] = 'X'; }, 0xFFFFFFFFu},
        {"file cut inside the plan", 1, [](Bytes& b) { b.resize(b.size() - 1); }, 0xFFFFFFFFu},
        {"read fails", 0, [](Bytes&) {}, 8},
    };
    for (const Case& c : cases) {
        TestBuffers buf;
        MemorySource scan(good);
        ASSERT_EQ(2, qpf::scanPlanFile(scan, buf.view()).planCount);
        Bytes changed = good;
        c.damage(changed);
        MemorySource src(changed);
        src.failAt = c.failAt;
        EXPECT_FALSE(qpf::readPlanRecord(src, buf.offsets[c.record], false, buf.view()).complete)
            << c.name;
    }
}
