#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "files/menu_data.h"
#include "files/send_set.h"
#include "support/test_support.h"
#include "tests/camcfg/camcfg_test_support.h"
#include "tools/camcfg/field_values.h"
#include "tools/camcfg/fields.h"

namespace {

// Every byte of each record belongs to exactly one field; the bit groups of
// a shared byte split it without overlap. A wrong offset or size in the
// table shows up here as a gap or a double claim.
TEST(FieldTable, CoversEveryByteOnce) {
  for (RecordKind kind : {RecordKind::SendSet, RecordKind::MenuData}) {
    SCOPED_TRACE(std::string(RecordFileName(kind)));
    std::vector<int> claims(RecordSize(kind), 0);
    std::vector<unsigned> bits(RecordSize(kind), 0);
    const FieldDesc* clockZone = FieldNamed(kind, "ClockZone");
    for (const FieldDesc& field : FieldTable(kind)) {
      ASSERT_LE(ElementOffset(field, field.count - 1) + field.size, RecordSize(kind)) << field.name;
      if (field.kind == FieldKind::Bits) {
        EXPECT_EQ(field.size, 1u) << field.name;
        EXPECT_EQ(bits[field.offset] & field.mask, 0u) << field.name << " overlaps";
        bits[field.offset] |= field.mask;
        continue;
      }
      for (int i = 0; i < field.count; ++i)
        for (std::size_t b = 0; b < field.size; ++b) ++claims[ElementOffset(field, i) + b];
    }
    for (std::size_t offset = 0; offset < claims.size(); ++offset) {
      // A byte is described either whole or by bit groups that fill it; the
      // menu's ClockZone is both, its bits being derived views.
      const bool whole =
          claims[offset] == 1 &&
          (bits[offset] == 0 || (clockZone != nullptr && offset == clockZone->offset));
      const bool byBits = claims[offset] == 0 && bits[offset] == 0xFF;
      EXPECT_TRUE(whole || byBits)
          << "byte " << offset << " claimed " << claims[offset] << " times, bits " << bits[offset];
    }
  }
}

TEST(FieldTable, NamesAreUnique) {
  for (RecordKind kind : {RecordKind::SendSet, RecordKind::MenuData}) {
    const auto table = FieldTable(kind);
    for (std::size_t i = 0; i < table.size(); ++i)
      for (std::size_t j = i + 1; j < table.size(); ++j) EXPECT_NE(table[i].name, table[j].name);
  }
}

TEST(FieldTable, FindsDottedAndIndexedNames) {
  struct Case {
    RecordKind kind;
    const char* name;
    std::size_t offset;  // of the entry; SIZE_MAX: not found
  };
  constexpr std::size_t kNone = SIZE_MAX;
  const Case cases[] = {
      {RecordKind::SendSet, "bySendBy", 0},
      {RecordKind::SendSet, "sSmtpSet.iPort", 24},
      {RecordKind::SendSet, "sSmtpSet.szPassword", 314},
      {RecordKind::SendSet, "sFtpSet.iPort", 1224},
      {RecordKind::SendSet, "szRecp[0]", 570},
      {RecordKind::SendSet, "szRecp[2]", 570 + 2 * 49},
      {RecordKind::SendSet, "szFileFullName[3]", 766 + 3 * 33},
      {RecordKind::SendSet, "uwRecpLen[1]", 564},
      {RecordKind::SendSet, "DebugUrl", 1258},
      {RecordKind::SendSet, "reserved.byReserved1243", 1243},
      {RecordKind::MenuData, "Year", 14},
      {RecordKind::MenuData, "SerialChars[3]", 35},
      {RecordKind::MenuData, "Flag", 42},
      // Not found: arrays need an index in range, scalars take none, and
      // a sub-record or a name of the other record is no field.
      {RecordKind::SendSet, "szRecp", kNone},
      {RecordKind::SendSet, "szRecp[4]", kNone},
      {RecordKind::SendSet, "szRecp[-1]", kNone},
      {RecordKind::SendSet, "szRecp[]", kNone},
      {RecordKind::SendSet, "szRecp[1]x", kNone},
      {RecordKind::SendSet, "bySendBy[0]", kNone},
      {RecordKind::SendSet, "sSmtpSet", kNone},
      {RecordKind::SendSet, "smtp.iPort", kNone},
      {RecordKind::SendSet, "CapMode", kNone},
      {RecordKind::MenuData, "bySendBy", kNone},
      {RecordKind::SendSet, "", kNone},
  };
  for (const Case& c : cases) {
    const FieldRef ref = FindField(c.kind, c.name);
    if (c.offset == kNone) {
      EXPECT_EQ(ref.field, nullptr) << c.name;
    } else {
      ASSERT_NE(ref.field, nullptr) << c.name;
      EXPECT_EQ(ElementOffset(*ref.field, ref.index), c.offset) << c.name;
    }
  }
}

std::vector<std::uint8_t> FreshImage() { return PlainBytes(FreshSendSet()); }
std::vector<std::uint8_t> FactoryImage() { return PlainBytes(FactoryMenuData()); }

// One assignment of every field kind; each case checks the bytes it meant
// to change and that nothing else moved.
TEST(Assignment, WritesEveryFieldKind) {
  struct Case {
    RecordKind kind;
    const char* text;
    std::vector<std::size_t> changed;  // byte offsets allowed to change
    std::function<void(const std::vector<std::uint8_t>&)> check;
  };
  const Case cases[] = {
      {RecordKind::SendSet,
       "bySendImgSize=1",
       {2},
       [](const auto& img) { EXPECT_EQ(AsSendSet(img).bySendImgSize, 1); }},
      {RecordKind::SendSet,
       "byOperatorCountry=0x2B",
       {5},
       [](const auto& img) { EXPECT_EQ(AsSendSet(img).byOperatorCountry, 43); }},
      {RecordKind::SendSet,
       "uwMaxSendImgNum=65535",
       {10, 11},
       [](const auto& img) { EXPECT_EQ(AsSendSet(img).uwMaxSendImgNum, 65535); }},
      {RecordKind::SendSet,
       "sSmtpSet.iPort=-1",
       {24, 25, 26, 27},
       [](const auto& img) { EXPECT_EQ(AsSendSet(img).sSmtpSet.iPort, -1); }},
      {RecordKind::SendSet,
       "sFtpSet.iPort=2147483647",
       {1224, 1225, 1226, 1227},
       [](const auto& img) { EXPECT_EQ(AsSendSet(img).sFtpSet.iPort, 2147483647); }},
      {RecordKind::SendSet, "bySendBy=127", {0}, [](const auto& img) { EXPECT_EQ(img[0], 0x7F); }},
      {RecordKind::SendSet,
       "IF_SEND_BY_APP_SET_FLG=1",
       {0},
       [](const auto& img) { EXPECT_EQ(img[0], 0x81) << "the send option bits stay"; }},
      {RecordKind::SendSet,
       "szRecp[2]=me@example.com",
       {562 + 4, 562 + 5},
       [](const auto& img) {
         const SendSet r = AsSendSet(img);
         EXPECT_STREQ(r.szRecp[2], "me@example.com");
         EXPECT_EQ(r.uwRecpLen[2], 14) << "the length follows the recipient";
       }},
      {RecordKind::SendSet,
       "sMmsSet.szUrl=http://a=b",
       {},
       [](const auto& img) { EXPECT_STREQ(AsSendSet(img).sMmsSet.szUrl, "http://a=b"); }},
      {RecordKind::SendSet,
       "sFtpSet.szFtpDir=",
       {},
       [](const auto& img) { EXPECT_STREQ(AsSendSet(img).sFtpSet.szFtpDir, ""); }},
      {RecordKind::SendSet,
       "reserved.byReserved1243=00112233445566778899aabbCC",
       {1243, 1244, 1245, 1246, 1247, 1248, 1249, 1250, 1251, 1252, 1253, 1254, 1255},
       [](const auto& img) {
         EXPECT_EQ(img[1243], 0x00);
         EXPECT_EQ(img[1252], 0x99);
         EXPECT_EQ(img[1255], 0xCC);
       }},
      {RecordKind::MenuData,
       "SerialChars[3]=35",
       {35},
       [](const auto& img) { EXPECT_EQ(AsMenuData(img).SerialChars[3], 35); }},
      {RecordKind::MenuData,
       "Year=2099",
       {14, 15},
       [](const auto& img) { EXPECT_EQ(AsMenuData(img).Year, 2099); }},
      {RecordKind::MenuData,
       "ClockZone=0xD1",
       {13},
       [](const auto& img) { EXPECT_EQ(AsMenuData(img).ClockZone, 0xD1); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    std::vector<std::uint8_t> image = c.kind == RecordKind::SendSet ? FreshImage() : FactoryImage();
    const std::vector<std::uint8_t> before = image;
    const Outcome outcome = ApplyAssignment(c.kind, image, c.text);
    ASSERT_TRUE(outcome.ok()) << outcome.error;
    c.check(image);
    const FieldRef ref =
        FindField(c.kind, std::string(c.text).substr(0, std::string(c.text).find('=')));
    for (std::size_t offset = 0; offset < image.size(); ++offset) {
      bool allowed = false;
      for (std::size_t o : c.changed) allowed = allowed || o == offset;
      if (ref.field->kind == FieldKind::Text) {
        const std::size_t start = ElementOffset(*ref.field, ref.index);
        allowed = allowed || (offset >= start && offset < start + ref.field->size);
      }
      if (!allowed) {
        EXPECT_EQ(image[offset], before[offset]) << "byte " << offset;
      }
    }
  }
}

TEST(Assignment, BitGroupsKeepTheirNeighbours) {
  std::vector<std::uint8_t> image = FactoryImage();
  image[13] = PackClockZone(20, kClockAuto);  // 0xD0
  ASSERT_TRUE(ApplyAssignment(RecordKind::MenuData, image, "ClockMode=2").ok());
  EXPECT_EQ(image[13], 0xD2);
  ASSERT_TRUE(ApplyAssignment(RecordKind::MenuData, image, "TimeZoneRow=0").ok());
  EXPECT_EQ(image[13], 0x82);
  ASSERT_TRUE(ApplyAssignment(RecordKind::MenuData, image, "ZonePresent=0").ok());
  EXPECT_EQ(image[13], 0x02);
}

TEST(Assignment, RefusesBadInputAndLeavesTheRecord) {
  struct Case {
    RecordKind kind;
    const char* text;
    const char* message;  // a piece the message must contain
  };
  const Case cases[] = {
      {RecordKind::SendSet, "noSuchField=1", "unknown field \"noSuchField\""},
      {RecordKind::SendSet, "CapMode=1", "unknown field"},
      {RecordKind::MenuData, "bySendBy=1", "unknown field"},
      {RecordKind::SendSet, "szRecp[4]=x", "unknown field"},
      {RecordKind::SendSet, "szRecp=x", "szRecp[0] to szRecp[3]"},
      {RecordKind::SendSet, "bySendImgSize=300", "300 is out of range (0..255)"},
      {RecordKind::SendSet, "bySendImgSize=-1", "out of range"},
      {RecordKind::SendSet, "bySendBy=128", "out of range (0..127)"},
      {RecordKind::SendSet, "IF_SEND_BY_APP_SET_FLG=2", "out of range (0..1)"},
      {RecordKind::SendSet, "uwMaxSendImgNum=65536", "out of range"},
      {RecordKind::SendSet, "sSmtpSet.iPort=2147483648", "out of range"},
      {RecordKind::SendSet, "sSmtpSet.iPort=99999999999999999999999", "out of range"},
      {RecordKind::SendSet, "sSmtpSet.iPort=abc", "\"abc\" is not a number"},
      {RecordKind::SendSet, "sSmtpSet.iPort=", "is not a number"},
      {RecordKind::SendSet, "sSmtpSet.iPort=12 ", "is not a number"},
      {RecordKind::SendSet, "sSmtpSet.iPort=+5", "is not a number"},
      {RecordKind::SendSet, "sSmtpSet.iPort=--5", "is not a number"},
      {RecordKind::SendSet, "sSmtpSet.iPort=0x", "is not a number"},
      {RecordKind::SendSet, "sSmtpSet.iPort=1.5", "is not a number"},
      {RecordKind::MenuData, "TimeZoneRow=32", "out of range (0..31)"},
      {RecordKind::SendSet, "szRemotePhoneNum=1234567890123456", "holds at most 15 bytes"},
      {RecordKind::SendSet, "reserved.byPad9=0", "two digits per byte"},
      {RecordKind::SendSet, "reserved.byPad9=zz", "not a hex string"},
      {RecordKind::SendSet, "reserved.byPad21=00", "expected 3 bytes"},
      {RecordKind::SendSet, "bySendBy", "not of the form NAME=VALUE"},
      {RecordKind::SendSet, "=1", "no field name"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    std::vector<std::uint8_t> image = c.kind == RecordKind::SendSet ? FreshImage() : FactoryImage();
    const std::vector<std::uint8_t> before = image;
    const Outcome outcome = ApplyAssignment(c.kind, image, c.text);
    EXPECT_FALSE(outcome.ok());
    EXPECT_NE(outcome.error.find(c.message), std::string::npos) << outcome.error;
    EXPECT_EQ(outcome.error.find('\n'), std::string::npos) << "one line";
    EXPECT_EQ(image, before);
  }
}

TEST(Assignment, TextUpToItsCapacity) {
  std::vector<std::uint8_t> image = FreshImage();
  const std::string full(48, 'a');
  EXPECT_TRUE(ApplyAssignment(RecordKind::SendSet, image, "szRecp[3]=" + full).ok());
  EXPECT_EQ(AsSendSet(image).uwRecpLen[3], 48);
  EXPECT_EQ(std::string(AsSendSet(image).szRecp[3]), full);

  const Outcome tooLong = ApplyAssignment(RecordKind::SendSet, image, "szRecp[3]=" + full + "b");
  EXPECT_NE(tooLong.error.find("49 bytes long; the field holds at most 48 bytes"),
            std::string::npos)
      << tooLong.error;
  // Multi-byte characters count as their bytes: 16 three-byte characters
  // are 48 bytes, 17 are too many.
  std::string wide;
  for (int i = 0; i < 16; ++i) wide += "\xE4\xBE\x8B";
  EXPECT_TRUE(ApplyAssignment(RecordKind::SendSet, image, "szRecp[0]=" + wide).ok());
  EXPECT_FALSE(
      ApplyAssignment(RecordKind::SendSet, image, "szRecp[0]=" + wide + "\xE4\xBE\x8B").ok());
}

TEST(Assignment, ShortTextKeepsTheOldTailAfterItsTerminator) {
  std::vector<std::uint8_t> image = FreshImage();
  ASSERT_TRUE(ApplyAssignment(RecordKind::SendSet, image, "sMmsSet.szApn=abcdefgh").ok());
  ASSERT_TRUE(ApplyAssignment(RecordKind::SendSet, image, "sMmsSet.szApn=xy").ok());
  const SendSet r = AsSendSet(image);
  EXPECT_STREQ(r.sMmsSet.szApn, "xy");
  EXPECT_EQ(std::string(r.sMmsSet.szApn + 3, 5), "defgh");
}

TEST(Assignment, ShortImageIsRefused) {
  std::vector<std::uint8_t> image(10, 0);
  EXPECT_FALSE(ApplyAssignment(RecordKind::SendSet, image, "DebugUrl=x").ok());
  EXPECT_EQ(image, std::vector<std::uint8_t>(10, 0));
}

TEST(QuotedText, EscapesWhatATerminalWouldMangle) {
  EXPECT_EQ(QuotedText("a\"b\\c"), "\"a\\\"b\\\\c\"");
  EXPECT_EQ(QuotedText("\r\n\t\x01"), "\"\\r\\n\\t\\x01\"");
  EXPECT_EQ(QuotedText("\xE4\xBE\x8B"), "\"\xE4\xBE\x8B\"") << "UTF-8 stays readable";
  EXPECT_EQ(QuotedText("\xA1\xA3"), "\"\\xa1\\xa3\"") << "GBK bytes are not UTF-8";
  EXPECT_EQ(QuotedText("\xED\xA0\x80"), "\"\\xed\\xa0\\x80\"") << "no surrogates";
  EXPECT_EQ(QuotedText("\xC0\xAF"), "\"\\xc0\\xaf\"") << "no overlong forms";
}

}  // namespace
