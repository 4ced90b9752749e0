// The request services over the simulated engine: the 5300 list asked for in
// chunks, 5301 and 5302 with the arguments the engine receives.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "engine/core/wire.h"
#include "engine/request_services.h"
#include "support/sim_control.h"

namespace {

// Five connections C1..C5, at most two in a chunk.
const char kFiveConnections[] = R"({"local": {
  "components": {"0": {"kind": 1, "major": 1}, "5": {"kind": 2, "major": 7}},
  "pageSizes": {"connections": 2},
  "connectionManager": {"word5302": 7, "connections": [
    {"name": "C1", "id": [1, 11]}, {"name": "C2", "id": [2, 12]}, {"name": "C3", "id": [3, 13]},
    {"name": "C4", "id": [4, 14]}, {"name": "C5", "id": [5, 15]}]}}})";

constexpr uint32_t kEntry = 480;
constexpr uint32_t kNameOffset = 395;

std::string entryName(const std::vector<uint8_t>& list, uint32_t i)
{
    return WireReader(list.data(), list.size()).text(4 + kEntry * i + kNameOffset, 65);
}

class RequestServices : public ::testing::Test {
protected:
    void SetUp() override { sim.load(kFiveConnections); }

    // The positions the 5300 requests asked for, in order.
    std::vector<int32_t> positionsAsked()
    {
        std::vector<int32_t> out;
        auto getCall = GetProcAddress(GetModuleHandleA("gantry32.dll"), "SimGetCall");
        auto fn = reinterpret_cast<SimGetCallProc>(reinterpret_cast<void (*)()>(getCall));
        SimCallRecord r;
        for (uint32_t i = 0; fn && fn(i, &r) == 0; ++i)
            if (r.op == SIM_OP_GETINFO && r.code == 5300)
                out.push_back(static_cast<int32_t>(WireReader(r.input, r.inputBytes).u32(0)));
        return out;
    }

    SimControl sim;
};

} // namespace

TEST_F(RequestServices, List5300InChunks)
{
    static const struct {
        const char* what;
        uint32_t capacity;
        uint16_t status;
        uint16_t count;
        std::vector<int32_t> positions;
    } cases[] = {
        {"whole list in chunks of 2, 2, 1", 4 + kEntry * 10, 0, 5, {-1, 2, 4}},
        {"room for 3: partial list", 4 + kEntry * 4, 4107, 3, {-1, 2}},
        {"one entry a request at 484", 484, 4107, 1, {-1}},
        {"483: nothing asked", 483, 4086, 0, {}},
    };
    for (const auto& t : cases) {
        sim.clearCallLog();
        std::vector<uint8_t> list(t.capacity, 0xEE);
        EXPECT_EQ(fetchList5300(-1, 5, list.data(), t.capacity), t.status) << t.what;
        EXPECT_EQ(positionsAsked(), t.positions) << t.what;
        if (t.status == 4086) continue;
        WireReader head(list.data(), list.size());
        EXPECT_EQ(head.u16(2), t.count) << t.what << ": count";
        if (t.status == 0) {
            EXPECT_EQ(head.u16(0), t.count) << t.what << ": word A";
        }
        for (uint32_t i = 0; i < t.count; ++i)
            EXPECT_EQ(entryName(list, i), "C" + std::to_string(i + 1)) << t.what << ": entry " << i;
    }
}

TEST_F(RequestServices, Set5301AndQuery5302)
{
    uint8_t end[16] = {0};
    putLe16(end, 1);
    putLe32(end + 8, 3);
    putLe32(end + 12, 13);
    EXPECT_EQ(set5301(-1, 5, end), 0);
    SimCallRecord call = sim.lastCall();
    EXPECT_EQ(call.op, SIM_OP_SETINFO);
    EXPECT_EQ(call.code, 5301u);
    EXPECT_EQ(call.selector, 5u);
    EXPECT_EQ(call.inLen, 16u);
    std::vector<uint8_t> list(4 + kEntry * 10);
    EXPECT_EQ(fetchList5300(-1, 5, list.data(), static_cast<uint32_t>(list.size())), 0);
    EXPECT_EQ(WireReader(list.data(), list.size()).u16(2), 4) << "connection C3 has ended";

    // One buffer is both the input and the output.
    uint8_t word[2] = {0xAB, 0xCD};
    EXPECT_EQ(query5302(-1, 25, word, sizeof word), 0);
    call = sim.lastCall();
    EXPECT_EQ(call.code, 5302u);
    EXPECT_EQ(call.selector, 25u);
    EXPECT_EQ(call.inLen, 2u);
    EXPECT_EQ(call.outCap, 2u);
    ASSERT_EQ(call.inputBytes, 2u);
    EXPECT_EQ(call.input[0], 0xAB) << "the buffer went in as the input";
    EXPECT_EQ(call.input[1], 0xCD);
    EXPECT_EQ(WireReader(word, 2).u16(0), 7) << "and came back with the engine's word";
}
