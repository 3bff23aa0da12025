// Preferences/Document Transliteration Format in the real program: the two
// syllable formats and the whole text's settings, a refused colour value,
// "No Color" for a syllable's background, and the profile written on OK.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "resources/ColorDialogIds.h"
#include "resources/FontDialogIds.h"
#include "resources/MainFrameIds.h"
#include "resources/TranslitFormatIds.h"
#include "shell/tests/DialogControls.h"
#include "shell/tests/JourneyPictures.h"
#include "shell/tests/PreferenceDialogTest.h"
#include "shell/tests/ZultaProcess.h"
#include "testing/win/UserInput.h"

namespace translit_format_dialog_test {

const std::string kTranslitKey = std::string(kZultaProfileKey) + "\\Transliteration";
// Where a radio button or check box is clicked, as a fraction of its width.
constexpr double kAtTheBox = 0.06;
// The palette's black (0 0 0) swatch; the colour fields show three places.
constexpr int kBlackSwatch = 1499;

std::string Stored(const char* name) {
  char text[256] = {};
  DWORD size = sizeof text;
  if (::RegGetValueA(HKEY_CURRENT_USER, kTranslitKey.c_str(), name, RRF_RT_REG_SZ, nullptr, text,
                     &size) != ERROR_SUCCESS)
    return "(none)";
  return text;
}

class TranslitFormatDialogTest : public PreferenceDialogTest {
 protected:
  TranslitFormatDialogTest()
      : PreferenceDialogTest(kTranslitKey, ID_PREF_TRANSLIT_FORMAT,
                             "Transliteration Document Format") {}

  void Click(int id) const { ClickBox(id, kAtTheBox); }
  // Types the text over a field's text.
  void Retype(int id, const std::string& text) const {
    ASSERT_TRUE(ClickControlUntil(m_hDialog, id, [&] { return FocusOf(m_hDialog) == Item(id); }));
    SendKey(VK_END);
    SendKey(VK_BACK, 4);
    SendText(text);
  }
};

TEST_F(TranslitFormatDialogTest, FormatsAreEditedAndStoredOnOKOnly) {
  ASSERT_NE(nullptr, Open());
  // The defaults: the stressed format's text colour is edited.
  EXPECT_TRUE(Checked(IDC_TRANSLIT_STRESSED));
  EXPECT_TRUE(Checked(IDC_TRANSLIT_TARGET_TEXT));
  EXPECT_TRUE(Checked(IDC_TRANSLIT_HYPHENS));
  EXPECT_TRUE(Checked(IDC_TRANSLIT_CAPITAL_LINES));
  EXPECT_FALSE(::IsWindowEnabled(Item(IDC_TRANSLIT_NO_COLOR)));
  SteadyPicture(m_hDialog, "translit_format_dialog");

  // A red value above 255 is refused: the field goes back to its value.
  Retype(IDC_COLOR_RED, "300");
  ASSERT_TRUE(WaitFor([&] { return TextOf(Item(IDC_COLOR_RED)) != "300"; }));

  // The unstressed syllable's background: a colour of the palette, then
  // No Color, which shows as white.
  Click(IDC_TRANSLIT_UNSTRESSED);
  Click(IDC_TRANSLIT_TARGET_BACK);
  ASSERT_TRUE(WaitFor([&] { return ::IsWindowEnabled(Item(IDC_TRANSLIT_NO_COLOR)) != FALSE; }));
  ASSERT_TRUE(ClickControlUntil(m_hDialog, kBlackSwatch,
                                [&] { return TextOf(Item(IDC_COLOR_RED)) == "  0"; }));
  ASSERT_TRUE(ClickControlUntil(m_hDialog, IDC_TRANSLIT_NO_COLOR,
                                [&] { return TextOf(Item(IDC_COLOR_RED)) == "255"; }));

  // The whole text: capitals at words, 99 quarter points between words,
  // numbers left as they are.
  Click(IDC_TRANSLIT_CAPITAL_WORDS);
  Retype(IDC_TRANSLIT_SPACING, "99");
  ASSERT_TRUE(WaitFor([&] { return TextOf(Item(IDC_TRANSLIT_SPACING)) == "99"; }));
  Click(IDC_TRANSLIT_KEEP_NUMBERS);
  SteadyPicture(m_hDialog, "translit_format_dialog_changed");
  EXPECT_EQ("(none)", Stored("Word"));  // nothing stored before OK

  ASSERT_TRUE(ClickControlUntil(m_hDialog, IDOK, [&] { return !::IsWindow(m_hDialog); }));
  // Word: capitals at words, hyphens, window colour, spacing, capitals at
  // lines, numbers kept.
  EXPECT_EQ("1 1 ffffff 99 1 1", Stored("Word"));
  const std::string unstressed = Stored("NonStress");
  EXPECT_NE(std::string::npos, unstressed.find(" ffffffff ")) << unstressed;

  // Cancel stores nothing.
  ASSERT_NE(nullptr, Open());
  EXPECT_TRUE(Checked(IDC_TRANSLIT_CAPITAL_WORDS));
  EXPECT_EQ("99", TextOf(Item(IDC_TRANSLIT_SPACING)));
  Click(IDC_TRANSLIT_HYPHENS);
  SendKey(VK_ESCAPE);
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(m_hDialog); }));
  EXPECT_EQ("1 1 ffffff 99 1 1", Stored("Word"));
}

}  // namespace translit_format_dialog_test
