// Image lists: made from a bitmap resource with a mask colour or empty,
// filled, drawn transparently, and found by handle.
#include <gtest/gtest.h>

#include "classlib/tests/win/GdiTestIds.h"
#include "classlib/tests/win/MemoryDCFixture.h"
#include "classlib/win/CImageList.h"

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);

class ImageListTest : public MemoryDCTest {
 protected:
  void TearDown() override {
    CImageList::DeleteTempMap();
    MemoryDCTest::TearDown();
  }
};

TEST_F(ImageListTest, ABitmapResourceIsCutIntoImagesWithAMaskFromTheColour) {
  CImageList list;
  ASSERT_TRUE(list.Create(IDB_GDITEST_SQUARES, 16, 1, kMagenta));
  EXPECT_EQ(2, list.GetImageCount());
  IMAGEINFO info = {};
  ASSERT_TRUE(list.GetImageInfo(1, &info));
  EXPECT_EQ(16, info.rcImage.right - info.rcImage.left);
  EXPECT_EQ(16, info.rcImage.bottom - info.rcImage.top);
  EXPECT_NE(nullptr, info.hbmMask);

  // Drawn transparently, the magenta background lets the green show through.
  m_dc.FillSolidRect(0, 0, kWidth, kHeight, kGreen);
  ASSERT_TRUE(list.Draw(&m_dc, 0, CPoint(0, 0), ILD_TRANSPARENT));
  ASSERT_TRUE(list.Draw(&m_dc, 1, CPoint(16, 0), ILD_TRANSPARENT));
  EXPECT_TRUE(AllPixels(CRect(4, 4, 12, 12), kRed));
  EXPECT_TRUE(AllPixels(CRect(20, 4, 28, 12), kBlue));
  EXPECT_TRUE(AllPixels(CRect(0, 0, 32, 4), kGreen));
  EXPECT_TRUE(AllPixels(CRect(12, 4, 20, 12), kGreen));

  CImageList missing;
  EXPECT_FALSE(missing.Create(9999, 16, 1, kMagenta));
  EXPECT_EQ(nullptr, missing.m_hImageList);
}

TEST_F(ImageListTest, AnEmptyListTakesBitmapsIconsAndReplacements) {
  CImageList list;
  ASSERT_TRUE(list.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 4));
  EXPECT_EQ(0, list.GetImageCount());

  CBitmap squares;
  ASSERT_TRUE(squares.LoadBitmap(IDB_GDITEST_SQUARES));
  EXPECT_EQ(0, list.Add(&squares, kMagenta));  // two images, the first at 0
  EXPECT_EQ(2, list.GetImageCount());

  HICON hIcon = list.ExtractIcon(1);
  ASSERT_NE(nullptr, hIcon);
  EXPECT_EQ(2, list.Add(hIcon));
  EXPECT_EQ(0, list.Replace(0, hIcon));
  EXPECT_EQ(3, list.GetImageCount());
  ::DestroyIcon(hIcon);

  // The first image now shows the blue square.
  m_dc.FillSolidRect(0, 0, kWidth, kHeight, kGreen);
  ASSERT_TRUE(list.Draw(&m_dc, 0, CPoint(0, 0), ILD_TRANSPARENT));
  EXPECT_EQ(kBlue, m_dc.GetPixel(8, 8));
  EXPECT_EQ(kGreen, m_dc.GetPixel(1, 1));

  // An image of one colour with an explicit mask that masks nothing out.
  CBitmap image;
  ASSERT_TRUE(image.CreateCompatibleBitmap(&m_dc, 16, 16));
  {
    CDC imageDC;
    imageDC.CreateCompatibleDC(&m_dc);
    CBitmap* pOld = imageDC.SelectObject(&image);
    imageDC.FillSolidRect(0, 0, 16, 16, kMagenta);
    imageDC.SelectObject(pOld);
  }
  CBitmap mask;
  static const BYTE kNoMask[2 * 16] = {};
  ASSERT_TRUE(mask.CreateBitmap(16, 16, 1, 1, kNoMask));
  ASSERT_TRUE(list.Replace(2, &image, &mask));
  m_dc.FillSolidRect(0, 0, kWidth, kHeight, kGreen);
  ASSERT_TRUE(list.Draw(&m_dc, 2, CPoint(0, 0), ILD_TRANSPARENT));
  EXPECT_TRUE(AllPixels(CRect(0, 0, 16, 16), kMagenta));

  EXPECT_TRUE(list.Remove(0));
  EXPECT_EQ(2, list.GetImageCount());
  EXPECT_FALSE(list.Remove(5));
}

// The device context's icon and state drawing, with icons made from the list.
TEST_F(ImageListTest, IconsAndStatesDrawnThroughTheDC) {
  CImageList list;
  ASSERT_TRUE(list.Create(IDB_GDITEST_SQUARES, 16, 1, kMagenta));
  HICON hIcon = list.ExtractIcon(0);
  ASSERT_NE(nullptr, hIcon);
  m_dc.FillSolidRect(0, 0, kWidth, kHeight, kGreen);

  ASSERT_TRUE(m_dc.DrawIcon(CPoint(0, 0), hIcon));
  ASSERT_TRUE(m_dc.DrawState(CPoint(16, 0), CSize(16, 16), hIcon, DSS_NORMAL));
  ASSERT_TRUE(m_dc.DrawState(CPoint(32, 0), CSize(16, 16), hIcon, DSS_DISABLED));
  EXPECT_EQ(kRed, m_dc.GetPixel(8, 8));
  EXPECT_EQ(kGreen, m_dc.GetPixel(1, 1));
  EXPECT_EQ(kRed, m_dc.GetPixel(24, 8));
  EXPECT_EQ(kGreen, m_dc.GetPixel(17, 1));
  EXPECT_NE(kRed, m_dc.GetPixel(40, 8));  // a disabled image is embossed grey

  CBitmap squares;
  ASSERT_TRUE(squares.LoadBitmap(IDB_GDITEST_SQUARES));
  ASSERT_TRUE(m_dc.DrawState(CPoint(0, 20), CSize(32, 16), &squares, DSS_NORMAL, nullptr));
  EXPECT_EQ(kBlue, m_dc.GetPixel(24, 28));

  m_dc.SelectStockObject(DEFAULT_GUI_FONT);
  m_dc.SetTextColor(kBlack);
  m_dc.SetBkMode(TRANSPARENT);
  ASSERT_TRUE(m_dc.DrawState(CPoint(0, 40), CSize(60, 20), "&Mm", DSS_NORMAL));
  EXPECT_FALSE(AllPixels(CRect(0, 40, 60, 60), kGreen));
  ::DestroyIcon(hIcon);
}

TEST_F(ImageListTest, HandlesFindThePermanentObjectOrATemporaryOne) {
  HIMAGELIST hList = ImageList_Create(8, 8, ILC_COLOR24, 1, 1);
  ASSERT_NE(nullptr, hList);
  CImageList* pTemp = CImageList::FromHandle(hList);
  ASSERT_NE(nullptr, pTemp);
  EXPECT_EQ(hList, pTemp->m_hImageList);
  EXPECT_EQ(nullptr, CImageList::FromHandlePermanent(hList));
  CImageList::DeleteTempMap();
  EXPECT_EQ(0, ImageList_GetImageCount(hList)) << "the list is still alive";

  CImageList owner;
  ASSERT_TRUE(owner.Attach(hList));
  EXPECT_EQ(&owner, CImageList::FromHandle(hList));
  EXPECT_EQ(&owner, CImageList::FromHandlePermanent(hList));
  EXPECT_EQ(hList, owner.Detach());
  EXPECT_EQ(nullptr, CImageList::FromHandlePermanent(hList));
  EXPECT_TRUE(ImageList_Destroy(hList));
  EXPECT_FALSE(owner.DeleteImageList());
}

}  // namespace
