// Allocation groups and the record pool.
#include <gtest/gtest.h>

#include <cstring>

#include "core/memory_services.h"
#include "core/record_pool.h"

namespace {

struct ViewerMemory : ::testing::Test {
    void SetUp() override { ASSERT_TRUE(qpf::MemoryStartup()); }
    void TearDown() override
    {
        qpf::MemoryFailAfter(-1);
        qpf::MemoryShutdown();
    }
};

struct Rec {
    uint32_t key;
    char name[12];
};

Rec rec(uint32_t key, const char* name)
{
    Rec r{};
    r.key = key;
    std::strncpy(r.name, name, sizeof r.name - 1);
    return r;
}

bool allZero(const void* p, size_t n)
{
    const uint8_t* b = static_cast<const uint8_t*>(p);
    for (size_t i = 0; i < n; ++i)
        if (b[i]) return false;
    return true;
}

} // namespace

TEST_F(ViewerMemory, ReleasedGroupIdsAreReusedLastInFirstOut)
{
    const uint32_t a = qpf::NewGroup(), b = qpf::NewGroup(), c = qpf::NewGroup();
    ASSERT_TRUE(a && b && c);
    EXPECT_EQ(a + 1, b);
    EXPECT_EQ(b + 1, c);
    ASSERT_NE(nullptr, qpf::GroupAlloc(b, 100));
    ASSERT_NE(nullptr, qpf::GroupAlloc(b, 10));
    EXPECT_EQ(2u, qpf::GroupBlockCount(b));
    qpf::ReleaseGroup(a);
    qpf::ReleaseGroup(b);
    EXPECT_FALSE(qpf::GroupInUse(b));
    EXPECT_EQ(b, qpf::NewGroup()) << "the id released last comes back first";
    EXPECT_EQ(0u, qpf::GroupBlockCount(b)) << "a reused id starts empty";
    EXPECT_EQ(a, qpf::NewGroup());
    EXPECT_EQ(c + 1, qpf::NewGroup()) << "then new ids again";
}

TEST_F(ViewerMemory, GroupTableGrowsPastItsFirstSize)
{
    uint32_t last = 0;
    for (int i = 0; i < 8192 + 10; ++i) last = qpf::NewGroup();
    EXPECT_EQ(8192u + 10, last);
    EXPECT_NE(nullptr, qpf::GroupAlloc(last, 8));
}

TEST_F(ViewerMemory, BlocksAreZeroFilledAndResizeKeepsContents)
{
    const uint32_t g = qpf::NewGroup();
    void* p = qpf::GroupAlloc(g, 64);
    ASSERT_NE(nullptr, p);
    EXPECT_TRUE(allZero(p, 64));
    std::memset(p, 0x5A, 64);
    void* q = p;
    ASSERT_EQ(0, qpf::GroupResize(g, &q, 64, 32));
    EXPECT_EQ(p, q) << "a smaller size keeps the block";
    ASSERT_EQ(0, qpf::GroupResize(g, &q, 64, 256));
    const uint8_t* b = static_cast<const uint8_t*>(q);
    EXPECT_EQ(0x5A, b[0]);
    EXPECT_EQ(0x5A, b[63]);
    EXPECT_TRUE(allZero(b + 64, 192));
    EXPECT_EQ(1u, qpf::GroupBlockCount(g)) << "the old block is freed";
    qpf::MemoryFailAfter(0);
    EXPECT_EQ(-10, qpf::GroupResize(g, &q, 256, 512));
    EXPECT_EQ(1u, qpf::GroupBlockCount(g)) << "a failed resize keeps the block";
}

TEST_F(ViewerMemory, UniquePoolRefusesEqualRecords)
{
    qpf::RecordPool* pool = qpf::PoolCreate(2, sizeof(Rec), true, 0);
    ASSERT_NE(nullptr, pool);
    const Rec a = rec(1, "alpha"), b = rec(2, "beta"), c = rec(3, "gamma");
    EXPECT_EQ(0, qpf::PoolAdd(pool, &a));
    EXPECT_EQ(0, qpf::PoolAdd(pool, &b));
    EXPECT_EQ(-7, qpf::PoolAdd(pool, &a));
    EXPECT_EQ(0, qpf::PoolAdd(pool, &c)) << "the pool grows by its step";
    EXPECT_EQ(3u, pool->used);
    EXPECT_EQ(4u, pool->capacity);
    EXPECT_EQ(1, qpf::PoolFind(pool, &b));
    const Rec missing = rec(9, "none");
    EXPECT_EQ(-9, qpf::PoolFind(pool, &missing));
    EXPECT_EQ(-10, qpf::PoolRemove(pool, 3));

    qpf::RecordPool* plain = qpf::PoolCreate(2, sizeof(Rec), false, 0);
    EXPECT_EQ(0, qpf::PoolAdd(plain, &a));
    EXPECT_EQ(0, qpf::PoolAdd(plain, &a)) << "a pool that is not unique takes equal records";
    qpf::PoolDestroy(plain);
    qpf::PoolDestroy(pool);
}

TEST_F(ViewerMemory, RemovedRecordStaysAsZeroFilledSpareForReuse)
{
    qpf::RecordPool* pool = qpf::PoolCreate(10, sizeof(Rec), true, 0);
    ASSERT_NE(nullptr, pool);
    const uint32_t group = pool->groupId;
    const Rec a = rec(1, "alpha"), b = rec(2, "beta"), c = rec(3, "gamma");
    qpf::PoolAdd(pool, &a);
    qpf::PoolAdd(pool, &b);
    qpf::PoolAdd(pool, &c);
    void* removed = qpf::PoolAt(pool, 1);
    const uint32_t blocks = qpf::GroupBlockCount(group);

    ASSERT_EQ(0, qpf::PoolRemove(pool, 1));
    EXPECT_EQ(2u, pool->used);
    EXPECT_EQ(1u, pool->spare);
    EXPECT_EQ(3u, static_cast<Rec*>(qpf::PoolAt(pool, 1))->key) << "gamma moved down";
    EXPECT_TRUE(allZero(removed, sizeof(Rec)));
    EXPECT_EQ(-9, qpf::PoolFindAddress(pool, removed)) << "a spare is not a used record";

    void* fresh = nullptr;
    ASSERT_EQ(0, qpf::PoolNewRecord(pool, &fresh));
    EXPECT_EQ(removed, fresh) << "the spare is reused";
    EXPECT_EQ(0u, pool->spare);
    EXPECT_EQ(blocks, qpf::GroupBlockCount(group)) << "no new block for a reused spare";
    EXPECT_EQ(-7, qpf::PoolNewRecord(pool, &fresh)) << "a second zero record is a duplicate";
    qpf::PoolDestroy(pool);
    EXPECT_FALSE(qpf::GroupInUse(group)) << "a pool releases the group it made";
}

TEST_F(ViewerMemory, PoolOutOfMemory)
{
    qpf::RecordPool* pool = qpf::PoolCreate(1, sizeof(Rec), false, 0);
    ASSERT_NE(nullptr, pool);
    const Rec a = rec(1, "alpha");
    qpf::MemoryFailAfter(0);
    EXPECT_EQ(-8, qpf::PoolAdd(pool, &a));
    EXPECT_EQ(0u, pool->used);
    qpf::MemoryFailAfter(1); // the slots grow, the record block fails
    EXPECT_EQ(-8, qpf::PoolAdd(pool, &a));
    EXPECT_EQ(0u, pool->used);
    qpf::MemoryFailAfter(-1);
    EXPECT_EQ(0, qpf::PoolAdd(pool, &a));
    qpf::PoolDestroy(pool);
}

TEST(ViewerMemoryLifetime, LastShutdownFreesEverything)
{
    ASSERT_TRUE(qpf::MemoryStartup());
    ASSERT_TRUE(qpf::MemoryStartup());
    const uint32_t g = qpf::NewGroup();
    ASSERT_NE(nullptr, qpf::GroupAlloc(g, 1000));
    qpf::MemoryShutdown();
    EXPECT_TRUE(qpf::GroupInUse(g)) << "one use is still open";
    qpf::MemoryShutdown();
    EXPECT_FALSE(qpf::GroupInUse(g));
    EXPECT_EQ(0u, qpf::NewGroup()) << "no groups once the services are down";
    // The blocks left in groups are freed with the table (LeakSanitizer checks).
}
