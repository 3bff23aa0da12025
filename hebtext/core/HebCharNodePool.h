// One character of an edit control's text, and the pool its nodes come from.
#pragma once

#include <vector>

#include "classlib/core/WinTypes.h"

struct HebCharNode {
  BYTE letter;
  BYTE vowel;   // 0: none
  short width;  // advance in pixels, cached so that layout only adds
  HebCharNode* pPrev;
  HebCharNode* pNext;
};

// Nodes come from blocks of 100 and are recycled through a free array; the
// nodes in use are kept sorted by address so that a node handed back is
// checked by bisection. Blocks are released only all at once.
class HebCharNodePool {
 public:
  enum { kBlockSize = 100 };

  HebCharNodePool() = default;
  HebCharNodePool(const HebCharNodePool&) = delete;
  HebCharNodePool& operator=(const HebCharNodePool&) = delete;
  ~HebCharNodePool() { FreeAll(); }

  // A zero-filled node, or null when no block can be allocated.
  HebCharNode* Take();
  // 1 when the node was in use and is free now; 0 (and nothing done) for a
  // node this pool did not hand out or already has back.
  int Return(HebCharNode* pNode);
  // Every node in use back at once (the owner's list is emptied).
  void ReturnAll();
  void FreeAll();

  int GetInUseCount() const { return static_cast<int>(m_inUse.size()); }
  // Every node of every block either in use or free, never both, and the
  // nodes in use in address order.
  bool IsConsistent() const;

 private:
  bool AddBlock();
  // Each node of each block is in one of the two arrays.
  bool HasEveryNode() const;

  std::vector<HebCharNode*> m_blocks;
  std::vector<HebCharNode*> m_free;
  std::vector<HebCharNode*> m_inUse;  // sorted by address
};
