#include "record/res_usage_dlg.h"

#include <cstdio>
#include <cstring>

#include "record/core/gauge_geometry.h"
#include "record/fetch_counts.h"
#include "record/peak_bar_graph.h"
#include "record/static_with_color.h"
#include "shell/main_window.h"
#include "shell/shell_services.h"
#include "vigilkit_ids.h"

namespace {

struct RowControls {
    int group;  // 0: no gauge
    int current, peak, maximum;
};

// Rows 1 to 7.
const RowControls kRows[7] = {
    {IDC_RU_ROW1_GAUGE, IDC_RU_ROW1_CURRENT, IDC_RU_ROW1_PEAK, IDC_RU_ROW1_MAX},
    {IDC_RU_ROW2_GAUGE, IDC_RU_ROW2_CURRENT, IDC_RU_ROW2_PEAK, IDC_RU_ROW2_MAX},
    {0, IDC_RU_ROW3_CURRENT, IDC_RU_ROW3_PEAK, IDC_RU_ROW3_MAX},
    {IDC_RU_ROW4_GAUGE, IDC_RU_ROW4_CURRENT, IDC_RU_ROW4_PEAK, IDC_RU_ROW4_MAX},
    {IDC_RU_ROW5_GAUGE, IDC_RU_ROW5_CURRENT, IDC_RU_ROW5_PEAK, IDC_RU_ROW5_MAX},
    {IDC_RU_ROW6_GAUGE, IDC_RU_ROW6_CURRENT, IDC_RU_ROW6_PEAK, IDC_RU_ROW6_MAX},
    {IDC_RU_ROW7_GAUGE, IDC_RU_ROW7_CURRENT, IDC_RU_ROW7_PEAK, IDC_RU_ROW7_MAX},
};

constexpr int kRow3 = 2;
constexpr int kRow7 = 6;

const COLORREF kCurrent = gauge::kCurrentColour;
const COLORREF kPeak = gauge::kPeakColour;
const COLORREF kLimit = gauge::kLimitColour;

} // namespace

TVelResUsageDlg::TVelResUsageDlg(TMainWindow& main)
    : TMonitorDlg(main, MonitorKind::ResourceUsage,
                  {IDC_RU_REFRESH, IDC_RU_HELP, IDC_RU_AUTO_REFRESH})
{
    // 1. Frame: template, caption, background, automatic-refresh check box.
    if (!createFrame()) {
        closeDialog();
        return;
    }

    // 2. The legend.
    legend_[0] = new StaticWithColor(control(IDC_RU_LEGEND_CURRENT), kCurrent);
    legend_[1] = new StaticWithColor(control(IDC_RU_LEGEND_PEAK), kPeak);
    legend_[2] = new StaticWithColor(control(IDC_RU_LEGEND_MAX), kLimit);

    // 3. The figures' statics on the button face.
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    for (const RowControls& r : kRows) {
        setControlBackground(r.current, face);
        setControlBackground(r.peak, face);
        setControlBackground(r.maximum, face);
    }

    // 4. A gauge over each group box.
    for (int row = 0; row < 7; ++row) {
        if (!kRows[row].group) continue;
        gauges_[row] = new PeakBarGraph(control(kRows[row].group), kCurrent, kPeak, kLimit);
        gauges_[row]->show();
    }

    // 6. The first figures.
    Refresh();
}

PeakBarGraph* TVelResUsageDlg::gauge(int row) const
{
    return row >= 1 && row <= 7 ? gauges_[row - 1] : nullptr;
}

void TVelResUsageDlg::Refresh()
{
    // 1. Fetch; a failure closes the dialog.
    std::memset(extra_.bytes, 0, sizeof extra_.bytes);
    if (FetchCounts(main_, usage_, extra_) != 0) {
        failAndClose();
        return;
    }
    const auto rows = usageRows(decodeResourceUsage(usage_.bytes, sizeof usage_.bytes),
                                decodeExtraUsage(extra_.bytes, sizeof extra_.bytes));

    // 2. Row 7's gauge first: it is never hidden.
    gauges_[kRow7]->setValues(rows[kRow7].current, rows[kRow7].peak, rows[kRow7].maximum);

    // 3. The figures, rows 1 to 7.
    for (int row = 0; row < 7; ++row) showRow(row, rows[row]);
}

void TVelResUsageDlg::showRow(int row, const UsageRow& v)
{
    const RowControls& c = kRows[row];
    setNumber(c.current, v.current);
    setNumber(c.peak, v.peak);
    if (row == kRow3) {
        SetDlgItemTextA(hwnd(), c.maximum, loadString(IDS_NO_MAXIMUM));
        return;
    }
    if (row == kRow7) {
        setNumber(c.maximum, v.maximum);
        return;
    }
    HWND group = control(c.group);
    PeakBarGraph* g = gauges_[row];
    if (!v.hasMaximum) {
        g->hide();
        ShowWindow(group, SW_HIDE);
        SetDlgItemTextA(hwnd(), c.maximum, loadString(IDS_NO_MAXIMUM));
        return;
    }
    ShowWindow(group, SW_SHOW);
    g->show();
    g->setValues(v.current, v.peak, v.maximum);
    setNumber(c.maximum, v.maximum);
}

void TVelResUsageDlg::setNumber(int controlId, uint32_t value)
{
    std::snprintf(text_, sizeof text_, "%lu", static_cast<unsigned long>(value));
    SetDlgItemTextA(hwnd(), controlId, text_);
}
