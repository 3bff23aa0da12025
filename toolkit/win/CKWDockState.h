// The docking layout of a frame's bars kept in the toolkit's profile store
// (on HKEY_CURRENT_USER) rather than the application's profile: the class
// library's records, one "<profile>-Bar<n>" section each, and a
// "<profile>-Summary" section with their count and the screen size.
#pragma once

#include "classlib/win/CDockState.h"

class CFrameWnd;

class CKWDockState : public CDockState {
  DECLARE_SERIAL(CKWDockState)
 public:
  CKWDockState() = default;

  // Replaces the records with the saved ones, positions scaled from the
  // saved screen to this one; a record is kept even when it names no bar.
  // Counts from the profile are bounded.
  void LoadState(LPCSTR lpszProfileName) override;
  // Writes the records that have something to say as sections 0, 1, ...,
  // then the summary with their count.
  void SaveState(LPCSTR lpszProfileName) override;

  // Record nIndex of the profile into pInfo; FALSE when it names no bar.
  BOOL LoadBarInfo(CControlBarInfo* pInfo, LPCSTR lpszProfileName, int nIndex);
  // pInfo as record nIndex, its section emptied first; FALSE when there is
  // nothing worth saving (a frame's dock bar with no bars), and nothing is
  // written.
  BOOL SaveBarInfo(CControlBarInfo* pInfo, LPCSTR lpszProfileName, int nIndex);

  // Keeps of a loaded layout what pFrame can still hold, to be applied with
  // SetDockState: records of bars and dock bars the frame no longer has go,
  // the rows of the dock bars name only bars that dock in the frame (each
  // once), a floating frame left with no bar goes, a last dock side that
  // is gone is forgotten, and every position is brought into the work area
  // of pFrame's monitor with floating frames' captions in reach. Returns the
  // number of records dropped.
  int FitToFrame(CFrameWnd* pFrame);
};
