// The base of the GDI object wrappers (pens, brushes, fonts, bitmaps,
// regions). An object owns its handle: the destructor deletes it unless it
// was detached. Objects made by the program are found again by their handle
// (FromHandle); a handle nobody wrapped gets a temporary object of the right
// class that lives until the next idle time.
#pragma once

#include <windows.h>

#include "classlib/core/CObject.h"

class CGdiObject : public CObject {
  DECLARE_DYNCREATE(CGdiObject)
 public:
  CGdiObject() = default;
  ~CGdiObject() override;
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;

  HGDIOBJ m_hObject = nullptr;
  operator HGDIOBJ() const { return m_hObject; }
  HGDIOBJ GetSafeHandle() const { return m_hObject; }

  // The object wrapping hObject: the attached one, else a temporary one.
  static CGdiObject* FromHandle(HGDIOBJ hObject);
  // Deletes the temporary objects (their handles are left alone).
  static void DeleteTempMap();

  BOOL Attach(HGDIOBJ hObject);
  HGDIOBJ Detach();
  // Deletes the handle; FALSE when there is none.
  BOOL DeleteObject();

  int GetObject(int nCount, LPVOID lpObject) const;
  UINT GetObjectType() const;
  // Wraps one of the stock objects (which deleting leaves alone).
  BOOL CreateStockObject(int nIndex);
  BOOL UnrealizeObject();

  BOOL operator==(const CGdiObject& obj) const { return m_hObject == obj.m_hObject; }
  BOOL operator!=(const CGdiObject& obj) const { return m_hObject != obj.m_hObject; }
};

// Attaches a freshly made handle; throws CResourceException when the handle
// could not be made (the constructors that create objects use this).
void AfxAttachOrThrow(CGdiObject& object, HGDIOBJ hObject);
