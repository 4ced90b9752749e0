// Dialog templates of VIGILKIT.DLL and of the monitor's own resources,
// created with plain Win32 calls and read back control by control.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "monitor_ids.h"
#include "vigilkit_ids.h"
#include "vigilres.h"

namespace {

HMODULE resourceLibrary() {
    unsigned long v[3];
    getDLLVersion(v);
    return GetModuleHandleA("VIGILKIT.DLL");
}

INT_PTR CALLBACK quietProc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

// One created dialog, destroyed again at the end of the test.
class Dialog {
public:
    Dialog(HMODULE module, int id) {
        hwnd_ = CreateDialogParamA(module, MAKEINTRESOURCEA(id), nullptr, quietProc, 0);
        error_ = GetLastError();
    }
    ~Dialog() {
        if (hwnd_) DestroyWindow(hwnd_);
    }
    HWND hwnd() const { return hwnd_; }
    DWORD error() const { return error_; }

    HWND item(int id) const { return GetDlgItem(hwnd_, id); }
    std::string text(int id) const {
        char buffer[512] = {};
        GetWindowTextA(item(id), buffer, sizeof buffer);
        return buffer;
    }
    std::string className(int id) const {
        char buffer[64] = {};
        GetClassNameA(item(id), buffer, sizeof buffer);
        return buffer;
    }
    LONG style(int id) const { return GetWindowLongA(item(id), GWL_STYLE); }
    // Control rectangle in dialog client coordinates.
    RECT rect(int id) const {
        RECT r = {};
        GetWindowRect(item(id), &r);
        MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    std::vector<HWND> children() const {
        std::vector<HWND> out;
        for (HWND c = GetWindow(hwnd_, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) out.push_back(c);
        return out;
    }

private:
    HWND hwnd_ = nullptr;
    DWORD error_ = 0;
};

enum class Kind { Static, GroupBox, CheckBox, PushButton, Edit, Icon };

const char* kindName(Kind k) {
    switch (k) {
    case Kind::Static: return "static";
    case Kind::GroupBox: return "group box";
    case Kind::CheckBox: return "check box";
    case Kind::PushButton: return "push button";
    case Kind::Edit: return "edit";
    case Kind::Icon: return "icon static";
    }
    return "?";
}

bool isKind(const Dialog& d, int id, Kind k) {
    std::string cls = d.className(id);
    LONG type = d.style(id) & 0x0F;
    if (k == Kind::Edit) return _stricmp(cls.c_str(), "Edit") == 0;
    if (k == Kind::Static) return _stricmp(cls.c_str(), "Static") == 0 && (d.style(id) & SS_TYPEMASK) != SS_ICON;
    if (k == Kind::Icon) return _stricmp(cls.c_str(), "Static") == 0 && (d.style(id) & SS_TYPEMASK) == SS_ICON;
    if (_stricmp(cls.c_str(), "Button") != 0) return false;
    switch (k) {
    case Kind::GroupBox: return type == BS_GROUPBOX;
    case Kind::CheckBox: return type == BS_AUTOCHECKBOX;
    case Kind::PushButton: return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
    default: return false;
    }
}

struct Control {
    int id;
    Kind kind;
};

void expectControls(const Dialog& d, const std::vector<Control>& controls, const char* what) {
    for (const Control& c : controls) {
        ASSERT_NE(nullptr, d.item(c.id)) << what << ": control " << c.id << " missing";
        EXPECT_TRUE(isKind(d, c.id, c.kind))
            << what << ": control " << c.id << " is class " << d.className(c.id) << " style 0x"
            << std::hex << d.style(c.id) << std::dec << ", expected a " << kindName(c.kind);
    }
}

bool overlaps(const RECT& a, const RECT& b) {
    RECT r;
    return IntersectRect(&r, &a, &b) != 0;
}

// No two controls of a dialog overlap, and all lie inside its client area,
// so that every figure is readable.
void expectTidyLayout(const Dialog& d, const char* what) {
    RECT client;
    GetClientRect(d.hwnd(), &client);
    std::vector<HWND> kids = d.children();
    for (size_t i = 0; i < kids.size(); ++i) {
        int id = GetDlgCtrlID(kids[i]);
        RECT a = d.rect(id);
        EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.right <= client.right && a.bottom <= client.bottom)
            << what << ": control " << id << " leaves the dialog";
        for (size_t j = i + 1; j < kids.size(); ++j) {
            int other = GetDlgCtrlID(kids[j]);
            EXPECT_FALSE(overlaps(a, d.rect(other))) << what << ": controls " << id << " and " << other << " overlap";
        }
    }
    RECT frame;
    GetWindowRect(d.hwnd(), &frame);
    EXPECT_LE(frame.right - frame.left, 800) << what << " is wider than a small screen";
    EXPECT_LE(frame.bottom - frame.top, 600) << what << " is taller than a small screen";
}

TEST(VigilkitDialogs, WaitDialogHasItsTextAndNoButtons) {
    Dialog d(resourceLibrary(), IDD_WAIT);
    ASSERT_NE(nullptr, d.hwnd()) << "template " << IDD_WAIT << " error " << d.error();
    expectControls(d, {{IDC_WAIT_TEXT, Kind::Static}}, "wait dialog");
    EXPECT_FALSE(d.text(IDC_WAIT_TEXT).empty()) << "wait text empty";
    for (HWND c : d.children()) {
        char cls[64] = {};
        GetClassNameA(c, cls, sizeof cls);
        EXPECT_NE(0, _stricmp(cls, "Button")) << "wait dialog has a button " << GetDlgCtrlID(c);
    }
    LONG style = GetWindowLongA(d.hwnd(), GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION) << "the caption shows string 3422";
    EXPECT_FALSE(style & WS_SYSMENU) << "a close box would let the user cancel a check that cannot stop";
    EXPECT_FALSE(style & WS_VISIBLE) << "the main window centres it before showing it";
    expectTidyLayout(d, "wait dialog");
}

struct UsageRow {
    int row, label, current, peak, max, gauge;  // gauge 0: none
};

const UsageRow kUsageRows[] = {
    {1, IDC_RU_ROW1_LABEL, IDC_RU_ROW1_CURRENT, IDC_RU_ROW1_PEAK, IDC_RU_ROW1_MAX, IDC_RU_ROW1_GAUGE},
    {2, IDC_RU_ROW2_LABEL, IDC_RU_ROW2_CURRENT, IDC_RU_ROW2_PEAK, IDC_RU_ROW2_MAX, IDC_RU_ROW2_GAUGE},
    {3, IDC_RU_ROW3_LABEL, IDC_RU_ROW3_CURRENT, IDC_RU_ROW3_PEAK, IDC_RU_ROW3_MAX, 0},
    {4, IDC_RU_ROW4_LABEL, IDC_RU_ROW4_CURRENT, IDC_RU_ROW4_PEAK, IDC_RU_ROW4_MAX, IDC_RU_ROW4_GAUGE},
    {5, IDC_RU_ROW5_LABEL, IDC_RU_ROW5_CURRENT, IDC_RU_ROW5_PEAK, IDC_RU_ROW5_MAX, IDC_RU_ROW5_GAUGE},
    {6, IDC_RU_ROW6_LABEL, IDC_RU_ROW6_CURRENT, IDC_RU_ROW6_PEAK, IDC_RU_ROW6_MAX, IDC_RU_ROW6_GAUGE},
    {7, IDC_RU_ROW7_LABEL, IDC_RU_ROW7_CURRENT, IDC_RU_ROW7_PEAK, IDC_RU_ROW7_MAX, IDC_RU_ROW7_GAUGE},
};

int middle(const RECT& r) { return (r.top + r.bottom) / 2; }

TEST(VigilkitDialogs, ResourceUsageRowsReadLeftToRight) {
    Dialog d(resourceLibrary(), IDD_RESUSAGE);
    ASSERT_NE(nullptr, d.hwnd()) << "template " << IDD_RESUSAGE << " error " << d.error();
    std::vector<Control> controls = {
        {IDC_RU_LEGEND_CURRENT, Kind::Static}, {IDC_RU_LEGEND_PEAK, Kind::Static},
        {IDC_RU_LEGEND_MAX, Kind::Static},     {IDC_RU_AUTO_REFRESH, Kind::CheckBox},
        {IDC_RU_REFRESH, Kind::PushButton},    {IDC_RU_HELP, Kind::PushButton},
        {IDC_DLG_CLOSE, Kind::PushButton},
    };
    for (const UsageRow& r : kUsageRows) {
        for (int id : {r.label, r.current, r.peak, r.max}) controls.push_back({id, Kind::Static});
        if (r.gauge) controls.push_back({r.gauge, Kind::GroupBox});
    }
    expectControls(d, controls, "resource usage");
    if (HasFatalFailure()) return;

    int previousMiddle = -1;
    for (const UsageRow& r : kUsageRows) {
        RECT label = d.rect(r.label), cur = d.rect(r.current), peak = d.rect(r.peak), max = d.rect(r.max);
        EXPECT_FALSE(d.text(r.label).empty()) << "row " << r.row << " has no label";
        // One line per row: label, current, peak, maximum, gauge.
        for (const RECT* f : {&cur, &peak, &max})
            EXPECT_LE(std::abs(middle(*f) - middle(label)), 3) << "row " << r.row << " figures off the label's line";
        EXPECT_LE(label.right, cur.left) << "row " << r.row;
        EXPECT_LE(cur.right, peak.left) << "row " << r.row;
        EXPECT_LE(peak.right, max.left) << "row " << r.row;
        if (r.gauge) {
            RECT gauge = d.rect(r.gauge);
            EXPECT_LE(max.right, gauge.left) << "row " << r.row << " gauge not beside its figures";
            EXPECT_TRUE(gauge.top <= middle(max) && middle(max) <= gauge.bottom)
                << "row " << r.row << " gauge not on the line of its figures";
            EXPECT_EQ(d.rect(IDC_RU_ROW1_GAUGE).left, gauge.left) << "row " << r.row << " gauge out of column";
            EXPECT_EQ(d.rect(IDC_RU_ROW1_GAUGE).right, gauge.right) << "row " << r.row << " gauge out of column";
        }
        EXPECT_GT(middle(label), previousMiddle) << "row " << r.row << " is not below the row before";
        previousMiddle = middle(label);
    }

    // The legend names the gauge colours, above the gauge column.
    const struct { int id; const char* text; } legend[] = {
        {IDC_RU_LEGEND_CURRENT, "Current"}, {IDC_RU_LEGEND_PEAK, "Peak"}, {IDC_RU_LEGEND_MAX, "Maximum"}};
    RECT column = d.rect(IDC_RU_ROW1_GAUGE);
    for (const auto& l : legend) {
        EXPECT_EQ(l.text, d.text(l.id)) << "legend " << l.id;
        RECT r = d.rect(l.id);
        EXPECT_TRUE(r.left >= column.left && r.right <= column.right && r.bottom <= column.top)
            << "legend " << l.id << " is not above the gauges";
    }
    EXPECT_NE(std::string::npos, d.text(IDC_RU_REFRESH).find("Refresh"));
    EXPECT_NE(std::string::npos, d.text(IDC_RU_HELP).find("Help"));
    EXPECT_NE(std::string::npos, d.text(IDC_DLG_CLOSE).find("Close"));
    EXPECT_NE(std::string::npos, d.text(IDC_RU_AUTO_REFRESH).find("refresh"));
    EXPECT_FALSE(GetWindowLongA(d.hwnd(), GWL_STYLE) & WS_VISIBLE) << "the main window shows it after centring";
    expectTidyLayout(d, "resource usage");
}

TEST(VigilkitDialogs, ConnectDialogHasLabelledEditsAndHidesThePassword) {
    Dialog d(resourceLibrary(), IDD_CONNECT);
    ASSERT_NE(nullptr, d.hwnd()) << "template " << IDD_CONNECT << " error " << d.error();
    expectControls(d, {{IDC_CONNECT_SERVER, Kind::Edit}, {IDC_CONNECT_USER, Kind::Edit},
                       {IDC_CONNECT_PASSWORD, Kind::Edit}, {IDC_CONNECT_CONNECT, Kind::PushButton},
                       {IDC_CONNECT_CANCEL, Kind::PushButton}, {IDC_CONNECT_SERVER_LABEL, Kind::Static},
                       {IDC_CONNECT_USER_LABEL, Kind::Static}, {IDC_CONNECT_PASSWORD_LABEL, Kind::Static}},
                   "connect dialog");
    if (HasFatalFailure()) return;
    EXPECT_TRUE(d.style(IDC_CONNECT_PASSWORD) & ES_PASSWORD) << "password shown in clear";
    EXPECT_FALSE(d.style(IDC_CONNECT_SERVER) & ES_PASSWORD);
    EXPECT_FALSE(d.style(IDC_CONNECT_USER) & ES_PASSWORD);
    const int pairs[][2] = {{IDC_CONNECT_SERVER_LABEL, IDC_CONNECT_SERVER},
                            {IDC_CONNECT_USER_LABEL, IDC_CONNECT_USER},
                            {IDC_CONNECT_PASSWORD_LABEL, IDC_CONNECT_PASSWORD}};
    for (const auto& p : pairs) {
        EXPECT_FALSE(d.text(p[0]).empty()) << "label " << p[0];
        EXPECT_LE(d.rect(p[0]).right, d.rect(p[1]).left) << "label " << p[0] << " not left of its edit";
        // A label's mnemonic moves the focus to the next control: its edit.
        EXPECT_EQ(d.item(p[1]), GetWindow(d.item(p[0]), GW_HWNDNEXT)) << "label " << p[0];
    }
    EXPECT_FALSE(d.text(IDC_CONNECT_CONNECT).empty());
    EXPECT_FALSE(d.text(IDC_CONNECT_CANCEL).empty());
    expectTidyLayout(d, "connect dialog");
}

TEST(MonitorResources, AboutTemplateKeepsItsOwnTexts) {
    Dialog d(GetModuleHandleA(nullptr), IDD_ABOUT);
    ASSERT_NE(nullptr, d.hwnd()) << "template " << IDD_ABOUT << " error " << d.error();
    expectControls(d, {{IDC_ABOUT_LINE1, Kind::Static}, {IDC_ABOUT_LINE2, Kind::Static},
                       {IDC_ABOUT_COPYRIGHT, Kind::Static}, {IDC_ABOUT_VERSION, Kind::Static},
                       {IDC_ABOUT_ICON, Kind::Icon}, {IDOK, Kind::PushButton}},
                   "about box");
    if (HasFatalFailure()) return;
    EXPECT_NE(std::string::npos, d.text(IDC_ABOUT_COPYRIGHT).find("Copyright"));
    EXPECT_NE(std::string::npos, d.text(IDC_ABOUT_VERSION).find("Version"));
    // The icon pane goes where the placeholder is, 60 x 60 pixels: the texts
    // must leave that room.
    RECT icon = d.rect(IDC_ABOUT_ICON);
    RECT pane = {icon.left, icon.top, icon.left + 60, icon.top + 60};
    for (int id : {IDC_ABOUT_LINE1, IDC_ABOUT_LINE2, IDC_ABOUT_COPYRIGHT, IDC_ABOUT_VERSION, IDOK})
        EXPECT_FALSE(overlaps(pane, d.rect(id))) << "control " << id << " under the icon pane";
}

TEST(MonitorResources, IconHasBothSizesWithTransparency) {
    for (int size : {32, 16}) {
        HICON icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_VIGILKIT),
                                                   IMAGE_ICON, size, size, 0));
        ASSERT_NE(nullptr, icon) << "icon " << IDI_VIGILKIT << " at " << size << " error " << GetLastError();
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP bm = {};
        GetObjectA(info.hbmColor, sizeof bm, &bm);
        EXPECT_EQ(size, bm.bmWidth);
        EXPECT_EQ(size, bm.bmHeight);

        // Read the colour image back as 32 bits: the picture has transparent
        // surroundings and an opaque body.
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = size;
        bi.bmiHeader.biHeight = -size;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        std::vector<unsigned char> px(size * size * 4);
        HDC dc = GetDC(nullptr);
        ASSERT_EQ(size, GetDIBits(dc, info.hbmColor, 0, size, px.data(), &bi, DIB_RGB_COLORS));
        ReleaseDC(nullptr, dc);
        int opaque = 0, clear = 0;
        for (int i = 0; i < size * size; ++i) {
            if (px[i * 4 + 3] == 255) ++opaque;
            if (px[i * 4 + 3] == 0) ++clear;
        }
        EXPECT_GT(opaque, size * size / 2) << size << "x" << size << ": too little picture";
        EXPECT_GT(clear, 0) << size << "x" << size << ": no transparent pixel";
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

}  // namespace
