// Reads one registry value named by a key path text such as
// "HKEY_CURRENT_USER\Software\ODBC\odbc.ini".
#pragma once
#include <cstdint>

// Returns the number of bytes stored (for text, with its NUL), or 0 when the
// value was not read, a value that does not fit counting as not read. With 0
// and a default given, the default is copied into the buffer, cut to fit and
// always terminated.
uint32_t RegReadPath(const char* keyPath, const char* subkey, const char* valueName,
                     const char* defaultText, char* buffer, uint32_t bufferSize);
