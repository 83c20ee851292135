// A text in both interface languages, Chinese first. Texts are UTF-8: the
// Windows program runs with the UTF-8 process code page.
#pragma once

struct TextPair {
  const char* zh;
  const char* en;
};

// LanguageIndex: 0 Chinese, 1 English.
constexpr const char* PickText(const TextPair& pair, int language) {
  return language == 0 ? pair.zh : pair.en;
}
