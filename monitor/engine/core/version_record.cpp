#include "engine/core/version_record.h"

bool versionMeets(const VersionRecord& have, const VersionRecord& need)
{
    if (have.kind != need.kind) return false;
    if (have.major != need.major) return have.major > need.major;
    return have.minor >= need.minor;
}
