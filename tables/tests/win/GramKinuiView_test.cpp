// The suffix table in the tests' frame with the program's grammar: a past
// form of שמר handed over and walked with Select Next Grammar Form and
// copied, its second spelling, a click, a person's tip, a look-up's
// arrival, its infinitive noun, the Ktiv-Khaser spelling, and a verb with
// no such forms leaving the table as it was.
#include "tables/win/GramKinuiView.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "classlib/win/AfxRes.h"
#include "classlib/win/WindowDCs.h"
#include "hebtext/core/AnsiExport.h"
#include "hebtext/core/AnsiImport.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/UnicodeHebrew.h"
#include "hebtext/win/CFontInfo.h"
#include "hebtext/win/ScreenDpi.h"
#include "lexicon/core/FormSlots.h"
#include "lexicon/core/PackedWordRecord.h"
#include "lexicon/core/VerbFormText.h"
#include "resources/KinuiTableIds.h"
#include "resources/MainFrameIds.h"
#include "tables/core/DefinitionMarkup.h"
#include "tables/core/MarkupFonts.h"
#include "tables/core/VerbRootSearch.h"
#include "tables/tests/win/GrammarViewFixture.h"
#include "tables/win/DefinitionWnd.h"
#include "tables/win/TableMarkupPaint.h"
#include "testing/win/ProgramOutput.h"
#include "testing/win/UserInput.h"
#include "testing/win/WindowCapture.h"

namespace gram_kinui_view_test {

using tabletest::GrammarViewTest;

constexpr int kFormFontPixels = 16;
constexpr int kBaseDpi = 96;
constexpr int kHebrewFace = 4;
constexpr int kShamarBinyan = 0;  // Paal
constexpr int kNoSuchBinyan = 6;  // שמר has no Hufal
constexpr char kMeteg[] = "\xD6\xBD";
constexpr char kEnglishFace[] = "Arial";
constexpr WORD kEnglishPoints = 9;

// The clipboard's 8-bit text.
std::string ClipboardAnsi() {
  std::string text;
  if (!::OpenClipboard(nullptr)) return text;
  if (HANDLE hData = ::GetClipboardData(CF_TEXT)) {
    if (const auto* ansi = static_cast<const char*>(::GlobalLock(hData))) {
      text = ansi;
      ::GlobalUnlock(hData);
    }
  }
  ::CloseClipboard();
  return text;
}

// The pointed word as the copy gives it: in the program's codes and out
// again in the standard points.
std::string AsCopied(const char* utf8) {
  CString text(utf8);
  Utf8ToAnsiHebrew(text);
  NormalizeMarkOrder(text);
  ConvertImportedText(text, kVavThenHolam);
  ConvertToStandardPoints(text, kVavThenHolam);
  const WideString wide = AnsiHebrewToUnicode(text);
  std::string back;
  const int size =
      ::WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
  back.resize(size > 0 ? size - 1 : 0);
  ::WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, back.data(), size, nullptr, nullptr);
  return back;
}

class KinuiViewTest : public GrammarViewTest {
 protected:
  static void SetUpTestSuite() {
    GrammarViewTest::SetUpTestSuite();
    CClientDC screen(nullptr);
    LOGFONT logFont = {};
    logFont.lfHeight = -::MulDiv(kFormFontPixels, g_screenDpi, kBaseDpi);
    ::lstrcpynA(logFont.lfFaceName, g_faceNames[kHebrewFace], LF_FACESIZE);
    s_pFormFont = new CFontInfo;
    s_pFormFont->SetFromLogFont(&screen, logFont);
    s_pFormFont->MeasureCharWidths(&screen);
    SetMarkupHebrewFont(s_pFormFont);
    s_pEnglishFont = new CFontInfo(&screen, kEnglishFace, kEnglishPoints, 0);
    s_pEnglishFont->MeasureCharWidths(&screen);
    CDefinitionWnd::SetFonts(s_pEnglishFont, s_pFormFont);
    s_pView->ShowWindow(SW_HIDE);
    s_pKinui = new CGramKinuiView;
    ASSERT_TRUE(
        s_pKinui->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL,
                         CRect(0, 0, tabletest::kFrameWidth - 2, tabletest::kFrameHeight - 2),
                         s_pFrame, AFX_IDW_PANE_FIRST + 1));
    s_pKinui->OnInitialUpdate();
    s_pFrame->m_pGrammarView = s_pKinui;
  }
  static void TearDownTestSuite() {
    s_pKinui->DestroyWindow();  // the view deletes itself
    s_pFrame->m_pGrammarView = s_pView;
    SetMarkupHebrewFont(nullptr);
    CDefinitionWnd::SetFonts(nullptr, nullptr);
    delete s_pFormFont;
    delete s_pEnglishFont;
    GrammarViewTest::TearDownTestSuite();
  }
  void SetUp() override {
    GrammarViewTest::SetUp();
    s_pKinui->ScrollToPosition(POINT{0, 0});
    s_pKinui->SetFocus();
  }

  static int Verb(const char* utf8Root) {
    CString root(utf8Root);
    Utf8ToAnsiHebrew(root);
    return FindNearestVerb(root);
  }
  void Show(KinuiMode mode, int binyan, int slot) {
    const int verb = Verb("שמר");
    KinuiRequest request;
    request.mode = mode;
    request.entry = GetVerbIndexEntry(verb);
    request.binyan = binyan;
    request.slot = slot;
    request.given = GenerateVerbForm(m_context, request.entry, binyan, slot);
    s_pKinui->ShowForms(request, verb);
    PumpPending();
  }
  LRESULT Ask(UINT message) { return s_pKinui->SendMessage(message); }
  void Command(UINT nID) { s_pKinui->SendMessage(WM_COMMAND, nID); }
  void Press(UINT nID) {
    s_pKinui->SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                          reinterpret_cast<LPARAM>(::GetDlgItem(s_pKinui->m_hWnd, nID)));
  }
  std::string CopySelected() {
    ::OpenClipboard(nullptr);
    ::EmptyClipboard();
    ::CloseClipboard();
    Command(ID_EDIT_COPY);
    // The stress marks (meteg) are the generator's, not the words'.
    std::string text = ClipboardUtf8();
    for (size_t at; (at = text.find(kMeteg)) != std::string::npos;)
      text.erase(at, sizeof kMeteg - 1);
    return text;
  }
  // Select Next Grammar Form round the table: each cell reached and its copy.
  std::vector<std::pair<int, std::string>> Walk() {
    std::vector<std::pair<int, std::string>> cells;
    for (int step = 0; step < kKinuiCells; ++step) {
      Command(ID_GRAMMAR_NEXT_FORM);
      const int cell = static_cast<int>(Ask(WM_GRAM_GETSELECTEDCELL));
      if (cell < 0 || (!cells.empty() && cell == cells.front().first)) break;
      cells.emplace_back(cell, CopySelected());
    }
    return cells;
  }
  // Where a placeholder's cell or label is on the screen.
  static RECT Placeholder(UINT nID) {
    RECT rect;
    ::GetWindowRect(::GetDlgItem(s_pKinui->m_hWnd, static_cast<int>(nID)), &rect);
    return rect;
  }

  static CGramKinuiView* s_pKinui;
  static CFontInfo* s_pFormFont;
  static CFontInfo* s_pEnglishFont;
  GrammarContext m_context;
};
CGramKinuiView* KinuiViewTest::s_pKinui = nullptr;
CFontInfo* KinuiViewTest::s_pFormFont = nullptr;
CFontInfo* KinuiViewTest::s_pEnglishFont = nullptr;

TEST_F(KinuiViewTest, APastFormShowsItsObjectSuffixesAndTheirSecondSpellings) {
  Show(kKinuiSuffixForms, kShamarBinyan, FormSlot::Past1s);
  EXPECT_EQ(1, Ask(WM_GRAM_GETTABLESHOWN));
  EXPECT_EQ(0, Ask(WM_GRAM_GETMAXALTERNATE));
  // "I guarded me" and "I guarded us" are no forms: Ctrl+G passes them by.
  const std::vector<std::pair<int, std::string>> expected = {
      {0, AsCopied("שָׁמַרְתִּי")},   {2, AsCopied("שְׁמַרְתִּיךָ")}, {3, AsCopied("שְׁמַרְתִּיךְ")},
      {4, AsCopied("שְׁמַרְתִּיו")},  {5, AsCopied("שְׁמַרְתִּיהָ")}, {7, AsCopied("שְׁמַרְתִּיכֶם")},
      {8, AsCopied("שְׁמַרְתִּיכֶן")}, {9, AsCopied("שְׁמַרְתִּים")}, {10, AsCopied("שְׁמַרְתִּין")}};
  EXPECT_EQ(expected, Walk());
  SaveScreenshot(CaptureWindow(s_pKinui->m_hWnd), "kinui_view_past");

  // Alternate Forms: "I guarded him" in its second spelling, then back.
  Press(IDC_KINUI_ALTERNATES);
  EXPECT_EQ(-1, Ask(WM_GRAM_GETSELECTEDCELL));
  while (Ask(WM_GRAM_GETSELECTEDCELL) != 4) Command(ID_GRAMMAR_NEXT_FORM);
  EXPECT_EQ(AsCopied("שְׁמַרְתִּיהוּ"), CopySelected());
  Press(IDC_KINUI_ALTERNATES);
  while (Ask(WM_GRAM_GETSELECTEDCELL) != 4) Command(ID_GRAMMAR_NEXT_FORM);
  EXPECT_EQ(AsCopied("שְׁמַרְתִּיו"), CopySelected());
}

TEST_F(KinuiViewTest, AClickSelectsTheFormAndAHoveredLabelShowsItsPerson) {
  Show(kKinuiSuffixForms, kShamarBinyan, FormSlot::Past1s);
  const RECT p3m = Placeholder(IDC_KINUI_P3M);
  ClickAt({p3m.left - 10, p3m.top + 8});
  ASSERT_TRUE(WaitFor([&] { return Ask(WM_GRAM_GETSELECTEDCELL) == 9; }));
  EXPECT_EQ(AsCopied("שְׁמַרְתִּים"), CopySelected());
  // A click beside every form leaves none selected.
  ClickAt({p3m.left + 60, p3m.top + 8});
  ASSERT_TRUE(WaitFor([&] { return Ask(WM_GRAM_GETSELECTEDCELL) == -1; }));

  const RECT s3m = Placeholder(IDC_KINUI_S3M);
  MoveMouseTo({s3m.left + 8, s3m.top + 6});
  HWND hTip = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (hTip = FindTipWindow(::GetCurrentProcessId())) != nullptr; }));
  SaveScreenshot(CaptureWindow(hTip), "kinui_view_tip");
  MoveMouseTo({p3m.left - 200, p3m.top + 150});
  s_pKinui->SendMessage(WM_GRAM_CLOSETIP);
  EXPECT_FALSE(::IsWindow(hTip));
}

TEST_F(KinuiViewTest, TheVerbsMeaningIsShownAndCopied) {
  Show(kKinuiSuffixForms, kShamarBinyan, FormSlot::Past1s);
  CString meaning;
  s_pKinui->GetDlgItemText(IDC_KINUI_MEANING, meaning);
  // The meaning marks its keywords with "&".
  EXPECT_EQ(0, meaning.Find("to &guard")) << static_cast<LPCSTR>(meaning);
  Command(kCopyAllDefinitionsCommand);
  EXPECT_NE(std::string::npos, ClipboardAnsi().find("to keep")) << ClipboardAnsi();
}

TEST_F(KinuiViewTest, ALookUpSelectsTheFormItNames) {
  Show(kKinuiSuffixForms, kShamarBinyan, FormSlot::Past1s);
  UnpackedWordRec record;
  record.entryIndex = static_cast<WORD>(Verb("שמר"));
  record.formSlot = FormSlot::Past1s;
  record.pronominalSuffix = 4;
  record.suffixAlternative = 1;
  s_pKinui->SendMessage(WM_GRAM_SETPARAMS, PackWordRecord(kKindVerb, record).fields, 0xFF);
  s_pKinui->SendMessage(WM_GRAM_SELECTWORD);
  EXPECT_EQ(4, Ask(WM_GRAM_GETSELECTEDCELL));
  EXPECT_EQ(AsCopied("שְׁמַרְתִּיהוּ"), CopySelected());
  // The stored record went with it: another arrival selects nothing.
  Press(IDC_KINUI_ALTERNATES);
  s_pKinui->SendMessage(WM_GRAM_SELECTWORD);
  EXPECT_EQ(-1, Ask(WM_GRAM_GETSELECTEDCELL));
}

TEST_F(KinuiViewTest, TheInfinitiveNounTakesPossessiveSuffixesAndKtivKhaserRespellsThem) {
  Show(kKinuiInfinitiveNoun, kShamarBinyan, FormSlot::Infinitive);
  const std::vector<std::pair<int, std::string>> cells = Walk();
  ASSERT_EQ(11u, cells.size());
  EXPECT_EQ(AsCopied("שְׁמֹר"), cells[0].second);
  EXPECT_EQ(AsCopied("שָׁמְרִי"), cells[1].second);
  EXPECT_EQ(AsCopied("שָׁמְרוֹ"), cells[4].second);
  EXPECT_EQ(AsCopied("שָׁמְרֵנוּ"), cells[6].second);
  EXPECT_EQ(AsCopied("שָׁמְרָם"), cells[9].second);
  SaveScreenshot(CaptureWindow(s_pKinui->m_hWnd), "kinui_view_infinitive_noun");

  Press(IDC_KINUI_KTIV_KHASER);
  while (Ask(WM_GRAM_GETSELECTEDCELL) != 0) Command(ID_GRAMMAR_NEXT_FORM);
  EXPECT_EQ("שמור", CopySelected());
  SaveScreenshot(CaptureWindow(s_pKinui->m_hWnd), "kinui_view_ktiv_khaser");
  Press(IDC_KINUI_KTIV_KHASER);
  while (Ask(WM_GRAM_GETSELECTEDCELL) != 0) Command(ID_GRAMMAR_NEXT_FORM);
  EXPECT_EQ(AsCopied("שְׁמֹר"), CopySelected());

  // A binyan the verb does not have leaves the table as it was.
  Show(kKinuiInfinitiveNoun, kNoSuchBinyan, FormSlot::Infinitive);
  std::vector<std::pair<int, std::string>> again = Walk();
  std::sort(again.begin(), again.end());
  EXPECT_EQ(cells, again);
}

}  // namespace gram_kinui_view_test
