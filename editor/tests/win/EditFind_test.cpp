// Find and Replace in a view on the screen, driven with real keys and
// clicks: the Find dialog's Hebrew field typed with English keys, Find Next,
// F3 and Shift+F3, the timed not-found pop-up, Replace opened over Find,
// Replace and Replace All, and a text picked from the history.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "editor/core/FindHistory.h"
#include "editor/tests/win/EditViewFixture.h"
#include "editor/tests/win/PumpUntil.h"
#include "editor/tests/win/TypedByRules.h"
#include "hebtext/win/AppProfileStore.h"
#include "resources/EditorIds.h"
#include "resources/FindReplaceIds.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/UserInput.h"
#include "testing/win/WindowCapture.h"

// Named: the unity build joins this file with the other view tests.
namespace edit_find_test {

constexpr int kEnglish = 0;
constexpr int kHebrew = 1;
// Three pointed words, the first and the last alike.
const char kHebrewKeys[] = "w]kOo gUkQo w]kOo";
const char kWordKeys[] = "w]kOo";
const char kEnglishText[] = "a cat a";
const COLORREF kPopupTextColor = RGB(0, 0, 128);
constexpr UINT kPopupPollMs = 20;

HWND DialogTitled(LPCSTR title) {
  HWND hWnd = ::FindWindowA("#32770", title);
  return hWnd != nullptr && ::IsWindowVisible(hWnd) ? hWnd : nullptr;
}

// The not-found pop-up runs its own modal loop: a timer that fires inside it
// keeps its picture once its words are painted.
struct PopupWatch {
  bool seen = false;
  bool pointed = false;
} g_popup;

void CALLBACK WatchPopup(HWND, UINT, UINT_PTR id, DWORD) {
  HWND hPopup = DialogTitled("");
  if (hPopup == nullptr) return;
  ::RedrawWindow(hPopup, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  RgbImage shot = CaptureWindow(hPopup);
  if (CountPixels(shot, IsColor(kPopupTextColor)) == 0) return;
  SaveScreenshot(shot, "editor_find_not_found");
  g_popup.seen = true;
  ::KillTimer(nullptr, id);
}

RgbImage PaintedCapture(HWND hWnd) {
  ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  return CaptureWindow(hWnd);
}

POINT CentreOf(HWND hWnd) {
  RECT r;
  ::GetWindowRect(hWnd, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class EditFindTest : public EditViewFixture {
 protected:
  // The histories live in a profile of the test's own, emptied first.
  void SetUp() override {
    EditViewFixture::SetUp();
    m_app->SetRegistryKey("Zulta Find Test");
    CAppProfileStore profile(m_app.get());
    for (FindHistoryKind kind : {FindHistoryKind::kFind, FindHistoryKind::kReplace}) {
      for (BOOL hebrew : {FALSE, TRUE})
        profile.WriteProfileBinary("Preferences", FindHistoryValueName(kind, hebrew), nullptr, 0);
    }
  }
  DocTextModel& Model() { return m_pDoc->Model(); }
  bool Pump(const std::function<bool()>& condition) { return PumpUntil(*m_app, condition); }
  void TypeOnSide(int side, const char* keys) {
    const TypedText expected = TypedByRules(Model().Side(side).face, side, keys);
    SendText(keys);
    ASSERT_TRUE(Pump([&] { return SideText(Model(), side) == expected; }));
  }
  // The caret before the side's first character, nothing selected.
  void CaretToStart(int side) {
    m_pDoc->Editor().ClearSelection();
    Model().Side(side).caret = Model().GetHead(side);
  }
  // Index (1 = the first character) of the selection's first and last.
  std::pair<int, int> Selection(int side) {
    DocCharNode *first, *last;
    if (!m_pDoc->Editor().GetSelectionRange(first, last)) return {0, 0};
    int index = 0, firstIndex = 0;
    for (DocCharNode* c = Model().GetHead(side); c != nullptr; c = c->next, ++index) {
      if (c == first) firstIndex = index;
      if (c == last) return {firstIndex, index};
    }
    return {0, 0};
  }
  // The indexes of the characters after which each word begins.
  std::vector<int> WordStarts(int side) {
    std::vector<int> starts = {1};
    int index = 1;
    for (DocCharNode* c = Model().GetHead(side)->next; c != nullptr; c = c->next, ++index)
      if (c->letter == ' ') starts.push_back(index + 1);
    return starts;
  }
  HWND OpenDialog(UINT command, LPCSTR title) {
    m_pView->SetFocus();
    SendChord(VK_CONTROL, command == ID_EDIT_FIND ? 'F' : 'L');
    HWND hDialog = nullptr;
    EXPECT_TRUE(Pump([&] { return (hDialog = DialogTitled(title)) != nullptr; }));
    return hDialog;
  }
  CString FieldText(HWND hDialog, int id) {
    char text[128] = "";
    ::GetWindowTextA(::GetDlgItem(hDialog, id), text, sizeof text);
    return text;
  }
  // Empties the focused field and types the keys into it.
  void TypeInField(HWND hDialog, int id, const char* keys) {
    ClickAt(CentreOf(::GetDlgItem(hDialog, id)));
    ASSERT_TRUE(Pump([&] { return ::GetFocus() == ::GetDlgItem(hDialog, id); }));
    SendChord(VK_CONTROL, 'A');
    SendText(keys);
    ASSERT_TRUE(Pump([&] { return !FieldText(hDialog, id).IsEmpty(); }));
  }
  void Click(HWND hDialog, int id) { ClickAt(CentreOf(::GetDlgItem(hDialog, id))); }
};

TEST_F(EditFindTest, FindNextF3ShiftF3AndTheNotFoundPopupOnPointedHebrew) {
  ASSERT_EQ(m_pDoc->GetActiveSide(), kHebrew);
  TypeOnSide(kHebrew, kHebrewKeys);
  const std::vector<int> starts = WordStarts(kHebrew);
  ASSERT_EQ(starts.size(), 3u);
  const int wordLength = starts[1] - 2;
  CaretToStart(kHebrew);

  HWND hFind = OpenDialog(ID_EDIT_FIND, "Find");
  ASSERT_NE(hFind, nullptr);
  TypeInField(hFind, IDC_FIND_TEXT, kWordKeys);
  EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(hFind, IDOK)));
  EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(hFind, IDC_MATCH_CASE))) << "Hebrew has no case";
  SaveScreenshot(PaintedCapture(hFind), "editor_find_dialog");
  // Enter in the field is Find Next.
  SendKey(VK_RETURN);
  ASSERT_TRUE(Pump([&] { return m_pDoc->Editor().HasSelection(); }));
  EXPECT_EQ(Selection(kHebrew), std::make_pair(starts[0], starts[0] + wordLength - 1));
  SendKey(VK_ESCAPE);
  ASSERT_TRUE(Pump([&] { return DialogTitled("Find") == nullptr; }));

  m_pView->SetFocus();
  SendKey(VK_F3);
  ASSERT_TRUE(Pump([&] { return Selection(kHebrew).first == starts[2]; }));
  SendChord(VK_SHIFT, VK_F3);
  ASSERT_TRUE(Pump([&] { return Selection(kHebrew).first == starts[0]; }));

  // Upwards from the first word there is nothing: a beep and the pop-up,
  // which closes itself; the selection stays.
  g_popup = PopupWatch();
  const UINT_PTR timer = ::SetTimer(nullptr, 0, kPopupPollMs, WatchPopup);
  SendChord(VK_SHIFT, VK_F3);
  EXPECT_TRUE(Pump([&] { return g_popup.seen && DialogTitled("") == nullptr; }));
  if (!g_popup.seen) ::KillTimer(nullptr, timer);
  EXPECT_EQ(Selection(kHebrew), std::make_pair(starts[0], starts[0] + wordLength - 1));
}

TEST_F(EditFindTest, ReplaceOverFindReplaceReplaceAllAndTheHistory) {
  m_app->GetMainFrame()->SendMessage(WM_COMMAND, ID_INPUT_ENGLISH);
  TypeOnSide(kEnglish, kEnglishText);
  CaretToStart(kEnglish);
  ASSERT_NE(OpenDialog(ID_EDIT_FIND, "Find"), nullptr);
  // Replace while Find is open: Find closes, Replace opens.
  HWND hReplace = OpenDialog(ID_EDIT_REPLACE, "Replace");
  ASSERT_NE(hReplace, nullptr);
  EXPECT_EQ(DialogTitled("Find"), nullptr);
  EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(hReplace, IDC_MATCH_CASE)));
  EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(hReplace, IDC_MATCH_VOWELS)));

  TypeInField(hReplace, IDC_FIND_TEXT, "a");
  TypeInField(hReplace, IDC_REPLACE_TEXT, "aa");
  SaveScreenshot(PaintedCapture(hReplace), "editor_replace_dialog");
  const int steps = m_pDoc->Editor().GetUndoCount();
  // The first Replace only finds; the second replaces and finds the next.
  Click(hReplace, IDC_FIND_REPLACE);
  ASSERT_TRUE(Pump([&] { return Selection(kEnglish) == std::make_pair(1, 1); }));
  Click(hReplace, IDC_FIND_REPLACE);
  ASSERT_TRUE(Pump([&] {
    return m_pDoc->Model().GetHead(kEnglish) != nullptr &&
           Selection(kEnglish) == std::make_pair(5, 5);
  }));
  EXPECT_EQ(SideText(Model(), kEnglish).letters, "aa cat a");
  // Replace All ends although every replacement holds the find text.
  Click(hReplace, IDC_FIND_REPLACE_ALL);
  ASSERT_TRUE(Pump([&] { return SideText(Model(), kEnglish).letters == "aa caat aa"; }));
  EXPECT_EQ(m_pDoc->Editor().GetUndoCount(), steps + 3) << "one step a replacement";
  CAppProfileStore profile(m_app.get());
  EXPECT_EQ(ReadFindHistory(profile, FindHistoryKind::kFind, FALSE), std::vector<CString>{"a"});
  EXPECT_EQ(ReadFindHistory(profile, FindHistoryKind::kReplace, FALSE), std::vector<CString>{"aa"});

  // With the find text gone the buttons are off; the history gives it back.
  TypeInField(hReplace, IDC_FIND_TEXT, "x");
  SendText("\b");
  ASSERT_TRUE(Pump([&] { return FieldText(hReplace, IDC_FIND_TEXT).IsEmpty(); }));
  EXPECT_TRUE(Pump([&] { return !::IsWindowEnabled(::GetDlgItem(hReplace, IDOK)); }));
  Click(hReplace, IDC_FIND_HISTORY_BUTTON);
  HWND hHistory = ::GetDlgItem(hReplace, IDC_FIND_HISTORY);
  ASSERT_TRUE(Pump([&] { return ::SendMessageA(hHistory, CB_GETDROPPEDSTATE, 0, 0) != 0; }));
  SendKey(VK_RETURN);
  ASSERT_TRUE(Pump([&] { return FieldText(hReplace, IDC_FIND_TEXT) == "a"; }));
  EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(hReplace, IDOK)));
  SendKey(VK_ESCAPE);
  ASSERT_TRUE(Pump([&] { return DialogTitled("Replace") == nullptr; }));
}

}  // namespace edit_find_test
