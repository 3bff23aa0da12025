#include "toolkit/win/CKWResourceScope.h"

#include "classlib/win/AfxState.h"
#include "classlib/win/CWinApp.h"

namespace {

HINSTANCE g_hToolkitResource = nullptr;
HINSTANCE g_hToolkitInstance = nullptr;

}  // namespace

void KWSetResourceHandles(HINSTANCE hResource, HINSTANCE hInstance) {
  g_hToolkitResource = hResource;
  g_hToolkitInstance = hInstance;
}

CKWResourceScope::CKWResourceScope() : m_hOldResource(AfxGetResourceHandle()) {
  if (g_hToolkitResource != nullptr) AfxSetResourceHandle(g_hToolkitResource);
}

CKWResourceScope::~CKWResourceScope() { AfxSetResourceHandle(m_hOldResource); }

CKWModuleResourceScope::CKWModuleResourceScope() : m_bActive(true) {
  AFX_MODULE_STATE* pState = AfxGetModuleState();
  m_hOldResource = pState->m_hCurrentResourceHandle;
  m_hOldInstance = pState->m_hCurrentInstanceHandle;
  if (g_hToolkitResource != nullptr) pState->m_hCurrentResourceHandle = g_hToolkitResource;
  if (pState->m_hCurrentInstanceHandle == nullptr && g_hToolkitInstance != nullptr)
    pState->m_hCurrentInstanceHandle = g_hToolkitInstance;
}

void CKWModuleResourceScope::Release() {
  if (!m_bActive) return;
  AFX_MODULE_STATE* pState = AfxGetModuleState();
  pState->m_hCurrentResourceHandle = m_hOldResource;
  pState->m_hCurrentInstanceHandle = m_hOldInstance;
  m_bActive = false;
}

BOOL CKWLibrary::Load(LPCSTR lpszFileName) {
  Free();
  m_hModule = ::LoadLibraryA(lpszFileName);
  return m_hModule != nullptr;
}

void CKWLibrary::Free() {
  if (m_hModule != nullptr) ::FreeLibrary(m_hModule);
  m_hModule = nullptr;
}
