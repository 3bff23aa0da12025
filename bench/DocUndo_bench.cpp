// What recording undo steps costs while typing into a 200-page document:
// each typed key records the text it replaced, the formats around it, the
// page layouts and, once the document has columns, its sections as runs.
#include <benchmark/benchmark.h>

#include "bench/BenchDocument.h"
#include "editor/core/DocEditor.h"

namespace {

void BM_TypeWithUndo(benchmark::State& state, bool columns) {
  bench::Document doc;
  doc.Fill(bench::TwoHundredPages());
  doc.model.ReformatSide(0);
  if (columns) {
    // Two columns over the paragraphs of the second half.
    DocLineNode* first = doc.model.GetHead(0)->line;
    int lines = 0;
    for (DocLineNode* l = first; l != nullptr; l = l->next) lines++;
    for (int i = 0; i < lines / 2; i++) first = first->next;
    while (first->prev != nullptr && !IsBreakLetter(first->first->letter)) first = first->prev;
    DocLineNode* last = first;
    while (last->next != nullptr) last = last->next;
    DocSection settings;
    settings.columnCount = 2;
    settings.gap = 24;
    doc.model.SetLinesSection(first, last, &settings);
    doc.model.ReformatSide(0);
  }
  DocEditor editor(doc.model, doc.ui);
  doc.model.SetCurrentSide(0);
  DocCharNode* caret = doc.model.GetHead(0);
  for (size_t i = 0; i < bench::TwoHundredPages().size() / 4; i++) caret = caret->next;
  doc.model.Side(0).caret = caret;
  for (auto _ : state) editor.TypeChar('x');
  state.counters["pages"] = doc.model.GetPageCount(0);
  state.counters["steps"] = editor.GetStepCount();
}
BENCHMARK_CAPTURE(BM_TypeWithUndo, plain, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_TypeWithUndo, columns, true)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
