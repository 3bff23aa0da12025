#include "hebtext/win/CPopupMenu.h"

#include <cstring>

#include "classlib/win/CFont.h"
#include "classlib/win/WindowDCs.h"
#include "hebtext/win/CFontInfo.h"

CPopupMenu::CPopupMenu(CWnd* pOwner, CFontInfo* pFont) : m_pOwner(pOwner), m_pFont(pFont) {
  CreatePopupMenu();
}

CPopupMenu::~CPopupMenu() {
  HMENU hMenu = Detach();
  if (hMenu != nullptr) ::DestroyMenu(hMenu);
}

BOOL CPopupMenu::AppendItem(UINT id, LPCSTR text) {
  m_texts.emplace_back(text);
  return AppendMenu(MF_OWNERDRAW, id, static_cast<LPCSTR>(m_texts.back()));
}

void CPopupMenu::MeasureItem(LPMEASUREITEMSTRUCT pMIS) {
  const char* text = reinterpret_cast<const char*>(pMIS->itemData);
  if (text == nullptr) return;
  CClientDC screen(nullptr);
  HGDIOBJ hOldFont = ::SelectObject(screen.GetSafeHdc(), m_pFont->GetFont()->GetSafeHandle());
  SIZE extent = {0, 0};
  ::GetTextExtentPoint32A(screen.GetSafeHdc(), text, static_cast<int>(strlen(text)), &extent);
  ::SelectObject(screen.GetSafeHdc(), hOldFont);
  pMIS->itemWidth = static_cast<UINT>(extent.cx + 2);
  pMIS->itemHeight = static_cast<UINT>(extent.cy + 2);
}

void CPopupMenu::DrawItem(LPDRAWITEMSTRUCT pDIS) {
  HDC hDC = pDIS->hDC;
  const RECT& r = pDIS->rcItem;
  const BOOL selected = (pDIS->itemState & ODS_SELECTED) != 0;
  const BOOL drawOrSelect = (pDIS->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) != 0;
  ::FillRect(hDC, &r,
             ::GetSysColorBrush(selected && drawOrSelect ? COLOR_HIGHLIGHT : COLOR_BTNFACE));
  if (const char* text = reinterpret_cast<const char*>(pDIS->itemData)) {
    HGDIOBJ hOldFont = ::SelectObject(hDC, m_pFont->GetFont()->GetSafeHandle());
    ::SetBkMode(hDC, TRANSPARENT);
    ::SetTextColor(hDC, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    ::ExtTextOutA(hDC, r.left + 3, r.top, ETO_CLIPPED, &r, text, static_cast<UINT>(strlen(text)),
                  nullptr);
    ::SelectObject(hDC, hOldFont);
  }
  if (selected) {
    ::FrameRect(hDC, &r, ::GetSysColorBrush(COLOR_HIGHLIGHT));
  } else if (pDIS->itemAction & ODA_SELECT) {
    ::FrameRect(hDC, &r, ::GetSysColorBrush(COLOR_BTNFACE));
  }
}
