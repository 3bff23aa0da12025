#include "toolkit/win/CKWTabCtrlBase.h"

#include <commctrl.h>

#include "classlib/core/CException.h"
#include "classlib/win/AfxMsg.h"
#include "classlib/win/CCreateContext.h"
#include "classlib/win/CDocument.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CMiniDockFrameWnd.h"
#include "classlib/win/CToolTipCtrl.h"
#include "classlib/win/CView.h"
#include "classlib/win/WindowDCs.h"
#include "toolkit/core/KWTabLabels.h"
#include "toolkit/win/CKWButton.h"
#include "toolkit/win/CKWGlobalData.h"

namespace {

constexpr DWORD kViewStyle = WS_CHILD | WS_VISIBLE | WS_BORDER;

}  // namespace

CKWTabCtrlBase::CKWTabCtrlBase() { m_bBoldSelected = 0; }

CKWTabCtrlBase::~CKWTabCtrlBase() = default;

int CKWTabCtrlBase::TabCount() const {
  return static_cast<int>(m_pTabCtrl->SendMessage(TCM_GETITEMCOUNT));
}

CWnd* CKWTabCtrlBase::LiveWindow(int nIndex) const {
  if (nIndex < 0 || nIndex >= GetTabItemCount()) return nullptr;
  const KWTabItem& item = *m_items[nIndex];
  if (!::IsWindow(item.hWnd) || CWnd::FromHandlePermanent(item.hWnd) != item.pWnd) return nullptr;
  return item.pWnd;
}

int CKWTabCtrlBase::IndexOf(const CWnd* pWnd) const {
  for (int i = 0; i < GetTabItemCount(); ++i)
    if (pWnd != nullptr && m_items[i]->pWnd == pWnd) return i;
  return -1;
}

int CKWTabCtrlBase::IndexOfClass(CRuntimeClass* pClass) const {
  for (int i = 0; i < GetTabItemCount(); ++i) {
    CWnd* pWnd = LiveWindow(i);
    if (pWnd != nullptr && pWnd->IsKindOf(pClass)) return i;
  }
  return -1;
}

void CKWTabCtrlBase::UpdateFont() {
  const CKWGlobalData& data = KWGetGlobalData();
  const DWORD dwStyle = m_pTabCtrl->GetStyle();
  const CFont* pFont = &data.fontHorz;
  if (dwStyle & TCS_VERTICAL) pFont = (dwStyle & TCS_RIGHT) ? &data.fontVert270 : &data.fontVert;
  WPARAM hFont = reinterpret_cast<WPARAM>(pFont->GetSafeHandle());
  if (data.bWin95)
    m_pTabCtrl->PostMessage(WM_SETFONT, hFont, TRUE);
  else
    m_pTabCtrl->SendMessage(WM_SETFONT, hFont, TRUE);
}

CToolTipCtrl* CKWTabCtrlBase::GetToolTips() const {
  HWND hTip = reinterpret_cast<HWND>(m_pTabCtrl->SendMessage(TCM_GETTOOLTIPS));
  return hTip != nullptr ? static_cast<CToolTipCtrl*>(CWnd::FromHandle(hTip)) : nullptr;
}

void CKWTabCtrlBase::SetToolTips(CToolTipCtrl* pTip) {
  m_pTabCtrl->SendMessage(TCM_SETTOOLTIPS, reinterpret_cast<WPARAM>(pTip ? pTip->m_hWnd : nullptr));
}

void CKWTabCtrlBase::AddTool(int nToolId, LPCSTR lpszText) {
  CToolTipCtrl* pTip = GetToolTips();
  if (pTip == nullptr) return;
  if (nToolId == 0) {
    pTip->AddTool(m_pTabCtrl, lpszText);
  } else {
    CRect empty(0, 0, 0, 0);
    pTip->AddTool(m_pTabCtrl, lpszText, &empty, static_cast<UINT_PTR>(nToolId));
  }
}

void CKWTabCtrlBase::SetTipText(int nIndex, LPCSTR lpszText) {
  if (nIndex < 0 || nIndex >= GetTabItemCount()) return;
  KWTabItem& item = *m_items[nIndex];
  item.strTip = lpszText;
  if (CToolTipCtrl* pTip = GetToolTips())
    pTip->UpdateTipText(lpszText, m_pTabCtrl, static_cast<UINT_PTR>(item.nToolId));
}

void CKWTabCtrlBase::SetTipTextByClass(CRuntimeClass* pClass, LPCSTR lpszText) {
  SetTipText(IndexOfClass(pClass), lpszText);
}

void CKWTabCtrlBase::SetTabText(int nIndex, LPCSTR lpszText) {
  CToolTipCtrl* pTip = GetToolTips();
  if (nIndex < 0 || nIndex >= GetTabItemCount() || lpszText == nullptr || *lpszText == '\0' ||
      pTip == nullptr)
    return;
  KWTabItem& item = *m_items[nIndex];
  item.strLabel = item.strTip = item.strShown = lpszText;
  TCITEMA tci = {};
  tci.mask = TCIF_TEXT;
  tci.pszText = const_cast<LPSTR>(lpszText);
  m_pTabCtrl->SendMessage(TCM_SETITEMA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&tci));
  pTip->UpdateTipText(lpszText, m_pTabCtrl, static_cast<UINT_PTR>(item.nToolId));
}

void CKWTabCtrlBase::RenumberTools() {
  CToolTipCtrl* pTip = GetToolTips();
  for (int i = 0; i < GetTabItemCount(); ++i) {
    KWTabItem& item = *m_items[i];
    item.nToolId = i;
    if (pTip != nullptr) pTip->UpdateTipText(item.strTip, m_pTabCtrl, static_cast<UINT_PTR>(i));
  }
}

BOOL CKWTabCtrlBase::EnableToolTips(BOOL bEnable) {
  CToolTipCtrl* pTip = GetToolTips();
  if (pTip == nullptr) return FALSE;
  pTip->Activate(bEnable);
  return TRUE;
}

BOOL CKWTabCtrlBase::AddView(LPCSTR lpszLabel, CRuntimeClass* pViewClass, CDocument* pDoc,
                             CCreateContext* pContext, int nIndex, int nIcon) {
  CWnd* pWnd = CreateTabView(pViewClass, pDoc, pContext);
  return pWnd != nullptr && AddControl(lpszLabel, pWnd, nIndex, nIcon);
}

BOOL CKWTabCtrlBase::AddControl(LPCSTR lpszLabel, CWnd* pWnd, int nIndex, int nIcon) {
  if (pWnd == nullptr || !::IsWindow(pWnd->m_hWnd)) return FALSE;
  pWnd->SetParent(m_pTabCtrl);
  auto item = std::make_unique<KWTabItem>();
  item->pWnd = pWnd;
  item->hWnd = pWnd->m_hWnd;
  item->strLabel = item->strTip = lpszLabel;
  item->nToolId = TabCount();
  const int nCount = GetTabItemCount();
  const int nAt = nIndex < 0 || nIndex > nCount ? nCount : nIndex;
  const int nToolId = item->nToolId;
  m_items.insert(m_items.begin() + nAt, std::move(item));
  TCITEMA tci = {};
  tci.mask = TCIF_TEXT | TCIF_IMAGE;
  tci.pszText = const_cast<LPSTR>(lpszLabel);
  tci.iImage = nIcon == -1 ? nIndex : nIcon;
  m_pTabCtrl->SendMessage(TCM_INSERTITEMA, static_cast<WPARAM>(nAt), reinterpret_cast<LPARAM>(&tci));
  AddTool(nToolId, lpszLabel);
  RenumberTools();
  SetActiveView(nAt);
  return TRUE;
}

CWnd* CKWTabCtrlBase::GetView(int nIndex) const {
  if (nIndex < 0 || nIndex >= TabCount()) return nullptr;
  return LiveWindow(nIndex);
}

CWnd* CKWTabCtrlBase::GetViewByClass(CRuntimeClass* pClass) const {
  return LiveWindow(IndexOfClass(pClass));
}

CWnd* CKWTabCtrlBase::GetActiveView() const {
  return GetView(static_cast<int>(m_pTabCtrl->SendMessage(TCM_GETCURSEL)));
}

void CKWTabCtrlBase::ActivateView(CWnd* pWnd) {
  for (int i = 0; i < GetTabItemCount(); ++i) {
    if (CWnd* pTab = LiveWindow(i)) {
      pTab->ShowWindow(SW_HIDE);
      pTab->EnableWindow(FALSE);
    }
  }
  if (pWnd == nullptr) return;
  pWnd->ShowWindow(SW_SHOW);
  pWnd->EnableWindow(TRUE);
  pWnd->SetFocus();
  SizeView(pWnd);
}

void CKWTabCtrlBase::SetActiveView(int nIndex) {
  CWnd* pWnd = GetView(nIndex);
  if (pWnd == nullptr) return;
  m_pTabCtrl->SendMessage(TCM_SETCURSEL, static_cast<WPARAM>(nIndex));
  ActivateView(pWnd);
}

void CKWTabCtrlBase::SetActiveViewWnd(CWnd* pWnd) { SetActiveView(IndexOf(pWnd)); }

void CKWTabCtrlBase::SetActiveViewClass(CRuntimeClass* pClass) {
  SetActiveView(IndexOfClass(pClass));
}

void CKWTabCtrlBase::DeleteViewByClass(CRuntimeClass* pClass, BOOL bDestroy) {
  DeleteView(IndexOfClass(pClass), bDestroy);
}

void CKWTabCtrlBase::DeleteViewWnd(CWnd* pWnd, BOOL bDestroy) { DeleteView(IndexOf(pWnd), bDestroy); }

void CKWTabCtrlBase::RestoreFrameView(CWnd* pTabWnd) {
  if (m_pFrame == nullptr || pTabWnd == nullptr ||
      static_cast<CWnd*>(m_pFrame->GetActiveView()) != pTabWnd)
    return;
  m_pSavedView = GetSavedView();
  if (m_pSavedView == nullptr) m_hSavedView = nullptr;
  m_pFrame->SetActiveView(m_pSavedView);
}

CView* CKWTabCtrlBase::GetSavedView() const {
  const bool bSavedAlive = m_pSavedView != nullptr && ::IsWindow(m_hSavedView) &&
                           CWnd::FromHandlePermanent(m_hSavedView) == m_pSavedView;
  return bSavedAlive ? m_pSavedView : nullptr;
}

void CKWTabCtrlBase::DeleteView(int nIndex, BOOL bDestroy) {
  if (nIndex < 0 || nIndex >= GetTabItemCount()) return;
  RestoreFrameView(LiveWindow(nIndex));
  RemoveItem(nIndex, bDestroy);
  m_pTabCtrl->SendMessage(TCM_DELETEITEM, static_cast<WPARAM>(nIndex));
  int nSelect = KWSelectionAfterDelete(nIndex, GetTabItemCount());
  if (nSelect >= 0) SetActiveView(nSelect);
  RenumberTools();
}

LPCSTR CKWTabCtrlBase::GetViewTitleByClass(CRuntimeClass* pClass) const {
  return GetViewTitle(IndexOfClass(pClass));
}

LPCSTR CKWTabCtrlBase::GetViewTitle(int nIndex) const {
  if (nIndex < 0 || nIndex >= GetTabItemCount()) return nullptr;
  return m_items[nIndex]->strLabel;
}

void CKWTabCtrlBase::SizeView(CWnd* pWnd) {
  CRect rect;
  GetClientArea(rect);
  pWnd->MoveWindow(&rect, TRUE);
}

void CKWTabCtrlBase::SizeAllViews() {
  for (int i = 0; i < GetTabItemCount(); ++i)
    if (CWnd* pWnd = LiveWindow(i)) SizeView(pWnd);
}

void CKWTabCtrlBase::RemoveItem(int nPosition, BOOL bDestroy) {
  if (nPosition < 0 || nPosition >= GetTabItemCount()) return;
  if (CWnd* pWnd = LiveWindow(nPosition)) {
    if (bDestroy)
      pWnd->DestroyWindow();
    else
      pWnd->ShowWindow(SW_HIDE);
  }
  m_items.erase(m_items.begin() + nPosition);
}

BOOL CKWTabCtrlBase::DeleteAllViews() {
  if (m_pFrame != nullptr) RestoreFrameView(m_pFrame->GetActiveView());
  while (GetTabItemCount() > 0) RemoveItem(GetTabItemCount() - 1, TRUE);
  m_pTabCtrl->SendMessage(TCM_DELETEALLITEMS);
  return TRUE;
}

void CKWTabCtrlBase::CloseAllItems() {
  for (int i = 0; i < GetTabItemCount(); ++i)
    if (CWnd* pWnd = LiveWindow(i)) pWnd->PostMessage(WM_CLOSE);
  m_items.clear();
}

int CKWTabCtrlBase::HitTestTab(CPoint point) const {
  if (point.x == 0 && point.y == 0) {
    ::GetCursorPos(&point);
    m_pTabCtrl->ScreenToClient(&point);
  }
  TCHITTESTINFO info = {};
  info.pt = point;
  return static_cast<int>(m_pTabCtrl->SendMessage(TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
}

BOOL CKWTabCtrlBase::ModifyTabStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
  BOOL bChanged = m_pTabCtrl->ModifyStyle(dwRemove, dwAdd, nFlags);
  if (bChanged) UpdateFont();
  return bChanged;
}

void CKWTabCtrlBase::SetTabMenu(UINT nMenuId, int nSubMenu) {
  m_nMenuId = nMenuId;
  m_nSubMenu = nSubMenu;
}

void CKWTabCtrlBase::NotifyOwner(UINT nMessage) {
  CWnd* pOwner = m_pTabCtrl->GetOwner();
  if (pOwner == nullptr) return;
  pOwner->SendMessage(nMessage, static_cast<WPARAM>(m_pTabCtrl->GetDlgCtrlID()),
                      reinterpret_cast<LPARAM>(m_pTabCtrl));
}

void CKWTabCtrlBase::OnSelChanging() {
  m_nPrevSel = static_cast<int>(m_pTabCtrl->SendMessage(TCM_GETCURSEL));
  if (m_nPrevSel >= 0) NotifyOwner(KWM_TABSELCHANGING);
}

void CKWTabCtrlBase::OnSelChange() {
  const int nSel = static_cast<int>(m_pTabCtrl->SendMessage(TCM_GETCURSEL));
  if (nSel < 0) return;
  if (CWnd* pPrev = GetView(m_nPrevSel)) {
    pPrev->ShowWindow(SW_HIDE);
    pPrev->EnableWindow(FALSE);
    RestoreFrameView(pPrev);
  }
  CWnd* pNew = GetView(nSel);
  if (pNew != nullptr && pNew->IsKindOf(RUNTIME_CLASS(CView)) && m_pFrame != nullptr &&
      ::IsChild(m_pFrame->m_hWnd, pNew->m_hWnd)) {
    CView* pCurrent = m_pFrame->GetActiveView();
    if (pCurrent != nullptr && pCurrent->GetParent() != m_pTabCtrl) {
      m_pSavedView = pCurrent;
      m_hSavedView = pCurrent->m_hWnd;
    }
    m_pFrame->SetActiveView(static_cast<CView*>(pNew), TRUE);
  }
  ActivateView(pNew);
  NotifyOwner(KWM_TABSELCHANGED);
}

CWnd* CKWTabCtrlBase::CreateTabView(CRuntimeClass* pViewClass, CDocument* pDoc,
                                    CCreateContext* pContext) {
  CCreateContext context;
  if (pContext == nullptr) {
    context.m_pNewViewClass = pViewClass;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewDocTemplate = pDoc != nullptr ? pDoc->GetDocTemplate() : nullptr;
    pContext = &context;
  }
  auto* pWnd = static_cast<CWnd*>(pViewClass->CreateObject());
  if (pWnd == nullptr) AfxThrowMemoryException();
  const bool bFlat = !m_bSystemLook && KWGetGlobalData().bOfficeLook;
  const UINT nId = AFX_IDW_PANE_FIRST + static_cast<UINT>(GetTabItemCount());
  if (!pWnd->Create(nullptr, nullptr, bFlat ? kViewStyle & ~WS_BORDER : kViewStyle,
                    CRect(0, 0, 0, 0), m_pTabCtrl, nId, pContext))
    return nullptr;
  if (m_bAutoInitialUpdate && !m_bInitPending) pWnd->SendMessage(WM_INITIALUPDATE);
  pWnd->SetOwner(m_pTabCtrl->GetParent());
  return pWnd;
}

void CKWTabCtrlBase::EnableLabelShortening(BOOL b) {
  m_bShortenLabels = b;
  FitTabLabels();
}

void CKWTabCtrlBase::FitTabLabels() {
  if (m_pTabCtrl->m_hWnd == nullptr || TabCount() == 0) return;
  CClientDC dc(m_pTabCtrl);
  CFont* pOld = dc.SelectObject(m_pTabCtrl->GetFont());
  TEXTMETRICA tm = {};
  ::GetTextMetricsA(dc.GetSafeHdc(), &tm);
  const bool bImages = m_pTabCtrl->SendMessage(TCM_GETIMAGELIST) != 0;
  std::vector<KWTabLabel> tabs;
  for (int i = 0; i < GetTabItemCount(); ++i) {
    TCITEMA tci = {};
    tci.mask = TCIF_IMAGE;
    m_pTabCtrl->SendMessage(TCM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tci));
    tabs.push_back({m_items[i]->strLabel, bImages && tci.iImage >= 0});
  }
  CRect client;
  m_pTabCtrl->GetClientRect(&client);
  const DWORD dwStyle = m_pTabCtrl->GetStyle();
  KWTabFitOptions options;
  options.nAvailable = (dwStyle & TCS_VERTICAL) ? client.Height() : client.Width();
  options.bShorten = m_bShortenLabels != FALSE;
  options.dwStyle = dwStyle;
  options.nAvgCharWidth = tm.tmAveCharWidth;
  std::vector<CString> shown = KWFitTabLabels(tabs, options, [&dc](const CString& text) {
    return static_cast<int>(dc.GetTextExtent(text).cx);
  });
  dc.SelectObject(pOld);
  for (int i = 0; i < static_cast<int>(shown.size()); ++i) {
    KWTabItem& item = *m_items[i];
    if (shown[i] == item.strShown) continue;
    item.strShown = shown[i];
    TCITEMA tci = {};
    tci.mask = TCIF_TEXT;
    tci.pszText = const_cast<LPSTR>(static_cast<LPCSTR>(item.strShown));
    m_pTabCtrl->SendMessage(TCM_SETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tci));
  }
}

void CKWTabCtrlBase::NextTab() {
  int nTab = KWNextTab(static_cast<int>(m_pTabCtrl->SendMessage(TCM_GETCURSEL)), TabCount());
  if (nTab >= 0) SetActiveView(nTab);
  GetActiveView();
}

void CKWTabCtrlBase::PrevTab() {
  int nTab = KWPrevTab(static_cast<int>(m_pTabCtrl->SendMessage(TCM_GETCURSEL)), TabCount());
  if (nTab >= 0) SetActiveView(nTab);
  GetActiveView();
}

void CKWTabCtrlBase::ArmDeferredInit() {
  m_pTabCtrl->PostMessage(KWM_DEFERRED_INIT, 0, ++m_nInitCounter);
  m_bInitPending = TRUE;
}

LRESULT CKWTabCtrlBase::OnDeferredInit(LPARAM lParam) {
  // An initial layout in between has done the work already.
  if (lParam != m_nInitCounter) return 0;
  if (m_bAutoInitialUpdate) m_pTabCtrl->SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
  InitialLayout();
  return 0;
}

void CKWTabCtrlBase::InitialLayout() {
  ++m_nInitCounter;
  m_bInitPending = FALSE;
  UpdateFont();
  m_pParent = m_pTabCtrl->GetParent();
  m_pFrame = m_pTabCtrl->GetParentFrame();
  if (m_pFrame != nullptr && m_pFrame->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)))
    m_pFrame = m_pFrame->GetParentFrame();
  SizeAllViews();
  if (m_bShortenLabels) FitTabLabels();
}
