// The views of the grammar tables, one per kind of table.
#pragma once

#include "classlib/win/CView.h"
#include "tables/win/GramNumberView.h"
#include "tables/win/GramVerbView.h"

// Stands in for a grammar view whose table is not built yet: an empty
// view that shows no table, so nothing is selected and there are no
// alternates.
class CGramPlaceholderView : public CView {
  DECLARE_DYNAMIC(CGramPlaceholderView)
 public:
  void OnDraw(CDC* pDC) override;

 protected:
  afx_msg LRESULT OnGetTableShown(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnGetMaxAlternate(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnGetSelectedCell(WPARAM wParam, LPARAM lParam);

  DECLARE_MESSAGE_MAP()
};

class CGramPrepView : public CGramPlaceholderView {
  DECLARE_DYNCREATE(CGramPrepView)
};

class CGramKinuiView : public CGramPlaceholderView {
  DECLARE_DYNCREATE(CGramKinuiView)
};
