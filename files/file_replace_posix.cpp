#include <cstdio>

#include "files/file_replace.h"

bool ReplaceFileWith(const char* temporary, const char* target) {
  return std::rename(temporary, target) == 0;
}
