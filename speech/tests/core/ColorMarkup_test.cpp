#include "speech/core/ColorMarkup.h"

#include <gtest/gtest.h>

namespace {

MarkupToken Word(const char* text) { return {MarkupTokenKind::kWord, text}; }
MarkupToken Hebrew(const char* text) { return {MarkupTokenKind::kHebrew, text}; }
MarkupToken Color(COLORREF color, MarkupColorTarget target = MarkupColorTarget::kBoth) {
  return {MarkupTokenKind::kColor, "", target, color};
}
const MarkupToken kNewLine{MarkupTokenKind::kNewLine, ""};
const MarkupToken kTab{MarkupTokenKind::kTab, ""};

constexpr COLORREF kRed = 0x0000D2;     // written #D20000
constexpr COLORREF kPurple = 0xFF0080;  // written #8000FF

struct MarkupCase {
  const char* text;
  std::vector<MarkupToken> tokens;
};

TEST(ColorMarkup, ReadsBothFormsOfTheMarks) {
  const MarkupCase cases[] = {
      {"", {}},
      {"It is  pronounced.", {Word("It"), Word("is"), Word("pronounced.")}},
      // The descriptions' form: the mark, its digits and a blank.
      {"#D20000 Bet #0 $\xE1$ is",
       {Color(kRed), Word("Bet"), Color(0), Hebrew("\xE1"), Word("is")}},
      {"#L8000FF #VD20000 $\xE1\xC7$",
       {Color(kPurple, MarkupColorTarget::kLetters), Color(kRed, MarkupColorTarget::kPoints),
        Hebrew("\xE1\xC7")}},
      // The tutorial's form: any other letter that is not hex stands for the
      // points, and the digits may run straight into the word.
      {"#P0000FF$\xE1\xC8$ #lD20000x",
       {Color(0xFF0000, MarkupColorTarget::kPoints), Hebrew("\xE1\xC8"),
        Color(kRed, MarkupColorTarget::kLetters), Word("x")}},
      {"$\xE0\xC8 \xE1\xC7$ ok", {Hebrew("\xE0\xC8 \xE1\xC7"), Word("ok")}},
      {"a\n\tb\r\nc", {Word("a"), kNewLine, kTab, Word("b"), kNewLine, Word("c")}},
      {"'B' in$\xE1$.", {Word("'B'"), Word("in"), Hebrew("\xE1"), Word(".")}},
      // Marks that are not whole are kept as text, never read past the end.
      {"# #L C#5 $$ $\xE1", {Word("#"), Word("#L"), Word("C#5"), Hebrew("\xE1")}},
      {"#", {Word("#")}},
  };
  for (const MarkupCase& c : cases) {
    EXPECT_EQ(TokenizeMarkup(c.text), c.tokens) << c.text;
  }
}

}  // namespace
