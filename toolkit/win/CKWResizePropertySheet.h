// A property sheet whose buttons, tab control and pages follow its size,
// with the sizing commands in its system menu and a tab control painted
// without flicker.
#pragma once

#include <windows.h>

#include "classlib/win/CPropertySheet.h"
#include "classlib/win/CTabCtrl.h"
#include "toolkit/win/CKWResizeLayout.h"

// The sheet's tab control, painted off screen over the button face.
class CKWResizeSheetTab : public CTabCtrl {
 public:
  CKWResizeSheetTab();

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // Taken once at construction.
  COLORREF m_clrBack;
};

class CKWResizePropertySheet : public CPropertySheet, public CKWResizeLayout {
  DECLARE_DYNCREATE(CKWResizePropertySheet)

 public:
  CKWResizePropertySheet();
  CKWResizePropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage, UINT nFlags);
  CKWResizePropertySheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage, UINT nFlags);

  BOOL OnInitDialog() override;

 protected:
  afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
  afx_msg void OnSize(UINT nType, int cx, int cy);

  CKWResizeSheetTab m_wndTab;

 private:
  // Restore, Size, Minimize and Maximize in the system menu, in the words of
  // the top-level window's own system menu where it has them.
  void AddSizingCommands();

  DECLARE_MESSAGE_MAP()
};
