// What a screen's logic may do to its dialog. The Win32 binding implements
// it over a real dialog; tests use an in-memory double that keeps the Win32
// behaviours the screens rely on:
// - SetText on an edit sends its change notification at once, re-entrantly;
// - SelectRow from code sends no notification; a row out of range clears
//   the selection, and a list without a selection reads -1;
// - a text limit limits typing, not text set by code;
// - disabled and hidden controls keep their contents.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Notification codes of WM_COMMAND, with their Win32 values.
inline constexpr int kBnClicked = 0;
inline constexpr int kCbnSelChange = 1;
inline constexpr int kCbnSelEndOk = 9;
inline constexpr int kEnSetFocus = 0x0100;
inline constexpr int kEnKillFocus = 0x0200;
inline constexpr int kEnChange = 0x0300;

// Command ids the dialog manager sends for Enter and Escape.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

enum class MessageKind { Warning, Information };

class ControlSurface {
 public:
  virtual ~ControlSurface() = default;

  // The window.
  virtual void SetCaption(std::string_view text) = 0;
  virtual void SetSmallIcon(int iconId) = 0;

  // Any control.
  virtual void SetText(int id, std::string_view text) = 0;
  virtual std::string GetText(int id) = 0;
  virtual void Enable(int id, bool enabled) = 0;
  virtual bool IsEnabled(int id) = 0;
  virtual void Show(int id, bool shown) = 0;
  virtual bool IsShown(int id) = 0;

  // Edits.
  virtual void SetPasswordMask(int id, bool masked) = 0;  // '*' or none
  virtual bool IsMasked(int id) = 0;
  virtual void SetTextLimit(int id, int characters) = 0;
  virtual void SetCaret(int id, int index) = 0;

  // Lists (combo boxes).
  virtual void ClearRows(int id) = 0;
  virtual void AddRow(int id, std::string_view text) = 0;
  virtual int RowCount(int id) = 0;
  virtual std::string RowText(int id, int row) = 0;
  virtual void SelectRow(int id, int row) = 0;
  virtual int SelectedRow(int id) = 0;

  // Check boxes.
  virtual void SetChecked(int id, bool checked) = 0;
  virtual bool IsChecked(int id) = 0;

  // Decoration the binding draws: a label's text colour on the button face,
  // and a bitmap resource copied to the client area on every paint.
  virtual void SetLabelColor(int id, std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
  virtual void PaintBitmap(int bitmapId, int x, int y, int width, int height) = 0;

  // A message box owned by the screen, with an OK button.
  virtual void ShowMessage(std::string_view text, std::string_view caption, MessageKind kind) = 0;

  // The screen's timer; ticks arrive as Screen::OnTimer.
  virtual void StartTimer(int timerId, int periodMs) = 0;
  virtual void StopTimer(int timerId) = 0;

  // Ends the modal dialog (EndDialog with 0).
  virtual void EndDialog() = 0;
};
