// The toolkit's floating frame. A floating toolbar or menu bar gets a caption
// the frame paints itself, in the classic or the flat look, with a close
// button and, for a customisable toolbar, a "Toolbar Options" button that
// opens the toolbar's hidden buttons; the buttons show tips and follow the
// mouse. A docking window keeps the mini frame's own caption, and its edges
// resize it through its dock context. The frame styles itself once created
// and again when the toolkit's look changes.
#pragma once

#include <vector>

#include "classlib/win/CImageList.h"
#include "classlib/win/CMiniDockFrameWnd.h"
#include "classlib/win/CToolTipCtrl.h"
#include "toolkit/core/KWCaptionButtonStates.h"
#include "toolkit/core/KWMiniFrameCaption.h"

class CControlBar;
class CDockContext;
class CKWExpMenuWnd;

class CKWMiniDockFrameWnd : public CMiniDockFrameWnd {
  DECLARE_DYNCREATE(CKWMiniDockFrameWnd)

 public:
  CKWMiniDockFrameWnd() = default;
  ~CKWMiniDockFrameWnd() override;

  BOOL Create(CWnd* pParent, DWORD dwBarStyle) override;

  virtual BOOL IsToolBar(CControlBar* pBar) const;
  virtual BOOL IsMenuBar(CControlBar* pBar) const;
  virtual BOOL IsDockWindow(CControlBar* pBar) const;
  virtual CDockBar* GetDockBar() { return &m_wndDockBar; }
  // The first bar docked in the frame; null without a window or a bar.
  virtual CControlBar* GetContainedBar() const;
  virtual CDockContext* GetDockContext(CControlBar* pBar) const;
  // rectWindow: the frame's window rectangle in window coordinates.
  virtual void DrawCaptionButton(CDC* pDC, const CRect& rectWindow, int nButton);
  virtual void ShowButtonTip(int x, int y, BOOL bClose);

  // The caption buttons, in the order they were made: close, then options.
  int GetButtonCount() const { return static_cast<int>(m_buttons.size()); }
  KWCaptionButtonKind GetButtonKind(int nButton) const { return m_kinds[nButton]; }
  const KWCaptionButtonState& GetButtonState(int nButton) const { return m_buttons[nButton]; }
  // The button's rectangle and whether it fits, in window coordinates.
  KWCaptionButtonPlace GetButtonPlace(int nButton) const;
  CKWExpMenuWnd* GetOpenPopup() const { return m_pOpenPopup; }
  int GetLookStamp() const { return m_nLookStamp; }
  CToolTipCtrl& GetTipCtrl() { return m_tip; }

  // The look stamps: which look the frame was last styled for.
  static constexpr int kStampClassic = 2;
  static constexpr int kStampFlat = 1;

 protected:
  afx_msg LRESULT OnNcHitTest(CPoint point);
  afx_msg void OnNcPaint();
  afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
  afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
  afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
  afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
  afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnStyleFrame(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnPopupClosed(WPARAM wParam, LPARAM lParam);
  afx_msg void OnCustomize();
  DECLARE_MESSAGE_MAP()

 private:
  // Styles the frame for its bar: caption buttons for a toolbar, the bar
  // font for a docking window.
  void StyleFrame();
  static int CurrentLookStamp();
  KWCaptionMetrics Metrics() const;
  BOOL PaintsOwnCaption() const;
  // The button under a screen point, kKWNoCaptionButton for none.
  int HitButton(CPoint point) const;
  int FindButton(KWCaptionButtonKind kind) const;
  void RepaintCaption();
  // Clears the highlighted buttons; TRUE when any changed.
  BOOL ClearHighlighted();
  void OpenOptionsPopup(int nButton);
  // The toolbar the caption buttons act on, null for any other bar.
  class CKWToolBar* GetToolBar() const;

  int m_nLookStamp = 0;
  KWCaptionButtonStates m_buttons;
  std::vector<KWCaptionButtonKind> m_kinds;
  CKWExpMenuWnd* m_pOpenPopup = nullptr;
  int m_nPressed = kKWNoCaptionButton;
  CToolTipCtrl m_tip;
  CImageList m_glyphs;
};
