// A frame: a window loaded with its menu, accelerators, icon and title from
// one resource id, holding its views and control bars, laying them out,
// showing command prompts on the status line and routing commands to its
// active view, itself and then the application.
//
// Control bars join the layout through RepositionBars (WM_SIZEPARENT) and the
// frame's list of bars; views are created from a CCreateContext.
#pragma once

#include "classlib/core/Collections.h"
#include "classlib/win/CWnd.h"

class CControlBar;
class CDockBar;
class CDockState;
class CDocument;
class CMiniDockFrameWnd;
class CView;
struct CCreateContext;

// What a frame keeps while print preview replaces its panes, to put back after.
struct CPrintPreviewState {
  UINT nIDMainPane = AFX_IDW_PANE_FIRST;
  HMENU hMenu = nullptr;     // the menu taken off the frame
  DWORD dwStates = 0;        // bit n: the n-th control bar of the frame was visible
  HWND hWndFocus = nullptr;  // the window that had the focus
  HACCEL hAccelTable = nullptr;
  // Closes the preview; the frame calls it instead of closing while the preview shows.
  void (*lpfnCloseProc)(CFrameWnd* pFrameWnd) = nullptr;
};

class CFrameWnd : public CWnd {
  DECLARE_DYNCREATE(CFrameWnd)
 public:
  CFrameWnd() = default;
  ~CFrameWnd() override;

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

  // ---- Views and documents.
  // The view of m_pNewViewClass, created as child nID and bound to the
  // context's document; nullptr when it could not be created.
  CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);
  CView* GetActiveView() const { return m_pViewActive; }
  // bNotify tells the old and the new view (OnActivateView).
  void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
  // The active view's document.
  virtual CDocument* GetActiveDocument();
  // The frame whose view is active: this one, or an MDI frame's active child.
  virtual CFrameWnd* GetActiveFrame();
  // Shows and activates the frame; -1 shows a hidden frame normally and
  // restores a minimised one.
  virtual void ActivateFrame(int nCmdShow = -1);
  // After the frame and its views are made: the first pane becomes the
  // active view, the views get WM_INITIALUPDATE, and with bMakeVisible the
  // frame is shown.
  void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
  // Print preview hides the bars and the menu (bPreview) or puts them back.
  virtual void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState);

  // ---- Control bars.
  // The bar of id nID among this frame's bars, or nullptr.
  CControlBar* GetControlBar(UINT nID);
  // bDelay leaves the layout to the next idle time; a floating bar's frame
  // shows and hides with it.
  void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
  // The control bars created in this frame, in the order they were made.
  CPtrList m_listControlBars;

  // ---- Docking.
  // Makes the frame's dock bars on the CBRS_ALIGN_* sides of dwDockStyle
  // (once each); floating bars get frames of m_pFloatingFrameClass.
  void EnableDocking(DWORD dwDockStyle);
  // Docks pBar in the dock bar of id nDockBarID (0: the first side its
  // alignment names) at lpRect (screen coordinates), or in a new row.
  void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
  void DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = nullptr);
  // Docks a floating bar back: in the place its dock bar kept for it, else
  // as DockControlBar does.
  void ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = nullptr);
  // Floats pBar in a floating frame whose top-left is point (screen);
  // dwStyle: CBRS_ALIGN_TOP (a row) or CBRS_ALIGN_LEFT (a column).
  void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP);
  // The side of the first visible dock bar of dwDockStyle's sides that
  // rect (screen) touches, 0 for none.
  DWORD CanDock(CRect rect, DWORD dwDockStyle, CDockBar** ppDockBar = nullptr);
  // Takes pBar off the frame's list of bars.
  void RemoveControlBar(CControlBar* pBar);
  // A new, hidden floating frame of m_pFloatingFrameClass; throws
  // CResourceException when it cannot be made.
  virtual CMiniDockFrameWnd* CreateFloatingFrame(DWORD dwStyle);
  CRuntimeClass* m_pFloatingFrameClass = nullptr;

  // The layout of every bar: taken from the frame or applied to it, and
  // kept in the profile under lpszProfileName.
  void GetDockState(CDockState& state) const;
  void SetDockState(const CDockState& state);
  void LoadBarState(LPCSTR lpszProfileName);
  void SaveBarState(LPCSTR lpszProfileName) const;

  // Places the bars and the client area; bNotify also tells the bars.
  virtual void RecalcLayout(BOOL bNotify = TRUE);
  // Lays out again at the next idle time.
  void DelayRecalcLayout(BOOL bNotify = TRUE);
  // The caption: the application's title with the active document's name.
  virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
  void DelayUpdateFrameTitle();
  // Puts the frame's menu (or hMenuAlt) on the menu bar.
  virtual void OnUpdateFrameMenu(HMENU hMenuAlt);
  void DelayUpdateFrameMenu(HMENU hMenuAlt);
  void UpdateFrameTitleForDocument(LPCSTR lpszDocName);
  CString GetTitle() const { return m_strTitle; }
  void SetTitle(LPCSTR lpszTitle) { m_strTitle = lpszTitle; }

  // The status line (the descendant with id AFX_IDW_STATUS_BAR), or nullptr.
  virtual CWnd* GetMessageBar();
  void SetMessageText(LPCSTR lpszText);
  void SetMessageText(UINT nID);
  // The prompt of command nID: its string's text up to the first newline.
  virtual void GetMessageString(UINT nID, CString& rMessage) const;

  // The frames of this thread, newest first, for idle updates across frames.
  static CFrameWnd* GetFirstFrame();
  CFrameWnd* GetNextFrame() const { return m_pNextFrameWnd; }

  // A document's frames are numbered when it has several (its title gets
  // ":n"); 0 when it has one. The document sets it.
  int m_nWindow = -1;

  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

  static const RECT rectDefault;

  // Commands without a handler are greyed in the menus.
  BOOL m_bAutoMenuEnable = TRUE;
  HMENU m_hMenuDefault = nullptr;
  HACCEL m_hAccelTable = nullptr;
  // Set while print preview shows: closing the frame closes the preview.
  void (*m_lpfnCloseProc)(CFrameWnd* pFrameWnd) = nullptr;
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
  CView* m_pViewActive = nullptr;
  // The menu DelayUpdateFrameMenu asked for.
  HMENU m_hMenuAlt = nullptr;

  // The class registered for a frame of this style with the icon of nIDResource.
  LPCSTR GetIconWndClass(DWORD dwDefaultStyle, UINT nIDResource);
  // The help context and the title (the first line of string nIDResource).
  void LoadTitle(UINT nIDResource);
  virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
  void PostNcDestroy() override;

  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnDestroy();
  afx_msg void OnNcDestroy();
  // Asks the documents to save first; Cancel keeps the frame.
  afx_msg void OnClose();
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
  afx_msg void OnDropFiles(HDROP hDropInfo);
  afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
  afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
  afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnPopMessageString(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnRecalcParent(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnCommandHelp(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);
  // ID_VIEW_STATUS_BAR, ID_VIEW_TOOLBAR: the bar of that id is shown or hidden.
  afx_msg BOOL OnBarCheck(UINT nID);
  afx_msg void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
  // The lock-key indicators light while their key is on.
  afx_msg void OnUpdateKeyIndicator(CCmdUI* pCmdUI);

  DECLARE_MESSAGE_MAP()

 private:
  CFrameWnd* m_pNextFrameWnd = nullptr;
  void AddToFrameList();
  void RemoveFromFrameList();
};
