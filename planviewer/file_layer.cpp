#include "file_layer.h"

#include <cstring>

namespace {

constexpr uint32_t kPoolGrowth = 10;

bool validHandle(const FileHandleRecord* h)
{
    return h && std::memcmp(h->tag, "FIL", 4) == 0;
}

// Gives a record taken by FileOpen back to its pool as a spare.
void dropRecord(PoolHolder* holder, FileHandleRecord* rec)
{
    const int index = qpf::PoolFindAddress(*holder, rec);
    if (index >= 0) qpf::PoolRemove(*holder, static_cast<uint32_t>(index));
}

} // namespace

uint16_t FileOpen(PoolHolder* holder, FileHandleRecord** handle, const char* path, uint16_t mode)
{
    if (!holder || !handle || !path) return kFileBadArgument;
    *handle = nullptr;
    if (!*holder) {
        *holder = qpf::PoolCreate(kPoolGrowth, sizeof(FileHandleRecord), true, 0);
        if (!*holder) return kFileNoMemory;
    }
    void* fresh = nullptr;
    if (qpf::PoolNewRecord(*holder, &fresh) != qpf::kPoolOk) return kFileNoMemory;
    FileHandleRecord* rec = static_cast<FileHandleRecord*>(fresh);

    const bool create = (mode & kModeCreate) != 0;
    const bool replace = (mode & kModeReplace) != 0;
    if (replace && !create) {
        dropRecord(holder, rec);
        return kFileBadArgument;
    }
    // The record keeps the path, so one that does not fit is refused here.
    if (std::strlen(path) > qpf::kMaxPathChars) {
        dropRecord(holder, rec);
        return kFileOpenFailed;
    }
    if (create && !replace && FileExists(path)) {
        dropRecord(holder, rec);
        return kFileExists;
    }

    UINT flags = OF_READ;
    if ((mode & kModeWrite) && (mode & kModeRead))
        flags = OF_READWRITE;
    else if (mode & kModeWrite)
        flags = OF_WRITE;
    if (create) flags |= OF_CREATE;
    const HFILE h = OpenFile(path, &rec->openInfo, flags);
    if (h == HFILE_ERROR) {
        dropRecord(holder, rec);
        return kFileOpenFailed;
    }

    rec->platformHandle = static_cast<int32_t>(h);
    rec->openMode = static_cast<uint16_t>(flags);
    rec->openFlag = 1;
    rec->holder = holder;
    std::memcpy(rec->tag, "FIL", 4);
    std::strcpy(rec->path, path);
    *handle = rec;
    return kFileOk;
}

uint16_t FileRead(FileHandleRecord* handle, uint32_t count, void* buffer, uint32_t* countRead)
{
    if (!validHandle(handle)) return kFileBadHandle;
    const UINT got = _lread(static_cast<HFILE>(handle->platformHandle), buffer, count);
    if (got == static_cast<UINT>(HFILE_ERROR)) {
        if (countRead) *countRead = 0;
        return kFileReadFailed;
    }
    if (countRead) *countRead = got;
    return got < count ? kFileShortRead : kFileOk;
}

uint16_t FileSeek(FileHandleRecord* handle, int32_t distance, int origin)
{
    if (!validHandle(handle)) return kFileBadHandle;
    if (_llseek(static_cast<HFILE>(handle->platformHandle), distance, origin) == HFILE_ERROR)
        return kFileSeekFailed;
    return kFileOk;
}

uint16_t FileQuery(FileHandleRecord* handle, uint32_t* value, uint16_t kind)
{
    if (!validHandle(handle)) return kFileBadHandle;
    if (kind != kQuerySize && kind != kQueryPosition) return kFileBadArgument;
    const HFILE h = static_cast<HFILE>(handle->platformHandle);
    const LONG position = _llseek(h, 0, FILE_CURRENT);
    if (position == HFILE_ERROR) return kFileQuerySeekFailed;
    if (kind == kQueryPosition) {
        if (value) *value = static_cast<uint32_t>(position);
        return kFileOk;
    }
    const LONG size = _llseek(h, 0, FILE_END);
    if (size == HFILE_ERROR) return kFileQuerySeekFailed;
    if (_llseek(h, position, FILE_BEGIN) == HFILE_ERROR) return kFileQuerySeekFailed;
    if (value) *value = static_cast<uint32_t>(size);
    return kFileOk;
}

uint16_t FileClose(FileHandleRecord* handle, bool deleteFile)
{
    if (!validHandle(handle)) return kFileBadHandle;
    const bool closed = _lclose(static_cast<HFILE>(handle->platformHandle)) != HFILE_ERROR;
    if (deleteFile) FileDelete(handle->path);
    PoolHolder* holder = handle->holder;
    if (holder && *holder) dropRecord(holder, handle); // zero-filled: the tag is gone too
    return closed ? kFileOk : kFileCloseFailed;
}

bool FileExists(const char* path)
{
    OFSTRUCT info = {};
    return path && OpenFile(path, &info, OF_EXIST) != HFILE_ERROR;
}

bool FileDelete(const char* path)
{
    OFSTRUCT info = {};
    return path && OpenFile(path, &info, OF_DELETE) != HFILE_ERROR;
}
