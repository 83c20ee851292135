// Rules the screens apply to typed input, and the ordered Generate checks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "data/text_pair.h"
#include "files/send_set.h"

inline constexpr std::string_view kPhoneChars = "0123456789+";
inline constexpr std::string_view kDigitChars = "0123456789";

struct FilterResult {
  std::string text;
  std::optional<std::size_t> caret;  // where the first removed byte stood
};
FilterResult FilterInputChars(std::string_view text, std::string_view allowed);

struct ClampResult {
  std::string text;
  bool outOfRangeHigh = false;
  std::optional<std::size_t> caret;  // set when non-digits were removed
};
// Prints "Input value error!" when the value is clamped to a bound.
ClampResult ClampNumericInput(std::string_view text, std::uint16_t minimum, std::uint16_t maximum);

enum class Coordinate { Longitude, Latitude };

// Degree maxima print "iMin = %d, uwMaxVal = %d\n" with minute and second.
std::uint16_t LongitudeDegreeMax(int minute, int second);
std::uint16_t LatitudeDegreeMax(int minute, int second);
std::uint16_t MinuteSecondMax(Coordinate coordinate, int degree);

bool IsPlausibleEmail(std::string_view text);

struct RemotePair {
  std::uint8_t byRemoteInterval;
  std::uint8_t byRemoteSwitch;
};
// Row 0 remote off (25, 0); row r 1..25 gives (r - 1, 1).
RemotePair RemoteFromRow(int row);

enum class SendCheckResult {
  SendCheckOk,
  NoRecipient,
  NoEmailRecipient,
  BadEmail1,
  BadEmail2,
  BadRemotePhone,
  BadRemoteEmail,
  NoMmsUrl,
  NoMmsApn,
  NoMmsGateway,
  No3GApn,
  NoOutboxServer,
  NoOutboxPort,
  BadOutboxAddress,
  NoOutboxPassword,
  NoFtpServer,
  NoFtpPort,
  NoFtpAccount,
  NoFtpPassword,
};

// The warning text of a failure code; empty texts for SendCheckOk.
const TextPair& SendCheckMessage(SendCheckResult result);

// The checks Generate runs before CFG.BIN is written, in their fixed order.
// Prints ":: g_sSendSet.sSmtpSet.szServer[0]=%d\n" when the outbox group starts.
SendCheckResult ValidateSendSettings(const SendSet& record, bool noReplyCommands);
