#include <gtest/gtest.h>

#include <cstring>

#include "engine/core/wire.h"
#include "record/core/usage_records.h"

namespace {

ResourceUsageRecord usageWith(const uint32_t (&fields)[17])
{
    ResourceUsageRecord r;
    for (int i = 0; i < 17; ++i) putLe32(r.bytes + 4 * i, fields[i]);
    return r;
}

} // namespace

TEST(UsageRecords, DecodesFieldsByOffset)
{
    // Each field holds 100 + its offset, so a misplaced read shows at once.
    uint32_t f[17];
    for (int i = 0; i < 17; ++i) f[i] = 100 + 4 * i;
    const ResourceUsageRecord rec = usageWith(f);
    const ResourceUsage u = decodeResourceUsage(rec.bytes, sizeof rec.bytes);
    const auto rows = usageRows(u, ExtraUsage{7, 8, 9});
    struct Want {
        uint32_t current, peak, maximum;
        bool has;
    } want[7] = {
        {120, 100, 140, true}, {124, 104, 144, true}, {128, 108, 0, false},
        {132, 112, 148, true}, {136, 116, 152, true}, {7, 8, 9, true},
        {156, 160, 164, true},
    };
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(want[i].current, rows[i].current) << "row " << i + 1;
        EXPECT_EQ(want[i].peak, rows[i].peak) << "row " << i + 1;
        EXPECT_EQ(want[i].maximum, rows[i].maximum) << "row " << i + 1;
        EXPECT_EQ(want[i].has, rows[i].hasMaximum) << "row " << i + 1;
    }
    EXPECT_EQ(100u, openFilesPeak(u));
    EXPECT_EQ(104u, fileHandlesPeak(u));
    EXPECT_EQ(116u, clientsPeak(u));
}

TEST(UsageRecords, NoMaximumRules)
{
    uint32_t f[17] = {};
    f[16] = 0;  // row 7 maximum 0 still counts as a maximum
    const ResourceUsageRecord rec = usageWith(f);
    const ResourceUsage u = decodeResourceUsage(rec.bytes, sizeof rec.bytes);
    struct Case {
        const char* what;
        uint32_t max6;
        bool want6;
    } cases[] = {{"row 6 none", 0xFFFFFFFFu, false}, {"row 6 zero is a limit", 0, true}};
    for (const Case& c : cases) {
        const auto rows = usageRows(u, ExtraUsage{1, 2, c.max6});
        EXPECT_EQ(c.want6, rows[5].hasMaximum) << c.what;
        for (int i : {0, 1, 3, 4}) EXPECT_FALSE(rows[i].hasMaximum) << "row " << i + 1;
        EXPECT_FALSE(rows[2].hasMaximum) << "row 3 never has one";
        EXPECT_TRUE(rows[6].hasMaximum) << "row 7 always has one";
    }
}

TEST(UsageRecords, ShortRecordsReadAsZero)
{
    uint8_t bytes[20];
    std::memset(bytes, 0xFF, sizeof bytes);
    const ResourceUsage u = decodeResourceUsage(bytes, sizeof bytes);
    EXPECT_EQ(0xFFFFFFFFu, u.peak[4]) << "the last field inside the bytes given";
    EXPECT_EQ(0u, u.current[0]) << "first field past the end";
    EXPECT_EQ(0u, u.maximum7);
    const ExtraUsage x = decodeExtraUsage(bytes, 6);
    EXPECT_EQ(0xFFFFFFFFu, x.current6);
    EXPECT_EQ(0u, x.peak6) << "a field cut by the end";
}
