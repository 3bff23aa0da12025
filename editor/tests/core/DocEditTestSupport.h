// A document with its editor, and a snapshot of everything an undo must give
// back: text, points, attributes, line formats, layouts and the selection.
#pragma once

#include <string>
#include <vector>

#include "editor/core/DocEditor.h"
#include "editor/tests/core/DocTestSupport.h"
#include "hebtext/core/InsertMode.h"

// The two sides of a document.
constexpr int kEnglish = 0;
constexpr int kHebrew = 1;

struct EditDoc : TestDoc {
  EditDoc() : editor(model, ui) { g_insertMode = 1; }
  ~EditDoc() { g_insertMode = 1; }

  void TypeKeys(const std::string& keys) {
    for (char ch : keys) editor.TypeChar(static_cast<BYTE>(ch));
  }

  DocEditor editor;
};

struct SideState {
  std::vector<int> letters, points;
  std::vector<DWORD> attrs, formats;
  std::vector<std::string> layouts;  // settings as bytes
  std::vector<CRect> rects;
  std::string defaultLayout;
  SideLayoutDump dump;
  int caret = -1, anchor = -1;
  std::vector<int> sectionLines;             // per line: index of its section's first line, -1 none
  std::vector<std::string> sectionSettings;  // per line: its section's settings, "" none

  bool operator==(const SideState& o) const {
    return letters == o.letters && points == o.points && attrs == o.attrs && formats == o.formats &&
           layouts == o.layouts && rects == o.rects && defaultLayout == o.defaultLayout &&
           dump == o.dump && caret == o.caret && anchor == o.anchor &&
           sectionLines == o.sectionLines && sectionSettings == o.sectionSettings;
  }
};

inline std::string SettingsBytes(const PageSettingsRec& rec) {
  return std::string(reinterpret_cast<const char*>(&rec), sizeof(rec));
}

inline std::string SectionSettings(const DocSection* s) {
  if (s == nullptr) return "";
  return std::to_string(s->columnCount) + " " + std::to_string(s->gap) + " " +
         std::to_string(s->gapInUnit) + " " + std::to_string(s->unit) + " " +
         std::to_string(s->fileValue);
}

inline SideState CaptureSide(DocTextModel& model, int side) {
  SideState s;
  std::vector<DocCharNode*> chars = SideChars(model, side);
  CharIndex IndexOf(chars);
  for (size_t i = 1; i < chars.size(); i++) {
    s.letters.push_back(chars[i]->letter);
    s.points.push_back(chars[i]->point);
    s.attrs.push_back(chars[i]->attributes);
  }
  std::vector<DocLineNode*> lines;
  for (DocLineNode* l = model.GetHead(side)->line; l != nullptr; l = l->next) {
    s.formats.push_back(l->format);
    lines.push_back(l);
  }
  for (DocLineNode* l : lines) {
    int first = -1;
    for (size_t k = 0; k < lines.size() && l->section != nullptr; k++)
      if (lines[k] == l->section->first) first = static_cast<int>(k);
    s.sectionLines.push_back(first);
    s.sectionSettings.push_back(SectionSettings(l->section));
  }
  for (CPageLayout* l = model.GetFirstLayout(side); l != nullptr; l = l->next) {
    s.layouts.push_back(SettingsBytes(l->settings));
    s.rects.push_back(l->textRect);
  }
  s.defaultLayout = SettingsBytes(model.Side(side).defaultLayout.settings);
  s.dump = DumpLayout(model, side);
  s.caret = IndexOf(model.Side(side).caret);
  s.anchor = model.Side(side).anchor != nullptr ? IndexOf(model.Side(side).anchor) : -1;
  return s;
}

struct DocState {
  SideState sides[kDocSideCount];
  bool operator==(const DocState& o) const {
    return sides[0] == o.sides[0] && sides[1] == o.sides[1];
  }
};

// Caret, anchor and selection marks left out: a step gives back only the
// selection of its own side, as it was when the step began.
inline DocState WithoutSelection(DocState d) {
  for (SideState& s : d.sides) {
    s.caret = s.anchor = 0;
    for (DWORD& a : s.attrs) a &= ~CharAttrBits::kTransientMark;
  }
  return d;
}

// The fields in which two states differ, for failure messages.
inline std::string DescribeDifference(const DocState& a, const DocState& b) {
  std::string out;
  for (int side = 0; side < kDocSideCount; side++) {
    const SideState &x = a.sides[side], &y = b.sides[side];
    std::string s = "side " + std::to_string(side) + ":";
    if (x.letters != y.letters)
      s += " letters " + std::to_string(x.letters.size()) + "/" + std::to_string(y.letters.size());
    if (x.points != y.points) s += " points";
    if (x.attrs != y.attrs) {
      s += " attributes";
      for (size_t i = 0; i < x.attrs.size() && i < y.attrs.size(); i++)
        if (x.attrs[i] != y.attrs[i]) {
          s += " at " + std::to_string(i) + " " + std::to_string(x.attrs[i]) + "/" +
               std::to_string(y.attrs[i]);
          break;
        }
    }
    if (x.formats != y.formats) {
      s += " formats " + std::to_string(x.formats.size()) + "/" + std::to_string(y.formats.size());
      for (size_t i = 0; i < x.formats.size() && i < y.formats.size(); i++)
        if (x.formats[i] != y.formats[i]) {
          s += " at line " + std::to_string(i) + " " + std::to_string(x.formats[i]) + "/" +
               std::to_string(y.formats[i]);
          break;
        }
    }
    if (x.layouts != y.layouts || x.rects != y.rects) {
      s += " layouts " + std::to_string(x.layouts.size()) + "/" + std::to_string(y.layouts.size());
      for (size_t i = 0; i < x.layouts.size() && i < y.layouts.size(); i++)
        if (x.layouts[i] != y.layouts[i] || x.rects[i] != y.rects[i]) {
          s += " first differing " + std::to_string(i);
          break;
        }
    }
    if (x.defaultLayout != y.defaultLayout) s += " default-layout";
    if (!(x.dump == y.dump)) {
      s += " line-layout";
      const SideLayoutDump &p = x.dump, &q = y.dump;
      for (size_t i = 0; i < p.lineStarts.size() && i < q.lineStarts.size(); i++)
        if (p.lineStarts[i] != q.lineStarts[i] || p.lineLasts[i] != q.lineLasts[i] ||
            p.tops[i] != q.tops[i] || p.heights[i] != q.heights[i] || p.widths[i] != q.widths[i] ||
            p.lineLayouts[i] != q.lineLayouts[i]) {
          s += " from line " + std::to_string(i) + " (start " + std::to_string(p.lineStarts[i]) +
               "/" + std::to_string(q.lineStarts[i]) + ", top " + std::to_string(p.tops[i]) + "/" +
               std::to_string(q.tops[i]) + ")";
          break;
        }
      if (p.pageStarts != q.pageStarts) s += " page starts";
    }
    if (x.caret != y.caret || x.anchor != y.anchor)
      s += " caret " + std::to_string(x.caret) + "/" + std::to_string(y.caret) + " anchor " +
           std::to_string(x.anchor) + "/" + std::to_string(y.anchor);
    if (x.sectionLines != y.sectionLines || x.sectionSettings != y.sectionSettings) {
      s += " sections";
      for (size_t i = 0; i < x.sectionLines.size() && i < y.sectionLines.size(); i++)
        if (x.sectionLines[i] != y.sectionLines[i] ||
            x.sectionSettings[i] != y.sectionSettings[i]) {
          s += " from line " + std::to_string(i);
          break;
        }
    }
    out += s + "; ";
  }
  return out;
}

inline DocState CaptureDoc(DocTextModel& model) {
  DocState d;
  for (int side = 0; side < kDocSideCount; side++) d.sides[side] = CaptureSide(model, side);
  return d;
}
