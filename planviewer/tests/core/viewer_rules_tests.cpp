// Navigation, Goto, the change-watch period, centring and path clean-up.
#include <gtest/gtest.h>

#include "core/viewer_rules.h"

using qpf::NavCommand;

TEST(ViewerRules, Navigation)
{
    const struct {
        NavCommand cmd;
        uint16_t index, count, expected;
    } cases[] = {
        {NavCommand::First, 3, 5, 0}, {NavCommand::Last, 0, 5, 4},  {NavCommand::Last, 0, 0, 0},
        {NavCommand::Next, 2, 5, 3},  {NavCommand::Next, 4, 5, 4},  {NavCommand::Next, 0, 0, 0},
        {NavCommand::Prev, 2, 5, 1},  {NavCommand::Prev, 0, 5, 0},  {NavCommand::Next, 0, 1, 0},
        {NavCommand::Last, 7, 16000, 15999},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, qpf::navigate(c.cmd, c.index, c.count))
            << "command " << static_cast<int>(c.cmd) << " at " << c.index << " of " << c.count;
}

TEST(ViewerRules, Goto)
{
    const struct {
        bool valid;
        uint32_t number;
        uint16_t expected;
    } cases[] = {{true, 1, 0}, {true, 5, 4}, {true, 0, 2}, {true, 6, 2}, {false, 3, 2}, {true, 70000, 2}};
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, qpf::gotoPlan(c.valid, c.number, 2, 5)) << "number " << c.number;
}

TEST(ViewerRules, RefreshPeriod)
{
    const struct {
        bool read;
        const char* text;
        uint32_t expected;
    } cases[] = {
        {false, "", 60000},   {true, "5", 5000},    {true, " 12", 12000}, {true, "7s", 7000},
        {true, "0", 10},      {true, "abc", 10},    {true, "65536", 10},  {true, "65537", 1000},
        {true, "-1", 65535000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, qpf::refreshPeriodMs(c.read, c.text, 10)) << "\"" << c.text << "\"";
}

TEST(ViewerRules, CentreOverOwnerKeptOnScreen)
{
    const struct {
        qpf::Rect owner, dialog;
        int32_t left, top;
    } cases[] = {
        {{100, 100, 400, 300}, {0, 0, 200, 100}, 200, 200},
        {{-300, -50, 400, 300}, {0, 0, 200, 100}, 0, 50},
        {{900, 700, 400, 300}, {0, 0, 200, 100}, 824, 668},
        {{0, 0, 400, 300}, {0, 0, 2000, 100}, 0, 100},
    };
    for (const auto& c : cases) {
        const qpf::Rect r = qpf::centreOver(c.owner, c.dialog, 1024, 768);
        EXPECT_EQ(c.left, r.left) << "owner at " << c.owner.left;
        EXPECT_EQ(c.top, r.top) << "owner at " << c.owner.top;
        EXPECT_EQ(c.dialog.width, r.width);
    }
}

TEST(ViewerRules, PathCleanUp)
{
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"\"C:\\plans\\a.qpf\"", "C:\\plans\\a.qpf"}, {"\"C:\\a b.qpf", "C:\\a b.qpf"},
        {"C:\\a.qpf", "C:\\a.qpf"},                    {"\"\"", ""},
        {"C:\\a.qpf\"", "C:\\a.qpf\""},
    };
    for (const auto& c : cases) EXPECT_EQ(c.out, qpf::stripQuotes(c.in)) << c.in;
    EXPECT_EQ("\"C:\\a.qpf\"", qpf::trimBlanks("  \"C:\\a.qpf\" \r\n"));
    EXPECT_EQ("", qpf::trimBlanks("   "));
}
