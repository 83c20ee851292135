// The save folder of both settings files and the paths built from it.
#pragma once

#include <cstddef>
#include <string>

// A Windows path of at most MAX_PATH bytes, terminator included.
inline constexpr std::size_t kSavePathMax = 259;

// The folder both files are created in and looked for; starts as "C:\".
extern char SavePath[kSavePathMax + 1];

// Replaces SavePath. A folder longer than kSavePathMax is refused and the old
// value kept, so no path built from it can overrun. Returns true when set.
bool SetSavePath(const char* folder);

#if defined(_WIN32)
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// "%s\CFG.BIN": the separator is added even when the folder ends in one.
std::string SettingsFilePath(const char* fileName);
