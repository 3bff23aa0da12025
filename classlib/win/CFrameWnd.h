// A top-level frame: a window loaded with its menu, accelerators, icon and
// title from one resource id, laying out its bars and client, showing
// command prompts on the status line and routing commands from its menu to
// itself and then to the application.
//
// Views, documents and control bars join the routing and layout through
// OnCmdMsg and RepositionBars (WM_SIZEPARENT).
#pragma once

#include "classlib/win/CWnd.h"

struct CCreateContext;

class CFrameWnd : public CWnd {
  DECLARE_DYNCREATE(CFrameWnd)
 public:
  CFrameWnd() = default;

  // Creates the frame from resource nIDResource: the title (the string's
  // first line), the icon, the menu and the accelerator table.
  virtual BOOL LoadFrame(UINT nIDResource,
                         DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                         CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
  BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
              const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr,
              LPCSTR lpszMenuName = nullptr, DWORD dwExStyle = 0,
              CCreateContext* pContext = nullptr);
  BOOL LoadAccelTable(LPCSTR lpszResourceName);

  // Places the bars and the client area; bNotify also tells the bars.
  virtual void RecalcLayout(BOOL bNotify = TRUE);
  // Lays out again at the next idle time.
  void DelayRecalcLayout(BOOL bNotify = TRUE);
  virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
  void DelayUpdateFrameTitle();
  void UpdateFrameTitleForDocument(LPCSTR lpszDocName);
  CString GetTitle() const { return m_strTitle; }
  void SetTitle(LPCSTR lpszTitle) { m_strTitle = lpszTitle; }

  // The status line (the descendant with id AFX_IDW_STATUS_BAR), or nullptr.
  virtual CWnd* GetMessageBar();
  void SetMessageText(LPCSTR lpszText);
  void SetMessageText(UINT nID);
  // The prompt of command nID: its string's text up to the first newline.
  virtual void GetMessageString(UINT nID, CString& rMessage) const;

  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

  static const RECT rectDefault;

  // Commands without a handler are greyed in the menus.
  BOOL m_bAutoMenuEnable = TRUE;
  HMENU m_hMenuDefault = nullptr;
  HACCEL m_hAccelTable = nullptr;
  UINT m_nIDHelp = 0;
  // What the status line shows: the command being tracked in a menu and the
  // one last shown.
  UINT m_nIDTracking = 0;
  UINT m_nIDLastMessage = 0;

 protected:
  // Work left for the next idle time.
  enum IdleFlags { idleMenu = 1, idleTitle = 2, idleNotify = 4, idleLayout = 8 };
  UINT m_nIdleFlags = 0;
  CString m_strTitle;
  BOOL m_bInRecalcLayout = FALSE;

  // The class registered for a frame of this style with the icon of nIDResource.
  LPCSTR GetIconWndClass(DWORD dwDefaultStyle, UINT nIDResource);
  virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
  void PostNcDestroy() override;

  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnClose();
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
  afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
  afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnPopMessageString(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);

  DECLARE_MESSAGE_MAP()
};
