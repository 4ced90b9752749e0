// Little-endian record building and reading for the simulated engine. Records
// are built whole into a vector; the capacity the caller offered is applied
// only when a reply is delivered, in one place.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace gantry::sim {

using Bytes = std::vector<uint8_t>;

class Writer {
public:
    explicit Writer(Bytes& out) : out_(out) {}

    size_t size() const { return out_.size(); }
    void u8(uint8_t v) { out_.push_back(v); }
    void i8(int8_t v) { u8(static_cast<uint8_t>(v)); }
    void u16(uint16_t v)
    {
        u8(static_cast<uint8_t>(v));
        u8(static_cast<uint8_t>(v >> 8));
    }
    void i16(int16_t v) { u16(static_cast<uint16_t>(v)); }
    void u32(uint32_t v)
    {
        for (int i = 0; i < 4; ++i) u8(static_cast<uint8_t>(v >> (8 * i)));
    }
    void i32(int32_t v) { u32(static_cast<uint32_t>(v)); }
    void ch(char c) { u8(static_cast<uint8_t>(c)); }
    void bytes(const void* p, size_t n)
    {
        const uint8_t* b = static_cast<const uint8_t*>(p);
        out_.insert(out_.end(), b, b + n);
    }
    void zeros(size_t n) { out_.insert(out_.end(), n, 0); }
    // The text and its NUL.
    void cstr(const std::string& s)
    {
        bytes(s.data(), s.size());
        u8(0);
    }
    // A fixed field of `width` bytes: the text cut to width - 1, NUL-padded.
    void field(const std::string& s, size_t width)
    {
        size_t n = s.size() < width ? s.size() : width - 1;
        bytes(s.data(), n);
        zeros(width - n);
    }
    void patch16(size_t at, uint16_t v)
    {
        out_[at] = static_cast<uint8_t>(v);
        out_[at + 1] = static_cast<uint8_t>(v >> 8);
    }
    void patch32(size_t at, uint32_t v)
    {
        for (int i = 0; i < 4; ++i) out_[at + i] = static_cast<uint8_t>(v >> (8 * i));
    }

private:
    Bytes& out_;
};

// Reads a caller's input. Every read is checked against its end.
class Reader {
public:
    Reader(const uint8_t* p, size_t n) : p_(p), n_(p ? n : 0) {}
    explicit Reader(const Bytes& b) : Reader(b.data(), b.size()) {}

    size_t size() const { return n_; }
    bool has(size_t off, size_t width) const { return off <= n_ && width <= n_ - off; }
    uint16_t u16(size_t off) const
    {
        return has(off, 2) ? static_cast<uint16_t>(p_[off] | (p_[off + 1] << 8)) : 0;
    }
    uint32_t u32(size_t off) const
    {
        if (!has(off, 4)) return 0;
        return static_cast<uint32_t>(p_[off]) | (static_cast<uint32_t>(p_[off + 1]) << 8) |
               (static_cast<uint32_t>(p_[off + 2]) << 16) |
               (static_cast<uint32_t>(p_[off + 3]) << 24);
    }
    const uint8_t* at(size_t off) const { return p_ + off; }
    bool equals(size_t off, const void* b, size_t n) const
    {
        return has(off, n) && std::memcmp(p_ + off, b, n) == 0;
    }

private:
    const uint8_t* p_;
    size_t n_;
};

}  // namespace gantry::sim
