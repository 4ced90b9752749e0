// The viewer's file layer over the platform's OpenFile family. A handle is a
// tagged FileHandleRecord kept in a RecordPool that the caller's pool holder
// cell owns; every operation returns a numeric status.
#pragma once
#include <windows.h>

#include <cstdint>

#include "core/qpf_format.h"
#include "core/record_pool.h"

// File-layer statuses.
constexpr uint16_t kFileOk = 0;
constexpr uint16_t kFileBadArgument = 1;  // replace without create, or an unknown query kind
constexpr uint16_t kFileShortRead = 2;    // fewer bytes than asked (0 at the end)
constexpr uint16_t kFileOpenFailed = 4003;
constexpr uint16_t kFileReadFailed = 4004;
constexpr uint16_t kFileSeekFailed = 4005;
constexpr uint16_t kFileNoMemory = 4006;
constexpr uint16_t kFileCloseFailed = 4007;
constexpr uint16_t kFileQuerySeekFailed = 4009;
constexpr uint16_t kFileBadHandle = 4010;
constexpr uint16_t kFileNoHolder = 4013;
constexpr uint16_t kFileExists = 4014;

// FileOpen modes.
constexpr uint16_t kModeRead = 1;
constexpr uint16_t kModeWrite = 2;
constexpr uint16_t kModeCreate = 8;
constexpr uint16_t kModeReplace = 16; // only together with kModeCreate

// FileQuery kinds.
constexpr uint16_t kQuerySize = 1;
constexpr uint16_t kQueryPosition = 2;

using PoolHolder = qpf::RecordPool*;

struct FileHandleRecord {
    char tag[4];             // "FIL" and a NUL while the record is a handle
    int32_t platformHandle;  // from OpenFile
    OFSTRUCT openInfo;
    char path[qpf::kMaxPathChars + 1];
    int32_t openFlag;        // 1 while open
    uint16_t openMode;       // the OpenFile flags used
    PoolHolder* holder;      // the cell that holds the pool of handles
};

uint16_t FileOpen(PoolHolder* holder, FileHandleRecord** handle, const char* path, uint16_t mode);
uint16_t FileRead(FileHandleRecord* handle, uint32_t count, void* buffer, uint32_t* countRead);
uint16_t FileSeek(FileHandleRecord* handle, int32_t distance, int origin);
uint16_t FileQuery(FileHandleRecord* handle, uint32_t* value, uint16_t kind);
uint16_t FileClose(FileHandleRecord* handle, bool deleteFile);
bool FileExists(const char* path);
bool FileDelete(const char* path);
