// Page settings of the sides and the geometry of the pages shown side by side:
// page rectangles, their union, the document height and the scroll sizes.
#include "editor/core/DocTextModel.h"

#include <algorithm>
#include <array>
#include <cassert>

#include "editor/core/EdMulDiv.h"

void DocTextModel::ComputeLayoutMetrics(CPageLayout& layout) const {
  layout.ComputeMetrics(m_metrics.GetPixelsPerInchX(), m_metrics.GetPixelsPerInchY());
}

BOOL DocTextModel::SetSideDefaultLayout(int side, const PageSettingsRec& settings,
                                        DWORD tabInterval, const CDWordArray& tabStops) {
  CPageLayout layout;
  layout.side = side;
  layout.settings = settings;
  layout.tabInterval = tabInterval;
  layout.tabStops.Copy(tabStops);
  ComputeLayoutMetrics(layout);
  if (!layout.HasTextArea()) return FALSE;
  m_sides[side].defaultLayout = layout;
  return TRUE;
}

// Takes another layout's settings and tab stops into a page of the side.
static void TakeSettings(CPageLayout& target, const CPageLayout& source, int side) {
  target = source;
  target.side = side;
}

BOOL DocTextModel::ApplyPageSettings(int side, const CPageLayout& sheetDefault,
                                     const CArray<CPageLayout*, CPageLayout*>& sheetLayouts) {
  for (int i = 0; i < sheetLayouts.GetSize(); i++) {
    CPageLayout check;
    check = *sheetLayouts[i];
    ComputeLayoutMetrics(check);
    if (!check.HasTextArea()) return FALSE;
  }
  CPageLayout checkDefault;
  checkDefault = sheetDefault;
  ComputeLayoutMetrics(checkDefault);
  if (!checkDefault.HasTextArea()) return FALSE;
  checkDefault.side = side;
  if (checkDefault != m_sides[side].defaultLayout) m_sides[side].defaultLayout = checkDefault;

  int other = 1 - side;
  int firstChanged = -1, lastChanged = -1;
  CPageLayout* layout = GetFirstLayout(side);
  // A sheet with more pages than the side has leaves the extra ones: a page
  // exists only with lines on it.
  for (int i = 0; i < sheetLayouts.GetSize() && layout != nullptr; i++, layout = layout->next) {
    CPageLayout wanted;
    TakeSettings(wanted, *sheetLayouts[i], side);
    ComputeLayoutMetrics(wanted);
    if (wanted == *layout) continue;
    *layout = wanted;
    if (firstChanged < 0) firstChanged = i;
    lastChanged = i;
    CPageLayout* otherLayout = GetNthLayout(other, i);
    if (otherLayout != nullptr && !otherLayout->HasSamePageSize(*layout)) {
      otherLayout->settings = layout->settings;
      ComputeLayoutMetrics(*otherLayout);
    }
  }
  if (firstChanged < 0) return TRUE;
  UpdatePageUnion();
  DocPageNode* first = GetNthPage(side, firstChanged);
  DocPageNode* last = GetNthPage(side, lastChanged);
  DocCharNode* end = last->next != nullptr ? last->next->first->first->prev
                                           : GetLineLastChar(GetPageLastLine(last));
  Reformat(side, first->first->first, end);
  UpdateScrollSizes();
  m_ui.Redraw();
  m_ui.SetModifiedFlag();
  return TRUE;
}

BOOL DocTextModel::ApplyPageSettingsRange(int side, const CPageLayout& settings, int scope,
                                          int page) {
  CPageLayout wanted;
  TakeSettings(wanted, settings, side);
  ComputeLayoutMetrics(wanted);
  if (!wanted.HasTextArea()) return FALSE;
  DocPageNode* pageNode = scope == 2 ? GetFirstPage(side) : GetNthPage(side, page);
  if (pageNode == nullptr) return FALSE;
  if (scope != 0) m_sides[side].defaultLayout = wanted;

  int other = 1 - side;
  int index = GetPageIndex(pageNode);
  for (CPageLayout* layout = GetNthLayout(side, index); layout != nullptr;
       layout = layout->next, index++) {
    if (wanted != *layout) {
      *layout = wanted;
      CPageLayout* otherLayout = GetNthLayout(other, index);
      if (otherLayout != nullptr && !otherLayout->HasSamePageSize(*layout)) {
        otherLayout->settings = layout->settings;
        ComputeLayoutMetrics(*otherLayout);
      }
    }
    if (scope == 0) break;
  }
  UpdatePageUnion();
  DocCharNode* start = pageNode->first->first;
  DocCharNode* end;
  if (scope == 0 && pageNode->next != nullptr)
    end = pageNode->next->first->first->prev;
  else
    end = GetLineLastChar(GetPageLastLine(GetLastPage(side)));
  Reformat(side, start, end);
  UpdateScrollSizes();
  m_ui.Redraw();
  m_ui.SetModifiedFlag();
  return TRUE;
}

const CPageLayout* DocTextModel::GetPrintLayout(int index) const {
  const CPageLayout* layout = GetNthLayout(0, index);
  return layout != nullptr ? layout : GetNthLayout(1, index);
}

BOOL DocTextModel::PageSizesDiffer(int first, int last) const {
  int count = std::max(GetPageCount(0), GetPageCount(1));
  if (first < 0) first = 0;
  if (last < 0 || last >= count) last = count - 1;
  for (int i = first; i < last; i++) {
    const CPageLayout* a = GetPrintLayout(i);
    const CPageLayout* b = GetPrintLayout(i + 1);
    if (a != nullptr && b != nullptr && !a->HasSamePageSize(*b)) return TRUE;
  }
  return FALSE;
}

namespace {

// The pages shown at one index: the layout of each side's page there, null
// where the side has fewer pages.
using PageLayouts = std::array<const CPageLayout*, kDocSideCount>;

CRect UnitedRect(const PageLayouts& layouts) {
  CRect rect(0, 0, 0, 0);
  for (const CPageLayout* layout : layouts) {
    if (layout == nullptr) continue;
    if (rect.IsRectEmpty())
      rect = layout->textRect;
    else
      rect.UnionRect(&rect, &layout->textRect);
  }
  return rect;
}

bool AnyLandscape(const PageLayouts& layouts) {
  for (const CPageLayout* layout : layouts)
    if (layout != nullptr && layout->IsLandscape()) return true;
  return false;
}

// Calls visit(layouts) for each page index in order, walking the sides'
// layout lists together so that the whole document costs one pass.
template <typename Visit>
void ForEachPageIndex(const DocTextModel& model, Visit visit) {
  int count = std::max(model.GetPageCount(0), model.GetPageCount(1));
  PageLayouts layouts;
  for (int side = 0; side < kDocSideCount; side++) layouts[side] = model.GetFirstLayout(side);
  for (int i = 0; i < count; i++) {
    visit(layouts);
    for (const CPageLayout*& layout : layouts)
      if (layout != nullptr) layout = layout->next;
  }
}

PageLayouts LayoutsAt(const DocTextModel& model, int index) {
  PageLayouts layouts;
  for (int side = 0; side < kDocSideCount; side++) layouts[side] = model.GetNthLayout(side, index);
  return layouts;
}

int SumPageHeights(const DocTextModel& model, int spacing) {
  int height = 0;
  ForEachPageIndex(model, [&](const PageLayouts& layouts) {
    height += UnitedRect(layouts).Height() + spacing;
  });
  return height;
}

}  // namespace

CRect DocTextModel::GetPageRect(int index) const { return UnitedRect(LayoutsAt(*this, index)); }

int DocTextModel::GetPageOrientation(int index) const {
  return AnyLandscape(LayoutsAt(*this, index)) ? 2 : 1;
}

void DocTextModel::UpdatePageUnion() {
  m_pageUnion.SetRectEmpty();
  m_orientationSummary = 1;
  ForEachPageIndex(*this, [&](const PageLayouts& layouts) {
    CRect rect = UnitedRect(layouts);
    if (m_pageUnion.IsRectEmpty())
      m_pageUnion = rect;
    else if (!rect.IsRectEmpty())
      m_pageUnion.UnionRect(&m_pageUnion, &rect);
    if (AnyLandscape(layouts)) m_orientationSummary = 2;
  });
  m_documentHeight = SumPageHeights(*this, m_pageSpacingY);
  m_pageListChanges++;
}

int DocTextModel::GetDocumentHeight() const {
  if (m_documentHeight == kHeightUnknown)
    m_documentHeight = SumPageHeights(*this, m_pageSpacingY);
  // Whatever changes a page's size must say so through UpdatePageUnion.
  assert(m_documentHeight == SumPageHeights(*this, m_pageSpacingY));
  return m_documentHeight;
}

void DocTextModel::UpdateScrollSizes() {
  CSize total(m_pageUnion.Width() + m_pageSpacingX, GetDocumentHeight());
  CSize page = m_ui.GetClientSize();
  CSize line(EdMulDiv(m_metrics.GetPixelsPerInchX(), 1, 4),
             EdMulDiv(m_metrics.GetPixelsPerInchY(), 1, 4));
  if (total == m_scrollTotal && page == m_scrollPage && line == m_scrollLine) return;
  m_scrollTotal = total;
  m_scrollPage = page;
  m_scrollLine = line;
  m_ui.SetScrollSizes(total, page, line);
}
