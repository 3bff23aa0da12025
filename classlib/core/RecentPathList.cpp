#include "classlib/core/RecentPathList.h"

#include <cassert>

RecentPathList::RecentPathList(int nMaxSize) : m_nMaxSize(nMaxSize) {
  assert(nMaxSize >= 0);
  m_paths.SetSize(nMaxSize);
}

int RecentPathList::GetCount() const {
  int nCount = 0;
  while (nCount < m_nMaxSize && !m_paths[nCount].IsEmpty()) ++nCount;
  return nCount;
}

void RecentPathList::Add(LPCSTR lpszPath) {
  if (m_nMaxSize == 0 || lpszPath == nullptr || *lpszPath == '\0') return;
  // The entry that goes: the path's own, else the last (the oldest or empty).
  int nGone = m_nMaxSize - 1;
  for (int i = 0; i < m_nMaxSize - 1; ++i) {
    if (m_paths[i].CompareNoCase(lpszPath) == 0) {
      nGone = i;
      break;
    }
  }
  for (int i = nGone; i > 0; --i) m_paths[i] = m_paths[i - 1];
  m_paths[0] = lpszPath;
}

void RecentPathList::Remove(int nIndex) {
  assert(nIndex >= 0 && nIndex < m_nMaxSize);
  for (int i = nIndex; i < m_nMaxSize - 1; ++i) m_paths[i] = m_paths[i + 1];
  m_paths[m_nMaxSize - 1].Empty();
}
