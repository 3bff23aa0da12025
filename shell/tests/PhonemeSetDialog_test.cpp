// Preferences/Transliteration Phonemes in the real program: the sets listed
// from the profile, spellings kept while another set is shown, sets added
// and deleted, and the profile written on OK only, renumbered without gaps.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "resources/MainFrameIds.h"
#include "resources/PhonemeSetIds.h"
#include "shell/tests/DialogControls.h"
#include "shell/tests/JourneyPictures.h"
#include "shell/tests/PreferenceDialogTest.h"
#include "shell/tests/ZultaProcess.h"
#include "testing/win/UserInput.h"

namespace phoneme_set_dialog_test {

const std::string kPhonemesKey = std::string(kZultaProfileKey) + "\\Phonemes";
constexpr int kBuiltInSets = 6;
constexpr size_t kSlots = 38;
constexpr int kEnglish = 0;
constexpr int kMine = 6;
constexpr int kYours = 7;
const char kMineText[] = "Mine|mb|mts";
const char kYoursText[] = "Yours|yb|yts";

void SetValue(const char* name, const char* text) {
  ASSERT_EQ(ERROR_SUCCESS, ::RegSetKeyValueA(HKEY_CURRENT_USER, kPhonemesKey.c_str(), name, REG_SZ,
                                             text, static_cast<DWORD>(strlen(text) + 1)));
}

// The stored text, or "(none)".
std::string Stored(const char* name) {
  char text[1024] = {};
  DWORD size = sizeof text;
  if (::RegGetValueA(HKEY_CURRENT_USER, kPhonemesKey.c_str(), name, RRF_RT_REG_SZ, nullptr, text,
                     &size) != ERROR_SUCCESS)
    return "(none)";
  return text;
}

DWORD ActiveSet() {
  DWORD value = ~0u;
  DWORD size = sizeof value;
  ::RegGetValueA(HKEY_CURRENT_USER, kPhonemesKey.c_str(), "ActiveSet", RRF_RT_REG_DWORD, nullptr,
                 &value, &size);
  return value;
}

class PhonemeSetDialogTest : public PreferenceDialogTest {
 protected:
  PhonemeSetDialogTest()
      : PreferenceDialogTest(kPhonemesKey, ID_PREF_PHONEMES, "Transliteration Phoneme Set") {}
  void PrepareProfile() override {
    SetValue("6", kMineText);
    SetValue("7", kYoursText);
    SetValue("9", "Unreached|x");  // behind the gap at 8
    const DWORD active = kYours;
    ASSERT_EQ(ERROR_SUCCESS, ::RegSetKeyValueA(HKEY_CURRENT_USER, kPhonemesKey.c_str(), "ActiveSet",
                                               REG_DWORD, &active, sizeof active));
  }

  int Chosen() const {
    return static_cast<int>(::SendMessageA(Item(IDC_PHONEME_SET_COMBO), CB_GETCURSEL, 0, 0));
  }
  int SetCount() const {
    return static_cast<int>(::SendMessageA(Item(IDC_PHONEME_SET_COMBO), CB_GETCOUNT, 0, 0));
  }
  std::string Spelling(int slot) const { return TextOf(Item(IDC_PHONEME_SLOT_EDIT + slot)); }
  void ClickItem(int id, double across = 0.5) const { ClickControl(m_hDialog, id, across); }
  bool ClickUntil(int id, const std::function<bool()>& done) const {
    return ClickControlUntil(m_hDialog, id, done);
  }
  // Chooses a set in the list as a user does: a click opens it, a key moves
  // in it and Enter chooses. Clicks in turn at two places, so that two in a
  // row are not taken for a double click.
  void ChooseWithKey(WORD key) {
    const HWND hCombo = Item(IDC_PHONEME_SET_COMBO);
    m_comboClicks++;
    ClickItem(IDC_PHONEME_SET_COMBO, m_comboClicks % 2 == 0 ? 0.25 : 0.5);
    ASSERT_TRUE(WaitFor([&] { return ::SendMessageA(hCombo, CB_GETDROPPEDSTATE, 0, 0) != 0; }));
    SendKey(key);
    SendKey(VK_RETURN);
    ASSERT_TRUE(WaitFor([&] { return ::SendMessageA(hCombo, CB_GETDROPPEDSTATE, 0, 0) == 0; }));
  }
  void TypeInSlot(int slot, const std::string& text) {
    ClickItem(IDC_PHONEME_SLOT_EDIT + slot);
    SendChord(VK_CONTROL, 'A');
    SendKey(VK_END);
    SendKey(VK_BACK, 20);
    SendText(text);
    ASSERT_TRUE(WaitFor([&] { return Spelling(slot) == text; }));
  }
  // Deletes the chosen set, answering the question that names it with Yes.
  void DeleteSet(const std::string& name) {
    const std::string words = "Do you really want to delete the phoneme set '" + name + "'?";
    HWND hBox = nullptr;
    ASSERT_TRUE(ClickUntil(IDC_PHONEME_SET_DELETE, [&] {
      return (hBox = FindBoxSaying(m_zulta->Id(), words)) != nullptr;
    })) << words;
    WaitFor([&] { return ::GetForegroundWindow() == hBox; });
    SendKey('Y');
    ASSERT_TRUE(WaitFor([&] { return !::IsWindow(hBox); }));
  }
  bool Closed() const {
    return WaitFor([&] { return !::IsWindow(m_hDialog); });
  }

  int m_comboClicks = 0;
};

TEST_F(PhonemeSetDialogTest, SetsAreEditedAddedDeletedAndStoredOnOK) {
  ASSERT_NE(nullptr, Open());
  // The sets up to the first missing one, the active one shown.
  EXPECT_EQ(kYours + 1, SetCount());
  EXPECT_EQ(kYours, Chosen());
  EXPECT_EQ("yb", Spelling(0));
  EXPECT_EQ("yts", Spelling(1));
  EXPECT_TRUE(::IsWindowEnabled(Item(IDC_PHONEME_SET_DELETE)));
  EXPECT_FALSE(::IsWindowEnabled(Item(IDC_PHONEME_SET_RESET)));
  SteadyPicture(m_hDialog, "phoneme_set_dialog");

  // A spelling changed in one set is kept while another set is shown.
  TypeInSlot(0, "YB");
  ChooseWithKey(VK_HOME);
  ASSERT_TRUE(WaitFor([&] { return Chosen() == kEnglish && Spelling(0) == "b"; }));
  EXPECT_TRUE(::IsWindowEnabled(Item(IDC_PHONEME_SET_RESET)));
  EXPECT_FALSE(::IsWindowEnabled(Item(IDC_PHONEME_SET_DELETE)));
  ChooseWithKey(VK_END);
  ASSERT_TRUE(WaitFor([&] { return Chosen() == kYours; }));
  EXPECT_EQ("YB", Spelling(0));

  // Deleting the last set shows the one before it.
  DeleteSet("Yours");
  ASSERT_TRUE(WaitFor([&] { return Chosen() == kMine; }));
  EXPECT_EQ(kYours, SetCount());
  EXPECT_EQ("mb", Spelling(0));

  // A new set takes the spellings shown; a name already listed is refused.
  for (const char* name : {"Mine", "Ours"}) {
    ASSERT_TRUE(ClickUntil(IDC_PHONEME_SET_NEW, [&] {
      HWND hForeground = ::GetForegroundWindow();
      return hForeground != m_hDialog && ::GetWindow(hForeground, GW_OWNER) == m_hDialog;
    }));
    SendText(name);
    SendKey(VK_RETURN);
    ASSERT_TRUE(WaitFor([&] { return ::GetForegroundWindow() == m_hDialog; })) << name;
  }
  ASSERT_TRUE(WaitFor([&] { return SetCount() == kYours + 1 && Chosen() == kYours; }));
  TypeInSlot(1, "ots");
  SendKey(VK_RETURN);  // OK
  ASSERT_TRUE(Closed());
  EXPECT_EQ(static_cast<DWORD>(kYours), ActiveSet());
  // Kept when the new set was made: all its slots, the two it had and the
  // boxes' empty ones.
  EXPECT_EQ(kMineText + std::string(kSlots - 2, '|'), Stored("6"));
  EXPECT_EQ("Ours|mb|ots|", Stored("7").substr(0, 12));
  EXPECT_EQ("(none)", Stored("8"));
  EXPECT_EQ("(none)", Stored("9"));
  EXPECT_EQ("English|", Stored("0").substr(0, 8));
  EXPECT_NE("(none)", Stored(std::to_string(kBuiltInSets - 1).c_str()));

  // Cancel stores nothing, even after a delete.
  ASSERT_NE(nullptr, Open());
  EXPECT_EQ(kYours, Chosen());
  DeleteSet("Ours");
  ASSERT_TRUE(WaitFor([&] { return SetCount() == kYours; }));
  SendKey(VK_ESCAPE);
  ASSERT_TRUE(Closed());
  EXPECT_EQ("Ours|mb|ots|", Stored("7").substr(0, 12));
}

// The transliteration font is described beside its buttons, and Reset Font
// stores the default bold Arial.
TEST_F(PhonemeSetDialogTest, TheFontIsDescribedAndResetToBoldArial) {
  ASSERT_NE(nullptr, Open());
  BYTE font[sizeof(LOGFONTA) + 4] = {};
  DWORD size = 0;
  ASSERT_TRUE(ClickUntil(IDC_PHONEME_FONT_RESET, [&] {
    size = sizeof font;
    return ::RegGetValueA(HKEY_CURRENT_USER, kPhonemesKey.c_str(), "LogFont Data",
                          RRF_RT_REG_BINARY, nullptr, font, &size) == ERROR_SUCCESS;
  }));
  ASSERT_EQ(sizeof(LOGFONTA), size);
  const LOGFONTA* pStored = reinterpret_cast<const LOGFONTA*>(font);
  EXPECT_STREQ("Arial", pStored->lfFaceName);
  EXPECT_EQ(FW_BOLD, pStored->lfWeight);
  char description[64] = {};
  ::GetWindowTextA(Item(IDC_PHONEME_FONT_TEXT), description, sizeof description);
  EXPECT_EQ(0u, std::string(description).find("Arial ")) << description;
  EXPECT_NE(std::string::npos, std::string(description).find(" pt. Bold")) << description;
  SteadyPicture(m_hDialog, "phoneme_set_dialog_font");
  SendKey(VK_ESCAPE);
  ASSERT_TRUE(Closed());
}

}  // namespace phoneme_set_dialog_test
