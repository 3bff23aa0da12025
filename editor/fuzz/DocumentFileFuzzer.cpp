// libFuzzer target over the document file reader: native files of every
// version, and the RTF and plain-text files the same Open takes. What reads
// must build into sides whose structure holds, and save into a native file
// that reads back and saves again into the same bytes: what a save stores,
// an open takes back whole.
#include <cstddef>
#include <cstdint>

#include "editor/core/DocEditor.h"
#include "editor/core/FixedDocMetrics.h"
#include "editor/core/WindowlessUISink.h"
#include "editor/core/ZultaDocTransfer.h"
#include "editor/core/ZultaFile.h"

namespace {

void Check(bool invariant) {
  if (!invariant) __builtin_trap();
}

void InitDoc(ZultaDocData& doc) {
  doc.styles.AddDefaultEntries();
  doc.sides[0].face = "Arial";
  doc.sides[1].face = "Pomlar David 2";
}

// Builds the document's sides as the editor does after a load.
void CheckBuiltSides(const ZultaDocData& doc) {
  FixedDocMetrics metrics;
  WindowlessUISink view;
  DocTextModel model(metrics, view);
  DocSideDefaults defaults[kDocSideCount];
  for (int side = 0; side < kDocSideCount; ++side) defaults[side].face = doc.sides[side].face;
  model.InitContents(defaults);
  model.CreateEmptySides();
  model.GetStyleTables().CopyFrom(doc.styles);
  DocEditor editor(model, view);
  for (int side = 0; side < kDocSideCount; ++side)
    FillLoadBuffers(doc.sides[side], editor.LoadBuffers(side));
  Check(editor.BuildSidesFromBuffers(nullptr, FALSE, 96) == 1);
  for (int side = 0; side < kDocSideCount; ++side) Check(model.FindStructureFault(side).IsEmpty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ZultaDocData doc;
  InitDoc(doc);
  CZultaFile file;
  if (!file.ReadDocument(data, size, doc)) return 0;
  for (const ZultaSideData& side : doc.sides) {
    Check(side.points.size() == side.letters.size());
    Check(side.attrs.size() == side.letters.size());
  }
  CheckBuiltSides(doc);
  ByteBuffer saved;
  if (!CZultaFile().WriteDocument(doc, "fuzz.zlt", saved)) return 0;
  ZultaDocData back;
  InitDoc(back);
  Check(CZultaFile().ReadDocument(saved.data(), saved.size(), back));
  ByteBuffer savedAgain;
  Check(CZultaFile().WriteDocument(back, "fuzz.zlt", savedAgain));
  Check(savedAgain == saved);
  return 0;
}
