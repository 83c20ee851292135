#include "files/codec.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "files/file_replace.h"
#include "files/save_path.h"
#include "files/trace.h"

#if defined(_WIN32)
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr std::uint8_t RotateRight2(std::uint8_t v) {
  return static_cast<std::uint8_t>((v >> 2) | (v << 6));
}
constexpr std::uint8_t RotateLeft2(std::uint8_t v) {
  return static_cast<std::uint8_t>((v << 2) | (v >> 6));
}

using ByteTable = std::array<std::uint8_t, 256>;

constexpr ByteTable MakeTable(bool scramble) {
  ByteTable table{};
  for (int i = 0; i < 256; ++i) {
    const auto b = static_cast<std::uint8_t>(i);
    table[i] = scramble ? RotateRight2(static_cast<std::uint8_t>(b ^ ScrambleKey))
                        : static_cast<std::uint8_t>(RotateLeft2(b) ^ ScrambleKey);
  }
  return table;
}

constexpr ByteTable kScramble = MakeTable(true);
constexpr ByteTable kUnscramble = MakeTable(false);

constexpr bool IsInverse() {
  for (int i = 0; i < 256; ++i)
    if (kUnscramble[kScramble[i]] != i) return false;
  return true;
}
static_assert(IsInverse(), "the stored-byte rule must be a bijection");

void Apply(const ByteTable& table, std::uint8_t* buffer, std::int32_t length) {
  if (buffer == nullptr || length <= 0) return;
  for (std::int32_t i = 0; i < length; ++i) buffer[i] = table[buffer[i]];
}

constexpr const char* kSeparatorLine = "________________________________________________";

// Flushes the stream's data to the medium, so that a full or pulled card
// shows up here instead of after the file replaced the good one.
bool FlushToMedium(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
#if defined(_WIN32)
  return _commit(_fileno(file)) == 0;
#else
  return fsync(fileno(file)) == 0;
#endif
}

// Opens a settings file for binary reading. Only a regular file counts: a
// FIFO or device under the file's name would block the open or the read
// forever, and a directory is no file either.
std::FILE* OpenForReading(const char* path) {
#if defined(_WIN32)
  return std::fopen(path, "rb");
#else
  const int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    return nullptr;
  }
  std::FILE* file = fdopen(fd, "rb");
  if (file == nullptr) close(fd);
  return file;
#endif
}

}  // namespace

std::uint8_t ScrambledByte(std::uint8_t plain) { return kScramble[plain]; }
std::uint8_t UnscrambledByte(std::uint8_t stored) { return kUnscramble[stored]; }

void ScrambleBytes(std::uint8_t* buffer, std::int32_t length) { Apply(kScramble, buffer, length); }
void UnscrambleBytes(std::uint8_t* buffer, std::int32_t length) {
  Apply(kUnscramble, buffer, length);
}

std::int32_t QueryFileSize(const char* path) {
  std::FILE* file = OpenForReading(path);
  if (file == nullptr) return 0;
  long size = 0;
  if (std::fseek(file, 0, SEEK_END) == 0) size = std::ftell(file);
  std::fclose(file);
  // A directory opens on some systems and reports a huge or negative size.
  if (size < 0 || size > INT32_MAX) return 0;
  return static_cast<std::int32_t>(size);
}

int LoadSettingsFile(const char* fileName, void* record, std::size_t size, bool printBufsiz) {
  const std::string path = SettingsFilePath(fileName);
  const std::int32_t fileSize = QueryFileSize(path.c_str());
  Trace("iGetFileSize = %d\n", fileSize);
  if (fileSize < 0 || static_cast<std::size_t>(fileSize) != size) {
    TraceLine("File szie != struct size!");
    return 0;
  }
  std::FILE* file = OpenForReading(path.c_str());
  if (file == nullptr) {
    Trace("Open file - \"%s\" err!\n", path.c_str());
    return 0;
  }
  Trace("Open file - \"%s\" success!\n", path.c_str());
  if (printBufsiz) Trace("_bufsiz = %d\n", 0);  // nothing read yet: the stream has no buffer

  // Read into a buffer of our own, one byte more than wanted: a file that
  // shrank or grew since the size probe leaves the record untouched.
  std::vector<std::uint8_t> buffer(size + 1);
  const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file);
  std::fclose(file);
  if (got != size) {
    TraceLine("File szie != struct size!");
    return 0;
  }
  UnscrambleBytes(buffer.data(), static_cast<std::int32_t>(size));
  std::memcpy(record, buffer.data(), size);
  return 1;
}

int StoreSettingsFile(const char* fileName, std::size_t size,
                      void (*fillImage)(std::uint8_t* image)) {
  const std::string path = SettingsFilePath(fileName);
  const std::string temporary = path + ".tmp";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) {
    Trace("Open file - \"%s\" err!\n", path.c_str());
    TraceLine(kSeparatorLine);
    return 0;
  }
  Trace("Open file - \"%s\" success!\n", path.c_str());

  std::vector<std::uint8_t> image(size);
  fillImage(image.data());
  ScrambleBytes(image.data(), static_cast<std::int32_t>(size));

  bool written = std::fwrite(image.data(), 1, size, file) == size;
  written = FlushToMedium(file) && written;
  written = std::fclose(file) == 0 && written;
  if (written) written = ReplaceFileWith(temporary.c_str(), path.c_str());
  if (!written) {
    std::remove(temporary.c_str());
    Trace("Write file - \"%s\" err!\n", path.c_str());
  }
  TraceLine(kSeparatorLine);
  return written ? 1 : 0;
}
