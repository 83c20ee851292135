// What the screens ask of the system, behind an interface so that native
// tests can fix the clock, the language, the folders and the time zone.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct LocalTime {
  int year;
  int month;
  int day;
  int hour;
  int minute;
  int second;
};

class Platform {
 public:
  virtual ~Platform() = default;
  virtual LocalTime Now() = 0;                                // GetLocalTime
  virtual std::uint16_t SystemDefaultLangId() = 0;            // GetSystemDefaultLangID
  virtual std::optional<std::string> CurrentDirectory() = 0;  // GetCurrentDirectoryA
  // The shell's folder picker (file-system folders only, owned by the
  // foreground window); nothing when the user cancels.
  virtual std::optional<std::string> PickFolder() = 0;
  virtual int EpochLocalHour() = 0;  // local hour of time 0
};
