// The definition window on a parent of its own: made in a control's place,
// drawn in its colours into its bitmap, the keyword highlighted, the copy
// menu built and the definitions put on the clipboard.
#include "tables/win/DefinitionWnd.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/tests/win/DialogTestSupport.h"
#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/CMenu.h"
#include "classlib/win/WindowDCs.h"
#include "hebtext/tests/win/HebrewTestFonts.h"
#include "hebtext/win/ClipboardText.h"
#include "hebtext/win/DestroyAndDelete.h"
#include "tables/core/DefinitionLayout.h"
#include "tables/core/DefinitionMarkup.h"
#include "tables/tests/win/DefinitionTestFonts.h"
#include "tables/win/GrammarViewMessages.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/WaitFor.h"
#include "testing/win/WindowCapture.h"

namespace DefinitionWnd_test {

constexpr int kParentWidth = 420;
constexpr int kParentHeight = 160;
constexpr RECT kPlace = {10, 10, 400, 140};

// The view the window stands in: it keeps the context-menu requests.
class CRecordingParent : public CWnd {
 public:
  std::vector<std::pair<WPARAM, LPARAM>> menuRequests;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_GRAM_CONTEXTMENU) {
      menuRequests.emplace_back(wParam, lParam);
      return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

class DefinitionWndTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterHebrewFonts();
    s_fonts.Install();
  }
  static void TearDownTestSuite() { s_fonts.Remove(); }

  void SetUp() override {
    m_pApp = new CRecordingApp;
    ASSERT_TRUE(CreateShownParent(m_parent, "Definition test", kParentWidth, kParentHeight));
    m_pApp->m_pMainWnd = &m_parent;
    HWND hPlace = ::CreateWindowExA(0, "Static", "placeholder", WS_CHILD | WS_VISIBLE, kPlace.left,
                                    kPlace.top, kPlace.right - kPlace.left,
                                    kPlace.bottom - kPlace.top, m_parent.GetSafeHwnd(),
                                    reinterpret_cast<HMENU>(kDefinitionWndId), nullptr, nullptr);
    ASSERT_NE(nullptr, hPlace);
    m_pWnd = CDefinitionWnd::CreateInPlace(&m_parent, kDefinitionWndId);
    ASSERT_NE(nullptr, m_pWnd);
  }
  void TearDown() override {
    DestroyAndDelete(m_pWnd);
    m_pApp->m_pMainWnd = nullptr;
    m_parent.DestroyWindow();
    delete m_pApp;
    PumpPending();
    CHandleMapBase::DeleteAllTemp();
  }

  // The window as the screen shows it once a pixel of the colour (or, for
  // CLR_NONE, the heading) has arrived.
  RgbImage Shown(COLORREF awaited) {
    RgbImage image;
    const COLORREF colour = awaited == CLR_NONE ? kDefinitionHeadingColour : awaited;
    WaitFor([&] {
      PumpPending();
      image = CaptureWindow(m_pWnd->GetSafeHwnd());
      return CountPixels(image, IsColor(colour)) > 0;
    });
    return image;
  }
  static int Pixels(const RgbImage& image, COLORREF colour) {
    return CountPixels(image, IsColor(colour));
  }

  static tabletest::DefinitionTestFonts s_fonts;
  CRecordingApp* m_pApp = nullptr;
  CRecordingParent m_parent;
  CDefinitionWnd* m_pWnd = nullptr;
};

tabletest::DefinitionTestFonts DefinitionWndTest::s_fonts;

TEST_F(DefinitionWndTest, TakesTheControlsPlaceIdAndTabOrderWithAnEmptyText) {
  CRect rect;
  m_pWnd->GetWindowRect(&rect);
  m_parent.ScreenToClient(&rect);
  EXPECT_EQ(CRect(kPlace), rect);
  EXPECT_EQ(static_cast<int>(kDefinitionWndId), m_pWnd->GetDlgCtrlID());
  EXPECT_EQ(WS_CHILD | WS_VISIBLE, m_pWnd->GetStyle() & (WS_CHILD | WS_VISIBLE | WS_BORDER));
  EXPECT_EQ(0, m_pWnd->GetWindowTextLength());
  EXPECT_EQ(m_pWnd, CDefinitionWnd::FromView(&m_parent));
  // The placeholder is gone: the only child is the definition window.
  EXPECT_EQ(m_pWnd->GetSafeHwnd(), ::GetWindow(m_parent.GetSafeHwnd(), GW_CHILD));
  EXPECT_EQ(nullptr, ::GetWindow(m_pWnd->GetSafeHwnd(), GW_HWNDNEXT));
  EXPECT_EQ(nullptr, CDefinitionWnd::CreateInPlace(&m_parent, kDefinitionWndId + 1));
  EXPECT_EQ(0, m_pWnd->CountDefinitions());
}

// Which colours a text is drawn in.
struct DrawCase {
  const char* text;
  bool maroon;  // words
  bool navy;    // definition numbers
  bool violet;  // bracketed words and Hebrew
  const char* picture;
};

TEST_F(DefinitionWndTest, DrawsEachPartOfTheMarkupInItsColour) {
  // clang-format off
  const DrawCase cases[] = {
      {"to keep, guard",                  true,  false, false, "definition-one"},
      {"to keep;  to guard; to observe",  true,  true,  false, "definition-numbered"},
      {"[archaic] to heed",               true,  false, true,  "definition-bracket"},
      {"upon <AL> the table",             true,  false, true,  "definition-preposition"},
      {"<SHIN KAM MEM PAT RESH>",   false, false, true,  "definition-keywords"},
      {"<XYZZY>",                         false, false, false, "definition-unknown-hebrew"},
  };
  // clang-format on
  for (const DrawCase& c : cases) {
    SCOPED_TRACE(c.text);
    m_pWnd->SetWindowText(c.text);
    const RgbImage image = Shown(c.maroon ? kDefinitionWordColour : CLR_NONE);
    SaveScreenshot(image, c.picture);
    EXPECT_GT(Pixels(image, kDefinitionHeadingColour), 0);
    EXPECT_EQ(c.maroon, Pixels(image, kDefinitionWordColour) > 0);
    EXPECT_EQ(c.navy, Pixels(image, kDefinitionNumberColour) > 0);
    EXPECT_EQ(c.violet, Pixels(image, kDefinitionBracketColour) > 0);
    EXPECT_EQ(0, Pixels(image, kDefinitionHighlightColour));
  }
}

TEST_F(DefinitionWndTest, LongTextWrapsInsideTheWindow) {
  m_pWnd->SetWindowText(
      "to keep, to guard, to watch over, to observe, to preserve, to protect, to retain, "
      "to heed, to take care of, to wait for");
  const RgbImage image = Shown(kDefinitionWordColour);
  SaveScreenshot(image, "definition-wrapped");
  const RECT ink = BoundingBox(image, IsColor(kDefinitionWordColour));
  EXPECT_LT(ink.right, image.width);
  // Three lines at least: ink far below the first line.
  EXPECT_GT(ink.bottom - ink.top, 2 * s_fonts.english.GetLineHeight());
}

TEST_F(DefinitionWndTest, HighlightsTheTermUntilTheTextChangesAndForgetsTheTermAtOnce) {
  const char* text = "to keep; to guard, to write-down; to observe";
  m_pWnd->SetWindowText(text);
  Shown(kDefinitionWordColour);
  m_pWnd->SetHighlightTerm("WRITE");
  EXPECT_EQ(0, m_pWnd->SendMessage(WM_DEFN_HIGHLIGHT, 2));
  RgbImage image = Shown(kDefinitionHighlightColour);
  SaveScreenshot(image, "definition-highlight");
  EXPECT_GT(Pixels(image, kDefinitionHighlightColour), 0);
  EXPECT_GT(Pixels(image, kDefinitionHighlightBack), 0);
  // The term was forgotten: a second highlight has nothing to mark.
  m_pWnd->SendMessage(WM_DEFN_HIGHLIGHT, 2);
  image = Shown(kDefinitionWordColour);
  EXPECT_EQ(0, Pixels(image, kDefinitionHighlightColour));
  // A new text ends the highlight too.
  m_pWnd->SetHighlightTerm("keep");
  m_pWnd->SendMessage(WM_DEFN_HIGHLIGHT, 1);
  EXPECT_GT(Pixels(Shown(kDefinitionHighlightColour), kDefinitionHighlightColour), 0);
  m_pWnd->SetWindowText(text);
  image = Shown(kDefinitionWordColour);
  EXPECT_TRUE(WaitFor([&] {
    PumpPending();
    return Pixels(CaptureWindow(m_pWnd->GetSafeHwnd()), kDefinitionHighlightColour) == 0;
  }));
}

TEST_F(DefinitionWndTest, PrintsIntoTheGivenDeviceWithTheHighlightOnThePapersBackground) {
  m_pWnd->SetWindowText("to keep; to guard");
  Canvas canvas(kParentWidth, kParentHeight);
  m_pWnd->PrintText(canvas.dc(), 1.0, CRect(0, 0, kParentWidth, kParentHeight));
  const RgbImage image = canvas.Capture();
  SaveScreenshot(image, "definition-printed");
  EXPECT_GT(Pixels(image, kDefinitionWordColour), 0);
  EXPECT_GT(Pixels(image, kDefinitionNumberColour), 0);
}

struct MenuCase {
  const char* text;
  std::vector<std::pair<UINT, std::string>> items;
};

TEST_F(DefinitionWndTest, CopyMenuHasOneItemADefinitionInTheCopyRangeOnly) {
  std::string many = "d1";
  for (int k = 2; k <= 25; ++k) many += "; d" + std::to_string(k);
  std::vector<std::pair<UINT, std::string>> manyItems = {{32850, "Copy All Definitions"}};
  for (UINT k = 1; k <= 19; ++k)
    manyItems.push_back({32850 + k, "Copy Definition " + std::to_string(k)});
  const MenuCase cases[] = {
      {"", {}},
      {"to keep", {{32851, "Copy Definition"}}},
      {"to keep; to guard",
       {{32850, "Copy All Definitions"},
        {32851, "Copy Definition 1"},
        {32852, "Copy Definition 2"}}},
      {many.c_str(), manyItems},
  };
  for (const MenuCase& c : cases) {
    SCOPED_TRACE(c.text);
    m_pWnd->SetWindowText(c.text);
    CMenu menu;
    const int built = ShowDefinitionCopyMenu(m_pWnd, menu);
    EXPECT_EQ(c.items.empty() ? 0 : 1, built);
    if (!built) {
      EXPECT_EQ(nullptr, menu.GetSafeHmenu());
      continue;
    }
    ASSERT_EQ(c.items.size(), static_cast<size_t>(menu.GetMenuItemCount()));
    for (UINT i = 0; i < c.items.size(); ++i) {
      CString label;
      menu.GetMenuString(i, label, MF_BYPOSITION);
      EXPECT_EQ(c.items[i].first, menu.GetMenuItemID(static_cast<int>(i)));
      EXPECT_EQ(c.items[i].second, std::string(label));
    }
  }
}

TEST_F(DefinitionWndTest, CopyCommandsPutTheNamedDefinitionsOnTheClipboardAsTextAndRtf) {
  m_pWnd->SetWindowText("to keep {x}; to &\"guard\" <AL> it");
  struct CopyCase {
    UINT command;
    const char* plainText;
  };
  const CopyCase cases[] = {
      {32852, "to \"guard\" "},
      {32851, "to keep {x}"},
  };
  for (const CopyCase& c : cases) {
    SCOPED_TRACE(c.command);
    ASSERT_TRUE(CopyDefinitionsToClipboard(m_pWnd, c.command));
    CString text;
    ASSERT_TRUE(ReadClipboardText(m_parent.GetSafeHwnd(), CF_TEXT, text));
    EXPECT_EQ(0, std::string(text).rfind(c.plainText, 0)) << text;
    CString rtf;
    ASSERT_TRUE(ReadClipboardText(m_parent.GetSafeHwnd(), GetRtfClipboardFormat(), rtf));
    EXPECT_EQ(0, std::string(rtf).rfind("{\\rtf\\ansi\\deff0{\\fonttbl", 0)) << rtf;
  }
  CString rtf;
  ReadClipboardText(m_parent.GetSafeHwnd(), GetRtfClipboardFormat(), rtf);
  EXPECT_NE(std::string::npos, std::string(rtf).find("\\{x\\}")) << rtf;
  // All definitions: numbered, one a line.
  ASSERT_TRUE(CopyDefinitionsToClipboard(m_pWnd, kCopyAllDefinitionsCommand));
  CString all;
  ASSERT_TRUE(ReadClipboardText(m_parent.GetSafeHwnd(), CF_TEXT, all));
  EXPECT_EQ(0, std::string(all).rfind("1. to keep {x}\r\n2. to \"guard\" ", 0)) << all;
  EXPECT_FALSE(CopyDefinitionsToClipboard(m_pWnd, kLastCopyDefinitionCommand + 1));
}

TEST_F(DefinitionWndTest, RightClickAsksTheViewForItsMenuAtTheScreenPoint) {
  const POINT at = {123, 45};
  m_pWnd->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_pWnd->GetSafeHwnd()),
                      MAKELPARAM(at.x, at.y));
  ASSERT_EQ(1u, m_parent.menuRequests.size());
  EXPECT_EQ(kDefinitionWndId, m_parent.menuRequests[0].first);
  EXPECT_EQ(MAKELPARAM(at.x, at.y), m_parent.menuRequests[0].second);
}

}  // namespace DefinitionWnd_test
