#include "helpcore.h"

#include <cctype>

namespace keyhh {

namespace {

bool equalsNoCase(const std::string& a, const char* b) {
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return i == a.size() && b[i] == '\0';
}

// A map id: decimal digits only, fitting 32 bits unsigned.
bool parseMapId(const std::string& text, uint32_t& out) {
    if (text.empty() || text.size() > 10) return false;
    uint64_t n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        n = n * 10 + static_cast<unsigned>(c - '0');
    }
    if (n > 0xFFFFFFFFull) return false;
    out = static_cast<uint32_t>(n);
    return true;
}

std::string trimRight(std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.pop_back();
    return s;
}

// The folder part of a path, without its last separator; empty when the
// path has no folder.
std::string folderOf(const std::string& path) {
    size_t cut = path.find_last_of("\\/");
    if (cut == std::string::npos) return std::string();
    return path.substr(0, cut);
}

}  // namespace

std::vector<std::string> splitCommandLine(const std::string& line) {
    std::vector<std::string> out;
    std::string current;
    bool inQuotes = false, inArgument = false;
    for (char c : line) {
        if (c == '"') {
            inQuotes = !inQuotes;
            inArgument = true;  // "" is an empty argument
        } else if ((c == ' ' || c == '\t') && !inQuotes) {
            if (inArgument) out.push_back(current);
            current.clear();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (inArgument) out.push_back(current);
    return out;
}

HelpRequest parseHelpCommandLine(const std::string& line, bool includesProgramName) {
    HelpRequest req;
    std::vector<std::string> args = splitCommandLine(line);
    size_t i = includesProgramName && !args.empty() ? 1 : 0;
    std::string fileSpec;
    bool haveFile = false;
    for (; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (equalsNoCase(a, "-kiln")) {
            req.kiln = true;
        } else if (equalsNoCase(a, "-#mapid")) {
            if (i + 1 >= args.size() || !parseMapId(args[i + 1], req.mapId)) {
                req.error = "-#mapid needs a map id (a decimal number)";
                req.hasMapId = false;
                return req;
            }
            req.hasMapId = true;
            ++i;
        } else if (!a.empty() && a[0] == '-') {
            // Other switches of help viewers change nothing here.
        } else if (!haveFile) {
            fileSpec = a;
            haveFile = true;
        } else {
            // An unquoted path with blanks arrives in pieces: put it back.
            fileSpec += ' ';
            fileSpec += a;
        }
    }
    size_t window = fileSpec.find('>');
    req.helpFile = fileSpec.substr(0, window);
    if (window != std::string::npos) req.windowName = fileSpec.substr(window + 1);
    return req;
}

std::vector<Topic> parseHelpFile(const std::string& text) {
    std::vector<Topic> topics;
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = trimRight(text.substr(pos, end - pos));
        pos = end + 1;

        uint32_t id = 0;
        size_t close = line.find(']');
        if (!line.empty() && line[0] == '[' && close != std::string::npos &&
            parseMapId(line.substr(1, close - 1), id)) {
            Topic t;
            t.mapId = id;
            size_t titleStart = line.find_first_not_of(" \t", close + 1);
            if (titleStart != std::string::npos) t.title = line.substr(titleStart);
            topics.push_back(t);
        } else if (!topics.empty()) {
            topics.back().lines.push_back(line);
        }
        if (end == text.size()) break;
    }
    for (Topic& t : topics)
        while (!t.lines.empty() && t.lines.back().empty()) t.lines.pop_back();
    return topics;
}

const Topic* findTopic(const std::vector<Topic>& topics, uint32_t mapId) {
    for (const Topic& t : topics)
        if (t.mapId == mapId) return &t;
    return nullptr;
}

std::vector<std::string> helpFileCandidates(const std::string& programPath) {
    std::vector<std::string> out;
    std::string dir = folderOf(programPath);
    if (dir.empty()) dir = ".";
    out.push_back(dir + "\\Docs\\" + helpFileName());
    std::string parent = folderOf(dir);
    if (!parent.empty()) out.push_back(parent + "\\Docs\\" + helpFileName());
    return out;
}

}  // namespace keyhh
