// The phoneme sets as the Phoneme Set dialog lists, edits, deletes and
// renumbers them, and how it describes and fits the transliteration font.
#include "speech/core/PhonemeSetList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hebtext/core/MemoryProfileStore.h"
#include "speech/core/PhonemeFont.h"

namespace phoneme_set_list_test {

constexpr char kSection[] = "Phonemes";

std::vector<std::string> Names(const PhonemeSetList& list) {
  std::vector<std::string> names;
  for (int i = 0; i < list.Count(); ++i) names.push_back(list.Name(i));
  return names;
}

TEST(PhonemeSetList, ReadsUpToTheFirstMissingSetWithTheBuiltInsStandingIn) {
  MemoryProfileStore profile;
  profile.WriteProfileString(kSection, "6", "Mine|b|c");
  profile.WriteProfileString(kSection, "7", "Yours|b");
  profile.WriteProfileString(kSection, "9", "Lost|b");  // behind the gap at 8
  PhonemeSetList list;
  list.Read(profile);
  ASSERT_EQ(8, list.Count());
  EXPECT_EQ("English", list.Name(0));
  EXPECT_EQ("Mine", list.Name(6));
  EXPECT_EQ("Yours", list.Name(7));
  EXPECT_TRUE(list.HasName("Yours"));
  EXPECT_FALSE(list.HasName("yours"));  // names differ by case
}

TEST(PhonemeSetList, KeepingTrimsSpellingsAndWritingRenumbersWithoutGaps) {
  MemoryProfileStore profile;
  for (int i = 6; i < 9; ++i)
    profile.WriteProfileString(kSection, std::to_string(i).c_str(), ("Set" + std::to_string(i)).c_str());
  PhonemeSetList list;
  list.Read(profile);
  ASSERT_EQ(9, list.Count());
  list.Keep(6, "Set6", {" b ", "ts", ""});
  EXPECT_EQ("Set6|b|ts|", list.Text(6));
  EXPECT_EQ((std::vector<std::string>{"b", "ts", ""}), PhonemeSetSpellings(list.Text(6)));
  list.Remove(7);
  list.Add();
  list.Keep(8, "New", {"x"});
  list.Write(profile);
  EXPECT_EQ("Set6|b|ts|", std::string(profile.GetProfileString(kSection, "6", "")));
  EXPECT_EQ("Set8", std::string(profile.GetProfileString(kSection, "7", "")));
  EXPECT_EQ("New|x", std::string(profile.GetProfileString(kSection, "8", "")));
  EXPECT_EQ("", std::string(profile.GetProfileString(kSection, "9", "")));
  // The built-in sets are written out under their indexes too.
  EXPECT_EQ("English", std::string(profile.GetProfileString(kSection, "0", "")).substr(0, 7));
}

TEST(PhonemeSetList, SpellingsOfASetStopAtTheSlots) {
  std::string text = "Long";
  for (int i = 0; i < kPhonemeSlots + 3; ++i) text += "|s" + std::to_string(i);
  EXPECT_EQ(static_cast<size_t>(kPhonemeSlots), PhonemeSetSpellings(text).size());
  EXPECT_TRUE(PhonemeSetSpellings("NameOnly").empty());
  EXPECT_EQ((std::vector<std::string>{"", ""}), PhonemeSetSpellings("N||"));
}

TEST(PhonemeSetList, TheSelectionAfterADeleteStaysOrMovesToTheLast) {
  const struct {
    int index, remaining, selected;
  } cases[] = {{7, 7, 6}, {3, 7, 3}, {0, 0, -1}, {0, 1, 0}};
  for (const auto& c : cases)
    EXPECT_EQ(c.selected, SelectionAfterDelete(c.index, c.remaining)) << c.index << " " << c.remaining;
}

TEST(PhonemeFontText, DescribesFaceSizeAndStyle) {
  EXPECT_EQ("Arial 16 pt. Bold", DescribePhonemeFont("Arial", 16, 700, false));
  EXPECT_EQ("Times New Roman 12 pt.", DescribePhonemeFont("Times New Roman", 12, 400, false));
  EXPECT_EQ("Courier 9 pt. Bold Italic", DescribePhonemeFont("Courier", 9, 900, true));
}

TEST(PhonemeFontFit, TakesTheLargestSizeWhoseLineFits) {
  // A font whose line is 4/3 of its points, rounded up.
  const auto lineHeight = [](int points) { return (points * 4 + 2) / 3; };
  EXPECT_EQ(12, FitPointSize(16, lineHeight));  // 12 points: a line of 16
  EXPECT_EQ(11, FitPointSize(15, lineHeight));  // 12 would be 16
  EXPECT_EQ(0, FitPointSize(0, lineHeight));    // even 1 point is taller
  // A measurer that never grows stops at the bound instead of looping.
  EXPECT_GT(FitPointSize(10, [](int) { return 1; }), 0);
}

}  // namespace phoneme_set_list_test
