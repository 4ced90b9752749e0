#include "core/memory_services.h"

#include <cstdlib>
#include <cstring>
#include <mutex>

namespace qpf {

namespace {

// Every block starts with its links in the group's list.
struct BlockLinks {
    BlockLinks* next;
    BlockLinks* prev;
};

// One entry per group. A group in use has nextFree == kInUse; a released one
// links to the next released id (0 ends the list).
struct AllocationGroup {
    BlockLinks* first;
    uint32_t nextFree;
};

constexpr uint32_t kInUse = 0xFFFFFFFFu;
constexpr uint32_t kTableStep = 8192;

struct ServicesLock {
    std::mutex* mutex = nullptr;
    uint32_t uses = 0;
};

ServicesLock g_lock;
AllocationGroup* g_table = nullptr; // entry 0 is unused: ids are 1-based
uint32_t g_tableSize = 0;
uint32_t g_highestId = 0;
uint32_t g_freeHead = 0;
int g_failAfter = -1;

void* rawAlloc(size_t size)
{
    if (g_failAfter == 0) return nullptr;
    if (g_failAfter > 0) --g_failAfter;
    return std::calloc(1, size == 0 ? 1 : size);
}

bool validGroup(uint32_t id)
{
    return g_table && id >= 1 && id <= g_highestId && g_table[id].nextFree == kInUse;
}

void freeBlocks(AllocationGroup& group)
{
    BlockLinks* b = group.first;
    while (b) {
        BlockLinks* next = b->next;
        std::free(b);
        b = next;
    }
    group.first = nullptr;
}

bool growTable()
{
    const uint32_t newSize = g_tableSize + kTableStep;
    void* grown = rawAlloc(sizeof(AllocationGroup) * newSize);
    if (!grown) return false;
    if (g_table) {
        std::memcpy(grown, g_table, sizeof(AllocationGroup) * g_tableSize);
        std::free(g_table);
    }
    g_table = static_cast<AllocationGroup*>(grown);
    g_tableSize = newSize;
    return true;
}

struct Guard {
    Guard() { ServicesLockEnter(); }
    ~Guard() { ServicesLockLeave(); }
};

} // namespace

bool ServicesLockUse()
{
    if (g_lock.uses == 0) {
        g_lock.mutex = new (std::nothrow) std::mutex;
        if (!g_lock.mutex) return false;
    }
    ++g_lock.uses;
    return true;
}

void ServicesLockUnuse()
{
    if (g_lock.uses == 0) return;
    if (--g_lock.uses == 0) {
        delete g_lock.mutex;
        g_lock.mutex = nullptr;
    }
}

void ServicesLockEnter()
{
    if (g_lock.mutex) g_lock.mutex->lock();
}

void ServicesLockLeave()
{
    if (g_lock.mutex) g_lock.mutex->unlock();
}

bool MemoryStartup()
{
    if (!ServicesLockUse()) return false;
    bool ok = true;
    ServicesLockEnter();
    if (!g_table) {
        g_tableSize = 0;
        g_highestId = 0;
        g_freeHead = 0;
        ok = growTable();
    }
    ServicesLockLeave();
    if (!ok) ServicesLockUnuse();
    return ok;
}

void MemoryShutdown()
{
    if (g_lock.uses == 0) return;
    if (g_lock.uses == 1) {
        Guard guard;
        for (uint32_t id = 1; id <= g_highestId; ++id) freeBlocks(g_table[id]);
        std::free(g_table);
        g_table = nullptr;
        g_tableSize = 0;
        g_highestId = 0;
        g_freeHead = 0;
    }
    ServicesLockUnuse();
}

uint32_t NewGroup()
{
    Guard guard;
    if (!g_table) return 0;
    uint32_t id;
    if (g_freeHead != 0) {
        id = g_freeHead;
        g_freeHead = g_table[id].nextFree;
    } else {
        if (g_highestId + 1 >= g_tableSize && !growTable()) return 0;
        id = ++g_highestId;
    }
    g_table[id].first = nullptr;
    g_table[id].nextFree = kInUse;
    return id;
}

void ReleaseGroup(uint32_t groupId)
{
    Guard guard;
    if (!validGroup(groupId)) return;
    freeBlocks(g_table[groupId]);
    g_table[groupId].nextFree = g_freeHead;
    g_freeHead = groupId;
}

void* GroupAlloc(uint32_t groupId, size_t size)
{
    Guard guard;
    if (!validGroup(groupId)) return nullptr;
    if (size > SIZE_MAX - sizeof(BlockLinks)) return nullptr;
    BlockLinks* b = static_cast<BlockLinks*>(rawAlloc(sizeof(BlockLinks) + size));
    if (!b) return nullptr;
    AllocationGroup& g = g_table[groupId];
    b->prev = nullptr;
    b->next = g.first;
    if (g.first) g.first->prev = b;
    g.first = b;
    return b + 1;
}

void GroupFree(uint32_t groupId, void* block)
{
    if (!block) return;
    Guard guard;
    if (!validGroup(groupId)) return;
    BlockLinks* b = static_cast<BlockLinks*>(block) - 1;
    AllocationGroup& g = g_table[groupId];
    if (b->prev)
        b->prev->next = b->next;
    else
        g.first = b->next;
    if (b->next) b->next->prev = b->prev;
    std::free(b);
}

int GroupResize(uint32_t groupId, void** block, size_t oldSize, size_t newSize)
{
    if (newSize <= oldSize && *block) return 0;
    void* grown = GroupAlloc(groupId, newSize);
    if (!grown) return -10;
    if (*block) {
        std::memcpy(grown, *block, oldSize);
        GroupFree(groupId, *block);
    }
    *block = grown;
    return 0;
}

void* AllocZero(size_t size) { return rawAlloc(size); }

void FreeMemory(void* p) { std::free(p); }

uint32_t GroupBlockCount(uint32_t groupId)
{
    Guard guard;
    if (!validGroup(groupId)) return 0;
    uint32_t n = 0;
    for (BlockLinks* b = g_table[groupId].first; b; b = b->next) ++n;
    return n;
}

bool GroupInUse(uint32_t groupId)
{
    Guard guard;
    return validGroup(groupId);
}

void MemoryFailAfter(int n) { g_failAfter = n; }

} // namespace qpf
