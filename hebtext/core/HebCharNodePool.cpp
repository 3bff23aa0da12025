#include "hebtext/core/HebCharNodePool.h"

#include <algorithm>
#include <cassert>
#include <functional>
#include <new>

namespace {

std::vector<HebCharNode*>::const_iterator FindSlot(const std::vector<HebCharNode*>& inUse,
                                                   HebCharNode* pNode) {
  return std::lower_bound(inUse.begin(), inUse.end(), pNode, std::less<HebCharNode*>());
}

// Whether the nodes in use either side of slot are in address order. A node
// moves in every keystroke, so each operation asserts only this and the
// counts; IsConsistent is the whole, linear check.
bool OrderedAt(const std::vector<HebCharNode*>& inUse, size_t slot) {
  std::less<HebCharNode*> before;
  bool afterPrev = slot == 0 || slot >= inUse.size() || before(inUse[slot - 1], inUse[slot]);
  bool beforeNext = slot + 1 >= inUse.size() || before(inUse[slot], inUse[slot + 1]);
  return afterPrev && beforeNext;
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
    m_blocks.pop_back();
    delete[] pBlock;
    return false;
  }
  for (int i = kBlockSize - 1; i >= 0; --i) m_free.push_back(pBlock + i);
  return true;
}

HebCharNode* HebCharNodePool::Take() {
  if (m_free.empty() && !AddBlock()) return nullptr;
  HebCharNode* pNode = m_free.back();
  size_t slot;
  try {
    slot = m_inUse.insert(FindSlot(m_inUse, pNode), pNode) - m_inUse.begin();
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
  m_free.pop_back();
  *pNode = HebCharNode();
  assert(OrderedAt(m_inUse, slot) && HasEveryNode());
  return pNode;
}

int HebCharNodePool::Return(HebCharNode* pNode) {
  auto slot = FindSlot(m_inUse, pNode);
  if (slot == m_inUse.end() || *slot != pNode) return 0;
  slot = m_inUse.erase(slot);
  m_free.push_back(pNode);
  assert(OrderedAt(m_inUse, slot - m_inUse.begin()) && HasEveryNode());
  return 1;
}

void HebCharNodePool::ReturnAll() {
  m_free.insert(m_free.end(), m_inUse.rbegin(), m_inUse.rend());
  m_inUse.clear();
  assert(HasEveryNode());
}

void HebCharNodePool::FreeAll() {
  for (HebCharNode* pBlock : m_blocks) delete[] pBlock;
  m_blocks.clear();
  m_free.clear();
  m_inUse.clear();
}

bool HebCharNodePool::HasEveryNode() const {
  return m_free.size() + m_inUse.size() == m_blocks.size() * kBlockSize;
}

bool HebCharNodePool::IsConsistent() const {
  if (!HasEveryNode()) return false;
  for (size_t i = 0; i < m_inUse.size(); ++i)
    if (!OrderedAt(m_inUse, i)) return false;
  auto inBlock = [this](const HebCharNode* pNode) {
    std::less<const HebCharNode*> before;
    for (const HebCharNode* pBlock : m_blocks)
      if (!before(pNode, pBlock) && before(pNode, pBlock + kBlockSize)) return true;
    return false;
  };
  for (HebCharNode* pNode : m_inUse)
    if (!inBlock(pNode)) return false;
  for (HebCharNode* pNode : m_free) {
    auto slot = FindSlot(m_inUse, pNode);
    if (!inBlock(pNode) || (slot != m_inUse.end() && *slot == pNode)) return false;
  }
  std::vector<HebCharNode*> free = m_free;
  std::sort(free.begin(), free.end(), std::less<HebCharNode*>());
  return std::adjacent_find(free.begin(), free.end()) == free.end();
}
