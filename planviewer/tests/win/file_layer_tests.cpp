// The file layer: open modes, reads at the end, seeks and queries, tags, and
// the pool of handle records behind them.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

#include "core/memory_services.h"
#include "file_layer.h"

namespace {

struct ViewerFileLayer : ::testing::Test {
    void SetUp() override
    {
        ASSERT_TRUE(qpf::MemoryStartup());
        char d[MAX_PATH] = {};
        GetTempPathA(sizeof d, d);
        dir = d;
    }
    void TearDown() override
    {
        for (const std::string& p : made) DeleteFileA(p.c_str());
        qpf::PoolDestroy(holder);
        qpf::MemoryShutdown();
    }
    std::string file(const std::string& name, const char* content)
    {
        const std::string p = dir + "skyglass-fl-" + std::to_string(GetCurrentProcessId()) + "-" + name;
        made.push_back(p);
        DeleteFileA(p.c_str());
        if (content) {
            FILE* f = std::fopen(p.c_str(), "wb");
            std::fputs(content, f);
            std::fclose(f);
        }
        return p;
    }
    uint32_t usedRecords() const { return holder ? holder->used : 0; }
    static uint32_t sizeOf(const std::string& p)
    {
        WIN32_FILE_ATTRIBUTE_DATA a = {};
        if (!GetFileAttributesExA(p.c_str(), GetFileExInfoStandard, &a)) return 0xFFFFFFFFu;
        return a.nFileSizeLow;
    }
    PoolHolder holder = nullptr;
    std::string dir;
    std::vector<std::string> made;
};

} // namespace

TEST_F(ViewerFileLayer, OpenModes)
{
    const struct {
        const char* name;
        const char* existing; // content, or nullptr for no file
        uint16_t mode;
        uint16_t status;
        uint32_t sizeAfter; // 0xFFFFFFFF: no file
    } cases[] = {
        {"read existing", "hello", kModeRead, kFileOk, 5},
        {"read missing", nullptr, kModeRead, kFileOpenFailed, 0xFFFFFFFFu},
        {"replace alone", "hello", kModeReplace, kFileBadArgument, 5},
        {"replace alone, missing", nullptr, kModeReplace | kModeWrite, kFileBadArgument, 0xFFFFFFFFu},
        {"create on existing", "hello", kModeCreate | kModeWrite, kFileExists, 5},
        {"create new", nullptr, kModeCreate | kModeWrite, kFileOk, 0},
        {"create+replace truncates", "hello", kModeCreate | kModeReplace | kModeWrite, kFileOk, 0},
        {"create+replace new", nullptr, kModeCreate | kModeReplace, kFileOk, 0},
    };
    int n = 0;
    for (const auto& c : cases) {
        const std::string p = file("mode" + std::to_string(n++), c.existing);
        FileHandleRecord* h = reinterpret_cast<FileHandleRecord*>(1);
        EXPECT_EQ(c.status, FileOpen(&holder, &h, p.c_str(), c.mode)) << c.name;
        if (c.status == kFileOk) {
            ASSERT_NE(nullptr, h) << c.name;
            EXPECT_EQ(1u, usedRecords()) << c.name;
            EXPECT_STREQ(p.c_str(), h->path) << c.name;
            EXPECT_EQ(1, h->openFlag) << c.name;
            EXPECT_EQ(kFileOk, FileClose(h, false)) << c.name;
        } else {
            EXPECT_EQ(nullptr, h) << c.name;
        }
        EXPECT_EQ(0u, usedRecords()) << c.name << ": no record stays behind";
        EXPECT_EQ(c.sizeAfter, sizeOf(p)) << c.name;
    }
    EXPECT_GE(holder->spare, 1u) << "records go back as spares for reuse";
}

TEST_F(ViewerFileLayer, OverlongPathIsRefusedWithoutARecord)
{
    FileHandleRecord* h = nullptr;
    const std::string p = dir + std::string(300, 'x');
    EXPECT_EQ(kFileOpenFailed, FileOpen(&holder, &h, p.c_str(), kModeRead));
    EXPECT_EQ(0u, usedRecords());
}

TEST_F(ViewerFileLayer, ReadsSeeksAndQueries)
{
    const std::string p = file("read", "0123456789");
    FileHandleRecord* h = nullptr;
    ASSERT_EQ(kFileOk, FileOpen(&holder, &h, p.c_str(), kModeRead));
    char buf[16] = {};
    uint32_t got = 99;
    EXPECT_EQ(kFileOk, FileRead(h, 4, buf, &got));
    EXPECT_EQ(4u, got);
    EXPECT_EQ(kFileShortRead, FileRead(h, 10, buf, &got)) << "fewer bytes than asked";
    EXPECT_EQ(6u, got);
    EXPECT_EQ(kFileShortRead, FileRead(h, 4, buf, &got)) << "at the end of the file";
    EXPECT_EQ(0u, got);

    ASSERT_EQ(kFileOk, FileSeek(h, 3, FILE_BEGIN));
    uint32_t v = 0;
    EXPECT_EQ(kFileOk, FileQuery(h, &v, kQuerySize));
    EXPECT_EQ(10u, v);
    EXPECT_EQ(kFileOk, FileQuery(h, &v, kQueryPosition));
    EXPECT_EQ(3u, v) << "the size query keeps the position";
    EXPECT_EQ(kFileOk, FileRead(h, 2, buf, &got));
    EXPECT_EQ('3', buf[0]);
    EXPECT_EQ(kFileBadArgument, FileQuery(h, &v, 3));
    EXPECT_EQ(kFileOk, FileSeek(h, -2, FILE_END));
    EXPECT_EQ(kFileOk, FileQuery(h, &v, kQueryPosition));
    EXPECT_EQ(8u, v);
    EXPECT_EQ(kFileSeekFailed, FileSeek(h, -20, FILE_BEGIN));
    EXPECT_EQ(kFileOk, FileClose(h, false));
}

TEST_F(ViewerFileLayer, ReadOnAWriteOnlyHandleFails)
{
    const std::string p = file("wonly", "data");
    FileHandleRecord* h = nullptr;
    ASSERT_EQ(kFileOk, FileOpen(&holder, &h, p.c_str(), kModeWrite));
    char buf[4];
    uint32_t got = 7;
    EXPECT_EQ(kFileReadFailed, FileRead(h, 4, buf, &got));
    EXPECT_EQ(0u, got);
    EXPECT_EQ(kFileOk, FileClose(h, false));
}

TEST_F(ViewerFileLayer, WrongTagOrNoHandleIsRefused)
{
    const std::string p = file("tag", "abc");
    FileHandleRecord* good = nullptr;
    ASSERT_EQ(kFileOk, FileOpen(&holder, &good, p.c_str(), kModeRead));
    FileHandleRecord forged = *good;
    forged.tag[0] = 'X';
    char buf[4];
    uint32_t v = 0;
    for (FileHandleRecord* h : {&forged, static_cast<FileHandleRecord*>(nullptr)}) {
        const char* which = h ? "wrong tag" : "no handle";
        EXPECT_EQ(kFileBadHandle, FileRead(h, 1, buf, &v)) << which;
        EXPECT_EQ(kFileBadHandle, FileSeek(h, 0, FILE_BEGIN)) << which;
        EXPECT_EQ(kFileBadHandle, FileQuery(h, &v, kQuerySize)) << which;
        EXPECT_EQ(kFileBadHandle, FileClose(h, false)) << which;
    }
    EXPECT_EQ(1u, usedRecords());
    EXPECT_EQ(kFileOk, FileClose(good, false));
    EXPECT_EQ(kFileBadHandle, FileClose(good, false)) << "a closed handle's record is zero-filled";
}

TEST_F(ViewerFileLayer, CloseWithDeleteAndTheExistenceCheck)
{
    const std::string p = file("del", "abc");
    EXPECT_TRUE(FileExists(p.c_str()));
    FileHandleRecord* h = nullptr;
    ASSERT_EQ(kFileOk, FileOpen(&holder, &h, p.c_str(), kModeRead));
    EXPECT_EQ(kFileOk, FileClose(h, true));
    EXPECT_FALSE(FileExists(p.c_str()));
    EXPECT_EQ(0u, usedRecords());

    const std::string q = file("del2", "x");
    EXPECT_TRUE(FileDelete(q.c_str()));
    EXPECT_FALSE(FileExists(q.c_str()));
    EXPECT_FALSE(FileDelete(q.c_str()));
}
