// Voices: the built-in table, the voice string both ways, and the
// profile's voice keys and switches.
#include "speech/core/VoiceProfile.h"

#include <gtest/gtest.h>

#include "hebtext/core/MemoryProfileStore.h"

namespace VoiceProfile_test {

CVoiceDef Voice(LPCSTR name, const int (&values)[kVoiceValueCount]) {
  return CVoiceDef(name, values);
}

TEST(BuiltInVoice, RowsKeepTheirNamesAndValues) {
  EXPECT_EQ(BuiltInVoice(1), Voice("1  - AB-ba (Father)", {0, 50, 65, 30, 0, 0, 30, 92}));
  EXPECT_EQ(BuiltInVoice(6), Voice("6  - Do-DA (Aunt) Velira", {1, 56, 89, 35, 0, 40, 50, 95}));
  EXPECT_EQ(BuiltInVoice(8), Voice("8  - SAB-ba (Grandpa)", {0, 30, 61, 44, 18, 20, 30, 90}));
}

TEST(FormatVoiceString, NameThenTheEightValues) {
  EXPECT_EQ(FormatVoiceString(BuiltInVoice(2)),
            CString("2  - I-ma (Mother)|1|50|81|30|0|50|30|100"));
}

struct ParseCase {
  const char* text;
  bool whole;
  CVoiceDef expected;  // read over voice 3
};

class ParseVoiceString : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseVoiceString, ReadsUpToTheFirstMissingField) {
  CVoiceDef voice = BuiltInVoice(3);
  EXPECT_EQ(::ParseVoiceString(GetParam().text, voice), GetParam().whole);
  EXPECT_EQ(voice, GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, ParseVoiceString, testing::Values(
  ParseCase{"Deep|0|1|2|3|4|5|6|7", true, Voice("Deep", {0, 1, 2, 3, 4, 5, 6, 7})},
  ParseCase{"Deep|0|1|2|3|4|5|6|7|extra", true, Voice("Deep", {0, 1, 2, 3, 4, 5, 6, 7})},
  ParseCase{"Short|0|40", false, Voice("Short", {0, 40, 93, 35, 0, 0, 30, 90})},
  ParseCase{"Gap|0||9", false, Voice("Gap", {0, 22, 93, 35, 0, 0, 30, 90})},
  ParseCase{"Name only", false, Voice("Name only", {1, 22, 93, 35, 0, 0, 30, 90})},
  ParseCase{"|1|2", false, BuiltInVoice(3)},
  ParseCase{"Signs|x5|-3|7y|0|0|0|0|0", true, Voice("Signs", {5, -3, 7, 0, 0, 0, 0, 0})}));
// clang-format on

TEST(ReadVoiceDef, BuiltInNumbersAndKeyZeroWithoutAProfile) {
  MemoryProfileStore profile;
  CVoiceDef voice;
  EXPECT_TRUE(ReadVoiceDef(profile, 4, voice));
  EXPECT_EQ(voice, BuiltInVoice(4));
  EXPECT_FALSE(ReadVoiceDef(profile, kCurrentVoiceKey, voice));
  EXPECT_EQ(voice, BuiltInVoice(1));
  EXPECT_FALSE(ReadVoiceDef(profile, 9, voice));
  EXPECT_EQ(voice, CVoiceDef());
}

TEST(ReadVoiceDef, AShortRecordKeepsTheBuiltInValuesItLacks) {
  MemoryProfileStore profile;
  profile.WriteProfileString(kVoicesSection, "3", "Mine|0|77");
  CVoiceDef voice;
  EXPECT_TRUE(ReadVoiceDef(profile, 3, voice));
  EXPECT_EQ(voice, Voice("Mine", {0, 77, 93, 35, 0, 0, 30, 90}));
  profile.WriteProfileString(kVoicesSection, "9", "Mine|0|77");
  EXPECT_FALSE(ReadVoiceDef(profile, 9, voice));
}

TEST(VoiceList, KeysOneToThreeAndTheBuiltInRest) {
  MemoryProfileStore profile;
  const CVoiceDef mine = Voice("Mine", {1, 2, 3, 4, 5, 6, 7, 8});
  for (int n = 1; n <= 3; ++n) WriteVoiceDef(profile, n, mine);
  const std::vector<CVoiceDef> voices = LoadVoiceList(profile);
  ASSERT_EQ(voices.size(), 8u);
  EXPECT_EQ(voices[2], mine);
  EXPECT_EQ(voices[3], BuiltInVoice(4));
}

TEST(VoiceList, SavingAShorterListRemovesTheKeysBehindIt) {
  MemoryProfileStore profile;
  std::vector<CVoiceDef> voices = LoadVoiceList(profile);
  voices.push_back(Voice("Ninth", {0, 1, 1, 1, 1, 1, 1, 1}));
  voices.push_back(Voice("Tenth", {1, 2, 2, 2, 2, 2, 2, 2}));
  SaveVoiceList(profile, voices);
  EXPECT_EQ(LoadVoiceList(profile), voices);
  voices.erase(voices.begin() + 8);
  SaveVoiceList(profile, voices);
  EXPECT_EQ(LoadVoiceList(profile), voices);
  EXPECT_EQ(profile.GetProfileString(kVoicesSection, "10", ""), CString());
}

TEST(SpeechSwitches, DefaultOnesAndWhatWasWritten) {
  MemoryProfileStore profile;
  EXPECT_EQ(ReadSpeechSwitches(profile), SpeechSwitches());
  const SpeechSwitches written{0, kSampleRate22050, 4};
  WriteSpeechSwitches(profile, written);
  EXPECT_EQ(ReadSpeechSwitches(profile), written);
}

TEST(SpeechSwitches, ValuesOutOfRangeReadAsTheDefaults) {
  MemoryProfileStore profile;
  WriteSpeechSwitches(profile, SpeechSwitches{7, 3, kFaceCount});
  EXPECT_EQ(ReadSpeechSwitches(profile), SpeechSwitches());
}

}  // namespace VoiceProfile_test
