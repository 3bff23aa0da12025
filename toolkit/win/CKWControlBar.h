// The base of every toolkit bar: a class-library control bar that paints its
// borders and gripper through a memory DC, knows which dock bar holds it,
// keeps an extended style and three 8-point fonts, lists the frame's bars on
// a right click, and answers the rebar's and the dock context's private
// messages. Two hooks hand the bar back to its own frame when a foreign frame
// that holds it goes.
#pragma once

#include "classlib/win/CControlBar.h"
#include "classlib/win/CFont.h"
#include "toolkit/win/CKWWndHook.h"

class CKWControlBar;

// Private messages of the rebar and the dock context to a bar.
constexpr UINT KWM_BANDCHILDSIZE = 0x804;
constexpr UINT KWM_BANDCHILDRESIZED = 0x805;
constexpr UINT KWM_CANDRAGFULLWINDOW = 0x806;
constexpr UINT KWM_BARQUERY = 0x807;
constexpr UINT KWM_DRAGENDED = 0x808;
// The toolbar's customise command, also in the bar menu.
constexpr UINT ID_KW_CUSTOMIZE = 52782;

class CKWDockContextWndHook : public CKWWndHook {
  DECLARE_DYNAMIC(CKWDockContextWndHook)

 public:
  explicit CKWDockContextWndHook(CKWControlBar* pBar) : m_pBar(pBar) {}
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  CKWControlBar* m_pBar;
};

class CKWControlBar : public CControlBar {
  DECLARE_DYNAMIC(CKWControlBar)

 public:
  CKWControlBar();
  ~CKWControlBar() override;

  void DoPaint(CDC* pDC) override {}
  // Besides the class library's prompt, a frame without a status bar gets
  // the prompt (or the idle text for -1) on the application's main window.
  BOOL SetStatusText(int nHit) override;
  void CalcInsideRect(CRect& rect, BOOL bHorz) const override;
  void DrawBorders(CDC* pDC, CRect& rect) override;
  void DrawGripper(CDC* pDC, const CRect& rect) override;

  virtual DWORD GetExtendedStyle() const { return m_dwExStyle; }
  virtual void SetExtendedStyle(DWORD dwExStyle) { m_dwExStyle = dwExStyle; }
  virtual BOOL ModifyExtendedStyle(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw);
  // A menu resource's submenu instead of the bar list on a right click.
  virtual void SetContextMenu(UINT nIDMenu, int nSubMenu);
  virtual UINT GetContextMenuId() const { return m_nContextMenuId; }

  virtual BOOL IsLeftDocked() const { return ParentId() == AFX_IDW_DOCKBAR_LEFT; }
  virtual BOOL IsRightDocked() const { return ParentId() == AFX_IDW_DOCKBAR_RIGHT; }
  virtual BOOL IsTopDocked() const { return ParentId() == AFX_IDW_DOCKBAR_TOP; }
  virtual BOOL IsBottomDocked() const { return ParentId() == AFX_IDW_DOCKBAR_BOTTOM; }
  virtual BOOL IsHorzDocked() const { return IsTopDocked() || IsBottomDocked(); }
  virtual BOOL IsVertDocked() const { return IsLeftDocked() || IsRightDocked(); }
  // Any parent other than a dock bar counts as floating.
  virtual BOOL IsFloating() const { return !IsHorzDocked() && !IsVertDocked(); }
  virtual COLORREF GetBackgroundColor() const;
  // May the bar be dragged into another frame; never here.
  virtual BOOL GetDragFlag(CFrameWnd* pFrame, int nIgnored) const { return m_bDragFlag; }
  virtual BOOL GetBandChildSize(REBARBANDINFOA* pInfo, BOOL bHorz);
  virtual void OnBandChildResize(NMREBARCHILDSIZE* pInfo, BOOL bHorz) {}
  virtual BOOL CanDragFullWindow() const { return FALSE; }
  virtual BOOL AnswerBarQuery(LPARAM lParam) { return FALSE; }
  // After a drag: watch the foreign frame that holds the bar now.
  virtual void RehookFloatingFrame();
  virtual void UpdateFonts();
  virtual void ShowBarMenu(CPoint point, CFrameWnd* pFrame);
  virtual void DrawNonClient();

  // The class library's, with the toolkit's dock context.
  void EnableDocking(DWORD dwDockStyle);
  void EnableDockingWithFlags(DWORD dwDockStyle, DWORD dwExFlags);
  BOOL IsInReBar() const { return m_bInReBar; }
  CFrameWnd* GetOwnFrame() const { return m_pOwnFrame; }

  static constexpr DWORD kExStyleDefault = 0x23;
  static constexpr DWORD kExStyleTwoLineGripper = 0x4;

  CFont m_fontNormal;
  CFont m_fontVert;
  CFont m_fontBold;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnWindowPosChanging(WINDOWPOS* lpWndPos);
  afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
  afx_msg BOOL OnEraseBkgnd(CDC* pDC) { return FALSE; }
  afx_msg void OnNcPaint() { DrawNonClient(); }
  afx_msg void OnPaint();
  afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  afx_msg LRESULT OnBandChildSize(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnBandChildResized(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnCanDragFullWindow(WPARAM, LPARAM) { return CanDragFullWindow(); }
  afx_msg LRESULT OnBarQuery(WPARAM, LPARAM lParam) { return AnswerBarQuery(lParam); }
  afx_msg LRESULT OnDragEnded(WPARAM, LPARAM);
  DECLARE_MESSAGE_MAP()

  BOOL m_bContextMenuEnabled = TRUE;

 private:
  int ParentId() const;
  friend class CKWDockContextWndHook;
  // Puts the bar back into its own frame after the frame holding it went.
  void ReturnToOwnFrame();

  DWORD m_dwExStyle = kExStyleDefault;
  CKWDockContextWndHook m_floatingFrameHook;
  CKWDockContextWndHook m_ownFrameHook;
  CFrameWnd* m_pOwnFrame = nullptr;
  int m_nContextSubMenu = 0;
  UINT m_nContextMenuId = 0;
  BOOL m_bInReBar = FALSE;
  BOOL m_bDragFlag = FALSE;
};
