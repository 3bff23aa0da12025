#include "classlib/core/PrintPages.h"

#include <algorithm>

PrintPageSpan PagesToPrint(UINT nMinPage, UINT nMaxPage, bool bRangeChosen, UINT nFromPage,
                           UINT nToPage) {
  if (!bRangeChosen) return {nMinPage, nMaxPage};
  if (nFromPage > nToPage) std::swap(nFromPage, nToPage);
  return {std::max(nFromPage, nMinPage), std::min(nToPage, nMaxPage)};
}
