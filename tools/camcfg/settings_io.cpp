#include "tools/camcfg/settings_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "files/codec.h"
#include "files/save_path.h"

namespace {

bool LibraryLocalTime(std::tm* local) {
  const std::time_t now = std::time(nullptr);
#if defined(_WIN32)
  return localtime_s(local, &now) == 0;
#else
  return localtime_r(&now, local) != nullptr;
#endif
}

LocalTimeSource g_localTime = LibraryLocalTime;

std::string Shown(const std::filesystem::path& path) { return path.string(); }

// The bytes the store was asked to write: the image with the store's stamp.
std::vector<std::uint8_t> StampedImage(const SettingsImage& image) {
  std::vector<std::uint8_t> expected = image.plain;
  if (image.kind == RecordKind::SendSet) {
    expected[0] |= IF_SEND_BY_APP_SET_FLG;
  } else {
    expected[offsetof(MenuData, Flag)] = kMenuDataFlag & 0xFF;
    expected[offsetof(MenuData, Flag) + 1] = kMenuDataFlag >> 8;
  }
  return expected;
}

// Puts SavePath back whatever happens in between.
class SavePathScope {
 public:
  SavePathScope() : previous_(SavePath) {}
  ~SavePathScope() { SetSavePath(previous_.c_str()); }
  SavePathScope(const SavePathScope&) = delete;
  SavePathScope& operator=(const SavePathScope&) = delete;

 private:
  std::string previous_;
};

}  // namespace

void SetLocalTimeSource(LocalTimeSource source) {
  g_localTime = source != nullptr ? source : LibraryLocalTime;
}

bool CurrentLocalTime(std::tm* local) { return g_localTime(local); }

SendTime SendTimeFrom(const std::tm& local) {
  const int year = local.tm_year + 1900;
  SendTime t{};
  t.byYear = static_cast<std::uint8_t>(year >= 2000 ? year - 2000 : year - 1900);
  t.byMonth = static_cast<std::uint8_t>(local.tm_mon + 1);
  t.byDay = static_cast<std::uint8_t>(local.tm_mday);
  t.byHour = static_cast<std::uint8_t>(local.tm_hour);
  t.byMinute = static_cast<std::uint8_t>(local.tm_min);
  t.bySecond = static_cast<std::uint8_t>(local.tm_sec);
  return t;
}

Outcome ReadSettingsImage(const std::filesystem::path& path, SettingsImage& image) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (ec || !std::filesystem::exists(status))
    return Failure("cannot open " + Shown(path) + ": no such file");
  if (std::filesystem::is_directory(status))
    return Failure(Shown(path) + " is a folder, not a settings file");
  const auto size = std::filesystem::file_size(path, ec);
  if (ec) return Failure("cannot read " + Shown(path) + ": " + ec.message());
  RecordKind kind;
  if (size == kSendSetSize) {
    kind = RecordKind::SendSet;
  } else if (size == kMenuDataSize) {
    kind = RecordKind::MenuData;
  } else {
    return Failure(Shown(path) + " is " + std::to_string(size) + " bytes; a CFG.BIN is " +
                   std::to_string(kSendSetSize) + " bytes and a menu.dat " +
                   std::to_string(kMenuDataSize) + " bytes");
  }

  std::FILE* file = std::fopen(path.string().c_str(), "rb");
  if (file == nullptr)
    return Failure("cannot read " + Shown(path) + ": " + std::generic_category().message(errno));
  // One byte more than wanted: a file that changed size since is noticed.
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size) + 1);
  const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
  if (got != size) return Failure(Shown(path) + " changed while it was read");
  bytes.resize(got);
  UnscrambleBytes(bytes.data(), static_cast<std::int32_t>(bytes.size()));
  image.kind = kind;
  image.plain = std::move(bytes);
  return Success();
}

Outcome CheckStorable(const SettingsImage& image) {
  if (image.kind != RecordKind::SendSet) return Success();
  const SendSet record = RecordFromImage<SendSet>(image);
  if (record.uwStructFlag != kSendSetStructFlag)
    return Failure(
        "uwStructFlag: must be 4101 (0x1005); the camera and the load refuse "
        "any other value");
  return Success();
}

Outcome StoreAndVerify(const SettingsImage& image, const std::filesystem::path& folder,
                       const std::string& fileName) {
  if (image.plain.size() != RecordSize(image.kind)) return Failure("record image of wrong size");
  const std::filesystem::path target = folder / fileName;
  SavePathScope keepSavePath;
  if (!SetSavePath(folder.string().c_str()))
    return Failure(Shown(folder) + ": the folder path is longer than " +
                   std::to_string(kSavePathMax) + " characters");

  int stored = 0;
  bool verified = false;
  if (image.kind == RecordKind::SendSet) {
    g_sSendSet = RecordFromImage<SendSet>(image);
    stored = StoreSendSetAs(fileName.c_str());
    if (stored) {
      g_sGenTime = g_sSendSet.sTime;
      verified = LoadSendSetFrom(fileName.c_str(), 1) == 1;
    }
  } else {
    g_sMenuData = RecordFromImage<MenuData>(image);
    stored = StoreMenuDataAs(fileName.c_str());
    if (stored) {
      const MenuData& m = g_sMenuData;
      SaveClock = ClockStamp{m.Year, m.Month, m.Day, m.Hour, m.Minute, m.Second};
      verified = LoadMenuDataFrom(fileName.c_str());
    }
  }
  if (!stored) return Failure("cannot write " + Shown(target));
  if (!verified) return Failure(Shown(target) + " was written but does not load back");

  SettingsImage readBack;
  if (Outcome read = ReadSettingsImage(target, readBack); !read.ok())
    return Failure(Shown(target) + " was written but cannot be read back: " + read.error);
  if (readBack.kind != image.kind || readBack.plain != StampedImage(image))
    return Failure(Shown(target) + " was written but does not hold what was meant");
  return Success();
}
