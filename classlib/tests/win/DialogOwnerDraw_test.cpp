// Owner-drawn list box, combo box and button items are measured and drawn by
// their C++ objects: the dialog reflects WM_MEASUREITEM and WM_DRAWITEM to
// the controls bound by DDX_Control. A bitmap button loads the bitmaps named
// after its caption.
#include <algorithm>
#include <vector>

#include "classlib/tests/win/DialogTestSupport.h"
#include "classlib/win/CBitmapButton.h"
#include "classlib/win/CButton.h"
#include "classlib/win/CComboBox.h"
#include "classlib/win/CDC.h"
#include "classlib/win/CDataExchange.h"
#include "classlib/win/CDialog.h"
#include "classlib/win/CListBox.h"
#include "testing/win/WaitFor.h"
#include "testing/win/WindowCapture.h"

namespace dialog_owner_draw_test {

constexpr int kItemHeight = 18;
const COLORREF kSwatches[] = {RGB(255, 0, 0), RGB(0, 160, 0), RGB(0, 0, 255)};
const char* const kNames[] = {"Red", "Green", "Blue"};

// Each item is a swatch of the colour in its item data.
template <class TBase>
class CSwatches : public TBase {
 public:
  std::vector<UINT> m_drawn;
  int m_nMeasured = 0;
  void DrawItem(LPDRAWITEMSTRUCT lpDIS) override {
    if (lpDIS->itemID == static_cast<UINT>(-1)) return;
    m_drawn.push_back(lpDIS->itemID);
    CDC::FromHandle(lpDIS->hDC)
        ->FillSolidRect(&lpDIS->rcItem, static_cast<COLORREF>(lpDIS->itemData));
  }
  void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override {
    ++m_nMeasured;
    lpMIS->itemHeight = kItemHeight;
  }
};

class CSwatchButton : public CButton {
 public:
  int m_nDrawn = 0;
  void DrawItem(LPDRAWITEMSTRUCT lpDIS) override {
    ++m_nDrawn;
    CDC::FromHandle(lpDIS->hDC)->FillSolidRect(&lpDIS->rcItem, RGB(255, 200, 0));
  }
};

class COwnerDrawDlg : public CDialog {
 public:
  COwnerDrawDlg() : CDialog(IDD_DLGTEST_OWNERDRAW) {}
  CSwatches<CListBox> m_wndList;
  CSwatches<CComboBox> m_wndCombo;
  CSwatchButton m_wndButton;
  CBitmapButton m_wndPicture;

  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    for (int i = 0; i < 3; ++i) {
      m_wndList.SetItemData(m_wndList.AddString(kNames[i]), kSwatches[i]);
      m_wndCombo.SetItemData(m_wndCombo.AddString(kNames[i]), kSwatches[i]);
    }
    m_wndCombo.SetCurSel(1);
    m_wndPicture.AutoLoad(IDC_DLGTEST_PICTURE, this);
    return TRUE;
  }

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Control(pDX, IDC_DLGTEST_LIST, m_wndList);
    DDX_Control(pDX, IDC_DLGTEST_COMBO, m_wndCombo);
    DDX_Control(pDX, IDC_DLGTEST_DRAWN, m_wndButton);
  }
};

using Dlg = CScripted<COwnerDrawDlg>;
using DialogOwnerDrawTest = DialogTest;

bool Contains(const std::vector<UINT>& items, UINT item) {
  return std::find(items.begin(), items.end(), item) != items.end();
}

TEST_F(DialogOwnerDrawTest, ListComboAndButtonItemsAreDrawnByTheirObjects) {
  Dlg dlg;
  dlg.m_script = [](Dlg& d) {
    d.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN);
    EXPECT_EQ(3, d.m_wndList.m_nMeasured) << "a variable-height list measures each item";
    EXPECT_GE(d.m_wndCombo.m_nMeasured, 3);
    for (UINT i = 0; i < 3; ++i) EXPECT_TRUE(Contains(d.m_wndList.m_drawn, i)) << i;
    EXPECT_TRUE(Contains(d.m_wndCombo.m_drawn, 1U))
        << "the selection field shows the selected item";
    EXPECT_GT(d.m_wndButton.m_nDrawn, 0);

    // The bitmap button, painted last, tells when the dialog has reached the
    // screen.
    POINT ptRed = PointInCapture(d.m_hWnd, d.m_wndPicture.m_hWnd, 8, 8);
    POINT ptBlue = PointInCapture(d.m_hWnd, d.m_wndPicture.m_hWnd, 24, 8);
    RgbImage image;
    WaitFor([&] {
      image = CaptureWindow(d.m_hWnd);
      return image.PixelAt(ptBlue.x, ptBlue.y) == 0x0000FFU;
    });
    SaveScreenshot(image, "dialog_ownerdraw");
    for (int i = 0; i < 3; ++i) {
      RECT rc;
      d.m_wndList.GetItemRect(i, &rc);
      EXPECT_EQ(kItemHeight, rc.bottom - rc.top);
      POINT pt = PointInCapture(d.m_hWnd, d.m_wndList.m_hWnd, (rc.left + rc.right) / 2,
                                (rc.top + rc.bottom) / 2);
      EXPECT_EQ(CaptureColor(kSwatches[i]), image.PixelAt(pt.x, pt.y)) << "list item " << i;
    }
    RECT rcButton;
    d.m_wndButton.GetClientRect(&rcButton);
    POINT pt =
        PointInCapture(d.m_hWnd, d.m_wndButton.m_hWnd, rcButton.right / 2, rcButton.bottom / 2);
    EXPECT_EQ(0xFFC800U, image.PixelAt(pt.x, pt.y)) << "the owner-drawn button";
    // The bitmap button is as big as its bitmap, red square left, blue right.
    RECT rcPicture;
    d.m_wndPicture.GetClientRect(&rcPicture);
    EXPECT_EQ(32, rcPicture.right);
    EXPECT_EQ(16, rcPicture.bottom);
    EXPECT_EQ(0xFF0000U, image.PixelAt(ptRed.x, ptRed.y));
    EXPECT_EQ(0x0000FFU, image.PixelAt(ptBlue.x, ptBlue.y));
    d.EndDialog(IDOK);
  };
  EXPECT_EQ(IDOK, dlg.DoModal());
}

TEST_F(DialogOwnerDrawTest, BitmapButtonNeedsItsUpBitmapOnly) {
  CBitmapButton button;
  EXPECT_FALSE(button.LoadBitmaps("NOSUCHU", "PICD"));
  EXPECT_TRUE(button.LoadBitmaps("PICU", nullptr, "NOSUCHF"));
  EXPECT_NE(nullptr, button.m_bitmap.m_hObject);
  EXPECT_EQ(nullptr, button.m_bitmapFocus.m_hObject);
}

}  // namespace dialog_owner_draw_test
