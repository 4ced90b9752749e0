// Scanning a query plan file once to index its plan records, and reading one
// record back. The bytes come through an injected source (the viewer's file
// layer, or memory in the tests); the caller shows the messages.
#pragma once
#include <cstdint>

#include "core/qpf_format.h"

namespace qpf {

class PlanSource {
public:
    virtual ~PlanSource() = default;
    // Moves to `offset` from the start; false when the move failed.
    virtual bool seekTo(uint32_t offset) = 0;
    // Reads up to `count` bytes; *got tells how many came (fewer at the end).
    // False when the read itself failed.
    virtual bool read(void* dst, uint32_t count, uint32_t* got) = 0;
};

// The viewer's fixed work buffers: statement and plan of kWorkBufferSize
// bytes each, offsets of kMaxPlans entries.
struct WorkBuffers {
    uint8_t* statement = nullptr;
    uint8_t* plan = nullptr;
    uint32_t* planOffsets = nullptr;
};

enum class ScanOutcome {
    Loaded,     // the header passed its checks; planCount plans were indexed
    NotQpf,     // file shorter than 8 bytes or wrong magic
    BadVersion, // fileVersion is not kSupportedVersion
};

enum class ScanNotice {
    None,
    InvalidFormat, // a record with a wrong magic ended the scan
    PlanLimit,     // kMaxPlans plans were indexed; the rest is not read
};

struct ScanResult {
    ScanOutcome outcome = ScanOutcome::NotQpf;
    ScanNotice notice = ScanNotice::None;
    bool byteSwapped = false;
    uint16_t fileVersion = 0;
    uint16_t planCount = 0;
};

// Scans from the source's current position (the start of the file). Each
// statement and plan is read once into the work buffers, which proves that the
// record is complete; a record cut short is not counted.
ScanResult scanPlanFile(PlanSource& source, const WorkBuffers& buffers);

struct PlanRead {
    bool complete = false; // magic right and both parts read in full
    uint16_t statementLength = 0;
    uint16_t planLength = 0;
};

// Reads the record at `offset` into the work buffers: the statement ends
// after its S bytes (a NUL is put after them), and a big-endian plan is
// converted to little-endian.
PlanRead readPlanRecord(PlanSource& source, uint32_t offset, bool byteSwapped,
                        const WorkBuffers& buffers);

} // namespace qpf
