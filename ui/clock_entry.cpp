#include "ui/clock_entry.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "data/camera_options.h"
#include "data/input_checks.h"
#include "files/menu_data.h"
#include "ui/control_ids.h"

namespace ids = camera_setup_ids;

const ClockField kClockFields[kClockFieldCount] = {
    {ids::kYearEdit, 4, kYearMin, kYearMax},
    {ids::kMonthEdit, 2, 1, 12},
    {ids::kDayEdit, 2, 1, 31},
    {ids::kHourEdit, 2, 0, 23},
    {ids::kMinuteEdit, 2, 0, 59},
    {ids::kSecondEdit, 2, 0, 59},
};

namespace {

std::string Formatted(const char* format, int value) {
  char text[16];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

int ShownNumber(ControlSurface& ui, const ClockField& field, int fallback) {
  return ParseClockText(ui.GetText(field.id), field.maxChars).value_or(fallback);
}

}  // namespace

const ClockField* FindClockField(int id) {
  for (const ClockField& field : kClockFields)
    if (field.id == id) return &field;
  return nullptr;
}

std::optional<int> ParseClockText(std::string_view text, std::size_t maxChars) {
  text = text.substr(0, std::min(maxChars, text.size()));
  if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
  }
  return value;
}

int ShownDaysInMonth(ControlSurface& ui) {
  const int year = ShownNumber(ui, kClockFields[0], kYearMin);
  const int month = ShownNumber(ui, kClockFields[1], 1);
  return DaysInMonth(year, month);
}

std::uint8_t CurrentClockMode() { return g_sMenuData.ClockZone & kClockModeMask; }

void ShowLiveClock(ControlSurface& ui, Platform& platform) {
  const LocalTime now = platform.Now();
  ui.SetText(ids::kYearEdit, Formatted("%04d", now.year));
  ui.SetText(ids::kMonthEdit, Formatted("%02d", now.month));
  ui.SetText(ids::kDayEdit, Formatted("%02d", now.day));
  ui.SetText(ids::kHourEdit, Formatted("%02d", now.hour));
  ui.SetText(ids::kMinuteEdit, Formatted("%02d", now.minute));
  ui.SetText(ids::kSecondEdit, Formatted("%02d", now.second));
}

void ClockTimerTick(ControlSurface& ui, Platform& platform) {
  if (CurrentClockMode() == kClockAuto) ShowLiveClock(ui, platform);
}

void EnableClockFields(ControlSurface& ui, bool enabled) {
  for (const ClockField& field : kClockFields) ui.Enable(field.id, enabled);
}

void SetClockPicked(ControlSurface& ui, Platform& platform, int row) {
  if (row < 0) return;  // a list without a selection picks no mode
  g_sMenuData.ClockZone = static_cast<std::uint8_t>(row);
  EnableClockFields(ui, row == kClockInput);
  if (row == kClockOff) {
    for (const ClockField& field : kClockFields) ui.SetText(field.id, "");
  } else {
    ShowLiveClock(ui, platform);
  }
}

void ClockFieldChanged(ControlSurface& ui, int id) {
  FilterResult filtered = FilterInputChars(ui.GetText(id), kDigitChars);
  if (!filtered.caret) return;
  // Setting the text changes it again; the filter then finds nothing.
  ui.SetText(id, filtered.text);
  ui.SetCaret(id, static_cast<int>(*filtered.caret));
}

void ClockFieldLostFocus(ControlSurface& ui, int id) {
  const ClockField* field = FindClockField(id);
  // A disabled field holds what the mode put there (the live clock, or
  // nothing in Off mode), not typing: clamping it would turn an empty Off
  // field into a date the read-back then stores.
  if (field == nullptr || !ui.IsEnabled(id)) return;
  const int maximum = id == ids::kDayEdit ? ShownDaysInMonth(ui) : field->maximum;
  const std::string text = ui.GetText(id);
  const ClampResult clamped = ClampNumericInput(text, static_cast<std::uint16_t>(field->minimum),
                                                static_cast<std::uint16_t>(maximum));
  if (clamped.text != text) ui.SetText(id, clamped.text);
  if (id == ids::kYearEdit || id == ids::kMonthEdit) ApplyDayClamp(ui);
}

void ApplyDayClamp(ControlSurface& ui) {
  const int days = ShownDaysInMonth(ui);
  if (ShownNumber(ui, kClockFields[2], 1) > days) ui.SetText(ids::kDayEdit, Formatted("%d", days));
}
