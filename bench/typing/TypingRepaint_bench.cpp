// What one key costs the editor in the middle of a paragraph of several pages,
// as the document grows from 10 to 200 pages: the typing rule with its undo
// step and the relayout of what changed (DocEditor), then the repaint of the
// changed lines in a document window's client area (DocRunPainter over a
// device context that counts what it paints) and the visible lines collected
// again for the next repaint. Each key is timed on its own.
// Keys: a typed letter or space, Backspace, and a letter that pushes the last
// word of its line onto the next. Run by hand; the argument is the number of
// keys of each kind (default kDefaultKeys).
#include <time.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "bench/BenchStats.h"
#include "bench/typing/TypingDocument.h"

namespace {

using bench::TypingDocument;
// The thread's own processor time: other programs on the machine take the
// processor from it now and then, which wall time would count as the key's.
struct Clock {
  using duration = std::chrono::nanoseconds;
  using time_point = std::chrono::time_point<Clock, duration>;
  static time_point now() {
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return time_point(std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec));
  }
};

constexpr int kDocumentPages[] = {10, 50, 200};
constexpr int kDefaultKeys = 2000;
// What is typed on each side, over and over; and the letter that pushes a
// word to the next line.
constexpr const char* kTypedKeys[kDocSideCount] = {"the quick brown fox jumps over a lazy dog ",
                                                   bench::kHebrewTypedKeys};
constexpr char kWrapKey[kDocSideCount] = {'e', 's'};
constexpr const char* kSideNames[kDocSideCount] = {"English", "Hebrew"};

enum KeyKind { kTypeKey, kBackspaceKey, kWrapWordKey, kKeyKindCount };
constexpr const char* kKeyNames[kKeyKindCount] = {"type", "backspace", "wrap word"};

// One sample per key of each figure, the first key after loading apart: it
// pays for what the editor sets up once (the undo's copy of the page layouts).
struct KeyFigures {
  double firstUs = -1;
  std::vector<double> totalUs, layoutUs, repaintUs;
  std::vector<double> linesFitted, linesChanged, linesPainted, filledPixels, boundsPixels, runs;
};

double Mean(const std::vector<double>& samples) {
  double sum = 0;
  for (double s : samples) sum += s;
  return samples.empty() ? 0 : sum / static_cast<double>(samples.size());
}

double Micros(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

// Times the key (its rule and relayout), then the repaint of the lines it
// changed, and counts those lines and what was painted.
template <typename Key>
void TimeKey(TypingDocument& doc, KeyFigures& f, Key key) {
  DocTextModel& model = doc.model;
  Clock::time_point start = Clock::now();
  key();
  Clock::time_point laidOut = Clock::now();
  doc.dc.Begin(doc.client);
  doc.painter.RepaintLineRange(model.GetRepaintFirst(), model.GetRepaintLast(), doc.client,
                               doc.visible);
  // As the document window does after each repaint, for the next one.
  doc.visible.Rebuild(model, doc.view, doc.client);
  Clock::time_point painted = Clock::now();
  if (f.firstUs < 0) {
    f.firstUs = Micros(painted - start);
    doc.ScrollToCaret();
    return;
  }
  f.layoutUs.push_back(Micros(laidOut - start));
  f.repaintUs.push_back(Micros(painted - laidOut));
  f.totalUs.push_back(Micros(painted - start));
  int changed = 0, inClient = 0;
  const DocLineNode* last = model.GetCharLine(model.GetRepaintLast());
  for (const DocLineNode* line = model.GetCharLine(model.GetRepaintFirst()); line != nullptr;
       line = line->next) {
    changed++;
    CRect meet;
    if (meet.IntersectRect(doc.view.GetLineColumn(line), &doc.client)) inClient++;
    if (line == last) break;
  }
  f.linesFitted.push_back(model.GetLinesFitted());
  f.linesChanged.push_back(changed);
  f.linesPainted.push_back(inClient);
  f.filledPixels.push_back(static_cast<double>(doc.dc.filledPixels));
  f.boundsPixels.push_back(static_cast<double>(doc.dc.bounds.Width()) * doc.dc.bounds.Height());
  f.runs.push_back(doc.dc.runs);
  doc.ScrollToCaret();
}

// The width of the letter a key types on the side.
int KeyWidth(TypingDocument& doc, int side, char key) {
  BYTE code = static_cast<BYTE>(key);
  if (side == bench::kHebrewSide) code = static_cast<BYTE>(MapKeyToHebrew(code, FALSE));
  return doc.metrics.MeasureChar(bench::kSideFaces[side], DocSideDefaults().pointSize, 0, code, 0)
      .width;
}

// The lines of the long paragraph, its last excepted, with less room left
// than the width given: a letter typed into their last word pushes it on.
std::vector<DocLineNode*> FullLines(TypingDocument& doc, DocLineNode* first, int width) {
  std::vector<DocLineNode*> lines;
  for (DocLineNode* line = first; line->next != nullptr; line = line->next) {
    if (line != first && IsBreakLetter(line->first->letter)) break;
    if (IsBreakLetter(line->next->first->letter)) break;  // the paragraph's last line
    if (doc.view.GetLineColumn(line).Width() - line->cache.width < width) lines.push_back(line);
  }
  return lines;
}

// A letter typed into the last word of a full line, then taken back
// (untimed) so that the next key finds the paragraph as it was.
void WrapWords(TypingDocument& doc, int side, int keys, KeyFigures& f) {
  DocLineNode* first = doc.LongParagraphFirstLine(side);
  int width = KeyWidth(doc, side, kWrapKey[side]);
  for (int k = 0; k < keys; k++) {
    std::vector<DocLineNode*> full = FullLines(doc, first, width);
    if (full.empty()) return;
    DocLineNode* line = full[static_cast<size_t>(k) % full.size()];
    DocCharNode* end = doc.model.GetLineLastChar(line);
    while (end->letter == kLetterSpace) end = end->prev;
    doc.PlaceCaret(end->prev);
    TimeKey(doc, f, [&] { doc.editor.TypeChar(static_cast<BYTE>(kWrapKey[side])); });
    doc.editor.Backspace();
  }
}

KeyFigures RunKeys(TypingDocument& doc, int side, KeyKind kind, int keys) {
  KeyFigures f;
  doc.Activate(side);
  DocEditor& editor = doc.editor;
  if (kind == kWrapWordKey) {
    WrapWords(doc, side, keys, f);
    return f;
  }
  const char* typed = kTypedKeys[side];
  size_t typedLength = std::char_traits<char>::length(typed);
  for (int k = 0; k < keys; k++) {
    if (kind == kTypeKey)
      TimeKey(doc, f, [&] { editor.TypeChar(static_cast<BYTE>(typed[k % typedLength])); });
    else
      TimeKey(doc, f, [&] { editor.Backspace(); });
  }
  return f;
}

struct Row {
  int side;
  KeyKind kind;
  int pages;
  KeyFigures f;
};

void PrintRows(const std::vector<Row>& rows) {
  std::printf(
      "%-7s %-9s %5s %5s | %6s | %7s %7s %7s %7s | "
      "%7s %7s %7s %7s | %6s %5s | %6s %5s | "
      "%6s %5s | %8s %8s %8s | %5s\n",
      "side", "key", "pages", "keys", "first", "mean", "median", "p99", "max", "layout", "max",
      "paint", "max", "fitted", "max", "laid", "max", "paint", "max", "filled", "max", "bounds",
      "runs");
  for (const Row& r : rows) {
    const KeyFigures& f = r.f;
    std::printf(
        "%-7s %-9s %5d %5zu | %6.0f | %7.1f %7.1f %7.1f %7.1f | "
        "%7.1f %7.1f %7.1f %7.1f | %6.1f %5.0f | %6.1f %5.0f | "
        "%6.1f %5.0f | %8.0f %8.0f %8.0f | %5.1f\n",
        kSideNames[r.side], kKeyNames[r.kind], r.pages, f.totalUs.size(), f.firstUs,
        Mean(f.totalUs), bench::Percentile(f.totalUs, 0.5), bench::Percentile(f.totalUs, 0.99),
        bench::Percentile(f.totalUs, 1.0), Mean(f.layoutUs), bench::Percentile(f.layoutUs, 1.0),
        Mean(f.repaintUs), bench::Percentile(f.repaintUs, 1.0), Mean(f.linesFitted),
        bench::Percentile(f.linesFitted, 1.0), Mean(f.linesChanged),
        bench::Percentile(f.linesChanged, 1.0), Mean(f.linesPainted),
        bench::Percentile(f.linesPainted, 1.0), Mean(f.filledPixels),
        bench::Percentile(f.filledPixels, 1.0), Mean(f.boundsPixels), Mean(f.runs));
  }
}

// The mean and median of the largest document over those of the smallest.
void PrintGrowth(const std::vector<Row>& rows) {
  std::map<std::pair<int, int>, std::vector<const Row*>> bySideAndKey;
  for (const Row& r : rows) bySideAndKey[{r.side, r.kind}].push_back(&r);
  std::printf("\n%-7s %-9s %13s %13s\n", "side", "key", "mean growth", "median growth");
  for (const auto& entry : bySideAndKey) {
    const KeyFigures& small = entry.second.front()->f;
    const KeyFigures& large = entry.second.back()->f;
    std::printf("%-7s %-9s %12.2fx %12.2fx\n", kSideNames[entry.first.first],
                kKeyNames[entry.first.second], Mean(large.totalUs) / Mean(small.totalUs),
                bench::Percentile(large.totalUs, 0.5) / bench::Percentile(small.totalUs, 0.5));
  }
}

}  // namespace

int main(int argc, char** argv) {
  int keys = argc > 1 ? std::atoi(argv[1]) : kDefaultKeys;
  if (keys <= 0) {
    std::fprintf(stderr, "usage: %s [keys of each kind]\n", argv[0]);
    return 2;
  }
  double charsPerPage[kDocSideCount];
  TypingDocument::CharsPerPage(charsPerPage);
  std::vector<Row> rows;
  for (int side = 0; side < kDocSideCount; side++) {
    for (int kind = 0; kind < kKeyKindCount; kind++) {
      for (int pages : kDocumentPages) {
        // A fresh document for each run, so that each starts from the same
        // text.
        TypingDocument doc(pages, charsPerPage);
        KeyFigures f = RunKeys(doc, side, static_cast<KeyKind>(kind), keys + 1);  // and the first
        rows.push_back({side, static_cast<KeyKind>(kind), doc.model.GetPageCount(side), f});
      }
    }
  }
  std::printf(
      "Processor microseconds per key: the first after loading, then the others (layout: the\n"
      "typing rule with its undo step and the relayout; paint: the repaint and the visible\n"
      "lines collected again). Lines fitted afresh, lines laid out (moved or refitted) and\n"
      "painted, pixels filled (overdraw counted) and their bounding box, and text runs\n"
      "drawn, in a %d by %d client area.\n\n",
      bench::kClientWidth, bench::kClientHeight);
  PrintRows(rows);
  PrintGrowth(rows);
  return 0;
}
