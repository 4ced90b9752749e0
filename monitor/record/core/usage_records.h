// The record engine's resource usage: request 15's 68-byte record, request
// 1808's 12-byte record, and the seven rows the resource usage dialog shows.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

constexpr uint16_t kRequestResourceUsage = 15;
constexpr uint16_t kRequestExtraUsage = 1808;
constexpr uint32_t kResourceUsageRecordSize = 68;
constexpr uint32_t kExtraUsageRecordSize = 12;

// The raw records as the engine fills them; decoded through the wire reader.
struct ResourceUsageRecord {
    uint8_t bytes[kResourceUsageRecordSize];
};
struct ExtraUsageRecord {
    uint8_t bytes[kExtraUsageRecordSize];
};

// The fields of request 15, grouped by kind as the engine sends them.
struct ResourceUsage {
    uint32_t peak[5];     // rows 1-5
    uint32_t current[5];  // rows 1-5
    uint32_t maximum1, maximum2, maximum4, maximum5;  // 0 = none
    uint32_t current7, peak7, maximum7;
};

struct ExtraUsage {
    uint32_t current6, peak6, maximum6;  // maximum 0xFFFFFFFF = none
};

ResourceUsage decodeResourceUsage(const void* data, size_t size);
ExtraUsage decodeExtraUsage(const void* data, size_t size);

// Peaks the list dialogs size their buffers from.
inline uint32_t openFilesPeak(const ResourceUsage& u) { return u.peak[0]; }
inline uint32_t fileHandlesPeak(const ResourceUsage& u) { return u.peak[1]; }
inline uint32_t clientsPeak(const ResourceUsage& u) { return u.peak[4]; }

// One row of the dialog. hasMaximum false: the maximum shows as "none" and
// the row's gauge (if any) is hidden. Row 3 has neither gauge nor maximum;
// row 7's gauge is always shown.
struct UsageRow {
    uint32_t current;
    uint32_t peak;
    uint32_t maximum;
    bool hasMaximum;
};

// Rows 1 to 7, index 0 to 6.
std::array<UsageRow, 7> usageRows(const ResourceUsage& usage, const ExtraUsage& extra);
