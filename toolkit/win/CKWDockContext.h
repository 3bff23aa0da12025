// The toolkit's dock context: drags a bar between its frame's toolkit dock
// bars and floating frames, resizes a floating bar by its frame's edges and
// docks or floats it on a double click. Where the bar would land is drawn on
// the screen, or, for a bar that asks for it, the bar itself follows the
// mouse. The drag's arithmetic is KWDockDrag's.
//
// The drag loop pumps messages, so anything it holds may go meanwhile: the
// bar, its frames and the dock context itself are looked up again by their
// handles after every message, and a bar destroyed mid-drag ends the loop
// without touching what went with it.
#pragma once

#include <vector>

#include "classlib/win/CDockContext.h"

class CControlBar;
class CDockBar;
class CFrameWnd;
class CKWDockBar;
class CView;

class CKWDockContext : public CDockContext {
 public:
  explicit CKWDockContext(CControlBar* pBar);
  ~CKWDockContext() override;

  void StartDrag(CPoint pt) override;
  void StartResize(int nHitTest, CPoint pt) override;
  void ToggleDocking() override;
  // A frame other than the dock site the drag may move the bar into, or null.
  virtual CFrameWnd* FindTargetFrame();

  // ---- The steps of dragging and resizing (the class library's are hidden).
  void Move(CPoint pt);
  void Stretch(CPoint pt);
  void EndDrag();
  void EndResize();
  void OnKey(int nChar, BOOL bDown);
  void UpdateState(BOOL* pFlag, BOOL bNewValue);
  void DrawFocusRect(BOOL bRemoveRect = FALSE);
  DWORD CanDock();
  // May move the drag into the frame FindTargetFrame gives.
  DWORD CanDockAt(const CRect& rect, DWORD dwStyle, CDockBar** ppDockBar = nullptr);
  DWORD FindDockBarInFrame(CFrameWnd* pFrame, const CRect& rect, DWORD dwStyle,
                           CDockBar** ppDockBar = nullptr);
  CKWDockBar* GetDockBar(DWORD dwOverDockStyle);
  void FloatBar(DWORD dwStyle);
  void InitLoop();
  void CancelLoop();

  // The bar itself follows the mouse in the operation under way (or the last).
  BOOL IsFullWindowDrag() const { return m_bFullWindowDrag; }

 private:
  // How the loop ended.
  enum TrackResult { trackCancelled, trackDone, trackGone };
  // A frame whose delayed layout runs after each message of the loop.
  struct PendingFrame {
    CFrameWnd* pFrame;
    HWND hWnd;
  };
  // The frame's active view, when it lies inside the bar, to hand on to the
  // frame the bar ends up in.
  struct ActiveView {
    CFrameWnd* pFrame = nullptr;
    HWND hFrame = nullptr;
    CView* pView = nullptr;
    HWND hView = nullptr;
  };

  TrackResult Track();
  // One message the loop acts on; FALSE ends the loop with result.
  BOOL TrackMessage(const MSG& msg, TrackResult& result);
  void EndTrack(HWND hFocus);
  void RunPendingLayouts();
  static void RunPendingLayout(CFrameWnd* pFrame);
  ActiveView FindActiveView() const;
  void RestoreActiveView(const ActiveView& view, BOOL bWasFloating);
  // Whether the bar and its dock site still exist.
  BOOL BarAlive() const;
  BOOL IsBarHorz() const;
  // An expanded docking window gives its row back before it leaves it.
  void RestoreExpandedRow();

  std::vector<PendingFrame> m_arrFrames;
  BOOL m_bFullWindowDrag = FALSE;
  HWND m_hBar = nullptr;
  HWND m_hDockSite = nullptr;
  // Set by the running loop; cleared by the destructor so that the loop
  // knows the context went with its bar.
  BOOL* m_pbAlive = nullptr;
  CPoint m_ptPrevMove{-1, -1};
  BOOL m_bHavePrevMove = FALSE;
};
