// The governed-prepositions line of the verb view.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "lexicon/core/Binyan.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/VerbFormText.h"
#include "lexicon/tests/core/GrammarSuite.h"
#include "lexicon/tests/core/ModelVerbGrammar.h"
#include "tables/core/GovernedPrepositions.h"

namespace {

std::string LineUtf8(const GovernedPrepositionMasks& masks) {
  HebWordRec line;
  std::memset(&line, 0x55, sizeof line);  // whatever the caller's record held
  BuildGovernedPrepositionsLine(masks, line);
  return WordToUtf8(line);
}

// The hyphen of a compound, as the line is written out.
const char kMaqaf[] = "\xD6\xBE";

// The expected line with each word in the exporter's order of marks.
std::string CanonicalLine(const std::string& text) {
  std::string result, word;
  auto flush = [&] {
    if (!word.empty()) result += lextest::Canonical(word);
    word.clear();
  };
  for (char c : text) {
    if (c == ',' || c == ' ' || c == '-') {
      flush();
      result += c == '-' ? std::string(kMaqaf) : std::string(1, c);
    } else {
      word += c;
    }
  }
  flush();
  return result;
}

struct LineCase {
  GovernedPrepositionMasks masks;
  const char* expected;
};

const LineCase kLines[] = {
    {{}, ""},
    {{0x1, 0, 0, 0}, "אֶת"},
    {{0x51, 0, 0, 0}, "אֶת, עַל, אֶל"},
    {{0, 0x4, 0, 0}, "לִקְרַאת"},
    {{0x4, 0x1, 0, 0}, "לְ, מִלִּפְנֵי"},
    // Every first part goes with every second part.
    {{0, 0, 0x3, 0x2}, "עַל-בְּ, בְּ-בְּ"},
    {{0, 0, 0x1, 0x21}, "עַל-עַל, עַל-לְבֵין"},
    {{0, 0, 0x1, 0}, ""},  // a first part alone is no compound
};

TEST(GovernedPrepositions, LineOfSimpleFurtherAndCompoundPrepositions) {
  for (const LineCase& c : kLines)
    EXPECT_EQ(LineUtf8(c.masks), CanonicalLine(c.expected)) << c.expected;
}

TEST(GovernedPrepositions, AFullLineStopsBeforeTheItemThatWouldNotFit) {
  GovernedPrepositionMasks all;
  all.simple = 0xFFFFFFFF;
  all.further = 0x7;
  all.firstParts = 0x7F;
  all.secondParts = 0x7F;
  HebWordRec line;
  BuildGovernedPrepositionsLine(all, line);
  size_t length = strnlen(reinterpret_cast<const char*>(line.letters), kWordPlaneSize);
  EXPECT_LE(length, static_cast<size_t>(kWordPlaneSize - 1));
  EXPECT_GT(length, static_cast<size_t>(kWordPlaneSize - 10));
  // It ends with a whole item, never with a separator.
  EXPECT_NE(line.letters[length - 1], ' ');
  EXPECT_NE(line.letters[length - 1], ',');
}

class GovernedPrepositionMasksTest : public lextest::GrammarSuite<GovernedPrepositionMasksTest> {
 public:
  static lextest::ModelVerbGrammar* MakeGrammar() {
    return new lextest::ModelVerbGrammar(
        "verbpreps", {{"verbs.txt",
                       "verb כתב\n  paal katav preps ET,AL,EL,L further 2 first 0 second 1,5\n"
                       "  nifal nikhtav\n"}});
  }
};

TEST_F(GovernedPrepositionMasksTest, ReadFromTheVerbIndexByBinyan) {
  ASSERT_TRUE(grammar->loaded);
  GovernedPrepositionMasks paal = GetGovernedPrepositionMasks(0, Binyan::Paal);
  EXPECT_EQ(LineUtf8(paal), lextest::CanonicalAlternatives("אֶת, לְ, עַל, אֶל, לִקְרַאת, עַל-בְּ, עַל-לְבֵין"));
  EXPECT_EQ(LineUtf8(GetGovernedPrepositionMasks(0, Binyan::Nifal)), "");
  for (auto [verb, binyan] : {std::pair{1, 0}, {-1, 0}, {0, 7}, {0, -1}}) {
    GovernedPrepositionMasks none = GetGovernedPrepositionMasks(verb, binyan);
    EXPECT_EQ(none.simple | none.further | none.firstParts | none.secondParts, 0u);
  }
}

}  // namespace
