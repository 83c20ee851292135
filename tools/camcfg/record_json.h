// A record image as JSON and back, in the shape `camcfg show --json` prints:
// keys are the field names of the layout tables, sub-records nested
// objects, arrays arrays, padding and reserved bytes hex strings under
// "reserved". A text that is not valid UTF-8 is written as {"hex": "..."},
// which the reader accepts too, so no byte is lost on the way.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include <nlohmann/json.hpp>

#include "tools/camcfg/field_values.h"
#include "tools/camcfg/fields.h"

using Json = nlohmann::ordered_json;

Json RecordToJson(RecordKind kind, std::span<const std::uint8_t> record);

// Parses JSON text without exceptions; the message names line and column.
Outcome ParseJson(std::string_view text, Json& value);

// Applies the fields a JSON object names to a record image of
// RecordSize(kind) bytes; fields it leaves out keep their values. Fields are
// applied in the order of the layout table (so ClockMode lands on top of
// ClockZone). A recipient szRecp[i] sets uwRecpLen[i] to its length unless
// the JSON gives uwRecpLen itself. On failure the record is unchanged.
Outcome ApplyJsonValue(RecordKind kind, std::span<std::uint8_t> record, const Json& value);

// ParseJson then ApplyJsonValue: any bytes in, never a crash.
Outcome ApplyJson(RecordKind kind, std::span<std::uint8_t> record, std::string_view text);

// The JSON text as printed: two-space indent, UTF-8.
std::string DumpJson(const Json& value);
