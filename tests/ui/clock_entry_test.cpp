#include "ui/clock_entry.h"

#include <gtest/gtest.h>

#include <string>

#include "files/menu_data.h"
#include "tests/ui/camera_screen_fixture.h"

namespace camera_test {
namespace {

using ClockEntryTest = CameraScreenTest;

// Types key by key at the end of the field, as a user does.
void TypeKeys(FakeSurface& ui, int id, const std::string& keys) {
  for (char key : keys) ASSERT_TRUE(ui.Type(id, ui.GetText(id) + key));
}

TEST_F(ClockEntryTest, SetClockModesDriveTheFields) {
  platform.now = {2024, 3, 5, 7, 8, 9};
  OpenedCamera& camera = Open();
  FakeSurface& ui = camera.ui;
  EXPECT_EQ(camera.Clock(), "2024-03-05 07:08:09");

  // Input: the fields stop at once and can be typed into.
  platform.Advance(1);
  ASSERT_TRUE(ui.Pick(ids::kSetClockList, kClockInput));
  EXPECT_EQ(camera.Clock(), "2024-03-05 07:08:10");
  for (int id : kClockIds) EXPECT_TRUE(ui.IsEnabled(id)) << id;
  EXPECT_EQ(g_sMenuData.ClockZone, kClockInput);

  // Off: empty and disabled.
  ASSERT_TRUE(ui.Pick(ids::kSetClockList, kClockOff));
  EXPECT_EQ(camera.Clock(), "-- ::");
  for (int id : kClockIds) EXPECT_FALSE(ui.IsEnabled(id)) << id;
  EXPECT_EQ(g_sMenuData.ClockZone, kClockOff);

  // Auto again: filled at once, disabled.
  platform.Advance(1);
  ASSERT_TRUE(ui.Pick(ids::kSetClockList, kClockAuto));
  EXPECT_EQ(camera.Clock(), "2024-03-05 07:08:11");
  for (int id : kClockIds) EXPECT_FALSE(ui.IsEnabled(id)) << id;
  EXPECT_EQ(g_sMenuData.ClockZone, kClockAuto);
}

TEST_F(ClockEntryTest, TheTimerTicksTheClockOnlyInAuto) {
  struct Case {
    ClockMode mode;
    const char* afterTick;
  };
  const Case cases[] = {
      {kClockAuto, "2024-02-29 10:20:35"},
      {kClockInput, "2024-02-29 10:20:30"},
      {kClockOff, "-- ::"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.mode));
    ResetCameraRun();
    platform.now = {2024, 2, 29, 10, 20, 30};
    OpenedCamera& camera = Open();
    ASSERT_TRUE(camera.ui.Pick(ids::kSetClockList, c.mode));
    platform.Advance(5);
    ASSERT_TRUE(camera.ui.Tick(ids::kClockTimerId));
    EXPECT_EQ(camera.Clock(), c.afterTick);
    dialog.reset();
  }
}

TEST_F(ClockEntryTest, TheTimeZoneListDoesNotShiftTheClock) {
  OpenedCamera& camera = Open();
  ASSERT_TRUE(camera.ui.Pick(ids::kTimeZoneList, 0));
  ASSERT_TRUE(camera.ui.Tick(ids::kClockTimerId));
  EXPECT_EQ(camera.Clock(), "2024-02-29 10:20:30");
}

TEST_F(ClockEntryTest, TypingKeepsOnlyDigits) {
  struct Case {
    const char* pasted;
    const char* kept;
    int caret;  // where the first removed character stood
  };
  const Case cases[] = {
      {"1a", "1", 1},
      {"x5", "5", 0},
      {"-", "", 0},
      {"07", "07", 2},  // nothing removed: the caret stays after the typing
  };
  OpenedCamera& camera = Open();
  FakeSurface& ui = camera.ui;
  ASSERT_TRUE(ui.Pick(ids::kSetClockList, kClockInput));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pasted);
    ASSERT_TRUE(ui.Type(ids::kHourEdit, c.pasted));
    EXPECT_EQ(ui.GetText(ids::kHourEdit), c.kept);
    EXPECT_EQ(ui.Caret(ids::kHourEdit), c.caret);
  }

  // "1a2" key by key into the two-character hour.
  ASSERT_TRUE(ui.Type(ids::kHourEdit, ""));
  TypeKeys(ui, ids::kHourEdit, "1a2");
  EXPECT_EQ(ui.GetText(ids::kHourEdit), "12");
  ASSERT_TRUE(ui.FocusLost(ids::kHourEdit));
  EXPECT_EQ(ui.GetText(ids::kHourEdit), "12");
}

TEST_F(ClockEntryTest, LeavingAFieldClampsItAndTheDay) {
  struct Case {
    const char* name;
    // What the date fields hold before the user types.
    const char* year;
    const char* month;
    const char* day;
    int field;
    const char* typed;
    const char* fieldAfter;
    const char* dayAfter;
    bool traced;  // "Input value error!"
  };
  const Case cases[] = {
      {"year below", "2024", "02", "29", ids::kYearEdit, "2015", "2016", "29", true},
      {"year above", "2024", "02", "29", ids::kYearEdit, "2100", "2099", "28", true},
      {"year emptied", "2024", "02", "29", ids::kYearEdit, "", "2016", "29", false},
      {"year to a common year", "2024", "02", "29", ids::kYearEdit, "2023", "2023", "28", false},
      {"month above", "2024", "01", "31", ids::kMonthEdit, "13", "12", "31", true},
      {"month zero", "2024", "03", "31", ids::kMonthEdit, "0", "1", "31", true},
      {"month to February 2023", "2023", "01", "30", ids::kMonthEdit, "2", "2", "28", false},
      {"month to April", "2024", "01", "31", ids::kMonthEdit, "4", "4", "30", false},
      {"day beyond 2024-02", "2024", "02", "01", ids::kDayEdit, "31", "29", "29", true},
      {"day beyond 2023-02", "2023", "02", "01", ids::kDayEdit, "29", "28", "28", true},
      {"day zero", "2024", "02", "01", ids::kDayEdit, "0", "1", "1", true},
      {"day emptied", "2024", "02", "05", ids::kDayEdit, "", "1", "1", false},
      {"day with no year or month", "", "", "01", ids::kDayEdit, "32", "31", "31", true},
      {"day kept", "2024", "02", "01", ids::kDayEdit, "09", "09", "09", false},
      {"hour above", "2024", "02", "29", ids::kHourEdit, "24", "23", "29", true},
      {"minute above", "2024", "02", "29", ids::kMinuteEdit, "75", "59", "29", true},
      {"second above", "2024", "02", "29", ids::kSecondEdit, "60", "59", "29", true},
      {"minute emptied", "2024", "02", "29", ids::kMinuteEdit, "", "0", "29", false},
  };
  OpenedCamera& camera = Open();
  FakeSurface& ui = camera.ui;
  ASSERT_TRUE(ui.Pick(ids::kSetClockList, kClockInput));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(ui.Type(ids::kYearEdit, c.year));
    ASSERT_TRUE(ui.Type(ids::kMonthEdit, c.month));
    ASSERT_TRUE(ui.Type(ids::kDayEdit, c.day));
    ASSERT_TRUE(ui.Type(c.field, c.typed));
    trace.clear();
    ASSERT_TRUE(ui.FocusLost(c.field));
    EXPECT_EQ(ui.GetText(c.field), c.fieldAfter);
    EXPECT_EQ(ui.GetText(ids::kDayEdit), c.dayAfter);
    EXPECT_EQ(trace.contains("Input value error!"), c.traced);
    EXPECT_TRUE(ui.messages().empty());
  }
}

TEST_F(ClockEntryTest, DisabledFieldsAreNotClamped) {
  OpenedCamera& camera = Open();
  FakeSurface& ui = camera.ui;
  ASSERT_TRUE(ui.Pick(ids::kSetClockList, kClockOff));
  for (int id : kClockIds) {
    SCOPED_TRACE(id);
    ASSERT_TRUE(ui.FocusLost(id));
    EXPECT_EQ(ui.GetText(id), "");
  }
  // The empty fields keep the record's clock at the read-back.
  ASSERT_TRUE(ui.Click(ids::kGenerateButton));
  EXPECT_EQ(ReadMenu().Year, 0);
  EXPECT_EQ(ReadMenu().Month, 0);
}

TEST_F(ClockEntryTest, TypedClockReachesTheFile) {
  OpenedCamera& camera = Open();
  FakeSurface& ui = camera.ui;
  ASSERT_TRUE(ui.Pick(ids::kSetClockList, kClockInput));
  const struct {
    int id;
    const char* text;
  } typed[] = {{ids::kYearEdit, "2031"}, {ids::kMonthEdit, "12"},  {ids::kDayEdit, "31"},
               {ids::kHourEdit, "23"},   {ids::kMinuteEdit, "59"}, {ids::kSecondEdit, "58"}};
  for (const auto& t : typed) {
    ASSERT_TRUE(ui.Type(t.id, t.text));
    ASSERT_TRUE(ui.FocusLost(t.id));
  }
  platform.Advance(100);
  ASSERT_TRUE(ui.Tick(ids::kClockTimerId));
  ASSERT_TRUE(ui.Click(ids::kGenerateButton));
  const MenuData stored = ReadMenu();
  EXPECT_EQ(stored.Year, 2031);
  EXPECT_EQ(stored.Month, 12);
  EXPECT_EQ(stored.Day, 31);
  EXPECT_EQ(stored.Hour, 23);
  EXPECT_EQ(stored.Minute, 59);
  EXPECT_EQ(stored.Second, 58);
  EXPECT_EQ(stored.ClockZone, PackClockZone(kPcZoneRow, kClockInput));
  EXPECT_EQ(ui.messages().size(), 1u);
}

TEST(ClockText, ReadsTheLeadingNumberOfItsFirstCharacters) {
  struct Case {
    const char* text;
    std::size_t maxChars;
    std::optional<int> value;
  };
  const Case cases[] = {
      {"2024", 4, 2024},     {"20245", 4, 2024},      {"07", 2, 7}, {"123", 2, 12},
      {"", 2, std::nullopt}, {"a1", 2, std::nullopt}, {"1a", 2, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseClockText(c.text, c.maxChars), c.value);
  }
}

}  // namespace
}  // namespace camera_test
