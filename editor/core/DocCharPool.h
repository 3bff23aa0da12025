// The character nodes of a document come from blocks of 100 (or one block of
// an exact size before a bulk fill). Each block records which of its nodes
// are handed out, and the blocks are kept sorted by address, so freeing a
// node is a binary search that also tells whether the node came from this
// pool and is still allocated.
#pragma once

#include "classlib/core/CArray.h"
#include "classlib/core/Collections.h"
#include "editor/core/DocNodes.h"

class DocCharPool {
 public:
  static constexpr int kBlockSize = 100;

  DocCharPool() = default;
  ~DocCharPool() { FreeAll(); }
  DocCharPool(const DocCharPool&) = delete;
  DocCharPool& operator=(const DocCharPool&) = delete;

  // A zeroed node, or null when memory is exhausted.
  DocCharNode* Alloc();
  // Reserves one block of count nodes that the next allocations use up from
  // its end backwards; FALSE when memory is exhausted.
  BOOL Prealloc(int count);
  // TRUE when the node came from the pool and is taken back.
  BOOL Free(DocCharNode* node);
  void FreeAll();

  int GetBlockCount() const { return m_blocks.GetSize(); }
  int GetFreeCount() const { return m_free.GetSize(); }
  int GetAllocatedCount() const { return m_allocatedCount; }

 private:
  struct Block {
    DocCharNode* nodes;
    int count;
    CByteArray allocated;  // one flag per node
  };

  Block* NewBlock(int count);
  // The block holding the node and the node's slot in it, or null.
  Block* FindBlock(const DocCharNode* node, int* slot) const;
  void MarkAllocated(DocCharNode* node);

  CArray<Block*, Block*> m_blocks;  // sorted by address
  CArray<DocCharNode*, DocCharNode*> m_free;
  int m_allocatedCount = 0;
};
