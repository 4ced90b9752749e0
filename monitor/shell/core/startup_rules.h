// The version rules of the start-up checks.
#pragma once
#include <cstdint>

// Resource library a.b.c: a >= 1, and b > 10 or (b == 10 and c >= 30). Only b
// and c are compared as a version: a larger a does not excuse a small b.
bool resourceLibraryVersionOk(uint32_t a, uint32_t b, uint32_t c);

// UI-strings library k.x.y.z: k == 1 and (x, y, z) >= (7, 0, 0).
bool uiStringsVersionOk(uint32_t k, uint32_t x, uint32_t y, uint32_t z);
