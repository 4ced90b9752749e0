// The help viewer's command line, help file format and file lookup, and the
// help file we ship: every topic the monitor asks for is in it.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

#include "helpcore.h"

namespace {

using keyhh::HelpRequest;

TEST(KeyhhCommandLine, SplitsLikeWindows) {
    const struct { const char* line; std::vector<std::string> args; } cases[] = {
        {"", {}},
        {"   ", {}},
        {"a b\tc", {"a", "b", "c"}},
        {"a \"b c\" \"\" d", {"a", "b c", "", "d"}},
        {"\"C:\\X Y\\Docs\\h.chm>w\"", {"C:\\X Y\\Docs\\h.chm>w"}},
        {"pre\"quoted part\"post", {"prequoted partpost"}},
        {"\"unterminated quote", {"unterminated quote"}},
    };
    for (const auto& c : cases) EXPECT_EQ(c.args, keyhh::splitCommandLine(c.line)) << "[" << c.line << "]";
}

TEST(KeyhhCommandLine, ReadsTheMonitorsRequests) {
    const struct {
        const char* line;
        bool withProgram;
        bool kiln, hasMapId;
        uint32_t mapId;
        const char* file;
        const char* window;
    } cases[] = {
        // What the monitor passes with an install directory, and without one.
        {"keyhh -kiln -#mapid 181021 \"C:\\Orvanel\\Docs\\doderezi.chm>$global_kilnhelp\"", true,
         true, true, 181021, "C:\\Orvanel\\Docs\\doderezi.chm", "$global_kilnhelp"},
        {"keyhh -kiln -#mapid 181012", true, true, true, 181012, "", ""},
        // A quoted program path with blanks, and a help path with blanks.
        {"\"C:\\Program Files\\O\\bin\\keyhh.exe\" -kiln -#mapid 181014 "
         "\"C:\\Program Files\\O\\Docs\\doderezi.chm>$global_kilnhelp\"",
         true, true, true, 181014, "C:\\Program Files\\O\\Docs\\doderezi.chm", "$global_kilnhelp"},
        // Arguments only, as WinMain's command line gives them.
        {"-kiln -#mapid 181011 \"D:\\I\\Docs\\doderezi.chm>$global_kilnhelp\"", false,
         true, true, 181011, "D:\\I\\Docs\\doderezi.chm", "$global_kilnhelp"},
        // An unquoted path with blanks is put back together.
        {"keyhh -#mapid 5 C:\\Program Files\\X\\h.chm>win", true, false, true, 5,
         "C:\\Program Files\\X\\h.chm", "win"},
        {"KEYHH -KILN -#MAPID 7 x.chm", true, true, true, 7, "x.chm", ""},
        {"keyhh \"D:\\h.chm\"", true, false, false, 0, "D:\\h.chm", ""},
        {"keyhh -other -#mapid 0 h.chm>", true, false, true, 0, "h.chm", ""},
        {"keyhh", true, false, false, 0, "", ""},
        {"", false, false, false, 0, "", ""},
    };
    for (const auto& c : cases) {
        HelpRequest r = keyhh::parseHelpCommandLine(c.line, c.withProgram);
        EXPECT_EQ("", r.error) << c.line;
        EXPECT_EQ(c.kiln, r.kiln) << c.line;
        EXPECT_EQ(c.hasMapId, r.hasMapId) << c.line;
        EXPECT_EQ(c.mapId, r.mapId) << c.line;
        EXPECT_EQ(c.file, r.helpFile) << c.line;
        EXPECT_EQ(c.window, r.windowName) << c.line;
    }
}

TEST(KeyhhCommandLine, RejectsABadMapId) {
    for (const char* line : {"keyhh -kiln -#mapid", "keyhh -#mapid abc h.chm", "keyhh -#mapid -5 h.chm",
                             "keyhh -#mapid 4294967296 h.chm", "keyhh -#mapid 12x h.chm",
                             "keyhh -#mapid \"\" h.chm"}) {
        HelpRequest r = keyhh::parseHelpCommandLine(line, true);
        EXPECT_NE("", r.error) << line;
        EXPECT_FALSE(r.hasMapId) << line;
    }
    HelpRequest r = keyhh::parseHelpCommandLine("keyhh -#mapid 4294967295", true);
    EXPECT_EQ("", r.error);
    EXPECT_EQ(4294967295u, r.mapId);
}

TEST(KeyhhHelpFile, ParsesTopicsAndTheirText) {
    const std::string text =
        "; comment before the first topic\r\n"
        "not a topic either\r\n"
        "[10] First topic\r\n"
        "line one\r\n"
        "\r\n"
        "line three   \r\n"
        "[abc] stays text\r\n"
        "\r\n"
        "\r\n"
        "[20]\r\n"
        "[30]   Third\n"
        "only line";
    std::vector<keyhh::Topic> topics = keyhh::parseHelpFile(text);
    ASSERT_EQ(3u, topics.size());
    EXPECT_EQ(10u, topics[0].mapId);
    EXPECT_EQ("First topic", topics[0].title);
    EXPECT_EQ((std::vector<std::string>{"line one", "", "line three", "[abc] stays text"}), topics[0].lines);
    EXPECT_EQ(20u, topics[1].mapId);
    EXPECT_EQ("", topics[1].title);
    EXPECT_TRUE(topics[1].lines.empty());
    EXPECT_EQ("Third", topics[2].title);
    EXPECT_EQ((std::vector<std::string>{"only line"}), topics[2].lines);

    EXPECT_EQ(&topics[2], keyhh::findTopic(topics, 30));
    EXPECT_EQ(nullptr, keyhh::findTopic(topics, 31));
    EXPECT_TRUE(keyhh::parseHelpFile("").empty());
}

TEST(KeyhhHelpFile, LooksBesideAndAboveTheProgram) {
    const struct { const char* program; std::vector<std::string> paths; } cases[] = {
        {"C:\\Orvanel\\bin\\keyhh.exe",
         {"C:\\Orvanel\\bin\\Docs\\doderezi.chm", "C:\\Orvanel\\Docs\\doderezi.chm"}},
        {"C:\\bin\\keyhh.exe", {"C:\\bin\\Docs\\doderezi.chm", "C:\\Docs\\doderezi.chm"}},
        {"C:\\keyhh.exe", {"C:\\Docs\\doderezi.chm"}},
        {"keyhh.exe", {".\\Docs\\doderezi.chm"}},
    };
    for (const auto& c : cases) EXPECT_EQ(c.paths, keyhh::helpFileCandidates(c.program)) << c.program;
}

std::string shippedHelpFile() {
#ifdef _WIN32
    // The build copies it to Docs beside bin, where the test runs from.
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    for (const std::string& path : keyhh::helpFileCandidates(program)) {
        std::ifstream in(path, std::ios::binary);
        if (in) return path;
    }
    return std::string();
#else
    return KEYHH_SOURCE_HELP_FILE;
#endif
}

TEST(KeyhhHelpFile, ShippedFileHasEveryTopicOfTheMonitor) {
    std::string path = shippedHelpFile();
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "cannot open the help file " << path;
    std::stringstream text;
    text << in.rdbuf();
    std::vector<keyhh::Topic> topics = keyhh::parseHelpFile(text.str());

    std::set<uint32_t> seen;
    for (const keyhh::Topic& t : topics) EXPECT_TRUE(seen.insert(t.mapId).second) << "topic " << t.mapId << " twice";
    // Main window, the monitor dialogs, settings.
    for (uint32_t id : {181021u, 181014u, 181015u, 181012u, 181013u, 181018u, 181016u, 181017u, 181024u, 181011u}) {
        const keyhh::Topic* t = keyhh::findTopic(topics, id);
        ASSERT_NE(nullptr, t) << "topic " << id << " missing";
        EXPECT_FALSE(t->title.empty()) << "topic " << id << " has no title";
        EXPECT_FALSE(t->lines.empty()) << "topic " << id << " has no text";
    }
}

}  // namespace
