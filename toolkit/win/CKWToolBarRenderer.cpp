#include "toolkit/win/CKWToolBarRenderer.h"

#include "classlib/win/CBitmap.h"
#include "classlib/win/CBrush.h"
#include "classlib/win/CDC.h"
#include "classlib/win/CFont.h"
#include "classlib/win/CPen.h"
#include "toolkit/win/CKWGlobalData.h"
#include "toolkit/win/CKWToolBar.h"
#include "toolkit/win/KWDrawing.h"

namespace {
CKWFlatToolBarRenderer g_flatRenderer;
CKWPlainToolBarRenderer g_plainRenderer;

// The drop-down triangle: clear bits of 5, 3 and 1 pixels, in columns 1 to 5.
const WORD kArrowRows[] = {0x83, 0xC7, 0xEF};
constexpr int kArrowWidth = 5;
constexpr int kArrowHeight = 3;
constexpr int kArrowBitmapWidth = 8;
// The arrow part of a drop-down button, at its right end.
constexpr int kArrowPartWidth = 14;
// The shadow under an open drop-down and its strength in percent.
constexpr int kShadowDepth = 4;
constexpr int kShadowStrength = 100;
constexpr int kSeparatorLineX = 3;
constexpr int kSeparatorLineInset = 2;
constexpr int kComboButtonExtra = 2;

CRect ItemRect(CKWToolBar* pBar, int nIndex) {
  CRect rect;
  pBar->GetItemRect(nIndex, &rect);
  return rect;
}

TBBUTTON ButtonOf(CKWToolBar* pBar, int nIndex) {
  TBBUTTON button = {};
  pBar->SendMessage(TB_GETBUTTON, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&button));
  return button;
}

void FramePen(CDC* pDC, COLORREF color, const CRect& rect) {
  CBrush brush(color);
  pDC->FrameRect(&rect, &brush);
}

enum class Look { Normal, Hot, Pressed, Dropped };

struct Colours {
  COLORREF face;
  COLORREF text;
  COLORREF frame;
  bool bFrame;
  int nOffset;
};

// The colours of a button by its state bits and look.
Colours ChooseColours(const CKWGlobalData& d, BYTE fsState, Look look, COLORREF start) {
  bool bDisabled = !(fsState & TBSTATE_ENABLED);
  bool bActive = look == Look::Pressed || look == Look::Hot;
  if (fsState & TBSTATE_CHECKED) {
    if (bDisabled) return {d.clrBtnFace, d.clrMenuText, d.clrShadowDark, true, -1};
    if (bActive) return {d.clrHighlightMid, d.clrHighlightMidText, d.clrHighlight, true, -1};
    return {d.clrHighlightFace, d.clrMenuText, d.clrHighlight, true, -1};
  }
  if (fsState & TBSTATE_INDETERMINATE) {
    if (bDisabled) return {d.clrLightFace, d.clrMenuText, 0, false, 0};
    if (look == Look::Pressed) return {d.clrHighlightMid, d.clrHighlightMidText, 0, false, 0};
    if (look == Look::Hot) return {d.clrHighlightPale, d.clrMenuText, 0, false, 0};
  } else if (!bDisabled) {
    if (look == Look::Pressed) return {d.clrHighlightMid, d.clrHighlightMidText, d.clrHighlight, true, 1};
    if (look == Look::Hot) return {d.clrHighlightPale, d.clrMenuText, d.clrHighlight, true, -1};
  }
  return {start, d.clrMenuText, 0, false, 0};
}
}  // namespace

CKWToolBarRenderer* GetToolBarRenderer() {
  if (KWGetGlobalData().bOfficeLook) return &g_flatRenderer;
  return &g_plainRenderer;
}

void DrawDropArrowGlyph(CDC* pDC, const RECT& rect) {
  CBitmap bitmap;
  if (!bitmap.CreateBitmap(kArrowBitmapWidth, kArrowHeight, 1, 1, kArrowRows)) return;
  CDC memDC;
  if (!memDC.CreateCompatibleDC(pDC)) return;
  CBitmap* pOld = memDC.SelectObject(&bitmap);
  pDC->BitBlt((rect.left + rect.right - kArrowHeight) / 2, (rect.top + rect.bottom - 1) / 2,
              kArrowWidth, kArrowHeight, &memDC, 1, 0, SRCCOPY);
  memDC.SelectObject(pOld);
}

void CKWFlatButtonPainter::EraseButton(CDC* pDC, CKWToolBar* pBar, int nIndex) {
  CRect rect = ItemRect(pBar, nIndex);
  pDC->FillSolidRect(&rect, pBar->GetBackgroundColor());
}

void CKWFlatButtonPainter::DrawSeparator(CDC* pDC, CKWToolBar* pBar, int nIndex) {
  CRect rect = ItemRect(pBar, nIndex);
  const CKWGlobalData& d = KWGetGlobalData();
  CPen pen(PS_SOLID, 1, d.clrFaceDeep);
  CPen* pOld = pDC->SelectObject(&pen);
  if (ButtonOf(pBar, nIndex).fsState & TBSTATE_WRAP) {
    // A band across the bar between two rows.
    CRect client;
    pBar->GetClientRect(&client);
    CRect band(rect.left, rect.bottom - rect.Width(), client.Width(), rect.bottom);
    pDC->FillSolidRect(&band, pBar->GetBackgroundColor());
    int y = (band.top + band.bottom) / 2 - 1;
    pDC->MoveTo(band.left, y);
    pDC->LineTo(band.right, y);
  } else {
    pDC->FillSolidRect(&rect, pBar->GetBackgroundColor());
    pDC->MoveTo(rect.left + kSeparatorLineX, rect.top + kSeparatorLineInset);
    pDC->LineTo(rect.left + kSeparatorLineX, rect.bottom - kSeparatorLineInset);
  }
  pDC->SelectObject(pOld);
}

void CKWFlatButtonPainter::DrawDropShadow(CDC* pDC, CKWToolBar* pBar, int nIndex) {
  if (!KWGetGlobalData().bMenuShadows) return;
  CRect rect = ItemRect(pBar, nIndex);
  DrawItemShadow(pDC, rect.left, rect.top, rect.right + kShadowDepth, rect.bottom + kShadowDepth,
                 kShadowStrength);
}

void CKWFlatButtonPainter::InvalidateButton(CKWToolBar* pBar, int nIndex) {
  CRect rect = ItemRect(pBar, nIndex);
  rect.right += kShadowDepth;
  rect.bottom += kShadowDepth;
  pBar->InvalidateRect(&rect, TRUE);
}

BOOL CKWFlatButtonPainter::DrawButton(CDC* pDC, CKWToolBar* pBar, int nIndex) {
  const CKWGlobalData& d = KWGetGlobalData();
  CRect rect = ItemRect(pBar, nIndex);
  TBBUTTON button = ButtonOf(pBar, nIndex);
  int nSaved = pDC->SaveDC();
  pDC->SelectObject(CFont::FromHandle(reinterpret_cast<HFONT>(pBar->SendMessage(WM_GETFONT))));
  pDC->SetBkMode(TRANSPARENT);
  Look look = pBar->SendMessage(TB_GETHOTITEM) == nIndex ? Look::Hot
              : (button.fsState & TBSTATE_PRESSED)      ? Look::Pressed
                                                        : Look::Normal;
  CPoint cursor;
  if (::GetCursorPos(&cursor)) {
    pBar->ScreenToClient(&cursor);
    bool bOver = pBar->SendMessage(TB_HITTEST, 0, reinterpret_cast<LPARAM>(&cursor)) == nIndex;
    if (bOver && ::GetKeyState(VK_LBUTTON) < 0 && !m_pState->IsDragging()) look = Look::Pressed;
    if (!bOver && look == Look::Hot) look = Look::Normal;
  }
  if (pBar->m_nDropDownIndex == nIndex) look = Look::Dropped;
  COLORREF start = pBar->IsInReBar() ? d.clrBtnFace : pBar->GetBackgroundColor();
  Colours c = ChooseColours(d, button.fsState, look, start);
  pDC->FillSolidRect(&rect, c.face);
  bool bDropDown = (pBar->SendMessage(TB_GETEXTENDEDSTYLE) & TBSTYLE_EX_DRAWDDARROWS) &&
                   (button.fsStyle & TBSTYLE_DROPDOWN);
  CRect arrow(rect.right - kArrowPartWidth, rect.top, rect.right, rect.bottom);
  if (look == Look::Dropped) {
    // Open at the bottom, where the menu joins.
    CPen pen(PS_SOLID, 1, d.clrShadowDark);
    CPen* pOld = pDC->SelectObject(&pen);
    pDC->MoveTo(rect.left, rect.bottom);
    pDC->LineTo(rect.left, rect.top);
    pDC->LineTo(rect.right - 1, rect.top);
    pDC->LineTo(rect.right - 1, rect.bottom);
    pDC->SelectObject(pOld);
  } else if (c.bFrame) {
    FramePen(pDC, c.frame, rect);
    if (bDropDown) FramePen(pDC, c.frame, arrow);
  }
  pDC->SetTextColor(c.text);
  pDC->SetBkColor(c.face);
  if (bDropDown) DrawDropArrowGlyph(pDC, arrow);
  bool bDisabled = !(button.fsState & TBSTATE_ENABLED);
  if (button.iBitmap >= 0) {
    int cxImage = pBar->m_sizeImage.cx + (bDropDown ? kArrowPartWidth + kComboButtonExtra : 0);
    int x = rect.left + (rect.Width() - cxImage) / 2 + c.nOffset;
    int y = ((pBar->GetStyle() & TBSTYLE_LIST) ? (rect.top + rect.bottom - pBar->m_sizeImage.cy) / 2
                                                 : rect.top + 3) + c.nOffset;
    HIMAGELIST hList = reinterpret_cast<HIMAGELIST>(pBar->SendMessage(TB_GETIMAGELIST));
    HICON hIcon = hList != nullptr ? ImageList_GetIcon(hList, button.iBitmap, ILD_NORMAL) : nullptr;
    if (hIcon != nullptr) {
      CBrush shadow(d.clrBtnShadow);
      if (!bDisabled && look == Look::Hot && !(button.fsState & TBSTATE_CHECKED))
        pDC->DrawState(CPoint(x + 2, y + 2), pBar->m_sizeImage, hIcon, DST_ICON | DSS_MONO,
                       &shadow);
      if (bDisabled)
        pDC->DrawState(CPoint(x, y), pBar->m_sizeImage, hIcon, DST_ICON | DSS_MONO, &shadow);
      else
        pDC->DrawState(CPoint(x, y), pBar->m_sizeImage, hIcon, DST_ICON | DSS_NORMAL,
                       static_cast<HBRUSH>(nullptr));
      ::DestroyIcon(hIcon);
    }
  }
  pDC->RestoreDC(nSaved);
  return TRUE;
}

void CKWFlatComboPainter::DrawCombo(CWnd* pCombo, CDC* pDC, BOOL bHot) {
  const CKWGlobalData& d = KWGetGlobalData();
  CRect rect;
  pCombo->GetClientRect(&rect);
  if (m_pState->IsDragging()) bHot = FALSE;
  bool bDropped = pCombo->SendMessage(CB_GETDROPPEDSTATE) != 0;
  COLORREF face = bDropped ? d.clrHighlightFace : bHot ? d.clrHighlightPale : d.clrBtnFace;
  COLORREF frame = bDropped || bHot ? d.clrHighlight : d.clrCaptionText;
  COLORREF arrowColour = bDropped ? d.clrCaptionText : d.clrBtnText;
  FramePen(pDC, d.clrBtnFace, rect);
  rect.DeflateRect(1, 1);
  CRect button(rect.right - d.cxHThumb - kComboButtonExtra, rect.top, rect.right, rect.bottom);
  FramePen(pDC, frame, rect);
  FramePen(pDC, frame, button);
  button.DeflateRect(1, 1);
  pDC->FillSolidRect(&button, face);
  COLORREF oldText = pDC->SetTextColor(arrowColour);
  COLORREF oldBk = pDC->SetBkColor(face);
  DrawDropArrowGlyph(pDC, button);
  pDC->SetTextColor(oldText);
  pDC->SetBkColor(oldBk);
}
