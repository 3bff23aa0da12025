// The toolkit's rebar: control bars in the bands of a common-controls rebar.
// So far its run-time class, by which other bars recognise it; it joins the
// toolkit's control bar when that is built.
#pragma once

#include "classlib/win/CControlBar.h"

class CKWReBar : public CControlBar {
  DECLARE_DYNAMIC(CKWReBar)

 public:
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override {}
};
