// CArray: a growable array of TYPE, taking ARG_TYPE arguments. The elements
// sit in one block with spare room behind them; when the block is full it
// is replaced by one larger by the grow-by step (or, with no step set, by
// an eighth of the size, between 4 and 1024 elements).
#pragma once

#include "classlib/core/CObject.h"
#include "classlib/core/Debug.h"

#include <algorithm>
#include <climits>
#include <memory>
#include <new>
#include <utility>

template <class TYPE, class ARG_TYPE>
class CArray : public CObject {
 public:
  // The element type, for code written over any of the array classes.
  typedef TYPE BASE_TYPE;

  CArray() = default;
  CArray(const CArray&) = delete;
  CArray& operator=(const CArray&) = delete;
  ~CArray() override { SetSize(0); }

  int GetSize() const { return m_nSize; }
  int GetUpperBound() const { return m_nSize - 1; }
  // New elements are value-initialised (zero for numbers and pointers).
  // nGrowBy -1 keeps the current step; 0 asks for the default growth.
  // Size 0 gives the block back.
  void SetSize(int nNewSize, int nGrowBy = -1);
  void FreeExtra();
  void RemoveAll() { SetSize(0); }

  TYPE GetAt(int nIndex) const {
    ASSERT(IsValidIndex(nIndex));
    return m_pData[nIndex];
  }
  void SetAt(int nIndex, ARG_TYPE newElement) {
    ASSERT(IsValidIndex(nIndex));
    m_pData[nIndex] = newElement;
  }
  TYPE& ElementAt(int nIndex) {
    ASSERT(IsValidIndex(nIndex));
    return m_pData[nIndex];
  }
  const TYPE* GetData() const { return m_pData; }
  TYPE* GetData() { return m_pData; }

  void SetAtGrow(int nIndex, ARG_TYPE newElement);
  // The index of the new element.
  int Add(ARG_TYPE newElement) {
    int nIndex = m_nSize;
    SetAtGrow(nIndex, newElement);
    return nIndex;
  }
  // The index of the first appended element.
  int Append(const CArray& src);
  void Copy(const CArray& src);

  TYPE operator[](int nIndex) const { return GetAt(nIndex); }
  TYPE& operator[](int nIndex) { return ElementAt(nIndex); }

  // Inserting at or past the end first grows the array to nIndex.
  void InsertAt(int nIndex, ARG_TYPE newElement, int nCount = 1);
  void InsertAt(int nStartIndex, CArray* pNewArray);
  void RemoveAt(int nIndex, int nCount = 1);

 protected:
  TYPE* m_pData = nullptr;
  int m_nSize = 0;
  int m_nMaxSize = 0;
  int m_nGrowBy = 0;

 private:
  bool IsValidIndex(int nIndex) const { return nIndex >= 0 && nIndex < m_nSize; }
  // Opens nCount elements at nIndex, growing the array to nIndex first when
  // that lies past the end. The caller assigns every opened element.
  void InsertSpace(int nIndex, int nCount);
  // Moves the elements into a block of nNewMax elements (none for 0).
  void Reallocate(int nNewMax);
};

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetSize(int nNewSize, int nGrowBy) {
  ASSERT(nNewSize >= 0);
  if (nNewSize < 0) nNewSize = 0;
  if (nGrowBy >= 0) m_nGrowBy = nGrowBy;

  if (nNewSize == 0) {
    std::destroy_n(m_pData, m_nSize);
    m_nSize = 0;
    Reallocate(0);
    return;
  }
  if (nNewSize > m_nMaxSize) {
    long long nNewMax;
    if (m_pData == nullptr) {
      nNewMax = std::max(nNewSize, m_nGrowBy);
    } else {
      int nStep = m_nGrowBy != 0 ? m_nGrowBy : std::clamp(m_nSize / 8, 4, 1024);
      nNewMax = std::max<long long>(nNewSize, static_cast<long long>(m_nMaxSize) + nStep);
    }
    Reallocate(static_cast<int>(std::min<long long>(nNewMax, INT_MAX)));
  }
  if (nNewSize > m_nSize) {
    std::uninitialized_value_construct(m_pData + m_nSize, m_pData + nNewSize);
  } else {
    std::destroy(m_pData + nNewSize, m_pData + m_nSize);
  }
  m_nSize = nNewSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::FreeExtra() {
  if (m_nSize != m_nMaxSize) Reallocate(m_nSize);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Reallocate(int nNewMax) {
  std::allocator<TYPE> allocator;
  TYPE* pNewData = nNewMax > 0 ? allocator.allocate(static_cast<std::size_t>(nNewMax)) : nullptr;
  if (m_pData != nullptr) {
    try {
      // No storage is asked for only when the array is already empty.
      if (pNewData != nullptr) std::uninitialized_move_n(m_pData, m_nSize, pNewData);
    } catch (...) {
      allocator.deallocate(pNewData, static_cast<std::size_t>(nNewMax));
      throw;
    }
    std::destroy_n(m_pData, m_nSize);
    allocator.deallocate(m_pData, static_cast<std::size_t>(m_nMaxSize));
  }
  m_pData = pNewData;
  m_nMaxSize = nNewMax;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAtGrow(int nIndex, ARG_TYPE newElement) {
  ASSERT(nIndex >= 0);
  if (nIndex < m_nSize) {
    m_pData[nIndex] = newElement;
    return;
  }
  // newElement may be one of our own elements, which growing moves away.
  TYPE value(newElement);
  SetSize(nIndex + 1);
  m_pData[nIndex] = std::move(value);
}

template <class TYPE, class ARG_TYPE>
int CArray<TYPE, ARG_TYPE>::Append(const CArray& src) {
  int nOldSize = m_nSize;
  int nCount = src.m_nSize;  // read first: src may be this array
  SetSize(nOldSize + nCount);
  std::copy_n(src.m_pData, nCount, m_pData + nOldSize);
  return nOldSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Copy(const CArray& src) {
  if (&src == this) return;
  SetSize(src.m_nSize);
  std::copy_n(src.m_pData, src.m_nSize, m_pData);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertSpace(int nIndex, int nCount) {
  if (nIndex >= m_nSize) {
    SetSize(nIndex + nCount);
    return;
  }
  int nOldSize = m_nSize;
  SetSize(nOldSize + nCount);
  std::move_backward(m_pData + nIndex, m_pData + nOldSize, m_pData + nOldSize + nCount);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(int nIndex, ARG_TYPE newElement, int nCount) {
  ASSERT(nIndex >= 0 && nCount >= 0);
  if (nIndex < 0 || nCount <= 0) return;
  // newElement may be one of our own elements, which inserting moves.
  TYPE value(newElement);
  InsertSpace(nIndex, nCount);
  std::fill_n(m_pData + nIndex, nCount, value);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(int nStartIndex, CArray* pNewArray) {
  ASSERT(nStartIndex >= 0 && pNewArray != nullptr);
  if (nStartIndex < 0 || pNewArray == nullptr || pNewArray->m_nSize == 0) return;
  if (pNewArray == this) {
    CArray copy;
    copy.Copy(*this);
    InsertAt(nStartIndex, &copy);
    return;
  }
  InsertSpace(nStartIndex, pNewArray->m_nSize);
  std::copy_n(pNewArray->m_pData, pNewArray->m_nSize, m_pData + nStartIndex);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::RemoveAt(int nIndex, int nCount) {
  ASSERT(nIndex >= 0 && nCount >= 0 && nIndex + nCount <= m_nSize);
  if (nIndex < 0 || nCount <= 0 || nIndex >= m_nSize) return;
  nCount = std::min(nCount, m_nSize - nIndex);
  std::move(m_pData + nIndex + nCount, m_pData + m_nSize, m_pData + nIndex);
  std::destroy(m_pData + m_nSize - nCount, m_pData + m_nSize);
  m_nSize -= nCount;
}
