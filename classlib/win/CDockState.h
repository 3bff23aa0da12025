// The saved layout of a frame's control bars: one CControlBarInfo a bar (and
// a dock bar), kept in the application's profile under "<name>-Bar<n>"
// sections and a "<name>-Summary" section with the count and the size of the
// screen they were saved on. Positions saved on another screen are scaled to
// the screen of the program and kept on it.
#pragma once

#include "classlib/core/CObject.h"
#include "classlib/core/Collections.h"
#include "classlib/core/DockScreenScale.h"
#include "classlib/core/Geometry.h"
#include "classlib/win/CControlBar.h"

class CDockState;

class CControlBarInfo {
 public:
  CControlBarInfo() = default;

  // Reads record nIndex of lpszProfileName, positions scaled by pDockState;
  // FALSE when it names no bar.
  BOOL LoadState(LPCSTR lpszProfileName, int nIndex, CDockState* pDockState);
  // Writes the record as nIndex (its section is emptied first); FALSE when
  // there is nothing worth saving (an empty dock bar of the frame).
  BOOL SaveState(LPCSTR lpszProfileName, int nIndex);

  UINT m_nBarID = 0;
  BOOL m_bVisible = TRUE;
  BOOL m_bFloating = FALSE;
  BOOL m_bHorz = TRUE;
  BOOL m_bDockBar = FALSE;
  // A floating dock bar's top-left on the screen (its frame is put around
  // it), or a docked bar's in its dock bar.
  CPoint m_pointPos{kNoDockPosition, kNoDockPosition};
  int m_nMRUWidth = CControlBar::kDefaultMRUWidth;
  // The bar is dockable: the most recent places below mean something.
  BOOL m_bDocking = FALSE;
  UINT m_uMRUDockID = 0;
  CRect m_rectMRUDockPos;
  DWORD m_dwMRUFloatStyle = 0;
  CPoint m_ptMRUFloatPos;
  // A dock bar's rows: bar ids, 0 ending a row.
  CPtrArray m_arrBarID;
  // The bar the record is applied to, while the frame applies it.
  CControlBar* m_pBar = nullptr;
};

class CDockState : public CObject {
  DECLARE_SERIAL(CDockState)
 public:
  CDockState();
  ~CDockState() override;

  virtual void LoadState(LPCSTR lpszProfileName);
  virtual void SaveState(LPCSTR lpszProfileName);
  // Forgets every record.
  void Clear();

  // The screen the positions are in terms of; the current screen for a
  // state taken from the frame.
  CSize GetScreenSize() const { return m_sizeScreen; }
  void SetScreenSize(const CSize& size) { m_sizeScreen = size; }
  // From the saved screen to the current one, kept on it.
  void ScalePoint(CPoint& pt) const;
  void ScaleRectPos(CRect& rect) const;

  // CControlBarInfo* records, owned.
  CPtrArray m_arrBarInfo;

 protected:
  CSize m_sizeScreen;
};
