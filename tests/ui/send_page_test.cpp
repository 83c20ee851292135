#include "ui/send_page.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "files/save_path.h"
#include "files/send_set.h"
#include "files/text_field.h"
#include "tests/support/test_support.h"
#include "tests/ui/threeg_pages.h"
#include "ui/app_state.h"
#include "ui/control_ids.h"

namespace {

namespace ids = send_page_ids;

const std::vector<int> kCoordinateInputs = {ids::kLongitudeDirList,    ids::kLongitudeDegreeEdit,
                                            ids::kLongitudeMinuteEdit, ids::kLongitudeSecondEdit,
                                            ids::kLatitudeDirList,     ids::kLatitudeDegreeEdit,
                                            ids::kLatitudeMinuteEdit,  ids::kLatitudeSecondEdit};

std::string Field(const auto& field) { return std::string(FieldText(field)); }

class SendPageTest : public ::testing::Test {
 protected:
  SendPageTest() { ResetThreeGRun(); }
  ~SendPageTest() override { ResetThreeGRun(); }

  // The live record as the parameter page leaves it for this page: equal to
  // the working copy.
  static void Arrive(const SendSet& record) {
    g_sSendSet = record;
    g_sSendSetCopy = record;
  }

  // A record that passes every check for Email with remote control on.
  static SendSet ReadyEmailRecord() {
    SendSet r = SampleRecord(kSendByEmail, true, 2, 0);
    CopyText(r.szRecp[2], "one@example.org");
    r.uwRecpLen[2] = 15;
    CopyText(r.szRemotePhoneNum, "+4917012345");
    CopyText(r.szRemoteEmail, "remote@example.org");
    return r;
  }

  std::vector<std::string> Warnings(FakeSurface& ui) const {
    std::vector<std::string> texts;
    for (const FakeMessage& m : ui.messages()) {
      EXPECT_EQ(m.caption, "Warning");
      EXPECT_EQ(m.kind, MessageKind::Warning);
      texts.push_back(m.text);
    }
    return texts;
  }

  FakePlatform platform;
  SaveFolder folder;
  TraceCapture trace;
};

// --- Opening -------------------------------------------------------------

TEST_F(SendPageTest, OpeningEnablesTheInputsOfTheSendOption) {
  struct Case {
    std::uint8_t sendBy;
    bool phones;
    bool emails;
    bool imageSize;
    bool sendInputs;  // maximum send number and the remote-interval list
    std::uint8_t imageSizeAfter;
  };
  for (const Case& c : {Case{kSendByClose3G, false, false, false, false, 0},
                        Case{kSendByMms, true, true, false, true, 1},
                        Case{kSendByEmail, false, true, true, true, 0},
                        Case{kSendByFtp, false, false, true, true, 0},
                        // No list offers it: as Close 3G.
                        Case{9, false, false, false, false, 0}}) {
    SCOPED_TRACE(int(c.sendBy));
    ResetThreeGRun();
    SendSet r = SampleRecord(c.sendBy, true, 2, 0);
    r.bySendImgSize = 0;
    Arrive(r);
    OpenedSendPage page(platform, c.sendBy <= 3 ? c.sendBy : 0);
    FakeSurface& ui = page.ui;
    EXPECT_EQ(ui.IsEnabled(ids::kPhone1Edit), c.phones);
    EXPECT_EQ(ui.IsEnabled(ids::kPhone2Edit), c.phones);
    EXPECT_EQ(ui.IsEnabled(ids::kEmail1Edit), c.emails);
    EXPECT_EQ(ui.IsEnabled(ids::kEmail2Edit), c.emails);
    EXPECT_EQ(ui.IsEnabled(ids::kImageSizeList), c.imageSize);
    EXPECT_EQ(ui.IsEnabled(ids::kMaxSendEdit), c.sendInputs);
    EXPECT_EQ(ui.IsEnabled(ids::kRemoteIntervalList), c.sendInputs);
    EXPECT_EQ(ui.IsEnabled(ids::kRemotePhoneEdit), c.sendInputs);
    EXPECT_EQ(g_sSendSet.bySendImgSize, c.imageSizeAfter);
    EXPECT_EQ(ui.SelectedRow(ids::kImageSizeList), c.imageSizeAfter);
    // Remote control is off for Close 3G whatever the record held.
    EXPECT_EQ(g_sSendSet.byRemoteSwitch, c.sendInputs ? 1 : 0);
    EXPECT_EQ(ui.SelectedRow(ids::kRemoteIntervalList), c.sendInputs ? 4 : 0);
    for (int id : kCoordinateInputs) {
      EXPECT_FALSE(ui.IsShown(id)) << "control " << id;
      EXPECT_FALSE(ui.IsEnabled(id)) << "control " << id;
    }
    for (int id : {ids::kCoordinateGroup, ids::kDegreeHead, ids::kLongitudeLabel})
      EXPECT_TRUE(ui.IsShown(id));
    EXPECT_FALSE(ui.IsEnabled(ids::kSendModeList));
    EXPECT_FALSE(ui.IsShown(ids::kDailyTimeList));
    EXPECT_FALSE(ui.IsEnabled(ids::kDailyTimeLabel));
    EXPECT_TRUE(ui.IsEnabled(ids::kBrowse));
    EXPECT_TRUE(ui.IsEnabled(ids::kPreviousPage));
    EXPECT_TRUE(ui.IsEnabled(ids::kGenerate));
  }
}

TEST_F(SendPageTest, OpeningShowsTheRecord) {
  SendSet r = ReadyEmailRecord();
  CopyText(r.szRecp[0], "+123456");
  r.uwRecpLen[0] = 0;  // a length of 0 hides the stored text
  CopyText(r.szRecp[3], "two@example.org");
  r.uwRecpLen[3] = 15;
  r.uwMaxSendImgNum = 120;
  r.byDailySendTime = 30;
  r.bySendMode = 1;
  Arrive(r);
  OpenedSendPage page(platform, kSendByEmail);
  FakeSurface& ui = page.ui;
  EXPECT_EQ(ui.GetText(ids::kPhone1Edit), "");
  EXPECT_EQ(ui.GetText(ids::kEmail1Edit), "one@example.org");
  EXPECT_EQ(ui.GetText(ids::kEmail2Edit), "two@example.org");
  EXPECT_EQ(ui.GetText(ids::kMaxSendEdit), "120");
  EXPECT_EQ(ui.GetText(ids::kRemotePhoneEdit), "+4917012345");
  EXPECT_EQ(ui.GetText(ids::kRemoteEmailEdit), "remote@example.org");
  EXPECT_EQ(ui.GetText(ids::kSavePathEdit), SavePath);
  EXPECT_EQ(ui.smallIcon(), 119);
  EXPECT_EQ(g_sSendSet.byDailySendTime, 0);
  EXPECT_EQ(g_sSendSet.bySendMode, 0);
  EXPECT_EQ(ui.SelectedRow(ids::kDailyTimeList), 0);
  EXPECT_EQ(ui.SelectedRow(ids::kSendModeList), 0);
  EXPECT_TRUE(trace.contains(":: uwMaxSendImgNum=120, Edit txt:120\n"));
  EXPECT_TRUE(trace.contains(":: byDailySendTime = 30, bySendMode = 1\n"));
}

TEST_F(SendPageTest, OpeningSetsTextsListsAndLimits) {
  Arrive(ReadyEmailRecord());
  {
    OpenedSendPage page(platform, kSendByEmail);
    FakeSurface& ui = page.ui;
    EXPECT_EQ(ui.caption(), "3G Send Settings");
    EXPECT_EQ(ui.GetText(ids::kEmail1Label), "Email Address1");
    EXPECT_EQ(ui.GetText(ids::kNoReplyCheck), "Do not use 22,60,61 command");
    EXPECT_EQ(ui.GetText(ids::kGenerate), "Generate");
    EXPECT_EQ(ui.Rows(ids::kImageSizeList), (std::vector<std::string>{"Full Image", "Thumbnail"}));
    EXPECT_EQ(ui.Rows(ids::kSendModeList),
              (std::vector<std::string>{"Send Immediately", "Daily Send"}));
    EXPECT_EQ(ui.Rows(ids::kLongitudeDirList), (std::vector<std::string>{"E", "W"}));
    EXPECT_EQ(ui.Rows(ids::kLatitudeDirList), (std::vector<std::string>{"N", "S"}));
    const std::vector<std::string> remote = ui.Rows(ids::kRemoteIntervalList);
    ASSERT_EQ(remote.size(), 26u);
    EXPECT_EQ(remote[0], "Remote Off");
    EXPECT_EQ(remote[1], "10 Minutes");
    EXPECT_EQ(remote[2], "01 Hours");
    EXPECT_EQ(remote[25], "24 Hours");
    const std::vector<std::string> daily = ui.Rows(ids::kDailyTimeList);
    ASSERT_EQ(daily.size(), 24u);
    EXPECT_EQ(daily[0], "00 o'clock");
    EXPECT_EQ(daily[23], "23 o'clock");
    EXPECT_FALSE(ui.IsEnabled(ids::kRemotePhoneHint));
    for (auto [id, limit] : std::vector<std::pair<int, int>>{{ids::kPhone1Edit, 15},
                                                             {ids::kEmail2Edit, 48},
                                                             {ids::kLongitudeDegreeEdit, 3},
                                                             {ids::kLatitudeDegreeEdit, 2},
                                                             {ids::kMaxSendEdit, 4},
                                                             {ids::kRemotePhoneEdit, 15},
                                                             {ids::kRemoteEmailEdit, 48},
                                                             {ids::kSavePathEdit, 32}})
      EXPECT_EQ(ui.TextLimit(id), limit) << "control " << id;
  }
  LanguageIndex = 0;
  OpenedSendPage chinese(platform, kSendByEmail);
  EXPECT_EQ(chinese.ui.caption(), "3G发送设置");
  EXPECT_EQ(chinese.ui.RowText(ids::kRemoteIntervalList, 0), "关闭遥控");
  EXPECT_EQ(chinese.ui.RowText(ids::kRemoteIntervalList, 2), "01小时");
  EXPECT_EQ(chinese.ui.RowText(ids::kDailyTimeList, 5), "05点钟");
  EXPECT_EQ(chinese.ui.GetText(ids::kPreviousPage), "上一页");
}

TEST_F(SendPageTest, BasicModelShowsTheStoredImageSizeDisabled) {
  for (int model : {1, 3}) {
    ResetThreeGRun();
    ModelIndex = model;
    SendSet r = ReadyEmailRecord();
    r.bySendImgSize = 0;
    Arrive(r);
    OpenedSendPage page(platform, kSendByEmail);
    EXPECT_FALSE(page.ui.IsEnabled(ids::kImageSizeList));
    EXPECT_EQ(page.ui.SelectedRow(ids::kImageSizeList), 0);
  }
}

TEST_F(SendPageTest, RemoteInputsFollowTheIntervalListAndTheCheckBox) {
  SendSet r = ReadyEmailRecord();
  r.byRemoteInterval = kRemoteIntervalOff;
  r.byRemoteSwitch = 0;
  Arrive(r);
  OpenedSendPage page(platform, kSendByEmail);
  FakeSurface& ui = page.ui;
  EXPECT_EQ(ui.SelectedRow(ids::kRemoteIntervalList), 0);
  for (int id : {ids::kRemotePhoneEdit, ids::kNoReplyCheck, ids::kRemoteEmailEdit})
    EXPECT_FALSE(ui.IsEnabled(id));

  ASSERT_TRUE(ui.Pick(ids::kRemoteIntervalList, 1));
  for (int id : {ids::kRemotePhoneEdit, ids::kNoReplyCheck, ids::kRemoteEmailEdit})
    EXPECT_TRUE(ui.IsEnabled(id));

  ASSERT_TRUE(ui.Toggle(ids::kNoReplyCheck));
  EXPECT_TRUE(noReplyCommands);
  EXPECT_FALSE(ui.IsEnabled(ids::kRemoteEmailEdit));
  // A new interval keeps the e-mail field off while the box is ticked.
  ASSERT_TRUE(ui.Pick(ids::kRemoteIntervalList, 7));
  EXPECT_FALSE(ui.IsEnabled(ids::kRemoteEmailEdit));
  EXPECT_TRUE(ui.IsEnabled(ids::kRemotePhoneEdit));

  ASSERT_TRUE(ui.Toggle(ids::kNoReplyCheck));
  EXPECT_FALSE(noReplyCommands);
  EXPECT_TRUE(ui.IsEnabled(ids::kRemoteEmailEdit));

  ASSERT_TRUE(ui.Pick(ids::kRemoteIntervalList, 0));
  for (int id : {ids::kRemotePhoneEdit, ids::kNoReplyCheck, ids::kRemoteEmailEdit})
    EXPECT_FALSE(ui.IsEnabled(id));
}

TEST_F(SendPageTest, CheckBoxStartsFromNoReplyCommands) {
  noReplyCommands = true;
  Arrive(ReadyEmailRecord());
  OpenedSendPage page(platform, kSendByEmail);
  EXPECT_TRUE(page.ui.IsChecked(ids::kNoReplyCheck));
  EXPECT_TRUE(page.ui.IsEnabled(ids::kRemotePhoneEdit));
  EXPECT_FALSE(page.ui.IsEnabled(ids::kRemoteEmailEdit));
}

TEST_F(SendPageTest, PhoneAndCountFieldsKeepOnlyTheirCharacters) {
  SendSet r = SampleRecord(kSendByMms, true, 2, 0);
  CopyText(r.szRecp[0], "+49 (170) 1234");
  r.uwRecpLen[0] = 14;
  CopyText(r.szRemotePhoneNum, "tel:5551234");
  Arrive(r);
  OpenedSendPage page(platform, kSendByMms);
  FakeSurface& ui = page.ui;
  // Values loaded from the record are filtered like typed ones.
  EXPECT_EQ(ui.GetText(ids::kPhone1Edit), "+491701234");
  EXPECT_EQ(ui.GetText(ids::kRemotePhoneEdit), "5551234");

  ASSERT_TRUE(ui.Type(ids::kPhone2Edit, "12-34+5"));
  EXPECT_EQ(ui.GetText(ids::kPhone2Edit), "1234+5");
  EXPECT_EQ(ui.Caret(ids::kPhone2Edit), 2);
  ASSERT_TRUE(ui.Type(ids::kMaxSendEdit, "+12"));
  EXPECT_EQ(ui.GetText(ids::kMaxSendEdit), "12");
  EXPECT_EQ(ui.Caret(ids::kMaxSendEdit), 0);
  // E-mail fields are not filtered.
  ASSERT_TRUE(ui.Type(ids::kEmail1Edit, "a+b@c.d"));
  EXPECT_EQ(ui.GetText(ids::kEmail1Edit), "a+b@c.d");
}

TEST_F(SendPageTest, StoredCoordinatesBeyondTheirBoundsAreClampedWithAWarning) {
  SendSet r = ReadyEmailRecord();
  r.sLongitude = {1, 180, 30, 15};
  r.sLatitude = {0, 95, 0, 0};
  Arrive(r);
  OpenedSendPage page(platform, kSendByEmail);
  FakeSurface& ui = page.ui;
  EXPECT_EQ(ui.GetText(ids::kLongitudeDegreeEdit), "180");  // filled first, bound 180
  EXPECT_EQ(ui.GetText(ids::kLongitudeMinuteEdit), "0");
  EXPECT_EQ(ui.GetText(ids::kLongitudeSecondEdit), "0");
  EXPECT_EQ(ui.GetText(ids::kLatitudeDegreeEdit), "90");
  EXPECT_EQ(ui.SelectedRow(ids::kLongitudeDirList), 1);
  EXPECT_EQ(Warnings(ui), std::vector<std::string>(3, "The input is out of range!"));
  EXPECT_TRUE(trace.contains(":: sLongitude: byDir=1, byDegree=180, byMinute=30, bySecond=15\n"));

  ASSERT_TRUE(ui.Click(ids::kPreviousPage));
  EXPECT_EQ(g_sSendSetCopy.sLongitude.byDir, 1);
  EXPECT_EQ(g_sSendSetCopy.sLongitude.byDegree, 180);
  EXPECT_EQ(g_sSendSetCopy.sLongitude.byMinute, 0);
  EXPECT_EQ(g_sSendSetCopy.sLongitude.bySecond, 0);
  EXPECT_EQ(g_sSendSetCopy.sLatitude.byDegree, 90);
}

TEST_F(SendPageTest, CoordinatesWithinTheirBoundsOpenQuietlyAndGenerateKeepsTheRecordsOwn) {
  SendSet r = ReadyEmailRecord();
  r.sLongitude = {0, 179, 59, 59};
  r.sLatitude = {1, 90, 0, 0};
  Arrive(r);
  OpenedSendPage page(platform, kSendByEmail);
  EXPECT_TRUE(page.ui.messages().empty());
  EXPECT_EQ(page.ui.GetText(ids::kLongitudeMinuteEdit), "59");
  // Hidden fields changed from code do not reach the file at Generate.
  page.ui.SetText(ids::kLongitudeDegreeEdit, "5");
  ASSERT_TRUE(page.ui.Click(ids::kGenerate));
  const SendSet file = ReadSendSetFile(folder);
  EXPECT_EQ(file.sLongitude.byDegree, 179);
  EXPECT_EQ(file.sLatitude.byDir, 1);
  EXPECT_EQ(file.sLatitude.byDegree, 90);
}

// --- Previous Page, Close, Browse ----------------------------------------

TEST_F(SendPageTest, PreviousPageCopiesThePageIntoTheWorkingCopy) {
  SendSet r = ReadyEmailRecord();
  r.byDailySendTime = 24;  // corrected to 0 by the opening
  Arrive(r);
  OpenedSendPage page(platform, kSendByEmail);
  FakeSurface& ui = page.ui;
  ASSERT_TRUE(ui.Type(ids::kEmail1Edit, "new@example.org"));
  ASSERT_TRUE(ui.Type(ids::kEmail2Edit, "x@y.z"));
  ASSERT_TRUE(ui.Pick(ids::kImageSizeList, 1));
  ASSERT_TRUE(ui.Type(ids::kMaxSendEdit, "7"));
  ASSERT_TRUE(ui.Pick(ids::kRemoteIntervalList, 25));
  ASSERT_TRUE(ui.Type(ids::kRemotePhoneEdit, "55512"));
  ASSERT_TRUE(ui.Type(ids::kRemoteEmailEdit, "r@s.t"));
  const SendSet liveBefore = g_sSendSet;
  ASSERT_TRUE(ui.Click(ids::kPreviousPage));
  EXPECT_EQ(page.screen.transition().next, ScreenId::ParameterPage);
  EXPECT_TRUE(ui.ended());

  const SendSet& c = g_sSendSetCopy;
  EXPECT_EQ(Field(c.szRecp[0]), "");
  EXPECT_EQ(c.uwRecpLen[0], 0);
  EXPECT_EQ(Field(c.szRecp[2]), "new@example.org");
  EXPECT_EQ(c.uwRecpLen[2], 15);
  EXPECT_EQ(Field(c.szRecp[3]), "x@y.z");
  EXPECT_EQ(c.uwRecpLen[3], 5);
  EXPECT_EQ(c.bySendImgSize, 1);
  EXPECT_EQ(c.uwMaxSendImgNum, 7);
  EXPECT_EQ(c.bySendMode, 0);
  EXPECT_EQ(c.byDailySendTime, 0);
  EXPECT_EQ(c.byRemoteInterval, 24);
  EXPECT_EQ(c.byRemoteSwitch, 1);
  EXPECT_EQ(Field(c.szRemotePhoneNum), "55512");
  EXPECT_EQ(Field(c.szRemoteEmail), "r@s.t");
  // Only the switch reaches the live record.
  EXPECT_EQ(g_sSendSet.byRemoteSwitch, 1);
  EXPECT_EQ(g_sSendSet.uwMaxSendImgNum, liveBefore.uwMaxSendImgNum);
  EXPECT_EQ(Field(g_sSendSet.szRecp[2]), "one@example.org");
}

TEST_F(SendPageTest, PreviousPageTurnsRemoteOffForClose3GAndForRowZero) {
  struct Case {
    std::uint8_t sendBy;
    int row;
    std::uint8_t interval;
    std::uint8_t remoteSwitch;
  };
  for (const Case& c :
       {Case{kSendByEmail, 0, 25, 0}, Case{kSendByEmail, 1, 0, 1}, Case{kSendByClose3G, 5, 4, 0}}) {
    SCOPED_TRACE(c.row);
    ResetThreeGRun();
    Arrive(SampleRecord(c.sendBy, true, 2, 0));
    OpenedSendPage page(platform, c.sendBy);
    // Close 3G disables the list; its row can still be set from code.
    page.ui.SelectRow(ids::kRemoteIntervalList, c.row);
    ASSERT_TRUE(page.ui.Click(ids::kPreviousPage));
    EXPECT_EQ(g_sSendSetCopy.byRemoteInterval, c.interval);
    EXPECT_EQ(g_sSendSetCopy.byRemoteSwitch, c.remoteSwitch);
    EXPECT_EQ(g_sSendSet.byRemoteSwitch, c.remoteSwitch);
  }
}

TEST_F(SendPageTest, CloseCopiesNothingAndLeadsToMainSetup) {
  Arrive(ReadyEmailRecord());
  OpenedSendPage page(platform, kSendByEmail);
  ASSERT_TRUE(page.ui.Type(ids::kEmail1Edit, "changed@example.org"));
  const std::vector<std::uint8_t> copyBefore = PlainBytes(g_sSendSetCopy);
  ASSERT_TRUE(page.ui.Close());
  EXPECT_EQ(page.screen.transition().next, ScreenId::MainSetup);
  EXPECT_TRUE(page.ui.ended());
  EXPECT_EQ(PlainBytes(g_sSendSetCopy), copyBefore);
  EXPECT_FALSE(std::filesystem::exists(folder.file(kSendSetFileName)));
}

TEST_F(SendPageTest, EnterAndEscapeDoNothing) {
  Arrive(ReadyEmailRecord());
  OpenedSendPage page(platform, kSendByEmail);
  EXPECT_TRUE(page.ui.PressEnter());
  EXPECT_TRUE(page.ui.PressEscape());
  EXPECT_FALSE(page.ui.ended());
  EXPECT_TRUE(page.ui.messages().empty());
}

TEST_F(SendPageTest, RemoteEmailLosingTheFocusReachesTheLiveRecord) {
  Arrive(ReadyEmailRecord());
  OpenedSendPage page(platform, kSendByEmail);
  const std::string longAddress = std::string(40, 'a') + "@example.org";  // 52, cut to 48
  ASSERT_TRUE(page.ui.Type(ids::kRemoteEmailEdit, longAddress));
  ASSERT_EQ(page.ui.GetText(ids::kRemoteEmailEdit).size(), 48u);
  ASSERT_TRUE(page.ui.FocusLost(ids::kRemoteEmailEdit));
  EXPECT_EQ(Field(g_sSendSet.szRemoteEmail), longAddress.substr(0, 47));
  EXPECT_TRUE(trace.contains("# EN_KILLFOCUS, szRemoteEmail:" + longAddress.substr(0, 47) + "\n"));
  EXPECT_EQ(Field(g_sSendSetCopy.szRemoteEmail), "remote@example.org");
}

TEST_F(SendPageTest, BrowseSetsTheSaveFolderAndTypedPathsHaveNoEffect) {
  const std::filesystem::path picked = folder.path() / "picked";
  std::filesystem::create_directories(picked);
  Arrive(ReadyEmailRecord());
  OpenedSendPage page(platform, kSendByEmail);
  FakeSurface& ui = page.ui;

  ASSERT_TRUE(ui.Click(ids::kBrowse));  // cancelled
  EXPECT_EQ(std::string(SavePath), folder.path().string());
  platform.folderAnswers.push_back(picked.string());
  ASSERT_TRUE(ui.Click(ids::kBrowse));
  EXPECT_EQ(platform.pickFolderCalls, 2);
  EXPECT_EQ(std::string(SavePath), picked.string());
  EXPECT_EQ(ui.GetText(ids::kSavePathEdit), picked.string());

  ASSERT_TRUE(ui.Type(ids::kSavePathEdit, (folder.path() / "typed").string()));
  ASSERT_TRUE(ui.Click(ids::kGenerate));
  EXPECT_TRUE(std::filesystem::exists(picked / kSendSetFileName));
  EXPECT_FALSE(std::filesystem::exists(folder.file(kSendSetFileName)));
  EXPECT_EQ(std::string(SavePath), picked.string());
}

// --- Generate ------------------------------------------------------------

TEST_F(SendPageTest, GenerateStampsCopiesStoresAndVerifies) {
  SendSet r = ReadyEmailRecord();
  r.bySendFileNum = 3;
  r.byDailySendTime = 5;
  Arrive(r);
  platform.now = {2026, 12, 11, 13, 5, 7};
  OpenedSendPage page(platform, kSendByEmail);
  FakeSurface& ui = page.ui;
  ASSERT_TRUE(ui.Type(ids::kEmail2Edit, "second@example.org"));
  ASSERT_TRUE(ui.Type(ids::kMaxSendEdit, "30"));
  ASSERT_TRUE(ui.Pick(ids::kImageSizeList, 1));
  ASSERT_TRUE(ui.Pick(ids::kRemoteIntervalList, 2));
  ASSERT_TRUE(ui.Type(ids::kRemotePhoneEdit, "+15551234"));
  ASSERT_TRUE(ui.Type(ids::kRemoteEmailEdit, "rc@example.org"));
  trace.clear();
  ASSERT_TRUE(ui.Click(ids::kGenerate));

  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_EQ(ui.messages()[0].text, "Generate Success!");
  EXPECT_EQ(ui.messages()[0].caption, "Notice");
  EXPECT_EQ(ui.messages()[0].kind, MessageKind::Information);
  EXPECT_FALSE(ui.ended());

  const std::vector<std::string> lines = trace.lines();
  ASSERT_GE(lines.size(), 6u);
  EXPECT_EQ(lines[0], "Sytem time: 2026-12-11, 13:5:7");
  EXPECT_EQ(lines[1], "EDIT_MAX_SEND_IMG_NUM val=30");
  EXPECT_EQ(lines[2], "** **");
  EXPECT_TRUE(trace.contains(":: g_sSendSet.sSmtpSet.szServer[0]=115\n"));  // 's'
  EXPECT_TRUE(trace.contains(":: Get SendMode=0\n:: Get SendImgSize=1\n"));
  EXPECT_FALSE(trace.contains("Generate fail!"));
  EXPECT_TRUE(trace.contains("IF_SEND_BY_APP_SET_FLG=1\n"));

  const SendSet file = ReadSendSetFile(folder);
  EXPECT_EQ(file.bySendBy, IF_SEND_BY_APP_SET_FLG | kSendByEmail);
  EXPECT_EQ(file.sTime.byYear, 26);
  EXPECT_EQ(file.sTime.byMonth, 12);
  EXPECT_EQ(file.sTime.byDay, 11);
  EXPECT_EQ(file.sTime.byHour, 13);
  EXPECT_EQ(file.sTime.byMinute, 5);
  EXPECT_EQ(file.sTime.bySecond, 7);
  EXPECT_EQ(file.bSet, 0);
  EXPECT_EQ(std::memcmp(&g_sGenTime, &file.sTime, sizeof g_sGenTime), 0);
  EXPECT_EQ(file.bySendFileNum, 0);
  EXPECT_EQ(Field(file.szFileFullName[0]), "DCIM\\100IMA3G\\IMAG0001.JPG");
  EXPECT_EQ(file.byDailySendTime, 24);
  EXPECT_EQ(file.bySendMode, 0);
  EXPECT_EQ(file.bySendImgSize, 1);
  EXPECT_EQ(file.uwMaxSendImgNum, 30);
  EXPECT_EQ(file.byRemoteInterval, 1);
  EXPECT_EQ(file.byRemoteSwitch, 1);
  EXPECT_EQ(Field(file.szRemotePhoneNum), "+15551234");
  EXPECT_EQ(Field(file.szRemoteEmail), "rc@example.org");
  EXPECT_EQ(Field(file.szRecp[2]), "one@example.org");
  EXPECT_EQ(file.uwRecpLen[2], 15);
  EXPECT_EQ(Field(file.szRecp[3]), "second@example.org");
  EXPECT_EQ(file.uwRecpLen[3], 18);
  EXPECT_EQ(file.uwRecpLen[0], 0);
  // The parameter page's fields pass through unchanged.
  EXPECT_EQ(Field(file.sSmtpSet.szServer), "smtp.example.org");
  EXPECT_EQ(file.byOperatorCountry, 2);

  // The live record is the file as loaded; the working copy is untouched.
  SendSet expectedLive = file;
  expectedLive.bySendBy = kSendByEmail;
  EXPECT_EQ(PlainBytes(g_sSendSet), PlainBytes(expectedLive));
  EXPECT_EQ(g_sSendSetCopy.uwMaxSendImgNum, r.uwMaxSendImgNum);
}

TEST_F(SendPageTest, GenerateMapsTheYearIntoItsByte) {
  struct Case {
    int year;
    std::uint8_t byte;
  };
  for (const Case& c :
       {Case{2026, 26}, Case{2000, 0}, Case{1999, 99}, Case{2255, 255}, Case{2300, 44}}) {
    SCOPED_TRACE(c.year);
    ResetThreeGRun();
    Arrive(ReadyEmailRecord());
    platform.now = {c.year, 1, 2, 3, 4, 5};
    OpenedSendPage page(platform, kSendByEmail);
    ASSERT_TRUE(page.ui.Click(ids::kGenerate));
    EXPECT_EQ(g_sGenTime.byYear, c.byte);
    EXPECT_EQ(ReadSendSetFile(folder).sTime.byYear, c.byte);
    EXPECT_EQ(page.ui.messages().size(), 1u);
  }
}

TEST_F(SendPageTest, GenerateWritesTheRemoteRow) {
  struct Case {
    int row;
    std::uint8_t interval;
    std::uint8_t remoteSwitch;
  };
  for (const Case& c : {Case{0, 25, 0}, Case{1, 0, 1}, Case{25, 24, 1}}) {
    SCOPED_TRACE(c.row);
    ResetThreeGRun();
    Arrive(ReadyEmailRecord());
    OpenedSendPage page(platform, kSendByEmail);
    ASSERT_TRUE(page.ui.Pick(ids::kRemoteIntervalList, c.row));
    ASSERT_TRUE(page.ui.Click(ids::kGenerate));
    const SendSet file = ReadSendSetFile(folder);
    EXPECT_EQ(file.byRemoteInterval, c.interval);
    EXPECT_EQ(file.byRemoteSwitch, c.remoteSwitch);
  }
}

TEST_F(SendPageTest, GenerateTakesTheSendOptionHandedOver) {
  // A stored value no list offers: the parameter page showed Close 3G.
  SendSet r = ReadyEmailRecord();
  r.bySendBy = 9;
  r.byRemoteInterval = 6;
  Arrive(r);
  OpenedSendPage page(platform, 0);
  EXPECT_EQ(page.screen.sendOptionRow(), 0);
  ASSERT_TRUE(page.ui.Click(ids::kGenerate));
  const SendSet file = ReadSendSetFile(folder);
  EXPECT_EQ(file.bySendBy, IF_SEND_BY_APP_SET_FLG | kSendByClose3G);
  EXPECT_EQ(file.byRemoteSwitch, 0);
}

TEST_F(SendPageTest, Close3GGeneratesWithoutChecksAndTurnsRemoteOff) {
  SendSet r = SampleRecord(kSendByClose3G, true, 2, 0);  // no recipient at all
  r.byRemoteInterval = 6;
  Arrive(r);
  OpenedSendPage page(platform, kSendByClose3G);
  ASSERT_TRUE(page.ui.Click(ids::kGenerate));
  ASSERT_EQ(page.ui.messages().size(), 1u);
  EXPECT_EQ(page.ui.messages()[0].text, "Generate Success!");
  const SendSet file = ReadSendSetFile(folder);
  EXPECT_EQ(file.bySendBy, IF_SEND_BY_APP_SET_FLG | kSendByClose3G);
  EXPECT_EQ(file.byRemoteSwitch, 0);
  EXPECT_EQ(file.byRemoteInterval, 6);
  EXPECT_EQ(file.byDailySendTime, 24);
  EXPECT_EQ(Field(file.szFileFullName[0]), "DCIM\\100IMA3G\\IMAG0001.JPG");
}

TEST_F(SendPageTest, MmsGeneratesTheThumbnail) {
  SendSet r = SampleRecord(kSendByMms, false, 2, 0);
  r.bySendImgSize = 0;
  Arrive(r);
  OpenedSendPage page(platform, kSendByMms);
  ASSERT_TRUE(page.ui.Type(ids::kPhone1Edit, "+4917099"));
  ASSERT_TRUE(page.ui.Click(ids::kGenerate));
  const SendSet file = ReadSendSetFile(folder);
  EXPECT_EQ(file.bySendImgSize, 1);
  EXPECT_EQ(Field(file.szRecp[0]), "+4917099");
  EXPECT_EQ(file.uwRecpLen[0], 8);
}

TEST_F(SendPageTest, RefusedGenerateShowsTheWarningAndWritesNothing) {
  struct Case {
    std::uint8_t sendBy;
    void (*edit)(FakeSurface&);
    const char* english;
    const char* chinese;
  };
  const Case cases[] = {
      {kSendByMms, [](FakeSurface&) {},
       "Generate failed!\r\nPlease enter at least one phone number or email address.",
       "未生成配置文件！\r\n请输入至少一个手机号码或邮箱地址。"},
      {kSendByEmail, [](FakeSurface& ui) { ui.Type(ids::kEmail1Edit, "no-at-sign.example"); },
       "Generate failed!\r\nEmail address 1 error.", "未生成配置文件！\r\n邮箱地址1错误。"},
      {kSendByEmail, [](FakeSurface& ui) { ui.Type(ids::kRemotePhoneEdit, "1234"); },
       "Generate failed!\r\nPlease enter the correct remote phone number.",
       "未生成配置文件！\r\n请输入正确的遥控手机号码。"},
      {kSendByEmail, [](FakeSurface& ui) { ui.Type(ids::kRemoteEmailEdit, ""); },
       "Generate failed!\r\nPlease enter the correct remote control receiving email.",
       "未生成配置文件！\r\n请输入正确的遥控接收邮箱。"},
  };
  for (int language : {1, 0}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.english);
      ResetThreeGRun();
      LanguageIndex = language;
      SendSet r = ReadyEmailRecord();
      r.bySendBy = c.sendBy;
      if (c.sendBy == kSendByMms) {
        r.uwRecpLen[2] = 0;
        ClearText(r.szRecp[2]);
      }
      Arrive(r);
      OpenedSendPage page(platform, c.sendBy);
      c.edit(page.ui);
      trace.clear();
      ASSERT_TRUE(page.ui.Click(ids::kGenerate));
      ASSERT_EQ(page.ui.messages().size(), 1u);
      EXPECT_EQ(page.ui.messages()[0].text, language == 1 ? c.english : c.chinese);
      EXPECT_EQ(page.ui.messages()[0].caption, language == 1 ? "Warning" : "警告");
      EXPECT_EQ(page.ui.messages()[0].kind, MessageKind::Warning);
      EXPECT_FALSE(std::filesystem::exists(folder.file(kSendSetFileName)));
      EXPECT_FALSE(trace.contains(":: Get SendMode"));
      EXPECT_FALSE(trace.contains("Generate fail!"));
    }
  }
}

TEST_F(SendPageTest, RefusedGenerateLeavesAnEarlierFileAsItWas) {
  SendSet old = ReadyEmailRecord();
  CopyText(old.szRecp[2], "old@example.org");
  WriteSendSetFile(folder, old);
  const std::vector<std::uint8_t> before = ReadBytes(folder.file(kSendSetFileName));
  SendSet r = ReadyEmailRecord();
  r.bySendBy = kSendByFtp;
  ClearText(r.sFtpSet.szUserName);
  r.byRemoteInterval = kRemoteIntervalOff;
  r.byRemoteSwitch = 0;
  Arrive(r);
  OpenedSendPage page(platform, kSendByFtp);
  ASSERT_TRUE(page.ui.Click(ids::kGenerate));
  ASSERT_EQ(page.ui.messages().size(), 1u);
  // The one text with a carriage return and no line feed.
  EXPECT_EQ(page.ui.messages()[0].text, "Generate failed!\rFTP account error!");
  EXPECT_EQ(ReadBytes(folder.file(kSendSetFileName)), before);
}

TEST_F(SendPageTest, CheckBoxDecidesWhetherTheRemoteEmailIsChecked) {
  for (bool ticked : {false, true}) {
    SCOPED_TRACE(ticked);
    ResetThreeGRun();
    SendSet r = ReadyEmailRecord();
    ClearText(r.szRemoteEmail);
    Arrive(r);
    OpenedSendPage page(platform, kSendByEmail);
    if (ticked) {
      ASSERT_TRUE(page.ui.Toggle(ids::kNoReplyCheck));
    }
    ASSERT_TRUE(page.ui.Click(ids::kGenerate));
    ASSERT_EQ(page.ui.messages().size(), 1u);
    EXPECT_EQ(page.ui.messages()[0].kind, ticked ? MessageKind::Information : MessageKind::Warning);
    EXPECT_EQ(noReplyCommands, ticked);
  }
}

TEST_F(SendPageTest, GeneratingTwiceInTheSameSecondSucceedsTwice) {
  Arrive(ReadyEmailRecord());
  OpenedSendPage page(platform, kSendByEmail);
  ASSERT_TRUE(page.ui.Click(ids::kGenerate));
  ASSERT_TRUE(page.ui.Click(ids::kGenerate));
  ASSERT_EQ(page.ui.messages().size(), 2u);
  EXPECT_EQ(page.ui.messages()[1].text, "Generate Success!");
}

TEST_F(SendPageTest, GenerateIntoAMissingFolderFailsWithoutABox) {
  const std::string missing = (folder.path() / "gone").string();
  ASSERT_TRUE(SetSavePath(missing.c_str()));
  Arrive(ReadyEmailRecord());
  OpenedSendPage page(platform, kSendByEmail);
  trace.clear();
  ASSERT_TRUE(page.ui.Click(ids::kGenerate));
  EXPECT_TRUE(page.ui.messages().empty());
  EXPECT_EQ(trace.lines().back(), "Generate fail!");
  EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(SendPageTest, FailedStoreKeepsTheUsersRecordInsteadOfReadingBackTheOldFile) {
  SendSet old = ReadyEmailRecord();
  CopyText(old.szRecp[2], "old@example.org");
  WriteSendSetFile(folder, old);
  const std::vector<std::uint8_t> before = ReadBytes(folder.file(kSendSetFileName));
  // The store writes a temporary file first; a folder in its place makes
  // the store fail while the old file stays readable.
  std::filesystem::create_directory(folder.file(std::string(kSendSetFileName) + ".tmp"));

  Arrive(ReadyEmailRecord());
  OpenedSendPage page(platform, kSendByEmail);
  ASSERT_TRUE(page.ui.Type(ids::kEmail1Edit, "new@example.org"));
  trace.clear();
  ASSERT_TRUE(page.ui.Click(ids::kGenerate));
  EXPECT_TRUE(page.ui.messages().empty());
  EXPECT_EQ(trace.lines().back(), "Generate fail!");
  EXPECT_EQ(ReadBytes(folder.file(kSendSetFileName)), before);
  EXPECT_EQ(Field(g_sSendSet.szRecp[2]), "new@example.org");
}

}  // namespace
