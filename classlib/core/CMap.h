// CMap: a hash table from KEY to VALUE, taking ARG_KEY and ARG_VALUE
// arguments. Keys hash through HashKey and compare through CompareElements.
// The table keeps the size it was given (17 by default) and chains pairs
// per bucket, newest first; GetNextAssoc walks the buckets in order, and a
// caller may remove the pair it was just handed while walking.
#pragma once

#include "classlib/core/CObject.h"
#include "classlib/core/CollectionHelpers.h"
#include "classlib/core/Debug.h"
#include "classlib/core/NodePool.h"
#include "classlib/core/Position.h"

#include <new>

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject {
 public:
  // What the typed-pointer wrappers convert from and to.
  typedef KEY BASE_KEY;
  typedef ARG_KEY BASE_ARG_KEY;
  typedef VALUE BASE_VALUE;

  // Pairs are allocated nBlockSize at a time.
  CMap(int nBlockSize = 10) : m_pool(sizeof(CAssoc), nBlockSize) {}
  CMap(const CMap&) = delete;
  CMap& operator=(const CMap&) = delete;
  ~CMap() override {
    RemoveAll();
    delete[] m_pHashTable;
  }

  int GetCount() const { return m_nCount; }
  BOOL IsEmpty() const { return m_nCount == 0; }

  // rValue is left alone when the key is absent.
  BOOL Lookup(ARG_KEY key, VALUE& rValue) const;
  // The value for key, added value-initialised when absent.
  VALUE& operator[](ARG_KEY key);
  void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
  BOOL RemoveKey(ARG_KEY key);
  void RemoveAll();

  // NULL for an empty map; otherwise pass it to GetNextAssoc until that
  // sets it to NULL.
  POSITION GetStartPosition() const { return m_nCount == 0 ? nullptr : BEFORE_START_POSITION; }
  void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const;

  UINT GetHashTableSize() const { return m_nHashTableSize; }
  // Gives the table hashSize buckets (best a prime a little above the
  // expected count); the pairs already in the map move over. With bAllocNow
  // FALSE an empty map allocates the table on its first insertion.
  void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE);

 protected:
  struct CAssoc {
    CAssoc* pNext;
    UINT nHashValue;  // the bucket, so that iteration can go on from here
    KEY key;
    VALUE value;
  };

  CAssoc** m_pHashTable = nullptr;
  UINT m_nHashTableSize = 17;
  int m_nCount = 0;

 private:
  UINT BucketOf(ARG_KEY key) const { return HashKey<ARG_KEY>(key) % m_nHashTableSize; }
  // The pair for key in bucket nBucket, or NULL.
  CAssoc* Find(ARG_KEY key, UINT nBucket) const;
  void AllocateTable();

  NodePool m_pool;
};

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Find(
    ARG_KEY key, UINT nBucket) const {
  if (m_pHashTable == nullptr) return nullptr;
  for (CAssoc* pAssoc = m_pHashTable[nBucket]; pAssoc != nullptr; pAssoc = pAssoc->pNext) {
    if (CompareElements(&pAssoc->key, &key)) return pAssoc;
  }
  return nullptr;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::AllocateTable() {
  m_pHashTable = new CAssoc*[m_nHashTableSize]();
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Lookup(ARG_KEY key, VALUE& rValue) const {
  CAssoc* pAssoc = Find(key, BucketOf(key));
  if (pAssoc == nullptr) return FALSE;
  rValue = pAssoc->value;
  return TRUE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
VALUE& CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::operator[](ARG_KEY key) {
  UINT nBucket = BucketOf(key);
  if (CAssoc* pAssoc = Find(key, nBucket)) return pAssoc->value;

  if (m_pHashTable == nullptr) AllocateTable();
  void* pRoom = m_pool.Allocate();
  CAssoc* pAssoc;
  try {
    pAssoc = new (pRoom) CAssoc{m_pHashTable[nBucket], nBucket, KEY(key), VALUE()};
  } catch (...) {
    m_pool.Free(pRoom);
    throw;
  }
  m_pHashTable[nBucket] = pAssoc;
  ++m_nCount;
  return pAssoc->value;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveKey(ARG_KEY key) {
  if (m_pHashTable == nullptr) return FALSE;
  for (CAssoc** ppLink = &m_pHashTable[BucketOf(key)]; *ppLink != nullptr;
       ppLink = &(*ppLink)->pNext) {
    CAssoc* pAssoc = *ppLink;
    if (CompareElements(&pAssoc->key, &key)) {
      *ppLink = pAssoc->pNext;
      pAssoc->~CAssoc();
      m_pool.Free(pAssoc);
      if (--m_nCount == 0) m_pool.FreeAll();
      return TRUE;
    }
  }
  return FALSE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveAll() {
  if (m_pHashTable != nullptr) {
    for (UINT nBucket = 0; nBucket < m_nHashTableSize; ++nBucket) {
      for (CAssoc* pAssoc = m_pHashTable[nBucket]; pAssoc != nullptr;) {
        CAssoc* pNext = pAssoc->pNext;
        pAssoc->~CAssoc();
        pAssoc = pNext;
      }
      m_pHashTable[nBucket] = nullptr;
    }
  }
  m_pool.FreeAll();
  m_nCount = 0;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetNextAssoc(POSITION& rNextPosition, KEY& rKey,
                                                        VALUE& rValue) const {
  ASSERT(rNextPosition != nullptr && m_pHashTable != nullptr);
  CAssoc* pAssoc = reinterpret_cast<CAssoc*>(rNextPosition);
  if (rNextPosition == BEFORE_START_POSITION) {
    pAssoc = nullptr;
    for (UINT nBucket = 0; pAssoc == nullptr && nBucket < m_nHashTableSize; ++nBucket) {
      pAssoc = m_pHashTable[nBucket];
    }
    ASSERT(pAssoc != nullptr);
  }
  CAssoc* pNext = pAssoc->pNext;
  for (UINT nBucket = pAssoc->nHashValue + 1; pNext == nullptr && nBucket < m_nHashTableSize;
       ++nBucket) {
    pNext = m_pHashTable[nBucket];
  }
  rNextPosition = reinterpret_cast<POSITION>(pNext);
  rKey = pAssoc->key;
  rValue = pAssoc->value;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::InitHashTable(UINT hashSize, BOOL bAllocNow) {
  ASSERT(hashSize > 0);
  if (hashSize == 0) return;
  CAssoc** pOldTable = m_pHashTable;
  UINT nOldSize = m_nHashTableSize;
  m_pHashTable = nullptr;
  m_nHashTableSize = hashSize;
  if (bAllocNow || m_nCount != 0) AllocateTable();
  if (pOldTable != nullptr) {
    for (UINT nOld = 0; nOld < nOldSize; ++nOld) {
      for (CAssoc* pAssoc = pOldTable[nOld]; pAssoc != nullptr;) {
        CAssoc* pNext = pAssoc->pNext;
        UINT nBucket = BucketOf(pAssoc->key);
        pAssoc->nHashValue = nBucket;
        pAssoc->pNext = m_pHashTable[nBucket];
        m_pHashTable[nBucket] = pAssoc;
        pAssoc = pNext;
      }
    }
    delete[] pOldTable;
  }
}
