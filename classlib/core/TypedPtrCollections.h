// Type-safe faces over the pointer and object collections: CTypedPtrArray,
// CTypedPtrList and CTypedPtrMap hand out TYPE (a pointer type) where their
// BASE_CLASS (CPtrArray, CObArray, CPtrList, CObList or one of the pointer
// and object maps) deals in void* or CObject*.
#pragma once

#include "classlib/core/Position.h"
#include "classlib/core/WinTypes.h"

template <class BASE_CLASS, class TYPE>
class CTypedPtrArray : public BASE_CLASS {
 public:
  TYPE GetAt(int nIndex) const { return static_cast<TYPE>(BASE_CLASS::GetAt(nIndex)); }
  // The stored pointer itself, seen as TYPE: the stored pointers are TYPEs.
  TYPE& ElementAt(int nIndex) { return reinterpret_cast<TYPE&>(BASE_CLASS::ElementAt(nIndex)); }
  void SetAt(int nIndex, TYPE ptr) { BASE_CLASS::SetAt(nIndex, ptr); }
  void SetAtGrow(int nIndex, TYPE newElement) { BASE_CLASS::SetAtGrow(nIndex, newElement); }
  int Add(TYPE newElement) { return BASE_CLASS::Add(newElement); }
  int Append(const CTypedPtrArray& src) { return BASE_CLASS::Append(src); }
  void Copy(const CTypedPtrArray& src) { BASE_CLASS::Copy(src); }
  void InsertAt(int nIndex, TYPE newElement, int nCount = 1) {
    BASE_CLASS::InsertAt(nIndex, newElement, nCount);
  }
  void InsertAt(int nStartIndex, CTypedPtrArray* pNewArray) {
    BASE_CLASS::InsertAt(nStartIndex, pNewArray);
  }
  TYPE operator[](int nIndex) const { return GetAt(nIndex); }
  TYPE& operator[](int nIndex) { return ElementAt(nIndex); }
};

template <class BASE_CLASS, class TYPE>
class CTypedPtrList : public BASE_CLASS {
 public:
  using BASE_CLASS::BASE_CLASS;

  TYPE& GetHead() { return AsType(BASE_CLASS::GetHead()); }
  TYPE GetHead() const { return static_cast<TYPE>(BASE_CLASS::GetHead()); }
  TYPE& GetTail() { return AsType(BASE_CLASS::GetTail()); }
  TYPE GetTail() const { return static_cast<TYPE>(BASE_CLASS::GetTail()); }
  TYPE RemoveHead() { return static_cast<TYPE>(BASE_CLASS::RemoveHead()); }
  TYPE RemoveTail() { return static_cast<TYPE>(BASE_CLASS::RemoveTail()); }
  POSITION AddHead(TYPE newElement) { return BASE_CLASS::AddHead(newElement); }
  POSITION AddTail(TYPE newElement) { return BASE_CLASS::AddTail(newElement); }
  void AddHead(CTypedPtrList* pNewList) { BASE_CLASS::AddHead(pNewList); }
  void AddTail(CTypedPtrList* pNewList) { BASE_CLASS::AddTail(pNewList); }
  TYPE& GetNext(POSITION& rPosition) { return AsType(BASE_CLASS::GetNext(rPosition)); }
  TYPE GetNext(POSITION& rPosition) const {
    return static_cast<TYPE>(BASE_CLASS::GetNext(rPosition));
  }
  TYPE& GetPrev(POSITION& rPosition) { return AsType(BASE_CLASS::GetPrev(rPosition)); }
  TYPE GetPrev(POSITION& rPosition) const {
    return static_cast<TYPE>(BASE_CLASS::GetPrev(rPosition));
  }
  TYPE& GetAt(POSITION position) { return AsType(BASE_CLASS::GetAt(position)); }
  TYPE GetAt(POSITION position) const { return static_cast<TYPE>(BASE_CLASS::GetAt(position)); }
  void SetAt(POSITION pos, TYPE newElement) { BASE_CLASS::SetAt(pos, newElement); }

 private:
  // The stored pointer itself, seen as TYPE: the stored pointers are TYPEs.
  static TYPE& AsType(typename BASE_CLASS::BASE_TYPE& element) {
    return reinterpret_cast<TYPE&>(element);
  }
};

template <class BASE_CLASS, class KEY, class VALUE>
class CTypedPtrMap : public BASE_CLASS {
 public:
  using BASE_CLASS::BASE_CLASS;

  BOOL Lookup(typename BASE_CLASS::BASE_ARG_KEY key, VALUE& rValue) const {
    typename BASE_CLASS::BASE_VALUE value;
    if (!BASE_CLASS::Lookup(key, value)) return FALSE;
    rValue = static_cast<VALUE>(value);
    return TRUE;
  }
  // The stored value itself, seen as VALUE: the stored values are VALUEs.
  VALUE& operator[](typename BASE_CLASS::BASE_ARG_KEY key) {
    return reinterpret_cast<VALUE&>(BASE_CLASS::operator[](key));
  }
  void SetAt(KEY key, VALUE newValue) { BASE_CLASS::SetAt(key, newValue); }
  BOOL RemoveKey(KEY key) { return BASE_CLASS::RemoveKey(key); }
  void GetNextAssoc(POSITION& rPosition, KEY& rKey, VALUE& rValue) const {
    typename BASE_CLASS::BASE_KEY key;
    typename BASE_CLASS::BASE_VALUE value;
    BASE_CLASS::GetNextAssoc(rPosition, key, value);
    rKey = static_cast<KEY>(key);
    rValue = static_cast<VALUE>(value);
  }
};
