// The keyboard shortcuts of a frame: a working copy of its accelerator table,
// from which the frame's popup menus take the shortcut texts they show. Until
// it is set up it holds no table and gives no texts.
#pragma once

#include <windows.h>

#include <vector>

#include "classlib/core/CString.h"
#include "toolkit/core/KWAccelText.h"

class CFrameWnd;

class CKWAccelManager {
 public:
  CKWAccelManager() = default;
  virtual ~CKWAccelManager() = default;
  CKWAccelManager(const CKWAccelManager&) = delete;
  CKWAccelManager& operator=(const CKWAccelManager&) = delete;

  // Copies the accelerator resource nIDAccel of the resource module (an
  // empty table when it is missing) and marks the manager set up.
  void Init(CFrameWnd* pFrame, UINT nIDAccel, LPCSTR lpszProfileName);
  BOOL IsInitialized() const { return m_bInitialized; }
  // Appends the shortcut text of every entry of the command ("Ctrl+S, F12").
  void GetAccelText(UINT nID, CString& text) const;

 private:
  CFrameWnd* m_pFrame = nullptr;
  CString m_strProfileName;
  UINT m_nIDAccel = 0;
  std::vector<KWAccelEntry> m_entries;
  BOOL m_bInitialized = FALSE;
};
