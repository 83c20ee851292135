// The double must behave like the Win32 dialog where the screens depend on
// it; these cases pin each of those behaviours.
#include "tests/ui/fake_surface.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/ui/fake_platform.h"

namespace {

constexpr int kEdit = 10;
constexpr int kList = 20;
constexpr int kButton = 30;
constexpr int kCheck = 40;
constexpr int kLabel = 50;

// Records what reaches the dialog procedure; a hook can act inside it.
class ProbeScreen : public Screen {
 public:
  using Screen::Screen;
  int TemplateId() const override { return 999; }
  void OnOpen() override { ++opens; }
  void OnCommand(int id, int code) override {
    if (onCommand) onCommand(id, code);
  }
  void OnTimer(int timerId) override { ticks.push_back(timerId); }
  void OnClose() override {
    ++closes;
    if (leaveOnClose) Leave(ScreenId::None);
  }

  ControlSurface& surface() { return ui_; }

  std::function<void(int, int)> onCommand;
  bool leaveOnClose = true;
  int opens = 0;
  int closes = 0;
  std::vector<int> ticks;
};

class FakeSurfaceTest : public ::testing::Test {
 protected:
  FakeSurfaceTest() {
    ui.Attach(screen);
    ui.Declare(kEdit, ControlKind::Edit);
    ui.Declare(kList, ControlKind::List);
    ui.Declare(kButton, ControlKind::Button);
    ui.Declare(kCheck, ControlKind::CheckBox);
    ui.Declare(kLabel, ControlKind::Label);
    for (const char* row : {"zero", "one", "two"}) ui.AddRow(kList, row);
  }

  std::vector<FakeNotification> Sent() const { return ui.notifications(); }

  FakePlatform platform;
  FakeSurface ui;
  ProbeScreen screen{ui, platform};
};

TEST_F(FakeSurfaceTest, SetTextOnAnEditNotifiesAtOnceWithTheNewText) {
  std::string seen;
  screen.onCommand = [&](int id, int code) {
    if (id == kEdit && code == kEnChange) seen = ui.GetText(kEdit);
  };
  ui.SetText(kEdit, "abc");
  // Already delivered when SetText returns, and the handler saw the new text.
  EXPECT_EQ(seen, "abc");
  EXPECT_EQ(Sent(), (std::vector<FakeNotification>{{kEdit, kEnChange}}));
}

TEST_F(FakeSurfaceTest, ChangeHandlerSettingItsOwnTextIsReentered) {
  // The digit filter pattern: the handler rewrites the field, which notifies
  // again from inside the first notification.
  std::vector<std::string> texts;
  screen.onCommand = [&](int id, int code) {
    if (id != kEdit || code != kEnChange) return;
    std::string text = ui.GetText(kEdit);
    texts.push_back(text);
    std::erase_if(text, [](char c) { return c < '0' || c > '9'; });
    if (text != ui.GetText(kEdit)) ui.SetText(kEdit, text);
  };
  ASSERT_TRUE(ui.Type(kEdit, "1a2b"));
  EXPECT_EQ(ui.GetText(kEdit), "12");
  EXPECT_EQ(texts, (std::vector<std::string>{"1a2b", "12"}));
  EXPECT_EQ(ui.Caret(kEdit), 0) << "text set by code puts the caret at the start";
}

TEST_F(FakeSurfaceTest, SetTextOnOtherControlsSendsNothing) {
  for (int id : {kList, kButton, kCheck, kLabel, 77 /* never declared */}) {
    ui.SetText(id, "text");
    EXPECT_EQ(ui.GetText(id), "text") << id;
  }
  EXPECT_TRUE(Sent().empty());
}

TEST_F(FakeSurfaceTest, EditRevealedByItsFirstEditOperationNotifies) {
  ui.SetTextLimit(60, 5);
  ui.SetText(60, "x");
  EXPECT_EQ(ui.KindOf(60), ControlKind::Edit);
  EXPECT_EQ(Sent(), (std::vector<FakeNotification>{{60, kEnChange}}));
}

TEST_F(FakeSurfaceTest, SelectRowFromCodeSendsNothing) {
  ui.SelectRow(kList, 2);
  EXPECT_EQ(ui.SelectedRow(kList), 2);
  EXPECT_EQ(ui.GetText(kList), "two");
  EXPECT_TRUE(Sent().empty());
}

TEST_F(FakeSurfaceTest, ListWithoutSelectionReadsMinusOne) {
  EXPECT_EQ(ui.SelectedRow(kList), -1) << "filled, never selected";
  EXPECT_EQ(ui.SelectedRow(21), -1) << "never touched";

  struct Case {
    const char* name;
    std::function<void()> act;
  };
  const Case cases[] = {
      {"row past the end", [&] { ui.SelectRow(kList, 3); }},
      {"row -1", [&] { ui.SelectRow(kList, -1); }},
      {"emptied", [&] { ui.ClearRows(kList); }},
  };
  for (const Case& c : cases) {
    ui.ClearRows(kList);
    for (const char* row : {"zero", "one", "two"}) ui.AddRow(kList, row);
    ui.SelectRow(kList, 1);
    c.act();
    EXPECT_EQ(ui.SelectedRow(kList), -1) << c.name;
    EXPECT_EQ(ui.GetText(kList), "") << c.name;
  }
  EXPECT_EQ(ui.RowText(kList, 3), "");
  EXPECT_TRUE(Sent().empty());
}

TEST_F(FakeSurfaceTest, PickSelectsThenSendsSelEndOkThenSelChange) {
  std::vector<int> rowsSeen;
  screen.onCommand = [&](int, int) { rowsSeen.push_back(ui.SelectedRow(kList)); };
  ui.SelectRow(kList, 1);
  ASSERT_TRUE(ui.Pick(kList, 1)) << "the same row again still notifies";
  ASSERT_TRUE(ui.Pick(kList, 2));
  EXPECT_EQ(Sent(), (std::vector<FakeNotification>{{kList, kCbnSelEndOk},
                                                   {kList, kCbnSelChange},
                                                   {kList, kCbnSelEndOk},
                                                   {kList, kCbnSelChange}}));
  EXPECT_EQ(rowsSeen, (std::vector<int>{1, 1, 2, 2}));
  EXPECT_EQ(ui.GetText(kList), "two");

  EXPECT_FALSE(ui.Pick(kList, 3));
  EXPECT_FALSE(ui.Pick(kList, -1));
  EXPECT_EQ(ui.SelectedRow(kList), 2);
  EXPECT_EQ(Sent().size(), 4u);
}

TEST_F(FakeSurfaceTest, TextLimitLimitsTypingNotCode) {
  ui.SetTextLimit(kEdit, 4);
  ui.SetText(kEdit, "123456");
  EXPECT_EQ(ui.GetText(kEdit), "123456");

  ASSERT_TRUE(ui.Type(kEdit, "abcdef"));
  EXPECT_EQ(ui.GetText(kEdit), "abcd");
  EXPECT_EQ(ui.Caret(kEdit), 4);

  // "中" is three bytes: a cut never leaves half of it.
  ASSERT_TRUE(ui.Type(kEdit, "ab中"));
  EXPECT_EQ(ui.GetText(kEdit), "ab");

  ui.SetTextLimit(kEdit, 0);  // lifted
  const std::string lengthy(40000, 'x');
  ASSERT_TRUE(ui.Type(kEdit, lengthy));
  EXPECT_EQ(ui.GetText(kEdit), lengthy);
}

TEST_F(FakeSurfaceTest, DefaultLimitIsWin32s) {
  ASSERT_TRUE(ui.Type(kEdit, std::string(30001, '7')));
  EXPECT_EQ(ui.GetText(kEdit).size(), 30000u);
}

TEST_F(FakeSurfaceTest, CaretStaysInsideTheText) {
  ui.SetText(kEdit, "abc");
  ui.SetCaret(kEdit, 2);
  EXPECT_EQ(ui.Caret(kEdit), 2);
  ui.SetCaret(kEdit, 9);
  EXPECT_EQ(ui.Caret(kEdit), 3);
  ui.SetCaret(kEdit, -1);
  EXPECT_EQ(ui.Caret(kEdit), 0);
}

TEST_F(FakeSurfaceTest, DisabledAndHiddenControlsKeepContentsAndRefuseTheUser) {
  ui.SetText(kEdit, "kept");
  ui.SelectRow(kList, 1);
  ui.SetChecked(kCheck, true);
  ui.SetPasswordMask(kEdit, true);
  const std::size_t sentBefore = Sent().size();

  for (int id : {kEdit, kList, kCheck, kButton}) ui.Enable(id, false);
  EXPECT_FALSE(ui.Type(kEdit, "new"));
  EXPECT_FALSE(ui.Pick(kList, 2));
  EXPECT_FALSE(ui.Toggle(kCheck));
  EXPECT_FALSE(ui.Click(kButton));
  EXPECT_FALSE(ui.FocusGained(kEdit));

  for (int id : {kEdit, kList, kCheck, kButton}) {
    ui.Enable(id, true);
    ui.Show(id, false);
  }
  EXPECT_FALSE(ui.Type(kEdit, "new"));
  EXPECT_FALSE(ui.Pick(kList, 2));
  EXPECT_FALSE(ui.Click(kButton));

  EXPECT_EQ(Sent().size(), sentBefore);
  EXPECT_EQ(ui.GetText(kEdit), "kept");
  EXPECT_TRUE(ui.IsMasked(kEdit));
  EXPECT_EQ(ui.SelectedRow(kList), 1);
  EXPECT_TRUE(ui.IsChecked(kCheck));
  EXPECT_FALSE(ui.IsShown(kEdit));
  EXPECT_TRUE(ui.IsEnabled(kEdit));
}

TEST_F(FakeSurfaceTest, FocusLostReachesEvenADisabledField) {
  ui.Enable(kEdit, false);
  EXPECT_TRUE(ui.FocusLost(kEdit));
  EXPECT_EQ(Sent(), (std::vector<FakeNotification>{{kEdit, kEnKillFocus}}));
}

TEST_F(FakeSurfaceTest, ClicksAndCheckBoxes) {
  std::vector<bool> checkedSeen;
  screen.onCommand = [&](int id, int) {
    if (id == kCheck) checkedSeen.push_back(ui.IsChecked(kCheck));
  };
  ASSERT_TRUE(ui.Toggle(kCheck));
  ASSERT_TRUE(ui.Click(kCheck));  // a known check box toggles on a click too
  ASSERT_TRUE(ui.Click(kButton));
  EXPECT_EQ(checkedSeen, (std::vector<bool>{true, false}));
  EXPECT_EQ(Sent(), (std::vector<FakeNotification>{
                        {kCheck, kBnClicked}, {kCheck, kBnClicked}, {kButton, kBnClicked}}));

  // An untouched control the test toggles is an auto check box.
  ASSERT_TRUE(ui.Toggle(41));
  EXPECT_TRUE(ui.IsChecked(41));
}

TEST_F(FakeSurfaceTest, DialogKeysAreCommands) {
  ASSERT_TRUE(ui.PressEscape());
  ASSERT_TRUE(ui.PressEnter());
  EXPECT_EQ(Sent(), (std::vector<FakeNotification>{{kIdCancel, kBnClicked}, {kIdOk, kBnClicked}}));
}

TEST_F(FakeSurfaceTest, TimersTickOnlyWhileRunning) {
  EXPECT_FALSE(ui.Tick(1));
  ui.StartTimer(1, 1000);
  ui.StartTimer(1, 500);  // the same id replaces it
  EXPECT_EQ(ui.timers(), (std::map<int, int>{{1, 500}}));
  EXPECT_TRUE(ui.Tick(1));
  EXPECT_FALSE(ui.Tick(2));
  ui.StopTimer(1);
  EXPECT_FALSE(ui.Tick(1));
  EXPECT_TRUE(ui.timers().empty());
  EXPECT_EQ(screen.ticks, (std::vector<int>{1}));
}

TEST_F(FakeSurfaceTest, AnEndedDialogTakesNoMoreInput) {
  ui.StartTimer(1, 1000);
  screen.leaveOnClose = false;
  ASSERT_TRUE(ui.Close());
  EXPECT_EQ(screen.closes, 1);
  EXPECT_FALSE(ui.ended()) << "a screen that ignores WM_CLOSE stays";

  screen.onCommand = [&](int id, int) {
    if (id == kButton) ui.EndDialog();
  };
  ASSERT_TRUE(ui.Click(kButton));
  EXPECT_TRUE(ui.ended());
  EXPECT_FALSE(ui.Click(kButton));
  EXPECT_FALSE(ui.Type(kEdit, "x"));
  EXPECT_FALSE(ui.Pick(kList, 0));
  EXPECT_FALSE(ui.Tick(1));
  EXPECT_FALSE(ui.Close());
  EXPECT_FALSE(ui.PressEscape());
  EXPECT_EQ(screen.closes, 1);

  // The screen's own code still runs in the ended dialog's handler: an edit
  // set there notifies, as the window lives until the handler returns.
  const std::size_t sent = Sent().size();
  ui.SetText(kEdit, "late");
  EXPECT_EQ(Sent().size(), sent + 1);
}

TEST_F(FakeSurfaceTest, MessageBoxesAreRecordedAndShownToTheHook) {
  std::vector<std::string> seenWhileUp;
  ui.onMessage = [&](const FakeMessage& box) {
    seenWhileUp.push_back(box.text);
    EXPECT_EQ(ui.messages().size(), seenWhileUp.size());
  };
  ui.ShowMessage("Generate Success!", "Notice", MessageKind::Information);
  ui.ShowMessage("bad", "Warning", MessageKind::Warning);
  ASSERT_EQ(ui.messages().size(), 2u);
  EXPECT_EQ(ui.messages()[0].caption, "Notice");
  EXPECT_EQ(ui.messages()[0].kind, MessageKind::Information);
  EXPECT_EQ(ui.messages()[1].text, "bad");
  EXPECT_EQ(ui.messages()[1].kind, MessageKind::Warning);
  EXPECT_EQ(seenWhileUp, (std::vector<std::string>{"Generate Success!", "bad"}));
}

TEST_F(FakeSurfaceTest, WindowDecorationIsRecorded) {
  ui.SetCaption("Setup");
  ui.SetSmallIcon(119);
  ui.SetLabelColor(kLabel, 34, 96, 217);
  ui.PaintBitmap(114, 24, 10, 340, 72);
  EXPECT_EQ(ui.caption(), "Setup");
  EXPECT_EQ(ui.smallIcon(), 119);
  EXPECT_EQ(ui.labelColor(kLabel), (FakeColor{34, 96, 217}));
  EXPECT_EQ(ui.labelColor(kEdit), std::nullopt);
  EXPECT_EQ(ui.bitmaps(), (std::vector<FakeBitmap>{{114, 24, 10, 340, 72}}));
}

TEST_F(FakeSurfaceTest, CallsAreLoggedInOrder) {
  ui.ClearCalls();
  ui.SetCaption("Setup");
  ui.SetText(kLabel, "Version");
  ui.ClearRows(kList);
  ui.AddRow(kList, "English");
  ui.SelectRow(kList, 0);
  ui.Enable(kEdit, false);
  EXPECT_EQ(ui.calls(),
            (std::vector<std::string>{"SetCaption Setup", "SetText 50 Version", "ClearRows 20",
                                      "AddRow 20 English", "SelectRow 20 0", "Enable 10 0"}));
}

TEST_F(FakeSurfaceTest, UsingAControlAsTwoKindsFailsTheTest) {
  EXPECT_NONFATAL_FAILURE(ui.AddRow(kEdit, "row"), "(edit) used as list");
  EXPECT_NONFATAL_FAILURE(ui.SetTextLimit(kList, 3), "(list) used as edit");
  EXPECT_NONFATAL_FAILURE(ui.IsChecked(kLabel), "(label) used as check box");
}

TEST_F(FakeSurfaceTest, EndlessChangeRecursionFailsTheTest) {
  int calls = 0;
  screen.onCommand = [&](int id, int code) {
    ++calls;
    if (id == kEdit && code == kEnChange) ui.SetText(kEdit, "again");
  };
  EXPECT_NONFATAL_FAILURE(ui.SetText(kEdit, "x"), "nest deeper than");
  EXPECT_EQ(calls, FakeSurface::kMaxNotifyDepth);
}

TEST_F(FakeSurfaceTest, OpenRunsTheScreensOpening) {
  ui.Open();
  EXPECT_EQ(screen.opens, 1);
}

TEST(FakeSurfaceDetachedTest, WithoutAScreenNothingIsDelivered) {
  FakeSurface ui;
  ui.Declare(1, ControlKind::Edit);
  ui.SetText(1, "x");
  EXPECT_TRUE(ui.notifications().empty());
  EXPECT_FALSE(ui.Close());
}

TEST(FakePlatformTest, AdvanceCrossesDaysMonthsAndYears) {
  struct Case {
    LocalTime from;
    long long seconds;
    LocalTime to;
  };
  const Case cases[] = {
      {{2026, 12, 31, 23, 59, 59}, 1, {2027, 1, 1, 0, 0, 0}},
      {{2028, 2, 28, 23, 0, 0}, 3600, {2028, 2, 29, 0, 0, 0}},
      {{2026, 3, 1, 0, 0, 0}, -1, {2026, 2, 28, 23, 59, 59}},
  };
  for (const Case& c : cases) {
    FakePlatform platform;
    platform.now = c.from;
    platform.Advance(c.seconds);
    const LocalTime& t = platform.now;
    EXPECT_EQ(
        (std::vector<int>{t.year, t.month, t.day, t.hour, t.minute, t.second}),
        (std::vector<int>{c.to.year, c.to.month, c.to.day, c.to.hour, c.to.minute, c.to.second}));
  }
}

TEST(FakePlatformTest, FolderPickerGivesItsAnswersThenCancels) {
  FakePlatform platform;
  platform.folderAnswers = {std::string("/sd"), std::nullopt};
  EXPECT_EQ(platform.PickFolder(), std::optional<std::string>("/sd"));
  EXPECT_EQ(platform.PickFolder(), std::nullopt);
  EXPECT_EQ(platform.PickFolder(), std::nullopt);
  EXPECT_EQ(platform.pickFolderCalls, 3);
}

}  // namespace
