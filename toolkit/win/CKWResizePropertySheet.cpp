#include "toolkit/win/CKWResizePropertySheet.h"

#include "classlib/win/CPropertyPage.h"
#include "classlib/win/MessageMap.h"
#include "toolkit/win/CKWGlobalData.h"
#include "toolkit/win/KWOffScreenPaint.h"

namespace {

// The sheet's buttons and tab control, as the system numbers them.
constexpr UINT kApplyId = 0x3021;
constexpr UINT kTabId = 0x3020;
constexpr int kMenuTextChars = 256;

struct SizingCommand {
  UINT nCommand;
  const char* defaultText;
  UINT nPosition;  // inserted in this order, each at its position
};

// Inserted so that a menu of Move and Close reads Restore, Move, Size,
// Minimize, Maximize, separator, Close.
const SizingCommand kSizingCommands[] = {
    {SC_MAXIMIZE, "Ma&ximize", 1},
    {SC_MINIMIZE, "Mi&nimize", 1},
    {SC_SIZE, "&Size", 1},
    {SC_RESTORE, "&Restore", 0},
};

}  // namespace

CKWResizeSheetTab::CKWResizeSheetTab() : m_clrBack(KWGetGlobalData().clrBtnFace) {}

LRESULT CKWResizeSheetTab::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ERASEBKGND) return 1;
  if (message == WM_PAINT) return KWPaintOffScreen(this, m_clrBack);
  return CTabCtrl::WindowProc(message, wParam, lParam);
}

IMPLEMENT_DYNCREATE(CKWResizePropertySheet, CPropertySheet)

BEGIN_MESSAGE_MAP(CKWResizePropertySheet, CPropertySheet)
  ON_WM_GETMINMAXINFO()
  ON_WM_SIZE()
END_MESSAGE_MAP()

CKWResizePropertySheet::CKWResizePropertySheet() : CKWResizePropertySheet(0u, nullptr, 0, 0) {}

CKWResizePropertySheet::CKWResizePropertySheet(UINT nIDCaption, CWnd* pParentWnd,
                                               UINT iSelectPage, UINT nFlags)
    : CPropertySheet(nIDCaption, pParentWnd, iSelectPage), CKWResizeLayout(this, nFlags) {}

CKWResizePropertySheet::CKWResizePropertySheet(LPCSTR pszCaption, CWnd* pParentWnd,
                                               UINT iSelectPage, UINT nFlags)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage), CKWResizeLayout(this, nFlags) {}

BOOL CKWResizePropertySheet::OnInitDialog() {
  EnableToolTips();
  CPropertySheet::OnInitDialog();
  if (CTabCtrl* pTab = GetTabControl()) m_wndTab.SubclassWindow(pTab->GetSafeHwnd());
  if (!HasFlag(kwResizeNoGrip)) {
    // One pixel more on every side leaves room for the grip at the corner.
    CRect rect;
    GetWindowRect(rect);
    rect.InflateRect(1, 1);
    MoveWindow(rect, TRUE);
  }
  if (GetStyle() & WS_SYSMENU) AddSizingCommands();
  if (!(GetStyle() & WS_THICKFRAME)) SetFlag(kwResizeNoGrip);
  Init();
  const CKWResizeRect corner(1, 1, 1, 1), stretch(0, 0, 1, 1);
  for (UINT nID : {UINT(IDOK), UINT(IDCANCEL), UINT(IDHELP), kApplyId}) SetResize(nID, corner);
  SetResize(kTabId, stretch);
  // Every page, made or not yet made, takes the active page's place.
  CRect rcPage;
  if (CPropertyPage* pActive = GetActivePage()) {
    pActive->GetWindowRect(rcPage);
    ScreenToClient(rcPage);
  }
  for (int i = 0; i < GetPageCount(); ++i) AddItem(GetPage(i), stretch, rcPage);
  return TRUE;
}

void CKWResizePropertySheet::AddSizingCommands() {
  HMENU hMenu = ::GetSystemMenu(m_hWnd, FALSE);
  if (!hMenu) return;
  HWND hTop = m_hWnd;
  while (HWND hParent = ::GetParent(hTop)) hTop = hParent;
  HMENU hTopMenu = hTop != m_hWnd ? ::GetSystemMenu(hTop, FALSE) : nullptr;
  ::InsertMenuA(hMenu, 1, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
  for (const SizingCommand& command : kSizingCommands) {
    char text[kMenuTextChars] = {};
    if (hTopMenu) ::GetMenuStringA(hTopMenu, command.nCommand, text, kMenuTextChars, MF_BYCOMMAND);
    ::InsertMenuA(hMenu, command.nPosition, MF_BYPOSITION | MF_STRING, command.nCommand,
                  text[0] ? text : command.defaultText);
  }
}

void CKWResizePropertySheet::OnGetMinMaxInfo(MINMAXINFO* lpMMI) { GetMinMaxInfo(lpMMI); }

void CKWResizePropertySheet::OnSize(UINT nType, int cx, int cy) {
  CPropertySheet::OnSize(nType, cx, cy);
  Resize();
}
