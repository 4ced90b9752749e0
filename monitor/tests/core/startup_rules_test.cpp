#include <gtest/gtest.h>

#include "shell/core/startup_rules.h"

TEST(StartupRules, ResourceLibraryVersions)
{
    static const struct { uint32_t a, b, c; bool ok; } cases[] = {
        {1, 10, 30, true}, {1, 11, 0, true}, {1, 10, 29, false},
        {0, 12, 0, false}, {5, 9, 99, false}, {2, 10, 31, true},
    };
    for (const auto& t : cases)
        EXPECT_EQ(resourceLibraryVersionOk(t.a, t.b, t.c), t.ok)
            << "version " << t.a << "." << t.b << "." << t.c;
}

TEST(StartupRules, UiStringsVersions)
{
    static const struct { uint32_t k, x, y, z; bool ok; } cases[] = {
        {1, 7, 0, 0, true}, {1, 8, 0, 0, true}, {1, 7, 1, 5, true},
        {2, 7, 0, 0, false}, {1, 6, 9, 9, false}, {0, 7, 0, 0, false},
    };
    for (const auto& t : cases)
        EXPECT_EQ(uiStringsVersionOk(t.k, t.x, t.y, t.z), t.ok)
            << "version " << t.k << "." << t.x << "." << t.y << "." << t.z;
}
