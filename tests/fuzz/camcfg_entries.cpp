#include "fuzz/camcfg_entries.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "files/menu_data.h"
#include "files/send_set.h"
#include "tools/camcfg/field_values.h"
#include "tools/camcfg/fields.h"
#include "tools/camcfg/record_json.h"

namespace {

using Image = std::vector<std::uint8_t>;

RecordKind KindOf(std::uint8_t selector) {
  return (selector & 1) != 0 ? RecordKind::MenuData : RecordKind::SendSet;
}

template <typename Record>
Image BytesOf(const Record& record) {
  const auto* p = reinterpret_cast<const std::uint8_t*>(&record);
  return {p, p + sizeof(Record)};
}

// The record an input is applied to. Exactly RecordSize bytes on the heap,
// so that a write past the record is caught by the sanitizer.
Image StartImage(RecordKind kind, std::uint8_t selector) {
  if ((selector & 2) != 0) return Image(RecordSize(kind), 0xFF);
  return kind == RecordKind::SendSet ? BytesOf(FreshSendSet()) : BytesOf(FactoryMenuData());
}

// True when `before` and `after` differ only inside [begin, end) or, for
// the companion, [begin2, end2).
bool ChangedOnlyWithin(const Image& before, const Image& after, std::size_t begin, std::size_t end,
                       std::size_t begin2, std::size_t end2) {
  for (std::size_t i = 0; i < before.size(); ++i) {
    const bool inside = (i >= begin && i < end) || (i >= begin2 && i < end2);
    if (!inside && before[i] != after[i]) return false;
  }
  return true;
}

const char* CheckAssignment(RecordKind kind, Image& record, std::string_view text) {
  const Image before = record;
  const Outcome applied = ApplyAssignment(kind, record, text);
  if (!applied.ok()) {
    if (record != before) return "a refused assignment changed the record";
    return nullptr;
  }
  Assignment assignment;
  if (!ParseAssignment(text, assignment).ok()) return "an applied assignment does not parse";
  const FieldRef ref = FindField(kind, assignment.name);
  if (ref.field == nullptr) return "an applied assignment names no field";

  const std::size_t begin = ElementOffset(*ref.field, ref.index);
  const std::size_t end = begin + ref.field->size;
  std::size_t begin2 = 0;
  std::size_t end2 = 0;
  if (kind == RecordKind::SendSet && ref.field->name == "szRecp") {
    begin2 = offsetof(SendSet, uwRecpLen) + 2 * static_cast<std::size_t>(ref.index);
    end2 = begin2 + 2;
  }
  if (!ChangedOnlyWithin(before, record, begin, end, begin2, end2))
    return "an assignment changed bytes outside its field";

  const Image once = record;
  if (!ApplyAssignment(kind, record, text).ok())
    return "an assignment that applied once fails again";
  if (record != once) return "applying an assignment twice differs from once";
  return nullptr;
}

// A text filled to the last byte of its field, as a file made elsewhere may
// hold: shown in full, but no field may be written without its terminator.
bool HasUnterminatedText(RecordKind kind, const Image& record) {
  for (const FieldDesc& field : FieldTable(kind)) {
    if (field.kind != FieldKind::Text) continue;
    for (int i = 0; i < field.count; ++i)
      if (ReadText(FieldRef{&field, i}, record).size() == field.size) return true;
  }
  return false;
}

// Shows `record` as JSON, reads that back onto `record` itself (nothing may
// change) and onto the other start record (what it shows must be the same).
const char* CheckJsonRoundTrip(RecordKind kind, const Image& record, std::uint8_t selector) {
  const std::string shown = DumpJson(RecordToJson(kind, record));
  Image same = record;
  if (const Outcome back = ApplyJson(kind, same, shown); !back.ok()) {
    if (HasUnterminatedText(kind, record) && same == record) return nullptr;
    return "the JSON a record shows as is refused when read back";
  }
  if (same != record) return "reading back a record's own JSON changed it";

  Image other = StartImage(kind, selector ^ 2);
  if (!ApplyJson(kind, other, shown).ok()) return "a record's JSON is refused on another record";
  if (DumpJson(RecordToJson(kind, other)) != shown)
    return "a record's JSON read onto another record shows differently";
  return nullptr;
}

}  // namespace

const char* CheckCamcfgSet(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return nullptr;
  const RecordKind kind = KindOf(data[0]);
  Image record = StartImage(kind, data[0]);
  std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  while (true) {
    const std::size_t end = rest.find('\n');
    if (const char* broken = CheckAssignment(kind, record, rest.substr(0, end))) return broken;
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  return nullptr;
}

const char* CheckCamcfgJson(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return nullptr;
  const RecordKind kind = KindOf(data[0]);
  if ((data[0] & 4) != 0) {
    Image record = StartImage(kind, data[0]);
    const std::size_t given = size - 1 < record.size() ? size - 1 : record.size();
    std::copy(data + 1, data + 1 + given, record.begin());
    return CheckJsonRoundTrip(kind, record, data[0]);
  }
  Image record = StartImage(kind, data[0]);
  const Image before = record;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  if (!ApplyJson(kind, record, text).ok()) {
    if (record != before) return "refused JSON changed the record";
    return nullptr;
  }
  return CheckJsonRoundTrip(kind, record, data[0]);
}
