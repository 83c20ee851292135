#include "files/menu_data.h"

#include <cstring>
#include <ctime>

#include "files/codec.h"
#include "files/trace.h"

MenuData g_sMenuData{};
std::uint8_t TimeZoneIndex = 0;
ClockStamp SaveClock{};

namespace {

int LibraryEpochLocalHour() {
  const std::time_t epoch = 0;
  std::tm local{};
#if defined(_WIN32)
  if (localtime_s(&local, &epoch) != 0) return 0;
#else
  if (localtime_r(&epoch, &local) == nullptr) return 0;
#endif
  return local.tm_hour;
}

EpochLocalHourFn g_epochLocalHour = LibraryEpochLocalHour;

void FillMenuImage(std::uint8_t* image) {
  g_sMenuData.Flag = kMenuDataFlag;
  Trace("[W]Flag = 0x%04X\n", g_sMenuData.Flag);
  std::memcpy(image, &g_sMenuData, kMenuDataSize);
}

}  // namespace

MenuData FactoryMenuData() {
  MenuData m{};
  m.VideoSize = 1;
  m.SidePir = 1;
  m.VideoLen = 9;
  m.Interval = 60;
  m.DateFormat = 2;
  m.BeepSound = 1;
  m.MenuLanguage = 2;
  m.TimeLapse = 1;
  m.Reserved1 = 0x8F;
  m.Flag = kMenuDataFlag;
  return m;
}

void DefaultMenuData() { g_sMenuData = FactoryMenuData(); }

void SetEpochLocalHourSource(EpochLocalHourFn source) {
  g_epochLocalHour = source != nullptr ? source : LibraryEpochLocalHour;
}

std::uint8_t TimeZoneRowFromHour(int localHour) {
  const int offset = localHour > 12 ? localHour - 24 : localHour;
  return static_cast<std::uint8_t>(offset + 12);
}

void TimeZoneFromLocal() { TimeZoneIndex = TimeZoneRowFromHour(g_epochLocalHour()); }

std::uint8_t PackClockZone(std::uint8_t timeZoneRow, std::uint8_t clockMode) {
  return static_cast<std::uint8_t>((timeZoneRow << 2) | clockMode | kZonePresentBit);
}

bool LoadMenuData() { return LoadMenuDataFrom(kMenuDataFileName); }

bool LoadMenuDataFrom(const char* fileName) {
  TimeZoneFromLocal();
  Trace("___sizeof menu data:%d___\n", static_cast<int>(kMenuDataSize));
  if (!LoadSettingsFile(fileName, &g_sMenuData, kMenuDataSize, false)) return false;

  MenuData& m = g_sMenuData;
  Trace("CapMode = %d\n", m.CapMode);
  Trace("ImgSize = %d\n", m.ImgSize);
  Trace("Flag = 0x%04X\n", m.Flag);

  const std::uint8_t b = m.ClockZone;
  if ((b & 0xFC) != 0) TimeZoneIndex = static_cast<std::uint8_t>((b & kZoneRowMask) >> 2);
  m.ClockZone = b & kClockModeMask;

  if (SaveClock.year == 0) return true;
  const bool same = m.Year == SaveClock.year && m.Month == SaveClock.month &&
                    m.Day == SaveClock.day && m.Hour == SaveClock.hour &&
                    m.Minute == SaveClock.minute && m.Second == SaveClock.second;
  if (!same) {
    TraceLine("Save clock is different!");
    return false;
  }
  return true;
}

int StoreMenuData() { return StoreMenuDataAs(kMenuDataFileName); }

int StoreMenuDataAs(const char* fileName) {
  return StoreSettingsFile(fileName, kMenuDataSize, FillMenuImage);
}
