// The mouse side of docking: a dockable bar's dock context drags it between
// its frame's dock bars and floating frames (drawing where it would land as
// a frame on the screen, thin over a dock bar and thick when it would float),
// resizes a floating bar by its frame's edges, and docks or floats it on a
// double click. It remembers the bar's most recent docked and floating places
// for the double click and for the saved layout.
//
// Dragging runs a loop of its own while the bar holds the mouse: Ctrl keeps
// the bar from docking, Shift turns it to the other orientation, Esc, the
// right button or losing the capture cancels and leaves the bar where it was.
#pragma once

#include "classlib/core/DockScreenScale.h"
#include "classlib/core/Geometry.h"
#include "classlib/win/CDC.h"

class CControlBar;
class CDockBar;
class CFrameWnd;

class CDockContext {
 public:
  explicit CDockContext(CControlBar* pBar);
  CDockContext(const CDockContext&) = delete;
  CDockContext& operator=(const CDockContext&) = delete;
  virtual ~CDockContext();

  // pt: the screen point where the mouse went down.
  virtual void StartDrag(CPoint pt);
  // nHitTest: the HT* code of the floating frame's edge or corner taken.
  virtual void StartResize(int nHitTest, CPoint pt);
  virtual void ToggleDocking();

  // ---- The steps of dragging and resizing.
  void Move(CPoint pt);
  void OnKey(int nChar, BOOL bDown);
  void UpdateState(BOOL* pFlag, BOOL bNewValue);
  void Stretch(CPoint pt);
  void EndDrag();
  void EndResize();
  // The CBRS_ALIGN_* style of the dock bar the bar would dock in now, 0 for none.
  DWORD CanDock();
  CDockBar* GetDockBar(DWORD dwOverDockStyle);
  // The loop; TRUE when the mouse was released, FALSE when cancelled.
  BOOL Track();
  void InitLoop();
  void CancelLoop();
  void DrawFocusRect(BOOL bRemoveRect = FALSE);

  // ---- State of the operation under way (screen coordinates).
  CPoint m_ptLast;
  CRect m_rectLast;
  CSize m_sizeLast;
  BOOL m_bDitherLast = FALSE;
  // Where the bar would go docked on a horizontal or a vertical dock bar,
  // and floating horizontally or vertically (its frame's rectangle).
  CRect m_rectDragHorz;
  CRect m_rectDragVert;
  CRect m_rectFrameDragHorz;
  CRect m_rectFrameDragVert;
  // While resizing the same rectangles hold the size asked for, the size the
  // bar takes, its frame's rectangle and the frame's borders.
  CRect& m_rectRequestedSize = m_rectDragHorz;
  CRect& m_rectActualSize = m_rectDragVert;
  CRect& m_rectActualFrameSize = m_rectFrameDragHorz;
  CRect& m_rectFrameBorders = m_rectFrameDragVert;

  CControlBar* m_pBar;
  CFrameWnd* m_pDockSite;
  DWORD m_dwDockStyle = 0;      // the sides the bar may dock to
  DWORD m_dwOverDockStyle = 0;  // the side under the bar now
  DWORD m_dwStyle = 0;          // the bar's CBRS_ALIGN_* when the operation began
  BOOL m_bFlip = FALSE;         // Shift: the other orientation
  BOOL m_bForceFrame = FALSE;   // Ctrl: float, dock nowhere
  CDC* m_pDC = nullptr;         // the screen while the loop runs
  BOOL m_bDragging = FALSE;     // dragging, else resizing
  int m_nHitTest = HTNOWHERE;

  // ---- The most recent places.
  UINT m_uMRUDockID = 0;
  CRect m_rectMRUDockPos;  // in that dock bar's client coordinates
  DWORD m_dwMRUFloatStyle = 0;
  CPoint m_ptMRUFloatPos{kNoDockPosition, kNoDockPosition};  // the floating frame's top-left

 private:
  BOOL IsHorzOrientation() const;
  // The floating style a drop off the dock bars gives.
  DWORD GetFloatStyle() const;
};
