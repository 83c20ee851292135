// Drives camsetup.exe from outside, as a user would, with real window
// messages: a small library shared by every end-to-end test file. Runs as a
// Windows program (under Wine in the tests); texts are UTF-8 throughout.
#pragma once

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace e2e {

// A top-level or child window (an HWND).
using Window = void*;

inline constexpr int kWaitMs = 15000;

// The program under test: path from the environment variable CAMSETUP_EXE
// (a Unix path is taken as seen through Wine's Z: drive).
std::filesystem::path ProgramPath();

// A Unix path as seen through Wine's Z: drive; any other path unchanged.
std::filesystem::path FromUnixPath(std::string_view path);

// A fresh, empty folder under the temporary folder; `name` may hold any
// UTF-8 text.
std::filesystem::path NewFolder(std::string_view name);

// A path as UTF-8 text (what the program prints for it).
std::string Utf8Path(const std::filesystem::path& path);

// The system's default language id, as the program sees it.
std::uint16_t SystemLanguage();

// One run of a program, started in `folder` with its standard output
// redirected into `outputFile`. Ends the process if it still runs.
class Process {
 public:
  Process() = default;
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  static void Pause(int milliseconds);

  bool Start(const std::filesystem::path& program, const std::filesystem::path& folder,
             const std::filesystem::path& outputFile);
  std::uint32_t id() const { return id_; }

  // The exit code, or nothing if the process still runs after `timeoutMs`.
  std::optional<int> WaitExit(int timeoutMs = kWaitMs);
  bool Running();

  // Everything written to standard output so far, and its lines (line ends
  // removed).
  std::string Output() const;
  std::vector<std::string> OutputLines() const;
  // Waits until the output holds `piece`.
  bool WaitOutput(std::string_view piece, int timeoutMs = kWaitMs) const;

  // A visible dialog (class #32770) of this process whose caption is one of
  // `captions`, ignoring `except` (a dialog being replaced); null on timeout.
  Window WaitDialog(const std::vector<std::string>& captions, int timeoutMs = kWaitMs,
                    Window except = nullptr) const;
  // Every visible dialog of the process.
  std::vector<Window> Dialogs() const;

 private:
  void* process_ = nullptr;
  std::uint32_t id_ = 0;
  std::filesystem::path outputFile_;
};

// Visible dialogs of any process with this id (the test's own, too).
std::vector<Window> ProcessDialogs(std::uint32_t processId);
std::uint32_t OwnProcessId();

// Waits until `window` no longer exists.
bool WaitGone(Window window, int timeoutMs = kWaitMs);
bool Exists(Window window);

// Reading a dialog.
struct Rect {
  int x;
  int y;
  int width;
  int height;
};
Rect ScreenRect(Window window);  // the whole window, frame included
std::string Caption(Window window);
Window Control(Window dialog, int id);
std::string Text(Window dialog, int id);
bool IsEnabled(Window dialog, int id);
bool IsVisible(Window dialog, int id);  // the control's own visibility
bool IsChecked(Window dialog, int id);
int RowCount(Window dialog, int id);
std::string RowText(Window dialog, int id, int row);
std::vector<std::string> Rows(Window dialog, int id);
int SelectedRow(Window dialog, int id);
bool IsMasked(Window dialog, int id);
// The id of the control of `dialog` that has the keyboard focus, or 0.
int FocusedId(Window dialog);

// Acting on a dialog. Each returns false when the control does not exist or
// cannot take the action (a disabled button, a row out of range).
//
// Selects `row` as a click in the list would: the selection, then the
// CBN_SELCHANGE and CBN_SELENDOK notifications posted to the dialog.
bool ChooseRow(Window dialog, int id, int row);
// Replaces an edit's text (WM_SETTEXT; the edit notifies EN_CHANGE).
bool SetText(Window dialog, int id, std::string_view text);
// Types into a control: one WM_CHAR per character, as the keyboard would.
bool Type(Window dialog, int id, std::string_view text);
// Posts a click of an enabled, visible button (BN_CLICKED to the dialog).
bool Click(Window dialog, int id);
// Posts the Escape key to the control that has the focus.
bool PressEscape(Window dialog);
// Closes the window as its close box does (WM_SYSCOMMAND SC_CLOSE).
bool Close(Window dialog);

// A message box owned by `owner`, its text, and its OK button.
Window WaitMessageBox(std::uint32_t processId, Window owner, int timeoutMs = kWaitMs);
std::string MessageText(Window box);
bool PressOk(Window box);

// Reads a whole file; nothing if it cannot be opened.
std::optional<std::string> ReadFile(const std::filesystem::path& path);

// The plain record a settings file holds, decoded here on its own rather
// than by the program's codec: plain = rotate-left-by-2(stored) XOR 0xD4.
// Nothing when the file is missing or not the record's size.
template <typename Record>
std::optional<Record> DecodeRecordFile(const std::filesystem::path& path) {
  const std::optional<std::string> bytes = ReadFile(path);
  if (!bytes || bytes->size() != sizeof(Record)) return std::nullopt;
  std::uint8_t plain[sizeof(Record)];
  for (std::size_t i = 0; i < sizeof plain; ++i) {
    const auto stored = static_cast<std::uint8_t>((*bytes)[i]);
    plain[i] = static_cast<std::uint8_t>(((stored << 2) | (stored >> 6)) ^ 0xD4);
  }
  Record record;
  std::memcpy(&record, plain, sizeof record);
  return record;
}

}  // namespace e2e
