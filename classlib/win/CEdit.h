// An edit control.
#pragma once

#include "classlib/win/CWnd.h"
#include "classlib/win/ControlMessage.h"

class CEdit : public CWnd {
  DECLARE_DYNAMIC(CEdit)
 public:
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  // nChars 0 allows the largest text.
  void LimitText(int nChars = 0) {
    ::SendMessageA(m_hWnd, EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
  }
  void SetLimitText(UINT nMax) { ::SendMessageA(m_hWnd, EM_SETLIMITTEXT, nMax, 0); }
  UINT GetLimitText() const {
    return static_cast<UINT>(::SendMessageA(m_hWnd, EM_GETLIMITTEXT, 0, 0));
  }
  // nEndChar -1 selects to the end; nStartChar -1 removes the selection.
  void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE) {
    ::SendMessageA(m_hWnd, EM_SETSEL, static_cast<WPARAM>(nStartChar), nEndChar);
    if (!bNoScroll) ::SendMessageA(m_hWnd, EM_SCROLLCARET, 0, 0);
  }
  void SetSel(DWORD dwSelection, BOOL bNoScroll = FALSE) {
    SetSel(static_cast<int>(LOWORD(dwSelection)), static_cast<int>(HIWORD(dwSelection)), bNoScroll);
  }
  void GetSel(int& nStartChar, int& nEndChar) const {
    DWORD dwStart = 0, dwEnd = 0;
    ::SendMessageA(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart),
                   reinterpret_cast<LPARAM>(&dwEnd));
    nStartChar = static_cast<int>(dwStart);
    nEndChar = static_cast<int>(dwEnd);
  }
  DWORD GetSel() const { return static_cast<DWORD>(::SendMessageA(m_hWnd, EM_GETSEL, 0, 0)); }
  void ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo = FALSE) {
    ::SendMessageA(m_hWnd, EM_REPLACESEL, bCanUndo, reinterpret_cast<LPARAM>(lpszNewText));
  }
  BOOL CanUndo() const { return static_cast<BOOL>(::SendMessageA(m_hWnd, EM_CANUNDO, 0, 0)); }
  BOOL Undo() { return static_cast<BOOL>(::SendMessageA(m_hWnd, EM_UNDO, 0, 0)); }
  void EmptyUndoBuffer() { ::SendMessageA(m_hWnd, EM_EMPTYUNDOBUFFER, 0, 0); }
  void Clear() { ::SendMessageA(m_hWnd, WM_CLEAR, 0, 0); }
  void Copy() { ::SendMessageA(m_hWnd, WM_COPY, 0, 0); }
  void Cut() { ::SendMessageA(m_hWnd, WM_CUT, 0, 0); }
  void Paste() { ::SendMessageA(m_hWnd, WM_PASTE, 0, 0); }
  BOOL SetReadOnly(BOOL bReadOnly = TRUE) {
    return static_cast<BOOL>(::SendMessageA(m_hWnd, EM_SETREADONLY, bReadOnly, 0));
  }
  BOOL GetModify() const { return static_cast<BOOL>(::SendMessageA(m_hWnd, EM_GETMODIFY, 0, 0)); }
  void SetModify(BOOL bModified = TRUE) { ::SendMessageA(m_hWnd, EM_SETMODIFY, bModified, 0); }
  int GetLineCount() const { return AfxSendCtrl(m_hWnd, EM_GETLINECOUNT, 0, 0); }
  int LineFromChar(int nIndex = -1) const {
    return AfxSendCtrl(m_hWnd, EM_LINEFROMCHAR, static_cast<WPARAM>(nIndex), 0);
  }
  int LineIndex(int nLine = -1) const {
    return AfxSendCtrl(m_hWnd, EM_LINEINDEX, static_cast<WPARAM>(nLine), 0);
  }
  int LineLength(int nLine = -1) const {
    return AfxSendCtrl(m_hWnd, EM_LINELENGTH, static_cast<WPARAM>(nLine), 0);
  }
  void SetPasswordChar(TCHAR ch) {
    ::SendMessageA(m_hWnd, EM_SETPASSWORDCHAR, static_cast<BYTE>(ch), 0);
  }
};
