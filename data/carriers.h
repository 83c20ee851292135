// The carrier database: 43 countries, their operators, and per operator the
// MMS and mobile-data (3G) parameter sets copied into SendSet.
#pragma once

#include <cstdint>

#include "data/text_pair.h"
#include "files/send_set.h"

inline constexpr int CountryCount = 43;
inline constexpr std::uint8_t OthersCountry = 43;  // manual input, no operators
inline constexpr int kOperatorSlots = 10;

// Field order and trace labels: "Url", "Apn", "Gateway", "Port", "Account", "Password".
struct MmsPreset {
  const char* Url;
  const char* Apn;
  const char* Gateway;
  const char* Port;
  const char* Account;
  const char* Password;
};

struct NetPreset {
  const char* apn;
  const char* account;
  const char* password;
};

// Country name in the given LanguageIndex; "其他" / "Others" for OthersCountry.
const char* CountryName(int language, int country);

// 1..10 for country 0..42.
int OperatorCount(int country);

// Operator name for operator 0..count-1; slots at and beyond the count are empty.
const char* OperatorName(int language, int country, int op);

// The presets of a slot, 0..9; empty texts at and beyond the country's count.
const MmsPreset& MmsPresetAt(int country, int slot);
const NetPreset& NetPresetAt(int country, int slot);

// Copy an operator's sets into the record's fields (tails after the new
// terminator are kept). CopyMmsPreset prints
// "lCountrySel = %d, lrOperatorIndex = %d\n" first.
void CopyMmsPreset(SendSet& record, int country, int op);
void CopyNetPreset(SendSet& record, int country, int op);

// Empty the six sMmsSet fields / the three 3G fields of sSmtpSet (every byte
// but each field's last).
void ClearMmsSet(SendSet& record);
void ClearNetSet(SendSet& record);
