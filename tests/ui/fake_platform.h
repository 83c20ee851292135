// A system the tests set: clock, language, current directory, the answers
// the folder picker gives, and the time zone's hour at time 0.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "ui/platform.h"

class FakePlatform : public Platform {
 public:
  LocalTime now{2026, 5, 17, 9, 30, 0};
  std::uint16_t langId = 0x0409;
  // Nothing: GetCurrentDirectoryA fails.
  std::optional<std::string> currentDirectory = std::string("/fake/current");
  // Each PickFolder takes the next answer; nothing (or no answer left) is a
  // cancelled picker.
  std::deque<std::optional<std::string>> folderAnswers;
  int pickFolderCalls = 0;
  int epochLocalHour = 0;

  LocalTime Now() override { return now; }
  std::uint16_t SystemDefaultLangId() override { return langId; }
  std::optional<std::string> CurrentDirectory() override { return currentDirectory; }
  std::optional<std::string> PickFolder() override {
    ++pickFolderCalls;
    if (folderAnswers.empty()) return std::nullopt;
    std::optional<std::string> answer = folderAnswers.front();
    folderAnswers.pop_front();
    return answer;
  }
  int EpochLocalHour() override { return epochLocalHour; }

  // Moves the clock on (or back, for negative seconds) across days, months
  // and years.
  void Advance(long long seconds) {
    using namespace std::chrono;
    const sys_days day = year_month_day{year{now.year}, month{static_cast<unsigned>(now.month)},
                                        std::chrono::day{static_cast<unsigned>(now.day)}};
    const sys_seconds at = day + hours{now.hour} + minutes{now.minute} +
                           std::chrono::seconds{now.second} + std::chrono::seconds{seconds};
    const sys_days newDay = floor<days>(at);
    const year_month_day date{newDay};
    const hh_mm_ss<std::chrono::seconds> time{at - newDay};
    now = {static_cast<int>(date.year()),
           static_cast<int>(static_cast<unsigned>(date.month())),
           static_cast<int>(static_cast<unsigned>(date.day())),
           static_cast<int>(time.hours().count()),
           static_cast<int>(time.minutes().count()),
           static_cast<int>(time.seconds().count())};
  }
};
