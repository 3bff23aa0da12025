// The strips of a toolkit dock bar by which the user resizes its rows and
// the docking windows of a row. A splitter is a plain object, not a window:
// it paints into the dock bar's device context and draws its drag line on
// the docking frame, inverted so that drawing it twice erases it.
#pragma once

#include "classlib/win/CDC.h"
#include "toolkit/core/KWDockSplitterTrack.h"

class CKWDockBar;
class CFrameWnd;

// A row splitter: changes the depth of the row whose first bar is its index.
class CKWDockSplitter {
 public:
  // rect in dock-bar client coordinates; nKind kKWSplitterVert or Horz.
  CKWDockSplitter(CKWDockBar* pDockBar, const CRect& rect, int nKind, int nIndex);
  virtual ~CKWDockSplitter() = default;
  CKWDockSplitter(const CKWDockSplitter&) = delete;
  CKWDockSplitter& operator=(const CKWDockSplitter&) = delete;

  // point in dock-bar client coordinates while the dock bar has the capture.
  virtual void OnMouseMove(UINT nFlags, CPoint point);
  // point in screen coordinates; FALSE when no drag can start.
  virtual BOOL OnLButtonDown(UINT nHitTest, CPoint point);
  // Ends the drag at point (dock-bar client coordinates); applies a change.
  virtual BOOL OnLButtonUp(UINT nFlags, CPoint point);
  virtual void Apply();
  virtual void InitLimits();

  void Draw(CDC* pDC) const;
  // Draws or erases the drag line; FALSE when there is none to draw.
  BOOL InvertTracker();
  // The far edge: the bottom of a vertical strip, the right of a horizontal one.
  void SetLength(int nValue);
  BOOL HitTest(CPoint point) const { return m_rect.PtInRect(point); }
  BOOL IsHorz() const { return m_nKind == kKWSplitterHorz; }
  virtual BOOL IsRowSplitter() const { return TRUE; }

  const CRect& GetRect() const { return m_rect; }
  const CRect& GetTrackRect() const { return m_rectTrack; }
  const KWSplitterExtent& GetExtent() const { return m_extent; }
  int GetIndex() const { return m_nIndex; }

 protected:
  CFrameWnd* GetFrame() const;
  // A point of the dock bar's client area in the frame's.
  CPoint ToFrame(CPoint point) const;
  // Moves the drag to point (frame client coordinates).
  BOOL Track(CPoint point);

  CRect m_rect;
  CRect m_rectTrack;
  CPoint m_ptDrag;
  KWSplitterExtent m_extent;
  int m_nKind;
  int m_nIndex;
  CKWDockBar* m_pDockBar;
};

// A bar splitter: moves the boundary in front of the bar at its index.
class CKWBarSplitter : public CKWDockSplitter {
 public:
  using CKWDockSplitter::CKWDockSplitter;
  void Apply() override;
  void InitLimits() override;
  BOOL IsRowSplitter() const override { return FALSE; }
};
