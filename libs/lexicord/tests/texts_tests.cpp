// The status table and the version override of the UI-strings library.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "status_texts.h"

using namespace lexicord;

TEST(StatusTexts, TableIsSortedAndEveryTextFitsItsBuffer)
{
    size_t n = 0;
    const StatusText* t = statusTexts(&n);
    ASSERT_GT(n, 20u);
    for (size_t i = 0; i < n; ++i) {
        size_t len = std::strlen(t[i].text);
        EXPECT_GT(len, 0u) << "status " << t[i].status;
        EXPECT_LT(len + 1, 256u) << "status " << t[i].status << " does not fit 256 bytes";
        if (i) {
            EXPECT_LT(t[i - 1].status, t[i].status) << "table sorted, no duplicates";
        }
        EXPECT_EQ(statusText(t[i].status), t[i].text) << "lookup of " << t[i].status;
    }
}

TEST(StatusTexts, KnownAndUnknownStatuses)
{
    // Those the monitor tests by value, and those the simulated engine answers.
    const uint32_t known[] = {8005, 4080, 4083, 4086, 4107, 4088, 4069, 65535, 265, 4034,
                              4050, 4051, 4060, 4061, 4062, 4063, 4089, 4095, 8010};
    for (uint32_t s : known) EXPECT_NE(statusText(s), nullptr) << "status " << s;
    const uint32_t unknown[] = {1, 9999, 4108, 65534, 65536, 0x10000 + 4083, 0xFFFFFFFFu};
    for (uint32_t s : unknown) EXPECT_EQ(statusText(s), nullptr) << "status " << s;
}

TEST(Version, OverrideForTests)
{
    struct Case {
        const char* text;
        bool ok;
        uint32_t v[4];
    } cases[] = {
        {nullptr, true, {1, 7, 0, 0}},
        {"", true, {1, 7, 0, 0}},
        {"2.7.0.0", true, {2, 7, 0, 0}},
        {"1.6.9.9", true, {1, 6, 9, 9}},
        {"1.10.0.12", true, {1, 10, 0, 12}},
        {"fail", false, {1, 7, 0, 0}},
        {"2.7", true, {1, 7, 0, 0}},
        {"2.7.0.0.1", true, {1, 7, 0, 0}},
        {"a.b.c.d", true, {1, 7, 0, 0}},
        {"-1.7.0.0", true, {1, 7, 0, 0}},
    };
    for (const Case& c : cases) {
        uint32_t v[4] = {9, 9, 9, 9};
        EXPECT_EQ(versionFromOverride(c.text, v), c.ok) << (c.text ? c.text : "(none)");
        for (int i = 0; i < 4; ++i) EXPECT_EQ(v[i], c.v[i]) << (c.text ? c.text : "(none)") << " part " << i;
    }
}
