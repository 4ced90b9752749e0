// lexicord.dll as the monitor uses it: linked at load time for the texts, and
// loaded by name for the version check. The version override is read once
// per loaded instance, so each variant loads its own copy of the library.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "lexicord.h"

namespace {

std::string tempDir()
{
    char path[MAX_PATH];
    DWORD n = GetTempPathA(MAX_PATH, path);
    return std::string(path, n);
}

std::string exeDir()
{
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path, n);
    return s.substr(0, s.find_last_of("\\/") + 1);
}

}  // namespace

TEST(Lexicord, TextsThroughTheImportLibrary)
{
    struct Case {
        unsigned long status;
        int result;
    } cases[] = {{4083, 0}, {4086, 0}, {4107, 0}, {8005, 0}, {65535, 0}, {4062, 0},
                 {1, 1}, {9999, 1}, {0x10000 + 4083, 1}};
    for (const Case& c : cases) {
        char buf[LEXICORD_TEXT_SIZE];
        std::memset(buf, 'x', sizeof buf);
        EXPECT_EQ(DBUGetString(c.status, buf, 1), c.result) << "status " << c.status;
        if (c.result == 0) {
            EXPECT_LT(std::strlen(buf), sizeof buf) << "status " << c.status;
            EXPECT_GT(std::strlen(buf), 0u) << "status " << c.status;
        } else {
            EXPECT_EQ(buf[0], 'x') << "buffer untouched for status " << c.status;
        }
    }
    EXPECT_NE(DBUGetString(4083, nullptr, 1), 0);
}

TEST(Lexicord, VersionByNameAndItsTestOverride)
{
    struct Case {
        const char* env;
        int result;
        unsigned long v[4];
    } cases[] = {
        {nullptr, 0, {1, 7, 0, 0}},
        {"2.7.0.0", 0, {2, 7, 0, 0}},
        {"1.6.9.9", 0, {1, 6, 9, 9}},
        {"fail", 1, {0, 0, 0, 0}},
    };
    int i = 0;
    for (const Case& c : cases) {
        std::string copy = tempDir() + "lexicord_variant" + std::to_string(GetCurrentProcessId()) + "_" +
                           std::to_string(i++) + ".dll";
        ASSERT_TRUE(CopyFileA((exeDir() + "lexicord.dll").c_str(), copy.c_str(), FALSE));
        SetEnvironmentVariableA("VIGIL_LEXICORD_VERSION", c.env);
        HMODULE m = LoadLibraryA(copy.c_str());
        ASSERT_NE(m, nullptr);
        auto get = reinterpret_cast<getUIDLLVersionProc>(
            reinterpret_cast<void*>(GetProcAddress(m, "getUIDLLVersion")));
        ASSERT_NE(get, nullptr) << "plain export name";
        unsigned long v[4] = {0, 0, 0, 0};
        EXPECT_EQ(get(v), c.result) << (c.env ? c.env : "(none)");
        SetEnvironmentVariableA("VIGIL_LEXICORD_VERSION", "3.0.0.0");
        unsigned long again[4] = {0, 0, 0, 0};
        EXPECT_EQ(get(again), c.result) << "read once";
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(v[k], c.v[k]) << (c.env ? c.env : "(none)") << " part " << k;
            EXPECT_EQ(again[k], c.v[k]) << "read once, part " << k;
        }
        FreeLibrary(m);
        DeleteFileA(copy.c_str());
    }
    SetEnvironmentVariableA("VIGIL_LEXICORD_VERSION", nullptr);
}
