#include "toolkit/core/KWRecentCommands.h"

#include <algorithm>

CString KWRecentValueName(int nPlace) {
  CString name;
  name.Format("Item%d", nPlace);
  return name;
}

void KWPutRecentFirst(std::vector<UINT>& recent, UINT nID, int nCount) {
  recent.erase(std::remove(recent.begin(), recent.end(), nID), recent.end());
  recent.insert(recent.begin(), nID);
  if (recent.size() > static_cast<size_t>(std::max(nCount, 0))) recent.resize(std::max(nCount, 0));
}

bool KWIsRecent(const std::vector<UINT>& recent, UINT nID) {
  return std::find(recent.begin(), recent.end(), nID) != recent.end();
}
