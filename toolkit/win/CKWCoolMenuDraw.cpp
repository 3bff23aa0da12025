// The owner-drawn items of CKWCoolMenu: their sizes, and their drawing in the
// plain look and in the flat ("office") look.
#include <algorithm>

#include "classlib/win/CBrush.h"
#include "classlib/win/CPen.h"
#include "classlib/win/CWnd.h"
#include "classlib/win/WindowDCs.h"
#include "toolkit/core/KWMenuMeasure.h"
#include "toolkit/core/KWPersonalMenu.h"
#include "toolkit/core/MenuText.h"
#include "toolkit/win/CKWCoolMenu.h"
#include "toolkit/win/CKWGlobalData.h"
#include "toolkit/win/CKWMenuWndHook.h"
#include "toolkit/win/CKWOSVersionInfo.h"
#include "toolkit/win/KWDrawing.h"
#include "toolkit/win/KWMenuGlobals.h"

namespace {

constexpr int kTextGap = 7;              // plain look: image column to label
constexpr int kFlatTextGap = 8;          // flat look
constexpr int kSelectionGap = 2;         // plain look: image column to highlight
constexpr int kSeparatorInset = 12;      // plain look: etched line's ends
constexpr int kFlatImageColumn = 24;
constexpr int kFlatSeparatorStart = 26;
constexpr int kFlatAcceleratorEnd = 20;  // the accelerator column ends this far from the right
constexpr int kFlatCheckInset = 2;

// The tick of a check mark, from (left + 6, top + 8), and its highlight when selected.
constexpr POINT kTickOrigin = {6, 8};
constexpr POINT kTick[] = {{0, 1}, {0, 2}, {1, 2}, {1, 3}, {2, 3}, {2, 4}, {3, 3},
                           {3, 2}, {4, 2}, {4, 1}, {5, 1}, {5, 0}, {6, 0}, {6, -1}};
constexpr POINT kTickHighlight[] = {{-1, 1}, {-1, 2}, {0, 3}, {1, 4}, {2, 5}, {3, 4},
                                    {4, 3},  {5, 2},  {6, 1}, {7, 0}, {7, -1}};
// The bullet of a radio item: five lines from y = top + 8, x spans from left.
struct Span {
  int from, to;
};
constexpr int kBulletTop = 8;
constexpr Span kBullet[] = {{8, 10}, {7, 11}, {7, 11}, {7, 11}, {8, 10}};
// One chevron of the double down-arrow, 5 x 4.
constexpr POINT kChevron[] = {{0, 0}, {0, 1}, {1, 1}, {1, 2}, {2, 2},
                              {2, 3}, {3, 1}, {3, 2}, {4, 0}, {4, 1}};
constexpr int kChevronWidth = 5;
constexpr int kChevronHeight = 4;

template <size_t N>
void SetPixels(CDC* pDC, int x, int y, const POINT (&points)[N], COLORREF color) {
  for (const POINT& p : points) pDC->SetPixel(x + p.x, y + p.y, color);
}

void HorizontalLine(CDC* pDC, int left, int right, int y, COLORREF color) {
  pDC->FillSolidRect(left, y, right - left, 1, color);
}

bool CuesHidden() {
  BOOL bCues = TRUE;
  if (KWGetGlobalData().bWin2000 || CKWOSVersionInfo::Get().dwMajorVersion > 4)
    ::SystemParametersInfoA(SPI_GETKEYBOARDCUES, 0, &bCues, 0);
  return !bCues;
}

}  // namespace

BOOL CKWCoolMenu::MeasureItem(MEASUREITEMSTRUCT* pMeasure) {
  CKWMenuItemData* pData = FindRecord(pMeasure->itemData);
  if (pData == nullptr) return FALSE;
  const CKWGlobalData& data = KWGetGlobalData();
  KWMenuItemMeasure item;
  if (pData->IsSeparator()) {
    item.kind = KWMenuItemKind::kSeparator;
  } else if (pData->m_nID == kKWFullMenusCommand) {
    item.kind = KWMenuItemKind::kChevron;
  } else {
    item.kind = pData->m_strText.IsEmpty() ? KWMenuItemKind::kNoText : KWMenuItemKind::kText;
  }
  if (item.kind != KWMenuItemKind::kSeparator && !pData->m_strText.IsEmpty()) {
    CClientDC dc(CWnd::FromHandle(m_hWnd));
    const CFont& font = (pData->m_nState & MFS_DEFAULT) != 0 ? data.fontBold : data.fontNormal;
    CFont* pOld = dc.SelectObject(const_cast<CFont*>(&font));
    item.textWidth = dc.GetTextExtent(KWMeasuredMenuText(pData->m_strText)).cx;
    dc.SelectObject(pOld);
  }
  item.first = IsFirstItem(pData->m_hMenu, pData->m_nPosition) != FALSE;
  item.last = IsLastItem(pData->m_hMenu, pData->m_nPosition, pData->m_nID) != FALSE;
  KWMenuMetrics metrics{::GetSystemMetrics(SM_CYMENU), ::GetSystemMetrics(SM_CYDLGFRAME),
                        m_sizeImage, data.bOfficeLook != FALSE};
  CSize size = KWMeasureMenuItem(item, metrics);
  pMeasure->itemWidth = size.cx;
  pMeasure->itemHeight = size.cy;
  return TRUE;
}

BOOL CKWCoolMenu::DrawItem(DRAWITEMSTRUCT* pDraw) {
  CKWMenuWndHook* pNewest = KWNewestMenuWndHook();
  if (pNewest != nullptr) pNewest->m_pOwner = this;
  CKWMenuItemData* pData = pDraw->CtlType == ODT_MENU ? FindRecord(pDraw->itemData) : nullptr;
  if (pData == nullptr) return FALSE;
  CDC* pDC = CDC::FromHandle(pDraw->hDC);
  int nSaved = pDC->SaveDC();
  if (KWGetGlobalData().bOfficeLook)
    DrawFlatItem(pDC, pDraw, pData);
  else
    DrawPlainItem(pDC, pDraw, pData);
  pDC->RestoreDC(nSaved);
  return TRUE;
}

bool CKWCoolMenu::DrawIfChevron(CDC* pDC, CRect rect, CKWMenuItemData* pData, BOOL bSelected) {
  if (pData->m_nID != kKWFullMenusCommand && pData->m_strText != kKWChevronText) return false;
  DrawChevron(pDC, rect, bSelected);
  g_bKWChevronSelected = static_cast<BYTE>(bSelected);
  return true;
}

bool CKWCoolMenu::IsBetweenHidden(CKWMenuItemData* pData) {
  return IsPrevItemHidden(pData->m_hMenu, pData->m_nPosition) &&
         IsNextItemHidden(pData->m_hMenu, pData->m_nPosition);
}

void CKWCoolMenu::DrawPlainItem(CDC* pDC, const DRAWITEMSTRUCT* pDraw, CKWMenuItemData* pData) {
  const CKWGlobalData& data = KWGetGlobalData();
  BOOL bDisabled = (pDraw->itemState & ODS_GRAYED) != 0;
  BOOL bChecked = (pDraw->itemState & ODS_CHECKED) != 0;
  BOOL bSelected = (pDraw->itemState & ODS_SELECTED) != 0;
  bool rare = (pData->m_nFlags & kKWRarelyUsed) != 0;
  CRect rect(pDraw->rcItem);
  COLORREF background = rare ? data.clrLightFace : data.clrMenu;
  CRect fill = rect;
  if (!rare) fill.top += 1;
  pDC->FillSolidRect(fill, background);
  pDC->SetBkMode(TRANSPARENT);

  if (DrawIfChevron(pDC, rect, pData, bSelected)) return;
  if (pData->IsSeparator()) {
    if (rare && IsBetweenHidden(pData))
      pDC->FillSolidRect(rect.left, rect.top - 1, rect.Width(), 1, data.clrLightFace);
    CRect line(rect.left + kSeparatorInset, rect.top + rect.Height() / 2,
               rect.right - kSeparatorInset, rect.bottom);
    pDC->DrawEdge(line, EDGE_ETCHED, BF_TOP);
    return;
  }

  // The image column.
  CRect cell(rect.left, rect.top, rect.left + m_sizeButton.cx, rect.top + m_sizeButton.cy);
  cell.OffsetRect(0, (rect.Height() - cell.Height()) / 2);
  cell.top -= 1;
  cell.right += 1;
  cell.bottom += 1;
  bool drewColumn = false;
  MENUITEMINFOA checks = {};
  checks.cbSize = sizeof checks;
  checks.fMask = MIIM_CHECKMARKS;
  ::GetMenuItemInfoA(pData->m_hMenu, pDraw->itemID, FALSE, &checks);
  if (pData->m_nImage < 0) {
    HBITMAP hbmCheck = bChecked ? checks.hbmpChecked : checks.hbmpUnchecked;
    if (bChecked || hbmCheck != nullptr) {
      DrawCheckMark(pDC, cell, bSelected, bDisabled, hbmCheck);
      drewColumn = true;
    }
  } else {
    drewColumn = true;
    CPoint point(cell.left + (cell.Width() - m_sizeImage.cx) / 2,
                 cell.top + (cell.Height() - m_sizeImage.cy) / 2);
    if (!rare) cell.top += 1;
    pDC->FillSolidRect(cell, background);
    if (!bDisabled && bChecked) {
      pDC->DrawEdge(cell, BDR_SUNKENOUTER, BF_RECT);
      if (!bSelected) {
        CRect inside = cell;
        inside.InflateRect(-1, -1);
        FillDither(pDC, inside);
      }
    } else if (!bDisabled && bSelected) {
      CRect raised = cell;
      if ((pData->m_nFlags & kKWRareRunFirst) != 0) raised.top += 1;
      pDC->DrawEdge(raised, BDR_RAISEDINNER, BF_RECT);
    }
    if (!bDisabled) {
      CImageList* pImages = GetDrawingImages();
      if (pImages != nullptr)
        ImageList_Draw(*pImages, pData->m_nImage, pDC->GetSafeHdc(), point.x, point.y,
                       ILD_TRANSPARENT);
    } else {
      HICON hIcon = ImageList_GetIcon(m_imageList, pData->m_nImage, ILD_NORMAL);
      pDC->DrawState(point, m_sizeImage, hIcon, DST_ICON | DSS_DISABLED, static_cast<HBRUSH>(nullptr));
      ::DestroyIcon(hIcon);
    }
  }

  if (bSelected) {
    CRect highlight = rect;
    if (drewColumn) highlight.left += kSelectionGap + m_sizeButton.cx;
    pDC->FillSolidRect(highlight, data.clrHighlight);
    background = data.clrHighlight;
  }
  COLORREF color = !bDisabled ? (bSelected ? data.clrHighlightText : data.clrMenuText)
                              : (bSelected ? data.clrBtnFace : data.clrGrayText);
  CRect text(rect.left + kTextGap + m_sizeButton.cx, rect.top, rect.right, rect.bottom);
  BOOL bBold = (pData->m_nState & MFS_DEFAULT) != 0;
  if (bDisabled && (!bSelected || color == background)) {
    CRect embossed = text;
    embossed.OffsetRect(1, 1);
    DrawItemText(pDC, embossed, pData, data.clrBtnHilite, bBold);
  }
  DrawItemText(pDC, text, pData, color, bBold);
  if (rare) DrawRunBorders(pDC, rect, pData);
}

void CKWCoolMenu::DrawItemText(CDC* pDC, CRect rect, CKWMenuItemData* pData, COLORREF color,
                               BOOL bBold) {
  const CKWGlobalData& data = KWGetGlobalData();
  CFont* pOld = pDC->SelectObject(const_cast<CFont*>(bBold ? &data.fontBold : &data.fontNormal));
  CString text = pData->m_strText;
  if (CuesHidden()) StripMnemonics(text);
  DrawMenuText(pDC, rect, text, color);
  pDC->SelectObject(pOld);
}

void CKWCoolMenu::DrawRunBorders(CDC* pDC, CRect rect, CKWMenuItemData* pData) {
  const CKWGlobalData& data = KWGetGlobalData();
  HMENU hMenu = pData->m_hMenu;
  int nPos = pData->m_nPosition;
  int last = ::GetMenuItemCount(hMenu) - 1;
  auto isSeparator = [&](int pos) {
    return (::GetMenuState(hMenu, pos, MF_BYPOSITION) & MF_SEPARATOR) != 0;
  };
  auto isRare = [&](int pos) {
    CKWMenuItemData* pOther = GetItemData(hMenu, pos);
    return pOther != nullptr && (pOther->m_nFlags & kKWRarelyUsed) != 0;
  };
  if ((pData->m_nFlags & kKWRareRunFirst) != 0) {
    int above = nPos - 1;
    bool skip = above >= 0 && (isSeparator(above) || above == last) &&
                (above == 0 || isRare(above - 1));
    if (!skip) HorizontalLine(pDC, rect.left, rect.right, rect.top, data.clrBtnShadow);
  }
  if ((pData->m_nFlags & kKWRareRunLast) != 0) {
    int below = nPos + 1;
    bool skip = below <= last && (isSeparator(below) || below == last) &&
                (below == last || isRare(below + 1));
    if (!skip) HorizontalLine(pDC, rect.left, rect.right, rect.bottom - 1, data.clrBtnHilite);
  }
}

void CKWCoolMenu::DrawFlatItem(CDC* pDC, const DRAWITEMSTRUCT* pDraw, CKWMenuItemData* pData) {
  const CKWGlobalData& data = KWGetGlobalData();
  BOOL bDisabled = (pDraw->itemState & ODS_GRAYED) != 0;
  BOOL bChecked = (pDraw->itemState & ODS_CHECKED) != 0;
  BOOL bSelected = (pDraw->itemState & ODS_SELECTED) != 0;
  bool rare = (pData->m_nFlags & kKWRarelyUsed) != 0;
  bool first = IsFirstItem(pData->m_hMenu, pData->m_nPosition) != FALSE;
  bool last = IsLastItem(pData->m_hMenu, pData->m_nPosition, pData->m_nID) != FALSE;
  int cxFrame = ::GetSystemMetrics(SM_CXDLGFRAME);
  int cyFrame = ::GetSystemMetrics(SM_CYDLGFRAME);

  // The items together draw the menu's frame.
  CRect rect(pDraw->rcItem);
  rect.right += 2 * cxFrame;
  if (last) rect.bottom += 2 * cyFrame;
  pDC->FillSolidRect(rect, data.clrWindowTint);
  COLORREF border = data.clrShadowDark;
  pDC->FillSolidRect(rect.left, rect.top, 1, rect.Height(), border);
  pDC->FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), border);
  if (first) HorizontalLine(pDC, rect.left, rect.right, rect.top, border);
  if (last) HorizontalLine(pDC, rect.left, rect.right, rect.bottom - 1, border);
  // The side toward the button the menu dropped from stays open.
  CRect drop = g_rectKWDropButton;
  switch (pData->m_nOrigin) {
    case 0x4000:
      pDC->FillSolidRect(rect.right - 1, rect.top + 1, 1, drop.Height() - 2, data.clrFaceTint);
      break;
    case 0x1000:
      pDC->FillSolidRect(rect.left, rect.top + 1, 1, drop.Height() - 2, data.clrFaceTint);
      break;
    case 0x2000:
      HorizontalLine(pDC, rect.left + 1, rect.left + 1 + drop.Width() - 2, rect.top, data.clrFaceTint);
      break;
    case 0x8000:
      HorizontalLine(pDC, rect.left + 1, rect.left + 1 + drop.Width() - 2, rect.bottom - 1,
                     data.clrFaceTint);
      break;
    default:
      break;
  }
  rect.DeflateRect(1, 0);
  if (first) rect.top += 1;
  if (last) rect.bottom -= 1;

  bool rareSeparator = pData->IsSeparator() && IsBetweenHidden(pData);
  CRect column(rect.left, rect.top, rect.left + kFlatImageColumn, rect.bottom);
  pDC->FillSolidRect(column, rare || rareSeparator ? data.clrFaceShade : data.clrFaceTint);
  pDC->SetBkMode(TRANSPARENT);

  if (DrawIfChevron(pDC, rect, pData, bSelected)) return;
  if (pData->IsSeparator()) {
    HorizontalLine(pDC, rect.left + kFlatSeparatorStart, rect.right - 1,
                   rect.top + rect.Height() / 2, data.clrFaceDeep);
    return;
  }
  if (bSelected && !bDisabled) {
    pDC->FillSolidRect(rect, data.clrHighlightPale);
    pDC->Draw3dRect(rect, data.clrHighlight, data.clrHighlight);
  }
  CRect cell(rect.left, rect.top, rect.left + m_sizeButton.cx, rect.top + m_sizeButton.cy);
  cell.OffsetRect(0, (rect.Height() - cell.Height()) / 2);
  CPoint point(cell.left + (cell.Width() - m_sizeImage.cx) / 2,
               cell.top + (cell.Height() - m_sizeImage.cy) / 2);
  COLORREF frame = bDisabled ? border : data.clrHighlight;
  COLORREF checkedFace = bSelected ? data.clrHighlightMid : data.clrHighlightFace;
  CRect box = cell;
  box.DeflateRect(kFlatCheckInset, kFlatCheckInset);
  if (pData->m_nImage >= 0) {
    if (bChecked) {
      pDC->FillSolidRect(box, checkedFace);
      pDC->Draw3dRect(box, frame, frame);
    }
    HICON hIcon = ImageList_GetIcon(m_imageList, pData->m_nImage, ILD_NORMAL);
    CBrush shadow(data.clrBtnShadow);
    if (bDisabled) {
      pDC->DrawState(point, m_sizeImage, hIcon, DST_ICON | DSS_MONO, &shadow);
    } else if (bSelected && !bChecked) {
      pDC->DrawState(CPoint(point.x + 1, point.y + 1), m_sizeImage, hIcon, DST_ICON | DSS_MONO,
                     &shadow);
      pDC->DrawState(CPoint(point.x - 1, point.y - 1), m_sizeImage, hIcon, DST_ICON,
                     static_cast<HBRUSH>(nullptr));
    } else {
      pDC->DrawState(point, m_sizeImage, hIcon, DST_ICON, static_cast<HBRUSH>(nullptr));
    }
    ::DestroyIcon(hIcon);
  } else if (bChecked) {
    pDC->FillSolidRect(box, checkedFace);
    pDC->Draw3dRect(box, frame, frame);
    SetPixels(pDC, cell.left + kTickOrigin.x, cell.top + kTickOrigin.y, kTick,
              bDisabled ? data.clrGrayText : data.clrBtnText);
  }
  CRect text(rect.left + kFlatTextGap + m_sizeButton.cx, rect.top,
             rect.right - kFlatAcceleratorEnd + m_sizeButton.cx, rect.bottom);
  DrawItemText(pDC, text, pData, bDisabled ? data.clrGrayText : data.clrBtnText,
               (pData->m_nState & MFS_DEFAULT) != 0);
}

void CKWCoolMenu::DrawMenuText(CDC* pDC, CRect rect, const CString& text, COLORREF color) {
  int tab = text.Find('\t');
  CString label = tab < 0 ? text : text.Left(tab);
  pDC->SetTextColor(color);
  pDC->DrawText(label, rect, DT_SINGLELINE | DT_VCENTER);
  if (tab < 0) return;
  rect.right -= m_sizeButton.cx;
  pDC->DrawText(text.Mid(tab + 1), rect, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
}

void CKWCoolMenu::DrawCheckMark(CDC* pDC, CRect rect, BOOL bSelected, BOOL, HBITMAP hbmCheck) {
  const CKWGlobalData& data = KWGetGlobalData();
  if (bSelected)
    pDC->FillSolidRect(rect, data.clrMenu);
  else
    FillDither(pDC, rect);
  pDC->DrawEdge(rect, BDR_SUNKENOUTER, BF_RECT);
  if (hbmCheck == nullptr) {
    int x = rect.left + kTickOrigin.x;
    int y = rect.top + kTickOrigin.y;
    SetPixels(pDC, x, y, kTick, data.clr3DDkShadow);
    if (bSelected) SetPixels(pDC, x, y, kTickHighlight, data.clrBtnHilite);
    return;
  }
  int y = rect.top + kBulletTop;
  for (const Span& span : kBullet) {
    HorizontalLine(pDC, rect.left + span.from, rect.left + span.to + 1, y++, data.clr3DDkShadow);
  }
}

void CKWCoolMenu::DrawChevron(CDC* pDC, CRect rect, BOOL bSelected) {
  const CKWGlobalData& data = KWGetGlobalData();
  if (!g_bKWMenuBarIdle && bSelected && !KWIsOldMenuSystem()) {
    ::SetTimer(m_hWnd, m_nExpandTimer, m_nExpandDelay, nullptr);
    m_bExpandTimerRunning = TRUE;
  } else if (m_bExpandTimerRunning) {
    ::KillTimer(m_hWnd, m_nExpandTimer);
    m_bExpandTimerRunning = FALSE;
  }
  if (bSelected) {
    pDC->FillSolidRect(rect, data.clrLightFace);
    pDC->Draw3dRect(rect, data.clrBtnHilite, data.clrBtnShadow);
  } else {
    pDC->FillSolidRect(rect, data.clrMenu);
  }
  int x = (rect.Width() - kChevronWidth) / 2;
  int y = rect.top + (rect.Height() - 2 * kChevronHeight) / 2;
  SetPixels(pDC, x, y, kChevron, data.clrMenuText);
  SetPixels(pDC, x, y + kChevronHeight, kChevron, data.clrMenuText);
}
