// Layout speed of the editor's text model on a 200-page document: laying it
// all out after loading, and relaying it after typing one character in the
// middle.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>

#include "editor/core/DocTextModel.h"
#include "editor/core/FixedDocMetrics.h"

namespace {

class QuietUISink : public IDocUISink {
 public:
  void ShowMessage(LPCSTR) override {}
  CSize GetClientSize() override { return CSize(1000, 800); }
  void SetScrollSizes(CSize, CSize, CSize) override {}
  void Redraw() override {}
  void OnLayoutChanged(int) override {}
  void SetModifiedFlag() override {}
};

// Words of 2 to 9 letters, a paragraph break every 60 words or so.
std::string MakeText(size_t length) {
  std::mt19937 rng(42);
  std::string text;
  while (text.size() < length) {
    int letters = 2 + static_cast<int>(rng() % 8);
    for (int i = 0; i < letters; i++) text += static_cast<char>('a' + rng() % 26);
    text += rng() % 60 == 0 ? '\r' : ' ';
  }
  return text;
}

struct Document {
  Document() : model(metrics, ui) {
    DocSideDefaults defaults[kDocSideCount];
    for (DocSideDefaults& d : defaults) d.face = "Times New Roman";
    model.InitContents(defaults);
    model.CreateEmptySides();
  }

  // Fills side 0 as a file load does, without laying it out.
  void Fill(const std::string& text) {
    model.PreallocCharNodes(static_cast<int>(text.size()));
    model.m_bBulkInsert = TRUE;
    DocCharNode* after = model.GetHead(0);
    for (char ch : text) {
      after = model.InsertCharAfter(after, static_cast<BYTE>(ch), 0);
      model.MeasureCharNode(after, 0);
    }
    model.m_bBulkInsert = FALSE;
  }

  FixedDocMetrics metrics;
  QuietUISink ui;
  DocTextModel model;
};

// 200 letter pages of 12-point text: about 45 lines of 60 characters each.
const std::string& TwoHundredPages() {
  static const std::string text = MakeText(200 * 45 * 60);
  return text;
}

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
