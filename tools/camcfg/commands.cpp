#include "tools/camcfg/commands.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <system_error>

#include "data/carriers.h"
#include "data/input_checks.h"
#include "data/text_pair.h"
#include "files/menu_data.h"
#include "files/save_path.h"
#include "files/send_set.h"
#include "tools/camcfg/field_values.h"
#include "tools/camcfg/settings_io.h"

namespace fs = std::filesystem;

namespace {

int Fail(std::ostream& err, const std::string& message) {
  err << "camcfg: " << message << "\n";
  return kExitBadInput;
}

std::string EntryValueText(const FieldRef& ref, std::span<const std::uint8_t> record) {
  switch (ref.field->kind) {
    case FieldKind::Text:
      return QuotedText(ReadText(ref, record));
    case FieldKind::Hex:
      return ReadHex(ref, record);
    default:
      return std::to_string(ReadNumber(ref, record));
  }
}

void PrintRecord(const SettingsImage& image, std::ostream& out) {
  for (const FieldDesc& field : FieldTable(image.kind)) {
    for (int i = 0; i < field.count; ++i) {
      const FieldRef ref{&field, i};
      std::string name = EntryName(ref);
      std::string value = EntryValueText(ref, image.plain);
      name.resize(std::max<std::size_t>(name.size(), 26), ' ');
      value.resize(std::max<std::size_t>(value.size(), 20), ' ');
      out << name << ' ' << value << "  " << field.meaning << "\n";
    }
  }
}

// Reads a --from file, refusing anything that is not a small regular file.
Outcome ReadJsonFile(const std::string& path, std::string& text) {
  std::error_code ec;
  const auto status = fs::status(path, ec);
  if (ec || !fs::exists(status)) return Failure("cannot open " + path + ": no such file");
  if (!fs::is_regular_file(status)) return Failure(path + " is not a file");
  const auto size = fs::file_size(path, ec);
  if (ec) return Failure("cannot read " + path + ": " + ec.message());
  if (size > kJsonFileMax)
    return Failure(path + " is larger than " + std::to_string(kJsonFileMax) + " bytes");
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return Failure("cannot read " + path);
  std::string bytes(static_cast<std::size_t>(size) + 1, '\0');
  const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
  bytes.resize(got);
  if (got > kJsonFileMax) return Failure(path + " grew while it was read");
  text = std::move(bytes);
  return Success();
}

// The folder a new file goes into must exist and be a folder; whether it
// can be written shows at the store.
Outcome CheckFolder(const std::string& dir) {
  std::error_code ec;
  const auto status = fs::status(dir, ec);
  if (ec || !fs::exists(status)) return Failure(dir + ": no such folder");
  if (!fs::is_directory(status)) return Failure(dir + " is not a folder");
  return Success();
}

// The JSON and then every --set, in order, on top of `image`.
Outcome ApplyInputs(const Json* json, const std::vector<std::string>& sets, SettingsImage& image) {
  if (json != nullptr)
    if (Outcome applied = ApplyJsonValue(image.kind, image.plain, *json); !applied.ok())
      return applied;
  for (const std::string& set : sets)
    if (Outcome applied = ApplyAssignment(image.kind, image.plain, set); !applied.ok())
      return applied;
  return Success();
}

void PutLocalClock(MenuData& m, const std::tm& now) {
  m.Year = static_cast<std::uint16_t>(now.tm_year + 1900);
  m.Month = static_cast<std::uint8_t>(now.tm_mon + 1);
  m.Day = static_cast<std::uint8_t>(now.tm_mday);
  m.Hour = static_cast<std::uint8_t>(now.tm_hour);
  m.Minute = static_cast<std::uint8_t>(now.tm_min);
  m.Second = static_cast<std::uint8_t>(now.tm_sec);
}

// A menu.dat as Camera Setup would write it. The clock follows ClockMode as
// the screen's clock fields do: Auto always shows the PC's clock; Input
// starts from it and keeps what the user typed (the fields the JSON or
// --set give); Off leaves the fields empty, so the record keeps its clock.
Outcome BuildMenuData(const Json* json, const std::vector<std::string>& sets, const std::tm& now,
                      SettingsImage& image) {
  const auto build = [&](bool startFromPcClock, SettingsImage& built) {
    MenuData start = FactoryMenuData();
    if (startFromPcClock) PutLocalClock(start, now);
    built = ImageOf(RecordKind::MenuData, start);
    return ApplyInputs(json, sets, built);
  };
  SettingsImage typed;
  if (Outcome applied = build(true, typed); !applied.ok()) return applied;
  MenuData record = RecordFromImage<MenuData>(typed);
  const std::uint8_t clockMode = record.ClockZone & kClockModeMask;
  if (clockMode == kClockAuto) {
    PutLocalClock(record, now);
  } else if (clockMode != kClockInput) {
    SettingsImage kept;
    if (Outcome applied = build(false, kept); !applied.ok()) return applied;
    record = RecordFromImage<MenuData>(kept);
  }
  TimeZoneFromLocal();
  record.ClockZone = PackClockZone(TimeZoneIndex, clockMode);
  image = ImageOf(RecordKind::MenuData, record);
  return Success();
}

Json NamePair(const char* zh, const char* en) {
  Json name = Json::object();
  name["zh"] = zh != nullptr ? zh : "";
  name["en"] = en != nullptr ? en : "";
  return name;
}

std::string Quoted(const char* text) { return QuotedText(text != nullptr ? text : ""); }

}  // namespace

std::string TerminalLines(std::string_view message) {
  std::string lines;
  for (std::size_t i = 0; i < message.size(); ++i) {
    if (message[i] == '\r') {
      lines += '\n';
      if (i + 1 < message.size() && message[i + 1] == '\n') ++i;
    } else {
      lines += message[i];
    }
  }
  return lines;
}

int RunShow(const ShowOptions& options, std::ostream& out, std::ostream& err) {
  SettingsImage image;
  if (Outcome read = ReadSettingsImage(options.file, image); !read.ok())
    return Fail(err, read.error);
  if (options.json) {
    out << DumpJson(RecordToJson(image.kind, image.plain)) << "\n";
    return kExitOk;
  }
  out << options.file << ": " << RecordFileName(image.kind) << ", " << image.plain.size()
      << " bytes, as stored (before the load's corrections)\n";
  PrintRecord(image, out);
  return kExitOk;
}

int RunNew(const NewOptions& options, std::ostream& out, std::ostream& err) {
  if (Outcome folder = CheckFolder(options.dir); !folder.ok()) return Fail(err, folder.error);
  Json json;
  const Json* from = nullptr;
  if (!options.fromJson.empty()) {
    std::string text;
    if (Outcome read = ReadJsonFile(options.fromJson, text); !read.ok())
      return Fail(err, read.error);
    if (Outcome parsed = ParseJson(text, json); !parsed.ok())
      return Fail(err, options.fromJson + ": " + parsed.error);
    from = &json;
  }
  std::tm now{};
  if (!CurrentLocalTime(&now)) return Fail(err, "cannot read the local time");

  SettingsImage image;
  if (options.kind == RecordKind::SendSet) {
    image = ImageOf(RecordKind::SendSet, FreshSendSet());
    if (Outcome applied = ApplyInputs(from, options.sets, image); !applied.ok())
      return Fail(err, applied.error);
    SendSet record = RecordFromImage<SendSet>(image);
    // The store sets the flag bit; the checks read bySendBy without it.
    record.bySendBy &= static_cast<std::uint8_t>(~IF_SEND_BY_APP_SET_FLG);
    record.sTime = SendTimeFrom(now);
    record.bSet = 0;
    g_sGenTime = record.sTime;
    if (!options.force) {
      const SendCheckResult result = ValidateSendSettings(record, options.noReplyCommands);
      if (result != SendCheckResult::SendCheckOk) {
        err << TerminalLines(PickText(SendCheckMessage(result), 1)) << "\n";
        err << "camcfg: nothing written (--force writes without the checks)\n";
        return kExitCheckFailed;
      }
    }
    image = ImageOf(RecordKind::SendSet, record);
  } else {
    if (Outcome built = BuildMenuData(from, options.sets, now, image); !built.ok())
      return Fail(err, built.error);
  }
  if (Outcome storable = CheckStorable(image); !storable.ok()) return Fail(err, storable.error);

  const std::string name(RecordFileName(options.kind));
  if (Outcome stored = StoreAndVerify(image, options.dir, name); !stored.ok())
    return Fail(err, stored.error);
  out << "Wrote " << (fs::path(options.dir) / name).string() << "\n";
  return kExitOk;
}

int RunSet(const SetOptions& options, std::ostream& out, std::ostream& err) {
  SettingsImage image;
  if (Outcome read = ReadSettingsImage(options.file, image); !read.ok())
    return Fail(err, read.error);
  // Edit the file itself, not a link to it, in its own folder.
  std::error_code ec;
  const fs::path target = fs::canonical(options.file, ec);
  if (ec) return Fail(err, "cannot resolve " + options.file + ": " + ec.message());
  if (Outcome applied = ApplyInputs(nullptr, options.assignments, image); !applied.ok())
    return Fail(err, applied.error);
  if (Outcome storable = CheckStorable(image); !storable.ok()) return Fail(err, storable.error);
  if (Outcome stored = StoreAndVerify(image, target.parent_path(), target.filename().string());
      !stored.ok())
    return Fail(err, stored.error);
  out << "Wrote " << target.string() << "\n";
  return kExitOk;
}

int RunCheck(const CheckOptions& options, std::ostream& out, std::ostream& err) {
  SettingsImage image;
  if (Outcome read = ReadSettingsImage(options.file, image); !read.ok())
    return Fail(err, read.error);
  if (image.kind != RecordKind::SendSet)
    return Fail(err, options.file + " is a menu.dat; check applies to a CFG.BIN");
  std::error_code ec;
  const fs::path target = fs::canonical(options.file, ec);
  if (ec) return Fail(err, "cannot resolve " + options.file + ": " + ec.message());

  // Loaded as the 3G parameter page loads it: codec, checks and corrections.
  const std::string previous(SavePath);
  if (!SetSavePath(target.parent_path().string().c_str()))
    return Fail(err, target.parent_path().string() + ": the folder path is longer than " +
                         std::to_string(kSavePathMax) + " characters");
  const int loaded = LoadSendSetFrom(target.filename().string().c_str(), 0);
  SetSavePath(previous.c_str());
  if (!loaded) {
    const SendSet raw = RecordFromImage<SendSet>(image);
    if (raw.uwStructFlag != kSendSetStructFlag)
      return Fail(err, options.file +
                           ": structure flag is not 0x1005; the program would not use "
                           "this file");
    return Fail(err, "cannot load " + options.file);
  }
  const SendCheckResult result = ValidateSendSettings(g_sSendSet, options.noReplyCommands);
  if (result == SendCheckResult::SendCheckOk) {
    out << "OK\n";
    return kExitOk;
  }
  out << TerminalLines(PickText(SendCheckMessage(result), options.language)) << "\n";
  return kExitCheckFailed;
}

Json CarriersJson() {
  Json countries = Json::array();
  for (int c = 0; c <= CountryCount; ++c) {
    Json country = Json::object();
    country["index"] = c;
    country["name"] = NamePair(CountryName(0, c), CountryName(1, c));
    Json operators = Json::array();
    const int count = c < CountryCount ? OperatorCount(c) : 0;
    for (int o = 0; o < count; ++o) {
      const MmsPreset& mms = MmsPresetAt(c, o);
      const NetPreset& net = NetPresetAt(c, o);
      Json op = Json::object();
      op["index"] = o;
      op["name"] = NamePair(OperatorName(0, c, o), OperatorName(1, c, o));
      op["mms"] = Json::object({{"Url", mms.Url},
                                {"Apn", mms.Apn},
                                {"Gateway", mms.Gateway},
                                {"Port", mms.Port},
                                {"Account", mms.Account},
                                {"Password", mms.Password}});
      op["net"] =
          Json::object({{"apn", net.apn}, {"account", net.account}, {"password", net.password}});
      operators.push_back(std::move(op));
    }
    country["operators"] = std::move(operators);
    countries.push_back(std::move(country));
  }
  return countries;
}

int RunCarriers(const CarriersOptions& options, std::ostream& out, std::ostream& /*err*/) {
  if (options.json) {
    out << DumpJson(CarriersJson()) << "\n";
    return kExitOk;
  }
  const int language = options.language;
  for (int c = 0; c <= CountryCount; ++c) {
    out << c << " " << CountryName(language, c) << "\n";
    const int count = c < CountryCount ? OperatorCount(c) : 0;
    for (int o = 0; o < count; ++o) {
      const MmsPreset& mms = MmsPresetAt(c, o);
      const NetPreset& net = NetPresetAt(c, o);
      out << "  " << o << " " << OperatorName(language, c, o) << "\n";
      out << "     MMS Url " << Quoted(mms.Url) << " Apn " << Quoted(mms.Apn) << " Gateway "
          << Quoted(mms.Gateway) << " Port " << Quoted(mms.Port) << " Account "
          << Quoted(mms.Account) << " Password " << Quoted(mms.Password) << "\n";
      out << "     3G  APN " << Quoted(net.apn) << " account " << Quoted(net.account)
          << " password " << Quoted(net.password) << "\n";
    }
  }
  return kExitOk;
}
