// A reader's look-ups in the program: "shalom" typed on the English keyboard
// in word mode positions the lookup list, "write" in definition mode
// positions on its keyword, an empty search finds nothing, and each mode
// returns to where the reader was. Pictures kept.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "resources/MainFrameIds.h"
#include "shell/tests/ProgramFonts.h"
#include "shell/tests/ZultaProcess.h"
#include "testing/win/UserInput.h"
#include "testing/win/WaitFor.h"
#include "testing/win/WindowCapture.h"

namespace {

constexpr int kLookupListId = 1001;
// שָׁלוֹם on the English keyboard.
const std::string kShalomKeys = "w]kOo";

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

void Retype(HWND hEdit, const std::string& keys) {
  ::SetForegroundWindow(::GetAncestor(hEdit, GA_ROOT));
  RECT box = {};
  ::GetWindowRect(hEdit, &box);
  ClickAt({(box.left + box.right) / 2, (box.top + box.bottom) / 2});
  SendChord(VK_CONTROL, 'A');
  SendKey(VK_DELETE);
  SendText(keys);
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

  // Word mode: the list follows the typed word.
  ::SendMessageA(hMain, WM_COMMAND, ID_LOOKUP_HEBREW_LIST, 0);
  const int wordRows = RowCount(hList);
  ASSERT_GT(wordRows, 0);
  Retype(hEdit, kShalomKeys);
  int shalom = -1;
  EXPECT_TRUE(WaitFor([&] { return (shalom = SelectedRow(hList)) > 0; }));
  EXPECT_TRUE(::IsWindowVisible(hList));
  SaveScreenshot(CaptureWindow(hLookupWindow), "lookup_journey_0_shalom");

  // Definition mode: "write".
  ::SendMessageA(hMain, WM_COMMAND, ID_LOOKUP_ENGLISH_KEYWORDS, 0);
  Retype(hEdit, "write");
  EXPECT_GT(RowCount(hList), 0);
  SaveScreenshot(CaptureWindow(hLookupWindow), "lookup_journey_2_write");

  int write = -1;
  EXPECT_TRUE(WaitFor([&] { return (write = SelectedRow(hList)) > 0; }));

  // Search mode: nothing searched yet, and Enter with an empty edit finds nothing.
  ::SendMessageA(hMain, WM_COMMAND, ID_LOOKUP_HEBREW_SEARCH, 0);
  EXPECT_EQ(0, RowCount(hList));
  Retype(hEdit, "");
  SendKey(VK_RETURN);
  EXPECT_EQ(0, RowCount(hList));

  // Back to each mode: where the reader was.
  ::SendMessageA(hMain, WM_COMMAND, ID_LOOKUP_HEBREW_LIST, 0);
  EXPECT_EQ(wordRows, RowCount(hList));
  EXPECT_EQ(shalom, SelectedRow(hList));
  ::SendMessageA(hMain, WM_COMMAND, ID_LOOKUP_ENGLISH_KEYWORDS, 0);
  EXPECT_EQ(write, SelectedRow(hList));
}

}  // namespace
