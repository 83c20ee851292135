#include "tools/camcfg/field_values.h"

#include <charconv>
#include <cstring>
#include <limits>
#include <vector>

namespace {

struct Range {
  std::int64_t low;
  std::int64_t high;
};

Range RangeOf(const FieldDesc& field) {
  switch (field.kind) {
    case FieldKind::U8:
      return {0, 0xFF};
    case FieldKind::U16:
      return {0, 0xFFFF};
    case FieldKind::I32:
      return {std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()};
    case FieldKind::Bits:
      return {0, static_cast<std::int64_t>(BitsMaximum(field))};
    default:
      return {0, -1};
  }
}

bool IsNumeric(FieldKind kind) {
  return kind == FieldKind::U8 || kind == FieldKind::U16 || kind == FieldKind::I32 ||
         kind == FieldKind::Bits;
}

// The record must hold every byte the field names.
bool Fits(const FieldRef& ref, std::size_t recordSize) {
  return ref.field != nullptr && ref.index >= 0 && ref.index < ref.field->count &&
         ElementOffset(*ref.field, ref.index) + ref.field->size <= recordSize;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Length of the UTF-8 sequence starting at text[i], or 0 when it is not one.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  std::uint32_t minimum = 0;
  std::uint32_t code = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, minimum = 0x80, code = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, minimum = 0x800, code = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, minimum = 0x10000, code = lead & 0x07;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(i + k) & 0x3F);
  }
  if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

}  // namespace

Outcome Failure(std::string message) { return Outcome{std::move(message)}; }

std::string EntryName(const FieldRef& ref) {
  if (ref.field == nullptr) return {};
  std::string name(ref.field->name);
  if (ref.field->count > 1) name += "[" + std::to_string(ref.index) + "]";
  return name;
}

std::int64_t ReadNumber(const FieldRef& ref, std::span<const std::uint8_t> record) {
  if (!Fits(ref, record.size()) || !IsNumeric(ref.field->kind)) return 0;
  const std::uint8_t* p = record.data() + ElementOffset(*ref.field, ref.index);
  switch (ref.field->kind) {
    case FieldKind::U8:
      return p[0];
    case FieldKind::U16:
      return p[0] | (p[1] << 8);
    case FieldKind::I32: {
      const std::uint32_t u =
          static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
          (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
      return static_cast<std::int32_t>(u);
    }
    default:
      return (p[0] & ref.field->mask) >> BitsShift(*ref.field);
  }
}

std::string_view ReadText(const FieldRef& ref, std::span<const std::uint8_t> record) {
  if (!Fits(ref, record.size()) || ref.field->kind != FieldKind::Text) return {};
  const char* p =
      reinterpret_cast<const char*>(record.data()) + ElementOffset(*ref.field, ref.index);
  const void* end = std::memchr(p, '\0', ref.field->size);
  const std::size_t length = end != nullptr
                                 ? static_cast<std::size_t>(static_cast<const char*>(end) - p)
                                 : ref.field->size;
  return {p, length};
}

std::string ReadHex(const FieldRef& ref, std::span<const std::uint8_t> record) {
  if (!Fits(ref, record.size())) return {};
  const char* p =
      reinterpret_cast<const char*>(record.data()) + ElementOffset(*ref.field, ref.index);
  return HexOf({p, ref.field->size});
}

std::string HexOf(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(bytes.size() * 2);
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    hex += kDigits[b >> 4];
    hex += kDigits[b & 0x0F];
  }
  return hex;
}

Outcome WriteNumber(const FieldRef& ref, std::span<std::uint8_t> record, std::int64_t value) {
  if (!Fits(ref, record.size()) || !IsNumeric(ref.field->kind))
    return Failure(EntryName(ref) + ": not a number field");
  const Range range = RangeOf(*ref.field);
  if (value < range.low || value > range.high)
    return Failure(EntryName(ref) + ": " + std::to_string(value) + " is out of range (" +
                   std::to_string(range.low) + ".." + std::to_string(range.high) + ")");
  std::uint8_t* p = record.data() + ElementOffset(*ref.field, ref.index);
  const auto u = static_cast<std::uint32_t>(value);
  switch (ref.field->kind) {
    case FieldKind::U8:
      p[0] = static_cast<std::uint8_t>(u);
      break;
    case FieldKind::U16:
      p[0] = static_cast<std::uint8_t>(u);
      p[1] = static_cast<std::uint8_t>(u >> 8);
      break;
    case FieldKind::I32:
      for (int k = 0; k < 4; ++k) p[k] = static_cast<std::uint8_t>(u >> (8 * k));
      break;
    default: {
      const std::uint8_t mask = ref.field->mask;
      const auto bits = static_cast<std::uint8_t>((u << BitsShift(*ref.field)) & mask);
      p[0] = static_cast<std::uint8_t>((p[0] & ~mask) | bits);
    }
  }
  return Success();
}

Outcome WriteText(const FieldRef& ref, std::span<std::uint8_t> record, std::string_view text) {
  if (!Fits(ref, record.size()) || ref.field->kind != FieldKind::Text)
    return Failure(EntryName(ref) + ": not a text field");
  const std::size_t capacity = ref.field->size - 1;
  if (text.size() > capacity)
    return Failure(EntryName(ref) + ": the text is " + std::to_string(text.size()) +
                   " bytes long; the field holds at most " + std::to_string(capacity) + " bytes");
  if (text.find('\0') != std::string_view::npos)
    return Failure(EntryName(ref) + ": a text cannot contain a zero byte");
  std::uint8_t* p = record.data() + ElementOffset(*ref.field, ref.index);
  std::memcpy(p, text.data(), text.size());
  p[text.size()] = 0;
  return Success();
}

Outcome ParseHexBytes(std::string_view hex, std::string& bytes) {
  if (hex.size() % 2 != 0) return Failure("a hex string needs two digits per byte");
  std::string result;
  result.reserve(hex.size() / 2);
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    const int high = HexDigit(hex[i]);
    const int low = HexDigit(hex[i + 1]);
    if (high < 0 || low < 0) return Failure(QuotedText(hex) + " is not a hex string");
    result += static_cast<char>((high << 4) | low);
  }
  bytes = std::move(result);
  return Success();
}

Outcome WriteHex(const FieldRef& ref, std::span<std::uint8_t> record, std::string_view hex) {
  if (!Fits(ref, record.size()) || ref.field->kind != FieldKind::Hex)
    return Failure(EntryName(ref) + ": not a reserved-bytes field");
  std::string bytes;
  if (Outcome parsed = ParseHexBytes(hex, bytes); !parsed.ok())
    return Failure(EntryName(ref) + ": " + parsed.error);
  if (bytes.size() != ref.field->size)
    return Failure(EntryName(ref) + ": expected " + std::to_string(ref.field->size) + " bytes as " +
                   std::to_string(ref.field->size * 2) + " hex digits");
  std::memcpy(record.data() + ElementOffset(*ref.field, ref.index), bytes.data(), bytes.size());
  return Success();
}

Outcome ParseInteger(std::string_view text, std::int64_t& value) {
  const Outcome notNumber = Failure(QuotedText(text) + " is not a number");
  std::string_view digits = text;
  bool negative = false;
  if (!digits.empty() && digits.front() == '-') {
    negative = true;
    digits.remove_prefix(1);
  }
  int base = 10;
  if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
    base = 16;
    digits.remove_prefix(2);
  }
  if (digits.empty()) return notNumber;
  // from_chars would accept a sign of its own after ours.
  for (char c : digits)
    if (base == 10 ? (c < '0' || c > '9') : HexDigit(c) < 0) return notNumber;
  std::uint64_t magnitude = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), magnitude, base);
  if (error == std::errc::result_out_of_range ||
      magnitude > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
    return Failure(std::string(text) + " is out of range");
  if (error != std::errc() || end != digits.data() + digits.size()) return notNumber;
  value = negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
  return Success();
}

Outcome WriteFromText(const FieldRef& ref, std::span<std::uint8_t> record, std::string_view value) {
  if (ref.field == nullptr) return Failure("unknown field");
  switch (ref.field->kind) {
    case FieldKind::Text:
      return WriteText(ref, record, value);
    case FieldKind::Hex:
      return WriteHex(ref, record, value);
    default: {
      std::int64_t number = 0;
      if (Outcome parsed = ParseInteger(value, number); !parsed.ok())
        return Failure(EntryName(ref) + ": " + parsed.error);
      return WriteNumber(ref, record, number);
    }
  }
}

void ApplyCompanion(RecordKind kind, const FieldRef& ref, std::span<std::uint8_t> record) {
  if (kind != RecordKind::SendSet || ref.field == nullptr || ref.field->name != "szRecp") return;
  const FieldRef length{FieldNamed(kind, "uwRecpLen"), ref.index};
  WriteNumber(length, record, static_cast<std::int64_t>(ReadText(ref, record).size()));
}

Outcome ParseAssignment(std::string_view text, Assignment& assignment) {
  const std::size_t equals = text.find('=');
  if (equals == std::string_view::npos)
    return Failure(QuotedText(text) + " is not of the form NAME=VALUE");
  if (equals == 0) return Failure(QuotedText(text) + " has no field name before '='");
  assignment.name = std::string(text.substr(0, equals));
  assignment.value = std::string(text.substr(equals + 1));
  return Success();
}

Outcome ApplyAssignment(RecordKind kind, std::span<std::uint8_t> record, std::string_view text) {
  if (record.size() < RecordSize(kind)) return Failure("record image too short");
  Assignment assignment;
  if (Outcome parsed = ParseAssignment(text, assignment); !parsed.ok()) return parsed;
  const FieldRef ref = FindField(kind, assignment.name);
  if (ref.field == nullptr) {
    const FieldDesc* array = FieldNamed(kind, assignment.name);
    if (array != nullptr && array->count > 1)
      return Failure(std::string(array->name) + " is a list: name one entry, " +
                     std::string(array->name) + "[0] to " + std::string(array->name) + "[" +
                     std::to_string(array->count - 1) + "]");
    return Failure("unknown field " + QuotedText(assignment.name) + " in " +
                   std::string(RecordFileName(kind)));
  }
  // Work on a copy so that a failure leaves the record as it was.
  std::vector<std::uint8_t> work(record.begin(), record.begin() + RecordSize(kind));
  if (Outcome written = WriteFromText(ref, work, assignment.value); !written.ok()) return written;
  ApplyCompanion(kind, ref, work);
  std::memcpy(record.data(), work.data(), work.size());
  return Success();
}

bool IsValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = Utf8SequenceLength(text, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::string QuotedText(std::string_view text) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size();) {
    const auto b = static_cast<unsigned char>(text[i]);
    const std::size_t length = Utf8SequenceLength(text, i);
    if (length > 1) {
      out.append(text.substr(i, length));
      i += length;
      continue;
    }
    ++i;
    switch (b) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (b < 0x20 || b >= 0x7F) {
          out += "\\x";
          out += kDigits[b >> 4];
          out += kDigits[b & 0x0F];
        } else {
          out += static_cast<char>(b);
        }
    }
  }
  out += '"';
  return out;
}
