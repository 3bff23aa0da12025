#include <windows.h>

#include <memory>

#include "toolkit/core/SysColorDib.h"
#include "toolkit/win/CKWMemDC.h"

namespace {

constexpr int kSysColorIndexes[kSysColorMapSize] = {COLOR_BTNTEXT, COLOR_BTNSHADOW, COLOR_BTNFACE,
                                                    COLOR_BTNHIGHLIGHT};
// Sets the target colour where the mask is set and keeps the rest.
constexpr DWORD kRopSourceOrTarget = 0xEE0086;  // SRCPAINT

// A bitmap deleted with its holder unless released.
class OwnedBitmap {
 public:
  explicit OwnedBitmap(HBITMAP hBitmap) : m_hBitmap(hBitmap) {}
  ~OwnedBitmap() {
    if (m_hBitmap != nullptr) ::DeleteObject(m_hBitmap);
  }
  OwnedBitmap(const OwnedBitmap&) = delete;
  OwnedBitmap& operator=(const OwnedBitmap&) = delete;
  HBITMAP Get() const { return m_hBitmap; }
  HBITMAP Release() {
    HBITMAP hBitmap = m_hBitmap;
    m_hBitmap = nullptr;
    return hBitmap;
  }

 private:
  HBITMAP m_hBitmap;
};

// A memory DC with a bitmap selected, undone in reverse order.
class SelectedBitmap {
 public:
  SelectedBitmap(HDC hDevice, HBITMAP hBitmap)
      : m_hDC(::CreateCompatibleDC(hDevice)),
        m_hOld(m_hDC != nullptr && hBitmap != nullptr ? ::SelectObject(m_hDC, hBitmap) : nullptr) {}
  ~SelectedBitmap() {
    if (m_hOld != nullptr) ::SelectObject(m_hDC, m_hOld);
    if (m_hDC != nullptr) ::DeleteDC(m_hDC);
  }
  SelectedBitmap(const SelectedBitmap&) = delete;
  SelectedBitmap& operator=(const SelectedBitmap&) = delete;
  bool IsValid() const { return m_hOld != nullptr; }
  HDC Get() const { return m_hDC; }

 private:
  HDC m_hDC;
  HGDIOBJ m_hOld;
};

// Replaces the four source colours of an image by their targets through a
// monochrome mask of each, all taken before any colour changes, so that a
// target equal to a later source is not replaced again. The image DC's text
// and background colours are restored when it ends.
class ColorReplacer {
 public:
  ColorReplacer(HDC hImage, int width, int height)
      : m_hImage(hImage),
        m_width(width),
        m_height(height),
        m_oldText(::GetTextColor(hImage)),
        m_oldBack(::GetBkColor(hImage)) {}
  ~ColorReplacer() {
    ::SetTextColor(m_hImage, m_oldText);
    ::SetBkColor(m_hImage, m_oldBack);
  }
  ColorReplacer(const ColorReplacer&) = delete;
  ColorReplacer& operator=(const ColorReplacer&) = delete;

  bool Replace(const COLORREF sources[kSysColorMapSize], const COLORREF targets[kSysColorMapSize]) {
    std::unique_ptr<OwnedBitmap> masks[kSysColorMapSize];
    for (int i = 0; i < kSysColorMapSize; ++i) {
      if (sources[i] == targets[i]) continue;
      // Source-coloured pixels become 1, all others 0.
      masks[i] = std::make_unique<OwnedBitmap>(::CreateBitmap(m_width, m_height, 1, 1, nullptr));
      SelectedBitmap mask(m_hImage, masks[i]->Get());
      ::SetBkColor(m_hImage, sources[i]);
      if (!mask.IsValid() ||
          !::BitBlt(mask.Get(), 0, 0, m_width, m_height, m_hImage, 0, 0, SRCCOPY))
        return false;
    }
    for (int i = 0; i < kSysColorMapSize; ++i) {
      if (masks[i] != nullptr && !Paint(masks[i]->Get(), targets[i])) return false;
    }
    return true;
  }

 private:
  // Clears the masked pixels to black, then paints the target into them.
  bool Paint(HBITMAP hMask, COLORREF target) {
    SelectedBitmap mask(m_hImage, hMask);
    if (!mask.IsValid()) return false;
    ::SetTextColor(m_hImage, RGB(255, 255, 255));
    ::SetBkColor(m_hImage, RGB(0, 0, 0));
    if (!::BitBlt(m_hImage, 0, 0, m_width, m_height, mask.Get(), 0, 0, SRCAND)) return false;
    if (target == RGB(0, 0, 0)) return true;
    ::SetBkColor(m_hImage, target);
    ::SetTextColor(m_hImage, RGB(0, 0, 0));
    return ::BitBlt(m_hImage, 0, 0, m_width, m_height, mask.Get(), 0, 0, kRopSourceOrTarget) != 0;
  }

  HDC m_hImage;
  int m_width, m_height;
  COLORREF m_oldText, m_oldBack;
};

// The four source colours as the device stores them, read back from a
// one-row true-colour image drawn in them.
bool ReadBackSources(HDC hDevice, COLORREF readBack[kSysColorMapSize]) {
  OwnedBitmap probeBitmap(::CreateCompatibleBitmap(hDevice, kSysColorMapSize, 1));
  SelectedBitmap probe(hDevice, probeBitmap.Get());
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = kSysColorMapSize;
  info.bmiHeader.biHeight = 1;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  BYTE pixels[(kSysColorMapSize * 3 + 3) / 4 * 4] = {};
  for (int i = 0; i < kSysColorMapSize; ++i) {
    pixels[i * 3] = GetBValue(kSysColorSources[i]);
    pixels[i * 3 + 1] = GetGValue(kSysColorSources[i]);
    pixels[i * 3 + 2] = GetRValue(kSysColorSources[i]);
  }
  if (!probe.IsValid() ||
      ::StretchDIBits(probe.Get(), 0, 0, kSysColorMapSize, 1, 0, 0, kSysColorMapSize, 1, pixels,
                      &info, DIB_RGB_COLORS, SRCCOPY) == 0)
    return false;
  for (int i = 0; i < kSysColorMapSize; ++i) {
    readBack[i] = ::GetPixel(probe.Get(), i, 0);
    if (readBack[i] == CLR_INVALID) return false;
  }
  return true;
}

HBITMAP DrawDib(HDC hDevice, const BYTE* resource, const SysColorDib& dib,
                const COLORREF targets[kSysColorMapSize], bool monochrome) {
  COLORREF readBack[kSysColorMapSize];
  if (dib.colorCount == 0 && !ReadBackSources(hDevice, readBack)) return nullptr;
  int height = dib.height < 0 ? -dib.height : dib.height;
  OwnedBitmap bitmap(::CreateCompatibleBitmap(hDevice, dib.width, height));
  {
    SelectedBitmap image(hDevice, bitmap.Get());
    bool ok =
        image.IsValid() && ::StretchDIBits(image.Get(), 0, 0, dib.width, height, 0, 0, dib.width,
                                           height, resource + dib.pixelOffset,
                                           reinterpret_cast<const BITMAPINFO*>(dib.info.data()),
                                           DIB_RGB_COLORS, SRCCOPY) != 0;
    if (ok && dib.colorCount == 0) {
      COLORREF finalColors[kSysColorMapSize];
      for (int i = 0; i < kSysColorMapSize; ++i)
        finalColors[i] = !monochrome ? targets[i] : i == 0 ? readBack[0] : RGB(255, 255, 255);
      ok = ColorReplacer(image.Get(), dib.width, height).Replace(readBack, finalColors);
    }
    if (!ok) return nullptr;
  }
  return bitmap.Release();
}

}  // namespace

HBITMAP LoadSysColorBitmap(HINSTANCE hInstance, HRSRC hResource, BOOL bMonochrome, HDC hDevice) {
  HGLOBAL hGlobal = hResource != nullptr ? ::LoadResource(hInstance, hResource) : nullptr;
  const BYTE* data =
      static_cast<const BYTE*>(hGlobal != nullptr ? ::LockResource(hGlobal) : nullptr);
  SysColorDib dib;
  if (data == nullptr || !ParseSysColorDib(data, ::SizeofResource(hInstance, hResource), dib))
    return nullptr;
  COLORREF targets[kSysColorMapSize];
  for (int i = 0; i < kSysColorMapSize; ++i) targets[i] = ::GetSysColor(kSysColorIndexes[i]);
  if (dib.colorCount != 0) MapSysColorTable(dib, targets, bMonochrome != FALSE);
  if (hDevice != nullptr) return DrawDib(hDevice, data, dib, targets, bMonochrome != FALSE);
  HDC hScreen = ::GetDC(nullptr);
  HBITMAP hBitmap = DrawDib(hScreen, data, dib, targets, bMonochrome != FALSE);
  ::ReleaseDC(nullptr, hScreen);
  return hBitmap;
}
