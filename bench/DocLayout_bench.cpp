// Layout speed of the editor's text model on a 200-page document: laying it
// all out after loading, and relaying it after typing one character in the
// middle.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/BenchDocument.h"

namespace {

using bench::Document;
using bench::TwoHundredPages;

void BM_LayOutWholeDocument(benchmark::State& state) {
  int pages = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto doc = std::make_unique<Document>();
    doc->Fill(TwoHundredPages());
    state.ResumeTiming();
    doc->model.ReformatSide(0);
    pages = doc->model.GetPageCount(0);
    state.PauseTiming();
    doc.reset();
    state.ResumeTiming();
  }
  state.counters["pages"] = pages;
}
BENCHMARK(BM_LayOutWholeDocument)->Unit(benchmark::kMillisecond);

void BM_TypeOneCharInTheMiddle(benchmark::State& state) {
  Document doc;
  doc.Fill(TwoHundredPages());
  doc.model.ReformatSide(0);
  DocCharNode* caret = doc.model.GetHead(0);
  for (size_t i = 0; i < TwoHundredPages().size() / 2; i++) caret = caret->next;
  for (auto _ : state) {
    DocCharNode* node = doc.model.InsertCharAfter(caret, 'x', 0);
    doc.model.MeasureCharNode(node, 0);
    doc.model.Reformat(0, node, node);
    caret = node;
  }
  state.counters["pages"] = doc.model.GetPageCount(0);
}
BENCHMARK(BM_TypeOneCharInTheMiddle)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
