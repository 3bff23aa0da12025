// The ready-made collections: arrays, lists and maps of bytes, words,
// numbers, pointers, objects and strings. Each is the matching template
// with a run-time class record; the storable kinds carry a serial record
// (schema 0), though their owners write their contents themselves.
#pragma once

#include "classlib/core/CArray.h"
#include "classlib/core/CList.h"
#include "classlib/core/CMap.h"
#include "classlib/core/CObject.h"
#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"

class CByteArray : public CArray<BYTE, BYTE> {
  DECLARE_SERIAL(CByteArray)
};

class CWordArray : public CArray<WORD, WORD> {
  DECLARE_SERIAL(CWordArray)
};

class CDWordArray : public CArray<DWORD, DWORD> {
  DECLARE_SERIAL(CDWordArray)
};

class CUIntArray : public CArray<UINT, UINT> {
  DECLARE_DYNAMIC(CUIntArray)
};

class CPtrArray : public CArray<void*, void*> {
  DECLARE_DYNAMIC(CPtrArray)
};

class CObArray : public CArray<CObject*, CObject*> {
  DECLARE_SERIAL(CObArray)
};

class CStringArray : public CArray<CString, const CString&> {
  DECLARE_SERIAL(CStringArray)
};

class CPtrList : public CList<void*, void*> {
  DECLARE_DYNAMIC(CPtrList)
 public:
  using CList::CList;
};

class CObList : public CList<CObject*, CObject*> {
  DECLARE_SERIAL(CObList)
 public:
  using CList::CList;
};

class CStringList : public CList<CString, const CString&> {
  DECLARE_SERIAL(CStringList)
 public:
  using CList::CList;
};

class CMapPtrToPtr : public CMap<void*, void*, void*, void*> {
  DECLARE_DYNAMIC(CMapPtrToPtr)
 public:
  using CMap::CMap;
};

class CMapPtrToWord : public CMap<void*, void*, WORD, WORD> {
  DECLARE_DYNAMIC(CMapPtrToWord)
 public:
  using CMap::CMap;
};

class CMapWordToPtr : public CMap<WORD, WORD, void*, void*> {
  DECLARE_DYNAMIC(CMapWordToPtr)
 public:
  using CMap::CMap;
};

class CMapWordToOb : public CMap<WORD, WORD, CObject*, CObject*> {
  DECLARE_SERIAL(CMapWordToOb)
 public:
  using CMap::CMap;
};

class CMapStringToPtr : public CMap<CString, LPCTSTR, void*, void*> {
  DECLARE_DYNAMIC(CMapStringToPtr)
 public:
  using CMap::CMap;
};

class CMapStringToOb : public CMap<CString, LPCTSTR, CObject*, CObject*> {
  DECLARE_SERIAL(CMapStringToOb)
 public:
  using CMap::CMap;
};

class CMapStringToString : public CMap<CString, LPCTSTR, CString, const CString&> {
  DECLARE_SERIAL(CMapStringToString)
 public:
  using CMap::CMap;
};
