#include "data/input_checks.h"

#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>

#include "files/text_field.h"
#include "files/trace.h"

FilterResult FilterInputChars(std::string_view text, std::string_view allowed) {
  FilterResult result;
  result.text.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char byte = text[i];
    if (allowed.find(byte) != std::string_view::npos) {
      result.text.push_back(byte);
    } else if (!result.caret) {
      result.caret = i;
    }
  }
  return result;
}

ClampResult ClampNumericInput(std::string_view text, std::uint16_t minimum, std::uint16_t maximum) {
  ClampResult result;
  if (text.empty()) {
    result.text = std::to_string(minimum);
    return result;
  }
  FilterResult digits = FilterInputChars(text, kDigitChars);
  result.caret = digits.caret;
  if (digits.text.empty()) {
    result.text = std::to_string(minimum);
    return result;
  }
  // Saturates above the 16-bit range: a long digit string is simply above
  // any maximum, never a wrapped small number.
  constexpr std::uint32_t kAboveAnyBound = 0x10000;
  std::uint32_t value = 0;
  for (const char digit : digits.text) {
    value = value * 10 + static_cast<std::uint32_t>(digit - '0');
    if (value >= kAboveAnyBound) {
      value = kAboveAnyBound;
      break;
    }
  }
  if (value < minimum) {
    result.text = std::to_string(minimum);
    TraceLine("Input value error!");
  } else if (value > maximum) {
    result.text = std::to_string(maximum);
    result.outOfRangeHigh = true;
    TraceLine("Input value error!");
  } else {
    result.text = std::move(digits.text);
  }
  return result;
}

namespace {

std::uint16_t DegreeMax(int minute, int second, std::uint16_t whole) {
  Trace("iMin = %d, uwMaxVal = %d\n", minute, second);
  return minute > 0 || second > 0 ? static_cast<std::uint16_t>(whole - 1) : whole;
}

constexpr std::uint16_t kLongitudeDegreeTop = 180;
constexpr std::uint16_t kLatitudeDegreeTop = 90;

}  // namespace

std::uint16_t LongitudeDegreeMax(int minute, int second) {
  return DegreeMax(minute, second, kLongitudeDegreeTop);
}

std::uint16_t LatitudeDegreeMax(int minute, int second) {
  return DegreeMax(minute, second, kLatitudeDegreeTop);
}

std::uint16_t MinuteSecondMax(Coordinate coordinate, int degree) {
  const int top = coordinate == Coordinate::Longitude ? kLongitudeDegreeTop : kLatitudeDegreeTop;
  // A degree past the top is no more valid than the top itself.
  return degree >= top ? 0 : 59;
}

bool IsPlausibleEmail(std::string_view text) {
  const std::size_t at = text.find('@');
  return at != std::string_view::npos && text.find('.', at + 1) != std::string_view::npos;
}

RemotePair RemoteFromRow(int row) {
  // A row the list does not have (none selected) means remote control off,
  // never an interval byte the camera cannot interpret.
  if (row < 1 || row > 25) return {kRemoteIntervalOff, 0};
  return {static_cast<std::uint8_t>(row - 1), 1};
}

namespace {

constexpr std::string_view kFailed = "未生成配置文件！\r\n";

struct MessageRow {
  SendCheckResult code;
  TextPair text;
};

// clang-format off
constexpr MessageRow kMessages[] = {
  {SendCheckResult::SendCheckOk,      {"", ""}},
  {SendCheckResult::NoRecipient,      {"未生成配置文件！\r\n请输入至少一个手机号码或邮箱地址。",
                                       "Generate failed!\r\nPlease enter at least one phone number or email address."}},
  {SendCheckResult::NoEmailRecipient, {"未生成配置文件！\r\n请输入至少一个邮箱地址。",
                                       "Generate failed!\r\nPlease enter at least one email address."}},
  {SendCheckResult::BadEmail1,        {"未生成配置文件！\r\n邮箱地址1错误。",
                                       "Generate failed!\r\nEmail address 1 error."}},
  {SendCheckResult::BadEmail2,        {"未生成配置文件！\r\n邮箱地址2错误。",
                                       "Generate failed!\r\nEmail address 2 error."}},
  {SendCheckResult::BadRemotePhone,   {"未生成配置文件！\r\n请输入正确的遥控手机号码。",
                                       "Generate failed!\r\nPlease enter the correct remote phone number."}},
  {SendCheckResult::BadRemoteEmail,   {"未生成配置文件！\r\n请输入正确的遥控接收邮箱。",
                                       "Generate failed!\r\nPlease enter the correct remote control receiving email."}},
  {SendCheckResult::NoMmsUrl,         {"未生成配置文件！\r\n请输入彩信网址。",
                                       "Generate failed!\r\nPlease enter MMS URL."}},
  {SendCheckResult::NoMmsApn,         {"未生成配置文件！\r\n请输入彩信APN。",
                                       "Generate failed!\r\nPlease enter MMS APN."}},
  {SendCheckResult::NoMmsGateway,     {"未生成配置文件！\r\n请输入彩信网关。",
                                       "Generate failed!\r\nPlease enter MMS Gateway."}},
  {SendCheckResult::No3GApn,          {"未生成配置文件！\r\n请输入3G网络APN。",
                                       "Generate failed!\r\nPlease enter 3G network APN."}},
  {SendCheckResult::NoOutboxServer,   {"未生成配置文件！\r\n请输入发件箱服务器。",
                                       "Generate failed!\r\nPlease enter outbox server."}},
  {SendCheckResult::NoOutboxPort,     {"未生成配置文件！\r\n请输入发件箱端口。",
                                       "Generate failed!\r\nPlease enter outbox port."}},
  {SendCheckResult::BadOutboxAddress, {"未生成配置文件！\r\n发件箱地址错误!",
                                       "Generate failed!\r\nOutbox address error!"}},
  {SendCheckResult::NoOutboxPassword, {"未生成配置文件！\r\n请输入发件箱密码。",
                                       "Generate failed!\r\nPlease enter outbox password."}},
  {SendCheckResult::NoFtpServer,      {"未生成配置文件！\r\n请输入FTP服务器。",
                                       "Generate failed!\r\nPlease enter FTP server."}},
  {SendCheckResult::NoFtpPort,        {"未生成配置文件！\r\n请输入FTP端口。",
                                       "Generate failed!\r\nPlease enter FTP port."}},
  // The camera's own wording: a carriage return alone after the first line.
  {SendCheckResult::NoFtpAccount,     {"未生成配置文件！\r\nFTP帐号错误!",
                                       "Generate failed!\rFTP account error!"}},
  {SendCheckResult::NoFtpPassword,    {"未生成配置文件！\r\n请输入FTP密码。",
                                       "Generate failed!\r\nPlease enter FTP password."}},
};
// clang-format on

constexpr bool MessagesInCodeOrder() {
  for (std::size_t i = 0; i < std::size(kMessages); ++i) {
    if (static_cast<std::size_t>(kMessages[i].code) != i) return false;
  }
  return true;
}
static_assert(MessagesInCodeOrder(), "kMessages is indexed by the code");
static_assert(static_cast<std::size_t>(SendCheckResult::NoFtpPassword) + 1 == std::size(kMessages));

constexpr bool ChineseTextsStartAlike() {
  for (std::size_t i = 1; i < std::size(kMessages); ++i) {
    if (!std::string_view(kMessages[i].text.zh).starts_with(kFailed)) return false;
  }
  return true;
}
static_assert(ChineseTextsStartAlike());

SendCheckResult CheckRecipients(const SendSet& r) {
  if (r.bySendBy == kSendByMms) {
    if (r.uwRecpLen[0] == 0 && r.uwRecpLen[1] == 0 && r.uwRecpLen[2] == 0 && r.uwRecpLen[3] == 0) {
      return SendCheckResult::NoRecipient;
    }
  } else if (r.bySendBy == kSendByEmail) {
    if (r.uwRecpLen[2] == 0 && r.uwRecpLen[3] == 0) return SendCheckResult::NoEmailRecipient;
  } else {
    return SendCheckResult::SendCheckOk;
  }
  if (r.uwRecpLen[2] > 0 && !IsPlausibleEmail(FieldText(r.szRecp[2]))) {
    return SendCheckResult::BadEmail1;
  }
  if (r.uwRecpLen[3] > 0 && !IsPlausibleEmail(FieldText(r.szRecp[3]))) {
    return SendCheckResult::BadEmail2;
  }
  return SendCheckResult::SendCheckOk;
}

SendCheckResult CheckRemote(const SendSet& r, bool noReplyCommands) {
  if (r.byRemoteSwitch != 1) return SendCheckResult::SendCheckOk;
  if (FieldText(r.szRemotePhoneNum).size() <= 4) return SendCheckResult::BadRemotePhone;
  if (!noReplyCommands && !IsPlausibleEmail(FieldText(r.szRemoteEmail))) {
    return SendCheckResult::BadRemoteEmail;
  }
  return SendCheckResult::SendCheckOk;
}

// Countries after the last database entry carry hand-typed MMS parameters.
constexpr std::uint8_t kLastDatabaseCountry = 42;

SendCheckResult CheckMmsParameters(const SendSet& r) {
  if (r.byOperatorCountry <= kLastDatabaseCountry) return SendCheckResult::SendCheckOk;
  if (r.bySendBy != kSendByMms && r.byRemoteSwitch != 1) return SendCheckResult::SendCheckOk;
  if (IsEmptyText(r.sMmsSet.szUrl)) return SendCheckResult::NoMmsUrl;
  if (IsEmptyText(r.sMmsSet.szApn)) return SendCheckResult::NoMmsApn;
  if (IsEmptyText(r.sMmsSet.szGateway)) return SendCheckResult::NoMmsGateway;
  return SendCheckResult::SendCheckOk;
}

SendCheckResult CheckOutbox(const SmtpSet& smtp) {
  Trace(":: g_sSendSet.sSmtpSet.szServer[0]=%d\n", static_cast<signed char>(smtp.szServer[0]));
  if (IsEmptyText(smtp.sz3GSmtpApN)) return SendCheckResult::No3GApn;
  if (IsEmptyText(smtp.szServer)) return SendCheckResult::NoOutboxServer;
  if (smtp.iPort == 0) return SendCheckResult::NoOutboxPort;
  if (!IsPlausibleEmail(FieldText(smtp.szAddr))) return SendCheckResult::BadOutboxAddress;
  if (IsEmptyText(smtp.szPassword)) return SendCheckResult::NoOutboxPassword;
  return SendCheckResult::SendCheckOk;
}

SendCheckResult CheckFtp(const SendSet& r) {
  if (IsEmptyText(r.sSmtpSet.sz3GSmtpApN)) return SendCheckResult::No3GApn;
  if (IsEmptyText(r.sFtpSet.szServer)) return SendCheckResult::NoFtpServer;
  if (r.sFtpSet.iPort == 0) return SendCheckResult::NoFtpPort;
  if (IsEmptyText(r.sFtpSet.szUserName)) return SendCheckResult::NoFtpAccount;
  if (IsEmptyText(r.sFtpSet.szPassword)) return SendCheckResult::NoFtpPassword;
  return SendCheckResult::SendCheckOk;
}

}  // namespace

const TextPair& SendCheckMessage(SendCheckResult result) {
  const auto index = static_cast<std::size_t>(result);
  if (index >= std::size(kMessages)) return kMessages[0].text;
  return kMessages[index].text;
}

SendCheckResult ValidateSendSettings(const SendSet& record, bool noReplyCommands) {
  if (record.bySendBy == kSendByClose3G) return SendCheckResult::SendCheckOk;
  SendCheckResult result = CheckRecipients(record);
  if (result == SendCheckResult::SendCheckOk) result = CheckRemote(record, noReplyCommands);
  if (result == SendCheckResult::SendCheckOk) result = CheckMmsParameters(record);
  if (result != SendCheckResult::SendCheckOk) return result;
  // The outbox carries the replies to remote commands, so it wins over FTP.
  if (record.bySendBy == kSendByEmail || (record.byRemoteSwitch == 1 && !noReplyCommands)) {
    return CheckOutbox(record.sSmtpSet);
  }
  if (record.bySendBy == kSendByFtp) return CheckFtp(record);
  return SendCheckResult::SendCheckOk;
}
