#include "hebtext/win/CFontInfo.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>

#include "classlib/win/CDC.h"
#include "classlib/win/CFont.h"
#include "hebtext/core/HebChar.h"

namespace {

// Height, width, escapement, orientation, weight, the style and charset
// bytes, the precision, quality and pitch bytes: all but the face name.
constexpr size_t kLogFontPrefix = offsetof(LOGFONT, lfFaceName);
static_assert(kLogFontPrefix == 7 * sizeof(DWORD), "seven 32-bit words before the face name");

}  // namespace

CFontInfo::CFontInfo(CDC* pDC, LPCTSTR faceName, WORD pointSize, BOOL bold, BOOL italic,
                     BOOL underline)
    : CFontInfo(pDC, faceName, pointSize,
                static_cast<BYTE>((bold ? kBold : 0) | (italic ? kItalic : 0) |
                                  (underline ? kUnderline : 0))) {}

CFontInfo::CFontInfo(CDC* pDC, LPCTSTR faceName, WORD pointSize, BYTE style) {
  Reset();
  Set(pDC, faceName, pointSize, style, TRUE);
}

CFontInfo::CFontInfo(CDC* pDC, const LOGFONT& logFont) {
  Reset();
  SetFromLogFont(pDC, logFont);
}

CFontInfo::CFontInfo(CDC* pDC, const LOGFONT& logFont, LPCTSTR faceName, WORD pointSize,
                     BYTE style) {
  Reset();
  m_logFont = logFont;
  m_faceName = faceName;
  m_pointSize = pointSize;
  m_style = style;
  MeasureMetrics(pDC);
}

CFontInfo::CFontInfo(const CFontInfo& other) {
  Reset();
  Copy(other);
  CopyMeasurements(other);
}

CFontInfo& CFontInfo::operator=(const CFontInfo& other) {
  if (this != &other) {
    Copy(other);
    CopyMeasurements(other);
  }
  return *this;
}

CFontInfo::~CFontInfo() { DeleteFont(); }

void CFontInfo::Reset() {
  DeleteFont();
  std::memset(&m_logFont, 0, sizeof(m_logFont));
  m_faceName.Empty();
  m_pointSize = 0;
  m_style = 0;
  m_lineHeight = 0;
  std::memset(m_extents, 0, sizeof(m_extents));
}

void CFontInfo::Copy(const CFontInfo& source) {
  if (this == &source) return;
  Reset();
  m_faceName = source.m_faceName;
  m_pointSize = source.m_pointSize;
  m_style = source.m_style;
  m_logFont = source.m_logFont;
}

void CFontInfo::CopyMeasurements(const CFontInfo& other) {
  m_metrics = other.m_metrics;
  m_lineHeight = other.m_lineHeight;
  std::memcpy(m_extents, other.m_extents, sizeof(m_extents));
}

int CFontInfo::IsSame(const CFontInfo& other) const {
  return std::memcmp(&m_logFont, &other.m_logFont, kLogFontPrefix) == 0 &&
                 std::strcmp(m_logFont.lfFaceName, other.m_logFont.lfFaceName) == 0
             ? 1
             : 0;
}

CFont* CFontInfo::GetFont() {
  if (m_pFont == nullptr) {
    m_pFont = new CFont;
    m_pFont->CreateFontIndirect(&m_logFont);  // on failure the selection fails later
  }
  return m_pFont;
}

void CFontInfo::DeleteFont() {
  if (m_pFont == nullptr) return;
  m_pFont->DeleteObject();
  delete m_pFont;
  m_pFont = nullptr;
}

BOOL CFontInfo::MeasureMetrics(CDC* pDC) {
  m_lineHeight = 0;
  CFont* previous = pDC->SelectObject(GetFont());
  if (previous == nullptr) return FALSE;
  pDC->GetTextMetrics(&m_metrics);
  m_lineHeight = m_metrics.tmHeight + m_metrics.tmExternalLeading;
  return pDC->SelectObject(previous) != nullptr;
}

BOOL CFontInfo::MeasureCharWidths(CDC* pDC) {
  std::memset(m_extents, 0, sizeof(m_extents));
  CFont* previous = pDC->SelectObject(GetFont());
  if (previous == nullptr) return FALSE;
  for (int code = 1; code < 256; ++code) {
    const char text[1] = {static_cast<char>(code)};
    const CSize size = pDC->GetTextExtent(text, 1);
    // Tabs and line ends take no room of their own.
    const bool blank = code == HebCode::Tab || IsFormFeedOrCR(code);
    m_extents[code] = (static_cast<DWORD>(size.cy) << 16) | (blank ? 0 : (size.cx & 0xFFFF));
  }
  return pDC->SelectObject(previous) != nullptr;
}

void CFontInfo::BuildLogFont(CDC* pDC, LPCTSTR faceName, WORD pointSize, BYTE style) {
  std::memset(&m_logFont, 0, sizeof(m_logFont));
  m_logFont.lfHeight = -MulDiv(pointSize, pDC->GetDeviceCaps(LOGPIXELSY), 72);
  m_logFont.lfWeight = (style & kBold) ? FW_BOLD : FW_NORMAL;
  m_logFont.lfItalic = (style & kItalic) ? 1 : 0;
  m_logFont.lfUnderline = (style & kUnderline) ? 1 : 0;
  m_logFont.lfCharSet = ANSI_CHARSET;
  m_logFont.lfOutPrecision = OUT_TT_ONLY_PRECIS;
  m_logFont.lfQuality = PROOF_QUALITY;
  m_logFont.lfPitchAndFamily = VARIABLE_PITCH;
  lstrcpynA(m_logFont.lfFaceName, faceName, LF_FACESIZE);
}

void CFontInfo::Set(CDC* pDC, LPCTSTR faceName, WORD pointSize, BYTE style, BOOL measure) {
  DeleteFont();
  m_faceName = faceName;
  m_pointSize = pointSize;
  m_style = style;
  BuildLogFont(pDC, faceName, pointSize, style);
  if (measure) MeasureMetrics(pDC);
}

void CFontInfo::SetFromLogFont(CDC* pDC, const LOGFONT& logFont) {
  DeleteFont();
  m_pointSize =
      static_cast<WORD>(std::abs(MulDiv(logFont.lfHeight, 72, pDC->GetDeviceCaps(LOGPIXELSY))));
  m_style =
      static_cast<BYTE>((logFont.lfWeight > FW_NORMAL ? kBold : 0) |
                        (logFont.lfItalic ? kItalic : 0) | (logFont.lfUnderline ? kUnderline : 0));
  m_logFont = logFont;
  m_faceName = logFont.lfFaceName;
  MeasureMetrics(pDC);
}

void CFontInfo::SetScaled(CDC* pDC, LPCTSTR faceName, WORD pointSize, BYTE style, double scale) {
  Set(pDC, faceName, pointSize, style, TRUE);
  DeleteFont();
  const int height = std::abs(m_logFont.lfHeight);
  m_logFont.lfWidth = 0;
  m_logFont.lfHeight = -static_cast<LONG>(height * scale + 0.5);
}
