#include "registry.h"

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// The root named by the first part of a key path, or nullptr when the part
// is no root name (it is then the first key under HKEY_CURRENT_USER).
HKEY rootNamed(const std::string& part)
{
    static const struct {
        const char* name;
        HKEY key;
    } roots[] = {
        {"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
        {"HKEY_USERS", HKEY_USERS},
        {"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
        {"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
    };
    for (const auto& r : roots)
        if (lstrcmpiA(part.c_str(), r.name) == 0) return r.key;
    return nullptr;
}

std::vector<std::string> splitPath(const char* path)
{
    std::vector<std::string> parts;
    std::string cur;
    for (const char* p = path; *p; ++p) {
        if (*p == '\\') {
            if (!cur.empty()) parts.push_back(cur);
            cur.clear();
        } else {
            cur.push_back(*p);
        }
    }
    if (!cur.empty()) parts.push_back(cur);
    return parts;
}

// Whether this is a 32-bit process on a 64-bit system; asked once.
bool runsUnderWow64()
{
    static int answer = -1;
    if (answer < 0) {
        answer = 0;
        using IsWow64Fn = BOOL(WINAPI*)(HANDLE, PBOOL);
        HMODULE kernel = GetModuleHandleA("kernel32");
        IsWow64Fn fn = kernel ? reinterpret_cast<IsWow64Fn>(
                                    reinterpret_cast<void*>(GetProcAddress(kernel, "IsWow64Process")))
                              : nullptr;
        BOOL wow = FALSE;
        if (fn && fn(GetCurrentProcess(), &wow) && wow) answer = 1;
    }
    return answer == 1;
}

bool startsWithNoCase(const std::string& s, const char* prefix)
{
    const size_t n = std::strlen(prefix);
    return s.size() >= n && CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, s.c_str(),
                                           static_cast<int>(n), prefix, static_cast<int>(n)) == CSTR_EQUAL;
}

void copyDefault(const char* text, char* buffer, uint32_t size)
{
    if (!text || !buffer || size == 0) return;
    const size_t n = std::strlen(text);
    const size_t keep = n < size ? n : size - 1;
    std::memcpy(buffer, text, keep);
    buffer[keep] = '\0';
}

// Reads the value; 0 when any step fails.
uint32_t readValue(const char* keyPath, const char* subkey, const char* valueName, char* buffer,
                   uint32_t bufferSize)
{
    if (!keyPath || !buffer || bufferSize == 0) return 0;
    std::vector<std::string> parts = splitPath(keyPath);
    HKEY root = parts.empty() ? nullptr : rootNamed(parts.front());
    if (root)
        parts.erase(parts.begin());
    else
        root = HKEY_CURRENT_USER;

    REGSAM access = KEY_READ;
    if (root == HKEY_LOCAL_MACHINE) {
        std::string below;
        for (const std::string& p : parts) below += (below.empty() ? "" : "\\") + p;
        if (startsWithNoCase(below, "SOFTWARE\\Orvanel Software") && runsUnderWow64())
            access |= KEY_WOW64_64KEY;
    }
    if (subkey && *subkey)
        for (const std::string& p : splitPath(subkey)) parts.push_back(p);

    HKEY key = root;
    for (const std::string& p : parts) {
        HKEY next = nullptr;
        const LONG rc = RegOpenKeyExA(key, p.c_str(), 0, access, &next);
        if (key != root) RegCloseKey(key);
        if (rc != ERROR_SUCCESS) return 0;
        key = next;
    }
    DWORD type = 0;
    DWORD size = bufferSize;
    const LONG rc = RegQueryValueExA(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    if (key != root) RegCloseKey(key);
    if (rc != ERROR_SUCCESS) return 0;
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
        // Text stored without its NUL must still end inside the buffer.
        if (size == 0 || buffer[size - 1] != '\0') {
            if (size >= bufferSize) return 0;
            buffer[size] = '\0';
        }
    }
    return size;
}

} // namespace

uint32_t RegReadPath(const char* keyPath, const char* subkey, const char* valueName,
                     const char* defaultText, char* buffer, uint32_t bufferSize)
{
    const uint32_t n = readValue(keyPath, subkey, valueName, buffer, bufferSize);
    // Without a default the buffer is left empty rather than half-written.
    if (n == 0) copyDefault(defaultText ? defaultText : "", buffer, bufferSize);
    return n;
}
