#include "tables/win/DefinitionWnd.h"

#include <string>
#include <vector>

#include "classlib/win/CFont.h"
#include "classlib/win/CMenu.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/MessageMap.h"
#include "classlib/win/WindowDCs.h"
#include "hebtext/core/HebrewGlyphRun.h"
#include "hebtext/win/CFontInfo.h"
#include "hebtext/win/ClipboardText.h"
#include "hebtext/win/HebrewTextDraw.h"
#include "tables/core/DefinitionExport.h"
#include "tables/core/DefinitionLayout.h"
#include "tables/core/DefinitionMarkup.h"
#include "tables/win/GrammarViewMessages.h"

namespace {

CFontInfo* g_pEnglishFont = nullptr;
CFontInfo* g_pHebrewFont = nullptr;

constexpr int kExportFontPoints = 14;
constexpr int kPointsPerInch = 72;
constexpr WORD kPointMask = 0xFFFF;

// Measures in the English font selected into the DC and the Hebrew font.
class DeviceMeasurer : public DefinitionMeasurer {
 public:
  DeviceMeasurer(CDC* pDC, const CFontInfo& hebrew) : m_pDC(pDC), m_hebrew(hebrew) {}
  int TextWidth(const std::string& text) override {
    return m_pDC->GetTextExtent(text.c_str(), static_cast<int>(text.size())).cx;
  }
  int HebrewWidth(const DefinitionHebrew& word) override {
    return MeasureHebrewText(m_hebrew, Bytes(word.letters), Bytes(word.vowels),
                             static_cast<int>(word.letters.size()), TRUE);
  }
  static const BYTE* Bytes(const std::string& text) {
    return reinterpret_cast<const BYTE*>(text.c_str());
  }

 private:
  CDC* m_pDC;
  const CFontInfo& m_hebrew;
};

void DrawRun(CDC* pDC, CFontInfo* pHebrew, const DefinitionRun& run) {
  if (run.isHebrew) {
    CFont* pOld = pDC->SelectObject(pHebrew->GetFont());
    const int count = static_cast<int>(run.hebrew.letters.size());
    const int width = MeasureHebrewText(*pHebrew, DeviceMeasurer::Bytes(run.hebrew.letters),
                                        DeviceMeasurer::Bytes(run.hebrew.vowels), count, TRUE);
    pDC->SetBkMode(TRANSPARENT);
    DrawHebrewText(pDC, pHebrew, run.at.x + width, run.at.y,
                   DeviceMeasurer::Bytes(run.hebrew.letters),
                   DeviceMeasurer::Bytes(run.hebrew.vowels), count, run.colour, run.colour, TRUE,
                   kQamatsQatanAsText, nullptr, FALSE, run.colour, run.colour, kNoHighlight);
    pDC->SelectObject(pOld);
    return;
  }
  pDC->SetBkMode(run.opaque ? OPAQUE : TRANSPARENT);
  pDC->SetBkColor(kDefinitionHighlightBack);
  pDC->SetTextColor(run.colour);
  pDC->TextOut(run.at.x, run.at.y, run.text.c_str(), static_cast<int>(run.text.size()));
}

// What the RTF font table says of a face made at the export size in the
// main window's DC; nothing of the device when the font cannot be made.
RtfFontInfo ExportFontInfo(const char* face) {
  RtfFontInfo info{DEFAULT_PITCH, DEFAULT_CHARSET, face};
  CWnd* pMain = AfxGetMainWnd();
  CClientDC dc(pMain);
  LOGFONT logFont = {};
  ::lstrcpynA(logFont.lfFaceName, face, LF_FACESIZE);
  logFont.lfHeight = -::MulDiv(kExportFontPoints, dc.GetDeviceCaps(LOGPIXELSY), kPointsPerInch);
  CFont font;
  if (!font.CreateFontIndirect(&logFont)) return info;
  CFont* pOld = dc.SelectObject(&font);
  TEXTMETRIC metrics = {};
  if (dc.GetTextMetrics(&metrics)) {
    info.pitchAndFamily = metrics.tmPitchAndFamily;
    info.charSet = metrics.tmCharSet;
  }
  dc.SelectObject(pOld);
  return info;
}

std::string WindowText(CDefinitionWnd* pWnd) {
  CString text;
  pWnd->GetWindowText(text);
  return std::string(text);
}

}  // namespace

BEGIN_MESSAGE_MAP(CDefinitionWnd, CWnd)
  ON_WM_CREATE()
  ON_WM_PAINT()
  ON_WM_CONTEXTMENU()
  ON_MESSAGE(WM_SETTEXT, OnSetText)
  ON_MESSAGE(WM_DEFN_HIGHLIGHT, OnHighlight)
END_MESSAGE_MAP()

CDefinitionWnd::CDefinitionWnd() = default;

CDefinitionWnd::~CDefinitionWnd() {
  if (m_pOldBitmap != nullptr) m_memDC.SelectObject(m_pOldBitmap);
}

void CDefinitionWnd::SetFonts(CFontInfo* pEnglish, CFontInfo* pHebrew) {
  g_pEnglishFont = pEnglish;
  g_pHebrewFont = pHebrew;
}

CDefinitionWnd* CDefinitionWnd::CreateInPlace(CWnd* pParent, UINT nID) {
  HWND hControl = ::GetDlgItem(pParent->GetSafeHwnd(), static_cast<int>(nID));
  if (hControl == nullptr) return nullptr;
  CRect rect;
  ::GetWindowRect(hControl, &rect);
  pParent->ScreenToClient(&rect);
  HWND hBefore = ::GetWindow(hControl, GW_HWNDPREV);
  ::DestroyWindow(hControl);
  CDefinitionWnd* pWnd = new CDefinitionWnd;
  if (!pWnd->Create(nullptr, "", WS_CHILD | WS_VISIBLE, rect, pParent, nID)) {
    delete pWnd;
    return nullptr;
  }
  ::SetWindowPos(pWnd->GetSafeHwnd(), hBefore != nullptr ? hBefore : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return pWnd;
}

void CDefinitionWnd::SetHighlightTerm(LPCSTR lpszTerm) {
  m_highlightTerm = lpszTerm != nullptr ? lpszTerm : "";
}

int CDefinitionWnd::CountDefinitions() const {
  CString text;
  GetWindowText(text);
  return ::CountDefinitions(std::string(text));
}

int CDefinitionWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
  GetClientRect(&m_client);
  SetWindowText("");
  return 0;
}

void CDefinitionWnd::OnPaint() {
  CPaintDC dc(this);
  if (m_bBitmapMade) dc.BitBlt(0, 0, m_client.Width(), m_client.Height(), &m_memDC, 0, 0, SRCCOPY);
}

void CDefinitionWnd::OnContextMenu(CWnd*, CPoint point) {
  CWnd* pParent = GetParent();
  if (pParent == nullptr) return;
  const LPARAM packed =
      MAKELPARAM(static_cast<WORD>(point.x & kPointMask), static_cast<WORD>(point.y & kPointMask));
  pParent->SendMessage(WM_GRAM_CONTEXTMENU, GetDlgCtrlID(), packed);
}

LRESULT CDefinitionWnd::OnSetText(WPARAM, LPARAM) {
  const LRESULT result = Default();
  m_highlightedNumber = -1;
  Render();
  return result;
}

LRESULT CDefinitionWnd::OnHighlight(WPARAM wParam, LPARAM) {
  m_highlightedNumber = static_cast<int>(wParam);
  Render();
  RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  m_highlightTerm.Empty();
  return 0;
}

void CDefinitionWnd::Render() {
  if (!m_bBitmapMade) {
    CClientDC dc(this);
    if (!m_memDC.CreateCompatibleDC(&dc)) return;
    if (!m_bitmap.CreateCompatibleBitmap(&dc, m_client.Width(), m_client.Height())) return;
    m_pOldBitmap = m_memDC.SelectObject(&m_bitmap);
    m_bBitmapMade = TRUE;
  }
  m_memDC.FillSolidRect(&m_client, ::GetSysColor(COLOR_BTNFACE));
  GetWindowText(m_text);
  PaintText();
  Invalidate(FALSE);
}

void CDefinitionWnd::PaintText(CDC* pDC, CFontInfo* pEnglish, CFontInfo* pHebrew,
                               const RECT* pRect) {
  const bool printing = pDC != nullptr;
  if (!printing) {
    if (!m_bBitmapMade) return;
    pDC = &m_memDC;
    pEnglish = g_pEnglishFont;
    pHebrew = g_pHebrewFont;
    pRect = &m_client;
  }
  if (m_text.IsEmpty() || pEnglish == nullptr || pHebrew == nullptr || pRect == nullptr) return;
  CFont* pOld = pDC->SelectObject(pEnglish->GetFont());
  TEXTMETRIC metrics = {};
  pDC->GetTextMetrics(&metrics);
  DeviceMeasurer measurer(pDC, *pHebrew);
  const DefinitionFrame frame{*pRect,
                              measurer.TextWidth(" "),
                              metrics.tmHeight,
                              m_highlightedNumber,
                              std::string(m_highlightTerm),
                              printing};
  const std::vector<DefinitionRun> runs = LayOutDefinition(std::string(m_text), frame, measurer);
  for (const DefinitionRun& run : runs) DrawRun(pDC, pHebrew, run);
  pDC->SelectObject(pOld);
}

void CDefinitionWnd::RepaintIfMeets(const RECT& rect) {
  CRect mine;
  GetWindowRect(&mine);
  GetParent()->ScreenToClient(&mine);
  CRect meeting;
  if (meeting.IntersectRect(&mine, &rect)) Invalidate(FALSE);
}

int ShowDefinitionCopyMenu(CDefinitionWnd* pWnd, CMenu& menu) {
  const std::vector<DefinitionMenuItem> items = DefinitionCopyItems(WindowText(pWnd));
  if (items.empty()) return 0;
  menu.DestroyMenu();
  menu.CreatePopupMenu();
  for (const DefinitionMenuItem& item : items)
    menu.AppendMenu(MF_STRING, item.command, item.label.c_str());
  return 1;
}

void ExportDefinitions(CDefinitionWnd* pWnd, CString& plainText, CString& rtf, int which) {
  const ExportedDefinitions exported = ExportDefinitions(
      WindowText(pWnd), which, ExportFontInfo(kRtfEnglishFace), ExportFontInfo(kRtfHebrewFace));
  plainText = exported.plainText.c_str();
  rtf = exported.rtf.c_str();
}

BOOL CopyDefinitionsToClipboard(CDefinitionWnd* pWnd, UINT nCommand) {
  const int which = DefinitionsForCommand(nCommand);
  if (which < 0) return FALSE;
  CString plainText;
  CString rtf;
  ExportDefinitions(pWnd, plainText, rtf, which);
  return CopyTextToClipboard(plainText, CF_TEXT, TRUE) &&
         CopyTextToClipboard(rtf, GetRtfClipboardFormat(), FALSE);
}

void TrackDefinitionCopyMenu(CDefinitionWnd* pWnd, CMenu& menu, CWnd* pOwner, LPARAM screenPoint) {
  if (!ShowDefinitionCopyMenu(pWnd, menu)) return;
  menu.TrackPopupMenu(TPM_CENTERALIGN | TPM_RIGHTBUTTON, static_cast<short>(LOWORD(screenPoint)),
                      static_cast<short>(HIWORD(screenPoint)), pOwner);
}
