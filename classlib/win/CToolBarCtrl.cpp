#include "classlib/win/CToolBarCtrl.h"

#include "classlib/win/CImageList.h"
#include "classlib/win/CToolTipCtrl.h"
#include "classlib/win/CWinApp.h"

IMPLEMENT_DYNAMIC(CToolBarCtrl, CWnd)

BOOL CToolBarCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  if (!CWnd::Create(TOOLBARCLASSNAMEA, nullptr, dwStyle, rect, pParentWnd, nID)) return FALSE;
  // The control must know which TBBUTTON it is given.
  SetButtonStructSize(sizeof(TBBUTTON));
  return TRUE;
}

int CToolBarCtrl::AddBitmap(int nNumButtons, UINT nBitmapID) {
  TBADDBITMAP tbab = {
      AfxFindResourceHandle(MAKEINTRESOURCEA(nBitmapID), MAKEINTRESOURCEA(2) /* RT_BITMAP */),
      nBitmapID};
  return AfxSendCtrl(m_hWnd, TB_ADDBITMAP, static_cast<WPARAM>(nNumButtons),
                     reinterpret_cast<LPARAM>(&tbab));
}

int CToolBarCtrl::AddBitmap(int nNumButtons, HBITMAP hBitmap) {
  TBADDBITMAP tbab = {nullptr, reinterpret_cast<UINT_PTR>(hBitmap)};
  return AfxSendCtrl(m_hWnd, TB_ADDBITMAP, static_cast<WPARAM>(nNumButtons),
                     reinterpret_cast<LPARAM>(&tbab));
}

int CToolBarCtrl::AddString(UINT nStringID) {
  return AfxSendCtrl(m_hWnd, TB_ADDSTRINGA, reinterpret_cast<WPARAM>(AfxGetResourceHandle()),
                     nStringID);
}

CImageList* CToolBarCtrl::SetList(UINT message, CImageList* pImageList) {
  HIMAGELIST hList = pImageList != nullptr ? pImageList->m_hImageList : nullptr;
  return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(
      ::SendMessageA(m_hWnd, message, 0, reinterpret_cast<LPARAM>(hList))));
}

CImageList* CToolBarCtrl::SetImageList(CImageList* pImageList) {
  return SetList(TB_SETIMAGELIST, pImageList);
}
CImageList* CToolBarCtrl::SetDisabledImageList(CImageList* pImageList) {
  return SetList(TB_SETDISABLEDIMAGELIST, pImageList);
}
CImageList* CToolBarCtrl::SetHotImageList(CImageList* pImageList) {
  return SetList(TB_SETHOTIMAGELIST, pImageList);
}

CToolTipCtrl* CToolBarCtrl::GetToolTips() const {
  return static_cast<CToolTipCtrl*>(
      FromHandle(reinterpret_cast<HWND>(::SendMessageA(m_hWnd, TB_GETTOOLTIPS, 0, 0))));
}

void CToolBarCtrl::SetToolTips(CToolTipCtrl* pTip) {
  ::SendMessageA(m_hWnd, TB_SETTOOLTIPS, reinterpret_cast<WPARAM>(SafeHwnd(pTip)), 0);
}

void CToolBarCtrl::SaveRestore(BOOL bSave, HKEY hKeyRoot, LPCSTR lpszSubKey, LPCSTR lpszValueName) {
  TBSAVEPARAMSA params = {hKeyRoot, lpszSubKey, lpszValueName};
  ::SendMessageA(m_hWnd, TB_SAVERESTOREA, bSave, reinterpret_cast<LPARAM>(&params));
}

void CToolBarCtrl::SaveState(HKEY hKeyRoot, LPCSTR lpszSubKey, LPCSTR lpszValueName) {
  SaveRestore(TRUE, hKeyRoot, lpszSubKey, lpszValueName);
}

void CToolBarCtrl::RestoreState(HKEY hKeyRoot, LPCSTR lpszSubKey, LPCSTR lpszValueName) {
  SaveRestore(FALSE, hKeyRoot, lpszSubKey, lpszValueName);
}
