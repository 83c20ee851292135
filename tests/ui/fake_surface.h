// An in-memory dialog for the screens' native tests. It keeps the Win32
// behaviours the screens rely on (see ui/control_surface.h) and lets a test
// act as the user. A control comes into existence when first touched; its
// kind comes from the first operation that reveals it, or from Declare().
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control_surface.h"
#include "ui/screen.h"

enum class ControlKind { Unknown, Edit, List, Button, CheckBox, Label };

struct FakeMessage {
  std::string text;
  std::string caption;
  MessageKind kind;
};

struct FakeBitmap {
  int bitmapId, x, y, width, height;
  bool operator==(const FakeBitmap&) const = default;
};

struct FakeColor {
  std::uint8_t red, green, blue;
  bool operator==(const FakeColor&) const = default;
};

struct FakeNotification {
  int id;
  int code;
  bool operator==(const FakeNotification&) const = default;
};

class FakeSurface : public ControlSurface {
 public:
  // What an edit takes from typing before SetTextLimit (Win32's default).
  static constexpr int kDefaultTextLimit = 30000;
  // EN_CHANGE handlers that keep setting their own text recurse forever under
  // Win32; the double reports a test failure instead.
  static constexpr int kMaxNotifyDepth = 32;

  FakeSurface() = default;
  FakeSurface(const FakeSurface&) = delete;
  FakeSurface& operator=(const FakeSurface&) = delete;

  // The screen that receives the notifications (the dialog procedure).
  void Attach(Screen& screen) { screen_ = &screen; }
  Screen* screen() const { return screen_; }
  // WM_INITDIALOG: the attached screen's OnOpen.
  void Open();

  // Fixes a control's kind before the screen touches it, as the template
  // would. Needed for an edit whose first operation is SetText: only known
  // edits send EN_CHANGE. A use that contradicts the kind fails the test.
  void Declare(int id, ControlKind kind);
  void Declare(std::initializer_list<int> ids, ControlKind kind);
  ControlKind KindOf(int id) const;
  bool Exists(int id) const { return controls_.count(id) != 0; }

  // ControlSurface.
  void SetCaption(std::string_view text) override;
  void SetSmallIcon(int iconId) override;
  void SetText(int id, std::string_view text) override;
  std::string GetText(int id) override;
  void Enable(int id, bool enabled) override;
  bool IsEnabled(int id) override;
  void Show(int id, bool shown) override;
  bool IsShown(int id) override;
  void SetPasswordMask(int id, bool masked) override;
  bool IsMasked(int id) override;
  void SetTextLimit(int id, int characters) override;
  void SetCaret(int id, int index) override;
  void ClearRows(int id) override;
  void AddRow(int id, std::string_view text) override;
  int RowCount(int id) override;
  std::string RowText(int id, int row) override;
  void SelectRow(int id, int row) override;
  int SelectedRow(int id) override;
  void SetChecked(int id, bool checked) override;
  bool IsChecked(int id) override;
  void SetLabelColor(int id, std::uint8_t red, std::uint8_t green, std::uint8_t blue) override;
  void PaintBitmap(int bitmapId, int x, int y, int width, int height) override;
  void ShowMessage(std::string_view text, std::string_view caption, MessageKind kind) override;
  void StartTimer(int timerId, int periodMs) override;
  void StopTimer(int timerId) override;
  void EndDialog() override;

  // The user. Each returns false and sends nothing when the user could not
  // do it: the dialog has ended, or the control is disabled or hidden (or,
  // for Pick, the row does not exist).
  bool Click(int id);   // BN_CLICKED; a known check box toggles first
  bool Toggle(int id);  // an auto check box: flips its check, then BN_CLICKED
  // A mouse pick in the dropped list: selects the row (its text goes to the
  // list's edit field), then CBN_SELENDOK, then CBN_SELCHANGE, the order of
  // the combo box under Wine (roll-up first, then the selection change). It
  // is sent even when the row was already selected.
  bool Pick(int id, int row);
  // Selects the whole text and types `text` over it: the edit keeps what its
  // limit allows (bytes, never splitting a UTF-8 character), the caret ends
  // after it, then EN_CHANGE.
  bool Type(int id, std::string_view text);
  bool FocusGained(int id);  // EN_SETFOCUS
  bool FocusLost(int id);    // EN_KILLFOCUS
  bool PressEscape();        // the dialog manager's IDCANCEL
  bool PressEnter();         // IDOK (a dialog without a default button)
  bool Close();              // WM_CLOSE: the close box, Close, Alt+F4
  bool Tick(int timerId);    // WM_TIMER, only for a running timer
  // Any WM_COMMAND, unchecked.
  void Command(int id, int notification);

  // What the screen did.
  const std::string& caption() const { return caption_; }
  int smallIcon() const { return smallIcon_; }  // 0 until set
  std::optional<FakeColor> labelColor(int id) const;
  const std::vector<FakeBitmap>& bitmaps() const { return bitmaps_; }
  const std::vector<FakeMessage>& messages() const { return messages_; }
  // Running timers: id -> period in ms.
  const std::map<int, int>& timers() const { return timers_; }
  bool ended() const { return endCount_ > 0; }
  int endCount() const { return endCount_; }
  int Caret(int id) const;
  int TextLimit(int id) const;
  std::vector<std::string> Rows(int id) const;
  // Every WM_COMMAND the screen received, in order.
  const std::vector<FakeNotification>& notifications() const { return notifications_; }
  // Every ControlSurface call that changes something, in order, as text:
  // "SetCaption Setup", "SetText 40006 1,2,2,33", "ClearRows 40004",
  // "AddRow 40004 English", "SelectRow 40004 1", "Enable 40010 0",
  // "Show 40010 1", "SetChecked 40021 0", "SetPasswordMask 40010 1",
  // "SetTextLimit 40010 32", "SetCaret 40010 3", "StartTimer 1 1000",
  // "StopTimer 1", "EndDialog", "SetSmallIcon 119", "PaintBitmap 114 ...",
  // "SetLabelColor 40123 34 96 217", "ShowMessage <caption>|<text>".
  const std::vector<std::string>& calls() const { return calls_; }
  void ClearCalls() { calls_.clear(); }

  // Runs while a message box is up (it has only OK, so there is no answer
  // to give); the box is recorded before the hook runs.
  std::function<void(const FakeMessage&)> onMessage;

 private:
  struct Control {
    ControlKind kind = ControlKind::Unknown;
    std::string text;
    bool enabled = true;
    bool shown = true;
    bool masked = false;
    bool checked = false;
    int limit = kDefaultTextLimit;
    int caret = 0;
    std::vector<std::string> rows;
    int selected = -1;
    std::optional<FakeColor> color;
  };

  Control& Touch(int id, ControlKind revealed);
  const Control* Find(int id) const;
  bool UserCan(int id);
  void Notify(int id, int code);
  void Log(std::string line) { calls_.push_back(std::move(line)); }

  Screen* screen_ = nullptr;
  std::map<int, Control> controls_;
  std::string caption_;
  int smallIcon_ = 0;
  std::vector<FakeBitmap> bitmaps_;
  std::vector<FakeMessage> messages_;
  std::map<int, int> timers_;
  int endCount_ = 0;
  int depth_ = 0;
  std::vector<FakeNotification> notifications_;
  std::vector<std::string> calls_;
};
