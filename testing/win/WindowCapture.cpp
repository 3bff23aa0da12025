#include "testing/win/WindowCapture.h"

#include <cstdlib>
#include <filesystem>

RgbImage CaptureDC(HDC hDC, int x, int y, int width, int height) {
  RgbImage image;
  if (width <= 0 || height <= 0) return image;
  HDC hMemDC = ::CreateCompatibleDC(hDC);
  HBITMAP hBitmap = ::CreateCompatibleBitmap(hDC, width, height);
  HGDIOBJ hOld = ::SelectObject(hMemDC, hBitmap);
  ::BitBlt(hMemDC, 0, 0, width, height, hDC, x, y, SRCCOPY);
  ::SelectObject(hMemDC, hOld);

  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::string bgra(static_cast<size_t>(width) * height * 4, '\0');
  ::GetDIBits(hMemDC, hBitmap, 0, height, bgra.data(), &info, DIB_RGB_COLORS);
  ::DeleteObject(hBitmap);
  ::DeleteDC(hMemDC);

  image.width = width;
  image.height = height;
  image.pixels.resize(static_cast<size_t>(width) * height * 3);
  for (size_t i = 0, n = static_cast<size_t>(width) * height; i < n; ++i) {
    image.pixels[i * 3 + 0] = static_cast<uint8_t>(bgra[i * 4 + 2]);
    image.pixels[i * 3 + 1] = static_cast<uint8_t>(bgra[i * 4 + 1]);
    image.pixels[i * 3 + 2] = static_cast<uint8_t>(bgra[i * 4 + 0]);
  }
  return image;
}

RgbImage CaptureWindow(HWND hWnd) {
  RECT rect;
  ::GetWindowRect(hWnd, &rect);
  HDC hScreen = ::GetDC(nullptr);
  RgbImage image =
      CaptureDC(hScreen, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  ::ReleaseDC(nullptr, hScreen);
  return image;
}

std::string SaveScreenshot(const RgbImage& image, const std::string& name) {
  const char* build = std::getenv("ZULTA_BINARY_DIR");
  std::filesystem::path folder = std::filesystem::path(build ? build : ".") / "screenshots";
  std::filesystem::create_directories(folder);
  std::string path = (folder / (name + ".png")).string();
  return WritePng(image, path) ? path : std::string();
}
