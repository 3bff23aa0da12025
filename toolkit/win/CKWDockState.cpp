#include "toolkit/win/CKWDockState.h"

#include <vector>

#include "classlib/core/DockStateNames.h"
#include "classlib/win/AfxRes.h"
#include "classlib/win/CControlBar.h"
#include "classlib/win/CFrameWnd.h"
#include "toolkit/core/KWSavedLayout.h"
#include "toolkit/win/CKWProfileStore.h"

IMPLEMENT_SERIAL(CKWDockState, CDockState, 0)

namespace {

using namespace dockstate;

// The floating frame the class library puts around a floating dock bar.
constexpr DWORD kFloatingFrameStyle = WS_POPUP | WS_CAPTION | WS_THICKFRAME;
constexpr DWORD kFloatingFrameExStyle = WS_EX_TOOLWINDOW;

CString SectionName(LPCSTR lpszFormat, LPCSTR lpszProfileName, int nIndex = 0) {
  CString strSection;
  strSection.Format(lpszFormat, lpszProfileName, nIndex);
  return strSection;
}

UINT BarIDAt(const CControlBarInfo* pInfo, int i) {
  return static_cast<UINT>(reinterpret_cast<UINT_PTR>(pInfo->m_arrBarID[i]));
}

KWSavedBar ToSaved(const CControlBarInfo* pInfo) {
  KWSavedBar bar;
  bar.nBarID = pInfo->m_nBarID;
  bar.bDockBar = pInfo->m_bDockBar != FALSE;
  bar.bFloating = pInfo->m_bFloating != FALSE;
  bar.pos = pInfo->m_pointPos;
  bar.bDocking = pInfo->m_bDocking != FALSE;
  bar.nMRUDockID = pInfo->m_uMRUDockID;
  bar.rectMRUDock = pInfo->m_rectMRUDockPos;
  bar.ptMRUFloat = pInfo->m_ptMRUFloatPos;
  for (int i = 0; i < pInfo->m_arrBarID.GetSize(); ++i) bar.rows.push_back(BarIDAt(pInfo, i));
  return bar;
}

void FromSaved(const KWSavedBar& bar, CControlBarInfo* pInfo) {
  pInfo->m_pointPos = bar.pos;
  pInfo->m_uMRUDockID = bar.nMRUDockID;
  pInfo->m_rectMRUDockPos = bar.rectMRUDock;
  pInfo->m_ptMRUFloatPos = bar.ptMRUFloat;
  pInfo->m_arrBarID.RemoveAll();
  for (UINT nID : bar.rows)
    pInfo->m_arrBarID.Add(reinterpret_cast<void*>(static_cast<UINT_PTR>(nID)));
}

// The frame's bars as the fitting sees them, with the work area of its
// monitor and the reach of a floating frame around its bars.
KWLayoutHost HostOf(CFrameWnd* pFrame) {
  KWLayoutHost host;
  for (POSITION pos = pFrame->m_listControlBars.GetHeadPosition(); pos != nullptr;) {
    auto* pBar = static_cast<CControlBar*>(pFrame->m_listControlBars.GetNext(pos));
    const bool bDockBar = pBar->IsDockBar() != FALSE;
    host.bars.push_back({static_cast<UINT>(pBar->GetDlgCtrlID()), bDockBar,
                         !bDockBar && pBar->m_pDockContext != nullptr});
  }
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  HMONITOR hMonitor = ::MonitorFromWindow(pFrame->GetSafeHwnd(), MONITOR_DEFAULTTOPRIMARY);
  if (hMonitor != nullptr && ::GetMonitorInfoA(hMonitor, &info))
    host.rectWork = info.rcWork;
  else
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &host.rectWork, 0);
  CRect rectFrame(0, 0, 0, 0);
  ::AdjustWindowRectEx(&rectFrame, kFloatingFrameStyle, FALSE, kFloatingFrameExStyle);
  host.rectFrameBorders = CRect(-rectFrame.left, -rectFrame.top, rectFrame.right, rectFrame.bottom);
  return host;
}

}  // namespace

void CKWDockState::LoadState(LPCSTR lpszProfileName) {
  Clear();
  CKWProfileStore store(HKEY_CURRENT_USER);
  CString strSection = SectionName(kSummarySection, lpszProfileName);
  SetScreenSize(CSize(store.GetInt(strSection, kScreenCX, 0), store.GetInt(strSection, kScreenCY, 0)));
  const int nBars = KWBoundSavedCount(store.GetInt(strSection, kBars, 0), kKWMaxSavedBars);
  for (int i = 0; i < nBars; ++i) {
    auto* pInfo = new CControlBarInfo;
    m_arrBarInfo.Add(pInfo);
    LoadBarInfo(pInfo, lpszProfileName, i);
  }
}

void CKWDockState::SaveState(LPCSTR lpszProfileName) {
  int nSaved = 0;
  for (int i = 0; i < m_arrBarInfo.GetSize(); ++i)
    if (SaveBarInfo(static_cast<CControlBarInfo*>(m_arrBarInfo[i]), lpszProfileName, nSaved))
      ++nSaved;
  CKWProfileStore store(HKEY_CURRENT_USER);
  CString strSection = SectionName(kSummarySection, lpszProfileName);
  store.WriteInt(strSection, kBars, nSaved);
  CSize size = GetScreenSize();
  store.WriteInt(strSection, kScreenCX, size.cx);
  store.WriteInt(strSection, kScreenCY, size.cy);
}

BOOL CKWDockState::LoadBarInfo(CControlBarInfo* pInfo, LPCSTR lpszProfileName, int nIndex) {
  CKWProfileStore store(HKEY_CURRENT_USER);
  CString strSection = SectionName(kBarSection, lpszProfileName, nIndex);
  auto getInt = [&](LPCSTR lpszEntry, int nDefault) {
    return store.GetInt(strSection, lpszEntry, nDefault);
  };
  pInfo->m_nBarID = static_cast<UINT>(getInt(kBarID, 0));
  pInfo->m_bVisible = getInt(kVisible, TRUE) != 0;
  pInfo->m_bHorz = getInt(kHorz, TRUE) != 0;
  pInfo->m_bFloating = getInt(kFloating, FALSE) != 0;
  // The dock bars are known by their ids.
  pInfo->m_bDockBar =
      pInfo->m_nBarID >= AFX_IDW_DOCKBAR_TOP && pInfo->m_nBarID <= AFX_IDW_DOCKBAR_FLOAT;
  const int nYPos = getInt(kYPos, kNoDockPosition);
  pInfo->m_pointPos = CPoint(getInt(kXPos, kNoDockPosition), nYPos);
  ScalePoint(pInfo->m_pointPos);
  pInfo->m_nMRUWidth = getInt(kMRUWidth, CControlBar::kDefaultMRUWidth);
  pInfo->m_bDocking = getInt(kDocking, FALSE) != 0;
  if (pInfo->m_bDocking) {
    pInfo->m_uMRUDockID = static_cast<UINT>(getInt(kMRUDockID, 0));
    const int nBottom = getInt(kMRUDockBottomPos, 0);
    const int nRight = getInt(kMRUDockRightPos, 0);
    const int nTop = getInt(kMRUDockTopPos, 0);
    pInfo->m_rectMRUDockPos = CRect(getInt(kMRUDockLeftPos, 0), nTop, nRight, nBottom);
    ScaleRectPos(pInfo->m_rectMRUDockPos);
    pInfo->m_dwMRUFloatStyle = static_cast<DWORD>(getInt(kMRUFloatStyle, 0));
    const int nFloatY = getInt(kMRUFloatYPos, 0);
    pInfo->m_ptMRUFloatPos = CPoint(getInt(kMRUFloatXPos, 0), nFloatY);
    ScalePoint(pInfo->m_ptMRUFloatPos);
  }
  const int nBars = KWBoundSavedCount(getInt(kBars, 0), kKWMaxSavedBarIds);
  pInfo->m_arrBarID.RemoveAll();
  for (int i = 0; i < nBars; ++i) {
    CString strEntry;
    strEntry.Format(kBarEntry, i);
    auto nID = static_cast<UINT_PTR>(static_cast<UINT>(getInt(strEntry, 0)));
    pInfo->m_arrBarID.Add(reinterpret_cast<void*>(nID));
  }
  return pInfo->m_nBarID != 0;
}

BOOL CKWDockState::SaveBarInfo(CControlBarInfo* pInfo, LPCSTR lpszProfileName, int nIndex) {
  CKWProfileStore store(HKEY_CURRENT_USER);
  CString strSection = SectionName(kBarSection, lpszProfileName, nIndex);
  // No value of an earlier layout stays behind in the section.
  store.WriteString(strSection, nullptr, nullptr);
  // A dock bar of the frame with no bars says nothing.
  if (pInfo->m_bDockBar && pInfo->m_bVisible && !pInfo->m_bFloating &&
      pInfo->m_pointPos.x == kNoDockPosition && pInfo->m_pointPos.y == kNoDockPosition &&
      pInfo->m_arrBarID.GetSize() <= 1)
    return FALSE;
  auto writeInt = [&](LPCSTR lpszEntry, int nValue) { store.WriteInt(strSection, lpszEntry, nValue); };
  writeInt(kBarID, static_cast<int>(pInfo->m_nBarID));
  if (!pInfo->m_bVisible) writeInt(kVisible, FALSE);
  if (pInfo->m_bFloating) {
    writeInt(kHorz, pInfo->m_bHorz);
    writeInt(kFloating, TRUE);
  }
  if (pInfo->m_pointPos.x != kNoDockPosition) writeInt(kXPos, pInfo->m_pointPos.x);
  if (pInfo->m_pointPos.y != kNoDockPosition) writeInt(kYPos, pInfo->m_pointPos.y);
  if (pInfo->m_nMRUWidth != CControlBar::kDefaultMRUWidth) writeInt(kMRUWidth, pInfo->m_nMRUWidth);
  if (pInfo->m_bDocking) {
    writeInt(kDocking, TRUE);
    writeInt(kMRUDockID, static_cast<int>(pInfo->m_uMRUDockID));
    writeInt(kMRUDockLeftPos, pInfo->m_rectMRUDockPos.left);
    writeInt(kMRUDockTopPos, pInfo->m_rectMRUDockPos.top);
    writeInt(kMRUDockRightPos, pInfo->m_rectMRUDockPos.right);
    writeInt(kMRUDockBottomPos, pInfo->m_rectMRUDockPos.bottom);
    writeInt(kMRUFloatStyle, static_cast<int>(pInfo->m_dwMRUFloatStyle));
    writeInt(kMRUFloatXPos, pInfo->m_ptMRUFloatPos.x);
    writeInt(kMRUFloatYPos, pInfo->m_ptMRUFloatPos.y);
  }
  if (pInfo->m_arrBarID.GetSize() > 1) {
    writeInt(kBars, static_cast<int>(pInfo->m_arrBarID.GetSize()));
    for (int i = 0; i < pInfo->m_arrBarID.GetSize(); ++i) {
      CString strEntry;
      strEntry.Format(kBarEntry, i);
      writeInt(strEntry, static_cast<int>(BarIDAt(pInfo, i)));
    }
  }
  return TRUE;
}

int CKWDockState::FitToFrame(CFrameWnd* pFrame) {
  std::vector<KWSavedBar> saved;
  for (int i = 0; i < m_arrBarInfo.GetSize(); ++i)
    saved.push_back(ToSaved(static_cast<CControlBarInfo*>(m_arrBarInfo[i])));
  const std::vector<size_t> kept = KWFitSavedLayout(saved, HostOf(pFrame));
  CPtrArray arrKept;
  size_t nNext = 0;
  for (int i = 0; i < m_arrBarInfo.GetSize(); ++i) {
    auto* pInfo = static_cast<CControlBarInfo*>(m_arrBarInfo[i]);
    if (nNext < kept.size() && kept[nNext] == static_cast<size_t>(i)) {
      FromSaved(saved[i], pInfo);
      arrKept.Add(pInfo);
      ++nNext;
    } else {
      delete pInfo;
    }
  }
  const int nDropped = static_cast<int>(m_arrBarInfo.GetSize() - arrKept.GetSize());
  m_arrBarInfo.RemoveAll();
  m_arrBarInfo.Append(arrKept);
  return nDropped;
}
