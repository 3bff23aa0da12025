#include "lexicon/core/DatabaseOrderCheck.h"

#include <string>
#include <vector>

#include "lexicon/core/DictionaryFiles.h"
#include "lexicon/core/EntrySortKey.h"
#include "lexicon/core/RecordFiles.h"

namespace {

constexpr DWORD kProgressStep = 250;

struct CheckedWord {
  BYTE letters[kEntryKeySize] = {};
  BYTE vowels[kEntryKeySize] = {};
  EntrySortKey key{};
};

void RenderWord(const WordRecordRenderer& renderer, const BYTE* bytes, CheckedWord& word) {
  const int length =
      renderer.Render(ReadWordRecordBytes(bytes), word.letters, word.vowels, kEntryKeySize);
  word.letters[length] = 0;
  word.vowels[length] = 0;
  BuildEntrySortKey(word.letters, word.vowels, length, word.key);
}

LPCSTR Text(const BYTE* bytes) { return reinterpret_cast<LPCSTR>(bytes); }

void ShowCount(DatabaseBuildProgress& progress, DWORD compared, DWORD total) {
  CString line;
  line.Format(
      compared == total ? "DONE! Compared %lu items out of %lu" : "Compared %lu items out of %lu",
      static_cast<unsigned long>(compared), static_cast<unsigned long>(total));
  progress.ShowLine(line);
}

}  // namespace

DatabaseOrderResult CheckDatabaseOrder(LPCSTR binFolder, const WordRecordRenderer& renderer,
                                       DatabaseBuildProgress& progress) {
  DatabaseOrderResult result;
  std::vector<BYTE> data;
  if (!ReadRecordFile(DictionaryFilePath(binFolder, DictionaryFile::kWordData), data))
    return result;
  result.opened = true;
  result.total = static_cast<DWORD>(data.size() / kPackedWordRecSize);
  if (result.total == 0) return result;
  CheckedWord previous;
  CheckedWord current;
  RenderWord(renderer, data.data(), previous);
  result.compared = 1;
  for (DWORD i = 1; i < result.total; ++i) {
    RenderWord(renderer, &data[i * kPackedWordRecSize], current);
    if (CompareEntrySortKeys(previous.key, current.key) > 0) {
      UserMessage fault;
      fault.text.Format("BAD-ORDER!\n%s || %s\n%s || %s", Text(previous.letters),
                        Text(previous.vowels), Text(current.letters), Text(current.vowels));
      result.faults.push_back(fault);
    }
    previous = current;
    ++result.compared;
    if (result.compared % kProgressStep == 0) {
      ShowCount(progress, result.compared, result.total);
      if (!progress.Continue()) {
        result.stopped = true;
        return result;
      }
    }
  }
  ShowCount(progress, result.compared, result.total);
  return result;
}
