#include "toolkit/win/KWFrameBarMenu.h"

#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CReBar.h"
#include "classlib/win/CStatusBar.h"
#include "toolkit/win/CKWControlBar.h"
#include "toolkit/win/CKWDockWindow.h"
#include "toolkit/win/CKWMenuBar.h"
#include "toolkit/win/CKWPopupMenu.h"
#include "toolkit/win/CKWReBar.h"
#include "toolkit/win/CKWToolBar.h"

KWBarKind KWBarMenuKind(CControlBar* pBar) {
  if (pBar->IsKindOf(RUNTIME_CLASS(CKWMenuBar)) || pBar->IsKindOf(RUNTIME_CLASS(CKWReBar)) ||
      pBar->IsKindOf(RUNTIME_CLASS(CReBar)))
    return KWBarKind::Hidden;
  if (pBar->IsKindOf(RUNTIME_CLASS(CStatusBar))) return KWBarKind::StatusBar;
  if (!pBar->IsKindOf(RUNTIME_CLASS(CKWControlBar))) return KWBarKind::Hidden;
  if (pBar->IsKindOf(RUNTIME_CLASS(CKWDockWindow))) return KWBarKind::DockWindow;
  if (pBar->IsKindOf(RUNTIME_CLASS(CKWToolBar))) return KWBarKind::ToolBar;
  return KWBarKind::Other;
}

std::vector<KWBarEntry> KWFrameBarEntries(CFrameWnd* pFrame) {
  std::vector<KWBarEntry> bars;
  for (POSITION pos = pFrame->m_listControlBars.GetHeadPosition(); pos != nullptr;) {
    auto* pBar = static_cast<CControlBar*>(pFrame->m_listControlBars.GetNext(pos));
    KWBarEntry entry;
    entry.kind = KWBarMenuKind(pBar);
    CString text;
    if (pBar->m_hWnd != nullptr) pBar->GetWindowText(text);
    entry.text = static_cast<LPCSTR>(text);
    entry.id = static_cast<unsigned>(pBar->GetDlgCtrlID());
    entry.bVisible = pBar->m_hWnd != nullptr && pBar->IsVisible();
    bars.push_back(entry);
  }
  return bars;
}

bool KWCreateBarMenu(CKWPopupMenu& menu, const std::vector<KWBarMenuItem>& items) {
  if (items.empty() || !menu.CreatePopupMenu()) return false;
  for (const KWBarMenuItem& item : items) {
    if (item.bSeparator)
      menu.AppendMenu(MF_SEPARATOR);
    else
      menu.AppendMenu(MF_STRING | (item.bChecked ? MF_CHECKED : 0), item.id, item.text.c_str());
  }
  return true;
}
