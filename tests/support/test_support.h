// Fixtures shared by the native tests.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// Collects every trace line while it lives; restores standard output after.
class TraceCapture {
 public:
  TraceCapture();
  ~TraceCapture();
  TraceCapture(const TraceCapture&) = delete;
  TraceCapture& operator=(const TraceCapture&) = delete;

  const std::string& text() const { return text_; }
  std::vector<std::string> lines() const;
  bool contains(const std::string& piece) const { return text_.find(piece) != std::string::npos; }
  void clear() { text_.clear(); }

 private:
  static void Append(const char* text, std::size_t length, void* context);
  std::string text_;
};

// A fresh folder that is SavePath while it lives.
class SaveFolder {
 public:
  SaveFolder();
  ~SaveFolder();
  SaveFolder(const SaveFolder&) = delete;
  SaveFolder& operator=(const SaveFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path file(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
  std::string previous_;
};

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

// Encodes a plain record image as its file holds it.
std::vector<std::uint8_t> Encoded(const void* record, std::size_t size);
// Decodes a file's bytes to the plain record image.
std::vector<std::uint8_t> Decoded(std::vector<std::uint8_t> bytes);

template <typename Record>
std::vector<std::uint8_t> PlainBytes(const Record& record) {
  const auto* p = reinterpret_cast<const std::uint8_t*>(&record);
  return {p, p + sizeof(Record)};
}
