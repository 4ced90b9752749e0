#include "shell/shell_services.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "shell/core/text_format.h"
#include "lexicord.h"
#include "vigilkit_ids.h"
#include "zapp/seams.h"

namespace {

const char kModuleBaseName[] = "VIGILKIT";
char stringBuffer[256];
HWND stringOwner = nullptr;

HMODULE resourceModule()
{
    HMODULE module = GetModuleHandleA(resourceLibraryName());
    return module ? module : LoadLibraryA(resourceLibraryName());
}

// The string as the library has it; empty when it has none.
std::string rawString(int id)
{
    char buffer[256] = {0};
    LoadStringA(resourceModule(), static_cast<UINT>(id), buffer, sizeof buffer);
    return buffer;
}

bool isLeadByte(unsigned char b) { return IsDBCSLeadByte(b) != FALSE; }

const char* const kInstallKeys[] = {
    "Software\\Orvanel Software\\Products\\Orvanel.SQL NT Server\\InstallInfo",
    "Software\\Orvanel Software\\Products\\Orvanel.SQL Workgroup\\InstallInfo",
    "Software\\Orvanel Software\\Products\\Orvanel.SQL Client\\InstallInfo",
};

} // namespace

const char* resourceLibraryName()
{
    static char name[32];
    if (!name[0]) std::snprintf(name, sizeof name, "%s.DLL", kModuleBaseName);
    return name;
}

void setStringOwner(void* hwnd) { stringOwner = static_cast<HWND>(hwnd); }

const char* loadString(int id)
{
    std::string text = rawString(id);
    if (!text.empty()) {
        std::snprintf(stringBuffer, sizeof stringBuffer, "%s", text.c_str());
        return stringBuffer;
    }
    std::snprintf(stringBuffer, sizeof stringBuffer, "Unable to load string with ID = %d", id);
    // The caption is fetched without this fallback: a missing caption string
    // must not recurse.
    const std::string message = stringBuffer;
    zapp::messageBox(stringOwner, message, rawString(IDS_MESSAGE_CAPTION), MB_OK | MB_ICONINFORMATION);
    std::snprintf(stringBuffer, sizeof stringBuffer, "%s", message.c_str());
    return stringBuffer;
}

std::string loadStringCopy(int id) { return loadString(id); }

std::string statusText(uint16_t status)
{
    char buffer[256] = {0};
    if (DBUGetString(status, buffer, 1) == 0) {
        buffer[sizeof buffer - 1] = '\0';
        return buffer;
    }
    return formatText(loadString(IDS_STATUS_TEXT_FALLBACK), static_cast<unsigned>(status));
}

int findInstallDir(char* buffer)
{
    for (const char* keyPath : kInstallKeys) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS &&
            RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_READ | KEY_WOW64_64KEY, &key) !=
                ERROR_SUCCESS)
            continue;
        DWORD size = 260;
        std::memset(buffer, 0, 260);
        LONG rc = RegQueryValueExA(key, "InstallDir", nullptr, nullptr,
                                   reinterpret_cast<BYTE*>(buffer), &size);
        RegCloseKey(key);
        // A value of any type is taken as text; it may come without its NUL.
        buffer[259] = '\0';
        return rc == ERROR_SUCCESS ? 0 : 1;
    }
    return 1;
}

void showHelp(int topicId)
{
    char topicSwitch[32];
    std::snprintf(topicSwitch, sizeof topicSwitch, "-#mapid %d", topicId);
    char installDir[260];
    std::string fileArgument;
    std::string workingDir;
    if (findInstallDir(installDir) == 0) {
        fileArgument = formatText("\"%s\\Docs\\%s\"", installDir, "doderezi.chm>$global_kilnhelp");
        workingDir = formatText("%s\\bin", installDir);
    }
    // Without an install directory the viewer gets no file argument and
    // looks for its help file itself.
    const std::string commandLine =
        formatText("%s %s %s %s", "keyhh", "-kiln", topicSwitch, fileArgument.c_str());
    zapp::LaunchResult result = zapp::launchProcess(commandLine, workingDir);
    if (!result.ok) {
        std::printf("CreateProcess failed (%d).\n", static_cast<int>(result.error));
        std::fflush(stdout);
    }
}

std::string fileNamePart(const char* path) { return fileNamePartOf(path, isLeadByte); }
