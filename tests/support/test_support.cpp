#include "support/test_support.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <fstream>
#include <sstream>

#include "files/codec.h"
#include "files/save_path.h"
#include "files/trace.h"

TraceCapture::TraceCapture() { SetTraceSink(Append, this); }
TraceCapture::~TraceCapture() { TraceToStdout(); }

void TraceCapture::Append(const char* text, std::size_t length, void* context) {
  static_cast<TraceCapture*>(context)->text_.append(text, length);
}

std::vector<std::string> TraceCapture::lines() const {
  std::vector<std::string> result;
  std::istringstream in(text_);
  for (std::string line; std::getline(in, line);) result.push_back(line);
  return result;
}

SaveFolder::SaveFolder() : previous_(SavePath) {
  static std::atomic<int> counter{0};
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = "camsetup-test-";
  if (info != nullptr) name += std::string(info->test_suite_name()) + "-" + info->name();
  name += "-" + std::to_string(counter++);
  for (char& c : name)
    if (c == '/') c = '_';
  path_ = std::filesystem::temp_directory_path() / name;
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
  EXPECT_TRUE(SetSavePath(path_.string().c_str()));
}

SaveFolder::~SaveFolder() {
  SetSavePath(previous_.c_str());
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> Encoded(const void* record, std::size_t size) {
  std::vector<std::uint8_t> bytes(size);
  std::memcpy(bytes.data(), record, size);
  ScrambleBytes(bytes.data(), static_cast<std::int32_t>(size));
  return bytes;
}

std::vector<std::uint8_t> Decoded(std::vector<std::uint8_t> bytes) {
  UnscrambleBytes(bytes.data(), static_cast<std::int32_t>(bytes.size()));
  return bytes;
}
