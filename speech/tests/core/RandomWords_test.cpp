// Random pointed words through every rule: no crash, bounded output, no "9"
// left, at most one stress placed where none was given, rewrites that never
// lengthen the word. The fuzzer checks the same with inputs it chooses.
#include <gtest/gtest.h>

#include <random>

#include "speech/fuzz/PronunciationChecks.h"

namespace {

TEST(RandomWords, KeepTheInvariants) {
  std::mt19937 random(20261209);
  std::uniform_int_distribution<int> byte(0, 255), length(0, 30);
  const DWORD kinds[] = {0, 1, 2, 3, 4, kAnyPrefixKind};
  for (int run = 0; run < 20000; ++run) {
    std::vector<unsigned char> bytes(2 * length(random));
    for (auto& b : bytes) b = static_cast<unsigned char>(byte(random));
    const auto word = pronunciation_checks::WordFromBytes(bytes.data(), bytes.size());
    const auto pronunciation = static_cast<Pronunciation>(kSephardi + run % 3);
    const auto vowelType = static_cast<VowelType>((run / 3) % 2);
    const std::string failure =
        pronunciation_checks::CheckWord(word, pronunciation, vowelType, kinds[(run / 6) % 6]);
    ASSERT_EQ(failure, "") << "run " << run;
  }
}

}  // namespace
