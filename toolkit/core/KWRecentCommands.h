// The recently used commands of personalised menus, most recent first, as
// the profile keeps them: values "Item1", "Item2", ... of "Recent Item List".
#pragma once

#include <vector>

#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"

constexpr char kKWRecentSection[] = "Recent Item List";
constexpr int kKWDefaultRecentCount = 5;

// "Item" followed by the 1-based place in the list.
CString KWRecentValueName(int nPlace);

// The command moves to the head; the list keeps at most nCount commands.
void KWPutRecentFirst(std::vector<UINT>& recent, UINT nID, int nCount);

bool KWIsRecent(const std::vector<UINT>& recent, UINT nID);
