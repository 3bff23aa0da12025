// The small shared controls on real windows: the keys they take, what they
// tell their parents, and what they draw.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/win/CFont.h"
#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/WindowDCs.h"
#include "classlib/win/HandleMap.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/tests/win/HebrewTestFonts.h"
#include "hebtext/win/CColorComboBox.h"
#include "hebtext/win/CFontInfo.h"
#include "hebtext/win/CHebEdit.h"
#include "hebtext/win/CHebTextComboBox.h"
#include "hebtext/win/CLabelEdit.h"
#include "hebtext/win/CMyButton.h"
#include "hebtext/win/CMyComboBox.h"
#include "hebtext/win/CMyNavButton.h"
#include "hebtext/win/CMyNotifyCtrl.h"
#include "hebtext/win/CMyWnd.h"
#include "hebtext/win/CPopupMenu.h"
#include "hebtext/win/DrawHelpers.h"
#include "hebtext/win/DrawItemFocusFrame.h"
#include "hebtext/win/SharedControlMessages.h"
#include "testing/win/WindowCapture.h"

namespace shared_controls_test {

struct Message {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  std::string text;  // of an LVN_ENDLABELEDIT; "(none)" for no text
};

// A parent (and main window) that keeps what its children tell it.
class RecordingParent : public CWnd {
 public:
  std::vector<Message> messages;

  std::vector<UINT> Kinds() const {
    std::vector<UINT> kinds;
    for (const Message& m : messages) kinds.push_back(m.message);
    return kinds;
  }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case kControlFocusMessage:
      case kNavArrowMessage:
      case kNotifyContextMenu:
      case kNotifyFocus:
      case WM_NEXTDLGCTL: messages.push_back({message, wParam, lParam, ""}); return 0;
      case WM_COMMAND:
        if (LOWORD(wParam) == ID_ACTIVE_DOCUMENT_FOCUS) {
          messages.push_back({message, wParam, lParam, ""});
          return 0;
        }
        break;
      case WM_NOTIFY: {
        auto* info = reinterpret_cast<NMLVDISPINFOA*>(lParam);
        if (info->hdr.code == LVN_ENDLABELEDITA) {
          messages.push_back({message, wParam, static_cast<LPARAM>(info->hdr.idFrom),
                              info->item.pszText != nullptr ? info->item.pszText : "(none)"});
          return 0;
        }
        break;
      }
    }
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

class SharedControlsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterHebrewFonts();
    s_pApp = new CWinApp("Zulta Tests");
    s_pParent = new RecordingParent;
    CreateShownParent(*s_pParent, "Shared controls", 400, 300);
    s_pApp->m_pMainWnd = s_pParent;
  }
  static void TearDownTestSuite() {
    s_pApp->m_pMainWnd = nullptr;
    s_pParent->DestroyWindow();
    delete s_pParent;
    delete s_pApp;
  }
  void SetUp() override {
    ::SetForegroundWindow(s_pParent->GetSafeHwnd());
    s_pParent->SetFocus();
    PumpPending();
    s_pParent->messages.clear();
  }
  void TearDown() override {
    PumpPending();
    CHandleMapBase::DeleteAllTemp();
  }
  static LPARAM Self(CWnd* pWnd) { return reinterpret_cast<LPARAM>(pWnd); }

  static CWinApp* s_pApp;
  static RecordingParent* s_pParent;
};

CWinApp* SharedControlsTest::s_pApp = nullptr;
RecordingParent* SharedControlsTest::s_pParent = nullptr;

TEST_F(SharedControlsTest, ColorComboBoxHoldsTheNamedColorsAndEscReturnsToTheDocument) {
  CColorComboBox combo;
  ASSERT_TRUE(
      combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED,
                   CRect(10, 10, 110, 200), s_pParent, 32804));
  ASSERT_EQ(CColorComboBox::kItemCount, combo.GetCount());
  const struct {
    int index;
    const char* name;
    COLORREF color;
  } rows[] = {{0, "Black", RGB(0, 0, 0)},        {1, "Maroon", RGB(128, 0, 0)},
              {6, "Teal", RGB(64, 128, 128)},    {8, "Silver", RGB(192, 192, 192)},
              {13, "Fuchsia", RGB(255, 0, 255)}, {15, "White", RGB(255, 255, 255)}};
  for (const auto& row : rows) {
    EXPECT_STREQ(row.name, CColorComboBox::GetColorName(row.index));
    EXPECT_EQ(row.color, static_cast<COLORREF>(combo.GetItemData(row.index))) << row.name;
  }
  EXPECT_EQ(static_cast<DWORD_PTR>(-1), combo.GetItemData(CColorComboBox::kMoreColors));
  EXPECT_EQ(0, combo.GetCurSel());
  EXPECT_EQ(130, combo.GetDroppedWidth());

  combo.SetCurSel(9);
  ::RedrawWindow(combo.GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  PumpPending();
  // The selection field, as the parent shows it: the swatch red inside a
  // black frame, the name beside it.
  const RgbImage image = CaptureWindow(s_pParent->GetSafeHwnd());
  SaveScreenshot(image, "color-combo-box");
  EXPECT_EQ(Ink::kRed, InkAt(image, 10 + 3 + 7, 10 + 11));

  combo.SetFocus();
  combo.SendMessage(WM_KEYDOWN, VK_ESCAPE, 1);
  PumpPending();
  ASSERT_EQ(std::vector<UINT>{WM_COMMAND}, s_pParent->Kinds());
  EXPECT_EQ(static_cast<WPARAM>(ID_ACTIVE_DOCUMENT_FOCUS), s_pParent->messages[0].wParam);
  combo.DestroyWindow();
}

TEST_F(SharedControlsTest, HebTextComboBoxDrawsPointedHebrewInTheEditsFont) {
  ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 10, 240, 200, 30, s_pParent->GetSafeHwnd(),
                    reinterpret_cast<HMENU>(1135), nullptr, nullptr);
  CHebEdit* pEdit = CreateHebEditInPlace(s_pParent, 1135, FALSE, 0);
  ASSERT_NE(nullptr, pEdit);
  CHebTextComboBox combo;
  combo.m_pEdit = pEdit;
  combo.m_hebrewFont = TRUE;
  using namespace HebCode;
  const char word[] = {static_cast<char>(Shin),     static_cast<char>(Qamats),
                       static_cast<char>(Lamed),    static_cast<char>(Holam),
                       static_cast<char>(FinalMem), 0};
  combo.m_items.Add(word);
  ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED,
                           CRect(10, 60, 200, 200), s_pParent, 1136));
  combo.AddString(nullptr);
  EXPECT_FALSE(combo.m_firstMeasure);

  Canvas canvas(190, 40);
  DRAWITEMSTRUCT dis = {};
  dis.CtlType = ODT_COMBOBOX;
  dis.itemID = 0;
  dis.itemAction = ODA_DRAWENTIRE;
  dis.itemState = ODS_SELECTED;
  dis.hDC = canvas.dc()->GetSafeHdc();
  dis.rcItem = {0, 0, 190, 40};
  combo.DrawItem(&dis);
  const RgbImage image = canvas.Capture();
  SaveScreenshot(image, "hebrew-text-combo-item");
  // Dark blue behind white letters drawn from the right edge.
  EXPECT_EQ(Ink::kBlue, InkAt(image, 5, 20));
  EXPECT_GT(CountPixels(image, RECT{95, 2, 185, 38}, IsColor(RGB(255, 255, 255))), 20);
  combo.SetCurSel(0);
  ::RedrawWindow(combo.GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  PumpPending();
  const RgbImage field = CaptureWindow(combo.GetSafeHwnd());
  SaveScreenshot(field, "hebrew-text-combo-box");
  // The word in black on white in the selection field, left of the drop button.
  const RECT text = {3, 3, field.width - 20, field.height - 3};
  const int area = (text.right - text.left) * (text.bottom - text.top);
  EXPECT_GT(CountPixels(field, text, IsColor(RGB(255, 255, 255))), area / 2);
  EXPECT_GT(CountPixels(field, text, IsInk(Ink::kBlack)), 20);
  combo.DestroyWindow();
  delete pEdit;
}

TEST_F(SharedControlsTest, FocusFrameColors) {
  const struct {
    UINT itemID;
    UINT state;
    uint32_t topMiddle;
  } rows[] = {
      {0, ODS_SELECTED, 0x0000A0},
      {static_cast<UINT>(-1), ODS_SELECTED, 0xFFFFFF},
      {0, 0, 0xFFFFFF},
      {0, ODS_FOCUS, 0xC0C0C0},
  };
  for (const auto& row : rows) {
    Canvas canvas(40, 20);
    canvas.dc()->FillSolidRect(0, 0, 40, 20, RGB(0, 128, 0));
    DRAWITEMSTRUCT dis = {};
    dis.itemID = row.itemID;
    dis.itemState = row.state;
    dis.hDC = canvas.dc()->GetSafeHdc();
    dis.rcItem = {0, 0, 40, 20};
    DrawItemFocusFrame(&dis);
    const RgbImage image = canvas.Capture();
    // A dotted pen leaves gaps: one of two neighbours carries it.
    const bool found =
        image.PixelAt(20, 0) == row.topMiddle || image.PixelAt(21, 0) == row.topMiddle;
    EXPECT_TRUE(found) << row.state;
    EXPECT_EQ(0x008000u, image.PixelAt(20, 10));  // not filled
  }
}

TEST_F(SharedControlsTest, ComboAndButtonsReportKeysAndFocus) {
  CMyComboBox combo;
  ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 10, 100, 100),
                           s_pParent, 501));
  EXPECT_EQ(static_cast<LRESULT>(DLGC_WANTALLKEYS), combo.SendMessage(WM_GETDLGCODE));
  combo.SetFocus();
  combo.SendMessage(WM_KEYDOWN, VK_TAB, 1);
  ASSERT_EQ((std::vector<UINT>{kControlFocusMessage, WM_NEXTDLGCTL}), s_pParent->Kinds());
  EXPECT_EQ(static_cast<WPARAM>(reinterpret_cast<UINT_PTR>(&combo)), s_pParent->messages[0].wParam);
  EXPECT_EQ(0u, s_pParent->messages[1].wParam);
  s_pParent->messages.clear();

  CMyNavButton button;
  ASSERT_TRUE(button.Create("Go", WS_CHILD | WS_VISIBLE, CRect(10, 120, 80, 140), s_pParent, 502));
  EXPECT_EQ(static_cast<LRESULT>(DLGC_WANTARROWS | DLGC_WANTTAB),
            button.SendMessage(WM_GETDLGCODE));
  button.SetFocus();
  BYTE keys[256];
  ::GetKeyboardState(keys);
  BYTE shifted[256];
  memcpy(shifted, keys, sizeof(keys));
  shifted[VK_SHIFT] = 0x80;
  ::SetKeyboardState(shifted);
  button.SendMessage(WM_KEYDOWN, VK_TAB, 1);
  ::SetKeyboardState(keys);
  button.SendMessage(WM_KEYDOWN, VK_DOWN, 1);
  ASSERT_EQ((std::vector<UINT>{kControlFocusMessage, WM_NEXTDLGCTL, kNavArrowMessage}),
            s_pParent->Kinds());
  EXPECT_EQ(1u, s_pParent->messages[1].wParam);  // Shift+Tab: the previous control
  EXPECT_EQ(static_cast<WPARAM>(VK_DOWN), s_pParent->messages[2].wParam);
  EXPECT_EQ(Self(&button), s_pParent->messages[2].lParam);
  combo.DestroyWindow();
  button.DestroyWindow();
}

TEST_F(SharedControlsTest, NotifyControlAndPlainWindowReportFocusAndContextMenus) {
  CMyNotifyCtrl notify;
  ASSERT_TRUE(
      notify.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 60, 60), s_pParent, 601));
  CMyWnd plain;
  ASSERT_TRUE(
      plain.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(70, 10, 120, 60), s_pParent, 602));
  notify.SetFocus();
  notify.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(notify.GetSafeHwnd()),
                     MAKELPARAM(33, 44));
  plain.SetFocus();
  ASSERT_EQ((std::vector<UINT>{kNotifyFocus, kControlFocusMessage, kNotifyContextMenu,
                               kControlFocusMessage}),
            s_pParent->Kinds());
  EXPECT_EQ(601u, s_pParent->messages[0].wParam);
  EXPECT_EQ(Self(&notify), s_pParent->messages[0].lParam);
  EXPECT_EQ(601u, s_pParent->messages[2].wParam);
  EXPECT_EQ(MAKELPARAM(33, 44), s_pParent->messages[2].lParam);
  EXPECT_EQ(static_cast<WPARAM>(reinterpret_cast<UINT_PTR>(&plain)), s_pParent->messages[3].wParam);
  notify.DestroyWindow();
  plain.DestroyWindow();
}

// The list the label editor sits in: a child of the recording parent.
struct LabelCase {
  const char* name;
  std::string typed;
  UINT endKey;  // 0: the focus moves elsewhere
  std::string reported;
};

TEST_F(SharedControlsTest, LabelEditReportsTheTextOnlyWhenEndedWithEnter) {
  const LabelCase cases[] = {
      {"Enter", "abc", VK_RETURN, "Itemabc"},
      {"Esc", "abc", VK_ESCAPE, "(none)"},
      {"clicked elsewhere", "abc", 0, "(none)"},
  };
  for (const LabelCase& c : cases) {
    SCOPED_TRACE(c.name);
    CWnd list;
    ASSERT_TRUE(
        list.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 210, 110), s_pParent, 700));
    s_pParent->messages.clear();
    CLabelEdit* pEdit = new CLabelEdit(3, 1, "Item");
    ASSERT_TRUE(pEdit->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL,
                              CRect(5, 5, 60, 25), &list, 701));
    EXPECT_EQ(pEdit->GetSafeHwnd(), ::GetFocus());
    pEdit->SendMessage(EM_SETSEL, 4, 4);
    for (char ch : c.typed) pEdit->SendMessage(WM_CHAR, static_cast<BYTE>(ch), 1);
    if (c.endKey != 0) {
      pEdit->SendMessage(WM_CHAR, c.endKey, 1);
    } else {
      s_pParent->SetFocus();
    }
    PumpPending();
    ASSERT_EQ(std::vector<UINT>{WM_NOTIFY}, s_pParent->Kinds());
    EXPECT_EQ(700u, s_pParent->messages[0].wParam);
    EXPECT_EQ(701, s_pParent->messages[0].lParam);
    EXPECT_EQ(c.reported, s_pParent->messages[0].text);
    EXPECT_EQ(nullptr, ::GetDlgItem(list.GetSafeHwnd(), 701));  // destroyed and deleted
    list.DestroyWindow();
  }
}

TEST_F(SharedControlsTest, LabelEditWidensWithItsTextUpToTheListsEdge) {
  CWnd list;
  ASSERT_TRUE(
      list.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 210, 110), s_pParent, 700));
  CLabelEdit* pEdit = new CLabelEdit(0, 0, "");
  ASSERT_TRUE(pEdit->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL,
                            CRect(120, 5, 150, 25), &list, 701));
  int lastWidth = 30;
  bool grew = false;
  for (int i = 0; i < 60; ++i) {
    pEdit->SendMessage(WM_CHAR, 'W', 1);
    CRect rect;
    pEdit->GetWindowRect(&rect);
    list.ScreenToClient(&rect);
    EXPECT_LE(rect.right, 200);
    grew = grew || rect.Width() > lastWidth;
    lastWidth = rect.Width();
  }
  EXPECT_TRUE(grew);
  EXPECT_EQ(80, lastWidth);  // stopped at the list's right edge
  pEdit->SendMessage(WM_CHAR, VK_ESCAPE, 1);
  PumpPending();
  list.DestroyWindow();
}

TEST_F(SharedControlsTest, PopupMenuMeasuresAndDrawsItsStrings) {
  CFontInfo font;
  {
    CClientDC screen(nullptr);
    font.Set(&screen, "Times New Roman", 12, 0, TRUE);
  }
  CPopupMenu menu(s_pParent, &font);
  ASSERT_NE(nullptr, menu.GetSafeHmenu());
  static const char kItem[] = "Lexicon";
  {
    std::string passing = kItem;  // gone before the menu draws
    ASSERT_TRUE(menu.AppendItem(900, passing.c_str()));
  }
  MENUITEMINFOA info = {};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_DATA | MIIM_FTYPE;
  ASSERT_TRUE(::GetMenuItemInfoA(menu.GetSafeHmenu(), 900, FALSE, &info));
  EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
  EXPECT_STREQ(kItem, reinterpret_cast<const char*>(info.dwItemData));
  MEASUREITEMSTRUCT mis = {};
  mis.CtlType = ODT_MENU;
  mis.itemData = info.dwItemData;
  menu.MeasureItem(&mis);
  CClientDC screen(nullptr);
  HGDIOBJ old = ::SelectObject(screen.GetSafeHdc(), font.GetFont()->GetSafeHandle());
  SIZE extent;
  ::GetTextExtentPoint32A(screen.GetSafeHdc(), kItem, 7, &extent);
  ::SelectObject(screen.GetSafeHdc(), old);
  EXPECT_EQ(static_cast<UINT>(extent.cx + 2), mis.itemWidth);
  EXPECT_EQ(static_cast<UINT>(extent.cy + 2), mis.itemHeight);

  Canvas canvas(mis.itemWidth, mis.itemHeight);
  DRAWITEMSTRUCT dis = {};
  dis.CtlType = ODT_MENU;
  dis.itemAction = ODA_DRAWENTIRE;
  dis.itemState = ODS_SELECTED;
  dis.itemData = mis.itemData;
  dis.hDC = canvas.dc()->GetSafeHdc();
  dis.rcItem = {0, 0, static_cast<LONG>(mis.itemWidth), static_cast<LONG>(mis.itemHeight)};
  menu.DrawItem(&dis);
  const RgbImage image = canvas.Capture();
  const uint32_t highlight = CaptureColor(::GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(highlight, image.PixelAt(0, 0));
  EXPECT_GT(CountPixels(image, [&](uint32_t pixel) { return pixel != highlight; }), 10);
}

TEST_F(SharedControlsTest, ButtonBitmapsTakeTheButtonFace) {
  CMyButton button;
  ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 40, 40),
                            s_pParent, 801));
  CClientDC screen(nullptr);
  for (CBitmap* pBitmap : {&button.m_bitmap, &button.m_bitmapSel}) {
    pBitmap->Attach(::CreateCompatibleBitmap(screen.GetSafeHdc(), 24, 24));
    HDC hDC = ::CreateCompatibleDC(screen.GetSafeHdc());
    HGDIOBJ old = ::SelectObject(hDC, pBitmap->GetSafeHandle());
    ::PatBlt(hDC, 0, 0, 24, 24, WHITENESS);
    ::SelectObject(hDC, old);
    ::DeleteDC(hDC);
  }
  button.RecolorBitmaps(-1, -1, kRecolorEveryPixel);
  for (CBitmap* pBitmap : {&button.m_bitmap, &button.m_bitmapSel}) {
    HDC hDC = ::CreateCompatibleDC(screen.GetSafeHdc());
    HGDIOBJ old = ::SelectObject(hDC, pBitmap->GetSafeHandle());
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), ::GetPixel(hDC, 10, 10));
    ::SelectObject(hDC, old);
    ::DeleteDC(hDC);
  }
  button.DestroyWindow();
}

}  // namespace shared_controls_test
