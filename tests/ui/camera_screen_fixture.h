// A Camera Setup screen on the in-memory dialog, with the process-wide state
// of a fresh run, a save folder, a fixed clock (2024-02-29 10:20:30) and a
// fixed time zone (UTC+08, row 20).
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

#include "files/menu_data.h"
#include "tests/support/test_support.h"
#include "tests/ui/fake_platform.h"
#include "tests/ui/fake_surface.h"
#include "ui/app_state.h"
#include "ui/camera_setup.h"
#include "ui/control_ids.h"

namespace camera_test {

namespace ids = camera_setup_ids;

inline constexpr int kClockIds[] = {ids::kYearEdit, ids::kMonthEdit,  ids::kDayEdit,
                                    ids::kHourEdit, ids::kMinuteEdit, ids::kSecondEdit};
inline constexpr std::uint8_t kPcZoneRow = 20;  // UTC+08

inline void ResetCameraRun() {
  LanguageIndex = 1;
  g_sMenuData = MenuData{};
  TimeZoneIndex = 0;
  SaveClock = ClockStamp{};
  ResetCameraSetupState();
  SetEpochLocalHourSource(nullptr);
}

// One dialog of the screen: the template's edits declared, then opened.
struct OpenedCamera {
  explicit OpenedCamera(FakePlatform& platform) : screen(ui, platform) {
    ui.Declare({ids::kYearEdit, ids::kMonthEdit, ids::kDayEdit, ids::kHourEdit, ids::kMinuteEdit,
                ids::kSecondEdit, ids::kPathEdit},
               ControlKind::Edit);
    ui.Attach(screen);
    ui.Open();
  }
  // The text of a list's selected row ("" without a selection).
  std::string Shown(int list) { return ui.RowText(list, ui.SelectedRow(list)); }
  std::string Clock() {
    return ui.GetText(ids::kYearEdit) + "-" + ui.GetText(ids::kMonthEdit) + "-" +
           ui.GetText(ids::kDayEdit) + " " + ui.GetText(ids::kHourEdit) + ":" +
           ui.GetText(ids::kMinuteEdit) + ":" + ui.GetText(ids::kSecondEdit);
  }

  FakeSurface ui;
  CameraSetupScreen screen;
};

class CameraScreenTest : public ::testing::Test {
 protected:
  CameraScreenTest() {
    ResetCameraRun();
    platform.now = {2024, 2, 29, 10, 20, 30};
    platform.epochLocalHour = 8;
  }
  ~CameraScreenTest() override { ResetCameraRun(); }

  OpenedCamera& Open() { return dialog.emplace(platform); }
  // Closes the open screen (as the close box does) and forgets it.
  void CloseAndForget() {
    dialog->ui.Close();
    dialog.reset();
  }

  std::filesystem::path MenuFile() const { return folder.file("menu.dat"); }
  void WriteMenu(const MenuData& record) {
    WriteBytes(MenuFile(), Encoded(&record, sizeof record));
  }
  bool MenuExists() const { return std::filesystem::exists(MenuFile()); }
  MenuData ReadMenu() const {
    const std::vector<std::uint8_t> plain = Decoded(ReadBytes(MenuFile()));
    MenuData record{};
    EXPECT_EQ(plain.size(), sizeof record);
    if (plain.size() == sizeof record) std::memcpy(&record, plain.data(), sizeof record);
    return record;
  }

  SaveFolder folder;
  FakePlatform platform;
  TraceCapture trace;
  std::optional<OpenedCamera> dialog;
};

}  // namespace camera_test
