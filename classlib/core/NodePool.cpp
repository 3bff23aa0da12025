#include "classlib/core/NodePool.h"

#include "classlib/core/Debug.h"

#include <algorithm>
#include <new>

#ifdef __SANITIZE_ADDRESS__
#include <sanitizer/asan_interface.h>
// A freed node stays poisoned until it is handed out again, so a stale
// POSITION that reaches it is reported instead of reading recycled data.
#define POOL_POISON(p, n) ASAN_POISON_MEMORY_REGION(p, n)
#define POOL_UNPOISON(p, n) ASAN_UNPOISON_MEMORY_REGION(p, n)
#else
#define POOL_POISON(p, n) ((void)(p), (void)(n))
#define POOL_UNPOISON(p, n) ((void)(p), (void)(n))
#endif

struct NodePool::Block {
  Block* pNext;
};

namespace {
// Nodes start this far into a block, suitably aligned for any node.
constexpr std::size_t kHeaderSize = (sizeof(void*) + alignof(std::max_align_t) - 1) /
                                    alignof(std::max_align_t) * alignof(std::max_align_t);
}  // namespace

NodePool::NodePool(std::size_t nNodeSize, int nBlockSize)
    : m_nNodeSize(std::max(nNodeSize, sizeof(FreeSlot))), m_nBlockSize(nBlockSize) {
  ASSERT(nBlockSize > 0);
  if (m_nBlockSize <= 0) m_nBlockSize = 1;
}

void* NodePool::Allocate() {
  if (m_pFreeList == nullptr) {
    std::size_t nodesSize = m_nNodeSize * static_cast<std::size_t>(m_nBlockSize);
    auto* pBlock = static_cast<Block*>(::operator new(kHeaderSize + nodesSize));
    pBlock->pNext = m_pBlocks;
    m_pBlocks = pBlock;
    // Chain the new nodes so the first in memory is handed out first.
    char* pNodes = reinterpret_cast<char*>(pBlock) + kHeaderSize;
    for (int i = m_nBlockSize - 1; i >= 0; --i) {
      auto* pSlot = reinterpret_cast<FreeSlot*>(pNodes + m_nNodeSize * static_cast<std::size_t>(i));
      pSlot->pNext = m_pFreeList;
      m_pFreeList = pSlot;
      POOL_POISON(pSlot, m_nNodeSize);
    }
  }
  FreeSlot* pSlot = m_pFreeList;
  POOL_UNPOISON(pSlot, m_nNodeSize);
  m_pFreeList = pSlot->pNext;
  return pSlot;
}

void NodePool::Free(void* pNode) {
  auto* pSlot = static_cast<FreeSlot*>(pNode);
  pSlot->pNext = m_pFreeList;
  m_pFreeList = pSlot;
  POOL_POISON(pSlot, m_nNodeSize);
}

void NodePool::FreeAll() {
  while (m_pBlocks != nullptr) {
    Block* pNext = m_pBlocks->pNext;
    POOL_UNPOISON(m_pBlocks, kHeaderSize + m_nNodeSize * static_cast<std::size_t>(m_nBlockSize));
    ::operator delete(m_pBlocks);
    m_pBlocks = pNext;
  }
  m_pFreeList = nullptr;
}
