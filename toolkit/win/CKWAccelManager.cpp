#include "toolkit/win/CKWAccelManager.h"

#include "classlib/win/CWinApp.h"

void CKWAccelManager::Init(CFrameWnd* pFrame, UINT nIDAccel, LPCSTR lpszProfileName) {
  m_pFrame = pFrame;
  m_nIDAccel = nIDAccel;
  m_strProfileName = lpszProfileName;
  m_bInitialized = TRUE;
  m_entries.clear();
  HACCEL hAccel = ::LoadAcceleratorsA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDAccel));
  if (hAccel == nullptr) return;
  const int nCount = ::CopyAcceleratorTableA(hAccel, nullptr, 0);
  std::vector<ACCEL> table(static_cast<size_t>(nCount));
  if (nCount > 0) ::CopyAcceleratorTableA(hAccel, table.data(), nCount);
  for (const ACCEL& accel : table) m_entries.push_back({accel.fVirt, accel.key, accel.cmd});
}

void CKWAccelManager::GetAccelText(UINT nID, CString& text) const {
  KWAppendAccelText(m_entries.data(), static_cast<int>(m_entries.size()), nID, text);
}
