// The editor's view in a frame on the screen, driven by real keys and mouse:
// typing on both sides, placing the caret and selecting, undo and redo,
// what is painted, and the repaint of only the changed lines.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "classlib/win/HandleMap.h"
#include "editor/core/DocRulerMarks.h"
#include "editor/core/DocumentFileStore.h"
#include "editor/core/ZultaFile.h"
#include "editor/tests/win/EditViewTestApp.h"
#include "editor/tests/win/TypedByRules.h"
#include "editor/win/EditorMessages.h"
#include "editor/win/ZultaEditDoc.h"
#include "editor/win/ZultaEditView.h"
#include "hebtext/core/InsertMode.h"
#include "hebtext/tests/win/HebrewTestFonts.h"
#include "resources/EditorIds.h"
#include "resources/MainFrameIds.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/MessageBoxes.h"
#include "testing/win/UserInput.h"
#include "testing/win/WaitFor.h"
#include "testing/win/WindowCapture.h"

namespace {

constexpr int kEnglish = 0;
constexpr int kHebrew = 1;

// The states of the popup menu on the screen, read once it shows, which
// then closes: Cut, Select All.
struct ContextMenuStates {
  UINT cut = ~0u;
  UINT selectAll = ~0u;
};
ContextMenuStates g_menuStates;

void CALLBACK ReadOpenMenu(HWND, UINT, UINT_PTR id, DWORD) {
  HWND hMenuWnd = ::FindWindowA("#32768", nullptr);
  if (hMenuWnd == nullptr || !::IsWindowVisible(hMenuWnd)) return;
  const auto hMenu = reinterpret_cast<HMENU>(::SendMessageA(hMenuWnd, MN_GETHMENU, 0, 0));
  g_menuStates.cut = ::GetMenuState(hMenu, ID_EDIT_CUT, MF_BYCOMMAND) & MF_GRAYED;
  g_menuStates.selectAll = ::GetMenuState(hMenu, ID_EDIT_SELECT_ALL_TEXT, MF_BYCOMMAND) & MF_GRAYED;
  ::KillTimer(nullptr, id);
  ::EndMenu();
}

class EditViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterHebrewFonts();
    g_insertMode = 1;
    m_app = std::make_unique<CEditViewTestApp>();
    ASSERT_TRUE(m_app->InitInstance());
    m_pView = m_app->NewDocument();
    ASSERT_NE(m_pView, nullptr);
    m_pDoc = m_pView->GetDocument();
    ::SetForegroundWindow(m_app->GetMainFrame()->m_hWnd);
    m_pView->SetFocus();
    ASSERT_TRUE(WaitFor([&] { return ::GetFocus() == m_pView->m_hWnd; }));
  }
  void TearDown() override {
    m_app->CloseAllDocuments(TRUE);
    m_app->GetMainFrame()->DestroyWindow();
    m_app->ExitInstance();
    WaitFor([] { return true; });
    m_app.reset();
    CHandleMapBase::DeleteAllTemp();
  }

  DocTextModel& Model() { return m_pDoc->Model(); }
  void Command(UINT id) {
    m_app->GetMainFrame()->SendMessage(WM_COMMAND, id);
    WaitFor([] { return true; });
  }
  // Types the keys and waits until the side holds what the typing rules
  // make of them.
  void TypeAndExpect(int side, const std::string& keys, const std::string& typedBefore = "") {
    const TypedText expected = TypedByRules(Model().Side(side).face, side, typedBefore + keys);
    SendText(keys);
    EXPECT_TRUE(WaitFor([&] { return SideText(Model(), side) == expected; }))
        << "typing \"" << keys << "\" on side " << side;
  }
  // A character of the active side by index (0 is the first after the head).
  DocCharNode* CharAt(int side, int index) {
    DocCharNode* c = Model().GetHead(side)->next;
    while (index-- > 0 && c != nullptr) c = c->next;
    return c;
  }
  int IndexOf(int side, const DocCharNode* node) {
    int index = -1;
    for (DocCharNode* c = Model().GetHead(side); c != nullptr; c = c->next, ++index)
      if (c == node) return index;
    return -2;
  }
  // A point of the view's logical space on the screen.
  POINT ScreenPoint(CPoint logical) {
    const CPoint scrolled = m_pView->GetScrollPosition();
    POINT point = {logical.x - scrolled.x, logical.y - scrolled.y};
    ::ClientToScreen(m_pView->m_hWnd, &point);
    return point;
  }

  std::unique_ptr<CEditViewTestApp> m_app;
  CZultaEditView* m_pView = nullptr;
  CZultaEditDoc* m_pDoc = nullptr;
};

TEST_F(EditViewTest, ANewDocumentOpensOnTheHebrewSideAtPageOneLineOne) {
  EXPECT_TRUE(m_pDoc->IsLaidOut());
  EXPECT_EQ(m_pDoc->GetActiveSide(), kHebrew);
  CString status;
  m_pDoc->GetStatusText(status);
  EXPECT_STREQ(status, "Pg 1, Ln 1");
}

TEST_F(EditViewTest, KeysTypeEnglishAndPointedHebrewAsTheTypingRulesSay) {
  Command(ID_INPUT_ENGLISH);
  ASSERT_EQ(m_pDoc->GetActiveSide(), kEnglish);
  TypeAndExpect(kEnglish, "Hello, world");
  Command(ID_INPUT_HEBREW);
  ASSERT_EQ(m_pDoc->GetActiveSide(), kHebrew);
  TypeAndExpect(kHebrew, "w]kOo ");
  TypeAndExpect(kHebrew, "gUkQo", "w]kOo ");
  // Ctrl on a punctuation key types the punctuation itself.
  TypedText punctuated = SideText(Model(), kHebrew);
  SendChord(VK_CONTROL, VK_OEM_PERIOD);
  punctuated.letters += '.';
  punctuated.points.push_back(0);
  EXPECT_TRUE(WaitFor([&] { return SideText(Model(), kHebrew) == punctuated; }));
  // Backspace takes the last character back; Ctrl+A types nothing.
  TypedText before = SideText(Model(), kHebrew);
  SendChord(VK_CONTROL, 'A');
  SendText("\b");
  before.letters.pop_back();
  before.points.pop_back();
  EXPECT_TRUE(WaitFor([&] { return SideText(Model(), kHebrew) == before; }));
  EXPECT_TRUE(m_pDoc->IsModified());
}

TEST_F(EditViewTest, AClickPlacesTheCaretShiftArrowsSelectAndADoubleClickSelectsAWord) {
  Command(ID_INPUT_ENGLISH);
  TypeAndExpect(kEnglish, "abc defg hij");
  // The right half of "e" puts the caret after it: on it, as the caret is the
  // character before the insertion point.
  const CRect e = m_pDoc->Pages().GetCharRect(CharAt(kEnglish, 5));
  ClickAt(ScreenPoint(CPoint(e.right - 1, e.CenterPoint().y)));
  ASSERT_TRUE(WaitFor([&] { return IndexOf(kEnglish, Model().Side(kEnglish).caret) == 5; }));
  SendChord(VK_SHIFT, VK_LEFT, 2);
  ASSERT_TRUE(WaitFor([&] { return IndexOf(kEnglish, Model().Side(kEnglish).caret) == 3; }));
  DocCharNode* first = nullptr;
  DocCharNode* last = nullptr;
  ASSERT_TRUE(m_pDoc->Editor().GetSelectionRange(first, last));
  EXPECT_EQ(IndexOf(kEnglish, first), 4);
  EXPECT_EQ(IndexOf(kEnglish, last), 5);
  // A double click on "hij" selects it alone.
  const CRect i = m_pDoc->Pages().GetCharRect(CharAt(kEnglish, 10));
  ClickAt(ScreenPoint(i.CenterPoint()), 2);
  ASSERT_TRUE(WaitFor([&] {
    return m_pDoc->Editor().GetSelectionRange(first, last) && IndexOf(kEnglish, first) == 9;
  }));
  EXPECT_EQ(IndexOf(kEnglish, last), 11);
}

TEST_F(EditViewTest, UndoAndRedoFollowTheStepsSwitchingToTheSideOfTheStep) {
  Command(ID_INPUT_ENGLISH);
  TypeAndExpect(kEnglish, "one two");
  const TypedText typed = SideText(Model(), kEnglish);
  Command(ID_INPUT_HEBREW);
  Command(ID_EDIT_UNDO);
  EXPECT_EQ(m_pDoc->GetActiveSide(), kEnglish) << "undo switches to the side of its step";
  EXPECT_NE(SideText(Model(), kEnglish), typed);
  while (m_pDoc->Editor().CanUndo()) Command(ID_EDIT_UNDO);
  EXPECT_TRUE(SideText(Model(), kEnglish).letters.empty());
  while (m_pDoc->Editor().CanRedo()) Command(ID_EDIT_REDO);
  EXPECT_EQ(SideText(Model(), kEnglish), typed);
}

TEST_F(EditViewTest, ThePageShowsItsTextBetweenRulersWithTheMarginBand) {
  Command(ID_INPUT_ENGLISH);
  TypeAndExpect(kEnglish, "Page text");
  m_pView->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  const CRect line = m_pDoc->Pages().GetLineRect(Model().GetHead(kEnglish)->line);
  const CRect across = m_pDoc->Pages().GetRulerRect(0, kRulerAcross);
  RgbImage shot;
  auto area = [&](CRect logical) {
    const CPoint scrolled = m_pView->GetScrollPosition();
    logical.OffsetRect(-scrolled.x, -scrolled.y);
    return static_cast<RECT>(logical);
  };
  const PixelTest dark = [](uint32_t rgb) {
    return ((rgb >> 16) & 0xFF) < 0x80 && ((rgb >> 8) & 0xFF) < 0x80 && (rgb & 0xFF) < 0x80;
  };
  ASSERT_TRUE(WaitFor([&] {
    shot = CaptureWindow(m_pView->m_hWnd);
    return CountPixels(shot, area(line), dark) > 0;
  })) << "no text in the first line's place";
  SaveScreenshot(shot, "editor_view_page");
  EXPECT_GT(CountPixels(shot, area(across), IsColor(kRulerTextAreaColor)), across.Width() / 2)
      << "the ruler's band between the margins";
}

TEST_F(EditViewTest, TypingRepaintsInPlaceWithoutInvalidatingTheView) {
  Command(ID_INPUT_ENGLISH);
  TypeAndExpect(kEnglish,
                "a long paragraph of words that wraps over more than one line of "
                "the page so that typing in its middle moves the words after it");
  for (int i = 0; i < 20; ++i) SendChord(VK_CONTROL, VK_LEFT);
  WaitFor([] { return true; });
  m_pView->UpdateWindow();
  ASSERT_FALSE(::GetUpdateRect(m_pView->m_hWnd, nullptr, FALSE));
  m_pView->SendMessage(WM_CHAR, 'x', 1);
  EXPECT_FALSE(::GetUpdateRect(m_pView->m_hWnd, nullptr, FALSE))
      << "a typed key invalidated the view instead of repainting its lines";
}

TEST_F(EditViewTest, TypingPastTheWindowScrollsTheCaretIntoView) {
  Command(ID_INPUT_ENGLISH);
  const CPoint top = m_pView->GetScrollPosition();
  SendText(std::string(60, '\r'));
  EXPECT_TRUE(WaitFor([&] { return Model().GetLineCount(kEnglish) == 61; }));
  EXPECT_GT(m_pView->GetScrollPosition().y, top.y);
  const CRect caret = m_pDoc->Pages().GetCaretRect(kEnglish);
  CRect visible = m_pView->GetLogicalClientRect();
  EXPECT_TRUE(visible.PtInRect(caret.TopLeft())) << "the caret is out of sight";
}

TEST_F(EditViewTest, DraggingBelowTheWindowScrollsByItselfAndExtendsTheSelection) {
  Command(ID_INPUT_ENGLISH);
  SendText(std::string(60, '\r'));
  ASSERT_TRUE(WaitFor([&] { return Model().GetLineCount(kEnglish) == 61; }));
  SendChord(VK_CONTROL, VK_HOME);
  ASSERT_TRUE(WaitFor([&] { return m_pView->GetScrollPosition().y == 0; }));
  const CRect client = m_pView->GetLogicalClientRect();
  const POINT inside = ScreenPoint(CPoint(client.CenterPoint().x, client.top + 30));
  const POINT below = ScreenPoint(CPoint(client.CenterPoint().x, client.bottom + 20));
  INPUT press[] = {MouseMoveInput(inside), MouseButtonInput(MOUSEEVENTF_LEFTDOWN)};
  ::SendInput(2, press, sizeof(INPUT));
  // Once the view holds the mouse, the move out reaches it.
  ASSERT_TRUE(WaitFor([&] { return ::GetCapture() == m_pView->m_hWnd; }));
  INPUT out = MouseMoveInput(below);
  ::SendInput(1, &out, sizeof(INPUT));
  // The timer goes on stepping, a line at a time, while the mouse stays below.
  constexpr int kSteps = 5;
  const int lineStep = m_pDoc->Metrics().GetPixelsPerInchY() / 4;
  EXPECT_TRUE(WaitFor([&] { return m_pView->GetScrollPosition().y >= kSteps * lineStep; }));
  INPUT release = MouseButtonInput(MOUSEEVENTF_LEFTUP);
  ::SendInput(1, &release, sizeof(INPUT));
  EXPECT_TRUE(WaitFor([&] { return ::GetCapture() == nullptr; }));
  DocCharNode* first = nullptr;
  DocCharNode* last = nullptr;
  EXPECT_TRUE(m_pDoc->Editor().GetSelectionRange(first, last));
  EXPECT_GT(IndexOf(kEnglish, last), IndexOf(kEnglish, first) + 10);
}

TEST_F(EditViewTest, TheContextMenuOffersCutOnlyWithASelection) {
  Command(ID_INPUT_ENGLISH);
  TypeAndExpect(kEnglish, "abc");
  for (bool selection : {false, true}) {
    SCOPED_TRACE(selection ? "with a selection" : "without one");
    if (selection) SendChord(VK_SHIFT, VK_LEFT, 2);
    ASSERT_TRUE(WaitFor([&] { return m_pDoc->Editor().HasSelection() == selection; }));
    g_menuStates = ContextMenuStates();
    ::SetTimer(nullptr, 0, 20, ReadOpenMenu);
    m_pView->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_pView->m_hWnd),
                         MAKELPARAM(-1, -1));
    EXPECT_EQ(g_menuStates.cut, selection ? 0u : static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(g_menuStates.selectAll, 0u);
  }
}

TEST_F(EditViewTest, AFailedSaveKeepsTheOldFileAndTheDocumentModifiedAndSaysWhy) {
  char temp[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, temp);
  const std::string path = std::string(temp) + "EditViewSave.zlt";
  const std::string blocker = path + ".~old";
  Command(ID_INPUT_ENGLISH);
  TypeAndExpect(kEnglish, "abc");
  ASSERT_TRUE(m_pDoc->DoSave(path.c_str()));
  EXPECT_FALSE(m_pDoc->IsModified());
  TypeAndExpect(kEnglish, "d", "abc");
  ASSERT_TRUE(m_pDoc->IsModified());
  // A folder with a file in it where the old file would step aside.
  std::filesystem::create_directory(blocker);
  std::ofstream(blocker + "\\keep") << "x";
  {
    MessageBoxAnswerer answerer(IDOK);
    EXPECT_FALSE(m_pDoc->DoSave(path.c_str()));
    EXPECT_EQ(answerer.Boxes().size(), 1u) << "the failure is told";
  }
  EXPECT_TRUE(m_pDoc->IsModified());
  ByteBuffer bytes;
  CString error;
  ASSERT_TRUE(LoadWholeFile(path.c_str(), bytes, error));
  ZultaDocData data;
  data.styles.AddDefaultEntries();
  ASSERT_TRUE(CZultaFile().ReadDocument(bytes.data(), bytes.size(), data));
  EXPECT_EQ(data.sides[kEnglish].letters, "abc") << "the old file as it was";
  std::filesystem::remove_all(blocker);
  std::filesystem::remove(path);
  std::filesystem::remove(path + ".~sav");
}

TEST_F(EditViewTest, ALookupReturnBringsTheSelectedWordBackIntoView) {
  Command(ID_INPUT_ENGLISH);
  TypeAndExpect(kEnglish, "word" + std::string(60, '\r'));
  // The word on the first line selected, then scrolled far out of sight.
  const CRect w = m_pDoc->Pages().GetCharRect(CharAt(kEnglish, 1));
  m_pView->ScrollToPosition(CPoint(0, 0));
  ClickAt(ScreenPoint(w.CenterPoint()), 2);
  DocCharNode* first = nullptr;
  DocCharNode* last = nullptr;
  ASSERT_TRUE(WaitFor([&] { return m_pDoc->Editor().GetSelectionRange(first, last); }));
  m_pView->SendMessage(WM_VSCROLL, SB_BOTTOM);
  ASSERT_FALSE(m_pView->GetLogicalClientRect().PtInRect(w.TopLeft()));

  m_pView->SendMessage(WM_LOOKUP_RETURN);
  EXPECT_TRUE(m_pView->GetLogicalClientRect().PtInRect(w.TopLeft())) << "the word is out of sight";
  ASSERT_TRUE(m_pDoc->Editor().GetSelectionRange(first, last));
  EXPECT_EQ(IndexOf(kEnglish, first), 0);
  EXPECT_EQ(IndexOf(kEnglish, last), 3);
}

}  // namespace
