#include "record/core/usage_records.h"

#include "engine/core/wire.h"

ResourceUsage decodeResourceUsage(const void* data, size_t size)
{
    const WireReader r(data, size);
    ResourceUsage u{};
    for (size_t i = 0; i < 5; ++i) {
        u.peak[i] = r.u32(4 * i);
        u.current[i] = r.u32(20 + 4 * i);
    }
    u.maximum1 = r.u32(40);
    u.maximum2 = r.u32(44);
    u.maximum4 = r.u32(48);
    u.maximum5 = r.u32(52);
    u.current7 = r.u32(56);
    u.peak7 = r.u32(60);
    u.maximum7 = r.u32(64);
    return u;
}

ExtraUsage decodeExtraUsage(const void* data, size_t size)
{
    const WireReader r(data, size);
    return {r.u32(0), r.u32(4), r.u32(8)};
}

std::array<UsageRow, 7> usageRows(const ResourceUsage& u, const ExtraUsage& x)
{
    auto row = [](uint32_t current, uint32_t peak, uint32_t maximum, bool has) {
        return UsageRow{current, peak, maximum, has};
    };
    return {{
        row(u.current[0], u.peak[0], u.maximum1, u.maximum1 != 0),
        row(u.current[1], u.peak[1], u.maximum2, u.maximum2 != 0),
        row(u.current[2], u.peak[2], 0, false),
        row(u.current[3], u.peak[3], u.maximum4, u.maximum4 != 0),
        row(u.current[4], u.peak[4], u.maximum5, u.maximum5 != 0),
        row(x.current6, x.peak6, x.maximum6, x.maximum6 != 0xFFFFFFFFu),
        row(u.current7, u.peak7, u.maximum7, true),
    }};
}
