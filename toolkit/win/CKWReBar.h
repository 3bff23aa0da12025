// The toolkit's rebar: control bars in the bands of a common-controls rebar.
// So far its run-time class on the toolkit's control bar, by which other bars
// recognise it.
#pragma once

#include "toolkit/win/CKWControlBar.h"

class CKWReBar : public CKWControlBar {
  DECLARE_DYNAMIC(CKWReBar)

 public:
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override {}
};
