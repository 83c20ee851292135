#include "data/camera_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/input_checks.h"
#include "support/test_support.h"

namespace {

// ---------------------------------------------------------------- fixed lists

struct ListCase {
  const char* name;
  OptionRows rows;
  std::size_t count;
  TextPair first;
  TextPair last;
};

TEST(CameraOptionLists, HaveTheirRowsInScreenOrder) {
  const ListCase cases[] = {
      {"mode", kCapModeRows, 3, {"拍照", "Camera"}, {"拍照+录像", "Camera+Video"}},
      {"image size", kImgSizeRows, 3, {"12 MP", "12 MP"}, {"2 MP", "2 MP"}},
      {"video size", kVideoSizeRows, 3, {"1440x1080", "1440x1080"}, {"VGA", "VGA"}},
      {"picture number", kPicNumRows, 3, {"01 张", "01 Photo"}, {"03 张", "03 Photos"}},
      {"sense level", kSenseLevelRows, 4, {"正常", "Normal"}, {"关闭", "Off"}},
      {"date format", kDateFormatRows, 3, {"年月日", "YYMMDD"}, {"月日年", "MMDDYY"}},
      {"menu language", kMenuLanguageRows, 14, {"简体中文", "Chinese"}, {"波兰语", "Polish"}},
      {"clock mode", kClockModeRows, 3, {"自动获取", "Auto"}, {"关闭", "Off"}},
      {"interval unit", kIntervalUnitRows, 2, {"秒钟", "Sec"}, {"分钟", "Min"}},
      {"off/on", OffOnList, 2, {"关", "Off"}, {"开", "On"}},
      {"on/off", OnOffList, 2, {"开", "On"}, {"关", "Off"}},
  };
  for (const ListCase& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(c.rows.size(), c.count);
    EXPECT_STREQ(c.rows.front().zh, c.first.zh);
    EXPECT_STREQ(c.rows.front().en, c.first.en);
    EXPECT_STREQ(c.rows.back().zh, c.last.zh);
    EXPECT_STREQ(c.rows.back().en, c.last.en);
    for (const TextPair& row : c.rows) {
      EXPECT_NE(row.zh, nullptr);
      EXPECT_NE(row.en, nullptr);
    }
  }
}

TEST(CameraOptionLists, PickTheLanguageByIndex) {
  EXPECT_STREQ(PickText(kSenseLevelRows[1], 0), "高");
  EXPECT_STREQ(PickText(kSenseLevelRows[1], 1), "High");
  EXPECT_STREQ(PickText(kPicNumRows[1], 1), "02 Photos");
  EXPECT_STREQ(PickText(kDateFormatRows[1], 0), "日月年");
}

TEST(CameraOptionLists, MenuLanguageIsStoredAsRowPlusOne) {
  // Stored 2 is row 1; 14 is row 13; 0 is repaired to 1 and shows row 0.
  EXPECT_STREQ(kMenuLanguageRows[2 - 1].zh, "英语");
  EXPECT_STREQ(kMenuLanguageRows[2 - 1].en, "English");
  EXPECT_STREQ(kMenuLanguageRows[14 - 1].zh, "波兰语");
  EXPECT_STREQ(kMenuLanguageRows[14 - 1].en, "Polish");
  EXPECT_EQ(RepairMenuLanguage(0), 1);
  EXPECT_STREQ(kMenuLanguageRows[RepairMenuLanguage(0) - 1].en, "Chinese");
  EXPECT_EQ(RepairMenuLanguage(2), 2);
  EXPECT_EQ(RepairMenuLanguage(14), 14);
  EXPECT_EQ(kMenuLanguageRows[7].en, std::string("Slovenian"));
  EXPECT_EQ(kMenuLanguageRows[9].zh, std::string("日语"));
}

TEST(CameraOptionLists, NoSelectionStoresTheLowByteOfMinusOne) {
  EXPECT_EQ(StoredRow(-1), 255);
  EXPECT_EQ(StoredRow(0), 0);
  EXPECT_EQ(StoredRow(35), 35);
}

// ---------------------------------------------------------------- number lists

TEST(CameraNumberLists, ShowPlainDecimalNumbers) {
  const std::vector<std::string> hours = HourRows();
  ASSERT_EQ(hours.size(), 24u);
  EXPECT_EQ(hours.front(), "0");
  EXPECT_EQ(hours[7], "7");  // no leading zero
  EXPECT_EQ(hours.back(), "23");

  const std::vector<std::string> minutes = MinuteSecondRows();
  ASSERT_EQ(minutes.size(), 60u);
  EXPECT_EQ(minutes.front(), "0");
  EXPECT_EQ(minutes.back(), "59");

  const std::vector<std::string> oneToSixty = OneToSixtyRows();
  ASSERT_EQ(oneToSixty.size(), 60u);
  EXPECT_EQ(oneToSixty.front(), "1");
  EXPECT_EQ(oneToSixty.back(), "60");
  // VideoLen 9 is ten seconds.
  EXPECT_EQ(oneToSixty[9], "10");

  EXPECT_EQ(NumberRows(-2, 1), (std::vector<std::string>{"-2", "-1", "0", "1"}));
  EXPECT_TRUE(NumberRows(5, 4).empty());
}

TEST(CameraNumberLists, SerialAlphabetIsDigitsThenLetters) {
  const std::vector<std::string> rows = SerialRows();
  ASSERT_EQ(rows.size(), 36u);
  const std::pair<int, const char*> cases[] = {
      {0, "0"}, {9, "9"}, {10, "A"}, {11, "B"}, {12, "C"}, {35, "Z"},
  };
  for (const auto& [row, text] : cases) EXPECT_EQ(rows[row], text) << "row " << row;
  for (const std::string& row : rows) EXPECT_EQ(row.size(), 1u);
}

TEST(CameraNumberLists, TimeZoneRowsRunFromMinusToPlusTwelve) {
  const std::vector<std::string> rows = TimeZoneList();
  ASSERT_EQ(rows.size(), 25u);
  const std::pair<int, const char*> cases[] = {
      {0, "UTC-12"},  {1, "UTC-11"},  {11, "UTC-01"}, {12, "UTC+00"},
      {13, "UTC+01"}, {20, "UTC+08"}, {24, "UTC+12"},
  };
  for (const auto& [row, text] : cases) EXPECT_EQ(rows[row], text) << "row " << row;
}

// ---------------------------------------------------------------- interval

TEST(Interval, StoredValueSelectsUnitAndNumber) {
  struct Case {
    std::uint8_t value;
    int unit;
    int numberRow;
    const char* shown;
  };
  const Case cases[] = {
      {0, kIntervalSec, 0, "0"},  {30, kIntervalSec, 30, "30"}, {59, kIntervalSec, 59, "59"},
      {60, kIntervalMin, 0, "1"}, {65, kIntervalMin, 5, "6"},   {119, kIntervalMin, 59, "60"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("value " + std::to_string(c.value));
    const IntervalRows rows = IntervalFromValue(c.value);
    EXPECT_EQ(rows.unit, c.unit);
    EXPECT_EQ(rows.numberRow, c.numberRow);
    EXPECT_EQ(IntervalNumberRows(rows.unit).at(rows.numberRow), c.shown);
    EXPECT_EQ(IntervalValue(rows.unit, rows.numberRow), c.value);
  }
}

TEST(Interval, EveryValueSurvivesTheRoundTrip) {
  for (int value = 0; value <= 119; ++value) {
    const IntervalRows rows = IntervalFromValue(static_cast<std::uint8_t>(value));
    ASSERT_GE(rows.numberRow, 0);
    ASSERT_LT(rows.numberRow, 60);
    EXPECT_EQ(IntervalValue(rows.unit, rows.numberRow), value);
  }
}

TEST(Interval, UnitListsHaveTheirOwnNumbers) {
  const std::vector<std::string> sec = IntervalNumberRows(kIntervalSec);
  const std::vector<std::string> min = IntervalNumberRows(kIntervalMin);
  ASSERT_EQ(sec.size(), 60u);
  ASSERT_EQ(min.size(), 60u);
  EXPECT_EQ(sec.front(), "0");
  EXPECT_EQ(sec.back(), "59");
  EXPECT_EQ(min.front(), "1");
  EXPECT_EQ(min.back(), "60");
}

TEST(Interval, NoNumberSelectedStoresTheLowByte) {
  EXPECT_EQ(IntervalValue(kIntervalMin, -1), 59);
  EXPECT_EQ(IntervalValue(kIntervalSec, -1), 255);
}

TEST(Interval, UnitSwitchKeepsTheShownNumber) {
  struct Case {
    int from, to, row, expected;
  };
  const Case cases[] = {
      {kIntervalSec, kIntervalMin, 0, 0},    // "0" has no minute twin: "1"
      {kIntervalSec, kIntervalMin, 5, 4},    // "5" stays "5"
      {kIntervalSec, kIntervalMin, 59, 58},  // "59"
      {kIntervalMin, kIntervalSec, 4, 5},    // "5" stays "5"
      {kIntervalMin, kIntervalSec, 0, 1},    // "1"
      {kIntervalMin, kIntervalSec, 59, 59},  // "60" has no second twin: "59"
      {kIntervalSec, kIntervalSec, 7, 7},   {kIntervalMin, kIntervalMin, 7, 7},
      {kIntervalSec, kIntervalMin, -1, -1},  // nothing shown stays unselected
      {kIntervalMin, kIntervalSec, -1, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SwitchIntervalRow(c.from, c.to, c.row), c.expected)
        << "unit " << c.from << " -> " << c.to << ", row " << c.row;
  }
}

TEST(Interval, UnitSwitchAlwaysLandsOnARow) {
  for (int from : {kIntervalSec, kIntervalMin}) {
    const int to = 1 - from;
    const std::vector<std::string> fromRows = IntervalNumberRows(from);
    const std::vector<std::string> toRows = IntervalNumberRows(to);
    for (int row = 0; row < 60; ++row) {
      const int switched = SwitchIntervalRow(from, to, row);
      ASSERT_GE(switched, 0);
      ASSERT_LT(switched, 60);
      const bool hasTwin =
          !(from == kIntervalSec && row == 0) && !(from == kIntervalMin && row == 59);
      if (hasTwin) {
        EXPECT_EQ(toRows[switched], fromRows[row]) << "unit " << from << " row " << row;
      }
    }
  }
}

// ---------------------------------------------------------------- clock

TEST(DaysInMonth, FollowsTheGregorianLeapRule) {
  struct Case {
    int year, month, days;
  };
  const Case cases[] = {
      {2000, 2, 29}, {2024, 2, 29}, {2100, 2, 28},  {2023, 2, 28},  {2016, 2, 29},  {2099, 2, 28},
      {2023, 1, 31}, {2023, 3, 31}, {2023, 4, 30},  {2023, 5, 31},  {2023, 6, 30},  {2023, 7, 31},
      {2023, 8, 31}, {2023, 9, 30}, {2023, 10, 31}, {2023, 11, 30}, {2023, 12, 31}, {2024, 4, 30},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DaysInMonth(c.year, c.month), c.days) << c.year << "-" << c.month;
  }
}

TEST(DaysInMonth, MonthOutsideTheYearDoesNotLimitTheDayBelow31) {
  EXPECT_EQ(DaysInMonth(2024, 0), 31);
  EXPECT_EQ(DaysInMonth(2024, 13), 31);
}

TEST(DayClamp, LeavingTheMonthCutsTheDayToTheMonthsLength) {
  TraceCapture trace;
  // 2023-02-30: the day becomes 28.
  ClampResult day = ClampNumericInput("30", 1, static_cast<std::uint16_t>(DaysInMonth(2023, 2)));
  EXPECT_EQ(day.text, "28");
  day = ClampNumericInput("29", 1, static_cast<std::uint16_t>(DaysInMonth(2024, 2)));
  EXPECT_EQ(day.text, "29");
  day = ClampNumericInput("31", 1, static_cast<std::uint16_t>(DaysInMonth(2024, 4)));
  EXPECT_EQ(day.text, "30");
}

// ---------------------------------------------------------------- repairs

TEST(Repairs, ReplaceOnlyValuesWithoutARow) {
  EXPECT_EQ(RepairTimeZoneIndex(0), 0);
  EXPECT_EQ(RepairTimeZoneIndex(24), 24);
  EXPECT_EQ(RepairTimeZoneIndex(25), 12);
  EXPECT_EQ(RepairTimeZoneIndex(31), 12);
  EXPECT_EQ(RepairTimeZoneIndex(255), 12);
  EXPECT_EQ(TimeZoneList()[RepairTimeZoneIndex(24)], "UTC+12");
  EXPECT_EQ(TimeZoneList()[RepairTimeZoneIndex(25)], "UTC+00");

  EXPECT_EQ(RepairVideoLen(0), 0);
  EXPECT_EQ(RepairVideoLen(59), 59);
  EXPECT_EQ(RepairVideoLen(60), 9);
  EXPECT_EQ(RepairVideoLen(255), 9);
  EXPECT_EQ(OneToSixtyRows()[RepairVideoLen(200)], "10");
}

}  // namespace
