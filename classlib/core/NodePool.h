// Storage for the nodes of a list or map: nodes are carved from blocks of
// nBlockSize and recycled through a free list, so adding and removing
// elements seldom reaches the heap. Blocks go back only all at once.
#pragma once

#include <cstddef>

class NodePool {
 public:
  NodePool(std::size_t nNodeSize, int nBlockSize);
  ~NodePool() { FreeAll(); }
  NodePool(const NodePool&) = delete;
  NodePool& operator=(const NodePool&) = delete;

  // Uninitialised room for one node.
  void* Allocate();
  // Takes back a node's room; its object must already be destroyed.
  void Free(void* pNode);
  // Releases every block; every node's object must already be destroyed.
  void FreeAll();

 private:
  struct Block;
  struct FreeSlot {
    FreeSlot* pNext;
  };

  std::size_t m_nNodeSize;
  int m_nBlockSize;
  Block* m_pBlocks = nullptr;
  FreeSlot* m_pFreeList = nullptr;
};
