// Loading a query plan file, reading one plan of it, and watching it change.
#pragma once
#include <cstdint>
#include <string>

// Loads the file at `path` (optionally in double quotes) and indexes its
// plans; the messages and the viewer state tell the outcome. Posts the Last
// command so that the last plan is shown.
void LoadPlanFile(const char* path);

// Reads plan k of the held file into the statement and plan buffers; true
// when the record is intact and both parts were read in full.
bool ReadPlan(uint16_t k);

// One check of the change watch: when the held file's size differs from the
// size recorded at its load, reload it (asking first unless AutoReload is on).
void RunChangeWatch();

// Closes the held file, if any.
void ReleaseHeldFile();

// String `id` of the viewer's string table.
std::string ViewerString(unsigned id);
