// Line ends and visual (reversed) lines.
#include "hebtext/core/TextLines.h"

#include <gtest/gtest.h>

#include "hebtext/core/HebChar.h"
#include "hebtext/tests/core/ByteStrings.h"

namespace {

using bytes::Codes;
using bytes::CodesOf;
using bytes::Text;
using namespace HebCode;

struct LineCase {
  const char* name;
  void (*convert)(CString&);
  Codes in;
  Codes out;
};

void ReverseKeepingPoints(CString& text) { ReverseTextLines(text, TRUE); }
void ReverseLettersOnly(CString& text) { ReverseTextLines(text, FALSE); }

TEST(TextLines, RewriteLineEndsAndLineDirection) {
  const LineCase cases[] = {
      {"CrToCrLf", CrToCrLf, {'a', '\r', 'b', '\r'}, {'a', '\r', '\n', 'b', '\r', '\n'}},
      {"CrToCrLf on CR LF", CrToCrLf, {'a', '\r', '\n', 'b'}, {'a', '\r', '\n', '\n', 'b'}},
      {"NormalizeLineEndsToCr",
       NormalizeLineEndsToCr,
       {'a', '\r', '\n', 'b', '\n', 'c', '\r', 'd', '\n', '\r', '\n'},
       {'a', '\r', 'b', '\r', 'c', '\r', 'd', '\r', '\r'}},
      {"ControlCharsToBlanks",
       ControlCharsToBlanks,
       {'a', '\r', '\n', 'b', '\t', '\f', 'c', 11},
       {'a', ' ', ' ', 'b', ' ', ' ', 'c', 11}},
      {"reverse two lines",
       ReverseLettersOnly,
       {Bet, Qamats, Gimel, '\r', 'x', 'y'},
       {Gimel, Qamats, Bet, '\r', 'y', 'x'}},
      {"reverse keeping points",
       ReverseKeepingPoints,
       {Bet, Qamats, Gimel, '\r', Dalet, Shuruk},
       {Gimel, Bet, Qamats, '\r', Dalet, Shuruk}},
      {"empty lines stay",
       ReverseKeepingPoints,
       {'\r', 'a', 'b', '\r', '\r'},
       {'\r', 'b', 'a', '\r', '\r'}},
      {"MovePointsBeforeLetters",
       MovePointsBeforeLetters,
       {Bet, Qamats, Gimel, ' ', Shuruk, Dalet, StressedHolam, Hiriq},
       {Qamats, Bet, Gimel, ' ', Shuruk, StressedHolam, Dalet, Hiriq}},
      {"empty", ReverseKeepingPoints, {}, {}},
  };
  for (const LineCase& c : cases) {
    CString text = Text(c.in);
    c.convert(text);
    EXPECT_EQ(c.out, CodesOf(text)) << c.name;
  }
}

TEST(TextLines, ReversingTwiceWithPointsMovedGivesTheTextBack) {
  const Codes text = {Bet,         Qamats,         Lamed, HolamMale, ' ',
                      ShinShinDot, StressedQamats, '\r',  Alef,      Patah};
  CString once = Text(text);
  ReverseTextLines(once, TRUE);
  CString twice = once;
  ReverseTextLines(twice, TRUE);
  EXPECT_EQ(text, CodesOf(twice));
}

}  // namespace
