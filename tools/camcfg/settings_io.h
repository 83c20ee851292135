// Reading a settings file of either kind from any path, and writing one
// through the records' own store and load procedures.
#pragma once

#include <cstdint>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "files/menu_data.h"
#include "files/send_set.h"
#include "tools/camcfg/field_values.h"
#include "tools/camcfg/fields.h"

struct SettingsImage {
  RecordKind kind = RecordKind::SendSet;
  std::vector<std::uint8_t> plain;  // decoded, as stored: no load corrections
};

// Reads and decodes a file, telling CFG.BIN (1320 bytes) from menu.dat (44)
// by its size; any other size, a missing file or a folder is an error.
Outcome ReadSettingsImage(const std::filesystem::path& path, SettingsImage& image);

// Stores the image as `fileName` in `folder` with StoreSendSetAs or
// StoreMenuDataAs (temporary file, then replace), then verifies it as the
// screens do: LoadSendSetFrom with the stamp check against the image's
// sTime, or LoadMenuDataFrom with SaveClock set to the image's clock. The
// file's bytes are also read back and compared with the image the store
// meant to write. SavePath is restored afterwards.
Outcome StoreAndVerify(const SettingsImage& image, const std::filesystem::path& folder,
                       const std::string& fileName);

// The checks a record must pass before it may be written at all: the
// structure flag of CFG.BIN, without which the load refuses the file.
Outcome CheckStorable(const SettingsImage& image);

// The local time as Generate and the camera screen take it. Tests replace
// the source; null restores the C library's clock.
using LocalTimeSource = bool (*)(std::tm* local);
void SetLocalTimeSource(LocalTimeSource source);
bool CurrentLocalTime(std::tm* local);

// sTime from a local time: year - 2000 from 2000 on, year - 1900 before, in
// 8 bits.
SendTime SendTimeFrom(const std::tm& local);

template <typename Record>
Record RecordFromImage(const SettingsImage& image) {
  Record record{};
  if (image.plain.size() == sizeof(Record))
    std::memcpy(&record, image.plain.data(), sizeof(Record));
  return record;
}

template <typename Record>
SettingsImage ImageOf(RecordKind kind, const Record& record) {
  SettingsImage image;
  image.kind = kind;
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(&record);
  image.plain.assign(bytes, bytes + sizeof(Record));
  return image;
}
