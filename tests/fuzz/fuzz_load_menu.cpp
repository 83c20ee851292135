// libFuzzer target: arbitrary bytes of any size as menu.dat.
#include <cstdio>
#include <cstdlib>

#include "files/trace.h"
#include "fuzz/fuzz_entries.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  TraceToNowhere();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (const char* broken = CheckLoadMenu(data, size)) {
    std::fprintf(stderr, "broken: %s\n", broken);
    std::abort();
  }
  return 0;
}
