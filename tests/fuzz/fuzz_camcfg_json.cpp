// libFuzzer target: arbitrary bytes as camcfg's JSON input and JSON output (layout in
// camcfg_entries.h).
#include <cstdio>
#include <cstdlib>

#include "files/trace.h"
#include "fuzz/camcfg_entries.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  TraceToNowhere();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (const char* broken = CheckCamcfgJson(data, size)) {
    std::fprintf(stderr, "broken: %s\n", broken);
    std::abort();
  }
  return 0;
}
