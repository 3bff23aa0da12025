// The view's colour, column and spacing dialogs on the screen, driven with
// the mouse and keyboard: colours from the palette, a scroll bar and typed
// numbers for the text and then the background, the colour box's last
// entry, two columns with a gutter and a refused gutter, and the two
// spacing values; each applied to the text and taken back by undo.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "classlib/win/CMenu.h"
#include "classlib/win/WindowDCs.h"
#include "editor/core/DocFormatting.h"
#include "editor/tests/win/DialogScript.h"
#include "editor/tests/win/EditViewFixture.h"
#include "resources/ColorDialogIds.h"
#include "resources/EditorIds.h"
#include "resources/MainFrameIds.h"
#include "testing/win/UserInput.h"
#include "testing/win/WaitFor.h"
#include "testing/win/WindowCapture.h"

namespace color_dialogs {

const char kText[] = "plain word here\rsecond line";
constexpr int kWordFirst = 7;  // "word": characters 7-10 after the head
constexpr int kWordLast = 10;
constexpr int kSecondLine = 20;  // a character of the second paragraph
constexpr int kRedButton = IDC_PALETTE_FIRST + 1;    // 255 0 0
constexpr int kBlueButton = IDC_PALETTE_FIRST + 27;  // 0 0 255
const char* const kBoxNames[] = {"Black", "Red", "More Colors..."};
const COLORREF kBoxColors[] = {RGB(0, 0, 0), RGB(255, 0, 0), 0xFFFFFFFF};
constexpr int kRedEntry = 1;
constexpr int kDialogEntry = 2;

std::string Text(HWND hDlg, int id) {
  char text[64] = "";
  ::GetDlgItemTextA(hDlg, id, text, sizeof text);
  return text;
}

POINT Centre(HWND hWnd) {
  RECT r;
  ::GetWindowRect(hWnd, &r);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void Click(HWND hDlg, int id) { ClickAt(Centre(::GetDlgItem(hDlg, id))); }

// The field's whole text replaced by typing.
void TypeInto(HWND hDlg, int id, const std::string& text) {
  HWND hEdit = ::GetDlgItem(hDlg, id);
  Click(hDlg, id);
  WaitFor([&] { return ::GetFocus() == hEdit; });
  ::SendMessageA(hEdit, EM_SETSEL, 0, -1);
  SendText(text);
  WaitFor([&] { return Text(hDlg, id) == text; });
}

int BarPos(HWND hDlg, int id) { return ::GetScrollPos(::GetDlgItem(hDlg, id), SB_CTL); }

// A point of a horizontal bar: its right arrow, or the track between the
// thumb and that arrow.
POINT BarPoint(HWND hDlg, int id, bool arrow) {
  HWND hBar = ::GetDlgItem(hDlg, id);
  SCROLLBARINFO info = {};
  info.cbSize = sizeof info;
  ::GetScrollBarInfo(hBar, OBJID_CLIENT, &info);
  const RECT& r = info.rcScrollBar;  // screen coordinates
  const int arrowLeft = r.right - info.dxyLineButton;
  const int x = arrow ? arrowLeft + info.dxyLineButton / 2
                      : r.left + (info.xyThumbBottom + (arrowLeft - r.left)) / 2;
  return POINT{x, (r.top + r.bottom) / 2};
}

// The spin's upper (or lower) arrow.
POINT SpinArrow(HWND hDlg, bool up) {
  RECT r;
  ::GetWindowRect(::GetDlgItem(hDlg, IDC_SPACING_SPIN), &r);
  return POINT{(r.left + r.right) / 2, up ? r.top + (r.bottom - r.top) / 4
                                           : r.bottom - (r.bottom - r.top) / 4};
}

void Picture(HWND hDlg, const char* name) {
  WaitFor([] { return true; });
  SaveScreenshot(CaptureWindow(hDlg), name);
}

class EditColorDialogsTest : public EditViewFixture {
 protected:
  void SetUp() override {
    EditViewFixture::SetUp();
    Command(ID_INPUT_ENGLISH);
    for (const char* c = kText; *c != 0; ++c) m_pView->SendMessage(WM_CHAR, *c, 1);
  }
  DocTextModel& Model() { return m_pDoc->Model(); }
  DocCharNode* CharAt(int index) {
    DocCharNode* c = Model().GetHead(0);
    while (index-- > 0 && c != nullptr) c = c->next;
    return c;
  }
  void SelectWord() { m_pDoc->Editor().SetSelection(CharAt(kWordFirst - 1), CharAt(kWordLast)); }
  void PutCaret(int index) {
    m_pDoc->Editor().ClearSelection();
    Model().Side(0).caret = CharAt(index);
  }
  void SelectionColors(COLORREF& text, COLORREF& back) {
    DocCharNode *first, *last;
    m_pDoc->GetSelectionColors(text, back, first, last);
  }
  // Runs the command with the script answering its dialog.
  void CommandWithDialog(UINT id, const char* caption, std::function<void(HWND)> script) {
    OnNextDialog(caption, std::move(script));
    Command(id);
    EXPECT_TRUE(DialogScriptRan()) << caption;
  }
  BOOL MenuEnabled(UINT id) {
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, id, "item");
    m_app->GetMainFrame()->SendMessage(WM_INITMENUPOPUP,
                                       reinterpret_cast<WPARAM>(menu.m_hMenu), 0);
    const BOOL enabled = (menu.GetMenuState(id, MF_BYCOMMAND) & MF_GRAYED) == 0;
    menu.DestroyMenu();
    return enabled;
  }
};

TEST_F(EditColorDialogsTest, ColorsSetsTheTextAndThenTheBackgroundColourAndUndoTakesThemBack) {
  SelectWord();
  COLORREF oldText, oldBack;
  SelectionColors(oldText, oldBack);
  const int steps = m_pDoc->Editor().GetUndoCount();
  CommandWithDialog(ID_FORMAT_COLORS, "Change Colors", [&](HWND hDlg) {
    EXPECT_EQ(::IsDlgButtonChecked(hDlg, IDC_COLOR_TARGET_TEXT), BST_CHECKED);
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(hDlg, IDC_COLOR_TARGET_BACK)));
    EXPECT_EQ(Text(hDlg, IDC_COLOR_DEFAULT_LABEL),
              "Use Sample Colors above\nwhen saving\nEnglish &Default Colors");
    // A palette button gives its colour to the fields and bars.
    Click(hDlg, kRedButton);
    EXPECT_TRUE(WaitFor([&] { return Text(hDlg, IDC_COLOR_RED) == "255"; }));
    EXPECT_EQ(Text(hDlg, IDC_COLOR_GREEN), "  0");
    EXPECT_EQ(BarPos(hDlg, IDC_COLOR_RED_BAR), 255);
    // A typed green moves its bar; the track right of the thumb pages up,
    // to the end at most.
    TypeInto(hDlg, IDC_COLOR_GREEN, "240");
    EXPECT_TRUE(WaitFor([&] { return BarPos(hDlg, IDC_COLOR_GREEN_BAR) == 240; }));
    ClickAt(BarPoint(hDlg, IDC_COLOR_GREEN_BAR, false));
    EXPECT_TRUE(WaitFor([&] { return BarPos(hDlg, IDC_COLOR_GREEN_BAR) == 255; }));
    EXPECT_EQ(Text(hDlg, IDC_COLOR_GREEN), "255");
    // A number beyond 255 is taken back.
    TypeInto(hDlg, IDC_COLOR_BLUE, "7");
    SendText("00");
    EXPECT_TRUE(WaitFor([&] { return Text(hDlg, IDC_COLOR_BLUE) == " 70"; }));
    TypeInto(hDlg, IDC_COLOR_BLUE, "0");
    Picture(hDlg, "editor_colors_text");

    // From here the colours go to the background.
    Click(hDlg, IDC_COLOR_TARGET_BACK);
    EXPECT_TRUE(WaitFor(
        [&] { return ::IsDlgButtonChecked(hDlg, IDC_COLOR_TARGET_BACK) == BST_CHECKED; }));
    ClickAt(BarPoint(hDlg, IDC_COLOR_BLUE_BAR, true));
    EXPECT_TRUE(WaitFor([&] { return Text(hDlg, IDC_COLOR_BLUE) == "  1"; }));
    TypeInto(hDlg, IDC_COLOR_RED, "128");
    Picture(hDlg, "editor_colors_background");
    Click(hDlg, IDOK);
  });
  COLORREF text, back;
  SelectionColors(text, back);
  EXPECT_EQ(text, RGB(255, 255, 0));
  EXPECT_EQ(back, RGB(128, 255, 1));
  EXPECT_EQ(m_pDoc->Editor().GetUndoCount(), steps + 1);
  Command(ID_EDIT_UNDO);
  SelectWord();
  SelectionColors(text, back);
  EXPECT_EQ(text, oldText);
  EXPECT_EQ(back, oldBack);

  // OK with nothing changed changes nothing; Cancel neither.
  CommandWithDialog(ID_FORMAT_COLORS, "Change Colors", [&](HWND hDlg) { Click(hDlg, IDOK); });
  CommandWithDialog(ID_FORMAT_COLORS, "Change Colors", [&](HWND hDlg) {
    Click(hDlg, kBlueButton);
    WaitFor([&] { return Text(hDlg, IDC_COLOR_BLUE) == "255"; });
    Click(hDlg, IDCANCEL);
  });
  SelectionColors(text, back);
  EXPECT_EQ(text, oldText);
  EXPECT_EQ(back, oldBack);
}

TEST_F(EditColorDialogsTest, TheColourBoxsLastEntryChoosesATextColourForItself) {
  CFrameWnd* pFrame = m_app->GetMainFrame();
  HWND hBox = ::CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | CBS_DROPDOWNLIST, 0, 0, 120, 200,
                                pFrame->m_hWnd,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_COLOR_COMBO)),
                                nullptr, nullptr);
  ASSERT_NE(hBox, nullptr);
  for (int i = 0; i < 3; i++) {
    ::SendMessageA(hBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kBoxNames[i]));
    ::SendMessageA(hBox, CB_SETITEMDATA, i, static_cast<LPARAM>(kBoxColors[i]));
  }
  auto choose = [&](int index) {
    ::SendMessageA(hBox, CB_SETCURSEL, index, 0);
    pFrame->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_COLOR_COMBO, CBN_SELENDOK),
                        reinterpret_cast<LPARAM>(hBox));
  };
  SelectWord();
  choose(kRedEntry);
  const int steps = m_pDoc->Editor().GetUndoCount();

  // Cancel: the entry chosen before is chosen again.
  OnNextDialog("Change Colors", [&](HWND hDlg) {
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(hDlg, IDC_COLOR_TARGET_BACK)));
    Picture(hDlg, "editor_colors_from_box");
    Click(hDlg, IDCANCEL);
  });
  choose(kDialogEntry);
  EXPECT_TRUE(DialogScriptRan());
  EXPECT_EQ(::SendMessageA(hBox, CB_GETCURSEL, 0, 0), kRedEntry);
  EXPECT_EQ(m_pDoc->Editor().GetUndoCount(), steps);

  // OK: the chosen colour is the entry's own and the selection's.
  OnNextDialog("Change Colors", [&](HWND hDlg) {
    Click(hDlg, kBlueButton);
    WaitFor([&] { return Text(hDlg, IDC_COLOR_BLUE) == "255"; });
    Click(hDlg, IDOK);
  });
  choose(kDialogEntry);
  EXPECT_TRUE(DialogScriptRan());
  EXPECT_EQ(::SendMessageA(hBox, CB_GETCURSEL, 0, 0), kDialogEntry);
  EXPECT_EQ(static_cast<COLORREF>(::SendMessageA(hBox, CB_GETITEMDATA, kDialogEntry, 0)),
            RGB(0, 0, 255));
  COLORREF text, back;
  SelectionColors(text, back);
  EXPECT_EQ(text, RGB(0, 0, 255));
  EXPECT_EQ(::GetFocus(), m_pView->m_hWnd);
  ::DestroyWindow(hBox);
}

TEST_F(EditColorDialogsTest, ColumnsSetsTwoColumnsWithAGutterAndRefusesOneOutOfBounds) {
  PutCaret(kSecondLine);
  CommandWithDialog(ID_FORMAT_COLUMNS, "Columns", [&](HWND hDlg) {
    EXPECT_EQ(::IsDlgButtonChecked(hDlg, IDC_COLUMNS_NONE), BST_CHECKED);
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(hDlg, IDC_SPACING_VALUE)));
    for (int id : {IDC_COLUMNS_2, IDC_COLUMNS_3, IDC_COLUMNS_4})
      EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(hDlg, id))) << "a Letter page takes " << id;
    Click(hDlg, IDC_COLUMNS_2);
    EXPECT_TRUE(WaitFor([&] { return Text(hDlg, IDC_SPACING_VALUE) == "0.125\""; }));
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(hDlg, IDC_SPACING_VALUE)));
    ClickAt(SpinArrow(hDlg, true));
    EXPECT_TRUE(WaitFor([&] { return Text(hDlg, IDC_SPACING_VALUE) == "0.25\""; }));
    Picture(hDlg, "editor_columns");
    Click(hDlg, IDOK);
  });
  DocSection* section = Model().GetCharLine(CharAt(kSecondLine))->section;
  ASSERT_NE(section, nullptr);
  EXPECT_EQ(section->columnCount, 2);
  CClientDC dc(m_pView);
  EXPECT_EQ(section->gap, ::MulDiv(dc.GetDeviceCaps(LOGPIXELSX), 250, 1000));
  EXPECT_DOUBLE_EQ(section->gapInUnit, 0.25);

  // Four columns with a two-inch gutter: the message, the minimum, and the
  // dialog stays until cancelled.
  CommandWithDialog(ID_FORMAT_COLUMNS, "Columns", [&](HWND hDlg) {
    EXPECT_EQ(::IsDlgButtonChecked(hDlg, IDC_COLUMNS_2), BST_CHECKED);
    EXPECT_EQ(Text(hDlg, IDC_SPACING_VALUE), "0.25\"");
    Click(hDlg, IDC_COLUMNS_4);
    WaitFor([&] { return ::IsDlgButtonChecked(hDlg, IDC_COLUMNS_4) == BST_CHECKED; });
    TypeInto(hDlg, IDC_SPACING_VALUE, "2");
    AnswerNextBoxOver(hDlg);
    Click(hDlg, IDOK);
    EXPECT_TRUE(WaitFor([&] { return !AnsweredBoxTexts().empty(); }));
    EXPECT_TRUE(WaitFor([&] { return Text(hDlg, IDC_SPACING_VALUE) == "0.125\""; }));
    EXPECT_TRUE(::IsWindowVisible(hDlg));
    Picture(hDlg, "editor_columns_refused");
    Click(hDlg, IDCANCEL);
  });
  EXPECT_NE(AnsweredBoxTexts().find(
                "Gutter Width Value is out of bounds!\nThe bounding values for 4 columns are:\n"
                "  Minimum: 0.125\"\t Maximum: 1.667\""),
            std::string::npos)
      << AnsweredBoxTexts();
  EXPECT_EQ(Model().GetCharLine(CharAt(kSecondLine))->section->columnCount, 2);
  Command(ID_EDIT_UNDO);
  EXPECT_EQ(Model().GetCharLine(CharAt(kSecondLine))->section, nullptr);
}

TEST_F(EditColorDialogsTest, TheSpacingDialogsSetTheLineAndTheWordSpace) {
  PutCaret(3);
  CommandWithDialog(ID_FORMAT_LINE_SPACING, "Extra Line Spacing", [&](HWND hDlg) {
    EXPECT_EQ(Text(hDlg, IDC_SPACING_VALUE), "0");
    TypeInto(hDlg, IDC_SPACING_VALUE, "150");
    Picture(hDlg, "editor_line_spacing");
    Click(hDlg, IDOK);
  });
  EXPECT_EQ(m_pDoc->Formatting().GetExtraLineSpacing(), 150);

  EXPECT_FALSE(MenuEnabled(ID_FORMAT_WORD_SPACING)) << "no selection, no blank";
  m_pDoc->Editor().SetSelection(CharAt(3), CharAt(kWordLast));  // "ain word"
  EXPECT_TRUE(MenuEnabled(ID_FORMAT_WORD_SPACING));
  CommandWithDialog(ID_FORMAT_WORD_SPACING, "Extra Inter-Word Spacing", [&](HWND hDlg) {
    for (int i = 1; i <= 3; i++) {
      ClickAt(SpinArrow(hDlg, true));
      EXPECT_TRUE(WaitFor([&] { return Text(hDlg, IDC_SPACING_VALUE) == std::to_string(i); }));
    }
    Picture(hDlg, "editor_word_spacing");
    Click(hDlg, IDOK);
  });
  EXPECT_EQ(m_pDoc->Formatting().GetExtraWordSpacing(), 3);
  Command(ID_EDIT_UNDO);
  m_pDoc->Editor().SetSelection(CharAt(3), CharAt(kWordLast));
  EXPECT_EQ(m_pDoc->Formatting().GetExtraWordSpacing(), 0);
  // Beyond the range the spin keeps to its end.
  PutCaret(3);
  CommandWithDialog(ID_FORMAT_LINE_SPACING, "Extra Line Spacing", [&](HWND hDlg) {
    EXPECT_EQ(Text(hDlg, IDC_SPACING_VALUE), "150");
    TypeInto(hDlg, IDC_SPACING_VALUE, "999");
    Click(hDlg, IDOK);
  });
  EXPECT_EQ(m_pDoc->Formatting().GetExtraLineSpacing(), 300);
}

}  // namespace color_dialogs
