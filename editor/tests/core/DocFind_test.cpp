// Find and Replace on a document side: the sliding window in both
// directions (overlapping matches, the first window upwards), whole words,
// case, vowels and dagesh; the current-match test; the replace step; a
// Replace All that always ends; and the recent-text histories.
#include "editor/core/DocFind.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/core/FindHistory.h"
#include "editor/tests/core/DocEditTestSupport.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/MemoryProfileStore.h"

namespace {

constexpr int kNone = -1;  // no selection

struct FindDoc : EditDoc {
  // Fills the side with letters and their points, laid out, and makes it the
  // active side.
  void Put(int side, const std::vector<int>& letters, const std::vector<int>& points = {}) {
    model.SetCurrentSide(side);
    CString text;
    CByteArray pointArray;
    CDWordArray attrs, formats;
    for (size_t i = 0; i < letters.size(); i++) {
      text += static_cast<char>(letters[i]);
      pointArray.Add(static_cast<BYTE>(i < points.size() ? points[i] : 0));
      attrs.Add(0);
    }
    editor.InsertRuns(text, pointArray, attrs, formats);
    model.ReformatSide(side);
  }
  void PutEnglish(const std::string& text) {
    Put(kEnglish, std::vector<int>(text.begin(), text.end()));
  }

  DocCharNode* Node(int index) { return SideChars(model, model.GetCurrentSide())[index]; }
  // Characters are counted from 1; the caret sits after the character at its index.
  void Caret(int index) {
    editor.ClearSelection();
    model.Side(model.GetCurrentSide()).caret = Node(index);
  }
  void Select(int first, int last) { editor.SetSelection(Node(first - 1), Node(last)); }
  // The selected characters' first and last index, or kNone twice.
  std::pair<int, int> Selection() {
    DocCharNode *first, *last;
    if (!editor.GetSelectionRange(first, last)) return {kNone, kNone};
    CharIndex index(SideChars(model, model.GetCurrentSide()));
    return {index(first), index(last)};
  }
  std::vector<int> Points() {
    std::vector<int> points;
    for (DocCharNode* c = Head(model.GetCurrentSide())->next; c != nullptr; c = c->next)
      points.push_back(c->point);
    return points;
  }
  std::vector<int> Letters() {
    std::vector<int> letters;
    for (DocCharNode* c = Head(model.GetCurrentSide())->next; c != nullptr; c = c->next)
      letters.push_back(c->letter);
    return letters;
  }
  UserMessageList messages;
};

FindText Text(const std::vector<int>& letters, const std::vector<int>& points = {}) {
  FindText text;
  for (size_t i = 0; i < letters.size(); i++) {
    text.letters += static_cast<char>(letters[i]);
    text.points.push_back(static_cast<BYTE>(i < points.size() ? points[i] : 0));
  }
  return text;
}

FindText English(const std::string& s) { return Text(std::vector<int>(s.begin(), s.end())); }

FindOptions Options(BOOL down, BOOL wholeWord = FALSE, BOOL matchCase = FALSE) {
  FindOptions options;
  options.down = down;
  options.wholeWord = wholeWord;
  options.matchCase = matchCase;
  return options;
}

// --- The search on the English side --------------------------------------------

struct EnglishFindCase {
  const char* name;
  const char* text;
  const char* find;
  FindOptions options;
  int selFirst, selLast;      // the selection before (kNone: the caret at selLast)
  int foundFirst, foundLast;  // kNone: nothing found, the selection unchanged
};

// clang-format off
const EnglishFindCase kEnglishCases[] = {
  {"DownFromStart", "xab ab", "ab", Options(TRUE), kNone, 0, 2, 3},
  // F3 after a find: the next window begins one after the match's start.
  {"OverlappingNext", "aaaa", "aa", Options(TRUE), 1, 2, 2, 3},
  {"DownPastTheEnd", "ab ab", "ab", Options(TRUE), 4, 5, kNone, kNone},
  // The character after the caret is the first tried downwards.
  {"DownSkipsCaretNode", "ab", "a", Options(TRUE), kNone, 1, kNone, kNone},
  {"LastCharacterFound", "xa", "a", Options(TRUE), kNone, 1, 2, 2},
  {"UpFromSelection", "ab ab ab", "ab", Options(FALSE), 7, 8, 4, 5},
  // Upwards the window at the side's first character is not tried first.
  {"UpFirstWindowAtStartNotTried", "ab", "a", Options(FALSE), kNone, 2, kNone, kNone},
  {"UpReachesTheStart", "abcd", "a", Options(FALSE), kNone, 4, 1, 1},
  {"UpOverlapsSelection", "aaaa", "aa", Options(FALSE), 3, 4, 2, 3},
  {"CaseInsensitive", "x hello", "HELLO", Options(TRUE), kNone, 0, 3, 7},
  {"CaseSensitiveSkips", "Hello hello", "hello", Options(TRUE, FALSE, TRUE), kNone, 0, 7, 11},
  {"CaseSensitiveNone", "HELLO", "hello", Options(TRUE, FALSE, TRUE), kNone, 0, kNone, kNone},
  {"AccentedCaseFolded", "x \xE9t\xE9", "\xC9T\xC9", Options(TRUE), kNone, 0, 3, 5},
  {"WholeWordSkipsInside", "cat concat cat", "cat", Options(TRUE, TRUE), 1, 3, 12, 14},
  {"WholeWordAtSideEnds", "cat", "cat", Options(FALSE, TRUE), kNone, 3, 1, 3},
  {"WholeWordAtStartFound", "cat x", "cat", Options(TRUE, TRUE), kNone, 0, 1, 3},
  {"WholeWordBeforePunct", "x cats, cat.", "cat", Options(TRUE, TRUE), kNone, 0, 9, 11},
  {"WholeWordUpSkipsLetterAfter", "cat cats x", "cat", Options(FALSE, TRUE), kNone, 10, 1, 3},
  {"EmptyFindText", "abc", "", Options(TRUE), kNone, 0, kNone, kNone},
};
// clang-format on

class EnglishFind : public ::testing::TestWithParam<EnglishFindCase> {};

TEST_P(EnglishFind, SelectsTheMatchOrLeavesTheSelection) {
  const EnglishFindCase& c = GetParam();
  FindDoc doc;
  doc.PutEnglish(c.text);
  if (c.selFirst == kNone)
    doc.Caret(c.selLast);
  else
    doc.Select(c.selFirst, c.selLast);
  std::pair<int, int> before = doc.Selection();
  BOOL found = FindInSide(doc.editor, English(c.find), c.options);
  EXPECT_EQ(found, c.foundFirst != kNone);
  std::pair<int, int> expected = found ? std::make_pair(c.foundFirst, c.foundLast) : before;
  EXPECT_EQ(doc.Selection(), expected);
  if (found) {
    EXPECT_TRUE(IsCurrentMatch(doc.editor, English(c.find), c.options));
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, EnglishFind, ::testing::ValuesIn(kEnglishCases),
                         [](const auto& info) { return std::string(info.param.name); });

// --- The search on the Hebrew side ---------------------------------------------

using namespace HebCode;

struct HebrewFindCase {
  const char* name;
  std::vector<int> findLetters, findPoints;
  BOOL matchVowels, matchDagesh;
  int foundFirst;  // kNone: not found
};

// The side: שָׁלוֹם בְּרָכָה בָּרָא
const std::vector<int> kSideLetters = {ShinShinDot, Lamed, FinalMem, Space,     BetDagesh, Resh,
                                       Kaf,         He,    Space,    BetDagesh, Resh,      Alef};
const std::vector<int> kSidePoints = {Qamats, HolamMale, 0, 0,      Shva,   Qamats,
                                      Qamats, 0,         0, Qamats, Qamats, 0};

// clang-format off
const HebrewFindCase kHebrewCases[] = {
  {"UnpointedFindsPointed", {BetDagesh, Resh}, {}, FALSE, FALSE, 5},
  {"PointedFindsAnyPointsWithoutVowels", {BetDagesh, Resh}, {Qamats, Qamats}, FALSE, FALSE, 5},
  {"VowelsMustAgree", {BetDagesh, Resh}, {Qamats, Qamats}, TRUE, FALSE, 10},
  {"VowelsMatchFirst", {BetDagesh, Resh}, {Shva, Qamats}, TRUE, FALSE, 5},
  {"PlainLetterFindsDageshWithoutMatchDagesh", {Bet, Resh}, {}, FALSE, FALSE, 5},
  {"MatchDageshNeedsTheDagesh", {Bet, Resh}, {}, FALSE, TRUE, kNone},
  {"MatchDageshSameLetters", {BetDagesh, Resh, Alef}, {}, FALSE, TRUE, 10},
  {"ShinAndHolamMale", {ShinShinDot, Lamed, FinalMem}, {Qamats, HolamMale, 0}, TRUE, TRUE, 1},
};
// clang-format on

class HebrewFind : public ::testing::TestWithParam<HebrewFindCase> {};

TEST_P(HebrewFind, ComparesLettersAndPointsAsAsked) {
  const HebrewFindCase& c = GetParam();
  FindDoc doc;
  doc.Put(kHebrew, kSideLetters, kSidePoints);
  doc.Caret(0);
  FindOptions options = Options(TRUE);
  options.matchVowels = c.matchVowels;
  options.matchDagesh = c.matchDagesh;
  FindText find = Text(c.findLetters, c.findPoints);
  BOOL found = FindInSide(doc.editor, find, options);
  ASSERT_EQ(found, c.foundFirst != kNone);
  if (found) {
    EXPECT_EQ(doc.Selection().first, c.foundFirst);
    EXPECT_EQ(doc.Selection().second, c.foundFirst + static_cast<int>(c.findLetters.size()) - 1);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, HebrewFind, ::testing::ValuesIn(kHebrewCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DocFind, PointsCountOnlyInTheProgramsHebrewFonts) {
  FindDoc doc;
  doc.Put(kHebrew, {Bet, Resh}, {Qamats, Patah});
  WORD latin = doc.model.FindOrAddFontName(kHebrew, "Times New Roman");
  // Every character in a font that is not the program's: points no longer count.
  for (DocCharNode* c = doc.Head()->next; c != nullptr; c = c->next)
    c->attributes =
        SetAttrField(c->attributes, CharAttrBits::kFontShift, CharAttrBits::kFontMask, latin);
  doc.Caret(0);
  FindOptions options = Options(TRUE);
  options.matchVowels = TRUE;
  EXPECT_FALSE(FindInSide(doc.editor, Text({Bet, Resh}, {Qamats, Patah}), options));
  EXPECT_TRUE(FindInSide(doc.editor, Text({Bet, Resh}), options));
}

// --- The current match ----------------------------------------------------------

TEST(DocFind, CurrentMatchIsExactlyTheSelection) {
  FindDoc doc;
  doc.PutEnglish("cat\rcat concat");
  const FindOptions whole = Options(TRUE, TRUE);
  doc.Select(1, 3);
  EXPECT_TRUE(IsCurrentMatch(doc.editor, English("CAT"), Options(TRUE)));
  EXPECT_FALSE(IsCurrentMatch(doc.editor, English("CAT"), Options(TRUE, FALSE, TRUE)));
  // A selection that runs on past a line end is not the find text.
  doc.Select(1, 6);
  EXPECT_FALSE(IsCurrentMatch(doc.editor, English("cat"), Options(TRUE)));
  doc.Select(12, 14);
  EXPECT_TRUE(IsCurrentMatch(doc.editor, English("cat"), Options(TRUE)));
  EXPECT_FALSE(IsCurrentMatch(doc.editor, English("cat"), whole));
  doc.Caret(3);
  EXPECT_FALSE(IsCurrentMatch(doc.editor, English("cat"), Options(TRUE)));
}

// --- Replace --------------------------------------------------------------------

CurrentSearch Search(const FindText& find, const FindText& replace, const FindOptions& options) {
  CurrentSearch search;
  search.find = find;
  search.replace = replace;
  search.options = options;
  return search;
}

TEST(DocReplace, StepReplacesTheMatchOrOnlySearches) {
  FindDoc doc;
  doc.PutEnglish("one two one");
  CurrentSearch search = Search(English("one"), English("1"), Options(TRUE));
  doc.Caret(0);
  EXPECT_EQ(ReplaceStep(doc.editor, search, doc.messages), ReplaceOutcome::kFound);
  EXPECT_EQ(doc.Text(kEnglish), "one two one");
  EXPECT_EQ(ReplaceStep(doc.editor, search, doc.messages), ReplaceOutcome::kReplacedAndFound);
  EXPECT_EQ(doc.Text(kEnglish), "1 two one");
  EXPECT_EQ(doc.Selection(), std::make_pair(7, 9));
  EXPECT_EQ(ReplaceStep(doc.editor, search, doc.messages), ReplaceOutcome::kReplacedNoMore);
  EXPECT_EQ(doc.Text(kEnglish), "1 two 1");
  EXPECT_EQ(ReplaceStep(doc.editor, search, doc.messages), ReplaceOutcome::kNotFound);
  EXPECT_EQ(doc.editor.GetUndoCount(), 2);
}

TEST(DocReplace, StepNeverFindsWhatItPutIn) {
  for (BOOL down : {TRUE, FALSE}) {
    FindDoc doc;
    doc.PutEnglish("xax");
    doc.Select(2, 2);
    CurrentSearch search = Search(English("a"), English("aa"), Options(down));
    EXPECT_EQ(ReplaceStep(doc.editor, search, doc.messages), ReplaceOutcome::kReplacedNoMore)
        << (down ? "down" : "up");
    EXPECT_EQ(doc.Text(kEnglish), "xaax");
  }
}

struct ReplaceAllCase {
  const char* name;
  const char* text;
  const char* find;
  const char* replace;
  FindOptions options;
  int caret;
  const char* result;
  int replaced;
};

// clang-format off
const ReplaceAllCase kReplaceAllCases[] = {
  {"GrowDown", "a a a", "a", "aa", Options(TRUE), 0, "aa aa aa", 3},
  {"GrowUp", "xa a a", "a", "aa", Options(FALSE), 6, "xaa aa a", 2},
  {"DoubledDown", "aa", "a", "aa", Options(TRUE), 0, "aaaa", 2},
  {"DoubledUp", "xaa", "a", "aa", Options(FALSE), 3, "xaaa", 1},
  {"ContainsFindDown", "ab ab", "ab", "xaby", Options(TRUE), 0, "xaby xaby", 2},
  {"ContainsFindUp", "zab ab", "ab", "abab", Options(FALSE), 6, "zabab abab", 2},
  {"Shrinks", "aaaa", "aa", "a", Options(TRUE), 0, "aa", 2},
  {"Deletes", "a-b-c", "-", "", Options(TRUE), 0, "abc", 2},
  {"DeletesUp", "xa-b-c", "-", "", Options(FALSE), 6, "xabc", 2},
  {"WholeWordsOnly", "cat concat cat", "cat", "dog", Options(TRUE, TRUE), 0, "dog concat dog", 2},
  {"CaseInsensitive", "Ab aB", "ab", "ab", Options(TRUE), 0, "ab ab", 2},
  {"NothingFound", "xyz", "a", "aa", Options(TRUE), 0, "xyz", 0},
};
// clang-format on

class ReplaceAllEnglish : public ::testing::TestWithParam<ReplaceAllCase> {};

TEST_P(ReplaceAllEnglish, EndsAndReplacesEachMatchOnce) {
  const ReplaceAllCase& c = GetParam();
  FindDoc doc;
  doc.PutEnglish(c.text);
  doc.Caret(c.caret);
  ReplaceAllResult result =
      ReplaceAll(doc.editor, Search(English(c.find), English(c.replace), c.options), doc.messages);
  EXPECT_EQ(doc.Text(kEnglish), c.result);
  EXPECT_EQ(result.replaced, c.replaced);
  EXPECT_EQ(result.notFound, c.replaced == 0);
  // One undo step each, and undoing them all gives the text back.
  EXPECT_EQ(doc.editor.GetUndoCount(), c.replaced);
  while (doc.editor.CanUndo()) doc.editor.UndoCommand();
  EXPECT_EQ(doc.Text(kEnglish), c.text);
  EXPECT_EQ(doc.editor.FindUndoFault(), "");
}

INSTANTIATE_TEST_SUITE_P(Cases, ReplaceAllEnglish, ::testing::ValuesIn(kReplaceAllCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DocReplace, AllPointedHebrewEndsBothWays) {
  // בָּ בָּ → בָּבָּ each, the replacement holding the find text.
  const std::vector<int> letters = {Resh, BetDagesh, Space, BetDagesh, Space};
  const std::vector<int> points = {Patah, Qamats, 0, Qamats, 0};
  const FindText find = Text({BetDagesh}, {Qamats});
  const FindText replace = Text({BetDagesh, BetDagesh}, {Qamats, Qamats});
  for (BOOL down : {TRUE, FALSE}) {
    FindDoc doc;
    doc.Put(kHebrew, letters, points);
    doc.Caret(down ? 0 : 5);
    FindOptions options = Options(down);
    options.matchVowels = TRUE;
    // Upwards the caret's own character is not tried (hence the blank
    // after the text), nor a first window at the side's start.
    ReplaceAllResult result = ReplaceAll(doc.editor, Search(find, replace, options), doc.messages);
    EXPECT_EQ(result.replaced, 2) << (down ? "down" : "up");
    EXPECT_EQ(doc.Letters(),
              (std::vector<int>{Resh, BetDagesh, BetDagesh, Space, BetDagesh, BetDagesh, Space}));
    EXPECT_EQ(doc.Points(), (std::vector<int>{Patah, Qamats, Qamats, 0, Qamats, Qamats, 0}));
  }
}

// --- Texts ----------------------------------------------------------------------

TEST(FindText, MergedFormRoundTrips) {
  FindText pointed = Text({Bet, Resh, Alef}, {Qamats, Qamats, 0});
  FindText back = FindText::FromMerged(pointed.Merged(), TRUE);
  EXPECT_EQ(back.letters, pointed.letters);
  EXPECT_EQ(back.points, pointed.points);
  // English keeps every byte, even those that are point codes in Hebrew.
  FindText english = FindText::FromMerged("caf\xC9", FALSE);
  EXPECT_EQ(english.letters, CString("caf\xC9"));
  EXPECT_EQ(english.points, std::vector<BYTE>(4, 0));
}

// --- Histories ------------------------------------------------------------------

TEST(FindHistory, NewestFirstTenAtMostNoRepeats) {
  MemoryProfileStore profile;
  for (int i = 1; i <= 11; i++) {
    AddToFindHistory(profile, FindHistoryKind::kFind, TRUE,
                     CString("w") + std::to_string(i).c_str());
  }
  std::vector<CString> list = ReadFindHistory(profile, FindHistoryKind::kFind, TRUE);
  ASSERT_EQ(list.size(), 10u);
  EXPECT_EQ(list.front(), CString("w11"));
  EXPECT_EQ(list.back(), CString("w2"));  // the eleventh dropped the oldest
  AddToFindHistory(profile, FindHistoryKind::kFind, TRUE, "w5");
  AddToFindHistory(profile, FindHistoryKind::kFind, TRUE, "");
  list = ReadFindHistory(profile, FindHistoryKind::kFind, TRUE);
  ASSERT_EQ(list.size(), 10u);
  EXPECT_EQ(list[0], CString("w5"));
  EXPECT_EQ(list[1], CString("w11"));
  EXPECT_EQ(std::count(list.begin(), list.end(), CString("w5")), 1);
  // The other lists are apart.
  EXPECT_TRUE(ReadFindHistory(profile, FindHistoryKind::kFind, FALSE).empty());
  EXPECT_TRUE(ReadFindHistory(profile, FindHistoryKind::kReplace, TRUE).empty());
}

TEST(FindHistory, ValueHoldsEachEntryFollowedByFF) {
  MemoryProfileStore profile;
  AddToFindHistory(profile, FindHistoryKind::kReplace, FALSE, "ab");
  AddToFindHistory(profile, FindHistoryKind::kReplace, FALSE, "c");
  std::vector<BYTE> value;
  ASSERT_TRUE(profile.GetProfileBinary("Preferences", "RecentUsedReplaceEnglish", value));
  EXPECT_EQ(value, (std::vector<BYTE>{'c', 0xFF, 'a', 'b', 0xFF}));
  EXPECT_EQ(FindHistoryValueName(FindHistoryKind::kFind, TRUE), CString("RecentUsedFindHebrew"));
  // A value cut short loses only its unfinished entry.
  EXPECT_EQ(ParseFindHistory({'x', 0xFF, 'y'}), std::vector<CString>{CString("x")});
}

}  // namespace
