// Reading and writing one field of a record's plain byte image, and the
// NAME=VALUE assignments of --set and `camcfg set`. Every function takes
// arbitrary bytes and reports bad input as a message; none of them throws or
// writes outside the record.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "tools/camcfg/fields.h"

// Empty error: success. Otherwise a one-line message for the user.
struct Outcome {
  std::string error;
  bool ok() const { return error.empty(); }
};

inline Outcome Success() { return {}; }
Outcome Failure(std::string message);

// "szRecp[2]" for an array entry, the plain name otherwise.
std::string EntryName(const FieldRef& ref);

// The value of a numeric field (U8, U16, I32, Bits).
std::int64_t ReadNumber(const FieldRef& ref, std::span<const std::uint8_t> record);
// A text: its bytes up to the terminator or the end of its field.
std::string_view ReadText(const FieldRef& ref, std::span<const std::uint8_t> record);
// Hex field as lower-case hex digits, two per byte.
std::string ReadHex(const FieldRef& ref, std::span<const std::uint8_t> record);

// Writers check the value against the field and leave the record untouched
// when it does not fit.
Outcome WriteNumber(const FieldRef& ref, std::span<std::uint8_t> record, std::int64_t value);
// Texts keep the bytes after the new terminator, as the program's screens do.
Outcome WriteText(const FieldRef& ref, std::span<std::uint8_t> record, std::string_view text);
Outcome WriteHex(const FieldRef& ref, std::span<std::uint8_t> record, std::string_view hex);

// Parses a number as typed on the command line: decimal, optionally negative,
// or hexadecimal after 0x.
Outcome ParseInteger(std::string_view text, std::int64_t& value);
// Two hex digits per byte.
Outcome ParseHexBytes(std::string_view hex, std::string& bytes);
std::string HexOf(std::string_view bytes);

// Writes a value given as command-line text, read according to the field's kind.
Outcome WriteFromText(const FieldRef& ref, std::span<std::uint8_t> record, std::string_view value);

// The record-specific consequence of writing an entry: on CFG.BIN a
// recipient szRecp[i] sets uwRecpLen[i] to its length, as the send page does.
void ApplyCompanion(RecordKind kind, const FieldRef& ref, std::span<std::uint8_t> record);

struct Assignment {
  std::string name;
  std::string value;
};

// Splits "NAME=VALUE" at the first '='. The name must be non-empty.
Outcome ParseAssignment(std::string_view text, Assignment& assignment);

// Parses and applies one assignment to a record image of RecordSize(kind)
// bytes (a shorter span is refused). On failure the record is unchanged.
Outcome ApplyAssignment(RecordKind kind, std::span<std::uint8_t> record, std::string_view text);

bool IsValidUtf8(std::string_view text);
// A text for a terminal: in double quotes, with backslash, quote, control
// bytes and bytes that are not UTF-8 escaped (\n, \xNN).
std::string QuotedText(std::string_view text);
