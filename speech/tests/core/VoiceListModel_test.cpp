// The Voice Settings dialog's voice list: selection, values on screen,
// adding, deleting, resetting and the buttons' states.
#include "speech/core/VoiceListModel.h"

#include <gtest/gtest.h>

#include <cstring>

#include "hebtext/core/MemoryProfileStore.h"

namespace VoiceListModel_test {

std::vector<CVoiceDef> ListOf(int count) {
  MemoryProfileStore profile;
  std::vector<CVoiceDef> voices = LoadVoiceList(profile);
  for (int n = static_cast<int>(voices.size()) + 1; n <= count; ++n) {
    CString name;
    name.Format("Voice %d", n);
    voices.push_back(CVoiceDef(name, {0, n, n, n, n, n, n, n}));
  }
  return voices;
}

TEST(VoiceListModel, SelectsTheCurrentVoiceIgnoringCaseElseTheFirst) {
  VoiceListModel model;
  model.Load(ListOf(10), "VOICE 9");
  EXPECT_EQ(model.Selection(), 8);
  EXPECT_EQ(model.Values()[kVoiceHeadSize], 9);
  model.Load(ListOf(10), "Nobody");
  EXPECT_EQ(model.Selection(), 0);
  EXPECT_EQ(model.Values()[kVoicePitch], BuiltInVoice(1).m_values[kVoicePitch]);
}

TEST(VoiceListModel, ValuesOnScreenStayWithTheShownEntry) {
  VoiceListModel model;
  model.Load(ListOf(8), "");
  model.Values()[kVoiceSpeed] = 200;
  model.Select(2);
  EXPECT_EQ(model.Values()[kVoiceSpeed], BuiltInVoice(3).m_values[kVoiceSpeed]);
  EXPECT_EQ(model.Voices()[0].m_values[kVoiceSpeed], 200);
}

TEST(VoiceListModel, AddTakesTheValuesOnScreenAndRefusesTakenNames) {
  VoiceListModel model;
  model.Load(ListOf(8), "");
  model.Values()[kVoicePitch] = 11;
  EXPECT_TRUE(model.Add("Deep"));
  EXPECT_EQ(model.Selection(), 8);
  EXPECT_EQ(model.Voices()[0].m_values[kVoicePitch], 11);
  EXPECT_EQ(model.StoreShown().m_values[kVoicePitch], 11);
  EXPECT_EQ(model.StoreShown().m_name, CString("Deep"));
  EXPECT_FALSE(model.Add("dEEP"));
  EXPECT_FALSE(model.Add(""));
  EXPECT_EQ(model.Count(), 9);
}

TEST(VoiceListModel, ButtonsFollowTheSelectionAndTheListSize) {
  struct Case {
    int count, selection;
    bool add, remove, reset;
  };
  // clang-format off
  const Case cases[] = {
    {8, 0, true, false, true},
    {8, 7, true, false, true},
    {9, 8, true, true, false},
    {kMaxVoices, kMaxVoices - 1, false, true, false},
  };
  // clang-format on
  for (const Case& c : cases) {
    VoiceListModel model;
    model.Load(ListOf(c.count), "");
    model.Select(c.selection);
    const VoiceListModel::ButtonStates buttons = model.Buttons();
    EXPECT_EQ(buttons.add, c.add) << c.count << " " << c.selection;
    EXPECT_EQ(buttons.remove, c.remove) << c.count << " " << c.selection;
    EXPECT_EQ(buttons.reset, c.reset) << c.count << " " << c.selection;
  }
  VoiceListModel full;
  full.Load(ListOf(kMaxVoices), "");
  EXPECT_FALSE(full.Add("One too many"));
}

TEST(VoiceListModel, DeleteSelectsTheNextOrTheLastEntry) {
  VoiceListModel model;
  model.Load(ListOf(11), "Voice 9");
  model.Delete();
  EXPECT_EQ(model.Count(), 10);
  EXPECT_EQ(model.Selection(), 8);
  EXPECT_EQ(model.Name(8), CString("Voice 10"));
  EXPECT_EQ(model.Values()[kVoiceHeadSize], 10);
  model.Select(9);
  model.Delete();
  EXPECT_EQ(model.Selection(), 8);
  EXPECT_EQ(model.Name(8), CString("Voice 10"));
}

TEST(VoiceListModel, DeletingTheLastEntryLeavesNoSelection) {
  VoiceListModel model;
  model.Load({CVoiceDef("Only", {0, 1, 2, 3, 4, 5, 6, 7})}, "Only");
  model.Delete();
  EXPECT_EQ(model.Count(), 0);
  EXPECT_EQ(model.Selection(), VoiceListModel::kNone);
  EXPECT_EQ(model.StoreShown(), CVoiceDef());
}

TEST(VoiceListModel, ResetBringsBackTheBuiltInValuesAndKeepsTheShownName) {
  std::vector<CVoiceDef> voices = ListOf(8);
  voices[4] = CVoiceDef("Renamed", {1, 1, 1, 1, 1, 1, 1, 1});
  VoiceListModel model;
  model.Load(voices, "renamed");
  model.Reset();
  EXPECT_EQ(memcmp(model.Values(), BuiltInVoice(5).m_values, sizeof(model.Values())), 0);
  EXPECT_EQ(model.StoreShown().m_name, CString("Renamed"));
}

TEST(VoiceValueLimit, SpeedGoesToTwoHundredFifty) {
  EXPECT_EQ(VoiceValueLimit(kVoiceSpeed), 250);
  EXPECT_EQ(VoiceValueLimit(kVoiceVolume), 100);
  EXPECT_EQ(VoiceValueLimit(kVoiceTract), 1);
}

}  // namespace VoiceListModel_test
