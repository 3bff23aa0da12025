#include "testing/win/WindowCapture.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <utility>

#include "testing/win/WaitFor.h"

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

RgbImage CaptureSteadyWindow(HWND hWnd) {
  RgbImage shot;
  WaitFor([&] {
    RgbImage next = CaptureWindow(hWnd);
    const bool same = next.pixels == shot.pixels;
    shot = std::move(next);
    return same;
  });
  return shot;
}

RgbImage CaptureWindow(HWND hWnd) {
  RECT rect;
  ::GetWindowRect(hWnd, &rect);
  // A maximised window's frame lies partly off the screen, and the screen
  // cannot be read there: copy only the part on the screen, into the place it
  // takes in the window's image, so that window coordinates still hold.
  RECT screen = {::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_YVIRTUALSCREEN), 0, 0};
  screen.right = screen.left + ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
  screen.bottom = screen.top + ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
  RECT visible;
  if (!::IntersectRect(&visible, &rect, &screen)) return RgbImage();
  HDC hScreen = ::GetDC(nullptr);
  RgbImage part = CaptureDC(hScreen, visible.left, visible.top, visible.right - visible.left,
                            visible.bottom - visible.top);
  ::ReleaseDC(nullptr, hScreen);
  if (::EqualRect(&visible, &rect)) return part;

  RgbImage image;
  image.width = rect.right - rect.left;
  image.height = rect.bottom - rect.top;
  image.pixels.assign(static_cast<size_t>(image.width) * image.height * 3, 0);
  const int dx = visible.left - rect.left;
  const int dy = visible.top - rect.top;
  for (int y = 0; y < part.height; ++y) {
    std::copy_n(part.pixels.begin() + static_cast<size_t>(y) * part.width * 3, part.width * 3,
                image.pixels.begin() + (static_cast<size_t>(y + dy) * image.width + dx) * 3);
  }
  return image;
}

std::string SaveScreenshot(const RgbImage& image, const std::string& name) {
  const char* build = std::getenv("ZULTA_BINARY_DIR");
  std::filesystem::path folder = std::filesystem::path(build ? build : ".") / "screenshots";
  std::filesystem::create_directories(folder);
  std::string path = (folder / (name + ".png")).string();
  return WritePng(image, path) ? path : std::string();
}
