#include "speech/core/TutorFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

#include "hebtext/core/HebChar.h"

namespace {

using namespace HebCode;

// Lesson 1 introduces bet with an explanation, practises two words and ends;
// every other lesson is a single end step.
TutorData SampleData() {
  TutorData data;
  const std::string text = std::string("bet", 4) + "\xE1\xC7\xFA" + '\0' + "\xE0\xC7\xE1" + '\0';
  data.text.assign(text.begin(), text.end());
  TutorStep introduce;
  introduce.kind = kTutorIntroduce;
  introduce.flag = kTutorExplanationFromText;
  introduce.items[0] = Bet;
  introduce.items[1] = BetDagesh;
  introduce.text = 0;
  TutorStep practice;
  practice.kind = kTutorPractice;
  practice.words[0] = 4;
  practice.words[1] = 8;
  data.steps = {introduce, practice, TutorStep()};
  for (int lesson = 2; lesson <= kTutorLessonCount; ++lesson) data.steps.push_back(TutorStep());
  data.lessons[0] = 0;
  for (int k = 1; k <= kTutorLessonCount; ++k) data.lessons[k] = static_cast<WORD>(k + 2);
  return data;
}

constexpr size_t kFirstRecord = kTutorHeaderSize;
constexpr size_t kSecondRecord = kTutorHeaderSize + kTutorStepSize;

std::string Damaged(const std::string& what) {
  return "The lesson file Tutor.bin is damaged (" + what + ") and was not loaded.";
}

TEST(TutorFile, WrittenDataReadsBackWhole) {
  const std::vector<BYTE> bytes = WriteTutorData(SampleData());
  ASSERT_EQ(bytes.size(), 58u + 26u * 20u + 12u);
  TutorData data;
  const TutorLoadResult result = ReadTutorData(bytes.data(), bytes.size(), data);
  ASSERT_TRUE(result.loaded());
  EXPECT_TRUE(result.messages.empty());
  ASSERT_EQ(data.steps.size(), 26u);
  EXPECT_EQ(data.steps[0].kind, kTutorIntroduce);
  EXPECT_EQ(data.steps[0].items[1], BetDagesh);
  EXPECT_EQ(data.GetTutorText(data.steps[0].text), "bet");
  EXPECT_EQ(data.GetTutorText(data.steps[1].words[1]), "\xE0\xC7\xE1");
  EXPECT_EQ(data.GetTutorText(data.steps[1].words[2]), "");
  EXPECT_EQ(data.LessonFirstStep(1), 0);
  EXPECT_EQ(data.LessonEndStep(1), 3);
  EXPECT_EQ(data.LessonEndStep(kTutorLessonCount), 26);
  EXPECT_EQ(WriteTutorData(data), bytes);
}

struct DamageCase {
  const char* name;
  std::function<void(std::vector<BYTE>&)> damage;
  const char* what;
};

void PutDword(std::vector<BYTE>& bytes, size_t at, DWORD value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<BYTE>(value >> (8 * i));
}

TEST(TutorFile, DamagedFilesAreRejectedWithWhatIsWrong) {
  const std::vector<BYTE> good = WriteTutorData(SampleData());
  const size_t textStart = good.size() - 12;
  const DamageCase cases[] = {
      {"short header", [](std::vector<BYTE>& b) { b.resize(57); }, "it is too short"},
      {"trailing byte", [](std::vector<BYTE>& b) { b.push_back(0); },
       "its sizes do not match its length"},
      {"count past the end", [](std::vector<BYTE>& b) { PutDword(b, 0, 27); },
       "its sizes do not match its length"},
      // N x 20 wraps 32 bits to the true size: only a 64-bit sum sees it.
      {"count that wraps", [](std::vector<BYTE>& b) { PutDword(b, 0, 26 + 0x40000000); },
       "its sizes do not match its length"},
      {"text size past the end", [](std::vector<BYTE>& b) { PutDword(b, 4, 0xFFFFFFF0); },
       "its sizes do not match its length"},
      {"lesson table backwards", [](std::vector<BYTE>& b) { b[8 + 2 * 5] = 30; },
       "its lesson table is out of order"},
      {"empty lesson", [](std::vector<BYTE>& b) { b[8 + 2 * 2] = b[8 + 2 * 1]; },
       "its lesson table is out of order"},
      {"lesson beyond the steps", [](std::vector<BYTE>& b) { b[8 + 2 * 24] = 27; },
       "its lesson table is out of order"},
      {"unknown kind", [](std::vector<BYTE>& b) { b[kSecondRecord] = 5; },
       "a step's kind is not known"},
      {"no item", [](std::vector<BYTE>& b) { b[kFirstRecord + 5] = 0; },
       "a step's item codes are not known"},
      {"item after a gap",
       [](std::vector<BYTE>& b) { b[kFirstRecord + 6] = 0, b[kFirstRecord + 7] = Bet; },
       "a step's item codes are not known"},
      {"ASCII item", [](std::vector<BYTE>& b) { b[kFirstRecord + 6] = 'b'; },
       "a step's item codes are not known"},
      {"no-vowel item", [](std::vector<BYTE>& b) { b[kFirstRecord + 6] = ExplicitNoVowel; },
       "a step's item codes are not known"},
      {"explanation past the block",
       [](std::vector<BYTE>& b) { PutDword(b, kFirstRecord + 8, 12); },
       "a text lies outside the text block"},
      {"word past the block", [](std::vector<BYTE>& b) { PutDword(b, kSecondRecord + 16, 400); },
       "a text lies outside the text block"},
      {"text without its terminator",
       [textStart](std::vector<BYTE>& b) { b[textStart + 11] = 'x'; },
       "a text lies outside the text block"},
  };
  for (const DamageCase& c : cases) {
    std::vector<BYTE> bytes = good;
    c.damage(bytes);
    TutorData data = SampleData();
    const TutorLoadResult result = ReadTutorData(bytes.data(), bytes.size(), data);
    EXPECT_EQ(result.status, TutorLoadStatus::kDamaged) << c.name;
    ASSERT_EQ(result.messages.size(), 1u) << c.name;
    EXPECT_EQ(std::string(result.messages[0].text), Damaged(c.what)) << c.name;
    EXPECT_TRUE(data.steps.empty() && data.text.empty()) << c.name;
  }
}

TEST(TutorFile, FailedAllocationIsReportedNotLoaded) {
  const std::vector<BYTE> bytes = WriteTutorData(SampleData());
  TutorData data;
  const TutorLoadResult result = ReadTutorData(bytes.data(), bytes.size(), data,
                                               [](TutorData&, size_t, size_t) { return false; });
  EXPECT_EQ(result.status, TutorLoadStatus::kOutOfMemory);
  ASSERT_EQ(result.messages.size(), 1u);
  EXPECT_EQ(std::string(result.messages[0].text), "Not enough memory to load Tutor.bin.");
  EXPECT_TRUE(data.steps.empty());
}

TEST(TutorFile, LoadsFromAFileAndNamesAMissingOne) {
  const std::string path = ::testing::TempDir() + "TutorFile_test.bin";
  const std::vector<BYTE> bytes = WriteTutorData(SampleData());
  FILE* file = fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  fwrite(bytes.data(), 1, bytes.size(), file);
  fclose(file);
  TutorData data;
  EXPECT_TRUE(LoadTutorData(path.c_str(), data).loaded());
  EXPECT_EQ(data.steps.size(), 26u);
  remove(path.c_str());

  const TutorLoadResult missing = LoadTutorData(path.c_str(), data);
  EXPECT_EQ(missing.status, TutorLoadStatus::kMissing);
  ASSERT_EQ(missing.messages.size(), 1u);
  EXPECT_EQ(std::string(missing.messages[0].text), "File Missing: Tutor.bin");
  EXPECT_TRUE(data.steps.empty());
}

}  // namespace
