// The layout of both settings records as data: every field's name, place,
// kind and meaning. show, --set and the JSON reader and writer all work from
// these tables, so a field is described in exactly one place.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

enum class RecordKind { SendSet, MenuData };

enum class FieldKind {
  U8,    // unsigned byte
  U16,   // unsigned 16-bit word, little-endian
  I32,   // signed 32-bit integer, little-endian
  Bits,  // a group of bits of one byte (mask), shown as a number from bit 0
  Text,  // zero-terminated text in a field of `size` bytes
  Hex,   // padding or reserved bytes, shown as a hex string
};

struct FieldDesc {
  std::string_view name;  // dotted as in the JSON: "sSmtpSet.iPort"
  std::size_t offset;     // of the first element
  FieldKind kind;
  std::size_t size;   // bytes of one element
  int count;          // elements: 1, or 4 for the arrays
  std::uint8_t mask;  // Bits only
  std::string_view meaning;
};

std::span<const FieldDesc> FieldTable(RecordKind kind);
std::size_t RecordSize(RecordKind kind);
// "CFG.BIN" or "menu.dat".
std::string_view RecordFileName(RecordKind kind);

// The field of exactly this name ("szRecp" for the whole array), or null.
const FieldDesc* FieldNamed(RecordKind kind, std::string_view name);

// A field and, for the arrays, one of its entries.
struct FieldRef {
  const FieldDesc* field = nullptr;
  int index = 0;
};

// Looks a name up: "bySendBy", "sSmtpSet.iPort", "szRecp[2]". An array
// entry needs its index; an index on anything else finds nothing. Returns a
// null field when the name is not one of the table's.
FieldRef FindField(RecordKind kind, std::string_view name);

// True when some field's name starts with `prefix` followed by a dot: the
// name of a sub-record ("sSmtpSet", "reserved").
bool IsGroupName(RecordKind kind, std::string_view prefix);

// Byte offset of one element of a field.
constexpr std::size_t ElementOffset(const FieldDesc& field, int index) {
  return field.offset + static_cast<std::size_t>(index) * field.size;
}

// Largest value of a Bits field, counted from its lowest bit.
std::uint32_t BitsMaximum(const FieldDesc& field);
int BitsShift(const FieldDesc& field);
