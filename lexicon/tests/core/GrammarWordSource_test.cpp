// The word records of the grammar as the database build files them: the
// storing pass files what the counting pass filed, with its own progress
// lines and stops, whatever became of an earlier build with the same source.
#include "lexicon/core/GrammarWordSource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lexicon/core/DictionaryFiles.h"
#include "lexicon/core/EntryTextRenderer.h"
#include "lexicon/tests/core/DictionaryTestData.h"
#include "lexicon/tests/core/GrammarSuite.h"
#include "lexicon/tests/core/ModelVerbGrammar.h"

namespace {

const std::string kCounting = "Counting ";
const std::string kProcessing = "Processing ";
const std::string kFirstCountedVerb = "Counting Verb Shoresh 0";
const std::string kFirstStoredVerb = "Processing Verb Shoresh 0";

// Keeps the lines it is shown; says stop from the line stopAt on.
class RecordingProgress : public DatabaseBuildProgress {
 public:
  explicit RecordingProgress(std::string stopAt = "") : m_stopAt(std::move(stopAt)) {}
  void ShowLine(const CString& line) override {
    lines.emplace_back(static_cast<LPCSTR>(line));
    m_stopped = m_stopped || lines.back() == m_stopAt;
  }
  bool Continue() override { return !m_stopped; }

  // The lines that begin with the pass's word, without it.
  std::vector<std::string> PassLines(const std::string& pass) const {
    std::vector<std::string> found;
    for (const std::string& line : lines)
      if (line.compare(0, pass.size(), pass) == 0) found.push_back(line.substr(pass.size()));
    return found;
  }

  std::vector<std::string> lines;

 private:
  std::string m_stopAt;
  bool m_stopped = false;
};

class GrammarWordSourceTest : public lextest::GrammarSuite<GrammarWordSourceTest> {
 public:
  static lextest::ModelVerbGrammar* MakeGrammar() {
    return new lextest::ModelVerbGrammar("wordsource");
  }

 protected:
  WordDatabaseBuildResult Build(const dicttest::DatabaseFolder& folder, GrammarWordSource& source,
                                DatabaseBuildProgress& progress) {
    return BuildWordDatabases(folder.Path().c_str(), source, renderer, progress);
  }

  EntryTextRenderer renderer;
};

TEST_F(GrammarWordSourceTest, TheStoringPassShowsTheCountingPassLines) {
  dicttest::DatabaseFolder folder("wordsource-lines");
  GrammarWordSource source(renderer);
  RecordingProgress progress;
  ASSERT_TRUE(Build(folder, source, progress).built);
  const std::vector<std::string> counted = progress.PassLines(kCounting);
  EXPECT_FALSE(counted.empty());
  EXPECT_EQ(counted, progress.PassLines(kProcessing));
}

TEST_F(GrammarWordSourceTest, AStopInTheStoringPassEndsTheBuildAtOnce) {
  dicttest::DatabaseFolder folder("wordsource-stop");
  GrammarWordSource source(renderer);
  RecordingProgress progress(kFirstStoredVerb);
  const WordDatabaseBuildResult result = Build(folder, source, progress);
  EXPECT_FALSE(result.built);
  EXPECT_TRUE(result.messages.empty());
  EXPECT_EQ(progress.lines.back(), kFirstStoredVerb);
}

// A build stopped in either pass leaves the source to build the same files
// as a fresh one.
TEST_F(GrammarWordSourceTest, AStoppedBuildLeavesTheSourceAsFresh) {
  dicttest::DatabaseFolder fresh("wordsource-fresh");
  GrammarWordSource freshSource(renderer);
  SilentBuildProgress silent;
  ASSERT_TRUE(Build(fresh, freshSource, silent).built);
  for (const std::string& stopAt : {kFirstCountedVerb, kFirstStoredVerb}) {
    dicttest::DatabaseFolder again("wordsource-again");
    GrammarWordSource source(renderer);
    RecordingProgress stopping(stopAt);
    ASSERT_FALSE(Build(again, source, stopping).built) << stopAt;
    ASSERT_TRUE(Build(again, source, silent).built) << stopAt;
    for (LPCSTR file : {DictionaryFile::kWordData, DictionaryFile::kListWordData})
      EXPECT_TRUE(fresh.Read(file) == again.Read(file)) << stopAt << ": " << file;
  }
}

}  // namespace
