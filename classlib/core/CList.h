// CList: a doubly linked list of TYPE, taking ARG_TYPE arguments. A
// POSITION names one node; it stays valid until that node is removed, so a
// caller may remove the node it just stepped past while walking the list.
#pragma once

#include "classlib/core/CObject.h"
#include "classlib/core/CollectionHelpers.h"
#include "classlib/core/Debug.h"
#include "classlib/core/NodePool.h"
#include "classlib/core/Position.h"

#include <new>
#include <utility>

template <class TYPE, class ARG_TYPE>
class CList : public CObject {
 public:
  // What the typed-pointer wrappers convert from and to.
  typedef TYPE BASE_TYPE;

  // Nodes are allocated nBlockSize at a time.
  CList(int nBlockSize = 10) : m_pool(sizeof(CNode), nBlockSize) {}
  CList(const CList&) = delete;
  CList& operator=(const CList&) = delete;
  ~CList() override { RemoveAll(); }

  int GetCount() const { return m_nCount; }
  BOOL IsEmpty() const { return m_nCount == 0; }

  TYPE& GetHead() { return Head()->data; }
  TYPE GetHead() const { return Head()->data; }
  TYPE& GetTail() { return Tail()->data; }
  TYPE GetTail() const { return Tail()->data; }

  TYPE RemoveHead();
  TYPE RemoveTail();
  POSITION AddHead(ARG_TYPE newElement) { return Link(nullptr, m_pNodeHead, newElement); }
  POSITION AddTail(ARG_TYPE newElement) { return Link(m_pNodeTail, nullptr, newElement); }
  // The other list's elements, in their order, before our head / after our
  // tail. The other list may be this one.
  void AddHead(CList* pNewList);
  void AddTail(CList* pNewList);
  void RemoveAll();

  POSITION GetHeadPosition() const { return ToPosition(m_pNodeHead); }
  POSITION GetTailPosition() const { return ToPosition(m_pNodeTail); }
  // The element at rPosition; rPosition moves on to the next (previous)
  // node, NULL past the end.
  TYPE& GetNext(POSITION& rPosition) { return Step(rPosition, &CNode::pNext)->data; }
  TYPE GetNext(POSITION& rPosition) const { return Step(rPosition, &CNode::pNext)->data; }
  TYPE& GetPrev(POSITION& rPosition) { return Step(rPosition, &CNode::pPrev)->data; }
  TYPE GetPrev(POSITION& rPosition) const { return Step(rPosition, &CNode::pPrev)->data; }

  TYPE& GetAt(POSITION position) { return ToNode(position)->data; }
  TYPE GetAt(POSITION position) const { return ToNode(position)->data; }
  void SetAt(POSITION pos, ARG_TYPE newElement) { ToNode(pos)->data = newElement; }
  void RemoveAt(POSITION position);

  // A NULL position inserts at the head (before) or the tail (after).
  POSITION InsertBefore(POSITION position, ARG_TYPE newElement);
  POSITION InsertAfter(POSITION position, ARG_TYPE newElement);

  // The first match after startAfter (from the head when NULL), or NULL.
  POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const;
  // The nIndex-th node from the head, or NULL when out of range.
  POSITION FindIndex(int nIndex) const;

 protected:
  struct CNode {
    CNode* pNext;
    CNode* pPrev;
    TYPE data;
  };

  CNode* m_pNodeHead = nullptr;
  CNode* m_pNodeTail = nullptr;
  int m_nCount = 0;

 private:
  static POSITION ToPosition(CNode* pNode) { return reinterpret_cast<POSITION>(pNode); }
  static CNode* ToNode(POSITION position) {
    ASSERT(position != nullptr);
    return reinterpret_cast<CNode*>(position);
  }
  CNode* Head() const {
    ASSERT(m_pNodeHead != nullptr);
    return m_pNodeHead;
  }
  CNode* Tail() const {
    ASSERT(m_pNodeTail != nullptr);
    return m_pNodeTail;
  }
  static CNode* Step(POSITION& rPosition, CNode* CNode::*pLink) {
    CNode* pNode = ToNode(rPosition);
    rPosition = ToPosition(pNode->*pLink);
    return pNode;
  }
  // A new node holding newElement between pPrev and pNext (either may be
  // NULL at an end of the list).
  POSITION Link(CNode* pPrev, CNode* pNext, ARG_TYPE newElement);
  void Unlink(CNode* pNode);

  NodePool m_pool;
};

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::Link(CNode* pPrev, CNode* pNext, ARG_TYPE newElement) {
  void* pRoom = m_pool.Allocate();
  CNode* pNode;
  try {
    pNode = new (pRoom) CNode{pNext, pPrev, TYPE(newElement)};
  } catch (...) {
    m_pool.Free(pRoom);
    throw;
  }
  (pPrev != nullptr ? pPrev->pNext : m_pNodeHead) = pNode;
  (pNext != nullptr ? pNext->pPrev : m_pNodeTail) = pNode;
  ++m_nCount;
  return ToPosition(pNode);
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::Unlink(CNode* pNode) {
  (pNode->pPrev != nullptr ? pNode->pPrev->pNext : m_pNodeHead) = pNode->pNext;
  (pNode->pNext != nullptr ? pNode->pNext->pPrev : m_pNodeTail) = pNode->pPrev;
  pNode->~CNode();
  m_pool.Free(pNode);
  if (--m_nCount == 0) m_pool.FreeAll();
}

template <class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::RemoveHead() {
  CNode* pNode = Head();
  TYPE value(std::move(pNode->data));
  Unlink(pNode);
  return value;
}

template <class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::RemoveTail() {
  CNode* pNode = Tail();
  TYPE value(std::move(pNode->data));
  Unlink(pNode);
  return value;
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AddHead(CList* pNewList) {
  ASSERT(pNewList != nullptr);
  // Counted, not run to the end, so that adding a list to itself stops.
  CNode* pNode = pNewList->m_pNodeTail;
  for (int n = pNewList->m_nCount; n > 0; --n, pNode = pNode->pPrev) AddHead(pNode->data);
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AddTail(CList* pNewList) {
  ASSERT(pNewList != nullptr);
  CNode* pNode = pNewList->m_pNodeHead;
  for (int n = pNewList->m_nCount; n > 0; --n, pNode = pNode->pNext) AddTail(pNode->data);
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAll() {
  for (CNode* pNode = m_pNodeHead; pNode != nullptr;) {
    CNode* pNext = pNode->pNext;
    pNode->~CNode();
    pNode = pNext;
  }
  m_pool.FreeAll();
  m_pNodeHead = m_pNodeTail = nullptr;
  m_nCount = 0;
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAt(POSITION position) {
  Unlink(ToNode(position));
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertBefore(POSITION position, ARG_TYPE newElement) {
  if (position == nullptr) return AddHead(newElement);
  CNode* pNode = ToNode(position);
  return Link(pNode->pPrev, pNode, newElement);
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertAfter(POSITION position, ARG_TYPE newElement) {
  if (position == nullptr) return AddTail(newElement);
  CNode* pNode = ToNode(position);
  return Link(pNode, pNode->pNext, newElement);
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::Find(ARG_TYPE searchValue, POSITION startAfter) const {
  CNode* pNode = startAfter != nullptr ? ToNode(startAfter)->pNext : m_pNodeHead;
  for (; pNode != nullptr; pNode = pNode->pNext) {
    if (CompareElements(&pNode->data, &searchValue)) return ToPosition(pNode);
  }
  return nullptr;
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::FindIndex(int nIndex) const {
  if (nIndex < 0 || nIndex >= m_nCount) return nullptr;
  CNode* pNode = m_pNodeHead;
  while (nIndex-- > 0) pNode = pNode->pNext;
  return ToPosition(pNode);
}
