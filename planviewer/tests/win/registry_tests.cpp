// RegReadPath: root names, missing values, defaults cut to the buffer, and
// values that do not fit.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "registry.h"

namespace {

const char kKey[] = "Software\\SkyglassRegistryTests";
constexpr uint32_t kAnyCount = 0xFFFFFFFFu;

struct ViewerRegistry : ::testing::Test {
    void SetUp() override
    {
        HKEY h = nullptr;
        const std::string sub = std::string(kKey) + "\\Options";
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, sub.c_str(), 0, nullptr, 0, KEY_WRITE,
                                                 nullptr, &h, nullptr));
        set(h, "Ten", "0123456789");
        set(h, "Empty", "");
        RegSetValueExA(h, "NoNul", 0, REG_SZ, reinterpret_cast<const BYTE*>("abcd"), 4);
        RegCloseKey(h);
    }
    void TearDown() override
    {
        RegDeleteKeyA(HKEY_CURRENT_USER, (std::string(kKey) + "\\Options").c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    }
    static void set(HKEY h, const char* name, const char* value)
    {
        RegSetValueExA(h, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                       static_cast<DWORD>(std::strlen(value) + 1));
    }
};

} // namespace

TEST_F(ViewerRegistry, ReadsValuesUnderEveryWayOfNamingTheRoot)
{
    const char* paths[] = {
        "HKEY_CURRENT_USER\\Software\\SkyglassRegistryTests",
        "hkey_current_user\\Software\\SkyglassRegistryTests",
        "HKEY_Current_User\\software\\skyglassregistrytests\\",
        "Software\\SkyglassRegistryTests", // no root name: below HKEY_CURRENT_USER
    };
    for (const char* p : paths) {
        char buf[64] = {};
        EXPECT_EQ(11u, RegReadPath(p, "Options", "Ten", "dflt", buf, sizeof buf)) << p;
        EXPECT_STREQ("0123456789", buf) << p;
    }
    char buf[64] = {};
    EXPECT_EQ(0u, RegReadPath("HKEY_LOCAL_MACHINE\\Software\\SkyglassRegistryTests", "Options", "Ten", "", buf,
                              sizeof buf))
        << "the root is HKEY_LOCAL_MACHINE, not the current user";
    EXPECT_GT(RegReadPath("HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT", "CurrentVersion",
                          "CurrentVersion", "", buf, sizeof buf),
              0u);
}

TEST_F(ViewerRegistry, MissingOrTooLongValuesGiveTheDefault)
{
    const struct {
        const char* name;
        const char* subkey;
        const char* value;
        const char* dflt;
        uint32_t size;
        uint32_t count; // kAnyCount: any non-zero count
        const char* text;
    } cases[] = {
        {"missing value", "Options", "None", "60", 250, 0, "60"},
        {"missing subkey", "Nothing", "Ten", "x", 250, 0, "x"},
        {"default cut to the buffer", "Options", "None", "abcdefgh", 5, 0, "abcd"},
        {"no default leaves it empty", "Options", "None", nullptr, 8, 0, ""},
        {"value one byte too long", "Options", "Ten", "d", 10, 0, "d"},
        {"value that just fits", "Options", "Ten", "d", 11, 11, "0123456789"},
        {"empty text", "Options", "Empty", "d", 8, 1, ""},
        {"text stored without its NUL", "Options", "NoNul", "d", 8, kAnyCount, "abcd"},
        {"no room for the missing NUL", "Options", "NoNul", "d", 4, 0, "d"},
    };
    for (const auto& c : cases) {
        char buf[300];
        std::memset(buf, '#', sizeof buf);
        const uint32_t n = RegReadPath("HKEY_CURRENT_USER\\Software\\SkyglassRegistryTests", c.subkey, c.value,
                                       c.dflt, buf, c.size);
        if (c.count == kAnyCount) {
            EXPECT_GT(n, 0u) << c.name;
        } else {
            EXPECT_EQ(c.count, n) << c.name;
        }
        EXPECT_STREQ(c.text, buf) << c.name;
        EXPECT_EQ('#', buf[c.size]) << c.name << ": nothing written past the buffer";
    }
}
