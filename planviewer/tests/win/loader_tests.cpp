// LoadPlanFile and the change watch, through the running viewer: the
// messages each kind of file gives, the title and plan shown afterwards.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "loader.h"
#include "viewer_harness.h"
#include "viewer_state.h"

using qpfw::ByteOrder;
using qpfw::Bytes;

namespace {

const std::string kTitle = "Orvanel Query Plan Viewer";

std::string planTitle(int k, int n)
{
    return kTitle + " (" + std::to_string(k) + " of " + std::to_string(n) + ")";
}

Bytes plans(uint32_t n, ByteOrder order = ByteOrder::Little)
{
    qpfw::FileOptions s;
    s.plans = n;
    s.order = order;
    return qpfw::buildFile(s);
}

Bytes smallRecords(uint32_t n)
{
    Bytes file = qpfw::fileHeader(ByteOrder::Little);
    const Bytes plan = qpfw::PlanBuilder().bytes(ByteOrder::Little);
    for (uint32_t i = 0; i < n; ++i) {
        const Bytes rec = qpfw::record(ByteOrder::Little, std::string("SELECT ") + std::to_string(i) + '\0', plan);
        file.insert(file.end(), rec.begin(), rec.end());
    }
    return file;
}

struct ViewerLoader : ::testing::Test {
    void SetUp() override
    {
        clearViewerSettings();
        ASSERT_TRUE(viewer.start());
    }
    void TearDown() override
    {
        viewer.stop();
        clearViewerSettings();
    }
    void load(const std::string& path)
    {
        LoadPlanFile(path.c_str());
        viewer.pumpIdle();
    }
    std::vector<std::string> texts() const
    {
        std::vector<std::string> t;
        for (const RecordedBox& b : viewer.boxes) t.push_back(b.text);
        return t;
    }
    ViewerSession viewer;
    TempFiles files;
};

} // namespace

TEST_F(ViewerLoader, FilesOfEveryKind)
{
    qpfw::FileOptions wrongMagic;
    wrongMagic.plans = 4;
    wrongMagic.wrongMagicAt = 1;
    qpfw::FileOptions cutLast;
    cutLast.plans = 4;
    cutLast.cutLast = qpfw::FileOptions::Cut::Plan;

    const struct Case {
        const char* name;
        Bytes bytes;
        std::vector<std::string> messages;
        std::string title;
        uint16_t plans;
        bool held;
    } cases[] = {
        {"header only", qpfw::fileHeader(ByteOrder::Little), {}, "0 Query Plans Loaded", 0, true},
        {"big-endian header 0C 1D", {'S', 'P', 'Y', 0, 0x0C, 0x1D, 0, 0}, {}, "0 Query Plans Loaded", 0, true},
        {"little-endian header 0C 1D",
         {'S', 'P', 'Y', 0, 0x0C, 0x1D, 1, 0},
         {"Version 3101 of skyglass is not compatible with version 7436 files."},
         kTitle,
         0,
         false},
        {"shorter than a header", {'S', 'P', 'Y'}, {"Not a Query Plan file."}, kTitle, 0, false},
        {"wrong file magic", qpfw::fileHeader(ByteOrder::Little, 3101, false), {"Not a Query Plan file."},
         kTitle, 0, false},
        {"five plans", plans(5), {}, planTitle(5, 5), 5, true},
        {"five big-endian plans", plans(5, ByteOrder::Big), {}, planTitle(5, 5), 5, true},
        {"wrong magic in record 2", qpfw::buildFile(wrongMagic), {"Invalid file format."}, planTitle(1, 1), 1,
         true},
        {"last record cut short", qpfw::buildFile(cutLast), {}, planTitle(3, 3), 3, true},
        {"exactly 16000 plans",
         smallRecords(16000),
         {"Maximum number of plans exceeded.  Delete .qpf file and restart."},
         planTitle(16000, 16000),
         16000,
         true},
    };
    int n = 0;
    for (const Case& c : cases) {
        // Each case starts from no file held, no path and the plain title.
        ReleaseHeldFile();
        g_viewer.planCount = 0;
        g_viewer.currentPath[0] = '\0';
        SetWindowTextA(g_viewer.mainWindow, kTitle.c_str());
        viewer.boxes.clear();
        const std::string path = files.write("kind" + std::to_string(n++) + ".qpf", c.bytes);
        load(path);
        EXPECT_EQ(c.messages, texts()) << c.name;
        EXPECT_EQ(c.title, viewer.title()) << c.name;
        EXPECT_EQ(c.plans, g_viewer.planCount) << c.name;
        EXPECT_EQ(c.held, g_viewer.heldFile != nullptr) << c.name;
        for (const RecordedBox& b : viewer.boxes) {
            EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONERROR), b.type) << c.name;
            EXPECT_EQ("(none)", b.caption) << c.name << ": the platform's default caption";
        }
        if (c.held) {
            EXPECT_STREQ(path.c_str(), g_viewer.currentPath) << c.name;
        } else {
            EXPECT_STREQ("", g_viewer.currentPath) << c.name << ": a refused load keeps the path it had";
        }
    }
}

TEST_F(ViewerLoader, MissingFileAndOverlongPath)
{
    const std::string missing = files.path("missing.qpf");
    load(missing);
    ASSERT_EQ(1u, viewer.boxes.size());
    EXPECT_EQ("File not found: '" + missing + "'", viewer.boxes[0].text);
    EXPECT_EQ(g_viewer.mainWindow, viewer.boxes[0].owner);

    const std::string good = files.write("good.qpf", plans(2));
    load(good);
    viewer.boxes.clear();
    const std::string longPath = "C:\\" + std::string(300, 'a') + ".qpf";
    load(longPath);
    ASSERT_EQ(1u, viewer.boxes.size());
    EXPECT_EQ("File open failed.", viewer.boxes[0].text);
    EXPECT_STREQ(good.c_str(), g_viewer.currentPath) << "a path that does not fit is not stored";
    EXPECT_EQ(nullptr, g_viewer.heldFile);
}

TEST_F(ViewerLoader, QuotedPathLoadsAndIsStoredWithoutQuotes)
{
    const std::string path = files.write("quoted plans.qpf", plans(3));
    load("\"" + path + "\"");
    EXPECT_TRUE(viewer.boxes.empty());
    EXPECT_EQ(planTitle(3, 3), viewer.title());
    EXPECT_STREQ(path.c_str(), g_viewer.currentPath);
}

TEST_F(ViewerLoader, GrowingFileAsksAtEachTickUntilYes)
{
    const std::string path = files.write("grow.qpf", plans(2));
    load(path);
    ASSERT_EQ(planTitle(2, 2), viewer.title());

    viewer.tick();
    EXPECT_TRUE(viewer.boxes.empty()) << "an unchanged file asks nothing";

    files.append(path, extraRecord(50));
    // A tick that arrives while the question is up (through the box's own
    // loop) must not ask a second time.
    bool inBox = false;
    viewer.onBox = [&inBox](const RecordedBox&) {
        if (inBox) return; // a box that the nested tick asked
        inBox = true;
        SendMessageA(g_viewer.mainWindow, WM_TIMER, 1, 0);
        inBox = false;
    };
    viewer.answer = IDNO;
    viewer.tick();
    viewer.tick();
    viewer.onBox = nullptr;
    ASSERT_EQ(2u, viewer.boxes.size()) << "one question per tick, and No asks again at the next tick";
    for (const RecordedBox& b : viewer.boxes) {
        EXPECT_EQ("File has changed. Reload File?", b.text);
        EXPECT_EQ(kTitle, b.caption);
        EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONINFORMATION), b.type);
    }
    EXPECT_EQ(2, g_viewer.planCount);

    viewer.answer = IDYES;
    viewer.tick();
    EXPECT_EQ(3u, viewer.boxes.size());
    EXPECT_EQ(3, g_viewer.planCount);
    EXPECT_EQ(planTitle(3, 3), viewer.title());
    viewer.tick();
    EXPECT_EQ(3u, viewer.boxes.size()) << "the reload recorded the new size";
}

TEST_F(ViewerLoader, WatchSkipsItsCheckWhileALoadShowsAMessage)
{
    const std::string path = files.write("skip.qpf", plans(2));
    load(path);
    qpfw::FileOptions damaged;
    damaged.plans = 3;
    damaged.wrongMagicAt = 2;
    const std::string other = files.write("skip-damaged.qpf", qpfw::buildFile(damaged));
    int ticksDuringBox = 0;
    viewer.onBox = [&](const RecordedBox& b) {
        if (b.text != "Invalid file format.") return;
        // The timer reaches the watch through the box's own message loop.
        SendMessageA(g_viewer.mainWindow, WM_TIMER, 1, 0);
        ++ticksDuringBox;
    };
    load(other);
    EXPECT_EQ(1, ticksDuringBox);
    ASSERT_EQ(1u, viewer.boxes.size()) << "no change question during the load";
    EXPECT_EQ(planTitle(2, 2), viewer.title());
}

struct ViewerAutoReload : ViewerLoader {
    void SetUp() override {}
};

TEST_F(ViewerAutoReload, AutoReloadOneReloadsWithoutAsking)
{
    const struct {
        const char* value;
        bool asks;
    } cases[] = {{"1", false}, {"10", false}, {"0", true}, {"yes", true}, {nullptr, true}};
    int n = 0;
    for (const auto& c : cases) {
        clearViewerSettings();
        if (c.value) setViewerSetting("Vuzorev Options", "AutoReload", c.value);
        ASSERT_TRUE(viewer.start());
        viewer.boxes.clear();
        viewer.answer = IDYES;
        const std::string path = files.write("auto" + std::to_string(n++) + ".qpf", plans(2));
        load(path);
        files.append(path, extraRecord(60));
        viewer.tick();
        const char* v = c.value ? c.value : "(absent)";
        EXPECT_EQ(c.asks ? 1u : 0u, viewer.boxes.size()) << "AutoReload " << v;
        EXPECT_EQ(3, g_viewer.planCount) << "AutoReload " << v;
        viewer.stop();
    }
}
