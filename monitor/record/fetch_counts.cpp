#include "record/fetch_counts.h"

#include "engine/utils_binding.h"
#include "shell/main_window.h"
#include "shell/shell_services.h"
#include "vigilkit_ids.h"

namespace {

uint16_t shown(TMainWindow& main, uint16_t status)
{
    if (status == kStatusComponentMissing)
        showComponentMissing(main);
    else if (status != 0)
        main.reportStatus(status);
    return status;
}

} // namespace

uint16_t FetchCounts(TMainWindow& main, ResourceUsageRecord& usage, ExtraUsageRecord& extra)
{
    const uint16_t selector = main.engine.recordEngineId;
    uint16_t status = DBUGetInfo(main.connectionHandle, selector, kRequestResourceUsage, 0,
                                 nullptr, kResourceUsageRecordSize, usage.bytes);
    if (status != 0) return shown(main, status);
    status = DBUGetInfo(main.connectionHandle, selector, kRequestExtraUsage, 0, nullptr,
                        kExtraUsageRecordSize, extra.bytes);
    return shown(main, status);
}

void showComponentMissing(TMainWindow& main)
{
    main.messagePaused(loadStringCopy(IDS_RECORD_ENGINE_MISSING));
}
