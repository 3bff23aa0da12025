// The pages of a side and their layouts by index. Both lists are walked once
// into a table after a page or layout comes or goes; every other question
// (a page's index, the nth page or layout, the count) is then answered
// without a walk, so that a key typed on page 2,000 costs what it does on
// page 2.
#include <cassert>

#include "editor/core/DocTextModel.h"

void DocTextModel::OnPagesChanged() {
  for (PageTable& table : m_pageTables) table.valid = false;
  m_documentHeight = kHeightUnknown;
  m_pageListChanges++;
}

const DocTextModel::PageTable& DocTextModel::GetPageTable(int side) const {
  PageTable& table = m_pageTables[side];
  if (table.valid) return table;
  table.pages.clear();
  for (DocPageNode* page = GetFirstPage(side); page != nullptr; page = page->next) {
    page->index = static_cast<int>(table.pages.size());
    table.pages.push_back(page);
  }
  table.layouts.clear();
  for (CPageLayout* layout = m_sides[side].layouts; layout != nullptr; layout = layout->next)
    table.layouts.push_back(layout);
  table.valid = true;
  return table;
}

int DocTextModel::GetPageIndex(const DocPageNode* page) const {
  // Building the table numbers the pages.
  [[maybe_unused]] const PageTable& table = GetPageTable(static_cast<int>(page->side));
  assert(page->index < static_cast<int>(table.pages.size()) && table.pages[page->index] == page);
  return page->index;
}

int DocTextModel::GetPageCount(int side) const {
  return static_cast<int>(GetPageTable(side).pages.size());
}

DocPageNode* DocTextModel::GetLastPage(int side) const {
  const PageTable& table = GetPageTable(side);
  return table.pages.empty() ? nullptr : table.pages.back();
}

DocPageNode* DocTextModel::GetNthPage(int side, int n) const {
  const PageTable& table = GetPageTable(side);
  return n >= 0 && n < static_cast<int>(table.pages.size()) ? table.pages[n] : nullptr;
}

CPageLayout* DocTextModel::GetNthLayout(int side, int n) const {
  const PageTable& table = GetPageTable(side);
  return n >= 0 && n < static_cast<int>(table.layouts.size()) ? table.layouts[n] : nullptr;
}

CPageLayout* DocTextModel::GetPageLayout(const DocPageNode* page) const {
  return GetNthLayout(static_cast<int>(page->side), GetPageIndex(page));
}
