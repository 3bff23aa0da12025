// The owner-draw messages a control's parent reflects to it, handed to the
// control object's DrawItem (buttons, headers) or to DrawItem, MeasureItem,
// CompareItem and DeleteItem (list boxes, combo boxes). FALSE for other
// messages.
#pragma once

#include <windows.h>

template <class TCtrl>
BOOL AfxReflectDrawItem(TCtrl* pCtrl, UINT message, LPARAM lParam, LRESULT* pResult) {
  if (message != WM_DRAWITEM) return FALSE;
  pCtrl->DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
  if (pResult != nullptr) *pResult = TRUE;
  return TRUE;
}

template <class TCtrl>
BOOL AfxReflectOwnerDraw(TCtrl* pCtrl, UINT message, LPARAM lParam, LRESULT* pResult) {
  LRESULT lResult = TRUE;
  switch (message) {
    case WM_DRAWITEM: return AfxReflectDrawItem(pCtrl, message, lParam, pResult);
    case WM_MEASUREITEM: pCtrl->MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam)); break;
    case WM_COMPAREITEM:
      lResult = pCtrl->CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
      break;
    case WM_DELETEITEM: pCtrl->DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam)); break;
    default: return FALSE;
  }
  if (pResult != nullptr) *pResult = lResult;
  return TRUE;
}
