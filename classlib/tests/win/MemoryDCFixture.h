// A memory DC with a screen-compatible bitmap selected, cleared to white, for
// tests that draw and then read the pixels back.
#pragma once

#include <gtest/gtest.h>

#include "classlib/win/CBitmap.h"
#include "classlib/win/CDC.h"
#include "classlib/win/WindowDCs.h"

class MemoryDCTest : public ::testing::Test {
 protected:
  static constexpr int kWidth = 64;
  static constexpr int kHeight = 64;
  static constexpr COLORREF kWhite = RGB(255, 255, 255);
  static constexpr COLORREF kBlack = RGB(0, 0, 0);
  static constexpr COLORREF kRed = RGB(255, 0, 0);
  static constexpr COLORREF kGreen = RGB(0, 255, 0);
  static constexpr COLORREF kBlue = RGB(0, 0, 255);

  void SetUp() override {
    CClientDC screen(nullptr);
    ASSERT_TRUE(m_dc.CreateCompatibleDC(&screen));
    ASSERT_TRUE(m_bitmap.CreateCompatibleBitmap(&screen, kWidth, kHeight));
    m_pOldBitmap = m_dc.SelectObject(&m_bitmap);
    m_dc.FillSolidRect(0, 0, kWidth, kHeight, kWhite);
  }

  void TearDown() override {
    if (m_pOldBitmap != nullptr) m_dc.SelectObject(m_pOldBitmap);
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
  }

  // Every pixel of the rectangle has the colour.
  ::testing::AssertionResult AllPixels(const RECT& rect, COLORREF color) {
    for (int y = rect.top; y < rect.bottom; ++y) {
      for (int x = rect.left; x < rect.right; ++x) {
        COLORREF actual = m_dc.GetPixel(x, y);
        if (actual != color) {
          return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is 0x"
                                               << std::hex << actual << ", not 0x" << color;
        }
      }
    }
    return ::testing::AssertionSuccess();
  }

  CDC m_dc;
  CBitmap m_bitmap;
  CBitmap* m_pOldBitmap = nullptr;
};
