#include "editor/core/DocEditSnapshot.h"

void CEditSnapshot::ClearLayouts() {
  for (int i = 0; i < layouts.GetSize(); i++) delete layouts[i];
  for (int i = 0; i < layoutsBefore.GetSize(); i++) delete layoutsBefore[i];
  for (int i = 0; i < layoutsAfter.GetSize(); i++) delete layoutsAfter[i];
  layouts.RemoveAll();
  layoutsBefore.RemoveAll();
  layoutsAfter.RemoveAll();
}

void CEditSnapshot::Reset() {
  type = 0;
  side = 0;
  letterBefore = pointBefore = letterAfter = pointAfter = 0;
  attrBefore = attrAfter = 0;
  posBefore.Reset();
  posAfter.Reset();
  param1 = param2 = 0xFFFFFFFF;
  param3 = 0;
  param4 = param5 = 0;
  param6 = 0;
  face1.Empty();
  face2.Empty();
  for (DWORD& v : values) v = 0;
  values[0] = 1;
  pageIndex = 0xFFFFFFFF;
  pageLayout = CPageLayout();
  scope = 0;
  deletedRange.Reset();
  deletedLetters.Empty();
  deletedPoints.RemoveAll();
  deletedAttrs.RemoveAll();
  lineFormats.RemoveAll();
  charCounts.RemoveAll();
  for (DWORD& v : rangeEnds) v = 0;
  ClearLayouts();
  pages.RemoveAll();
  changeStart.Reset();
  replacedLetters.Empty();
  replacedPoints.RemoveAll();
  replacedAttrs.RemoveAll();
  insertedLetters.Empty();
  insertedPoints.RemoveAll();
  insertedAttrs.RemoveAll();
  paragraphFormatsBefore.RemoveAll();
  paragraphFormatsAfter.RemoveAll();
  layoutPagesBefore[0] = layoutPagesBefore[1] = 0;
  layoutPagesAfter[0] = layoutPagesAfter[1] = 0;
  for (int side = 0; side < 2; side++) {
    sectionsBefore[side].RemoveAll();
    sectionsAfter[side].RemoveAll();
  }
  headAttrs[0] = headAttrs[1] = 0;
}

bool SameSpans(const CEditSpanArray& a, const CEditSpanArray& b) {
  if (a.GetSize() != b.GetSize()) return false;
  for (int i = 0; i < a.GetSize(); i++)
    if (a[i] != b[i]) return false;
  return true;
}

BOOL CEditSnapshot::HasSections() const {
  for (int side = 0; side < 2; side++)
    if (sectionsBefore[side].GetSize() > 0 || sectionsAfter[side].GetSize() > 0) return TRUE;
  return FALSE;
}

static void CopyLayouts(CArray<CPageLayout*, CPageLayout*>& to,
                        const CArray<CPageLayout*, CPageLayout*>& from) {
  for (int i = 0; i < from.GetSize(); i++) to.Add(new CPageLayout(*from[i]));
}

void CEditSnapshot::CopyFrom(const CEditSnapshot& o) {
  if (this == &o) return;
  Reset();
  type = o.type;
  side = o.side;
  letterBefore = o.letterBefore;
  pointBefore = o.pointBefore;
  attrBefore = o.attrBefore;
  posBefore = o.posBefore;
  letterAfter = o.letterAfter;
  pointAfter = o.pointAfter;
  attrAfter = o.attrAfter;
  posAfter = o.posAfter;
  param1 = o.param1;
  param2 = o.param2;
  param3 = o.param3;
  param4 = o.param4;
  param5 = o.param5;
  param6 = o.param6;
  face1 = o.face1;
  face2 = o.face2;
  for (int i = 0; i < 10; i++) values[i] = o.values[i];
  pageIndex = o.pageIndex;
  pageLayout = o.pageLayout;
  scope = o.scope;
  deletedRange = o.deletedRange;
  deletedLetters = o.deletedLetters;
  deletedPoints.Copy(o.deletedPoints);
  deletedAttrs.Copy(o.deletedAttrs);
  lineFormats.Copy(o.lineFormats);
  charCounts.Copy(o.charCounts);
  for (int i = 0; i < 5; i++) rangeEnds[i] = o.rangeEnds[i];
  CopyLayouts(layouts, o.layouts);
  pages.Copy(o.pages);
  changeStart = o.changeStart;
  replacedLetters = o.replacedLetters;
  replacedPoints.Copy(o.replacedPoints);
  replacedAttrs.Copy(o.replacedAttrs);
  insertedLetters = o.insertedLetters;
  insertedPoints.Copy(o.insertedPoints);
  insertedAttrs.Copy(o.insertedAttrs);
  paragraphFormatsBefore.Copy(o.paragraphFormatsBefore);
  paragraphFormatsAfter.Copy(o.paragraphFormatsAfter);
  CopyLayouts(layoutsBefore, o.layoutsBefore);
  CopyLayouts(layoutsAfter, o.layoutsAfter);
  for (int s = 0; s < 2; s++) {
    layoutPagesBefore[s] = o.layoutPagesBefore[s];
    layoutPagesAfter[s] = o.layoutPagesAfter[s];
    sectionsBefore[s].Copy(o.sectionsBefore[s]);
    sectionsAfter[s].Copy(o.sectionsAfter[s]);
    headAttrs[s] = o.headAttrs[s];
  }
}
