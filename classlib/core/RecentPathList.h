// The paths of a recently-used list, most recent first: adding a path puts
// it at the top and drops an equal one (compared without case, as Windows
// compares file names) or, when the list is full, the oldest.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/core/Collections.h"

class RecentPathList {
 public:
  explicit RecentPathList(int nMaxSize);

  int GetMaxSize() const { return m_nMaxSize; }
  // The entries in use; entries beyond it are empty.
  int GetCount() const;
  // Entry nIndex (0 the most recent), empty when unused.
  CString& operator[](int nIndex) { return m_paths[nIndex]; }
  const CString& operator[](int nIndex) const { return m_paths.GetData()[nIndex]; }

  void Add(LPCSTR lpszPath);
  // The later entries move up.
  void Remove(int nIndex);

 private:
  int m_nMaxSize;
  CStringArray m_paths;
};
