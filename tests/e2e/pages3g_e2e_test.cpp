// camsetup.exe through the two 3G pages: a first run without CFG.BIN that
// generates one, a refused Generate, and Close 3G.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
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

// The file's bytes back to the record: the inverse of the stored-byte rule.
std::optional<SendSet> DecodeSendSet(const std::string& bytes) {
  if (bytes.size() != sizeof(SendSet)) return std::nullopt;
  std::string plain = bytes;
  for (char& c : plain) {
    const auto stored = static_cast<std::uint8_t>(c);
    const auto rotated = static_cast<std::uint8_t>((stored << 2) | (stored >> 6));
    c = static_cast<char>(rotated ^ 0xD4);
  }
  SendSet record;
  std::memcpy(&record, plain.data(), sizeof record);
  return record;
}

std::string Field(const auto& field) { return std::string(FieldText(field)); }

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

  // Presses Generate and returns the text of the box it shows, after OK.
  std::optional<std::string> Generate(Window page) {
    if (!e2e::Click(page, send::kGenerate)) return std::nullopt;
    Window box = e2e::WaitMessageBox(app_.id(), page);
    if (box == nullptr) return std::nullopt;
    std::string text = e2e::MessageText(box);
    EXPECT_TRUE(e2e::PressOk(box));
    EXPECT_TRUE(e2e::WaitGone(box));
    return text;
  }

  std::optional<SendSet> FileRecord() const {
    const std::optional<std::string> bytes = e2e::ReadFile(folder_ / "CFG.BIN");
    if (!bytes) return std::nullopt;
    return DecodeSendSet(*bytes);
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

}  // namespace
