// The system's modeless Find or Replace dialog. Create it with new and
// Create; it deletes itself when its window is closed. Its owner hears of
// each button through the registered message FINDMSGSTRING, whose lParam
// GetNotifier turns back into the dialog object.
#pragma once

#include "classlib/win/CCommonDialog.h"

class CFindReplaceDialog : public CCommonDialog {
  DECLARE_DYNAMIC(CFindReplaceDialog)
 public:
  CFindReplaceDialog();

  // dwFlags: FR_DOWN, FR_MATCHCASE, FR_WHOLEWORD, FR_ENABLETEMPLATE (with
  // m_fr.lpTemplateName), ... Without a parent the main window owns it.
  BOOL Create(BOOL bFindDialogOnly, LPCSTR lpszFindWhat, LPCSTR lpszReplaceWith = nullptr,
              DWORD dwFlags = FR_DOWN, CWnd* pParentWnd = nullptr);
  static CFindReplaceDialog* GetNotifier(LPARAM lParam);

  CString GetFindString() const { return m_szFindWhat; }
  CString GetReplaceString() const { return m_szReplaceWith; }
  BOOL SearchDown() const { return (m_fr.Flags & FR_DOWN) != 0; }
  BOOL FindNext() const { return (m_fr.Flags & FR_FINDNEXT) != 0; }
  BOOL MatchCase() const { return (m_fr.Flags & FR_MATCHCASE) != 0; }
  BOOL MatchWholeWord() const { return (m_fr.Flags & FR_WHOLEWORD) != 0; }
  BOOL ReplaceCurrent() const { return (m_fr.Flags & FR_REPLACE) != 0; }
  BOOL ReplaceAll() const { return (m_fr.Flags & FR_REPLACEALL) != 0; }
  // The dialog is closing: the owner must forget it.
  BOOL IsTerminating() const { return (m_fr.Flags & FR_DIALOGTERM) != 0; }

  FINDREPLACEA m_fr = {};

 protected:
  void PostNcDestroy() override;

 private:
  char m_szFindWhat[128] = {};
  char m_szReplaceWith[128] = {};
};
