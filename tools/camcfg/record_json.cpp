#include "tools/camcfg/record_json.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr std::string_view kReservedPrefix = "reserved.";

bool IsReserved(const FieldDesc& field) {
  return field.name.substr(0, kReservedPrefix.size()) == kReservedPrefix;
}

Json TextToJson(std::string_view text) {
  if (IsValidUtf8(text)) return std::string(text);
  Json hex = Json::object();
  hex["hex"] = HexOf(text);
  return hex;
}

Json EntryToJson(const FieldRef& ref, std::span<const std::uint8_t> record) {
  switch (ref.field->kind) {
    case FieldKind::Text:
      return TextToJson(ReadText(ref, record));
    case FieldKind::Hex:
      return ReadHex(ref, record);
    default:
      return ReadNumber(ref, record);
  }
}

// Puts a value at a dotted path, creating the objects on the way.
void PutAt(Json& root, std::string_view dotted, Json value) {
  Json* node = &root;
  while (true) {
    const std::size_t dot = dotted.find('.');
    const std::string key(dotted.substr(0, dot));
    if (dot == std::string_view::npos) {
      (*node)[key] = std::move(value);
      return;
    }
    node = &(*node)[key];
    dotted.remove_prefix(dot + 1);
  }
}

// A field of the table and the JSON value given for it.
struct Given {
  const FieldDesc* field;
  const Json* value;
};

Outcome Collect(RecordKind kind, const Json& object, const std::string& prefix,
                std::vector<Given>& given) {
  for (const auto& item : object.items()) {
    const std::string name = prefix.empty() ? item.key() : prefix + "." + item.key();
    if (const FieldDesc* field = FieldNamed(kind, name); field != nullptr) {
      given.push_back({field, &item.value()});
    } else if (IsGroupName(kind, name)) {
      if (!item.value().is_object())
        return Failure(name + ": expected an object, got " + item.value().type_name());
      if (Outcome nested = Collect(kind, item.value(), name, given); !nested.ok()) return nested;
    } else {
      return Failure("unknown field " + QuotedText(name) + " in " +
                     std::string(RecordFileName(kind)));
    }
  }
  return Success();
}

Outcome WrongType(const FieldRef& ref, std::string_view expected, const Json& value) {
  return Failure(EntryName(ref) + ": expected " + std::string(expected) + ", got " +
                 value.type_name());
}

Outcome ApplyEntry(const FieldRef& ref, std::span<std::uint8_t> record, const Json& value) {
  switch (ref.field->kind) {
    case FieldKind::Text: {
      if (value.is_string()) return WriteText(ref, record, value.get_ref<const std::string&>());
      if (value.is_object() && value.size() == 1 && value.contains("hex") &&
          value["hex"].is_string()) {
        std::string bytes;
        if (Outcome parsed = ParseHexBytes(value["hex"].get_ref<const std::string&>(), bytes);
            !parsed.ok())
          return Failure(EntryName(ref) + ": " + parsed.error);
        return WriteText(ref, record, bytes);
      }
      return WrongType(ref, "a string or {\"hex\": \"...\"}", value);
    }
    case FieldKind::Hex:
      if (!value.is_string()) return WrongType(ref, "a hex string", value);
      return WriteHex(ref, record, value.get_ref<const std::string&>());
    default:
      if (value.is_number_unsigned()) {
        const auto number = value.get<std::uint64_t>();
        if (number > static_cast<std::uint64_t>(INT64_MAX))
          return Failure(EntryName(ref) + ": " + std::to_string(number) + " is out of range");
        return WriteNumber(ref, record, static_cast<std::int64_t>(number));
      }
      if (value.is_number_integer()) return WriteNumber(ref, record, value.get<std::int64_t>());
      return WrongType(ref, "an integer", value);
  }
}

Outcome ApplyGiven(RecordKind kind, const Given& given, std::span<std::uint8_t> record,
                   bool lengthsGiven) {
  const FieldDesc& field = *given.field;
  const Json& value = *given.value;
  if (field.count == 1) return ApplyEntry({&field, 0}, record, value);
  if (!value.is_array() || value.size() != static_cast<std::size_t>(field.count))
    return Failure(
        std::string(field.name) + ": expected an array of " + std::to_string(field.count) +
        " entries, got " +
        (value.is_array() ? std::to_string(value.size()) + " entries" : value.type_name()));
  for (int i = 0; i < field.count; ++i) {
    const FieldRef ref{&field, i};
    if (Outcome applied = ApplyEntry(ref, record, value[static_cast<std::size_t>(i)]);
        !applied.ok())
      return applied;
    if (!lengthsGiven) ApplyCompanion(kind, ref, record);
  }
  return Success();
}

// Reports the parser's error with its place instead of throwing it.
class QuietDomParser : public nlohmann::detail::json_sax_dom_parser<Json> {
 public:
  explicit QuietDomParser(Json& root) : json_sax_dom_parser(root, false) {}
  bool parse_error(std::size_t position, const std::string& /*token*/,
                   const nlohmann::detail::exception& error) {
    failed = true;
    this->position = position;
    message = error.what();
    return false;
  }
  bool failed = false;
  std::size_t position = 0;
  std::string message;
};

}  // namespace

Json RecordToJson(RecordKind kind, std::span<const std::uint8_t> record) {
  Json root = Json::object();
  if (record.size() < RecordSize(kind)) return root;
  // Two passes: the named fields in file order, then "reserved" at the end.
  for (int pass = 0; pass < 2; ++pass) {
    for (const FieldDesc& field : FieldTable(kind)) {
      if (IsReserved(field) != (pass == 1)) continue;
      if (field.count == 1) {
        PutAt(root, field.name, EntryToJson({&field, 0}, record));
        continue;
      }
      Json list = Json::array();
      for (int i = 0; i < field.count; ++i) list.push_back(EntryToJson({&field, i}, record));
      PutAt(root, field.name, std::move(list));
    }
  }
  return root;
}

Outcome ParseJson(std::string_view text, Json& value) {
  Json root;
  QuietDomParser parser(root);
  const bool parsed = Json::sax_parse(text.begin(), text.end(), &parser,
                                      nlohmann::detail::input_format_t::json, true, false);
  if (!parsed || parser.failed || parser.is_errored()) {
    std::string message = parser.message;
    // "[json.exception.parse_error.101] parse error at line 1, column 2: ..."
    if (const std::size_t close = message.find("] "); close != std::string::npos)
      message.erase(0, close + 2);
    if (message.empty()) message = "parse error";
    return Failure("malformed JSON: " + message);
  }
  value = std::move(root);
  return Success();
}

Outcome ApplyJsonValue(RecordKind kind, std::span<std::uint8_t> record, const Json& value) {
  if (record.size() < RecordSize(kind)) return Failure("record image too short");
  if (!value.is_object())
    return Failure(std::string("JSON: expected an object of fields, got ") + value.type_name());
  std::vector<Given> given;
  if (Outcome collected = Collect(kind, value, "", given); !collected.ok()) return collected;

  const auto table = FieldTable(kind);
  const auto position = [&](const Given& g) { return g.field - table.data(); };
  std::stable_sort(given.begin(), given.end(),
                   [&](const Given& a, const Given& b) { return position(a) < position(b); });
  const bool lengthsGiven = std::any_of(
      given.begin(), given.end(), [](const Given& g) { return g.field->name == "uwRecpLen"; });

  std::vector<std::uint8_t> work(record.begin(), record.begin() + RecordSize(kind));
  for (const Given& g : given)
    if (Outcome applied = ApplyGiven(kind, g, work, lengthsGiven); !applied.ok()) return applied;
  std::memcpy(record.data(), work.data(), work.size());
  return Success();
}

Outcome ApplyJson(RecordKind kind, std::span<std::uint8_t> record, std::string_view text) {
  Json value;
  if (Outcome parsed = ParseJson(text, value); !parsed.ok()) return parsed;
  return ApplyJsonValue(kind, record, value);
}

std::string DumpJson(const Json& value) {
  return value.dump(2, ' ', false, Json::error_handler_t::replace);
}
