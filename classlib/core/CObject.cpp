#include "classlib/core/CObject.h"

#include <cstring>

namespace {
// The head of the class registry. A function-local static, so that records
// registered from other files' static initialisers find it constructed.
CRuntimeClass*& FirstClass() {
  static CRuntimeClass* first = nullptr;
  return first;
}
}  // namespace

CRuntimeClass CObject::classCObject = {"CObject", (int)sizeof(CObject), 0xFFFF, nullptr, nullptr,
                                       nullptr};
static CRuntimeClass::Registrar registerCObject(&CObject::classCObject);

CRuntimeClass::Registrar::Registrar(CRuntimeClass* pClass) {
  pClass->m_pNextClass = FirstClass();
  FirstClass() = pClass;
}

CObject* CRuntimeClass::CreateObject() const {
  return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const {
  for (const CRuntimeClass* p = this; p != nullptr; p = p->m_pBaseClass) {
    if (p == pBaseClass) return TRUE;
  }
  return FALSE;
}

CRuntimeClass* CRuntimeClass::FromName(LPCSTR lpszClassName) {
  for (CRuntimeClass* p = FirstClass(); p != nullptr; p = p->m_pNextClass) {
    if (std::strcmp(p->m_lpszClassName, lpszClassName) == 0) return p;
  }
  return nullptr;
}

CRuntimeClass* CObject::GetRuntimeClass() const { return RUNTIME_CLASS(CObject); }

void CObject::Serialize(CArchive&) {}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const {
  return GetRuntimeClass()->IsDerivedFrom(pClass);
}

BOOL CObject::IsSerializable() const { return GetRuntimeClass()->m_wSchema != 0xFFFF; }
