// Replays the seed corpus, every input a fuzz run found crashing (kept in
// crashes/<target>/), and a few degenerate inputs through the fuzz checks,
// so that the native build keeps the properties the fuzzers look for.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "files/codec.h"
#include "fuzz/fuzz_entries.h"
#if defined(CAMSETUP_FUZZ_CAMCFG)
#include "fuzz/camcfg_entries.h"
#endif
#include "support/test_support.h"

namespace fs = std::filesystem;

namespace {

struct Target {
  const char* name;
  const char* (*check)(const std::uint8_t* data, std::size_t size);
};

const Target kTargets[] = {
    {"fuzz_load_cfg", CheckLoadCfg},
    {"fuzz_load_menu", CheckLoadMenu},
#if defined(CAMSETUP_FUZZ_CAMCFG)
    {"fuzz_camcfg_set", CheckCamcfgSet},
    {"fuzz_camcfg_json", CheckCamcfgJson},
#endif
};

std::vector<fs::path> InputsIn(const fs::path& folder) {
  std::vector<fs::path> inputs;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error))
    if (entry.is_regular_file()) inputs.push_back(entry.path());
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

std::string Describe(const char* broken) { return broken != nullptr ? broken : ""; }

class FuzzReplay : public ::testing::TestWithParam<Target> {
 protected:
  TraceCapture trace_;  // the checks' trace is of no interest here
};

TEST_P(FuzzReplay, CommittedSeedsAndCrashInputsKeepEveryProperty) {
  const Target& target = GetParam();
  const fs::path root = CAMSETUP_FUZZ_DIR;
  const auto seeds = InputsIn(root / "corpus" / target.name);
  EXPECT_FALSE(seeds.empty()) << "no committed seed for " << target.name;
  auto inputs = seeds;
  const auto crashes = InputsIn(root / "crashes" / target.name);
  inputs.insert(inputs.end(), crashes.begin(), crashes.end());
  for (const auto& input : inputs) {
    const auto bytes = ReadBytes(input);
    EXPECT_EQ(Describe(target.check(bytes.data(), bytes.size())), "") << input;
  }
}

// Sizes around both record sizes, each filled with bytes that decode to 0,
// to 0xFF, and that are 0 and 0xFF as stored.
TEST_P(FuzzReplay, DegenerateInputsKeepEveryProperty) {
  const Target& target = GetParam();
  const std::uint8_t fills[] = {0x00, 0xFF, ScrambledByte(0x00), ScrambledByte(0xFF)};
  for (std::size_t size : {0, 1, 43, 44, 45, 1319, 1320, 1321, 4096}) {
    for (std::uint8_t fill : fills) {
      const std::vector<std::uint8_t> bytes(size, fill);
      EXPECT_EQ(Describe(target.check(bytes.data(), bytes.size())), "")
          << size << " bytes of 0x" << std::hex << int{fill};
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzReplay, ::testing::ValuesIn(kTargets),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
