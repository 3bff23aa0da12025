// A popup menu of owner-drawn string items in the owner's font. The owner
// appends items with MF_OWNERDRAW whose item data point at their strings,
// and keeps those strings alive as long as the menu.
#pragma once

#include "classlib/win/CMenu.h"

class CFontInfo;
class CWnd;

class CPopupMenu : public CMenu {
 public:
  CPopupMenu(CWnd* pOwner, CFontInfo* pFont);
  ~CPopupMenu() override;

  void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

 private:
  CWnd* m_pOwner;
  CFontInfo* m_pFont;
};
