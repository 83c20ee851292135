// Platform over the Windows system services.
#include <windows.h>
// After windows.h, which they need.
#include <objbase.h>
#include <shlobj.h>

#include <cstdio>
#include <ctime>
#include <string>

#include "ui/win32_binding.h"

LocalTime WindowsPlatform::Now() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return LocalTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

std::uint16_t WindowsPlatform::SystemDefaultLangId() { return GetSystemDefaultLangID(); }

std::optional<std::string> WindowsPlatform::CurrentDirectory() {
  // Ask for the size, then fetch: the directory may be longer than MAX_PATH.
  const DWORD needed = GetCurrentDirectoryA(0, nullptr);
  if (needed == 0) return std::nullopt;
  std::string directory(needed, '\0');
  const DWORD length = GetCurrentDirectoryA(needed, directory.data());
  if (length == 0 || length >= needed) return std::nullopt;
  directory.resize(length);
  return directory;
}

std::optional<std::string> WindowsPlatform::PickFolder() {
  char displayName[MAX_PATH] = {};
  BROWSEINFOA browse{};
  browse.hwndOwner = GetForegroundWindow();
  browse.pidlRoot = nullptr;
  browse.pszDisplayName = displayName;
  browse.lpszTitle = nullptr;
  browse.ulFlags = BIF_RETURNONLYFSDIRS;
  LPITEMIDLIST chosen = SHBrowseForFolderA(&browse);
  if (chosen == nullptr) return std::nullopt;
  char path[MAX_PATH] = {};
  const BOOL isPath = SHGetPathFromIDListA(chosen, path);
  CoTaskMemFree(chosen);
  if (!isPath) return std::nullopt;
  return std::string(path);
}

int WindowsPlatform::EpochLocalHour() {
  const std::time_t epoch = 0;
  if (const std::tm* local = std::localtime(&epoch); local != nullptr) return local->tm_hour;
  // The run-time library may refuse the conversion west of UTC (a local time
  // before 1970): take the hour from the zone's bias instead.
  TIME_ZONE_INFORMATION zone;
  if (GetTimeZoneInformation(&zone) == TIME_ZONE_ID_INVALID) return 0;
  const long minutes = -static_cast<long>(zone.Bias);
  long hour = minutes >= 0 ? minutes / 60 : -((-minutes + 59) / 60);
  hour %= 24;
  if (hour < 0) hour += 24;
  return static_cast<int>(hour);
}

void ConnectStandardOutput() {
  HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  if (output != nullptr && output != INVALID_HANDLE_VALUE &&
      GetFileType(output) != FILE_TYPE_UNKNOWN) {
    return;  // redirected to a file or a pipe, or inherited: keep it
  }
  // Started from a console without redirection: a GUI program has no output
  // of its own, so write to the console it was started from, if any.
  if (AttachConsole(ATTACH_PARENT_PROCESS)) {
    if (std::freopen("CONOUT$", "w", stdout) != nullptr) std::setvbuf(stdout, nullptr, _IONBF, 0);
  }
}
