#include "files/codec.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "files/save_path.h"
#include "support/test_support.h"

namespace {

// The stored byte of a plain 0: ror2(0x00 ^ 0xD4) = ror2(0xD4) = 0x35.
constexpr std::uint8_t kStoredZero = 0x35;

TEST(Codec, EveryByteValueSurvivesBothWays) {
  std::array<bool, 256> seen{};
  for (int v = 0; v < 256; ++v) {
    const auto b = static_cast<std::uint8_t>(v);
    EXPECT_EQ(UnscrambledByte(ScrambledByte(b)), b) << v;
    EXPECT_EQ(ScrambledByte(UnscrambledByte(b)), b) << v;
    seen[ScrambledByte(b)] = true;
  }
  for (int v = 0; v < 256; ++v) EXPECT_TRUE(seen[v]) << "no plain byte is stored as " << v;
}

TEST(Codec, StoredFormsWorkedOutByHand) {
  // plain, stored: ror2(plain ^ 0xD4)
  const struct {
    std::uint8_t plain, stored;
  } cases[] = {{0x00, kStoredZero}, {0xD4, 0x00}, {0xFF, 0xCA}, {0x81, 0x55},
               {0x05, 0x74},        {0x10, 0x31}, {0x2F, 0xFE}};
  for (const auto& c : cases) {
    std::uint8_t buffer[1] = {c.plain};
    ScrambleBytes(buffer, 1);
    EXPECT_EQ(buffer[0], c.stored) << int(c.plain);
    UnscrambleBytes(buffer, 1);
    EXPECT_EQ(buffer[0], c.plain);
  }
}

TEST(Codec, GuardsChangeNothing) {
  std::uint8_t buffer[4] = {1, 2, 3, 4};
  for (std::int32_t length : {0, -1, INT32_MIN}) {
    ScrambleBytes(buffer, length);
    UnscrambleBytes(buffer, length);
    EXPECT_EQ(std::vector<std::uint8_t>(buffer, buffer + 4),
              (std::vector<std::uint8_t>{1, 2, 3, 4}));
  }
  ScrambleBytes(nullptr, 4);  // must not crash
  UnscrambleBytes(nullptr, 4);
}

TEST(Codec, QueryFileSize) {
  SaveFolder folder;
  EXPECT_EQ(QueryFileSize(folder.file("missing").string().c_str()), 0);
  WriteBytes(folder.file("empty"), {});
  EXPECT_EQ(QueryFileSize(folder.file("empty").string().c_str()), 0);
  WriteBytes(folder.file("five"), {1, 2, 3, 4, 5});
  EXPECT_EQ(QueryFileSize(folder.file("five").string().c_str()), 5);
}

TEST(SavePathRules, SeparatorIsAddedEvenAfterOne) {
  const std::string previous = SavePath;
  const std::string sep(1, kPathSeparator);
  ASSERT_TRUE(SetSavePath(("C:" + sep).c_str()));
  EXPECT_EQ(SettingsFilePath("CFG.BIN"), "C:" + sep + sep + "CFG.BIN");
  ASSERT_TRUE(SetSavePath("folder"));
  EXPECT_EQ(SettingsFilePath("menu.dat"), "folder" + sep + "menu.dat");
  SetSavePath(previous.c_str());
}

TEST(SavePathRules, StartsAtDriveRoot) {
  // Nothing in this test binary sets SavePath before main; fixtures restore it.
  EXPECT_STREQ(SavePath, "C:\\");
}

TEST(SavePathRules, RefusesOverlongFolderAndKeepsOld) {
  const std::string previous = SavePath;
  ASSERT_TRUE(SetSavePath("keep"));
  const std::string longest(kSavePathMax, 'a');
  EXPECT_TRUE(SetSavePath(longest.c_str()));
  EXPECT_EQ(std::string(SavePath), longest);
  ASSERT_TRUE(SetSavePath("keep"));
  const std::string tooLong(kSavePathMax + 1, 'a');
  EXPECT_FALSE(SetSavePath(tooLong.c_str()));
  EXPECT_STREQ(SavePath, "keep");
  EXPECT_FALSE(SetSavePath(nullptr));
  EXPECT_STREQ(SavePath, "keep");
  SetSavePath(previous.c_str());
}

}  // namespace
