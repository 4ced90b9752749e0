// Fuzzes the chunked 5300 list fetch against an engine whose answers come
// from the input: statuses, claimed counts and chunk bytes. The fetch must
// end and never touch bytes outside the caller's buffer.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "engine/core/list5300.h"
#include "engine/core/wire.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4) return 0;
    const uint32_t capacity = (static_cast<uint32_t>(data[0]) | (data[1] << 8)) * 4u;
    size_t at = 2;
    std::vector<uint8_t> buffer(capacity);
    int calls = 0;
    List5300Call engine = [&](uint32_t, const void*, uint32_t cap, void* out) -> uint16_t {
        if (++calls > 1000) __builtin_trap();  // the fetch must end by itself
        if (at + 3 > size) return 4083;
        const uint8_t pick = data[at++];
        const uint16_t claimed = static_cast<uint16_t>(data[at] | (data[at + 1] << 8));
        at += 2;
        uint8_t* p = static_cast<uint8_t*>(out);
        std::memset(p, 0xA5, cap);
        putLe16(p + 2, claimed);
        return pick % 3 == 0 ? 0 : pick % 3 == 1 ? 4107 : 4086;
    };
    fetchList5300Chunks(engine, buffer.data(), capacity);
    return 0;
}
