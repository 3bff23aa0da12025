// A dialog box made from a dialog template: modal (DoModal) or modeless
// (Create). The template's controls are the dialog's children; data moves
// between them and the object's members through DoDataExchange.
//
// The window is bound to the object from its first message. OnInitDialog
// fills the combo boxes from the strings stored with the template
// (ExecuteDlgInit) and the controls from the members; IDOK takes the data
// back and checks it (OnOK) before the dialog ends.
#pragma once

#include <windows.h>

#include "classlib/win/CWnd.h"
#include "classlib/win/ModalLoop.h"

class CDataExchange;

// Help contexts of dialogs are this plus the template id.
#define HID_BASE_RESOURCE 0x00020000UL

class CDialog : public CWnd {
  DECLARE_DYNAMIC(CDialog)
 public:
  CDialog() = default;
  explicit CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

  // ---- Modeless: the caller ends the dialog with DestroyWindow. Without a
  // parent the dialog belongs to the main window.
  virtual BOOL Create(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
  virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  BOOL CreateIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd = nullptr);

  // ---- Modal: runs until EndDialog and gives its result (IDOK, IDCANCEL or
  // the program's own); -1 when the dialog could not be made.
  virtual INT_PTR DoModal();
  // A modal dialog ends with nResult; a modeless one is only hidden.
  void EndDialog(int nResult);

  // Called once the controls exist: fills them (ExecuteDlgInit, then
  // UpdateData(FALSE)). TRUE lets the system put the focus on the first
  // control; return FALSE after setting the focus yourself.
  virtual BOOL OnInitDialog();
  // The template's font, given before the controls are made.
  virtual void OnSetFont(CFont* pFont);

  // ---- Controls.
  // Sends the combo-box strings stored with the template (an RT_DLGINIT
  // resource of the template's name) to their controls. TRUE when there is
  // no such resource; FALSE when a string was refused.
  BOOL ExecuteDlgInit(LPCSTR lpszResourceName);
  BOOL ExecuteDlgInit(LPVOID lpResource);
  // Moves the focus to the control as the Tab key does (an edit's text is selected).
  void GotoDlgCtrl(CWnd* pWndCtrl);
  void NextDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, 0); }
  void PrevDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, 0); }
  void SetDefID(UINT nID) { ::SendMessageA(m_hWnd, DM_SETDEFID, nID, 0); }
  DWORD GetDefID() const { return static_cast<DWORD>(::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0)); }
  void MapDialogRect(LPRECT lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }
  // Lets a modeless dialog handle its keys (Tab, arrows, Enter, Esc).
  BOOL IsDialogMessage(LPMSG lpMsg) { return ::IsDialogMessageA(m_hWnd, lpMsg); }

  BOOL PreTranslateMessage(MSG* pMsg) override;

  // The template, its parent, and the help context (0x20000 plus this id).
  LPCSTR m_lpszTemplateName = nullptr;
  UINT m_nIDHelp = 0;
  CWnd* m_pParentWnd = nullptr;

 protected:
  // IDOK: takes the data back; ends the dialog when it was accepted.
  virtual void OnOK();
  // IDCANCEL: ends the dialog.
  virtual void OnCancel();
  // Whether the modal loop goes on.
  virtual BOOL ContinueModal();

  afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT HandleSetFont(WPARAM wParam, LPARAM lParam);
  // WM_COMMANDHELP: the help of the dialog (lParam 0) or the context given.
  afx_msg LRESULT OnCommandHelp(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnHelpInfo(WPARAM wParam, LPARAM lParam);
  afx_msg void OnHelp();

  CModalLoop m_modal;

 private:
  // The template resource and the module that holds it.
  LPCDLGTEMPLATEA FindTemplate(LPCSTR lpszTemplateName, HINSTANCE* phInst) const;
  BOOL CreateFromTemplate(HINSTANCE hInst, LPCDLGTEMPLATEA lpTemplate, HWND hWndParent);
  friend class CPropertyPage;

  DECLARE_MESSAGE_MAP()
};

// The dialog procedure of the class library's dialogs and property pages:
// their window is bound to their object, which handles the messages.
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
