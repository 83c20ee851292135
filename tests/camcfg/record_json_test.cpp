#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "files/menu_data.h"
#include "files/send_set.h"
#include "files/text_field.h"
#include "support/test_support.h"
#include "tests/camcfg/camcfg_test_support.h"
#include "tools/camcfg/record_json.h"

namespace {

TEST(RecordJson, SendSetShape) {
  const Json j = RecordToJson(RecordKind::SendSet, PlainBytes(BusySendSet()));
  EXPECT_EQ(j["bySendBy"], 3);
  EXPECT_EQ(j["IF_SEND_BY_APP_SET_FLG"], 1);
  EXPECT_EQ(j["uwStructFlag"], 0x1005);
  EXPECT_EQ(j["sSmtpSet"]["iPort"], -465);
  EXPECT_EQ(j["sSmtpSet"]["szPassword"], "p\"w\\d");
  EXPECT_EQ(j["sMmsSet"]["szGateway"], "010.000.000.172");
  EXPECT_EQ(j["sFtpSet"]["iFtpDirType"], 1);
  EXPECT_EQ(j["sTime"]["bySecond"], 30);
  EXPECT_EQ(j["sLongitude"]["byDegree"], 179);
  EXPECT_EQ(j["sLatitude"]["bySecond"], 2);
  ASSERT_TRUE(j["szRecp"].is_array());
  ASSERT_EQ(j["szRecp"].size(), 4u);
  EXPECT_EQ(j["szRecp"][2], "\xE4\xBE\x8B@example.com");
  EXPECT_EQ(j["uwRecpLen"], Json::array({14, 0, 3, 0}));
  EXPECT_EQ(j["szFileFullName"][1], "DCIM\\100IMA3G\\IMAG0001.JPG");
  EXPECT_EQ(j["szCloudMail"], Json::object({{"hex", "c4e3bac3"}}));
  EXPECT_EQ(j["reserved"]["byPad9"], "a5");
  EXPECT_EQ(j["reserved"]["byPad21"], "00007e");
  EXPECT_EQ(j["reserved"]["byPad347"], "ff");
  EXPECT_EQ(j["reserved"]["byReserved1243"], "00000000000000000000000034");
  EXPECT_EQ(j["reserved"]["byPad1319"], "56");
  EXPECT_EQ(j.size(), 31u) << "top-level keys, reserved last: " << j.dump();
  EXPECT_EQ(j.items().begin().key(), "bySendBy");
  EXPECT_EQ((--j.end()).key(), "reserved");
}

TEST(RecordJson, MenuDataShape) {
  MenuData m = FactoryMenuData();
  m.ClockZone = PackClockZone(20, kClockInput);  // 0xD1
  m.Year = 2024;
  m.SerialChars[0] = 35;
  m.SerialChars[3] = 10;
  const Json j = RecordToJson(RecordKind::MenuData, PlainBytes(m));
  EXPECT_EQ(j["ClockZone"], 0xD1);
  EXPECT_EQ(j["ClockMode"], 1);
  EXPECT_EQ(j["TimeZoneRow"], 20);
  EXPECT_EQ(j["ZonePresent"], 1);
  EXPECT_EQ(j["Year"], 2024);
  EXPECT_EQ(j["SerialChars"], Json::array({35, 0, 0, 10}));
  EXPECT_EQ(j["Reserved1"], 0x8F);
  EXPECT_EQ(j["Flag"], 0x8081);
  EXPECT_FALSE(j.contains("reserved")) << "the menu record has no padding";
}

// JSON written from a record and read into a blank one gives every byte back.
TEST(RecordJson, RoundTripKeepsEveryByte) {
  struct Case {
    RecordKind kind;
    std::vector<std::uint8_t> image;
  };
  MenuData m = FactoryMenuData();
  m.ClockZone = 0x7F;  // row bits without the present bit
  m.Year = 65535;
  m.Reserved2 = 0xEE;
  m.Flag = 0;
  const Case cases[] = {{RecordKind::SendSet, PlainBytes(BusySendSet())},
                        {RecordKind::MenuData, PlainBytes(m)}};
  for (const Case& c : cases) {
    const std::string text = DumpJson(RecordToJson(c.kind, c.image));
    std::vector<std::uint8_t> blank(c.image.size(), 0);
    const Outcome applied = ApplyJson(c.kind, blank, text);
    ASSERT_TRUE(applied.ok()) << applied.error;
    EXPECT_EQ(blank, c.image) << text;
  }
}

TEST(RecordJson, KeysLeftOutKeepTheirValues) {
  std::vector<std::uint8_t> image = PlainBytes(BusySendSet());
  const std::vector<std::uint8_t> before = image;
  ASSERT_TRUE(
      ApplyJson(RecordKind::SendSet, image, R"({"sSmtpSet": {"iPort": 25}, "byOperator": 0})")
          .ok());
  const SendSet r = AsSendSet(image);
  EXPECT_EQ(r.sSmtpSet.iPort, 25);
  EXPECT_EQ(r.byOperator, 0);
  SendSet expected = BusySendSet();
  expected.sSmtpSet.iPort = 25;
  expected.byOperator = 0;
  EXPECT_EQ(image, PlainBytes(expected));
}

TEST(RecordJson, RecipientsSetTheirLengthsUnlessLengthsAreGiven) {
  std::vector<std::uint8_t> image = PlainBytes(FreshSendSet());
  ASSERT_TRUE(
      ApplyJson(RecordKind::SendSet, image, R"({"szRecp": ["123", "", "me@example.com", ""]})")
          .ok());
  EXPECT_EQ(AsSendSet(image).uwRecpLen[0], 3);
  EXPECT_EQ(AsSendSet(image).uwRecpLen[2], 14);

  // Given lengths win whatever the key order.
  ASSERT_TRUE(ApplyJson(RecordKind::SendSet, image,
                        R"({"szRecp": ["1", "", "a@b.c", ""], "uwRecpLen": [9, 8, 7, 6]})")
                  .ok());
  EXPECT_EQ(AsSendSet(image).uwRecpLen[0], 9);
  EXPECT_EQ(AsSendSet(image).uwRecpLen[3], 6);
  ASSERT_TRUE(ApplyJson(RecordKind::SendSet, image,
                        R"({"uwRecpLen": [1, 2, 3, 4], "szRecp": ["1", "", "a@b.c", ""]})")
                  .ok());
  EXPECT_EQ(AsSendSet(image).uwRecpLen[0], 1);
}

TEST(RecordJson, DerivedClockKeysApplyOnTopOfClockZone) {
  std::vector<std::uint8_t> image = PlainBytes(FactoryMenuData());
  // Whatever the key order, ClockZone comes first and its bit views after.
  ASSERT_TRUE(ApplyJson(RecordKind::MenuData, image, R"({"ClockMode": 2, "ClockZone": 208})").ok());
  EXPECT_EQ(image[13], 0xD2);
  ASSERT_TRUE(ApplyJson(RecordKind::MenuData, image, R"({"TimeZoneRow": 12})").ok());
  EXPECT_EQ(image[13], 0xB2);
}

TEST(RecordJson, DottedKeysWorkLikeNestedOnes) {
  std::vector<std::uint8_t> image = PlainBytes(FreshSendSet());
  ASSERT_TRUE(ApplyJson(RecordKind::SendSet, image, R"({"sSmtpSet.iPort": 587})").ok());
  EXPECT_EQ(AsSendSet(image).sSmtpSet.iPort, 587);
}

TEST(RecordJson, BadInputIsRefusedAndLeavesTheRecord) {
  struct Case {
    RecordKind kind;
    const char* json;
    const char* message;
  };
  const Case cases[] = {
      {RecordKind::SendSet, "", "malformed JSON"},
      {RecordKind::SendSet, "{", "malformed JSON"},
      {RecordKind::SendSet, "{\"bySendBy\": 1,}", "malformed JSON"},
      {RecordKind::SendSet, "{\"bySendBy\": 1} x", "malformed JSON"},
      {RecordKind::SendSet, "{\"bySendBy\": 1\n,\n\"x\" 2}", "line 3"},
      {RecordKind::SendSet, "{\"szRecp\": [\"\xC4\xE3\"]}", "malformed JSON"},
      {RecordKind::SendSet, "[1, 2]", "expected an object of fields, got array"},
      {RecordKind::SendSet, "7", "expected an object"},
      {RecordKind::SendSet, R"({"nope": 1})", "unknown field \"nope\""},
      {RecordKind::SendSet, R"({"sSmtpSet": {"iPort": 25, "nope": 1}})",
       "unknown field \"sSmtpSet.nope\""},
      {RecordKind::SendSet, R"({"CapMode": 1})", "unknown field"},
      {RecordKind::MenuData, R"({"bySendBy": 1})", "unknown field"},
      {RecordKind::SendSet, R"({"sSmtpSet": 25})", "sSmtpSet: expected an object, got number"},
      {RecordKind::SendSet, R"({"reserved": "00"})", "expected an object"},
      {RecordKind::SendSet, R"({"bySendBy": "2"})", "bySendBy: expected an integer, got string"},
      {RecordKind::SendSet, R"({"bySendBy": 2.0})", "expected an integer"},
      {RecordKind::SendSet, R"({"bySendBy": true})", "expected an integer, got boolean"},
      {RecordKind::SendSet, R"({"bySendBy": null})", "expected an integer, got null"},
      {RecordKind::SendSet, R"({"bySendImgSize": 300})", "300 is out of range (0..255)"},
      {RecordKind::SendSet, R"({"bySendImgSize": -1})", "out of range"},
      {RecordKind::SendSet, R"({"sFtpSet": {"iPort": 18446744073709551615}})", "out of range"},
      {RecordKind::SendSet, R"({"sFtpSet": {"iPort": 1e3}})", "expected an integer"},
      {RecordKind::SendSet, R"({"szRemoteEmail": 5})", "szRemoteEmail: expected a string"},
      {RecordKind::SendSet, R"({"szRemotePhoneNum": "1234567890123456"})",
       "holds at most 15 bytes"},
      {RecordKind::SendSet, R"({"szRemotePhoneNum": "12\u00003"})", "zero byte"},
      {RecordKind::SendSet, R"({"szCloudMail": {"hex": "zz"}})", "not a hex string"},
      {RecordKind::SendSet, R"({"szCloudMail": {"hex": "00", "x": 1}})", "expected a string"},
      {RecordKind::SendSet, R"({"szRecp": ["a", "b", "c"]})",
       "szRecp: expected an array of 4 entries, got 3 entries"},
      {RecordKind::SendSet, R"({"szRecp": "a"})", "expected an array of 4 entries, got string"},
      {RecordKind::SendSet, R"({"szRecp": ["", "", "", 4]})", "szRecp[3]: expected a string"},
      {RecordKind::SendSet, R"({"uwRecpLen": [0, 0, 0, 70000]})", "uwRecpLen[3]: 70000"},
      {RecordKind::SendSet, R"({"reserved": {"byPad21": "0000"}})", "expected 3 bytes"},
      {RecordKind::SendSet, R"({"reserved": {"byPad21": 0}})", "expected a hex string"},
      {RecordKind::MenuData, R"({"ClockMode": 4})", "out of range (0..3)"},
      {RecordKind::MenuData, R"({"SerialChars": [1, 2, 3, 4, 5]})", "got 5 entries"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.json);
    // Valid fields before the bad one must not stick either.
    std::vector<std::uint8_t> image =
        c.kind == RecordKind::SendSet ? PlainBytes(FreshSendSet()) : PlainBytes(FactoryMenuData());
    const std::vector<std::uint8_t> before = image;
    const Outcome outcome = ApplyJson(c.kind, image, c.json);
    EXPECT_FALSE(outcome.ok());
    EXPECT_NE(outcome.error.find(c.message), std::string::npos) << outcome.error;
    EXPECT_EQ(outcome.error.find('\n'), std::string::npos) << "one line: " << outcome.error;
    EXPECT_EQ(image, before);
  }
}

TEST(RecordJson, EarlierGoodFieldsDoNotStickWhenALaterOneFails) {
  std::vector<std::uint8_t> image = PlainBytes(FreshSendSet());
  const std::vector<std::uint8_t> before = image;
  EXPECT_FALSE(ApplyJson(RecordKind::SendSet, image, R"({"bySendBy": 2, "DebugUrl": 1})").ok());
  EXPECT_EQ(image, before);
}

}  // namespace
