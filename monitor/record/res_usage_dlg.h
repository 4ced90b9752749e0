// TVelResUsageDlg: the record engine's resource usage, seven rows of
// current, peak and maximum figures, six of them with a gauge.
#pragma once
#include "record/core/usage_records.h"
#include "shell/monitor_dialog.h"

class PeakBarGraph;
class StaticWithColor;

class TVelResUsageDlg : public TMonitorDlg {
public:
    // Builds the dialog and runs the first Refresh; IsValid() tells whether
    // it stayed open.
    explicit TVelResUsageDlg(TMainWindow& main);

    void Refresh() override;

    // Row 1-7's gauge, nullptr for row 3.
    PeakBarGraph* gauge(int row) const;
    StaticWithColor* legend(int i) const { return legend_[i]; }

private:
    void showRow(int row, const UsageRow& values);
    void setNumber(int controlId, uint32_t value);

    ResourceUsageRecord usage_{};
    ExtraUsageRecord extra_{};
    PeakBarGraph* gauges_[7] = {};
    StaticWithColor* legend_[3] = {};
    char text_[256] = {0};
};
