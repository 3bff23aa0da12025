// Opening and saving a document of about 1 MB in each form the Open and
// Save commands take: the native file, RTF and plain text.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "editor/core/CharAttr.h"
#include "editor/core/ZultaFile.h"

namespace {

const char kHebrewFace[] = "Pomlar David 2";

void InitDoc(ZultaDocData& doc) {
  doc.styles.AddDefaultEntries();
  doc.styles.fontSizes.Add(18);
  doc.styles.textColors.Add(0xFF);
  doc.sides[0].face = "Arial";
  doc.sides[1].face = kHebrewFace;
}

// Words of 2 to 9 characters, a paragraph end every 60 words or so, a few
// runs in another size and colour; Hebrew letters carry vowel points.
void FillSide(ZultaSideData& side, size_t length, bool hebrew) {
  std::mt19937 rng(hebrew ? 7 : 3);
  while (side.letters.size() < length) {
    int count = 2 + static_cast<int>(rng() % 8);
    DWORD attr = rng() % 10 == 0 ? (1u << CharAttrBits::kSizeShift) | 1u : 0;
    for (int i = 0; i < count; ++i) {
      side.letters += static_cast<char>(hebrew ? 224 + rng() % 27 : 'a' + rng() % 26);
      side.points.push_back(hebrew ? static_cast<BYTE>(192 + rng() % 10) : 0);
      side.attrs.push_back(attr);
    }
    bool paragraph = rng() % 60 == 0;
    side.letters += paragraph ? '\r' : ' ';
    side.points.push_back(0);
    side.attrs.push_back(0);
    if (paragraph) side.lineFormats.push_back(0);
  }
  side.lineFormats.push_back(0);
  side.layouts.resize(2);
}

const ZultaDocData& Document() {
  static ZultaDocData* doc = [] {
    ZultaDocData* d = new ZultaDocData;
    InitDoc(*d);
    FillSide(d->sides[0], 500000, false);
    FillSide(d->sides[1], 250000, true);
    return d;
  }();
  return *doc;
}

void BM_Save(benchmark::State& state, const char* path) {
  const ZultaDocData& doc = Document();
  ByteBuffer out;
  for (auto _ : state) {
    CZultaFile file;
    if (!file.WriteDocument(doc, path, out)) state.SkipWithError("not stored");
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(state.iterations() * out.size());
}

void BM_Open(benchmark::State& state, const char* path) {
  ByteBuffer bytes;
  CZultaFile writer;
  writer.WriteDocument(Document(), path, bytes);
  for (auto _ : state) {
    ZultaDocData doc;
    InitDoc(doc);
    CZultaFile file;
    if (!file.ReadDocument(bytes.data(), bytes.size(), doc)) state.SkipWithError("unreadable");
  }
  state.SetBytesProcessed(state.iterations() * bytes.size());
}

BENCHMARK_CAPTURE(BM_Save, native, "a.zlt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Open, native, "a.zlt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Save, rtf, "a.rtf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Open, rtf, "a.rtf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Save, text, "a.txt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Open, text, "a.txt")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
