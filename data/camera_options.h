// The camera option catalogue: every camera setting's rows in both
// languages and the mapping between a selected row and the stored value.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "data/text_pair.h"

using OptionRows = std::span<const TextPair>;

// Fixed lists, in the order of the screen.
extern const OptionRows kCapModeRows;       // Camera, Video, Camera+Video
extern const OptionRows kImgSizeRows;       // 12 MP, 5 MP, 2 MP
extern const OptionRows kVideoSizeRows;     // 1440x1080, 720P, VGA
extern const OptionRows kPicNumRows;        // 01 Photo .. 03 Photos
extern const OptionRows kSenseLevelRows;    // Normal, High, Low, Off
extern const OptionRows kDateFormatRows;    // YYMMDD, DDMMYY, MMDDYY
extern const OptionRows kMenuLanguageRows;  // 14 camera menu languages
extern const OptionRows kClockModeRows;     // Auto, Input, Off
extern const OptionRows kIntervalUnitRows;  // Sec, Min
extern const OptionRows OffOnList;          // Off, On
extern const OptionRows OnOffList;          // On, Off

// Generated number lists, "%d": first..last.
std::vector<std::string> NumberRows(int first, int last);
std::vector<std::string> HourRows();          // "0".."23"
std::vector<std::string> MinuteSecondRows();  // "0".."59"
std::vector<std::string> OneToSixtyRows();    // "1".."60" (row = value - 1)

// "0".."9" then "A".."Z".
inline constexpr char SerialAlphabet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
inline constexpr int kSerialAlphabetSize = 36;
std::vector<std::string> SerialRows();

// 25 rows, UTC-12 .. UTC+12 ("UTC-%02d" / "UTC+%02d").
inline constexpr int kTimeZoneRows = 25;
std::vector<std::string> TimeZoneList();

// Interval: unit 0 Sec ("0".."59", value = row), 1 Min ("1".."60", value = row + 60).
inline constexpr int kIntervalSec = 0;
inline constexpr int kIntervalMin = 1;
struct IntervalRows {
  int unit;
  int numberRow;
};
IntervalRows IntervalFromValue(std::uint8_t value);
// Row -1 (no selection) gives the low 8 bits of the computed value.
std::uint8_t IntervalValue(int unit, int numberRow);
std::vector<std::string> IntervalNumberRows(int unit);
// The row that keeps the shown number when the unit switches. Min "60" to
// Sec has no such row: the last row, "59", is selected.
int SwitchIntervalRow(int fromUnit, int toUnit, int numberRow);

// 28..31; February has 29 in leap years (by 4, not by 100, or by 400).
int DaysInMonth(int year, int month);

// Clock field ranges.
inline constexpr std::uint16_t kYearMin = 2016;
inline constexpr std::uint16_t kYearMax = 2099;

// Repairs applied when the screen shows the record.
std::uint8_t RepairTimeZoneIndex(std::uint8_t index);  // above 24 -> 12
std::uint8_t RepairMenuLanguage(std::uint8_t value);   // 0 -> 1
std::uint8_t RepairVideoLen(std::uint8_t value);       // above 59 -> 9

// The byte stored for a list row, -1 (no selection) included: low 8 bits.
constexpr std::uint8_t StoredRow(int row) { return static_cast<std::uint8_t>(row); }
