// A property sheet: tabbed pages (CPropertyPage) with OK, Cancel, Apply and
// Help, run modally (DoModal) or modelessly (Create). m_psh may be changed
// before it runs (PSH_NOAPPLYNOW, ...). The sheet's window is bound to the
// object from its first message, so a derived sheet can add controls in
// OnInitDialog.
#pragma once

#include <vector>

#include "classlib/core/CString.h"
#include "classlib/win/CWnd.h"
#include "classlib/win/ModalLoop.h"

class CPropertyPage;
class CTabCtrl;

class CPropertySheet : public CWnd {
  DECLARE_DYNAMIC(CPropertySheet)
 public:
  CPropertySheet();
  explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
  explicit CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

  // The pages are the caller's; they must live as long as the sheet.
  void AddPage(CPropertyPage* pPage);
  void RemovePage(CPropertyPage* pPage);
  void RemovePage(int nPage);
  int GetPageCount() const { return static_cast<int>(m_pages.size()); }
  CPropertyPage* GetPage(int nPage) const { return m_pages[static_cast<size_t>(nPage)]; }
  int GetPageIndex(CPropertyPage* pPage) const;
  CPropertyPage* GetActivePage() const;
  int GetActiveIndex() const;
  BOOL SetActivePage(int nPage);
  BOOL SetActivePage(CPropertyPage* pPage) { return SetActivePage(GetPageIndex(pPage)); }
  CTabCtrl* GetTabControl() const;
  // nStyle PSH_PROPTITLE makes it "Properties for <text>".
  void SetTitle(LPCSTR lpszText, UINT nStyle = 0);
  // nButton PSBTN_OK, PSBTN_CANCEL, PSBTN_APPLYNOW, ...
  void PressButton(int nButton) {
    ::SendMessageA(m_hWnd, PSM_PRESSBUTTON, static_cast<WPARAM>(nButton), 0);
  }

  // Runs modally: IDOK or IDCANCEL from the buttons, or what EndDialog gave.
  virtual INT_PTR DoModal();
  // Modeless, with the given window style (-1: a visible popup with a
  // caption, system menu and dialog frame).
  virtual BOOL Create(CWnd* pParentWnd = nullptr, DWORD dwStyle = static_cast<DWORD>(-1),
                      DWORD dwExStyle = 0);
  // Ends a modal sheet with nResult; destroys a modeless one.
  void EndDialog(int nResult);

  // Called once the pages' tab control exists; controls may be added here.
  virtual BOOL OnInitDialog();

  BOOL PreTranslateMessage(MSG* pMsg) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  PROPSHEETHEADERA m_psh = {};

 protected:
  virtual BOOL ContinueModal();
  afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

  CModalLoop m_modal;

 private:
  void CommonConstruct(CWnd* pParentWnd, UINT iSelectPage);
  // Makes the sheet's window (always modeless: the modal loop is ours).
  BOOL CreateSheet(HWND hWndParent);

  std::vector<CPropertyPage*> m_pages;
  std::vector<PROPSHEETPAGEA> m_pageRecords;  // given to the system while it makes the sheet
  CString m_strCaption;
  CWnd* m_pParentWnd = nullptr;
  BOOL m_bModeless = FALSE;
  int m_nButtonResult = IDCANCEL;  // the last of OK and Cancel pressed

  DECLARE_MESSAGE_MAP()
};
