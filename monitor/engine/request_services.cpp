#include "engine/request_services.h"

#include <cstring>

#include "engine/core/list5300.h"
#include "engine/utils_binding.h"

namespace {
constexpr uint16_t kNotPresent = 4083;
constexpr uint16_t kRefused = 65535;
} // namespace

int checkComponentVersion(int32_t handle, uint16_t component, uint16_t reserved,
                          uint16_t* statusOut, const VersionRecord* requirement,
                          VersionRecord* record)
{
    if (statusOut) *statusOut = 0;
    if (!requirement || !record) return 1;
    const uint16_t status = DBUGetVersion(handle, component, reserved, sizeof(VersionRecord), record);
    if (statusOut) *statusOut = status;
    if (status == kNotPresent) return 4;
    if (status == kRefused) return 3;
    if (status != 0) return 2;
    return versionMeets(*record, *requirement) ? 0 : 3;
}

int queryEngineKind(int32_t handle, uint16_t* kind)
{
    VersionRecord record;
    if (DBUGetVersion(handle, 5, 0, sizeof record, &record) == 0) {
        *kind = record.major >= 10 ? 25 : 5;
        return 0;
    }
    if (DBUGetVersion(handle, 1, 0, sizeof record, &record) == 0) {
        *kind = record.major >= 10 ? 25 : 1;
        return 0;
    }
    return 1;
}

uint16_t fetchList5300(int32_t handle, uint16_t selector, void* buffer, uint32_t capacity)
{
    List5300Call call = [handle, selector](uint32_t inLen, const void* in, uint32_t outCap,
                                           void* out) {
        return DBUGetInfo(handle, selector, 5300, inLen, in, outCap, out);
    };
    return fetchList5300Chunks(call, buffer, capacity);
}

uint16_t set5301(int32_t handle, uint16_t selector, const void* input16)
{
    return DBUSetInfo(handle, selector, 5301, 16, input16);
}

uint16_t query5302(int32_t handle, uint16_t selector, void* buffer, uint32_t length)
{
    return DBUGetInfo(handle, selector, 5302, length, buffer, length, buffer);
}
