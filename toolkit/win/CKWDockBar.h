// The toolkit's dock bar: the strip along one edge of a frame that holds
// docked bars in rows. It keeps the class library's rows (a break ends a
// row) and lays them out itself: toolkit bars packed without overlap,
// docking windows sharing the length of their row at the row's thickness,
// splitters between rows and between docking windows that the user drags,
// border lines cleared towards splitters and edges, a menu bar alone in its
// row and a last toolbar fitted behind its chevron. A right click lists the
// frame's bars.
#pragma once

#include <memory>
#include <vector>

#include "classlib/win/CDockBar.h"
#include "toolkit/core/KWDockLayout.h"

class CKWDockSplitter;
class CKWDockWindow;

class CKWDockBar : public CDockBar {
  DECLARE_DYNAMIC(CKWDockBar)

 public:
  CKWDockBar();
  ~CKWDockBar() override;

  CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
  // The rows, then each splitter over them.
  void DoPaint(CDC* pDC) override;
  // Hot-tests the splitters at point (screen coordinates) and sets the
  // splitter cursor over one; nothing while any window has the capture.
  virtual void SetSplitterCursor(CPoint point);

  // A docking window is marked as newly docked, so that its row is shared
  // again with it keeping its length, and from another side it takes its
  // size for this one.
  void DockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr);

  // ---- Rows. index is a position in m_arrBars; a query runs from it to
  // the row's end and leaves pExclude out.
  KWDockEntries GetEntries() const;
  CKWDockWindow* GetVisibleDockWindow(CControlBar* pBar) const;
  BOOL IsLastInRow(int index) const { return KWIsLastInRow(GetEntries(), index); }
  // -1 when pBar is not on this dock bar.
  int GetRowStart(CControlBar* pBar) const;
  int CountDockWindows(int index, CControlBar* pExclude = nullptr) const;
  int GetRowThickness(int index, CControlBar* pExclude = nullptr) const;
  int GetMinRowThickness(int index, CControlBar* pExclude = nullptr) const;
  int GetDesiredRowLength(int index, CControlBar* pExclude = nullptr) const;
  int GetMinRowLength(int index, CControlBar* pExclude = nullptr) const;
  int GetFixedRowLength(int index, CControlBar* pExclude = nullptr) const;
  CKWDockWindow* FindNewDockWindow(int index) const;
  CKWDockWindow* GetFirstDockWindow(int index) const;
  CKWDockWindow* FindExpandedDockWindow(int index) const;
  // The room a row may still grow into: the frame's client extent across
  // the rows less the dock bars (and status bar) already on that axis.
  int GetAvailableThickness() const;
  int SetRowThickness(int index, int nThickness);
  // A change of length passed along the docking windows; returns the rest.
  int ResizeBefore(int index, int delta);
  int ResizeFrom(int index, int delta);
  // The others of its row give up their length to pWindow.
  void ExpandInRow(CKWDockWindow* pWindow, BOOL bNotify);
  void RestoreRow(CKWDockWindow* pWindow, BOOL bNotify);
  // Shares the row's length among its docking windows.
  void NormalizeRow(int index);
  void ClearRowBorders(int index, DWORD dwMask, BOOL bDockWindowsOnly);

  // ---- Splitters, made by each layout pass.
  void AddSplitter(const CRect& rect, int nKind, BOOL bRowSplitter, int index);
  void DeleteSplitters();
  void SetSplitterExtent(int nFirst, int nKind, int nValue);
  int GetSplitterCount() const { return static_cast<int>(m_arrSplitters.size()); }
  CKWDockSplitter* GetSplitter(int n) const { return m_arrSplitters[n].get(); }
  int GetHotSplitter() const { return m_nHotSplitter; }
  BOOL IsTracking() const { return m_bTracking; }

  // The toolkit's extended bar style of this side (kKWDockFlatSplitters...).
  DWORD m_dwExStyle = 0;

 protected:
  afx_msg LRESULT OnNcHitTest(CPoint point);
  afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnCancel();
  afx_msg void OnPaint();
  afx_msg BOOL OnEraseBkgnd(CDC*) { return FALSE; }
  afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
  DECLARE_MESSAGE_MAP()

 private:
  class LayoutHost;

  BOOL IsHorz() const;
  int IndexOf(const CControlBar* pBar) const;
  CKWDockWindow* DockWindowAt(int index) const;
  KWDockEntry ReadEntry(int nPos) const;
  // Docking windows whose length or thickness the arithmetic changed get
  // their new size.
  void ApplySizes(const KWDockEntries& before, const KWDockEntries& after);
  // Runs change over the rows' entries and applies the sizes it changed.
  template <typename Change>
  int ChangeDockWindows(Change change);
  void SetDockWindowSize(CKWDockWindow* pWindow, int nLength, int nThickness);
  // A row ending in a docking window lays the frame out again.
  void RecalcAfterRowChange(int nRowStart, BOOL bNotify);
  CKWDockSplitter* GetTrackedSplitter() const;
  // Ends a splitter drag: the capture goes and the focus returns.
  void StopTracking();

  int m_nHotSplitter = -1;
  BOOL m_bTracking = FALSE;
  HWND m_hWndPrevFocus = nullptr;
  std::vector<std::unique_ptr<CKWDockSplitter>> m_arrSplitters;
};
