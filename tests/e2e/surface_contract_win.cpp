// The Win32 binding keeps the behaviours the screens rely on (see
// ui/control_surface.h), checked over real dialogs built from the program's
// own templates.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/e2e/driver.h"
#include "ui/win32_binding.h"

namespace {

constexpr int kMainSetup = 111;
constexpr int kParameterPage = 107;

// A screen whose behaviour each test supplies; it records what reaches it.
class ProbeScreen : public Screen {
 public:
  ProbeScreen(ControlSurface& surface, Platform& platform, int templateId)
      : Screen(surface, platform), templateId_(templateId) {}

  int TemplateId() const override { return templateId_; }
  void OnOpen() override {
    opened = true;
    // A caption of its own lets the test find the (still hidden) window.
    ui().SetCaption(kCaption);
    window = FindWindowW(L"#32770", L"contract probe");
    if (open) open(*this);
  }
  void OnCommand(int id, int notification) override {
    commands.emplace_back(id, notification);
    if (command) command(*this, id, notification);
  }
  void OnTimer(int timerId) override {
    ticks.push_back(timerId);
    if (timer) timer(*this, timerId);
  }
  void OnClose() override {
    ++closes;
    Finish();
  }

  void Finish() { Leave(ScreenId::None); }
  ControlSurface& ui() { return ui_; }
  int CountCommands(int id, int notification) const {
    int count = 0;
    for (const auto& [i, n] : commands) count += (i == id && n == notification) ? 1 : 0;
    return count;
  }

  static constexpr const char* kCaption = "contract probe";
  std::function<void(ProbeScreen&)> open;
  std::function<void(ProbeScreen&, int, int)> command;
  std::function<void(ProbeScreen&, int)> timer;
  HWND window = nullptr;
  bool opened = false;
  int closes = 0;
  std::vector<std::pair<int, int>> commands;
  std::vector<int> ticks;

 private:
  int templateId_;
};

class SurfaceContract : public testing::Test {
 protected:
  int Run(ProbeScreen& screen) { return host_.RunModal(screen, *surface_); }
  ProbeScreen Probe(int templateId) { return ProbeScreen(*surface_, platform_, templateId); }

  DialogHost host_;
  WindowsPlatform platform_;
  std::unique_ptr<ControlSurface> surface_ = host_.NewSurface();
};

// Ends the probe on the first tick, once the dialog has shown.
void FinishSoon(ProbeScreen& probe) {
  probe.ui().StartTimer(99, 10);
  probe.timer = [](ProbeScreen& p, int id) {
    if (id == 99) p.Finish();
  };
}

TEST_F(SurfaceContract, EditChangeArrivesWhileTheTextIsBeingSet) {
  ProbeScreen probe(*surface_, platform_, kParameterPage);
  bool inside = false;
  std::string seen;
  probe.command = [&](ProbeScreen& p, int id, int notification) {
    if (id == 40035 && notification == kEnChange && inside) seen = p.ui().GetText(40035);
  };
  probe.open = [&](ProbeScreen& p) {
    inside = true;
    p.ui().SetText(40035, "mms.example/x");
    inside = false;
    FinishSoon(p);
  };
  EXPECT_EQ(Run(probe), 0);
  EXPECT_EQ(seen, "mms.example/x");
  EXPECT_EQ(probe.CountCommands(40035, kEnChange), 1);
}

TEST_F(SurfaceContract, Utf8TextsRoundTrip) {
  const std::vector<std::string> texts = {
      "中文", "English", "端口:", "上传到的FTP目录(必须已存在)", "Ñandú ümlaut", ""};
  ProbeScreen probe(*surface_, platform_, kParameterPage);
  probe.open = [&](ProbeScreen& p) {
    for (const std::string& text : texts) {
      SCOPED_TRACE(text);
      p.ui().SetText(40035, text);  // an edit
      EXPECT_EQ(p.ui().GetText(40035), text);
      p.ui().SetText(40072, text);  // a label
      EXPECT_EQ(p.ui().GetText(40072), text);
      p.ui().SetCaption(text);
      EXPECT_EQ(e2e::Caption(p.window), text);
      // What the user sees is the same text (read back in UTF-16).
      EXPECT_EQ(e2e::Text(p.window, 40035), text);
    }
    p.ui().ClearRows(40014);
    for (const std::string& text : texts) p.ui().AddRow(40014, text);
    for (int row = 0; row < static_cast<int>(texts.size()); ++row) {
      EXPECT_EQ(p.ui().RowText(40014, row), texts[row]);
      EXPECT_EQ(e2e::RowText(p.window, 40014, row), texts[row]);
    }
    EXPECT_EQ(p.ui().GetText(12345), "");  // no such control
    EXPECT_EQ(p.ui().RowText(40014, 99), "");
    FinishSoon(p);
  };
  EXPECT_EQ(Run(probe), 0);
  EXPECT_TRUE(probe.opened);
}

TEST_F(SurfaceContract, ListsSelectFromCodeWithoutNotifying) {
  ProbeScreen probe(*surface_, platform_, kParameterPage);
  probe.open = [&](ProbeScreen& p) {
    ControlSurface& ui = p.ui();
    EXPECT_EQ(ui.RowCount(40014), 0);
    EXPECT_EQ(ui.SelectedRow(40014), -1);
    for (const char* row : {"Close 3G", "MMS", "Email", "FTP"}) ui.AddRow(40014, row);
    EXPECT_EQ(ui.RowCount(40014), 4);
    ui.SelectRow(40014, 2);
    EXPECT_EQ(ui.SelectedRow(40014), 2);
    EXPECT_EQ(ui.GetText(40014), "Email");
    ui.SelectRow(40014, 4);  // out of range clears
    EXPECT_EQ(ui.SelectedRow(40014), -1);
    ui.SelectRow(40014, 3);
    ui.SelectRow(40014, -1);
    EXPECT_EQ(ui.SelectedRow(40014), -1);
    ui.SelectRow(40014, 1);
    ui.ClearRows(40014);
    EXPECT_EQ(ui.RowCount(40014), 0);
    EXPECT_EQ(ui.SelectedRow(40014), -1);
    EXPECT_EQ(ui.SelectedRow(12345), -1);  // no such control
    FinishSoon(p);
  };
  EXPECT_EQ(Run(probe), 0);
  EXPECT_EQ(probe.CountCommands(40014, kCbnSelChange), 0);
  EXPECT_EQ(probe.CountCommands(40014, kCbnSelEndOk), 0);
}

TEST_F(SurfaceContract, TextLimitBindsTypingNotCode) {
  ProbeScreen probe(*surface_, platform_, kParameterPage);
  probe.open = [&](ProbeScreen& p) {
    p.ui().SetTextLimit(40035, 4);
    p.ui().SetText(40035, "abcdefgh");
    EXPECT_EQ(p.ui().GetText(40035), "abcdefgh");
    p.ui().SetText(40035, "");
    p.ui().SetCaret(40035, 0);
    e2e::Type(p.window, 40035, "abcdefgh");
    EXPECT_EQ(p.ui().GetText(40035), "abcd");
    // The caret decides where typing goes.
    p.ui().SetTextLimit(40035, 10);
    p.ui().SetCaret(40035, 1);
    e2e::Type(p.window, 40035, "X");
    EXPECT_EQ(p.ui().GetText(40035), "aXbcd");
    FinishSoon(p);
  };
  EXPECT_EQ(Run(probe), 0);
}

TEST_F(SurfaceContract, DisabledAndHiddenControlsKeepTheirContents) {
  ProbeScreen probe(*surface_, platform_, kParameterPage);
  probe.open = [&](ProbeScreen& p) {
    ControlSurface& ui = p.ui();
    ui.SetText(40007, "ftp.example.org");
    ui.AddRow(40016, "Root");
    ui.AddRow(40016, "Specify");
    ui.SelectRow(40016, 1);
    for (int id : {40007, 40016}) {
      EXPECT_TRUE(ui.IsEnabled(id));
      EXPECT_TRUE(ui.IsShown(id));
      ui.Enable(id, false);
      ui.Show(id, false);
      EXPECT_FALSE(ui.IsEnabled(id));
      EXPECT_FALSE(ui.IsShown(id));
    }
    EXPECT_EQ(ui.GetText(40007), "ftp.example.org");
    EXPECT_EQ(ui.RowCount(40016), 2);
    EXPECT_EQ(ui.SelectedRow(40016), 1);
    ui.Enable(40007, true);
    ui.Show(40007, true);
    EXPECT_TRUE(ui.IsEnabled(40007));
    EXPECT_TRUE(ui.IsShown(40007));
    // Created hidden by its template.
    EXPECT_FALSE(ui.IsShown(40020));
    FinishSoon(p);
  };
  EXPECT_EQ(Run(probe), 0);
}

TEST_F(SurfaceContract, PasswordMaskAndCheckBox) {
  ProbeScreen probe(*surface_, platform_, kParameterPage);
  probe.open = [&](ProbeScreen& p) {
    ControlSurface& ui = p.ui();
    ui.SetText(40044, "secret");
    EXPECT_FALSE(ui.IsMasked(40044));
    ui.SetPasswordMask(40044, true);
    EXPECT_TRUE(ui.IsMasked(40044));
    EXPECT_EQ(SendMessageW(GetDlgItem(p.window, 40044), EM_GETPASSWORDCHAR, 0, 0), '*');
    EXPECT_EQ(ui.GetText(40044), "secret");
    ui.SetPasswordMask(40044, false);
    EXPECT_FALSE(ui.IsMasked(40044));
    EXPECT_EQ(ui.GetText(40044), "secret");

    EXPECT_FALSE(ui.IsChecked(40021));
    ui.SetChecked(40021, true);
    EXPECT_TRUE(ui.IsChecked(40021));
    ui.SetChecked(40021, false);
    EXPECT_FALSE(ui.IsChecked(40021));
    FinishSoon(p);
  };
  EXPECT_EQ(Run(probe), 0);
}

TEST_F(SurfaceContract, TimerTicksUntilStopped) {
  ProbeScreen probe(*surface_, platform_, kMainSetup);
  probe.open = [](ProbeScreen& p) { p.ui().StartTimer(1, 20); };
  probe.timer = [](ProbeScreen& p, int) {
    if (p.ticks.size() == 3) {
      p.ui().StopTimer(1);
      p.ui().StartTimer(2, 150);  // would add ticks of 1 if 1 still ran
    } else if (p.ticks.back() == 2) {
      p.Finish();
    }
  };
  EXPECT_EQ(Run(probe), 0);
  EXPECT_EQ(probe.ticks, (std::vector<int>{1, 1, 1, 2}));
}

struct MessageCase {
  MessageKind kind;
  const char* text;
  const char* caption;
  LPCSTR icon;
};

class SurfaceMessages : public SurfaceContract, public testing::WithParamInterface<MessageCase> {};

// The box is modal to the screen: the screen's timer still ticks inside it,
// which is how this test finds the box, reads it and presses OK.
TEST_P(SurfaceMessages, BoxIsOwnedByTheScreenAndClosesWithOk) {
  const MessageCase& c = GetParam();
  ProbeScreen probe(*surface_, platform_, kMainSetup);
  std::string text, caption;
  HWND owner = nullptr;
  bool iconMatches = false;
  bool returned = false;
  probe.open = [](ProbeScreen& p) { p.ui().StartTimer(1, 20); };
  probe.timer = [&](ProbeScreen& p, int id) {
    if (id == 1) {
      p.ui().StopTimer(1);
      p.ui().StartTimer(2, 50);
      p.ui().ShowMessage(c.text, c.caption, c.kind);
      returned = true;
      p.ui().StopTimer(2);
      p.Finish();
      return;
    }
    if (!text.empty()) return;
    e2e::Window box = e2e::WaitMessageBox(e2e::OwnProcessId(), p.window, 0);
    if (box == nullptr) return;  // not shown yet: next tick
    text = e2e::MessageText(box);
    caption = e2e::Caption(box);
    owner = GetWindow(static_cast<HWND>(box), GW_OWNER);
    HICON shown = reinterpret_cast<HICON>(
        SendDlgItemMessageW(static_cast<HWND>(box), 1088, STM_GETICON, 0, 0));
    iconMatches = shown != nullptr && shown == LoadIconA(nullptr, c.icon);
    e2e::PressOk(box);
  };
  EXPECT_EQ(Run(probe), 0);
  EXPECT_TRUE(returned);
  EXPECT_EQ(text, c.text);
  EXPECT_EQ(caption, c.caption);
  EXPECT_EQ(owner, probe.window);
  EXPECT_TRUE(iconMatches);
}

INSTANTIATE_TEST_SUITE_P(Kinds, SurfaceMessages,
                         testing::Values(MessageCase{MessageKind::Warning,
                                                     "电话号码错误!\r\nWrong number", "警告",
                                                     IDI_WARNING},
                                         MessageCase{MessageKind::Information, "Generate Success!",
                                                     "Notice", IDI_INFORMATION}));

TEST_F(SurfaceContract, ColouredLabelOnTheButtonFace) {
  ProbeScreen probe(*surface_, platform_, kParameterPage);
  COLORREF coloured = 0, other = 0;
  int mode = 0;
  COLORREF brushColour = 0;
  probe.open = [&](ProbeScreen& p) {
    p.ui().SetLabelColor(40072, 34, 96, 217);
    HDC context = CreateCompatibleDC(nullptr);
    SetTextColor(context, RGB(1, 2, 3));
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(p.window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(context),
                     reinterpret_cast<LPARAM>(GetDlgItem(p.window, 40072))));
    coloured = GetTextColor(context);
    mode = GetBkMode(context);
    LOGBRUSH info{};
    if (brush != nullptr) GetObjectW(brush, sizeof info, &info);
    brushColour = info.lbColor;
    SetTextColor(context, RGB(1, 2, 3));
    SendMessageW(p.window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(context),
                 reinterpret_cast<LPARAM>(GetDlgItem(p.window, 40028)));
    other = GetTextColor(context);
    DeleteDC(context);
    FinishSoon(p);
  };
  EXPECT_EQ(Run(probe), 0);
  EXPECT_EQ(coloured, RGB(34, 96, 217));
  EXPECT_EQ(mode, TRANSPARENT);
  EXPECT_EQ(brushColour, GetSysColor(COLOR_BTNFACE));
  EXPECT_NE(other, RGB(34, 96, 217));
}

// Reads a pixel of the bitmap resource itself.
COLORREF BitmapPixel(int id, int x, int y) {
  auto* bitmap = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
                                                 IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  HDC memory = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  const COLORREF pixel = GetPixel(memory, x, y);
  SelectObject(memory, previous);
  DeleteDC(memory);
  DeleteObject(bitmap);
  return pixel;
}

TEST_F(SurfaceContract, BitmapIsPaintedAtItsPlaceAndNoFurther) {
  ProbeScreen probe(*surface_, platform_, kMainSetup);
  std::vector<std::pair<COLORREF, COLORREF>> inside;  // shown, expected
  COLORREF below = 0;
  probe.open = [](ProbeScreen& p) {
    p.ui().SetSmallIcon(119);
    p.ui().PaintBitmap(114, 24, 10, 340, 72);
    p.ui().StartTimer(1, 100);
  };
  HICON icon = nullptr;
  probe.timer = [&](ProbeScreen& p, int) {
    p.ui().StopTimer(1);
    RedrawWindow(p.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HDC screen = GetDC(p.window);
    for (auto [x, y] : {std::pair{0, 0}, {100, 20}, {200, 40}, {339, 51}}) {
      inside.emplace_back(GetPixel(screen, 24 + x, 10 + y), BitmapPixel(114, x, y));
    }
    below = GetPixel(screen, 24 + 100, 10 + 52 + 4);  // under the 52 rows of the logo
    ReleaseDC(p.window, screen);
    icon = reinterpret_cast<HICON>(SendMessageW(p.window, WM_GETICON, ICON_SMALL, 0));
    p.Finish();
  };
  EXPECT_EQ(Run(probe), 0);
  for (const auto& [shown, expected] : inside) {
    EXPECT_NE(expected, CLR_INVALID);
    EXPECT_NE(expected, GetSysColor(COLOR_BTNFACE));  // the logo, not the dialog's face
    EXPECT_EQ(shown, expected);
  }
  EXPECT_EQ(below, GetSysColor(COLOR_BTNFACE));
  EXPECT_NE(icon, nullptr);
}

TEST_F(SurfaceContract, EscapeReachesTheScreenAndTheCloseBoxCloses) {
  ProbeScreen probe(*surface_, platform_, kMainSetup);
  HWND window = nullptr;
  probe.open = [&](ProbeScreen& p) {
    window = p.window;
    p.ui().StartTimer(1, 50);
  };
  probe.timer = [&](ProbeScreen& p, int) {
    p.ui().StopTimer(1);
    e2e::PressEscape(p.window);
  };
  probe.command = [](ProbeScreen& p, int id, int) {
    if (id == kIdCancel) e2e::Close(p.window);  // Escape alone ends nothing
  };
  EXPECT_EQ(Run(probe), 0);
  EXPECT_EQ(probe.CountCommands(kIdCancel, 0), 1);
  EXPECT_EQ(probe.closes, 1);
  EXPECT_FALSE(IsWindow(window));  // the dialog is gone once RunModal returns
}

TEST_F(SurfaceContract, MissingTemplateReturnsMinusOne) {
  ProbeScreen probe(*surface_, platform_, 4321);
  EXPECT_EQ(Run(probe), -1);
  EXPECT_FALSE(probe.opened);
}

TEST_F(SurfaceContract, OneSurfaceServesOneDialogAfterAnother) {
  for (int templateId : {kMainSetup, kParameterPage, kMainSetup}) {
    ProbeScreen probe(*surface_, platform_, templateId);
    probe.open = [](ProbeScreen& p) {
      p.ui().SetText(40002, "again");
      FinishSoon(p);
    };
    EXPECT_EQ(Run(probe), 0);
    EXPECT_TRUE(probe.opened);
  }
}

TEST(WindowsPlatformContract, EpochLocalHourDropsTheMinutesOfTheOffset) {
  const struct {
    const char* zone;
    int hour;
  } cases[] = {
      {"UTC0", 0}, {"IST-5:30", 5}, {"NST3:30", 20}, {"AAA12", 12}, {"BBB-14", 14}, {"CCC5", 19},
  };
  WindowsPlatform platform;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.zone);
    _putenv_s("TZ", c.zone);
    _tzset();
    EXPECT_EQ(platform.EpochLocalHour(), c.hour);
  }
  _putenv_s("TZ", "");
  _tzset();
}

TEST(WindowsPlatformContract, CurrentDirectoryInUtf8) {
  const std::filesystem::path folder = e2e::NewFolder("当前 目录");
  wchar_t previous[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, previous);
  ASSERT_TRUE(SetCurrentDirectoryW(folder.c_str()));
  const std::optional<std::string> directory = WindowsPlatform().CurrentDirectory();
  SetCurrentDirectoryW(previous);
  ASSERT_TRUE(directory.has_value());
  EXPECT_EQ(*directory, e2e::Utf8Path(folder));
}

TEST(WindowsPlatformContract, NowIsTheLocalTime) {
  SYSTEMTIME before;
  GetLocalTime(&before);
  const LocalTime now = WindowsPlatform().Now();
  EXPECT_EQ(now.year, before.wYear);
  EXPECT_EQ(now.month, before.wMonth);
  EXPECT_EQ(now.day, before.wDay);
  EXPECT_EQ(now.hour, before.wHour);
  EXPECT_NEAR(now.minute * 60 + now.second, before.wMinute * 60 + before.wSecond, 2);
}

// The folder picker, answered from the screen's timer while it is open: the
// test selects a folder in it (or not) and presses OK or Cancel.
class FolderPicker : public SurfaceContract, public testing::WithParamInterface<bool> {};

TEST_P(FolderPicker, GivesThePickedFolderOrNothing) {
  const bool choose = GetParam();
  const std::filesystem::path folder = e2e::NewFolder("选择的 folder");
  ProbeScreen probe(*surface_, platform_, kMainSetup);
  std::optional<std::string> picked = std::string("untouched");
  HWND owner = nullptr;
  bool answered = false;
  int waited = 0;
  probe.open = [](ProbeScreen& p) { p.ui().StartTimer(1, 50); };
  probe.timer = [&](ProbeScreen& p, int id) {
    if (id == 1) {
      p.ui().StopTimer(1);
      p.ui().StartTimer(2, 100);
      picked = platform_.PickFolder();
      p.ui().StopTimer(2);
      p.Finish();
      return;
    }
    if (answered) return;
    for (e2e::Window window : e2e::ProcessDialogs(e2e::OwnProcessId())) {
      HWND browse = static_cast<HWND>(window);
      if (browse == p.window) continue;
      owner = GetWindow(browse, GW_OWNER);
      if (!choose) {
        PostMessageW(browse, WM_COMMAND, IDCANCEL, 0);
        answered = true;
        return;
      }
      // The picker fills its tree after it opens; a selection sent before
      // that is lost, so select, then press OK only once the tree shows it.
      HWND tree = FindWindowExW(browse, nullptr, L"SysTreeView32", nullptr);
      if (tree == nullptr || SendMessageW(tree, TVM_GETCOUNT, 0, 0) == 0) return;
      SendMessageW(browse, BFFM_SETSELECTIONW, TRUE,
                   reinterpret_cast<LPARAM>(folder.wstring().c_str()));
      wchar_t text[MAX_PATH] = {};
      TVITEMW item{};
      item.mask = TVIF_TEXT;
      item.hItem = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
      item.pszText = text;
      item.cchTextMax = MAX_PATH;
      const bool shown = item.hItem != nullptr &&
                         SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
      if (shown && folder.filename().wstring() == text) {
        PostMessageW(browse, WM_COMMAND, IDOK, 0);
        answered = true;
      } else if (++waited > 100) {  // ten seconds: give up, the test fails below
        PostMessageW(browse, WM_COMMAND, IDCANCEL, 0);
        answered = true;
      }
      return;
    }
  };
  EXPECT_EQ(Run(probe), 0);
  EXPECT_TRUE(answered);
  EXPECT_EQ(owner, probe.window);  // owned by the foreground window: the screen
  if (choose) {
    EXPECT_EQ(picked, std::optional<std::string>(e2e::Utf8Path(folder)));
  } else {
    EXPECT_EQ(picked, std::nullopt);
  }
}

INSTANTIATE_TEST_SUITE_P(OkAndCancel, FolderPicker, testing::Bool());

}  // namespace
