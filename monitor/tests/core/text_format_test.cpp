#include <gtest/gtest.h>

#include "shell/core/text_format.h"

namespace {
// Lead bytes of code page 932.
bool leadByte932(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
} // namespace

TEST(FileNamePart, Separators)
{
    static const struct { const char* path; const char* part; } cases[] = {
        {"C:\\DATA\\ORDERS.DAT", "ORDERS.DAT"},
        {"/srv/data/orders.dat", "orders.dat"},
        {"C:\\mixed/dir\\file.dat", "file.dat"},
        {"C:\\mixed\\dir/file.dat", "file.dat"},
        {"plain.dat", "plain.dat"},
        {"C:\\DATA\\", ""},
        {"\\lead", "lead"},
        {"", ""},
    };
    for (const auto& t : cases)
        EXPECT_EQ(fileNamePartOf(t.path, leadByte932), t.part) << "path " << t.path;
}

TEST(FileNamePart, DoubleByteTrailIsNoSeparator)
{
    // 0x95 0x5C is one character of code page 932 whose trail byte is a
    // backslash; the real separator is the one before it.
    const char path[] = "C:\\DATA\\\x95\x5C" "file.dat";
    EXPECT_EQ(fileNamePartOf(path, leadByte932), "\x95\x5C" "file.dat");
    // Without a double-byte code page the same byte is a separator.
    EXPECT_EQ(fileNamePartOf(path, nullptr), "file.dat");
    // A trail-byte slash is masked as well, leaving the backslash.
    const char slashPath[] = "C:\\DIR\\\x81/name";
    EXPECT_EQ(fileNamePartOf(slashPath, leadByte932), "\x81/name");
}

TEST(FileNamePart, LongPathIsNotCut)
{
    std::string path = "C:\\" + std::string(300, 'd') + "\\last.dat";
    EXPECT_EQ(fileNamePartOf(path.c_str(), leadByte932), "last.dat");
}

TEST(FormatHexPair, StoredOrderUpperCase)
{
    const uint8_t net[4] = {0x00, 0x1a, 0xFF, 0x09};
    const uint8_t node[6] = {0x00, 0x00, 0xC0, 0xA8, 0x01, 0x0A};
    EXPECT_EQ(formatHexPair(net, node), "001AFF09 0000C0A8010A");
}

TEST(FormatText, Bounded)
{
    EXPECT_EQ(formatText("%s (%u)", "x", 4083u), "x (4083)");
    EXPECT_EQ(formatText("%s", std::string(1000, 'a').c_str()).size(), 1000u);
}
