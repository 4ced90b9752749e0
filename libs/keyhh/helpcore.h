// Portable core of the help viewer keyhh: its command line, the help file
// format and where to look for the help file. No windows.h here.
//
// Command line, as the monitor starts the viewer:
//   keyhh -kiln -#mapid <id> "<install>\Docs\doderezi.chm>$global_kilnhelp"
// The file argument is optional; the part after '>' names the help window.
//
// Help file: plain text. A line "[<map id>] <title>" starts a topic; the
// lines after it, up to the next topic line, are its text. Lines before the
// first topic are comments.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace keyhh {

struct HelpRequest {
    bool kiln = false;        // "-kiln" given (accepted, changes nothing)
    bool hasMapId = false;    // "-#mapid <id>" given
    uint32_t mapId = 0;
    std::string helpFile;     // path before '>', empty when no file was named
    std::string windowName;   // text after '>', may be empty
    std::string error;        // set when the line could not be understood
};

// Splits a Windows command line into arguments: blanks separate, double
// quotes group and are removed, backslashes stay as they are (paths).
std::vector<std::string> splitCommandLine(const std::string& line);

// Reads the viewer's arguments. With includesProgramName the first
// argument (the program itself) is skipped first.
HelpRequest parseHelpCommandLine(const std::string& line, bool includesProgramName);

struct Topic {
    uint32_t mapId = 0;
    std::string title;
    std::vector<std::string> lines;
};

// Parses the help file text. Topics keep the file's order; a topic line
// with a map id that is not a number is treated as text.
std::vector<Topic> parseHelpFile(const std::string& text);

// The topic with that map id, or null.
const Topic* findTopic(const std::vector<Topic>& topics, uint32_t mapId);

// Where the help file is looked for when the command line names none, from
// the viewer's own path: Docs beside the program, then Docs one level above
// it (the install directory when the program is in its bin folder).
std::vector<std::string> helpFileCandidates(const std::string& programPath);

// Name of the help file in a Docs folder.
inline const char* helpFileName() { return "doderezi.chm"; }

}  // namespace keyhh
