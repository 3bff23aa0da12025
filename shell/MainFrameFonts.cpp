// The main frame's fonts: the application fonts, the editor's font caches
// with their ageing timer, and the editor's ruler images.
#include "shell/MainFrame.h"

#include <memory>

#include "classlib/win/CFont.h"
#include "classlib/win/CPen.h"
#include "classlib/win/WindowDCs.h"
#include "editor/win/CShellFileDlg.h"
#include "hebtext/win/AppProfileStore.h"
#include "hebtext/win/CFontInfo.h"
#include "hebtext/win/InterfaceFont.h"
#include "hebtext/win/ScreenDpi.h"
#include "shell/ZultaEditApp.h"
#include "shell/core/FontCacheAge.h"
#include "shell/core/RulerTicks.h"
#include "speech/core/PhonemeFont.h"
#include "speech/win/TranslWin.h"
#include "tables/win/TableMarkupPaint.h"

namespace {

// A cached font with the tick count of its last use.
struct CachedFont {
  DWORD stamp = 0;
  CFontInfo font;
};

constexpr int kDpiBase = 96;
constexpr const char* kHebrewFace = "Pomlar Sephardi 2";
constexpr int kNormalWeight = 400;
constexpr int kBoldWeight = 700;

// The application fonts made from a LOGFONT: face, height at 96 dots per
// inch, weight.
struct LogFontRow {
  int index;
  const char* face;
  int height;
  int weight;
};
constexpr LogFontRow kLogFontRows[] = {{0, kHebrewFace, -16, kNormalWeight},
                                       {1, kHebrewFace, -17, kNormalWeight},
                                       {2, kHebrewFace, -16, kNormalWeight},
                                       {3, "Times New Roman", -17, kBoldWeight}};
// Those made from a point size: face, points, style bits.
struct PointFontRow {
  int index;
  const char* face;
  WORD points;
  BYTE style;
};
constexpr PointFontRow kPointFontRows[] = {{4, "Arial", 9, 0}, {5, "Arial", 10, CFontInfo::kBold}};
// The 16-pixel Hebrew font of grammar forms, whose line height Hebrew runs of
// the tables' mark-up take.
constexpr int kGrammarFormFont = 0;

constexpr COLORREF kRulerBackground = RGB(192, 192, 192);
constexpr COLORREF kRulerInk = RGB(0, 0, 0);
constexpr int kRulerNumberPoints = 70;  // tenths of a point
constexpr const char* kRulerNumberFace = "Arial";

CachedFont* CacheEntry(const CPtrArray& list, INT_PTR i) {
  return static_cast<CachedFont*>(list[i]);
}

}  // namespace

void CMainFrame::InitAppFonts() {
  CClientDC screen(nullptr);
  const int dpi = screen.GetDeviceCaps(LOGPIXELSY);
  theApp.m_screenDpi = dpi;
  // The Hebrew edit controls scale by the same resolution.
  g_screenDpi = dpi;
  CreateHebrewInterfaceFont(&screen, dpi);
  for (const LogFontRow& row : kLogFontRows) {
    LOGFONT logFont = {};
    ::lstrcpynA(logFont.lfFaceName, row.face, LF_FACESIZE);
    logFont.lfHeight = ::MulDiv(row.height, dpi, kDpiBase);
    logFont.lfWeight = row.weight;
    theApp.m_appFonts[row.index].SetFromLogFont(&screen, logFont);
  }
  for (const PointFontRow& row : kPointFontRows)
    theApp.m_appFonts[row.index].Set(&screen, row.face, row.points, row.style, TRUE);
  CAppProfileStore profile(&theApp);
  LogFontRecord transliteration = {};
  LoadPhonemeFont(profile, dpi, transliteration);
  theApp.m_appFonts[CZultaEditApp::kTransliterationFont].SetFromLogFont(&screen, transliteration);
  for (CFontInfo& font : theApp.m_appFonts) font.MeasureCharWidths(&screen);
  CShellFileDlg::SetHebrewTitleFont(&theApp.m_appFonts[0]);
  SetMarkupHebrewFont(&theApp.m_appFonts[kGrammarFormFont]);
  SetTranslitDisplayFont(&theApp.m_appFonts[CZultaEditApp::kTransliterationFont]);
}

// ---- The editor's font caches.

CFontInfo* CMainFrame::GetCachedFont(CDC* pDC, const CFontInfo& request, int nList) {
  CPtrArray& list = m_fontCaches[nList];
  for (INT_PTR i = 0; i < list.GetSize(); ++i) {
    CachedFont* pEntry = CacheEntry(list, i);
    if (pEntry->font.IsSame(request)) {
      pEntry->stamp = ::GetTickCount();
      return &pEntry->font;
    }
  }
  auto pEntry = std::make_unique<CachedFont>();
  pEntry->font.Copy(request);
  pEntry->font.GetFont();
  pEntry->font.MeasureMetrics(pDC);
  pEntry->font.MeasureCharWidths(pDC);
  pEntry->stamp = ::GetTickCount();
  list.Add(pEntry.get());
  return &pEntry.release()->font;
}

void CMainFrame::ClearFontCache(int nList) {
  for (int i = 0; i < 2; ++i) {
    if (nList != kBothFontLists && nList != i) continue;
    for (INT_PTR j = 0; j < m_fontCaches[i].GetSize(); ++j) delete CacheEntry(m_fontCaches[i], j);
    m_fontCaches[i].RemoveAll();
  }
}

void CMainFrame::OnTimer(UINT_PTR nIDEvent) {
  CKWMDIFrameWnd::OnTimer(nIDEvent);
  if (nIDEvent == kGrammarPreviewTimerId) {
    TakeGrammarPreviewEnded();
    return;
  }
  if (nIDEvent != kFontCacheTimerId) return;
  const DWORD now = ::GetTickCount();
  // Only list 0 ages; list 1's user clears it.
  CPtrArray& list = m_fontCaches[0];
  for (INT_PTR i = list.GetSize() - 1; i >= 0; --i) {
    CachedFont* pEntry = CacheEntry(list, i);
    if (!fontcache::IsStale(now, pEntry->stamp)) continue;
    list.RemoveAt(i);
    delete pEntry;
  }
}

// ---- Ruler images.

void CMainFrame::BuildRulerImages() {
  CClientDC screen(nullptr);
  const int dpiX = screen.GetDeviceCaps(LOGPIXELSX);
  const int dpiY = screen.GetDeviceCaps(LOGPIXELSY);
  CFont numberFont;
  numberFont.CreatePointFont(kRulerNumberPoints, kRulerNumberFace, &screen);
  CPen ink(PS_SOLID, 1, kRulerInk);
  for (int unit = 0; unit < ruler::kUnitCount; ++unit) {
    for (int image = 0; image < ruler::kImageCount; ++image) {
      const auto eUnit = static_cast<ruler::Unit>(unit);
      const auto eImage = static_cast<ruler::Image>(image);
      const bool horizontal = eImage != ruler::kVertical;
      const ruler::ImageSize size = ruler::SizeOf(eUnit, eImage, dpiX, dpiY);
      const int cx = horizontal ? size.length : size.thickness;
      const int cy = horizontal ? size.thickness : size.length;
      CDC& dc = m_rulerDCs[unit][image];
      CBitmap& bitmap = m_rulerBitmaps[unit][image];
      if (!dc.CreateCompatibleDC(&screen) || !bitmap.CreateCompatibleBitmap(&screen, cx, cy))
        continue;
      m_hOldRulerBitmaps[unit][image] = ::SelectObject(dc.GetSafeHdc(), bitmap.GetSafeHandle());
      dc.FillSolidRect(0, 0, cx, cy, kRulerBackground);
      CFont* pOldFont = dc.SelectObject(&numberFont);
      CPen* pOldPen = dc.SelectObject(&ink);
      dc.SetBkMode(TRANSPARENT);
      dc.SetTextColor(kRulerInk);
      for (const ruler::Tick& tick : ruler::TicksOf(eUnit, eImage, dpiX, dpiY)) {
        if (tick.labelled) {
          CString number;
          number.Format("%d", tick.number);
          // Centred on the tick along the ruler and across it.
          CRect box = horizontal ? CRect(tick.position - size.thickness, 0,
                                         tick.position + size.thickness, size.thickness)
                                 : CRect(0, tick.position - size.thickness, size.thickness,
                                         tick.position + size.thickness);
          dc.DrawText(number, number.GetLength(), &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        } else if (horizontal) {
          dc.MoveTo(tick.position, tick.depth);
          dc.LineTo(tick.position, size.thickness - 1);
        } else {
          dc.MoveTo(tick.depth, tick.position);
          dc.LineTo(size.thickness - 1, tick.position);
        }
      }
      dc.SelectObject(pOldPen);
      dc.SelectObject(pOldFont);
    }
  }
}

void CMainFrame::ReleaseRulerImages() {
  for (int unit = 0; unit < ruler::kUnitCount; ++unit)
    for (int image = 0; image < ruler::kImageCount; ++image)
      if (m_hOldRulerBitmaps[unit][image] != nullptr) {
        ::SelectObject(m_rulerDCs[unit][image].GetSafeHdc(), m_hOldRulerBitmaps[unit][image]);
        m_hOldRulerBitmaps[unit][image] = nullptr;
      }
}

CDC* CMainFrame::GetRulerImage(int nUnit, int nImage) {
  CDC& dc = m_rulerDCs[nUnit][nImage];
  return m_hOldRulerBitmaps[nUnit][nImage] != nullptr ? &dc : nullptr;
}
