// The Hebrew edit control as a window: created in place of a placeholder, fed
// real key, character and mouse messages, read back through its text,
// selection and caret, its notifications to the owner, and what it paints.
#include "hebtext/win/CHebEdit.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/win/CDialog.h"
#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/HandleMap.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/InsertMode.h"
#include "hebtext/tests/win/HebrewTestFonts.h"
#include "hebtext/win/CLookupBar.h"
#include "hebtext/win/HebEditColors.h"
#include "resources/HebtextIds.h"
#include "testing/win/WindowCapture.h"

namespace {
using namespace HebCode;

constexpr UINT kEditId = 1001;

struct OwnerMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// The edit's parent: keeps every notification it gets.
class RecordingParent : public CWnd {
 public:
  std::vector<OwnerMessage> messages;

  int Count(UINT message, WPARAM wParam) const {
    int count = 0;
    for (const OwnerMessage& m : messages) count += m.message == message && m.wParam == wParam;
    return count;
  }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_COMMAND || message == WM_NEXTDLGCTL || message == CHebEdit::kFocusMessage) {
      messages.push_back({message, wParam, lParam});
      return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

std::string Codes(std::initializer_list<int> codes) {
  std::string s;
  for (int c : codes) s += static_cast<char>(c);
  return s;
}

// One parent for all tests: destroying an active top-level window makes Wine
// wait for the window manager.
class CHebEditTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterHebrewFonts();
    s_pApp = new CWinApp("Zulta Tests");
    s_pParent = new RecordingParent;
    CreateShownParent(*s_pParent, "CHebEdit test", 320, 80);
  }
  static void TearDownTestSuite() {
    s_pParent->DestroyWindow();
    delete s_pParent;
    delete s_pApp;
  }

  void SetUp() override {
    ASSERT_TRUE(::GetKeyboardState(m_savedKeys));
    ASSERT_NE(nullptr, m_parent.GetSafeHwnd());
    ::SetForegroundWindow(m_parent.GetSafeHwnd());
  }
  void TearDown() override {
    delete m_pEdit;
    ::SetKeyboardState(m_savedKeys);
    g_insertMode = 1;
    PumpPending();
    m_parent.messages.clear();
    CHandleMapBase::DeleteAllTemp();
  }

  // A placeholder of the given size replaced by the edit.
  void Create(DWORD style, int width = 240, int height = 26) {
    ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 10, 10, width, height,
                      m_parent.GetSafeHwnd(), reinterpret_cast<HMENU>(kEditId), nullptr, nullptr);
    m_pEdit = CreateHebEditInPlace(&m_parent, kEditId, TRUE, style);
    ASSERT_NE(nullptr, m_pEdit);
    m_pEdit->SetFocus();
    PumpPending();
    m_parent.messages.clear();
  }

  void Hold(std::initializer_list<int> keys) {
    BYTE state[256];
    ::GetKeyboardState(state);
    for (int key : keys) state[key] |= 0x80;
    ::SetKeyboardState(state);
  }
  void Release() { ::SetKeyboardState(m_savedKeys); }

  void Type(const std::string& keys) {
    for (char key : keys) m_pEdit->SendMessage(WM_CHAR, static_cast<BYTE>(key), 1);
  }
  void Key(UINT vk) { m_pEdit->SendMessage(WM_KEYDOWN, vk, 1); }
  void Click(UINT message, int x) { m_pEdit->SendMessage(message, MK_LBUTTON, MAKELPARAM(x, 8)); }

  std::string Text() {
    char buffer[256] = {};
    const LRESULT copied =
        m_pEdit->SendMessage(WM_GETTEXT, sizeof(buffer), reinterpret_cast<LPARAM>(buffer));
    return std::string(buffer, copied > 0 ? copied - 1 : 0);
  }
  int Caret() { return m_pEdit->GetModel().GetCaretIndex(); }
  int Anchor() { return m_pEdit->GetModel().GetAnchorIndex(); }
  int Changes() {
    PumpPending();
    return m_parent.Count(WM_COMMAND, MAKEWPARAM(kEditId, EN_CHANGE));
  }

  // The painted span [left, right) of the index-th character (from 1).
  void Span(int index, int& left, int& right) {
    const HebEditModel& model = m_pEdit->GetModel();
    const HebCharNode* p = model.GetSentinel()->pNext;
    int x = model.IsRightToLeft() ? model.GetRightEdge() + model.GetScrollOffset()
                                  : model.GetLeftEdge() - model.GetScrollOffset();
    for (int i = 1; i < index; ++i, p = p->pNext) x += model.IsRightToLeft() ? -p->width : p->width;
    left = model.IsRightToLeft() ? x - p->width : x;
    right = model.IsRightToLeft() ? x : x + p->width;
  }

  static CWinApp* s_pApp;
  static RecordingParent* s_pParent;
  BYTE m_savedKeys[256];
  RecordingParent& m_parent = *s_pParent;
  CHebEdit* m_pEdit = nullptr;
};

CWinApp* CHebEditTest::s_pApp = nullptr;
RecordingParent* CHebEditTest::s_pParent = nullptr;

// Dialog controls: Esc cancels, the parent is the owner.
constexpr DWORD kDialogStyle = 12;

TEST_F(CHebEditTest, ReplacesThePlaceholder) {
  Create(kDialogStyle);
  EXPECT_EQ(m_pEdit->GetSafeHwnd(), ::GetDlgItem(m_parent.GetSafeHwnd(), kEditId));
  CRect rect;
  m_pEdit->GetWindowRect(&rect);
  m_parent.ScreenToClient(&rect);
  EXPECT_EQ(CRect(10, 10, 250, 36), rect);
  EXPECT_EQ(static_cast<DWORD>(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP),
            m_pEdit->GetStyle() & (WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP));
  EXPECT_EQ(static_cast<LRESULT>(DLGC_WANTALLKEYS | DLGC_WANTCHARS),
            m_pEdit->SendMessage(WM_GETDLGCODE));
  EXPECT_EQ(nullptr, CreateHebEditInPlace(&m_parent, 4242, TRUE, kDialogStyle));
}

TEST_F(CHebEditTest, TypingEnglishKeysGivesPointedHebrewAndNotifiesEachChange) {
  Create(kDialogStyle);
  Type("c]d-o");  // bet qamats, gimel patah, final mem
  EXPECT_EQ(Codes({Bet, Qamats, Gimel, Patah, FinalMem}), Text());
  EXPECT_EQ(3, Caret());
  EXPECT_EQ(5, Changes());
  EXPECT_EQ(5, m_pEdit->SendMessage(WM_GETTEXTLENGTH));
  for (const OwnerMessage& m : m_parent.messages) {
    EXPECT_EQ(reinterpret_cast<LPARAM>(m_pEdit->GetSafeHwnd()), m.lParam);
  }
  Type("\r");  // Enter as a character does nothing
  EXPECT_EQ(5, Changes());
}

// On a real dialog, with the keys posted and taken through the dialog's own
// message handling: the control keeps Tab and Enter and moves the focus on.
TEST_F(CHebEditTest, OnADialogTypingGivesPointedHebrewAndTabMovesOn) {
  CDialog dialog;
  ASSERT_TRUE(dialog.Create(IDD_PROMPT, &m_parent));
  dialog.ShowWindow(SW_SHOW);
  CHebEdit* pEdit = CreateHebEditInPlace(&dialog, IDC_PROMPT_ANSWER, TRUE, kDialogStyle);
  ASSERT_NE(nullptr, pEdit);
  pEdit->SetFocus();
  auto post = [&](UINT message, WPARAM wParam) {
    ::PostMessageA(pEdit->GetSafeHwnd(), message, wParam, 1);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (!::IsDialogMessageA(dialog.GetSafeHwnd(), &msg)) ::DispatchMessageA(&msg);
    }
  };
  for (char key : std::string("w]kOo")) post(WM_CHAR, static_cast<BYTE>(key));  // shalom
  CString text;
  pEdit->GetText(text);
  EXPECT_EQ(Codes({ShinShinDot, Qamats, Lamed, HolamMale, FinalMem}),
            std::string(text, text.GetLength()));
  post(WM_KEYDOWN, VK_RETURN);
  EXPECT_EQ(pEdit, CWnd::GetFocus());
  post(WM_KEYDOWN, VK_TAB);
  EXPECT_EQ(::GetDlgItem(dialog.GetSafeHwnd(), IDOK), ::GetFocus());
  delete pEdit;
  dialog.DestroyWindow();
}

TEST_F(CHebEditTest, UndoRestoresThePreviousTextAndAgainRedoes) {
  Create(kDialogStyle);
  Type("cd");
  m_pEdit->SendMessage(WM_UNDO);
  EXPECT_EQ(Codes({Bet}), Text());
  EXPECT_EQ(1, Caret());
  m_pEdit->SendMessage(WM_COMMAND, ID_EDIT_UNDO);
  EXPECT_EQ(Codes({Bet, Gimel}), Text());
  EXPECT_EQ(4, Changes());
}

TEST_F(CHebEditTest, ArrowsFollowTheTextDirection) {
  Create(kDialogStyle | CHebEdit::kEnglishFont);
  Type("cde");
  Key(VK_HOME);
  EXPECT_EQ(0, Caret());
  Key(VK_LEFT);  // on in Hebrew
  EXPECT_EQ(1, Caret());
  Key(VK_RIGHT);
  EXPECT_EQ(0, Caret());
  Key(VK_RIGHT);  // nothing before the start
  EXPECT_EQ(0, Caret());
  m_pEdit->SetRightToLeft(FALSE);
  m_pEdit->SetText("ab cd");
  Key(VK_RIGHT);
  EXPECT_EQ(1, Caret());
  Hold({VK_CONTROL});
  Key(VK_RIGHT);
  EXPECT_EQ(3, Caret());
  Key(VK_LEFT);
  EXPECT_EQ(0, Caret());
}

TEST_F(CHebEditTest, ShiftHomeSelectsAllThenBackspaceDoesNothingAndDeleteDeletes) {
  Create(kDialogStyle);
  Type("cde");
  Hold({VK_SHIFT});
  Key(VK_HOME);
  Release();
  EXPECT_TRUE(m_pEdit->HasSelection());
  EXPECT_EQ(0, Caret());
  EXPECT_EQ(3, Anchor());
  Type("\b");
  EXPECT_EQ(3, m_pEdit->GetModel().GetLength());
  Type("-");  // a vowel with a selection
  EXPECT_EQ(3, m_pEdit->GetModel().GetLength());
  Key(VK_DELETE);
  EXPECT_EQ("", Text());
  EXPECT_EQ(4, Changes());  // three letters and the Delete
}

TEST_F(CHebEditTest, HomeAloneClearsTheSelection) {
  Create(kDialogStyle);
  Type("cde");
  m_pEdit->SendMessage(WM_COMMAND, ID_HEBEDIT_SELECT_ALL);
  EXPECT_TRUE(m_pEdit->HasSelection());
  Key(VK_HOME);
  EXPECT_EQ(-1, Anchor());
  EXPECT_EQ(0, Caret());
}

struct OwnerKeyRow {
  DWORD style;
  UINT key;
  BOOL shift;
  UINT message;
  WPARAM wParam;
};

const OwnerKeyRow kOwnerKeys[] = {
    {kDialogStyle, VK_TAB, FALSE, WM_NEXTDLGCTL, 0},
    {kDialogStyle, VK_TAB, TRUE, WM_NEXTDLGCTL, 1},
    {kDialogStyle, VK_UP, FALSE, WM_NEXTDLGCTL, 1},
    {kDialogStyle, VK_DOWN, FALSE, WM_NEXTDLGCTL, 0},
    {60, VK_DOWN, FALSE, WM_COMMAND, CHebEdit::kDownCommandId},
    {kDialogStyle, VK_RETURN, FALSE, WM_COMMAND, CHebEdit::kEnterCommand},
    {kDialogStyle, VK_ESCAPE, FALSE, WM_COMMAND, IDCANCEL},
};

TEST_F(CHebEditTest, KeysTheOwnerHears) {
  for (const OwnerKeyRow& row : kOwnerKeys) {
    SCOPED_TRACE(row.key);
    Create(row.style);
    if (row.shift) Hold({VK_SHIFT});
    Key(row.key);
    Release();
    PumpPending();
    EXPECT_EQ(1, m_parent.Count(row.message, row.wParam));
    delete m_pEdit;
    m_pEdit = nullptr;
  }
}

TEST_F(CHebEditTest, FocusIsAnnouncedAndRemembered) {
  Create(10);  // flag 2: the parent hears of the focus
  m_parent.SetFocus();
  m_pEdit->SetFocus();
  EXPECT_EQ(m_pEdit, g_pFocusedHebEdit);
  EXPECT_EQ(1, m_parent.Count(CHebEdit::kFocusMessage, reinterpret_cast<WPARAM>(m_pEdit)));
  delete m_pEdit;  // the window goes with the object
  m_pEdit = nullptr;
  EXPECT_EQ(nullptr, g_pFocusedHebEdit);
}

TEST_F(CHebEditTest, ControlKeyTypesPunctuationWithoutNotifying) {
  Create(kDialogStyle);
  Type("c");
  Hold({VK_CONTROL});
  Key(VK_OEM_1);
  Release();
  EXPECT_EQ(Codes({Bet, ';'}), Text());
  EXPECT_EQ(1, Changes());
}

TEST_F(CHebEditTest, GetTextCopiesWhatFits) {
  Create(kDialogStyle);
  Type("cdefg");
  char buffer[4] = {'x', 'x', 'x', 'x'};
  EXPECT_EQ(4, m_pEdit->SendMessage(WM_GETTEXT, 4, reinterpret_cast<LPARAM>(buffer)));
  EXPECT_EQ(Codes({Bet, Gimel, Qof}), std::string(buffer));
  EXPECT_EQ(0, m_pEdit->SendMessage(WM_GETTEXT, 0, reinterpret_cast<LPARAM>(buffer)));
  m_pEdit->SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("\xE1\xC8"));
  EXPECT_EQ(Codes({Bet, Qamats}), Text());
  EXPECT_EQ(0, Caret());
}

TEST_F(CHebEditTest, MouseClicksPlaceTheCaret) {
  Create(kDialogStyle);
  Type("cde");
  int left = 0;
  int right = 0;
  Click(WM_LBUTTONDOWN, 2);  // far left of a Hebrew text: its end
  Click(WM_LBUTTONUP, 2);
  EXPECT_EQ(3, Caret());
  EXPECT_EQ(-1, Anchor());
  Click(WM_LBUTTONDOWN, 238);  // right of it: the start
  Click(WM_LBUTTONUP, 238);
  EXPECT_EQ(0, Caret());
  Span(3, left, right);  // either half of the last character: the end
  for (int x : {left + 1, right - 3}) {
    Click(WM_LBUTTONDOWN, x);
    Click(WM_LBUTTONUP, x);
    EXPECT_EQ(3, Caret()) << x;
  }
  Span(1, left, right);  // the half nearer its start: before it
  Click(WM_LBUTTONDOWN, right - 3);
  Click(WM_LBUTTONUP, right - 3);
  EXPECT_EQ(0, Caret());
}

TEST_F(CHebEditTest, DragSelectsAndDoubleClickSelectsAWord) {
  Create(kDialogStyle);
  Type("cd ef");
  int left = 0;
  int right = 0;
  Span(1, left, right);
  Click(WM_LBUTTONDOWN, right - 1);
  Span(4, left, right);
  Click(WM_MOUSEMOVE, left + 1);
  Click(WM_LBUTTONUP, left + 1);
  EXPECT_EQ(0, Anchor());
  EXPECT_EQ(4, Caret());
  EXPECT_TRUE(m_pEdit->HasSelection());

  Span(2, left, right);  // gimel: the first word
  const int x = (left + right) / 2;
  Click(WM_LBUTTONDOWN, x);
  Click(WM_LBUTTONUP, x);
  Click(WM_LBUTTONDBLCLK, x);
  Click(WM_LBUTTONUP, x);
  EXPECT_EQ(0, Anchor());
  EXPECT_EQ(2, Caret());  // without the blank
}

TEST_F(CHebEditTest, EndScrollsALongTextAndHomeBringsItBack) {
  Create(kDialogStyle);
  Type(std::string(60, 'c'));
  Key(VK_HOME);
  Key(VK_END);
  CRect client;
  m_pEdit->GetClientRect(&client);
  EXPECT_EQ(::MulDiv(client.Width(), 1, 4), m_pEdit->GetModel().GetCaretPoint().x);
  EXPECT_GT(m_pEdit->GetModel().GetScrollOffset(), 0);
  POINT caret;
  ::GetCaretPos(&caret);
  EXPECT_EQ(::MulDiv(client.Width(), 1, 4), caret.x);
  Key(VK_HOME);
  EXPECT_EQ(0, m_pEdit->GetModel().GetScrollOffset());
}

TEST_F(CHebEditTest, WithoutOwnerNotificationsAreSkipped) {
  Create(8);
  Type("c");
  Key(VK_RETURN);
  Key(VK_TAB);
  Key(VK_ESCAPE);
  m_pEdit->SendMessage(WM_COMMAND, ID_HEBEDIT_REMOVE_VOWELS);
  EXPECT_EQ(nullptr, m_pEdit->GetOwner());
  EXPECT_EQ(0u, (PumpPending(), m_parent.messages.size()));
}

TEST_F(CHebEditTest, TinyClientStillGetsAFont) {
  Create(kDialogStyle | CHebEdit::kEnglishFont, 100, 3);
  EXPECT_GE(m_pEdit->GetCurrentFont().GetPointSize(), 1);
  EXPECT_LT(m_pEdit->GetCurrentFont().GetPointSize(), 10);
}

TEST_F(CHebEditTest, ContextMenuFollowsSelectionVowelsAndLookupMode) {
  CLookupBar bar;
  ASSERT_TRUE(bar.CreateEx(0, nullptr, "lookup", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
  Create(25);  // the lookup toolbar's edit
  EXPECT_EQ(&bar, m_pEdit->GetOwner());
  CMenu* pPopup = m_pEdit->GetContextPopup();
  ASSERT_NE(nullptr, pPopup);
  auto grayed = [&](UINT id) { return (pPopup->GetMenuState(id, MF_BYCOMMAND) & MF_GRAYED) != 0; };
  auto label = [&](UINT id) {
    CString text;
    pPopup->GetMenuString(id, text, MF_BYCOMMAND);
    return std::string(text);
  };
  Type("c]d");
  m_pEdit->SendMessage(WM_INITMENU, reinterpret_cast<WPARAM>(pPopup->GetSafeHmenu()));
  EXPECT_TRUE(grayed(ID_EDIT_COPY));
  EXPECT_TRUE(grayed(ID_EDIT_CUT));
  EXPECT_TRUE(grayed(ID_HEBEDIT_COPY_SPECIAL));
  EXPECT_FALSE(grayed(ID_HEBEDIT_SELECT_ALL));
  EXPECT_FALSE(grayed(ID_HEBEDIT_REMOVE_VOWELS));
  EXPECT_EQ("Remove Vowels", label(ID_HEBEDIT_REMOVE_VOWELS));

  m_pEdit->SelectAll();
  bar.SetMode(CLookupBar::kHebrewSearch);
  m_pEdit->SendMessage(WM_INITMENU, reinterpret_cast<WPARAM>(pPopup->GetSafeHmenu()));
  EXPECT_FALSE(grayed(ID_EDIT_COPY));
  EXPECT_EQ("Remove Vowels and Search", label(ID_HEBEDIT_REMOVE_VOWELS));
  bar.SetMode(CLookupBar::kEnglishKeywords);
  m_pEdit->SendMessage(WM_INITMENU, reinterpret_cast<WPARAM>(pPopup->GetSafeHmenu()));
  EXPECT_TRUE(grayed(ID_HEBEDIT_REMOVE_VOWELS));

  // Remove Vowels in search mode tells the bar and starts the search.
  MSG msg;
  while (::PeekMessageA(&msg, bar.GetSafeHwnd(), WM_COMMAND, WM_COMMAND, PM_REMOVE)) {
  }
  bar.SetMode(CLookupBar::kHebrewSearch);
  m_pEdit->SendMessage(WM_COMMAND, ID_HEBEDIT_REMOVE_VOWELS);
  EXPECT_EQ(Codes({Bet, Gimel}), Text());
  int enter = 0;
  int change = 0;
  while (::PeekMessageA(&msg, bar.GetSafeHwnd(), WM_COMMAND, WM_COMMAND, PM_REMOVE)) {
    enter += msg.wParam == CHebEdit::kEnterCommand;
    change += msg.wParam == MAKEWPARAM(kEditId, EN_CHANGE);
  }
  EXPECT_EQ(1, enter);
  EXPECT_EQ(1, change);
  delete m_pEdit;
  m_pEdit = nullptr;
  bar.DestroyWindow();
  EXPECT_EQ(nullptr, CLookupBar::GetMainBar());
}

// What the control has painted, in client coordinates.
RgbImage CaptureClient(CWnd* pWnd) {
  CRect client;
  pWnd->GetClientRect(&client);
  HDC hDC = ::GetDC(pWnd->GetSafeHwnd());
  RgbImage image = CaptureDC(hDC, 0, 0, client.Width(), client.Height());
  ::ReleaseDC(pWnd->GetSafeHwnd(), hDC);
  return image;
}

// Pixels of a colour inside the image's columns [left, right).
int CountColour(const RgbImage& image, int left, int right, COLORREF colour) {
  return CountPixels(image, RECT{left, 0, right, image.height}, IsColor(colour));
}

int CountDark(const RgbImage& image, int left, int right) {
  return CountPixels(image, RECT{left, 0, right, image.height}, [](uint32_t rgb) {
    return (rgb >> 16 & 0xFF) < 80 && (rgb >> 8 & 0xFF) < 80 && (rgb & 0xFF) < 80;
  });
}

TEST_F(CHebEditTest, PaintsTextSelectionAndCaretInBothModes) {
  Create(kDialogStyle | CHebEdit::kEnglishFont, 240, 30);
  Type("c]d-e");
  // Select the last two characters.
  Hold({VK_SHIFT});
  Key(VK_RIGHT);
  Key(VK_RIGHT);
  Release();
  m_pEdit->UpdateWindow();
  RgbImage hebrew = CaptureClient(m_pEdit);
  SaveScreenshot(hebrew, "hebedit-hebrew");
  int selLeft = 0, selRight = 0, left = 0, right = 0;
  Span(3, selLeft, right);
  Span(2, left, selRight);
  Span(1, left, right);
  EXPECT_GT(CountColour(hebrew, selLeft, selRight, g_hebEditColors.selectionBackground), 20);
  EXPECT_GT(CountDark(hebrew, left, right), 10) << "the unselected bet";
  EXPECT_EQ(0, CountColour(hebrew, right + 1, hebrew.width, g_hebEditColors.selectionBackground));
  EXPECT_EQ(0, CountDark(hebrew, 0, selLeft - 1)) << "nothing left of the text";

  m_pEdit->SetRightToLeft(FALSE);
  m_pEdit->SetText("Quick");
  Hold({VK_SHIFT});
  Key(VK_END);
  Release();
  m_pEdit->UpdateWindow();
  RgbImage english = CaptureClient(m_pEdit);
  SaveScreenshot(english, "hebedit-english");
  Span(1, left, right);
  int endLeft = 0, endRight = 0;
  Span(5, endLeft, endRight);
  EXPECT_GT(CountColour(english, left, endRight, g_hebEditColors.selectionBackground), 50);
  EXPECT_EQ(0,
            CountColour(english, endRight + 2, english.width, g_hebEditColors.selectionBackground));

  // The caret alone: a one-pixel column in the text colour.
  Key(VK_HOME);
  m_pEdit->UpdateWindow();
  RgbImage caret = CaptureClient(m_pEdit);
  const POINT at = m_pEdit->GetModel().GetCaretPoint();
  EXPECT_EQ(0, CountColour(caret, 0, caret.width, g_hebEditColors.selectionBackground));
  EXPECT_GT(CountDark(caret, at.x, at.x + 1), 8) << "the caret at " << at.x;
}

}  // namespace
