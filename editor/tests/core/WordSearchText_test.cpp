#include "editor/core/WordSearchText.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "hebtext/core/HebChar.h"

namespace word_search_text_test {

using namespace HebCode;

// A pointed word as (letter, point) pairs, point 0 for none.
using Word = std::vector<std::pair<int, int>>;

// The word as the document gives it: letters, and a point for each.
struct Split {
  explicit Split(const Word& word) {
    for (const auto& [letter, point] : word) {
      letters += static_cast<TCHAR>(letter);
      points.Add(static_cast<BYTE>(point));
    }
  }
  CString letters;
  CByteArray points;
};

std::string Codes(std::initializer_list<int> codes) {
  std::string text;
  for (int code : codes) text += static_cast<char>(code);
  return text;
}

std::string Str(const CString& text) { return std::string(text, text.GetLength()); }

std::string Plene(const Word& word) {
  const Split s(word);
  return Str(RemovePointsPlene(s.letters, s.points));
}

std::string SearchText(const Word& word, BOOL noVowels) {
  const Split s(word);
  return Str(WordSearchText(s.letters, s.points, noVowels));
}

bool HasPoint(const Word& word) {
  const Split s(word);
  return HasVowelPoint(s.points);
}

struct PleneCase {
  const char* name;
  Word word;
  std::string plain;
};

TEST(WordSearchText, RemovesPointsInPleneSpelling) {
  const PleneCase cases[] = {
      {"shalom: holam male becomes a vav",
       Word{{ShinShinDot, Qamats}, {Lamed, HolamMale}, {FinalMem, 0}},
       Codes({ShinShinDot, Lamed, Vav, FinalMem})},
      {"kulam: qubuts becomes a vav, dagesh goes",
       Word{{KafDagesh, Qubuts}, {LamedDagesh, Qamats}, {FinalMem, 0}},
       Codes({Kaf, Vav, Lamed, FinalMem})},
      {"shuk: shuruk on the letter before becomes a vav",
       Word{{ShinShinDot, Shuruk}, {Qof, 0}}, Codes({ShinShinDot, Vav, Qof})},
      {"uvayit: a shuruk standing alone is the vav",
       Word{{Shuruk, 0}, {Bet, Patah}, {Yod, Hiriq}, {Tav, 0}}, Codes({Vav, Bet, Yod, Tav})},
      {"bayit: other points leave no letter", Word{{BetDagesh, Patah}, {Yod, Hiriq}, {Tav, 0}},
       Codes({Bet, Yod, Tav})},
      {"tov: stressed holam male", Word{{Tet, StressedHolamMale}, {Bet, 0}},
       Codes({Tet, Vav, Bet})},
      {"hu: stressed shuruk", Word{{He, StressedShuruk}, {Alef, 0}}, Codes({He, Vav, Alef})},
      {"stressed qubuts", Word{{Tsadi, StressedQubuts}, {FinalMem, 0}},
       Codes({Tsadi, Vav, FinalMem})},
  };
  for (const PleneCase& c : cases) {
    EXPECT_EQ(c.plain, Plene(c.word)) << c.name;
    EXPECT_EQ(c.plain, SearchText(c.word, TRUE)) << c.name;
  }
}

TEST(WordSearchText, WithVowelsMergesEachPointAfterItsLetter) {
  const Word shalom{{ShinShinDot, Qamats}, {Lamed, HolamMale}, {FinalMem, 0}};
  EXPECT_EQ(Codes({ShinShinDot, Qamats, Lamed, HolamMale, FinalMem}), SearchText(shalom, FALSE));
}

TEST(WordSearchText, AWordWithoutPointsHasNoVowelPoint) {
  EXPECT_TRUE(HasPoint(Word{{Lamed, HolamMale}, {FinalMem, 0}}));
  EXPECT_FALSE(HasPoint(Word{{BetDagesh, 0}, {Yod, 0}, {Tav, 0}}));
  EXPECT_FALSE(HasPoint(Word{{Alef, ExplicitNoVowel}}));
}

}  // namespace word_search_text_test
