// The hover tip of a grammar cell: a borderless pop-up beside the cursor
// that shows a table mark-up text while the mouse rests on the cell, and
// asks its owner view to close it (WM_GRAM_CLOSETIP) once the mouse leaves
// the cell or a button is pressed on it. It never takes the focus. The
// owner makes it with new and destroys and deletes it when asked.
#pragma once

#include <memory>

#include "classlib/core/CString.h"
#include "classlib/core/Geometry.h"
#include "classlib/win/CWnd.h"

struct TableMarkupHeader;

class CTipWnd : public CWnd {
 public:
  // x, y: the cursor (screen); hot: the hovered cell (screen).
  CTipWnd(CWnd* pOwnerView, int x, int y, const RECT& hot, LPCSTR lpszMarkup);
  ~CTipWnd() override;

  // Creates the tip over the hot rectangle as a pop-up tool window of the
  // desktop; it places and shows itself, or asks to be closed when the
  // text shows nothing. A pop-up has no child id: none is given.
  BOOL CreateTip();

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnDestroy();
  afx_msg void OnPaint();
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
  // A click on the tip leaves the activation and the focus where they are.
  afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);

  CWnd* m_pOwnerView;
  CPoint m_anchor;
  CString m_markup;
  CRect m_hot;
  CRect m_tip;  // where the mark-up is painted (client coordinates)
  UINT_PTR m_nTimer = 0;
  std::unique_ptr<TableMarkupHeader> m_pMarkup;  // the parsed mark-up

  DECLARE_MESSAGE_MAP()

 private:
  void CloseByOwner();
  // Closes the tip and hands the click to the owner when it lies over it.
  void PassClickToOwner(UINT message, UINT nFlags, CPoint point);
};
