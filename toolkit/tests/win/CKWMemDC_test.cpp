// The memory DC and the system-colour bitmap loader, checked by pixels.
#include "toolkit/win/CKWMemDC.h"

#include <gtest/gtest.h>

#include <memory>

#include "testing/win/WindowCapture.h"
#include "toolkit/tests/win/TestSurface.h"
#include "toolkit/tests/win/ToolkitTestIds.h"

namespace kw_mem_dc_test {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);

TEST(CKWMemDC, CopiesItsRectangleToTheTargetWhenItEnds) {
  Surface target;
  {
    CKWMemDC memDC(target.dc(), CRect(10, 10, 30, 20), kRed);
    ASSERT_TRUE(memDC.IsValid());
    EXPECT_TRUE(memDC.IsKindOf(RUNTIME_CLASS(CKWMemDC)));
    memDC.FillSolidRect(0, 0, 5, 5, kBlue);  // the rectangle's top-left is (0, 0)
    EXPECT_EQ(target.At(12, 12), kWhite) << "nothing reaches the target before the end";
  }
  EXPECT_EQ(target.At(10, 10), kBlue);
  EXPECT_EQ(target.At(14, 14), kBlue);
  EXPECT_EQ(target.At(15, 15), kRed);
  EXPECT_EQ(target.At(29, 19), kRed);
  EXPECT_EQ(target.At(30, 19), kWhite);
  EXPECT_EQ(target.At(29, 20), kWhite);
  EXPECT_EQ(target.At(9, 10), kWhite);
  SaveScreenshot(CaptureDC(target.hdc(), 0, 0, kSize, kSize), "toolkit_memdc");
}

TEST(CKWMemDC, AnEmptyRectangleCoversTheClipBox) {
  Surface target;
  ::IntersectClipRect(target.hdc(), 20, 24, 40, 34);
  {
    CKWMemDC memDC(target.dc(), CRect(), kGreen);
    memDC.SetPixel(0, 0, kBlue);
    memDC.SetPixel(19, 9, kBlue);
  }
  ::SelectClipRgn(target.hdc(), nullptr);
  EXPECT_EQ(target.At(20, 24), kBlue);
  EXPECT_EQ(target.At(39, 33), kBlue);
  EXPECT_EQ(target.At(30, 30), kGreen);
  EXPECT_EQ(target.At(19, 24), kWhite);
  EXPECT_EQ(target.At(40, 33), kWhite);
  EXPECT_EQ(target.At(39, 34), kWhite);
}

TEST(CKWMemDC, StartsFromTheTargetOrCopiesNothingBackWhenDiscarded) {
  Surface target;
  target.dc()->FillSolidRect(0, 0, 8, 8, kBlue);
  {
    CKWMemDC memDC(target.dc(), CRect(4, 4, 12, 12));  // no fill
    memDC.CopyFromTarget();
    memDC.SetPixel(7, 7, kRed);
  }
  EXPECT_EQ(target.At(5, 5), kBlue) << "the copied target";
  EXPECT_EQ(target.At(9, 9), kWhite);
  EXPECT_EQ(target.At(11, 11), kRed);
  {
    CKWMemDC memDC(target.dc(), CRect(0, 0, 20, 20), kGreen);
    memDC.Discard();
  }
  EXPECT_EQ(target.At(1, 1), kBlue);
  EXPECT_EQ(target.At(15, 15), kWhite);
}

// The loader's test pictures: six 2-pixel columns of black, dark grey, light
// grey, white, light grey and red.
constexpr int kColumns = 6;
constexpr int kPictureWidth = 12, kPictureHeight = 4;

struct LoadedPicture {
  const char* name;
  UINT id;
};
const LoadedPicture kPictures[] = {
    {"24-bit", IDB_TEST_SYSCOLOR24},
    {"8-bit, light grey twice in the palette", IDB_TEST_SYSCOLOR8},
    {"8-bit with a palette of 6", IDB_TEST_SYSCOLOR8_SHORT},
    {"4-bit with a V5 header", IDB_TEST_SYSCOLOR4_V5},
};

HBITMAP Load(UINT id, BOOL bMonochrome, HDC hDevice = nullptr) {
  HINSTANCE hInstance = ::GetModuleHandleA(nullptr);
  HRSRC hResource = ::FindResourceA(hInstance, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2));
  return LoadSysColorBitmap(hInstance, hResource, bMonochrome, hDevice);
}

// The colour of each column of the bitmap, drawn onto the surface at (0, y).
std::vector<COLORREF> Columns(HBITMAP hBitmap, Surface& surface, int y = 0) {
  HDC hSource = ::CreateCompatibleDC(surface.hdc());
  HGDIOBJ hOld = ::SelectObject(hSource, hBitmap);
  ::BitBlt(surface.hdc(), 0, y, kPictureWidth, kPictureHeight, hSource, 0, 0, SRCCOPY);
  ::SelectObject(hSource, hOld);
  ::DeleteDC(hSource);
  std::vector<COLORREF> columns;
  for (int c = 0; c < kColumns; ++c)
    columns.push_back(surface.At(c * 2 + 1, y + kPictureHeight - 1));
  return columns;
}

TEST(LoadSysColorBitmap, GreysBecomeTheUsersThreeDColours) {
  const COLORREF text = ::GetSysColor(COLOR_BTNTEXT), shadow = ::GetSysColor(COLOR_BTNSHADOW),
                 face = ::GetSysColor(COLOR_BTNFACE), light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  const std::vector<COLORREF> normal = {text, shadow, face, light, face, kRed};
  const std::vector<COLORREF> mono = {RGB(0, 0, 0), kWhite, kWhite, kWhite, kWhite, kRed};
  Surface gallery(0, kPictureWidth, 2 * kPictureHeight * 4);
  int row = 0;
  for (const LoadedPicture& picture : kPictures) {
    SCOPED_TRACE(picture.name);
    for (BOOL bMonochrome : {FALSE, TRUE}) {
      HBITMAP hBitmap = Load(picture.id, bMonochrome);
      ASSERT_NE(hBitmap, nullptr);
      BITMAP info = {};
      ::GetObjectA(hBitmap, sizeof info, &info);
      EXPECT_EQ(info.bmWidth, kPictureWidth);
      EXPECT_EQ(info.bmHeight, kPictureHeight);
      EXPECT_EQ(Columns(hBitmap, gallery, row * kPictureHeight), bMonochrome ? mono : normal)
          << "monochrome " << bMonochrome;
      ::DeleteObject(hBitmap);
      ++row;
    }
  }
  // Each picture in normal, then monochrome form, one above the other.
  SaveScreenshot(CaptureDC(gallery.hdc(), 0, 0, kPictureWidth, row * kPictureHeight),
                 "toolkit_syscolor_bitmaps");
}

TEST(LoadSysColorBitmap, OnASixteenBitDeviceTheStoredGreysAreStillReplaced) {
  Surface device(16, kPictureWidth, kPictureHeight * 4);
  // The button face as a 16-bit device stores it; light grey there is no longer (192, 192, 192).
  const COLORREF face = device.Stored(::GetSysColor(COLOR_BTNFACE));
  const COLORREF shadow = device.Stored(::GetSysColor(COLOR_BTNSHADOW));
  ASSERT_NE(device.Stored(RGB(192, 192, 192)), RGB(192, 192, 192)) << "not a 16-bit surface";
  int row = 0;
  for (UINT id : {IDB_TEST_SYSCOLOR24, IDB_TEST_SYSCOLOR8}) {
    HBITMAP hBitmap = Load(id, FALSE, device.hdc());
    ASSERT_NE(hBitmap, nullptr);
    BITMAP info = {};
    ::GetObjectA(hBitmap, sizeof info, &info);
    EXPECT_EQ(info.bmBitsPixel, 16);
    std::vector<COLORREF> columns = Columns(hBitmap, device, row * kPictureHeight);
    EXPECT_EQ(columns[1], shadow) << id;
    EXPECT_EQ(columns[2], face) << id;
    EXPECT_EQ(columns[4], face) << id;
    EXPECT_EQ(columns[5], device.Stored(kRed)) << id;
    ::DeleteObject(hBitmap);
    ++row;
  }
  SaveScreenshot(CaptureDC(device.hdc(), 0, 0, kPictureWidth, row * kPictureHeight),
                 "toolkit_syscolor_bitmaps_16bit");
}

TEST(LoadSysColorBitmap, AMissingResourceGivesNoBitmap) {
  EXPECT_EQ(LoadSysColorBitmap(::GetModuleHandleA(nullptr), nullptr), nullptr);
}

}  // namespace kw_mem_dc_test
