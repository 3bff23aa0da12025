// The global data from the system and the test program's own module.
#include "toolkit/win/CKWGlobalData.h"

#include <gtest/gtest.h>

#include <cstring>

#include "testing/win/ImagePixels.h"
#include "testing/win/WindowCapture.h"
#include "toolkit/core/CKWRgb.h"
#include "toolkit/res/ToolkitIds.h"
#include "toolkit/tests/win/TestSurface.h"
#include "toolkit/win/CKWOSVersionInfo.h"

namespace kw_global_data_test {

LOGFONTA LogFontOf(const CFont& font) {
  LOGFONTA logFont = {};
  font.GetLogFont(&logFont);
  return logFont;
}

int CALLBACK FindFace(const LOGFONTA* pLogFont, const TEXTMETRICA*, DWORD, LPARAM lParam) {
  if (std::strcmp(pLogFont->lfFaceName, "Tahoma") != 0) return 1;
  *reinterpret_cast<bool*>(lParam) = true;
  return 0;
}

bool TahomaInstalled() {
  HDC hDC = ::GetDC(nullptr);
  LOGFONTA query = {};
  query.lfCharSet = DEFAULT_CHARSET;
  bool found = false;
  ::EnumFontFamiliesExA(hDC, &query, FindFace, reinterpret_cast<LPARAM>(&found), 0);
  ::ReleaseDC(nullptr, hDC);
  return found;
}

TEST(CKWGlobalData, InitialisesOnceAtStartWithoutAskingAboutTheCommonControls) {
  EXPECT_TRUE(KWInitToolkit(::GetModuleHandleA(nullptr)));
  CKWGlobalData& data = KWGetGlobalData();
  EXPECT_EQ(&data, &KWGetGlobalData());
  EXPECT_EQ(data.hInstance, ::GetModuleHandleA(nullptr));
  EXPECT_GE(data.GetComCtlVersion(), kKWMinComCtlVersion);
  EXPECT_EQ(data.comCtlVersion, data.GetComCtlVersion());
  EXPECT_FALSE(data.bOfficeLook);
  EXPECT_TRUE(data.bMenuShadows);
  EXPECT_TRUE(data.bFullDrag);
  EXPECT_FALSE(data.bCoolMenusInstalled);
  EXPECT_TRUE(data.strProfileName.IsEmpty());
}

TEST(CKWGlobalData, TheVersionCheckWantsComCtl472) {
  struct {
    int version;
    bool supported;
  } const cases[] = {{-1, false},     {0, false},      {0x40047, false},
                     {0x40048, true}, {0x50051, true}, {0x60000, true}};
  for (const auto& c : cases)
    EXPECT_EQ(KWIsComCtlVersionSupported(c.version), c.supported) << c.version;
}

TEST(CKWGlobalData, OperatingSystemFlagsFollowTheVersionRecord) {
  const CKWOSVersionInfo& os = CKWOSVersionInfo::Get();
  EXPECT_EQ(&os, &CKWOSVersionInfo::Get());
  EXPECT_EQ(os.dwOSVersionInfoSize, sizeof(OSVERSIONINFOA));
  // The prefix is Windows 7.
  EXPECT_EQ(os.dwPlatformId, static_cast<DWORD>(VER_PLATFORM_WIN32_NT));
  EXPECT_EQ(os.dwMajorVersion, 6u);
  EXPECT_EQ(os.dwMinorVersion, 1u);
  const CKWGlobalData& data = KWGetGlobalData();
  for (BOOL flag : {data.bWin95, data.bWin98, data.bWinNT4, data.bWin2000, data.bWinXP})
    EXPECT_FALSE(flag);
}

TEST(CKWGlobalData, ColoursAreTheSystemsWithTheirDerivedOnes) {
  CKWGlobalData& data = KWGetGlobalData();
  data.UpdateSysColors();
  EXPECT_EQ(data.clrBtnFace, ::GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(data.clrGradInactiveCaption, ::GetSysColor(COLOR_GRADIENTINACTIVECAPTION));
  EXPECT_EQ(data.clrInactiveCaptionText, ::GetSysColor(COLOR_INACTIVECAPTIONTEXT));
  EXPECT_EQ(data.clrLightFace, CKWColorRef::Add(data.clrBtnFace, 18).Get());
  CKWColorSet expected = data;
  expected.DeriveColors();
  EXPECT_EQ(data.clrHighlightMidText, expected.clrHighlightMidText);
  EXPECT_EQ(data.clrFaceDeep, expected.clrFaceDeep);
}

TEST(CKWGlobalData, CursorsComeFromTheProgramsResources) {
  CKWGlobalData& data = KWGetGlobalData();
  for (HCURSOR hCursor : {data.hcurDragDock, data.hcurDragFloat, data.hcurResizeWE,
                          data.hcurResizeNS, data.hcurNoDrop, data.hcurSplitWE, data.hcurSplitNS})
    EXPECT_NE(hCursor, nullptr);
  EXPECT_EQ(data.hcurSizeAll, ::LoadCursorA(nullptr, IDC_SIZEALL));
  ICONINFO info = {};
  ASSERT_TRUE(::GetIconInfo(data.hcurSplitWE, &info));
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(info.xHotspot, 8u);
  EXPECT_EQ(info.yHotspot, 7u);
  if (info.hbmMask != nullptr) ::DeleteObject(info.hbmMask);
  if (info.hbmColor != nullptr) ::DeleteObject(info.hbmColor);
}

TEST(CKWGlobalData, PictureOfTheToolkitsCursorsAndBitmaps) {
  const CKWGlobalData& data = KWGetGlobalData();
  const HCURSOR cursors[] = {data.hcurDragDock, data.hcurDragFloat, data.hcurResizeWE,
                             data.hcurResizeNS, data.hcurNoDrop,    data.hcurSplitWE,
                             data.hcurSplitNS};
  constexpr int kCell = 36;
  const int count = sizeof cursors / sizeof cursors[0];
  Surface surface(0, kCell * count, 2 * kCell);
  surface.dc()->FillSolidRect(0, 0, kCell * count, 2 * kCell, RGB(48, 128, 192));
  for (int i = 0; i < count; ++i)
    ::DrawIconEx(surface.hdc(), i * kCell + 2, 2, cursors[i], 32, 32, 0, nullptr, DI_NORMAL);
  // Bitmaps: the caption-button strip, the MDI buttons and the size grip.
  int x = 2;
  for (UINT id : {IDB_KW_CAPTION_BUTTONS, IDB_KW_MDI_BUTTONS, IDB_KW_SIZE_GRIP}) {
    HBITMAP hBitmap = ::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
    ASSERT_NE(hBitmap, nullptr) << id;
    BITMAP info = {};
    ::GetObjectA(hBitmap, sizeof info, &info);
    HDC hSource = ::CreateCompatibleDC(surface.hdc());
    HGDIOBJ hOld = ::SelectObject(hSource, hBitmap);
    ::BitBlt(surface.hdc(), x, kCell + 4, info.bmWidth, info.bmHeight, hSource, 0, 0, SRCCOPY);
    ::SelectObject(hSource, hOld);
    ::DeleteDC(hSource);
    ::DeleteObject(hBitmap);
    x += info.bmWidth + 8;
  }
  // The no-drop cursor's ring is black and white over the blue.
  EXPECT_GT(
      CountPixels(CaptureDC(surface.hdc(), 4 * kCell, 0, kCell, kCell), IsColor(RGB(0, 0, 0))), 20);
  SaveScreenshot(CaptureDC(surface.hdc(), 0, 0, kCell * count, 2 * kCell),
                 "toolkit_cursors_bitmaps");
}

TEST(CKWGlobalData, FontsFromTheMenuFont) {
  CKWGlobalData& data = KWGetGlobalData();
  data.UpdateFonts();
  const char* verticalFace = TahomaInstalled() ? "Tahoma" : "Arial";
  struct {
    const CFont& font;
    LONG weight;
    LONG escapement;
    BYTE underline;
  } const cases[] = {
      {data.fontNormal, FW_NORMAL, 0, FALSE},     {data.fontBold, FW_BOLD, 0, FALSE},
      {data.fontUnderline, FW_NORMAL, 0, TRUE},   {data.fontHorz, FW_NORMAL, 0, FALSE},
      {data.fontVert, FW_NORMAL, 900, FALSE},     {data.fontVertBold, FW_BOLD, 900, FALSE},
      {data.fontVert270, FW_NORMAL, 2700, FALSE}, {data.fontVert270Bold, FW_BOLD, 2700, FALSE},
  };
  for (const auto& c : cases) {
    ASSERT_NE(c.font.GetSafeHandle(), nullptr);
    LOGFONTA logFont = LogFontOf(c.font);
    EXPECT_EQ(logFont.lfWeight, c.weight);
    EXPECT_EQ(logFont.lfEscapement, c.escapement);
    EXPECT_EQ(logFont.lfOrientation, c.escapement);
    EXPECT_EQ(logFont.lfUnderline, c.underline);
  }
  EXPECT_STREQ(LogFontOf(data.fontVert).lfFaceName, verticalFace);
  if (TahomaInstalled()) {
    EXPECT_STREQ(LogFontOf(data.fontNormal).lfFaceName, "Tahoma");
  }
}

TEST(CKWGlobalData, FontsFromAGivenFontKeepItsFaceForTheHorizontalThree) {
  CKWGlobalData& data = KWGetGlobalData();
  CFont courier;
  ASSERT_TRUE(courier.CreatePointFont(100, "Courier New"));
  data.UpdateFonts(courier);
  EXPECT_STREQ(LogFontOf(data.fontNormal).lfFaceName, "Courier New");
  EXPECT_STREQ(LogFontOf(data.fontUnderline).lfFaceName, "Courier New");
  EXPECT_STREQ(LogFontOf(data.fontHorz).lfFaceName, "Arial");
  EXPECT_STREQ(LogFontOf(data.fontVert270Bold).lfFaceName, "Arial");
  data.UpdateFonts();
}

}  // namespace kw_global_data_test
