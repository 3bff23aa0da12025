// A document for the typing benchmark, both sides filled as a file load fills
// them: English prose on the English side, pointed Hebrew on the Hebrew side,
// each of about the pages asked for with one paragraph of several pages in
// the middle. With it the view's parts that a typed key reaches: the page
// view, the visible lines and the run painter over a counting device context,
// and a client area of a document window scrolled to the caret.
#pragma once

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "bench/BenchDocument.h"
#include "bench/BenchHebrewText.h"
#include "bench/typing/CountingPaintDC.h"
#include "bench/typing/EnglishText.h"
#include "editor/core/DocEditor.h"
#include "editor/core/DocPageView.h"
#include "editor/core/DocRunPainter.h"
#include "editor/core/DocVisibleLines.h"
#include "hebtext/core/InsertMode.h"

namespace bench {

constexpr int kEnglishSide = 0;
constexpr int kHebrewSide = 1;
constexpr const char* kSideFaces[kDocSideCount] = {"Times New Roman", "Pomlar Sephardi 2"};
constexpr int kLongParagraphPages = 4;
// Ordinary paragraphs run from a few lines to most of a page.
constexpr size_t kParagraphMin = 150;
constexpr size_t kParagraphSpread = 1200;
// The client area of a document window on a 1280 by 1024 screen, and the
// view's rulers.
constexpr int kClientWidth = 1000;
constexpr int kClientHeight = 700;
constexpr int kRulerWidth = 20;
constexpr int kRulerHeight = 20;
// Pages of text that calibrate how many characters fill a page.
constexpr int kSamplePages = 20;
constexpr size_t kSampleCharsPerPage = 3000;

// A side's text as laid into its nodes.
using SideText = std::vector<PointedChar>;

inline void AppendParagraph(int side, std::mt19937& rng, size_t length, SideText& text) {
  if (side == kHebrewSide) {
    AppendPointedParagraph(rng, length, text);
    return;
  }
  std::string english;
  AppendEnglishParagraph(rng, length, english);
  for (char ch : english) text.push_back({static_cast<BYTE>(ch), 0});
}

// Ordinary paragraphs until the text holds at least `length` more characters.
inline void AppendParagraphs(int side, std::mt19937& rng, size_t length, SideText& text) {
  size_t end = text.size() + length;
  while (text.size() < end)
    AppendParagraph(side, rng, kParagraphMin + rng() % kParagraphSpread, text);
}

class TypingDocument {
 public:
  // charsPerPage: of each side, as CharsPerPage measures it; null for the
  // sample it measures, kSamplePages' worth of ordinary paragraphs.
  TypingDocument(int pages, const double charsPerPage[kDocSideCount])
      : model(metrics, ui), editor(model, ui), view(model), painter(model, view, dc) {
    DocSideDefaults defaults[kDocSideCount];
    for (int side = 0; side < kDocSideCount; side++) defaults[side].face = kSideFaces[side];
    model.InitContents(defaults);
    model.CreateEmptySides();
    view.SetRulerSize(kRulerWidth, kRulerHeight);
    SideText texts[kDocSideCount];
    for (int side = 0; side < kDocSideCount; side++) {
      std::mt19937 rng(42 + side);
      SideText& text = texts[side];
      if (charsPerPage == nullptr) {
        AppendParagraphs(side, rng, kSamplePages * kSampleCharsPerPage, text);
        continue;
      }
      size_t perPage = static_cast<size_t>(charsPerPage[side]);
      size_t longLength = kLongParagraphPages * perPage;
      size_t rest = pages * perPage > longLength ? pages * perPage - longLength : 0;
      AppendParagraphs(side, rng, rest / 2, text);
      m_longStart[side] = text.size();
      AppendParagraph(side, rng, longLength, text);
      m_longLength[side] = text.size() - m_longStart[side];
      AppendParagraphs(side, rng, rest - rest / 2, text);
    }
    model.PreallocCharNodes(static_cast<int>(texts[0].size() + texts[1].size()));
    for (int side = 0; side < kDocSideCount; side++) Fill(side, texts[side]);
    model.UpdatePageUnion();
    g_insertMode = 1;
  }

  // Characters per page of each side, from a sample laid out.
  static void CharsPerPage(double charsPerPage[kDocSideCount]) {
    TypingDocument sample(kSamplePages, nullptr);
    for (int side = 0; side < kDocSideCount; side++)
      charsPerPage[side] =
          static_cast<double>(sample.CharCount(side)) / sample.model.GetPageCount(side);
  }

  // Makes the side the one edited, its caret in the middle of its long
  // paragraph, the client area scrolled to it.
  void Activate(int side) {
    model.SetCurrentSide(side);
    DocCharNode* caret = model.GetHead(side);
    for (size_t i = 0; i < m_longStart[side] + m_longLength[side] / 2; i++) caret = caret->next;
    PlaceCaret(caret);
  }

  // The caret after the node, scrolled into view when it is out of it.
  void PlaceCaret(DocCharNode* caret) {
    DocSideState& s = model.Side(model.GetCurrentSide());
    s.caret = caret;
    s.anchor = nullptr;
    ScrollToCaret();
  }

  // As the view scrolls a caret that left the client area back into its
  // middle and collects its visible lines (the paint of the whole client area
  // that follows is no key's).
  void ScrollToCaret() {
    DocSideState& s = model.Side(model.GetCurrentSide());
    CRect line = view.GetLineRect(model.GetCharLine(s.caret));
    if (!client.IsRectEmpty() && line.top >= client.top && line.bottom <= client.bottom) return;
    int top = std::max(0, static_cast<int>(line.top) - kClientHeight / 2);
    client = CRect(0, top, kClientWidth, top + kClientHeight);
    visible.Rebuild(model, view, client);
  }

  // The first line of the long paragraph of the side.
  DocLineNode* LongParagraphFirstLine(int side) {
    DocCharNode* c = model.GetHead(side);
    for (size_t i = 0; i <= m_longStart[side]; i++) c = c->next;
    return model.GetCharLine(c);
  }

  size_t CharCount(int side) const {
    size_t count = 0;
    for (const DocCharNode* c = model.Side(side).head.next; c != nullptr; c = c->next) count++;
    return count;
  }

  FixedDocMetrics metrics;
  QuietUISink ui;
  DocTextModel model;
  DocEditor editor;
  DocPageView view;
  CountingPaintDC dc;
  DocRunPainter painter;
  DocVisibleLines visible;
  CRect client;

 private:
  void Fill(int side, const SideText& text) {
    model.SetBulkInsert(TRUE);
    DocCharNode* after = model.GetHead(side);
    for (const PointedChar& c : text) {
      after = model.InsertCharAfter(after, c.letter, c.point);
      model.MeasureCharNode(after, side);
    }
    model.SetBulkInsert(FALSE);
    model.ReformatSide(side);
  }

  size_t m_longStart[kDocSideCount] = {};
  size_t m_longLength[kDocSideCount] = {};
};

}  // namespace bench
