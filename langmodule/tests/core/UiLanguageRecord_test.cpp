#include "langmodule/core/UiLanguageRecord.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

TEST(UiLanguageRecord, GermanRecordNamesTheModuleAndItsHelpFilesInWriteOrder) {
  UiLanguageRecord record = MakeGermanUiLanguageRecord("C:\\Engine\\Lang\\");
  std::vector<std::pair<std::string, std::string>> texts;
  for (const UiLanguageText& text : record.texts) texts.emplace_back(text.name, text.text);

  const std::vector<std::pair<std::string, std::string>> expected = {
      {"Path", "C:\\Engine\\Lang\\gerlex.uil"},
      {"SAPI Help", "C:\\Engine\\Lang\\gerlexsapi.hlp"},
      {"Ref Help", "C:\\Engine\\Lang\\gerlexref.hlp"},
      {"Gen Help", "C:\\Engine\\Lang\\gerlexgen.hlp"},
      {"Lex Help", "C:\\Engine\\Lang\\gerlexlex.hlp"},
  };
  EXPECT_EQ(texts, expected);
  EXPECT_EQ(record.langId, 1031);
}

TEST(UiLanguageRecord, LangIdIsStoredLowByteFirst) {
  EXPECT_EQ(LangIdBytes(1031), (std::array<std::uint8_t, 2>{0x07, 0x04}));
  EXPECT_EQ(LangIdBytes(2057), (std::array<std::uint8_t, 2>{0x09, 0x08}));
}

}  // namespace
