#include "toolkit/win/CKWWindowListDlg.h"

#include "classlib/win/CDataExchange.h"
#include "classlib/win/CDocument.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CMDIChildWnd.h"
#include "classlib/win/CView.h"
#include "classlib/win/CWaitCursor.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/MessageMap.h"
#include "toolkit/res/KWWindowListIds.h"
#include "toolkit/win/CKWGlobalData.h"
#include "toolkit/win/KWOffScreenPaint.h"

namespace {

constexpr char kPlacementSection[] = "CKWWindowList";
// Where an entry's icon and text begin, from the item's left edge.
constexpr int kIconLeft = 2;
constexpr int kTextAreaGap = 3;
constexpr int kTextGap = 4;

const UINT kButtonIds[] = {IDC_KW_WINDOW_ACTIVATE, IDOK,
                           IDC_KW_WINDOW_SAVE,     IDC_KW_WINDOW_CLOSE,
                           IDC_KW_WINDOW_CASCADE,  IDC_KW_WINDOW_TILE_HORZ,
                           IDC_KW_WINDOW_TILE_VERT, IDC_KW_WINDOW_MINIMIZE};

// A window's title; one with an empty caption takes its view's document
// title, and keeps it as its caption.
CString WindowTitle(HWND hWnd) {
  CString title;
  if (!::IsWindow(hWnd)) return title;
  CWnd::FromHandle(hWnd)->GetWindowText(title);
  if (!title.IsEmpty()) return title;
  for (HWND hChild = ::GetWindow(hWnd, GW_CHILD); hChild;
       hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
    CWnd* pChild = CWnd::FromHandlePermanent(hChild);
    if (!pChild || !pChild->IsKindOf(RUNTIME_CLASS(CView))) continue;
    if (CDocument* pDoc = static_cast<CView*>(pChild)->GetDocument()) {
      title = pDoc->GetTitle();
      ::SetWindowTextA(hWnd, title);
    }
    break;
  }
  return title;
}

HICON WindowSmallIcon(HWND hWnd) {
  HICON hIcon = reinterpret_cast<HICON>(::SendMessageA(hWnd, WM_GETICON, ICON_SMALL, 0));
  if (!hIcon) hIcon = reinterpret_cast<HICON>(::GetClassLongPtrA(hWnd, GCLP_HICONSM));
  if (!hIcon) hIcon = ::LoadIconA(nullptr, IDI_WINLOGO);
  return hIcon;
}

}  // namespace

CKWWindowListBox::CKWWindowListBox() : m_clrBack(KWGetGlobalData().clrWindowFrame) {}

LRESULT CKWWindowListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ERASEBKGND) return 1;
  if (message == WM_PAINT) return KWPaintOffScreen(this, m_clrBack);
  return CListBox::WindowProc(message, wParam, lParam);
}

BEGIN_MESSAGE_MAP(CKWWindowListDlg, CKWResizeDialog)
  ON_LBN_SELCHANGE(IDC_KW_WINDOW_LIST, OnSelChange)
  ON_BN_CLICKED(IDC_KW_WINDOW_ACTIVATE, OnActivate)
  ON_BN_CLICKED(IDC_KW_WINDOW_SAVE, OnSave)
  ON_BN_CLICKED(IDC_KW_WINDOW_CLOSE, OnCloseWindows)
  ON_BN_CLICKED(IDC_KW_WINDOW_TILE_HORZ, OnTileHorz)
  ON_BN_CLICKED(IDC_KW_WINDOW_TILE_VERT, OnTileVert)
  ON_BN_CLICKED(IDC_KW_WINDOW_CASCADE, OnCascade)
  ON_BN_CLICKED(IDC_KW_WINDOW_MINIMIZE, OnMinimize)
  ON_WM_DRAWITEM()
  ON_WM_DESTROY()
END_MESSAGE_MAP()

CKWWindowListDlg::CKWWindowListDlg(CMDIFrameWnd* pMDIFrameWnd)
    : CKWResizeDialog(IDD_KW_WINDOW_LIST, pMDIFrameWnd, 0),
      m_pMDIFrameWnd(pMDIFrameWnd),
      m_hWndMDIClient(pMDIFrameWnd ? pMDIFrameWnd->m_hWndMDIClient : nullptr) {}

void CKWWindowListDlg::DoDataExchange(CDataExchange* pDX) {
  CKWResizeDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_KW_WINDOW_MINIMIZE, m_btnMinimize);
  DDX_Control(pDX, IDC_KW_WINDOW_CASCADE, m_btnCascade);
  DDX_Control(pDX, IDOK, m_btnOK);
  DDX_Control(pDX, IDC_KW_WINDOW_TILE_VERT, m_btnTileVert);
  DDX_Control(pDX, IDC_KW_WINDOW_TILE_HORZ, m_btnTileHorz);
  DDX_Control(pDX, IDC_KW_WINDOW_SAVE, m_btnSave);
  DDX_Control(pDX, IDC_KW_WINDOW_CLOSE, m_btnClose);
  DDX_Control(pDX, IDC_KW_WINDOW_ACTIVATE, m_btnActivate);
  DDX_Control(pDX, IDC_KW_WINDOW_LIST, m_wndList);
}

BOOL CKWWindowListDlg::OnInitDialog() {
  CKWResizeDialog::OnInitDialog();
  FillList();
  SelectActive();
  UpdateButtons();
  SetResize(IDC_KW_WINDOW_LIST, CKWResizePoint(0, 0), CKWResizePoint(1, 1));
  for (UINT nID : kButtonIds) SetResize(nID, CKWResizePoint(1, 0), CKWResizePoint(1, 0));
  LoadPlacement(kPlacementSection);
  if (!m_hIcon) {
    LPCSTR lpszIcon = MAKEINTRESOURCEA(IDR_KW_APP_ICON);
    m_hIcon = ::LoadIconA(AfxFindResourceHandle(lpszIcon, RT_GROUP_ICON), lpszIcon);
  }
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
  m_wndList.SetBackColor(KWGetGlobalData().clrWindow);
  return TRUE;
}

HWND CKWWindowListDlg::EntryWindow(int nIndex) const {
  return reinterpret_cast<HWND>(m_wndList.GetItemData(nIndex));
}

void CKWWindowListDlg::FillList() {
  m_wndList.ResetContent();
  if (!m_pMDIFrameWnd || !m_pMDIFrameWnd->MDIGetActive()) return;
  for (HWND hChild = ::GetWindow(::GetWindow(m_hWndMDIClient, GW_CHILD), GW_HWNDLAST); hChild;
       hChild = ::GetWindow(hChild, GW_HWNDPREV)) {
    int nIndex = m_wndList.AddString(WindowTitle(hChild));
    if (nIndex >= 0) m_wndList.SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(hChild));
  }
}

void CKWWindowListDlg::SelectActive() {
  const int count = m_wndList.GetCount();
  if (count > 0) m_wndList.SendMessage(LB_SELITEMRANGE, FALSE, MAKELPARAM(0, count - 1));
  CMDIChildWnd* pActive = m_pMDIFrameWnd ? m_pMDIFrameWnd->MDIGetActive() : nullptr;
  if (!pActive) return;
  for (int i = 0; i < count; ++i)
    if (EntryWindow(i) == pActive->m_hWnd) m_wndList.SetSel(i, TRUE);
}

void CKWWindowListDlg::UpdateButtons() {
  const int selected = m_wndList.GetSelCount();
  m_btnActivate.EnableWindow(selected == 1);
  for (CButton* pButton : {&m_btnCascade, &m_btnTileHorz, &m_btnTileVert})
    pButton->EnableWindow(selected >= 2);
  for (CButton* pButton : {&m_btnMinimize, &m_btnSave, &m_btnClose})
    pButton->EnableWindow(selected >= 1);
  m_btnOK.EnableWindow(TRUE);
}

void CKWWindowListDlg::Refresh() {
  FillList();
  SelectActive();
  UpdateButtons();
}

void CKWWindowListDlg::OnSelChange() { UpdateButtons(); }

void CKWWindowListDlg::OnActivate() {
  const int nIndex = m_wndList.GetCurSel();
  if (nIndex == LB_ERR) return;
  HWND hWnd = EntryWindow(nIndex);
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  if (::GetWindowPlacement(hWnd, &placement) && placement.showCmd == SW_SHOWMINIMIZED)
    ::ShowWindow(hWnd, SW_RESTORE);
  ::SendMessageA(m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hWnd), 0);
  EndDialog(IDOK);
}

void CKWWindowListDlg::OnSave() {
  for (int i = 0; i < m_wndList.GetCount(); ++i) {
    if (m_wndList.GetSel(i) <= 0) continue;
    CWnd* pWnd = CWnd::FromHandlePermanent(EntryWindow(i));
    if (!pWnd || !pWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd))) continue;
    if (CDocument* pDoc = static_cast<CFrameWnd*>(pWnd)->GetActiveDocument()) pDoc->SaveModified();
  }
  Refresh();
}

void CKWWindowListDlg::OnCloseWindows() {
  for (int i = 0; i < m_wndList.GetCount(); ++i)
    if (m_wndList.GetSel(i) > 0) ::SendMessageA(EntryWindow(i), WM_CLOSE, 0, 0);
  Refresh();
}

void CKWWindowListDlg::Arrange(UINT message, WPARAM wParam) {
  if (m_wndList.GetCount() == 0) return;
  CWaitCursor wait;
  ::LockWindowUpdate(m_hWndMDIClient);
  for (int i = m_wndList.GetCount() - 1; i >= 0; --i)
    ::ShowWindow(EntryWindow(i), m_wndList.GetSel(i) > 0 ? SW_RESTORE : SW_MINIMIZE);
  ::SendMessageA(m_hWndMDIClient, message, wParam, 0);
  ::LockWindowUpdate(nullptr);
}

void CKWWindowListDlg::OnTileHorz() { Arrange(WM_MDITILE, MDITILE_HORIZONTAL); }

void CKWWindowListDlg::OnTileVert() { Arrange(WM_MDITILE, MDITILE_VERTICAL); }

void CKWWindowListDlg::OnCascade() { Arrange(WM_MDICASCADE, 0); }

void CKWWindowListDlg::OnMinimize() {
  CWaitCursor wait;
  ::LockWindowUpdate(m_hWndMDIClient);
  for (int i = m_wndList.GetCount() - 1; i >= 0; --i)
    if (m_wndList.GetSel(i) > 0) ::ShowWindow(EntryWindow(i), SW_MINIMIZE);
  ::SendMessageA(m_hWndMDIClient, WM_MDICASCADE, 0, 0);
  ::LockWindowUpdate(nullptr);
}

void CKWWindowListDlg::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDIS) {
  if (nIDCtl == IDC_KW_WINDOW_LIST)
    DrawEntry(lpDIS);
  else
    CKWResizeDialog::OnDrawItem(nIDCtl, lpDIS);
}

void CKWWindowListDlg::DrawEntry(LPDRAWITEMSTRUCT lpDIS) {
  if (lpDIS->itemID == static_cast<UINT>(-1)) return;
  HDC hDC = lpDIS->hDC;
  const int saved = ::SaveDC(hDC);
  const int cxIcon = ::GetSystemMetrics(SM_CXSMICON), cyIcon = ::GetSystemMetrics(SM_CYSMICON);
  const bool bSelected = (lpDIS->itemState & ODS_SELECTED) != 0;
  const COLORREF clrText = ::GetSysColor(bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
  const COLORREF clrBack = ::GetSysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
  const CRect item(lpDIS->rcItem);
  CRect textArea(item.left + kTextAreaGap + cxIcon, item.top, item.right, item.bottom);
  if (lpDIS->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) {
    ::SetBkColor(hDC, clrBack);
    ::ExtTextOutA(hDC, 0, 0, ETO_OPAQUE, textArea, nullptr, 0, nullptr);
  }
  if (lpDIS->itemAction & ODA_FOCUS) ::DrawFocusRect(hDC, textArea);
  CString text;
  m_wndList.GetText(static_cast<int>(lpDIS->itemID), text);
  CRect textRect(item.left + kTextGap + cxIcon, item.top, item.right, item.bottom);
  ::SetBkMode(hDC, TRANSPARENT);
  ::SetTextColor(hDC, clrText);
  ::DrawTextA(hDC, text, -1, textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  HWND hWnd = reinterpret_cast<HWND>(lpDIS->itemData);
  ::DrawIconEx(hDC, item.left + kIconLeft, item.top, WindowSmallIcon(hWnd), cxIcon, cyIcon, 0,
               nullptr, DI_NORMAL);
  ::RestoreDC(hDC, saved);
}

void CKWWindowListDlg::OnDestroy() {
  SavePlacement(kPlacementSection);
  CKWResizeDialog::OnDestroy();
}
