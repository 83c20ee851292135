#include "data/carriers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "files/text_field.h"
#include "support/test_support.h"

namespace {

constexpr int kChinese = 0;
constexpr int kEnglish = 1;

// One offered operator, named as the lists show it in English.
struct Row {
  std::string country;
  std::string name;
  const MmsPreset* mms;
  const NetPreset* net;
};

std::vector<Row> OfferedRows() {
  std::vector<Row> rows;
  for (int country = 0; country < CountryCount; ++country) {
    for (int op = 0; op < OperatorCount(country); ++op) {
      rows.push_back({CountryName(kEnglish, country), OperatorName(kEnglish, country, op),
                      &MmsPresetAt(country, op), &NetPresetAt(country, op)});
    }
  }
  return rows;
}

using Names = std::set<std::pair<std::string, std::string>>;

template <typename Predicate>
Names NamesWhere(const std::vector<Row>& rows, Predicate predicate) {
  Names names;
  for (const Row& row : rows)
    if (predicate(row)) names.insert({row.country, row.name});
  return names;
}

template <typename Predicate>
int CountWhere(const std::vector<Row>& rows, Predicate predicate) {
  return static_cast<int>(std::count_if(rows.begin(), rows.end(), predicate));
}

bool Empty(const char* text) { return text[0] == '\0'; }
bool Has(const char* text, char c) { return std::strchr(text, c) != nullptr; }
bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

bool AllDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsIpv4(std::string_view text) {
  const auto octets = Split(text, '.');
  if (octets.size() != 4) return false;
  for (std::string_view octet : octets) {
    if (!AllDigits(octet) || octet.size() > 3 || std::stoi(std::string(octet)) > 255) return false;
  }
  return true;
}

bool HasLeadingZero(std::string_view address) {
  for (std::string_view octet : Split(address, '.'))
    if (octet.size() > 1 && octet[0] == '0') return true;
  return false;
}

// Every octet written with three digits, at least one of them padded.
bool IsZeroPadded(std::string_view address) {
  const auto octets = Split(address, '.');
  return IsIpv4(address) &&
         std::all_of(octets.begin(), octets.end(), [](auto o) { return o.size() == 3; }) &&
         HasLeadingZero(address);
}

std::string_view WithoutScheme(std::string_view url) {
  for (std::string_view scheme : {"http://", "https://"})
    if (StartsWith(url, scheme)) return url.substr(scheme.size());
  return url;
}

bool HasExplicitPort(std::string_view url) {
  const std::string_view authority = WithoutScheme(url).substr(0, WithoutScheme(url).find('/'));
  const std::size_t colon = authority.find(':');
  return colon != std::string_view::npos && AllDigits(authority.substr(colon + 1));
}

bool IsHostName(std::string_view text) {
  const auto labels = Split(text, '.');
  return labels.size() >= 2 && !IsIpv4(text) &&
         std::all_of(labels.begin(), labels.end(), [](std::string_view label) {
           return !label.empty() && std::all_of(label.begin(), label.end(), [](char c) {
             return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                    c == '-';
           });
         });
}

bool IsEmailLike(std::string_view text) {
  const std::size_t at = text.find('@');
  return at != std::string_view::npos && at > 0 && IsHostName(text.substr(at + 1));
}

class CarrierTableTest : public ::testing::Test {
 protected:
  std::vector<Row> rows_ = OfferedRows();
};

TEST_F(CarrierTableTest, OffersEachCountrysOperatorsIn124Rows) {
  const int expected[CountryCount] = {1, 1, 4, 8, 4, 3, 5, 2, 2, 3, 4, 3, 10, 2, 1,
                                      2, 2, 2, 2, 2, 2, 5, 2, 2, 3, 5, 4, 2,  3, 1,
                                      4, 3, 2, 5, 2, 4, 1, 1, 3, 3, 1, 2, 1};
  for (int country = 0; country < CountryCount; ++country)
    EXPECT_EQ(OperatorCount(country), expected[country]) << CountryName(kEnglish, country);
  EXPECT_EQ(rows_.size(), 124u);
}

TEST_F(CarrierTableTest, RequiredTextsAreNeverEmpty) {
  for (const Row& row : rows_) {
    SCOPED_TRACE(row.country + " " + row.name);
    EXPECT_FALSE(Empty(row.mms->Url));
    EXPECT_FALSE(Empty(row.mms->Apn));
    EXPECT_FALSE(Empty(row.mms->Gateway));
    EXPECT_FALSE(Empty(row.mms->Port));
    EXPECT_FALSE(Empty(row.net->apn));
  }
}

TEST_F(CarrierTableTest, AccountsAndPasswordsHaveTheirCounts) {
  EXPECT_EQ(CountWhere(rows_, [](const Row& r) { return !Empty(r.mms->Account); }), 59);
  EXPECT_EQ(CountWhere(rows_, [](const Row& r) { return !Empty(r.mms->Password); }), 53);
  EXPECT_EQ(CountWhere(rows_, [](const Row& r) { return !Empty(r.net->account); }), 57);
  EXPECT_EQ(CountWhere(rows_, [](const Row& r) { return !Empty(r.net->password); }), 50);

  EXPECT_EQ(
      NamesWhere(rows_,
                 [](const Row& r) { return !Empty(r.mms->Password) && Empty(r.mms->Account); }),
      Names{});
  EXPECT_EQ(
      NamesWhere(rows_,
                 [](const Row& r) { return !Empty(r.net->password) && Empty(r.net->account); }),
      Names{});

  EXPECT_EQ(
      NamesWhere(rows_,
                 [](const Row& r) { return !Empty(r.mms->Account) && Empty(r.mms->Password); }),
      (Names{{"United Kingdom", "Virgin"},
             {"Russia", "A Mobile"},
             {"Bulgaria", "Telenor"},
             {"Bulgaria", "Vivacom"},
             {"Norway", "NetworkNorway"},
             {"Cyprus", "Cyta"}}));
  EXPECT_EQ(
      NamesWhere(rows_,
                 [](const Row& r) { return !Empty(r.net->account) && Empty(r.net->password); }),
      (Names{{"United Kingdom", "Virgin"},
             {"Oesterreich", "A1"},
             {"Oesterreich", "T-Mobile"},
             {"India", "BPL"},
             {"Estonia", "EMT"},
             {"Estonia", "ELISA"},
             {"Estonia", "TELE2"}}));
}

TEST_F(CarrierTableTest, UrlsTakeTheirForms) {
  EXPECT_EQ(NamesWhere(rows_, [](const Row& r) { return WithoutScheme(r.mms->Url) == r.mms->Url; }),
            (Names{{"United States", "T-Mobile"},
                   {"United Kingdom", "ASDA Mobile"},
                   {"France", "Bouygues"},
                   {"Australia", "Vodafone"},
                   {"South Africa", "Vodacom"},
                   {"Lithuania", "Omnitel"}}));
  EXPECT_EQ(NamesWhere(rows_, [](const Row& r) { return StartsWith(r.mms->Url, "https://"); }),
            (Names{{"Russia", "letai"}}));
  // Every other URL is an http:// one.
  EXPECT_EQ(CountWhere(rows_, [](const Row& r) { return StartsWith(r.mms->Url, "http://"); }),
            124 - 6 - 1);
  EXPECT_EQ(CountWhere(rows_, [](const Row& r) { return HasExplicitPort(r.mms->Url); }), 28);
  for (const Row& row : rows_) {
    const std::string_view rest = WithoutScheme(row.mms->Url);
    EXPECT_FALSE(rest.empty() || rest[0] == '/' || Has(row.mms->Url, ' '))
        << row.country << " " << row.name << ": " << row.mms->Url;
  }
}

TEST_F(CarrierTableTest, PortsHaveTheirCounts) {
  std::map<std::string, int> ports;
  for (const Row& row : rows_) {
    EXPECT_TRUE(AllDigits(row.mms->Port)) << row.country << " " << row.name;
    ++ports[row.mms->Port];
  }
  EXPECT_EQ(ports, (std::map<std::string, int>{{"8080", 85},
                                               {"80", 19},
                                               {"8799", 9},
                                               {"9201", 6},
                                               {"8008", 1},
                                               {"8070", 1},
                                               {"8001", 1},
                                               {"8004", 1},
                                               {"8000", 1}}));
  const std::map<std::string, std::pair<std::string, std::string>> singles = {
      {"8008", {"Deutschland", "T-Mobile"}},
      {"8070", {"Australia", "Optus"}},
      {"8001", {"Oesterreich", "A1"}},
      {"8004", {"Bulgaria", "Telenor"}},
      {"8000", {"Estonia", "ELISA"}}};
  for (const auto& [port, name] : singles) {
    EXPECT_EQ(NamesWhere(rows_, [&](const Row& r) { return port == r.mms->Port; }), Names{name})
        << port;
  }
}

TEST_F(CarrierTableTest, GatewaysAreDottedAddressesButOne) {
  EXPECT_EQ(NamesWhere(rows_, [](const Row& r) { return !IsIpv4(r.mms->Gateway); }),
            (Names{{"Russia", "letai"}}));
  EXPECT_EQ(NamesWhere(rows_, [](const Row& r) { return IsHostName(r.mms->Gateway); }),
            (Names{{"Russia", "letai"}}));
  EXPECT_EQ(CountWhere(rows_, [](const Row& r) { return IsZeroPadded(r.mms->Gateway); }), 23);
  EXPECT_EQ(NamesWhere(rows_,
                       [](const Row& r) {
                         return IsIpv4(r.mms->Gateway) && HasLeadingZero(r.mms->Gateway) &&
                                !IsZeroPadded(r.mms->Gateway);
                       }),
            Names{});
}

TEST_F(CarrierTableTest, AccountsTakeTheirForms) {
  EXPECT_EQ(CountWhere(rows_, [](const Row& r) { return Has(r.mms->Account, '@'); }), 4);
  EXPECT_EQ(CountWhere(rows_, [](const Row& r) { return IsEmailLike(r.net->account); }), 1);
  EXPECT_EQ(CountWhere(rows_, [](const Row& r) { return Has(r.net->account, '@'); }), 1);
  EXPECT_EQ(NamesWhere(rows_, [](const Row& r) { return IsHostName(r.net->account); }),
            (Names{{"Estonia", "EMT"}, {"Estonia", "ELISA"}, {"Estonia", "TELE2"}}));
  for (const Row& row : rows_) {
    SCOPED_TRACE(row.country + " " + row.name);
    for (const char* text : {row.mms->Apn, row.mms->Account, row.mms->Password, row.net->apn,
                             row.net->account, row.net->password})
      EXPECT_FALSE(Has(text, ' ')) << text;
  }
}

struct Column {
  const char* label;
  const char* (*text)(const Row&);
  std::size_t width;  // of the record field, terminator included
  std::size_t longest;
};

TEST_F(CarrierTableTest, EveryColumnHasItsLongestValueAndFitsItsField) {
  const Column columns[] = {
      {"Url", [](const Row& r) { return r.mms->Url; }, sizeof(MmsSet::szUrl), 39},
      {"Apn", [](const Row& r) { return r.mms->Apn; }, sizeof(MmsSet::szApn), 20},
      {"Gateway", [](const Row& r) { return r.mms->Gateway; }, sizeof(MmsSet::szGateway), 15},
      {"Port", [](const Row& r) { return r.mms->Port; }, sizeof(MmsSet::szPort), 4},
      {"Account", [](const Row& r) { return r.mms->Account; }, sizeof(MmsSet::szAccount), 17},
      {"Password", [](const Row& r) { return r.mms->Password; }, sizeof(MmsSet::szPassword), 10},
      {"3G APN", [](const Row& r) { return r.net->apn; }, sizeof(SmtpSet::sz3GSmtpApN), 25},
      {"3G account", [](const Row& r) { return r.net->account; }, sizeof(SmtpSet::sz3GSmtpAccount),
       15},
      {"3G password", [](const Row& r) { return r.net->password; },
       sizeof(SmtpSet::sz3GSmtpPassword), 11},
  };
  for (const Column& column : columns) {
    std::size_t longest = 0;
    for (const Row& row : rows_) longest = std::max(longest, std::strlen(column.text(row)));
    EXPECT_EQ(longest, column.longest) << column.label;
    EXPECT_LT(longest, column.width) << column.label;
  }
}

TEST_F(CarrierTableTest, SlotsBeyondTheCountAreEmpty) {
  for (int country = 0; country < CountryCount; ++country) {
    for (int slot = OperatorCount(country); slot < kOperatorSlots; ++slot) {
      SCOPED_TRACE(std::string(CountryName(kEnglish, country)) + " slot " + std::to_string(slot));
      EXPECT_STREQ(OperatorName(kChinese, country, slot), "");
      EXPECT_STREQ(OperatorName(kEnglish, country, slot), "");
      const MmsPreset& mms = MmsPresetAt(country, slot);
      for (const char* text : {mms.Url, mms.Apn, mms.Gateway, mms.Port, mms.Account, mms.Password})
        EXPECT_STREQ(text, "");
      const NetPreset& net = NetPresetAt(country, slot);
      for (const char* text : {net.apn, net.account, net.password}) EXPECT_STREQ(text, "");
    }
  }
}

TEST(CarrierNames, CountriesInTheirFixedOrderAndOthers) {
  EXPECT_STREQ(CountryName(kChinese, 0), "中国");
  EXPECT_STREQ(CountryName(kEnglish, 0), "China");
  EXPECT_STREQ(CountryName(kEnglish, 12), "Russia");
  EXPECT_STREQ(CountryName(kChinese, 12), "俄罗斯");
  EXPECT_STREQ(CountryName(kEnglish, 22), "Oesterreich");
  EXPECT_STREQ(CountryName(kChinese, 42), "波黑");
  EXPECT_STREQ(CountryName(kEnglish, 42), "Bosnia and Herzegovina");
  EXPECT_EQ(OthersCountry, 43);
  EXPECT_STREQ(CountryName(kChinese, OthersCountry), "其他");
  EXPECT_STREQ(CountryName(kEnglish, OthersCountry), "Others");
  EXPECT_EQ(OperatorCount(OthersCountry), 0);
}

TEST(CarrierNames, ChinaUsAndRussiaOperators) {
  ASSERT_EQ(OperatorCount(0), 1);
  EXPECT_STREQ(OperatorName(kChinese, 0, 0), "中国联通");
  EXPECT_STREQ(OperatorName(kEnglish, 0, 0), "China Unicom");
  ASSERT_EQ(OperatorCount(1), 1);
  EXPECT_STREQ(OperatorName(kEnglish, 1, 0), "T-Mobile");
  ASSERT_EQ(OperatorCount(12), 10);
  const char* russia[] = {"A Mobile", "Beeline",    "Megafon", "MTS",   "Tele2",
                          "Yota",     "Rostelecom", "Motiv",   "letai", "Velcom"};
  for (int op = 0; op < 10; ++op) EXPECT_STREQ(OperatorName(kEnglish, 12, op), russia[op]);
  EXPECT_STREQ(OperatorName(kChinese, 12, 9), "Velcom");
}

TEST(CarrierNames, SwedishTele2EndsInABlank) {
  EXPECT_STREQ(OperatorName(kEnglish, 5, 2), "Tele2 ");
  EXPECT_STREQ(OperatorName(kChinese, 5, 2), "Tele2 ");
}

TEST(CarrierNames, NamesAreTheSameInBothLanguagesExceptChinas) {
  for (int country = 1; country < CountryCount; ++country) {
    for (int op = 0; op < OperatorCount(country); ++op)
      EXPECT_STREQ(OperatorName(kChinese, country, op), OperatorName(kEnglish, country, op));
  }
  EXPECT_STRNE(OperatorName(kChinese, 0, 0), OperatorName(kEnglish, 0, 0));
}

TEST(CarrierNames, IndicesOutsideTheTableReadAsEmpty) {
  for (const auto& [country, op] : std::vector<std::pair<int, int>>{
           {-1, 0}, {OthersCountry, 0}, {200, 0}, {0, -1}, {0, kOperatorSlots}, {12, 255}}) {
    SCOPED_TRACE(std::to_string(country) + "/" + std::to_string(op));
    EXPECT_STREQ(OperatorName(kEnglish, country, op), "");
    EXPECT_STREQ(MmsPresetAt(country, op).Url, "");
    EXPECT_STREQ(NetPresetAt(country, op).apn, "");
  }
  EXPECT_EQ(OperatorCount(-1), 0);
  EXPECT_EQ(OperatorCount(255), 0);
  EXPECT_STREQ(CountryName(kEnglish, 44), "");
  EXPECT_STREQ(CountryName(kEnglish, -1), "");
}

// A record whose every byte is 0xAB shows what an operation wrote and what it left.
SendSet Filled() {
  SendSet record;
  std::memset(&record, 0xAB, sizeof record);
  return record;
}

// The record's bytes outside [begin, end).
std::vector<std::uint8_t> Outside(const SendSet& record, std::size_t begin, std::size_t end) {
  std::vector<std::uint8_t> bytes = PlainBytes(record);
  bytes.erase(bytes.begin() + static_cast<std::ptrdiff_t>(begin),
              bytes.begin() + static_cast<std::ptrdiff_t>(end));
  return bytes;
}

constexpr std::size_t kMmsBegin = offsetof(SendSet, sMmsSet);
constexpr std::size_t kMmsEnd = kMmsBegin + sizeof(MmsSet);
constexpr std::size_t kNetBegin = offsetof(SendSet, sSmtpSet) + offsetof(SmtpSet, sz3GSmtpApN);
constexpr std::size_t kNetEnd = offsetof(SendSet, sSmtpSet) + offsetof(SmtpSet, szServer);

TEST(CarrierCopy, CopyMmsPresetPrintsTheIndicesAndCopiesTheSixTexts) {
  SendSet record = Filled();
  const SendSet before = record;
  TraceCapture trace;
  CopyMmsPreset(record, 0, 0);
  EXPECT_EQ(trace.text(), "lCountrySel = 0, lrOperatorIndex = 0\n");
  const MmsPreset& unicom = MmsPresetAt(0, 0);
  EXPECT_EQ(FieldText(record.sMmsSet.szUrl), unicom.Url);
  EXPECT_EQ(FieldText(record.sMmsSet.szApn), unicom.Apn);
  EXPECT_EQ(FieldText(record.sMmsSet.szGateway), unicom.Gateway);
  EXPECT_EQ(FieldText(record.sMmsSet.szPort), unicom.Port);
  EXPECT_EQ(FieldText(record.sMmsSet.szAccount), unicom.Account);
  EXPECT_EQ(FieldText(record.sMmsSet.szPassword), unicom.Password);
  EXPECT_EQ(FieldText(record.sMmsSet.szGateway), "010.000.000.172");
  // The country and operator bytes, the 3G texts and all else stay as they were.
  EXPECT_EQ(Outside(record, kMmsBegin, kMmsEnd), Outside(before, kMmsBegin, kMmsEnd));

  trace.clear();
  CopyMmsPreset(record, 12, 9);
  EXPECT_EQ(trace.text(), "lCountrySel = 12, lrOperatorIndex = 9\n");
  EXPECT_EQ(FieldText(record.sMmsSet.szApn), MmsPresetAt(12, 9).Apn);
}

TEST(CarrierCopy, CopyNetPresetCopiesTheThreeTextsSilently) {
  SendSet record = Filled();
  const SendSet before = record;
  TraceCapture trace;
  CopyNetPreset(record, 22, 0);
  EXPECT_EQ(trace.text(), "");
  const NetPreset& a1 = NetPresetAt(22, 0);
  EXPECT_EQ(FieldText(record.sSmtpSet.sz3GSmtpApN), a1.apn);
  EXPECT_EQ(FieldText(record.sSmtpSet.sz3GSmtpAccount), a1.account);
  EXPECT_EQ(FieldText(record.sSmtpSet.sz3GSmtpPassword), "");
  EXPECT_EQ(Outside(record, kNetBegin, kNetEnd), Outside(before, kNetBegin, kNetEnd));
}

// The camera's file carries what a shorter text leaves behind its terminator.
TEST(CarrierCopy, ShortTextOverLongLeavesTheOldTail) {
  SendSet record{};
  CopyMmsPreset(record, 3, 4);  // United Kingdom Virgin
  CopyNetPreset(record, 3, 4);
  const std::string mmsApn = MmsPresetAt(3, 4).Apn;
  const std::string netApn = NetPresetAt(3, 4).apn;
  ASSERT_EQ(mmsApn.size(), 20u);

  CopyMmsPreset(record, 26, 1);  // Ceska republika O2
  CopyNetPreset(record, 26, 1);
  const std::string shortMms = MmsPresetAt(26, 1).Apn;
  const std::string shortNet = NetPresetAt(26, 1).apn;
  ASSERT_LT(shortMms.size() + 1, mmsApn.size());

  std::string expected = shortMms + '\0' + mmsApn.substr(shortMms.size() + 1) + '\0';
  EXPECT_EQ(std::string(record.sMmsSet.szApn, expected.size()), expected);
  expected = shortNet + '\0' + netApn.substr(shortNet.size() + 1) + '\0';
  EXPECT_EQ(std::string(record.sSmtpSet.sz3GSmtpApN, expected.size()), expected);
  EXPECT_EQ(FieldText(record.sMmsSet.szApn), shortMms);
}

template <std::size_t N>
void ExpectClearedButLast(const char (&field)[N], const char* label) {
  for (std::size_t i = 0; i + 1 < N; ++i) ASSERT_EQ(field[i], '\0') << label << " byte " << i;
  EXPECT_EQ(static_cast<unsigned char>(field[N - 1]), 0xAB) << label;
}

TEST(CarrierClear, ClearMmsSetLeavesEachFieldsLastByte) {
  SendSet record = Filled();
  const SendSet before = record;
  ClearMmsSet(record);
  ExpectClearedButLast(record.sMmsSet.szUrl, "Url");
  ExpectClearedButLast(record.sMmsSet.szApn, "Apn");
  ExpectClearedButLast(record.sMmsSet.szGateway, "Gateway");
  ExpectClearedButLast(record.sMmsSet.szPort, "Port");
  ExpectClearedButLast(record.sMmsSet.szAccount, "Account");
  ExpectClearedButLast(record.sMmsSet.szPassword, "Password");
  EXPECT_EQ(Outside(record, kMmsBegin, kMmsEnd), Outside(before, kMmsBegin, kMmsEnd));
}

TEST(CarrierClear, ClearNetSetLeavesEachFieldsLastByte) {
  SendSet record = Filled();
  const SendSet before = record;
  ClearNetSet(record);
  ExpectClearedButLast(record.sSmtpSet.sz3GSmtpApN, "apn");
  ExpectClearedButLast(record.sSmtpSet.sz3GSmtpAccount, "account");
  ExpectClearedButLast(record.sSmtpSet.sz3GSmtpPassword, "password");
  EXPECT_EQ(Outside(record, kNetBegin, kNetEnd), Outside(before, kNetBegin, kNetEnd));
}

TEST(CarrierClear, DumpShowsTheSixLabelsEmpty) {
  SendSet record = FreshSendSet();
  CopyMmsPreset(record, 0, 0);
  ClearMmsSet(record);
  TraceCapture trace;
  NormalizeSendSet(record);
  for (const char* label : {"Url", "Apn", "Gateway", "Port", "Account", "Password"})
    EXPECT_TRUE(trace.contains(std::string("\n") + label + ":\"\"\n")) << label;
}

TEST(CarrierCopy, OutsideTheTableCopiesEmptyTexts) {
  SendSet record{};
  CopyMmsPreset(record, 0, 0);
  CopyNetPreset(record, 0, 0);
  TraceCapture trace;
  CopyMmsPreset(record, 99, 3);
  CopyNetPreset(record, 99, 3);
  EXPECT_EQ(trace.text(), "lCountrySel = 99, lrOperatorIndex = 3\n");
  EXPECT_EQ(FieldText(record.sMmsSet.szUrl), "");
  EXPECT_EQ(FieldText(record.sMmsSet.szPort), "");
  EXPECT_EQ(FieldText(record.sSmtpSet.sz3GSmtpApN), "");
}

}  // namespace
