// The editor's view in a frame on the screen, driven by real keys and mouse:
// typing on both sides, placing the caret and selecting, undo and redo,
// what is painted, and the repaint of only the changed lines.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "classlib/win/HandleMap.h"
#include "editor/core/DocEditor.h"
#include "editor/core/DocRulerMarks.h"
#include "editor/core/FixedDocMetrics.h"
#include "editor/tests/win/EditViewFixture.h"
#include "editor/win/ZultaEditDoc.h"
#include "editor/win/ZultaEditView.h"
#include "resources/EditorIds.h"
#include "resources/MainFrameIds.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/WaitFor.h"
#include "testing/win/WindowCapture.h"

namespace {

constexpr int kEnglish = 0;
constexpr int kHebrew = 1;

// A side's text as letters with their points, one pair a character.
std::vector<std::pair<int, int>> SideText(DocTextModel& model, int side) {
  std::vector<std::pair<int, int>> text;
  for (DocCharNode* c = model.GetHead(side)->next; c != nullptr; c = c->next)
    text.emplace_back(c->letter, c->point);
  return text;
}

class NoWindow : public IDocUISink {
 public:
  CSize GetClientSize() override { return CSize(800, 600); }
  void SetScrollSizes(CSize, CSize, CSize) override {}
  void Redraw() override {}
  void OnLayoutChanged(int) override {}
  void SetModifiedFlag() override {}
};

// What the typing rules make of the keys on a side of an empty document
// with the program's defaults.
std::vector<std::pair<int, int>> TypedByRules(const CZultaEditDoc& like, int side,
                                              const std::string& keys) {
  FixedDocMetrics metrics;
  NoWindow sink;
  DocTextModel model(metrics, sink);
  DocSideDefaults defaults[kDocSideCount];
  for (int s = 0; s < kDocSideCount; ++s) {
    defaults[s].face = const_cast<CZultaEditDoc&>(like).Model().Side(s).face;
    defaults[s].pointSize = const_cast<CZultaEditDoc&>(like).Model().Side(s).pointSize;
  }
  model.InitContents(defaults);
  model.CreateEmptySides();
  model.SetCurrentSide(side);
  DocEditor editor(model, sink);
  for (char key : keys) editor.TypeChar(static_cast<BYTE>(key));
  return SideText(model, side);
}

INPUT KeyInput(WORD vk, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

// Presses the keys of the text on the US keyboard, Shift where it needs it.
void SendText(const std::string& text) {
  std::vector<INPUT> inputs;
  for (char ch : text) {
    const SHORT scan = ::VkKeyScanA(ch);
    const bool shift = (scan & 0x100) != 0;
    if (shift) inputs.push_back(KeyInput(VK_SHIFT, false));
    inputs.push_back(KeyInput(LOBYTE(scan), false));
    inputs.push_back(KeyInput(LOBYTE(scan), true));
    if (shift) inputs.push_back(KeyInput(VK_SHIFT, true));
  }
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// A key with a modifier held (VK_SHIFT, VK_CONTROL), pressed count times.
void SendChord(WORD modifier, WORD vk, int count = 1) {
  std::vector<INPUT> inputs = {KeyInput(modifier, false)};
  for (int i = 0; i < count; ++i) {
    inputs.push_back(KeyInput(vk, false));
    inputs.push_back(KeyInput(vk, true));
  }
  inputs.push_back(KeyInput(modifier, true));
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT MouseInput(DWORD flags) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  return input;
}

// Clicks (twice for a double click) at a screen point.
void ClickAt(POINT screen, int clicks = 1) {
  ::SetCursorPos(screen.x, screen.y);
  std::vector<INPUT> inputs;
  for (int i = 0; i < clicks; ++i) {
    inputs.push_back(MouseInput(MOUSEEVENTF_LEFTDOWN));
    inputs.push_back(MouseInput(MOUSEEVENTF_LEFTUP));
  }
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

class EditViewTest : public EditViewFixture {
 protected:
  DocTextModel& Model() { return m_pDoc->Model(); }
  // Types the keys and waits until the side holds what the typing rules
  // make of them.
  void TypeAndExpect(int side, const std::string& keys, const std::string& typedBefore = "") {
    const auto expected = TypedByRules(*m_pDoc, side, typedBefore + keys);
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
  // Backspace takes the last character back; Ctrl+A types nothing.
  auto before = SideText(Model(), kHebrew);
  SendChord(VK_CONTROL, 'A');
  SendText("\b");
  before.pop_back();
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
  const auto typed = SideText(Model(), kEnglish);
  Command(ID_INPUT_HEBREW);
  Command(ID_EDIT_UNDO);
  EXPECT_EQ(m_pDoc->GetActiveSide(), kEnglish) << "undo switches to the side of its step";
  EXPECT_NE(SideText(Model(), kEnglish), typed);
  while (m_pDoc->Editor().CanUndo()) Command(ID_EDIT_UNDO);
  EXPECT_TRUE(SideText(Model(), kEnglish).empty());
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

}  // namespace
