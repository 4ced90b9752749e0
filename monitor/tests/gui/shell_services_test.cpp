// The shell services: strings of the resource library with their fallback,
// status texts, the install directory and the help launcher.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "shell/core/text_format.h"
#include "shell/shell_services.h"
#include "vigilkit_ids.h"
#include "zapp/seams.h"

namespace {

const char* const kInstallKeys[] = {
    "SOFTWARE\\Orvanel Software\\Products\\Orvanel.SQL NT Server\\InstallInfo",
    "SOFTWARE\\Orvanel Software\\Products\\Orvanel.SQL Workgroup\\InstallInfo",
    "SOFTWARE\\Orvanel Software\\Products\\Orvanel.SQL Client\\InstallInfo",
};

void clearInstallKeys()
{
    for (const char* key : kInstallKeys) RegDeleteKeyA(HKEY_LOCAL_MACHINE, key);
}

void setInstallDir(const char* key, const char* dir, DWORD type = REG_SZ)
{
    HKEY k;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_WRITE, nullptr, &k, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(k, "InstallDir", 0, type, reinterpret_cast<const BYTE*>(dir),
                   static_cast<DWORD>(strlen(dir) + 1));
    RegCloseKey(k);
}

class ShellServices : public ::testing::Test {
protected:
    void SetUp() override { clearInstallKeys(); }
    void TearDown() override { clearInstallKeys(); }
    zapp::SeamRecorder seams;
};

} // namespace

TEST_F(ShellServices, StringsAndTheirFallback)
{
    EXPECT_FALSE(std::string(loadString(IDS_MAIN_TITLE)).empty());
    EXPECT_TRUE(seams.boxes.empty()) << "a present string shows no box";

    const char* text = loadString(9999);
    EXPECT_STREQ(text, "Unable to load string with ID = 9999");
    ASSERT_EQ(seams.boxes.size(), 1u);
    EXPECT_EQ(seams.boxes[0].text, "Unable to load string with ID = 9999");
    EXPECT_EQ(seams.boxes[0].caption, loadStringCopy(IDS_MESSAGE_CAPTION));
    EXPECT_TRUE(seams.boxes[0].flags & MB_ICONINFORMATION);
}

TEST_F(ShellServices, StatusTexts)
{
    // A status the UI-strings library knows comes as its text; one it does not
    // know as string 3400 with the number.
    EXPECT_NE(statusText(4083), formatText(loadString(IDS_STATUS_TEXT_FALLBACK), 4083u));
    EXPECT_FALSE(statusText(4083).empty());
    EXPECT_EQ(statusText(54321), formatText(loadString(IDS_STATUS_TEXT_FALLBACK), 54321u));
    EXPECT_NE(statusText(54321).find("54321"), std::string::npos) << statusText(54321);
}

TEST_F(ShellServices, InstallDirKeysInOrder)
{
    char dir[260];
    EXPECT_EQ(findInstallDir(dir), 1) << "no key: not found";
    setInstallDir(kInstallKeys[2], "C:\\Client");
    EXPECT_EQ(findInstallDir(dir), 0);
    EXPECT_STREQ(dir, "C:\\Client");
    // The server key comes first; a value of another type is read as text.
    setInstallDir(kInstallKeys[0], "C:\\Server", REG_EXPAND_SZ);
    EXPECT_EQ(findInstallDir(dir), 0);
    EXPECT_STREQ(dir, "C:\\Server");
    // The first key that opens decides, even when its value is missing.
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kInstallKeys[0]);
    HKEY k;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, kInstallKeys[1], 0, nullptr, 0, KEY_WRITE, nullptr, &k, nullptr);
    RegCloseKey(k);
    EXPECT_EQ(findInstallDir(dir), 1);
}

TEST_F(ShellServices, HelpLauncherCommandLine)
{
    setInstallDir(kInstallKeys[1], "C:\\Eng");
    showHelp(181021);
    ASSERT_EQ(seams.launches.size(), 1u);
    EXPECT_EQ(seams.launches[0].commandLine,
              "keyhh -kiln -#mapid 181021 \"C:\\Eng\\Docs\\doderezi.chm>$global_kilnhelp\"");
    EXPECT_EQ(seams.launches[0].workingDir, "C:\\Eng\\bin");

    clearInstallKeys();
    showHelp(181012);
    ASSERT_EQ(seams.launches.size(), 2u);
    EXPECT_EQ(seams.launches[1].commandLine.rfind("keyhh -kiln -#mapid 181012", 0), 0u)
        << seams.launches[1].commandLine;
    EXPECT_EQ(seams.launches[1].workingDir, "");
    EXPECT_TRUE(seams.boxes.empty()) << "the launcher shows no box";
}

TEST_F(ShellServices, HelpLauncherFailureGoesToStandardOutput)
{
    seams.launchAnswers.push_back({false, 2});
    ::testing::internal::CaptureStdout();
    showHelp(181021);
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, "CreateProcess failed (2).\n");
    EXPECT_TRUE(seams.boxes.empty());
}
