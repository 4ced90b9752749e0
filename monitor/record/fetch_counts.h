// The resource usage requests 15 and 1808 on the main window's connection,
// shared by every record-engine dialog (the list dialogs size their buffers
// from these counts), and the component-missing message.
#pragma once
#include <cstdint>

#include "record/core/usage_records.h"

class TMainWindow;

constexpr uint16_t kStatusComponentMissing = 4083;

// Request 15 into `usage`, then request 1808 into `extra`, with the main
// window's connectionHandle and recordEngineId of the moment. A failure is
// shown (4083: the component-missing message, else reportStatus) and
// returned; 1808 is not sent when 15 failed.
uint16_t FetchCounts(TMainWindow& main, ResourceUsageRecord& usage, ExtraUsageRecord& extra);

// String 2923 in an information box with the main window's title, timer
// refreshes paused meanwhile.
void showComponentMissing(TMainWindow& main);
