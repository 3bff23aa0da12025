// GDI objects: creation, selection into a DC, SaveDC/RestoreDC and the
// permanent and temporary objects found by handle.
#include <gtest/gtest.h>

#include <cstring>

#include "classlib/core/CResourceException.h"
#include "classlib/tests/win/GdiTestIds.h"
#include "classlib/tests/win/MemoryDCFixture.h"
#include "classlib/win/CBrush.h"
#include "classlib/win/CFont.h"
#include "classlib/win/CPen.h"
#include "classlib/win/CRgn.h"

namespace {

using GdiObjectTest = MemoryDCTest;

TEST_F(GdiObjectTest, SelectObjectGivesThePreviousObjectAsTheProgramsOwnObject) {
  CPen first(PS_SOLID, 1, kRed);
  CPen second(PS_DASH, 1, kBlue);
  CPen* pOriginal = m_dc.SelectObject(&first);
  ASSERT_NE(nullptr, pOriginal);
  // The DC's own pen was never wrapped: it comes back as a temporary pen.
  EXPECT_TRUE(pOriginal->IsKindOf(RUNTIME_CLASS(CPen)));
  EXPECT_EQ(::GetStockObject(BLACK_PEN), pOriginal->m_hObject);
  EXPECT_EQ(&first, m_dc.SelectObject(&second));
  EXPECT_EQ(&second, m_dc.GetCurrentPen());
  EXPECT_EQ(&second, m_dc.SelectObject(pOriginal));
}

TEST_F(GdiObjectTest, EachKindOfObjectComesBackAsItsOwnClass) {
  CBrush brush(kGreen);
  CFont font;
  ASSERT_TRUE(font.CreatePointFont(100, "Arial"));
  CBrush* pOldBrush = m_dc.SelectObject(&brush);
  CFont* pOldFont = m_dc.SelectObject(&font);
  EXPECT_TRUE(pOldBrush->IsKindOf(RUNTIME_CLASS(CBrush)));
  EXPECT_TRUE(pOldFont->IsKindOf(RUNTIME_CLASS(CFont)));
  EXPECT_TRUE(m_pOldBitmap->IsKindOf(RUNTIME_CLASS(CBitmap)));
  EXPECT_EQ(&brush, m_dc.GetCurrentBrush());
  EXPECT_EQ(&font, m_dc.GetCurrentFont());
  EXPECT_EQ(&m_bitmap, m_dc.GetCurrentBitmap());

  CGdiObject* pStock = m_dc.SelectStockObject(WHITE_BRUSH);
  EXPECT_EQ(&brush, pStock);
  EXPECT_EQ(::GetStockObject(WHITE_BRUSH), m_dc.SelectObject(pOldBrush)->m_hObject);
  EXPECT_EQ(&font, m_dc.SelectObject(pOldFont));
}

TEST_F(GdiObjectTest, SelectingANullObjectChangesNothing) {
  CPen pen(PS_SOLID, 1, kRed);
  m_dc.SelectObject(&pen);
  EXPECT_EQ(nullptr, m_dc.SelectObject(static_cast<CPen*>(nullptr)));
  EXPECT_EQ(&pen, m_dc.GetCurrentPen());
  m_dc.SelectStockObject(BLACK_PEN);
}

TEST_F(GdiObjectTest, SettersReachBothDCsAndQueriesAskTheAttributeDC) {
  CDC attributes;
  ASSERT_TRUE(attributes.CreateCompatibleDC(&m_dc));
  CDC split;
  split.SetOutputDC(m_dc.m_hDC);
  split.SetAttribDC(attributes.m_hDC);
  EXPECT_EQ(kBlack, split.SetTextColor(kRed));
  EXPECT_EQ(kRed, m_dc.GetTextColor());
  EXPECT_EQ(kRed, attributes.GetTextColor());
  split.SetMapMode(MM_LOMETRIC);
  EXPECT_EQ(MM_LOMETRIC, m_dc.GetMapMode());
  EXPECT_EQ(MM_LOMETRIC, attributes.GetMapMode());
  m_dc.SetMapMode(MM_TEXT);

  ::SetBkColor(attributes.m_hDC, kBlue);
  EXPECT_EQ(kBlue, split.GetBkColor());
  // Output goes to the output DC only.
  split.FillSolidRect(0, 0, 2, 2, kGreen);
  EXPECT_EQ(kGreen, m_dc.GetPixel(1, 1));
  split.ReleaseOutputDC();
  split.ReleaseAttribDC();
}

TEST_F(GdiObjectTest, RestoreDCBringsBackColoursModesAndObjects) {
  CPen pen(PS_SOLID, 1, kRed);
  m_dc.SetTextColor(kBlue);
  m_dc.SetBkMode(OPAQUE);
  int saved = m_dc.SaveDC();
  ASSERT_NE(0, saved);
  CPen* pBefore = m_dc.SelectObject(&pen);
  m_dc.SetTextColor(kGreen);
  m_dc.SetBkMode(TRANSPARENT);
  m_dc.SetROP2(R2_XORPEN);
  ASSERT_TRUE(m_dc.RestoreDC(saved));
  EXPECT_EQ(kBlue, m_dc.GetTextColor());
  EXPECT_EQ(OPAQUE, m_dc.GetBkMode());
  EXPECT_EQ(R2_COPYPEN, m_dc.GetROP2());
  EXPECT_EQ(pBefore, m_dc.GetCurrentPen());
  // -1 is the most recent save; there is none left.
  EXPECT_FALSE(m_dc.RestoreDC(-1));
}

TEST_F(GdiObjectTest, TemporaryObjectsAreSharedUntilTheTempMapGoesAndLeaveTheHandleAlone) {
  HPEN hPen = ::CreatePen(PS_SOLID, 1, kRed);
  CPen* pTemp = CPen::FromHandle(hPen);
  ASSERT_NE(nullptr, pTemp);
  EXPECT_EQ(hPen, pTemp->m_hObject);
  EXPECT_EQ(pTemp, CGdiObject::FromHandle(hPen));
  CGdiObject::DeleteTempMap();
  LOGPEN logPen = {};
  EXPECT_EQ(static_cast<int>(sizeof(logPen)), ::GetObjectA(hPen, sizeof(logPen), &logPen))
      << "deleting the temporary object deleted the pen";
  EXPECT_EQ(kRed, logPen.lopnColor);

  // Once attached, the handle is found as the permanent object until detached.
  CPen owner;
  ASSERT_TRUE(owner.Attach(hPen));
  EXPECT_EQ(&owner, CPen::FromHandle(hPen));
  EXPECT_EQ(hPen, owner.Detach());
  EXPECT_NE(&owner, CPen::FromHandle(hPen));
  EXPECT_EQ(nullptr, CGdiObject::FromHandle(nullptr));
  CGdiObject::DeleteTempMap();
  EXPECT_TRUE(::DeleteObject(hPen));
}

TEST_F(GdiObjectTest, TemporaryDCsWrapAHandleWithoutOwningIt) {
  HDC hDC = ::CreateCompatibleDC(nullptr);
  CDC* pTemp = CDC::FromHandle(hDC);
  ASSERT_NE(nullptr, pTemp);
  EXPECT_EQ(hDC, pTemp->m_hDC);
  EXPECT_EQ(hDC, pTemp->m_hAttribDC);
  EXPECT_EQ(pTemp, CDC::FromHandle(hDC));
  CDC::DeleteTempMap();
  EXPECT_NE(0, ::GetDeviceCaps(hDC, BITSPIXEL)) << "the temporary object deleted the DC";

  EXPECT_EQ(&m_dc, CDC::FromHandle(m_dc.m_hDC));
  CDC owner;
  ASSERT_TRUE(owner.Attach(hDC));
  EXPECT_EQ(&owner, CDC::FromHandle(hDC));
  EXPECT_TRUE(owner.DeleteDC());
  EXPECT_EQ(nullptr, owner.m_hDC);
  EXPECT_FALSE(owner.DeleteDC());
}

TEST_F(GdiObjectTest, PointFontsAreSizedByTheDevicesResolution) {
  CFont font;
  ASSERT_TRUE(font.CreatePointFont(120, "Arial", &m_dc));
  LOGFONT logFont = {};
  ASSERT_EQ(static_cast<int>(sizeof(logFont)), font.GetLogFont(&logFont));
  EXPECT_EQ(-::MulDiv(12, m_dc.GetDeviceCaps(LOGPIXELSY), 72), logFont.lfHeight);
  EXPECT_STREQ("Arial", logFont.lfFaceName);

  logFont.lfWeight = FW_BOLD;
  CFont bold;
  ASSERT_TRUE(bold.CreateFontIndirect(&logFont));
  LOGFONT back = {};
  bold.GetLogFont(&back);
  EXPECT_EQ(FW_BOLD, back.lfWeight);
  EXPECT_EQ(logFont.lfHeight, back.lfHeight);
}

TEST_F(GdiObjectTest, BrushesOfEachKind) {
  CBitmap pattern;
  static const WORD kBits[8] = {0xFF, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0};
  ASSERT_TRUE(pattern.CreateBitmap(8, 8, 1, 1, kBits));
  struct Case {
    const char* name;
    CBrush* brush;
    UINT style;
  };
  CBrush solid(kRed);
  CBrush hatch(HS_CROSS, kBlue);
  CBrush patterned(&pattern);
  const Case cases[] = {{"solid", &solid, BS_SOLID},
                        {"hatch", &hatch, BS_HATCHED},
                        {"pattern", &patterned, BS_PATTERN}};
  for (const Case& c : cases) {
    LOGBRUSH logBrush = {};
    ASSERT_NE(0, c.brush->GetLogBrush(&logBrush)) << c.name;
    EXPECT_EQ(c.style, logBrush.lbStyle) << c.name;
  }
  LOGBRUSH logBrush = {};
  hatch.GetLogBrush(&logBrush);
  EXPECT_EQ(static_cast<ULONG_PTR>(HS_CROSS), logBrush.lbHatch);
  EXPECT_EQ(kBlue, logBrush.lbColor);
}

TEST_F(GdiObjectTest, APenThatCannotBeMadeThrows) {
  bool thrown = false;
  try {
    LOGBRUSH logBrush = {BS_SOLID, kRed, 0};
    // A cosmetic pen cannot be wider than one pixel.
    CPen pen(PS_COSMETIC | PS_SOLID, 5, &logBrush);
  } catch (CResourceException* e) {
    thrown = true;
    e->Delete();
  }
  EXPECT_TRUE(thrown);
}

TEST_F(GdiObjectTest, BitmapsFromResourcesAndMonochromeBits) {
  CBitmap squares;
  ASSERT_TRUE(squares.LoadBitmap(IDB_GDITEST_SQUARES));
  BITMAP info = {};
  ASSERT_NE(0, squares.GetBitmap(&info));
  EXPECT_EQ(32, info.bmWidth);
  EXPECT_EQ(16, info.bmHeight);

  CDC source;
  ASSERT_TRUE(source.CreateCompatibleDC(&m_dc));
  CBitmap* pOld = source.SelectObject(&squares);
  EXPECT_EQ(RGB(255, 0, 255), source.GetPixel(0, 0));
  EXPECT_EQ(kRed, source.GetPixel(8, 8));
  EXPECT_EQ(kBlue, source.GetPixel(24, 8));
  source.SelectObject(pOld);

  CBitmap missing;
  EXPECT_FALSE(missing.LoadBitmap(9999));
  EXPECT_EQ(nullptr, missing.m_hObject);

  // Rows are padded to 16 bits; the high bit of a byte is the leftmost pixel.
  static const BYTE kRows[4] = {0xF0, 0x00, 0x0F, 0x00};
  CBitmap mono;
  ASSERT_TRUE(mono.CreateBitmap(8, 2, 1, 1, kRows));
  ASSERT_NE(0, mono.GetBitmap(&info));
  EXPECT_EQ(1, info.bmBitsPixel);
  EXPECT_EQ(1, info.bmPlanes);
  EXPECT_EQ(8, info.bmWidth);
  BYTE bits[4] = {};
  EXPECT_EQ(4u, mono.GetBitmapBits(sizeof(bits), bits));
  EXPECT_EQ(0xF0, bits[0]);
  EXPECT_EQ(0x0F, bits[2]);
}

TEST_F(GdiObjectTest, RegionsCombineAndAnswerHitTests) {
  CRgn a, b, both;
  ASSERT_TRUE(a.CreateRectRgn(0, 0, 10, 10));
  ASSERT_TRUE(b.CreateRectRgnIndirect(CRect(5, 5, 15, 15)));
  ASSERT_TRUE(both.CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(SIMPLEREGION, both.CombineRgn(&a, &b, RGN_AND));
  CRect box;
  both.GetRgnBox(&box);
  EXPECT_EQ(CRect(5, 5, 10, 10), box);
  EXPECT_TRUE(both.PtInRegion(CPoint(7, 7)));
  EXPECT_FALSE(both.PtInRegion(2, 2));
  EXPECT_EQ(COMPLEXREGION, both.CombineRgn(&a, &b, RGN_OR));
  EXPECT_EQ(SIMPLEREGION, both.CopyRgn(&a));
  EXPECT_TRUE(both.EqualRgn(&a));
  both.OffsetRgn(CPoint(1, 0));
  EXPECT_FALSE(both.EqualRgn(&a));
  EXPECT_TRUE(both.RectInRegion(CRect(9, 0, 11, 1)));
}

}  // namespace
