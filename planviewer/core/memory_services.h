// The viewer's memory services: allocation groups of zero-filled blocks, one
// process-wide lock, and plain zero-filled memory. A group's blocks are freed
// together when the group is released; released group ids are reused last in,
// first out.
#pragma once
#include <cstddef>
#include <cstdint>

namespace qpf {

// Starts the services: takes a use of the ServicesLock and creates the group
// table on the first use. False when either cannot be made.
bool MemoryStartup();
// Gives the use back; the last use frees the group table and every block
// still in it.
void MemoryShutdown();

// A new group id (1-based); 0 when out of memory or not started.
uint32_t NewGroup();
// Frees every block of the group and recycles its id.
void ReleaseGroup(uint32_t groupId);

// A zero-filled block of `size` bytes in the group; nullptr when out of memory.
void* GroupAlloc(uint32_t groupId, size_t size);
// A larger size moves the block to a new zero-filled one holding the old
// contents in front; a smaller size keeps it. 0, or -10 out of memory.
int GroupResize(uint32_t groupId, void** block, size_t oldSize, size_t newSize);
void GroupFree(uint32_t groupId, void* block);

// Plain zero-filled memory outside any group.
void* AllocZero(size_t size);
void FreeMemory(void* p);

// The lock: the first use creates it, the last deletes it. Enter and Leave
// guard the group table and the block lists.
bool ServicesLockUse();
void ServicesLockUnuse();
void ServicesLockEnter();
void ServicesLockLeave();

// Ids in use and blocks of a group, for tests and checks.
uint32_t GroupBlockCount(uint32_t groupId);
bool GroupInUse(uint32_t groupId);

// Tests: makes every allocation fail after `n` more have succeeded; -1 ends it.
void MemoryFailAfter(int n);

} // namespace qpf
