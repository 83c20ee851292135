#include "ui/camera_setup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "data/camera_options.h"
#include "files/menu_data.h"
#include "files/save_path.h"
#include "tests/ui/camera_screen_fixture.h"

namespace camera_test {
namespace {

struct ListShows {
  int list;
  const char* text;
};

// What the factory record shows, list by list, in English.
const ListShows kFactoryEnglish[] = {
    {ids::kModeList, "Camera"},       {ids::kImgSizeList, "12 MP"},
    {ids::kVideoSizeList, "720P"},    {ids::kPicNumList, "01 Photo"},
    {ids::kTimeStampList, "On"},      {ids::kSenseLevelList, "Normal"},
    {ids::kSidePirList, "On"},        {ids::kVideoLenList, "10"},
    {ids::kIntervalNumberList, "1"},  {ids::kIntervalUnitList, "Min"},
    {ids::kDateFormatList, "MMDDYY"}, {ids::kBeepSoundList, "On"},
    {ids::kSdCycleList, "Off"},       {ids::kLanguageList, "English"},
    {ids::kTimeZoneList, "UTC+08"},   {ids::kSetClockList, "Auto"},
    {ids::kTimer1List, "Off"},        {ids::kTimer1StartHourList, "0"},
    {ids::kTimer1StartMinList, "0"},  {ids::kTimer1EndHourList, "0"},
    {ids::kTimer1EndMinList, "0"},    {ids::kTimer2List, "Off"},
    {ids::kTimer2StartHourList, "0"}, {ids::kTimer2StartMinList, "0"},
    {ids::kTimer2EndHourList, "0"},   {ids::kTimer2EndMinList, "0"},
    {ids::kSerialList, "Off"},        {ids::kSerialChar1List, "0"},
    {ids::kSerialChar2List, "0"},     {ids::kSerialChar3List, "0"},
    {ids::kSerialChar4List, "0"},     {ids::kTimeLapseList, "Off"},
    {ids::kTimeLapseHourList, "0"},   {ids::kTimeLapseMinList, "0"},
    {ids::kTimeLapseSecList, "0"},
};

// Every list that a switch list enables or disables.
const int kDependentLists[] = {
    ids::kTimer1StartHourList, ids::kTimer1StartMinList,  ids::kTimer1EndHourList,
    ids::kTimer1EndMinList,    ids::kTimer2StartHourList, ids::kTimer2StartMinList,
    ids::kTimer2EndHourList,   ids::kTimer2EndMinList,    ids::kSerialChar1List,
    ids::kSerialChar2List,     ids::kSerialChar3List,     ids::kSerialChar4List,
    ids::kTimeLapseHourList,   ids::kTimeLapseMinList,    ids::kTimeLapseSecList,
};

void ExpectShows(OpenedCamera& camera, std::span<const ListShows> expected) {
  for (const ListShows& e : expected) {
    SCOPED_TRACE(e.list);
    EXPECT_EQ(camera.Shown(e.list), e.text);
  }
}

// The record a test loads: every field away from its factory value.
MenuData Customised() {
  MenuData m = FactoryMenuData();
  m.CapMode = 2;
  m.ImgSize = 2;
  m.VideoSize = 0;
  m.PicNum = 1;
  m.TimeStamp = 1;
  m.SenseLevel = 3;
  m.SidePir = 0;
  m.VideoLen = 29;
  m.Interval = 45;
  m.DateFormat = 0;
  m.BeepSound = 0;
  m.SdCycle = 1;
  m.MenuLanguage = 14;
  m.ClockZone = PackClockZone(5, kClockAuto);
  m.Year = 2023;
  m.Month = 7;
  m.Day = 14;
  m.Hour = 1;
  m.Minute = 2;
  m.Second = 3;
  m.Timer1On = 1;
  m.Timer1StartHour = 6;
  m.Timer1StartMin = 15;
  m.Timer1EndHour = 18;
  m.Timer1EndMin = 45;
  m.Timer2On = 1;
  m.Timer2StartHour = 20;
  m.Timer2StartMin = 1;
  m.Timer2EndHour = 23;
  m.Timer2EndMin = 59;
  m.SerialOn = 1;
  m.SerialChars[0] = 10;
  m.SerialChars[1] = 11;
  m.SerialChars[2] = 12;
  m.SerialChars[3] = 35;
  m.TimeLapse = 0;
  m.TimeLapseHour = 2;
  m.TimeLapseMin = 30;
  m.TimeLapseSec = 59;
  m.Reserved1 = 0x11;
  m.Reserved2 = 0x22;
  m.Flag = 0;
  return m;
}

const ListShows kCustomisedEnglish[] = {
    {ids::kModeList, "Camera+Video"},   {ids::kImgSizeList, "2 MP"},
    {ids::kVideoSizeList, "1440x1080"}, {ids::kPicNumList, "02 Photos"},
    {ids::kTimeStampList, "Off"},       {ids::kSenseLevelList, "Off"},
    {ids::kSidePirList, "Off"},         {ids::kVideoLenList, "30"},
    {ids::kIntervalNumberList, "45"},   {ids::kIntervalUnitList, "Sec"},
    {ids::kDateFormatList, "YYMMDD"},   {ids::kBeepSoundList, "Off"},
    {ids::kSdCycleList, "On"},          {ids::kLanguageList, "Polish"},
    {ids::kTimeZoneList, "UTC-07"},     {ids::kSetClockList, "Auto"},
    {ids::kTimer1List, "On"},           {ids::kTimer1StartHourList, "6"},
    {ids::kTimer1StartMinList, "15"},   {ids::kTimer1EndHourList, "18"},
    {ids::kTimer1EndMinList, "45"},     {ids::kTimer2List, "On"},
    {ids::kTimer2StartHourList, "20"},  {ids::kTimer2StartMinList, "1"},
    {ids::kTimer2EndHourList, "23"},    {ids::kTimer2EndMinList, "59"},
    {ids::kSerialList, "On"},           {ids::kSerialChar1List, "A"},
    {ids::kSerialChar2List, "B"},       {ids::kSerialChar3List, "C"},
    {ids::kSerialChar4List, "Z"},       {ids::kTimeLapseList, "On"},
    {ids::kTimeLapseHourList, "2"},     {ids::kTimeLapseMinList, "30"},
    {ids::kTimeLapseSecList, "59"},
};

std::vector<std::uint8_t> Bytes(const MenuData& record) { return PlainBytes(record); }

TEST_F(CameraScreenTest, FirstOpeningWithoutMenuDatShowsTheFactoryRecord) {
  OpenedCamera& camera = Open();
  FakeSurface& ui = camera.ui;

  EXPECT_FALSE(MenuFirstOpen);
  ExpectShows(camera, kFactoryEnglish);
  EXPECT_EQ(ui.caption(), "Camera Setup");
  EXPECT_EQ(ui.smallIcon(), kSmallIconId);
  EXPECT_EQ(ui.GetText(ids::kTimeZoneLabel), "Time Zone");
  EXPECT_EQ(ui.labelColor(ids::kTimeZoneLabel), (FakeColor{34, 96, 217}));
  EXPECT_EQ(ui.GetText(ids::kVideoLenUnitLabel), "Sec");
  EXPECT_EQ(ui.GetText(ids::kTimeLapseSecLabel), "Sec");
  EXPECT_EQ(ui.GetText(ids::kTimer2EndMinLabel), "Min");
  EXPECT_EQ(ui.GetText(ids::kTimer1StartFrame), "Start");
  EXPECT_EQ(ui.GetText(ids::kSavePathFrame), "Save Path");
  EXPECT_EQ(ui.GetText(ids::kGenerateButton), "Generate");

  // Auto: the running PC clock, not typeable.
  EXPECT_EQ(camera.Clock(), "2024-02-29 10:20:30");
  for (int id : kClockIds) EXPECT_FALSE(ui.IsEnabled(id)) << id;
  for (int id : kDependentLists) EXPECT_FALSE(ui.IsEnabled(id)) << id;

  EXPECT_EQ(ui.GetText(ids::kPathEdit), std::string(SavePath));
  EXPECT_EQ(ui.TextLimit(ids::kYearEdit), 4);
  for (int id :
       {ids::kMonthEdit, ids::kDayEdit, ids::kHourEdit, ids::kMinuteEdit, ids::kSecondEdit})
    EXPECT_EQ(ui.TextLimit(id), 2) << id;
  EXPECT_EQ(ui.TextLimit(ids::kPathEdit), 260);
  EXPECT_EQ(ui.timers(), (std::map<int, int>{{1, 1000}}));

  // The record: factory defaults with the Auto clock, the zone from the PC.
  MenuData expected = FactoryMenuData();
  expected.ClockZone = kClockAuto;
  EXPECT_EQ(Bytes(g_sMenuData), Bytes(expected));
  EXPECT_EQ(TimeZoneIndex, kPcZoneRow);

  EXPECT_TRUE(ui.messages().empty());
  EXPECT_FALSE(MenuExists());
  ASSERT_FALSE(trace.lines().empty());
  EXPECT_EQ(trace.lines().back(), "INIT END.");
  EXPECT_TRUE(trace.contains("File szie != struct size!"));
}

// Index of the first call that starts with `prefix`, or -1.
int FirstCall(const std::vector<std::string>& calls, const std::string& prefix) {
  for (std::size_t i = 0; i < calls.size(); ++i)
    if (calls[i].rfind(prefix, 0) == 0) return static_cast<int>(i);
  return -1;
}

TEST_F(CameraScreenTest, OpeningRunsInItsOrder) {
  OpenedCamera& camera = Open();
  const std::vector<std::string>& calls = camera.ui.calls();
  const std::string milestones[] = {
      "SetSmallIcon 119",       "SetCaption Camera Setup", "SetText 40001 Mode",
      "SelectRow 40119 0",     // the last list of the fill
      "Enable 40039 0",        // the groups
      "SetText 40039 2024",    // the live clock
      "SetText 40094 ",        // the path field
      "SetTextLimit 40039 4",  // the limits
      "SetTextLimit 40094 260", "StartTimer 1 1000",
  };
  int previous = -1;
  for (const std::string& m : milestones) {
    SCOPED_TRACE(m);
    const int at = FirstCall(calls, m);
    EXPECT_GT(at, previous);
    previous = at;
  }
  EXPECT_EQ(calls.back(), "StartTimer 1 1000");

  // The lists are filled in the order of the screen.
  const int fillOrder[] = {
      ids::kModeList,           ids::kImgSizeList,         ids::kVideoSizeList,
      ids::kPicNumList,         ids::kTimeStampList,       ids::kSenseLevelList,
      ids::kSidePirList,        ids::kVideoLenList,        ids::kIntervalUnitList,
      ids::kIntervalNumberList, ids::kDateFormatList,      ids::kBeepSoundList,
      ids::kSdCycleList,        ids::kLanguageList,        ids::kTimeZoneList,
      ids::kSetClockList,       ids::kTimer1List,          ids::kTimer1StartHourList,
      ids::kTimer1EndHourList,  ids::kTimer1StartMinList,  ids::kTimer1EndMinList,
      ids::kTimer2List,         ids::kTimer2StartHourList, ids::kTimer2EndHourList,
      ids::kTimer2StartMinList, ids::kTimer2EndMinList,    ids::kSerialList,
      ids::kSerialChar1List,    ids::kSerialChar2List,     ids::kSerialChar3List,
      ids::kSerialChar4List,    ids::kTimeLapseList,       ids::kTimeLapseHourList,
      ids::kTimeLapseMinList,   ids::kTimeLapseSecList,
  };
  previous = -1;
  for (int list : fillOrder) {
    SCOPED_TRACE(list);
    const int at = FirstCall(calls, "AddRow " + std::to_string(list) + " ");
    EXPECT_GT(at, previous);
    previous = at;
  }
  // The Time Zone label gets its text with its list.
  EXPECT_GT(FirstCall(calls, "SetText 40123 Time Zone"), FirstCall(calls, "SelectRow 40104 "));
  EXPECT_LT(FirstCall(calls, "SetText 40123 Time Zone"), FirstCall(calls, "AddRow 40120 "));
}

TEST_F(CameraScreenTest, OpeningFillsTheListsWithTheirRows) {
  OpenedCamera& camera = Open();
  FakeSurface& ui = camera.ui;
  EXPECT_EQ(ui.Rows(ids::kVideoLenList), OneToSixtyRows());
  EXPECT_EQ(ui.Rows(ids::kIntervalNumberList), OneToSixtyRows());
  EXPECT_EQ(ui.Rows(ids::kIntervalUnitList), (std::vector<std::string>{"Sec", "Min"}));
  EXPECT_EQ(ui.Rows(ids::kTimeZoneList), TimeZoneList());
  EXPECT_EQ(ui.Rows(ids::kSetClockList), (std::vector<std::string>{"Auto", "Input", "Off"}));
  EXPECT_EQ(ui.Rows(ids::kTimer1StartHourList), HourRows());
  EXPECT_EQ(ui.Rows(ids::kTimer2EndMinList), MinuteSecondRows());
  EXPECT_EQ(ui.Rows(ids::kSerialChar4List), SerialRows());
  EXPECT_EQ(ui.Rows(ids::kTimeLapseSecList), MinuteSecondRows());
  EXPECT_EQ(ui.RowCount(ids::kLanguageList), 14);
  EXPECT_EQ(ui.RowCount(ids::kSenseLevelList), 4);
}

TEST_F(CameraScreenTest, ChineseTextsFollowTheInterfaceLanguage) {
  LanguageIndex = 0;
  OpenedCamera& camera = Open();
  FakeSurface& ui = camera.ui;
  EXPECT_EQ(ui.caption(), "相机设置");
  EXPECT_EQ(ui.GetText(ids::kModeLabel), "模式");
  EXPECT_EQ(ui.GetText(ids::kTimeZoneLabel), "时区");
  EXPECT_EQ(ui.GetText(ids::kVideoLenUnitLabel), "秒钟");
  EXPECT_EQ(ui.GetText(ids::kDefaultButton), "出厂设置");
  EXPECT_EQ(camera.Shown(ids::kModeList), "拍照");
  EXPECT_EQ(camera.Shown(ids::kPicNumList), "01 张");
  EXPECT_EQ(camera.Shown(ids::kIntervalUnitList), "分钟");
  EXPECT_EQ(camera.Shown(ids::kLanguageList), "英语");
  EXPECT_EQ(camera.Shown(ids::kSetClockList), "自动获取");
  EXPECT_EQ(camera.Shown(ids::kTimeZoneList), "UTC+08");

  ASSERT_TRUE(ui.Click(ids::kGenerateButton));
  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_EQ(ui.messages()[0].text, "成功生成配置文件!");
  EXPECT_EQ(ui.messages()[0].caption, "通知");
}

TEST_F(CameraScreenTest, FirstOpeningShowsTheLoadedFile) {
  WriteMenu(Customised());
  OpenedCamera& camera = Open();
  ExpectShows(camera, kCustomisedEnglish);
  for (int id : kDependentLists) EXPECT_TRUE(camera.ui.IsEnabled(id)) << id;
  EXPECT_EQ(TimeZoneIndex, 5);
  // The stored clock is never shown: the fields run from the PC.
  EXPECT_EQ(camera.Clock(), "2024-02-29 10:20:30");
}

TEST_F(CameraScreenTest, FirstOpeningRepairsVideoLengthAndStartsInAuto) {
  MenuData file = FactoryMenuData();
  file.VideoLen = 70;
  file.ClockZone = PackClockZone(3, kClockInput);
  WriteMenu(file);

  OpenedCamera& camera = Open();
  EXPECT_EQ(camera.Shown(ids::kVideoLenList), "10");
  EXPECT_EQ(camera.Shown(ids::kSetClockList), "Auto");
  EXPECT_EQ(camera.Shown(ids::kTimeZoneList), "UTC-09");
  for (int id : kClockIds) EXPECT_FALSE(camera.ui.IsEnabled(id)) << id;
  EXPECT_EQ(g_sMenuData.VideoLen, 9);
  EXPECT_EQ(g_sMenuData.ClockZone, kClockAuto);

  platform.Advance(1);
  ASSERT_TRUE(camera.ui.Tick(ids::kClockTimerId));
  EXPECT_EQ(camera.Clock(), "2024-02-29 10:20:31");
}

TEST_F(CameraScreenTest, TimeZoneComesFromThePlatform) {
  struct Case {
    int epochHour;
    const char* shown;
  };
  const Case cases[] = {
      {8, "UTC+08"}, {19, "UTC-05"}, {0, "UTC+00"}, {12, "UTC+12"}, {13, "UTC-11"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.epochHour);
    ResetCameraRun();
    platform.epochLocalHour = c.epochHour;
    OpenedCamera& camera = Open();
    EXPECT_EQ(camera.Shown(ids::kTimeZoneList), c.shown);
    dialog.reset();
  }
}

TEST_F(CameraScreenTest, LaterOpeningShowsTheRecordAsTheScreenLeftIt) {
  {
    OpenedCamera& first = Open();
    ASSERT_TRUE(first.ui.Pick(ids::kModeList, 1));
    ASSERT_TRUE(first.ui.Pick(ids::kTimeZoneList, 3));
    ASSERT_TRUE(first.ui.Pick(ids::kTimer1List, 1));
    ASSERT_TRUE(first.ui.Pick(ids::kTimer1EndHourList, 22));
    ASSERT_TRUE(first.ui.Pick(ids::kSetClockList, kClockInput));
    ASSERT_TRUE(first.ui.Type(ids::kYearEdit, "2030"));
    CloseAndForget();
  }
  // A file written now is not read: only the first opening loads.
  WriteMenu(Customised());
  platform.now = {2025, 1, 2, 3, 4, 5};

  OpenedCamera& second = Open();
  EXPECT_EQ(second.Shown(ids::kModeList), "Video");
  EXPECT_EQ(second.Shown(ids::kTimeZoneList), "UTC-09");
  EXPECT_EQ(second.Shown(ids::kTimer1List), "On");
  EXPECT_EQ(second.Shown(ids::kTimer1EndHourList), "22");
  EXPECT_TRUE(second.ui.IsEnabled(ids::kTimer1EndHourList));
  EXPECT_EQ(second.Shown(ids::kSetClockList), "Input");
  EXPECT_EQ(second.Shown(ids::kImgSizeList), "12 MP");
  // Input starts again from the PC's clock, typeable.
  EXPECT_EQ(second.Clock(), "2025-01-02 03:04:05");
  for (int id : kClockIds) EXPECT_TRUE(second.ui.IsEnabled(id)) << id;
}

TEST_F(CameraScreenTest, LaterOpeningInAutoKeepsTheClockRunning) {
  Open();
  CloseAndForget();
  // The read-back packed the zone into byte 13; the mode is still Auto.
  EXPECT_EQ(g_sMenuData.ClockZone, PackClockZone(kPcZoneRow, kClockAuto));

  OpenedCamera& second = Open();
  EXPECT_EQ(second.Shown(ids::kSetClockList), "Auto");
  platform.Advance(61);
  ASSERT_TRUE(second.ui.Tick(ids::kClockTimerId));
  EXPECT_EQ(second.Clock(), "2024-02-29 10:21:31");
}

TEST_F(CameraScreenTest, LaterOpeningInOffLeavesTheClockEmpty) {
  {
    OpenedCamera& first = Open();
    ASSERT_TRUE(first.ui.Pick(ids::kSetClockList, kClockOff));
    CloseAndForget();
  }
  OpenedCamera& second = Open();
  EXPECT_EQ(second.Shown(ids::kSetClockList), "Off");
  EXPECT_EQ(second.Clock(), "-- ::");
  platform.Advance(1);
  ASSERT_TRUE(second.ui.Tick(ids::kClockTimerId));
  EXPECT_EQ(second.Clock(), "-- ::");
}

TEST_F(CameraScreenTest, SwitchListsEnableTheirGroups) {
  struct Case {
    int list;
    int enablingRow;
    int disablingRow;
    std::vector<int> group;
  };
  const Case cases[] = {
      {ids::kTimer1List,
       1,
       0,
       {ids::kTimer1StartHourList, ids::kTimer1StartMinList, ids::kTimer1EndHourList,
        ids::kTimer1EndMinList}},
      {ids::kTimer2List,
       1,
       0,
       {ids::kTimer2StartHourList, ids::kTimer2StartMinList, ids::kTimer2EndHourList,
        ids::kTimer2EndMinList}},
      {ids::kSerialList,
       1,
       0,
       {ids::kSerialChar1List, ids::kSerialChar2List, ids::kSerialChar3List,
        ids::kSerialChar4List}},
      {ids::kTimeLapseList,
       0,
       1,
       {ids::kTimeLapseHourList, ids::kTimeLapseMinList, ids::kTimeLapseSecList}},
  };
  OpenedCamera& camera = Open();
  FakeSurface& ui = camera.ui;
  const MenuData before = g_sMenuData;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.list);
    ASSERT_TRUE(ui.Pick(c.list, c.enablingRow));
    for (int id : c.group) EXPECT_TRUE(ui.IsEnabled(id)) << id;
    // Only this group moved.
    for (int id : kDependentLists) {
      if (std::find(c.group.begin(), c.group.end(), id) == c.group.end()) {
        EXPECT_FALSE(ui.IsEnabled(id)) << id;
      }
    }
    // The record changes only at the read-back.
    EXPECT_EQ(Bytes(g_sMenuData), Bytes(before));
    ASSERT_TRUE(ui.Pick(c.list, c.disablingRow));
    for (int id : c.group) EXPECT_FALSE(ui.IsEnabled(id)) << id;
  }
}

TEST_F(CameraScreenTest, IntervalUnitSwitchKeepsTheShownNumber) {
  struct Case {
    std::uint8_t stored;
    int pickedUnit;
    const char* shownAfter;
    std::uint8_t generated;
  };
  const Case cases[] = {
      {30, kIntervalMin, "30", 89},   // Sec "30" -> Min "30"
      {0, kIntervalMin, "1", 60},     // Sec "0" has no minute twin
      {64, kIntervalSec, "5", 5},     // Min "5" -> Sec "5"
      {119, kIntervalSec, "59", 59},  // Min "60" -> the last second row
      {30, kIntervalSec, "30", 30},   // the same unit again changes nothing
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.stored));
    ResetCameraRun();
    MenuData file = FactoryMenuData();
    file.Interval = c.stored;
    WriteMenu(file);

    OpenedCamera& camera = Open();
    const int rowsBefore = camera.ui.RowCount(ids::kIntervalNumberList);
    ASSERT_TRUE(camera.ui.Pick(ids::kIntervalUnitList, c.pickedUnit));
    EXPECT_EQ(camera.Shown(ids::kIntervalNumberList), c.shownAfter);
    EXPECT_EQ(camera.ui.RowCount(ids::kIntervalNumberList), rowsBefore);
    EXPECT_EQ(camera.ui.Rows(ids::kIntervalNumberList), IntervalNumberRows(c.pickedUnit));
    EXPECT_EQ(IntervalUnit, c.pickedUnit);

    ASSERT_TRUE(camera.ui.Click(ids::kGenerateButton));
    EXPECT_EQ(ReadMenu().Interval, c.generated);
    dialog.reset();
  }
}

TEST_F(CameraScreenTest, GenerateWritesWhatTheScreenShows) {
  WriteMenu(Customised());
  OpenedCamera& camera = Open();
  FakeSurface& ui = camera.ui;
  ASSERT_TRUE(ui.Pick(ids::kImgSizeList, 1));
  ASSERT_TRUE(ui.Pick(ids::kTimeZoneList, 24));
  ASSERT_TRUE(ui.Pick(ids::kSerialChar2List, 0));
  ASSERT_TRUE(ui.Pick(ids::kSetClockList, kClockInput));
  ASSERT_TRUE(ui.Type(ids::kHourEdit, "23"));
  trace.clear();

  ASSERT_TRUE(ui.Click(ids::kGenerateButton));

  MenuData expected = Customised();
  expected.ImgSize = 1;
  expected.SerialChars[1] = 0;
  expected.ClockZone = PackClockZone(24, kClockInput);
  expected.Year = 2024;
  expected.Month = 2;
  expected.Day = 29;
  expected.Hour = 23;
  expected.Minute = 20;
  expected.Second = 30;
  expected.Flag = kMenuDataFlag;  // the reserved bytes travel unchanged
  EXPECT_EQ(Bytes(ReadMenu()), Bytes(expected));

  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_EQ(ui.messages()[0].text, "Generate Success!");
  EXPECT_EQ(ui.messages()[0].caption, "Notice");
  EXPECT_EQ(ui.messages()[0].kind, MessageKind::Information);

  ASSERT_FALSE(trace.lines().empty());
  EXPECT_EQ(trace.lines().front(), "Y:2024,M:2,D:29, h:23, m:20, s:30");
  EXPECT_TRUE(trace.contains("[W]Flag = 0x8081\n"));
  EXPECT_FALSE(trace.contains("Save clock is different!"));
  EXPECT_EQ(SaveClock.year, 2024);
  EXPECT_EQ(SaveClock.hour, 23);
  // The verifying load leaves the mode alone in byte 13 again.
  EXPECT_EQ(g_sMenuData.ClockZone, kClockInput);
  EXPECT_EQ(TimeZoneIndex, 24);
  EXPECT_FALSE(ui.ended());
}

TEST_F(CameraScreenTest, ListsWithoutASelectionStoreTheLowBitsOfRowMinusOne) {
  struct Case {
    const char* field;
    std::size_t offset;
    std::uint8_t loaded;
    int list;
    std::uint8_t generated;
  };
  const Case cases[] = {
      {"PicNum", offsetof(MenuData, PicNum), 5, ids::kPicNumList, 255},
      {"SenseLevel", offsetof(MenuData, SenseLevel), 9, ids::kSenseLevelList, 255},
      {"MenuLanguage", offsetof(MenuData, MenuLanguage), 20, ids::kLanguageList, 0},
      {"Interval in Min", offsetof(MenuData, Interval), 200, ids::kIntervalNumberList, 59},
      {"SerialChars[0]", offsetof(MenuData, SerialChars), 40, ids::kSerialChar1List, 255},
      {"TimeLapseSec", offsetof(MenuData, TimeLapseSec), 60, ids::kTimeLapseSecList, 255},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.field);
    ResetCameraRun();
    MenuData file = FactoryMenuData();
    reinterpret_cast<std::uint8_t*>(&file)[c.offset] = c.loaded;
    WriteMenu(file);

    OpenedCamera& camera = Open();
    EXPECT_EQ(camera.ui.SelectedRow(c.list), -1);
    ASSERT_TRUE(camera.ui.Click(ids::kGenerateButton));
    EXPECT_EQ(Decoded(ReadBytes(MenuFile()))[c.offset], c.generated);
    EXPECT_EQ(camera.ui.messages().size(), 1u);
    dialog.reset();
  }
}

TEST_F(CameraScreenTest, RepairsOfTheShownRecord) {
  struct Case {
    const char* name;
    std::uint8_t menuLanguage;
    std::uint8_t zoneRow;
    const char* language;
    const char* zone;
    std::uint8_t storedLanguage;
    std::uint8_t storedZoneRow;
  };
  // The zone is set in memory, as a later opening finds it; a file can
  // only carry rows up to 31.
  const Case cases[] = {
      {"language 0", 0, 12, "Chinese", "UTC+00", 1, 12},
      {"zone 24", 2, 24, "English", "UTC+12", 2, 24},
      {"zone 25", 2, 25, "English", "UTC+00", 2, 12},
      {"zone 31", 2, 31, "English", "UTC+00", 2, 12},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetCameraRun();
    Open();
    CloseAndForget();
    g_sMenuData.MenuLanguage = c.menuLanguage;
    TimeZoneIndex = c.zoneRow;

    OpenedCamera& camera = Open();
    EXPECT_EQ(camera.Shown(ids::kLanguageList), c.language);
    EXPECT_EQ(camera.Shown(ids::kTimeZoneList), c.zone);
    ASSERT_TRUE(camera.ui.Click(ids::kGenerateButton));
    const MenuData stored = ReadMenu();
    EXPECT_EQ(stored.MenuLanguage, c.storedLanguage);
    EXPECT_EQ(stored.ClockZone, PackClockZone(c.storedZoneRow, kClockAuto));
    dialog.reset();
  }
}

TEST_F(CameraScreenTest, VideoLengthIsRepairedOnlyAfterTheFirstLoad) {
  Open();
  CloseAndForget();
  g_sMenuData.VideoLen = 70;
  OpenedCamera& camera = Open();
  EXPECT_EQ(camera.ui.SelectedRow(ids::kVideoLenList), -1);
  ASSERT_TRUE(camera.ui.Click(ids::kGenerateButton));
  EXPECT_EQ(ReadMenu().VideoLen, 255);
}

TEST_F(CameraScreenTest, GenerateShowsNothingWhenTheFolderCannotBeWritten) {
  OpenedCamera& camera = Open();
  const std::filesystem::path missing = folder.path() / "missing";
  ASSERT_TRUE(SetSavePath(missing.string().c_str()));

  ASSERT_TRUE(camera.ui.Click(ids::kGenerateButton));
  EXPECT_TRUE(camera.ui.messages().empty());
  EXPECT_FALSE(std::filesystem::exists(missing));
  EXPECT_TRUE(trace.contains("err!"));
}

// A store that fails next to an older file that still verifies is no
// success: only both together mean the file holds the screen.
TEST_F(CameraScreenTest, FailedStoreBesideAnOlderFileIsNoSuccess) {
  WriteMenu(Customised());
  OpenedCamera& camera = Open();
  // Off keeps the loaded clock, so the old file passes the clock check.
  ASSERT_TRUE(camera.ui.Pick(ids::kSetClockList, kClockOff));
  std::filesystem::create_directory(folder.file("menu.dat.tmp"));
  const std::vector<std::uint8_t> before = ReadBytes(MenuFile());

  ASSERT_TRUE(camera.ui.Click(ids::kGenerateButton));
  EXPECT_FALSE(trace.contains("Save clock is different!"));
  EXPECT_EQ(ReadBytes(MenuFile()), before);
  EXPECT_TRUE(camera.ui.messages().empty());

  ASSERT_TRUE(camera.ui.Click(ids::kDefaultButton));
  EXPECT_TRUE(camera.ui.messages().empty());
}

TEST_F(CameraScreenTest, DefaultKeepsTheTimeZoneAndResetsTheRest) {
  WriteMenu(Customised());
  OpenedCamera& camera = Open();
  FakeSurface& ui = camera.ui;
  ASSERT_TRUE(ui.Pick(ids::kTimeZoneList, 22));
  ASSERT_TRUE(ui.Pick(ids::kSetClockList, kClockInput));
  ASSERT_TRUE(ui.Type(ids::kMinuteEdit, "07"));
  ui.ClearCalls();

  ASSERT_TRUE(ui.Click(ids::kDefaultButton));

  // A reselect: no caption, no label but the Time Zone one, no rows but the
  // rebuilt interval numbers, and the clock fields untouched.
  for (const std::string& call : ui.calls()) {
    SCOPED_TRACE(call);
    EXPECT_NE(call.rfind("SetCaption", 0), 0u);
    if (call.rfind("SetText", 0) == 0) {
      EXPECT_EQ(call, "SetText 40123 Time Zone");
    }
    if (call.rfind("AddRow", 0) == 0) {
      EXPECT_EQ(call.rfind("AddRow 40108 ", 0), 0u);
    }
    if (call.rfind("ClearRows", 0) == 0) {
      EXPECT_EQ(call, "ClearRows 40108");
    }
  }

  ListShows expected[std::size(kFactoryEnglish)];
  std::copy(std::begin(kFactoryEnglish), std::end(kFactoryEnglish), expected);
  for (ListShows& e : expected)
    if (e.list == ids::kTimeZoneList) e.text = "UTC+10";
  ExpectShows(camera, expected);
  for (int id : kDependentLists) EXPECT_FALSE(ui.IsEnabled(id)) << id;
  for (int id : kClockIds) EXPECT_FALSE(ui.IsEnabled(id)) << id;
  EXPECT_EQ(ui.Rows(ids::kIntervalNumberList), OneToSixtyRows());

  // The clock fields were not refreshed: the file gets what they showed.
  EXPECT_EQ(camera.Clock(), "2024-02-29 10:07:30");
  MenuData file = FactoryMenuData();
  file.ClockZone = PackClockZone(22, kClockAuto);
  file.Year = 2024;
  file.Month = 2;
  file.Day = 29;
  file.Hour = 10;
  file.Minute = 7;
  file.Second = 30;
  EXPECT_EQ(Bytes(ReadMenu()), Bytes(file));

  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_EQ(ui.messages()[0].text, "Default setting and generate success!");
  EXPECT_EQ(ui.messages()[0].caption, "Notice");
  EXPECT_EQ(ui.messages()[0].kind, MessageKind::Information);
}

TEST_F(CameraScreenTest, DefaultWhileSetClockIsOffWritesAZeroClock) {
  WriteMenu(Customised());  // a clock of 2023-07-14 01:02:03
  OpenedCamera& camera = Open();
  FakeSurface& ui = camera.ui;
  ASSERT_TRUE(ui.Pick(ids::kSetClockList, kClockOff));
  trace.clear();

  ASSERT_TRUE(ui.Click(ids::kDefaultButton));

  const MenuData stored = ReadMenu();
  EXPECT_EQ(stored.Year, 0);
  EXPECT_EQ(stored.Month, 0);
  EXPECT_EQ(stored.Day, 0);
  EXPECT_EQ(stored.Hour, 0);
  EXPECT_EQ(stored.Minute, 0);
  EXPECT_EQ(stored.Second, 0);
  EXPECT_EQ(SaveClock.year, 0);
  EXPECT_EQ(trace.lines().front(), "Y:0,M:0,D:0, h:0, m:0, s:0");
  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_EQ(ui.messages()[0].text, "Default setting and generate success!");

  // Auto from now on: the fields fill at the next tick.
  EXPECT_EQ(camera.Shown(ids::kSetClockList), "Auto");
  EXPECT_EQ(camera.Clock(), "-- ::");
  ASSERT_TRUE(ui.Tick(ids::kClockTimerId));
  EXPECT_EQ(camera.Clock(), "2024-02-29 10:20:30");
}

TEST_F(CameraScreenTest, ClosingReadsBackStopsTheTimerAndLeadsToMainSetup) {
  OpenedCamera& camera = Open();
  FakeSurface& ui = camera.ui;
  ASSERT_TRUE(ui.Pick(ids::kDateFormatList, 1));
  ASSERT_TRUE(ui.Pick(ids::kTimeZoneList, 0));
  ui.ClearCalls();
  trace.clear();

  ASSERT_TRUE(ui.Close());

  EXPECT_EQ(g_sMenuData.DateFormat, 1);
  EXPECT_EQ(TimeZoneIndex, 0);
  EXPECT_EQ(g_sMenuData.ClockZone, PackClockZone(0, kClockAuto));
  EXPECT_EQ(SaveClock.year, 2024);
  EXPECT_EQ(trace.text(), "Y:2024,M:2,D:29, h:10, m:20, s:30\n");
  EXPECT_EQ(ui.calls(), (std::vector<std::string>{"StopTimer 1", "EndDialog"}));
  EXPECT_TRUE(ui.timers().empty());
  EXPECT_TRUE(camera.screen.ended());
  EXPECT_EQ(camera.screen.transition().next, ScreenId::MainSetup);
  EXPECT_FALSE(MenuExists());
  EXPECT_TRUE(ui.messages().empty());
}

TEST_F(CameraScreenTest, EscapeEnterAndStrayCommandsDoNothing) {
  OpenedCamera& camera = Open();
  FakeSurface& ui = camera.ui;
  const MenuData before = g_sMenuData;
  ui.ClearCalls();
  ASSERT_TRUE(ui.PressEscape());
  ASSERT_TRUE(ui.PressEnter());
  ui.Command(ids::kGenerateButton, kEnChange);
  ui.Command(ids::kModeList, kCbnSelChange);
  EXPECT_TRUE(ui.calls().empty());
  EXPECT_FALSE(ui.ended());
  EXPECT_FALSE(MenuExists());
  EXPECT_EQ(Bytes(g_sMenuData), Bytes(before));
}

TEST_F(CameraScreenTest, BrowseChoosesTheFolderAndThePathFieldIsNotRead) {
  const std::filesystem::path picked = folder.path() / "card";
  std::filesystem::create_directory(picked);
  const std::string start = SavePath;
  platform.folderAnswers = {std::nullopt, picked.string(), std::string(kSavePathMax + 1, 'p')};

  OpenedCamera& camera = Open();
  FakeSurface& ui = camera.ui;

  ASSERT_TRUE(ui.Click(ids::kBrowseButton));  // cancelled
  EXPECT_EQ(std::string(SavePath), start);
  EXPECT_EQ(ui.GetText(ids::kPathEdit), start);

  ASSERT_TRUE(ui.Click(ids::kBrowseButton));
  EXPECT_EQ(std::string(SavePath), picked.string());
  EXPECT_EQ(ui.GetText(ids::kPathEdit), picked.string());

  ASSERT_TRUE(ui.Click(ids::kBrowseButton));  // too long for SavePath: refused
  EXPECT_EQ(std::string(SavePath), picked.string());
  EXPECT_EQ(ui.GetText(ids::kPathEdit), picked.string());
  EXPECT_EQ(platform.pickFolderCalls, 3);

  ASSERT_TRUE(ui.Type(ids::kPathEdit, folder.path().string()));
  ASSERT_TRUE(ui.Click(ids::kGenerateButton));
  EXPECT_TRUE(std::filesystem::exists(picked / "menu.dat"));
  EXPECT_FALSE(MenuExists());
  EXPECT_EQ(ui.messages().size(), 1u);
}

}  // namespace
}  // namespace camera_test
