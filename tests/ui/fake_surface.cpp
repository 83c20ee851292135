#include "tests/ui/fake_surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace {

const char* KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Unknown:
      return "unknown";
    case ControlKind::Edit:
      return "edit";
    case ControlKind::List:
      return "list";
    case ControlKind::Button:
      return "button";
    case ControlKind::CheckBox:
      return "check box";
    case ControlKind::Label:
      return "label";
  }
  return "?";
}

// A check box is a button that turned out to carry a check.
bool Compatible(ControlKind known, ControlKind revealed) {
  if (known == ControlKind::Unknown || revealed == ControlKind::Unknown) return true;
  if (known == revealed) return true;
  return (known == ControlKind::Button && revealed == ControlKind::CheckBox) ||
         (known == ControlKind::CheckBox && revealed == ControlKind::Button);
}

// At most `limit` bytes, cut back to the start of a UTF-8 character.
std::string_view CutToLimit(std::string_view text, int limit) {
  if (limit < 0 || text.size() <= static_cast<std::size_t>(limit)) return text;
  std::size_t end = static_cast<std::size_t>(limit);
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return text.substr(0, end);
}

std::string Str(int value) { return std::to_string(value); }

}  // namespace

void FakeSurface::Open() {
  if (screen_ == nullptr) {
    ADD_FAILURE() << "FakeSurface::Open without an attached screen";
    return;
  }
  screen_->OnOpen();
}

void FakeSurface::Declare(int id, ControlKind kind) { Touch(id, kind); }

void FakeSurface::Declare(std::initializer_list<int> ids, ControlKind kind) {
  for (int id : ids) Declare(id, kind);
}

ControlKind FakeSurface::KindOf(int id) const {
  const Control* control = Find(id);
  return control == nullptr ? ControlKind::Unknown : control->kind;
}

FakeSurface::Control& FakeSurface::Touch(int id, ControlKind revealed) {
  Control& control = controls_[id];
  if (!Compatible(control.kind, revealed)) {
    ADD_FAILURE() << "control " << id << " (" << KindName(control.kind) << ") used as "
                  << KindName(revealed);
    return control;
  }
  if (control.kind == ControlKind::Unknown ||
      (control.kind == ControlKind::Button && revealed == ControlKind::CheckBox)) {
    if (revealed != ControlKind::Unknown) control.kind = revealed;
  }
  return control;
}

const FakeSurface::Control* FakeSurface::Find(int id) const {
  const auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : &found->second;
}

void FakeSurface::Notify(int id, int code) {
  if (screen_ == nullptr) return;
  if (depth_ >= kMaxNotifyDepth) {
    ADD_FAILURE() << "notifications nest deeper than " << kMaxNotifyDepth << " (control " << id
                  << ", code " << code << "): the screen would recurse without end";
    return;
  }
  notifications_.push_back({id, code});
  ++depth_;
  screen_->OnCommand(id, code);
  --depth_;
}

bool FakeSurface::UserCan(int id) {
  if (ended()) return false;
  const Control& control = Touch(id, ControlKind::Unknown);
  return control.enabled && control.shown;
}

void FakeSurface::SetCaption(std::string_view text) {
  caption_ = text;
  Log("SetCaption " + caption_);
}

void FakeSurface::SetSmallIcon(int iconId) {
  smallIcon_ = iconId;
  Log("SetSmallIcon " + Str(iconId));
}

void FakeSurface::SetText(int id, std::string_view text) {
  Control& control = Touch(id, ControlKind::Unknown);
  control.text = text;
  Log("SetText " + Str(id) + " " + control.text);
  if (control.kind == ControlKind::Edit) {
    // WM_SETTEXT puts the caret at the start and notifies at once, from
    // inside this call.
    control.caret = 0;
    Notify(id, kEnChange);
  }
}

std::string FakeSurface::GetText(int id) { return Touch(id, ControlKind::Unknown).text; }

void FakeSurface::Enable(int id, bool enabled) {
  Touch(id, ControlKind::Unknown).enabled = enabled;
  Log("Enable " + Str(id) + " " + Str(enabled));
}

bool FakeSurface::IsEnabled(int id) { return Touch(id, ControlKind::Unknown).enabled; }

void FakeSurface::Show(int id, bool shown) {
  Touch(id, ControlKind::Unknown).shown = shown;
  Log("Show " + Str(id) + " " + Str(shown));
}

bool FakeSurface::IsShown(int id) { return Touch(id, ControlKind::Unknown).shown; }

void FakeSurface::SetPasswordMask(int id, bool masked) {
  Touch(id, ControlKind::Edit).masked = masked;
  Log("SetPasswordMask " + Str(id) + " " + Str(masked));
}

bool FakeSurface::IsMasked(int id) { return Touch(id, ControlKind::Edit).masked; }

void FakeSurface::SetTextLimit(int id, int characters) {
  // EM_LIMITTEXT with 0 lifts the limit.
  Touch(id, ControlKind::Edit).limit = characters <= 0 ? 0x7FFFFFFE : characters;
  Log("SetTextLimit " + Str(id) + " " + Str(characters));
}

void FakeSurface::SetCaret(int id, int index) {
  Control& control = Touch(id, ControlKind::Edit);
  const int length = static_cast<int>(control.text.size());
  control.caret = std::clamp(index, 0, length);
  Log("SetCaret " + Str(id) + " " + Str(index));
}

void FakeSurface::ClearRows(int id) {
  Control& control = Touch(id, ControlKind::List);
  control.rows.clear();
  control.selected = -1;
  control.text.clear();
  Log("ClearRows " + Str(id));
}

void FakeSurface::AddRow(int id, std::string_view text) {
  Control& control = Touch(id, ControlKind::List);
  control.rows.emplace_back(text);
  Log("AddRow " + Str(id) + " " + control.rows.back());
}

int FakeSurface::RowCount(int id) {
  return static_cast<int>(Touch(id, ControlKind::List).rows.size());
}

std::string FakeSurface::RowText(int id, int row) {
  const Control& control = Touch(id, ControlKind::List);
  if (row < 0 || row >= static_cast<int>(control.rows.size())) return {};
  return control.rows[static_cast<std::size_t>(row)];
}

void FakeSurface::SelectRow(int id, int row) {
  Control& control = Touch(id, ControlKind::List);
  // CB_SETCURSEL: a row out of range removes the selection and clears the
  // edit field; no notification either way.
  if (row >= 0 && row < static_cast<int>(control.rows.size())) {
    control.selected = row;
    control.text = control.rows[static_cast<std::size_t>(row)];
  } else {
    control.selected = -1;
    control.text.clear();
  }
  Log("SelectRow " + Str(id) + " " + Str(row));
}

int FakeSurface::SelectedRow(int id) { return Touch(id, ControlKind::List).selected; }

void FakeSurface::SetChecked(int id, bool checked) {
  Touch(id, ControlKind::CheckBox).checked = checked;
  Log("SetChecked " + Str(id) + " " + Str(checked));
}

bool FakeSurface::IsChecked(int id) { return Touch(id, ControlKind::CheckBox).checked; }

void FakeSurface::SetLabelColor(int id, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  Touch(id, ControlKind::Label).color = FakeColor{red, green, blue};
  Log("SetLabelColor " + Str(id) + " " + Str(red) + " " + Str(green) + " " + Str(blue));
}

void FakeSurface::PaintBitmap(int bitmapId, int x, int y, int width, int height) {
  bitmaps_.push_back({bitmapId, x, y, width, height});
  Log("PaintBitmap " + Str(bitmapId) + " " + Str(x) + " " + Str(y) + " " + Str(width) + " " +
      Str(height));
}

void FakeSurface::ShowMessage(std::string_view text, std::string_view caption, MessageKind kind) {
  messages_.push_back({std::string(text), std::string(caption), kind});
  Log("ShowMessage " + messages_.back().caption + "|" + messages_.back().text);
  if (onMessage) {
    const FakeMessage shown = messages_.back();
    onMessage(shown);
  }
}

void FakeSurface::StartTimer(int timerId, int periodMs) {
  timers_[timerId] = periodMs;  // SetTimer with a running id replaces it
  Log("StartTimer " + Str(timerId) + " " + Str(periodMs));
}

void FakeSurface::StopTimer(int timerId) {
  timers_.erase(timerId);
  Log("StopTimer " + Str(timerId));
}

void FakeSurface::EndDialog() {
  ++endCount_;
  Log("EndDialog");
}

bool FakeSurface::Click(int id) {
  if (!UserCan(id)) return false;
  Control& control = Touch(id, ControlKind::Button);
  if (control.kind == ControlKind::CheckBox) control.checked = !control.checked;
  Notify(id, kBnClicked);
  return true;
}

bool FakeSurface::Toggle(int id) {
  if (!UserCan(id)) return false;
  Touch(id, ControlKind::CheckBox);
  return Click(id);
}

bool FakeSurface::Pick(int id, int row) {
  if (!UserCan(id)) return false;
  Control& control = Touch(id, ControlKind::List);
  if (row < 0 || row >= static_cast<int>(control.rows.size())) return false;
  control.selected = row;
  control.text = control.rows[static_cast<std::size_t>(row)];
  Notify(id, kCbnSelEndOk);
  Notify(id, kCbnSelChange);
  return true;
}

bool FakeSurface::Type(int id, std::string_view text) {
  if (!UserCan(id)) return false;
  Control& control = Touch(id, ControlKind::Edit);
  control.text = CutToLimit(text, control.limit);
  control.caret = static_cast<int>(control.text.size());
  Notify(id, kEnChange);
  return true;
}

bool FakeSurface::FocusGained(int id) {
  if (!UserCan(id)) return false;
  Touch(id, ControlKind::Edit);
  Notify(id, kEnSetFocus);
  return true;
}

bool FakeSurface::FocusLost(int id) {
  if (ended()) return false;
  // A field can lose the focus to a click that disables it, so no check of
  // its own state here.
  Touch(id, ControlKind::Edit);
  Notify(id, kEnKillFocus);
  return true;
}

bool FakeSurface::PressEscape() {
  if (ended()) return false;
  Notify(kIdCancel, kBnClicked);
  return true;
}

bool FakeSurface::PressEnter() {
  if (ended()) return false;
  Notify(kIdOk, kBnClicked);
  return true;
}

bool FakeSurface::Close() {
  if (ended() || screen_ == nullptr) return false;
  screen_->OnClose();
  return true;
}

bool FakeSurface::Tick(int timerId) {
  if (ended() || screen_ == nullptr || timers_.count(timerId) == 0) return false;
  screen_->OnTimer(timerId);
  return true;
}

void FakeSurface::Command(int id, int notification) { Notify(id, notification); }

std::optional<FakeColor> FakeSurface::labelColor(int id) const {
  const Control* control = Find(id);
  return control == nullptr ? std::nullopt : control->color;
}

int FakeSurface::Caret(int id) const {
  const Control* control = Find(id);
  return control == nullptr ? 0 : control->caret;
}

int FakeSurface::TextLimit(int id) const {
  const Control* control = Find(id);
  return control == nullptr ? kDefaultTextLimit : control->limit;
}

std::vector<std::string> FakeSurface::Rows(int id) const {
  const Control* control = Find(id);
  return control == nullptr ? std::vector<std::string>{} : control->rows;
}
