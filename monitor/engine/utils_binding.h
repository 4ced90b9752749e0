// Run-time binding of the utilities library. One forwarding function per
// operation, named and typed as the library's own: the first call of any of
// them finds and loads the library; a missing library or export answers 8005.
#pragma once
#include <cstdint>

constexpr uint16_t kStatusLibraryMissing = 8005;

uint16_t DBUGetInfo(int32_t handle, uint16_t selector, uint16_t code, uint32_t inLen,
                    const void* in, uint32_t outCap, void* out);
uint16_t DBUSetInfo(int32_t handle, uint16_t selector, uint16_t code, uint32_t inLen,
                    const void* in);
uint16_t DBUGetVersion(int32_t handle, uint16_t component, uint16_t reserved,
                       uint32_t cap, void* out);
uint16_t DBUConnect(const char* server, const char* user, const char* password,
                    int32_t* handle);
uint16_t DBUDisconnect(int32_t* handle);
uint16_t DBUStart(void* reserved);
uint16_t DBUStop(void* reserved);

// For tests: whether the library is loaded now, and which module it is.
bool utilsLibraryLoaded();
void* utilsLibraryModule();
// For tests: the file name the search looks for (default "gantry32.dll").
// Changing it unloads a library that is loaded.
void setUtilsLibraryFileName(const char* fileName);
