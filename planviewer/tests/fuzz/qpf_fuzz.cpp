// libFuzzer target: any bytes as a whole file (scan, then read every indexed
// record as big- or little-endian) and as one plan (conversion and walk).
//   cmake -DVIGIL_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ ...; ./bin/qpfcore_fuzz corpus/
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "core/plan_walk.h"
#include "core/qpf_scan.h"

namespace {

class FuzzSource : public qpf::PlanSource {
public:
    FuzzSource(const uint8_t* d, size_t n) : d_(d), n_(n) {}
    bool seekTo(uint32_t offset) override
    {
        if (offset > n_) return false;
        pos_ = offset;
        return true;
    }
    bool read(void* dst, uint32_t count, uint32_t* got) override
    {
        size_t k = n_ - pos_;
        if (k > count) k = count;
        if (k) std::memcpy(dst, d_ + pos_, k);
        pos_ += k;
        *got = static_cast<uint32_t>(k);
        return true;
    }

private:
    const uint8_t* d_;
    size_t n_;
    size_t pos_ = 0;
};

struct NullVisitor : qpf::PlanVisitor {};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static std::vector<uint8_t> statement(qpf::kWorkBufferSize), plan(qpf::kWorkBufferSize);
    static std::vector<uint32_t> offsets(qpf::kMaxPlans);
    const qpf::WorkBuffers buffers{statement.data(), plan.data(), offsets.data()};

    FuzzSource src(data, size);
    const qpf::ScanResult r = qpf::scanPlanFile(src, buffers);
    for (uint32_t k = 0; k < r.planCount && k < 64; ++k)
        qpf::readPlanRecord(src, offsets[k], r.byteSwapped, buffers);

    const uint32_t length = static_cast<uint32_t>(size > qpf::kMaxPlanLength ? qpf::kMaxPlanLength : size);
    std::unique_ptr<uint8_t[]> exact(new uint8_t[length ? length : 1]);
    if (length) std::memcpy(exact.get(), data, length);
    NullVisitor v;
    qpf::walkPlan(exact.get(), length, v);
    qpf::ConvertPlanByteOrder(exact.get(), length, &v);
    return 0;
}
