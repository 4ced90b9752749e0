// Small services of the shell used across the monitor: strings of the
// resource library, status texts, help, file-name parts, hex pairs.
#pragma once
#include <cstdint>
#include <string>

// File name of the resource library, made from its module base name.
const char* resourceLibraryName();

// Fetches string `id` of the resource library into one shared 256-byte
// buffer and returns it; the next call overwrites it, so copy the text. An
// empty string is replaced by "Unable to load string with ID = %d", shown in
// a box owned by the window given to setStringOwner().
const char* loadString(int id);
std::string loadStringCopy(int id);
void setStringOwner(void* hwnd);

// The engine's text for a status, or string 3400 with the number.
std::string statusText(uint16_t status);

// 0 and the directory in `buffer` (260 bytes) when an install key names one.
int findInstallDir(char* buffer);

// Starts the help viewer on map id `topicId`; does not wait for it.
void showHelp(int topicId);

// The text after the last backslash or slash (double-byte aware).
std::string fileNamePart(const char* path);
