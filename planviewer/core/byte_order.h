// Byte order helpers and the one bounded reader through which the viewer's
// portable code reads file and plan bytes. Every integer a query plan file
// carries is read here, never by pointer casts.
#pragma once
#include <cstddef>
#include <cstdint>

namespace qpf {

inline uint16_t swap16(uint16_t v) { return static_cast<uint16_t>((v >> 8) | (v << 8)); }

inline uint32_t swap32(uint32_t v)
{
    return (v >> 24) | ((v >> 8) & 0x0000FF00u) | ((v << 8) & 0x00FF0000u) | (v << 24);
}

// Reverses the four bytes at p in place.
inline void reverse4(uint8_t* p)
{
    uint8_t a = p[0], b = p[1];
    p[0] = p[3];
    p[1] = p[2];
    p[2] = b;
    p[3] = a;
}

// A view of bytes [0, end) that answers only reads lying wholly inside it.
class BoundedReader {
public:
    BoundedReader(const uint8_t* data, size_t end) : data_(data), end_(end) {}

    size_t end() const { return end_; }

    // True when [offset, offset + width) lies inside the view.
    bool fits(uint64_t offset, uint64_t width) const
    {
        return offset <= end_ && width <= end_ - offset;
    }

    // Little-endian reads; 0 when the field does not fit.
    uint16_t le16(size_t offset) const
    {
        if (!fits(offset, 2)) return 0;
        return static_cast<uint16_t>(data_[offset] | (data_[offset + 1] << 8));
    }
    uint32_t le32(size_t offset) const
    {
        if (!fits(offset, 4)) return 0;
        return static_cast<uint32_t>(data_[offset]) | (static_cast<uint32_t>(data_[offset + 1]) << 8) |
               (static_cast<uint32_t>(data_[offset + 2]) << 16) |
               (static_cast<uint32_t>(data_[offset + 3]) << 24);
    }
    uint8_t u8(size_t offset) const { return fits(offset, 1) ? data_[offset] : 0; }

    // The bytes themselves, for callers that copy text out of a field.
    const uint8_t* at(size_t offset) const { return data_ + offset; }

private:
    const uint8_t* data_;
    size_t end_;
};

} // namespace qpf
