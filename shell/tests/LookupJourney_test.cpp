// A reader's look-ups in the program: "shalom" typed on the English keyboard
// in word mode positions the lookup list, "write" in definition mode
// positions on its keyword, an empty search finds nothing, a form with its
// prefixes is searched and its verb's table opened from the result, as is
// the keyword's verb, each mode returns to where the reader was, and a widened
// column keeps its width in the next run. Pictures kept.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "resources/MainFrameIds.h"
#include "resources/VerbTableIds.h"
#include "shell/tests/JourneyControls.h"
#include "shell/tests/JourneyPictures.h"
#include "shell/tests/ProgramFonts.h"
#include "shell/tests/ZultaProcess.h"
#include "tables/win/GrammarViewMessages.h"
#include "testing/win/UserInput.h"
#include "testing/win/WaitFor.h"
#include "testing/win/WindowCapture.h"

namespace lookup_journey_test {

constexpr int kLookupListId = 1001;
// שָׁלוֹם on the English keyboard.
const std::string kShalomKeys = "w]kOo";
// וּכְשֶׁכָּתַבְתִּי ("and when I wrote") on the English keyboard: three
// prefixes before a past form of כתב.
const std::string kUkhshekatavtiKeys = "If'w`F],-c'</h";
// כתב in the program's letter codes.
const std::string kKatavRoot = "\xEB\xFA\xE1";

// The lookup list: the virtual report list with its id (other bars have
// controls of the same id).
HWND FindLookupList(HWND hMain) {
  HWND hFound = nullptr;
  ::EnumChildWindows(
      hMain,
      [](HWND hWnd, LPARAM lParam) -> BOOL {
        char className[64] = {};
        ::GetClassNameA(hWnd, className, sizeof className);
        if (::GetDlgCtrlID(hWnd) != kLookupListId || std::string(className) != WC_LISTVIEWA ||
            (::GetWindowLongA(hWnd, GWL_STYLE) & LVS_OWNERDATA) == 0)
          return TRUE;
        *reinterpret_cast<HWND*>(lParam) = hWnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&hFound));
  return hFound;
}

int SelectedRow(HWND hList) {
  return static_cast<int>(::SendMessageA(hList, LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                         MAKELPARAM(LVNI_SELECTED, 0)));
}
int RowCount(HWND hList) { return static_cast<int>(::SendMessageA(hList, LVM_GETITEMCOUNT, 0, 0)); }

// The edit reports its changes to the bar by posted messages, so the list
// follows the typed text a little later: the selection is read once it has
// held still for this many looks.
constexpr int kSteadyLooks = 20;

// The selected row once the list has followed the edit.
int SteadySelectedRow(HWND hList) {
  int row = -1;
  int same = 0;
  WaitFor([&] {
    const int now = SelectedRow(hList);
    same = now == row ? same + 1 : 0;
    row = now;
    return row > 0 && same >= kSteadyLooks;
  });
  return row;
}

// The letters of a Hebrew edit's text, without its points.
std::string LettersOf(HWND hEdit) {
  std::string letters;
  for (char c : TextOf(hEdit))
    if (static_cast<unsigned char>(c) >= 0xE0) letters += c;
  return letters;
}

// A click that comes before the program's first focus is lost; the next one
// is not, so a lost click is not waited for long.
constexpr DWORD kFocusWaitMs = 3000;
// How much wider the journey makes the word column.
constexpr int kWiderBy = 40;

// The root shown by the verb tab once it shows a table, else empty.
std::string VerbTableRoot(HWND hMain) {
  // The form-set combo is the verb tab's own: other tabs have lists too.
  HWND hCombo = FindDescendantById(hMain, IDC_VERB_FORM_SET);
  HWND hVerbView = hCombo != nullptr ? ::GetParent(hCombo) : nullptr;
  if (hVerbView == nullptr || !::IsWindowVisible(hVerbView) ||
      ::SendMessageA(hVerbView, WM_GRAM_GETTABLESHOWN, 0, 0) == 0)
    return std::string();
  return LettersOf(::GetDlgItem(hVerbView, IDC_VERB_ROOT));
}

// The keys typed into the lookup edit as a new text, each key one character
// (a letter or a point), and waited for until the edit holds them all: a key
// still queued when the journey switches modes would be typed into the next
// mode. Just after the start the program may still be giving the grammar
// table its first focus, which can come after the click: the click is made
// again until the edit keeps the focus and shows the text.
void Retype(HWND hEdit, const std::string& keys) {
  const HWND hRoot = ::GetAncestor(hEdit, GA_ROOT);
  RECT box = {};
  ::GetWindowRect(hEdit, &box);
  for (int attempt = 0; attempt < 3; ++attempt) {
    ::SetForegroundWindow(hRoot);
    ClickAt({(box.left + box.right) / 2, (box.top + box.bottom) / 2});
    if (!WaitFor([&] { return FocusOf(hRoot) == hEdit; }, kFocusWaitMs)) continue;
    SendChord(VK_CONTROL, 'A');
    SendKey(VK_DELETE);
    SendText(keys);
    if (WaitFor([&] { return TextOf(hEdit).size() == keys.size() && FocusOf(hRoot) == hEdit; }))
      return;
  }
}

int ColumnWidth(HWND hList, int column) {
  return static_cast<int>(::SendMessageA(hList, LVM_GETCOLUMNWIDTH, column, 0));
}

// Drags the right edge of the list's first column by dx pixels.
void DragFirstColumnEdge(HWND hList, int dx) {
  HWND hHeader = ::FindWindowExA(hList, nullptr, WC_HEADERA, nullptr);
  RECT header = {};
  ::GetWindowRect(hHeader, &header);
  const POINT edge = {header.left + ColumnWidth(hList, 0) - 1, (header.top + header.bottom) / 2};
  INPUT inputs[] = {MouseMoveInput(edge), MouseButtonInput(MOUSEEVENTF_LEFTDOWN),
                    MouseMoveInput({edge.x + dx / 2, edge.y}),
                    MouseMoveInput({edge.x + dx, edge.y}), MouseButtonInput(MOUSEEVENTF_LEFTUP)};
  ::SendInput(ARRAYSIZE(inputs), inputs, sizeof(INPUT));
}

TEST(LookupJourney, WordsAndKeywordsAreLookedUpAndEachModeKept) {
  InstallProgramFonts();
  ZultaProcess zulta;
  ASSERT_TRUE(zulta.Started()) << "error " << zulta.StartError();
  HWND hMain = zulta.MainWindow();
  ASSERT_NE(hMain, nullptr);
  HWND hEdit = FindDescendantById(hMain, IDC_LOOKUP_EDIT);
  HWND hList = FindLookupList(hMain);
  ASSERT_NE(hEdit, nullptr);
  ASSERT_NE(hList, nullptr);
  const HWND hLookupWindow = ::GetParent(::GetParent(hList));
  // The program has placed its first focus.
  EXPECT_TRUE(WaitFor([&] { return FocusOf(hMain) != nullptr; }));

  // Word mode: the list follows the typed word.
  ::SendMessageA(hMain, WM_COMMAND, ID_LOOKUP_HEBREW_LIST, 0);
  const int wordRows = RowCount(hList);
  ASSERT_GT(wordRows, 0);
  Retype(hEdit, kShalomKeys);
  const int shalom = SteadySelectedRow(hList);
  EXPECT_GT(shalom, 0);
  EXPECT_TRUE(::IsWindowVisible(hList));
  SaveScreenshot(CaptureWindow(hLookupWindow), "lookup_journey_0_shalom");

  // Definition mode: "write".
  ::SendMessageA(hMain, WM_COMMAND, ID_LOOKUP_ENGLISH_KEYWORDS, 0);
  Retype(hEdit, "write");
  EXPECT_GT(RowCount(hList), 0);
  SaveScreenshot(CaptureWindow(hLookupWindow), "lookup_journey_2_write");

  const int write = SteadySelectedRow(hList);
  EXPECT_GT(write, 0);
  // Enter in the edit opens the keyword's verb.
  SendKey(VK_RETURN);
  EXPECT_TRUE(WaitFor([&] { return VerbTableRoot(hMain) == kKatavRoot; }));
  SteadyPicture(hMain, "lookup_journey_2_write_opened");

  // Search mode: nothing searched yet, and Enter with an empty edit finds nothing.
  ::SendMessageA(hMain, WM_COMMAND, ID_LOOKUP_HEBREW_SEARCH, 0);
  EXPECT_EQ(0, RowCount(hList));
  Retype(hEdit, "");
  SendKey(VK_RETURN);
  EXPECT_EQ(0, RowCount(hList));

  // A form with its prefixes: Enter searches, and Enter on the result opens
  // its verb's table.
  Retype(hEdit, kUkhshekatavtiKeys);
  SendKey(VK_RETURN);
  EXPECT_TRUE(WaitFor([&] { return RowCount(hList) > 0; }));
  SteadyPicture(hLookupWindow, "lookup_journey_1_search");
  RECT listBox = {};
  ::GetWindowRect(hList, &listBox);
  HWND hHeader = ::FindWindowExA(hList, nullptr, WC_HEADERA, nullptr);
  RECT headerBox = {};
  ::GetWindowRect(hHeader, &headerBox);
  // The first row lies just below the header.
  ClickAt({listBox.left + 30, headerBox.bottom + 6});
  EXPECT_TRUE(WaitFor([&] { return SelectedRow(hList) == 0; }));
  SendKey(VK_RETURN);
  EXPECT_TRUE(WaitFor([&] { return VerbTableRoot(hMain) == kKatavRoot; }));
  SteadyPicture(hMain, "lookup_journey_3_opened");

  // Back to each mode: where the reader was.
  ::SendMessageA(hMain, WM_COMMAND, ID_LOOKUP_HEBREW_LIST, 0);
  EXPECT_TRUE(WaitFor([&] { return RowCount(hList) == wordRows && SelectedRow(hList) == shalom; }))
      << RowCount(hList) << " rows, row " << SelectedRow(hList) << " selected";
  ::SendMessageA(hMain, WM_COMMAND, ID_LOOKUP_ENGLISH_KEYWORDS, 0);
  EXPECT_TRUE(WaitFor([&] { return SelectedRow(hList) == write; }))
      << "row " << SelectedRow(hList) << " selected";

  // A column made wider in the word list keeps its width in the next run.
  ::SendMessageA(hMain, WM_COMMAND, ID_LOOKUP_HEBREW_LIST, 0);
  const int before = ColumnWidth(hList, 0);
  ::SetForegroundWindow(hMain);
  DragFirstColumnEdge(hList, kWiderBy);
  EXPECT_TRUE(WaitFor([&] { return ColumnWidth(hList, 0) == before + kWiderBy; }))
      << ColumnWidth(hList, 0) << " wide, was " << before;
  const int wider = ColumnWidth(hList, 0);
  ASSERT_EQ(0u, zulta.Close());

  ZultaProcess next;
  ASSERT_TRUE(next.Started()) << "error " << next.StartError();
  HWND hNextMain = next.MainWindow();
  ASSERT_NE(hNextMain, nullptr);
  HWND hNextList = FindLookupList(hNextMain);
  ASSERT_NE(hNextList, nullptr);
  ::SendMessageA(hNextMain, WM_COMMAND, ID_LOOKUP_HEBREW_LIST, 0);
  EXPECT_EQ(wider, ColumnWidth(hNextList, 0));
  SteadyPicture(hNextMain, "lookup_journey_4_restarted");
}

}  // namespace lookup_journey_test
