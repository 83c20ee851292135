#include "data/input_checks.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "files/text_field.h"
#include "support/test_support.h"

namespace {

constexpr std::optional<std::size_t> kNoCaret = std::nullopt;

// ---------------------------------------------------------------- filter

struct FilterCase {
  std::string text;
  std::string_view allowed;
  std::string expected;
  std::optional<std::size_t> caret;
};

TEST(FilterInputChars, RemovesBytesOutsideTheSetAndMarksTheFirst) {
  const FilterCase cases[] = {
      {"12a3+4", kDigitChars, "1234", 2},
      {"1 2+3", kPhoneChars, "12+3", 1},
      {"+8613800138000", kPhoneChars, "+8613800138000", kNoCaret},
      {"0123456789", kDigitChars, "0123456789", kNoCaret},
      {"", kPhoneChars, "", kNoCaret},
      {"abc", kDigitChars, "", 0},
      {"12x", kDigitChars, "12", 2},
      // A multi-byte character goes byte by byte; the caret is where it began.
      {"1\xE4\xB8\xAD"
       "2",
       kDigitChars, "12", 1},
      // A NUL inside the text is a byte like any other.
      {std::string("4\0"
                   "5",
                   3),
       kDigitChars, "45", 1},
  };
  for (const FilterCase& c : cases) {
    SCOPED_TRACE("text \"" + c.text + "\"");
    const FilterResult result = FilterInputChars(c.text, c.allowed);
    EXPECT_EQ(result.text, c.expected);
    EXPECT_EQ(result.caret, c.caret);
    // The replaced text is a change too: filtering it again removes nothing.
    const FilterResult again = FilterInputChars(result.text, c.allowed);
    EXPECT_EQ(again.text, result.text);
    EXPECT_EQ(again.caret, kNoCaret);
  }
}

// ---------------------------------------------------------------- clamp

struct ClampCase {
  std::string text;
  std::uint16_t minimum;
  std::uint16_t maximum;
  std::string expected;
  bool high;
  std::optional<std::size_t> caret;
  bool traced;  // "Input value error!"
};

TEST(ClampNumericInput, ClampsToTheBoundsAndKeepsInRangeTextAsTyped) {
  const ClampCase cases[] = {
      {"", 0, 59, "0", false, kNoCaret, false},
      {"", 2016, 2099, "2016", false, kNoCaret, false},
      {"75", 0, 59, "59", true, kNoCaret, true},
      {"5x", 0, 59, "5", false, 1, false},
      {"abc", 0, 59, "0", false, 0, false},
      {"ab", 1, 31, "1", false, 0, false},
      {"007", 0, 180, "007", false, kNoCaret, false},
      {"0", 1, 31, "1", false, kNoCaret, true},
      {"59", 0, 59, "59", false, kNoCaret, false},
      {"60", 0, 59, "59", true, kNoCaret, true},
      {"2015", 2016, 2099, "2016", false, kNoCaret, true},
      {"1a00", 0, 59, "59", true, 1, true},
      {"65535", 0, 65535, "65535", false, kNoCaret, false},
      // Above the 16-bit range: must not wrap round to a small value.
      {"65536", 0, 65535, "65535", true, kNoCaret, true},
      {"65541", 0, 59, "59", true, kNoCaret, true},
      {"4294967301", 0, 59, "59", true, kNoCaret, true},
      {"99999999999999999999999999", 0, 180, "180", true, kNoCaret, true},
      {"00000000000000000000000005", 0, 59, "00000000000000000000000005", false, kNoCaret, false},
  };
  for (const ClampCase& c : cases) {
    SCOPED_TRACE("text \"" + c.text + "\" to " + std::to_string(c.minimum) + ".." +
                 std::to_string(c.maximum));
    TraceCapture trace;
    const ClampResult result = ClampNumericInput(c.text, c.minimum, c.maximum);
    EXPECT_EQ(result.text, c.expected);
    EXPECT_EQ(result.outOfRangeHigh, c.high);
    EXPECT_EQ(result.caret, c.caret);
    if (c.traced) {
      EXPECT_EQ(trace.text(), "Input value error!\n");
    } else {
      EXPECT_EQ(trace.text(), "");
    }
  }
}

// ---------------------------------------------------------------- coordinates

TEST(CoordinateBounds, DegreeMaximumDropsWhenMinuteOrSecondIsSet) {
  struct Case {
    int minute, second;
    std::uint16_t longitude, latitude;
  };
  const Case cases[] = {
      {0, 0, 180, 90},
      {30, 0, 179, 89},
      {0, 1, 179, 89},
      {59, 59, 179, 89},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.minute) + "'" + std::to_string(c.second));
    TraceCapture trace;
    EXPECT_EQ(LongitudeDegreeMax(c.minute, c.second), c.longitude);
    EXPECT_EQ(LatitudeDegreeMax(c.minute, c.second), c.latitude);
    const std::string line =
        "iMin = " + std::to_string(c.minute) + ", uwMaxVal = " + std::to_string(c.second);
    EXPECT_EQ(trace.lines(), (std::vector<std::string>{line, line}));
  }
}

TEST(CoordinateBounds, MinuteAndSecondAreZeroOnlyAtTheTopDegree) {
  EXPECT_EQ(MinuteSecondMax(Coordinate::Longitude, 0), 59);
  EXPECT_EQ(MinuteSecondMax(Coordinate::Longitude, 179), 59);
  EXPECT_EQ(MinuteSecondMax(Coordinate::Longitude, 180), 0);
  EXPECT_EQ(MinuteSecondMax(Coordinate::Latitude, 89), 59);
  EXPECT_EQ(MinuteSecondMax(Coordinate::Latitude, 90), 0);
  // Latitude's top is not longitude's.
  EXPECT_EQ(MinuteSecondMax(Coordinate::Latitude, 179), 0);
  EXPECT_EQ(MinuteSecondMax(Coordinate::Longitude, 90), 59);
}

TEST(CoordinateBounds, WithTheClampATopDegreeAndMinutesNeverHoldTogether) {
  TraceCapture trace;
  // Longitude 180 with 0'0" stands.
  ClampResult degree = ClampNumericInput("180", 0, LongitudeDegreeMax(0, 0));
  EXPECT_EQ(degree.text, "180");
  EXPECT_FALSE(degree.outOfRangeHigh);
  // At 180 a minute of 1 is clamped to 0 with the warning flag.
  ClampResult minute = ClampNumericInput("1", 0, MinuteSecondMax(Coordinate::Longitude, 180));
  EXPECT_EQ(minute.text, "0");
  EXPECT_TRUE(minute.outOfRangeHigh);
  // With minute 30 a degree of 180 becomes 179.
  degree = ClampNumericInput("180", 0, LongitudeDegreeMax(30, 0));
  EXPECT_EQ(degree.text, "179");
  EXPECT_TRUE(degree.outOfRangeHigh);
  // Latitude the same with 90 and 89.
  degree = ClampNumericInput("90", 0, LatitudeDegreeMax(0, 15));
  EXPECT_EQ(degree.text, "89");
  EXPECT_TRUE(degree.outOfRangeHigh);
  ClampResult second = ClampNumericInput("15", 0, MinuteSecondMax(Coordinate::Latitude, 90));
  EXPECT_EQ(second.text, "0");
  EXPECT_TRUE(second.outOfRangeHigh);
}

// ---------------------------------------------------------------- e-mail, remote

TEST(IsPlausibleEmail, NeedsAnAtSignWithAFullStopAfterIt) {
  const std::pair<std::string, bool> cases[] = {
      {"user@example.com", true},
      {"@.", true},
      {"a@b@c.d", true},
      {"a.b@c", false},
      {"", false},
      {"user.example.com", false},
      {"user@example", false},
      {"@", false},
      {".@", false},
      {"a@b.", true},
      {"\xE4\xB8\xAD@x.y", true},
  };
  for (const auto& [text, plausible] : cases) {
    EXPECT_EQ(IsPlausibleEmail(text), plausible) << "\"" << text << "\"";
  }
}

TEST(RemoteFromRow, RowZeroIsOffAndEveryOtherRowAnInterval) {
  struct Case {
    int row;
    std::uint8_t interval, remoteSwitch;
  };
  const Case cases[] = {
      {0, 25, 0},
      {1, 0, 1},
      {2, 1, 1},
      {25, 24, 1},
      // No selection, or a row the list lacks: remote control stays off.
      {-1, 25, 0},
      {26, 25, 0},
  };
  for (const Case& c : cases) {
    const RemotePair pair = RemoteFromRow(c.row);
    EXPECT_EQ(pair.byRemoteInterval, c.interval) << "row " << c.row;
    EXPECT_EQ(pair.byRemoteSwitch, c.remoteSwitch) << "row " << c.row;
  }
}

// ---------------------------------------------------------------- messages

constexpr SendCheckResult kFailures[] = {
    SendCheckResult::NoRecipient,      SendCheckResult::NoEmailRecipient,
    SendCheckResult::BadEmail1,        SendCheckResult::BadEmail2,
    SendCheckResult::BadRemotePhone,   SendCheckResult::BadRemoteEmail,
    SendCheckResult::NoMmsUrl,         SendCheckResult::NoMmsApn,
    SendCheckResult::NoMmsGateway,     SendCheckResult::No3GApn,
    SendCheckResult::NoOutboxServer,   SendCheckResult::NoOutboxPort,
    SendCheckResult::BadOutboxAddress, SendCheckResult::NoOutboxPassword,
    SendCheckResult::NoFtpServer,      SendCheckResult::NoFtpPort,
    SendCheckResult::NoFtpAccount,     SendCheckResult::NoFtpPassword,
};

TEST(SendCheckMessage, EveryFailureHasItsOwnTextInBothLanguages) {
  std::set<std::string> chinese, english;
  for (SendCheckResult code : kFailures) {
    const TextPair& text = SendCheckMessage(code);
    const std::string zh = text.zh, en = text.en;
    EXPECT_TRUE(zh.starts_with("未生成配置文件！\r\n")) << zh;
    EXPECT_TRUE(en.starts_with("Generate failed!\r")) << en;
    chinese.insert(zh);
    english.insert(en);
  }
  EXPECT_EQ(chinese.size(), std::size(kFailures));
  EXPECT_EQ(english.size(), std::size(kFailures));
  EXPECT_STREQ(SendCheckMessage(SendCheckResult::SendCheckOk).zh, "");
  EXPECT_STREQ(SendCheckMessage(SendCheckResult::SendCheckOk).en, "");
}

TEST(SendCheckMessage, KeepsTheLineBreaksAsWritten) {
  EXPECT_STREQ(SendCheckMessage(SendCheckResult::NoRecipient).en,
               "Generate failed!\r\nPlease enter at least one phone number or email address.");
  EXPECT_STREQ(SendCheckMessage(SendCheckResult::NoRecipient).zh,
               "未生成配置文件！\r\n请输入至少一个手机号码或邮箱地址。");
  // Only this one has a carriage return without a line feed.
  EXPECT_STREQ(SendCheckMessage(SendCheckResult::NoFtpAccount).en,
               "Generate failed!\rFTP account error!");
  EXPECT_STREQ(SendCheckMessage(SendCheckResult::NoFtpAccount).zh,
               "未生成配置文件！\r\nFTP帐号错误!");
  EXPECT_STREQ(SendCheckMessage(SendCheckResult::BadOutboxAddress).zh,
               "未生成配置文件！\r\n发件箱地址错误!");
  for (SendCheckResult code : kFailures) {
    if (code == SendCheckResult::NoFtpAccount) continue;
    EXPECT_TRUE(std::string(SendCheckMessage(code).en).starts_with("Generate failed!\r\n"))
        << SendCheckMessage(code).en;
  }
}

// ---------------------------------------------------------------- validation

// A record in which every group is complete, so that each case below breaks
// exactly what it names.
SendSet CompleteRecord(std::uint8_t sendBy) {
  SendSet r{};
  r.bySendBy = sendBy;
  r.byRemoteSwitch = 0;
  r.byRemoteInterval = kRemoteIntervalOff;
  r.byOperatorCountry = 43;
  const char* recipients[4] = {"13800138000", "+8613900139000", "one@example.com",
                               "two@example.org"};
  for (int i = 0; i < 4; ++i) {
    CopyText(r.szRecp[i], recipients[i]);
    r.uwRecpLen[i] = static_cast<std::uint16_t>(std::strlen(recipients[i]));
  }
  CopyText(r.szRemotePhoneNum, "13700137000");
  CopyText(r.szRemoteEmail, "remote@example.com");
  CopyText(r.sMmsSet.szUrl, "http://mms.example.com");
  CopyText(r.sMmsSet.szApn, "cmwap");
  CopyText(r.sMmsSet.szGateway, "10.0.0.172");
  CopyText(r.sSmtpSet.sz3GSmtpApN, "cmnet");
  CopyText(r.sSmtpSet.szServer, "smtp.example.com");
  r.sSmtpSet.iPort = 25;
  CopyText(r.sSmtpSet.szAddr, "camera@example.com");
  CopyText(r.sSmtpSet.szUserName, "camera");
  CopyText(r.sSmtpSet.szPassword, "secret");
  CopyText(r.sFtpSet.szServer, "ftp.example.com");
  r.sFtpSet.iPort = 21;
  CopyText(r.sFtpSet.szUserName, "ftpuser");
  CopyText(r.sFtpSet.szPassword, "ftppass");
  return r;
}

void RemoteOn(SendSet& r) {
  r.byRemoteSwitch = 1;
  r.byRemoteInterval = 3;
}
void OnlyPhone1(SendSet& r, const char* text) {
  for (int i = 0; i < 4; ++i) {
    ClearText(r.szRecp[i]);
    r.uwRecpLen[i] = 0;
  }
  CopyText(r.szRecp[0], text);
  r.uwRecpLen[0] = static_cast<std::uint16_t>(std::strlen(text));
}

struct ValidationCase {
  const char* name;
  std::uint8_t sendBy;
  bool noReplyCommands;
  std::function<void(SendSet&)> change;
  SendCheckResult expected;
};

using R = SendCheckResult;

const std::vector<ValidationCase>& ValidationCases() {
  static const std::vector<ValidationCase> cases = {
      // Complete records pass for every option.
      {"complete MMS", kSendByMms, false, [](SendSet&) {}, R::SendCheckOk},
      {"complete Email", kSendByEmail, false, [](SendSet&) {}, R::SendCheckOk},
      {"complete FTP", kSendByFtp, false, [](SendSet&) {}, R::SendCheckOk},
      {"complete FTP, remote on", kSendByFtp, false, RemoteOn, R::SendCheckOk},
      {"Close 3G checks nothing", kSendByClose3G, false,
       [](SendSet& r) {
         r = SendSet{};
         RemoteOn(r);
       },
       R::SendCheckOk},

      // Step 1: recipients.
      {"MMS without recipients", kSendByMms, false,
       [](SendSet& r) {
         for (auto& len : r.uwRecpLen) len = 0;
       },
       R::NoRecipient},
      {"MMS phone numbers are not examined", kSendByMms, false,
       [](SendSet& r) { OnlyPhone1(r, "not a number!"); }, R::SendCheckOk},
      {"MMS bad email 1", kSendByMms, false, [](SendSet& r) { CopyText(r.szRecp[2], "a.b@c"); },
       R::BadEmail1},
      {"MMS bad email 2", kSendByMms, false, [](SendSet& r) { CopyText(r.szRecp[3], "nobody"); },
       R::BadEmail2},
      {"email 1 is checked before email 2", kSendByMms, false,
       [](SendSet& r) {
         CopyText(r.szRecp[2], "x");
         CopyText(r.szRecp[3], "y");
       },
       R::BadEmail1},
      {"an email field with length 0 is not checked", kSendByMms, false,
       [](SendSet& r) {
         CopyText(r.szRecp[2], "x");
         r.uwRecpLen[2] = 0;
       },
       R::SendCheckOk},
      {"Email with only phone 1", kSendByEmail, false,
       [](SendSet& r) { OnlyPhone1(r, "13800138000"); }, R::NoEmailRecipient},
      {"Email bad email 2", kSendByEmail, false, [](SendSet& r) { CopyText(r.szRecp[3], "@"); },
       R::BadEmail2},
      {"FTP ignores recipients", kSendByFtp, false,
       [](SendSet& r) {
         for (auto& len : r.uwRecpLen) len = 0;
         CopyText(r.szRecp[2], "x");
         r.uwRecpLen[2] = 1;
       },
       R::SendCheckOk},

      // Step 2: remote control.
      {"remote phone of 4 characters", kSendByMms, false,
       [](SendSet& r) {
         RemoteOn(r);
         CopyText(r.szRemotePhoneNum, "1234");
       },
       R::BadRemotePhone},
      {"remote phone of 5 characters", kSendByMms, false,
       [](SendSet& r) {
         RemoteOn(r);
         CopyText(r.szRemotePhoneNum, "12345");
       },
       R::SendCheckOk},
      {"remote phone is not checked with remote off", kSendByMms, false,
       [](SendSet& r) { ClearText(r.szRemotePhoneNum); }, R::SendCheckOk},
      {"bad remote email", kSendByEmail, false,
       [](SendSet& r) {
         RemoteOn(r);
         CopyText(r.szRemoteEmail, "remote.example@com");
       },
       R::BadRemoteEmail},
      {"empty remote email with noReplyCommands", kSendByMms, true,
       [](SendSet& r) {
         RemoteOn(r);
         ClearText(r.szRemoteEmail);
       },
       R::SendCheckOk},
      {"recipients come before the remote phone", kSendByMms, false,
       [](SendSet& r) {
         for (auto& len : r.uwRecpLen) len = 0;
         RemoteOn(r);
         ClearText(r.szRemotePhoneNum);
       },
       R::NoRecipient},

      // Step 3: MMS parameters typed by hand.
      {"country 43, MMS, no URL", kSendByMms, false, [](SendSet& r) { ClearText(r.sMmsSet.szUrl); },
       R::NoMmsUrl},
      {"country 42 never checks MMS parameters", kSendByMms, false,
       [](SendSet& r) {
         r.byOperatorCountry = 42;
         ClearText(r.sMmsSet.szUrl);
         ClearText(r.sMmsSet.szApn);
         ClearText(r.sMmsSet.szGateway);
       },
       R::SendCheckOk},
      {"country 43, MMS, no APN", kSendByMms, false, [](SendSet& r) { ClearText(r.sMmsSet.szApn); },
       R::NoMmsApn},
      {"country 43, MMS, no gateway", kSendByMms, false,
       [](SendSet& r) { ClearText(r.sMmsSet.szGateway); }, R::NoMmsGateway},
      {"URL is checked before APN and gateway", kSendByMms, false,
       [](SendSet& r) {
         ClearText(r.sMmsSet.szGateway);
         ClearText(r.sMmsSet.szApn);
         ClearText(r.sMmsSet.szUrl);
       },
       R::NoMmsUrl},
      {"MMS port, account and password play no part", kSendByMms, false,
       [](SendSet& r) {
         ClearText(r.sMmsSet.szPort);
         ClearText(r.sMmsSet.szAccount);
         ClearText(r.sMmsSet.szPassword);
       },
       R::SendCheckOk},
      {"Email without remote does not need MMS", kSendByEmail, false,
       [](SendSet& r) { ClearText(r.sMmsSet.szUrl); }, R::SendCheckOk},
      {"FTP with remote on needs MMS", kSendByFtp, false,
       [](SendSet& r) {
         RemoteOn(r);
         ClearText(r.sMmsSet.szGateway);
       },
       R::NoMmsGateway},
      {"remote phone comes before MMS parameters", kSendByMms, false,
       [](SendSet& r) {
         RemoteOn(r);
         CopyText(r.szRemotePhoneNum, "1");
         ClearText(r.sMmsSet.szUrl);
       },
       R::BadRemotePhone},
      {"MMS parameters come before the outbox", kSendByEmail, false,
       [](SendSet& r) {
         RemoteOn(r);
         ClearText(r.sMmsSet.szUrl);
         ClearText(r.sSmtpSet.szServer);
       },
       R::NoMmsUrl},

      // Step 4a: outbox.
      {"Email, no 3G APN", kSendByEmail, false,
       [](SendSet& r) { ClearText(r.sSmtpSet.sz3GSmtpApN); }, R::No3GApn},
      {"Email, no outbox server", kSendByEmail, false,
       [](SendSet& r) { ClearText(r.sSmtpSet.szServer); }, R::NoOutboxServer},
      {"Email, outbox port 0", kSendByEmail, false, [](SendSet& r) { r.sSmtpSet.iPort = 0; },
       R::NoOutboxPort},
      {"Email, bad outbox address", kSendByEmail, false,
       [](SendSet& r) { CopyText(r.sSmtpSet.szAddr, "camera.example.com"); }, R::BadOutboxAddress},
      {"Email, no outbox password", kSendByEmail, false,
       [](SendSet& r) { ClearText(r.sSmtpSet.szPassword); }, R::NoOutboxPassword},
      {"outbox user name plays no part", kSendByEmail, false,
       [](SendSet& r) { ClearText(r.sSmtpSet.szUserName); }, R::SendCheckOk},
      {"MMS with remote on needs the outbox", kSendByMms, false,
       [](SendSet& r) {
         RemoteOn(r);
         r.sSmtpSet.iPort = 0;
       },
       R::NoOutboxPort},
      {"MMS with remote on and noReplyCommands skips the outbox", kSendByMms, true,
       [](SendSet& r) {
         RemoteOn(r);
         ClearText(r.sSmtpSet.szServer);
       },
       R::SendCheckOk},
      {"MMS without remote skips the outbox", kSendByMms, false,
       [](SendSet& r) { ClearText(r.sSmtpSet.sz3GSmtpApN); }, R::SendCheckOk},
      {"Email needs the outbox even with noReplyCommands", kSendByEmail, true,
       [](SendSet& r) { ClearText(r.sSmtpSet.szPassword); }, R::NoOutboxPassword},

      // Step 4b: FTP, and the outbox group winning over it.
      {"FTP, no 3G APN", kSendByFtp, false, [](SendSet& r) { ClearText(r.sSmtpSet.sz3GSmtpApN); },
       R::No3GApn},
      {"FTP, no server", kSendByFtp, false, [](SendSet& r) { ClearText(r.sFtpSet.szServer); },
       R::NoFtpServer},
      {"FTP, port 0", kSendByFtp, false, [](SendSet& r) { r.sFtpSet.iPort = 0; }, R::NoFtpPort},
      {"FTP, no account", kSendByFtp, false, [](SendSet& r) { ClearText(r.sFtpSet.szUserName); },
       R::NoFtpAccount},
      {"FTP, no password", kSendByFtp, false, [](SendSet& r) { ClearText(r.sFtpSet.szPassword); },
       R::NoFtpPassword},
      {"FTP without remote ignores the outbox", kSendByFtp, false,
       [](SendSet& r) {
         ClearText(r.sSmtpSet.szServer);
         r.sSmtpSet.iPort = 0;
       },
       R::SendCheckOk},
      {"FTP with remote on runs only the outbox group", kSendByFtp, false,
       [](SendSet& r) {
         RemoteOn(r);
         ClearText(r.sFtpSet.szServer);
       },
       R::SendCheckOk},
      {"FTP with remote on: empty outbox server", kSendByFtp, false,
       [](SendSet& r) {
         RemoteOn(r);
         ClearText(r.sSmtpSet.szServer);
         ClearText(r.sFtpSet.szServer);
         r.sFtpSet.iPort = 0;
       },
       R::NoOutboxServer},
      {"FTP with remote on and noReplyCommands runs the FTP group", kSendByFtp, true,
       [](SendSet& r) {
         RemoteOn(r);
         ClearText(r.sSmtpSet.szServer);
         ClearText(r.sFtpSet.szServer);
       },
       R::NoFtpServer},
  };
  return cases;
}

TEST(ValidateSendSettings, RunsTheChecksInTheirOrder) {
  for (const ValidationCase& c : ValidationCases()) {
    SCOPED_TRACE(c.name);
    SendSet record = CompleteRecord(c.sendBy);
    c.change(record);
    record.bySendBy = c.sendBy;
    const SendSet before = record;
    TraceCapture trace;
    EXPECT_EQ(ValidateSendSettings(record, c.noReplyCommands), c.expected);
    EXPECT_EQ(PlainBytes(record), PlainBytes(before));
  }
}

TEST(ValidateSendSettings, TheOrderTableReachesEveryCode) {
  std::set<SendCheckResult> reached;
  for (const ValidationCase& c : ValidationCases()) reached.insert(c.expected);
  EXPECT_TRUE(reached.contains(SendCheckResult::SendCheckOk));
  for (SendCheckResult code : kFailures) {
    EXPECT_TRUE(reached.contains(code)) << "code " << static_cast<int>(code);
  }
}

TEST(ValidateSendSettings, TracesTheOutboxServerByteWhenTheOutboxGroupStarts) {
  {
    TraceCapture trace;
    SendSet record = CompleteRecord(kSendByEmail);
    EXPECT_EQ(ValidateSendSettings(record, false), R::SendCheckOk);
    EXPECT_EQ(trace.text(), ":: g_sSendSet.sSmtpSet.szServer[0]=115\n");  // 's'
  }
  {
    // A byte above 0x7F prints as a signed number.
    TraceCapture trace;
    SendSet record = CompleteRecord(kSendByEmail);
    CopyText(record.sSmtpSet.szServer, "\xE9\x82\xAE.example.com");
    EXPECT_EQ(ValidateSendSettings(record, false), R::SendCheckOk);
    EXPECT_EQ(trace.text(), ":: g_sSendSet.sSmtpSet.szServer[0]=-23\n");
  }
  {
    TraceCapture trace;
    SendSet record = CompleteRecord(kSendByEmail);
    ClearText(record.sSmtpSet.szServer);
    EXPECT_EQ(ValidateSendSettings(record, false), R::NoOutboxServer);
    EXPECT_EQ(trace.text(), ":: g_sSendSet.sSmtpSet.szServer[0]=0\n");
  }
  {
    // The FTP group and the earlier steps print nothing.
    TraceCapture trace;
    SendSet record = CompleteRecord(kSendByFtp);
    EXPECT_EQ(ValidateSendSettings(record, false), R::SendCheckOk);
    record.bySendBy = kSendByEmail;
    CopyText(record.szRecp[2], "bad");
    EXPECT_EQ(ValidateSendSettings(record, false), R::BadEmail1);
    EXPECT_EQ(trace.text(), "");
  }
}

TEST(ValidateSendSettings, ReadsTextFieldsOnlyUpToTheirEnd) {
  // A remote e-mail field filled to its last byte without a terminator (a
  // file made elsewhere) ends there: the field after it must not make it
  // plausible.
  SendSet record = CompleteRecord(kSendByMms);
  RemoteOn(record);
  std::memset(record.szRemoteEmail, 'x', sizeof record.szRemoteEmail);
  CopyText(record.szCloudMail, "@example.com");
  EXPECT_EQ(ValidateSendSettings(record, false), R::BadRemoteEmail);
  EXPECT_EQ(ValidateSendSettings(record, true), R::SendCheckOk);
}

}  // namespace
