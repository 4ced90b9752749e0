// GUI tests of the class layer: real windows, pumped in-process.
#include <gtest/gtest.h>

#include "testres.h"
#include "zapp/testing.h"
#include "zapp/zapp.h"

#include <string>
#include <vector>

namespace zt = zapp::testing;

namespace {

const char kResDll[] = "zapptestres.dll";

class ZappTest : public ::testing::Test {
protected:
  void SetUp() override {
    zt::app();
    ASSERT_TRUE(zApp::registerControlClasses());
  }
  void TearDown() override { zt::pumpPending(); }
};

// --- frame ------------------------------------------------------------------
class TestFrame : public zAppFrame {
public:
  TestFrame() : zAppFrame(nullptr, "Test frame") {}
  std::vector<int> commands;
  int helpKeys = 0;
  int closeRequests = 0;
  bool allowClose = false;

  bool command(int id) override {
    commands.push_back(id);
    return true;
  }
  void onHelpKey() override { ++helpKeys; }
  bool closeRequest() override {
    ++closeRequests;
    return allowClose;
  }
};

TEST_F(ZappTest, FrameMenuFromOtherModuleAndCommands) {
  TestFrame frame;
  ASSERT_TRUE(frame.created()) << "error " << frame.lastError();
  EXPECT_FALSE(frame.isVisible()) << "a frame is created hidden";
  EXPECT_TRUE(frame.setIcon(zResId(TR_ICON, kResDll)));
  ASSERT_TRUE(frame.setMenu(zResId(TR_MENU, kResDll)));
  EXPECT_FALSE(frame.setMenu(zResId(4711, kResDll))) << "a missing menu id";
  EXPECT_FALSE(frame.setMenu(zResId(TR_MENU, "nosuchmodule.dll"))) << "a missing module";
  EXPECT_EQ(zt::menuBarTexts(frame.menu()), (std::vector<std::string>{"&File", "&Help"}))
      << "the first menu survives failed replacements";
  frame.show();

  // Graying by id, inside popups.
  struct { int id; bool on; } cases[] = {{TR_CMD_OPEN, false}, {TR_CMD_ABOUT, false},
                                         {TR_CMD_OPEN, true}};
  for (auto& c : cases) {
    frame.enableCommand(c.id, c.on);
    zt::MenuItemState st = zt::menuItem(frame.menu(), c.id);
    EXPECT_TRUE(st.found) << c.id;
    EXPECT_EQ(st.enabled, c.on) << "menu state of " << c.id;
    EXPECT_EQ(frame.isCommandEnabled(c.id), c.on) << "isCommandEnabled of " << c.id;
  }
  EXPECT_FALSE(frame.isCommandEnabled(4711)) << "an id not in the menu";

  // Commands arrive through the loop; F1 reaches onHelpKey through the
  // frame's accelerators; WM_CLOSE asks closeRequest.
  frame.post(WM_COMMAND, MAKEWPARAM(TR_CMD_EXIT, 0), 0);
  EXPECT_TRUE(zt::pumpUntil([&] { return !frame.commands.empty(); }));
  EXPECT_EQ(frame.commands, std::vector<int>{TR_CMD_EXIT});
  zt::pressF1(frame.hwnd());
  EXPECT_EQ(frame.helpKeys, 1) << "F1 in the frame";
  EXPECT_EQ(frame.commands.size(), 1u) << "F1 is not an ordinary command";
  frame.post(WM_CLOSE);
  EXPECT_TRUE(zt::pumpUntil([&] { return frame.closeRequests == 1; }));
  EXPECT_TRUE(frame.exists()) << "closeRequest false keeps the frame";
  frame.allowClose = true;
  frame.post(WM_CLOSE);
  EXPECT_TRUE(zt::pumpUntil([&] { return !frame.exists(); })) << "closeRequest true destroys it";
}

TEST_F(ZappTest, StatusLinePanesAndMenuHelp) {
  TestFrame frame;
  ASSERT_TRUE(frame.setMenu(zResId(TR_MENU, kResDll)));
  zStatusLineEZ status(&frame);
  ASSERT_TRUE(status.hwnd());
  EXPECT_EQ(frame.statusLine(), &status);
  status.setMenuHelp(TR_CMD_OPEN, "Opens a file");
  status.setPaneText(2, "local");
  status.setPaneText(3, "ignored");
  status.show();
  frame.moveTo(RECT{10, 10, 610, 410});
  frame.show();
  zt::pumpPending();

  RECT fc = frame.clientRect();
  RECT sr = status.getRect();
  EXPECT_EQ(sr.right - sr.left, fc.right) << "status line spans the frame";
  EXPECT_EQ(sr.bottom, fc.bottom) << "status line sits at the bottom";
  RECT p2 = status.paneRect(2);
  EXPECT_EQ(p2.right - p2.left, 150) << "pane 2 width";
  EXPECT_EQ(status.paneRect(1).right, p2.left) << "pane 1 fills the rest";

  frame.moveTo(RECT{10, 10, 410, 310});
  zt::pumpPending();
  EXPECT_EQ(status.getRect().right - status.getRect().left, frame.clientRect().right)
      << "status line follows a resize";

  struct { UINT id; UINT flags; HMENU menu; const char* want; } sel[] = {
      {TR_CMD_OPEN, MF_HILITE, frame.menu(), "Opens a file"},
      {TR_CMD_EXIT, MF_HILITE, frame.menu(), ""},  // no help text
      {TR_CMD_OPEN, MF_HILITE, frame.menu(), "Opens a file"},
      {0, 0xFFFF, nullptr, ""},  // the menu closed
  };
  for (auto& s : sel) {
    frame.send(WM_MENUSELECT, MAKEWPARAM(s.id, s.flags), reinterpret_cast<LPARAM>(s.menu));
    EXPECT_EQ(status.paneText(1), s.want) << "after selecting " << s.id;
  }
  EXPECT_EQ(status.paneText(2), "local");
  EXPECT_EQ(status.paneText(3), "");
}

// --- dialogs ----------------------------------------------------------------
class TestDlg : public zDialogFrame {
public:
  explicit TestDlg(zWindow* parent, zResId tmpl = zResId(TR_DLG_MAIN, kResDll),
                   bool* destroyed = nullptr)
      : zDialogFrame(parent, tmpl), destroyed_(destroyed) {}
  ~TestDlg() override {
    if (destroyed_) *destroyed_ = true;
  }
  int inits = 0;
  int helps = 0;
  std::vector<std::pair<int, int>> commands;
  bool closeInRefresh = false;
  bool boxInRefresh = false;
  bool readAfterBox = false;

protected:
  bool OnInit() override {
    ++inits;
    return true;
  }
  bool OnCommand(int id, int code, HWND ctl) override {
    commands.emplace_back(id, code);
    if (id == TR_REFRESH && closeInRefresh) {
      closeLater();
      // A nested loop (a message box) must not delete the dialog under us.
      if (boxInRefresh) zMessage(this, "failed", "caption");
      readAfterBox = (inits == 1);
      return true;
    }
    return zDialogFrame::OnCommand(id, code, ctl);
  }
  bool OnHelp() override {
    ++helps;
    return true;
  }

private:
  bool* destroyed_;
};

TEST_F(ZappTest, DialogFromOtherModuleReadsBack) {
  TestDlg dlg(nullptr);
  ASSERT_TRUE(dlg.create()) << "error " << dlg.lastError();
  EXPECT_EQ(dlg.inits, 1);
  HWND h = dlg.hwnd();
  struct { int id; const char* text; } texts[] = {
      {TR_STATIC3D, "Alpha"}, {TR_STATIC, "Beta"}, {TR_CHECK, "Auto refresh"},
      {TR_GROUP3D, "Details"}, {IDCANCEL, "Close"}};
  for (auto& t : texts) EXPECT_EQ(zt::controlText(h, t.id), t.text) << "control " << t.id;
  char cls[64] = "";
  GetClassNameA(dlg.control(TR_STATIC3D), cls, sizeof cls);
  EXPECT_STREQ(cls, "zStatTxt3dClass") << "template class from another module";

  dlg.setCaption("Caption set");
  EXPECT_EQ(dlg.getText(), "Caption set");
  zStaticText3d st(&dlg, TR_STATIC3D);
  st.setText("Gamma");
  EXPECT_EQ(zt::controlText(h, TR_STATIC3D), "Gamma");
  zGroupBox3d grp(&dlg, TR_GROUP3D);
  grp.setText("Group 7");
  EXPECT_EQ(grp.getText(), "Group 7");
  zStaticText missing(&dlg, 4711);
  EXPECT_EQ(missing.hwnd(), nullptr);
  missing.setText("x");  // harmless

  zCheckBox chk(&dlg, TR_CHECK);
  chk.check(true);
  EXPECT_TRUE(chk.checked());
  EXPECT_TRUE(zt::clickButton(h, TR_CHECK));
  EXPECT_FALSE(chk.checked()) << "a click toggles the automatic check box";
  EXPECT_EQ(dlg.commands.back(), std::make_pair(int(TR_CHECK), int(BN_CLICKED)));
  zPushButton refresh(&dlg, TR_REFRESH);
  refresh.enable(false);
  EXPECT_FALSE(zt::clickButton(h, TR_REFRESH)) << "a disabled button cannot be clicked";

  // Backgrounds: the dialog and the registered controls.
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  dlg.setBackground(face);
  st.setBackground(RGB(1, 2, 3));
  HDC dc = GetDC(h);
  EXPECT_NE(SendMessageA(h, WM_CTLCOLORSTATIC, WPARAM(dc), LPARAM(st.hwnd())), 0);
  EXPECT_EQ(GetBkColor(dc), RGB(1, 2, 3)) << "static background";
  EXPECT_NE(SendMessageA(h, WM_CTLCOLORDLG, WPARAM(dc), LPARAM(h)), 0);
  ReleaseDC(h, dc);
}

TEST_F(ZappTest, ListBoxAndEditWrappers) {
  TestDlg dlg(nullptr);
  ASSERT_TRUE(dlg.create());
  HWND h = dlg.hwnd();
  zListBoxUnsorted list(&dlg, TR_LIST);
  EXPECT_EQ(list.selection(), -1);
  for (const char* s : {"zeta", "alpha", "Mu"}) list.add(s);
  EXPECT_EQ(zt::listItems(h, TR_LIST), (std::vector<std::string>{"zeta", "alpha", "Mu"}))
      << "the order of add()";
  EXPECT_EQ(list.count(), 3);
  list.setSelection(2);
  EXPECT_EQ(list.selection(), 2);
  EXPECT_EQ(list.text(2), "Mu");
  EXPECT_EQ(list.text(3), "") << "index past the end";
  EXPECT_EQ(list.text(-1), "");
  list.setSelection(7);
  EXPECT_EQ(list.selection(), -1) << "an index outside clears the selection";
  list.deleteItem(0);
  list.deleteItem(5);
  EXPECT_EQ(zt::listItems(h, TR_LIST), (std::vector<std::string>{"alpha", "Mu"}));
  list.setHorizontalExtent(500);
  EXPECT_EQ(zt::listHorizontalExtent(h, TR_LIST), 500);

  // A user's click or key on a row notifies the dialog exactly once, whether
  // the template's list has LBS_NOTIFY or not.
  dlg.show();
  zt::pumpPending();
  zListBoxUnsorted notifying(&dlg, TR_LIST_NOTIFY);
  for (const char* s : {"one", "two", "three"}) notifying.add(s);
  struct { zListBoxUnsorted* lb; const char* what; } lists[] = {
      {&list, "list without LBS_NOTIFY"}, {&notifying, "list with LBS_NOTIFY"}};
  for (auto& c : lists) {
    auto selChanges = [&] {
      int n = 0;
      for (auto& cmd : dlg.commands) n += (cmd.first == c.lb->id() && cmd.second == LBN_SELCHANGE);
      return n;
    };
    dlg.commands.clear();
    c.lb->setSelection(0);
    EXPECT_EQ(selChanges(), 0) << "programmatic selection: " << c.what;
    LRESULT itemH = c.lb->send(LB_GETITEMHEIGHT, 0);
    LPARAM at = MAKELPARAM(5, int(itemH) + 2);  // inside row 1
    c.lb->send(WM_LBUTTONDOWN, MK_LBUTTON, at);
    c.lb->send(WM_LBUTTONUP, 0, at);
    zt::pumpPending();
    EXPECT_EQ(c.lb->selection(), 1) << c.what;
    EXPECT_EQ(selChanges(), 1) << "click: " << c.what;
    c.lb->send(WM_KEYDOWN, VK_UP, 0);
    zt::pumpPending();
    EXPECT_EQ(c.lb->selection(), 0) << c.what;
    EXPECT_EQ(selChanges(), 2) << "arrow key: " << c.what;
  }
  list.clear();
  EXPECT_EQ(list.count(), 0);
  EXPECT_FALSE(zt::selectListItem(h, TR_LIST, 0)) << "no row to select";

  zEditLine edit(&dlg, TR_EDIT);
  edit.setNumber(4);
  EXPECT_EQ(edit.getText(), "4");
  struct { const char* text; bool ok; unsigned long value; } nums[] = {
      {"4", true, 4},        {" 30 ", true, 30},   {"0", true, 0},
      {"4294967295", true, 4294967295ul},          {"4294967296", false, 0},
      {"", false, 0},        {"12a", false, 0},    {"-1", false, 0}, {"+5", false, 0}};
  for (auto& n : nums) {
    edit.setText(n.text);
    unsigned long v = 99;
    EXPECT_EQ(edit.number(v), n.ok) << "'" << n.text << "'";
    EXPECT_EQ(v, n.ok ? n.value : 99ul) << "'" << n.text << "'";
  }
}

TEST_F(ZappTest, DialogBuildFailuresReported) {
  struct { zResId tmpl; const char* what; } cases[] = {
      {zResId(4711, kResDll), "missing template"},
      {zResId(TR_DLG_MAIN, "nosuchmodule.dll"), "missing module"},
      {zResId(TR_DLG_MAIN), "template not in the program's own module"}};
  for (auto& c : cases) {
    TestDlg dlg(nullptr, c.tmpl);
    EXPECT_FALSE(dlg.create()) << c.what;
    EXPECT_NE(dlg.lastError(), 0u) << c.what;
    EXPECT_EQ(dlg.hwnd(), nullptr) << c.what;
    EXPECT_EQ(dlg.runModal(), -1) << c.what;
  }
}

TEST_F(ZappTest, ModelessCloseLater) {
  // Closed by the dialog itself: hidden at once, alive until the loop runs.
  bool destroyed = false;
  auto* dlg = new TestDlg(nullptr, zResId(TR_DLG_MAIN, kResDll), &destroyed);
  ASSERT_TRUE(dlg->create());
  dlg->show();
  HWND h = dlg->hwnd();
  dlg->closeLater();
  EXPECT_FALSE(IsWindowVisible(h)) << "hidden at once";
  EXPECT_TRUE(IsWindow(h)) << "destroyed only by the loop";
  EXPECT_FALSE(destroyed);
  EXPECT_TRUE(dlg->closing()) << "state still readable after the close request";
  EXPECT_TRUE(zt::pumpUntil([&] { return destroyed; })) << "deleted by the loop";
  EXPECT_FALSE(IsWindow(h));

  // The Escape key (IsDialogMessage routing) closes it the same way.
  destroyed = false;
  dlg = new TestDlg(nullptr, zResId(TR_DLG_MAIN, kResDll), &destroyed);
  ASSERT_TRUE(dlg->create());
  dlg->show();
  PostMessageA(dlg->control(TR_EDIT), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  EXPECT_TRUE(zt::pumpUntil([&] { return destroyed; })) << "Escape closes a modeless dialog";

  // Closed inside its own handler that then runs a nested loop: the dialog
  // must survive until the handler has returned.
  destroyed = false;
  dlg = new TestDlg(nullptr, zResId(TR_DLG_MAIN, kResDll), &destroyed);
  ASSERT_TRUE(dlg->create());
  dlg->show();
  dlg->closeInRefresh = dlg->boxInRefresh = true;
  bool aliveDuringBox = false;
  zapp::SeamRecorder rec;
  rec.onBox = [&](const zapp::MessageBoxCall&) {
    zt::pumpPending();
    aliveDuringBox = !destroyed;
  };
  h = dlg->hwnd();
  PostMessageA(h, WM_COMMAND, MAKEWPARAM(TR_REFRESH, BN_CLICKED), LPARAM(dlg->control(TR_REFRESH)));
  EXPECT_TRUE(zt::pumpUntil([&] { return destroyed; }));
  EXPECT_TRUE(aliveDuringBox) << "not deleted while its handler runs";
  EXPECT_EQ(rec.boxes.size(), 1u);

  // F1 in a modeless dialog asks the dialog for help.
  TestDlg keep(nullptr);
  ASSERT_TRUE(keep.create());
  keep.show();
  zt::pressF1(keep.control(TR_EDIT));
  EXPECT_EQ(keep.helps, 1) << "F1 reaches OnHelp";
}

TEST_F(ZappTest, ModalDialogFromOwnResources) {
  TestFrame owner;
  owner.show();
  zapp::SeamRecorder rec;
  bool ownerDisabled = false;
  std::string ownText;
  rec.modalScripts.push_back([&](zDialogFrame& d) {
    ownerDisabled = !IsWindowEnabled(owner.hwnd());
    ownText = zt::controlText(d.hwnd(), TR_OWN_TEXT);
    zt::clickButton(d.hwnd(), IDOK);
  });
  // A script that leaves the dialog running and ends it from the loop.
  rec.modalScripts.push_back([&](zDialogFrame& d) {
    d.post(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), LPARAM(d.control(IDCANCEL)));
  });
  // Built first, configured, then run modally.
  {
    TestDlg built(&owner, zResId(TR_DLG_OWN));
    ASSERT_TRUE(built.create());
    built.setCaption("Configured");
    rec.modalScripts.push_front([&](zDialogFrame& d) {
      ownText = d.getText();
      d.endModal(IDOK);
    });
    EXPECT_EQ(built.runModal(), IDOK) << "runModal of a created dialog";
    EXPECT_EQ(ownText, "Configured");
    EXPECT_EQ(built.inits, 1) << "not built twice";
    EXPECT_EQ(built.hwnd(), nullptr);
    rec.modalTemplates.clear();
  }
  struct { int want; const char* what; } runs[] = {
      {IDOK, "OK clicked by the script"},
      {IDCANCEL, "Cancel posted and handled by the modal loop"},
      {IDCANCEL, "no script left: the recorder cancels"}};
  for (auto& r : runs) {
    TestDlg dlg(&owner, zResId(TR_DLG_OWN));
    EXPECT_EQ(dlg.runModal(), r.want) << r.what;
    EXPECT_EQ(dlg.hwnd(), nullptr) << "window gone after the modal run: " << r.what;
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd())) << "owner enabled again: " << r.what;
  }
  EXPECT_TRUE(ownerDisabled) << "owner disabled while modal";
  EXPECT_EQ(ownText, "Own text");
  EXPECT_EQ(rec.modalTemplates, (std::vector<int>{TR_DLG_OWN, TR_DLG_OWN, TR_DLG_OWN}));
}

// --- panes ------------------------------------------------------------------
class CountingPane : public zPane {
public:
  CountingPane(zWindow* parent, int* draws, bool* deleted)
      : zPane(parent, zSizeWithParent()), draws_(draws), deleted_(deleted) {}
  CountingPane(zWindow* parent, const RECT& r, int* draws, bool* deleted)
      : zPane(parent, r), draws_(draws), deleted_(deleted) {}
  ~CountingPane() override { *deleted_ = true; }
  void draw(HDC dc, const RECT& client) override {
    ++*draws_;
    lastClient = client;
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  void onSize() override { ++sizes; }
  RECT lastClient{};
  int sizes = 0;

private:
  int* draws_;
  bool* deleted_;
};

static bool sameSize(const RECT& a, const RECT& b) {
  return a.right - a.left == b.right - b.left && a.bottom - a.top == b.bottom - b.top;
}

TEST_F(ZappTest, PaneFollowsParentAndDiesWithTree) {
  bool dlgGone = false;
  auto* dlg = new TestDlg(nullptr, zResId(TR_DLG_MAIN, kResDll), &dlgGone);
  ASSERT_TRUE(dlg->create());
  zStaticText panel(dlg, TR_PANEL);
  int draws = 0, fixedDraws = 0;
  bool deleted = false, fixedDeleted = false;
  auto* pane = new CountingPane(&panel, &draws, &deleted);
  ASSERT_TRUE(pane->created());
  EXPECT_EQ(GetParent(pane->hwnd()), panel.hwnd());
  EXPECT_TRUE(sameSize(pane->clientRect(), panel.clientRect())) << "fills the parent";
  RECT spot = zStaticText(dlg, TR_ICONSPOT).getRect();
  auto* fixed = new CountingPane(dlg, RECT{spot.left, spot.top, spot.left + 60, spot.top + 60},
                                 &fixedDraws, &fixedDeleted);
  EXPECT_TRUE(sameSize(fixed->getRect(), RECT{0, 0, 60, 60})) << "fixed 60 x 60 pane";
  EXPECT_EQ(fixed->getRect().left, spot.left);

  pane->show();
  fixed->show();
  dlg->show();
  UpdateWindow(dlg->hwnd());
  EXPECT_TRUE(zt::pumpUntil([&] { return draws > 0 && fixedDraws > 0; })) << "painted";

  struct { int w, h; } sizes[] = {{200, 40}, {50, 10}, {1, 1}, {300, 120}};
  for (auto& s : sizes) {
    RECT r = panel.getRect();
    panel.moveTo(RECT{r.left, r.top, r.left + s.w, r.top + s.h});
    zt::pumpPending();
    RECT pc = pane->clientRect();
    EXPECT_EQ(pc.right, s.w) << "pane width follows the parent";
    EXPECT_EQ(pc.bottom, s.h) << "pane height follows the parent";
  }
  EXPECT_GE(pane->sizes, 4) << "onSize on every change";
  int before = draws;
  panel.setText("changed");
  zt::pumpPending();
  EXPECT_GT(draws, before) << "a new text of the parent static repaints the pane";
  before = draws;
  pane->redrawNow();
  EXPECT_EQ(draws, before + 1) << "redrawNow draws at once";
  EXPECT_EQ(pane->lastClient.right, 300);

  dlg->closeLater();
  EXPECT_TRUE(zt::pumpUntil([&] { return dlgGone; }));
  EXPECT_TRUE(deleted) << "the pane is deleted with its window tree";
  EXPECT_TRUE(fixedDeleted);
}

// --- seams, cursor, launcher --------------------------------------------------
TEST_F(ZappTest, SeamsRecordAndAnswer) {
  zapp::SeamRecorder rec;
  rec.boxAnswers = {IDYES};
  HWND owner = reinterpret_cast<HWND>(0x1234);
  EXPECT_EQ(zMessage::show(owner, "Really?", "Monitor", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2),
            IDYES) << "answer from the queue";
  struct { UINT flags; int want; } defaults[] = {
      {MB_OK | MB_ICONINFORMATION, IDOK}, {MB_OKCANCEL, IDCANCEL}, {MB_YESNO, IDNO},
      {MB_YESNOCANCEL, IDCANCEL},         {MB_RETRYCANCEL, IDCANCEL},
      {MB_ABORTRETRYIGNORE, IDABORT}};
  for (auto& d : defaults)
    EXPECT_EQ(zMessage(nullptr, "t", "c", d.flags).result(), d.want) << "flags " << d.flags;
  ASSERT_EQ(rec.boxes.size(), 1u + sizeof defaults / sizeof defaults[0]);
  EXPECT_EQ(rec.boxes[0].owner, owner);
  EXPECT_EQ(rec.boxes[0].text, "Really?");
  EXPECT_EQ(rec.boxes[0].caption, "Monitor");
  EXPECT_EQ(rec.boxes[0].flags, UINT(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2));

  zCursor::hourglass();
  zCursor::arrow();
  EXPECT_EQ(rec.cursors, (std::vector<int>{32514, 32512}));

  rec.launchAnswers = {zapp::LaunchResult{false, 2}};
  auto r1 = zapp::launchProcess("keyhh -kiln -#mapid 181021", "C:\\x\\bin");
  auto r2 = zapp::launchProcess("keyhh", "");
  EXPECT_FALSE(r1.ok);
  EXPECT_EQ(r1.error, 2u);
  EXPECT_TRUE(r2.ok) << "default answer: started";
  ASSERT_EQ(rec.launches.size(), 2u);
  EXPECT_EQ(rec.launches[0].commandLine, "keyhh -kiln -#mapid 181021");
  EXPECT_EQ(rec.launches[0].workingDir, "C:\\x\\bin");

  // A nested recorder takes over and gives the hooks back.
  {
    zapp::SeamRecorder inner;
    zCursor::hourglass();
    EXPECT_EQ(inner.cursors.size(), 1u);
  }
  zCursor::arrow();
  EXPECT_EQ(rec.cursors.size(), 3u) << "outer recorder active again";
  EXPECT_EQ(rec.lastCursor(), 32512);
}

TEST_F(ZappTest, DefaultLauncherReportsFailure) {
  auto r = zapp::launchProcess("zapp-no-such-program-xyz.exe", "");
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error, 0u) << "system error code of the failed start";
}

// --- timer and loop ---------------------------------------------------------
TEST_F(ZappTest, TimerTicksAndStops) {
  TestFrame frame;
  int ticks = 0;
  {
    zTimer t(&frame, 20, [&] { ++ticks; });
    EXPECT_TRUE(t.running());
    EXPECT_TRUE(zt::pumpUntil([&] { return ticks >= 3; }, 3000)) << "ticks: " << ticks;
    t.setInterval(10);
    int at = ticks;
    EXPECT_TRUE(zt::pumpUntil([&] { return ticks >= at + 2; }, 3000)) << "after setInterval";
  }
  int stoppedAt = ticks;
  zt::pumpUntil([] { return false; }, 100);
  EXPECT_EQ(ticks, stoppedAt) << "no tick after the timer was deleted";

  // A tick may delete its own timer (the owner recreates its timer).
  zTimer* self = nullptr;
  int selfTicks = 0;
  self = new zTimer(nullptr, 10, [&] {
    ++selfTicks;
    delete self;
    self = nullptr;
  });
  EXPECT_TRUE(zt::pumpUntil([&] { return self == nullptr; }, 3000));
  EXPECT_EQ(selfTicks, 1);
}

TEST_F(ZappTest, GoRunsUntilQuitAndFlushesClosedDialogs) {
  zApp& app = zt::app();
  bool destroyed = false;
  auto* dlg = new TestDlg(nullptr, zResId(TR_DLG_MAIN, kResDll), &destroyed);
  ASSERT_TRUE(dlg->create());
  dlg->closeLater();
  int ticks = 0;
  zTimer t(nullptr, 10, [&] {
    if (++ticks == 2) app.quit(7);
  });
  EXPECT_EQ(app.go(), 7) << "the quit code";
  EXPECT_TRUE(destroyed) << "a closed dialog is destroyed by the loop";
  EXPECT_EQ(ticks, 2);

  // The invisible frame that owns a start-up message box.
  zapp::SeamRecorder rec;
  zFrameWin owner(nullptr, "", WS_POPUP);
  ASSERT_TRUE(owner.created());
  EXPECT_FALSE(owner.isVisible());
  zMessage box(&owner, "Incorrect version", "Monitor", MB_OK | MB_ICONINFORMATION);
  ASSERT_EQ(rec.boxes.size(), 1u);
  EXPECT_EQ(rec.boxes[0].owner, owner.hwnd());
}

}  // namespace
