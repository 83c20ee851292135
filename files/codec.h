// The settings file codec: the byte transform both files share, the size
// probe, and the load and store procedures every record uses.
#pragma once

#include <cstddef>
#include <cstdint>

inline constexpr std::uint8_t ScrambleKey = 0xD4;

// stored = ror2(plain ^ key); plain = rol2(stored) ^ key. In place; a null
// buffer or a length of 0 or below changes nothing.
void ScrambleBytes(std::uint8_t* buffer, std::int32_t length);
void UnscrambleBytes(std::uint8_t* buffer, std::int32_t length);

std::uint8_t ScrambledByte(std::uint8_t plain);
std::uint8_t UnscrambledByte(std::uint8_t stored);

// Size of the file in bytes; 0 for a missing file as for an empty one.
std::int32_t QueryFileSize(const char* path);

// Load steps shared by both records: path, size probe and check, open,
// clearing, read and decoding into `record` (of `size` bytes). Prints the
// "_bufsiz" line when asked (CFG.BIN does). Returns 1 when the record holds
// the decoded file; on 0 the record is untouched.
int LoadSettingsFile(const char* fileName, void* record, std::size_t size, bool printBufsiz);

// Store steps shared by both records. After the "success!" line,
// `fillImage` writes the record's plain image, stamp included, into the
// buffer it is given; the codec encodes that buffer, never the live record.
// The image goes to a temporary file beside the target, which then replaces
// the target. Returns 1 when the target now holds the image; on 0 the
// previous file is as it was.
int StoreSettingsFile(const char* fileName, std::size_t size,
                      void (*fillImage)(std::uint8_t* image));
