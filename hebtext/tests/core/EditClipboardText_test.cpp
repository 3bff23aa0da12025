// What the edit control puts on the clipboard and what it makes of pasted text.
#include "hebtext/core/EditClipboardText.h"

#include <gtest/gtest.h>

#include <vector>

#include "hebtext/core/HebChar.h"
#include "hebtext/core/HebCharNodePool.h"
#include "hebtext/tests/core/ByteStrings.h"
#include "hebtext/tests/core/FakeProgressDlg.h"

namespace {

using bytes::Codes;
using bytes::CodesOf;
using bytes::Text;
using namespace HebCode;

// A selection of characters as the control links them.
class Selection {
 public:
  Selection(std::initializer_list<std::pair<int, int>> chars) : m_nodes(chars.size()) {
    int i = 0;
    for (const auto& c : chars) {
      HebCharNode& node = m_nodes[i];
      node = {static_cast<BYTE>(c.first), static_cast<BYTE>(c.second), 0, nullptr, nullptr};
      if (i > 0) {
        node.pPrev = &m_nodes[i - 1];
        m_nodes[i - 1].pNext = &node;
      }
      ++i;
    }
  }
  const HebCharNode* First() const { return m_nodes.empty() ? nullptr : &m_nodes[0]; }

 private:
  std::vector<HebCharNode> m_nodes;
};

struct CopyRow {
  const char* name;
  Selection chars;
  BOOL hebrew;
  ClipboardTextOptions options;
  Codes ansi;
  Codes unicode;
};

TEST(BuildClipboardTexts, EachFilterAndDirection) {
  // clang-format off
  const CopyRow rows[] = {
      {"program codes and standard Unicode", {{Bet, Patah}}, TRUE, {kFilterNone, kForward},
       {Bet, Patah}, {0x5D1, 0x5B7}},
      {"no vowel written for none", {{Bet, ExplicitNoVowel}, {Gimel, 0}}, TRUE,
       {kFilterNone, kForward}, {Bet, Gimel}, {0x5D1, 0x5D2}},
      {"standard points", {{BetDagesh, Qamats}}, TRUE, {kFilterStandard, kForward},
       {0xE1, 0xCC, 0xC8}, {0x5D1, 0x5BC, 0x5B8}},
      {"holam male vav first", {{Lamed, HolamMale}}, TRUE, {kFilterStandard, kForward},
       {0xEC, 0xE5, 0xC9}, {0x5DC, 0x5D5, 0x5B9}},
      {"holam male holam first", {{Lamed, HolamMale}}, TRUE,
       {kFilterStandard, kForward, kHolamThenVav},
       {0xEC, 0xC9, 0xE5}, {0x5DC, 0x5B9, 0x5D5}},
      {"UTF-8", {{Bet, Patah}}, TRUE, {kFilterUtf8, kForward}, {0xD7, 0x91, 0xD6, 0xB7},
       {0x5D1, 0x5B7}},
      {"reversed: second letter first, each point after its letter",
       {{Bet, Patah}, {Gimel, Hiriq}}, TRUE, {kFilterNone, kReverse},
       {Gimel, Hiriq, Bet, Patah}, {0x5D2, 0x5B4, 0x5D1, 0x5B7}},
      {"reversed UTF-8 keeps each sequence whole", {{Bet, 0}, {Gimel, 0}}, TRUE,
       {kFilterUtf8, kReverse}, {0xD7, 0x92, 0xD7, 0x91}, {0x5D2, 0x5D1}},
      {"English mode leaves vowels out", {{'a', Patah}, {'b', 0}}, FALSE,
       {kFilterStandard, kForward}, {'a', 'b'}, {'a', 'b'}},
  };
  // clang-format on
  for (const CopyRow& row : rows) {
    SCOPED_TRACE(row.name);
    ClipboardTexts texts;
    ASSERT_TRUE(BuildClipboardTexts(row.chars.First(), nullptr, row.hebrew, row.options, texts));
    EXPECT_EQ(row.ansi, CodesOf(texts.ansi));
    EXPECT_EQ(row.unicode, CodesOf(texts.unicode));
  }
}

TEST(BuildClipboardTexts, StopsBeforeTheStopNodeAndGivesNothingForNoText) {
  Selection chars{{Bet, 0}, {Gimel, 0}, {Dalet, 0}};
  const HebCharNode* pFirst = chars.First();
  ClipboardTexts texts;
  ASSERT_TRUE(
      BuildClipboardTexts(pFirst, pFirst->pNext->pNext, TRUE, {kFilterNone, kForward}, texts));
  EXPECT_EQ((Codes{Bet, Gimel}), CodesOf(texts.ansi));
  ClipboardTexts none;
  EXPECT_FALSE(BuildClipboardTexts(pFirst, pFirst, TRUE, {kFilterNone, kForward}, none));
  EXPECT_TRUE(none.ansi.IsEmpty());
}

struct PasteRow {
  const char* name;
  Codes in;
  ClipboardTextOptions options;
  BOOL hebrew;
  Codes out;
};

TEST(FilterPastedText, EachFilterGivesOneLineOfProgramCodes) {
  // clang-format off
  const PasteRow rows[] = {
      {"none keeps the codes, line break to blanks", {Bet, Patah, '\r', '\n', Gimel},
       {kFilterNone, kForward}, TRUE, {Bet, Patah, ' ', ' ', Gimel}},
      {"none reversed moves points in Hebrew mode", {Bet, Patah, Gimel, Hiriq},
       {kFilterNone, kReverse}, TRUE, {Gimel, Hiriq, Bet, Patah}},
      {"none reversed in English mode", {'a', 'b', 'c'}, {kFilterNone, kReverse}, FALSE,
       {'c', 'b', 'a'}},
      {"standard points", {0xE1, 0xC7, 0xE2}, {kFilterStandard, kForward}, TRUE,
       {Bet, Patah, Gimel}},
      {"standard points in canonical order", {0xE1, 0xC8, 0xCC}, {kFilterStandard, kForward},
       TRUE, {BetDagesh, Qamats}},
      {"holam male written holam first", {0xEC, 0xC9, 0xE5},
       {kFilterStandard, kForward, kHolamThenVav}, TRUE,
       {Lamed, HolamMale}},
      {"English layout", {'s', 'l', '\r', '\n', 'o', 'm'}, {kFilterEnglishLayout, kForward},
       TRUE, {Dalet, FinalKaf, ' ', ' ', FinalMem, Tsadi}},
      {"English layout reversed", {'s', 'l', 'o', 'm'}, {kFilterEnglishLayout, kReverse}, TRUE,
       {Tsadi, FinalMem, FinalKaf, Dalet}},
      {"UTF-8", {0xD7, 0x91, 0xD6, 0xB7, '\t', 'x'}, {kFilterUtf8, kForward}, TRUE,
       {Bet, Patah, ' ', 'x'}},
      {"wide character (read as Windows-1255)", {0xE1, 0xC7}, {kFilterWideChar, kForward}, TRUE,
       {Bet, Patah}},
  };
  // clang-format on
  for (const PasteRow& row : rows) {
    SCOPED_TRACE(row.name);
    CString text = Text(row.in);
    ASSERT_TRUE(FilterPastedText(text, row.hebrew, row.options));
    EXPECT_EQ(row.out, CodesOf(text));
  }
}

TEST(FilterPastedText, ACancelledConversionPastesNothing) {
  FakeProgressDlg dialog;
  dialog.cancelled = TRUE;
  CString text = Text({0xE1, 0xC7});
  EXPECT_FALSE(FilterPastedText(text, TRUE, {kFilterStandard, kForward}));
  // Filters without the long conversion cannot be cancelled.
  CString plain = Text({Bet});
  EXPECT_TRUE(FilterPastedText(plain, TRUE, {kFilterNone, kForward}));
}

}  // namespace
