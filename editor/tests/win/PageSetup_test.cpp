// The page settings sheet driven as a user drives it: the editor view's Page
// Setup, A4 chosen on an inch sheet, margins too large, tab stops set and
// cleared, OK applied to the document and taken back by Undo; and the
// grammar-table sheet ending with Print or Preview.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "editor/core/CPageLayout.h"
#include "editor/tests/win/EditViewFixture.h"
#include "editor/win/CPageSettings.h"
#include "hebtext/core/MemoryProfileStore.h"
#include "hebtext/core/Preferences.h"
#include "resources/EditorIds.h"
#include "resources/PageSettingsIds.h"
#include "testing/win/MessageBoxes.h"
#include "testing/win/UserInput.h"
#include "testing/win/WaitFor.h"
#include "testing/win/WindowCapture.h"

namespace {

constexpr WORD kA4 = 9;
constexpr int kPaperPage = 0;
constexpr int kMarginsPage = 1;
constexpr int kTabsPage = 2;
constexpr UINT_PTR kPollMs = 50;

std::string TextOf(HWND hWnd) {
  char text[256] = "";
  ::GetWindowTextA(hWnd, text, sizeof text);
  return text;
}

POINT CentreOf(HWND hWnd) {
  RECT rect;
  ::GetWindowRect(hWnd, &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void Click(HWND hWnd) { ClickAt(CentreOf(hWnd)); }

HWND FindSheet() {
  HWND hSheet = ::FindWindowA("#32770", "Page Settings");
  return hSheet != nullptr && ::IsWindowVisible(hSheet) ? hSheet : nullptr;
}

HWND CurrentPage(HWND hSheet) {
  return reinterpret_cast<HWND>(::SendMessageA(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

HWND PageItem(HWND hSheet, int id) { return ::GetDlgItem(CurrentPage(hSheet), id); }

// Clicks a page's tab and waits until the page shows.
bool ShowPage(HWND hSheet, int index) {
  HWND hTabs = reinterpret_cast<HWND>(::SendMessageA(hSheet, PSM_GETTABCONTROL, 0, 0));
  RECT tab;
  ::SendMessageA(hTabs, TCM_GETITEMRECT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&tab));
  POINT centre = {(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2};
  ::ClientToScreen(hTabs, &centre);
  ClickAt(centre);
  return WaitFor([&] { return ::SendMessageA(hTabs, TCM_GETCURSEL, 0, 0) == index; });
}

// Replaces an edit's text by typing, as a user selects it and types over it.
bool TypeInto(HWND hEdit, const std::string& text) {
  Click(hEdit);
  if (!WaitFor([&] { return ::GetFocus() == hEdit; })) return false;
  SendKey(VK_END);
  SendChord(VK_SHIFT, VK_HOME);
  SendText(text);
  return WaitFor([&] { return TextOf(hEdit) == text; });
}

// Whether the part of the picture where a control of the sheet stands holds
// dark (text) pixels: its paint has reached the screen.
bool ShowsText(const RgbImage& image, HWND hSheet, HWND hControl) {
  constexpr uint32_t kDark = 0x404040;
  constexpr int kBorder = 4;
  RECT sheet, rect;
  ::GetWindowRect(hSheet, &sheet);
  ::GetWindowRect(hControl, &rect);
  ::InflateRect(&rect, -kBorder, -kBorder);  // a button's frame is no text
  for (int y = rect.top - sheet.top; y < rect.bottom - sheet.top && y < image.height; y++)
    for (int x = rect.left - sheet.left; x < rect.right - sheet.left && x < image.width; x++)
      if (image.PixelAt(x, y) <= kDark) return true;
  return false;
}

// Keeps a picture once the redrawn note and buttons under the pages show.
void SavePicture(HWND hSheet, const char* name) {
  ::RedrawWindow(hSheet, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  RgbImage image;
  EXPECT_TRUE(WaitFor([&] {
    image = CaptureWindow(hSheet);
    return ShowsText(image, hSheet, ::GetDlgItem(hSheet, IDC_SAVE_NOTE)) &&
           ShowsText(image, hSheet, ::GetDlgItem(hSheet, IDCANCEL));
  }));
  SaveScreenshot(image, name);
}

std::string ListText(HWND hList, int index) {
  char text[64] = "";
  ::SendMessageA(hList, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
  return text;
}

// Answers the message boxes the sheet shows (the sheet is a dialog too, so
// it is told from them by being their owner).
class SheetBoxAnswerer {
 public:
  SheetBoxAnswerer() {
    m_timer = ::SetTimer(nullptr, 0, kPollMs, OnTimer);
    s_texts.clear();
  }
  ~SheetBoxAnswerer() { ::KillTimer(nullptr, m_timer); }
  const std::vector<std::string>& Texts() const { return s_texts; }

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    ::EnumThreadWindows(::GetCurrentThreadId(), &AnswerBox, 0);
  }
  static BOOL CALLBACK AnswerBox(HWND hWnd, LPARAM) {
    HWND hSheet = FindSheet();
    if (hSheet == nullptr || ::GetWindow(hWnd, GW_OWNER) != hSheet || !::IsWindowVisible(hWnd))
      return TRUE;
    s_texts.push_back(ChildTexts(hWnd));
    ::PostMessageA(hWnd, WM_COMMAND, IDOK, 0);
    ::ShowWindow(hWnd, SW_HIDE);  // answered once
    return TRUE;
  }
  static inline std::vector<std::string> s_texts;
  UINT_PTR m_timer = 0;
};

// Runs a script on the sheet once it shows, from a timer that the sheet's own
// loop dispatches; a script stopped by a failed assertion cancels the sheet.
class SheetScript {
 public:
  explicit SheetScript(std::function<void(HWND)> script) {
    s_script = std::move(script);
    s_done = false;
    m_timer = ::SetTimer(nullptr, 0, kPollMs, OnTimer);
  }
  ~SheetScript() { ::KillTimer(nullptr, m_timer); }
  bool Done() const { return s_done; }

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR idEvent, DWORD) {
    HWND hSheet = FindSheet();
    if (hSheet == nullptr || s_done) return;
    ::KillTimer(nullptr, idEvent);
    s_done = true;
    s_script(hSheet);
    // A script that completes ends the sheet itself; one stopped by a failed
    // assertion leaves it to be cancelled.
    if (::testing::Test::HasFatalFailure() && ::IsWindow(hSheet))
      ::PostMessageA(hSheet, WM_COMMAND, IDCANCEL, 0);
  }
  static inline std::function<void(HWND)> s_script;
  static inline bool s_done = false;
  UINT_PTR m_timer = 0;
};

// Each test keeps what the sheet stores in a profile of its own.
class PageSetupTest : public EditViewFixture {
 protected:
  void SetUp() override {
    m_previousStore = GetPreferenceStore();
    SetPreferenceStore(&m_store);
    EditViewFixture::SetUp();
  }
  void TearDown() override {
    EditViewFixture::TearDown();
    SetPreferenceStore(m_previousStore);
  }

  MemoryProfileStore m_store;
  IProfileStore* m_previousStore = nullptr;
};

// The paper page: A4 from the printers' list switches the sheet to
// millimetres. False when the list has no A4 (no printer).
bool ChooseA4(HWND hSheet) {
  HWND hList = PageItem(hSheet, IDC_PAPER_LIST);
  LRESULT count = ::SendMessageA(hList, CB_GETCOUNT, 0, 0);
  EXPECT_GE(count, 1);
  char last[64] = "";
  ::SendMessageA(hList, CB_GETLBTEXT, static_cast<WPARAM>(count - 1),
                 reinterpret_cast<LPARAM>(last));
  EXPECT_STREQ(last, "Custom");
  bool found = false;
  for (LRESULT i = 0; i < count; i++)
    found = found || ::SendMessageA(hList, CB_GETITEMDATA, static_cast<WPARAM>(i), 0) == kA4;
  if (!found) return false;
  Click(hList);  // opens the list; Escape closes it with the focus kept
  SendKey(VK_ESCAPE);
  EXPECT_TRUE(WaitFor([&] { return ::GetFocus() == hList; }));
  SendKey(VK_HOME);
  for (LRESULT i = 0; i < count; i++) {
    LRESULT at = ::SendMessageA(hList, CB_GETCURSEL, 0, 0);
    if (::SendMessageA(hList, CB_GETITEMDATA, static_cast<WPARAM>(at), 0) == kA4) break;
    SendKey(VK_DOWN);
    WaitFor([&] { return ::SendMessageA(hList, CB_GETCURSEL, 0, 0) != at; });
  }
  return WaitFor([&] { return TextOf(PageItem(hSheet, IDC_PAPER_WIDTH)) == "210.0 mm"; });
}

TEST_F(PageSetupTest, PageSetupSetsPaperMarginsAndTabsAsOneUndoStep) {
  DocTextModel& model = m_pDoc->Model();
  const int side = m_pDoc->GetActiveSide();
  const PageSettingsRec before = model.GetNthLayout(side, 0)->settings;
  ASSERT_EQ(before.unit, 1);
  const WORD otherLeftBefore = model.GetNthLayout(1 - side, 0)->settings.leftMargin;
  bool a4 = false;
  SheetBoxAnswerer answerer;

  SheetScript script([&](HWND hSheet) {
    // The documents' extra controls under the pages.
    EXPECT_NE(::GetDlgItem(hSheet, IDC_SCOPE_ALL), nullptr);
    EXPECT_NE(::GetDlgItem(hSheet, IDC_BOTH_SIDES), nullptr);
    EXPECT_EQ(::GetDlgItem(hSheet, IDC_SHEET_PREVIEW), nullptr);
    const std::string note = std::string("'Save' sets default values for\n") +
                             (side == 1 ? "Hebrew" : "English") + "-side Document Pages.";
    EXPECT_EQ(TextOf(::GetDlgItem(hSheet, IDC_SAVE_NOTE)), note);
    EXPECT_EQ(TextOf(PageItem(hSheet, IDC_PAPER_WIDTH)), "8.5\"");
    a4 = ChooseA4(hSheet);
    SavePicture(hSheet, "page_settings_paper");
    if (!a4) return;

    // Margins converted to millimetres; too large ones refused on OK.
    ASSERT_TRUE(ShowPage(hSheet, kMarginsPage));
    EXPECT_EQ(TextOf(PageItem(hSheet, IDC_MARGIN_LEFT)), "19.1 mm");
    EXPECT_EQ(TextOf(PageItem(hSheet, IDC_MARGIN_TOP)), "25.4 mm");
    ASSERT_TRUE(TypeInto(PageItem(hSheet, IDC_MARGIN_LEFT), "195"));
    ASSERT_TRUE(ShowPage(hSheet, kPaperPage));
    Click(::GetDlgItem(hSheet, IDOK));
    ASSERT_TRUE(WaitFor([&] { return answerer.Texts().size() == 1; }));
    EXPECT_NE(answerer.Texts()[0].find("Left/Right Margins are too large!"), std::string::npos);
    HWND hLeft = PageItem(hSheet, IDC_MARGIN_LEFT);
    ASSERT_TRUE(WaitFor([&] { return ::GetFocus() == hLeft; }));
    DWORD start = 0, end = 0;
    ::SendMessageA(hLeft, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, TextOf(hLeft).size());
    ASSERT_TRUE(TypeInto(hLeft, "20"));
    // The spin steps half a millimetre on a millimetre sheet.
    HWND hTopSpin = PageItem(hSheet, IDC_MARGIN_TOP_SPIN);
    RECT spin;
    ::GetWindowRect(hTopSpin, &spin);
    ClickAt({(spin.left + spin.right) / 2, spin.top + (spin.bottom - spin.top) / 4});
    EXPECT_TRUE(WaitFor([&] { return TextOf(PageItem(hSheet, IDC_MARGIN_TOP)) == "25.5 mm"; }));
    SavePicture(hSheet, "page_settings_margins");

    // Tab stops: out of range and duplicates refused, one cleared.
    ASSERT_TRUE(ShowPage(hSheet, kTabsPage));
    HWND hStop = PageItem(hSheet, IDC_TAB_STOP);
    HWND hList = PageItem(hSheet, IDC_TAB_LIST);
    const struct {
      const char* text;
      const char* message;
    } kStops[] = {{"250", "250.0 mm is out of bounds!\nValid Range is 0.1 through 209.5"},
                  {"40", nullptr},
                  {"25", nullptr},
                  {"25", "25.0 mm is already in the list of tab positions!"},
                  {"30", nullptr}};
    for (const auto& stop : kStops) {
      SCOPED_TRACE(stop.text);
      const size_t boxes = answerer.Texts().size();
      const LRESULT entries = ::SendMessageA(hList, LB_GETCOUNT, 0, 0);
      ASSERT_TRUE(TypeInto(hStop, stop.text));
      Click(PageItem(hSheet, IDC_TAB_SET));
      if (stop.message == nullptr) {
        EXPECT_TRUE(
            WaitFor([&] { return ::SendMessageA(hList, LB_GETCOUNT, 0, 0) == entries + 1; }));
      } else {
        ASSERT_TRUE(WaitFor([&] { return answerer.Texts().size() == boxes + 1; }));
        EXPECT_NE(answerer.Texts().back().find(stop.message), std::string::npos)
            << answerer.Texts().back();
      }
    }
    ASSERT_EQ(::SendMessageA(hList, LB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(ListText(hList, 0), " 25.0 mm");
    // The new entry is selected: clearing 30 selects 40, which takes its place.
    EXPECT_EQ(::SendMessageA(hList, LB_GETCURSEL, 0, 0), 1);
    Click(PageItem(hSheet, IDC_TAB_CLEAR));
    ASSERT_TRUE(WaitFor([&] { return ::SendMessageA(hList, LB_GETCOUNT, 0, 0) == 2; }));
    EXPECT_EQ(ListText(hList, ::SendMessageA(hList, LB_GETCURSEL, 0, 0)), " 40.0 mm");
    EXPECT_EQ(TextOf(hStop), "40.0 mm");
    EXPECT_EQ(TextOf(::GetDlgItem(hSheet, IDC_SAVE_NOTE)), note);
    SavePicture(hSheet, "page_settings_tabs");
    Click(::GetDlgItem(hSheet, IDC_BOTH_SIDES));
    EXPECT_TRUE(WaitFor([&] {
      return TextOf(::GetDlgItem(hSheet, IDC_SAVE_NOTE)) ==
             "'Save' sets default values for\nBoth Sides of Document Pages.";
    }));
    // Save makes the checked values both sides' defaults; the sheet stays.
    Click(::GetDlgItem(hSheet, IDC_SHEET_SAVE));
    EXPECT_TRUE(WaitFor([] {
      return !GetPreferenceString("Printer", "DocSettings_HEB").IsEmpty() &&
             !GetPreferenceString("Printer", "DocSettings_ENG").IsEmpty();
    }));
    EXPECT_EQ(GetPreferenceString("EnglishEditor", "TabStopsCustom"),
              GetPreferenceString("HebrewEditor", "TabStopsCustom"));
    EXPECT_NE(FindSheet(), nullptr);
    Click(::GetDlgItem(hSheet, IDOK));
  });
  ::PostMessageA(m_app->GetMainFrame()->m_hWnd, WM_COMMAND, ID_PAGE_SETUP, 0);
  ASSERT_TRUE(WaitFor([&] { return script.Done() && FindSheet() == nullptr; }));
  if (!a4) GTEST_SKIP() << "no printer offers A4";

  const CPageLayout* pLayout = model.GetNthLayout(side, 0);
  EXPECT_EQ(pLayout->settings.paperCode, kA4);
  EXPECT_EQ(pLayout->settings.unit, 2);
  EXPECT_EQ(pLayout->settings.width, 2100);
  EXPECT_EQ(pLayout->settings.length, 2970);
  EXPECT_EQ(pLayout->settings.leftMargin, 200);
  EXPECT_EQ(pLayout->settings.topMargin, 255);
  ASSERT_EQ(pLayout->tabStops.GetSize(), 2);
  EXPECT_EQ(pLayout->tabStops[0], 250u);
  EXPECT_EQ(pLayout->tabStops[1], 400u);
  // Both sides were asked for.
  const CPageLayout* pOther = model.GetNthLayout(1 - side, 0);
  EXPECT_EQ(pOther->settings.leftMargin, 200);
  EXPECT_EQ(pOther->tabStops.GetSize(), 2);
  EXPECT_EQ(GetPreferenceInt("Preferences", "Apply Both Sides", 0), 1u);
  // The sheet opens on the Tabs page next time.
  EXPECT_EQ(GetPreferenceInt("Preferences", "PageSettings Active Page Doc", 0), 2u);

  Command(ID_EDIT_UNDO);
  pLayout = model.GetNthLayout(side, 0);
  EXPECT_EQ(pLayout->settings.paperCode, before.paperCode);
  EXPECT_EQ(pLayout->settings.unit, 1);
  EXPECT_EQ(pLayout->settings.leftMargin, before.leftMargin);
  EXPECT_EQ(model.GetNthLayout(1 - side, 0)->settings.leftMargin, otherLeftBefore);
  EXPECT_FALSE(m_pDoc->Editor().CanUndo());
}

TEST_F(PageSetupTest, GrammarModeEndsWithPrintOrPreviewAndRemembersItsOwnPage) {
  WritePreferenceInt("Preferences", "PageSettings Active Page Doc", kTabsPage);
  struct Run {
    int button;
    INT_PTR result;
  };
  const Run kRuns[] = {{IDC_SHEET_PREVIEW, CPageSettings::kResultPreview},
                       {IDOK, CPageSettings::kResultPrint}};
  for (const Run& run : kRuns) {
    CPageSettings sheet(IDS_PAGE_SETTINGS, TRUE, m_app->GetMainFrame());
    SetDefaultPageSettings(&sheet.m_record, TRUE);
    int pages = 0;
    SheetScript script([&](HWND hSheet) {
      pages = static_cast<int>(
          ::SendMessageA(reinterpret_cast<HWND>(::SendMessageA(hSheet, PSM_GETTABCONTROL, 0, 0)),
                         TCM_GETITEMCOUNT, 0, 0));
      EXPECT_EQ(TextOf(::GetDlgItem(hSheet, IDOK)), "&Print");
      EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(hSheet, IDCANCEL)));
      EXPECT_EQ(::GetDlgItem(hSheet, IDC_SCOPE_PAGE), nullptr);
      EXPECT_EQ(::GetDlgItem(hSheet, IDC_BOTH_SIDES), nullptr);
      if (run.button == IDOK) {
        Click(::GetDlgItem(hSheet, IDC_SHEET_SAVE));
        EXPECT_TRUE(
            WaitFor([] { return !GetPreferenceString("Printer", "GramTableSettings").IsEmpty(); }));
        ShowPage(hSheet, kMarginsPage);
        SavePicture(hSheet, "page_settings_grammar");
      }
      Click(::GetDlgItem(hSheet, run.button));
    });
    EXPECT_EQ(sheet.DoModal(), run.result);
    EXPECT_EQ(pages, 2);
  }
  EXPECT_EQ(GetPreferenceInt("Preferences", "PageSettings Active Page Gram", 0),
            static_cast<UINT>(kMarginsPage));
  EXPECT_EQ(GetPreferenceInt("Preferences", "PageSettings Active Page Doc", 0),
            static_cast<UINT>(kTabsPage));
}

}  // namespace
