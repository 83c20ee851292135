// menu.dat: the camera's own menu, the 44-byte image of MenuData.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

static_assert(std::endian::native == std::endian::little,
              "the records are the files' little-endian byte images");

inline constexpr const char* kMenuDataFileName = "menu.dat";
inline constexpr std::size_t kMenuDataSize = 44;
inline constexpr std::uint16_t kMenuDataFlag = 0x8081;

// ClockZone (byte 13): bits 0-1 ClockMode, bits 2-6 time zone row, bit 7 set
// on every write so that row 0 can be told from a byte without a zone.
inline constexpr std::uint8_t kClockModeMask = 0x03;
inline constexpr std::uint8_t kZoneRowMask = 0x7C;
inline constexpr std::uint8_t kZonePresentBit = 0x80;

enum ClockMode : std::uint8_t { kClockAuto = 0, kClockInput = 1, kClockOff = 2 };

struct MenuData {
  std::uint8_t CapMode;
  std::uint8_t ImgSize;
  std::uint8_t VideoSize;
  std::uint8_t PicNum;
  std::uint8_t TimeStamp;
  std::uint8_t SenseLevel;
  std::uint8_t SidePir;
  std::uint8_t VideoLen;  // seconds - 1
  std::uint8_t Interval;  // 0..59 seconds; 60..119 = 1..60 minutes
  std::uint8_t DateFormat;
  std::uint8_t BeepSound;
  std::uint8_t SdCycle;
  std::uint8_t MenuLanguage;  // language row + 1
  std::uint8_t ClockZone;
  std::uint16_t Year;
  std::uint8_t Month;
  std::uint8_t Day;
  std::uint8_t Hour;
  std::uint8_t Minute;
  std::uint8_t Second;
  std::uint8_t Timer1On;
  std::uint8_t Timer1StartHour;
  std::uint8_t Timer1StartMin;
  std::uint8_t Timer1EndHour;
  std::uint8_t Timer1EndMin;
  std::uint8_t Timer2On;
  std::uint8_t Timer2StartHour;
  std::uint8_t Timer2StartMin;
  std::uint8_t Timer2EndHour;
  std::uint8_t Timer2EndMin;
  std::uint8_t SerialOn;
  std::uint8_t SerialChars[4];
  std::uint8_t TimeLapse;  // 0 On, 1 Off
  std::uint8_t TimeLapseHour;
  std::uint8_t TimeLapseMin;
  std::uint8_t TimeLapseSec;
  std::uint8_t Reserved1;
  std::uint8_t Reserved2;
  std::uint16_t Flag;
};

static_assert(sizeof(MenuData) == kMenuDataSize);
static_assert(offsetof(MenuData, CapMode) == 0);
static_assert(offsetof(MenuData, ImgSize) == 1);
static_assert(offsetof(MenuData, VideoSize) == 2);
static_assert(offsetof(MenuData, PicNum) == 3);
static_assert(offsetof(MenuData, TimeStamp) == 4);
static_assert(offsetof(MenuData, SenseLevel) == 5);
static_assert(offsetof(MenuData, SidePir) == 6);
static_assert(offsetof(MenuData, VideoLen) == 7);
static_assert(offsetof(MenuData, Interval) == 8);
static_assert(offsetof(MenuData, DateFormat) == 9);
static_assert(offsetof(MenuData, BeepSound) == 10);
static_assert(offsetof(MenuData, SdCycle) == 11);
static_assert(offsetof(MenuData, MenuLanguage) == 12);
static_assert(offsetof(MenuData, ClockZone) == 13);
static_assert(offsetof(MenuData, Year) == 14);
static_assert(offsetof(MenuData, Month) == 16);
static_assert(offsetof(MenuData, Day) == 17);
static_assert(offsetof(MenuData, Hour) == 18);
static_assert(offsetof(MenuData, Minute) == 19);
static_assert(offsetof(MenuData, Second) == 20);
static_assert(offsetof(MenuData, Timer1On) == 21);
static_assert(offsetof(MenuData, Timer1StartHour) == 22);
static_assert(offsetof(MenuData, Timer1StartMin) == 23);
static_assert(offsetof(MenuData, Timer1EndHour) == 24);
static_assert(offsetof(MenuData, Timer1EndMin) == 25);
static_assert(offsetof(MenuData, Timer2On) == 26);
static_assert(offsetof(MenuData, Timer2StartHour) == 27);
static_assert(offsetof(MenuData, Timer2StartMin) == 28);
static_assert(offsetof(MenuData, Timer2EndHour) == 29);
static_assert(offsetof(MenuData, Timer2EndMin) == 30);
static_assert(offsetof(MenuData, SerialOn) == 31);
static_assert(offsetof(MenuData, SerialChars) == 32);
static_assert(offsetof(MenuData, TimeLapse) == 36);
static_assert(offsetof(MenuData, TimeLapseHour) == 37);
static_assert(offsetof(MenuData, TimeLapseMin) == 38);
static_assert(offsetof(MenuData, TimeLapseSec) == 39);
static_assert(offsetof(MenuData, Reserved1) == 40);
static_assert(offsetof(MenuData, Reserved2) == 41);
static_assert(offsetof(MenuData, Flag) == 42);

// The clock captured at the last read-back of the camera screen; a year of
// 0 means nothing was captured and turns the load's clock check off.
struct ClockStamp {
  std::uint16_t year;
  std::uint8_t month;
  std::uint8_t day;
  std::uint8_t hour;
  std::uint8_t minute;
  std::uint8_t second;
};

// The one camera record of the process and its two companions.
extern MenuData g_sMenuData;
extern std::uint8_t TimeZoneIndex;  // row of the time zone list, 0..24
extern ClockStamp SaveClock;

// The factory record, as DefaultMenuData leaves g_sMenuData.
MenuData FactoryMenuData();

// Factory defaults; TimeZoneIndex and SaveClock are left alone.
void DefaultMenuData();

// Source of the local hour (0..23) of the instant 0 of the epoch; the
// default asks the C library's local-time conversion. Tests and the screen
// platform may replace it; null restores the default.
using EpochLocalHourFn = int (*)();
void SetEpochLocalHourSource(EpochLocalHourFn source);

// Row of the PC's time zone: the local hour of the epoch, as an offset.
std::uint8_t TimeZoneRowFromHour(int localHour);
void TimeZoneFromLocal();

// Byte 13 as the screen's read-back writes it.
std::uint8_t PackClockZone(std::uint8_t timeZoneRow, std::uint8_t clockMode);

bool LoadMenuData();

// Sets Flag and writes g_sMenuData as menu.dat. Returns 1 when the file now
// holds the record; on 0 a previous file is left intact.
int StoreMenuData();

// The same under another file name in SavePath (a backup copy, say); the
// command-line tool edits such files in place.
bool LoadMenuDataFrom(const char* fileName);
int StoreMenuDataAs(const char* fileName);
