#include "core/qpf_scan.h"

#include <cstring>
#include <vector>

#include "core/plan_walk.h"

namespace qpf {

namespace {

// Reads the source in large chunks, so that a scan costs a few platform
// reads per megabyte instead of three per record.
class ChunkReader {
public:
    explicit ChunkReader(PlanSource& source) : source_(source), chunk_(kChunkSize) {}

    // Copies up to `count` bytes; returns how many came. A failed platform
    // read counts as the end of the data.
    uint32_t read(uint8_t* dst, uint32_t count)
    {
        uint32_t done = 0;
        while (done < count) {
            if (pos_ == fill_ && !refill()) break;
            uint32_t n = fill_ - pos_;
            if (n > count - done) n = count - done;
            std::memcpy(dst + done, chunk_.data() + pos_, n);
            pos_ += n;
            done += n;
        }
        return done;
    }

private:
    static constexpr uint32_t kChunkSize = 64 * 1024;

    bool refill()
    {
        if (ended_) return false;
        uint32_t got = 0;
        if (!source_.read(chunk_.data(), kChunkSize, &got) || got == 0) {
            ended_ = true;
            return false;
        }
        if (got > kChunkSize) got = kChunkSize;
        pos_ = 0;
        fill_ = got;
        return true;
    }

    PlanSource& source_;
    std::vector<uint8_t> chunk_;
    uint32_t pos_ = 0;
    uint32_t fill_ = 0;
    bool ended_ = false;
};

// Reads until `count` bytes came, the data ended or a read failed; returns
// how many came.
uint32_t readUpTo(PlanSource& source, uint8_t* dst, uint32_t count)
{
    uint32_t done = 0;
    while (done < count) {
        uint32_t got = 0;
        if (!source.read(dst + done, count - done, &got)) break;
        if (got == 0 || got > count - done) break;
        done += got;
    }
    return done;
}

} // namespace

ScanResult scanPlanFile(PlanSource& source, const WorkBuffers& buffers)
{
    ScanResult result;
    ChunkReader in(source);

    uint8_t fileHeader[kFileHeaderSize] = {};
    uint8_t recordHeader[kRecordHeaderSize] = {};
    const bool fileHeaderComplete = in.read(fileHeader, kFileHeaderSize) == kFileHeaderSize;
    bool recordHeaderComplete = in.read(recordHeader, kRecordHeaderSize) == kRecordHeaderSize;

    const QpfFileHeader header = decodeFileHeader(fileHeader);
    if (!fileHeaderComplete || !header.magicOk) return result; // NotQpf
    result.byteSwapped = header.byteSwapped;
    result.fileVersion = header.version;
    if (header.version != kSupportedVersion) {
        result.outcome = ScanOutcome::BadVersion;
        return result;
    }
    result.outcome = ScanOutcome::Loaded;

    uint32_t offset = kFileHeaderSize;
    uint32_t index = 0;
    while (recordHeaderComplete) {
        const QpfRecordHeader rec = decodeRecordHeader(recordHeader, header.byteSwapped);
        if (!rec.magicOk) {
            result.notice = ScanNotice::InvalidFormat;
            break;
        }
        buffers.planOffsets[index] = offset;
        offset += kRecordHeaderSize + rec.statementLength + rec.planLength;

        const uint32_t gotStatement = in.read(buffers.statement, rec.statementLength);
        buffers.statement[gotStatement] = 0;
        if (gotStatement != rec.statementLength) break;
        if (in.read(buffers.plan, rec.planLength) != rec.planLength) break;

        result.planCount = static_cast<uint16_t>(index + 1);
        recordHeaderComplete = in.read(recordHeader, kRecordHeaderSize) == kRecordHeaderSize;
        ++index;
        if (index == kMaxPlans) {
            // Reported even when no further record follows the last one.
            result.notice = ScanNotice::PlanLimit;
            break;
        }
    }
    return result;
}

PlanRead readPlanRecord(PlanSource& source, uint32_t offset, bool byteSwapped,
                        const WorkBuffers& buffers)
{
    PlanRead result;
    uint8_t headerBytes[kRecordHeaderSize] = {};
    if (!source.seekTo(offset)) return result;
    if (readUpTo(source, headerBytes, kRecordHeaderSize) != kRecordHeaderSize) return result;
    const QpfRecordHeader rec = decodeRecordHeader(headerBytes, byteSwapped);
    if (!rec.magicOk) return result;
    result.statementLength = rec.statementLength;
    result.planLength = rec.planLength;

    const uint32_t gotStatement = readUpTo(source, buffers.statement, rec.statementLength);
    buffers.statement[gotStatement] = 0;
    if (gotStatement != rec.statementLength) return result;
    if (readUpTo(source, buffers.plan, rec.planLength) != rec.planLength) return result;
    if (byteSwapped) ConvertPlanByteOrder(buffers.plan, rec.planLength);
    result.complete = true;
    return result;
}

} // namespace qpf
