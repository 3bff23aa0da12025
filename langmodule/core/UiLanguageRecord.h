// What the German module records about itself for the speech engine: its own
// path, its four help files and its language.
#pragma once

#include <array>
#include <cstdint>
#include <string>

// German, Germany.
constexpr std::uint16_t kGermanLangId = 1031;

struct UiLanguageText {
  const char* name;  // the registry value's name
  std::string text;
};

struct UiLanguageRecord {
  // In the order the values are written: the module path first, then the help files.
  std::array<UiLanguageText, 5> texts;
  std::uint16_t langId;
};

// The record of the German module whose files lie in `folder` (which ends with
// its backslash).
UiLanguageRecord MakeGermanUiLanguageRecord(const std::string& folder);

// The LANGID as the engine stores it: two bytes, low byte first.
std::array<std::uint8_t, 2> LangIdBytes(std::uint16_t langId);
