// The code side of the resource library: only its version. Everything else
// in VIGILKIT.DLL is resources (vigilkit.rc).
#include "vigilres.h"

namespace {

const unsigned long kVersion[3] = {1, 10, 30};

// "a.b.c" with three decimal numbers that each fit 32 bits, else false.
bool parseVersion(const char* text, unsigned long out[3]) {
    const char* p = text;
    for (int i = 0; i < 3; ++i) {
        if (*p < '0' || *p > '9') return false;
        unsigned long long n = 0;
        while (*p >= '0' && *p <= '9') {
            n = n * 10 + static_cast<unsigned>(*p - '0');
            if (n > 0xFFFFFFFFull) return false;
            ++p;
        }
        out[i] = static_cast<unsigned long>(n);
        if (i < 2) {
            if (*p != '.') return false;
            ++p;
        }
    }
    return *p == '\0';
}

}  // namespace

extern "C" VIGILRES_API int WINAPI getDLLVersion(unsigned long v[3]) {
    if (!v) return 0;
    unsigned long parsed[3];
    char text[64];
    DWORD n = GetEnvironmentVariableA("VIGIL_RESDLL_VERSION", text, sizeof text);
    const unsigned long* source = kVersion;
    if (n > 0 && n < sizeof text && parseVersion(text, parsed)) source = parsed;
    v[0] = source[0];
    v[1] = source[1];
    v[2] = source[2];
    return 0;
}
