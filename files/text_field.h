// Fixed-size, zero-terminated text fields of the settings records.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

// The text a field holds: its bytes up to the terminator or, for a field
// written elsewhere without one, up to the end of the field.
template <std::size_t N>
std::string_view FieldText(const char (&field)[N]) {
  const void* end = std::memchr(field, '\0', N);
  const std::size_t length =
      end ? static_cast<std::size_t>(static_cast<const char*>(end) - field) : N;
  return {field, length};
}

// Copies text into the start of a field, cut to the field's capacity (N - 1
// bytes), with its terminator. The bytes after the terminator keep what they
// held: the camera's file carries them and the carrier presets rely on it.
template <std::size_t N>
void CopyText(char (&field)[N], std::string_view text) {
  const std::size_t length = text.size() < N - 1 ? text.size() : N - 1;
  std::memcpy(field, text.data(), length);
  field[length] = '\0';
}

// Empties a field except for its last byte.
template <std::size_t N>
void ClearText(char (&field)[N]) {
  std::memset(field, 0, N - 1);
}

template <std::size_t N>
bool IsEmptyText(const char (&field)[N]) {
  return field[0] == '\0';
}
