// The string table, main menu and version of VIGILKIT.DLL: every id the
// monitor uses loads, with the format arguments the monitor passes.
#include <gtest/gtest.h>

#include <windows.h>

#include <cctype>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "vigilkit_ids.h"
#include "vigilres.h"

namespace {

HMODULE resourceLibrary() {
    // The import makes the loader map the library before main runs.
    unsigned long v[3];
    getDLLVersion(v);
    return GetModuleHandleA("VIGILKIT.DLL");
}

std::string loadText(UINT id) {
    char buffer[512] = {};
    int n = LoadStringA(resourceLibrary(), id, buffer, sizeof buffer);
    return std::string(buffer, n > 0 ? n : 0);
}

// The conversions of a printf format as a list such as "s,lu"; "%%" is no
// conversion. Flags, width and precision are skipped; the length modifier
// stays with its conversion, since "%u" and "%lu" take different arguments.
std::string formatSignature(const std::string& f) {
    std::string sig;
    for (size_t i = 0; i < f.size(); ++i) {
        if (f[i] != '%') continue;
        ++i;
        if (i < f.size() && f[i] == '%') continue;
        while (i < f.size() && std::strchr("-+ #0", f[i])) ++i;
        while (i < f.size() && (std::isdigit(static_cast<unsigned char>(f[i])) || f[i] == '*')) ++i;
        if (i < f.size() && f[i] == '.') {
            ++i;
            while (i < f.size() && (std::isdigit(static_cast<unsigned char>(f[i])) || f[i] == '*')) ++i;
        }
        std::string conv;
        while (i < f.size() && std::strchr("hlLqjzt", f[i])) conv += f[i++];
        if (i < f.size()) conv += f[i];
        if (!sig.empty()) sig += ',';
        sig += conv;
    }
    return sig;
}

struct RequiredString {
    UINT id;
    const char* signature;  // conversions the monitor's formatting passes
};

// Every string id the monitor loads, with what it formats each one with.
const RequiredString kRequired[] = {
    {IDS_CM_STATE_0, "s"}, {IDS_CM_STATE_1, "s"}, {IDS_CM_STATE_OTHER, "s"},
    {IDS_CONNECTION_NOT_CREATED, ""}, {IDS_DISCONNECT_FAILED, "u"},
    {IDS_DISCONNECT_CONFIRM, "s"}, {IDS_CONNECT_STATUS_FALLBACK, "u"},
    {IDS_MH_ACTIVE_FILES, ""}, {IDS_MH_ACTIVE_USERS, ""}, {IDS_MH_RESOURCE_USAGE, ""},
    {IDS_MH_COMM_STATS, ""}, {IDS_MH_SETTINGS, ""}, {IDS_MH_SQL_SESSIONS, ""},
    {IDS_MH_SQL_RESOURCE_USAGE, ""}, {IDS_MH_SQL_COMM_STATS, ""}, {IDS_MH_HELP, ""},
    {IDS_MH_ABOUT, ""}, {IDS_MH_EXIT, ""}, {IDS_MH_WINDOW_ACTIVE_FILES, ""},
    {IDS_MH_WINDOW_ACTIVE_USERS, ""}, {IDS_MH_WINDOW_RESOURCE_USAGE, ""},
    {IDS_MH_WINDOW_COMM_STATS, ""}, {IDS_MH_WINDOW_SQL_SESSIONS, ""},
    {IDS_MH_WINDOW_SQL_RESOURCE_USAGE, ""}, {IDS_MH_WINDOW_SQL_COMM_STATS, ""},
    {IDS_MH_CONNECT, ""}, {IDS_MH_DISCONNECT, ""}, {IDS_MH_SQL_CONN_MGR, ""},
    {IDS_OUT_OF_MEMORY, ""}, {IDS_DISCONNECT_CLIENT_CONFIRM, "s"},
    {IDS_END_CONNECTION_CONFIRM, "s"}, {IDS_SESSION_MISSING, "s"},
    {IDS_UTILS_VERSION_FAILED, ""}, {IDS_UTILS_VERSION_REFUSED, ""},
    {IDS_RECORD_PROBE_FAILED, ""}, {IDS_RECORD_VERSION_REFUSED, ""},
    {IDS_COMM_PROBE_FAILED, ""}, {IDS_COMM_VERSION_REFUSED, ""},
    {IDS_SQL_PROBE_FAILED, ""}, {IDS_SQL_VERSION_REFUSED, ""},
    {IDS_SQL_COMM_PROBE_FAILED, ""}, {IDS_SQL_COMM_VERSION_REFUSED, ""},
    {IDS_UISTRINGS_NOT_LOADED, ""}, {IDS_UISTRINGS_WRONG_VERSION, ""},
    {IDS_RECORD_ENGINE_MISSING, ""}, {IDS_COMM_COMPONENT_MISSING, ""},
    {IDS_SQL_ENGINE_MISSING, ""}, {IDS_SQL_COMM_MISSING, ""},
    {IDS_NEEDED_SIZE_TOO_LARGE, "lu"}, {IDS_BUFFER_STILL_TOO_SMALL, "lu"},
    {IDS_DISCONNECT_ALL_CONFIRM, ""}, {IDS_FILE_LIST_OVERFLOW, ""},
    {IDS_FILE_HANDLES_OVERFLOW, ""}, {IDS_CLIENT_LIST_OVERFLOW, ""},
    {IDS_CLIENT_HANDLES_OVERFLOW, ""}, {IDS_CAPTION_SERVER, ""}, {IDS_CONN_MGR_MISSING, ""},
    {IDS_MAIN_TITLE, ""}, {IDS_ABOUT_CAPTION, ""}, {IDS_ABOUT_LINE1, ""}, {IDS_ABOUT_LINE2, ""},
    {IDS_TRUE_WORD, ""}, {IDS_FALSE_WORD, ""}, {IDS_SESSION_STATE_2, ""},
    {IDS_MESSAGE_CAPTION, ""}, {IDS_CLIENT_GROUP_FMT, "s"}, {IDS_FILE_GROUP_FMT, "s"},
    {IDS_HANDLE_GROUP_FMT, "s"}, {IDS_SESSION_GROUP_FMT, "s"}, {IDS_CURSOR_GROUP_FMT, "s"},
    {IDS_OPEN_MODE_0, ""}, {IDS_OPEN_MODE_M1, ""}, {IDS_OPEN_MODE_M2, ""}, {IDS_OPEN_MODE_M3, ""},
    {IDS_OPEN_MODE_M4, ""}, {IDS_OPEN_MODE_M8, ""}, {IDS_OPEN_MODE_M9, ""}, {IDS_OPEN_MODE_M10, ""},
    {IDS_OPEN_MODE_M11, ""}, {IDS_OPEN_MODE_M12, ""}, {IDS_OPEN_MODE_M16, ""},
    {IDS_OPEN_MODE_M17, ""}, {IDS_OPEN_MODE_M18, ""}, {IDS_OPEN_MODE_M19, ""},
    {IDS_OPEN_MODE_M20, ""}, {IDS_CURSOR_FLAG3_0, ""}, {IDS_LOCK_S, ""}, {IDS_LOCK_M, ""},
    {IDS_LOCK_N, ""}, {IDS_SESSION_STATE_0, ""}, {IDS_SESSION_STATE_1, ""},
    {IDS_SESSION_KIND_0, ""}, {IDS_SESSION_KIND_1, ""}, {IDS_NO_MAXIMUM, ""},
    {IDS_CLIENT_STATE_0, ""}, {IDS_CLIENT_STATE_1, ""}, {IDS_LOCAL, ""},
    {IDS_UNKNOWN_VALUE, ""}, {IDS_CURSOR_UNNAMED_FMT, "d"},
    {IDS_REG_KEY_COMPANY, ""}, {IDS_REG_KEY_PRODUCT, ""},
    {IDS_TITLE_ACTIVE_FILES, ""}, {IDS_TITLE_ACTIVE_USERS, ""}, {IDS_TITLE_RESOURCE_USAGE, ""},
    {IDS_TITLE_COMM_STATS, ""}, {IDS_TITLE_SQL_SESSIONS, ""}, {IDS_TITLE_SQL_RESOURCE_USAGE, ""},
    {IDS_TITLE_SQL_COMM_STATS, ""}, {IDS_TITLE_SQL_CONN_MGR, ""}, {IDS_SETTINGS_CAPTION, ""},
    {IDS_WINDOW_MENU, ""}, {IDS_SESSION_FLAGA_0, ""}, {IDS_SESSION_FLAGA_1, ""},
    {IDS_SESSION_FLAGC_1, ""}, {IDS_SESSION_FLAGC_0, ""},
    {IDS_CODE_1019, ""}, {IDS_CODE_19, ""}, {IDS_CODE_0, ""},
    {IDS_TRISTATE_0, ""}, {IDS_TRISTATE_1, ""}, {IDS_TRISTATE_2, ""},
    {IDS_STATUS_TEXT_FALLBACK, "u"},
    {IDS_ADDR_IP_PREFIX, ""}, {IDS_ADDR_IP_MARK, ""}, {IDS_ADDR_IP_JOIN, ""},
    {IDS_ADDR_HEX_PREFIX, ""}, {IDS_EXTRA_LABEL2_SUFFIX, ""}, {IDS_EXTRA_LABEL1_SUFFIX, ""},
    {IDS_PROTO_ROW_B, ""}, {IDS_PROTO_ROW_A, ""}, {IDS_PROTO_ROW_C, ""}, {IDS_PROTO_OTHER, ""},
    {IDS_ADDR_LOCAL_MARK, ""}, {IDS_WAIT_CAPTION, ""},
};

// Registry value names of the settings key.
const UINT kRegistryNames[] = {
    IDS_REG_REFRESH_INTERVAL, IDS_REG_SAVE_SETTINGS, IDS_REG_RESTORE_LAYOUT,
    IDS_REG_MAIN_LEFT, IDS_REG_MAIN_TOP, IDS_REG_MAIN_WIDTH, IDS_REG_MAIN_HEIGHT,
    IDS_REG_RESUSAGE_LEFT, IDS_REG_RESUSAGE_TOP, IDS_REG_RESUSAGE_WIDTH,
    IDS_REG_RESUSAGE_HEIGHT, IDS_REG_RESUSAGE_OPEN, IDS_REG_RESUSAGE_AUTO,
    IDS_REG_COMMSTATS_LEFT, IDS_REG_COMMSTATS_TOP, IDS_REG_COMMSTATS_WIDTH,
    IDS_REG_COMMSTATS_HEIGHT, IDS_REG_COMMSTATS_OPEN, IDS_REG_COMMSTATS_AUTO,
    IDS_REG_FILES_LEFT, IDS_REG_FILES_TOP, IDS_REG_FILES_WIDTH, IDS_REG_FILES_HEIGHT,
    IDS_REG_FILES_OPEN, IDS_REG_FILES_AUTO,
    IDS_REG_USERS_LEFT, IDS_REG_USERS_TOP, IDS_REG_USERS_WIDTH, IDS_REG_USERS_HEIGHT,
    IDS_REG_USERS_OPEN, IDS_REG_USERS_AUTO,
    IDS_REG_SQL_RESUSAGE_AUTO, IDS_REG_SQL_SESSIONS_AUTO, IDS_REG_SQL_SESSION_FILTER,
    IDS_REG_SQL_COMMSTATS_AUTO,
    IDS_REG_CONNMGR_LEFT, IDS_REG_CONNMGR_TOP, IDS_REG_CONNMGR_WIDTH,
    IDS_REG_CONNMGR_HEIGHT, IDS_REG_CONNMGR_OPEN, IDS_REG_CONNMGR_AUTO,
};

TEST(VigilkitStrings, EveryRequiredIdLoadsWithItsFormatArguments) {
    for (const RequiredString& r : kRequired) {
        std::string text = loadText(r.id);
        EXPECT_FALSE(text.empty()) << "string " << r.id << " is missing";
        // The monitor fetches every string into a 256-character buffer.
        EXPECT_LT(text.size(), 256u) << "string " << r.id << " too long for the loader";
        EXPECT_EQ(r.signature, formatSignature(text))
            << "string " << r.id << " \"" << text << "\": wrong format conversions";
    }
}

TEST(VigilkitStrings, RegistryValueNamesArePlainAndDistinct) {
    std::set<std::string> seen;
    for (UINT id : kRegistryNames) {
        std::string name = loadText(id);
        ASSERT_FALSE(name.empty()) << "registry value name " << id << " is missing";
        for (char c : name)
            EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c)))
                << "registry value name " << id << " \"" << name << "\" holds '" << c << "'";
        // Two settings under one name would overwrite each other.
        EXPECT_TRUE(seen.insert(name).second) << "registry value name \"" << name << "\" used twice";
    }
}

TEST(VigilkitStrings, TextsTheMainWindowKeepsFitItsFields) {
    const UINT kept[] = {IDS_MAIN_TITLE, IDS_ABOUT_CAPTION, IDS_ABOUT_LINE1, IDS_ABOUT_LINE2,
                         IDS_REG_KEY_COMPANY, IDS_REG_KEY_PRODUCT, IDS_TRUE_WORD, IDS_FALSE_WORD};
    for (UINT id : kept)
        EXPECT_LT(loadText(id).size(), 100u) << "string " << id << " does not fit 100 characters";
    for (UINT id : {IDS_REG_KEY_COMPANY, IDS_REG_KEY_PRODUCT})
        EXPECT_EQ(std::string::npos, loadText(id).find('\\')) << "key part " << id << " holds a backslash";
    EXPECT_EQ("Yes", loadText(IDS_TRUE_WORD));
    EXPECT_EQ("No", loadText(IDS_FALSE_WORD));
}

TEST(VigilkitStrings, MessagesFollowedByAStatusTextEndWithASeparator) {
    for (UINT id : {IDS_UTILS_VERSION_FAILED, IDS_RECORD_PROBE_FAILED, IDS_COMM_PROBE_FAILED,
                    IDS_SQL_PROBE_FAILED, IDS_SQL_COMM_PROBE_FAILED}) {
        std::string text = loadText(id);
        ASSERT_FALSE(text.empty()) << id;
        EXPECT_TRUE(std::isspace(static_cast<unsigned char>(text.back())))
            << "string " << id << " \"" << text << "\" runs into the appended status text";
    }
}

TEST(VigilkitStrings, AddressMarksCanBothMatch) {
    // Addresses are recognised by the prefix of their hex form "NNNNNNNN
    // NNNNNNNNNNNN"; the local mark is tested after the IP mark, so it must
    // not begin with it.
    std::string ip = loadText(IDS_ADDR_IP_MARK), local = loadText(IDS_ADDR_LOCAL_MARK);
    for (const std::string& mark : {ip, local}) {
        EXPECT_LE(mark.size(), 21u) << mark;
        for (char c : mark)
            EXPECT_TRUE(std::strchr("0123456789ABCDEF ", c) && c != '\0')
                << "mark \"" << mark << "\" cannot occur in a hex address";
    }
    EXPECT_NE(0u, local.rfind(ip, 0)) << "local mark \"" << local << "\" begins with the IP mark";
}

TEST(VigilkitStrings, SignatureParserReadsConversions) {
    const struct { const char* format; const char* signature; } cases[] = {
        {"plain", ""}, {"100%% sure", ""}, {"%s", "s"}, {"a %lu b", "lu"},
        {"%2.2d/%2.2d", "d,d"}, {"%-10s|%u", "s,u"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.signature, formatSignature(c.format)) << c.format;
}

TEST(VigilkitVersion, ReportsItsVersionAndTheOverride) {
    const struct { const char* env; unsigned long a, b, c; } cases[] = {
        {nullptr, 1, 10, 30},
        {"1.10.29", 1, 10, 29},
        {"0.12.0", 0, 12, 0},
        {"5.9.99", 5, 9, 99},
        {"1.11", 1, 10, 30},          // not three numbers: the built-in version
        {"1.x.3", 1, 10, 30},
        {"1.10.30.1", 1, 10, 30},
        {"4294967296.0.0", 1, 10, 30},  // does not fit 32 bits
    };
    for (const auto& c : cases) {
        SetEnvironmentVariableA("VIGIL_RESDLL_VERSION", c.env);
        unsigned long v[3] = {7, 7, 7};
        EXPECT_EQ(0, getDLLVersion(v));
        EXPECT_EQ(c.a, v[0]) << (c.env ? c.env : "(unset)");
        EXPECT_EQ(c.b, v[1]) << (c.env ? c.env : "(unset)");
        EXPECT_EQ(c.c, v[2]) << (c.env ? c.env : "(unset)");
    }
    SetEnvironmentVariableA("VIGIL_RESDLL_VERSION", nullptr);
}

// Command ids of the main window's command table, all in menu 2400.
const UINT kCommands[] = {IDM_ACTIVE_FILES, IDM_ACTIVE_USERS, IDM_RESOURCE_USAGE,
                          IDM_COMM_STATS, IDM_SETTINGS, IDM_SQL_SESSIONS,
                          IDM_SQL_RESOURCE_USAGE, IDM_SQL_COMM_STATS, IDM_HELP,
                          IDM_ABOUT, IDM_EXIT, IDM_CONNECT, IDM_DISCONNECT, IDM_SQL_CONN_MGR};

TEST(VigilkitMenu, MainMenuHoldsEveryCommand) {
    HMENU menu = LoadMenuA(resourceLibrary(), MAKEINTRESOURCEA(IDR_MAIN_MENU));
    ASSERT_NE(nullptr, menu) << "menu " << IDR_MAIN_MENU << " error " << GetLastError();
    for (UINT id : kCommands)
        EXPECT_NE(static_cast<UINT>(-1), GetMenuState(menu, id, MF_BYCOMMAND)) << "command " << id << " missing";
    // The Window popup is inserted at run time at its position: the popups
    // before it stay in place, and the template holds no Window entries.
    ASSERT_GE(GetMenuItemCount(menu), VIGILKIT_WINDOW_MENU_POS + 1);
    for (int pos = 0; pos <= VIGILKIT_WINDOW_MENU_POS; ++pos)
        EXPECT_NE(nullptr, GetSubMenu(menu, pos)) << "menu-bar entry " << pos << " is no popup";
    for (UINT id = IDM_WINDOW_FIRST; id <= IDM_WINDOW_LAST; ++id)
        EXPECT_EQ(static_cast<UINT>(-1), GetMenuState(menu, id, MF_BYCOMMAND)) << "window entry " << id;
    char text[128] = {};
    GetMenuStringA(menu, IDM_HELP, text, sizeof text, MF_BYCOMMAND);
    EXPECT_NE(nullptr, std::strstr(text, "\tF1")) << "help entry \"" << text << "\" shows no F1";
    // Disconnect starts grayed: the monitor starts on the local engine.
    EXPECT_TRUE(GetMenuState(menu, IDM_DISCONNECT, MF_BYCOMMAND) & MF_GRAYED);
    DestroyMenu(menu);
}

}  // namespace
