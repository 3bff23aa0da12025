// The base of every grammar view: answers the main frame's questions about
// the table it shows.
#pragma once

#include "classlib/win/CView.h"

class CMyFormView : public CView {
  DECLARE_DYNAMIC(CMyFormView)
 public:
  void OnDraw(CDC* pDC) override;

 protected:
  // No table is shown yet: nothing is selected and there are no alternates.
  afx_msg LRESULT OnGetTableShown(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnGetMaxAlternate(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnGetSelectedCell(WPARAM wParam, LPARAM lParam);

  DECLARE_MESSAGE_MAP()
};
