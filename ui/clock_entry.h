// The camera clock on the Camera Setup screen: the Set Clock list and the six
// typed clock fields (year, month, day, hour, minute, second).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "ui/control_surface.h"
#include "ui/platform.h"

// A clock field as the screen reads it: its id, how many characters of it
// count, and the range its focus-loss clamp keeps it in (the day's maximum
// depends on the year and month shown).
struct ClockField {
  int id;
  std::size_t maxChars;
  int minimum;
  int maximum;
};
// In screen order: year, month, day, hour, minute, second.
inline constexpr std::size_t kClockFieldCount = 6;
extern const ClockField kClockFields[kClockFieldCount];

// The clock field with this id, or null.
const ClockField* FindClockField(int id);

// The decimal number at the start of the first `maxChars` characters of a
// field's text; nothing when they start with no digit.
std::optional<int> ParseClockText(std::string_view text, std::size_t maxChars);

// Days of the month the fields show; a year or month that holds no number
// counts as 2016 and 1.
int ShownDaysInMonth(ControlSurface& ui);

// ClockMode of the record: bits 0-1 of byte 13, whether or not a read-back
// has packed the time zone into the byte since the last load.
std::uint8_t CurrentClockMode();

// Puts the PC's local date and time into the six fields ("%04d", "%02d").
void ShowLiveClock(ControlSurface& ui, Platform& platform);

// Every second while the screen is open: the live clock in Auto mode only.
void ClockTimerTick(ControlSurface& ui, Platform& platform);

// Enables or disables the six fields together.
void EnableClockFields(ControlSurface& ui, bool enabled);

// Set Clock row picked: stores the mode in byte 13, enables the fields for
// Input, empties them for Off and otherwise shows the live clock once.
void SetClockPicked(ControlSurface& ui, Platform& platform, int row);

// Text of a clock field changed: non-digits are removed at once.
void ClockFieldChanged(ControlSurface& ui, int id);

// A clock field lost the focus: its range clamp, and the day clamp after the
// year or the month. Silent: the high-value flag shows nothing here. A
// disabled field (Auto or Off mode) is left as it is.
void ClockFieldLostFocus(ControlSurface& ui, int id);

// Sets the day to the last day of the shown month when it lies beyond it.
void ApplyDayClamp(ControlSurface& ui);
