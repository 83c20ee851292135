#include "files/menu_data.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "files/save_path.h"
#include "support/test_support.h"

namespace {

// The factory record, bytes 0 to 43.
const std::vector<std::uint8_t> kFactoryBytes = {
    0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x09, 0x3C, 0x02, 0x01, 0x00, 0x02, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x8F, 0x00, 0x81, 0x80};

int FixedHour = 8;
int FixedEpochHour() { return FixedHour; }

class MenuDataFile : public ::testing::Test {
 protected:
  void SetUp() override {
    g_sMenuData = MenuData{};
    TimeZoneIndex = 0;
    SaveClock = ClockStamp{};
    FixedHour = 8;  // UTC+08: row 20
    SetEpochLocalHourSource(FixedEpochHour);
  }
  void TearDown() override { SetEpochLocalHourSource(nullptr); }

  std::filesystem::path menu() const { return folder_.file("menu.dat"); }
  void WriteRecord(const MenuData& record) { WriteBytes(menu(), Encoded(&record, sizeof record)); }

  SaveFolder folder_;
};

TEST_F(MenuDataFile, FactoryRecordRoundTrip) {
  TimeZoneIndex = 5;
  SaveClock = {2024, 1, 2, 3, 4, 5};
  DefaultMenuData();
  EXPECT_EQ(PlainBytes(g_sMenuData), kFactoryBytes);
  EXPECT_EQ(TimeZoneIndex, 5);  // untouched
  EXPECT_EQ(SaveClock.year, 2024);

  ASSERT_EQ(StoreMenuData(), 1);
  EXPECT_EQ(Decoded(ReadBytes(menu())), kFactoryBytes);
  SaveClock = ClockStamp{};
  g_sMenuData = MenuData{};
  ASSERT_TRUE(LoadMenuData());
  EXPECT_EQ(PlainBytes(g_sMenuData), kFactoryBytes);
}

TEST_F(MenuDataFile, StoreAndLoadTranscript) {
  DefaultMenuData();
  g_sMenuData.CapMode = 2;
  g_sMenuData.ImgSize = 1;
  g_sMenuData.Flag = 0;
  TraceCapture trace;
  ASSERT_EQ(StoreMenuData(), 1);
  ASSERT_TRUE(LoadMenuData());
  const std::string path = menu().string();
  EXPECT_EQ(trace.lines(), (std::vector<std::string>{
                               "Open file - \"" + path + "\" success!",
                               "[W]Flag = 0x8081",
                               std::string(48, '_'),
                               "___sizeof menu data:44___",
                               "iGetFileSize = 44",
                               "Open file - \"" + path + "\" success!",
                               "CapMode = 2",
                               "ImgSize = 1",
                               "Flag = 0x8081",
                           }));
}

TEST_F(MenuDataFile, WrongSizesFailAndKeepRecord) {
  DefaultMenuData();
  g_sMenuData.CapMode = 1;
  const auto before = PlainBytes(g_sMenuData);
  for (std::size_t size : {std::size_t{43}, std::size_t{45}}) {
    SCOPED_TRACE(size);
    WriteBytes(menu(), std::vector<std::uint8_t>(size, 0x35));
    TimeZoneIndex = 3;
    TraceCapture trace;
    EXPECT_FALSE(LoadMenuData());
    EXPECT_EQ(trace.lines(), (std::vector<std::string>{"___sizeof menu data:44___",
                                                       "iGetFileSize = " + std::to_string(size),
                                                       "File szie != struct size!"}));
    EXPECT_EQ(PlainBytes(g_sMenuData), before);
    EXPECT_EQ(TimeZoneIndex, 20);  // the PC's zone
  }
}

TEST_F(MenuDataFile, ClockZoneByteOnLoad) {
  const struct {
    std::uint8_t stored;
    std::uint8_t mode;
    std::uint8_t zone;
  } cases[] = {
      {0x80, 0, 0},   // zone present, row 0 (UTC-12)
      {0x01, 1, 20},  // no zone stored: the PC's
      {0xD0, 0, 20}, {0xB1, 1, 12},
      {0xFE, 2, 31},  // a row out of range is kept for the screen to repair
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(int(c.stored));
    MenuData record = FactoryMenuData();
    record.ClockZone = c.stored;
    WriteRecord(record);
    ASSERT_TRUE(LoadMenuData());
    EXPECT_EQ(g_sMenuData.ClockZone, c.mode);
    EXPECT_EQ(TimeZoneIndex, c.zone);
  }
}

TEST_F(MenuDataFile, PackClockZone) {
  EXPECT_EQ(PackClockZone(20, kClockAuto), 0xD0);
  EXPECT_EQ(PackClockZone(12, kClockInput), 0xB1);
  EXPECT_EQ(PackClockZone(0, kClockAuto), 0x80);
}

TEST_F(MenuDataFile, FlagAndReservedBytesOfALoadedFile) {
  MenuData record = FactoryMenuData();
  record.Flag = 0x0000;
  record.Reserved1 = 0x12;
  record.Reserved2 = 0x34;
  WriteRecord(record);
  ASSERT_TRUE(LoadMenuData());
  EXPECT_EQ(g_sMenuData.Flag, 0x0000);
  ASSERT_EQ(StoreMenuData(), 1);
  const auto stored = Decoded(ReadBytes(menu()));
  EXPECT_EQ(stored[40], 0x12);
  EXPECT_EQ(stored[41], 0x34);
  EXPECT_EQ(stored[42], 0x81);
  EXPECT_EQ(stored[43], 0x80);
}

TEST_F(MenuDataFile, ClockVerification) {
  MenuData record = FactoryMenuData();
  record.Year = 2024;
  record.Month = 2;
  record.Day = 29;
  record.Hour = 10;
  record.Minute = 20;
  record.Second = 31;
  WriteRecord(record);

  EXPECT_TRUE(LoadMenuData());  // nothing captured: no check

  SaveClock = {2024, 2, 29, 10, 20, 30};
  TimeZoneIndex = 0;
  record.ClockZone = PackClockZone(3, kClockInput);
  WriteRecord(record);
  TraceCapture trace;
  EXPECT_FALSE(LoadMenuData());
  EXPECT_EQ(trace.lines().back(), "Save clock is different!");
  EXPECT_EQ(g_sMenuData.Second, 31);  // the record holds the file
  EXPECT_EQ(TimeZoneIndex, 3);        // and the file's zone

  SaveClock.second = 31;
  EXPECT_TRUE(LoadMenuData());
}

TEST_F(MenuDataFile, FailedStoreKeepsPreviousFileAndRecord) {
  DefaultMenuData();
  ASSERT_EQ(StoreMenuData(), 1);
  const auto previous = ReadBytes(menu());
  std::filesystem::create_symlink("/dev/full", folder_.file("menu.dat.tmp"));
  g_sMenuData.CapMode = 2;
  EXPECT_EQ(StoreMenuData(), 0);
  EXPECT_EQ(ReadBytes(menu()), previous);

  const std::string missing = (folder_.path() / "missing").string();
  ASSERT_TRUE(SetSavePath(missing.c_str()));
  g_sMenuData.Flag = 0x1234;
  TraceCapture trace;
  EXPECT_EQ(StoreMenuData(), 0);
  EXPECT_EQ(g_sMenuData.Flag, 0x1234);  // nothing opened: record untouched
  EXPECT_FALSE(trace.contains("[W]Flag"));
}

TEST(TimeZoneRow, FromLocalHourOfTheEpoch) {
  const struct {
    int hour;
    int row;
  } cases[] = {{0, 12}, {8, 20}, {12, 24}, {13, 1}, {14, 2}, {19, 7}, {23, 11}, {5, 17}, {20, 8}};
  for (const auto& c : cases) EXPECT_EQ(TimeZoneRowFromHour(c.hour), c.row) << c.hour;
}

// The library's own local-time conversion, under a zone the test sets.
TEST(TimeZoneRow, FromTheCLibraryUnderTZ) {
  const char* old = std::getenv("TZ");
  const std::string saved = old ? old : "";
  const struct {
    const char* tz;
    int row;
  } cases[] = {
      {"UTC-8", 20},     // +08:00
      {"EST5", 7},       // -05:00
      {"UTC0", 12},      // UTC
      {"IST-5:30", 17},  // +05:30 drops to UTC+05
      {"NST3:30", 8},    // -03:30 drops to UTC-04
      {"TOT-13", 1},     // +13 wraps to UTC-11
  };
  SetEpochLocalHourSource(nullptr);
  for (const auto& c : cases) {
    setenv("TZ", c.tz, 1);
    tzset();
    TimeZoneIndex = 0;
    TimeZoneFromLocal();
    EXPECT_EQ(int(TimeZoneIndex), c.row) << c.tz;
  }
  if (old) {
    setenv("TZ", saved.c_str(), 1);
  } else {
    unsetenv("TZ");
  }
  tzset();
}

}  // namespace
