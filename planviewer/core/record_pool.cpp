#include "core/record_pool.h"

#include <cstring>

#include "core/memory_services.h"

namespace qpf {

RecordPool* PoolCreate(uint32_t growth, uint32_t recordSize, bool unique, uint32_t groupId)
{
    if (growth == 0 || recordSize == 0) return nullptr;
    bool owns = false;
    if (groupId == 0) {
        groupId = NewGroup();
        if (groupId == 0) return nullptr;
        owns = true;
    }
    RecordPool* pool = static_cast<RecordPool*>(GroupAlloc(groupId, sizeof(RecordPool)));
    if (!pool) {
        if (owns) ReleaseGroup(groupId);
        return nullptr;
    }
    pool->growth = growth;
    pool->recordSize = recordSize;
    pool->unique = unique ? 1 : 0;
    pool->groupId = groupId;
    pool->ownsGroup = owns ? 1 : 0;
    return pool;
}

void PoolDestroy(RecordPool* pool)
{
    if (!pool) return;
    const uint32_t groupId = pool->groupId;
    if (pool->ownsGroup) {
        ReleaseGroup(groupId); // the header, the slots and the records with it
        return;
    }
    for (uint32_t i = 0; i < pool->used + pool->spare; ++i) GroupFree(groupId, pool->slots[i]);
    GroupFree(groupId, pool->slots);
    GroupFree(groupId, pool);
}

int PoolFind(const RecordPool* pool, const void* record)
{
    if (!pool || !record) return kPoolNotFound;
    for (uint32_t i = 0; i < pool->used; ++i)
        if (std::memcmp(pool->slots[i], record, pool->recordSize) == 0) return static_cast<int>(i);
    return kPoolNotFound;
}

int PoolFindAddress(const RecordPool* pool, const void* record)
{
    if (!pool || !record) return kPoolNotFound;
    for (uint32_t i = 0; i < pool->used; ++i)
        if (pool->slots[i] == record) return static_cast<int>(i);
    return kPoolNotFound;
}

int PoolAdd(RecordPool* pool, const void* record)
{
    if (!pool || !record) return kPoolNotFound;
    if (pool->unique && PoolFind(pool, record) >= 0) return kPoolDuplicate;
    if (pool->spare == 0 && pool->used == pool->capacity) {
        void* slots = pool->slots;
        const size_t oldBytes = sizeof(void*) * pool->capacity;
        const size_t newBytes = sizeof(void*) * (pool->capacity + pool->growth);
        if (GroupResize(pool->groupId, &slots, oldBytes, newBytes) != 0) return kPoolNoMemory;
        pool->slots = static_cast<void**>(slots);
        pool->capacity += pool->growth;
    }
    void* target;
    if (pool->spare > 0) {
        target = pool->slots[pool->used];
        --pool->spare;
    } else {
        target = GroupAlloc(pool->groupId, pool->recordSize);
        if (!target) return kPoolNoMemory;
        pool->slots[pool->used] = target;
    }
    std::memcpy(target, record, pool->recordSize);
    ++pool->used;
    return kPoolOk;
}

int PoolNewRecord(RecordPool* pool, void** record)
{
    if (!pool || !record) return kPoolNotFound;
    // A zero record is compared like any other in a unique pool.
    void* zero = AllocZero(pool->recordSize);
    if (!zero) return kPoolNoMemory;
    const int status = PoolAdd(pool, zero);
    FreeMemory(zero);
    if (status != kPoolOk) return status;
    *record = pool->slots[pool->used - 1];
    return kPoolOk;
}

int PoolRemove(RecordPool* pool, uint32_t index)
{
    if (!pool || index >= pool->used) return kPoolBadIndex;
    void* removed = pool->slots[index];
    std::memmove(&pool->slots[index], &pool->slots[index + 1],
                 sizeof(void*) * (pool->used - index - 1));
    --pool->used;
    std::memset(removed, 0, pool->recordSize);
    pool->slots[pool->used] = removed;
    ++pool->spare;
    return kPoolOk;
}

void* PoolAt(const RecordPool* pool, uint32_t index)
{
    if (!pool || index >= pool->used) return nullptr;
    return pool->slots[index];
}

} // namespace qpf
