#include "speech/core/ItemDescriptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "hebtext/core/HebChar.h"
#include "hebtext/core/PointedText.h"
#include "speech/core/ColorMarkup.h"

namespace {

using namespace HebCode;

// clang-format off
const std::set<int> kDescribed = {
    128, 192, 193, 194, 195, 196, 197, 198, 199, 200, 201, 202, 203, 204, 205, 206,
    209, 210, 220, 221, 222, 223, 224, 225, 226, 227, 228, 229, 230, 231, 232, 233,
    234, 235, 236, 237, 238, 239, 240, 241, 242, 243, 244, 245, 246, 247, 248, 250,
};
const std::set<int> kSixExamples = {195, 200, 225, 233, 234, 235, 244, 250};
// clang-format on

TEST(ItemDescriptions, The48ItemsHaveTheirNamesAndExamples) {
  ASSERT_EQ(kDescribed.size(), 48u);
  for (int code = 0; code < 256; ++code) {
    ItemDescription d;
    const bool described = GetItemDescription(code, d);
    ASSERT_EQ(described, kDescribed.count(code) == 1) << code;
    EXPECT_EQ(GetItemDescriptionText(code) != nullptr, described) << code;
    if (!described) continue;
    ASSERT_FALSE(d.hebrewNames.empty()) << code;
    EXPECT_EQ(d.englishNames.size(), d.hebrewNames.size()) << code;
    EXPECT_TRUE(d.sounds.empty() || d.sounds.size() == 2 * d.hebrewNames.size()) << code;
    const size_t examples = code == QamatsQatan ? 0 : kSixExamples.count(code) ? 6 : 3;
    ASSERT_EQ(d.examples.size(), examples) << code;
    for (const DescriptionExample& example : d.examples) {
      BYTE letters[64], vowels[64];
      const int count = SplitLettersAndVowels(example.word.c_str(), letters, vowels, 64, 0);
      EXPECT_GE(example.position, 0) << code;
      EXPECT_LT(example.position, count) << code << " " << example.meaning;
      EXPECT_FALSE(example.meaning.empty()) << code;
    }
  }
}

TEST(ItemDescriptions, LettersKnowTheirPlaceAndVowelsHaveNone) {
  struct Case {
    int code;
    const char* english;
    const char* ordinal;
  };
  const Case cases[] = {
      {Alef, "Aleph", "1st"},        {Bet, "Bet", "2nd"},
      {ShinShinDot, "Shin", "21st"}, {ShinSinDot, "Sin", "21st"},
      {Tav, "Tav", "22nd"},          {FinalKaf, "Kaf-Sofit", "11th"},
      {Kaf, "Kaf", "11th"},          {FinalMem, "Mem", ""},
      {Qamats, "Kamats", ""},        {HatafPatah, "Khataf Patakh", ""},
  };
  for (const Case& c : cases) {
    ItemDescription d;
    ASSERT_TRUE(GetItemDescription(c.code, d));
    EXPECT_EQ(d.englishNames[0], c.english) << c.code;
    EXPECT_EQ(d.ordinal, c.ordinal) << c.code;
  }
  ItemDescription bet;
  GetItemDescription(Bet, bet);
  EXPECT_EQ(bet.englishNames, (std::vector<std::string>{"Bet", "Vet"}));
  EXPECT_EQ(bet.sounds, (std::vector<std::string>{"B", "Boy", "V", "Very"}));
  EXPECT_EQ(bet.examples[3].word, "\xE0\xC8\xE1");  // av
  EXPECT_EQ(bet.examples[3].position, 1);
  EXPECT_EQ(bet.examples[3].meaning, "father");
}

TEST(ItemDescriptions, ComposesTheParagraphsOfEachKindOfItem) {
  struct Case {
    int code;
    const char* text;
  };
  const Case cases[] = {
      {Gimel,
       "#D20000 Gimel #0 $\xA2\xC4\xE9\xEE\xC6\xEC$ is the 3rd letter of the Hebrew Alphabet. "
       "It is pronounced like the #D20000 'G' in #D20000 Go. "},
      {Bet,
       "#D20000 Bet #0 $\xA1\xC5\xE9\xFA$ ( #D20000 Vet #0 $\xE1\xC5\xE9\xFA$ ) is the 2nd letter "
       "of the Hebrew Alphabet. When it has a Dagesh #0 $\xA1$, it is called #D20000 Bet and is "
       "pronounced like the #D20000 'B' in #D20000 Boy. Without it, #0 $\xE1$ , it is called "
       "#D20000 Vet and is pronounced like the #D20000 'V' in #D20000 Very. "},
      {FinalNun,
       "#D20000 Nun #0 $\xF0\xCA\xEF \xF1\xCE\xF4\xC4\xE9\xFA$ is the form that #0 $\xF0$ takes "
       "at the end of a word. It is pronounced like the #D20000 'N' in #D20000 Now. "},
      {Segol,
       "#D20000 Segol #0 $\xF1\xC6\xA2\xCE\xEC$ is classically categorized as a #D20000 Short "
       "Vowel. It is pronounced like the #D20000 'E' in #D20000 Bed. "},
      {GimelGeresh,
       "#D20000 Gimel #0 $\xE2$ with a tick, #0 $\xDC$ , stands for a sound that Hebrew takes "
       "from the words of other languages. It is pronounced like the #D20000 'J' in #D20000 Jam. "},
      {QamatsQatan, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ComposeDescription(c.code), c.text) << c.code;
  EXPECT_EQ(ComposeDescription(Shin), "");

  // Aleph: its sentences, then the guttural paragraph.
  const std::string alef = ComposeDescription(Alef);
  EXPECT_NE(alef.find("is #D20000 silent"), std::string::npos);
  EXPECT_NE(alef.find("\n#D20000 Aleph #0 $\xE0$ is one of the Guttural consonants"),
            std::string::npos);
  // Yud: its sentences and its six paragraphs.
  const std::string yud = ComposeDescription(Yod);
  EXPECT_EQ(std::count(yud.begin(), yud.end(), '\n'), 6);
}

TEST(ItemDescriptions, EveryCompositionIsWholeMarkUpWithinItsBuffer) {
  for (int code : kDescribed) {
    const std::string text = ComposeDescription(code);
    EXPECT_LT(text.size(), kDescriptionBufferSize) << code;
    EXPECT_EQ(text.find('%'), std::string::npos) << code;
    EXPECT_EQ(std::count(text.begin(), text.end(), '$') % 2, 0) << code;
    for (const MarkupToken& token : TokenizeMarkup(text)) {
      if (token.kind == MarkupTokenKind::kHebrew) {
        for (char c : token.text) {
          const int b = static_cast<unsigned char>(c);
          EXPECT_TRUE(b == ' ' || IsHebrewLetter(b) || IsVowelCode(b) || IsDageshOrMeteg(b))
              << code << ": " << b;
        }
      }
    }
  }
}

TEST(ItemDescriptions, FormattingIsBoundedAndTakesOnlyTheArgumentsGiven) {
  struct Case {
    const char* format;
    std::initializer_list<std::string> args;
    size_t limit;
    const char* result;
  };
  const Case cases[] = {
      {"%s and %c", {"one", "two"}, 100, "one and t"},
      {"%s, %s, %s", {"a"}, 100, "a, , "},  // a conversion without its argument
      {"100%% %d %", {}, 100, "100% %d %"},
      {"%s", {std::string(5000, 'x')}, 4095, nullptr},
      {"abcdef%s", {"gh"}, 4, "abcd"},
      {"%c", {""}, 100, ""},
  };
  for (const Case& c : cases) {
    std::string out;
    AppendFormatted(out, c.limit, c.format, c.args);
    if (c.result) {
      EXPECT_EQ(out, c.result) << c.format;
    } else {
      EXPECT_EQ(out, std::string(4095, 'x'));
    }
  }
  std::string full(10, 'y');
  AppendFormatted(full, 10, "%s", {"more"});
  EXPECT_EQ(full, std::string(10, 'y'));
}

}  // namespace
