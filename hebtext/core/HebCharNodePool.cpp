#include "hebtext/core/HebCharNodePool.h"

#include <algorithm>
#include <functional>
#include <new>

namespace {

std::vector<HebCharNode*>::iterator FindSlot(std::vector<HebCharNode*>& inUse,
                                             HebCharNode* pNode) {
  return std::lower_bound(inUse.begin(), inUse.end(), pNode, std::less<HebCharNode*>());
}

}  // namespace

// Called with the free array empty, so reserving room for every node of
// every block copies nothing; Return then never has to grow it.
bool HebCharNodePool::AddBlock() {
  HebCharNode* pBlock = new (std::nothrow) HebCharNode[kBlockSize]();
  if (pBlock == nullptr) return false;
  try {
    m_blocks.push_back(pBlock);
  } catch (const std::bad_alloc&) {
    delete[] pBlock;
    return false;
  }
  try {
    m_free.reserve(m_blocks.size() * kBlockSize);
  } catch (const std::bad_alloc&) {
    return false;  // the block goes with the others in FreeAll
  }
  for (int i = kBlockSize - 1; i >= 0; --i) m_free.push_back(pBlock + i);
  return true;
}

HebCharNode* HebCharNodePool::Take() {
  if (m_free.empty() && !AddBlock()) return nullptr;
  HebCharNode* pNode = m_free.back();
  try {
    m_inUse.insert(FindSlot(m_inUse, pNode), pNode);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
  m_free.pop_back();
  *pNode = HebCharNode();
  return pNode;
}

int HebCharNodePool::Return(HebCharNode* pNode) {
  auto slot = FindSlot(m_inUse, pNode);
  if (slot == m_inUse.end() || *slot != pNode) return 0;
  m_inUse.erase(slot);
  m_free.push_back(pNode);
  return 1;
}

void HebCharNodePool::ReturnAll() {
  m_free.insert(m_free.end(), m_inUse.rbegin(), m_inUse.rend());
  m_inUse.clear();
}

void HebCharNodePool::FreeAll() {
  for (HebCharNode* pBlock : m_blocks) delete[] pBlock;
  m_blocks.clear();
  m_free.clear();
  m_inUse.clear();
}
