// The speech engine names the keys of its user-interface languages by two small
// numbers, a language and a dialect, derived from a Windows LANGID.
#pragma once

#include <cstdint>

struct LanguageIndex {
  int language;
  int dialect;
};

// The whole LANGID is compared; languages the engine does not know give 0, 0.
LanguageIndex LangIdToLanguageIndex(std::uint16_t langId);
