// The Hebrew list beside a grammar table, driven by real keys and clicks:
// what each key selects, what reaches the entry edit and the view, and how
// the list is sized and drawn.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "hebtext/core/HebChar.h"
#include "hebtext/core/KeyMapping.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/HebWordRec.h"
#include "tables/core/HebListKeys.h"
#include "tables/tests/win/GrammarViewFixture.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/UserInput.h"
#include "testing/win/WindowCapture.h"

namespace tabletest {
namespace {

// Room for a verb's root and its terminator.
constexpr int kRootRoom = 11;
constexpr COLORREF kSelectedBackground = RGB(0, 0, 0xA0);
constexpr COLORREF kItemBackground = RGB(255, 255, 255);

std::string RootOf(int verb) {
  BYTE letters[kRootRoom] = {};
  GetVerbRootLetters(verb, letters);
  return reinterpret_cast<const char*>(letters);
}

std::string EditText(CHebEdit* pEdit) {
  CString text;
  pEdit->GetText(text);
  return static_cast<LPCSTR>(text);
}

class HebListBoxTest : public GrammarViewTest {
 protected:
  int Selections() const { return s_pView->Count(WM_HEBLIST_SELECT); }

  // Presses the key and waits until the view was told of the move it makes.
  void PressAndWaitForMove(WORD vk) {
    const int before = Selections();
    SendKey(vk);
    ASSERT_TRUE(WaitFor([&] { return Selections() == before + 1; })) << vk;
  }

  // Presses the keys that are to do nothing, then Down: only Down's move arrives.
  void ExpectNoMoveFrom(std::initializer_list<WORD> keys) {
    const int start = s_pList->GetCurSel();
    const int before = Selections();
    for (WORD vk : keys) SendKey(vk);
    PressAndWaitForMove(VK_DOWN);
    EXPECT_EQ(before + 1, Selections());
    EXPECT_EQ(start + 1, s_pList->GetCurSel());
  }

  void ExpectSelected(int entry) {
    EXPECT_EQ(entry, s_pList->GetCurSel());
    const Received* pLast = s_pView->Last(WM_HEBLIST_SELECT);
    ASSERT_NE(nullptr, pLast);
    EXPECT_EQ(static_cast<WPARAM>(entry), pLast->wParam);
    EXPECT_EQ(RootOf(entry), EditText(s_pEdit));
  }
};

TEST_F(HebListBoxTest, KeysMoveTheSelectionLoadTheEditAndTellTheView) {
  const int rows = s_pList->GetVisibleRows();
  ASSERT_GE(rows, 3);
  const int last = kListedVerbs - 1;

  PressAndWaitForMove(VK_DOWN);
  ExpectSelected(1);
  PressAndWaitForMove(VK_HOME);
  ExpectSelected(0);
  // Home, Up and Page Up at the first entry, Left and Right anywhere: nothing.
  ExpectNoMoveFrom({VK_HOME, VK_UP, VK_PRIOR, VK_LEFT, VK_RIGHT});

  PressAndWaitForMove(VK_END);
  ExpectSelected(last);
  EXPECT_EQ(kListedVerbs - rows, s_pList->GetTopIndex());
  PressAndWaitForMove(VK_PRIOR);
  ExpectSelected(kListedVerbs - rows);  // the top row first

  // Page Down from the last row of the page near the end stops at the last entry.
  const int current = last - 2;
  s_pList->SetCurSel(current);
  s_pList->SetTopIndex(current - rows + 1);
  PressAndWaitForMove(VK_NEXT);
  ExpectSelected(std::min(current + rows - 1, last));
  EXPECT_EQ(last, s_pList->GetCurSel());

  // At the last entry Down, Page Down and End do nothing; Up moves.
  const int before = Selections();
  SendKey(VK_DOWN);
  SendKey(VK_NEXT);
  SendKey(VK_END);
  PressAndWaitForMove(VK_UP);
  EXPECT_EQ(before + 1, Selections());
  ExpectSelected(last - 1);

  // Centring puts the selection in the middle row.
  s_pList->SetCurSel(kListedVerbs / 2);
  s_pList->CenterSelection();
  EXPECT_EQ(kListedVerbs / 2 - rows / 2, s_pList->GetTopIndex());
}

TEST_F(HebListBoxTest, EnterSendsTheCommandAndTabMovesToTheNextControl) {
  SendKey(VK_RETURN);
  ASSERT_TRUE(WaitFor([] { return s_pView->Count(WM_COMMAND) == 1; }));
  EXPECT_EQ(kEnterCommandId, LOWORD(s_pView->Last(WM_COMMAND)->wParam));
  EXPECT_EQ(s_pList->GetSafeHwnd(), ::GetFocus());

  SendKey(VK_TAB);
  ASSERT_TRUE(WaitFor([] { return s_pView->Count(WM_NEXTDLGCTL) == 1; }));
  EXPECT_EQ(0u, s_pView->Last(WM_NEXTDLGCTL)->wParam);
  s_pList->SetFocus();
  SendChord(VK_SHIFT, VK_TAB);
  ASSERT_TRUE(WaitFor([] { return s_pView->Count(WM_NEXTDLGCTL) == 2; }));
  EXPECT_EQ(1u, s_pView->Last(WM_NEXTDLGCTL)->wParam) << "Shift: the previous control";
}

TEST_F(HebListBoxTest, ADigitDoesNothingAndAHebrewLetterKeyStartsANewEntryText) {
  s_pList->SelectToEdit(3);
  ASSERT_EQ(RootOf(3), EditText(s_pEdit));
  SendText("5");
  SendText("b");  // nun on the Hebrew keyboard
  ASSERT_TRUE(WaitFor([] { return ::GetFocus() == s_pEdit->GetSafeHwnd(); }));
  const std::string typed(1, static_cast<char>(MapKeyToHebrew('b', FALSE)));
  ASSERT_TRUE(IsHebrewLetter(static_cast<BYTE>(typed[0])));
  ASSERT_TRUE(WaitFor([&] { return EditText(s_pEdit) == typed; })) << EditText(s_pEdit);
  EXPECT_EQ(0, Selections()) << "the digit moved nothing";
  EXPECT_EQ(0, s_pList->GetCurSel());
}

TEST_F(HebListBoxTest, AClickSelectsAndADoubleClickShowsTheTable) {
  CRect item;
  s_pList->GetItemRect(2, &item);
  s_pList->ClientToScreen(&item);
  ClickAt(item.CenterPoint());
  ASSERT_TRUE(WaitFor([&] { return Selections() == 1; }));
  ExpectSelected(2);

  ClickAt(item.CenterPoint(), 2);
  ASSERT_TRUE(WaitFor([] { return s_pView->Count(WM_COMMAND) == 1; }));
  EXPECT_EQ(static_cast<WPARAM>(CHebEdit::kEnterCommand),
            LOWORD(s_pView->Last(WM_COMMAND)->wParam));
}

TEST_F(HebListBoxTest, TheListIsSizedOnceToWholeRowsOfTheEditsHebrewLine) {
  const int itemHeight = s_pList->GetItemHeight(0);
  EXPECT_EQ(s_pEdit->GetHebrewFont().GetLineHeight(), itemHeight);
  CRect window;
  s_pList->GetWindowRect(&window);
  EXPECT_EQ(::GetSystemMetrics(SM_CYDLGFRAME) + ::GetSystemMetrics(SM_CYBORDER) +
                s_pList->GetVisibleRows() * itemHeight,
            window.Height());
  CRect client;
  s_pList->GetClientRect(&client);
  EXPECT_EQ(s_pList->GetVisibleRows(), HebListVisibleRows(client.Height(), itemHeight));
}

TEST_F(HebListBoxTest, ItemTextsComeFromTheirTables) {
  CString text;
  ASSERT_TRUE(s_pList->GetItemText(5, text));
  EXPECT_EQ(RootOf(5), static_cast<LPCSTR>(text));
  EXPECT_FALSE(s_pList->GetItemText(-1, text));
  EXPECT_TRUE(text.IsEmpty());
  EXPECT_FALSE(s_pList->GetItemText(kListedVerbs, text));

  // A list of prepositions gives their pointed words.
  CHebListBox prepositions;
  constexpr UINT kPrepositionListId = 2001;
  HWND hList = ::CreateWindowExA(
      0, "LISTBOX", "", WS_CHILD | LBS_OWNERDRAWFIXED, 0, 0, 80, 80, s_pView->GetSafeHwnd(),
      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kPrepositionListId)), nullptr, nullptr);
  ASSERT_NE(nullptr, hList);
  ::SendMessageA(hList, LB_ADDSTRING, 0, 0);
  ASSERT_TRUE(
      prepositions.Attach(kPrepositionListId, s_pView, CHebListBox::kPrepositions, s_pEdit, 0));
  ASSERT_TRUE(prepositions.GetItemText(0, text));
  HebWordRec word{};
  const int count = GetNounWord(GetNounTableBlock(TableType::Preposition).Data(), word.letters,
                                word.vowels, kWordPlaneSize);
  ASSERT_GT(count, 0);
  const std::string pointed = static_cast<LPCSTR>(text);
  EXPECT_GT(pointed.size(), static_cast<size_t>(count)) << "the points are in the text";
  EXPECT_EQ(word.letters[0], static_cast<BYTE>(pointed[0]));
  prepositions.DestroyWindow();
}

TEST_F(HebListBoxTest, TheSelectedEntryIsDrawnWhiteOnDarkBlue) {
  s_pList->SetCurSel(1);
  s_pList->Invalidate();
  s_pList->UpdateWindow();
  // Item rectangles are in client coordinates; the capture holds the frame too.
  CRect window;
  s_pList->GetWindowRect(&window);
  CPoint origin(0, 0);
  s_pList->ClientToScreen(&origin);
  const CSize frame = origin - window.TopLeft();
  CRect selected;
  s_pList->GetItemRect(1, &selected);
  selected.OffsetRect(frame.cx, frame.cy);
  CRect other;
  s_pList->GetItemRect(3, &other);
  other.OffsetRect(frame.cx, frame.cy);
  // The capture is of the screen: wait for the paint to reach it.
  RgbImage image;
  EXPECT_TRUE(WaitFor([&] {
    image = CaptureWindow(s_pList->GetSafeHwnd());
    return IsColor(kSelectedBackground)(image.PixelAt(selected.left + 2, selected.top + 2));
  }));
  EXPECT_FALSE(SaveScreenshot(image, "hebrew-list").empty());

  const PixelTest white = IsColor(kItemBackground);
  EXPECT_TRUE(white(image.PixelAt(other.left + 2, other.top + 2)));
  EXPECT_GT(CountPixels(image, other, [&](uint32_t rgb) { return !white(rgb); }), 0)
      << "the root is drawn";
  selected.DeflateRect(3, 3);
  EXPECT_GT(CountPixels(image, selected, white), 0) << "white letters on the blue";
}

}  // namespace
}  // namespace tabletest
