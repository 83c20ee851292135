// camsetup.exe through the two 3G pages: a first run without CFG.BIN that
// generates one, refused Generates, Close 3G, manual MMS input, the Email
// and FTP roads, the remote-control rows, round trips between the pages and
// a save folder that cannot take the file.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/send_set.h"
#include "files/text_field.h"
#include "tests/e2e/driver.h"
#include "ui/control_ids.h"

namespace {

namespace params = parameter_page_ids;
namespace send = send_page_ids;
using e2e::Window;

const std::vector<std::string> kMainCaptions = {"设置", "Setup"};
const std::vector<std::string> kParameterCaptions = {"3G参数设置", "3G Parameter Settings"};
const std::vector<std::string> kSendCaptions = {"3G发送设置", "3G Send Settings"};

std::string Field(const auto& field) { return std::string(FieldText(field)); }

// Polls `done` every 20 ms until it holds or `timeoutMs` has passed. The
// pages handle list picks from posted notifications, so their effects show
// a little later.
bool Eventually(const std::function<bool()>& done, int timeoutMs = e2e::kWaitMs) {
  for (int waited = 0; waited < timeoutMs; waited += 20) {
    if (done()) return true;
    e2e::Process::Pause(20);
  }
  return done();
}

// Replaces an edit's text as a user would: empty it, then type.
bool Retype(Window page, int id, std::string_view text) {
  return e2e::SetText(page, id, "") && e2e::Type(page, id, text);
}

struct Box {
  std::string caption;
  std::string text;
};

class ThreeGPages : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = e2e::NewFolder("pages3g");
    ASSERT_FALSE(e2e::ProgramPath().empty()) << "CAMSETUP_EXE is not set";
    ASSERT_TRUE(app_.Start(e2e::ProgramPath(), folder_,
                           folder_.parent_path() / (folder_.filename().wstring() + L".out")));
    Window main = app_.WaitDialog(kMainCaptions);
    ASSERT_NE(main, nullptr) << "no Main Setup";
    parameters_ = MoveTo(main, main_setup_ids::k3GSetupButton, kParameterCaptions);
    ASSERT_NE(parameters_, nullptr) << "no 3G parameter page";
  }

  void TearDown() override {
    // Closing the pages leads to Main Setup; closing that ends the run.
    for (Window dialog : app_.Dialogs()) e2e::Close(dialog);
    if (Window main = app_.WaitDialog(kMainCaptions, 2000)) e2e::Close(main);
    app_.WaitExit();
  }

  Window MoveTo(Window from, int button, const std::vector<std::string>& captions) {
    EXPECT_TRUE(e2e::Click(from, button));
    EXPECT_TRUE(e2e::WaitGone(from));
    return app_.WaitDialog(captions, e2e::kWaitMs, from);
  }

  // Presses Generate and returns the box it shows, after OK.
  std::optional<Box> GenerateBox(Window page) {
    if (!e2e::Click(page, send::kGenerate)) return std::nullopt;
    Window box = e2e::WaitMessageBox(app_.id(), page);
    if (box == nullptr) return std::nullopt;
    Box shown{e2e::Caption(box), e2e::MessageText(box)};
    EXPECT_TRUE(e2e::PressOk(box));
    EXPECT_TRUE(e2e::WaitGone(box));
    return shown;
  }

  // The text of the box Generate shows.
  std::optional<std::string> Generate(Window page) {
    const std::optional<Box> box = GenerateBox(page);
    if (!box) return std::nullopt;
    return box->text;
  }

  Window NextPage(Window parameters) {
    return MoveTo(parameters, params::kNextPage, kSendCaptions);
  }
  Window PreviousPage(Window page) { return MoveTo(page, send::kPreviousPage, kParameterCaptions); }

  // Picks a send option on the parameter page and waits until the page has
  // applied it (`applied` shows it).
  void ChooseSendOption(Window parameters, int row, const std::function<bool()>& applied) {
    ASSERT_TRUE(e2e::ChooseRow(parameters, params::kSendOptionList, row));
    ASSERT_TRUE(Eventually(applied)) << "send option " << row << " not applied";
  }

  // Send option Email with the sender settings typed in, then the send page
  // with one e-mail recipient.
  Window EmailRoad() {
    ChooseSendOption(parameters_, kSendByEmail,
                     [&] { return e2e::IsEnabled(parameters_, params::kSenderServerEdit); });
    if (HasFatalFailure()) return nullptr;
    EXPECT_TRUE(Retype(parameters_, params::kSenderServerEdit, "smtp.example.org"));
    EXPECT_TRUE(Retype(parameters_, params::kSenderPortEdit, "5x87"));
    EXPECT_TRUE(Retype(parameters_, params::kSenderEmailEdit, "cam@example.org"));
    EXPECT_TRUE(Retype(parameters_, params::kSenderPasswordEdit, "s3cret"));
    Window page = NextPage(parameters_);
    if (page == nullptr) return nullptr;
    EXPECT_TRUE(e2e::Type(page, send::kEmail1Edit, "owner@example.org"));
    return page;
  }

  std::optional<SendSet> FileRecord() const {
    return e2e::DecodeRecordFile<SendSet>(folder_ / "CFG.BIN");
  }

  std::filesystem::path folder_;
  e2e::Process app_;
  Window parameters_ = nullptr;
};

TEST_F(ThreeGPages, FirstRunGeneratesTheDefaultsWithOnePhoneNumber) {
  ASSERT_TRUE(app_.WaitOutput("File szie != struct size!"));
  EXPECT_EQ(e2e::Text(parameters_, params::kSendOptionList), "MMS");
  EXPECT_EQ(e2e::Text(parameters_, params::kCountryList), "China");
  EXPECT_EQ(e2e::Text(parameters_, params::kOperatorList), "China Unicom");
  EXPECT_FALSE(e2e::IsEnabled(parameters_, params::kMmsUrlEdit));
  EXPECT_TRUE(e2e::IsMasked(parameters_, params::kMmsUrlEdit));

  Window page = MoveTo(parameters_, params::kNextPage, kSendCaptions);
  ASSERT_NE(page, nullptr) << "no 3G send page";
  EXPECT_TRUE(e2e::IsEnabled(page, send::kPhone1Edit));
  EXPECT_FALSE(e2e::IsVisible(page, send::kLongitudeDegreeEdit));
  EXPECT_EQ(e2e::Text(page, send::kMaxSendEdit), "49");
  ASSERT_TRUE(e2e::Type(page, send::kPhone1Edit, "+86 138-0013"));
  EXPECT_EQ(e2e::Text(page, send::kPhone1Edit), "+861380013");

  EXPECT_EQ(Generate(page), "Generate Success!");
  const std::optional<SendSet> file = FileRecord();
  ASSERT_TRUE(file.has_value());
  EXPECT_EQ(file->bySendBy, IF_SEND_BY_APP_SET_FLG | kSendByMms);
  EXPECT_EQ(file->uwStructFlag, kSendSetStructFlag);
  EXPECT_EQ(Field(file->szRecp[0]), "+861380013");
  EXPECT_EQ(file->uwRecpLen[0], 10);
  EXPECT_EQ(file->uwRecpLen[2], 0);
  EXPECT_EQ(file->bySendImgSize, 1);
  EXPECT_EQ(file->uwMaxSendImgNum, 49);
  EXPECT_EQ(file->byRemoteInterval, 25);
  EXPECT_EQ(file->byRemoteSwitch, 0);
  EXPECT_EQ(file->byDailySendTime, 24);
  EXPECT_EQ(file->bySendMode, 0);
  EXPECT_EQ(file->bySendFileNum, 0);
  EXPECT_EQ(Field(file->szFileFullName[0]), "DCIM\\100IMA3G\\IMAG0001.JPG");
  EXPECT_EQ(file->byOperatorCountry, 0);
  EXPECT_EQ(file->byOperator, 0);
  EXPECT_EQ(Field(file->sMmsSet.szUrl), "http://mmsc.myuni.com.cn");
  EXPECT_EQ(Field(file->sMmsSet.szApn), "3gwap");
  EXPECT_EQ(Field(file->sMmsSet.szGateway), "010.000.000.172");
  EXPECT_EQ(Field(file->sMmsSet.szPort), "80");
  EXPECT_EQ(Field(file->sSmtpSet.sz3GSmtpApN), "3gnet");
  EXPECT_EQ(file->sFtpSet.iPort, 21);
  EXPECT_EQ(Field(file->sFtpSet.szFtpDir), "/");
  EXPECT_TRUE(app_.WaitOutput("IF_SEND_BY_APP_SET_FLG=1"));
  EXPECT_EQ(app_.Output().find("Generate fail!"), std::string::npos);
}

TEST_F(ThreeGPages, RefusedGenerateShowsTheWarningAndWritesNothing) {
  Window page = MoveTo(parameters_, params::kNextPage, kSendCaptions);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(Generate(page),
            "Generate failed!\r\nPlease enter at least one phone number or email address.");
  EXPECT_FALSE(e2e::ReadFile(folder_ / "CFG.BIN").has_value());
  // The page stays open for a correction.
  EXPECT_TRUE(e2e::Exists(page));
  ASSERT_TRUE(e2e::Type(page, send::kEmail1Edit, "nobody-at-example.org"));
  EXPECT_EQ(Generate(page), "Generate failed!\r\nEmail address 1 error.");
  EXPECT_FALSE(e2e::ReadFile(folder_ / "CFG.BIN").has_value());
}

TEST_F(ThreeGPages, Close3GWritesSendingAndRemoteControlOff) {
  ASSERT_TRUE(e2e::ChooseRow(parameters_, params::kSendOptionList, 0));
  // The choice reaches the page before Next Page is pressed.
  for (int i = 0; i < 200 && e2e::IsEnabled(parameters_, params::kParamSourceList); ++i)
    e2e::Process::Pause(20);
  EXPECT_FALSE(e2e::IsEnabled(parameters_, params::kParamSourceList));
  Window page = MoveTo(parameters_, params::kNextPage, kSendCaptions);
  ASSERT_NE(page, nullptr);
  EXPECT_FALSE(e2e::IsEnabled(page, send::kPhone1Edit));
  EXPECT_FALSE(e2e::IsEnabled(page, send::kRemoteIntervalList));
  EXPECT_EQ(Generate(page), "Generate Success!");
  const std::optional<SendSet> file = FileRecord();
  ASSERT_TRUE(file.has_value());
  EXPECT_EQ(file->bySendBy, IF_SEND_BY_APP_SET_FLG | kSendByClose3G);
  EXPECT_EQ(file->byRemoteSwitch, 0);
  EXPECT_EQ(file->byRemoteInterval, 25);
}

TEST_F(ThreeGPages, PreviousPageBringsBackTheParameterPageWithItsChoices) {
  ASSERT_TRUE(e2e::ChooseRow(parameters_, params::kCountryList, 12));  // Russia
  for (int i = 0; i < 200 && e2e::RowCount(parameters_, params::kOperatorList) != 10; ++i)
    e2e::Process::Pause(20);
  ASSERT_TRUE(e2e::ChooseRow(parameters_, params::kOperatorList, 9));
  Window page = MoveTo(parameters_, params::kNextPage, kSendCaptions);
  ASSERT_NE(page, nullptr);
  Window back = MoveTo(page, send::kPreviousPage, kParameterCaptions);
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(e2e::Text(back, params::kCountryList), "Russia");
  EXPECT_EQ(e2e::Text(back, params::kOperatorList), "Velcom");
  parameters_ = back;
}

// The system's language as the test run gives it: 0x0804 on a Chinese (PRC)
// system, 0x0409 otherwise; the e2e_camsetup_zh run repeats these cases.
std::uint16_t ExpectedSystemLanguage() {
  const char* configured = std::getenv("CAMSETUP_E2E_LANGID");
  return configured == nullptr ? 0
                               : static_cast<std::uint16_t>(std::strtoul(configured, nullptr, 0));
}

using SystemLanguage3GPages = ThreeGPages;

TEST_F(SystemLanguage3GPages, RefusedGenerateWarnsInIt) {
  const std::uint16_t expected = ExpectedSystemLanguage();
  ASSERT_NE(expected, 0) << "CAMSETUP_E2E_LANGID is not set";
  ASSERT_EQ(e2e::SystemLanguage(), expected);
  const bool chinese = expected == 0x0804;
  Window page = NextPage(parameters_);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(e2e::Caption(page), chinese ? "3G发送设置" : "3G Send Settings");
  const std::optional<Box> box = GenerateBox(page);
  ASSERT_TRUE(box.has_value()) << "no warning";
  EXPECT_EQ(box->caption, chinese ? "警告" : "Warning");
  EXPECT_EQ(box->text,
            chinese
                ? "未生成配置文件！\r\n请输入至少一个手机号码或邮箱地址。"
                : "Generate failed!\r\nPlease enter at least one phone number or email address.");
  EXPECT_FALSE(e2e::ReadFile(folder_ / "CFG.BIN").has_value());
  EXPECT_FALSE(e2e::ReadFile(folder_ / "CFG.BIN.tmp").has_value());
}

TEST_F(ThreeGPages, ManualInputWritesTheTypedMmsSet) {
  ASSERT_TRUE(e2e::ChooseRow(parameters_, params::kParamSourceList, 1));
  ASSERT_TRUE(Eventually([&] { return e2e::IsEnabled(parameters_, params::kMmsUrlEdit); }));
  EXPECT_EQ(e2e::Text(parameters_, params::kCountryList), "Others");
  EXPECT_EQ(e2e::Text(parameters_, params::kOperatorList), "Others");
  EXPECT_FALSE(e2e::IsEnabled(parameters_, params::kCountryList));
  EXPECT_FALSE(e2e::IsMasked(parameters_, params::kMmsUrlEdit));
  EXPECT_EQ(e2e::Text(parameters_, params::kMmsUrlEdit), "");
  ASSERT_TRUE(e2e::Type(parameters_, params::kMmsUrlEdit, "http://mms.example.net/mms"));
  ASSERT_TRUE(e2e::Type(parameters_, params::kMmsApnEdit, "mmsapn"));
  ASSERT_TRUE(e2e::Type(parameters_, params::kMmsPortEdit, "80a80"));
  EXPECT_EQ(e2e::Text(parameters_, params::kMmsPortEdit), "8080");
  ASSERT_TRUE(e2e::Type(parameters_, params::kMmsAccountEdit, "mmsuser"));
  ASSERT_TRUE(e2e::Type(parameters_, params::kMmsPasswordEdit, "mmspass"));

  // Typed by hand, the gateway is required.
  Window page = NextPage(parameters_);
  ASSERT_NE(page, nullptr);
  ASSERT_TRUE(e2e::Type(page, send::kPhone1Edit, "13800138000"));
  EXPECT_EQ(Generate(page), "Generate failed!\r\nPlease enter MMS Gateway.");
  EXPECT_FALSE(e2e::ReadFile(folder_ / "CFG.BIN").has_value());

  parameters_ = PreviousPage(page);
  ASSERT_NE(parameters_, nullptr);
  ASSERT_TRUE(e2e::Type(parameters_, params::kMmsGatewayEdit, "192.168.100.200"));
  page = NextPage(parameters_);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(Generate(page), "Generate Success!");

  const std::optional<SendSet> file = FileRecord();
  ASSERT_TRUE(file.has_value());
  EXPECT_EQ(file->bySendBy, IF_SEND_BY_APP_SET_FLG | kSendByMms);
  EXPECT_EQ(file->byOperatorCountry, 43);
  EXPECT_EQ(Field(file->sMmsSet.szUrl), "http://mms.example.net/mms");
  EXPECT_EQ(Field(file->sMmsSet.szApn), "mmsapn");
  EXPECT_EQ(Field(file->sMmsSet.szGateway), "192.168.100.200");
  EXPECT_EQ(Field(file->sMmsSet.szPort), "8080");
  EXPECT_EQ(Field(file->sMmsSet.szAccount), "mmsuser");
  EXPECT_EQ(Field(file->sMmsSet.szPassword), "mmspass");
  // Manual input starts from an empty 3G set, not China Unicom's.
  EXPECT_EQ(Field(file->sSmtpSet.sz3GSmtpApN), "");
  EXPECT_EQ(Field(file->szRecp[0]), "13800138000");
}

TEST_F(ThreeGPages, EmailRoadWritesTheSenderAndTheRecipient) {
  EXPECT_FALSE(e2e::IsEnabled(parameters_, params::kSenderServerEdit));
  ChooseSendOption(parameters_, kSendByEmail,
                   [&] { return e2e::IsEnabled(parameters_, params::kSenderServerEdit); });
  EXPECT_FALSE(e2e::IsEnabled(parameters_, params::kMmsUrlEdit));
  EXPECT_FALSE(e2e::IsEnabled(parameters_, params::kSenderAccountEdit));
  EXPECT_TRUE(e2e::IsMasked(parameters_, params::kSenderPasswordEdit));
  ASSERT_TRUE(e2e::Type(parameters_, params::kSenderServerEdit, "smtp.example.org"));
  ASSERT_TRUE(e2e::Type(parameters_, params::kSenderPortEdit, "5x87"));
  EXPECT_EQ(e2e::Text(parameters_, params::kSenderPortEdit), "587");
  ASSERT_TRUE(e2e::Type(parameters_, params::kSenderEmailEdit, "cam@example.org"));
  EXPECT_EQ(e2e::Text(parameters_, params::kSenderAccountEdit), "cam@example.org");
  ASSERT_TRUE(e2e::Type(parameters_, params::kSenderPasswordEdit, "s3cret"));

  Window page = NextPage(parameters_);
  ASSERT_NE(page, nullptr);
  EXPECT_FALSE(e2e::IsEnabled(page, send::kPhone1Edit));
  EXPECT_TRUE(e2e::IsEnabled(page, send::kEmail1Edit));
  EXPECT_TRUE(e2e::IsEnabled(page, send::kImageSizeList));
  // E-mail sending needs an e-mail recipient; a phone number is no use.
  EXPECT_EQ(Generate(page), "Generate failed!\r\nPlease enter at least one email address.");
  ASSERT_TRUE(e2e::Type(page, send::kEmail1Edit, "owner@example.org"));
  ASSERT_TRUE(e2e::Type(page, send::kEmail2Edit, "ranger@example.net"));
  const std::optional<Box> box = GenerateBox(page);
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->caption, "Notice");
  EXPECT_EQ(box->text, "Generate Success!");

  const std::optional<SendSet> file = FileRecord();
  ASSERT_TRUE(file.has_value());
  EXPECT_EQ(file->bySendBy, IF_SEND_BY_APP_SET_FLG | kSendByEmail);
  EXPECT_EQ(Field(file->sSmtpSet.szServer), "smtp.example.org");
  EXPECT_EQ(file->sSmtpSet.iPort, 587);
  EXPECT_EQ(Field(file->sSmtpSet.szAddr), "cam@example.org");
  EXPECT_EQ(Field(file->sSmtpSet.szUserName), "cam@example.org");
  EXPECT_EQ(Field(file->sSmtpSet.szPassword), "s3cret");
  // The listed operator's 3G set goes with the mail.
  EXPECT_EQ(Field(file->sSmtpSet.sz3GSmtpApN), "3gnet");
  EXPECT_EQ(file->uwRecpLen[0], 0);
  EXPECT_EQ(Field(file->szRecp[2]), "owner@example.org");
  EXPECT_EQ(file->uwRecpLen[2], 17);
  EXPECT_EQ(Field(file->szRecp[3]), "ranger@example.net");
  EXPECT_EQ(file->uwRecpLen[3], 18);
  EXPECT_EQ(file->bySendImgSize, 0);
  EXPECT_EQ(file->byRemoteSwitch, 0);
}

TEST_F(ThreeGPages, FtpRoadWritesTheServerAndItsDirectory) {
  ChooseSendOption(parameters_, kSendByFtp,
                   [&] { return e2e::IsEnabled(parameters_, params::kFtpServerEdit); });
  EXPECT_EQ(e2e::Text(parameters_, params::kFtpPortEdit), "21");
  EXPECT_EQ(e2e::Text(parameters_, params::kFtpDirTypeList), "Root");
  EXPECT_EQ(e2e::Text(parameters_, params::kFtpDirEdit), "/");
  EXPECT_FALSE(e2e::IsEnabled(parameters_, params::kFtpDirEdit));
  EXPECT_TRUE(e2e::IsMasked(parameters_, params::kFtpPasswordEdit));
  ASSERT_TRUE(e2e::Type(parameters_, params::kFtpServerEdit, "ftp.example.org"));
  ASSERT_TRUE(Retype(parameters_, params::kFtpPortEdit, "21x21"));
  EXPECT_EQ(e2e::Text(parameters_, params::kFtpPortEdit), "2121");
  ASSERT_TRUE(e2e::Type(parameters_, params::kFtpUserNameEdit, "trailcam"));
  ASSERT_TRUE(e2e::Type(parameters_, params::kFtpPasswordEdit, "pa55word"));
  ASSERT_TRUE(e2e::ChooseRow(parameters_, params::kFtpDirTypeList, 1));  // Specify
  ASSERT_TRUE(Eventually([&] { return e2e::IsEnabled(parameters_, params::kFtpDirEdit); }));
  ASSERT_TRUE(Retype(parameters_, params::kFtpDirEdit, "/traps/north"));

  Window page = NextPage(parameters_);
  ASSERT_NE(page, nullptr);
  EXPECT_FALSE(e2e::IsEnabled(page, send::kPhone1Edit));
  EXPECT_FALSE(e2e::IsEnabled(page, send::kEmail1Edit));
  ASSERT_TRUE(e2e::IsEnabled(page, send::kImageSizeList));
  ASSERT_TRUE(e2e::ChooseRow(page, send::kImageSizeList, 1));  // Thumbnail

  // There and back again: both pages keep what was chosen.
  parameters_ = PreviousPage(page);
  ASSERT_NE(parameters_, nullptr);
  EXPECT_EQ(e2e::Text(parameters_, params::kSendOptionList), "FTP");
  EXPECT_EQ(e2e::Text(parameters_, params::kFtpServerEdit), "ftp.example.org");
  EXPECT_EQ(e2e::Text(parameters_, params::kFtpPortEdit), "2121");
  EXPECT_EQ(e2e::Text(parameters_, params::kFtpUserNameEdit), "trailcam");
  EXPECT_EQ(e2e::Text(parameters_, params::kFtpPasswordEdit), "pa55word");
  EXPECT_EQ(e2e::Text(parameters_, params::kFtpDirTypeList), "Specify");
  EXPECT_EQ(e2e::Text(parameters_, params::kFtpDirEdit), "/traps/north");
  EXPECT_TRUE(e2e::IsEnabled(parameters_, params::kFtpDirEdit));
  page = NextPage(parameters_);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(e2e::SelectedRow(page, send::kImageSizeList), 1);

  EXPECT_EQ(Generate(page), "Generate Success!");
  const std::optional<SendSet> file = FileRecord();
  ASSERT_TRUE(file.has_value());
  EXPECT_EQ(file->bySendBy, IF_SEND_BY_APP_SET_FLG | kSendByFtp);
  EXPECT_EQ(Field(file->sFtpSet.szServer), "ftp.example.org");
  EXPECT_EQ(file->sFtpSet.iPort, 2121);
  EXPECT_EQ(Field(file->sFtpSet.szUserName), "trailcam");
  EXPECT_EQ(Field(file->sFtpSet.szPassword), "pa55word");
  EXPECT_EQ(file->sFtpSet.iFtpDirType, 1);
  EXPECT_EQ(Field(file->sFtpSet.szFtpDir), "/traps/north");
  EXPECT_EQ(Field(file->sSmtpSet.sz3GSmtpApN), "3gnet");
  EXPECT_EQ(file->bySendImgSize, 1);
  EXPECT_EQ(file->uwRecpLen[0] + file->uwRecpLen[2], 0);
}

TEST_F(ThreeGPages, RemoteIntervalRowsReachTheFile) {
  Window page = EmailRoad();
  ASSERT_NE(page, nullptr);
  ASSERT_TRUE(e2e::ChooseRow(page, send::kRemoteIntervalList, 1));
  ASSERT_TRUE(Eventually([&] { return e2e::IsEnabled(page, send::kRemotePhoneEdit); }));
  ASSERT_TRUE(e2e::Type(page, send::kRemotePhoneEdit, "+8613800138000"));
  ASSERT_TRUE(e2e::Type(page, send::kRemoteEmailEdit, "remote@example.org"));

  struct Case {
    int row;
    const char* text;
    int interval;
    int remoteSwitch;
  };
  const Case cases[] = {{0, "Remote Off", 25, 0}, {1, "10 Minutes", 0, 1}, {25, "24 Hours", 24, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    ASSERT_TRUE(e2e::ChooseRow(page, send::kRemoteIntervalList, c.row));
    EXPECT_EQ(e2e::Text(page, send::kRemoteIntervalList), c.text);
    // The enabling follows the row; Generate is queued behind it.
    EXPECT_TRUE(
        Eventually([&] { return e2e::IsEnabled(page, send::kRemotePhoneEdit) == (c.row != 0); }));
    EXPECT_EQ(Generate(page), "Generate Success!");
    const std::optional<SendSet> file = FileRecord();
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(file->byRemoteInterval, c.interval);
    EXPECT_EQ(file->byRemoteSwitch, c.remoteSwitch);
    EXPECT_EQ(Field(file->szRemotePhoneNum), "+8613800138000");
    EXPECT_EQ(Field(file->szRemoteEmail), "remote@example.org");
  }
}

TEST_F(ThreeGPages, RoundTripsKeepEveryTypedField) {
  // Manual MMS input: every MMS edit can be typed into.
  ASSERT_TRUE(e2e::ChooseRow(parameters_, params::kParamSourceList, 1));
  ASSERT_TRUE(Eventually([&] { return e2e::IsEnabled(parameters_, params::kMmsUrlEdit); }));
  struct Entry {
    int id;
    const char* text;
  };
  const Entry mms[] = {{params::kMmsUrlEdit, "http://mms.example.net"},
                       {params::kMmsApnEdit, "mms.apn"},
                       {params::kMmsGatewayEdit, "10.1.2.3"},
                       {params::kMmsPortEdit, "9201"},
                       {params::kMmsAccountEdit, "mmsuser"},
                       {params::kMmsPasswordEdit, "mmspass"}};
  for (const Entry& e : mms) ASSERT_TRUE(e2e::Type(parameters_, e.id, e.text));
  // Without remote control MMS needs neither the 3G set nor the sender.
  EXPECT_FALSE(e2e::IsEnabled(parameters_, params::kNetApnEdit));
  EXPECT_FALSE(e2e::IsEnabled(parameters_, params::kSenderServerEdit));

  Window page = NextPage(parameters_);
  ASSERT_NE(page, nullptr);
  const Entry recipients[] = {{send::kPhone1Edit, "13800138000"},
                              {send::kPhone2Edit, "+8613900139000"},
                              {send::kEmail1Edit, "owner@example.org"},
                              {send::kEmail2Edit, "ranger@example.net"}};
  for (const Entry& e : recipients) ASSERT_TRUE(e2e::Type(page, e.id, e.text));
  ASSERT_TRUE(Retype(page, send::kMaxSendEdit, "12"));
  ASSERT_TRUE(e2e::ChooseRow(page, send::kRemoteIntervalList, 3));  // 02 Hours
  ASSERT_TRUE(Eventually([&] { return e2e::IsEnabled(page, send::kRemotePhoneEdit); }));
  const Entry remote[] = {{send::kRemotePhoneEdit, "13700137000"},
                          {send::kRemoteEmailEdit, "remote@example.org"}};
  for (const Entry& e : remote) ASSERT_TRUE(e2e::Type(page, e.id, e.text));

  // Back on page 1 remote control is on: the 3G set and the sender open up.
  parameters_ = PreviousPage(page);
  ASSERT_NE(parameters_, nullptr);
  ASSERT_TRUE(e2e::IsEnabled(parameters_, params::kNetApnEdit));
  ASSERT_TRUE(e2e::IsEnabled(parameters_, params::kSenderServerEdit));
  const Entry mail[] = {
      {params::kNetApnEdit, "internet"},      {params::kNetAccountEdit, "netuser"},
      {params::kNetPasswordEdit, "netpass"},  {params::kSenderServerEdit, "smtp.example.org"},
      {params::kSenderPortEdit, "465"},       {params::kSenderEmailEdit, "cam@example.org"},
      {params::kSenderPasswordEdit, "s3cret"}};
  for (const Entry& e : mail) ASSERT_TRUE(e2e::Type(parameters_, e.id, e.text));

  auto expectPage2 = [&](Window shown) {
    for (const Entry& e : recipients) EXPECT_EQ(e2e::Text(shown, e.id), e.text) << e.id;
    for (const Entry& e : remote) EXPECT_EQ(e2e::Text(shown, e.id), e.text) << e.id;
    EXPECT_EQ(e2e::Text(shown, send::kMaxSendEdit), "12");
    EXPECT_EQ(e2e::Text(shown, send::kRemoteIntervalList), "02 Hours");
    EXPECT_TRUE(e2e::IsEnabled(shown, send::kRemotePhoneEdit));
  };
  auto expectPage1 = [&](Window shown) {
    for (const Entry& e : mms) EXPECT_EQ(e2e::Text(shown, e.id), e.text) << e.id;
    for (const Entry& e : mail) EXPECT_EQ(e2e::Text(shown, e.id), e.text) << e.id;
    EXPECT_EQ(e2e::Text(shown, params::kSenderAccountEdit), "cam@example.org");
    EXPECT_EQ(e2e::Text(shown, params::kParamSourceList), "Manual Input");
    EXPECT_EQ(e2e::Text(shown, params::kCountryList), "Others");
    EXPECT_FALSE(e2e::IsMasked(shown, params::kMmsUrlEdit));
    EXPECT_FALSE(e2e::IsMasked(shown, params::kNetApnEdit));
  };
  page = NextPage(parameters_);
  ASSERT_NE(page, nullptr);
  expectPage2(page);
  parameters_ = PreviousPage(page);
  ASSERT_NE(parameters_, nullptr);
  expectPage1(parameters_);
  page = NextPage(parameters_);
  ASSERT_NE(page, nullptr);
  expectPage2(page);

  EXPECT_EQ(Generate(page), "Generate Success!");
  const std::optional<SendSet> file = FileRecord();
  ASSERT_TRUE(file.has_value());
  EXPECT_EQ(file->bySendBy, IF_SEND_BY_APP_SET_FLG | kSendByMms);
  EXPECT_EQ(file->byOperatorCountry, 43);
  EXPECT_EQ(Field(file->sMmsSet.szUrl), "http://mms.example.net");
  EXPECT_EQ(Field(file->sMmsSet.szApn), "mms.apn");
  EXPECT_EQ(Field(file->sMmsSet.szGateway), "10.1.2.3");
  EXPECT_EQ(Field(file->sMmsSet.szPort), "9201");
  EXPECT_EQ(Field(file->sMmsSet.szAccount), "mmsuser");
  EXPECT_EQ(Field(file->sMmsSet.szPassword), "mmspass");
  EXPECT_EQ(Field(file->sSmtpSet.sz3GSmtpApN), "internet");
  EXPECT_EQ(Field(file->sSmtpSet.sz3GSmtpAccount), "netuser");
  EXPECT_EQ(Field(file->sSmtpSet.sz3GSmtpPassword), "netpass");
  EXPECT_EQ(Field(file->sSmtpSet.szServer), "smtp.example.org");
  EXPECT_EQ(file->sSmtpSet.iPort, 465);
  EXPECT_EQ(Field(file->sSmtpSet.szAddr), "cam@example.org");
  EXPECT_EQ(Field(file->sSmtpSet.szUserName), "cam@example.org");
  EXPECT_EQ(Field(file->sSmtpSet.szPassword), "s3cret");
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(Field(file->szRecp[i]), recipients[i].text) << i;
    EXPECT_EQ(file->uwRecpLen[i], std::strlen(recipients[i].text)) << i;
  }
  EXPECT_EQ(file->uwMaxSendImgNum, 12);
  EXPECT_EQ(file->byRemoteInterval, 2);
  EXPECT_EQ(file->byRemoteSwitch, 1);
  EXPECT_EQ(Field(file->szRemotePhoneNum), "13700137000");
  EXPECT_EQ(Field(file->szRemoteEmail), "remote@example.org");
}

TEST_F(ThreeGPages, UnwritableFileLeavesThePreviousOneIntact) {
  Window page = NextPage(parameters_);
  ASSERT_NE(page, nullptr);
  ASSERT_TRUE(e2e::Type(page, send::kPhone1Edit, "13800138000"));
  ASSERT_EQ(Generate(page), "Generate Success!");
  const std::optional<std::string> previous = e2e::ReadFile(folder_ / "CFG.BIN");
  ASSERT_TRUE(previous.has_value());

  // The image is written to CFG.BIN.tmp first; a folder there cannot be
  // opened as a file, whatever the rights.
  const std::filesystem::path blocker = folder_ / "CFG.BIN.tmp";
  ASSERT_TRUE(std::filesystem::create_directory(blocker));
  ASSERT_TRUE(Retype(page, send::kPhone1Edit, "13900139000"));
  ASSERT_TRUE(e2e::Click(page, send::kGenerate));
  EXPECT_TRUE(app_.WaitOutput("Generate fail!"));
  EXPECT_EQ(e2e::WaitMessageBox(app_.id(), page, 1500), nullptr) << "a box after a failed write";
  EXPECT_EQ(e2e::ReadFile(folder_ / "CFG.BIN"), previous);
  EXPECT_TRUE(std::filesystem::is_directory(blocker));
  EXPECT_TRUE(e2e::Exists(page));

  // Once the way is clear, the same page generates the new number.
  ASSERT_TRUE(std::filesystem::remove(blocker));
  EXPECT_EQ(Generate(page), "Generate Success!");
  const std::optional<SendSet> file = FileRecord();
  ASSERT_TRUE(file.has_value());
  EXPECT_EQ(Field(file->szRecp[0]), "13900139000");
  EXPECT_FALSE(std::filesystem::exists(blocker));
}

}  // namespace
