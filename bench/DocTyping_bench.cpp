// What one typed key costs the editor as the document grows: pointed Hebrew
// typed on the English keyboard into 4,000-character paragraphs of pointed
// Hebrew, caret mid-paragraph, each key recording its undo step as the
// program does. Every key (or every Undo or Redo of a word) is timed on its
// own, so that the counters give the median and the 99th percentile of one
// key in milliseconds, not only the mean. The argument is the document's
// length in pages (about); the iterations are the keys (or words) timed.
//
// Cases: plain text; the caret in a two-column section over the second half;
// the caret in plain text before such a section.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <random>
#include <vector>

#include "bench/BenchDocument.h"
#include "bench/BenchHebrewText.h"
#include "bench/BenchStats.h"
#include "editor/core/DocEditor.h"
#include "hebtext/core/InsertMode.h"

namespace {

constexpr int kHebrewSide = 1;
constexpr int kParagraphLength = 4000;
// The word typed and then taken back and done again.
constexpr char kWordKeys[] = "s]c]r";

// Paragraphs of pointed Hebrew, each kParagraphLength characters with its
// break.
std::vector<bench::PointedChar> MakePointedText(int paragraphs) {
  std::mt19937 rng(42);
  std::vector<bench::PointedChar> text;
  text.reserve(static_cast<size_t>(paragraphs) * kParagraphLength);
  for (int p = 0; p < paragraphs; p++) bench::AppendPointedParagraph(rng, kParagraphLength, text);
  return text;
}

// The Hebrew side of a document in one of the program's Hebrew fonts, laid
// out as after a file load, with the editor that types into it.
struct HebrewDocument {
  explicit HebrewDocument(int paragraphs) : model(metrics, ui), editor(model, ui) {
    DocSideDefaults defaults[kDocSideCount];
    defaults[0].face = "Times New Roman";
    defaults[kHebrewSide].face = "Pomlar Sephardi 2";
    model.InitContents(defaults);
    model.CreateEmptySides();
    std::vector<bench::PointedChar> text = MakePointedText(paragraphs);
    model.PreallocCharNodes(static_cast<int>(text.size()));
    model.SetBulkInsert(TRUE);
    DocCharNode* after = model.GetHead(kHebrewSide);
    for (const bench::PointedChar& c : text) {
      after = model.InsertCharAfter(after, c.letter, c.point);
      model.MeasureCharNode(after, kHebrewSide);
    }
    model.SetBulkInsert(FALSE);
    model.ReformatSide(kHebrewSide);
    model.SetCurrentSide(kHebrewSide);
    g_insertMode = 1;
  }

  // The first line of the paragraph that holds the given share of the side.
  DocLineNode* ParagraphLineAt(double share) {
    DocLineNode* line = model.GetHead(kHebrewSide)->line;
    int lines = 0;
    for (DocLineNode* l = line; l != nullptr; l = l->next) lines++;
    for (int i = 0; i < static_cast<int>(lines * share) && line->next != nullptr; i++)
      line = line->next;
    while (line->prev != nullptr && !IsBreakLetter(line->first->letter)) line = line->prev;
    return line;
  }

  // Two columns from the paragraph at the given share to the end.
  void AddColumnsFrom(double share) {
    DocLineNode* first = ParagraphLineAt(share);
    DocLineNode* last = first;
    while (last->next != nullptr) last = last->next;
    DocSection settings;
    settings.columnCount = 2;
    settings.gap = 24;
    model.SetLinesSection(first, last, &settings);
    model.ReformatSide(kHebrewSide);
  }

  // The caret in the middle of the paragraph at the given share.
  void PlaceCaret(double share) {
    DocCharNode* caret = ParagraphLineAt(share)->first;
    for (int i = 0; i < kParagraphLength / 2 && caret->next != nullptr; i++) caret = caret->next;
    model.Side(kHebrewSide).caret = caret;
    model.Side(kHebrewSide).anchor = nullptr;
  }

  bench::QuietUISink ui;
  FixedDocMetrics metrics;
  DocTextModel model;
  DocEditor editor;
};

// Paragraphs for about the given number of pages, from how many pages a few
// paragraphs fill.
int ParagraphsForPages(int pages) {
  static const double paragraphsPerPage = [] {
    constexpr int kSample = 20;
    HebrewDocument sample(kSample);
    return static_cast<double>(kSample) / sample.model.GetPageCount(kHebrewSide);
  }();
  return std::max(1, static_cast<int>(pages * paragraphsPerPage + 0.5));
}

enum class Caret { kPlain, kInColumns, kBeforeColumns };

std::unique_ptr<HebrewDocument> MakeDocument(int pages, Caret where) {
  auto doc = std::make_unique<HebrewDocument>(ParagraphsForPages(pages));
  if (where != Caret::kPlain) doc->AddColumnsFrom(0.5);
  doc->PlaceCaret(where == Caret::kInColumns ? 0.75 : where == Caret::kBeforeColumns ? 0.25 : 0.5);
  return doc;
}

using Clock = std::chrono::steady_clock;

// Times one call, gives it to the benchmark as the iteration's time and keeps
// it in milliseconds.
template <typename Work>
void TimeOne(benchmark::State& state, std::vector<double>& samples, Work work) {
  Clock::time_point start = Clock::now();
  work();
  std::chrono::duration<double> elapsed = Clock::now() - start;
  state.SetIterationTime(elapsed.count());
  samples.push_back(elapsed.count() * 1000);
}

void Report(benchmark::State& state, const HebrewDocument& doc, const std::vector<double>& ms) {
  state.counters["pages"] = doc.model.GetPageCount(kHebrewSide);
  state.counters["p50_ms"] = bench::Percentile(ms, 0.5);
  state.counters["p99_ms"] = bench::Percentile(ms, 0.99);
  state.counters["max_ms"] = bench::Percentile(ms, 1.0);
}

void BM_TypeKey(benchmark::State& state, Caret where) {
  std::unique_ptr<HebrewDocument> doc = MakeDocument(static_cast<int>(state.range(0)), where);
  std::vector<double> ms;
  size_t key = 0;
  for (auto _ : state) {
    UINT ch =
        static_cast<BYTE>(bench::kHebrewTypedKeys[key++ % (sizeof bench::kHebrewTypedKeys - 1)]);
    TimeOne(state, ms, [&] { doc->editor.TypeChar(ch); });
  }
  Report(state, *doc, ms);
}

// Undo or Redo of a whole typed word: one command per key of it.
void BM_UndoWord(benchmark::State& state, bool redo) {
  std::unique_ptr<HebrewDocument> doc =
      MakeDocument(static_cast<int>(state.range(0)), Caret::kPlain);
  DocEditor& editor = doc->editor;
  auto typeWord = [&] {
    for (const char* k = kWordKeys; *k != '\0'; k++) editor.TypeChar(static_cast<BYTE>(*k));
  };
  auto undoWord = [&] {
    for (const char* k = kWordKeys; *k != '\0'; k++) editor.UndoCommand();
  };
  auto redoWord = [&] {
    for (const char* k = kWordKeys; *k != '\0'; k++) editor.RedoCommand();
  };
  std::vector<double> ms;
  if (redo) {
    typeWord();
    undoWord();
  }
  for (auto _ : state) {
    if (redo) {
      TimeOne(state, ms, redoWord);
      undoWord();
    } else {
      typeWord();
      TimeOne(state, ms, undoWord);
    }
  }
  Report(state, *doc, ms);
}

struct Size {
  int pages;
  int keys;  // keys (or words) timed at this size
};
// Fewer at 2,000 pages, where each key may take a while yet.
constexpr Size kSizes[] = {{20, 1000}, {200, 1000}, {2000, 200}};
constexpr int kKeysPerWord = sizeof kWordKeys - 1;

void Configure(benchmark::internal::Benchmark* b, int pages, int iterations) {
  b->Arg(pages)->Iterations(iterations)->UseManualTime()->Unit(benchmark::kMicrosecond);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  struct Case {
    const char* name;
    Caret where;
  };
  const Case cases[] = {{"TypeKey/plain", Caret::kPlain},
                        {"TypeKey/in_columns", Caret::kInColumns},
                        {"TypeKey/before_columns", Caret::kBeforeColumns}};
  for (const Size& size : kSizes) {
    for (const Case& c : cases)
      Configure(benchmark::RegisterBenchmark(c.name, BM_TypeKey, c.where), size.pages, size.keys);
    Configure(benchmark::RegisterBenchmark("UndoWord", BM_UndoWord, false), size.pages,
              size.keys / kKeysPerWord);
    Configure(benchmark::RegisterBenchmark("RedoWord", BM_UndoWord, true), size.pages,
              size.keys / kKeysPerWord);
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
