// Plan sources over memory for the core tests.
#pragma once
#include <cstdint>
#include <cstring>
#include <vector>

#include "core/qpf_scan.h"

// Serves bytes from memory; `maxPerRead` cuts every read short, as a slow
// device would, and `failAt` makes reads fail from that offset on.
class MemorySource : public qpf::PlanSource {
public:
    explicit MemorySource(std::vector<uint8_t> bytes, uint32_t maxPerRead = 0xFFFFFFFFu)
        : bytes_(std::move(bytes)), maxPerRead_(maxPerRead)
    {
    }
    uint32_t failAt = 0xFFFFFFFFu;
    uint32_t reads = 0;

    bool seekTo(uint32_t offset) override
    {
        if (offset > bytes_.size()) return false;
        pos_ = offset;
        return true;
    }
    bool read(void* dst, uint32_t count, uint32_t* got) override
    {
        ++reads;
        if (pos_ >= failAt) return false;
        uint32_t n = static_cast<uint32_t>(bytes_.size()) - pos_;
        if (n > count) n = count;
        if (n > maxPerRead_) n = maxPerRead_;
        if (n) std::memcpy(dst, bytes_.data() + pos_, n);
        pos_ += n;
        *got = n;
        return true;
    }

private:
    std::vector<uint8_t> bytes_;
    uint32_t maxPerRead_;
    uint32_t pos_ = 0;
};

// The viewer's fixed work buffers, on the heap at their real sizes so that
// AddressSanitizer sees any write past them.
struct TestBuffers {
    std::vector<uint8_t> statement = std::vector<uint8_t>(qpf::kWorkBufferSize);
    std::vector<uint8_t> plan = std::vector<uint8_t>(qpf::kWorkBufferSize);
    std::vector<uint32_t> offsets = std::vector<uint32_t>(qpf::kMaxPlans);
    qpf::WorkBuffers view() { return {statement.data(), plan.data(), offsets.data()}; }
};
