// The chevron at the end of a docked toolbar: shown while buttons are hidden
// for lack of room (or the toolbar is customisable), it opens the
// hidden-buttons popup beside itself.
#pragma once

#include "toolkit/win/CKWButton.h"

class CKWToolBar;
class CKWExpMenuWnd;

// The popup closed: from the hidden-buttons popup to its chevron.
constexpr UINT KWM_EXPMENU_CLOSED = 0x803;

class CKWExpButton : public CKWButton {
  DECLARE_DYNAMIC(CKWExpButton)

 public:
  BOOL Create(CKWToolBar* pToolBar, UINT nID);
  COLORREF GetFaceColor() const override;
  DWORD GetButtonStyle() const override;
  // The face: the hidden-buttons mark, and the customise mark.
  void DrawBitmap(CDC* pDC, UINT nState, const CRect& rect) override;
  void DrawArrows(CDC* pDC, const CRect& rect, UINT nState);
  CKWExpMenuWnd* GetPopup() const { return m_pPopup; }

 protected:
  void PostNcDestroy() override { delete this; }
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnCancelMode();
  afx_msg LRESULT OnPopupClosed(WPARAM, LPARAM);
  afx_msg void OnCustomize();
  afx_msg void OnUpdateSelf(CCmdUI* pCmdUI);
  DECLARE_MESSAGE_MAP()

 private:
  void ShowPressed(BOOL bPressed);

  CKWToolBar* m_pToolBar = nullptr;
  CKWExpMenuWnd* m_pPopup = nullptr;
};
