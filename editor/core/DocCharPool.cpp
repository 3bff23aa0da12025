#include "editor/core/DocCharPool.h"

#include <cstring>
#include <functional>
#include <new>

DocCharNode* DocCharPool::NewBlock(int count) {
  DocCharNode* block = new (std::nothrow) DocCharNode[count];
  if (block == nullptr) return nullptr;
  std::memset(static_cast<void*>(block), 0, sizeof(DocCharNode) * count);
  m_blocks.Add(block);
  return block;
}

// Index of the node, or of the first entry with a greater address.
int DocCharPool::FindAllocated(const DocCharNode* node, bool* found) const {
  std::less<const DocCharNode*> before;
  int lo = 0, hi = m_allocated.GetSize();
  while (lo < hi) {
    int mid = (lo + hi) / 2;
    if (before(m_allocated[mid], node)) lo = mid + 1;
    else hi = mid;
  }
  *found = lo < m_allocated.GetSize() && m_allocated[lo] == node;
  return lo;
}

DocCharNode* DocCharPool::Alloc() {
  DocCharNode* node;
  if (m_free.GetSize() == 0) {
    DocCharNode* block = NewBlock(kBlockSize);
    if (block == nullptr) return nullptr;
    for (int i = 1; i < kBlockSize; i++) m_free.Add(block + i);
    node = block;
  } else {
    node = m_free[m_free.GetUpperBound()];
    m_free.RemoveAt(m_free.GetUpperBound());
  }
  bool found;
  m_allocated.InsertAt(FindAllocated(node, &found), node);
  std::memset(static_cast<void*>(node), 0, sizeof(DocCharNode));
  return node;
}

BOOL DocCharPool::Prealloc(int count) {
  if (count <= 0) return TRUE;
  DocCharNode* block = NewBlock(count);
  if (block == nullptr) return FALSE;
  m_free.SetSize(count);
  for (int i = 0; i < count; i++) m_free[i] = block + i;
  return TRUE;
}

BOOL DocCharPool::Free(DocCharNode* node) {
  bool found;
  int index = FindAllocated(node, &found);
  if (!found) return FALSE;
  m_allocated.RemoveAt(index);
  m_free.Add(node);
  return TRUE;
}

void DocCharPool::FreeAll() {
  for (int i = 0; i < m_blocks.GetSize(); i++) delete[] m_blocks[i];
  m_blocks.RemoveAll();
  m_free.RemoveAll();
  m_allocated.RemoveAll();
}
