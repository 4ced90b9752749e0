// lexicord.dll: status texts and the library version.
#include <windows.h>

#include <cstring>

#include "lexicord.h"
#include "status_texts.h"

extern "C" LEXICORD_API int __stdcall DBUGetString(unsigned long status, char* buffer,
                                                   unsigned long /*flag*/)
{
    const char* text = lexicord::statusText(status);
    if (!text || !buffer) return 1;
    size_t n = std::strlen(text);
    if (n >= LEXICORD_TEXT_SIZE) n = LEXICORD_TEXT_SIZE - 1;
    std::memcpy(buffer, text, n);
    buffer[n] = '\0';
    return 0;
}

extern "C" LEXICORD_API int __stdcall getUIDLLVersion(unsigned long version[4])
{
    // The test override is read once, at the first call.
    static bool known = false, ok = true;
    static uint32_t v[4];
    if (!known) {
        char text[64];
        DWORD n = GetEnvironmentVariableA("VIGIL_LEXICORD_VERSION", text, sizeof text);
        ok = lexicord::versionFromOverride(n && n < sizeof text ? text : nullptr, v);
        known = true;
    }
    if (!version || !ok) return 1;
    for (int i = 0; i < 4; ++i) version[i] = v[i];
    return 0;
}
