#include "fuzz/fuzz_entries.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "files/codec.h"
#include "files/menu_data.h"
#include "files/save_path.h"
#include "files/send_set.h"

namespace {

// PC zone used while checking: local hour 8 of the epoch, row 20 (UTC+08).
constexpr int kPcHour = 8;
constexpr std::uint8_t kPcZoneRow = 20;
int PcHour() { return kPcHour; }

std::string& ScratchFolderName() {
  static std::string name;
  return name;
}

void RemoveScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(ScratchFolderName(), ignored);
}

// One folder per process, removed at exit; the runs reuse it.
const std::string& ScratchFolder() {
  std::string& name = ScratchFolderName();
  if (name.empty()) {
    std::error_code error;
    const auto base = std::filesystem::temp_directory_path(error);
    if (error) return name;
    const auto folder = base / ("camsetup-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder, error);
    if (error) return name;
    name = folder.string();
    std::atexit(RemoveScratchFolder);
  }
  return name;
}

// Makes the scratch folder SavePath for one check and restores the shared
// state the check changes.
class CheckScope {
 public:
  CheckScope()
      : previous_(SavePath),
        ok_(!ScratchFolder().empty() && SetSavePath(ScratchFolder().c_str())) {}
  ~CheckScope() {
    SetSavePath(previous_.c_str());
    SetEpochLocalHourSource(nullptr);
    SaveClock = ClockStamp{};
  }
  CheckScope(const CheckScope&) = delete;
  CheckScope& operator=(const CheckScope&) = delete;
  bool ok() const { return ok_; }

 private:
  std::string previous_;
  bool ok_;
};

bool WriteFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
  return std::fclose(file) == 0 && written;
}

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::vector<std::uint8_t> bytes;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return bytes;
  std::uint8_t chunk[4096];
  for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, file)) > 0;)
    bytes.insert(bytes.end(), chunk, chunk + got);
  std::fclose(file);
  return bytes;
}

template <typename Record>
bool SameBytes(const Record& a, const Record& b) {
  return std::memcmp(&a, &b, sizeof(Record)) == 0;
}

template <typename Record>
Record Decode(const std::uint8_t* data) {
  std::uint8_t plain[sizeof(Record)];
  std::memcpy(plain, data, sizeof plain);
  UnscrambleBytes(plain, static_cast<std::int32_t>(sizeof plain));
  Record record;
  std::memcpy(&record, plain, sizeof record);
  return record;
}

template <typename Record>
std::vector<std::uint8_t> Encode(const Record& record) {
  std::vector<std::uint8_t> bytes(sizeof(Record));
  std::memcpy(bytes.data(), &record, sizeof(Record));
  ScrambleBytes(bytes.data(), static_cast<std::int32_t>(bytes.size()));
  return bytes;
}

// A live record no load produces by accident, to see whether a refused
// file left it alone.
SendSet MarkerSendSet() {
  SendSet record = FreshSendSet();
  record.byOperatorCountry = 0xA5;
  record.DebugUrl[60] = 0x5A;
  return record;
}

MenuData MarkerMenuData() {
  MenuData record = FactoryMenuData();
  record.CapMode = 0xA5;
  record.Reserved2 = 0x5A;
  return record;
}

// Fields the load corrects; every other byte must come through unchanged.
bool IsCorrectedByte(std::size_t offset) {
  return offset == offsetof(SendSet, bySendBy) || offset == offsetof(SendSet, bySendMode) ||
         offset == offsetof(SendSet, byRemoteSwitch) ||
         offset == offsetof(SendSet, byRemoteInterval) ||
         offset == offsetof(SendSet, bySendFileNum);
}

// `record` is what the load made of the plain image `file` (flag correct).
const char* CheckCorrections(const SendSet& record, const SendSet& file) {
  const auto* got = reinterpret_cast<const std::uint8_t*>(&record);
  const auto* had = reinterpret_cast<const std::uint8_t*>(&file);
  for (std::size_t i = 0; i < kSendSetSize; ++i)
    if (!IsCorrectedByte(i) && got[i] != had[i]) return "the load changed a byte it must carry";

  const std::uint8_t sendBy = file.bySendBy & static_cast<std::uint8_t>(~IF_SEND_BY_APP_SET_FLG);
  const std::uint8_t expected = sendBy == kSendByCloud ? std::uint8_t{kSendByClose3G} : sendBy;
  if (record.bySendBy != expected)
    return "bySendBy was not the file's value without the stamp bit (cloud as 0)";
  if (record.bySendMode != 0) return "bySendMode was not forced to 0";
  if (record.bySendFileNum != (file.bySendFileNum > 4 ? 0 : file.bySendFileNum))
    return "bySendFileNum above 4 was not cleared, or a valid one was changed";
  const std::uint8_t interval =
      file.byRemoteInterval > kRemoteIntervalOff ? 0 : file.byRemoteInterval;
  if (record.byRemoteInterval != interval) return "byRemoteInterval was not corrected";
  if (record.byRemoteSwitch != (interval == kRemoteIntervalOff ? 0 : 1))
    return "byRemoteSwitch does not match byRemoteInterval";
  return nullptr;
}

const char* CheckNormalizeRaw(const std::uint8_t* data) {
  SendSet raw;
  std::memcpy(&raw, data, kSendSetSize);
  SendSet record = raw;
  const int usable = NormalizeSendSet(record);
  if (raw.uwStructFlag != kSendSetStructFlag) {
    SendSet reset{};
    reset.uwStructFlag = kSendSetStructFlag;
    if (usable != 0) return "NormalizeSendSet accepted a wrong structure flag";
    if (!SameBytes(record, reset)) return "NormalizeSendSet did not reset a wrong flag";
    return nullptr;
  }
  if (usable != 1) return "NormalizeSendSet refused a right structure flag";
  if (const char* broken = CheckCorrections(record, raw)) return broken;
  SendSet again = record;
  if (NormalizeSendSet(again) != 1 || !SameBytes(again, record))
    return "NormalizeSendSet is not idempotent";
  return nullptr;
}

}  // namespace

const char* CheckLoadCfg(const std::uint8_t* data, std::size_t size) {
  CheckScope scope;
  if (!scope.ok()) return "the scratch folder cannot be SavePath";
  const std::string path = SettingsFilePath(kSendSetFileName);
  if (!WriteFile(path, data, size)) return "the input cannot be written";

  const SendSet marker = MarkerSendSet();
  const bool rightSize = size == kSendSetSize;
  const SendSet file = rightSize ? Decode<SendSet>(data) : SendSet{};

  g_sSendSet = marker;
  const int loaded = LoadSendSet(0);
  if (!rightSize) {
    if (loaded != 0) return "a file of the wrong size was accepted";
    if (!SameBytes(g_sSendSet, marker)) return "a file of the wrong size changed the record";
  } else if (file.uwStructFlag != kSendSetStructFlag) {
    SendSet reset{};
    reset.uwStructFlag = kSendSetStructFlag;
    if (loaded != 0) return "a wrong structure flag was accepted";
    if (!SameBytes(g_sSendSet, reset)) return "a wrong structure flag did not reset the record";
  } else {
    if (loaded != 1) return "a file with the right size and flag was refused";
    if (const char* broken = CheckCorrections(g_sSendSet, file)) return broken;
  }
  const SendSet result = g_sSendSet;

  if (rightSize) {
    g_sGenTime = file.sTime;
    g_sSendSet = marker;
    if (LoadSendSet(1) != loaded || !SameBytes(g_sSendSet, result))
      return "the verification load of a matching stamp differs from the plain load";
    g_sGenTime.bySecond ^= 1;
    g_sSendSet = marker;
    if (LoadSendSet(1) != 0) return "a stamp differing in the seconds passed verification";
    if (!SameBytes(g_sSendSet, result))
      return "a failed stamp verification did not keep the record";
    g_sGenTime = SendTime{};
  }

  if (loaded == 1) {
    g_sSendSet = result;
    if (StoreSendSet() != 1) return "storing a loaded record failed";
    SendSet stamped = result;
    stamped.bySendBy |= IF_SEND_BY_APP_SET_FLG;
    if (ReadFile(path) != Encode(stamped))
      return "the stored file is not the encoded, stamped record";
    if (!SameBytes(g_sSendSet, result)) return "the store changed the live record";
    g_sSendSet = marker;
    if (LoadSendSet(0) != 1) return "a stored record did not load again";
    if (!SameBytes(g_sSendSet, result)) return "a store and load changed the record";
  }

  if (rightSize) return CheckNormalizeRaw(data);
  return nullptr;
}

const char* CheckLoadMenu(const std::uint8_t* data, std::size_t size) {
  CheckScope scope;
  if (!scope.ok()) return "the scratch folder cannot be SavePath";
  SetEpochLocalHourSource(PcHour);
  const std::string path = SettingsFilePath(kMenuDataFileName);
  if (!WriteFile(path, data, size)) return "the input cannot be written";

  const MenuData marker = MarkerMenuData();
  const bool rightSize = size == kMenuDataSize;
  const MenuData file = rightSize ? Decode<MenuData>(data) : MenuData{};

  g_sMenuData = marker;
  TimeZoneIndex = 0xEE;
  SaveClock = ClockStamp{};
  const bool loaded = LoadMenuData();
  if (!rightSize) {
    if (loaded) return "a file of the wrong size was accepted";
    if (!SameBytes(g_sMenuData, marker)) return "a file of the wrong size changed the record";
    if (TimeZoneIndex != kPcZoneRow) return "a failed load did not leave the PC's zone";
    return nullptr;
  }

  if (!loaded) return "a 44-byte file was refused without a captured clock";
  MenuData expected = file;
  const std::uint8_t zoneByte = file.ClockZone;
  expected.ClockZone = zoneByte & kClockModeMask;
  const std::uint8_t zone = (zoneByte & 0xFC) != 0
                                ? static_cast<std::uint8_t>((zoneByte & kZoneRowMask) >> 2)
                                : kPcZoneRow;
  if (!SameBytes(g_sMenuData, expected)) return "the load did not keep the file's bytes";
  if (TimeZoneIndex != zone) return "the time zone row is not the file's (or the PC's)";

  if (file.Year != 0) {
    SaveClock = ClockStamp{file.Year, file.Month, file.Day, file.Hour, file.Minute, file.Second};
    g_sMenuData = marker;
    if (!LoadMenuData()) return "a file holding the captured clock failed verification";
    SaveClock.second ^= 1;
    g_sMenuData = marker;
    if (LoadMenuData()) return "a clock differing in the seconds passed verification";
    if (!SameBytes(g_sMenuData, expected))
      return "a clock mismatch did not keep the file's content";
    if (TimeZoneIndex != zone) return "a clock mismatch did not keep the file's zone";
    SaveClock = ClockStamp{};
  }

  g_sMenuData = expected;
  if (StoreMenuData() != 1) return "storing a loaded record failed";
  MenuData stored = expected;
  stored.Flag = kMenuDataFlag;
  if (ReadFile(path) != Encode(stored)) return "the stored file is not the encoded record";
  g_sMenuData = marker;
  if (!LoadMenuData()) return "a stored record did not load again";
  if (!SameBytes(g_sMenuData, stored)) return "a store and load changed the record";
  if (TimeZoneIndex != kPcZoneRow) return "a record stored without a zone brought one back";
  return nullptr;
}
