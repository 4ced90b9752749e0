// Binds the utilities library at run time: it is looked for through the
// engine's install keys, then by plain name, on the first call of any of its
// operations, and every operation is resolved by its export name.
#include "engine/utils_binding.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "gantry_api.h"
#include "zapp/message.h"

namespace {

struct BindingRow {
    const char* exportName;
    int index;
    FARPROC entry;
};

// One row per operation, in the library's order; the row with index 7 ends it.
BindingRow bindingTable[] = {
    {"DBUGetInfo", 0, nullptr},    {"DBUSetInfo", 1, nullptr}, {"DBUGetVersion", 2, nullptr},
    {"DBUConnect", 3, nullptr},    {"DBUDisconnect", 4, nullptr}, {"DBUStart", 5, nullptr},
    {"DBUStop", 6, nullptr},       {nullptr, 7, nullptr},
};

enum { kGetInfo, kSetInfo, kGetVersion, kConnect, kDisconnect, kStart, kStop };

uint16_t libraryLoaded = 0;
HMODULE libraryHandle = nullptr;
uint32_t libraryRefCount = 0;

const char* const kSearchKeys[] = {
    "SOFTWARE\\Orvanel Software\\Products\\Orvanel.SQL Client\\InstallInfo",
    "SOFTWARE\\Orvanel Software\\Products\\Orvanel.SQL Workgroup\\InstallInfo",
    "SOFTWARE\\Orvanel Software\\Products\\Orvanel.SQL NT Server\\InstallInfo",
};
const char kDefaultLibraryFile[] = "gantry32.dll";
char libraryFile[64] = "gantry32.dll";
const char kLibrarySubdir[] = "bin\\";
constexpr DWORD kPathBufferSize = 258;

// Loads the library from the directory one install key names, or returns
// null: key missing, value not a plain string, or a path too long for the
// buffer (that key is then skipped).
HMODULE loadFromInstallKey(const char* keyPath, char* path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS &&
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_READ | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS)
        return nullptr;
    DWORD type = 0;
    DWORD size = kPathBufferSize;
    std::memset(path, 0, kPathBufferSize);
    LONG rc = RegQueryValueExA(key, "InstallDir", nullptr, &type,
                               reinterpret_cast<BYTE*>(path), &size);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS || type != REG_SZ) return nullptr;
    path[kPathBufferSize - 1] = '\0';
    size_t len = std::strlen(path);
    const bool hasSlash = len > 0 && path[len - 1] == '\\';
    const size_t need = len + (hasSlash ? 0 : 1) + std::strlen(kLibrarySubdir) + std::strlen(libraryFile);
    if (need >= kPathBufferSize) return nullptr;
    if (!hasSlash) std::strcat(path, "\\");
    std::strcat(path, kLibrarySubdir);
    std::strcat(path, libraryFile);
    return LoadLibraryA(path);
}

HMODULE searchLibrary()
{
    char* path = static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, kPathBufferSize));
    if (!path) return nullptr;
    HMODULE module = nullptr;
    for (const char* key : kSearchKeys) {
        module = loadFromInstallKey(key, path);
        if (module) break;
    }
    if (!module) module = LoadLibraryA(libraryFile);
    HeapFree(GetProcessHeap(), 0, path);
    return module;
}

void bind()
{
    const long bindStatus = 0;
    HMODULE module = searchLibrary();
    if (!module) {
        char text[128];
        std::snprintf(text, sizeof text, "%s: Returning Status: %ld", "UtilsIfc", bindStatus);
        zMessage::show(nullptr, text, "VIZ", MB_OK | MB_TASKMODAL);
        return;
    }
    libraryHandle = module;
    libraryLoaded = 1;
    for (BindingRow* row = bindingTable; row->index != 7; ++row)
        row->entry = GetProcAddress(module, row->exportName);
    libraryRefCount = 1;
}

FARPROC entryFor(int index)
{
    if (!libraryLoaded) bind();
    return bindingTable[index].entry;
}

template <typename Proc>
Proc procFor(int index)
{
    return reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(entryFor(index)));
}

void unload()
{
    FreeLibrary(libraryHandle);
    libraryHandle = nullptr;
    libraryLoaded = 0;
    for (BindingRow* row = bindingTable; row->index != 7; ++row) row->entry = nullptr;
}

} // namespace

uint16_t DBUGetInfo(int32_t handle, uint16_t selector, uint16_t code, uint32_t inLen,
                    const void* in, uint32_t outCap, void* out)
{
    auto fn = procFor<DBUGetInfoProc>(kGetInfo);
    if (!fn) return kStatusLibraryMissing;
    return fn(handle, selector, code, inLen, const_cast<void*>(in), outCap, out);
}

uint16_t DBUSetInfo(int32_t handle, uint16_t selector, uint16_t code, uint32_t inLen,
                    const void* in)
{
    auto fn = procFor<DBUSetInfoProc>(kSetInfo);
    if (!fn) return kStatusLibraryMissing;
    return fn(handle, selector, code, inLen, const_cast<void*>(in));
}

uint16_t DBUGetVersion(int32_t handle, uint16_t component, uint16_t reserved, uint32_t cap,
                       void* out)
{
    auto fn = procFor<DBUGetVersionProc>(kGetVersion);
    if (!fn) return kStatusLibraryMissing;
    return fn(handle, component, reserved, cap, out);
}

uint16_t DBUConnect(const char* server, const char* user, const char* password,
                    int32_t* handle)
{
    auto fn = procFor<DBUConnectProc>(kConnect);
    if (!fn) return kStatusLibraryMissing;
    return fn(server, user, password, handle);
}

uint16_t DBUDisconnect(int32_t* handle)
{
    auto fn = procFor<DBUDisconnectProc>(kDisconnect);
    if (!fn) return kStatusLibraryMissing;
    return fn(handle);
}

uint16_t DBUStart(void* reserved)
{
    auto fn = procFor<DBUStartProc>(kStart);
    if (!fn) return kStatusLibraryMissing;
    return fn(reserved);
}

uint16_t DBUStop(void* reserved)
{
    auto fn = procFor<DBUStopProc>(kStop);
    if (!fn) return kStatusLibraryMissing;
    const uint16_t status = fn(reserved);
    if (status == 0 && libraryRefCount > 0) --libraryRefCount;
    // After unloading, the next call binds the library again.
    if (libraryRefCount == 0 && libraryLoaded == 1) unload();
    return status;
}

bool utilsLibraryLoaded() { return libraryLoaded != 0; }

void* utilsLibraryModule() { return libraryLoaded ? libraryHandle : nullptr; }

void setUtilsLibraryFileName(const char* fileName)
{
    if (libraryLoaded) unload();
    libraryRefCount = 0;
    std::snprintf(libraryFile, sizeof libraryFile, "%s", fileName ? fileName : kDefaultLibraryFile);
}
