#include <windows.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "tests/e2e/driver.h"

namespace e2e {
namespace {

std::wstring Wide(std::string_view text) {
  if (text.empty()) return {};
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

std::string Utf8(std::wstring_view text) {
  if (text.empty()) return {};
  const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(), length,
                      nullptr, nullptr);
  return narrow;
}

HWND Handle(Window window) { return static_cast<HWND>(window); }

// Polls `ready` every 20 ms until it holds or the time is up.
template <typename Ready>
bool WaitFor(Ready ready, int timeoutMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (true) {
    if (ready()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

std::wstring ClassName(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

struct DialogSearch {
  DWORD processId;
  std::vector<Window> found;
};

BOOL CALLBACK CollectDialog(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<DialogSearch*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId && IsWindowVisible(window) && ClassName(window) == L"#32770") {
    search->found.push_back(window);
  }
  return TRUE;
}

}  // namespace

std::filesystem::path FromUnixPath(std::string_view unixPath) {
  std::string path(unixPath);
  if (!path.empty() && path[0] == '/') {
    for (char& c : path) {
      if (c == '/') c = '\\';
    }
    path = "Z:" + path;
  }
  return std::filesystem::path(Wide(path));
}

std::filesystem::path ProgramPath() {
  const char* configured = std::getenv("CAMSETUP_EXE");
  if (configured == nullptr) return {};
  return FromUnixPath(configured);
}

std::filesystem::path NewFolder(std::string_view name) {
  static int serial = 0;
  const std::filesystem::path base = std::filesystem::temp_directory_path() /
                                     (L"camsetup-e2e-" + std::to_wstring(GetCurrentProcessId()));
  std::filesystem::path folder = base / (std::to_wstring(++serial) + L"-" + Wide(name));
  std::error_code error;
  std::filesystem::remove_all(folder, error);
  std::filesystem::create_directories(folder, error);
  return folder;
}

std::string Utf8Path(const std::filesystem::path& path) { return Utf8(path.wstring()); }

std::uint16_t SystemLanguage() { return GetSystemDefaultLangID(); }

void Process::Pause(int milliseconds) { Sleep(static_cast<DWORD>(milliseconds)); }

Process::~Process() {
  if (process_ != nullptr) {
    if (Running()) {
      TerminateProcess(process_, 99);
      WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
  }
}

bool Process::Start(const std::filesystem::path& program, const std::filesystem::path& folder,
                    const std::filesystem::path& outputFile) {
  outputFile_ = outputFile;
  SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE output = CreateFileW(outputFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              &inheritable, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (output == INVALID_HANDLE_VALUE) return false;
  HANDLE input = CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable,
                             OPEN_EXISTING, 0, nullptr);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = input;
  startup.hStdOutput = output;
  startup.hStdError = output;
  PROCESS_INFORMATION info{};
  std::wstring commandLine = L"\"" + program.wstring() + L"\"";
  const BOOL started = CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                                      0, nullptr, folder.c_str(), &startup, &info);
  CloseHandle(output);
  if (input != INVALID_HANDLE_VALUE) CloseHandle(input);
  if (!started) return false;
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  id_ = info.dwProcessId;
  return true;
}

std::optional<int> Process::WaitExit(int timeoutMs) {
  if (process_ == nullptr) return std::nullopt;
  if (WaitForSingleObject(process_, static_cast<DWORD>(timeoutMs)) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  return static_cast<int>(code);
}

bool Process::Running() {
  return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

std::string Process::Output() const { return ReadFile(outputFile_).value_or(std::string()); }

std::vector<std::string> Process::OutputLines() const {
  std::vector<std::string> lines;
  std::istringstream stream(Output());
  std::string line;
  while (std::getline(stream, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

bool Process::WaitOutput(std::string_view piece, int timeoutMs) const {
  return WaitFor([&] { return Output().find(piece) != std::string::npos; }, timeoutMs);
}

Window Process::WaitDialog(const std::vector<std::string>& captions, int timeoutMs,
                           Window except) const {
  Window result = nullptr;
  WaitFor(
      [&] {
        for (Window dialog : Dialogs()) {
          if (dialog == except) continue;
          const std::string caption = Caption(dialog);
          for (const std::string& wanted : captions) {
            if (caption == wanted) {
              result = dialog;
              return true;
            }
          }
        }
        return false;
      },
      timeoutMs);
  return result;
}

std::vector<Window> Process::Dialogs() const { return ProcessDialogs(id_); }

std::vector<Window> ProcessDialogs(std::uint32_t processId) {
  DialogSearch search{processId, {}};
  EnumWindows(CollectDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::uint32_t OwnProcessId() { return GetCurrentProcessId(); }

bool Exists(Window window) { return IsWindow(Handle(window)) != FALSE; }

bool WaitGone(Window window, int timeoutMs) {
  return WaitFor([&] { return !Exists(window); }, timeoutMs);
}

Rect ScreenRect(Window window) {
  RECT r{};
  GetWindowRect(Handle(window), &r);
  return Rect{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

std::string Caption(Window window) {
  HWND handle = Handle(window);
  const int length = GetWindowTextLengthW(handle);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(handle, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return Utf8(text);
}

Window Control(Window dialog, int id) { return GetDlgItem(Handle(dialog), id); }

std::string Text(Window dialog, int id) {
  HWND control = Handle(Control(dialog, id));
  if (control == nullptr) return {};
  const LRESULT length = SendMessageW(control, WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied = SendMessageW(control, WM_GETTEXT, static_cast<WPARAM>(length + 1),
                                      reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return Utf8(text);
}

bool IsEnabled(Window dialog, int id) {
  HWND control = Handle(Control(dialog, id));
  return control != nullptr && IsWindowEnabled(control) != FALSE;
}

bool IsVisible(Window dialog, int id) {
  HWND control = Handle(Control(dialog, id));
  return control != nullptr && (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

bool IsChecked(Window dialog, int id) {
  return IsDlgButtonChecked(Handle(dialog), id) == BST_CHECKED;
}

int RowCount(Window dialog, int id) {
  const LRESULT count = SendMessageW(Handle(Control(dialog, id)), CB_GETCOUNT, 0, 0);
  return count == CB_ERR ? 0 : static_cast<int>(count);
}

std::string RowText(Window dialog, int id, int row) {
  HWND control = Handle(Control(dialog, id));
  const LRESULT length = SendMessageW(control, CB_GETLBTEXTLEN, static_cast<WPARAM>(row), 0);
  if (length == CB_ERR || length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied = SendMessageW(control, CB_GETLBTEXT, static_cast<WPARAM>(row),
                                      reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied == CB_ERR ? 0 : static_cast<std::size_t>(copied));
  return Utf8(text);
}

std::vector<std::string> Rows(Window dialog, int id) {
  std::vector<std::string> rows;
  const int count = RowCount(dialog, id);
  for (int row = 0; row < count; ++row) rows.push_back(RowText(dialog, id, row));
  return rows;
}

int SelectedRow(Window dialog, int id) {
  HWND control = Handle(Control(dialog, id));
  if (control == nullptr) return -1;
  const LRESULT row = SendMessageW(control, CB_GETCURSEL, 0, 0);
  return row == CB_ERR ? -1 : static_cast<int>(row);
}

bool IsMasked(Window dialog, int id) {
  return SendMessageW(Handle(Control(dialog, id)), EM_GETPASSWORDCHAR, 0, 0) != 0;
}

int FocusedId(Window dialog) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  const DWORD thread = GetWindowThreadProcessId(Handle(dialog), nullptr);
  if (!GetGUIThreadInfo(thread, &info) || info.hwndFocus == nullptr) return 0;
  if (GetParent(info.hwndFocus) != Handle(dialog)) return 0;
  return GetDlgCtrlID(info.hwndFocus);
}

bool ChooseRow(Window dialog, int id, int row) {
  HWND control = Handle(Control(dialog, id));
  if (control == nullptr || row < 0 || row >= RowCount(dialog, id)) return false;
  SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
  HWND parent = Handle(dialog);
  PostMessageW(parent, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(control));
  PostMessageW(parent, WM_COMMAND, MAKEWPARAM(id, CBN_SELENDOK), reinterpret_cast<LPARAM>(control));
  return true;
}

bool SetText(Window dialog, int id, std::string_view text) {
  HWND control = Handle(Control(dialog, id));
  if (control == nullptr) return false;
  const std::wstring wide = Wide(text);
  return SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str())) != FALSE;
}

bool Type(Window dialog, int id, std::string_view text) {
  HWND control = Handle(Control(dialog, id));
  if (control == nullptr) return false;
  for (wchar_t c : Wide(text)) SendMessageW(control, WM_CHAR, c, 1);
  return true;
}

bool Click(Window dialog, int id) {
  HWND button = Handle(Control(dialog, id));
  if (button == nullptr || !IsWindowEnabled(button) || !IsWindowVisible(button)) return false;
  return PostMessageW(Handle(dialog), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                      reinterpret_cast<LPARAM>(button)) != FALSE;
}

bool PressEscape(Window dialog) {
  HWND window = Handle(dialog);
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  const DWORD thread = GetWindowThreadProcessId(window, nullptr);
  HWND target = window;
  if (GetGUIThreadInfo(thread, &info) && info.hwndFocus != nullptr) target = info.hwndFocus;
  const UINT scan = MapVirtualKeyW(VK_ESCAPE, MAPVK_VK_TO_VSC);
  const LPARAM down = 1 | (static_cast<LPARAM>(scan) << 16);
  const LPARAM up = down | (static_cast<LPARAM>(1) << 30) | (static_cast<LPARAM>(1) << 31);
  return PostMessageW(target, WM_KEYDOWN, VK_ESCAPE, down) != FALSE &&
         PostMessageW(target, WM_KEYUP, VK_ESCAPE, up) != FALSE;
}

bool Close(Window dialog) {
  return PostMessageW(Handle(dialog), WM_SYSCOMMAND, SC_CLOSE, 0) != FALSE;
}

Window WaitMessageBox(std::uint32_t processId, Window owner, int timeoutMs) {
  Window result = nullptr;
  WaitFor(
      [&] {
        for (Window dialog : ProcessDialogs(processId)) {
          if (GetWindow(Handle(dialog), GW_OWNER) == Handle(owner)) {
            result = dialog;
            return true;
          }
        }
        return false;
      },
      timeoutMs);
  return result;
}

// A message box shows its text in the static control 0xFFFF.
std::string MessageText(Window box) { return Text(box, 0xFFFF); }

bool PressOk(Window box) {
  HWND button = GetDlgItem(Handle(box), IDOK);
  if (button == nullptr) return false;
  return PostMessageW(Handle(box), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                      reinterpret_cast<LPARAM>(button)) != FALSE;
}

std::optional<std::string> ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

}  // namespace e2e
