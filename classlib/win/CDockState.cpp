#include "classlib/win/CDockState.h"

#include "classlib/core/DockScreenScale.h"
#include "classlib/core/DockStateNames.h"
#include "classlib/win/AfxRes.h"
#include "classlib/win/CControlBar.h"
#include "classlib/win/CWinApp.h"

IMPLEMENT_SERIAL(CDockState, CObject, 0)

namespace {

using namespace dockstate;

// More bars than any frame has: a count beyond it is damage, not a layout.
constexpr int kMaxSavedBars = 1024;
constexpr int kMaxSavedBarIDs = 4096;

CString SectionName(LPCSTR lpszFormat, LPCSTR lpszProfileName, int nIndex = 0) {
  CString strSection;
  strSection.Format(lpszFormat, lpszProfileName, nIndex);
  return strSection;
}

int GetInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault) {
  return static_cast<int>(AfxGetApp()->GetProfileInt(lpszSection, lpszEntry, nDefault));
}
void WriteInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue) {
  AfxGetApp()->WriteProfileInt(lpszSection, lpszEntry, nValue);
}

CSize CurrentScreenSize() {
  return CSize(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
}

}  // namespace

// ---- One bar.

BOOL CControlBarInfo::LoadState(LPCSTR lpszProfileName, int nIndex, CDockState* pDockState) {
  CString strSection = SectionName(kBarSection, lpszProfileName, nIndex);
  m_nBarID = static_cast<UINT>(GetInt(strSection, kBarID, 0));
  m_bVisible = GetInt(strSection, kVisible, TRUE) != 0;
  m_bHorz = GetInt(strSection, kHorz, TRUE) != 0;
  m_bFloating = GetInt(strSection, kFloating, FALSE) != 0;
  // The dock bars are known by their ids.
  m_bDockBar = m_nBarID >= AFX_IDW_DOCKBAR_TOP && m_nBarID <= AFX_IDW_DOCKBAR_FLOAT;
  m_pointPos = CPoint(GetInt(strSection, kXPos, kNoDockPosition),
                      GetInt(strSection, kYPos, kNoDockPosition));
  pDockState->ScalePoint(m_pointPos);
  m_nMRUWidth = GetInt(strSection, kMRUWidth, CControlBar::kDefaultMRUWidth);
  m_bDocking = GetInt(strSection, kDocking, FALSE) != 0;
  if (m_bDocking) {
    m_uMRUDockID = static_cast<UINT>(GetInt(strSection, kMRUDockID, 0));
    m_rectMRUDockPos =
        CRect(GetInt(strSection, kMRUDockLeftPos, 0), GetInt(strSection, kMRUDockTopPos, 0),
              GetInt(strSection, kMRUDockRightPos, 0), GetInt(strSection, kMRUDockBottomPos, 0));
    pDockState->ScaleRectPos(m_rectMRUDockPos);
    m_dwMRUFloatStyle = static_cast<DWORD>(GetInt(strSection, kMRUFloatStyle, 0));
    m_ptMRUFloatPos =
        CPoint(GetInt(strSection, kMRUFloatXPos, 0), GetInt(strSection, kMRUFloatYPos, 0));
    pDockState->ScalePoint(m_ptMRUFloatPos);
  }
  int nBars = GetInt(strSection, kBars, 0);
  m_arrBarID.RemoveAll();
  for (int i = 0; i < nBars && i < kMaxSavedBarIDs; ++i) {
    CString strEntry;
    strEntry.Format(kBarEntry, i);
    auto nID = static_cast<UINT_PTR>(static_cast<UINT>(GetInt(strSection, strEntry, 0)));
    m_arrBarID.Add(reinterpret_cast<void*>(nID));
  }
  return m_nBarID != 0;
}

BOOL CControlBarInfo::SaveState(LPCSTR lpszProfileName, int nIndex) {
  CString strSection = SectionName(kBarSection, lpszProfileName, nIndex);
  // No value of an earlier layout stays behind in the section.
  AfxGetApp()->WriteProfileString(strSection, nullptr, nullptr);
  // A dock bar of the frame with no bars says nothing.
  if (m_bDockBar && m_bVisible && !m_bFloating && m_pointPos.x == kNoDockPosition &&
      m_pointPos.y == kNoDockPosition && m_arrBarID.GetSize() <= 1)
    return FALSE;
  WriteInt(strSection, kBarID, static_cast<int>(m_nBarID));
  if (!m_bVisible) WriteInt(strSection, kVisible, FALSE);
  if (m_bFloating) {
    WriteInt(strSection, kHorz, m_bHorz);
    WriteInt(strSection, kFloating, TRUE);
  }
  if (m_pointPos.x != kNoDockPosition) WriteInt(strSection, kXPos, m_pointPos.x);
  if (m_pointPos.y != kNoDockPosition) WriteInt(strSection, kYPos, m_pointPos.y);
  if (m_nMRUWidth != CControlBar::kDefaultMRUWidth) WriteInt(strSection, kMRUWidth, m_nMRUWidth);
  if (m_bDocking) {
    WriteInt(strSection, kDocking, TRUE);
    WriteInt(strSection, kMRUDockID, static_cast<int>(m_uMRUDockID));
    WriteInt(strSection, kMRUDockLeftPos, m_rectMRUDockPos.left);
    WriteInt(strSection, kMRUDockTopPos, m_rectMRUDockPos.top);
    WriteInt(strSection, kMRUDockRightPos, m_rectMRUDockPos.right);
    WriteInt(strSection, kMRUDockBottomPos, m_rectMRUDockPos.bottom);
    WriteInt(strSection, kMRUFloatStyle, static_cast<int>(m_dwMRUFloatStyle));
    WriteInt(strSection, kMRUFloatXPos, m_ptMRUFloatPos.x);
    WriteInt(strSection, kMRUFloatYPos, m_ptMRUFloatPos.y);
  }
  if (m_arrBarID.GetSize() > 1) {
    WriteInt(strSection, kBars, m_arrBarID.GetSize());
    for (int i = 0; i < m_arrBarID.GetSize(); ++i) {
      CString strEntry;
      strEntry.Format(kBarEntry, i);
      WriteInt(strSection, strEntry, static_cast<int>(reinterpret_cast<UINT_PTR>(m_arrBarID[i])));
    }
  }
  return TRUE;
}

// ---- The frame's bars.

CDockState::CDockState() : m_sizeScreen(CurrentScreenSize()) {}

CDockState::~CDockState() { Clear(); }

void CDockState::Clear() {
  for (int i = 0; i < m_arrBarInfo.GetSize(); ++i)
    delete static_cast<CControlBarInfo*>(m_arrBarInfo[i]);
  m_arrBarInfo.RemoveAll();
}

void CDockState::LoadState(LPCSTR lpszProfileName) {
  Clear();
  CString strSection = SectionName(kSummarySection, lpszProfileName);
  int nBars = GetInt(strSection, kBars, 0);
  SetScreenSize(CSize(GetInt(strSection, kScreenCX, 0), GetInt(strSection, kScreenCY, 0)));
  for (int i = 0; i < nBars && i < kMaxSavedBars; ++i) {
    auto* pInfo = new CControlBarInfo;
    m_arrBarInfo.Add(pInfo);
    pInfo->LoadState(lpszProfileName, i, this);
  }
}

void CDockState::SaveState(LPCSTR lpszProfileName) {
  CString strSection = SectionName(kSummarySection, lpszProfileName);
  int nEarlier = GetInt(strSection, kBars, 0);
  int nSaved = 0;
  for (int i = 0; i < m_arrBarInfo.GetSize(); ++i)
    if (static_cast<CControlBarInfo*>(m_arrBarInfo[i])->SaveState(lpszProfileName, nSaved))
      ++nSaved;
  // An earlier layout of more bars leaves no records behind this one's.
  for (int i = nSaved; i < nEarlier && i < kMaxSavedBars; ++i)
    AfxGetApp()->WriteProfileString(SectionName(kBarSection, lpszProfileName, i), nullptr, nullptr);
  WriteInt(strSection, kBars, nSaved);
  CSize size = GetScreenSize();
  WriteInt(strSection, kScreenCX, size.cx);
  WriteInt(strSection, kScreenCY, size.cy);
}

void CDockState::ScalePoint(CPoint& pt) const {
  pt = ScaleDockPoint(pt, m_sizeScreen, CurrentScreenSize());
}

void CDockState::ScaleRectPos(CRect& rect) const {
  rect = ScaleDockRectPos(rect, m_sizeScreen, CurrentScreenSize());
}
