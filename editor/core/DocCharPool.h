// The character nodes of a document come from blocks of 100 (or one block of
// an exact size before a bulk fill). The allocated nodes are kept sorted by
// address so that freeing a node is a binary search that also tells whether
// the node came from this pool at all.
#pragma once

#include "classlib/core/CArray.h"
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
  int GetAllocatedCount() const { return m_allocated.GetSize(); }

 private:
  int FindAllocated(const DocCharNode* node, bool* found) const;
  DocCharNode* NewBlock(int count);

  CArray<DocCharNode*, DocCharNode*> m_blocks;
  CArray<DocCharNode*, DocCharNode*> m_free;
  CArray<DocCharNode*, DocCharNode*> m_allocated;  // sorted by address
};
