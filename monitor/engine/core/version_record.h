// The 20-byte version record of the utilities library and the rule that
// compares it with a requirement.
#pragma once
#include <cstdint>

struct VersionRecord {
    uint32_t kind = 0;
    uint32_t major = 0;
    uint32_t minor = 0;
    uint32_t build = 0;
    uint32_t reserved = 0;
};
static_assert(sizeof(VersionRecord) == 20, "wire record is 20 bytes");

// Kind equal and (major, minor) >= the requirement's; build is not compared.
bool versionMeets(const VersionRecord& have, const VersionRecord& need);
