// The MDI frame's "Windows" dialog: lists the open MDI child windows with
// their icons and lets the user activate one, save or close several, and
// cascade, tile or minimise them. It is resizable and remembers its
// placement in the profile section "CKWWindowList".
#pragma once

#include <windows.h>

#include "classlib/win/CButton.h"
#include "classlib/win/CListBox.h"
#include "classlib/win/CMDIFrameWnd.h"
#include "toolkit/win/CKWResizeDialog.h"

// The list, painted off screen over its background colour.
class CKWWindowListBox : public CListBox {
 public:
  CKWWindowListBox();
  void SetBackColor(COLORREF clrBack) { m_clrBack = clrBack; }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  COLORREF m_clrBack;
};

class CKWWindowListDlg : public CKWResizeDialog {
 public:
  explicit CKWWindowListDlg(CMDIFrameWnd* pMDIFrameWnd);

  // The dialog's small icon; without one it shows the application's.
  void SetDialogIcon(HICON hIcon) { m_hIcon = hIcon; }
  BOOL OnInitDialog() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  afx_msg void OnSelChange();
  afx_msg void OnActivate();
  afx_msg void OnSave();
  afx_msg void OnCloseWindows();
  afx_msg void OnTileHorz();
  afx_msg void OnTileVert();
  afx_msg void OnCascade();
  afx_msg void OnMinimize();
  afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
  afx_msg void OnDestroy();

  CButton m_btnMinimize;
  CButton m_btnCascade;
  CButton m_btnOK;
  CButton m_btnTileVert;
  CButton m_btnTileHorz;
  CButton m_btnSave;
  CButton m_btnClose;
  CButton m_btnActivate;
  CKWWindowListBox m_wndList;
  CMDIFrameWnd* m_pMDIFrameWnd;
  HWND m_hWndMDIClient;
  HICON m_hIcon = nullptr;

 private:
  void FillList();
  void SelectActive();
  void UpdateButtons();
  // Fill, reselect and update, after windows were saved or closed.
  void Refresh();
  // The selected windows restored, the others minimised, then the message.
  void Arrange(UINT message, WPARAM wParam);
  HWND EntryWindow(int nIndex) const;
  void DrawEntry(LPDRAWITEMSTRUCT lpDIS);

  DECLARE_MESSAGE_MAP()
};
