// A memory DC over a bitmap of the screen's format or of a given depth,
// cleared to white, for tests that paint and read the pixels back.
#pragma once

#include <windows.h>

#include "classlib/win/CDC.h"

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr int kSize = 64;

class Surface {
 public:
  explicit Surface(int bits = 0, int width = kSize, int height = kSize) {
    HDC hScreen = ::GetDC(nullptr);
    m_hDC = ::CreateCompatibleDC(hScreen);
    if (bits == 0) {
      m_hBitmap = ::CreateCompatibleBitmap(hScreen, width, height);
    } else {
      BITMAPINFO info = {};
      info.bmiHeader.biSize = sizeof info.bmiHeader;
      info.bmiHeader.biWidth = width;
      info.bmiHeader.biHeight = height;
      info.bmiHeader.biPlanes = 1;
      info.bmiHeader.biBitCount = static_cast<WORD>(bits);
      void* pBits = nullptr;
      m_hBitmap = ::CreateDIBSection(hScreen, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    }
    ::ReleaseDC(nullptr, hScreen);
    m_hOld = ::SelectObject(m_hDC, m_hBitmap);
    m_dc.Attach(m_hDC);
    m_dc.FillSolidRect(0, 0, width, height, kWhite);
  }
  ~Surface() {
    m_dc.Detach();
    ::SelectObject(m_hDC, m_hOld);
    ::DeleteObject(m_hBitmap);
    ::DeleteDC(m_hDC);
  }
  CDC* dc() { return &m_dc; }
  HDC hdc() const { return m_hDC; }
  COLORREF At(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
  // The colour as this surface stores it.
  COLORREF Stored(COLORREF color) {
    COLORREF old = ::GetPixel(m_hDC, 0, 0);
    ::SetPixel(m_hDC, 0, 0, color);
    COLORREF stored = ::GetPixel(m_hDC, 0, 0);
    ::SetPixel(m_hDC, 0, 0, old);
    return stored;
  }

 private:
  HDC m_hDC;
  HBITMAP m_hBitmap;
  HGDIOBJ m_hOld;
  CDC m_dc;
};
