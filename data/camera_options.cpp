#include "data/camera_options.h"

#include <cstdint>
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

namespace {

// clang-format off
constexpr TextPair kCapModeTexts[] = {
  {"拍照",      "Camera"},
  {"录像",      "Video"},
  {"拍照+录像", "Camera+Video"},
};

constexpr TextPair kImgSizeTexts[] = {
  {"12 MP", "12 MP"},
  {"5 MP",  "5 MP"},
  {"2 MP",  "2 MP"},
};

constexpr TextPair kVideoSizeTexts[] = {
  {"1440x1080", "1440x1080"},
  {"720P",      "720P"},
  {"VGA",       "VGA"},
};

constexpr TextPair kPicNumTexts[] = {
  {"01 张", "01 Photo"},
  {"02 张", "02 Photos"},
  {"03 张", "03 Photos"},
};

constexpr TextPair kSenseLevelTexts[] = {
  {"正常", "Normal"},
  {"高",   "High"},
  {"低",   "Low"},
  {"关闭", "Off"},
};

constexpr TextPair kDateFormatTexts[] = {
  {"年月日", "YYMMDD"},
  {"日月年", "DDMMYY"},
  {"月日年", "MMDDYY"},
};

// Stored as row + 1.
constexpr TextPair kMenuLanguageTexts[] = {
  {"简体中文",     "Chinese"},    //  0
  {"英语",         "English"},    //  1
  {"德语",         "German"},     //  2
  {"芬兰语",       "Finnish"},    //  3
  {"意大利语",     "Italian"},    //  4
  {"法语",         "French"},     //  5
  {"匈牙利语",     "Hungarian"},  //  6
  {"斯洛文尼亚语", "Slovenian"},  //  7
  {"捷克语",       "Czech"},      //  8
  {"日语",         "Japanese"},   //  9
  {"丹麦语",       "Danish"},     // 10
  {"荷兰语",       "Dutch"},      // 11
  {"俄语",         "Russian"},    // 12
  {"波兰语",       "Polish"},     // 13
};

constexpr TextPair kClockModeTexts[] = {
  {"自动获取", "Auto"},
  {"手动输入", "Input"},
  {"关闭",     "Off"},
};

constexpr TextPair kIntervalUnitTexts[] = {
  {"秒钟", "Sec"},
  {"分钟", "Min"},
};

constexpr TextPair kOffOnTexts[] = {
  {"关", "Off"},
  {"开", "On"},
};

constexpr TextPair kOnOffTexts[] = {
  {"开", "On"},
  {"关", "Off"},
};
// clang-format on

static_assert(std::size(kMenuLanguageTexts) == 14);

}  // namespace

constinit const OptionRows kCapModeRows{kCapModeTexts};
constinit const OptionRows kImgSizeRows{kImgSizeTexts};
constinit const OptionRows kVideoSizeRows{kVideoSizeTexts};
constinit const OptionRows kPicNumRows{kPicNumTexts};
constinit const OptionRows kSenseLevelRows{kSenseLevelTexts};
constinit const OptionRows kDateFormatRows{kDateFormatTexts};
constinit const OptionRows kMenuLanguageRows{kMenuLanguageTexts};
constinit const OptionRows kClockModeRows{kClockModeTexts};
constinit const OptionRows kIntervalUnitRows{kIntervalUnitTexts};
constinit const OptionRows OffOnList{kOffOnTexts};
constinit const OptionRows OnOffList{kOnOffTexts};

std::vector<std::string> NumberRows(int first, int last) {
  std::vector<std::string> rows;
  if (last < first) return rows;
  rows.reserve(static_cast<std::size_t>(last - first) + 1);
  for (int n = first; n <= last; ++n) rows.push_back(std::to_string(n));
  return rows;
}

std::vector<std::string> HourRows() { return NumberRows(0, 23); }
std::vector<std::string> MinuteSecondRows() { return NumberRows(0, 59); }
std::vector<std::string> OneToSixtyRows() { return NumberRows(1, 60); }

std::vector<std::string> SerialRows() {
  std::vector<std::string> rows;
  rows.reserve(kSerialAlphabetSize);
  for (int i = 0; i < kSerialAlphabetSize; ++i) rows.emplace_back(1, SerialAlphabet[i]);
  return rows;
}
static_assert(sizeof(SerialAlphabet) - 1 == kSerialAlphabetSize);

std::vector<std::string> TimeZoneList() {
  std::vector<std::string> rows;
  rows.reserve(kTimeZoneRows);
  for (int row = 0; row < kTimeZoneRows; ++row) {
    const int offset = row - 12;
    char text[16];
    if (offset < 0) {
      std::snprintf(text, sizeof text, "UTC-%02d", -offset);
    } else {
      std::snprintf(text, sizeof text, "UTC+%02d", offset);
    }
    rows.emplace_back(text);
  }
  return rows;
}

namespace {
// Unit Min shows "1".."60" and stores 60..119.
constexpr int kMinuteBase = 60;
constexpr int kNumberRowsPerUnit = 60;
}  // namespace

IntervalRows IntervalFromValue(std::uint8_t value) {
  if (value >= kMinuteBase) return {kIntervalMin, value - kMinuteBase};
  return {kIntervalSec, value};
}

std::uint8_t IntervalValue(int unit, int numberRow) {
  const int value = unit == kIntervalMin ? numberRow + kMinuteBase : numberRow;
  return static_cast<std::uint8_t>(value);
}

std::vector<std::string> IntervalNumberRows(int unit) {
  return unit == kIntervalMin ? OneToSixtyRows() : MinuteSecondRows();
}

int SwitchIntervalRow(int fromUnit, int toUnit, int numberRow) {
  // Nothing shown, nothing to keep.
  if (fromUnit == toUnit || numberRow < 0) return numberRow;
  if (toUnit == kIntervalMin) {
    // Sec "n" is Min row n - 1; Sec "0" has no minute twin and becomes "1".
    return numberRow > 0 ? numberRow - 1 : 0;
  }
  // Min "n" is Sec row n + 1; Min "60" has none and becomes the last, "59".
  const int row = numberRow + 1;
  return row < kNumberRowsPerUnit ? row : kNumberRowsPerUnit - 1;
}

int DaysInMonth(int year, int month) {
  constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  // A month the clock cannot hold puts no limit on the day beyond 31.
  if (month < 1 || month > 12) return 31;
  if (month == 2 && ((year % 4 == 0 && year % 100 != 0) || year % 400 == 0)) return 29;
  return kDays[month - 1];
}

std::uint8_t RepairTimeZoneIndex(std::uint8_t index) {
  return index >= kTimeZoneRows ? std::uint8_t{12} : index;
}

std::uint8_t RepairMenuLanguage(std::uint8_t value) { return value == 0 ? std::uint8_t{1} : value; }

std::uint8_t RepairVideoLen(std::uint8_t value) { return value > 59 ? std::uint8_t{9} : value; }
