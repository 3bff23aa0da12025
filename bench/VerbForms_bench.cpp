// Every form of every verb in the data, as the dictionary build generates
// them: each binyan a verb has, every slot, with its plene spelling.
#include <benchmark/benchmark.h>

#include "lexicon/core/Binyan.h"
#include "lexicon/core/BinyanRootRec.h"
#include "lexicon/core/FormSlots.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/VerbFormText.h"

namespace {

bool LoadTables() {
  static const bool loaded = [] {
    SetGrammarFolder(ZULTA_GRAMMAR_FOLDER);
    return LoadGrammarData().loaded;
  }();
  return loaded;
}

void BM_EveryFormOfEveryVerb(benchmark::State& state) {
  if (!LoadTables()) {
    state.SkipWithError("no compiled grammar tables");
    return;
  }
  GrammarContext context;
  int64_t forms = 0;
  for (auto _ : state) {
    for (int verb = 0; verb < GetVerbCount(); ++verb) {
      const BYTE* entry = GetVerbIndexEntry(verb);
      for (int binyan = 0; binyan < Binyan::kCount; ++binyan) {
        if (!(GetVerbBinyanWord(entry, binyan) & GrammarLayout::kBinyanClassMask)) continue;
        for (int slot = 0; slot < FormSlot::Count; ++slot) {
          HebWordRec form = GenerateVerbForm(context, entry, binyan, slot);
          if (!form.letters[0]) continue;
          HebWordRec plene = PleneVerbForm(entry, form, 0);
          benchmark::DoNotOptimize(plene);
          ++forms;
        }
      }
    }
  }
  state.SetItemsProcessed(forms);
}
BENCHMARK(BM_EveryFormOfEveryVerb)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
