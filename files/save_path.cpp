#include "files/save_path.h"

#include <cstring>

char SavePath[kSavePathMax + 1] = "C:\\";

bool SetSavePath(const char* folder) {
  if (folder == nullptr) return false;
  const std::size_t length = std::strlen(folder);
  if (length > kSavePathMax) return false;
  std::memcpy(SavePath, folder, length + 1);
  return true;
}

std::string SettingsFilePath(const char* fileName) {
  std::string path(SavePath);
  path += kPathSeparator;
  path += fileName;
  return path;
}
