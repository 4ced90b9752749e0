// The run-time binding of the utilities library: where it is looked for,
// what a missing library or export answers, and unloading.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "engine/utils_binding.h"
#include "support/sim_control.h"
#include "zapp/seams.h"

namespace {

const char kClientKey[] = "SOFTWARE\\Orvanel Software\\Products\\Orvanel.SQL Client\\InstallInfo";
const char kWorkgroupKey[] = "SOFTWARE\\Orvanel Software\\Products\\Orvanel.SQL Workgroup\\InstallInfo";
const char kServerKey[] = "SOFTWARE\\Orvanel Software\\Products\\Orvanel.SQL NT Server\\InstallInfo";

std::string exeDir()
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path);
    return s.substr(0, s.find_last_of('\\'));
}

std::string moduleFile(void* module)
{
    char path[MAX_PATH] = {0};
    GetModuleFileNameA(static_cast<HMODULE>(module), path, MAX_PATH);
    return path;
}

void setInstallDir(const char* key, const std::string& dir, DWORD type = REG_SZ)
{
    HKEY k;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_WRITE, nullptr, &k, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(k, "InstallDir", 0, type, reinterpret_cast<const BYTE*>(dir.c_str()),
                   static_cast<DWORD>(dir.size() + 1));
    RegCloseKey(k);
}

// An install tree <temp>\<name>\bin\<file> holding a copy of the simulated
// engine under the given file name.
std::string makeInstallTree(const std::string& name, const std::string& file)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string root = std::string(temp) + name;
    CreateDirectoryA(root.c_str(), nullptr);
    CreateDirectoryA((root + "\\bin").c_str(), nullptr);
    CopyFileA((exeDir() + "\\gantry32.dll").c_str(), (root + "\\bin\\" + file).c_str(), FALSE);
    return root;
}

class Binding : public ::testing::Test {
protected:
    void SetUp() override { clearKeys(); }
    void TearDown() override
    {
        setUtilsLibraryFileName(nullptr);
        clearKeys();
    }
    static void clearKeys()
    {
        for (const char* key : {kClientKey, kWorkgroupKey, kServerKey})
            RegDeleteKeyA(HKEY_LOCAL_MACHINE, key);
    }
    zapp::SeamRecorder seams;
};

} // namespace

TEST_F(Binding, InstallDirWithAndWithoutTrailingBackslash)
{
    static const struct { const char* file; const char* suffix; } cases[] = {
        {"gantry_a.dll", ""},
        {"gantry_b.dll", "\\"},
    };
    for (const auto& t : cases) {
        const std::string root = makeInstallTree(std::string("vigil_bind_") + t.file, t.file);
        setInstallDir(kClientKey, root + t.suffix);
        setUtilsLibraryFileName(t.file);
        unsigned char record[20];
        EXPECT_EQ(DBUGetVersion(-1, 0, 0, sizeof record, record), 0) << t.file;
        ASSERT_TRUE(utilsLibraryLoaded()) << t.file;
        EXPECT_STRCASEEQ(moduleFile(utilsLibraryModule()).c_str(),
                         (root + "\\bin\\" + t.file).c_str())
            << "install dir '" << root << t.suffix << "'";
    }
    EXPECT_TRUE(seams.boxes.empty()) << "no box when the library is found";
}

TEST_F(Binding, ExpandStringInstallDirIsSkipped)
{
    const std::string skipped = makeInstallTree("vigil_bind_expand", "gantry_c.dll");
    const std::string used = makeInstallTree("vigil_bind_next", "gantry_c.dll");
    setInstallDir(kClientKey, skipped, REG_EXPAND_SZ);
    setInstallDir(kWorkgroupKey, used);
    setUtilsLibraryFileName("gantry_c.dll");
    unsigned char record[20];
    EXPECT_EQ(DBUGetVersion(-1, 0, 0, sizeof record, record), 0);
    EXPECT_STRCASEEQ(moduleFile(utilsLibraryModule()).c_str(), (used + "\\bin\\gantry_c.dll").c_str())
        << "the REG_EXPAND_SZ key must be passed over for the next one";
}

TEST_F(Binding, MissingLibraryShowsBoxOnEveryCall)
{
    setUtilsLibraryFileName("no_such_utils.dll");
    unsigned char record[20];
    EXPECT_EQ(DBUGetVersion(-1, 0, 0, sizeof record, record), 8005);
    EXPECT_EQ(DBUStart(nullptr), 8005);
    EXPECT_FALSE(utilsLibraryLoaded());
    ASSERT_EQ(seams.boxes.size(), 2u) << "one box per call while the library is missing";
    for (const auto& box : seams.boxes) {
        EXPECT_EQ(box.caption, "VIZ");
        EXPECT_EQ(box.text, "UtilsIfc: Returning Status: 0");
        EXPECT_EQ(box.owner, nullptr);
        EXPECT_TRUE(box.flags & MB_TASKMODAL) << "flags " << box.flags;
    }
}

TEST_F(Binding, MissingExportAnswers8005WithoutBox)
{
    setUtilsLibraryFileName("partial_utils.dll");
    unsigned char record[20];
    EXPECT_EQ(DBUGetVersion(-1, 0, 0, sizeof record, record), 0) << "present export is called";
    unsigned char out[68];
    EXPECT_EQ(DBUGetInfo(-1, 5, 15, 0, nullptr, sizeof out, out), 8005);
    int32_t handle = 0;
    EXPECT_EQ(DBUConnect("srv", "u", "p", &handle), 8005);
    EXPECT_TRUE(seams.boxes.empty()) << "a missing export shows no box";
}

TEST_F(Binding, StopUnloadsTheLibrary)
{
    ASSERT_EQ(DBUStart(nullptr), 0);
    ASSERT_TRUE(utilsLibraryLoaded());
    HMODULE module = static_cast<HMODULE>(utilsLibraryModule());
    EXPECT_EQ(DBUStop(nullptr), 0);
    EXPECT_FALSE(utilsLibraryLoaded());
    EXPECT_EQ(GetModuleHandleA("gantry32.dll"), nullptr) << "module " << module << " still loaded";
    // The next call binds it again.
    unsigned char record[20];
    EXPECT_EQ(DBUGetVersion(-1, 0, 0, sizeof record, record), 0);
    EXPECT_TRUE(utilsLibraryLoaded());
}

TEST_F(Binding, FailedStopKeepsTheLibrary)
{
    SimControl sim;
    sim.load(R"({"local": {"components": {"0": {"kind": 1, "major": 1}}}})");
    ASSERT_EQ(DBUStart(nullptr), 0);
    sim.fail(SimOp::Stop, -1, 4051);
    EXPECT_EQ(DBUStop(nullptr), 4051);
    EXPECT_TRUE(utilsLibraryLoaded()) << "only a successful stop lowers the count";
    EXPECT_EQ(DBUStop(nullptr), 0);
    EXPECT_FALSE(utilsLibraryLoaded());
}
