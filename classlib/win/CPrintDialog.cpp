#include "classlib/win/CPrintDialog.h"

IMPLEMENT_DYNAMIC(CPrintDialog, CCommonDialog)

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd) {
  m_pd.lStructSize = sizeof m_pd;
  m_pd.Flags = (dwFlags & ~PD_RETURNIC) | (bPrintSetupOnly ? PD_PRINTSETUP : PD_RETURNDC);
}

INT_PTR CPrintDialog::DoModal() {
  m_pd.hwndOwner = AfxGetModalOwner(m_pParentWnd);
  return ::PrintDlgA(&m_pd) ? IDOK : IDCANCEL;
}

BOOL CPrintDialog::GetDefaults() {
  m_pd.Flags |= PD_RETURNDEFAULT;
  BOOL bResult = ::PrintDlgA(&m_pd);
  m_pd.Flags &= ~PD_RETURNDEFAULT;
  return bResult;
}

HDC CPrintDialog::CreatePrinterDC() {
  if (m_pd.hDevNames == nullptr) return nullptr;
  auto* pDevNames = static_cast<DEVNAMES*>(::GlobalLock(m_pd.hDevNames));
  auto* pDevMode =
      m_pd.hDevMode != nullptr ? static_cast<DEVMODEA*>(::GlobalLock(m_pd.hDevMode)) : nullptr;
  const char* pszBase = reinterpret_cast<const char*>(pDevNames);
  m_pd.hDC = ::CreateDCA(pszBase + pDevNames->wDriverOffset, pszBase + pDevNames->wDeviceOffset,
                         pszBase + pDevNames->wOutputOffset, pDevMode);
  if (pDevMode != nullptr) ::GlobalUnlock(m_pd.hDevMode);
  ::GlobalUnlock(m_pd.hDevNames);
  return m_pd.hDC;
}

LPDEVMODEA CPrintDialog::GetDevMode() const {
  // Left locked, as callers change the settings in place; a movable block of
  // the print dialog stays where it is while it is locked.
  return m_pd.hDevMode != nullptr ? static_cast<LPDEVMODEA>(::GlobalLock(m_pd.hDevMode)) : nullptr;
}

CString CPrintDialog::DevName(WORD DEVNAMES::*pOffset) const {
  if (m_pd.hDevNames == nullptr) return CString();
  auto* pDevNames = static_cast<DEVNAMES*>(::GlobalLock(m_pd.hDevNames));
  CString name = reinterpret_cast<const char*>(pDevNames) + pDevNames->*pOffset;
  ::GlobalUnlock(m_pd.hDevNames);
  return name;
}

CString CPrintDialog::GetDriverName() const { return DevName(&DEVNAMES::wDriverOffset); }
CString CPrintDialog::GetDeviceName() const { return DevName(&DEVNAMES::wDeviceOffset); }
CString CPrintDialog::GetPortName() const { return DevName(&DEVNAMES::wOutputOffset); }

int CPrintDialog::GetCopies() const {
  if (m_pd.Flags & PD_USEDEVMODECOPIES) {
    LPDEVMODEA pDevMode = GetDevMode();
    if (pDevMode != nullptr) {
      int nCopies = pDevMode->dmCopies;
      ::GlobalUnlock(m_pd.hDevMode);
      return nCopies;
    }
  }
  return m_pd.nCopies;
}
