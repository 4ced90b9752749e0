// The message texts of the engine's status codes, and the version rule of the
// library; portable, so the table is also checked natively.
#pragma once
#include <cstddef>
#include <cstdint>

namespace lexicord {

struct StatusText {
    uint16_t status;
    const char* text;
};

// Sorted by status.
const StatusText* statusTexts(size_t* count);
// The text for a status, or null.
const char* statusText(uint32_t status);

// The library's own version, and the test override: "a.b.c.d" with decimal
// numbers replaces it; anything else keeps it. Returns false for "fail".
constexpr uint32_t kVersion[4] = {1, 7, 0, 0};
bool versionFromOverride(const char* text, uint32_t out[4]);

}  // namespace lexicord
