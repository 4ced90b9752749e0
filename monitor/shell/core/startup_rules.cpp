#include "shell/core/startup_rules.h"

bool resourceLibraryVersionOk(uint32_t a, uint32_t b, uint32_t c)
{
    return a >= 1 && (b > 10 || (b == 10 && c >= 30));
}

bool uiStringsVersionOk(uint32_t k, uint32_t x, uint32_t, uint32_t)
{
    // (x, y, z) >= (7, 0, 0) holds for every y and z once x >= 7.
    return k == 1 && x >= 7;
}
