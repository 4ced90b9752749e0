// The UI-strings library, linked at load time.
#pragma once
#include <windows.h>

extern "C" {
// 0 and the engine's text for `status` (at most 256 bytes with its NUL), or
// non-zero when the library has no text for it. `flag` is always 1.
unsigned long WINAPI DBUGetString(unsigned long status, char* buffer, unsigned long flag);
// 0 and the library's four-part version.
unsigned long WINAPI getUIDLLVersion(unsigned long* version);
}
