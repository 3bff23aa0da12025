#include "toolkit/core/KWTabLabels.h"

#include <algorithm>

namespace {

constexpr int kClientMargin = 3;
constexpr int kTabRowsExtra = 5;  // beyond the rows of tabs

// A tab's width beyond its text.
constexpr int kTabTextMargin = 12;
constexpr int kSingleCharExtra = 1;
constexpr int kImageWidth = 22;
// The control's own room beyond its tabs.
constexpr int kRoomHorizontal = 4;
constexpr int kRoomVerticalOrMultiline = 5;
// A label is never cut below this many average characters.
constexpr int kMinLabelChars = 6;

const char kEllipsis[] = "...";
constexpr int kEllipsisLength = sizeof(kEllipsis) - 1;

bool EndsWithEllipsis(const CString& s) {
  return s.GetLength() >= kEllipsisLength && s.Right(kEllipsisLength) == kEllipsis;
}

int TabWidth(const CString& label, bool bImage, const KWTextWidth& width) {
  return width(label) + kTabTextMargin + (label.GetLength() == 1 ? kSingleCharExtra : 0) +
         (bImage ? kImageWidth : 0);
}

// One shortening step of the widest label: cut behind "..." until its tab
// is narrower than nBefore. Marks it finished once it is "..." alone or at
// the minimum width. Returns the new tab width.
int ShortenOnce(CString& shown, bool bImage, int nBefore, int nMinWidth,
                const KWTextWidth& width, bool& bFinished) {
  if (nBefore <= nMinWidth) {
    bFinished = true;
    return nBefore;
  }
  if (!EndsWithEllipsis(shown)) shown += kEllipsis;
  for (;;) {
    int w = TabWidth(shown, bImage, width);
    if (shown == kEllipsis || w <= nMinWidth) {
      bFinished = true;
      return w;
    }
    if (w < nBefore) return w;
    shown.Delete(shown.GetLength() - kEllipsisLength - 1);
  }
}

}  // namespace

KWTabSide KWTabSideFor(DWORD dwStyle) {
  const bool bFar = (dwStyle & kKWTabBottomOrRight) != 0;
  if (dwStyle & kKWTabVertical) return bFar ? KWTabSide::kRight : KWTabSide::kLeft;
  return bFar ? KWTabSide::kBottom : KWTabSide::kTop;
}

CRect KWTabClientArea(const CRect& client, DWORD dwStyle, bool bSelected, int nRows,
                      CSize selectedTab) {
  if (!bSelected) return CRect();
  CRect area = client;
  area.DeflateRect(kClientMargin, kClientMargin);
  const KWTabSide side = KWTabSideFor(dwStyle);
  const bool bVertical = side == KWTabSide::kLeft || side == KWTabSide::kRight;
  const int tabs = nRows * (bVertical ? selectedTab.cx : selectedTab.cy) + kTabRowsExtra;
  switch (side) {
    case KWTabSide::kTop: area.top = client.top + tabs; break;
    case KWTabSide::kBottom: area.bottom = client.bottom - tabs; break;
    case KWTabSide::kLeft: area.left = client.left + tabs; break;
    case KWTabSide::kRight: area.right = client.right - tabs; break;
  }
  return area;
}

int KWNextTab(int nSelected, int nCount) {
  if (nCount <= 0) return -1;
  int next = nSelected + 1;
  return next >= nCount || next < 0 ? 0 : next;
}

int KWPrevTab(int nSelected, int nCount) {
  if (nCount <= 0) return -1;
  int prev = nSelected - 1;
  return prev < 0 || prev >= nCount ? nCount - 1 : prev;
}

int KWSelectionAfterDelete(int nDeleted, int nRemaining) {
  if (nRemaining <= 0) return -1;
  if (nDeleted <= 0) return 0;
  return std::min(nDeleted - 1, nRemaining - 1);
}

std::vector<CString> KWFitTabLabels(const std::vector<KWTabLabel>& tabs,
                                    const KWTabFitOptions& options, const KWTextWidth& width) {
  if (options.nAvailable == 0) return {};
  std::vector<CString> shown;
  std::vector<int> widths;
  int total = 0;
  for (const KWTabLabel& tab : tabs) {
    shown.push_back(tab.label);
    widths.push_back(TabWidth(tab.label, tab.bImage, width));
    total += widths.back();
  }
  if (!options.bShorten) return shown;

  total += options.dwStyle & (kKWTabVertical | kKWTabMultiline) ? kRoomVerticalOrMultiline
                                                                 : kRoomHorizontal;
  const int minWidth = kMinLabelChars * options.nAvgCharWidth + kTabTextMargin;
  std::vector<bool> finished(tabs.size(), false);
  while (total > options.nAvailable) {
    int widest = -1;
    for (int i = 0; i < static_cast<int>(tabs.size()); ++i)
      if (!finished[i] && (widest < 0 || widths[i] > widths[widest])) widest = i;
    if (widest < 0) break;
    bool bFinished = false;
    int after = ShortenOnce(shown[widest], tabs[widest].bImage, widths[widest], minWidth, width,
                            bFinished);
    finished[widest] = bFinished;
    total -= widths[widest] - after;
    widths[widest] = after;
  }
  return shown;
}

CString KWPadLabel(const CString& label, const KWTextWidth& boldWidth,
                   const KWTextWidth& regularWidth) {
  if (label.IsEmpty()) return label;
  CString padded = label;
  int gap = boldWidth(padded) - regularWidth(padded);
  bool bFront = true;
  while (gap > 0) {
    if (bFront)
      padded.Insert(0, ' ');
    else
      padded += ' ';
    bFront = !bFront;
    int next = boldWidth(padded) - regularWidth(padded);
    // A blank that closes nothing of the gap would pad for ever.
    if (next >= gap) break;
    gap = next;
  }
  return padded;
}
