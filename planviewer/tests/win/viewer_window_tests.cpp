// The viewer window in-process: start-up, navigation by menu command, keys
// and the Goto dialog, the statement dialog, the open dialog, the settings
// read at start-up, and the plan tree in the display window.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "loader.h"
#include "resource.h"
#include "viewer_harness.h"
#include "viewer_state.h"

using qpfw::ByteOrder;
using qpfw::Bytes;

namespace {

const std::string kTitle = "Orvanel Query Plan Viewer";

std::string planTitle(int k, int n)
{
    return kTitle + " (" + std::to_string(k) + " of " + std::to_string(n) + ")";
}

// Plan k (1-based) of a file made by plans() has this statement.
std::string statementOf(int k) { return qpfw::sampleStatement(static_cast<uint32_t>(k)); }

Bytes plans(uint32_t n, ByteOrder order = ByteOrder::Little)
{
    qpfw::FileOptions s;
    s.plans = n;
    s.order = order;
    return qpfw::buildFile(s);
}

std::string dialogItemText(HWND dlg, int id)
{
    char buf[4096] = {};
    GetDlgItemTextA(dlg, id, buf, sizeof buf);
    return buf;
}

std::string windowText(HWND h)
{
    char buf[512] = {};
    GetWindowTextA(h, buf, sizeof buf);
    return buf;
}

struct ViewerWindow : ::testing::Test {
    void SetUp() override { clearViewerSettings(); }
    void TearDown() override
    {
        viewer.stop();
        clearViewerSettings();
    }
    // Starts on a five-plan file and waits for its last plan.
    void startOnFivePlans()
    {
        path = files.write("five.qpf", plans(5));
        ASSERT_TRUE(viewer.start("\"" + path + "\""));
        ASSERT_TRUE(viewer.pumpUntil([this] { return viewer.title() == planTitle(5, 5); }))
            << "title: " << viewer.title();
    }
    ViewerSession viewer;
    TempFiles files;
    std::string path;
};

} // namespace

TEST_F(ViewerWindow, StartWithQuotedPathShowsTheLastPlan)
{
    startOnFivePlans();
    EXPECT_EQ(statementOf(5), viewer.text());
    EXPECT_STREQ(path.c_str(), g_viewer.currentPath);

    const std::vector<TreeLine> tree = viewer.displayTree();
    ASSERT_FALSE(tree.empty()) << "the display shows the plan";
    const Bytes plan = qpfw::samplePlan(5).bytes(ByteOrder::Little);
    EXPECT_EQ("Plan of " + std::to_string(plan.size()) + " bytes, 2 roots", tree[0].text);
    EXPECT_EQ("Root 1 at @244", tree[1].text);
    EXPECT_EQ(1, tree[2].depth) << "a root's chain sits under it";

    RECT r = {}, desktop = {}, client = {}, edit = {};
    GetWindowRect(g_viewer.mainWindow, &r);
    GetWindowRect(GetDesktopWindow(), &desktop);
    EXPECT_EQ(5, r.left);
    EXPECT_EQ(0, r.top);
    EXPECT_EQ((desktop.right - desktop.left) / 3, r.right - r.left);
    EXPECT_EQ(300, r.bottom - r.top);
    GetClientRect(g_viewer.mainWindow, &client);
    GetWindowRect(g_viewer.textArea, &edit);
    EXPECT_EQ(client.right, edit.right - edit.left) << "the text area fills the client area";
    EXPECT_EQ(client.bottom, edit.bottom - edit.top);
}

TEST_F(ViewerWindow, StartWithNothingShowsThePlainWindow)
{
    ASSERT_TRUE(viewer.start());
    viewer.pumpIdle();
    for (WORD id : {IDM_FIRST, IDM_LAST, IDM_NEXT, IDM_PREV}) {
        viewer.command(id);
        EXPECT_EQ(kTitle, viewer.title()) << "command " << id;
        EXPECT_EQ("", viewer.text()) << "command " << id;
    }
    EXPECT_TRUE(viewer.boxes.empty());
    EXPECT_TRUE(viewer.displayTree().empty());
    EXPECT_EQ(0, g_viewer.currentIndex);
}

TEST_F(ViewerWindow, DefaultFileLoadsWhenTheCommandLineNamesNone)
{
    const std::string p = files.write("default.qpf", plans(3));
    setViewerSetting("DODOvez Options", "DefaultFile", p.c_str());
    ASSERT_TRUE(viewer.start());
    EXPECT_TRUE(viewer.pumpUntil([this] { return viewer.title() == planTitle(3, 3); })) << viewer.title();
}

TEST_F(ViewerWindow, NavigationAndGoto)
{
    startOnFivePlans();
    const struct Step {
        WORD command;
        const char* gotoText; // for Goto: the text typed; "!" prefix: Cancel
        int expected;
    } steps[] = {
        {IDM_NEXT, nullptr, 5}, // Next on the last plan shows it again
        {IDM_FIRST, nullptr, 1},
        {IDM_PREV, nullptr, 1}, // Prev on the first plan shows it again
        {IDM_NEXT, nullptr, 2},
        {IDM_LAST, nullptr, 5},
        {IDM_GOTO, "3", 3},
        {IDM_GOTO, "0", 3},
        {IDM_GOTO, "6", 3},
        {IDM_GOTO, "abc", 3},
        {IDM_GOTO, "-1", 3},
        {IDM_GOTO, "5", 5},
        {IDM_GOTO, "!2", 5},
        {IDM_PREV, nullptr, 4},
    };
    for (const Step& s : steps) {
        const std::string what =
            "command " + std::to_string(s.command) + (s.gotoText ? std::string(" \"") + s.gotoText + "\"" : "");
        // Spoil the text area: every one of these commands shows the plan again.
        SetWindowTextA(g_viewer.textArea, "spoilt");
        bool focusOnNumber = false;
        if (s.gotoText) {
            const std::string typed = s.gotoText;
            viewer.onNextDialog([&focusOnNumber, typed](HWND dlg) {
                focusOnNumber = GetFocus() == GetDlgItem(dlg, IDC_GOTO_NUMBER);
                const bool cancel = typed[0] == '!';
                SetDlgItemTextA(dlg, IDC_GOTO_NUMBER, typed.c_str() + (cancel ? 1 : 0));
                PostMessageA(dlg, WM_COMMAND, cancel ? IDCANCEL : IDOK, 0);
            });
        }
        viewer.command(s.command);
        EXPECT_EQ(planTitle(s.expected, 5), viewer.title()) << what;
        EXPECT_EQ(statementOf(s.expected), viewer.text()) << what;
        if (s.gotoText) {
            EXPECT_TRUE(focusOnNumber) << what << ": the focus starts in the number field";
        }
    }
}

TEST_F(ViewerWindow, KeysOfTheAcceleratorTable)
{
    startOnFivePlans();
    ACCEL table[32] = {};
    const int n = CopyAcceleratorTableA(g_viewer.accelerators, table, 32);
    std::set<std::tuple<int, int, int>> got;
    for (int i = 0; i < n; ++i)
        got.insert({table[i].key, table[i].fVirt & (FCONTROL | FALT | FSHIFT), table[i].cmd});
    const std::set<std::tuple<int, int, int>> expected = {
        {'F', FCONTROL, IDM_FIRST}, {'L', FCONTROL, IDM_LAST},      {'L', FALT, IDM_LAST},
        {'N', FCONTROL, IDM_NEXT},  {'N', FALT, IDM_NEXT},          {'P', FCONTROL, IDM_PREV},
        {'P', FALT, IDM_PREV},      {'G', FCONTROL, IDM_GOTO},      {'G', FALT, IDM_GOTO},
        {'S', FCONTROL, IDM_STATEMENT}, {VK_F5, 0, IDM_REFRESH},
    };
    EXPECT_EQ(expected, got);

    const struct {
        UINT vk;
        bool ctrl, alt;
        int expected;
    } keys[] = {
        {'F', true, false, 1}, {'N', true, false, 2}, {'N', false, true, 3},
        {'P', true, false, 2}, {'L', false, true, 5}, {'P', false, true, 4}, {'L', true, false, 5},
    };
    for (const auto& k : keys) {
        viewer.key(k.vk, k.ctrl, k.alt);
        EXPECT_EQ(planTitle(k.expected, 5), viewer.title())
            << (k.ctrl ? "Ctrl+" : "Alt+") << static_cast<char>(k.vk);
    }
    // F5 loads the file again, which ends on its last plan.
    files.append(path, extraRecord(70));
    viewer.key(VK_F5, false, false);
    EXPECT_TRUE(viewer.pumpUntil([this] { return viewer.title() == planTitle(6, 6); })) << viewer.title();
}

TEST_F(ViewerWindow, StatementDialogOrBeep)
{
    ASSERT_TRUE(viewer.start());
    viewer.pumpIdle();
    viewer.key('S', true, false);
    EXPECT_EQ(1, viewer.beeps) << "Ctrl+S with an empty statement beeps";
    viewer.stop();

    startOnFivePlans();
    std::string caption, text;
    viewer.onNextDialog([&](HWND dlg) {
        caption = windowText(dlg);
        text = dialogItemText(dlg, IDC_STATEMENT_TEXT);
        PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0);
    });
    viewer.key('S', true, false);
    EXPECT_EQ("SQL Statement", caption);
    EXPECT_EQ(statementOf(5), text);
    EXPECT_EQ(1, viewer.beeps) << "no beep when the statement shows";
}

TEST_F(ViewerWindow, AboutDialog)
{
    ASSERT_TRUE(viewer.start());
    std::string caption, name, version;
    viewer.onNextDialog([&](HWND dlg) {
        caption = windowText(dlg);
        name = dialogItemText(dlg, IDC_ABOUT_NAME);
        version = dialogItemText(dlg, IDC_ABOUT_VERSION);
        PostMessageA(dlg, WM_COMMAND, IDOK, 0);
    });
    viewer.command(IDM_ABOUT);
    EXPECT_EQ("About Orvanel Query Plan Viewer", caption);
    EXPECT_EQ(kTitle, name);
    EXPECT_EQ("10.30.011.000", version);
}

TEST_F(ViewerWindow, RefreshTimeSetsTheWatchPeriod)
{
    const struct {
        const char* value;
        UINT expected;
    } cases[] = {{nullptr, 60000}, {"5", 5000}, {"120", 120000}, {"0", USER_TIMER_MINIMUM},
                 {"abc", USER_TIMER_MINIMUM}};
    for (const auto& c : cases) {
        clearViewerSettings();
        if (c.value) setViewerSetting("DODOvez Options", "RefreshTime", c.value);
        ASSERT_TRUE(viewer.start());
        EXPECT_EQ(c.expected, g_viewer.timerPeriod) << "RefreshTime " << (c.value ? c.value : "(absent)");
        viewer.stop();
    }
}

TEST_F(ViewerWindow, OpenDialogLoadsTheChosenFile)
{
    ASSERT_TRUE(viewer.start());
    const std::string four = files.write("four.qpf", plans(4));
    viewer.openAnswer = four;
    viewer.command(IDM_OPEN);
    EXPECT_TRUE(viewer.pumpUntil([this] { return viewer.title() == planTitle(4, 4); })) << viewer.title();
    EXPECT_EQ("Query Plan Files (*.QPF)|*.QPF|All Files (*.*)|*.*|", viewer.lastOpenFilter);
    EXPECT_EQ("Open Query Plan File", viewer.lastOpenTitle);
    EXPECT_EQ("QPF", viewer.lastOpenDefExt);
    EXPECT_EQ(260u, viewer.lastOpen.nMaxFile);
    EXPECT_EQ(1u, viewer.lastOpen.nFilterIndex);
    EXPECT_EQ(static_cast<DWORD>(OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY), viewer.lastOpen.Flags);
    EXPECT_EQ(g_viewer.currentPath, viewer.lastOpen.lpstrFile) << "the dialog writes into the current path";

    viewer.openAnswer.clear(); // Cancel
    viewer.command(IDM_OPEN);
    EXPECT_EQ(planTitle(4, 4), viewer.title());
    EXPECT_STREQ(four.c_str(), g_viewer.currentPath);

    viewer.openTooLong = true; // the dialog fails and scribbles on the path
    viewer.command(IDM_OPEN);
    viewer.openTooLong = false;
    EXPECT_STREQ(four.c_str(), g_viewer.currentPath) << "a failed dialog keeps the current path";
    EXPECT_TRUE(viewer.boxes.empty());

    // A chosen file that the load refuses still becomes the current path.
    const std::string junk = files.write("junk.qpf", Bytes{'J', 'U', 'N', 'K'});
    viewer.openAnswer = junk;
    viewer.command(IDM_OPEN);
    ASSERT_EQ(1u, viewer.boxes.size());
    EXPECT_EQ("Not a Query Plan file.", viewer.boxes[0].text);
    EXPECT_STREQ(junk.c_str(), g_viewer.currentPath);
    EXPECT_EQ(nullptr, g_viewer.heldFile);
}

TEST_F(ViewerWindow, DisplayTreeIsTheSameForBothByteOrdersAndTellsWhereItStopped)
{
    ASSERT_TRUE(viewer.start());
    LoadPlanFile(files.write("le.qpf", plans(3)).c_str());
    ASSERT_TRUE(viewer.pumpUntil([this] { return viewer.title() == planTitle(3, 3); }));
    const std::vector<TreeLine> little = viewer.displayTree();
    LoadPlanFile(files.write("be.qpf", plans(3, ByteOrder::Big)).c_str());
    SetWindowTextA(g_viewer.mainWindow, "");
    ASSERT_TRUE(viewer.pumpUntil([this] { return viewer.title() == planTitle(3, 3); }));
    const std::vector<TreeLine> big = viewer.displayTree();
    ASSERT_EQ(little.size(), big.size());
    for (size_t i = 0; i < little.size(); ++i) {
        EXPECT_EQ(little[i].depth, big[i].depth) << i;
        EXPECT_EQ(little[i].text, big[i].text) << i;
    }

    for (ByteOrder order : {ByteOrder::Little, ByteOrder::Big}) {
        Bytes file = qpfw::fileHeader(order);
        const Bytes rec = qpfw::record(order, std::string("SELECT 1", 9), qpfw::loopingPlan().bytes(order));
        file.insert(file.end(), rec.begin(), rec.end());
        LoadPlanFile(files.write(order == ByteOrder::Big ? "loop-be.qpf" : "loop-le.qpf", file).c_str());
        SetWindowTextA(g_viewer.mainWindow, "");
        ASSERT_TRUE(viewer.pumpUntil([this] { return viewer.title() == planTitle(1, 1); }));
        const std::vector<TreeLine> tree = viewer.displayTree();
        int stops = 0;
        for (const TreeLine& l : tree)
            if (l.text.rfind("Stopped at @", 0) == 0) ++stops;
        EXPECT_EQ(4, stops) << "every looping link ends with a line saying so";
        EXPECT_EQ("SELECT 1", viewer.text());
    }
}

TEST_F(ViewerWindow, ExitEndsTheLoopWithCodeZero)
{
    ASSERT_TRUE(viewer.start());
    HWND main = g_viewer.mainWindow;
    viewer.command(IDM_EXIT);
    EXPECT_TRUE(viewer.pumpUntil([this] { return viewer.quitSeen; }));
    EXPECT_EQ(0, viewer.quitCode);
    EXPECT_FALSE(IsWindow(main));
}
