// libFuzzer target over the file dialogs' title reader: whatever the bytes,
// it reads within them and gives a kind and a bounded title; and for a file
// the full document reader takes, it agrees with that reader on the kind and
// on the title (a prefix of it when the title was longer than the bound).
#include <cstddef>
#include <cstdint>

#include "editor/core/DocumentTitle.h"
#include "editor/core/ZultaFile.h"

namespace {

void Check(bool invariant) {
  if (!invariant) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  MemoryRangeSource source(data, size);
  CString title;
  const DocumentProbe probe = ReadDocumentTitle(source, title);
  Check(static_cast<size_t>(title.GetLength()) <= kMaxListedTitleBytes);
  Check(probe == kProbeNativeDocument || title == kPlaceholderDocumentTitle);

  ZultaDocData doc;
  doc.styles.AddDefaultEntries();
  CZultaFile file;
  if (!file.ReadDocument(data, size, doc)) return 0;
  Check((probe == kProbeNativeDocument) == (file.GetMajor() != 0));
  if (probe != kProbeNativeDocument) return 0;
  // Within the bound the titles are the same; beyond it the cut one starts
  // the full one.
  if (size <= kMaxListedTitleBytes)
    Check(title == doc.title);
  else
    Check(doc.title.Left(title.GetLength()) == title);
  return 0;
}
