// Text helpers of the shell that need no window.
#pragma once
#include <cstdint>
#include <string>

// The text after the last backslash or slash of `path`. A separator whose
// preceding byte is a double-byte lead byte (as `isLeadByte` tells for the
// system code page) is the trail byte of a character, not a separator.
std::string fileNamePartOf(const char* path, bool (*isLeadByte)(unsigned char));

// "%s %s" of the 4 bytes as 8 and the 6 bytes as 12 upper-case hex digits,
// each byte in stored order, high nibble first.
std::string formatHexPair(const uint8_t network[4], const uint8_t node[6]);

// printf-style formatting into a std::string (bounded; never overflows).
std::string formatText(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
