// The status bar: a row of panes at the bottom of a frame, a common status
// control laid out as a control bar. Pane 0 (ID_SEPARATOR) stretches and
// shows the frame's prompts (its window text); the other panes are
// indicators whose command ids give their texts from the string table and
// whose update handlers enable (show) or disable (blank) them at idle time.
#pragma once

#include <vector>

#include "classlib/win/CControlBar.h"

// Pane styles: the low word goes to the control with each pane's text.
#define SBPS_NORMAL 0x0000
#define SBPS_NOBORDERS SBT_NOBORDERS
#define SBPS_POPOUT SBT_POPOUT
#define SBPS_OWNERDRAW SBT_OWNERDRAW
#define SBPS_DISABLED 0x04000000
#define SBPS_STRETCH 0x08000000

class CStatusBar : public CControlBar {
  DECLARE_DYNAMIC(CStatusBar)
 public:
  CStatusBar() = default;
  ~CStatusBar() override;

  BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
              UINT nID = AFX_IDW_STATUS_BAR);
  // One pane per id; a null lpIDArray makes nIDCount empty panes.
  BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

  // The pane of command nIDFind, or -1.
  int CommandToIndex(UINT nIDFind) const;
  UINT GetItemID(int nIndex) const;
  void GetItemRect(int nIndex, LPRECT lpRect) const;

  void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;
  void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
  UINT GetPaneStyle(int nIndex) const;
  void SetPaneStyle(int nIndex, UINT nStyle);
  CString GetPaneText(int nIndex) const;
  void GetPaneText(int nIndex, CString& rString) const { rString = GetPaneText(nIndex); }
  BOOL SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate = TRUE);

  // The common status control behind the bar.
  HWND GetStatusBarCtrl() const { return m_hWnd; }

  CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

 protected:
  struct Pane {
    UINT nID = 0;
    UINT nStyle = SBPS_NORMAL;
    int cxText = 0;  // the width of the text, borders not included
    CString strText;
  };
  std::vector<Pane> m_panes;
  // The pane that shows the window text (the prompts): the one of id 0.
  int PaneOfWindowText() const { return CommandToIndex(ID_SEPARATOR); }
  // Gives the control the panes' edges (bUpdateRects) and texts (bUpdateText).
  void UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText);
  int TextWidth(LPCSTR lpszText) const;

  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnPaint();
  afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()
};
