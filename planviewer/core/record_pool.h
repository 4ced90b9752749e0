// RecordPool: a growable container of fixed-size records in one allocation
// group. Used records sit in slots 0..used-1; removed records stay behind them
// as zero-filled spares and are reused before new blocks are taken.
#pragma once
#include <cstdint>

namespace qpf {

constexpr int kPoolOk = 0;
constexpr int kPoolDuplicate = -7;  // an equal record is present (unique pools)
constexpr int kPoolNoMemory = -8;
constexpr int kPoolNotFound = -9;
constexpr int kPoolBadIndex = -10;

struct RecordPool {
    uint32_t capacity;   // slots of the pointer array
    uint32_t used;
    uint32_t spare;
    uint32_t growth;
    uint32_t recordSize;
    int32_t unique;
    uint32_t groupId;
    int32_t ownsGroup;
    void** slots;
    void* lock;          // never set by the viewer
    int32_t lockEnabled; // stays 0
};

// groupId 0: the pool makes a group of its own and releases it when
// destroyed. nullptr when out of memory.
RecordPool* PoolCreate(uint32_t growth, uint32_t recordSize, bool unique, uint32_t groupId);
void PoolDestroy(RecordPool* pool);

// Adds a copy of `record`: 0, -7 or -8.
int PoolAdd(RecordPool* pool, const void* record);
// Adds a zero-filled record and hands it out: 0, -7 or -8.
int PoolNewRecord(RecordPool* pool, void** record);
// Index of the first record equal byte for byte, or -9.
int PoolFind(const RecordPool* pool, const void* record);
// Index of the record at this address, or -9.
int PoolFindAddress(const RecordPool* pool, const void* record);
// Removes the record at `index`, keeping it as a zero-filled spare: 0 or -10.
int PoolRemove(RecordPool* pool, uint32_t index);
// The record at `index`, or nullptr.
void* PoolAt(const RecordPool* pool, uint32_t index);

} // namespace qpf
