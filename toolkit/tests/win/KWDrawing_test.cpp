// The shared drawing and window helpers.
#include "toolkit/win/KWDrawing.h"

#include <gtest/gtest.h>

#include "classlib/win/AfxState.h"
#include "classlib/win/CBitmap.h"
#include "classlib/win/CCreateContext.h"
#include "classlib/win/CFont.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/HandleMap.h"
#include "classlib/win/CImageList.h"
#include "classlib/win/CWnd.h"
#include "testing/win/WindowCapture.h"
#include "toolkit/core/CKWRgb.h"
#include "toolkit/tests/win/TestSurface.h"
#include "toolkit/win/CKWGlobalData.h"
#include "toolkit/win/CKWResourceScope.h"
#include "toolkit/win/KWWindowHelpers.h"

namespace kw_drawing_test {

// A window class created from its run-time class, recording its creation context.
class TestPane : public CWnd {
  DECLARE_DYNCREATE(TestPane)

 public:
  BOOL Create(LPCSTR, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
              UINT nID, LPVOID lpParam) override {
    const CCreateContext* pContext = static_cast<const CCreateContext*>(lpParam);
    m_pViewClass = pContext->m_pNewViewClass;
    m_pDocument = pContext->m_pCurrentDoc;
    return CWnd::Create("STATIC", lpszWindowName, dwStyle, rect, pParentWnd, nID, lpParam);
  }
  CRuntimeClass* m_pViewClass = nullptr;
  CDocument* m_pDocument = nullptr;
};
IMPLEMENT_DYNCREATE(TestPane, CWnd)

COLORREF Darkened(COLORREF color, int percent) {
  return CKWRgb(color).Blend(CKWRgb::black, percent).Get();
}

TEST(DrawItemShadow, DarkensFourPixelBandsInsideTheRightAndBottomEdges) {
  Surface surface;
  DrawItemShadow(surface.dc(), 10, 10, 40, 30, 100);
  // Column 36 (the innermost) is darkest, column 39 lightest.
  struct {
    int x, y, percent;
  } const cases[] = {
      {36, 14, 36},
      {37, 20, 27},
      {38, 29, 18},
      {39, 29, 9},  // the right band, from top + 4
      {14, 26, 36},
      {20, 27, 27},
      {35, 28, 18},
      {35, 29, 9},  // the bottom band, left + 4 to right
                    // - 4
      {36, 13, 0},
      {13, 28, 0},
      {40, 20, 0},
      {20, 30, 0},
      {20, 25, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(surface.At(c.x, c.y), Darkened(kWhite, c.percent)) << c.x << "," << c.y;

  Surface half;
  DrawItemShadow(half.dc(), 10, 10, 40, 30, 50);
  EXPECT_EQ(half.At(36, 20), Darkened(kWhite, 18));
  SaveScreenshot(CaptureDC(surface.hdc(), 0, 0, kSize, kSize), "toolkit_item_shadow");
}

TEST(DrawItemShadow, StaysOnTheSurface) {
  Surface surface;
  DrawItemShadow(surface.dc(), 40, 40, kSize + 2, kSize + 20, 100);
  // The right band's two inner columns lie on the surface, its bottom band below it.
  EXPECT_EQ(surface.At(kSize - 2, kSize - 1), Darkened(kWhite, 36));
  EXPECT_EQ(surface.At(kSize - 1, kSize - 1), Darkened(kWhite, 27));
  EXPECT_EQ(surface.At(50, 50), kWhite);
}

TEST(FillDither, AlternatesFaceAndHighlightPixels) {
  Surface surface;
  const CKWGlobalData& data = KWGetGlobalData();
  FillDither(surface.dc(), CRect(8, 8, 24, 24));
  for (int y = 8; y < 24; ++y) {
    for (int x = 8; x < 23; ++x) {
      COLORREF a = surface.At(x, y), b = surface.At(x + 1, y);
      EXPECT_TRUE((a == data.clrBtnFace && b == data.clrBtnHilite) ||
                  (a == data.clrBtnHilite && b == data.clrBtnFace))
          << x << "," << y;
    }
  }
  EXPECT_EQ(surface.At(7, 8), kWhite);
  EXPECT_EQ(surface.At(24, 8), kWhite);
}

TEST(DrawEmbossed, DarkPixelsInShadowWithAHighlightBelowRight) {
  Surface surface;
  const CKWGlobalData& data = KWGetGlobalData();
  surface.dc()->FillSolidRect(0, 0, kSize, kSize, data.clrBtnFace);
  CImageList images;
  ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 0));
  // A black square on white, white being the mask colour.
  Surface image(0, 16, 16);
  image.dc()->FillSolidRect(4, 4, 8, 8, RGB(0, 0, 0));
  HBITMAP hImage = static_cast<HBITMAP>(::GetCurrentObject(image.hdc(), OBJ_BITMAP));
  CBitmap bitmap;
  bitmap.Attach(::CopyImage(hImage, IMAGE_BITMAP, 0, 0, 0));
  ASSERT_EQ(images.Add(&bitmap, kWhite), 0);
  DrawEmbossed(surface.dc(), images, 0, 20, 20, TRUE);
  EXPECT_EQ(surface.At(24, 24), data.clrBtnShadow);
  EXPECT_EQ(surface.At(31, 31), data.clrBtnShadow);
  EXPECT_EQ(surface.At(32, 32), data.clrBtnHilite);
  EXPECT_EQ(surface.At(23, 23), data.clrBtnFace);
  EXPECT_EQ(surface.At(36, 36), data.clrBtnFace);
  SaveScreenshot(CaptureDC(surface.hdc(), 0, 0, kSize, kSize), "toolkit_embossed");
}

TEST(WindowHelpers, FitDialogToFontScalesChildrenByTheCellsAndKeepsTheCentre) {
  HWND hDialog = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_BORDER, 100, 100, 300, 200,
                                   nullptr, nullptr, nullptr, nullptr);
  HWND hChild = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 10, 20, 50, 30, hDialog,
                                  nullptr, nullptr, nullptr);
  CFont small, large;
  ASSERT_TRUE(small.CreatePointFont(80, "Arial"));
  ASSERT_TRUE(large.CreatePointFont(160, "Arial"));
  ::SendMessageA(hDialog, WM_SETFONT, reinterpret_cast<WPARAM>(small.GetSafeHandle()), FALSE);
  auto cell = [&](CFont& font) {
    HDC hDC = ::GetDC(hDialog);
    HGDIOBJ hOld = ::SelectObject(hDC, font.GetSafeHandle());
    TEXTMETRICA tm;
    ::GetTextMetricsA(hDC, &tm);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(hDialog, hDC);
    return CSize(tm.tmAveCharWidth, tm.tmHeight + tm.tmExternalLeading);
  };
  CSize from = cell(small), to = cell(large);
  CRect before;
  ::GetWindowRect(hDialog, &before);
  FitDialogToFont(CWnd::FromHandle(hDialog), &large);

  CRect child;
  ::GetWindowRect(hChild, &child);
  ::MapWindowPoints(nullptr, hDialog, reinterpret_cast<POINT*>(&child), 2);
  EXPECT_EQ(child.left, 10 * to.cx / from.cx);
  EXPECT_EQ(child.top, 20 * to.cy / from.cy);
  EXPECT_EQ(child.right, 60 * to.cx / from.cx);
  EXPECT_EQ(child.bottom, 50 * to.cy / from.cy);
  EXPECT_EQ(::SendMessageA(hChild, WM_GETFONT, 0, 0),
            reinterpret_cast<LRESULT>(large.GetSafeHandle()));
  CRect after;
  ::GetWindowRect(hDialog, &after);
  EXPECT_LE(abs(after.CenterPoint().x - before.CenterPoint().x), 1);
  EXPECT_LE(abs(after.CenterPoint().y - before.CenterPoint().y), 1);
  EXPECT_GT(after.Width(), before.Width());
  ::DestroyWindow(hDialog);
  CHandleMapBase::DeleteAllTemp();
}

TEST(WindowHelpers, ChildWindowFromPointTakesTheFirstVisibleChildWithAnId) {
  HWND hParent = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                                   nullptr, nullptr);
  auto child = [&](int id, DWORD style, int x) {
    return ::CreateWindowExA(0, "STATIC", "", WS_CHILD | style, x, 0, 40, 40, hParent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  };
  HWND hIgnored = child(0xFFFF, WS_VISIBLE, 0);
  HWND hHidden = child(5, 0, 0);
  HWND hFound = child(6, WS_VISIBLE, 0);
  child(7, WS_VISIBLE, 100);
  CWnd* pParent = CWnd::FromHandle(hParent);
  CWnd* pHit = ChildWindowFromPoint(pParent, CPoint(10, 10));
  ASSERT_NE(pHit, nullptr);
  EXPECT_EQ(pHit->GetSafeHwnd(), hFound);
  EXPECT_NE(hIgnored, hFound);
  EXPECT_NE(hHidden, hFound);
  EXPECT_EQ(ChildWindowFromPoint(pParent, CPoint(60, 60)), nullptr);
  ::DestroyWindow(hParent);
  CHandleMapBase::DeleteAllTemp();
}

TEST(WindowHelpers, CreateWindowFromClassMakesAChildOwnedByItsParentOrTheOwnerGiven) {
  CWnd parent, owner;
  ASSERT_TRUE(parent.CreateEx(0, "STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
  ASSERT_TRUE(owner.CreateEx(0, "STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
  CDocument* pDocument = reinterpret_cast<CDocument*>(&owner);  // only passed along
  CWnd* pWnd = CreateWindowFromClass(&parent, RUNTIME_CLASS(TestPane), pDocument, nullptr, WS_CHILD,
                                     nullptr, 1234);
  ASSERT_NE(pWnd, nullptr);
  TestPane* pPane = static_cast<TestPane*>(pWnd);
  EXPECT_TRUE(pPane->IsKindOf(RUNTIME_CLASS(TestPane)));
  EXPECT_EQ(pPane->GetDlgCtrlID(), 1234);
  EXPECT_EQ(::GetParent(pPane->GetSafeHwnd()), parent.GetSafeHwnd());
  EXPECT_EQ(pPane->GetOwner()->GetSafeHwnd(), parent.GetSafeHwnd());
  EXPECT_EQ(pPane->m_pViewClass, RUNTIME_CLASS(TestPane));
  EXPECT_EQ(pPane->m_pDocument, pDocument);
  pPane->DestroyWindow();
  delete pPane;

  pWnd = CreateWindowFromClass(&parent, RUNTIME_CLASS(TestPane), nullptr, nullptr, WS_CHILD, &owner,
                               5);
  ASSERT_NE(pWnd, nullptr);
  EXPECT_EQ(pWnd->GetOwner()->GetSafeHwnd(), owner.GetSafeHwnd());
  pWnd->DestroyWindow();
  delete pWnd;
  parent.DestroyWindow();
  owner.DestroyWindow();
  CHandleMapBase::DeleteAllTemp();
}

TEST(WindowHelpers, TheModuleScopeInstallsTheToolkitsHandlesUntilReleased) {
  AFX_MODULE_STATE* pState = AfxGetModuleState();
  const HINSTANCE hResource = pState->m_hCurrentResourceHandle;
  const HINSTANCE hInstance = pState->m_hCurrentInstanceHandle;
  HINSTANCE hToolkit = ::GetModuleHandleA("comctl32.dll");
  KWSetResourceHandles(hToolkit, hToolkit);
  {
    CKWModuleResourceScope scope;
    EXPECT_EQ(pState->m_hCurrentResourceHandle, hToolkit);
    // The instance handle is the toolkit's only where the module had none.
    EXPECT_EQ(pState->m_hCurrentInstanceHandle, hInstance != nullptr ? hInstance : hToolkit);
    scope.Release();
    EXPECT_EQ(pState->m_hCurrentResourceHandle, hResource);
    scope.Release();
  }
  EXPECT_EQ(pState->m_hCurrentResourceHandle, hResource);
  EXPECT_EQ(pState->m_hCurrentInstanceHandle, hInstance);
  KWSetResourceHandles(nullptr, nullptr);
}

TEST(WindowHelpers, SmallHelpers) {
  EXPECT_STREQ(TextAfterBackslash("Software\\Zulta\\Settings"), "Zulta\\Settings");
  EXPECT_STREQ(TextAfterBackslash("NoBackslash"), "");
  EXPECT_STREQ(TextAfterBackslash(nullptr), "");
  MENUITEMINFOA info;
  memset(&info, 0xCC, sizeof info);
  InitMenuItemInfo(&info);
  EXPECT_EQ(info.cbSize, offsetof(MENUITEMINFOA, hbmpItem));
  EXPECT_EQ(info.fMask, 0u);
  CKWLibrary library("COMCTL32.DLL");
  EXPECT_NE(library.GetHandle(), nullptr);
  EXPECT_FALSE(library.Load("no such library.dll"));
  EXPECT_EQ(library.GetHandle(), nullptr);
}

TEST(WindowHelpers, TheResourceScopeSwitchesOnlyWhenToolkitResourcesAreNamed) {
  HINSTANCE hProgram = AfxGetResourceHandle();
  {
    CKWResourceScope scope;
    EXPECT_EQ(AfxGetResourceHandle(), hProgram);
  }
  HINSTANCE hToolkit = ::GetModuleHandleA("comctl32.dll");
  KWSetResourceHandles(hToolkit, hToolkit);
  {
    CKWResourceScope scope;
    EXPECT_EQ(AfxGetResourceHandle(), hToolkit);
  }
  EXPECT_EQ(AfxGetResourceHandle(), hProgram);
  KWSetResourceHandles(nullptr, nullptr);
}

}  // namespace kw_drawing_test
