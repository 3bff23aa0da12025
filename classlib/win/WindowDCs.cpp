#include "classlib/win/WindowDCs.h"

#include "classlib/core/CResourceException.h"
#include "classlib/win/CWnd.h"

IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)

namespace {
HWND SafeHwnd(CWnd* pWnd) { return pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr; }

void AttachOrThrow(CDC& dc, HDC hDC) {
  if (!dc.Attach(hDC)) AfxThrowResourceException();
}
}  // namespace

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(SafeHwnd(pWnd)) {
  AttachOrThrow(*this, ::BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC() {
  // The DC belongs to the window: it is given back, not deleted.
  Detach();
  ::EndPaint(m_hWnd, &m_ps);
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(SafeHwnd(pWnd)) { AttachOrThrow(*this, ::GetDC(m_hWnd)); }

CClientDC::~CClientDC() { ::ReleaseDC(m_hWnd, Detach()); }

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(SafeHwnd(pWnd)) {
  AttachOrThrow(*this, ::GetWindowDC(m_hWnd));
}

CWindowDC::~CWindowDC() { ::ReleaseDC(m_hWnd, Detach()); }
