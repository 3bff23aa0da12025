// Reading RTF with very large font and colour tables, and filling the
// reader's local tables directly: each entry is looked up once, so the time
// grows with the table, not with its square.
#include <benchmark/benchmark.h>

#include <string>

#include "editor/core/RtfReader.h"

namespace {

std::string FontTableRtf(int fonts) {
  std::string rtf = "{\\rtf1{\\fonttbl";
  for (int i = 0; i < fonts; ++i)
    rtf += "{\\f" + std::to_string(i % 256) + " Face " + std::to_string(i) + ";}";
  return rtf + "}\\f1 text}";
}

std::string ColorTableRtf(int colors) {
  std::string rtf = "{\\rtf1{\\colortbl;";
  for (int i = 0; i < colors; ++i) {
    rtf += "\\red" + std::to_string(i & 0xFF) + "\\green" + std::to_string((i >> 8) & 0xFF) +
           "\\blue" + std::to_string(i >> 16) + ";";
  }
  return rtf + "}\\cf1 text}";
}

void ParseRtf(benchmark::State& state, const std::string& rtf) {
  for (auto _ : state) {
    DocStyleTables tables;
    CRtfTables parse(rtf.data(), rtf.size(), &tables);
    benchmark::DoNotOptimize(RtfParse(parse));
  }
}

void BM_ReadFontTable(benchmark::State& state) {
  ParseRtf(state, FontTableRtf(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_ReadFontTable)->Arg(40000)->Unit(benchmark::kMillisecond);

void BM_ReadColorTable(benchmark::State& state) {
  ParseRtf(state, ColorTableRtf(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_ReadColorTable)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_AddLocalEntries(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  std::string name;
  for (auto _ : state) {
    CRtfTables tables("", 0);
    for (int i = 0; i < count; ++i) {
      name = "Face " + std::to_string(i);
      benchmark::DoNotOptimize(tables.AddLocalFontName(name.c_str()));
      benchmark::DoNotOptimize(tables.AddLocalColor(static_cast<COLORREF>(i)));
    }
  }
}
BENCHMARK(BM_AddLocalEntries)->Arg(40000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
