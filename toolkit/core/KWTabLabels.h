// The tab control's arithmetic: the area its tab windows fill, cycling and
// the selection after a delete, labels shortened to fit the control and
// padded so that a bold label keeps its tab's width.
#pragma once

#include <functional>
#include <vector>

#include "classlib/core/CString.h"
#include "classlib/core/Geometry.h"
#include "classlib/core/WinTypes.h"

// Tab control style bits (the platform's TCS_*).
constexpr DWORD kKWTabBottomOrRight = 0x0002;
constexpr DWORD kKWTabVertical = 0x0080;
constexpr DWORD kKWTabMultiline = 0x0200;

enum class KWTabSide { kTop, kBottom, kLeft, kRight };
KWTabSide KWTabSideFor(DWORD dwStyle);

// The area a tab's window fills: empty with nothing selected, else the
// client less a margin, and on the tab side less the rows of tabs, which are
// as deep as the selected tab.
CRect KWTabClientArea(const CRect& client, DWORD dwStyle, bool bSelected, int nRows,
                      CSize selectedTab);

// Ctrl+Tab and F6 cycling, wrapping at both ends; -1 without tabs.
int KWNextTab(int nSelected, int nCount);
int KWPrevTab(int nSelected, int nCount);
// The tab selected once tab nDeleted is gone and nRemaining are left; -1
// when none is.
int KWSelectionAfterDelete(int nDeleted, int nRemaining);

// A text's width in the font being measured.
using KWTextWidth = std::function<int(const CString&)>;

struct KWTabLabel {
  CString label;
  bool bImage = false;
};

struct KWTabFitOptions {
  int nAvailable = 0;      // the client's width, or height for vertical tabs
  bool bShorten = false;   // the label-shortening flag
  DWORD dwStyle = 0;
  int nAvgCharWidth = 0;   // the font's average character width
};

// The text each tab shows: its full label, or, when shortening is on and the
// tabs do not fit, the widest labels cut behind a "..." one at a time, never
// below six average characters. Empty when there is no length to fit.
std::vector<CString> KWFitTabLabels(const std::vector<KWTabLabel>& tabs,
                                    const KWTabFitOptions& options, const KWTextWidth& width);

// The label with blanks added alternately before and after until it is as
// wide in the regular font as in the bold one.
CString KWPadLabel(const CString& label, const KWTextWidth& boldWidth,
                   const KWTextWidth& regularWidth);
