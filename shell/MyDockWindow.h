// The tabbed docking window of Grammar Tables and Keyboard Guides: records
// its size for the next start and for Full View, and moves the keyboard focus
// on when it is hidden.
#pragma once

#include "toolkit/win/CKWTabCtrlBar.h"

class CMyDockWindow : public CKWTabCtrlBar {
 public:
  enum Kind { kGrammarTables = 0, kKeyboardGuides = 1 };

  ~CMyDockWindow() override;

  int m_kind = kGrammarTables;
  // The last client size (Grammar Tables only); 0 until one is known.
  CSize m_recordedSize{0, 0};
  // The size, tab and floating state of the last Full View (0, 0 and -1 when
  // there was none since a grammar view was last activated).
  CSize m_fullSize{0, 0};
  int m_fullViewTab = -1;
  int m_fullViewFloating = -1;
  UINT m_barId = 0;

 protected:
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnWindowPosChanged(WINDOWPOS* lpWndPos);
  afx_msg LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnCommandHelp(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()
};
