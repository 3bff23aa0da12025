#include "classlib/win/CMenu.h"

#include "classlib/core/Debug.h"
#include "classlib/win/AfxState.h"
#include "classlib/win/CBitmap.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/CWnd.h"
#include "classlib/win/HandleMap.h"

namespace {
CMenu* NewTemporary(HMENU hMenu) {
  CMenu* pMenu = new CMenu;
  pMenu->m_hMenu = hMenu;
  return pMenu;
}

void ReleaseTemporary(CMenu* pMenu) { pMenu->m_hMenu = nullptr; }

CHandleMap<CMenu, HMENU>& MenuMap() {
  return AfxHandleMap<CMenu, HMENU>(NewTemporary, ReleaseTemporary);
}

LPCSTR BitmapItem(const CBitmap* pBmp) {
  return reinterpret_cast<LPCSTR>(static_cast<HBITMAP>(pBmp->m_hObject));
}

HBITMAP BitmapHandle(const CBitmap* pBmp) {
  return pBmp != nullptr ? static_cast<HBITMAP>(pBmp->m_hObject) : nullptr;
}
}  // namespace

IMPLEMENT_DYNCREATE(CMenu, CObject)

CMenu::~CMenu() { DestroyMenu(); }

CMenu* CMenu::FromHandle(HMENU hMenu) { return MenuMap().FromHandle(hMenu); }

CMenu* CMenu::FromHandlePermanent(HMENU hMenu) { return MenuMap().LookupPermanent(hMenu); }

void CMenu::DeleteTempMap() { MenuMap().DeleteTemp(); }

BOOL CMenu::Attach(HMENU hNewMenu) {
  ASSERT(m_hMenu == nullptr);
  if (hNewMenu == nullptr) return FALSE;
  m_hMenu = hNewMenu;
  MenuMap().SetPermanent(hNewMenu, this);
  return TRUE;
}

HMENU CMenu::Detach() {
  HMENU hMenu = m_hMenu;
  if (hMenu != nullptr) {
    auto& map = MenuMap();
    if (map.LookupPermanent(hMenu) == this) map.RemovePermanent(hMenu);
  }
  m_hMenu = nullptr;
  return hMenu;
}

BOOL CMenu::CreateMenu() { return Attach(::CreateMenu()); }

BOOL CMenu::CreatePopupMenu() { return Attach(::CreatePopupMenu()); }

BOOL CMenu::LoadMenu(LPCTSTR lpszResourceName) {
  return Attach(::LoadMenuA(AfxFindResourceHandle(lpszResourceName, RT_MENU), lpszResourceName));
}

BOOL CMenu::LoadMenuIndirect(const void* lpMenuTemplate) {
  return Attach(::LoadMenuIndirectA(lpMenuTemplate));
}

BOOL CMenu::DestroyMenu() {
  if (m_hMenu == nullptr) return FALSE;
  return ::DestroyMenu(Detach());
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
  return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp) {
  return ::AppendMenuA(m_hMenu, nFlags | MF_BITMAP, nIDNewItem, BitmapItem(pBmp));
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
  return ::InsertMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp) {
  return ::InsertMenuA(m_hMenu, nPosition, nFlags | MF_BITMAP, nIDNewItem, BitmapItem(pBmp));
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
  return ::ModifyMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp) {
  return ::ModifyMenuA(m_hMenu, nPosition, nFlags | MF_BITMAP, nIDNewItem, BitmapItem(pBmp));
}

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags) {
  return ::DeleteMenu(m_hMenu, nPosition, nFlags);
}

BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags) {
  return ::RemoveMenu(m_hMenu, nPosition, nFlags);
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable) {
  return static_cast<UINT>(::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable));
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck) {
  return ::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck);
}

BOOL CMenu::CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags) {
  return ::CheckMenuRadioItem(m_hMenu, nIDFirst, nIDLast, nIDItem, nFlags);
}

BOOL CMenu::SetMenuItemBitmaps(UINT nPosition, UINT nFlags, const CBitmap* pBmpUnchecked,
                               const CBitmap* pBmpChecked) {
  return ::SetMenuItemBitmaps(m_hMenu, nPosition, nFlags, BitmapHandle(pBmpUnchecked),
                              BitmapHandle(pBmpChecked));
}

UINT CMenu::GetMenuItemCount() const { return static_cast<UINT>(::GetMenuItemCount(m_hMenu)); }

UINT CMenu::GetMenuItemID(int nPos) const { return ::GetMenuItemID(m_hMenu, nPos); }

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const {
  return ::GetMenuState(m_hMenu, nID, nFlags);
}

int CMenu::GetMenuString(UINT nIDItem, LPTSTR lpString, int nMaxCount, UINT nFlags) const {
  int nLength = ::GetMenuStringA(m_hMenu, nIDItem, lpString, nMaxCount, nFlags);
  // A text cut to fit the buffer is not always terminated by the system.
  if (lpString != nullptr && nMaxCount > 0) {
    if (nLength < 0) nLength = 0;
    if (nLength > nMaxCount - 1) nLength = nMaxCount - 1;
    lpString[nLength] = '\0';
  }
  return nLength;
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const {
  int nLength = ::GetMenuStringA(m_hMenu, nIDItem, nullptr, 0, nFlags);
  if (nLength <= 0) {
    rString.Empty();
    return 0;
  }
  nLength = ::GetMenuStringA(m_hMenu, nIDItem, rString.GetBuffer(nLength + 1), nLength + 1, nFlags);
  rString.ReleaseBuffer(nLength);
  return nLength;
}

CMenu* CMenu::GetSubMenu(int nPos) const { return FromHandle(::GetSubMenu(m_hMenu, nPos)); }

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect) {
  // The owner finds the popup's owner-drawn items through the thread state
  // while the popup is up; a nested popup puts back the outer one's.
  AFX_THREAD_STATE* pState = AfxGetThreadState();
  HWND hOldWindow = pState->m_hTrackingWindow;
  HMENU hOldMenu = pState->m_hTrackingMenu;
  pState->m_hTrackingWindow = pWnd->GetSafeHwnd();
  pState->m_hTrackingMenu = m_hMenu;
  BOOL bResult = ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd->GetSafeHwnd(), lpRect);
  pState->m_hTrackingWindow = hOldWindow;
  pState->m_hTrackingMenu = hOldMenu;
  return bResult;
}

void CMenu::MeasureItem(LPMEASUREITEMSTRUCT) {}

void CMenu::DrawItem(LPDRAWITEMSTRUCT) {}
