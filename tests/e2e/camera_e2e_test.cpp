// camsetup.exe's Camera Setup screen, driven from outside: Generate writes a
// menu.dat that decodes to what the screen shows and the next run shows it
// again, Default writes the factory record and says so, a store that fails
// keeps the old file and says nothing, the clock fields follow Set Clock, and
// the texts follow the system language.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "files/menu_data.h"
#include "tests/e2e/driver.h"
#include "ui/control_ids.h"

namespace {

namespace ids = camera_setup_ids;
using e2e::Window;

const std::vector<std::string> kMainCaptions = {"设置", "Setup"};
const std::vector<std::string> kCameraCaptions = {"相机设置", "Camera Setup"};

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = e2e::kWaitMs) {
  for (int waited = 0; waited < timeoutMs; waited += 20) {
    if (condition()) return true;
    e2e::Process::Pause(20);
  }
  return condition();
}

const int kClockFields[] = {ids::kYearEdit, ids::kMonthEdit,  ids::kDayEdit,
                            ids::kHourEdit, ids::kMinuteEdit, ids::kSecondEdit};

// The six clock fields as "YYYY/MM/DD hh:mm:ss".
std::string ClockText(Window camera) {
  const char* after[] = {"/", "/", " ", ":", ":", ""};
  std::string text;
  for (int i = 0; i < 6; ++i) text += e2e::Text(camera, kClockFields[i]) + after[i];
  return text;
}

bool ClockFieldsEnabled(Window camera, bool enabled) {
  for (int id : kClockFields) {
    if (e2e::IsEnabled(camera, id) != enabled) return false;
  }
  return true;
}

// Whether `shown` is the test's own local time, give or take a few seconds
// (the program and the test read the same PC clock).
bool IsLocalTimeNow(const std::string& shown) {
  const std::time_t now = std::time(nullptr);
  for (int offset = -3; offset <= 3; ++offset) {
    const std::time_t moment = now + offset;
    const std::tm* local = std::localtime(&moment);
    if (local == nullptr) return false;
    char text[32];
    std::strftime(text, sizeof text, "%Y/%m/%d %H:%M:%S", local);
    if (shown == text) return true;
  }
  return false;
}

// Starts the program in `folder` and opens Camera Setup from Main Setup;
// null when a screen does not come up.
Window StartAndOpenCamera(e2e::Process& app, const std::filesystem::path& folder,
                          const std::filesystem::path& output) {
  if (!app.Start(e2e::ProgramPath(), folder, output)) return nullptr;
  Window main = app.WaitDialog(kMainCaptions);
  if (main == nullptr || !e2e::Click(main, main_setup_ids::kCameraSetupButton) ||
      !e2e::WaitGone(main)) {
    return nullptr;
  }
  Window camera = app.WaitDialog(kCameraCaptions, e2e::kWaitMs, main);
  if (camera == nullptr || !app.WaitOutput("INIT END.")) return nullptr;
  return camera;
}

class CameraScreenRun : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = e2e::NewFolder("camera");
    ASSERT_FALSE(e2e::ProgramPath().empty()) << "CAMSETUP_EXE is not set";
    camera_ = StartAndOpenCamera(app_, folder_, OutputFile(1));
    ASSERT_NE(camera_, nullptr) << "no Camera Setup\n" << app_.Output();
  }

  // Where run `run` in this folder writes its standard output.
  std::filesystem::path OutputFile(int run) const {
    return folder_.parent_path() /
           (folder_.filename().wstring() + L"-" + std::to_wstring(run) + L".out");
  }

  // Picks a row and waits until the screen has handled it.
  void Choose(int list, int row, const std::function<bool()>& handled) {
    ASSERT_TRUE(e2e::ChooseRow(camera_, list, row));
    ASSERT_TRUE(WaitUntil(handled)) << "list " << list << " row " << row;
  }

  // Presses a button and returns the text of the message box it raises.
  std::string PressAndRead(int button) {
    EXPECT_TRUE(e2e::Click(camera_, button));
    Window box = e2e::WaitMessageBox(app_.id(), camera_);
    if (box == nullptr) return "(no message box)";
    const std::string text = e2e::MessageText(box);
    EXPECT_TRUE(e2e::PressOk(box));
    EXPECT_TRUE(e2e::WaitGone(box));
    return text;
  }

  std::optional<MenuData> Menu() const {
    return e2e::DecodeRecordFile<MenuData>(folder_ / "menu.dat");
  }

  std::filesystem::path folder_;
  e2e::Process app_;
  Window camera_ = nullptr;
};

TEST_F(CameraScreenRun, GenerateWritesWhatTheScreenShows) {
  Choose(ids::kModeList, 2, [] { return true; });
  Choose(ids::kTimeZoneList, 20, [] { return true; });
  Choose(ids::kTimer1List, 1, [&] { return e2e::IsEnabled(camera_, ids::kTimer1EndHourList); });
  Choose(ids::kTimer1EndHourList, 18, [] { return true; });
  Choose(ids::kIntervalUnitList, 0,
         [&] { return e2e::RowText(camera_, ids::kIntervalNumberList, 0) == "0"; });
  Choose(ids::kIntervalNumberList, 30, [] { return true; });
  Choose(ids::kSetClockList, 1, [&] { return e2e::IsEnabled(camera_, ids::kYearEdit); });
  const struct {
    int id;
    const char* text;
  } clock[] = {{ids::kYearEdit, "2030"}, {ids::kMonthEdit, "06"},  {ids::kDayEdit, "15"},
               {ids::kHourEdit, "12"},   {ids::kMinuteEdit, "34"}, {ids::kSecondEdit, "56"}};
  for (const auto& field : clock) ASSERT_TRUE(e2e::SetText(camera_, field.id, field.text));

  EXPECT_EQ(PressAndRead(ids::kGenerateButton), "Generate Success!");

  const std::optional<MenuData> menu = Menu();
  ASSERT_TRUE(menu.has_value()) << "menu.dat missing or not 44 bytes";
  EXPECT_EQ(menu->CapMode, 2);
  EXPECT_EQ(menu->ImgSize, 0);
  EXPECT_EQ(menu->VideoLen, 9);
  EXPECT_EQ(menu->Interval, 30);
  EXPECT_EQ(menu->MenuLanguage, 2);
  EXPECT_EQ(menu->ClockZone, 0x80 | (20 << 2) | 1);
  EXPECT_EQ(menu->Year, 2030);
  EXPECT_EQ(menu->Month, 6);
  EXPECT_EQ(menu->Day, 15);
  EXPECT_EQ(menu->Hour, 12);
  EXPECT_EQ(menu->Minute, 34);
  EXPECT_EQ(menu->Second, 56);
  EXPECT_EQ(menu->Timer1On, 1);
  EXPECT_EQ(menu->Timer1EndHour, 18);
  EXPECT_EQ(menu->TimeLapse, 1);
  EXPECT_EQ(menu->Reserved1, 0x8F);
  EXPECT_EQ(menu->Flag, 0x8081);
  EXPECT_TRUE(app_.WaitOutput("Y:2030,M:6,D:15, h:12, m:34, s:56"));
}

TEST_F(CameraScreenRun, DefaultWritesTheFactoryRecordAndSaysSo) {
  Choose(ids::kTimeZoneList, 3, [] { return true; });
  Choose(ids::kSenseLevelList, 2, [] { return true; });
  Choose(ids::kSerialList, 1, [&] { return e2e::IsEnabled(camera_, ids::kSerialChar1List); });

  EXPECT_EQ(PressAndRead(ids::kDefaultButton), "Default setting and generate success!");

  EXPECT_EQ(e2e::SelectedRow(camera_, ids::kTimeZoneList), 3);
  EXPECT_EQ(e2e::SelectedRow(camera_, ids::kSenseLevelList), 0);
  EXPECT_EQ(e2e::SelectedRow(camera_, ids::kSerialList), 0);
  EXPECT_FALSE(e2e::IsEnabled(camera_, ids::kSerialChar1List));

  const std::optional<MenuData> menu = Menu();
  ASSERT_TRUE(menu.has_value()) << "menu.dat missing or not 44 bytes";
  // The factory record, with the kept zone in byte 13 (Auto) and the PC's
  // running clock of that moment in bytes 14 to 20, taken from the file.
  std::uint8_t expected[sizeof(MenuData)] = {
      0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x09, 0x3C, 0x02, 0x01, 0x00, 0x02, 0x8C, 0x00,
      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x8F, 0x00, 0x81, 0x80};
  std::memcpy(expected + 14, reinterpret_cast<const std::uint8_t*>(&*menu) + 14, 7);
  EXPECT_EQ(std::memcmp(&*menu, expected, sizeof expected), 0);
  EXPECT_GE(menu->Year, 2016);
}

TEST_F(CameraScreenRun, ClosingLeadsBackToMainSetupWithoutWriting) {
  Choose(ids::kModeList, 1, [] { return true; });
  ASSERT_TRUE(e2e::Close(camera_));
  ASSERT_TRUE(e2e::WaitGone(camera_));
  Window main = app_.WaitDialog(kMainCaptions, e2e::kWaitMs, camera_);
  ASSERT_NE(main, nullptr);
  EXPECT_FALSE(e2e::ReadFile(folder_ / "menu.dat").has_value());

  // The next opening shows the record as the screen left it.
  ASSERT_TRUE(e2e::Click(main, main_setup_ids::kCameraSetupButton));
  ASSERT_TRUE(e2e::WaitGone(main));
  Window again = app_.WaitDialog(kCameraCaptions, e2e::kWaitMs, main);
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(e2e::SelectedRow(again, ids::kModeList), 1);
}

// Generates in one run, ends the program, and starts it again in the same
// folder: the first opening of the new run loads that file.
TEST_F(CameraScreenRun, NextRunShowsTheGeneratedFile) {
  const struct Pick {
    int list;
    int row;
    int enables;  // a list the pick enables, or 0
  } picks[] = {
      {ids::kModeList, 1, 0},
      {ids::kImgSizeList, 2, 0},
      {ids::kVideoSizeList, 2, 0},
      {ids::kPicNumList, 2, 0},
      {ids::kTimeStampList, 1, 0},
      {ids::kSenseLevelList, 3, 0},
      {ids::kSidePirList, 1, 0},
      {ids::kVideoLenList, 30, 0},
      {ids::kDateFormatList, 0, 0},
      {ids::kBeepSoundList, 1, 0},
      {ids::kSdCycleList, 1, 0},
      {ids::kLanguageList, 5, 0},
      {ids::kTimeZoneList, 7, 0},
      {ids::kTimer1List, 1, ids::kTimer1StartHourList},
      {ids::kTimer1StartHourList, 6, 0},
      {ids::kTimer1StartMinList, 15, 0},
      {ids::kTimer1EndHourList, 20, 0},
      {ids::kTimer1EndMinList, 45, 0},
      {ids::kTimer2List, 1, ids::kTimer2StartHourList},
      {ids::kTimer2StartHourList, 22, 0},
      {ids::kTimer2StartMinList, 5, 0},
      {ids::kTimer2EndHourList, 23, 0},
      {ids::kTimer2EndMinList, 59, 0},
      {ids::kSerialList, 1, ids::kSerialChar1List},
      {ids::kSerialChar1List, 10, 0},
      {ids::kSerialChar2List, 35, 0},
      {ids::kSerialChar3List, 3, 0},
      {ids::kSerialChar4List, 17, 0},
      {ids::kTimeLapseList, 0, ids::kTimeLapseHourList},
      {ids::kTimeLapseHourList, 2, 0},
      {ids::kTimeLapseMinList, 30, 0},
      {ids::kTimeLapseSecList, 59, 0},
  };
  for (const Pick& pick : picks) {
    Choose(pick.list, pick.row,
           [&] { return pick.enables == 0 || e2e::IsEnabled(camera_, pick.enables); });
  }
  // Interval 45 Sec: the unit first, which refills the number list.
  Choose(ids::kIntervalUnitList, 0,
         [&] { return e2e::RowText(camera_, ids::kIntervalNumberList, 0) == "0"; });
  Choose(ids::kIntervalNumberList, 45, [] { return true; });
  // A typed clock: the next run must show the running clock instead.
  Choose(ids::kSetClockList, 1, [&] { return e2e::IsEnabled(camera_, ids::kYearEdit); });
  ASSERT_TRUE(e2e::SetText(camera_, ids::kYearEdit, "2031"));
  ASSERT_EQ(PressAndRead(ids::kGenerateButton), "Generate Success!");
  const std::optional<std::string> generated = e2e::ReadFile(folder_ / "menu.dat");
  ASSERT_TRUE(generated.has_value());

  ASSERT_TRUE(e2e::Close(camera_));
  Window main = app_.WaitDialog(kMainCaptions, e2e::kWaitMs, camera_);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(e2e::Close(main));
  ASSERT_EQ(app_.WaitExit(), std::optional<int>(0));

  e2e::Process next;
  Window camera = StartAndOpenCamera(next, folder_, OutputFile(2));
  ASSERT_NE(camera, nullptr) << next.Output();
  EXPECT_TRUE(next.WaitOutput("CapMode = 1")) << next.Output();
  for (const Pick& pick : picks) {
    EXPECT_EQ(e2e::SelectedRow(camera, pick.list), pick.row) << "list " << pick.list;
    if (pick.enables != 0) {
      EXPECT_TRUE(e2e::IsEnabled(camera, pick.enables)) << "list " << pick.enables;
    }
  }
  EXPECT_EQ(e2e::SelectedRow(camera, ids::kIntervalUnitList), 0);
  EXPECT_EQ(e2e::RowCount(camera, ids::kIntervalNumberList), 60);
  EXPECT_EQ(e2e::SelectedRow(camera, ids::kIntervalNumberList), 45);
  EXPECT_EQ(e2e::RowText(camera, ids::kIntervalNumberList, 45), "45");
  // The clock always starts in Auto with the PC's clock, whatever was stored.
  EXPECT_EQ(e2e::SelectedRow(camera, ids::kSetClockList), 0);
  EXPECT_TRUE(ClockFieldsEnabled(camera, false));
  EXPECT_TRUE(WaitUntil([&] { return IsLocalTimeNow(ClockText(camera)); }, 3000))
      << ClockText(camera);
  // Opening wrote nothing.
  EXPECT_EQ(e2e::ReadFile(folder_ / "menu.dat"), generated);
}

TEST_F(CameraScreenRun, ClockTicksInAutoOnly) {
  // Auto (every first opening): disabled fields with the running local time.
  ASSERT_EQ(e2e::SelectedRow(camera_, ids::kSetClockList), 0);
  EXPECT_TRUE(ClockFieldsEnabled(camera_, false));
  EXPECT_TRUE(WaitUntil([&] { return IsLocalTimeNow(ClockText(camera_)); }, 2000))
      << ClockText(camera_);
  const std::string first = ClockText(camera_);
  EXPECT_TRUE(WaitUntil([&] { return ClockText(camera_) != first; }, 3000)) << "stuck at " << first;

  // Input: enabled fields starting from the PC's time, then left alone.
  Choose(ids::kSetClockList, 1, [&] { return ClockFieldsEnabled(camera_, true); });
  const std::string typed = ClockText(camera_);
  EXPECT_TRUE(IsLocalTimeNow(typed)) << typed;
  e2e::Process::Pause(2500);
  EXPECT_EQ(ClockText(camera_), typed);
  EXPECT_TRUE(ClockFieldsEnabled(camera_, true));

  // Off: empty, disabled, and the ticks do not fill them.
  Choose(ids::kSetClockList, 2, [&] { return ClockFieldsEnabled(camera_, false); });
  EXPECT_EQ(ClockText(camera_), "// ::");
  e2e::Process::Pause(1500);
  EXPECT_EQ(ClockText(camera_), "// ::");
  EXPECT_TRUE(ClockFieldsEnabled(camera_, false));

  // Auto again: the running clock comes back.
  Choose(ids::kSetClockList, 0, [] { return true; });
  EXPECT_TRUE(WaitUntil([&] { return IsLocalTimeNow(ClockText(camera_)); }, 2000))
      << ClockText(camera_);
  EXPECT_TRUE(ClockFieldsEnabled(camera_, false));
}

// The store writes "<target>.tmp" first; a folder in its place makes the
// store fail however the file's permissions are set.
TEST_F(CameraScreenRun, GenerateThatCannotStoreKeepsTheOldFileAndSaysNothing) {
  // A typed clock, so the old file still loads and verifies after the failed
  // store: only the failed store itself can hold the message back.
  Choose(ids::kSetClockList, 1, [&] { return ClockFieldsEnabled(camera_, true); });
  const struct {
    int id;
    const char* text;
  } clock[] = {{ids::kYearEdit, "2030"}, {ids::kMonthEdit, "06"},  {ids::kDayEdit, "15"},
               {ids::kHourEdit, "12"},   {ids::kMinuteEdit, "34"}, {ids::kSecondEdit, "56"}};
  for (const auto& field : clock) ASSERT_TRUE(e2e::SetText(camera_, field.id, field.text));
  ASSERT_EQ(PressAndRead(ids::kGenerateButton), "Generate Success!");
  const std::optional<std::string> before = e2e::ReadFile(folder_ / "menu.dat");
  ASSERT_TRUE(before.has_value());
  ASSERT_EQ(before->size(), sizeof(MenuData));

  std::error_code error;
  ASSERT_TRUE(std::filesystem::create_directory(folder_ / "menu.dat.tmp", error)) << error;
  Choose(ids::kModeList, 1, [] { return true; });
  ASSERT_TRUE(e2e::Click(camera_, ids::kGenerateButton));
  EXPECT_TRUE(app_.WaitOutput("menu.dat\" err!")) << app_.Output();
  // A pick posted after the click is handled after Generate: once it shows,
  // any message box of Generate would be up.
  Choose(ids::kTimer2List, 1, [&] { return e2e::IsEnabled(camera_, ids::kTimer2StartHourList); });
  if (Window box = e2e::WaitMessageBox(app_.id(), camera_, 1000); box != nullptr) {
    ADD_FAILURE() << "message box: " << e2e::MessageText(box);
    e2e::PressOk(box);
    e2e::WaitGone(box);
  }
  EXPECT_EQ(app_.Dialogs().size(), 1u);
  EXPECT_EQ(e2e::ReadFile(folder_ / "menu.dat"), before);
  EXPECT_EQ(app_.Output().find("Save clock is different!"), std::string::npos)
      << "the old file should still verify";

  // With the way clear, the next Generate stores the screen again.
  ASSERT_TRUE(std::filesystem::remove(folder_ / "menu.dat.tmp", error)) << error;
  EXPECT_EQ(PressAndRead(ids::kGenerateButton), "Generate Success!");
  const std::optional<MenuData> menu = Menu();
  ASSERT_TRUE(menu.has_value());
  EXPECT_EQ(menu->CapMode, 1);
  EXPECT_EQ(menu->Timer2On, 1);
  EXPECT_FALSE(std::filesystem::exists(folder_ / "menu.dat.tmp"));
}

// Also run on a Chinese (PRC) system (e2e_camsetup_zh): the screen's texts
// and its messages follow the system language.
using SystemLanguageCameraSetup = CameraScreenRun;

TEST_F(SystemLanguageCameraSetup, TextsAndMessagesSpeakIt) {
  const char* configured = std::getenv("CAMSETUP_E2E_LANGID");
  ASSERT_NE(configured, nullptr) << "CAMSETUP_E2E_LANGID is not set";
  const auto expected = static_cast<std::uint16_t>(std::strtoul(configured, nullptr, 0));
  // The run really is on that system: otherwise this would test nothing.
  ASSERT_EQ(e2e::SystemLanguage(), expected);
  const bool chinese = expected == 0x0804;

  EXPECT_EQ(e2e::Caption(camera_), chinese ? "相机设置" : "Camera Setup");
  EXPECT_EQ(e2e::Text(camera_, ids::kTimeZoneLabel), chinese ? "时区" : "Time Zone");
  EXPECT_EQ(e2e::Text(camera_, ids::kGenerateButton), chinese ? "生成配置" : "Generate");
  EXPECT_EQ(e2e::RowText(camera_, ids::kIntervalUnitList, 1), chinese ? "分钟" : "Min");

  ASSERT_TRUE(e2e::Click(camera_, ids::kGenerateButton));
  Window box = e2e::WaitMessageBox(app_.id(), camera_);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(e2e::MessageText(box), chinese ? "成功生成配置文件!" : "Generate Success!");
  EXPECT_EQ(e2e::Caption(box), chinese ? "通知" : "Notice");
  EXPECT_TRUE(e2e::PressOk(box));
  EXPECT_TRUE(e2e::WaitGone(box));
  EXPECT_TRUE(Menu().has_value());
}

}  // namespace
