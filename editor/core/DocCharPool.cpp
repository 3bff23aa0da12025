#include "editor/core/DocCharPool.h"

#include <cstring>
#include <functional>
#include <new>

DocCharPool::Block* DocCharPool::NewBlock(int count) {
  DocCharNode* nodes = new (std::nothrow) DocCharNode[count];
  if (nodes == nullptr) return nullptr;
  std::memset(static_cast<void*>(nodes), 0, sizeof(DocCharNode) * count);
  Block* block = new Block;
  block->nodes = nodes;
  block->count = count;
  block->allocated.SetSize(count);
  std::memset(block->allocated.GetData(), 0, count);
  std::less<const DocCharNode*> before;
  int index = 0;
  while (index < m_blocks.GetSize() && before(m_blocks[index]->nodes, nodes)) index++;
  m_blocks.InsertAt(index, block);
  return block;
}

DocCharPool::Block* DocCharPool::FindBlock(const DocCharNode* node, int* slot) const {
  std::less<const DocCharNode*> before;
  int lo = 0, hi = m_blocks.GetSize();
  while (lo < hi) {  // the last block starting at or before the node
    int mid = (lo + hi) / 2;
    if (before(node, m_blocks[mid]->nodes))
      hi = mid;
    else
      lo = mid + 1;
  }
  if (lo == 0) return nullptr;
  Block* block = m_blocks[lo - 1];
  if (!before(node, block->nodes + block->count)) return nullptr;
  std::size_t offset =
      reinterpret_cast<const char*>(node) - reinterpret_cast<const char*>(block->nodes);
  if (offset % sizeof(DocCharNode) != 0) return nullptr;
  *slot = static_cast<int>(offset / sizeof(DocCharNode));
  return block;
}

void DocCharPool::MarkAllocated(DocCharNode* node) {
  int slot;
  Block* block = FindBlock(node, &slot);
  block->allocated[slot] = 1;
  m_allocatedCount++;
  std::memset(static_cast<void*>(node), 0, sizeof(DocCharNode));
}

DocCharNode* DocCharPool::Alloc() {
  DocCharNode* node;
  if (m_free.GetSize() == 0) {
    Block* block = NewBlock(kBlockSize);
    if (block == nullptr) return nullptr;
    for (int i = 1; i < kBlockSize; i++) m_free.Add(block->nodes + i);
    node = block->nodes;
  } else {
    node = m_free[m_free.GetUpperBound()];
    m_free.RemoveAt(m_free.GetUpperBound());
  }
  MarkAllocated(node);
  return node;
}

BOOL DocCharPool::Prealloc(int count) {
  if (count <= 0) return TRUE;
  Block* block = NewBlock(count);
  if (block == nullptr) return FALSE;
  m_free.SetSize(count);
  for (int i = 0; i < count; i++) m_free[i] = block->nodes + i;
  return TRUE;
}

BOOL DocCharPool::Free(DocCharNode* node) {
  int slot;
  Block* block = FindBlock(node, &slot);
  if (block == nullptr || !block->allocated[slot]) return FALSE;
  block->allocated[slot] = 0;
  m_allocatedCount--;
  m_free.Add(node);
  return TRUE;
}

void DocCharPool::FreeAll() {
  for (int i = 0; i < m_blocks.GetSize(); i++) {
    delete[] m_blocks[i]->nodes;
    delete m_blocks[i];
  }
  m_blocks.RemoveAll();
  m_free.RemoveAll();
  m_allocatedCount = 0;
}
