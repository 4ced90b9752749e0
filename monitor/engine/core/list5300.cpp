#include "engine/core/list5300.h"

#include <cstring>

#include "engine/core/wire.h"

namespace {
constexpr uint16_t kOk = 0;
constexpr uint16_t kMoreFollows = 4107;
constexpr uint16_t kTooSmall = 4086;

// Entries a chunk says it holds, kept to what fits in what it was offered:
// an engine that claims more never makes us move bytes it did not write.
uint32_t chunkEntries(const uint8_t* chunk, uint32_t offered)
{
    uint32_t n = WireReader(chunk, kList5300HeaderSize).u16(2);
    uint32_t fits = (offered - kList5300HeaderSize) / kList5300EntrySize;
    return n < fits ? n : fits;
}
} // namespace

uint16_t fetchList5300Chunks(const List5300Call& call, void* buffer, uint32_t capacity)
{
    if (!buffer || capacity < kList5300MinCapacity) return kTooSmall;
    uint8_t* base = static_cast<uint8_t*>(buffer);
    putLe16(base + 2, 0);
    uint32_t count = 0;
    uint32_t position = 0xFFFFFFFFu;
    uint8_t* write = base;
    bool first = true;

    for (;;) {
        uint8_t key[8];
        putLe32(key, position);
        putLe32(key + 4, 0);
        const uint32_t offered = capacity < kList5300MaxRequest ? capacity : kList5300MaxRequest;
        const uint16_t status = call(sizeof key, key, offered, write);
        if (status != kOk && status != kMoreFollows) return status;

        const uint32_t n = chunkEntries(write, offered);
        if (first) {
            count = n;
            if (status == kOk) return kOk;
            putLe16(base + 2, static_cast<uint16_t>(count));
            capacity -= kList5300HeaderSize + kList5300EntrySize * n;
            write += kList5300HeaderSize + kList5300EntrySize * n;
            first = false;
        } else {
            // Later chunks: their entries move down over the chunk's own
            // header so that the list stays contiguous.
            if (count + n > 0xFFFF) return kMoreFollows;
            count += n;
            std::memmove(write, write + kList5300HeaderSize, kList5300EntrySize * n);
            putLe16(base + 2, static_cast<uint16_t>(count));
            if (status == kOk) {
                putLe16(base, static_cast<uint16_t>(count));
                return kOk;
            }
            capacity -= kList5300EntrySize * n;
            write += kList5300EntrySize * n;
        }
        // A "more follows" that brought nothing would ask for the same
        // position forever.
        if (n == 0) return kMoreFollows;
        if (capacity < kList5300MinCapacity) return kMoreFollows;
        position = count;
    }
}
