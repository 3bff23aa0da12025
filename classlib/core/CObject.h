// The root of the class library's object model: run-time class records that
// name a class, link it to its base, and can create objects by name.
#pragma once

#include "classlib/core/WinTypes.h"

class CObject;
class CArchive;

struct CRuntimeClass {
  LPCSTR m_lpszClassName;
  int m_nObjectSize;
  UINT m_wSchema;  // 0xFFFF for classes that are not serializable
  CObject* (*m_pfnCreateObject)();
  CRuntimeClass* m_pBaseClass;
  CRuntimeClass* m_pNextClass;  // registry of every class, for FromName

  // A new object of this class, or nullptr when the class cannot be created
  // dynamically.
  CObject* CreateObject() const;
  BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
  static CRuntimeClass* FromName(LPCSTR lpszClassName);

  // Links the record into the registry; done once per class at start-up.
  struct Registrar {
    explicit Registrar(CRuntimeClass* pClass);
  };
};

class CObject {
 public:
  virtual ~CObject() = default;
  virtual CRuntimeClass* GetRuntimeClass() const;
  virtual void Serialize(CArchive& ar);

  BOOL IsKindOf(const CRuntimeClass* pClass) const;
  BOOL IsSerializable() const;

  static CRuntimeClass classCObject;

 protected:
  CObject() = default;
  CObject(const CObject&) = default;
  CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)       \
 public:                                  \
  static CRuntimeClass class##class_name; \
  CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
  DECLARE_DYNAMIC(class_name)         \
  static CObject* CreateObject();

#define DECLARE_SERIAL(class_name) DECLARE_DYNCREATE(class_name)

#define ZULTA_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)       \
  CRuntimeClass class_name::class##class_name = {                                        \
      #class_name, (int)sizeof(class_name),        wSchema,                              \
      pfnNew,      RUNTIME_CLASS(base_class_name), nullptr};                             \
  static CRuntimeClass::Registrar _zultaRegister##class_name(RUNTIME_CLASS(class_name)); \
  CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
  ZULTA_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)         \
  CObject* class_name::CreateObject() { return new class_name; } \
  ZULTA_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)   \
  CObject* class_name::CreateObject() { return new class_name; } \
  ZULTA_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, class_name::CreateObject)
