// The request-5300 list fetch: a header (word A, count) and 480-byte entries,
// asked for in chunks by position until the engine says the last chunk came
// or the caller's buffer is full.
#pragma once
#include <cstdint>
#include <functional>

constexpr uint32_t kList5300EntrySize = 480;
constexpr uint32_t kList5300HeaderSize = 4;
constexpr uint32_t kList5300MinCapacity = kList5300HeaderSize + kList5300EntrySize;  // 484
constexpr uint32_t kList5300MaxRequest = 65300;

// One DBUGetInfo call of request 5300: input (8 bytes), capacity, output.
using List5300Call =
    std::function<uint16_t(uint32_t inLen, const void* in, uint32_t outCap, void* out)>;

// 0 complete, 4107 partial (buffer full), 4086 buffer too small for one entry,
// or the engine's failure status.
uint16_t fetchList5300Chunks(const List5300Call& call, void* buffer, uint32_t capacity);
