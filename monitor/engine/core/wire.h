// Bounded access to the engine's little-endian wire records. Every read names
// an offset and a width and is checked against the end of the record, so a
// short or damaged reply yields zeros instead of bytes beyond the buffer.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

class WireReader {
public:
    WireReader(const void* data, size_t size)
        : data_(static_cast<const uint8_t*>(data)), size_(data ? size : 0) {}

    size_t size() const { return size_; }
    bool has(size_t offset, size_t width) const
    {
        return offset <= size_ && width <= size_ - offset;
    }
    uint8_t u8(size_t offset) const { return has(offset, 1) ? data_[offset] : 0; }
    int8_t i8(size_t offset) const { return static_cast<int8_t>(u8(offset)); }
    uint16_t u16(size_t offset) const
    {
        if (!has(offset, 2)) return 0;
        return static_cast<uint16_t>(data_[offset] | (data_[offset + 1] << 8));
    }
    int16_t i16(size_t offset) const { return static_cast<int16_t>(u16(offset)); }
    uint32_t u32(size_t offset) const
    {
        if (!has(offset, 4)) return 0;
        return static_cast<uint32_t>(data_[offset]) |
               (static_cast<uint32_t>(data_[offset + 1]) << 8) |
               (static_cast<uint32_t>(data_[offset + 2]) << 16) |
               (static_cast<uint32_t>(data_[offset + 3]) << 24);
    }
    int32_t i32(size_t offset) const { return static_cast<int32_t>(u32(offset)); }

    // A NUL-terminated text inside [offset, offset + maxWidth), cut at the end
    // of the record when no NUL comes first.
    std::string text(size_t offset, size_t maxWidth = SIZE_MAX) const
    {
        if (offset >= size_) return std::string();
        size_t limit = size_ - offset;
        if (maxWidth < limit) limit = maxWidth;
        const uint8_t* p = data_ + offset;
        const void* nul = std::memchr(p, 0, limit);
        size_t n = nul ? static_cast<size_t>(static_cast<const uint8_t*>(nul) - p) : limit;
        return std::string(reinterpret_cast<const char*>(p), n);
    }
    const uint8_t* bytes(size_t offset, size_t width) const
    {
        return has(offset, width) ? data_ + offset : nullptr;
    }

private:
    const uint8_t* data_;
    size_t size_;
};

inline void putLe16(void* dst, uint16_t v)
{
    uint8_t* p = static_cast<uint8_t*>(dst);
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

inline void putLe32(void* dst, uint32_t v)
{
    uint8_t* p = static_cast<uint8_t*>(dst);
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}
