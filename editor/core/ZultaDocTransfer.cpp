#include "editor/core/ZultaDocTransfer.h"

namespace {

ZultaPageLayoutRec ToRecord(const CPageLayout& layout) {
  ZultaPageLayoutRec rec;
  rec.tabInterval = layout.tabInterval;
  rec.tabStops.assign(layout.tabStops.GetData(),
                      layout.tabStops.GetData() + layout.tabStops.GetSize());
  rec.settings = layout.settings;
  return rec;
}

void RecordSection(const DocSection* section, DWORD line, ZultaSideData& out) {
  ZultaSectionRun run;
  run.lineIndex = line;
  run.fileValue = section->fileValue;
  run.columns = static_cast<WORD>(section->columnCount);
  run.unit = section->unit;
  run.gapInUnit = section->gapInUnit;
  out.sections.push_back(run);
}

// The file gives only where each run of columns begins, so lines that leave
// a section for plain text begin a one-column run, which loads as no section.
void RecordSectionEnd(DWORD line, ZultaSideData& out) {
  ZultaSectionRun run;
  run.lineIndex = line;
  out.sections.push_back(run);
}

}  // namespace

namespace {

void CollectSideDefaults(const DocSideState& state, ZultaSideData& out) {
  for (int i = 0; i < 4; ++i) out.colors[i] = state.colors[i];
  out.face = state.face;
  out.pointSize = state.pointSize;
  out.style = state.style;
}

}  // namespace

void CollectSideForFile(const DocTextModel& model, int side, ZultaSideData& out) {
  const DocSideState& state = model.Side(side);
  out.ClearText();
  CollectSideDefaults(state, out);

  const DocLineNode* line = state.head.line;
  DWORD lineIndex = 0;
  if (line) {
    out.lineFormats.push_back(line->format);
    if (line->section) RecordSection(line->section, 0, out);
  }
  for (const DocCharNode* node = state.head.next; node; node = node->next) {
    out.letters += static_cast<char>(node->letter);
    out.points.push_back(node->point);
    out.attrs.push_back(node->attributes);
    if (node->line && node->line != line) {
      const DocSection* before = line ? line->section : nullptr;
      line = node->line;
      ++lineIndex;
      out.lineFormats.push_back(line->format);
      if (line->section && line->section != before)
        RecordSection(line->section, lineIndex, out);
      else if (!line->section && before)
        RecordSectionEnd(lineIndex, out);
    }
  }
  out.layouts.push_back(ToRecord(state.defaultLayout));
  for (const CPageLayout* layout = state.layouts; layout; layout = layout->next)
    out.layouts.push_back(ToRecord(*layout));
}

void CollectDocumentStyles(const DocTextModel& model, ZultaDocData& doc) {
  doc.styles.CopyFrom(model.GetStyleTables());
  for (int side = 0; side < kFileSideCount; ++side) {
    doc.sides[side].ClearText();
    CollectSideDefaults(model.Side(side), doc.sides[side]);
  }
  doc.currentSide = model.GetCurrentSide();
}

void CollectDocumentForFile(const DocTextModel& model, const CString& title, ZultaDocData& doc) {
  doc.title = title;
  doc.styles.CopyFrom(model.GetStyleTables());
  for (int side = 0; side < kFileSideCount; ++side)
    CollectSideForFile(model, side, doc.sides[side]);
  doc.currentSide = model.GetCurrentSide();
}

void FillLoadBuffers(const ZultaSideData& side, DocLoadBuffers& buffers) {
  buffers.letters = CString(side.letters.data(), static_cast<int>(side.letters.size()));
  buffers.points.SetSize(static_cast<int>(side.points.size()));
  for (size_t i = 0; i < side.points.size(); ++i)
    buffers.points[static_cast<int>(i)] = side.points[i];
  buffers.attributes.SetSize(static_cast<int>(side.attrs.size()));
  for (size_t i = 0; i < side.attrs.size(); ++i)
    buffers.attributes[static_cast<int>(i)] = side.attrs[i];
  buffers.lineFormats.SetSize(static_cast<int>(side.lineFormats.size()));
  for (size_t i = 0; i < side.lineFormats.size(); ++i)
    buffers.lineFormats[static_cast<int>(i)] = side.lineFormats[i];
  const DWORD lineCount = static_cast<DWORD>(side.lineFormats.size());
  for (size_t i = 0; i < side.sections.size(); ++i) {
    const ZultaSectionRun& run = side.sections[i];
    DWORD end = i + 1 < side.sections.size() ? side.sections[i + 1].lineIndex : lineCount;
    if (run.lineIndex >= end || run.columns <= 1) continue;
    DocSectionRun loaded;
    loaded.firstLine = run.lineIndex;
    loaded.lineCount = end - run.lineIndex;
    loaded.section = new DocSection;
    loaded.section->columnCount = run.columns;
    loaded.section->fileValue = run.fileValue;
    loaded.section->unit = run.unit;
    loaded.section->gapInUnit = run.gapInUnit;
    buffers.sections.Add(loaded);
  }
  for (const ZultaPageLayoutRec& rec : side.layouts) {
    CPageLayout* layout = new CPageLayout;
    layout->tabInterval = rec.tabInterval;
    for (DWORD stop : rec.tabStops) layout->tabStops.Add(stop);
    layout->settings = rec.settings;
    buffers.layouts.Add(layout);
  }
}
