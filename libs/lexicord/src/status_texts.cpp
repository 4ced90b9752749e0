#include "status_texts.h"

#include <cstdlib>
#include <cstring>

namespace lexicord {
namespace {

// Our own wording; one sentence or two, as an administrator would want to read
// them in a message box.
const StatusText kTexts[] = {
    {0, "The operation completed successfully."},
    {201, "The SQL engine is not running."},
    {204, "The SQL engine has reached its limit of sessions."},
    {208, "The database name is not defined on this engine."},
    {212, "The data dictionary files of the database cannot be opened."},
    {230, "The cursor does not exist or has been closed."},
    {240, "The SQL statement contains a syntax error."},
    {252, "The user has no permission for this operation."},
    {265, "The SQL session has ended or does not exist."},
    {270, "The session cannot be ended while it is running a statement."},
    {4001, "The engine is busy. Try again in a moment."},
    {4010, "The engine cannot open more files."},
    {4011, "The engine cannot open more file handles."},
    {4012, "The engine cannot accept more clients."},
    {4020, "The engine is shutting down."},
    {4030, "Administrator rights are needed for this request."},
    {4034, "There is not enough memory for the engine's reply."},
    {4040, "The engine did not answer in time."},
    {4041, "The network connection to the server was lost."},
    {4042, "The server name could not be resolved on the network."},
    {4045, "No network protocol is available to reach the server."},
    {4050, "The engine does not support this request."},
    {4051, "The request was sent with missing or invalid parameters."},
    {4060, "The connection to the server is not open."},
    {4061, "The server was not found. Check the server name."},
    {4062, "The login was refused. Check the user name and the password."},
    {4063, "The server is not accepting connections at the moment."},
    {4064, "The server cannot accept more remote connections."},
    {4069, "The client is not known to the engine. It may have disconnected."},
    {4070, "The client cannot be disconnected while a transaction is active."},
    {4080, "The engine component is not installed."},
    {4083, "The engine component is not running."},
    {4086, "The reply buffer is too small for the requested information."},
    {4088, "The file is not open on the engine."},
    {4089, "The requested information is not available at the moment."},
    {4095, "The simulated engine could not read its scenario file."},
    {4100, "This version of the engine does not support the request."},
    {4107, "More entries follow; only part of the list was returned."},
    {8001, "The utilities library has not been started."},
    {8002, "The utilities library is already started."},
    {8005, "The engine utilities library or one of its functions is not available."},
    {8010, "The utilities library could not be started."},
    {65535, "The version of the engine component was refused."},
};

}  // namespace

const StatusText* statusTexts(size_t* count)
{
    *count = sizeof kTexts / sizeof kTexts[0];
    return kTexts;
}

const char* statusText(uint32_t status)
{
    if (status > 0xFFFF) return nullptr;
    size_t lo = 0, hi = sizeof kTexts / sizeof kTexts[0];
    while (lo < hi) {
        size_t mid = (lo + hi) / 2;
        if (kTexts[mid].status == status) return kTexts[mid].text;
        if (kTexts[mid].status < status) lo = mid + 1;
        else hi = mid;
    }
    return nullptr;
}

bool versionFromOverride(const char* text, uint32_t out[4])
{
    for (int i = 0; i < 4; ++i) out[i] = kVersion[i];
    if (!text || !*text) return true;
    if (std::strcmp(text, "fail") == 0) return false;
    uint32_t v[4];
    const char* p = text;
    for (int i = 0; i < 4; ++i) {
        if (*p < '0' || *p > '9') return true;
        char* end = nullptr;
        unsigned long n = std::strtoul(p, &end, 10);
        if (n > 0xFFFFFFFFul) return true;
        v[i] = static_cast<uint32_t>(n);
        p = end;
        if (i < 3) {
            if (*p != '.') return true;
            ++p;
        }
    }
    if (*p) return true;
    for (int i = 0; i < 4; ++i) out[i] = v[i];
    return true;
}

}  // namespace lexicord
