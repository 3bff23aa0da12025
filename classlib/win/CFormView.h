// A view made from a dialog template: the template's controls are the
// view's children, laid out on a page the size of the template, which
// scrolls when the window is smaller.
//
// Data moves between the controls and the members through DoDataExchange:
// the first update fills the controls (UpdateData(FALSE)). Tab and the
// other dialog keys move between the controls once the frame's
// accelerators have had their turn. The control that had the focus when
// the view was deactivated gets it back when the view is active again.
//
// The template must have the child style and no caption or border; the
// view gets the style and id it is created with.
#pragma once

#include "classlib/win/CScrollView.h"

class CDataExchange;
struct CCreateContext;

class CFormView : public CScrollView {
  DECLARE_DYNAMIC(CFormView)
 public:
  explicit CFormView(LPCSTR lpszTemplateName) : m_lpszTemplateName(lpszTemplateName) {}
  explicit CFormView(UINT nIDTemplate) : m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)) {}

  // The class name is ignored: the window is the template's dialog. The
  // context goes to OnCreate as a plain view's would.
  BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwRequestedStyle,
              const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr) override;

  // The form draws nothing itself: its controls do.
  void OnDraw(CDC* pDC) override;
  // Fills the controls from the members, then as a view.
  void OnInitialUpdate() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  // Remembers the control that has the focus, when it is one of the form's.
  BOOL SaveFocusControl();

  void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;
  void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd) override;

  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnSetFocus(CWnd* pOldWnd);

  LPCSTR m_lpszTemplateName;
  // The context of Create, kept for OnCreate: a dialog's creation cannot carry it.
  CCreateContext* m_pCreateContext = nullptr;
  // The control to give the focus back to.
  HWND m_hWndFocus = nullptr;

  DECLARE_MESSAGE_MAP()
};
