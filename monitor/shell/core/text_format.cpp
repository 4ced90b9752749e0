#include "shell/core/text_format.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace {
// Last position of `sep` in `work` that is a real separator; a separator
// after a lead byte is masked in the work copy and the search goes on.
long lastSeparator(std::string& work, char sep, bool (*isLeadByte)(unsigned char))
{
    for (;;) {
        size_t pos = work.rfind(sep);
        if (pos == std::string::npos) return -1;
        if (pos == 0 || !isLeadByte || !isLeadByte(static_cast<unsigned char>(work[pos - 1])))
            return static_cast<long>(pos);
        work[pos] = '$';
    }
}
} // namespace

std::string fileNamePartOf(const char* path, bool (*isLeadByte)(unsigned char))
{
    if (!path) return std::string();
    // The work copy is as long as the path: a long path is cut by nothing.
    std::string work(path);
    long back = lastSeparator(work, '\\', isLeadByte);
    long slash = lastSeparator(work, '/', isLeadByte);
    long last = back > slash ? back : slash;
    if (last < 0) return std::string(path);
    return std::string(path + last + 1);
}

std::string formatHexPair(const uint8_t network[4], const uint8_t node[6])
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(21);
    for (int i = 0; i < 4; ++i) {
        out += digits[network[i] >> 4];
        out += digits[network[i] & 15];
    }
    out += ' ';
    for (int i = 0; i < 6; ++i) {
        out += digits[node[i] >> 4];
        out += digits[node[i] & 15];
    }
    return out;
}

std::string formatText(const char* format, ...)
{
    if (!format) return std::string();
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string out;
    if (n > 0) {
        std::vector<char> buf(static_cast<size_t>(n) + 1);
        std::vsnprintf(buf.data(), buf.size(), format, args);
        out.assign(buf.data(), static_cast<size_t>(n));
    }
    va_end(args);
    return out;
}
