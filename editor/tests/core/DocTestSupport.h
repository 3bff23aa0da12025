// Helpers shared by the text-model tests: a recording UI sink, a model with
// small pages over the fixed metrics, text entry and an invariant checker
// over the whole node structure.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <unordered_map>
#include <vector>

#include "editor/core/DocTextModel.h"
#include "editor/core/EdMulDiv.h"
#include "editor/core/FixedDocMetrics.h"

class RecordingUISink : public IDocUISink {
 public:
  CSize GetClientSize() override { return CSize(800, 600); }
  void SetScrollSizes(CSize total, CSize, CSize) override {
    scrollTotal = total;
    scrollCalls++;
  }
  void Redraw() override { redraws++; }
  void OnLayoutChanged(int) override { layouts++; }
  void SetModifiedFlag() override { modified++; }

  CSize scrollTotal;
  int scrollCalls = 0, redraws = 0, layouts = 0, modified = 0;
};

// A page of 3 by 3 inches with quarter-inch margins: 240 by 240 pixels of text
// at 96 dots per inch, a dozen lines of about twenty characters.
inline PageSettingsRec SmallPage() {
  PageSettingsRec rec;
  rec.paperCode = 0;
  rec.length = 3000;
  rec.width = 3000;
  rec.leftMargin = rec.topMargin = rec.rightMargin = rec.bottomMargin = 250;
  return rec;
}

struct TestDoc {
  explicit TestDoc(const PageSettingsRec& page = SmallPage()) : model(metrics, ui) {
    DocSideDefaults defaults[kDocSideCount];
    for (int side = 0; side < kDocSideCount; side++) {
      defaults[side].face = side == 0 ? "Times New Roman" : "Pomlar Sephardi 2";
      defaults[side].pointSize = 12;
      defaults[side].pageSettings = page;
      defaults[side].tabInterval = 500;
    }
    model.InitContents(defaults);
    model.CreateEmptySides();
  }

  DocCharNode* Head(int side = 1) { return model.GetHead(side); }

  // Types text after `after` one character at a time, each followed by its
  // relayout; returns the last node typed.
  DocCharNode* Type(int side, DocCharNode* after, const std::string& text) {
    for (char ch : text) {
      DocCharNode* node = model.InsertCharAfter(after, static_cast<BYTE>(ch), 0);
      model.MeasureCharNode(node, side);
      model.Reformat(side, node, node);
      after = node;
    }
    return after;
  }

  // Appends text to the side as a file load does: in bulk, then one layout.
  void Load(int side, const std::string& text) {
    model.SetBulkInsert(TRUE);
    DocCharNode* after = Head(side);
    while (after->next != nullptr) after = after->next;
    for (char ch : text) {
      after = model.InsertCharAfter(after, static_cast<BYTE>(ch), 0);
      model.MeasureCharNode(after, side);
    }
    model.SetBulkInsert(FALSE);
    model.ReformatSide(side);
  }

  std::string Text(int side) {
    std::string s;
    for (DocCharNode* c = Head(side)->next; c != nullptr; c = c->next)
      s += static_cast<char>(c->letter);
    return s;
  }

  FixedDocMetrics metrics;
  RecordingUISink ui;
  DocTextModel model;
};

// The order of the side's characters, for positions by index.
inline std::vector<DocCharNode*> SideChars(DocTextModel& model, int side) {
  std::vector<DocCharNode*> chars;
  for (DocCharNode* c = model.GetHead(side); c != nullptr; c = c->next) chars.push_back(c);
  return chars;
}

// Positions of a side's characters by node.
class CharIndex {
 public:
  explicit CharIndex(const std::vector<DocCharNode*>& chars) {
    for (size_t i = 0; i < chars.size(); i++) m_index[chars[i]] = static_cast<int>(i);
  }
  int operator()(const DocCharNode* node) const {
    auto it = m_index.find(node);
    return it == m_index.end() ? -1 : it->second;
  }

 private:
  std::unordered_map<const DocCharNode*, int> m_index;
};

// The height the line would have if it were fitted to the layout.
inline int HeightFittedTo(DocTextModel& model, DocLineNode* line, const CPageLayout& layout) {
  int width;
  DocCharNode* brk = model.FindLineBreak(line, layout, width, 0);
  int height = 0;
  for (const DocCharNode* c = line->first; c != brk; c = c->next)
    height = std::max<int>(height, c->height);
  UINT spaceIndex = FormatLineSpace(line->format);
  if (spaceIndex != 0) height += EdMulDiv(model.GetLineSpace(spaceIndex), height, 100);
  return height;
}

// Checks every link and bound of a side. With laidOut also the layout: each
// line's cache, its place on its page, and that it is fitted.
inline void CheckSide(DocTextModel& model, int side, bool laidOut) {
  SCOPED_TRACE("side " + std::to_string(side));
  CString fault = model.FindStructureFault(side);
  ASSERT_TRUE(fault.IsEmpty()) << static_cast<LPCSTR>(fault);
  if (!laidOut) return;
  std::vector<DocLineNode*> lines;
  for (DocLineNode* l = model.GetHead(side)->line; l != nullptr; l = l->next) lines.push_back(l);
  std::vector<DocPageNode*> pages;
  for (DocPageNode* p = lines[0]->page; p != nullptr; p = p->next) pages.push_back(p);

  // Every line where a fresh fit and flow put it.
  int pageIndex = -1, y = 0;
  for (size_t i = 0; i < lines.size(); i++) {
    DocLineNode* l = lines[i];
    SCOPED_TRACE("line " + std::to_string(i));
    if (l->page != nullptr) {
      pageIndex++;
      y = 0;
    } else if (IsBreakLetter(l->first->letter)) {
      ASSERT_NE(l->first->letter, kLetterPageBreak) << "a page break must begin a page";
    }
    CPageLayout* layout = model.GetNthLayout(side, pageIndex);
    ASSERT_EQ(l->cache.layout, layout);
    ASSERT_EQ(l->cache.first, l->first);
    ASSERT_EQ(l->cache.last, l->last);
    ASSERT_EQ(l->cache.height, model.LineHeight(l));
    // A section's columns are fitted to the page it begins on.
    const CPageLayout* fitLayout =
        l->section != nullptr ? model.GetPageLayout(model.GetLinePage(l->section->first)) : layout;
    int width;
    DocCharNode* brk = model.FindLineBreak(l, *fitLayout, width, 0);
    ASSERT_EQ(brk, l->next != nullptr ? l->next->first : nullptr);
    ASSERT_EQ(l->cache.width, width);
    if (l->section == nullptr) {
      ASSERT_EQ(l->cache.top, y);
      if (y > 0) {
        ASSERT_LE(y + l->cache.height, layout->textRect.Height()) << "overflows its page";
      }
      y += l->cache.height;
    } else if (l->next == nullptr || l->next->section != l->section) {
      ASSERT_GT(l->section->rows.GetSize(), 0) << "section not laid out";
      const CLayoutRow& row = l->section->rows[l->section->rows.GetUpperBound()];
      y = row.first->cache.top + row.height;  // after the section's last row
    }
  }
  // A section is one run of lines.
  for (size_t i = 0; i < lines.size(); i++) {
    DocSection* section = lines[i]->section;
    if (section == nullptr || section->first != lines[i]) continue;
    size_t k = i;
    while (k < lines.size() && lines[k]->section == section) k++;
    ASSERT_EQ(section->last, lines[k - 1]) << "section at line " << i;
    ASSERT_GT(section->rows.GetSize(), 0);
  }
  // A page that ends early does so because its next line, fitted to it,
  // would not fit (on a page of another width the line may differ).
  for (size_t i = 0; i + 1 < pages.size(); i++) {
    DocLineNode* next = pages[i + 1]->first;
    if (next->first->letter == kLetterPageBreak || next->section != nullptr) continue;
    DocLineNode* last = next->prev;
    if (last->section != nullptr) continue;
    CPageLayout* layout = model.GetNthLayout(side, static_cast<int>(i));
    ASSERT_GT(last->cache.top + last->cache.height + HeightFittedTo(model, next, *layout),
              layout->textRect.Height())
        << "page " << i << " ends before it is full";
  }
}

inline void CheckModel(DocTextModel& model, bool laidOut) {
  for (int side = 0; side < kDocSideCount; side++) {
    CheckSide(model, side, laidOut);
    if (::testing::Test::HasFatalFailure()) return;
  }
}

// The layout of a side by positions and values, to compare two models.
struct SideLayoutDump {
  std::vector<int> lineStarts, lineLasts, tops, heights, widths, lineLayouts, pageStarts;
  std::vector<CRect> layoutRects;
  bool operator==(const SideLayoutDump& o) const {
    return lineStarts == o.lineStarts && lineLasts == o.lineLasts && tops == o.tops &&
           heights == o.heights && widths == o.widths && lineLayouts == o.lineLayouts &&
           pageStarts == o.pageStarts && layoutRects == o.layoutRects;
  }
};

inline SideLayoutDump DumpLayout(DocTextModel& model, int side) {
  SideLayoutDump d;
  std::vector<DocCharNode*> chars = SideChars(model, side);
  CharIndex IndexOf(chars);
  std::vector<CPageLayout*> layouts;
  for (CPageLayout* l = model.GetFirstLayout(side); l != nullptr; l = l->next) {
    layouts.push_back(l);
    d.layoutRects.push_back(l->textRect);
  }
  int index = 0;
  for (DocLineNode* l = model.GetHead(side)->line; l != nullptr; l = l->next, index++) {
    d.lineStarts.push_back(IndexOf(l->first));
    d.lineLasts.push_back(l->last != nullptr ? IndexOf(l->last) : -1);
    d.tops.push_back(l->cache.top);
    d.heights.push_back(l->cache.height);
    d.widths.push_back(l->cache.width);
    int li = -1;
    for (size_t k = 0; k < layouts.size(); k++)
      if (layouts[k] == l->cache.layout) li = static_cast<int>(k);
    d.lineLayouts.push_back(li);
    if (l->page != nullptr) d.pageStarts.push_back(index);
  }
  return d;
}
