#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "engine/core/list5300.h"
#include "engine/core/wire.h"

namespace {

struct Call {
    uint32_t position;
    uint32_t capacity;
};

// A scripted engine: each reply is a status and the entry markers of the
// chunk it writes (entry i is filled with its marker byte).
struct Reply {
    uint16_t status;
    std::vector<uint8_t> markers;
    uint16_t wordA;
};

struct FakeEngine {
    std::vector<Reply> replies;
    std::vector<Call> calls;

    List5300Call fn()
    {
        return [this](uint32_t inLen, const void* in, uint32_t cap, void* out) -> uint16_t {
            EXPECT_EQ(inLen, 8u);
            WireReader key(in, inLen);
            calls.push_back({key.u32(0), cap});
            if (calls.size() > replies.size()) return 9999;
            const Reply& r = replies[calls.size() - 1];
            uint8_t* p = static_cast<uint8_t*>(out);
            if (r.status == 0 || r.status == 4107) {
                EXPECT_LE(4 + 480 * r.markers.size(), cap) << "fake wrote past its capacity";
                putLe16(p, r.wordA);
                putLe16(p + 2, static_cast<uint16_t>(r.markers.size()));
                for (size_t i = 0; i < r.markers.size(); ++i) std::memset(p + 4 + 480 * i, r.markers[i], 480);
            }
            return r.status;
        };
    }
};

} // namespace

TEST(FetchList5300, CapacityBelowOneEntryAsksNothing)
{
    FakeEngine engine;
    std::vector<uint8_t> buf(483);
    EXPECT_EQ(fetchList5300Chunks(engine.fn(), buf.data(), 483), 4086);
    EXPECT_TRUE(engine.calls.empty()) << "no request may be sent for capacity 483";
}

TEST(FetchList5300, OneEntryPerRequestAt484)
{
    FakeEngine engine;
    engine.replies = {{4107, {1}, 9}};
    std::vector<uint8_t> buf(484);
    EXPECT_EQ(fetchList5300Chunks(engine.fn(), buf.data(), 484), 4107);
    ASSERT_EQ(engine.calls.size(), 1u);
    EXPECT_EQ(engine.calls[0].capacity, 484u);
    EXPECT_EQ(engine.calls[0].position, 0xFFFFFFFFu);
    EXPECT_EQ(WireReader(buf.data(), buf.size()).u16(2), 1);
}

TEST(FetchList5300, CapacityIsCappedPerRequest)
{
    FakeEngine engine;
    engine.replies = {{0, {7, 7}, 2}};
    std::vector<uint8_t> buf(100000);
    EXPECT_EQ(fetchList5300Chunks(engine.fn(), buf.data(), 100000), 0);
    ASSERT_EQ(engine.calls.size(), 1u);
    EXPECT_EQ(engine.calls[0].capacity, 65300u);
}

TEST(FetchList5300, ChunksAreJoined)
{
    // Each later chunk's entries move down over its own header; the write
    // point and the capacity advance by the entries alone.
    static const struct {
        const char* what;
        uint32_t capacity;
        std::vector<Reply> replies;
        std::vector<Call> calls;  // position asked for and capacity offered
    } cases[] = {
        // The engine's word A (9) is replaced by the joined count.
        {"3 + 2", 48484, {{4107, {1, 2, 3}, 9}, {0, {4, 5}, 9}},
         {{0xFFFFFFFFu, 48484}, {3, 48484 - 4 - 3 * 480}}},
        {"2 + 1 + 2", 48484, {{4107, {1, 2}, 9}, {4107, {3}, 9}, {0, {4, 5}, 9}},
         {{0xFFFFFFFFu, 48484}, {2, 48484 - 4 - 2 * 480}, {3, 48484 - 4 - 3 * 480}}},
        {"65300 per request while more remains", 200000, {{4107, {1, 2}, 9}, {0, {3, 4, 5}, 9}},
         {{0xFFFFFFFFu, 65300}, {2, 65300}}},
    };
    for (const auto& t : cases) {
        FakeEngine engine;
        engine.replies = t.replies;
        std::vector<uint8_t> buf(t.capacity, 0xEE);
        ASSERT_EQ(fetchList5300Chunks(engine.fn(), buf.data(), t.capacity), 0) << t.what;
        ASSERT_EQ(engine.calls.size(), t.calls.size()) << t.what;
        for (size_t i = 0; i < t.calls.size(); ++i) {
            EXPECT_EQ(engine.calls[i].position, t.calls[i].position) << t.what << ": request " << i;
            EXPECT_EQ(engine.calls[i].capacity, t.calls[i].capacity) << t.what << ": request " << i;
        }
        WireReader list(buf.data(), buf.size());
        EXPECT_EQ(list.u16(0), 5) << t.what << ": word A";
        EXPECT_EQ(list.u16(2), 5) << t.what << ": count";
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(list.u8(4 + 480 * i), i + 1) << t.what << ": entry " << i << " first byte";
            EXPECT_EQ(list.u8(4 + 480 * i + 479), i + 1) << t.what << ": entry " << i << " last byte";
        }
    }
}

TEST(FetchList5300, PartialListWhenBufferFills)
{
    FakeEngine engine;
    engine.replies = {{4107, {1, 2}, 50}, {4107, {3}, 50}};
    const uint32_t cap = 4 + 480 * 3 + 100;
    std::vector<uint8_t> buf(cap);
    EXPECT_EQ(fetchList5300Chunks(engine.fn(), buf.data(), cap), 4107);
    WireReader list(buf.data(), buf.size());
    EXPECT_EQ(list.u16(2), 3);
    EXPECT_EQ(list.u16(0), 50) << "word A keeps the engine's total on a partial list";
}

TEST(FetchList5300, EngineFailuresAndStalls)
{
    static const struct { std::vector<Reply> replies; uint16_t expected; size_t calls; const char* what; } cases[] = {
        {{{4083, {}, 0}}, 4083, 1, "component missing is passed on"},
        {{{4107, {1}, 9}, {4086, {}, 0}}, 4086, 2, "later failure is passed on"},
        {{{4107, {}, 9}}, 4107, 1, "a first chunk with no entries ends the fetch"},
        {{{4107, {1}, 9}, {4107, {}, 9}}, 4107, 2, "a later chunk with no entries ends the fetch"},
    };
    for (const auto& t : cases) {
        FakeEngine engine;
        engine.replies = t.replies;
        std::vector<uint8_t> buf(4000);
        EXPECT_EQ(fetchList5300Chunks(engine.fn(), buf.data(), 4000), t.expected) << t.what;
        EXPECT_EQ(engine.calls.size(), t.calls) << t.what;
    }
}

TEST(FetchList5300, ClaimedCountBeyondCapacityIsBounded)
{
    // The engine claims 200 entries in a reply offered room for 2.
    List5300Call liar = [](uint32_t, const void*, uint32_t cap, void* out) -> uint16_t {
        std::memset(out, 0x11, cap);
        putLe16(static_cast<uint8_t*>(out) + 2, 200);
        return 4107;
    };
    const uint32_t cap = 4 + 480 * 2 + 10;
    std::vector<uint8_t> buf(cap);
    EXPECT_EQ(fetchList5300Chunks(liar, buf.data(), cap), 4107);
}
