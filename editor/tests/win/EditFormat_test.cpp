// The view's formatting commands in a frame on the screen: a word made bold
// with Ctrl+B, the menu's check mark following the caret, the toolbar's size
// box giving the selection a typed size and showing the caret's size, and
// undo taking both back.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "classlib/win/CMenu.h"
#include "classlib/win/HandleMap.h"
#include "editor/core/DocFormatting.h"
#include "editor/core/FontSizeBox.h"
#include "editor/tests/win/AppPump.h"
#include "editor/tests/win/DialogScript.h"
#include "editor/tests/win/EditViewTestApp.h"
#include "editor/win/ZultaEditDoc.h"
#include "editor/win/ZultaEditView.h"
#include "hebtext/tests/win/HebrewTestFonts.h"
#include "resources/EditorIds.h"
#include "resources/MainFrameIds.h"
#include "testing/win/UserInput.h"
#include "testing/win/WaitFor.h"
#include "testing/win/WindowCapture.h"

namespace {

constexpr int kEnglishSide = 0;
const char kText[] = "plain word here";
constexpr int kWordFirst = 7;  // "word": characters 7-10 after the head
constexpr int kWordLast = 10;
constexpr int kTypedSize = 20;
const CRect kBoxRect(0, 0, 120, 200);
const char* const kFaces[] = {"Arial", "Courier New", "Times New Roman"};
struct BoxColor {
  const char* name;
  COLORREF color;
};
// Like the colour box: named colours, then the entry that opens the dialog.
const BoxColor kBoxColors[] = {
    {"Black", RGB(0, 0, 0)}, {"Red", RGB(255, 0, 0)}, {"More Colors...", 0xFFFFFFFF}};
constexpr int kRedEntry = 1;
constexpr int kDialogEntry = 2;
class EditFormatTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterHebrewFonts();
    m_app = std::make_unique<CEditViewTestApp>();
    ASSERT_TRUE(m_app->InitInstance());
    m_pView = m_app->NewDocument();
    ASSERT_NE(m_pView, nullptr);
    m_pDoc = m_pView->GetDocument();
    // The Editor toolbar's boxes as the main frame holds them, out of the
    // pictures' way.
    m_hSizeBox = CreateBox(IDC_SIZE_COMBO, CBS_DROPDOWN);
    m_hFaceBox = CreateBox(IDC_TYPEFACE_COMBO, CBS_DROPDOWNLIST | CBS_SORT);
    m_hColorBox = CreateBox(IDC_COLOR_COMBO, CBS_DROPDOWNLIST);
    ASSERT_TRUE(m_hSizeBox != nullptr && m_hFaceBox != nullptr && m_hColorBox != nullptr);
    for (const char* face : kFaces)
      ::SendMessageA(m_hFaceBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(face));
    for (const BoxColor& color : kBoxColors) {
      const auto index =
          ::SendMessageA(m_hColorBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(color.name));
      ::SendMessageA(m_hColorBox, CB_SETITEMDATA, index, static_cast<LPARAM>(color.color));
    }
    ::SetForegroundWindow(Frame()->m_hWnd);
    m_pView->SetFocus();
    ASSERT_TRUE(WaitFor([&] { return ::GetFocus() == m_pView->m_hWnd; }));
  }
  void TearDown() override {
    m_app->CloseAllDocuments(TRUE);
    Frame()->DestroyWindow();
    m_app->ExitInstance();
    m_app.reset();
    CHandleMapBase::DeleteAllTemp();
  }

  CMDIFrameWnd* Frame() { return m_app->GetMainFrame(); }
  HWND CreateBox(int nID, DWORD style) {
    return ::CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | style, kBoxRect.left, kBoxRect.top,
                             kBoxRect.Width(), kBoxRect.Height(), Frame()->m_hWnd,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(nID)), nullptr, nullptr);
  }
  // The user picks the entry of a box and leaves it.
  void ChooseEntry(HWND hBox, int index) {
    ::SendMessageA(hBox, CB_SETCURSEL, index, 0);
    Frame()->SendMessage(WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(hBox), CBN_SELENDOK),
                         reinterpret_cast<LPARAM>(hBox));
  }
  int FindEntry(HWND hBox, LPCSTR text) {
    return static_cast<int>(::SendMessageA(hBox, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(text)));
  }
  int BoxSelection(HWND hBox) { return static_cast<int>(::SendMessageA(hBox, CB_GETCURSEL, 0, 0)); }
  DocTextModel& Model() { return m_pDoc->Model(); }
  void Command(UINT id) {
    Frame()->SendMessage(WM_COMMAND, id);
    WaitFor([] { return true; });
  }
  DocCharNode* CharAt(int index) {
    DocCharNode* c = Model().GetHead(kEnglishSide);
    while (index-- > 0 && c != nullptr) c = c->next;
    return c;
  }
  WORD SizeAt(int index) {
    CString face;
    WORD size;
    UINT style;
    Model().GetAttrFont(CharAt(index)->attributes, kEnglishSide, face, size, style);
    return size;
  }
  UINT StyleAt(int index) { return AttrStyle(CharAt(index)->attributes); }
  // The check marks a Format menu would show now, as the frame sets them.
  BOOL MenuChecked(UINT id) {
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, id, "item");
    Frame()->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu.m_hMenu), 0);
    const BOOL checked = (menu.GetMenuState(id, MF_BYCOMMAND) & MF_CHECKED) != 0;
    menu.DestroyMenu();
    return checked;
  }
  // The idle pass that keeps the toolbar's boxes in step with the caret.
  CString SizeBoxAfterIdle() {
    Frame()->UpdateDialogControls(Frame(), FALSE);
    char text[16] = "";
    ::GetWindowTextA(m_hSizeBox, text, sizeof text);
    return text;
  }

  std::unique_ptr<CEditViewTestApp> m_app;
  CZultaEditView* m_pView = nullptr;
  CZultaEditDoc* m_pDoc = nullptr;
  HWND m_hSizeBox = nullptr;
  HWND m_hFaceBox = nullptr;
  HWND m_hColorBox = nullptr;
};

TEST_F(EditFormatTest, CtrlBBoldsTheWordTheSizeBoxSizesItAndUndoTakesBothBack) {
  Command(ID_INPUT_ENGLISH);
  for (const char* c = kText; *c != 0; ++c) m_pView->SendMessage(WM_CHAR, *c, 1);
  const WORD plainSize = SizeAt(kWordFirst);
  EXPECT_STREQ(SizeBoxAfterIdle(), FontSizeBoxText(plainSize));

  // A double click on "word" selects it; Ctrl+B makes it bold.
  const CRect w = m_pDoc->Pages().GetCharRect(CharAt(kWordFirst + 1));
  POINT at = {w.CenterPoint().x - m_pView->GetScrollPosition().x,
              w.CenterPoint().y - m_pView->GetScrollPosition().y};
  ::ClientToScreen(m_pView->m_hWnd, &at);
  ClickAt(at, 2);
  ASSERT_TRUE(WaitFor([&] { return m_pDoc->Editor().HasSelection(); }));
  DocCharNode *first, *last;
  ASSERT_TRUE(m_pDoc->Editor().GetSelectionRange(first, last));
  ASSERT_EQ(first, CharAt(kWordFirst));
  EXPECT_FALSE(MenuChecked(ID_FORMAT_BOLD));
  SendChord(VK_CONTROL, 'B');
  ASSERT_TRUE(PumpUntil(*m_app, [&] { return StyleAt(kWordFirst) == kStyleBold; }));
  EXPECT_EQ(StyleAt(kWordLast), kStyleBold);
  EXPECT_EQ(StyleAt(kWordFirst - 2), 0u) << "only the word";
  EXPECT_TRUE(MenuChecked(ID_FORMAT_BOLD));
  EXPECT_FALSE(MenuChecked(ID_FORMAT_ITALIC));
  EXPECT_TRUE(MenuChecked(ID_FORMAT_ALIGN_LEFT));
  EXPECT_TRUE(m_pDoc->IsModified());

  // A size typed into the box and entered joins its list and sizes the word.
  ::SetWindowTextA(m_hSizeBox, "20");
  Command(ID_SIZE_TYPED);
  EXPECT_EQ(SizeAt(kWordFirst), kTypedSize);
  EXPECT_EQ(SizeAt(kWordLast), kTypedSize);
  EXPECT_EQ(SizeAt(kWordFirst - 2), plainSize);
  EXPECT_EQ(BoxSelection(m_hSizeBox), 0);
  EXPECT_EQ(::GetFocus(), m_pView->m_hWnd) << "the focus goes back to the text";
  RgbImage shot = CaptureWindow(m_pView->m_hWnd);
  SaveScreenshot(shot, "editor_format_bold_word");

  Command(ID_EDIT_UNDO);
  EXPECT_EQ(SizeAt(kWordFirst), plainSize);
  EXPECT_EQ(StyleAt(kWordFirst), kStyleBold);
  Command(ID_EDIT_UNDO);
  EXPECT_EQ(StyleAt(kWordFirst), 0u);
  EXPECT_FALSE(MenuChecked(ID_FORMAT_BOLD));
  EXPECT_STREQ(SizeBoxAfterIdle(), FontSizeBoxText(plainSize));
  EXPECT_EQ(BoxSelection(m_hSizeBox), CB_ERR);
}

TEST_F(EditFormatTest, JustificationCommandsMoveTheCheckMark) {
  Command(ID_INPUT_ENGLISH);
  for (const char* c = kText; *c != 0; ++c) m_pView->SendMessage(WM_CHAR, *c, 1);
  Command(ID_FORMAT_ALIGN_CENTER);
  EXPECT_TRUE(MenuChecked(ID_FORMAT_ALIGN_CENTER));
  EXPECT_FALSE(MenuChecked(ID_FORMAT_ALIGN_LEFT));
  EXPECT_EQ(FormatAlign(Model().GetHead(kEnglishSide)->line->format), kJustifyCenter);
  Command(ID_FORMAT_ALIGN_RIGHT);
  EXPECT_TRUE(MenuChecked(ID_FORMAT_ALIGN_RIGHT));
  Command(ID_EDIT_UNDO);
  EXPECT_TRUE(MenuChecked(ID_FORMAT_ALIGN_CENTER));
}

TEST_F(EditFormatTest, TheTypefaceAndColourBoxesApplyToTheSelectionAndFollowTheCaret) {
  Command(ID_INPUT_ENGLISH);
  for (const char* c = kText; *c != 0; ++c) m_pView->SendMessage(WM_CHAR, *c, 1);
  // The box lists the side's own face too.
  const CString plainFace = Model().Side(kEnglishSide).face;
  if (FindEntry(m_hFaceBox, plainFace) < 0)
    ::SendMessageA(m_hFaceBox, CB_ADDSTRING, 0,
                   reinterpret_cast<LPARAM>(static_cast<LPCSTR>(plainFace)));
  const int steps = m_pDoc->Editor().GetUndoCount();
  m_pDoc->Editor().SetSelection(CharAt(kWordFirst - 1), CharAt(kWordLast));
  ChooseEntry(m_hFaceBox, FindEntry(m_hFaceBox, kFaces[1]));
  CString face;
  WORD size;
  UINT style;
  Model().GetAttrFont(CharAt(kWordFirst)->attributes, kEnglishSide, face, size, style);
  EXPECT_STREQ(face, kFaces[1]);
  EXPECT_EQ(::GetFocus(), m_pView->m_hWnd);

  ChooseEntry(m_hColorBox, kRedEntry);
  COLORREF text, back;
  DocCharNode *first, *last;
  m_pDoc->GetSelectionColors(text, back, first, last);
  EXPECT_EQ(text, kBoxColors[kRedEntry].color);
  // The dialog's entry opens the colour dialog; after Cancel the last
  // colour stays chosen.
  OnNextDialog("Change Colors", [](HWND hDlg) { ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0); });
  ChooseEntry(m_hColorBox, kDialogEntry);
  EXPECT_TRUE(DialogScriptRan());
  EXPECT_EQ(BoxSelection(m_hColorBox), kRedEntry);
  EXPECT_EQ(m_pDoc->Editor().GetUndoCount(), steps + 2);

  // The caret in the plain word: the boxes show its face and colour.
  m_pDoc->Editor().ClearSelection();
  Model().Side(kEnglishSide).caret = CharAt(2);
  Frame()->UpdateDialogControls(Frame(), FALSE);
  EXPECT_EQ(BoxSelection(m_hFaceBox), FindEntry(m_hFaceBox, plainFace));
  EXPECT_EQ(BoxSelection(m_hColorBox), 0);
}

}  // namespace
