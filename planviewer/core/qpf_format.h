// The query plan file (.QPF): an 8-byte file header, then plan records back
// to back. Every integer is in the writer's byte order, which header byte 6
// tells: 0 means big-endian.
#pragma once
#include <cstdint>

namespace qpf {

constexpr uint16_t kSupportedVersion = 3101;
constexpr uint32_t kFileHeaderSize = 8;
constexpr uint32_t kRecordHeaderSize = 8;
constexpr uint32_t kMaxPlans = 16000;
// Each part of a record is at most 65535 bytes, so every read fits.
constexpr uint32_t kWorkBufferSize = 250000;
constexpr uint32_t kMaxPathChars = 260;

// Plan data: a uint32 at 0, then 60 root offsets ending at the first 0.
constexpr uint32_t kRootCount = 60;
constexpr uint32_t kRootTableOffset = 4;
constexpr uint32_t kRootTableEnd = kRootTableOffset + 4 * kRootCount; // 244

struct QpfFileHeader {
    bool magicOk = false;     // "SPY" and a NUL
    bool byteSwapped = false; // byte 6 was 0: the file is big-endian
    uint16_t version = 0;     // already in host order
};

struct QpfRecordHeader {
    bool magicOk = false;         // "QRY" and a NUL
    uint16_t planLength = 0;      // P, the field at offset 4
    uint16_t statementLength = 0; // S, the field at offset 6
};

QpfFileHeader decodeFileHeader(const uint8_t (&bytes)[kFileHeaderSize]);
QpfRecordHeader decodeRecordHeader(const uint8_t (&bytes)[kRecordHeaderSize], bool byteSwapped);

} // namespace qpf
