// Hostile files and failing media around the store and load of both
// settings files. Runs as root, so permission bits stop nothing: a full
// medium is /dev/full or a file size limit, a locked or pulled card is a
// folder that is not there or not a folder, and the file changing between
// the size probe and the read is done from the trace line printed between
// the two.
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "files/codec.h"
#include "files/menu_data.h"
#include "files/save_path.h"
#include "files/send_set.h"
#include "files/text_field.h"
#include "files/trace.h"
#include "support/test_support.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kSeparator = "________________________________________________";

// One settings file with what a test needs to store it twice (an earlier
// file, then the next Generate) and to run the caller's verification load.
struct SettingsFile {
  const char* name;
  std::size_t size;
  void (*makePrevious)();
  void (*makeNext)();
  int (*store)();
  bool (*load)();    // the first load of a run
  bool (*verify)();  // the load that follows every store
  std::vector<std::uint8_t> (*live)();
};

void CfgPrevious() {
  ResetSendSet();
  g_sSendSet.sTime = SendTime{24, 2, 29, 10, 20, 30};
  g_sGenTime = g_sSendSet.sTime;
  CopyText(g_sSendSet.szRecp[0], "+8613800000001");
}
void CfgNext() {
  g_sSendSet.sTime.bySecond = 31;
  g_sGenTime = g_sSendSet.sTime;
  CopyText(g_sSendSet.szRecp[0], "+8613800000002");
}
std::vector<std::uint8_t> CfgLive() { return PlainBytes(g_sSendSet); }

void MenuClock(std::uint8_t second) {
  g_sMenuData.Year = 2024;
  g_sMenuData.Month = 2;
  g_sMenuData.Day = 29;
  g_sMenuData.Hour = 10;
  g_sMenuData.Minute = 20;
  g_sMenuData.Second = second;
  SaveClock = ClockStamp{2024, 2, 29, 10, 20, second};
}
void MenuPrevious() {
  DefaultMenuData();
  MenuClock(30);
}
void MenuNext() {
  g_sMenuData.CapMode = 2;
  MenuClock(31);
}
std::vector<std::uint8_t> MenuLive() { return PlainBytes(g_sMenuData); }

const SettingsFile kFiles[] = {
    {"CFG.BIN", kSendSetSize, CfgPrevious, CfgNext, StoreSendSet,
     [] { return LoadSendSet(0) == 1; }, [] { return LoadSendSet(1) == 1; }, CfgLive},
    {"menu.dat", kMenuDataSize, MenuPrevious, MenuNext, StoreMenuData, LoadMenuData, LoadMenuData,
     MenuLive},
};

void PrintTo(const SettingsFile& file, std::ostream* out) { *out << file.name; }

std::string FileName(const ::testing::TestParamInfo<SettingsFile>& info) {
  return info.param.size == kSendSetSize ? "CfgBin" : "MenuDat";
}

int PcHour() { return 8; }  // UTC+08, row 20

// Collects the trace like TraceCapture and runs `action` once, when a
// piece of trace text starting with `trigger` is printed.
class TraceHook {
 public:
  TraceHook(std::string trigger, std::function<void()> action)
      : trigger_(std::move(trigger)), action_(std::move(action)) {
    SetTraceSink(Sink, this);
  }
  ~TraceHook() { TraceToStdout(); }
  TraceHook(const TraceHook&) = delete;
  TraceHook& operator=(const TraceHook&) = delete;

  bool fired() const { return fired_; }
  bool contains(const std::string& piece) const { return text_.find(piece) != std::string::npos; }
  const std::string& text() const { return text_; }

 private:
  static void Sink(const char* text, std::size_t length, void* context) {
    auto* self = static_cast<TraceHook*>(context);
    self->text_.append(text, length);
    if (!self->fired_ && std::string_view(text, length).starts_with(self->trigger_)) {
      self->fired_ = true;
      self->action_();
    }
  }
  std::string trigger_;
  std::function<void()> action_;
  std::string text_;
  bool fired_ = false;
};

class FileFaults : public ::testing::TestWithParam<SettingsFile> {
 protected:
  void SetUp() override { SetEpochLocalHourSource(PcHour); }
  void TearDown() override {
    SetEpochLocalHourSource(nullptr);
    SaveClock = ClockStamp{};
    g_sGenTime = SendTime{};
  }

  const SettingsFile& file() const { return GetParam(); }
  fs::path target() const { return folder_.file(file().name); }
  fs::path temporary() const { return folder_.file(std::string(file().name) + ".tmp"); }
  std::string targetText() const { return SettingsFilePath(file().name); }

  // Stores the earlier file in SavePath and returns its bytes; the live record then
  // holds the next Generate's record.
  std::vector<std::uint8_t> StorePreviousThenPrepareNext() {
    TraceCapture quiet;
    file().makePrevious();
    EXPECT_EQ(file().store(), 1);
    EXPECT_TRUE(file().verify());
    file().makeNext();
    return ReadBytes(SettingsFilePath(file().name));
  }

  SaveFolder folder_;
};

// --- The store meets a full medium or an obstacle: the earlier file stays.

struct StoreObstacle {
  const char* name;
  // Sets up the fault beside the target; false when this machine cannot.
  bool (*arrange)(const fs::path& temporary);
  // Runs the store with the fault in force.
  int (*run)(int (*store)());
  bool opensTemporary;  // the fault strikes after the temporary was opened
};

bool FullDeviceAtTemporary(const fs::path& temporary) {
  std::error_code error;
  if (!fs::exists("/dev/full", error)) return false;
  fs::create_symlink("/dev/full", temporary, error);
  return !error;
}

bool DirectoryAtTemporary(const fs::path& temporary) {
  std::error_code error;
  return fs::create_directory(temporary, error);
}

bool Nothing(const fs::path&) { return true; }

int PlainStore(int (*store)()) { return store(); }

// The medium fills after `limit` bytes of the temporary: the write gets
// part of the image onto it, then fails.
template <rlim_t limit>
int StoreWithFileSizeLimit(int (*store)()) {
  rlimit previous{};
  getrlimit(RLIMIT_FSIZE, &previous);
  rlimit small = previous;
  small.rlim_cur = limit;
  const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  const int result = store();
  setrlimit(RLIMIT_FSIZE, &previous);
  signal(SIGXFSZ, oldHandler);
  return result;
}

const StoreObstacle kObstacles[] = {
    {"MediumFullFromTheFirstByte", FullDeviceAtTemporary, PlainStore, true},
    {"MediumFillsAfter20Bytes", Nothing, StoreWithFileSizeLimit<20>, true},
    {"DirectoryInTheWayOfTheTemporary", DirectoryAtTemporary, PlainStore, false},
};

TEST_P(FileFaults, FailedStoreLeavesThePreviousFileAndTheVerificationFails) {
  for (const StoreObstacle& obstacle : kObstacles) {
    SCOPED_TRACE(obstacle.name);
    std::error_code ignored;
    fs::remove_all(temporary(), ignored);
    const auto previous = StorePreviousThenPrepareNext();
    ASSERT_EQ(previous.size(), file().size);
    ASSERT_TRUE(obstacle.arrange(temporary())) << "cannot arrange the fault here";

    const auto live = file().live();
    TraceCapture trace;
    EXPECT_EQ(obstacle.run(file().store), 0);
    EXPECT_EQ(ReadBytes(target()), previous);
    EXPECT_EQ(file().live(), live);

    const std::string opened = "Open file - \"" + targetText() + "\" success!";
    const std::string refused = "Open file - \"" + targetText() + "\" err!";
    const std::string unwritten = "Write file - \"" + targetText() + "\" err!";
    EXPECT_EQ(trace.contains(opened), obstacle.opensTemporary) << trace.text();
    EXPECT_EQ(trace.contains(unwritten), obstacle.opensTemporary) << trace.text();
    EXPECT_EQ(trace.contains(refused), !obstacle.opensTemporary) << trace.text();
    ASSERT_FALSE(trace.lines().empty());
    EXPECT_EQ(trace.lines().back(), kSeparator);
    if (obstacle.opensTemporary) {
      EXPECT_FALSE(fs::exists(fs::symlink_status(temporary()))) << "temporary left behind";
    }
    // The caller's verification load reads the earlier file and reports failure.
    EXPECT_FALSE(file().verify());
  }
  EXPECT_TRUE(fs::exists("/dev/full"));
}

// A locked card: the write-protect switch makes the system mount the card
// read only. A memory file system in a mount namespace of this process
// stands in for it.
TEST_P(FileFaults, LockedCardRefusesTheStore) {
  if (unshare(CLONE_NEWNS) != 0) GTEST_SKIP() << "no mount namespace: " << std::strerror(errno);
  ASSERT_EQ(mount("none", "/", "none", MS_REC | MS_PRIVATE, nullptr), 0) << std::strerror(errno);
  const fs::path card = folder_.path() / "card";
  fs::create_directories(card);
  ASSERT_EQ(mount("camsetup-card", card.c_str(), "tmpfs", 0, "size=64k"), 0)
      << std::strerror(errno);
  ASSERT_TRUE(SetSavePath(card.string().c_str()));
  const auto previous = StorePreviousThenPrepareNext();
  ASSERT_EQ(mount("none", card.c_str(), "none", MS_REMOUNT | MS_RDONLY, nullptr), 0)
      << std::strerror(errno);

  {
    TraceCapture trace;
    EXPECT_EQ(file().store(), 0);
    EXPECT_TRUE(trace.contains("Open file - \"" + SettingsFilePath(file().name) + "\" err!"))
        << trace.text();
    EXPECT_EQ(trace.lines().back(), kSeparator);
    EXPECT_EQ(ReadBytes(card / file().name), previous);
    EXPECT_FALSE(file().verify());
  }
  SetSavePath(folder_.path().string().c_str());
  EXPECT_EQ(umount2(card.c_str(), MNT_DETACH), 0);
}

// A card pulled out of a crash earlier leaves a stale temporary; the next
// store must not be stopped by it.
TEST_P(FileFaults, StaleTemporaryFromAnEarlierCrashIsReplaced) {
  StorePreviousThenPrepareNext();
  WriteBytes(temporary(), std::vector<std::uint8_t>(7, 0x55));
  const auto expected = file().live();
  TraceCapture trace;
  EXPECT_EQ(file().store(), 1);
  EXPECT_FALSE(fs::exists(temporary()));
  EXPECT_EQ(ReadBytes(target()).size(), file().size);
  EXPECT_TRUE(file().verify());
  EXPECT_EQ(file().live(), expected);
}

TEST_P(FileFaults, TargetPathIsADirectory) {
  fs::create_directories(target() / "inside");
  file().makePrevious();
  file().makeNext();
  const auto live = file().live();
  {
    TraceCapture trace;
    EXPECT_EQ(file().store(), 0);
    EXPECT_TRUE(trace.contains("Write file - \"" + targetText() + "\" err!")) << trace.text();
    EXPECT_EQ(trace.lines().back(), kSeparator);
  }
  EXPECT_TRUE(fs::is_directory(target() / "inside"));
  EXPECT_FALSE(fs::exists(temporary()));

  TraceCapture trace;
  EXPECT_FALSE(file().verify());
  EXPECT_TRUE(trace.contains("iGetFileSize = 0\n")) << trace.text();
  EXPECT_TRUE(trace.contains("File szie != struct size!")) << trace.text();
  EXPECT_EQ(file().live(), live);
}

TEST_P(FileFaults, SaveFolderIsARegularFile) {
  const fs::path card = folder_.file("card.img");
  WriteBytes(card, {1, 2, 3});
  ASSERT_TRUE(SetSavePath(card.string().c_str()));
  file().makePrevious();
  const auto live = file().live();

  TraceCapture trace;
  EXPECT_EQ(file().store(), 0);
  EXPECT_TRUE(trace.contains("Open file - \"" + targetText() + "\" err!")) << trace.text();
  EXPECT_EQ(trace.lines().back(), kSeparator);
  EXPECT_EQ(ReadBytes(card), (std::vector<std::uint8_t>{1, 2, 3}));
  EXPECT_FALSE(file().verify());
  EXPECT_EQ(file().live(), live);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_.path()), fs::directory_iterator()), 1);
}

// The card is pulled out after the temporary was opened: the folder and
// everything in it are gone before the write.
TEST_P(FileFaults, CardPulledOutDuringTheStore) {
  StorePreviousThenPrepareNext();
  const fs::path folder = folder_.path();
  TraceHook pull("Open file - ", [folder] {
    std::error_code ignored;
    fs::remove_all(folder, ignored);
  });
  EXPECT_EQ(file().store(), 0);
  EXPECT_TRUE(pull.fired());
  EXPECT_TRUE(pull.contains("Write file - \"" + targetText() + "\" err!")) << pull.text();
  EXPECT_FALSE(fs::exists(folder)) << "the store brought the folder back";
}

// --- The file changes between the size probe and the read.

struct ProbeRace {
  const char* name;
  void (*change)(const fs::path& target);
  const char* trace;  // how the refusal after the probe is reported
};

void Vanish(const fs::path& target) { fs::remove(target); }
void ShrinkByOne(const fs::path& target) { fs::resize_file(target, fs::file_size(target) - 1); }
void GrowByOne(const fs::path& target) { fs::resize_file(target, fs::file_size(target) + 1); }
void BecomeDirectory(const fs::path& target) {
  fs::remove(target);
  fs::create_directory(target);
}
void BecomeFifo(const fs::path& target) {
  fs::remove(target);
  ASSERT_EQ(mkfifo(target.string().c_str(), 0600), 0);
}

const ProbeRace kRaces[] = {
    {"Vanishes", Vanish, "err!"},
    {"ShrinksByOneByte", ShrinkByOne, "File szie != struct size!"},
    {"GrowsByOneByte", GrowByOne, "File szie != struct size!"},
    {"BecomesADirectory", BecomeDirectory, "err!"},
    {"BecomesAFifo", BecomeFifo, "err!"},
};

TEST_P(FileFaults, FileChangingBetweenSizeProbeAndReadLeavesTheRecord) {
  for (const ProbeRace& race : kRaces) {
    SCOPED_TRACE(race.name);
    std::error_code ignored;
    fs::remove_all(target(), ignored);
    StorePreviousThenPrepareNext();
    const auto live = file().live();
    const fs::path path = target();
    TraceHook hook("iGetFileSize = ", [&race, path] { race.change(path); });
    alarm(20);  // a load that blocks on the FIFO would hang the run
    EXPECT_FALSE(file().load());
    alarm(0);
    EXPECT_TRUE(hook.fired());
    EXPECT_TRUE(hook.contains("iGetFileSize = " + std::to_string(file().size) + "\n"));
    EXPECT_TRUE(hook.contains(race.trace)) << hook.text();
    EXPECT_EQ(file().live(), live);
    if (file().size == kMenuDataSize) {
      EXPECT_EQ(TimeZoneIndex, 20);
    }
  }
}

// A FIFO or a directory under the file's name is no settings file, and
// reading it must not block.
TEST_P(FileFaults, NonRegularFileUnderTheNameIsRefusedAtTheProbe) {
  for (bool fifo : {false, true}) {
    SCOPED_TRACE(fifo ? "fifo" : "directory");
    std::error_code ignored;
    fs::remove_all(target(), ignored);
    if (fifo) {
      ASSERT_EQ(mkfifo(target().string().c_str(), 0600), 0);
    } else {
      fs::create_directory(target());
    }
    file().makePrevious();
    const auto live = file().live();
    TraceCapture trace;
    alarm(20);
    EXPECT_FALSE(file().load());
    alarm(0);
    EXPECT_TRUE(trace.contains("iGetFileSize = 0\n")) << trace.text();
    EXPECT_TRUE(trace.contains("File szie != struct size!")) << trace.text();
    EXPECT_EQ(file().live(), live);
  }
}

// --- Save folders at the length limit and with non-ASCII names.

// A folder under `base` whose path is exactly `length` bytes, its names
// made of `unit` (padded with 'x'), none longer than the system allows.
fs::path FolderOfLength(const fs::path& base, std::size_t length, const std::string& unit) {
  std::string path = base.string();
  while (path.size() < length) {
    std::size_t room = length - path.size() - 1;  // after the separator
    std::size_t name = room < 120 ? room : 120;
    if (room - name == 1) --name;  // never leave room for a lone separator
    std::string part;
    while (part.size() + unit.size() <= name) part += unit;
    part.append(name - part.size(), 'x');
    path += "/" + part;
  }
  return path;
}

struct FolderCase {
  const char* name;
  std::size_t length;  // bytes, as the ANSI functions count them
  const char* unit;
  bool accepted;
};

const FolderCase kFolders[] = {
    {"Ascii259", 259, "a", true},
    {"Ascii260", 260, "a", false},
    {"Utf8Of259Bytes", 259, "\xE7\x9B\xB8\xE6\x9C\xBA", true},  // 相机
    {"Utf8Of260BytesFewerCharacters", 260, "\xC3\x9C", false},  // Ü
};

TEST_P(FileFaults, SaveFolderAtTheLengthLimit) {
  for (const FolderCase& c : kFolders) {
    SCOPED_TRACE(c.name);
    const fs::path folder = FolderOfLength(folder_.path() / c.name, c.length, c.unit);
    ASSERT_EQ(folder.string().size(), c.length);
    fs::create_directories(folder);
    const std::string before = SavePath;

    EXPECT_EQ(SetSavePath(folder.string().c_str()), c.accepted);
    EXPECT_EQ(std::string(SavePath), c.accepted ? folder.string() : before);
    file().makePrevious();
    TraceCapture trace;
    EXPECT_EQ(file().store(), 1);
    EXPECT_EQ(fs::exists(folder / file().name), c.accepted);
    EXPECT_TRUE(file().verify());
    SetSavePath(folder_.path().string().c_str());
  }
}

TEST_P(FileFaults, NonAsciiFolderNames) {
  const fs::path folder = folder_.path() / "\xE7\x9B\xB8\xE6\x9C\xBA \xE8\xAE\xBE\xE7\xBD\xAE" /
                          "\xC3\x9C"
                          "ber-Stra\xC3\x9F"
                          "e";  // 相机 设置/Über-Straße
  fs::create_directories(folder);
  ASSERT_TRUE(SetSavePath(folder.string().c_str()));
  const auto previous = StorePreviousThenPrepareNext();
  const auto next = file().live();
  TraceCapture trace;
  EXPECT_EQ(file().store(), 1);
  EXPECT_NE(ReadBytes(folder / file().name), previous);
  EXPECT_EQ(ReadBytes(folder / file().name).size(), file().size);
  EXPECT_TRUE(file().verify());
  EXPECT_TRUE(trace.contains("Open file - \"" + (folder / file().name).string() + "\" success!"));
  EXPECT_FALSE(fs::exists(folder / (std::string(file().name) + ".tmp")));
}

INSTANTIATE_TEST_SUITE_P(BothFiles, FileFaults, ::testing::ValuesIn(kFiles), FileName);

}  // namespace
