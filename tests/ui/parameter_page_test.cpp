#include "ui/parameter_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/carriers.h"
#include "files/send_set.h"
#include "files/text_field.h"
#include "tests/support/test_support.h"
#include "tests/ui/threeg_pages.h"
#include "ui/app_state.h"
#include "ui/control_ids.h"

namespace {

namespace ids = parameter_page_ids;

const std::vector<int> kMmsEdits = {ids::kMmsUrlEdit,  ids::kMmsApnEdit,     ids::kMmsGatewayEdit,
                                    ids::kMmsPortEdit, ids::kMmsAccountEdit, ids::kMmsPasswordEdit};
const std::vector<int> kNetEdits = {ids::kNetApnEdit, ids::kNetAccountEdit, ids::kNetPasswordEdit};
const std::vector<int> kSenderEdits = {ids::kSenderServerEdit, ids::kSenderPortEdit,
                                       ids::kSenderEmailEdit, ids::kSenderAccountEdit,
                                       ids::kSenderPasswordEdit};
const std::vector<int> kFtpInputs = {ids::kFtpServerEdit,   ids::kFtpPortEdit,
                                     ids::kFtpUserNameEdit, ids::kFtpPasswordEdit,
                                     ids::kFtpDirTypeList,  ids::kFtpDirEdit};
const std::vector<int> kFtpEdits = {ids::kFtpServerEdit, ids::kFtpPortEdit, ids::kFtpUserNameEdit,
                                    ids::kFtpPasswordEdit, ids::kFtpDirEdit};

std::vector<std::string> Texts(FakeSurface& ui, const std::vector<int>& edits) {
  std::vector<std::string> texts;
  for (int id : edits) texts.push_back(ui.GetText(id));
  return texts;
}

std::vector<std::string> MmsTexts(const MmsSet& m) {
  return {std::string(FieldText(m.szUrl)),     std::string(FieldText(m.szApn)),
          std::string(FieldText(m.szGateway)), std::string(FieldText(m.szPort)),
          std::string(FieldText(m.szAccount)), std::string(FieldText(m.szPassword))};
}
std::vector<std::string> MmsTexts(const MmsPreset& m) {
  return {m.Url, m.Apn, m.Gateway, m.Port, m.Account, m.Password};
}
std::vector<std::string> NetTexts(const SmtpSet& s) {
  return {std::string(FieldText(s.sz3GSmtpApN)), std::string(FieldText(s.sz3GSmtpAccount)),
          std::string(FieldText(s.sz3GSmtpPassword))};
}
std::vector<std::string> NetTexts(const NetPreset& n) { return {n.apn, n.account, n.password}; }

const std::vector<std::string> kNoMms(6);
const std::vector<std::string> kNoNet(3);
const std::vector<std::string> kNoSender(5);
const std::vector<std::string> kNoFtp(5);
const std::vector<std::string> kSampleSender = {"smtp.example.org", "587", "cam@example.org",
                                                "camaccount", "mailpass"};
const std::vector<std::string> kSampleFtp = {"ftp.example.org", "2121", "ftpuser", "ftppass",
                                             "/upload"};

class ParameterPageTest : public ::testing::Test {
 protected:
  ParameterPageTest() { ResetThreeGRun(); }
  ~ParameterPageTest() override { ResetThreeGRun(); }

  FakePlatform platform;
  SaveFolder folder;
  TraceCapture trace;
};

// --- The send-option table, as the page opens a stored record ------------

// How a group of edits comes out of the opening.
enum class Group {
  Off,     // disabled, empty
  Filled,  // disabled, showing the stored fields
  Edit,    // enabled for manual input only, showing the stored fields
  Preset,  // as Edit, but a listed country first takes the operator's 3G set
};

struct SendOptionCase {
  std::uint8_t sendBy;
  bool remoteOn;
  bool noReply;
  Group mms;
  Group net;
  Group sender;  // Edit here: enabled for both, showing the stored fields
};

constexpr SendOptionCase kSendOptionCases[] = {
    {kSendByClose3G, false, false, Group::Off, Group::Off, Group::Off},
    {kSendByClose3G, false, true, Group::Off, Group::Off, Group::Off},
    {kSendByClose3G, true, false, Group::Off, Group::Filled, Group::Filled},
    {kSendByClose3G, true, true, Group::Off, Group::Filled, Group::Filled},
    {kSendByMms, false, false, Group::Edit, Group::Off, Group::Off},
    {kSendByMms, false, true, Group::Edit, Group::Off, Group::Off},
    {kSendByMms, true, false, Group::Edit, Group::Preset, Group::Edit},
    {kSendByMms, true, true, Group::Edit, Group::Filled, Group::Filled},
    {kSendByEmail, false, false, Group::Off, Group::Edit, Group::Edit},
    {kSendByEmail, false, true, Group::Off, Group::Edit, Group::Edit},
    {kSendByEmail, true, false, Group::Edit, Group::Edit, Group::Edit},
    {kSendByEmail, true, true, Group::Edit, Group::Edit, Group::Edit},
    {kSendByFtp, false, false, Group::Off, Group::Preset, Group::Off},
    {kSendByFtp, false, true, Group::Off, Group::Preset, Group::Off},
    {kSendByFtp, true, false, Group::Edit, Group::Preset, Group::Edit},
    {kSendByFtp, true, true, Group::Edit, Group::Preset, Group::Filled},
};

void ExpectGroup(FakeSurface& ui, const std::vector<int>& edits, Group group, bool listed,
                 const std::vector<std::string>& stored, const std::vector<std::string>& preset,
                 const std::vector<std::string>& none) {
  const bool enabled = (group == Group::Edit || group == Group::Preset) && !listed;
  for (int id : edits) EXPECT_EQ(ui.IsEnabled(id), enabled) << "control " << id;
  if (group == Group::Off)
    EXPECT_EQ(Texts(ui, edits), none);
  else if (group == Group::Preset && listed)
    EXPECT_EQ(Texts(ui, edits), preset);
  else
    EXPECT_EQ(Texts(ui, edits), stored);
}

TEST_F(ParameterPageTest, OpeningAppliesTheSendOptionTable) {
  for (const SendOptionCase& c : kSendOptionCases) {
    for (bool listed : {true, false}) {
      SCOPED_TRACE(::testing::Message()
                   << "bySendBy " << int(c.sendBy) << ", remote " << c.remoteOn << ", noReply "
                   << c.noReply << ", " << (listed ? "listed" : "others"));
      ResetThreeGRun();
      noReplyCommands = c.noReply;
      const SendSet stored = SampleRecord(c.sendBy, c.remoteOn, listed ? kGermany : OthersCountry,
                                          listed ? kGermanyTMobile : 0);
      WriteSendSetFile(folder, stored);
      OpenedParameterPage page(platform);
      FakeSurface& ui = page.ui;
      const bool close3G = c.sendBy == kSendByClose3G;

      EXPECT_EQ(ui.SelectedRow(ids::kSendOptionList), c.sendBy);
      EXPECT_EQ(ui.IsEnabled(ids::kParamSourceList), !close3G);
      EXPECT_EQ(ui.SelectedRow(ids::kParamSourceList), close3G || listed ? 0 : 1);
      EXPECT_EQ(ui.IsEnabled(ids::kCountryList), !close3G && listed);
      EXPECT_EQ(ui.IsEnabled(ids::kOperatorList), !close3G && listed);
      if (listed) {
        EXPECT_EQ(ui.RowCount(ids::kCountryList), CountryCount);
        EXPECT_EQ(ui.GetText(ids::kCountryList), "Deutschland");
        EXPECT_EQ(ui.Rows(ids::kOperatorList),
                  (std::vector<std::string>{"Vodafone", "T-Mobile", "E-Plus", "O2"}));
        EXPECT_EQ(ui.GetText(ids::kOperatorList), "T-Mobile");
      } else {
        EXPECT_EQ(ui.Rows(ids::kCountryList), (std::vector<std::string>{"Others"}));
        EXPECT_EQ(ui.Rows(ids::kOperatorList), (std::vector<std::string>{"Others"}));
        EXPECT_EQ(ui.GetText(ids::kOperatorList), "Others");
      }

      ExpectGroup(ui, kMmsEdits, c.mms, listed, MmsTexts(stored.sMmsSet), {}, kNoMms);
      ExpectGroup(ui, kNetEdits, c.net, listed, NetTexts(stored.sSmtpSet),
                  NetTexts(NetPresetAt(kGermany, kGermanyTMobile)), kNoNet);
      const bool senderEnabled = c.sender == Group::Edit;
      for (int id : {ids::kSenderServerEdit, ids::kSenderPortEdit, ids::kSenderEmailEdit,
                     ids::kSenderPasswordEdit})
        EXPECT_EQ(ui.IsEnabled(id), senderEnabled) << "control " << id;
      EXPECT_FALSE(ui.IsEnabled(ids::kSenderAccountEdit));
      EXPECT_EQ(Texts(ui, kSenderEdits), c.sender == Group::Off ? kNoSender : kSampleSender);

      // The operator's 3G set reaches the record as soon as the page shows it.
      const bool presetCopied = c.net == Group::Preset && listed;
      EXPECT_EQ(NetTexts(g_sSendSet.sSmtpSet),
                presetCopied ? NetTexts(NetPresetAt(kGermany, kGermanyTMobile))
                             : NetTexts(stored.sSmtpSet));

      const bool ftp = c.sendBy == kSendByFtp;
      for (int id : kFtpInputs) EXPECT_EQ(ui.IsEnabled(id), ftp) << "control " << id;
      EXPECT_EQ(Texts(ui, kFtpEdits), ftp ? kSampleFtp : kNoFtp);
      EXPECT_EQ(ui.IsShown(ids::kFtpGroup), !close3G);
      EXPECT_EQ(ui.IsShown(ids::kFtpServerEdit), !close3G);
      EXPECT_TRUE(ui.IsShown(ids::kMmsGroup));
      EXPECT_TRUE(ui.IsShown(ids::kMmsUrlEdit));

      for (int id : kMmsEdits) EXPECT_EQ(ui.IsMasked(id), listed) << "control " << id;
      for (int id : kNetEdits) EXPECT_EQ(ui.IsMasked(id), listed) << "control " << id;
      EXPECT_TRUE(ui.IsMasked(ids::kSenderPasswordEdit));
      EXPECT_TRUE(ui.IsMasked(ids::kFtpPasswordEdit));
      EXPECT_FALSE(ui.IsMasked(ids::kSenderServerEdit));
    }
  }
}

TEST_F(ParameterPageTest, OpeningSetsTheFixedControlsAndTexts) {
  OpenedParameterPage page(platform);
  FakeSurface& ui = page.ui;
  EXPECT_EQ(ui.smallIcon(), 119);
  EXPECT_EQ(ui.caption(), "3G Parameter Settings");
  EXPECT_EQ(ui.GetText(ids::kNextPage), "Next Page");
  EXPECT_EQ(ui.GetText(ids::kFtpDirGroup), "Upload to FTP directory (must exist)");
  EXPECT_EQ(ui.Rows(ids::kSendOptionList),
            (std::vector<std::string>{"Close 3G", "MMS", "Email", "FTP"}));
  EXPECT_EQ(ui.Rows(ids::kParamSourceList),
            (std::vector<std::string>{"Select Operator", "Manual Input"}));
  EXPECT_EQ(ui.Rows(ids::kFtpDirTypeList), (std::vector<std::string>{"Root", "Specify"}));
  EXPECT_EQ(ui.Rows(ids::kMmsApnCsdList), (std::vector<std::string>{"APN", "CSD"}));
  EXPECT_EQ(ui.SelectedRow(ids::kMmsApnCsdList), 0);
  EXPECT_FALSE(ui.IsEnabled(ids::kMmsApnCsdList));
  EXPECT_FALSE(ui.IsEnabled(ids::kSenderAccountLabel));
  EXPECT_FALSE(ui.IsShown(ids::kLanguageList));
  EXPECT_EQ(ui.SelectedRow(ids::kLanguageList), 1);
  EXPECT_EQ(ui.GetText(ids::kVersionLabel), "1,2,2,33");
  EXPECT_FALSE(ui.IsShown(ids::kVersionLabel));
  EXPECT_FALSE(ui.IsShown(ids::kFactoryDebugCheck));
  EXPECT_FALSE(ui.IsEnabled(ids::kFactoryDebugCheck));
  EXPECT_FALSE(ui.IsChecked(ids::kFactoryDebugCheck));
  EXPECT_FALSE(ui.IsShown(ids::kFactoryDebugLabel));
  EXPECT_FALSE(ui.IsShown(ids::kFtpHiddenPortLabel));

  struct Limit {
    int id;
    int characters;
  };
  for (const Limit& limit :
       {Limit{ids::kMmsUrlEdit, 60}, Limit{ids::kMmsGatewayEdit, 16}, Limit{ids::kMmsPortEdit, 4},
        Limit{ids::kMmsAccountEdit, 32}, Limit{ids::kNetApnEdit, 60},
        Limit{ids::kSenderPortEdit, 8}, Limit{ids::kSenderEmailEdit, 48},
        Limit{ids::kSenderAccountEdit, 48}, Limit{ids::kSenderPasswordEdit, 32},
        Limit{ids::kFtpPortEdit, 8}, Limit{ids::kFtpUserNameEdit, 48}, Limit{ids::kFtpDirEdit, 32}})
    EXPECT_EQ(ui.TextLimit(limit.id), limit.characters) << "control " << limit.id;
}

TEST_F(ParameterPageTest, ChineseTextsFollowTheLanguage) {
  LanguageIndex = 0;
  OpenedParameterPage page(platform);
  FakeSurface& ui = page.ui;
  EXPECT_EQ(ui.caption(), "3G参数设置");
  EXPECT_EQ(ui.GetText(ids::kSenderGroup), "发件箱设置");
  EXPECT_EQ(ui.Rows(ids::kSendOptionList),
            (std::vector<std::string>{"关闭3G", "彩信", "邮件", "FTP"}));
  EXPECT_EQ(ui.GetText(ids::kCountryList), "中国");
  EXPECT_EQ(ui.GetText(ids::kOperatorList), "中国联通");
  ASSERT_TRUE(ui.Pick(ids::kParamSourceList, 1));
  EXPECT_EQ(ui.Rows(ids::kCountryList), (std::vector<std::string>{"其他"}));
}

// --- First opening, reopening and leaving --------------------------------

TEST_F(ParameterPageTest, FirstOpeningWithoutFileStartsFromTheDefaultsAndNextPageStoresChina) {
  OpenedParameterPage page(platform);
  FakeSurface& ui = page.ui;
  EXPECT_TRUE(trace.contains("File szie != struct size!"));
  EXPECT_EQ(ui.GetText(ids::kSendOptionList), "MMS");
  EXPECT_EQ(ui.GetText(ids::kCountryList), "China");
  EXPECT_EQ(ui.GetText(ids::kOperatorList), "China Unicom");
  EXPECT_EQ(ui.GetText(ids::kParamSourceList), "Select Operator");
  for (int id : kMmsEdits) {
    EXPECT_FALSE(ui.IsEnabled(id));
    EXPECT_TRUE(ui.IsMasked(id));
  }
  EXPECT_EQ(Texts(ui, kMmsEdits), kNoMms);
  EXPECT_EQ(g_sSendSet.uwMaxSendImgNum, 49);
  EXPECT_EQ(g_sSendSet.byRemoteInterval, 25);

  trace.clear();
  ASSERT_TRUE(ui.Click(ids::kNextPage));
  EXPECT_EQ(page.screen.transition().next, ScreenId::SendPage);
  EXPECT_EQ(page.screen.transition().sendOptionRow, 1);
  EXPECT_TRUE(ui.ended());
  EXPECT_EQ(MmsTexts(g_sSendSet.sMmsSet), MmsTexts(MmsPresetAt(0, 0)));
  EXPECT_EQ(NetTexts(g_sSendSet.sSmtpSet), NetTexts(NetPresetAt(0, 0)));
  EXPECT_EQ(PlainBytes(g_sSendSetCopy), PlainBytes(g_sSendSet));
  EXPECT_EQ(trace.lines(), (std::vector<std::string>{
                               "lCountrySel = 0, lrOperatorIndex = 0",
                               "g_sSendSet.byRemoteSwitch=0",
                               ":: NEXT_PAGE, OperatorCountry=0, uwMaxSendImgNum=49",
                               ":: NEXT_PAGE, FTP Server=, FTP Port=21",
                           }));
}

TEST_F(ParameterPageTest, OpeningTracesInOrder) {
  WriteSendSetFile(folder, SampleRecord(kSendByFtp, false, kGermany, 0));
  OpenedParameterPage page(platform);
  std::vector<std::string> pageLines;
  for (const std::string& line : trace.lines())
    if (line.starts_with("#") || line.starts_with("~~~")) pageLines.push_back(line);
  EXPECT_EQ(pageLines, (std::vector<std::string>{"## s_eFtpEditUse = 0 ##",
                                                 "#\t bySendBy=3, byOperatorCountry=2 \t#",
                                                 "~~~SendBy=3, DebugFlag=0~~~\r"}));
}

TEST_F(ParameterPageTest, FileIsLoadedOnlyAtTheFirstOpening) {
  WriteSendSetFile(folder, SampleRecord(kSendByEmail, false, kGermany, 0));
  {
    OpenedParameterPage first(platform);
    EXPECT_EQ(g_sSendSet.bySendBy, kSendByEmail);
    first.ui.Close();
    EXPECT_EQ(first.screen.transition().next, ScreenId::MainSetup);
  }
  WriteSendSetFile(folder, SampleRecord(kSendByFtp, false, kUnitedKingdom, 0));
  trace.clear();
  OpenedParameterPage second(platform);
  EXPECT_FALSE(trace.contains("sizeof = "));
  EXPECT_EQ(g_sSendSet.bySendBy, kSendByEmail);
  EXPECT_EQ(second.ui.GetText(ids::kCountryList), "Deutschland");
}

TEST_F(ParameterPageTest, ClosingKeepsListChoicesButNotTypedTexts) {
  WriteSendSetFile(folder, SampleRecord(kSendByFtp, false, OthersCountry, 0));
  {
    OpenedParameterPage page(platform);
    ASSERT_TRUE(page.ui.Type(ids::kFtpServerEdit, "typed.example"));
    ASSERT_TRUE(page.ui.Type(ids::kNetApnEdit, "typed-apn"));
    ASSERT_TRUE(page.ui.Pick(ids::kFtpDirTypeList, 0));
    ASSERT_TRUE(page.ui.Close());
    EXPECT_TRUE(page.ui.ended());
    EXPECT_EQ(PlainBytes(g_sSendSetCopy), PlainBytes(g_sSendSet));
  }
  g_sSendSet = SendSet{};  // what the next opening must not start from
  OpenedParameterPage again(platform);
  EXPECT_EQ(again.ui.GetText(ids::kFtpServerEdit), "ftp.example.org");
  EXPECT_EQ(again.ui.GetText(ids::kNetApnEdit), "data.example");
  EXPECT_EQ(again.ui.SelectedRow(ids::kFtpDirTypeList), 0);
  EXPECT_EQ(again.ui.GetText(ids::kFtpDirEdit), "/");
}

TEST_F(ParameterPageTest, EnterAndEscapeDoNothing) {
  OpenedParameterPage page(platform);
  EXPECT_TRUE(page.ui.PressEnter());
  EXPECT_TRUE(page.ui.PressEscape());
  EXPECT_FALSE(page.ui.ended());
  EXPECT_FALSE(page.screen.ended());
}

TEST_F(ParameterPageTest, NextPageStoresTheEditsOfItsSendOption) {
  struct Case {
    std::uint8_t sendBy;
    bool remoteOn;
    bool storesSender;
    bool storesFtp;
  };
  for (const Case& c : {Case{kSendByMms, false, false, false}, Case{kSendByMms, true, true, false},
                        Case{kSendByEmail, false, true, false},
                        Case{kSendByFtp, false, false, true}, Case{kSendByFtp, true, true, true}}) {
    SCOPED_TRACE(::testing::Message() << "bySendBy " << int(c.sendBy) << ", remote " << c.remoteOn);
    ResetThreeGRun();
    WriteSendSetFile(folder, SampleRecord(c.sendBy, c.remoteOn, OthersCountry, 0));
    OpenedParameterPage page(platform);
    FakeSurface& ui = page.ui;
    // Disabled edits are set from code, as if an earlier state had left them.
    for (int id : kMmsEdits) ui.SetText(id, "1");
    ui.SetText(ids::kSenderServerEdit, "smtp.new");
    ui.SetText(ids::kSenderPortEdit, "25");
    ui.SetText(ids::kSenderEmailEdit, "me@new.example");
    ui.SetText(ids::kSenderPasswordEdit, "newpass");
    ui.SetText(ids::kNetApnEdit, "apn.new");
    ui.SetText(ids::kFtpServerEdit, "ftp.new");
    ui.SetText(ids::kFtpPortEdit, "2222");
    ui.SetText(ids::kFtpUserNameEdit, "newuser");
    ui.SetText(ids::kFtpPasswordEdit, "newftppass");
    ui.SetText(ids::kFtpDirEdit, "/new");
    trace.clear();
    page.ui.Command(ids::kNextPage, kBnClicked);
    ASSERT_TRUE(page.screen.ended());

    const SendSet& r = g_sSendSet;
    EXPECT_EQ(MmsTexts(r.sMmsSet), std::vector<std::string>(6, "1"));
    EXPECT_EQ(std::string(FieldText(r.sSmtpSet.szServer)),
              c.storesSender ? "smtp.new" : "smtp.example.org");
    EXPECT_EQ(r.sSmtpSet.iPort, c.storesSender ? 25 : 587);
    EXPECT_EQ(std::string(FieldText(r.sSmtpSet.szAddr)),
              c.storesSender ? "me@new.example" : "cam@example.org");
    // The account edit mirrors the address.
    EXPECT_EQ(std::string(FieldText(r.sSmtpSet.szUserName)),
              c.storesSender ? "me@new.example" : "camaccount");
    EXPECT_EQ(std::string(FieldText(r.sSmtpSet.szPassword)),
              c.storesSender ? "newpass" : "mailpass");
    EXPECT_EQ(trace.contains("** szServer:smtp.new\n"), c.storesSender);
    EXPECT_EQ(std::string(FieldText(r.sSmtpSet.sz3GSmtpApN)),
              c.storesSender || c.storesFtp ? "apn.new" : "data.example");
    EXPECT_EQ(std::string(FieldText(r.sFtpSet.szServer)),
              c.storesFtp ? "ftp.new" : "ftp.example.org");
    EXPECT_EQ(r.sFtpSet.iPort, c.storesFtp ? 2222 : 2121);
    EXPECT_EQ(std::string(FieldText(r.sFtpSet.szUserName)), c.storesFtp ? "newuser" : "ftpuser");
    EXPECT_EQ(std::string(FieldText(r.sFtpSet.szPassword)), c.storesFtp ? "newftppass" : "ftppass");
    EXPECT_EQ(std::string(FieldText(r.sFtpSet.szFtpDir)), c.storesFtp ? "/new" : "/upload");
    EXPECT_EQ(PlainBytes(g_sSendSetCopy), PlainBytes(g_sSendSet));
    EXPECT_TRUE(trace.contains(c.storesFtp ? ":: NEXT_PAGE, FTP Server=ftp.new, FTP Port=2222\n"
                                           : ":: NEXT_PAGE, FTP Server=ftp.example.org, FTP "
                                             "Port=2121\n"));
  }
}

TEST_F(ParameterPageTest, NextPageKeepsTheListedOperatorsNetSetOverStaleEdits) {
  // MMS with remote on and noReplyCommands: the 3G edits are read-only and
  // show the stored set, which a country change does not refresh.
  noReplyCommands = true;
  WriteSendSetFile(folder, SampleRecord(kSendByMms, true, kGermany, 0));
  OpenedParameterPage page(platform);
  ASSERT_EQ(Texts(page.ui, kNetEdits),
            (std::vector<std::string>{"data.example", "netuser", "netpass"}));
  ASSERT_TRUE(page.ui.Pick(ids::kCountryList, kUnitedKingdom));
  ASSERT_TRUE(page.ui.Click(ids::kNextPage));
  EXPECT_EQ(NetTexts(g_sSendSet.sSmtpSet), NetTexts(NetPresetAt(kUnitedKingdom, 0)));
  EXPECT_EQ(NetTexts(g_sSendSetCopy.sSmtpSet), NetTexts(NetPresetAt(kUnitedKingdom, 0)));
}

// --- Handlers ------------------------------------------------------------

TEST_F(ParameterPageTest, FtpBoxStaysShownOnceMmsEmailOrFtpWasPicked) {
  for (int picked : {kSendByMms, kSendByEmail, kSendByFtp}) {
    SCOPED_TRACE(picked);
    ResetThreeGRun();
    WriteSendSetFile(folder, SampleRecord(kSendByClose3G, false, kGermany, 0));
    {
      OpenedParameterPage page(platform);
      EXPECT_FALSE(page.ui.IsShown(ids::kFtpGroup));
      EXPECT_FALSE(page.ui.IsShown(ids::kFtpDirEdit));
      ASSERT_TRUE(page.ui.Pick(ids::kSendOptionList, picked));
      EXPECT_TRUE(page.ui.IsShown(ids::kFtpGroup));
      ASSERT_TRUE(page.ui.Pick(ids::kSendOptionList, kSendByClose3G));
      EXPECT_TRUE(page.ui.IsShown(ids::kFtpGroup));
      EXPECT_TRUE(page.ui.IsShown(ids::kFtpServerEdit));
      EXPECT_FALSE(page.ui.IsEnabled(ids::kFtpServerEdit));
      page.ui.Close();
    }
    OpenedParameterPage again(platform);
    EXPECT_EQ(again.ui.SelectedRow(ids::kSendOptionList), kSendByClose3G);
    EXPECT_TRUE(again.ui.IsShown(ids::kFtpGroup));
  }
}

TEST_F(ParameterPageTest, SendOptionChangeEmptiesWhatTheNewOptionDropsAndKeepsTheRecord) {
  WriteSendSetFile(folder, SampleRecord(kSendByFtp, true, OthersCountry, 0));
  OpenedParameterPage page(platform);
  FakeSurface& ui = page.ui;
  ASSERT_EQ(Texts(ui, kFtpEdits), kSampleFtp);
  trace.clear();

  ASSERT_TRUE(ui.Pick(ids::kSendOptionList, kSendByEmail));
  EXPECT_EQ(g_sSendSet.bySendBy, kSendByEmail);
  EXPECT_TRUE(trace.contains("DebugFlag = 0\n"));
  // Email with remote on shows the stored MMS set again after emptying it.
  EXPECT_EQ(Texts(ui, kMmsEdits), MmsTexts(g_sSendSet.sMmsSet));
  // FTP edits are not emptied by Email, only disabled.
  EXPECT_EQ(Texts(ui, kFtpEdits), kSampleFtp);
  for (int id : kFtpInputs) EXPECT_FALSE(ui.IsEnabled(id));

  ASSERT_TRUE(ui.Pick(ids::kSendOptionList, kSendByClose3G));
  EXPECT_EQ(Texts(ui, kMmsEdits), kNoMms);
  EXPECT_EQ(Texts(ui, kNetEdits), kNoNet);
  // Remote on keeps the sender edits.
  EXPECT_EQ(Texts(ui, kSenderEdits), kSampleSender);
  EXPECT_EQ(std::string(FieldText(g_sSendSet.sMmsSet.szUrl)), "http://mms.example/servlets/mms");

  ASSERT_TRUE(ui.Pick(ids::kSendOptionList, kSendByFtp));
  EXPECT_EQ(Texts(ui, kFtpEdits), kSampleFtp);  // emptied, then shown from the record
}

TEST_F(ParameterPageTest, SendOptionChangeToMmsWithoutRemoteEmptiesTheSenderEdits) {
  WriteSendSetFile(folder, SampleRecord(kSendByEmail, false, kGermany, 0));
  OpenedParameterPage page(platform);
  ASSERT_EQ(Texts(page.ui, kSenderEdits), kSampleSender);
  ASSERT_TRUE(page.ui.Pick(ids::kSendOptionList, kSendByMms));
  EXPECT_EQ(Texts(page.ui, kSenderEdits), kNoSender);
  EXPECT_EQ(Texts(page.ui, kNetEdits), kNoNet);
  EXPECT_EQ(std::string(FieldText(g_sSendSet.sSmtpSet.szServer)), "smtp.example.org");
}

TEST_F(ParameterPageTest, ManualInputAndBack) {
  OpenedParameterPage page(platform);  // no file: MMS, China Unicom
  FakeSurface& ui = page.ui;
  ASSERT_TRUE(ui.Click(ids::kNextPage));  // China Unicom's sets into the record
  OpenedParameterPage manual(platform);
  FakeSurface& m = manual.ui;
  ASSERT_EQ(MmsTexts(g_sSendSet.sMmsSet), MmsTexts(MmsPresetAt(0, 0)));

  ASSERT_TRUE(m.Pick(ids::kParamSourceList, 1));
  EXPECT_EQ(g_sSendSet.byOperatorCountry, OthersCountry);
  EXPECT_EQ(m.Rows(ids::kCountryList), (std::vector<std::string>{"Others"}));
  EXPECT_EQ(m.Rows(ids::kOperatorList), (std::vector<std::string>{"Others"}));
  EXPECT_EQ(m.GetText(ids::kCountryList), "Others");
  EXPECT_FALSE(m.IsEnabled(ids::kCountryList));
  EXPECT_FALSE(m.IsEnabled(ids::kOperatorList));
  for (int id : kMmsEdits) {
    EXPECT_TRUE(m.IsEnabled(id));
    EXPECT_FALSE(m.IsMasked(id));
  }
  for (int id : kNetEdits) EXPECT_FALSE(m.IsMasked(id));
  EXPECT_EQ(Texts(m, kMmsEdits), kNoMms);
  EXPECT_EQ(MmsTexts(g_sSendSet.sMmsSet), kNoMms);
  EXPECT_EQ(NetTexts(g_sSendSet.sSmtpSet), kNoNet);

  // Picking it again changes nothing.
  ASSERT_TRUE(m.Type(ids::kMmsUrlEdit, "http://typed/"));
  ASSERT_TRUE(m.Pick(ids::kParamSourceList, 1));
  EXPECT_EQ(m.GetText(ids::kMmsUrlEdit), "http://typed/");

  trace.clear();
  ASSERT_TRUE(m.Pick(ids::kParamSourceList, 0));
  EXPECT_EQ(g_sSendSet.byOperatorCountry, 0);
  EXPECT_EQ(g_sSendSet.byOperator, 0);
  EXPECT_EQ(m.RowCount(ids::kCountryList), CountryCount);
  EXPECT_EQ(m.GetText(ids::kCountryList), "China");
  EXPECT_EQ(m.GetText(ids::kOperatorList), "China Unicom");
  EXPECT_TRUE(m.IsEnabled(ids::kCountryList));
  EXPECT_EQ(Texts(m, kMmsEdits), MmsTexts(MmsPresetAt(0, 0)));
  EXPECT_EQ(MmsTexts(g_sSendSet.sMmsSet), MmsTexts(MmsPresetAt(0, 0)));
  EXPECT_EQ(NetTexts(g_sSendSet.sSmtpSet), NetTexts(NetPresetAt(0, 0)));
  for (int id : kMmsEdits) {
    EXPECT_FALSE(m.IsEnabled(id));
    EXPECT_TRUE(m.IsMasked(id));
  }
  EXPECT_TRUE(trace.contains("lCountrySel = 0, lrOperatorIndex = 0\n"));

  // Select Operator while listed does nothing.
  trace.clear();
  ASSERT_TRUE(m.Pick(ids::kParamSourceList, 0));
  EXPECT_FALSE(trace.contains("lCountrySel"));
}

TEST_F(ParameterPageTest, ManualInputTypedValuesReachTheRecordAtNextPage) {
  WriteSendSetFile(folder, SampleRecord(kSendByMms, false, kGermany, 0));
  OpenedParameterPage page(platform);
  FakeSurface& ui = page.ui;
  ASSERT_TRUE(ui.Pick(ids::kParamSourceList, 1));
  const std::vector<std::string> typed = {
      "http://m.example/", "apn.typed", "1.2.3.4", "8080", "acc", "pw"};
  for (std::size_t i = 0; i < kMmsEdits.size(); ++i) ASSERT_TRUE(ui.Type(kMmsEdits[i], typed[i]));
  ASSERT_TRUE(ui.Click(ids::kNextPage));
  EXPECT_EQ(MmsTexts(g_sSendSet.sMmsSet), typed);
  EXPECT_EQ(g_sSendSet.byOperatorCountry, OthersCountry);
}

TEST_F(ParameterPageTest, CountryChangeResetsTheOperatorAndSameRowsDoNothing) {
  WriteSendSetFile(folder, SampleRecord(kSendByMms, false, kGermany, 3));
  OpenedParameterPage page(platform);
  FakeSurface& ui = page.ui;
  ASSERT_EQ(ui.GetText(ids::kOperatorList), "O2");

  trace.clear();
  ASSERT_TRUE(ui.Pick(ids::kCountryList, kGermany));
  ASSERT_TRUE(ui.Pick(ids::kOperatorList, 3));
  EXPECT_FALSE(trace.contains("lCountrySel"));
  EXPECT_EQ(std::string(FieldText(g_sSendSet.sMmsSet.szUrl)), "http://mms.example/servlets/mms");

  ASSERT_TRUE(ui.Pick(ids::kCountryList, kUnitedKingdom));
  EXPECT_EQ(g_sSendSet.byOperatorCountry, kUnitedKingdom);
  EXPECT_EQ(g_sSendSet.byOperator, 0);
  EXPECT_EQ(ui.RowCount(ids::kOperatorList), 8);
  EXPECT_EQ(ui.GetText(ids::kOperatorList), "Vodafone");
  EXPECT_EQ(MmsTexts(g_sSendSet.sMmsSet), MmsTexts(MmsPresetAt(kUnitedKingdom, 0)));
  EXPECT_EQ(NetTexts(g_sSendSet.sSmtpSet), NetTexts(NetPresetAt(kUnitedKingdom, 0)));
  EXPECT_EQ(Texts(ui, kMmsEdits), MmsTexts(MmsPresetAt(kUnitedKingdom, 0)));
  EXPECT_TRUE(trace.contains("lCountrySel = 3, lrOperatorIndex = 0\n"));

  ASSERT_TRUE(ui.Pick(ids::kOperatorList, 7));
  EXPECT_EQ(g_sSendSet.byOperator, 7);
  EXPECT_EQ(Texts(ui, kMmsEdits), MmsTexts(MmsPresetAt(kUnitedKingdom, 7)));
}

TEST_F(ParameterPageTest, OperatorChangeInFtpModeRefreshesTheMaskedNetEdits) {
  WriteSendSetFile(folder, SampleRecord(kSendByFtp, false, kGermany, 0));
  OpenedParameterPage page(platform);
  FakeSurface& ui = page.ui;
  ASSERT_EQ(Texts(ui, kNetEdits), NetTexts(NetPresetAt(kGermany, 0)));
  ASSERT_TRUE(ui.Type(ids::kFtpServerEdit, "typed.example"));
  ASSERT_TRUE(ui.Pick(ids::kOperatorList, 3));
  EXPECT_EQ(Texts(ui, kNetEdits), NetTexts(NetPresetAt(kGermany, 3)));
  EXPECT_EQ(NetTexts(g_sSendSet.sSmtpSet), NetTexts(NetPresetAt(kGermany, 3)));
  for (int id : kNetEdits) EXPECT_TRUE(ui.IsMasked(id));
  // An operator change does not apply the send option: typed text stays.
  EXPECT_EQ(ui.GetText(ids::kFtpServerEdit), "typed.example");
  // A country change does, and the FTP edits show the record again.
  ASSERT_TRUE(ui.Pick(ids::kCountryList, kUnitedKingdom));
  EXPECT_EQ(ui.GetText(ids::kFtpServerEdit), "ftp.example.org");
}

TEST_F(ParameterPageTest, RussiasVelcomSurvivesARoundTripThroughTheSendPage) {
  WriteSendSetFile(folder, SampleRecord(kSendByMms, false, kGermany, 0));
  OpenedParameterPage page(platform);
  ASSERT_TRUE(page.ui.Pick(ids::kCountryList, kRussia));
  ASSERT_TRUE(page.ui.Pick(ids::kOperatorList, 9));
  ASSERT_EQ(page.ui.GetText(ids::kOperatorList), "Velcom");
  ASSERT_TRUE(page.ui.Click(ids::kNextPage));

  OpenedSendPage send(platform, page.screen.transition().sendOptionRow);
  ASSERT_TRUE(send.ui.Click(send_page_ids::kPreviousPage));
  ASSERT_EQ(send.screen.transition().next, ScreenId::ParameterPage);

  OpenedParameterPage back(platform);
  EXPECT_EQ(g_sSendSet.byOperatorCountry, kRussia);
  EXPECT_EQ(g_sSendSet.byOperator, 9);
  EXPECT_EQ(back.ui.GetText(ids::kCountryList), "Russia");
  EXPECT_EQ(back.ui.GetText(ids::kOperatorList), "Velcom");
  trace.clear();
  ASSERT_TRUE(back.ui.Click(ids::kNextPage));
  EXPECT_TRUE(trace.contains("lCountrySel = 12, lrOperatorIndex = 9\n"));
  EXPECT_EQ(MmsTexts(g_sSendSetCopy.sMmsSet), MmsTexts(MmsPresetAt(kRussia, 9)));
}

TEST_F(ParameterPageTest, BasicModelsForceTheThumbnail) {
  for (int model = 0; model < 4; ++model) {
    SCOPED_TRACE(model);
    ResetThreeGRun();
    ModelIndex = model;
    SendSet stored = SampleRecord(kSendByEmail, false, kGermany, 0);
    stored.bySendImgSize = 0;
    WriteSendSetFile(folder, stored);
    OpenedParameterPage page(platform);
    EXPECT_EQ(g_sSendSet.bySendImgSize, IsBasicModel(model) ? 1 : 0);
    // Whatever the send page stored, every opening forces it again.
    page.ui.Close();
    g_sSendSetCopy.bySendImgSize = 0;
    OpenedParameterPage again(platform);
    EXPECT_EQ(g_sSendSet.bySendImgSize, IsBasicModel(model) ? 1 : 0);
  }
}

TEST_F(ParameterPageTest, FtpDirectoryRootAndSpecify) {
  WriteSendSetFile(folder, SampleRecord(kSendByFtp, false, kGermany, 0));
  OpenedParameterPage page(platform);
  FakeSurface& ui = page.ui;
  ASSERT_EQ(ui.SelectedRow(ids::kFtpDirTypeList), 1);
  ASSERT_TRUE(ui.IsEnabled(ids::kFtpDirEdit));
  ASSERT_EQ(ui.GetText(ids::kFtpDirEdit), "/upload");

  ASSERT_TRUE(ui.Pick(ids::kFtpDirTypeList, 0));
  EXPECT_EQ(g_sSendSet.sFtpSet.iFtpDirType, 0);
  EXPECT_EQ(std::string(FieldText(g_sSendSet.sFtpSet.szFtpDir)), "/");
  EXPECT_FALSE(ui.IsEnabled(ids::kFtpDirEdit));
  EXPECT_EQ(ui.GetText(ids::kFtpDirEdit), "/");

  ASSERT_TRUE(ui.Pick(ids::kFtpDirTypeList, 1));
  EXPECT_EQ(g_sSendSet.sFtpSet.iFtpDirType, 1);
  EXPECT_TRUE(ui.IsEnabled(ids::kFtpDirEdit));
  EXPECT_EQ(ui.GetText(ids::kFtpDirEdit), "/");
  ASSERT_TRUE(ui.Type(ids::kFtpDirEdit, "/pics"));
  ASSERT_TRUE(ui.Click(ids::kNextPage));
  EXPECT_EQ(std::string(FieldText(g_sSendSet.sFtpSet.szFtpDir)), "/pics");
  EXPECT_EQ(g_sSendSet.sFtpSet.iFtpDirType, 1);
}

TEST_F(ParameterPageTest, RootStoredInTheFileDisablesTheDirectoryAndShowsSlash) {
  SendSet stored = SampleRecord(kSendByFtp, false, kGermany, 0);
  stored.sFtpSet.iFtpDirType = 0;
  WriteSendSetFile(folder, stored);
  OpenedParameterPage page(platform);
  EXPECT_FALSE(page.ui.IsEnabled(ids::kFtpDirEdit));
  EXPECT_EQ(page.ui.GetText(ids::kFtpDirEdit), "/");
  EXPECT_EQ(std::string(FieldText(g_sSendSet.sFtpSet.szFtpDir)), "/");
}

TEST_F(ParameterPageTest, SenderAccountMirrorsTheAddress) {
  WriteSendSetFile(folder, SampleRecord(kSendByEmail, false, kGermany, 0));
  OpenedParameterPage page(platform);
  FakeSurface& ui = page.ui;
  // The opening sets the account after the address.
  EXPECT_EQ(ui.GetText(ids::kSenderEmailEdit), "cam@example.org");
  EXPECT_EQ(ui.GetText(ids::kSenderAccountEdit), "camaccount");

  ASSERT_TRUE(ui.Type(ids::kSenderEmailEdit, "me@x.org"));
  EXPECT_EQ(ui.GetText(ids::kSenderAccountEdit), "me@x.org");
  ASSERT_TRUE(ui.Type(ids::kSenderEmailEdit, "me@x.or"));
  EXPECT_EQ(ui.GetText(ids::kSenderAccountEdit), "me@x.or");
  ASSERT_TRUE(ui.Type(ids::kSenderEmailEdit, ""));
  EXPECT_EQ(ui.GetText(ids::kSenderAccountEdit), "");
  EXPECT_FALSE(ui.Type(ids::kSenderAccountEdit, "typed"));  // disabled at all times
}

TEST_F(ParameterPageTest, PortEditsTakeDigitsOnlyAndShowZeroAsEmpty) {
  SendSet stored = SampleRecord(kSendByEmail, false, OthersCountry, 0);
  stored.sSmtpSet.iPort = 0;
  WriteSendSetFile(folder, stored);
  OpenedParameterPage page(platform);
  FakeSurface& ui = page.ui;
  EXPECT_EQ(ui.GetText(ids::kSenderPortEdit), "");

  for (int id : {ids::kSenderPortEdit, ids::kMmsPortEdit, ids::kFtpPortEdit}) {
    ui.SetText(id, "4a6b5");
    EXPECT_EQ(ui.GetText(id), "465") << "control " << id;
    EXPECT_EQ(ui.Caret(id), 1) << "control " << id;
  }
  ASSERT_TRUE(ui.Type(ids::kSenderPortEdit, "abc"));
  EXPECT_EQ(ui.GetText(ids::kSenderPortEdit), "");
}

TEST_F(ParameterPageTest, EmptyPortEditsKeepTheStoredPort) {
  struct Case {
    std::uint8_t sendBy;
    int edit;
  };
  for (const Case& c :
       {Case{kSendByEmail, ids::kSenderPortEdit}, Case{kSendByFtp, ids::kFtpPortEdit}}) {
    SCOPED_TRACE(c.edit);
    ResetThreeGRun();
    WriteSendSetFile(folder, SampleRecord(c.sendBy, false, kGermany, 0));
    OpenedParameterPage page(platform);
    ASSERT_TRUE(page.ui.Type(c.edit, ""));
    ASSERT_TRUE(page.ui.Click(ids::kNextPage));
    EXPECT_EQ(g_sSendSet.sSmtpSet.iPort, 587);
    EXPECT_EQ(g_sSendSet.sFtpSet.iPort, 2121);
  }
}

TEST_F(ParameterPageTest, StoredIndicesOutOfRangeAreBroughtIntoRange) {
  struct Case {
    std::uint8_t country;
    std::uint8_t op;
    std::uint8_t wantCountry;
    std::uint8_t wantOp;
    const char* operatorText;
  };
  for (const Case& c :
       {Case{44, 0, 0, 0, "China Unicom"}, Case{200, 3, 0, 0, "China Unicom"},
        Case{kGermany, 10, kGermany, 0, "Vodafone"},
        // Within 0..9 but past the country's operators: the
        // first operator, never an empty preset slot.
        Case{0, 5, 0, 0, "China Unicom"}, Case{kGermany, 4, kGermany, 0, "Vodafone"},
        Case{kRussia, 9, kRussia, 9, "Velcom"},
        Case{OthersCountry, 7, OthersCountry, 7, "Others"}}) {
    SCOPED_TRACE(::testing::Message() << int(c.country) << "/" << int(c.op));
    ResetThreeGRun();
    WriteSendSetFile(folder, SampleRecord(kSendByMms, false, c.country, c.op));
    OpenedParameterPage page(platform);
    EXPECT_EQ(g_sSendSet.byOperatorCountry, c.wantCountry);
    EXPECT_EQ(g_sSendSet.byOperator, c.wantOp);
    EXPECT_EQ(page.ui.GetText(ids::kOperatorList), c.operatorText);
    trace.clear();
    ASSERT_TRUE(page.ui.Click(ids::kNextPage));
    if (c.wantCountry != OthersCountry) {
      EXPECT_EQ(MmsTexts(g_sSendSet.sMmsSet), MmsTexts(MmsPresetAt(c.wantCountry, c.wantOp)));
    }
  }
}

TEST_F(ParameterPageTest, SendOptionOutsideTheListIsShownAsClose3GAndKept) {
  SendSet stored = SampleRecord(kSendByMms, false, kGermany, 0);
  stored.bySendBy = 7;
  WriteSendSetFile(folder, stored);
  OpenedParameterPage page(platform);
  EXPECT_EQ(page.ui.SelectedRow(ids::kSendOptionList), 0);
  EXPECT_FALSE(page.ui.IsEnabled(ids::kParamSourceList));
  EXPECT_EQ(g_sSendSet.bySendBy, 7);
  ASSERT_TRUE(page.ui.Click(ids::kNextPage));
  EXPECT_EQ(page.screen.transition().sendOptionRow, 0);
  EXPECT_EQ(g_sSendSetCopy.bySendBy, 7);
}

TEST_F(ParameterPageTest, ManualInputInClose3GIsNotOverwrittenByChinasPresets) {
  SendSet stored = SampleRecord(kSendByClose3G, false, OthersCountry, 0);
  WriteSendSetFile(folder, stored);
  OpenedParameterPage page(platform);
  ASSERT_EQ(page.ui.SelectedRow(ids::kParamSourceList), 0);  // disabled, left at its first row
  trace.clear();
  ASSERT_TRUE(page.ui.Click(ids::kNextPage));
  EXPECT_FALSE(trace.contains("lCountrySel"));
  EXPECT_EQ(g_sSendSet.byOperatorCountry, OthersCountry);
  EXPECT_NE(MmsTexts(g_sSendSet.sMmsSet), MmsTexts(MmsPresetAt(0, 0)));
}

TEST_F(ParameterPageTest, DebugFlagIsClearedOnEveryOpening) {
  SendSet stored = SampleRecord(kSendByMms, false, kGermany, 0);
  stored.DebugFlag = 1;
  stored.DebugPort = 9000;
  WriteSendSetFile(folder, stored);
  OpenedParameterPage page(platform);
  EXPECT_EQ(g_sSendSet.DebugFlag, 0);
  EXPECT_EQ(g_sSendSet.DebugPort, 9000);
  page.ui.Close();
  g_sSendSetCopy.DebugFlag = 1;
  OpenedParameterPage again(platform);
  EXPECT_EQ(g_sSendSet.DebugFlag, 0);
}

}  // namespace
