// A popup menu of owner-drawn string items in the owner's font. Each item's
// data points at its string, which the menu keeps for as long as it lives.
#pragma once

#include <list>

#include "classlib/core/CString.h"
#include "classlib/win/CMenu.h"

class CFontInfo;
class CWnd;

class CPopupMenu : public CMenu {
 public:
  CPopupMenu(CWnd* pOwner, CFontInfo* pFont);
  ~CPopupMenu() override;

  // Appends an owner-drawn item showing a copy of the text.
  BOOL AppendItem(UINT id, LPCSTR text);

  void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

 private:
  CWnd* m_pOwner;
  CFontInfo* m_pFont;
  std::list<CString> m_texts;  // the items' strings; a list never moves them
};
