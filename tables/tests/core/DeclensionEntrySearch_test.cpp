#include "tables/core/DeclensionEntrySearch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "hebtext/core/HebChar.h"

namespace {

EntrySearchWord Unpointed(const std::vector<int>& letters) {
  EntrySearchWord word;
  for (const int letter : letters) {
    word.letters += static_cast<char>(letter);
    word.vowels += static_cast<char>(HebCode::NoVowel);
  }
  return word;
}

EntryRowWord RowsOf(const std::vector<EntrySearchWord>& rows) {
  return [&rows](int row, EntrySearchWord& word) {
    if (row < 0 || row >= static_cast<int>(rows.size())) return false;
    word = rows[static_cast<size_t>(row)];
    return true;
  };
}

// What the search must find: the row of the typed word, or the last row
// sorting before it, or row 0 when every row sorts after it.
int ExpectedRow(const std::vector<EntrySearchWord>& rows, const EntrySearchWord& typed) {
  int expected = 0;
  for (size_t row = 0; row < rows.size(); ++row)
    if (CompareEntryWord(rows[row], typed, 0) <= 0) expected = static_cast<int>(row);
  return expected;
}

TEST(DeclensionEntrySearch, FindsTheRowOfOrBeforeEveryTypedWord) {
  // Sorted distinct rows of two letters from alef, gimel and he; typed words
  // of one or two letters from alef to he fall on, between, before and after
  // them, for every list length.
  const int rowLetters[] = {HebCode::Alef, HebCode::Gimel, HebCode::He};
  std::vector<EntrySearchWord> all;
  for (const int a : rowLetters)
    for (const int b : rowLetters) all.push_back(Unpointed({a, b}));
  std::vector<EntrySearchWord> typedWords;
  for (int a = HebCode::Alef; a <= HebCode::He; ++a) {
    typedWords.push_back(Unpointed({a}));
    for (int b = HebCode::Alef; b <= HebCode::He; ++b) typedWords.push_back(Unpointed({a, b}));
  }
  for (size_t count = 0; count <= all.size(); ++count) {
    const std::vector<EntrySearchWord> rows(all.begin(), all.begin() + static_cast<long>(count));
    for (const EntrySearchWord& typed : typedWords)
      EXPECT_EQ(FindEntryRow(typed, static_cast<int>(count), RowsOf(rows)),
                ExpectedRow(rows, typed))
          << count << " rows, typed " << typed.letters.size() << " letters "
          << int(static_cast<BYTE>(typed.letters[0]));
  }
}

TEST(DeclensionEntrySearch, TypedWordIsCutAndTrimmed) {
  const std::vector<EntrySearchWord> rows = {
      Unpointed({HebCode::Alef}),
      Unpointed({HebCode::Bet, HebCode::Gimel}),
      Unpointed({HebCode::Bet, HebCode::Gimel, ' ', HebCode::Dalet}),
      Unpointed({HebCode::Dalet}),
  };
  struct Case {
    EntrySearchWord typed;
    int row;
  };
  const Case cases[] = {
      {Unpointed({HebCode::Bet, HebCode::Gimel}), 1},
      {Unpointed({HebCode::Bet, HebCode::Gimel, ' ', '-'}), 1},
      {Unpointed({HebCode::Bet, HebCode::Gimel, ' ', HebCode::Dalet}), 2},
      {Unpointed({HebCode::Bet, HebCode::Gimel, '-', HebCode::Dalet}), 2},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FindEntryRow(c.typed, static_cast<int>(rows.size()), RowsOf(rows)), c.row)
        << c.typed.letters.size();
}

TEST(DeclensionEntrySearch, VowelsChooseAmongEqualLetters) {
  // davar (qamats, qamats) before diber (hiriq, tsere).
  EntrySearchWord davar = Unpointed({HebCode::Dalet, HebCode::Bet, HebCode::Resh});
  davar.vowels = {char(HebCode::Qamats), char(HebCode::Qamats), 0};
  EntrySearchWord diber = davar;
  diber.vowels = {char(HebCode::Hiriq), char(HebCode::Tsere), 0};
  const std::vector<EntrySearchWord> rows = {Unpointed({HebCode::Alef}), davar, diber};
  EXPECT_EQ(FindEntryRow(diber, 3, RowsOf(rows)), 2);
  EXPECT_EQ(FindEntryRow(davar, 3, RowsOf(rows)), 1);
  EXPECT_EQ(FindEntryRow(Unpointed({HebCode::Dalet, HebCode::Bet, HebCode::Resh}), 3, RowsOf(rows)),
            1);
  EXPECT_LT(CompareEntryWord(davar, diber, kCompareVowelClasses), 0);
  EXPECT_EQ(CompareEntryWord(davar, diber, 0), 0);
}

TEST(DeclensionEntrySearch, UnreadableRowsEndTheSearch) {
  const EntryRowWord unreadable = [](int, EntrySearchWord&) { return false; };
  const EntrySearchWord typed = Unpointed({HebCode::Alef});
  EXPECT_EQ(FindEntryRow(typed, 5, unreadable), -1);
  EXPECT_EQ(IncrementalSearchRow(typed, 5, unreadable), 4);
  EXPECT_EQ(IncrementalSearchRow(typed, 0, unreadable), 0);
}

}  // namespace
