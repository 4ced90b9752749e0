#include "shell/entry.h"

#include <cstdio>
#include <string>

#include "engine/request_services.h"
#include "engine/utils_binding.h"
#include "lexicord.h"
#include "shell/app_main_msg.h"
#include "shell/core/startup_rules.h"
#include "shell/main_window.h"
#include "shell/shell_services.h"
#include "vigilkit_ids.h"
#include "vigilres.h"
#include "zapp/app.h"

namespace {

// The two texts of the resource-library check belong to the program: the
// library that would hold them is the one found wanting.
const char kWrongResourceLibrary[] =
    "Incorrect version of the Monitor resource DLL: %s loaded. Monitor cannot continue.\n\n"
    "Ensure that you have the correct version of the Monitor resource DLL in your path.";
const char kStartupCaption[] = "Orvanel Software Monitor Utility";


void box(const std::string& text, const std::string& caption)
{
    appMainMsg::show(nullptr, text, caption, MB_OK | MB_ICONINFORMATION);
}

void boxWithStandardCaption(const std::string& text)
{
    box(text, loadStringCopy(IDS_MESSAGE_CAPTION));
}

bool resourceLibraryOk(const StartupEnv& env)
{
    unsigned long v[3] = {0, 0, 0};
    env.resourceLibraryVersion(v);
    if (resourceLibraryVersionOk(v[0], v[1], v[2])) return true;
    char text[512];
    std::snprintf(text, sizeof text, kWrongResourceLibrary, resourceLibraryName());
    box(text, kStartupCaption);
    return false;
}

bool uiStringsLibraryOk(const StartupEnv& env)
{
    HMODULE module = env.loadLibrary("lexicord");
    if (!module) {
        boxWithStandardCaption(loadStringCopy(IDS_UISTRINGS_NOT_LOADED));
        return false;
    }
    bool ok = false;
    auto proc = reinterpret_cast<getUIDLLVersionProc>(
        reinterpret_cast<void (*)()>(env.getProc(module, "getUIDLLVersion")));
    if (proc) {
        unsigned long v[4] = {0, 0, 0, 0};
        ok = proc(v) == 0 && uiStringsVersionOk(v[0], v[1], v[2], v[3]);
    }
    env.freeLibrary(module);
    if (!ok) boxWithStandardCaption(loadStringCopy(IDS_UISTRINGS_WRONG_VERSION));
    return ok;
}

bool utilitiesStarted()
{
    const uint16_t status = DBUStart(nullptr);
    if (status == 0) return true;
    boxWithStandardCaption(statusText(status));
    return false;
}

bool utilitiesVersionOk()
{
    VersionRecord need;
    need.kind = 1;
    need.major = 1;
    need.minor = 0;
    VersionRecord have;
    uint16_t status = 0;
    const int result = checkComponentVersion(-1, 0, 0, &status, &need, &have);
    if (result == 0) return true;
    // The library stays started on this path: nothing more is called in it.
    if (result == 3)
        boxWithStandardCaption(loadStringCopy(IDS_UTILS_VERSION_REFUSED));
    else
        boxWithStandardCaption(loadStringCopy(IDS_UTILS_VERSION_FAILED) + statusText(status));
    return false;
}

} // namespace

StartupEnv StartupEnv::real()
{
    StartupEnv env;
    env.resourceLibraryVersion = [](unsigned long v[3]) { getDLLVersion(v); };
    env.loadLibrary = [](const char* name) { return LoadLibraryA(name); };
    env.getProc = [](HMODULE m, const char* name) { return GetProcAddress(m, name); };
    env.freeLibrary = [](HMODULE m) { FreeLibrary(m); };
    env.createMainWindow = []() -> zWindow* { return new TMainWindow(nullptr, ""); };
    return env;
}

int runStartupChecks(const StartupEnv& env)
{
    zApp::registerControlClasses();
    if (!resourceLibraryOk(env)) return 2;
    if (!uiStringsLibraryOk(env)) return 3;
    if (!utilitiesStarted()) return 4;
    if (!utilitiesVersionOk()) return 5;
    return 0;
}

int vigilkitEntry(zApp& app, const StartupEnv& env)
{
    if (runStartupChecks(env) != 0) return 1;
    zWindow* mainWindow = env.createMainWindow();
    const int exitCode = app.go();
    delete mainWindow;
    return exitCode;
}
