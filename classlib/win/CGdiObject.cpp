#include "classlib/win/CGdiObject.h"

#include "classlib/core/CResourceException.h"
#include "classlib/core/Debug.h"
#include "classlib/win/CBitmap.h"
#include "classlib/win/CBrush.h"
#include "classlib/win/CFont.h"
#include "classlib/win/CPen.h"
#include "classlib/win/CRgn.h"
#include "classlib/win/HandleMap.h"

namespace {
// A temporary object has the class of its handle's kind, so that the typed
// FromHandle functions and SelectObject give objects of the class they name.
CGdiObject* NewTemporary(HGDIOBJ hObject) {
  CGdiObject* pObject;
  switch (::GetObjectType(hObject)) {
    case OBJ_PEN:
    case OBJ_EXTPEN: pObject = new CPen; break;
    case OBJ_BRUSH: pObject = new CBrush; break;
    case OBJ_FONT: pObject = new CFont; break;
    case OBJ_BITMAP: pObject = new CBitmap; break;
    case OBJ_REGION: pObject = new CRgn; break;
    default: pObject = new CGdiObject; break;
  }
  pObject->m_hObject = hObject;
  return pObject;
}

void ReleaseTemporary(CGdiObject* pObject) { pObject->m_hObject = nullptr; }

CHandleMap<CGdiObject, HGDIOBJ>& GdiMap() {
  return AfxHandleMap<CGdiObject, HGDIOBJ>(NewTemporary, ReleaseTemporary);
}
}  // namespace

IMPLEMENT_DYNCREATE(CGdiObject, CObject)

CGdiObject::~CGdiObject() { DeleteObject(); }

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject) { return GdiMap().FromHandle(hObject); }

void CGdiObject::DeleteTempMap() { GdiMap().DeleteTemp(); }

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
  ASSERT(m_hObject == nullptr);
  if (hObject == nullptr) return FALSE;
  m_hObject = hObject;
  GdiMap().SetPermanent(hObject, this);
  return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
  HGDIOBJ hObject = m_hObject;
  if (hObject != nullptr) {
    auto& map = GdiMap();
    if (map.LookupPermanent(hObject) == this) map.RemovePermanent(hObject);
  }
  m_hObject = nullptr;
  return hObject;
}

BOOL CGdiObject::DeleteObject() {
  if (m_hObject == nullptr) return FALSE;
  return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const {
  return ::GetObjectA(m_hObject, nCount, lpObject);
}

UINT CGdiObject::GetObjectType() const { return ::GetObjectType(m_hObject); }

BOOL CGdiObject::CreateStockObject(int nIndex) { return Attach(::GetStockObject(nIndex)); }

BOOL CGdiObject::UnrealizeObject() { return ::UnrealizeObject(m_hObject); }

void AfxAttachOrThrow(CGdiObject& object, HGDIOBJ hObject) {
  if (!object.Attach(hObject)) AfxThrowResourceException();
}
