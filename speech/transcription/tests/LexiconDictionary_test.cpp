// Unpointed words spoken as the dictionary's entries say: the word
// databases searched for them (prefix letters peeled off), the entry chosen
// and merged behind the pointed prefixes.
#include "speech/transcription/core/LexiconDictionary.h"

#include <gtest/gtest.h>

#include "lexicon/core/DatabaseBuildProgress.h"
#include "lexicon/core/WordDatabaseSearch.h"
#include "lexicon/tests/core/DictionaryTestData.h"
#include "speech/transcription/core/Transcription.h"
#include "speech/transcription/tests/TranscriptionTestWords.h"

namespace LexiconDictionary_test {

using namespace dicttest;

// Entries as the grammar renders them: a stress before the last syllable
// marked (here by a meteg).
const std::vector<WordEntry> kEntries = {
    {Noun(1), u8"שָׁלוֹם"}, {Noun(2), u8"בַּֽיִת"}, {Noun(3), u8"יֶֽלֶד"}, {Noun(4), u8"כֶּֽלֶב"},
};

// The program's dictionary over a small built database; the entry texts
// come from the table the database was built from.
class TableDictionary : public LexiconDictionary {
 public:
  explicit TableDictionary(LookupData& data, const WordRecordRenderer& renderer)
      : LexiconDictionary(data), m_renderer(renderer) {}
  int EntryText(const PackedWordRec& record, bool, BYTE* letters, BYTE* vowels) override {
    return m_renderer.Render(record, letters, vowels, kWordPlaneSize);
  }

 private:
  const WordRecordRenderer& m_renderer;
};

class LexiconDictionaryTest : public ::testing::Test {
 protected:
  LexiconDictionaryTest()
      : m_folder("transcription"),
        m_renderer(kEntries),
        m_data(m_folder.Path().c_str(), m_renderer),
        m_dictionary(m_data, m_renderer) {}
  void SetUp() override {
    TableSource source(kEntries);
    SilentBuildProgress progress;
    ASSERT_TRUE(BuildWordDatabases(m_folder.Path().c_str(), source, m_renderer, progress).built);
    m_data.SetReady(true);
  }

  std::string Speak(const char* text) {
    TestText pieces;
    pieces << text;
    TranscriptionContext context;
    context.dictionary = &m_dictionary;
    TranscriptionResult result;
    TranscribeText(pieces.letters.data(), pieces.vowels.data(), {}, context, result);
    return static_cast<LPCSTR>(result.phonetic);
  }

  DatabaseFolder m_folder;
  TableRenderer m_renderer;
  LookupData m_data;
  TableDictionary m_dictionary;
};

TEST_F(LexiconDictionaryTest, SpeaksUnpointedWordsAsTheirEntries) {
  const struct {
    const char* typed;
    const char* spoken;
    const char* gloss;
  } cases[] = {
      {u8"שלום", "`[S0Al1Om]", "sha-LOM"},
      {u8"בית", "`[b1Aj0It]", "BA-yit: the entry's stress and dagesh"},
      {u8"ילד", "`[j1El0Ed]", "YE-led"},
      {u8"הבית", "`[h0Ab1Aj0It]", "ha-BA-yit: the article, the dagesh after it"},
      {u8"ובית", "`[0Uv1Aj0It]", "u-VA-yit: no dagesh after the conjunction's vowel"},
      {u8"הכלב", "`[h0Ak1El0Ev]", "ha-KE-lev"},
      {u8"שלום ילד", "`[S0Al1Om] `[j1El0Ed]", "two words"},
      {u8"גלגל", "`[glgl]", "not in the dictionary: spoken as written, without vowels"},
  };
  for (const auto& c : cases) EXPECT_EQ(Speak(c.typed), c.spoken) << c.gloss;
}

TEST_F(LexiconDictionaryTest, KeepsTheSoftLetterAfterAWordEndingInAVowel) {
  EXPECT_EQ(Speak(u8"זֶה בית"), "`[z1E] `[v1Aj0It]");
  EXPECT_EQ(Speak(u8"שלום בית"), "`[S0Al1Om] `[b1Aj0It]");
}

}  // namespace LexiconDictionary_test
