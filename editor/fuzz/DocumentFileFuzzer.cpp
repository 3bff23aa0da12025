// libFuzzer target over the document file reader: native files of every
// version, and the RTF and plain-text files the same Open takes. What reads
// must write again into a file that reads back; a character that is itself a
// vowel code may then join the one before it, as the stored form has it.
#include <cstddef>
#include <cstdint>

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
  ByteBuffer written;
  CZultaFile writer;
  if (!writer.WriteDocument(doc, "fuzz.zlt", written)) return 0;
  ZultaDocData back;
  InitDoc(back);
  CZultaFile reader;
  Check(reader.ReadDocument(written.data(), written.size(), back));
  for (int side = 0; side < kFileSideCount; ++side)
    Check(back.sides[side].letters.size() <= doc.sides[side].letters.size());
  return 0;
}
