// The outline the display shows for one plan: one line per root, node,
// array entry and stop, each with its depth in the tree. Built by walking the
// plan's node structure, bounded by its length.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace prism {

struct OutlineLine {
    uint32_t depth; // 0: plan summary, roots and root-table notes
    std::string text;
};

// The largest plan a record can carry; the display never reads past it.
constexpr uint32_t kMaxPlanBytes = 65535;

// `length` 0: take the plan's length from its first uint32 (kept to
// kMaxPlanBytes); the caller guarantees that many readable bytes.
std::vector<OutlineLine> buildOutline(const uint8_t* plan, uint32_t length);

// The length the outline of `plan` walks for a given `length` argument.
uint32_t outlineLength(const uint8_t* plan, uint32_t length);

} // namespace prism
