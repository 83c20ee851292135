// camsetup.exe's Camera Setup screen, driven from outside: Generate writes a
// menu.dat that decodes to what the screen shows, Default writes the factory
// record and says so.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
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

// The file's bytes decoded on their own, independent of the program's codec:
// plain = rotate-left-by-2(stored) XOR 0xD4.
std::optional<MenuData> DecodeMenu(const std::optional<std::string>& file) {
  if (!file || file->size() != sizeof(MenuData)) return std::nullopt;
  std::uint8_t plain[sizeof(MenuData)];
  for (std::size_t i = 0; i < sizeof plain; ++i) {
    const auto stored = static_cast<std::uint8_t>((*file)[i]);
    plain[i] = static_cast<std::uint8_t>(((stored << 2) | (stored >> 6)) ^ 0xD4);
  }
  MenuData record;
  std::memcpy(&record, plain, sizeof record);
  return record;
}

class CameraScreenRun : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = e2e::NewFolder("camera");
    ASSERT_FALSE(e2e::ProgramPath().empty()) << "CAMSETUP_EXE is not set";
    ASSERT_TRUE(app_.Start(e2e::ProgramPath(), folder_,
                           folder_.parent_path() / (folder_.filename().wstring() + L".out")));
    Window main = app_.WaitDialog(kMainCaptions);
    ASSERT_NE(main, nullptr) << "no Main Setup";
    ASSERT_TRUE(e2e::Click(main, main_setup_ids::kCameraSetupButton));
    ASSERT_TRUE(e2e::WaitGone(main));
    camera_ = app_.WaitDialog(kCameraCaptions, e2e::kWaitMs, main);
    ASSERT_NE(camera_, nullptr) << "no Camera Setup";
    ASSERT_TRUE(app_.WaitOutput("INIT END."));
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

  std::optional<MenuData> Menu() const { return DecodeMenu(e2e::ReadFile(folder_ / "menu.dat")); }

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

}  // namespace
