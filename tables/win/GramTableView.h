// The grammar tabs that show a table of forms: tips over the table's hot
// rectangles while a table is shown, and the definition window under the
// table with its copy menu and a look-up's highlighted term.
#pragma once

#include "classlib/win/CMenu.h"
#include "tables/win/GrammarHoverTip.h"
#include "tables/win/MyFormView.h"

class CDefinitionWnd;

class CGramTableView : public CMyFormView {
  DECLARE_DYNAMIC(CGramTableView)

 protected:
  // The view says where its hot rectangles are and what their tips say.
  CGramTableView(UINT nIDTemplate, CGrammarHoverTip::HitTest hitTest,
                 CGrammarHoverTip::TipText tipText, CGrammarHoverTip::HotRect hotRect);

  virtual BOOL IsTableShown() const = 0;
  void CloseTip() { m_hoverTip.Close(); }

  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  // Closes the tip and destroys the definition window.
  afx_msg void OnDestroy();
  afx_msg LRESULT OnGetTableShown(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnCloseTip(WPARAM wParam, LPARAM lParam);
  // The look-up's keyword, which its definition number highlights.
  afx_msg LRESULT OnSetCaption(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnDefinitionMenu(WPARAM wParam, LPARAM lParam);
  afx_msg void OnCopyDefinition(UINT nID);

  CDefinitionWnd* m_pDefinition = nullptr;  // made by the view, destroyed here
  CMenu m_definitionMenu;
  CGrammarHoverTip m_hoverTip;

  DECLARE_MESSAGE_MAP()
};
