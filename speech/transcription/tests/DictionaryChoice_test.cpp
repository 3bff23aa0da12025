// The dictionary's choice of entry for an unmarked word: scores, the choice
// among hits, and the merge of the entry's pointed text into the word.
#include "speech/transcription/core/DictionaryChoice.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "speech/transcription/core/Transcription.h"
#include "speech/transcription/tests/TranscriptionTestWords.h"

namespace DictionaryChoice_test {

// Entries by their packed fields, each with its pointed text (a meteg marks
// a stress before the last syllable, as the entry texts carry it), found
// for one typed word.
class FakeDictionary : public TranscriptionDictionary {
 public:
  explicit FakeDictionary(const char* typed = u8"בית") : m_typed(WordRec(typed)) {}
  void Add(int kind, const UnpackedWordRec& fields, const char* text, BYTE prefixLength = 0) {
    const PackedWordRec record = PackWordRecord(kind, fields);
    m_texts[record.fields] = text;
    m_hits.Append(SearchHit{record, prefixLength});
  }
  bool FindHits(const HebWordRec& word, SearchHitList& hits) override {
    ++searches;
    if (strcmp(reinterpret_cast<const char*>(word.letters),
               reinterpret_cast<const char*>(m_typed.letters)) != 0) {
      return false;
    }
    hits = m_hits;
    return hits.Count() > 0;
  }
  int EntryText(const PackedWordRec& record, bool, BYTE* letters, BYTE* vowels) override {
    const HebWordRec word = WordRec(m_texts[record.fields].c_str());
    memcpy(letters, word.letters, kWordPlaneSize);
    memcpy(vowels, word.vowels, kWordPlaneSize);
    return static_cast<int>(strlen(reinterpret_cast<const char*>(letters)));
  }
  int AdjectiveInflection(int) override { return 0; }
  const SearchHitList& Hits() const { return m_hits; }

  int searches = 0;

 private:
  HebWordRec m_typed;
  std::map<DWORD, std::string> m_texts;
  SearchHitList m_hits;
};

UnpackedWordRec Noun(int entry, int cell, int wordNumber = 0) {
  UnpackedWordRec f;
  f.entryIndex = static_cast<WORD>(entry);
  f.cell = cell;
  f.wordNumber = wordNumber;
  f.numberField = 1;
  return f;
}

UnpackedWordRec Verb(int entry, int binyan, int slot) {
  UnpackedWordRec f;
  f.entryIndex = static_cast<WORD>(entry);
  f.binyan = binyan;
  f.formSlot = static_cast<WORD>(slot);
  return f;
}

TEST(ScoreDictionaryHit, ScoresByKindAndPrefix) {
  FakeDictionary dictionary;
  dictionary.Add(kKindNoun, Noun(1, 0), u8"בַּיִת");
  dictionary.Add(kKindNoun, Noun(1, 0), u8"בַּיִת", 2);
  dictionary.Add(kKindNoun, Noun(2, 5), u8"בַּיִת");
  dictionary.Add(kKindVerb, Verb(3, 0, 5), u8"בָּנָה");
  dictionary.Add(kKindVerb, Verb(4, 3, 1), u8"בֻּנָּה");
  const HebWordRec word = WordRec(u8"בית");
  const SearchHitList& hits = dictionary.Hits();
  const HitScore plain = ScoreDictionaryHit(dictionary, hits[0], word);
  EXPECT_EQ(plain.kind, kKindNoun);
  EXPECT_EQ(plain.score, 4000);
  EXPECT_TRUE(plain.usable);
  // Behind a two-letter prefix a noun loses 1200.
  EXPECT_EQ(ScoreDictionaryHit(dictionary, hits[1], word).score, 2800);
  EXPECT_FALSE(ScoreDictionaryHit(dictionary, hits[2], word).usable);  // cell 5
  EXPECT_EQ(ScoreDictionaryHit(dictionary, hits[3], word).score, 3000 + 10 + 9);
  EXPECT_EQ(ScoreDictionaryHit(dictionary, hits[4], word).score, 1500 + 10);
}

struct ChoiceCase {
  const char* gloss;
  std::vector<HitScore> scores;
  int chosen;
};

class ChooseDictionaryHitTable : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(ChooseDictionaryHitTable, PrefersUsableMatchingHigherScores) {
  const ChoiceCase& c = GetParam();
  EXPECT_EQ(ChooseDictionaryHit(c.scores.data(), static_cast<int>(c.scores.size())), c.chosen)
      << c.gloss;
}

// score, kind, match, usable
INSTANTIATE_TEST_SUITE_P(
    Hits, ChooseDictionaryHitTable,
    ::testing::Values(
        ChoiceCase{"none", {}, -1},
        ChoiceCase{"same kind, both match: the higher score",
                   {{3000, kKindNoun, true, true}, {3500, kKindNoun, true, true}}, 1},
        ChoiceCase{"same kind: a match outweighs a score",
                   {{3000, kKindNoun, true, true}, {3500, kKindNoun, false, true}}, 0},
        ChoiceCase{"equal candidates: the first",
                   {{3000, kKindNoun, true, true}, {3000, kKindNoun, true, true}}, 0},
        ChoiceCase{"usable first",
                   {{9000, kKindNumber, true, false}, {100, kKindNoun, false, true}}, 1},
        ChoiceCase{"other kinds: the higher score",
                   {{3000, kKindNoun, true, true}, {5000, kKindAdj, false, true}}, 1}));

std::string Speak(FakeDictionary& dictionary, const char* text) {
  TestText pieces;
  pieces << text;
  TranscriptionContext context;
  context.dictionary = &dictionary;
  TranscriptionResult result;
  TranscribeText(pieces.letters.data(), pieces.vowels.data(), {}, context, result);
  return static_cast<LPCSTR>(result.phonetic);
}

TEST(ApplyDictionary, PointsTheWordAndKeepsTheSoftLetterAfterAVowel) {
  FakeDictionary dictionary;
  dictionary.Add(kKindNoun, Noun(1, 0), u8"בַּֽיִת");
  // At the start, or after a consonant, the entry's dagesh is taken.
  EXPECT_EQ(Speak(dictionary, u8"בית"), "`[b1Aj0It]");  // BA-yit, a noun
  EXPECT_EQ(Speak(dictionary, u8"טוֹב בית"), "`[t1Ov] `[b1Aj0It]");
  // After a word ending in he the typed plain letter stays.
  EXPECT_EQ(Speak(dictionary, u8"זֶה בית"), "`[z1E] `[v1Aj0It]");
}

TEST(ApplyDictionary, IsNotAskedForMarkedOrRespelledWordsOrWithACallersMode) {
  FakeDictionary dictionary;
  dictionary.Add(kKindNoun, Noun(1, 0), u8"בַּיִת");
  Speak(dictionary, u8"בַּֽיִת");  // a meteg marks the stress
  EXPECT_EQ(dictionary.searches, 0);
  TestText pieces;
  pieces << u8"בית";
  TranscriptionContext context;
  context.dictionary = &dictionary;
  TranscriptionRequest request;
  request.mode = kModeNounForm;
  TranscriptionResult result;
  TranscribeText(pieces.letters.data(), pieces.vowels.data(), request, context, result);
  EXPECT_EQ(dictionary.searches, 0);
  Speak(dictionary, u8"בית");
  EXPECT_EQ(dictionary.searches, 1);
}

}  // namespace DictionaryChoice_test
