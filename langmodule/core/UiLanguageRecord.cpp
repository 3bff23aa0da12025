#include "langmodule/core/UiLanguageRecord.h"

UiLanguageRecord MakeGermanUiLanguageRecord(const std::string& folder) {
  return UiLanguageRecord{{{
                              {"Path", folder + "gerlex.uil"},
                              {"SAPI Help", folder + "gerlexsapi.hlp"},
                              {"Ref Help", folder + "gerlexref.hlp"},
                              {"Gen Help", folder + "gerlexgen.hlp"},
                              {"Lex Help", folder + "gerlexlex.hlp"},
                          }},
                          kGermanLangId};
}

std::array<std::uint8_t, 2> LangIdBytes(std::uint16_t langId) {
  return {static_cast<std::uint8_t>(langId & 0xFF), static_cast<std::uint8_t>(langId >> 8)};
}
