// A toolbar common control: buttons from a bitmap strip, their states and
// styles, the customisation dialog, and the layout saved in the registry.
#pragma once

#include "classlib/win/CWnd.h"
#include "classlib/win/ControlMessage.h"

class CImageList;
class CToolTipCtrl;

class CToolBarCtrl : public CWnd {
  DECLARE_DYNAMIC(CToolBarCtrl)
 public:
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  // ---- Buttons.
  int GetButtonCount() const { return AfxSendCtrl(m_hWnd, TB_BUTTONCOUNT); }
  BOOL AddButtons(int nNumButtons, LPTBBUTTON lpButtons) {
    return AfxSendCtrl(m_hWnd, TB_ADDBUTTONSA, static_cast<WPARAM>(nNumButtons),
                       reinterpret_cast<LPARAM>(lpButtons));
  }
  BOOL InsertButton(int nIndex, LPTBBUTTON lpButton) {
    return AfxSendCtrl(m_hWnd, TB_INSERTBUTTONA, static_cast<WPARAM>(nIndex),
                       reinterpret_cast<LPARAM>(lpButton));
  }
  BOOL DeleteButton(int nIndex) {
    return AfxSendCtrl(m_hWnd, TB_DELETEBUTTON, static_cast<WPARAM>(nIndex));
  }
  BOOL GetButton(int nIndex, LPTBBUTTON lpButton) const {
    return AfxSendCtrl(m_hWnd, TB_GETBUTTON, static_cast<WPARAM>(nIndex),
                       reinterpret_cast<LPARAM>(lpButton));
  }
  BOOL MoveButton(UINT nOldPos, UINT nNewPos) {
    return AfxSendCtrl(m_hWnd, TB_MOVEBUTTON, nOldPos, nNewPos);
  }
  // The index of the button with the command id, or -1.
  int CommandToIndex(UINT nID) const { return AfxSendCtrl(m_hWnd, TB_COMMANDTOINDEX, nID); }
  BOOL GetItemRect(int nIndex, LPRECT lpRect) const {
    return AfxSendCtrl(m_hWnd, TB_GETITEMRECT, static_cast<WPARAM>(nIndex),
                       reinterpret_cast<LPARAM>(lpRect));
  }
  BOOL GetRect(int nID, LPRECT lpRect) const {
    return AfxSendCtrl(m_hWnd, TB_GETRECT, static_cast<WPARAM>(nID),
                       reinterpret_cast<LPARAM>(lpRect));
  }
  // The index of the button at the point (client coordinates); negative for a separator or none.
  int HitTest(LPPOINT ppt) const {
    return AfxSendCtrl(m_hWnd, TB_HITTEST, 0, reinterpret_cast<LPARAM>(ppt));
  }
  BOOL GetButtonInfo(int nID, TBBUTTONINFOA* ptbbi) const {
    return AfxSendCtrl(m_hWnd, TB_GETBUTTONINFOA, static_cast<WPARAM>(nID),
                       reinterpret_cast<LPARAM>(ptbbi));
  }
  BOOL SetButtonInfo(int nID, TBBUTTONINFOA* ptbbi) {
    return AfxSendCtrl(m_hWnd, TB_SETBUTTONINFOA, static_cast<WPARAM>(nID),
                       reinterpret_cast<LPARAM>(ptbbi));
  }

  // ---- States, by command id.
  BOOL EnableButton(int nID, BOOL bEnable = TRUE) {
    return AfxSendCtrl(m_hWnd, TB_ENABLEBUTTON, static_cast<WPARAM>(nID), MAKELPARAM(bEnable, 0));
  }
  BOOL CheckButton(int nID, BOOL bCheck = TRUE) {
    return AfxSendCtrl(m_hWnd, TB_CHECKBUTTON, static_cast<WPARAM>(nID), MAKELPARAM(bCheck, 0));
  }
  BOOL PressButton(int nID, BOOL bPress = TRUE) {
    return AfxSendCtrl(m_hWnd, TB_PRESSBUTTON, static_cast<WPARAM>(nID), MAKELPARAM(bPress, 0));
  }
  BOOL HideButton(int nID, BOOL bHide = TRUE) {
    return AfxSendCtrl(m_hWnd, TB_HIDEBUTTON, static_cast<WPARAM>(nID), MAKELPARAM(bHide, 0));
  }
  BOOL Indeterminate(int nID, BOOL bIndeterminate = TRUE) {
    return AfxSendCtrl(m_hWnd, TB_INDETERMINATE, static_cast<WPARAM>(nID),
                       MAKELPARAM(bIndeterminate, 0));
  }
  BOOL IsButtonEnabled(int nID) const {
    return AfxSendCtrl(m_hWnd, TB_ISBUTTONENABLED, static_cast<WPARAM>(nID));
  }
  BOOL IsButtonChecked(int nID) const {
    return AfxSendCtrl(m_hWnd, TB_ISBUTTONCHECKED, static_cast<WPARAM>(nID));
  }
  BOOL IsButtonPressed(int nID) const {
    return AfxSendCtrl(m_hWnd, TB_ISBUTTONPRESSED, static_cast<WPARAM>(nID));
  }
  BOOL IsButtonHidden(int nID) const {
    return AfxSendCtrl(m_hWnd, TB_ISBUTTONHIDDEN, static_cast<WPARAM>(nID));
  }
  BOOL IsButtonIndeterminate(int nID) const {
    return AfxSendCtrl(m_hWnd, TB_ISBUTTONINDETERMINATE, static_cast<WPARAM>(nID));
  }
  BOOL SetState(int nID, UINT nState) {
    return AfxSendCtrl(m_hWnd, TB_SETSTATE, static_cast<WPARAM>(nID), MAKELPARAM(nState, 0));
  }
  // TBSTATE_* bits, or -1.
  int GetState(int nID) const { return AfxSendCtrl(m_hWnd, TB_GETSTATE, static_cast<WPARAM>(nID)); }

  // ---- Images, texts and sizes.
  // Each gives the index of the first image or string added, or -1.
  int AddBitmap(int nNumButtons, UINT nBitmapID);
  int AddBitmap(int nNumButtons, HBITMAP hBitmap);
  int AddString(UINT nStringID);
  // Strings separated and ended by '\0', the last by two.
  int AddStrings(LPCSTR lpszStrings) {
    return AfxSendCtrl(m_hWnd, TB_ADDSTRINGA, 0, reinterpret_cast<LPARAM>(lpszStrings));
  }
  BOOL SetButtonSize(CSize size) {
    return AfxSendCtrl(m_hWnd, TB_SETBUTTONSIZE, 0, MAKELPARAM(size.cx, size.cy));
  }
  BOOL SetBitmapSize(CSize size) {
    return AfxSendCtrl(m_hWnd, TB_SETBITMAPSIZE, 0, MAKELPARAM(size.cx, size.cy));
  }
  CSize GetButtonSize() const {
    return CSize(static_cast<DWORD>(AfxSendCtrl(m_hWnd, TB_GETBUTTONSIZE)));
  }
  void SetButtonStructSize(int nSize) {
    AfxSendCtrl(m_hWnd, TB_BUTTONSTRUCTSIZE, static_cast<WPARAM>(nSize));
  }
  void AutoSize() { AfxSendCtrl(m_hWnd, TB_AUTOSIZE); }
  int GetRows() const { return AfxSendCtrl(m_hWnd, TB_GETROWS); }
  void SetRows(int nRows, BOOL bLarger, LPRECT lpRect) {
    AfxSendCtrl(m_hWnd, TB_SETROWS, MAKEWPARAM(nRows, bLarger), reinterpret_cast<LPARAM>(lpRect));
  }
  BOOL SetIndent(int iIndent) {
    return AfxSendCtrl(m_hWnd, TB_SETINDENT, static_cast<WPARAM>(iIndent));
  }
  CImageList* SetImageList(CImageList* pImageList);
  CImageList* SetDisabledImageList(CImageList* pImageList);
  CImageList* SetHotImageList(CImageList* pImageList);

  // ---- Styles.
  DWORD GetStyle() const { return static_cast<DWORD>(AfxSendCtrl(m_hWnd, TB_GETSTYLE)); }
  void SetStyle(DWORD dwStyle) {
    AfxSendCtrl(m_hWnd, TB_SETSTYLE, 0, static_cast<LPARAM>(dwStyle));
  }
  DWORD GetExtendedStyle() const {
    return static_cast<DWORD>(AfxSendCtrl(m_hWnd, TB_GETEXTENDEDSTYLE));
  }
  DWORD SetExtendedStyle(DWORD dwExStyle) {
    return static_cast<DWORD>(
        AfxSendCtrl(m_hWnd, TB_SETEXTENDEDSTYLE, 0, static_cast<LPARAM>(dwExStyle)));
  }
  void SetOwner(CWnd* pWnd) {
    ::SendMessageA(m_hWnd, TB_SETPARENT, reinterpret_cast<WPARAM>(SafeHwnd(pWnd)), 0);
  }
  CToolTipCtrl* GetToolTips() const;
  void SetToolTips(CToolTipCtrl* pTip);

  // ---- The layout in the registry, and the customisation dialog.
  void SaveState(HKEY hKeyRoot, LPCSTR lpszSubKey, LPCSTR lpszValueName);
  void RestoreState(HKEY hKeyRoot, LPCSTR lpszSubKey, LPCSTR lpszValueName);
  void Customize() { AfxSendCtrl(m_hWnd, TB_CUSTOMIZE); }

 private:
  CImageList* SetList(UINT message, CImageList* pImageList);
  void SaveRestore(BOOL bSave, HKEY hKeyRoot, LPCSTR lpszSubKey, LPCSTR lpszValueName);
};
