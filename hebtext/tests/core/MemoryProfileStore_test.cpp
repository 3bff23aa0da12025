// The in-memory profile: values by section and entry, defaults for missing
// ones, and one value an entry as in the registry.
#include "hebtext/core/MemoryProfileStore.h"

#include <gtest/gtest.h>

namespace {

TEST(MemoryProfileStore, ReadsBackWhatWasWritten) {
  MemoryProfileStore profile;
  profile.WriteProfileInt("General", "Accent", 2);
  profile.WriteProfileString("Phonemes", "0", "English|b");
  const BYTE bytes[] = {0, 1, 2, 0};
  profile.WriteProfileBinary("Phonemes", "LogFont Data", bytes, sizeof(bytes));
  EXPECT_EQ(profile.GetProfileInt("General", "Accent", 1), 2u);
  EXPECT_STREQ(profile.GetProfileString("Phonemes", "0", ""), "English|b");
  std::vector<BYTE> data;
  EXPECT_TRUE(profile.GetProfileBinary("Phonemes", "LogFont Data", data));
  EXPECT_EQ(data, std::vector<BYTE>(bytes, bytes + sizeof(bytes)));
}

TEST(MemoryProfileStore, MissingValuesGiveTheDefaults) {
  MemoryProfileStore profile;
  EXPECT_EQ(profile.GetProfileInt("General", "Accent", 1), 1u);
  EXPECT_STREQ(profile.GetProfileString("General", "Accent", "none"), "none");
  std::vector<BYTE> data{7};
  EXPECT_FALSE(profile.GetProfileBinary("General", "Accent", data));
  EXPECT_TRUE(data.empty());
  // Sections and entries are told apart.
  profile.WriteProfileInt("General", "Accent", 3);
  EXPECT_EQ(profile.GetProfileInt("Settings", "Accent", 1), 1u);
}

TEST(MemoryProfileStore, AWriteReplacesAValueOfAnotherKind) {
  MemoryProfileStore profile;
  profile.WriteProfileString("Phonemes", "ActiveSet", "4");
  EXPECT_EQ(profile.GetProfileInt("Phonemes", "ActiveSet", 0), 4u);
  const BYTE one = 1;
  profile.WriteProfileBinary("Phonemes", "ActiveSet", &one, 1);
  EXPECT_EQ(profile.GetProfileInt("Phonemes", "ActiveSet", 9), 9u);
  EXPECT_STREQ(profile.GetProfileString("Phonemes", "ActiveSet", "x"), "x");
}

}  // namespace
